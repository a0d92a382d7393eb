#include "dialogs/WetterDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "controls/small/EnablerDisabler.h"
#include "controls/small/FloatEdit.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/OrtsAuswahlBoxen.h"
#include "model/app/KelvoAppServices.h"
#include "platform/errors/UserException.h"
#include "platform/format/Format.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kTitel = 4907;       // "Weather data for monoenerg./bivalent mode of operation"
constexpr unsigned kKlassenText = 4935;  // "%+2i °C"
constexpr int kIdTextTemperatur = 2013, kIdTextBei = 2014, kIdTextTage = 2015,
              kIdGeschuetzt = 1332, kIdNurLesen = 1683;
constexpr float kTageMin = 0.0f, kTageMax = 250.0f;

}  // namespace

void RegistriereWetterDlgVorlage() {
    if (ui::findDialogTemplate(CWetterDlg::kIDD)) return;
    ui::registerDialogTemplate(
        {CWetterDlg::kIDD, {222, 106}, 0, u"",
         {
             {1726, K::Static, {7, 9, 44, 19}},
             {CWetterDlg::kIdLand, K::DropList, {46, 7, 136, 20}},
             {1728, K::Static, {142, 9, 166, 19}},
             {CWetterDlg::kIdPlz, K::DropList, {168, 7, 215, 20}},
             {CWetterDlg::kIdOrt, K::DropList, {7, 25, 215, 38}},
             {kIdTextTemperatur, K::Static, {7, 47, 82, 57}},
             {CWetterDlg::kIdKlasse, K::DropList, {84, 45, 134, 58}},
             {kIdTextBei, K::Static, {138, 47, 150, 57}},
             {CWetterDlg::kIdTage, K::Custom, {152, 45, 186, 57}, 0, u"", 0,
              [](QWidget* p) { return new CFloatEdit(p, 2); }},
             {kIdTextTage, K::Static, {190, 47, 215, 57}},
             {kIdGeschuetzt, K::Static, {7, 41, 215, 61}, 0, u"", ui::cs::Hidden},
             {kIdNurLesen, K::Static, {98, 68, 215, 78}, 0, u"", ui::cs::Hidden},
             {CWetterDlg::kIdNeuerOrt, K::Button, {7, 65, 92, 79}},
             {ui::kIdOk, K::DefButton, {56, 86, 106, 100}},
             {ui::kIdCancel, K::Button, {110, 86, 160, 100}},
             {CWetterDlg::kIdHilfe, K::Button, {164, 86, 214, 100}},
         }});
}

CWetterDlg::CWetterDlg(QWidget* parent, bool tovrel, bool conf)
    : ui::Dialog(kIDD, parent), m_logik(tovrel, conf) {
    RegistriereWetterDlgVorlage();
}

QComboBox* CWetterDlg::Box(int id) { return qobject_cast<QComboBox*>(ui::child(this, id)); }

bool CWetterDlg::onInitDialog() {
    QComboBox* klassen = Box(kIdKlasse);
    const QString format = DlgText(kKlassenText);
    for (int k = 0; k < CWetterDlgLogik::kKlassen; ++k) {
        klassen->addItem(QString::fromStdU16String(platform::format(
            format.toStdU16String(), CWetterDlgLogik::kKaltesteKlasse + k)));
    }
    ortsboxen::FuellePlz(*Box(kIdPlz));
    m_logik.Init();
    ortsboxen::FuelleLaender(*Box(kIdLand), m_logik.Auswahl());
    ZeigeListen();
    ZeigeWerte();
    Freigeben();
    setWindowTitle(DlgText(kTitel));
    SetzeDlgTexte(*this, {{1726, 4908}, {1728, 4909}, {kIdTextTemperatur, 4911},
                          {kIdTextBei, 4912}, {kIdTextTage, 4913}, {kIdGeschuetzt, 4916},
                          {kIdNurLesen, 4915}, {kIdNeuerOrt, 4910}, {ui::kIdOk, 5177},
                          {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    Verbinde();
    return true;
}

void CWetterDlg::Verbinde() {
    const auto befehl = [this](void (CWetterDlg::*handler)(int)) {
        return [this, handler](int i) { ui::guarded(ui::Msg::Command, [&] { (this->*handler)(i); }); };
    };
    QObject::connect(Box(kIdLand), &QComboBox::activated, this, befehl(&CWetterDlg::LandGewaehlt));
    QObject::connect(Box(kIdPlz), &QComboBox::activated, this, befehl(&CWetterDlg::PlzGewaehlt));
    QObject::connect(Box(kIdOrt), &QComboBox::activated, this, befehl(&CWetterDlg::OrtGewaehlt));
    QObject::connect(Box(kIdKlasse), &QComboBox::activated, this,
                     befehl(&CWetterDlg::KlasseGewaehlt));
    auto* tage = qobject_cast<QLineEdit*>(ui::child(this, kIdTage));
    QObject::connect(tage, &QLineEdit::textEdited, this, [this] { m_logik.SetGeaendert(); });
    QObject::connect(tage, &QLineEdit::editingFinished, this,
                     [this] { ui::guarded(ui::Msg::KillFocus, [&] { TageVerlassen(); }); });
}

void CWetterDlg::ZeigeListen() { ortsboxen::FuelleNamen(*Box(kIdOrt), m_logik.Orte(), true); }

void CWetterDlg::ZeigeWerte() {
    ortsboxen::ZeigeAuswahl(*Box(kIdLand), *Box(kIdPlz), m_logik.Auswahl());
    ortsboxen::WaehleText(*Box(kIdOrt), m_logik.m_name);
    {
        QComboBox* klassen = Box(kIdKlasse);
        const QSignalBlocker still(klassen);
        klassen->setCurrentIndex(m_logik.m_klasse);
    }
    ui::DataExchange dx(*this, false);
    dx.floating(kIdTage, m_logik.m_tage);
}

bool CWetterDlg::LeseTage() {
    ui::DataExchange dx(*this, true);
    try {
        dx.floating(kIdTage, m_logik.m_tage, kTageMin, kTageMax);
    } catch (const platform::UserException&) {
        return false;
    }
    return true;
}

void CWetterDlg::Freigeben() {
    const CWetterDlgLogik::SFreigabe f = m_logik.Freigabe();
    for (int id : {kIdTextTemperatur, kIdKlasse, kIdTextBei, kIdTage, kIdTextTage})
        ShowDlgItem(this, id, f.werteSichtbar);
    ShowDlgItem(this, kIdGeschuetzt, !f.werteSichtbar);
    ShowDlgItem(this, kIdNurLesen, f.werteSichtbar && f.nurLesen);
    EnableDlgItem(this, kIdTage, !f.nurLesen);
    EnableDlgItem(this, ui::kIdOk, f.okAktiv);
}

void CWetterDlg::LandGewaehlt(int index) {
    if (m_logik.IstGeaendert() && !LeseTage()) {
        ortsboxen::ZeigeAuswahl(*Box(kIdLand), *Box(kIdPlz), m_logik.Auswahl());
        return;
    }
    m_logik.LandGewaehlt(index);
    ZeigeListen();
    ZeigeWerte();
    Freigeben();
}

void CWetterDlg::PlzGewaehlt(int index) {
    if (m_logik.IstGeaendert() && !LeseTage()) {
        ortsboxen::ZeigeAuswahl(*Box(kIdLand), *Box(kIdPlz), m_logik.Auswahl());
        return;
    }
    m_logik.PlzGewaehlt(index);
    ZeigeListen();
    ZeigeWerte();
    Freigeben();
}

void CWetterDlg::OrtGewaehlt(int index) {
    const CVRMString neu = Box(kIdOrt)->itemText(index).toStdU16String();
    if (m_logik.IstGeaendert() && !LeseTage()) {
        ortsboxen::WaehleText(*Box(kIdOrt), m_logik.m_name);
        return;
    }
    m_logik.OrtGewaehlt(neu);
    ZeigeWerte();
    Freigeben();
}

void CWetterDlg::KlasseGewaehlt(int index) {
    if (m_logik.IstGeaendert() && !LeseTage()) {
        const QSignalBlocker still(Box(kIdKlasse));
        Box(kIdKlasse)->setCurrentIndex(m_logik.m_klasse);
        return;
    }
    m_logik.KlasseGewaehlt(index);
    ZeigeWerte();
}

void CWetterDlg::TageVerlassen() {
    if (m_logik.IstGeaendert() && LeseTage()) m_logik.TageUebernehmen();
}

void CWetterDlg::NeuerOrt() {
    if (m_logik.IstGeaendert() && !LeseTage()) return;
    m_logik.NeuerOrt();
    ZeigeListen();
    ZeigeWerte();
    Freigeben();
}

void CWetterDlg::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"dlgwetter"); }

void CWetterDlg::onOK() {
    if (m_logik.IstGeaendert() && !LeseTage()) return;
    if (m_logik.Speichern(true)) endDialog(ui::kIdOk);
}

void CWetterDlg::onCancel() {
    if (m_logik.Abbrechen([this] { return LeseTage(); })) endDialog(ui::kIdCancel);
}

bool CWetterDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdNeuerOrt) {
        NeuerOrt();
        return true;
    }
    if (id == kIdHilfe) {
        ZeigeHilfe();
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CWetterDlg::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}
