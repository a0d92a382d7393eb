#include "dialogs/BodenartDlgEdit.h"

#include <QComboBox>
#include <QLineEdit>

#include "controls/small/EnablerDisabler.h"
#include "controls/small/FloatEdit.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/OrtsAuswahlBoxen.h"
#include "model/app/KelvoAppServices.h"
#include "platform/errors/UserException.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kTitel = 4572;  // "Standard material data for kind of soil"
constexpr int kIdNurLesen = 1814;

// Conductivity and specific heat with decimals, the density in whole kg/m³.
ui::ControlSpec Zahlenfeld(int id, ui::Rect du, unsigned short nachkomma) {
    return {id, K::Custom, du, 0, u"", 0,
            [nachkomma](QWidget* p) { return new CFloatEdit(p, nachkomma); }};
}

}  // namespace

void RegistriereBodenartDlgEditVorlage() {
    if (ui::findDialogTemplate(CBodenartDlgEdit::kIDD)) return;
    ui::registerDialogTemplate(
        {CBodenartDlgEdit::kIDD, {197, 130}, 0, u"",
         {
             {CBodenartDlgEdit::kIdArt, K::DropList, {7, 7, 190, 20}},
             {1815, K::Static, {7, 30, 128, 40}},
             Zahlenfeld(CBodenartDlgEdit::kIdWaermeleitzahl, {132, 28, 190, 40}, 3),
             {1816, K::Static, {7, 46, 128, 56}},
             Zahlenfeld(CBodenartDlgEdit::kIdSpezWaerme, {132, 44, 190, 56}, 3),
             {1817, K::Static, {7, 62, 128, 72}},
             Zahlenfeld(CBodenartDlgEdit::kIdDichte, {132, 60, 190, 72}, 0),
             {kIdNurLesen, K::Static, {7, 78, 190, 88}, 0, u"", ui::cs::Hidden},
             {CBodenartDlgEdit::kIdNeueArt, K::Button, {7, 92, 92, 106}},
             {ui::kIdOk, K::DefButton, {32, 112, 82, 126}},
             {ui::kIdCancel, K::Button, {86, 112, 136, 126}},
             {CBodenartDlgEdit::kIdHilfe, K::Button, {140, 112, 190, 126}},
         }});
}

CBodenartDlgEdit::CBodenartDlgEdit(CVRMString name, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_logik(std::move(name)) {
    RegistriereBodenartDlgEditVorlage();
}

QComboBox* CBodenartDlgEdit::Box() { return qobject_cast<QComboBox*>(ui::child(this, kIdArt)); }

bool CBodenartDlgEdit::onInitDialog() {
    m_logik.Init();
    ZeigeListe();
    ZeigeWerte();
    Freigeben();
    setWindowTitle(DlgText(kTitel));
    SetzeDlgTexte(*this, {{1815, 4575}, {1816, 4576}, {1817, 4577}, {kIdNurLesen, 4574},
                          {kIdNeueArt, 4573}, {ui::kIdOk, 5177}, {ui::kIdCancel, 5176},
                          {kIdHilfe, 5178}});
    QObject::connect(Box(), &QComboBox::activated, this,
                     [this](int i) { ui::guarded(ui::Msg::Command, [&] { ArtGewaehlt(i); }); });
    for (int id : {kIdWaermeleitzahl, kIdSpezWaerme, kIdDichte}) {
        auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id));
        QObject::connect(feld, &QLineEdit::textEdited, this, [this] { m_logik.SetGeaendert(); });
    }
    return true;
}

void CBodenartDlgEdit::ZeigeListe() { ortsboxen::FuelleNamen(*Box(), m_logik.Arten(), true); }

void CBodenartDlgEdit::ZeigeWerte() {
    ortsboxen::WaehleText(*Box(), m_logik.m_name);
    ui::DataExchange dx(*this, false);
    dx.floating(kIdWaermeleitzahl, m_logik.m_waermeleitzahl);
    dx.floating(kIdSpezWaerme, m_logik.m_spezWaerme);
    dx.floating(kIdDichte, m_logik.m_dichte);
}

bool CBodenartDlgEdit::LeseWerte() {
    ui::DataExchange dx(*this, true);
    try {
        dx.floating(kIdWaermeleitzahl, m_logik.m_waermeleitzahl);
        dx.floating(kIdSpezWaerme, m_logik.m_spezWaerme);
        dx.floating(kIdDichte, m_logik.m_dichte);
    } catch (const platform::UserException&) {
        return false;
    }
    return true;
}

void CBodenartDlgEdit::Freigeben() {
    const CBodenartDlgEditLogik::SFreigabe f = m_logik.Freigabe();
    for (int id : {kIdWaermeleitzahl, kIdSpezWaerme, kIdDichte})
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id))) feld->setReadOnly(f.nurLesen);
    ShowDlgItem(this, kIdNurLesen, f.nurLesen);
    EnableDlgItem(this, ui::kIdOk, f.okAktiv);
    FaerbeNurLesendeFelder(*this);
}

void CBodenartDlgEdit::ArtGewaehlt(int index) {
    const CVRMString neu = Box()->itemText(index).toStdU16String();
    if (m_logik.IstGeaendert() && !LeseWerte()) {
        ortsboxen::WaehleText(*Box(), m_logik.m_name);
        return;
    }
    m_logik.ArtGewaehlt(neu);
    ZeigeWerte();
    Freigeben();
}

void CBodenartDlgEdit::NeueArt() {
    if (m_logik.IstGeaendert() && !LeseWerte()) return;
    m_logik.NeueArt();
    ZeigeListe();
    ZeigeWerte();
    Freigeben();
}

void CBodenartDlgEdit::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"datenboden"); }

void CBodenartDlgEdit::onOK() {
    if (m_logik.IstGeaendert() && !LeseWerte()) return;
    m_logik.Speichern(true);
    endDialog(ui::kIdOk);
}

bool CBodenartDlgEdit::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdNeueArt) {
        NeueArt();
        return true;
    }
    if (id == kIdHilfe) {
        ZeigeHilfe();
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CBodenartDlgEdit::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}
