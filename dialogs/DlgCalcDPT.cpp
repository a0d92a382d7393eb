#include "dialogs/DlgCalcDPT.h"

#include <QComboBox>
#include <QLineEdit>

#include "controls/small/EnablerDisabler.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/DlgProgress.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/errors/Fehler.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/source/WQuelle2.h"
#include "platform/errors/UserException.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using C = CDlgCalcDPT;
using ui::ControlKind;

constexpr unsigned kTitel = 4578;          // "Calculate bivalent temperature"
constexpr unsigned kPruefeWP = 3237;       // "Checking heat pumps in database"
constexpr unsigned kFormatInt = 3358;      // "%i"
constexpr unsigned kFormatUnsigned = 3359;  // "%u"
constexpr unsigned kLeistungReicht = 5576;
constexpr unsigned kLeistungReichtNicht = 5578;
constexpr unsigned kVorlaufReicht = 5577;
constexpr unsigned kVorlaufReichtNicht = 5579;
constexpr int kNichtGefunden = 13;
const char16_t* const kHilfeThema = u"dimpunkt";

ui::ControlSpec Text(int id, ui::Rect du, unsigned textId = 0) {
    return {id, ControlKind::Static, du, textId};
}


}  // namespace

void RegistriereDlgCalcDPTVorlage() {
    if (ui::findDialogTemplate(C::kIDD)) return;
    ui::DialogTemplate t{C::kIDD, {300, 259}, kTitel, u"", {}};
    auto& c = t.controls;
    c.push_back(Text(2701, {7, 9, 220, 19}, 4579));
    c.push_back({C::kIdcJahresBedarf, ControlKind::Edit, {226, 7, 293, 19}, 0, u"", ui::cs::EditReadOnly});

    c.push_back({2702, ControlKind::Group, {7, 25, 293, 124}, 4585});
    c.push_back(Text(2703, {14, 37, 286, 47}, 4580));
    // The two radio buttons stand together in the table: they are one group.
    c.push_back({C::kIdcModusKWh, ControlKind::Radio, {14, 51, 180, 63}, 4581, u"", ui::cs::RadioGroupStart});
    c.push_back({C::kIdcModusProzent, ControlKind::Radio, {14, 67, 180, 79}, 4582});
    c.push_back({C::kIdcKWh, ControlKind::Edit, {186, 51, 240, 63}});
    c.push_back({C::kIdcProzent, ControlKind::Edit, {186, 67, 240, 79}});
    c.push_back(Text(2704, {14, 89, 180, 99}, 4584));
    c.push_back({C::kIdcErgebnis, ControlKind::Edit, {186, 87, 240, 99}, 0, u"", ui::cs::EditReadOnly});
    c.push_back({C::kIdcNeuBerechnen, ControlKind::DefButton, {14, 104, 94, 118}, 4583});
    c.push_back({C::kIdcBivalenzAnnehmen, ControlKind::Button, {166, 104, 286, 118}, 3829});

    c.push_back({2705, ControlKind::Group, {7, 128, 293, 232}, 5580});
    c.push_back(Text(2706, {14, 142, 60, 152}, 5573));
    c.push_back({C::kIdcWPName, ControlKind::DropList, {62, 140, 286, 152}});
    c.push_back(Text(2708, {14, 158, 180, 168}, 5574));
    c.push_back({C::kIdcLeistungsGrenze, ControlKind::Edit, {186, 156, 240, 168}, 0, u"", ui::cs::EditReadOnly});
    c.push_back(Text(C::kIdcLeistungsHinweis, {14, 171, 286, 181}));
    c.push_back(Text(2710, {14, 185, 180, 195}, 5575));
    c.push_back({C::kIdcVorlaufGrenze, ControlKind::Edit, {186, 183, 240, 195}, 0, u"", ui::cs::EditReadOnly});
    c.push_back(Text(C::kIdcVorlaufHinweis, {14, 198, 286, 208}));
    c.push_back({C::kIdcWPUebernehmen, ControlKind::Button, {166, 212, 286, 226}, 5878});

    c.push_back({C::kIdcHilfe, ControlKind::Button, {189, 238, 239, 252}, 5178});
    c.push_back({2, ControlKind::Button, {243, 238, 293, 252}, 5176});
    ui::registerDialogTemplate(std::move(t));
}

CDlgCalcDPT::CDlgCalcDPT(IKelvoDocServices& doc, int startTemp, bool relativ, int anzahl,
                         QWidget* parent)
    : ui::Dialog(kIDD, parent), m_doc(doc), m_startTemp(startTemp), m_relativ(relativ),
      m_anzahl(anzahl) {
    RegistriereDlgCalcDPTVorlage();
}

bool CDlgCalcDPT::onInitDialog() {
    CHaus2* haus = m_doc.GetHaus();
    if (!haus) ThrowFehler(0, nullptr, 0);
    m_bedarf = LeseJahresBedarf(*haus);
    CVRMString summe;
    summe.Format(kFormatUnsigned, m_bedarf.Summe());
    ui::setChildText(this, kIdcJahresBedarf, summe);
    for (int id : {2702, 2705}) ui::setChildText(this, id, u" " + ui::childText(this, id) + u" ");
    m_ziel.modus = 0;
    updateData(false);
    SchalteZiel();
    ui::enableChild(this, kIdcBivalenzAnnehmen, false);
    ui::enableChild(this, kIdcWPUebernehmen, false);
    for (int id : {kIdcLeistungsGrenze, kIdcVorlaufGrenze}) ui::setChildText(this, id, u"");
    FuelleWaermepumpen();

    if (auto* box = qobject_cast<QComboBox*>(ui::child(this, kIdcWPName)))
        QObject::connect(box, &QComboBox::activated, this, [this] {
            ui::guarded(ui::Msg::Command, [&] { PruefeWaermepumpe(); });
        });
    for (int id : {kIdcKWh, kIdcProzent})
        if (auto* edit = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(edit, &QLineEdit::textEdited, this, [this] { ZielGeaendert(); });
    return true;
}

// The heat pumps of the databases marked for the design, loaded one after the other
// while the progress window keeps the program alive.
void CDlgCalcDPT::FuelleWaermepumpen() {
    CVRMStringArray namen;
    GetKelvoApp().GetListe(namen, 1);
    QStringList geeignet;
    CDlgProgress progress(0, static_cast<uint32_t>(namen.size()), 1,
                          CResManager::getLangText(kPruefeWP));
    progress.Create(1, this);
    for (const CVRMString& name : namen) {
        progress.StepIt();
        if (progress.PumpMessages()) break;
        try {
            CWPumpe2 wp;
            CVRMdatenProvider::get().fill(wp, name);
            if (wp.GetWert(ID_Auslegung).GetBoolVal()) geeignet << QString::fromStdU16String(name);
        } catch (const platform::UserException&) {
            // A heat pump that cannot be loaded is not offered.
        }
    }
    progress.Close();
    if (auto* box = qobject_cast<QComboBox*>(ui::child(this, kIdcWPName))) {
        box->clear();
        box->addItems(geeignet);
        box->setCurrentIndex(-1);
    }
}

void CDlgCalcDPT::doDataExchange(ui::DataExchange& dx) {
    dx.radio(kIdcModusKWh, m_ziel.modus);
    dx.unsignedInt(kIdcKWh, m_ziel.kWh);
    dx.unsignedInt(kIdcProzent, m_ziel.prozent, 0, 100);
}

void CDlgCalcDPT::SchalteZiel() {
    ui::enableChild(this, kIdcKWh, m_ziel.modus == 0);
    ui::enableChild(this, kIdcProzent, m_ziel.modus == 1);
}

void CDlgCalcDPT::ZielGeaendert() {
    ui::enableChild(this, kIdcNeuBerechnen, true);
    ui::enableChild(this, kIdcBivalenzAnnehmen, false);
}

SEnergieUnterTemp CDlgCalcDPT::EnergieUnter(int t) {
    return EnergieUnterTemp(*m_doc.GetHaus(), t, m_relativ);
}

void CDlgCalcDPT::BerechneDimPunkt() {
    if (!updateData(true)) return;
    const SBivalenz b =
        ::BerechneDimPunkt(m_startTemp, m_bedarf, m_ziel, [this](int t) { return EnergieUnter(t); });
    if (b.status == BivalenzStatus::ZielZuGross || b.status == BivalenzStatus::KeinHeizbedarf)
        return;
    m_ergebnisTemp = b.temp;
    CVRMString text;
    text.Format(kFormatInt, m_ergebnisTemp);
    ui::setChildText(this, kIdcErgebnis, text);
    ui::enableChild(this, kIdcNeuBerechnen, false);
    ui::enableChild(this, kIdcBivalenzAnnehmen, true);
}

void CDlgCalcDPT::PruefeWaermepumpe() {
    m_wpName = ui::childText(this, kIdcWPName);
    if (m_wpName.empty()) return;
    CWPumpe2 wp;
    CVRMdatenProvider::get().fill(wp, m_wpName);
    wp.SetAnzahl(static_cast<unsigned>(m_anzahl));
    CWQuelle2* quelle = m_doc.GetWQuelle(1);
    if (!quelle) ThrowFehler(textid::kNichtInitialisiert, u"CDlgCalcDPT::PruefeWaermepumpe");
    // The design values follow the source designed, not the medium the unit is built for.
    // Each tested temperature is a point where the heat pump would carry the load alone, so
    // an air source is taken at that temperature rather than at the design outdoor one.
    const auto dimWerte = [this, quelle](int t) {
        SDimAnfrage anfrage;
        anfrage.quellenArt =
            m_quellArt >= 0 ? m_quellArt : quelle->GetWert(ID_QuellMediumIdx).GetIntVal();
        anfrage.dimTemp = static_cast<float>(t);
        anfrage.parallelBetrieb = true;
        anfrage.anzahlWP = m_anzahl;
        anfrage.quelle = quelle;
        return m_doc.GetDimWerte(anfrage);
    };
    m_grenzen = ::PruefeWaermepumpe(wp, m_startTemp, m_bedarf, dimWerte,
                                    [this](int t) { return EnergieUnter(t); });

    const auto zeigeGrenze = [this](int feld, int grenze) {
        const bool gefunden = grenze != kNichtGefunden;
        CVRMString text;
        if (gefunden) text.Format(kFormatInt, grenze);
        ui::setChildText(this, feld, text);
        ui::enableChild(this, feld, gefunden);
    };
    zeigeGrenze(kIdcLeistungsGrenze, m_grenzen.leistung);
    zeigeGrenze(kIdcVorlaufGrenze, m_grenzen.vorlauf);
    const bool leistung = m_grenzen.leistung != kNichtGefunden;
    ui::setChildText(this, kIdcLeistungsHinweis,
                     CResManager::getLangText(leistung ? kLeistungReicht : kLeistungReichtNicht));
    ui::setChildText(this, kIdcVorlaufHinweis,
                     CResManager::getLangText(m_grenzen.vorlauf != kNichtGefunden ? kVorlaufReicht
                                                                                  : kVorlaufReichtNicht));
    ui::enableChild(this, kIdcWPUebernehmen, leistung);

    m_ziel.prozent = m_grenzen.prozent;
    m_ergebnisTemp = m_grenzen.ergebnisTemp;
    if (leistung) m_ziel.modus = 1;
    updateData(false);
    SchalteZiel();
    CVRMString text;
    text.Format(kFormatInt, m_ergebnisTemp);
    ui::setChildText(this, kIdcErgebnis, text);
    ui::enableChild(this, kIdcNeuBerechnen, false);
    ui::enableChild(this, kIdcBivalenzAnnehmen, true);
}

bool CDlgCalcDPT::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdcModusKWh:
        case kIdcModusProzent:
            m_ziel.modus = id == kIdcModusKWh ? 0 : 1;
            SchalteZiel();
            ZielGeaendert();
            return true;
        case kIdcNeuBerechnen:
            BerechneDimPunkt();
            return true;
        case kIdcBivalenzAnnehmen:
        case kIdcWPUebernehmen:
            endDialog(id);
            return true;
        case kIdcHilfe:
            GetKelvoApp().ShowHilfeThema(kHilfeThema);
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CDlgCalcDPT::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1) return ui::Dialog::onKeyDown(key, mods);
    GetKelvoApp().ShowHilfeThema(kHilfeThema);
    return true;
}
