#include "dialogs/NameDlgFenster.h"

#include <QLineEdit>
#include <QPushButton>

#include "core/text/TextIdConstants.h"
#include "dialogs/NameDlg.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/window/Window.h"

void RegistriereNameDlgVorlage() {
    // One layout of dialog 134 for both name prompts, caption and note from the language
    // table; this prompt shows its text where the note stands.
    if (!ui::findDialogTemplate(CNameDlg::kIDD)) dialogs::RegistriereNameDlgVorlage134();
}

CNameDlgFenster::CNameDlgFenster(CNameDlg& logik, QWidget* parent)
    : ui::Dialog(static_cast<int>(CNameDlg::kIDD), parent), m_logik(logik) {}

bool CNameDlgFenster::onInitDialog() {
    ui::setChildText(this, static_cast<int>(CNameDlg::kIdcPrompt), m_logik.m_strPrompt);
    auto* edit = qobject_cast<QLineEdit*>(ui::child(this, static_cast<int>(CNameDlg::kIdcName)));
    if (edit) {
        edit->setText(QString::fromStdU16String(m_logik.m_strName));
        QObject::connect(edit, &QLineEdit::textEdited, this,
                         [this](const QString& text) { NameGeaendert(text); });
        edit->setFocus();
    }
    m_logik.OnInitDialog();
    ui::enableChild(this, 1, m_logik.IstOkAktiv());
    return false;
}

void CNameDlgFenster::NameGeaendert(const QString& text) {
    const std::u16string eingabe = text.toStdU16String();
    const NameBereinigung ergebnis = m_logik.OnUpdateName(eingabe);
    if (ergebnis.caret) {
        auto* edit = qobject_cast<QLineEdit*>(ui::child(this, static_cast<int>(CNameDlg::kIdcName)));
        edit->setText(QString::fromStdU16String(ergebnis.name));
        edit->setCursorPosition(*ergebnis.caret);
    }
    ui::enableChild(this, 1, m_logik.IstOkAktiv());
}

void CNameDlgFenster::onOK() {
    if (!m_logik.IstOkAktiv()) return;
    endDialog(1);
}

int CNameDlgFensterPresenter::zeige(CNameDlg& dialog) {
    RegistriereNameDlgVorlage();
    QWidget* parent = nullptr;
    if (auto* fenster = dynamic_cast<ui::Window*>(dialog.GetParent())) parent = fenster->widget();
    CNameDlgFenster fenster(dialog, parent);
    return fenster.doModal() == 1 ? 1 : 2;
}
