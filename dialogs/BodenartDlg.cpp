#include "dialogs/BodenartDlg.h"

#include <QLineEdit>
#include <QString>

#include "controls/small/FloatEdit.h"
#include "dialogs/DlgTexte.h"
#include "model/app/KelvoAppServices.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr unsigned kFensterText = 4572;  // "Standard material data for kind of soil"
constexpr unsigned kErgebnisName = 3138;  // "Result of ground stratification"
constexpr char16_t kHilfeThema[] = u"datenboden";
constexpr int kMaxName = 50;

void RegistriereVorlage() {
    using D = CBodenartDlg;
    using K = ui::ControlKind;
    if (ui::findDialogTemplate(D::kIDD)) return;
    const auto zahl = [](int id, ui::Rect du, unsigned short stellen) {
        return ui::ControlSpec{id, K::Custom, du, 0, u"", 0,
                               [stellen](QWidget* p) { return new CFloatEdit(p, stellen); }};
    };
    ui::registerDialogTemplate({D::kIDD, {190, 117}, 0, u"", {
        {1810, K::Static, {7, 9, 70, 19}},
        {D::kIdName, K::Edit, {74, 7, 183, 19}},
        {1811, K::Static, {7, 29, 130, 39}},
        zahl(D::kIdLeit, {136, 27, 183, 39}, 2),
        {1812, K::Static, {7, 47, 130, 57}},
        zahl(D::kIdKapazitaet, {136, 45, 183, 57}, 2),
        {1813, K::Static, {7, 65, 130, 75}},
        zahl(D::kIdDichte, {136, 63, 183, 75}, 0),
        {1, K::DefButton, {80, 96, 128, 110}},
        {D::kIdHilfe, K::Button, {135, 96, 183, 110}},
    }});
}

}  // namespace

CBodenartDlg::CBodenartDlg(const CVRMString& name, QWidget* parent, float waermeleit, float kapazitaet,
                           float dichte)
    : ui::Dialog(kIDD, parent),
      m_name(name),
      m_dichte(dichte),
      m_kapazitaet(kapazitaet),
      m_waermeleit(waermeleit),
      m_berechnet(name.empty()) {
    RegistriereVorlage();
}

bool CBodenartDlg::onInitDialog() {
    if (auto* name = qobject_cast<QLineEdit*>(ui::child(this, kIdName))) name->setMaxLength(kMaxName);
    if (m_berechnet) {
        m_name = DlgText(kErgebnisName).toStdU16String();
        for (int id : {kIdLeit, kIdKapazitaet, kIdDichte})
            if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id))) feld->setReadOnly(true);
    }
    setWindowTitle(DlgText(kFensterText));
    SetzeDlgTexte(*this, {{1810, 4465}, {1811, 4569}, {1812, 4570}, {1813, 4571}, {1, 5177}, {kIdHilfe, 5178}});
    FaerbeNurLesendeFelder(*this);
    return ui::Dialog::onInitDialog();
}

void CBodenartDlg::doDataExchange(ui::DataExchange& dx) {
    std::u16string name = m_name;
    dx.text(kIdName, name);
    if (dx.saving()) m_name = name;
    if (!dx.saving()) {
        // Shown with the decimals of each field.
        const auto zeige = [&dx](int id, float wert, int stellen) {
            std::u16string text = QString::number(static_cast<double>(wert), 'f', stellen).toStdU16String();
            dx.text(id, text);
        };
        zeige(kIdLeit, m_waermeleit, 2);
        zeige(kIdKapazitaet, m_kapazitaet, 2);
        zeige(kIdDichte, m_dichte, 0);
        return;
    }
    dx.floating(kIdDichte, m_dichte, 500.0f, 5000.0f);
    dx.floating(kIdKapazitaet, m_kapazitaet, 0.0f, 10.0f);
    dx.floating(kIdLeit, m_waermeleit, 0.0f, 10.0f);
}

void CBodenartDlg::onOK() {
    // Computed values are only shown: a value outside the ranges of an entry must not keep
    // the dialog from closing.
    if (m_berechnet) {
        endDialog(ui::kIdOk);
        return;
    }
    ui::Dialog::onOK();
}

bool CBodenartDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdHilfe) {
        GetKelvoApp().ShowHilfeThema(kHilfeThema);
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CBodenartDlg::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1 || mods != ui::KeyMods{}) return false;
    GetKelvoApp().ShowHilfeThema(kHilfeThema);
    return true;
}
