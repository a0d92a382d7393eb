#include "controls/small/EnablerDisabler.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "controls/small/Label.h"
#include "platform/ui/Window.h"

namespace {
QWidget* steuerelement(QWidget* parent, unsigned id) {
    return parent ? ui::child(parent, static_cast<int>(id)) : nullptr;
}

// A control that is no edit control is left as it is.
bool setzeNurLesen(QWidget* w, bool an) {
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setReadOnly(an);
    else if (auto* t = qobject_cast<QTextEdit*>(w))
        t->setReadOnly(an);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        p->setReadOnly(an);
    else
        return false;
    return true;
}
}  // namespace

CEnablerDisabler::CEnablerDisabler(ui::ColourRef gesperrtFarbe, ui::ColourRef freiFarbe)
    : m_crGesperrt(gesperrtFarbe), m_crFrei(freiFarbe) {}

void CEnablerDisabler::SetParent(QWidget* parent) { m_pParent = parent; }
void CEnablerDisabler::AddEnable(unsigned id) { m_enable.push_back(id); }
void CEnablerDisabler::AddEnableInvers(unsigned id) { m_enableInvers.push_back(id); }
void CEnablerDisabler::AddReadOnly(unsigned id) { m_readOnly.push_back(id); }
void CEnablerDisabler::AddShow(unsigned id) { m_show.push_back(id); }
void CEnablerDisabler::AddShowInvers(unsigned id) { m_showInvers.push_back(id); }

void CEnablerDisabler::schalteFrei(unsigned id, bool an) const {
    QWidget* w = steuerelement(m_pParent, id);
    if (!w) return;
    w->setEnabled(an);
    if (auto* label = dynamic_cast<CLabel*>(ui::windowOf(w)))
        label->SetTextColor(an ? m_crFrei : m_crGesperrt);
}

void CEnablerDisabler::Enable(bool an) {
    if (!m_pParent) return;
    for (unsigned id : m_enable) schalteFrei(id, an);
    for (unsigned id : m_enableInvers) schalteFrei(id, !an);
}

void CEnablerDisabler::SetReadOnly(bool an) {
    if (!m_pParent) return;
    for (unsigned id : m_readOnly) setzeNurLesen(steuerelement(m_pParent, id), an);
    for (unsigned id : m_readOnlyInvers) setzeNurLesen(steuerelement(m_pParent, id), !an);
}

void CEnablerDisabler::Show(bool an) {
    if (!m_pParent) return;
    for (unsigned id : m_show)
        if (QWidget* w = steuerelement(m_pParent, id)) w->setVisible(an);
    for (unsigned id : m_showInvers)
        if (QWidget* w = steuerelement(m_pParent, id)) w->setVisible(!an);
}

void EnableDlgItem(QWidget* parent, unsigned id, bool an) {
    if (parent) ui::enableChild(parent, static_cast<int>(id), an);
}

void ShowDlgItem(QWidget* parent, unsigned id, bool an) {
    if (parent) ui::showChild(parent, static_cast<int>(id), an);
}
