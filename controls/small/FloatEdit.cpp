#include "controls/small/FloatEdit.h"

#include "controls/small/EditShortcut.h"
#include "controls/small/core/EditRules.h"

CFloatEdit::CFloatEdit(QWidget* parent, unsigned short nachkommastellen)
    : WindowOf<QLineEdit>(parent), m_nNachkomma(nachkommastellen) {}

void CFloatEdit::keyPressEvent(QKeyEvent* e) {
    if (small::istBearbeitungsKuerzel(e))
        QLineEdit::keyPressEvent(e);
    else
        WindowOf<QLineEdit>::keyPressEvent(e);
}

bool CFloatEdit::onChar(char32_t c) {
    // Backspace and other control keys keep the edit's own handling.
    if (c < 32 || c > 0xFFFF) return false;
    const std::u16string text = this->text().toStdU16String();
    const int von = hasSelectedText() ? selectionStart() : cursorPosition();
    const int bis = hasSelectedText() ? selectionEnd() : cursorPosition();
    const auto wirkung =
        small::floatEditZeichen(text, von, bis, static_cast<char16_t>(c), m_nNachkomma);
    if (!wirkung.annehmen) return true;
    passCharToBase(wirkung.zeichen);
    const std::u16string neu = this->text().toStdU16String();
    const std::u16string gekuerzt = small::kuerzeNachkomma(neu, m_nNachkomma);
    if (gekuerzt != neu) setText(QString::fromStdU16String(gekuerzt));  // caret to the end
    return true;
}
