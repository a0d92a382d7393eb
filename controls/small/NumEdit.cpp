#include "controls/small/NumEdit.h"

#include "controls/small/EditShortcut.h"
#include "controls/small/core/EditRules.h"
#include "platform/ui/Desktop.h"

CNumEdit::CNumEdit(QWidget* parent)
    : WindowOf<QLineEdit>(parent), m_strText(FormatWert(m_dWert)) {
    setContextMenuPolicy(Qt::NoContextMenu);
}

void CNumEdit::Init(double wert, int nachkommastellen, bool vorzeichen) {
    m_dWert = wert;
    m_nNachkomma = nachkommastellen;
    m_bVorzeichen = vorzeichen;
    m_strText = FormatWert(m_dWert);
    zeige();  // also when the focus cannot move (a hidden page)
    setFocus();
}

void CNumEdit::SetWert(double wert) {
    m_dWert = wert;
    m_strText = FormatWert(m_dWert);
    zeige();
}

double CNumEdit::GetWert() {
    m_dWert = small::leseWert(text().toStdU16String());
    return m_dWert;
}

std::u16string CNumEdit::FormatWert(double wert) const {
    return small::formatWert(wert, m_nNachkomma);
}

bool CNumEdit::PruefeZeichen(char32_t c) const {
    if (c > 0xFFFF) return false;
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    return small::pruefeZeichen(text().toStdU16String(), caret, static_cast<char16_t>(c),
                                m_nNachkomma, m_bVorzeichen);
}

void CNumEdit::keyPressEvent(QKeyEvent* e) {
    if (small::istBearbeitungsKuerzel(e))
        QLineEdit::keyPressEvent(e);
    else
        WindowOf<QLineEdit>::keyPressEvent(e);
}

bool CNumEdit::onChar(char32_t c) {
    // Enter, Escape and the edit's own control keys are no part of a number: the edit
    // passes them on, so that a dialog's default and Cancel buttons see them.
    if (c < 32 && c != U'\b') return false;
    if (!PruefeZeichen(c)) {
        ui::beep();
        return true;
    }
    if (c != U',') return false;  // the edit's own handling, Backspace included
    passCharToBase(U'.');
    return true;
}

void CNumEdit::focusInEvent(QFocusEvent* e) {
    WindowOf<QLineEdit>::focusInEvent(e);  // shows the display text
    // Showing the text ended the edit's own select-all: the value is selected again, so that
    // what is typed replaces it. Only a click puts the caret where it points.
    if (e->reason() != Qt::MouseFocusReason) selectAll();
}

void CNumEdit::onFocus(bool gained) {
    if (!gained) {
        GetWert();
        m_strText = FormatWert(m_dWert);
    }
    zeige();
}

bool CNumEdit::onMouse(ui::MouseKind kind, ui::Point, ui::KeyMods, int) {
    return kind == ui::MouseKind::RightDown || kind == ui::MouseKind::RightUp;
}

void CNumEdit::zeige() { setText(QString::fromStdU16String(m_strText)); }
