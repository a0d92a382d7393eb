#pragma once
// What the three comparison pages share: the colours of their notes and how a note is
// shown or hidden.
#include "core/value/VRMString.h"
#include "platform/ui/Colour.h"

class QWidget;

namespace kostenseiten {

inline constexpr ui::ColourRef kHinweisText = ui::rgb(21, 59, 99);
inline constexpr ui::ColourRef kHinweisGrund = ui::rgb(223, 233, 244);

// The note label `id` shows `text`; an empty text hides it.
void ZeigeHinweis(QWidget* seite, int id, const CVRMString& text);
// A label in the note colours, for the page layouts.
QWidget* NeuerHinweis(QWidget* parent);

}  // namespace kostenseiten
