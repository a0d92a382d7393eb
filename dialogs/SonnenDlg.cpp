#include "dialogs/SonnenDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <span>

#include "app/shell/KelvoApp.h"
#include "controls/small/FloatEdit.h"
#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/SpeicherVorgang.h"
#include "dialogs/BiboSchreibschutz.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/OrtsAuswahlBoxen.h"
#include "evaluation/AuswertManager.h"
#include "model/data/NeuesObjekt.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kTitel = 4871;          // "Locations with data of hours of bright sunshine"
constexpr unsigned kFrageSpeichern = 3700;  // "Save the monthly hours for location\n'%s'?"
constexpr unsigned kMonatsTexte[12] = {3592, 3593, 3654, 3655, 3827, 3828,
                                       3882, 3883, 3884, 3885, 3907, 3908};
constexpr int kMonatsLabel = 1880;  // to 1891

ui::ControlSpec Zahl(int id, ui::Rect du) {
    return {id, K::Custom, du, 0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 1); }};
}

}  // namespace

void RegistriereSonnenDlgVorlage() {
    using D = CSonnenDlg;
    if (ui::findDialogTemplate(D::kIDD)) return;
    std::vector<ui::ControlSpec> c = {
        {1984, K::Static, {7, 9, 40, 19}},
        {D::kIdLand, K::DropList, {42, 7, 132, 19}},
        {1986, K::Static, {140, 9, 160, 19}},
        {D::kIdPlz, K::DropList, {162, 7, 225, 19}},
        {D::kIdOrt, K::DropList, {7, 24, 160, 36}},
        {D::kIdNeu, K::Button, {164, 23, 225, 37}},
        {1990, K::Button, {164, 39, 225, 53}, 0, u"", ui::cs::Hidden},
        {1991, K::Static, {7, 41, 160, 51}, 0, u"", ui::cs::Hidden},
        {1992, K::Group, {7, 55, 225, 135}},
        {D::kIdHinweis, K::Static, {14, 68, 218, 128}},
        {1995, K::Button, {7, 142, 67, 156}, 0, u"", ui::cs::Hidden},
    };
    for (int m = 0; m < 12; ++m) {
        const int spalte = m / 4, zeile = m % 4;
        const int x = 14 + spalte * 70, y = 68 + zeile * 16;
        c.push_back({kMonatsLabel + m, K::Static, {x, y + 2, x + 24, y + 12}});
        c.push_back(Zahl(D::kIdMonat[m], {x + 26, y, x + 62, y + 12}));
    }
    c.push_back({ui::kIdOk, K::DefButton, {71, 142, 121, 156}});
    c.push_back({ui::kIdCancel, K::Button, {124, 142, 174, 156}});
    c.push_back({D::kIdHilfe, K::Button, {177, 142, 227, 156}});
    ui::registerDialogTemplate({D::kIDD, {232, 161}, 0, u"Standort-Sonnenschein-Stunden", std::move(c)});
}

CSonnenDlg::CSonnenDlg(QWidget* parent) : ui::Dialog(kIDD, parent) { RegistriereSonnenDlgVorlage(); }

QComboBox* CSonnenDlg::Box(int id) { return qobject_cast<QComboBox*>(ui::child(this, id)); }

bool CSonnenDlg::onInitDialog() {
    for (int id : kIdMonat) ui::setChildText(this, id, u"");
    ortsboxen::FuellePlz(*Box(kIdPlz));
    m_auswahl.FuelleLaender(GetKelvoAppObjekt().GetTovrelSchalter() != 0);
    ortsboxen::FuelleLaender(*Box(kIdLand), m_auswahl);
    if (m_auswahl.Land() < 0) m_auswahl.SetLand(0);
    m_auswahl.SetPlz(COrtsAuswahl::kAllePlz);
    FuelleOrte();
    updateData(false);
    Freigabe();
    setWindowTitle(DlgText(kTitel));
    SetzeDlgTexte(*this, {{1984, 4872}, {1986, 4873}, {kIdNeu, 4874}, {1990, 4875}, {1991, 4876},
                          {1992, 4877, true}, {kIdHinweis, 4878}, {1995, 4879}, {ui::kIdOk, 5177},
                          {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    for (int m = 0; m < 12; ++m) ui::setChildText(this, kMonatsLabel + m, DlgText(kMonatsTexte[m]).toStdU16String());
    const auto befehl = [this](void (CSonnenDlg::*handler)(int)) {
        return [this, handler](int i) { ui::guarded(ui::Msg::Command, [&] { (this->*handler)(i); }); };
    };
    QObject::connect(Box(kIdLand), &QComboBox::activated, this, befehl(&CSonnenDlg::OnLand));
    QObject::connect(Box(kIdPlz), &QComboBox::activated, this, befehl(&CSonnenDlg::OnPlz));
    QObject::connect(Box(kIdOrt), &QComboBox::activated, this, befehl(&CSonnenDlg::OnOrt));
    for (int id : kIdMonat)
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(feld, &QLineEdit::textEdited, this, [this] { m_modified = 1; });
    return true;
}

void CSonnenDlg::doDataExchange(ui::DataExchange& dx) {
    std::u16string ort = m_ort;
    dx.listText(kIdOrt, ort);
    m_ort = CVRMString(ort);
    for (int m = 0; m < 12; ++m) dx.floating(kIdMonat[m], m_stunden[static_cast<size_t>(m)], 0.0f, 400.0f);
}

// The first location of the choice is shown.
void CSonnenDlg::FuelleOrte() {
    const CVRMStringArray orte = m_auswahl.Orte(LISTE_SONNENORTE);
    ortsboxen::FuelleNamen(*Box(kIdOrt), orte, true);
    ortsboxen::ZeigeAuswahl(*Box(kIdLand), *Box(kIdPlz), m_auswahl);
    m_ort = Box(kIdOrt)->count() > 0 ? CVRMString(Box(kIdOrt)->itemText(0).toStdU16String()) : CVRMString();
    Laden();
}

void CSonnenDlg::Laden() {
    m_stunden.fill(0.0f);
    if (!m_ort.empty()) CVRMdatenProvider2::Get().LeseSonnenMonatsStd(m_ort, m_stunden);
    m_modified = 0;
    ortsboxen::WaehleText(*Box(kIdOrt), m_ort);
    updateData(false);
    Freigabe();
}

void CSonnenDlg::Freigabe() {
    const bool sichtbar = GetKelvoApp().GetConfSchalter() || !IGlobal::IstBiboName(m_ort);
    for (int m = 0; m < 12; ++m) {
        ui::showChild(this, kIdMonat[m], sichtbar);
        ui::showChild(this, kMonatsLabel + m, sichtbar);
    }
    ui::showChild(this, kIdHinweis, !sichtbar);
    ui::enableChild(this, ui::kIdOk, !m_ort.empty());
}

bool CSonnenDlg::Speichern(bool mitFrage) {
    const CVRMString name = m_ort;
    try {
        if (!updateData(true)) return false;
    } catch (const platform::UserException&) {
        return false;
    }
    m_ort = name;
    if (!m_modified || name.empty()) return true;
    if (mitFrage) {
        CVRMString frage;
        frage.Format(kFrageSpeichern, name);
        if (KVSMessageBoxCaptionID(frage, textid::kProduktCaption,
                                   platform::mb::YESNO | platform::mb::ICONQUESTION) != platform::id::YES) {
            m_modified = 0;
            return true;
        }
    }
    if (MeldeVerworfeneBiboSchreibung(name, kTitel)) return false;
    ResetAlleBerechnungen();
    try {
        CSpeicherVorgang vorgang;
        CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
        daten.SaveSonnenMonatsStd(name, m_stunden);
        daten.SaveWert(name, ID_665, CVRMString(u"1"));
        vorgang.Abschliessen();
    } catch (const platform::UserException&) {
        // Reported where it was raised; the hours stay entered.
        return false;
    }
    m_modified = 0;
    return true;
}

void CSonnenDlg::OnLand(int index) {
    m_auswahl.SetLand(index);
    m_auswahl.SetPlz(COrtsAuswahl::kAllePlz);
    FuelleOrte();
}

void CSonnenDlg::OnPlz(int index) {
    m_auswahl.SetPlz(index);
    FuelleOrte();
}

void CSonnenDlg::OnOrt(int index) {
    const CVRMString bisher = m_ort;
    if (!Speichern(true)) {
        // The hours typed for the location shown were not stored: it stays shown.
        m_ort = bisher;
        ortsboxen::WaehleText(*Box(kIdOrt), m_ort);
        return;
    }
    m_ort = CVRMString(Box(kIdOrt)->itemText(index).toStdU16String());
    Laden();
}

void CSonnenDlg::OnNeu() {
    CVRMString name;
    if (!AddNeuesObjekt(11, name)) return;
    QComboBox* orte = Box(kIdOrt);
    orte->addItem(QString::fromStdU16String(name));
    const int i = orte->findText(QString::fromStdU16String(name), Qt::MatchExactly);
    if (i < 0) ThrowFehler(3283, u"SonnenDlg::NeuerOrt");  // "New entry not selected in list!"
    orte->setCurrentIndex(i);
    m_ort = name;
    m_modified = 1;
    Speichern(false);
    m_auswahl.WaehleLandVon(name);
    FuelleOrte();
    m_ort = name;
    Laden();
}

bool CSonnenDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdNeu: OnNeu(); return true;
        case kIdHilfe: GetKelvoApp().ShowHilfeThema(u"sonnenstd"); return true;
        default: return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CSonnenDlg::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    GetKelvoApp().ShowHilfeThema(u"sonnenstd");
    return true;
}

void CSonnenDlg::onOK() {
    if (Speichern(false)) endDialog(ui::kIdOk);
}
