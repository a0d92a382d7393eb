#include "dialogs/KlimaDlg2.h"

#include <QComboBox>

#include "app/shell/KelvoApp.h"
#include "controls/small/EnablerDisabler.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/OrtsAuswahlBoxen.h"
#include "platform/ui/DialogTemplate.h"

namespace {
using K = ui::ControlKind;
constexpr unsigned kCaption = 3214;  // "Location: climate data"
}  // namespace

void RegistriereKlimaDlg2Vorlage() {
    if (ui::findDialogTemplate(CKlimaDlg2::kIDD)) return;
    const std::vector<ui::ControlSpec> c = {
        {2205, K::Static, {7, 9, 70, 19}},
        {CKlimaDlg2::kIdLand, K::DropList, {72, 7, 223, 20}},
        {2206, K::Static, {7, 27, 70, 37}},
        {CKlimaDlg2::kIdPlz, K::DropList, {72, 25, 130, 38}},
        {2204, K::Static, {7, 45, 70, 55}},
        {CKlimaDlg2::kIdOrt, K::DropList, {72, 43, 223, 56}},
        {ui::kIdOk, K::DefButton, {67, 66, 117, 80}},
        {ui::kIdCancel, K::Button, {120, 66, 170, 80}},
        {CKlimaDlg2::kIdHilfe, K::Button, {173, 66, 223, 80}},
    };
    ui::registerDialogTemplate({CKlimaDlg2::kIDD, {230, 87}, kCaption, u"", c});
}

CKlimaDlg2::CKlimaDlg2(unsigned short art, QWidget* parent) : ui::Dialog(kIDD, parent), m_logik(art) {
    RegistriereKlimaDlg2Vorlage();
}

int CKlimaDlg2::SetOrtName(const CVRMString& ort) {
    m_logik.SetOrtName(ort);
    return 1;
}

QComboBox* CKlimaDlg2::Box(int id) { return qobject_cast<QComboBox*>(ui::child(this, id)); }

bool CKlimaDlg2::onInitDialog() {
    ortsboxen::FuellePlz(*Box(kIdPlz));
    const CKelvoApp* app = FindeKelvoAppObjekt();
    m_logik.Init(app && app->GetTovrelSchalter());
    ortsboxen::FuelleLaender(*Box(kIdLand), m_logik.Auswahl());
    Zeige();
    setWindowTitle(DlgText(kCaption));
    SetzeDlgTexte(*this, {{2205, 4396}, {2206, 4446}, {2204, 4447},
                          {ui::kIdOk, 5177}, {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    const auto wenn = [this](int id, auto handler) {
        QObject::connect(Box(id), &QComboBox::activated, this,
                         [this, handler](int i) { ui::guarded(ui::Msg::Command, [&] { handler(i); }); });
    };
    wenn(kIdLand, [this](int i) {
        m_logik.LandGewaehlt(i);
        Zeige();
    });
    wenn(kIdPlz, [this](int i) {
        m_logik.PlzGewaehlt(i);
        Zeige();
    });
    wenn(kIdOrt, [this](int i) {
        m_logik.OrtGewaehlt(Box(kIdOrt)->itemText(i).toStdU16String());
        Zeige();
    });
    return true;
}

void CKlimaDlg2::Zeige() {
    ortsboxen::ZeigeAuswahl(*Box(kIdLand), *Box(kIdPlz), m_logik.Auswahl());
    ortsboxen::FuelleNamen(*Box(kIdOrt), m_logik.Orte(), false);
    ortsboxen::WaehleText(*Box(kIdOrt), m_logik.Ort());
    EnableDlgItem(this, ui::kIdOk, m_logik.OkMoeglich());
}

void CKlimaDlg2::onOK() {
    // The location box hands its choice over as it is made.
    if (m_logik.OkMoeglich()) endDialog(ui::kIdOk);
}

bool CKlimaDlg2::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdHilfe) {
        ZeigeHilfe();
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CKlimaDlg2::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}

void CKlimaDlg2::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"dlgklima2"); }
