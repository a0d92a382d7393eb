#include "app/shell/NameDlgFenster.h"

#include <QLineEdit>
#include <QPushButton>

#include "core/text/TextIdConstants.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/window/Window.h"

namespace {
constexpr unsigned kTextOk = 61730;
constexpr unsigned kTextAbbrechen = 61731;
}  // namespace

void RegistriereNameDlgVorlage() {
    if (ui::findDialogTemplate(CNameDlg::kIDD)) return;
    ui::registerDialogTemplate(
        {static_cast<int>(CNameDlg::kIDD), {186, 62}, textid::kProduktCaption, u"",
         {
             {static_cast<int>(CNameDlg::kIdcPrompt), ui::ControlKind::Static, {7, 7, 179, 17}},
             {static_cast<int>(CNameDlg::kIdcName), ui::ControlKind::Edit, {7, 20, 179, 33}},
             {1, ui::ControlKind::DefButton, {75, 41, 125, 55}, kTextOk},
             {2, ui::ControlKind::Button, {129, 41, 179, 55}, kTextAbbrechen},
         }});
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
