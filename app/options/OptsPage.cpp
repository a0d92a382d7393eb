#include "app/options/OptsPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/options/OptionenSheet.h"
#include "model/app/KelvoAppServices.h"
#include "platform/ui/CompactPath.h"
#include "platform/ui/DialogTemplate.h"

namespace {

// A language text as the controls show it: "\n" breaks the line.
QString Beschriftung(unsigned textId) {
    QString text = QString::fromStdU16String(CVRMString(textId, nullptr));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

COptsPage::COptsPage(int templateId, unsigned titelTextId, std::u16string hilfeThema)
    : ui::PropertyPage(templateId, CVRMString(titelTextId, nullptr)),
      m_hilfeThema(std::move(hilfeThema)) {}

void COptsPage::onInitPage() {
    SetzeBeschriftungen();
    Initialisiere();
    updateData(false);
    NachInit();
    VerfolgeAenderungen();
}

void COptsPage::SetzeBeschriftungen() {
    const ui::DialogTemplate* vorlage = ui::findDialogTemplate(templateId());
    if (!vorlage) return;
    for (const ui::ControlSpec& c : vorlage->controls) {
        if (c.textId == 0) continue;
        QWidget* w = ui::child(this, c.id);
        const QString text = Beschriftung(c.textId);
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(text);
        else if (auto* knopf = qobject_cast<QAbstractButton*>(w))
            knopf->setText(text);
        else if (auto* gruppe = qobject_cast<QGroupBox*>(w))
            gruppe->setTitle(text);
    }
}

void COptsPage::VerfolgeAenderungen() {
    for (auto* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, [this] { Geaendert(); });
    for (auto* knopf : findChildren<QAbstractButton*>())
        if (qobject_cast<QCheckBox*>(knopf) || qobject_cast<QRadioButton*>(knopf))
            connect(knopf, &QAbstractButton::clicked, this, [this] { Geaendert(); });
    for (auto* liste : findChildren<QComboBox*>())
        connect(liste, &QComboBox::activated, this, [this] { Geaendert(); });
    for (auto* liste : findChildren<QListWidget*>())
        connect(liste, &QListWidget::itemSelectionChanged, this, [this] { Geaendert(); });
}

bool COptsPage::onApply() {
    if (!updateData(true)) return false;
    Anwenden();
    if (auto* optionen = dynamic_cast<COptionenSheet*>(sheet())) optionen->SeiteAngewendet();
    return true;
}

bool COptsPage::onHelp() {
    GetKelvoApp().ShowHilfeThema(CVRMString(m_hilfeThema));
    return true;
}

bool COptsPage::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1) return ui::PropertyPage::onKeyDown(key, mods);
    onHelp();
    return true;
}

void COptsPage::ZeigePfad(int editId, const CVRMString& pfad) {
    QWidget* edit = ui::child(this, editId);
    if (!edit) return;
    ui::setChildText(this, editId, ui::compactPathForWidget(pfad, *edit));
    edit->setToolTip(QString::fromStdU16String(pfad));
}

void COptsPage::ZentriereSenkrecht(int labelId) {
    if (auto* label = qobject_cast<QLabel*>(ui::child(this, labelId)))
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

bool COptsPage::IstLeer(int editId) {
    return ui::childText(this, editId).empty();
}
