#include "pages/HausPage.h"

#include <QLineEdit>
#include <cmath>

#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "app/frame/MainFrame.h"
#include "controls/small/FloatEdit.h"
#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/DatenBereich.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/DlgHeizlast.h"
#include "dialogs/KlimaDlg2.h"
#include "evaluation/binding/Solar.h"
#include "model/app/OptionIds.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/errors/KVSMessageBox.h"
#include "model/house/Haus2.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kTitel = 3148;              // "Building data"
constexpr unsigned kFrage = 3163;              // "Save changed building data?"
constexpr unsigned kNichtInitialisiert = 3092; // "Data page not initialized"
constexpr unsigned kDeckungNicht100 = 3164;    // "The sum of all degrees of supply must be 100%!"
constexpr unsigned kMRUFalsch = 5700;          // "The minimum return temperature must be ..."
constexpr unsigned kKeinKlima = 3165;          // "You have not specified any monthly average ..."
constexpr unsigned kVorlaufGeaendert = 3572;   // "You have changed the flow heating temperature ..."
constexpr unsigned kKeinProgramm = 3525;       // "You did not provide the calculation program ..."
constexpr unsigned kProgrammNichtAufrufbar = 3161;  // "Could not call program/document:\n%s"
constexpr unsigned kFehlerProgramm = 3276;     // "Error when executing program"
constexpr int kBefehlOptionen = 32830;         // Tools > Options
constexpr int kLandMitGewinnen = 13;           // the country whose gains follow the heat load
constexpr float kVorgabeFlaeche = 150.0f, kVorgabeSpezLast = 50.0f;

constexpr int kGrHeizlast = 1442, kTxKW = 1833, kTxKWhJahr = 1834, kTxIntern = 1443,
              kTxSolar = 1444, kGrTemperaturen = 1835, kTxVorlauf = 1836, kTxRuecklauf = 1837,
              kGrVerteilung = 1447, kTxExponenten = 1446, kGrKlima = 1448, kTxNAT = 1843,
              kTxGrenz = 1449, kGrWeitere = 1838, kTxRaum = 1450;
constexpr int kTxProzent[3] = {1840, 1841, 1842};

ui::ControlSpec Zahl(int id, ui::Rect du) {
    return {id, K::Custom, du, 0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 1); }};
}

void RegistriereVorlage() {
    using H = CHausPage;
    if (ui::findDialogTemplate(H::kIDD)) return;
    std::vector<ui::ControlSpec> c = {
        // Left: heat load, gains, temperatures.
        {kGrHeizlast, K::Group, {7, 3, 209, 90}},
        Zahl(H::kIdHeizlast, {14, 15, 64, 27}),
        {kTxKW, K::Static, {68, 17, 100, 27}},
        {H::kIdSchaetzen, K::Button, {14, 31, 80, 45}},
        Zahl(H::kIdJahresBedarf, {84, 32, 134, 44}),
        {kTxKWhJahr, K::Static, {138, 34, 202, 44}},
        {H::kIdRegeln, K::Button, {14, 50, 202, 64}},
        {H::kIdExtern, K::Button, {14, 68, 202, 82}},
        {kTxIntern, K::Static, {14, 98, 150, 108}},
        {H::kIdGewinnIntern, K::Edit, {156, 96, 202, 108}},
        {kTxSolar, K::Static, {14, 113, 150, 123}},
        {H::kIdGewinnSolar, K::Edit, {156, 111, 202, 123}},
        {kGrTemperaturen, K::Group, {7, 130, 209, 160}},
        {kTxVorlauf, K::Static, {14, 144, 56, 154}},
        Zahl(H::kIdVorlauf, {58, 142, 98, 154}),
        {kTxRuecklauf, K::Static, {110, 144, 156, 154}},
        Zahl(H::kIdRuecklauf, {158, 142, 198, 154}),
        {kGrWeitere, K::Group, {7, 164, 209, 208}},
        {kTxRaum, K::Static, {14, 178, 150, 188}},
        {H::kIdRaumTemp, K::Edit, {156, 176, 202, 188}},
        {H::kIdTextMRU, K::Static, {14, 193, 150, 203}},
        {H::kIdMRU, K::Edit, {156, 191, 202, 203}},
        // Right: heating kinds, climate.
        {kGrVerteilung, K::Group, {215, 3, 413, 90}},
        {kTxExponenten, K::Static, {358, 17, 410, 35}, 0, u"", ui::dt::Center},
    };
    for (int i = 0; i < 3; ++i) {
        const int y = 38 + i * 16;
        c.push_back({H::kIdArt[i], K::Check, {222, y, 318, y + 12}});
        c.push_back({H::kIdDeckung[i], K::Edit, {320, y, 346, y + 12}});
        c.push_back({kTxProzent[i], K::Static, {349, y + 2, 357, y + 12}});
        c.push_back(Zahl(H::kIdExponent[i], {364, y, 404, y + 12}));
    }
    const std::vector<ui::ControlSpec> rest = {
        {kGrKlima, K::Group, {215, 94, 413, 160}},
        {H::kIdKlimaort, K::Button, {222, 106, 406, 120}},
        {kTxNAT, K::Static, {222, 127, 352, 137}},
        Zahl(H::kIdNAT, {356, 125, 406, 137}),
        {kTxGrenz, K::Static, {222, 143, 352, 153}},
        {H::kIdGrenzTemp, K::Edit, {356, 141, 406, 153}},
        {CEingabeSeite::kIdSpeichern, K::DefButton, {257, 242, 307, 256}},
        {CEingabeSeite::kIdSchliessen, K::Button, {310, 242, 360, 256}},
        {CEingabeSeite::kIdHilfe, K::Button, {363, 242, 413, 256}},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    // As tall as the project page: the buttons stay in their place when the tab changes.
    ui::registerDialogTemplate({H::kIDD, {420, 262}, 0, u"", std::move(c)});
}

int Gerundet(float wert) { return platform::toInt32(std::round(wert)); }

}  // namespace

CHausPage::CHausPage(int eingebettet)
    : CEingabeSeite({kIDD, kTitel, kFrage, komponente::kHaus, u"datenhaus"}, eingebettet),
      m_heizlastGruppe(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)) {
    RegistriereVorlage();
}

void RegistriereHausPage() {
    RegistriereDatenSeite(CKVSDatenSheetProtokoll::kHaus, [](const SSeitenWunsch& w) {
        return std::unique_ptr<CKVSDatenPage>(std::make_unique<CHausPage>(w.wizard));
    });
}

bool CHausPage::Beschaeftigt() const { return Dokument().IstBeschaeftigt() != 0; }

// ---- loading ---------------------------------------------------------------------------

void CHausPage::LoadKomponente(const CVRMString& key, const CVRMString& projekt, const CVRMString&) {
    // Unsaved entries for this house stay; another house is loaded.
    if (m_modified && key == m_haus.getName()) return;
    try {
        CVRMdatenProvider& store = CVRMdatenProvider::get();
        m_haus = store.getWerte(key);
        // The heat source takes the location's ground temperatures; a combination of two
        // sources gives them to its first. A project without source data has none.
        m_quelle.free();
        std::shared_ptr<CVRMwert> link;
        CVRMString quelle;
        if (store.getWerte(projekt).Lookup(ID_WQuelle, link) && link) quelle = link->GetStringVal();
        if (!quelle.empty() && !store.istWertVorhanden(quelle, ID_QuellMediumIdx)) {
            std::shared_ptr<CVRMwert> erste;
            quelle = store.getWerte(quelle).Lookup(ID_KQuelle1, erste) && erste ? erste->GetStringVal()
                                                                                : CVRMString();
        }
        if (!quelle.empty() && store.istWertVorhanden(quelle, ID_QuellMediumIdx))
            m_quelle = store.getWerte(quelle);
        m_modified = 0;
        FillPageDaten(0);
    } catch (const platform::UserException&) {
        KVSMessageBoxID(kNichtInitialisiert, kTitel, platform::mb::ICONEXCLAMATION);
    }
}

void CHausPage::FillPageDaten(int) {
    const auto f = [this](TKelvoDatenID id) { return m_haus.get(id).GetFloatVal(); };
    const auto u = [this](TKelvoDatenID id) { return m_haus.get(id).GetUIntVal(); };
    const auto b = [this](TKelvoDatenID id) { return m_haus.get(id).GetBoolVal() ? 1 : 0; };
    m_heizlast = f(ID_NormwaermeBedarf);
    m_vorlauf = f(ID_HeizVorlauf);
    m_ruecklauf = f(ID_HeizRuecklauf);
    m_nat = f(ID_NAT);
    m_exponent[0] = f(ID_ExponentFB);
    m_exponent[1] = f(ID_ExponentRA);
    m_exponent[2] = f(ID_ExponentWH);
    m_arten.an = {b(ID_FussbodenHeiz), b(ID_RadiatorenHeiz), b(ID_Wandheizung)};
    m_arten.deckung = {u(ID_DeckungFB), u(ID_DeckungRA), u(ID_DeckungWH)};
    m_gewinnIntern = u(ID_GewinnIntern);
    m_gewinnSolar = u(ID_GewinnSolar);
    m_grenzTemp = u(ID_HeizGrenzTemp);
    m_raumTemp = u(ID_MittlRaumTemp);
    m_mru = u(ID_MRU);
    m_klimaort = m_haus.get(ID_Klimaort).GetStringVal();
    m_letzterVorlauf = Gerundet(m_vorlauf);
    ZeigeWerte();
}

void CHausPage::UpdatePageDaten(int) {
    // The user's unsaved entries stay.
    if (!m_modified && !m_haus.getName().empty()) FillPageDaten(0);
}

// ---- opening and activation ------------------------------------------------------------

void CHausPage::InitSeite() {
    m_heizlastGruppe.SetParent(this);
    for (int id : {kIdSchaetzen, kIdExtern, kTxKWhJahr, kIdJahresBedarf, kIdRegeln})
        m_heizlastGruppe.AddShow(static_cast<unsigned>(id));
    m_heizlastGruppe.Show(true);
    FillPageDaten(0);
    const bool frei = !Beschaeftigt();
    ui::showChild(this, kIdTextMRU, frei);
    ui::showChild(this, kIdMRU, frei);
}

bool CHausPage::onSetActive() {
    if (!CEingabeSeite::onSetActive()) return false;
    if (m_haus.getName().empty()) return true;
    CVRMwert& ort = m_haus.get(ID_Klimaort);
    CVRMwert& nat = m_haus.get(ID_NAT);
    CVRMdatenProvider2& orte = CVRMdatenProvider2::Get();
    if (!IstOrtGewaehlt(ort.GetStringVal())) {
        // A house without a location takes the program's default location.
        CVRMString vorgabe;
        GetKelvoApp().GetOptionsManager().GetStringWert(OPT_DEF_KLIMAORT, vorgabe);
        ort = vorgabe;
        ort.setDefault(CVRMVariant(vorgabe));
        if (IstOrtGewaehlt(vorgabe)) nat = orte.getNormAussenTemp(vorgabe).GetFloatVal();
    }
    if (nat.GetFloatVal() > datenbereich::kNormAussenTempAusKlimaort && IstOrtGewaehlt(ort.GetStringVal()))
        nat = orte.getNormAussenTemp(ort.GetStringVal()).GetFloatVal();
    if (!m_modified || !IstOrtGewaehlt(m_klimaort)) {
        m_klimaort = ort.GetStringVal();
        m_nat = nat.GetFloatVal();
        ZeigeZahl(kIdNAT, m_nat);
    }
    ZeigeKlimaort();
    return true;
}

// ---- controls --------------------------------------------------------------------------

std::vector<SDlgText> CHausPage::Texte() const {
    return {{kGrHeizlast, 4618, true}, {kTxKW, 4619}, {kTxKWhJahr, 4620}, {kIdSchaetzen, 4621},
            {kIdRegeln, 4622}, {kIdExtern, 4623}, {kTxIntern, 4624}, {kTxSolar, 4626},
            {kGrTemperaturen, 4627, true}, {kTxVorlauf, 4628}, {kTxRuecklauf, 4629},
            {kGrVerteilung, 4632, true}, {kIdArt[0], 4633}, {kIdArt[1], 4635}, {kIdArt[2], 4637},
            {kTxProzent[0], 4634}, {kTxProzent[1], 4636}, {kTxProzent[2], 4638},
            {kTxExponenten, 4639}, {kGrKlima, 4640, true}, {kTxNAT, 4641}, {kTxGrenz, 4642},
            {kGrWeitere, 4630, true}, {kTxRaum, 5701}, {kIdTextMRU, 5699}};
}

std::vector<int> CHausPage::Aenderungen() const {
    return {kIdHeizlast, kIdVorlauf, kIdRuecklauf, kIdDeckung[0], kIdDeckung[1], kIdDeckung[2],
            kIdNAT, kIdGrenzTemp, kIdExponent[0], kIdExponent[1], kIdExponent[2], kIdRaumTemp,
            kIdGewinnIntern, kIdGewinnSolar, kIdMRU, kIdArt[0], kIdArt[1], kIdArt[2]};
}

void CHausPage::Austausch(ui::DataExchange& dx) {
    dx.floating(kIdHeizlast, m_heizlast, datenbereich::kHeizlast.min, datenbereich::kHeizlast.max);
    dx.floating(kIdJahresBedarf, m_jahresBedarf);
    dx.unsignedInt(kIdGewinnIntern, m_gewinnIntern);
    dx.unsignedInt(kIdGewinnSolar, m_gewinnSolar);
    dx.floating(kIdVorlauf, m_vorlauf, datenbereich::kVorlauf.min, datenbereich::kVorlauf.max);
    dx.floating(kIdRuecklauf, m_ruecklauf, datenbereich::kRuecklauf.min, datenbereich::kRuecklauf.max);
    for (int i = 0; i < 3; ++i) {
        dx.check(kIdArt[i], m_arten.an[static_cast<std::size_t>(i)]);
        dx.unsignedInt(kIdDeckung[i], m_arten.deckung[static_cast<std::size_t>(i)]);
        dx.floating(kIdExponent[i], m_exponent[i], datenbereich::kExponent.min, datenbereich::kExponent.max);
    }
    dx.floating(kIdNAT, m_nat, datenbereich::kNormAussenTemp.min, datenbereich::kNormAussenTemp.max);
    dx.unsignedInt(kIdGrenzTemp, m_grenzTemp, 0, 30);
    dx.unsignedInt(kIdRaumTemp, m_raumTemp, 10, 30);
    dx.unsignedInt(kIdMRU, m_mru);
    if (!dx.saving()) ZeigeKlimaort();
}

void CHausPage::ZeigeKlimaort() {
    if (hasWindow()) ui::setChildText(this, kIdKlimaort, m_klimaort);
}

void CHausPage::ZeigeZahl(int id, float wert) {
    if (!hasWindow()) return;
    ui::DataExchange dx(*this, false);
    dx.floating(id, wert);
}

bool CHausPage::Befehl(int id) {
    switch (id) {
        case kIdSchaetzen: OnSchaetzen(); return true;
        case kIdRegeln: OnRegeln(); return true;
        case kIdKlimaort: OnKlimaort(); return true;
        case kIdExtern: OnExtern(); return true;
        default: return false;
    }
}

void CHausPage::SchreibeWerte(CVRMwerteListe& liste) const {
    liste.get(ID_NormwaermeBedarf) = m_heizlast;
    liste.get(ID_HeizVorlauf) = m_vorlauf;
    liste.get(ID_HeizRuecklauf) = m_ruecklauf;
    liste.get(ID_NAT) = m_nat;
    liste.get(ID_ExponentFB) = m_exponent[0];
    liste.get(ID_ExponentRA) = m_exponent[1];
    liste.get(ID_ExponentWH) = m_exponent[2];
    liste.get(ID_FussbodenHeiz) = m_arten.an[0] == 1;
    liste.get(ID_RadiatorenHeiz) = m_arten.an[1] == 1;
    liste.get(ID_Wandheizung) = m_arten.an[2] == 1;
    liste.get(ID_DeckungFB) = m_arten.deckung[0];
    liste.get(ID_DeckungRA) = m_arten.deckung[1];
    liste.get(ID_DeckungWH) = m_arten.deckung[2];
    liste.get(ID_GewinnIntern) = m_gewinnIntern;
    liste.get(ID_GewinnSolar) = m_gewinnSolar;
    liste.get(ID_HeizGrenzTemp) = m_grenzTemp;
    liste.get(ID_MittlRaumTemp) = m_raumTemp;
    liste.get(ID_MRU) = m_mru;
    liste.get(ID_Klimaort) = m_klimaort;
}

std::unique_ptr<CHaus2> CHausPage::HausDerEingaben() const {
    CVRMwerteListe kopie(m_haus.getName());
    kopie.copy(m_haus);
    SchreibeWerte(kopie);
    auto haus = std::make_unique<CHaus2>();
    haus->init(kopie);
    return haus;
}

// "<- Calculate": the heat load at which the house needs the yearly heat entered.
void CHausPage::OnSchaetzen() {
    if (!LeseWerte()) return;
    m_heizlast = HausDerEingaben()->BerechneNormHeizlast(m_jahresBedarf);
    ZeigeZahl(kIdHeizlast, m_heizlast);
    Geaendert();
}

void CHausPage::OnRegeln() {
    if (!LeseWerte()) return;
    const std::unique_ptr<CHaus2> haus = HausDerEingaben();
    CDlgHeizlast dlg(0, Dokument(), this, haus.get());
    dlg.m_eingabe.flaeche = static_cast<unsigned>(kVorgabeFlaeche);
    dlg.m_eingabe.spezLast = static_cast<unsigned>(kVorgabeSpezLast);
    if (dlg.doModal() != ui::kIdOk) return;
    m_heizlast = HeizlastEineStelle(dlg.m_ergebnis);
    ZeigeZahl(kIdHeizlast, m_heizlast);
    if (GetKelvoApp().GetLandCode() == kLandMitGewinnen) {
        m_gewinnIntern = m_gewinnSolar = GewinnAusHeizlast(m_heizlast);
        ui::DataExchange dx(*this, false);
        dx.unsignedInt(kIdGewinnIntern, m_gewinnIntern);
        dx.unsignedInt(kIdGewinnSolar, m_gewinnSolar);
    }
    Geaendert();
}

void CHausPage::OnKlimaort() {
    CKlimaDlg2 dlg(1, this);
    dlg.SetOrtName(m_klimaort);
    if (dlg.doModal() != ui::kIdOk) return;
    m_klimaort = dlg.GetOrtName();
    m_nat = CVRMdatenProvider2::Get().getNormAussenTemp(m_klimaort).GetFloatVal();
    ZeigeKlimaort();
    ZeigeZahl(kIdNAT, m_nat);
    Geaendert();
}

void CHausPage::OnExtern() {
    CVRMString option;
    GetKelvoApp().GetOptionsManager().GetStringWert(OPT_VEZIVO_VERO, option);
    const std::filesystem::path programm = ProgrammPfad(option);
    if (programm.empty()) {
        KVSMessageBoxID(kKeinProgramm, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        if (CKelvoApp* app = FindeKelvoAppObjekt(); app && app->GetMainFrame())
            ui::postCommand(*app->GetMainFrame(), kBefehlOptionen);
        return;
    }
    // The program is started as it is, without a command line a shell would read.
    unsigned fehler = ProgrammFehler(programm);
    if (!fehler && !ui::Shell::start(programm, {})) fehler = kProgrammNichtAufrufbar;
    if (!fehler) return;
    CVRMString text;
    text.Format(fehler, CVRMString::fromUtf8(programm.string()));
    KVSMessageBoxCaptionID(text, textid::kProduktCaption, platform::mb::ICONEXCLAMATION);
    ShowFehler(kFehlerProgramm, nullptr);
}

// ---- saving ----------------------------------------------------------------------------

// A record the page may write besides its house: none that is empty, and a library record
// only with the "conf" switch where the active database keeps it.
bool CHausPage::DarfSchreiben(const CVRMString& satz) {
    return !satz.empty() && (!IGlobal::IstBiboName(satz) ||
                             (GetKelvoApp().GetConfSchalter() && IGlobal::NimmtSatzAuf(satz)));
}

std::optional<int> CHausPage::MaxVorlaufWP() {
    CKelvoDoc& dokument = Dokument();
    if (dokument.IstBeschaeftigt()) return std::nullopt;
    CKombiWQuelle2& quelle = dokument.KombiWQuelle();
    if (quelle.IstGueltig() && (quelle.IstMonoEnergetisch() || quelle.IstBiValent())) return std::nullopt;
    CWPumpe2& wpumpe = dokument.WPumpe();
    if (!wpumpe.IstGueltig()) return std::nullopt;
    return Gerundet(wpumpe.getMVT(dokument.GetDimQuellTemp()));
}

void CHausPage::CheckVorlaufTemp() {
    const std::optional<int> max = MaxVorlaufWP();
    switch (PruefeVorlauf(m_vorlauf, m_ruecklauf, max)) {
        case 0:
            return;
        case 3121: {  // the heat pump's maximum
            CVRMString text;
            text.Format(3121u, static_cast<unsigned>(std::max(*max, 0)));
            ThrowFehlerText(text, nullptr);
        }
        default:
            ThrowFehler(3120, nullptr);
    }
}

bool CHausPage::PruefeEingaben() {
    if (!DeckungVollstaendig(m_arten)) {
        KVSMessageBoxID(kDeckungNicht100, kTitel, platform::mb::ICONINFORMATION);
        return false;
    }
    CheckVorlaufTemp();
    if (!Beschaeftigt() && !CHaus2::LiegtImBereich(static_cast<float>(m_mru),
                                                   static_cast<float>(m_raumTemp), m_vorlauf)) {
        KVSMessageBoxID(kMRUFalsch, kTitel, platform::mb::ICONINFORMATION);
        return false;
    }
    if (!IstOrtGewaehlt(m_klimaort)) {
        KVSMessageBoxID(kKeinKlima, kTitel, platform::mb::ICONINFORMATION);
        return false;
    }
    return true;
}

bool CHausPage::DarfSpeichern() { return DarfKomponenteAendern(0, m_haus.getName()); }

void CHausPage::UebernimmWerte() {
    SchreibeWerte(m_haus);
    CVRMdatenProvider2& orte = CVRMdatenProvider2::Get();
    m_haus.get(ID_Wetterort) = orte.GetKlimaortText666(m_klimaort);
    m_haus.get(ID_Sonnenort) = orte.GetKlimaortText668(m_klimaort);
    if (DarfSchreiben(m_quelle.getName()))
        m_quelle.get(ID_WQuelleOrt) = orte.GetKlimaortName(m_klimaort);
    SchreibeSolaranlage();
}

void CHausPage::SchreibeSolaranlage() {
    if (!ISolar::IstGeladen()) return;
    // A project without a solar plant has nothing to tell one; a library plant is not
    // written (with the "conf" switch only where the database keeps it).
    const CVRMString anlage = Dokument().ProjektText(ID_Solar);
    if (!DarfSchreiben(anlage)) return;
    const int vorlauf = Gerundet(m_vorlauf);
    SetzeSolarWert(anlage, ID_SolSollTempH, CVRMVariant(static_cast<unsigned>(std::max(vorlauf, 0))));
    if (m_haus.get(ID_ProjMitSolar).GetBoolVal() && vorlauf != m_letzterVorlauf && !IstEingebettet())
        KVSMessageBoxID(kVorlaufGeaendert, kTitel, platform::mb::ICONINFORMATION);
}

std::vector<CEingabeSeite::SSpeicherListe> CHausPage::Listen() {
    std::vector<SSpeicherListe> listen = {{&m_haus, u"Haus-Daten HausPage", 1}};
    // The heat source is written only when the page changed its location; a library
    // source keeps its own and is never part of the save.
    std::shared_ptr<CVRMwert> ort;
    if (DarfSchreiben(m_quelle.getName()) && m_quelle.Lookup(ID_WQuelleOrt, ort) && ort && ort->changed())
        listen.push_back({&m_quelle, u"WQ-Daten HausPage", 1});
    return listen;
}

void CHausPage::NachSpeichern() {
    m_letzterVorlauf = Gerundet(m_vorlauf);
    GetDatenSheet().RecalcTarifVerteilung(CKVSDatenSheetProtokoll::kProjekt);
}

void CHausPage::OnSchliessen() {
    Dokument().ResetKomponenten();
    CEingabeSeite::OnSchliessen();
}
