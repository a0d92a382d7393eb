#include "pages/KostenSeitenHilfen.h"

#include "controls/small/Label.h"
#include "platform/ui/Window.h"

namespace kostenseiten {

void ZeigeHinweis(QWidget* seite, int id, const CVRMString& text) {
    auto* label = dynamic_cast<CLabel*>(ui::child(seite, id));
    if (!label) return;
    label->SetText(text);
    label->setVisible(!text.empty());
}

QWidget* NeuerHinweis(QWidget* parent) {
    auto* label = new CLabel(parent);
    label->SetTextColor(kHinweisText).SetBkColor(kHinweisGrund);
    return label;
}

}  // namespace kostenseiten
