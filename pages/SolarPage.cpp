#include "pages/SolarPage.h"

#include <QLabel>
#include <QLineEdit>
#include <exception>

#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocSolar.h"
#include "app/shell/KelvoApp.h"
#include "controls/grid/GridCtrl.h"
#include "core/db/Global.h"
#include "core/db/TextIds.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/BiboSchreibschutz.h"
#include "dialogs/DlgSolGewinne.h"
#include "dialogs/SonnenDlg.h"
#include "evaluation/AuswertManager.h"
#include "evaluation/binding/Solar.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/house/Haus2.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"

namespace {

using K = ui::ControlKind;
using solarseite::Reihenfolgen;

constexpr unsigned kTitel = 3466;            // "Solar system data"
constexpr unsigned kFrage = 3484;            // "Save changed solar system data?"
constexpr unsigned kNichtInitialisiert = 3092;  // "Data page not initialized"
constexpr unsigned kTabelleBeenden = 3488;   // "Please, end the editing of table with solar input first."
constexpr unsigned kMonatsEinspeisung = 3470;  // "Monthly solar input"
constexpr unsigned kReihenfolgeGeaendert = 3652;
constexpr unsigned kPufferGeaendert = 3571;
constexpr unsigned kUnvollstaendig = 3260;
constexpr unsigned kErstSpeichern = 3167;    // "Please save the solar data first."
constexpr unsigned kUeberschreiben = 3764;   // "This function will overwrite the actual solar feeds. ..."
constexpr unsigned kTempsErhoeht = 3664;
constexpr unsigned kKeineTabelle = 3179;     // "Could not create table!"
constexpr uint32_t kHinweis = platform::mb::OK | platform::mb::ICONINFORMATION;
constexpr int kMonate = 12;
// The order group's title is too long for a frame caption: it stands wrapped inside the frame.
constexpr int kTitelReihenfolge = 1958;

void RegistriereVorlage() {
    using S = CSolarPage;
    if (ui::findDialogTemplate(S::kIDD)) return;
    const std::vector<ui::ControlSpec> c = {
        {1963, K::Group, {7, 3, 168, 92}},
        {1964, K::Static, {14, 17, 118, 27}},
        {S::kIdFlaeche, K::Edit, {122, 15, 162, 27}},
        {1965, K::Static, {14, 33, 118, 43}},
        {S::kIdNeigung, K::Edit, {122, 31, 162, 43}},
        {1966, K::Static, {14, 49, 118, 59}},
        {S::kIdAusrichtung, K::Edit, {122, 47, 162, 59}},
        {1967, K::Static, {14, 65, 118, 75}},
        {S::kIdPumpe, K::Edit, {122, 63, 162, 75}},
        {1968, K::Group, {7, 96, 168, 140}},
        {1969, K::Static, {14, 110, 118, 120}},
        {S::kIdPuffer, K::Edit, {122, 108, 162, 120}},
        {1970, K::Static, {14, 126, 118, 136}},
        {S::kIdPufferUe, K::Edit, {122, 124, 162, 136}},
        {S::kIdBenutzt, K::Check, {7, 146, 168, 164}},
        {S::kIdGewinne, K::Button, {7, 168, 168, 182}},
        {S::kIdHinweisBenutzt, K::Static, {7, 186, 168, 236}},
        {1959, K::Group, {174, 3, 413, 200}},
        {kTitelReihenfolge, K::Static, {179, 13, 408, 31}},
        {S::kIdPlatz, K::Static, {179, 33, 408, 150}},
        {S::kIdHinweisAendern, K::Static, {179, 153, 408, 163}},
        {S::kIdAendern, K::Button, {179, 166, 229, 180}},
        {S::kIdOrderSpeichern, K::Button, {179, 166, 229, 180}},
        {S::kIdOrderAbbrechen, K::Button, {233, 166, 283, 180}},
        {S::kIdBerechnen, K::Button, {179, 183, 292, 197}},
        {S::kIdOptimieren, K::Button, {295, 183, 408, 197}},
        {1971, K::Static, {330, 168, 406, 178}},
        {1012, K::Button, {330, 166, 406, 180}},
        {CEingabeSeite::kIdSpeichern, K::DefButton, {257, 242, 307, 256}},
        {CEingabeSeite::kIdSchliessen, K::Button, {310, 242, 360, 256}},
        {CEingabeSeite::kIdHilfe, K::Button, {363, 242, 413, 256}},
    };
    // As tall as the other pages: the buttons stay in their place when the tab changes.
    ui::registerDialogTemplate({S::kIDD, {420, 262}, 0, u"", c});
}

void RegistriereMenu() {
    if (ui::findMenu(CSolarPage::kMenu)) return;
    ui::registerMenu({CSolarPage::kMenu,
                      {{0, 0, u"", {{32805, 0, u""}, {32806, 0, u""}, {32807, 0, u""}, {32808, 0, u""}}}}});
}

int32_t Option(uint32_t id, int32_t vorgabe) {
    int32_t wert = vorgabe;
    GetKelvoApp().GetOptionsManager().GetLongWert(id, wert);
    return wert;
}

// The order arrays of the house, 12 entries each.
Reihenfolgen HausReihenfolgen(CHaus2& haus) {
    Reihenfolgen r;
    for (unsigned short rang = 1; rang <= 3; ++rang) {
        r[rang - 1] = haus.GetSolarWohin(rang);
        r[rang - 1].resize(kMonate, 0);
    }
    return r;
}

// Resets the evaluation mode whichever way the evaluation ends.
class CAuswertModus {
  public:
    explicit CAuswertModus(CKelvoDoc& dok) : m_dok(dok) { kelvodocsolar::SetAuswertModus(m_dok, 1); }
    ~CAuswertModus() { kelvodocsolar::SetAuswertModus(m_dok, 0); }
    CAuswertModus(const CAuswertModus&) = delete;
    CAuswertModus& operator=(const CAuswertModus&) = delete;

  private:
    CKelvoDoc& m_dok;
};

}  // namespace

CSolarPage::CSolarPage(CHaus2& haus, int modus)
    : CEingabeSeite({kIDD, kTitel, kFrage, komponente::kSolar, u"datensol"}, modus), m_haus(&haus) {
    if (!haus.IstInitialisiert()) ThrowFehler(textid::kNichtInitialisiert, u"CSolarPage::CSolarPage");
    for (auto& r : m_wohin) r.assign(kMonate, 0);
    m_sonnenDlg = std::make_unique<CSonnenDlg>();
    RegistriereVorlage();
    RegistriereMenu();
}

CSolarPage::~CSolarPage() = default;

void RegistriereSolarPage() {
    RegistriereDatenSeite(CKVSDatenSheetProtokoll::kSolar, [](const SSeitenWunsch& w) {
        return w.haus ? std::unique_ptr<CKVSDatenPage>(std::make_unique<CSolarPage>(*w.haus, w.wizard))
                      : nullptr;
    });
}

// ---- loading ---------------------------------------------------------------------------

// The document hands the plant's name first and the project's record second.
void CSolarPage::LoadKomponente(const CVRMString& anlage, const CVRMString& projekt, const CVRMString&) {
    try {
        if (anlage.empty()) ThrowFehler(textid::kDatenFehlen, u"CSolarPage::Init");
        m_anlage = anlage;
        m_werte = CVRMdatenProvider::get().getWerte(projekt);
        FillPageDaten(0);
    } catch (const platform::UserException&) {
        ThrowFehler2(kNichtInitialisiert, kTitel);
    } catch (const std::exception&) {
        ThrowFehler2(kNichtInitialisiert, kTitel);
    }
}

void CSolarPage::FillPageDaten(int) {
    m_benutzt = m_haus->HatSolarAnlage() ? 1 : 0;
    m_flaeche = ISolar::get(m_anlage, ID_KFlaeche).GetFloatVal();
    m_neigung = ISolar::get(m_anlage, ID_KNeigung).GetUIntVal();
    m_ausrichtung = ISolar::get(m_anlage, ID_KAusrichtung).GetIntVal();
    m_puffer = ISolar::get(m_anlage, ID_PufferVolumen).GetUIntVal();
    m_pufferUe = ISolar::get(m_anlage, ID_PufferUeTemp).GetUIntVal();
    m_pumpe = Dokument().Projekt().GetWert(ID_SolarPumpe).GetUIntVal();
    m_wohin = HausReihenfolgen(*m_haus);
    FuelleGrid();
    if (hasWindow()) {
        Freigabe();
        ZeigeWerte();
    }
}

void CSolarPage::UpdatePageDaten(int hint) {
    if (!hasWindow()) return;
    try {
        LeseWerte();
        if (hint == 1) ZeigeWerte();
    } catch (const platform::UserException&) {
    }
}

// ---- opening ---------------------------------------------------------------------------

void CSolarPage::InitSeite() {
    LeseFarben();
    ErzeugeGrid();
    FillPageDaten(0);
    for (int id : {1971, 1012}) ui::showChild(this, id, false);
    for (int id : {kIdHinweisBenutzt, kTitelReihenfolge, static_cast<int>(kIdBenutzt)})
        if (auto* text = qobject_cast<QLabel*>(ui::child(this, id))) text->setWordWrap(true);
    for (int id : {kIdPuffer, kIdPufferUe})
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(feld, &QLineEdit::textEdited, this, [this] { m_pufferGeaendert = 1; });
    ui::showChild(this, kIdHinweisBenutzt, m_benutzt != 0);
    ZeigeWerte();
    Freigabe();
}

void CSolarPage::ErzeugeGrid() {
    if (m_grid) return;
    QWidget* platz = ui::child(this, kIdPlatz);
    if (!platz) ThrowFehler(kKeineTabelle, u"CSolarPage::OnInitDialog");
    const QRect r = platz->geometry();
    m_grid = new CGridCtrl(kMonate, 4, 0, 1);
    if (!m_grid->Create({r.left(), r.top(), r.right() + 1, r.bottom() + 1}, this, kIdGrid)) {
        delete m_grid;
        m_grid = nullptr;
        ThrowFehler(kKeineTabelle, u"CSolarPage::OnInitDialog");
    }
    platz->hide();
    m_grid->SetRedraw(false);
    m_grid->SetGridLines(grid::kLinesBoth);
    m_grid->EnableSelection(false);
    m_grid->SetBkColor(static_cast<grid::Colour>(m_hintergrund));
    m_grid->SetAllItemsBkColour(static_cast<grid::Colour>(m_hintergrund));
    const int breite = r.width();
    m_grid->SetColumnWidth(0, breite * 10 / 100);
    for (int c = 1; c <= 3; ++c) m_grid->SetColumnWidth(c, breite * 30 / 100);
    grid::Font fett = m_grid->GetFont();
    fett.weight = 700;
    for (int m = 0; m < kMonate; ++m) {
        m_grid->SetItemFormat(m, 0, grid::kFormatCentre | ui::dt::VCenter | ui::dt::SingleLine);
        m_grid->SetItemFont(m, 0, fett);
        m_grid->SetItemText(m, 0, CVRMString(getMonatAbkIDS(m), nullptr));
        for (int c = 1; c <= 3; ++c) m_grid->SetItemFormat(m, c, ui::dt::VCenter | ui::dt::SingleLine);
    }
    m_grid->ExpandToFit();
    m_grid->SetRedraw(true, true);
}

void CSolarPage::LeseFarben() {
    Option(OPT_COLOR_STD_WWPD, 0);
    m_hintergrund = Option(OPT_COLOR_BKGND_WPD, 0xFFFFFF);
    m_farbeHeiz = Option(OPT_COLOR_HEIZ_BEDARF, 0);
    m_farbeWawa = Option(OPT_COLOR_WAWA_BEDARF, 0);
    m_farbeErde = Option(OPT_COLOR_SOLAR_GEWINN, 0);
}

void CSolarPage::ZeigeZelle(int monat, int rang) {
    const unsigned ziel = m_wohin[static_cast<size_t>(rang - 1)][static_cast<size_t>(monat)];
    int32_t farbe = 0;
    if (ziel == 1) farbe = m_farbeWawa;
    else if (ziel == 2) farbe = m_farbeHeiz;
    else if (ziel == 3) farbe = m_farbeErde;
    m_grid->SetItemText(monat, rang, CVRMString(getEinspeiseIDS(ziel), nullptr));
    m_grid->SetItemFgColour(monat, rang, static_cast<grid::Colour>(farbe));
}

void CSolarPage::FuelleGrid() {
    if (!m_grid || !hasWindow()) return;
    for (int m = 0; m < kMonate; ++m)
        for (int rang = 1; rang <= 3; ++rang) ZeigeZelle(m, rang);
    // Each column as wide as its longest text ("Wärmepumpe/Erdreich" is longer than a third
    // of the grid), then, once the page is laid out, all of them share what is left.
    for (int spalte = 0; spalte <= 3; ++spalte) m_grid->AutoSizeColumn(spalte);
    m_grid->ExpandToFit();
    m_grid->update();
}

void CSolarPage::OnOptionsChanged(int optionId) {
    // The options dialog's pages all send this one hint after a change of colours.
    if (optionId != hinweis::kOptionen) return;
    const int32_t wawa = m_farbeWawa, heiz = m_farbeHeiz, erde = m_farbeErde;
    LeseFarben();
    if (!m_grid) return;
    m_grid->SetAllItemsBkColour(static_cast<grid::Colour>(m_hintergrund));
    if (wawa != m_farbeWawa || heiz != m_farbeHeiz || erde != m_farbeErde) FuelleGrid();
    m_grid->update();
}

std::vector<SDlgText> CSolarPage::Texte() const {
    return {{1963, 4830, true}, {1964, 4831}, {1965, 4833}, {1966, 4834}, {1967, 4835},
            {1968, 4836, true}, {1969, 4837}, {1970, 4838}, {kIdBenutzt, 4829},
            {kIdGewinne, 4842}, {kTitelReihenfolge, 4822}, {kIdHinweisAendern, 4823},
            {kIdAendern, 4825}, {kIdOrderSpeichern, 4826}, {kIdOrderAbbrechen, 4824},
            {kIdBerechnen, 4827}, {kIdOptimieren, 4828}, {kIdHinweisBenutzt, 4843},
            {1971, 4840}, {1012, 4841}};
}

std::vector<int> CSolarPage::Aenderungen() const {
    return {kIdFlaeche, kIdNeigung, kIdAusrichtung, kIdPumpe, kIdPuffer, kIdPufferUe};
}

void CSolarPage::Austausch(ui::DataExchange& dx) {
    dx.check(kIdBenutzt, m_benutzt);
    dx.floating(kIdFlaeche, m_flaeche);
    dx.unsignedInt(kIdNeigung, m_neigung);
    dx.integer(kIdAusrichtung, m_ausrichtung);
    dx.unsignedInt(kIdPuffer, m_puffer);
    dx.unsignedInt(kIdPufferUe, m_pufferUe);
    dx.unsignedInt(kIdPumpe, m_pumpe);
}

// ---- enabling --------------------------------------------------------------------------

bool CSolarPage::Geschuetzt() const {
    return IGlobal::IstBiboName(m_anlage) && !GetKelvoApp().GetConfSchalter();
}

void CSolarPage::EnableControls() {
    if (!hasWindow()) return;
    CEingabeSeite::EnableControls();
}

void CSolarPage::Freigabe() {
    if (!hasWindow()) return;
    const bool geschuetzt = Geschuetzt();
    const bool benutzt = m_benutzt != 0;
    bool zieleOk = false;
    if (benutzt) {
        if (!IstEingebettet()) {
            const int medium = Dokument().WPumpe().IstGueltig()
                                   ? Dokument().WPumpe().GetWert(ID_MedienTyp).GetIntVal()
                                   : 0;
            zieleOk = m_haus->PruefeSolarWohin(m_anlage, medium != 0);
        }
        if (m_grid) {
            m_grid->ResetSelection();
            m_grid->EnableSelection(m_reihenfolgeModus);
            m_grid->ResetSelection();
        }
    }
    for (int id : {kIdFlaeche, kIdNeigung, kIdAusrichtung, kIdPumpe, kIdPuffer, kIdPufferUe, kIdGewinne,
                   1964, 1965, 1966, 1967, 1969, 1970})
        ui::enableChild(this, id, benutzt);
    ui::showChild(this, kIdAendern, !m_reihenfolgeModus);
    ui::enableChild(this, kIdAendern, benutzt && !geschuetzt);
    ui::showChild(this, kIdOrderSpeichern, m_reihenfolgeModus);
    ui::showChild(this, kIdOrderAbbrechen, m_reihenfolgeModus);
    ui::showChild(this, kIdHinweisAendern, m_reihenfolgeModus);
    if (!IstEingebettet()) {
        ui::showChild(this, kIdSpeichern, !m_reihenfolgeModus);
        ui::showChild(this, kIdSchliessen, !m_reihenfolgeModus);
    }
    ui::enableChild(this, kIdBerechnen, benutzt && zieleOk && !geschuetzt);
    ui::enableChild(this, kIdOptimieren, benutzt && !geschuetzt);
    ui::showChild(this, kIdHinweisBenutzt, benutzt);
    EnableControls();
}

// ---- commands --------------------------------------------------------------------------

bool CSolarPage::Befehl(int id) {
    switch (id) {
        case kIdBenutzt: OnBenutzt(); return true;
        case kIdGewinne: OnGewinne(); return true;
        case kIdAendern: StarteReihenfolge(); return true;
        case kIdOrderSpeichern: SpeichereReihenfolge(); return true;
        case kIdOrderAbbrechen: BeendeReihenfolge(); return true;
        case kIdBerechnen: OnBerechnen(); return true;
        case kIdOptimieren: OnOptimieren(); return true;
        default: break;
    }
    for (unsigned ziel = 0; ziel < 4; ++ziel) {
        if (id == kIdZiel[ziel]) {
            SetzeZiel(ziel);
            return true;
        }
    }
    return false;
}

void CSolarPage::OnBenutzt() {
    if (m_reihenfolgeModus) {
        KVSMessageBoxID(kTabelleBeenden, kMonatsEinspeisung, kHinweis);
        ZeigeWerte();
        return;
    }
    LeseWerte();
    Freigabe();
    Geaendert();
}

void CSolarPage::OnGewinne() {
    CDlgSolGewinne dlg(m_anlage, this);
    dlg.doModal();
}

void CSolarPage::StarteReihenfolge() {
    m_reihenfolgeModus = true;
    // While the order is edited the page counts as holding unsaved changes.
    m_geaendertVorher = m_modified;
    m_felderVorher = FeldTexte();
    m_modified = 1;
    if (m_grid) m_grid->SetContextMenuId(kMenu);
    Freigabe();
}

void CSolarPage::BeendeReihenfolge() {
    if (m_grid) m_grid->SetContextMenuId(0);
    m_reihenfolgeModus = false;
    m_modified = ModifiedNachReihenfolge();
    m_wohin = HausReihenfolgen(*m_haus);
    FuelleGrid();
    Freigabe();
}

void CSolarPage::SpeichereReihenfolge() {
    ui::showChild(this, kIdHinweisAendern, false);
    if (!DarfKomponenteAendern(0, m_haus->GetName()) || !DarfKomponenteAendern(9, m_anlage) ||
        WirdVerworfen()) {
        ui::showChild(this, kIdHinweisAendern, true);
        return;
    }
    LeseWerte();
    if (m_grid) m_grid->SetContextMenuId(0);
    m_reihenfolgeModus = false;
    m_modified = ModifiedNachReihenfolge();
    for (unsigned short rang = 1; rang <= 3; ++rang) m_haus->SetSolarWohin(m_wohin[rang - 1], rang, true);
    KVSMessageBoxID(kReihenfolgeGeaendert, textid::kProduktCaption, kHinweis);
    KomponenteGeaendert(komponente::kSolar, m_anlage);
    m_wohin = HausReihenfolgen(*m_haus);
    FuelleGrid();
    Freigabe();
}

std::vector<std::u16string> CSolarPage::FeldTexte() {
    std::vector<std::u16string> texte;
    for (int id : Aenderungen()) texte.push_back(ui::childText(this, id));
    return texte;
}

int CSolarPage::ModifiedNachReihenfolge() {
    // The plant's fields stay open while the order is edited, and ending the order edit
    // saves none of them: what was typed there meanwhile is still unsaved.
    return m_geaendertVorher || FeldTexte() != m_felderVorher ? 1 : 0;
}

void CSolarPage::SetzeZiel(unsigned ziel) {
    if (!m_grid) return;
    const CCellRange sel = m_grid->GetSelectedCellRange();
    if (!solarseite::SetzeZiel(m_wohin, {sel.minRow, sel.minCol, sel.maxRow, sel.maxCol}, ziel)) return;
    for (int m = sel.minRow; m <= sel.maxRow; ++m)
        for (int rang = sel.minCol; rang <= sel.maxCol; ++rang) {
            ZeigeZelle(m, rang);
            m_grid->RedrawCell(m, rang);
        }
}

// ---- saving ----------------------------------------------------------------------------

bool CSolarPage::PruefeEingaben() {
    if (m_reihenfolgeModus) {
        KVSMessageBoxID(kTabelleBeenden, kMonatsEinspeisung, kHinweis);
        return false;
    }
    return true;
}

bool CSolarPage::DarfSpeichern() {
    return DarfKomponenteAendern(0, m_haus->GetName()) && DarfKomponenteAendern(9, m_anlage) &&
           !WirdVerworfen();
}

bool CSolarPage::WirdVerworfen() const {
    return MeldeVerworfeneBiboSchreibung(m_haus->GetName(), kTitel) ||
           MeldeVerworfeneBiboSchreibung(m_anlage, kTitel);
}

void CSolarPage::UebernimmWerte() {
    m_haus->SetWert(ID_ProjMitSolar, CVRMVariant(m_benutzt == 1), false);
    m_haus->SetSolarWohin(m_wohin[0], 1, false);
    m_haus->SetSolarWohin(m_wohin[1], 2, false);
    m_haus->SetSolarWohin(m_wohin[2], 3, true);
    ISolar::set(m_anlage, ID_KFlaeche, CVRMVariant(m_flaeche), 0);
    ISolar::set(m_anlage, ID_KNeigung, CVRMVariant(m_neigung), 0);
    ISolar::set(m_anlage, ID_KAusrichtung, CVRMVariant(m_ausrichtung), 0);
    ISolar::set(m_anlage, ID_PufferVolumen, CVRMVariant(m_puffer), 0);
    ISolar::set(m_anlage, ID_PufferUeTemp, CVRMVariant(m_pufferUe), 0);
    ISolar::SaveDaten(m_anlage);
    if (!IstEingebettet()) Dokument().SetProjektDaten2(ID_SolarPumpe, m_pumpe, 1);
}

void CSolarPage::NachSpeichern() {
    Freigabe();
    if (m_pufferGeaendert) {
        KVSMessageBoxID(kPufferGeaendert, textid::kProduktCaption, kHinweis);
        m_pufferGeaendert = 0;
    }
}

// ---- calculations ----------------------------------------------------------------------

bool CSolarPage::Vorbedingungen() {
    CKelvoDoc& dok = Dokument();
    if (!dok.Projekt().IstVollstaendig()) {
        KVSMessageBoxTextID(kUnvollstaendig, dok.GetProjektName(), kHinweis);
        return false;
    }
    if (m_modified) {
        KVSMessageBoxID(kErstSpeichern, textid::kProduktCaption, kHinweis);
        return false;
    }
    return !WirdVerworfen();
}

bool CSolarPage::SollUeberschreiben() {
    // What keeps the calculation from running is said first: a yes to overwriting the feeds
    // must not be followed by a refusal.
    if (!Vorbedingungen()) return false;
    return KVSMessageBoxID(kUeberschreiben, textid::kProduktCaption,
                           platform::mb::YESNO | platform::mb::ICONQUESTION) == platform::id::YES;
}

bool CSolarPage::Einspeisung(const Reihenfolgen& o, CSolareGewinne& heizung,
                             CSolareGewinne& warmwasser, CSolareGewinne& erdreich,
                             CKelvoErgebnisse& ergebnisse, CAuswertDaten& record,
                             std::array<float, 12>& monate) {
    if (!Vorbedingungen()) return false;
    CKelvoDoc& dok = Dokument();
    bool erhoeht = false;
    for (int lauf = 0; lauf < 2; ++lauf) {
        kelvodocsolar::DoSolarEinspeisung(dok, o[0], o[1], o[2], heizung, warmwasser, erdreich);
        m_haus->SetSolarWohin(o[0], 1, false);
        m_haus->SetSolarWohin(o[1], 2, false);
        m_haus->SetSolarWohin(o[2], 3, true);
        ISolar::SetSolareGewinne(m_anlage, 2, heizung);
        ISolar::SetSolareGewinne(m_anlage, 1, warmwasser);
        ISolar::SetSolareGewinne(m_anlage, 3, erdreich);
        {
            CAuswertModus modus(dok);
            dok.GetAuswertDaten(ergebnisse, record, monate, 0, 0.0f);
        }
        if (kelvodocsolar::GetAuswertStatus(dok) != 1) break;
        ResetAlleBerechnungen();
        std::array<float, 12> temps{};
        kelvodocsolar::GetGewinnTemps(dok, temps);
        const unsigned verlust = ISolar::GetTauscherVerluste(m_anlage, 3);
        for (unsigned short m = 0; m < kMonate; ++m)
            erdreich.SetGewinn(m, static_cast<float>(verlust) + temps[m], erdreich.GetGewinnWert(m), 1);
        ISolar::SetSolareGewinne(m_anlage, 3, erdreich);
        erhoeht = true;
    }
    return erhoeht;
}

void CSolarPage::OnBerechnen() {
    if (!SollUeberschreiben()) return;
    CSolareGewinne heizung(1), warmwasser(1), erdreich(1);
    CKelvoErgebnisse ergebnisse;
    CAuswertDaten record;
    std::array<float, 12> monate{};
    const bool erhoeht = Einspeisung(m_wohin, heizung, warmwasser, erdreich, ergebnisse, record, monate);
    if (erhoeht) KVSMessageBoxID(kTempsErhoeht, textid::kProduktCaption, kHinweis);
    if (GetKelvoAppObjekt().GetDiagnoseSchalter()) {
        CVRMString text(u"SolarBerechnung:\n\n");
        float summe = 0.0f;
        for (int m = 0; m < kMonate; ++m) {
            CVRMString zeile;
            zeile.Format(u"%s:\t%.1f kWh\n", CVRMString(getMonatAbkIDS(m), nullptr),
                         static_cast<double>(monate[static_cast<size_t>(m)]));
            text += zeile;
            summe += monate[static_cast<size_t>(m)];
        }
        CVRMString ende;
        ende.Format(u"\nSumme:\t%.1f kWh", static_cast<double>(summe));
        text += ende;
        KVSMessageBoxCaptionID(text, textid::kProduktCaption, kHinweis);
    }
    KomponenteGeaendert(komponente::kSolar, m_anlage);
}

void CSolarPage::OnOptimieren() {
    if (!SollUeberschreiben()) return;
    bool erhoeht = false;
    // What the optimisation overwrites, put back when it fails half-way: otherwise the
    // house and the library would keep the last scenario tried, shown as if chosen.
    const Reihenfolgen vorher = HausReihenfolgen(*m_haus);
    std::array<CSolareGewinne, 3> gewinneVorher{CSolareGewinne(1), CSolareGewinne(1), CSolareGewinne(1)};
    bool gesichert = false;
    try {
        for (unsigned short art = 1; art <= 3; ++art)
            ISolar::GetSolareGewinne(m_anlage, art, gewinneVorher[art - 1]);
        gesichert = true;
        Optimiere(erhoeht);
    } catch (const std::exception&) {
        if (gesichert) {
            try {
                for (unsigned short rang = 1; rang <= 3; ++rang)
                    m_haus->SetSolarWohin(vorher[rang - 1], rang, rang == 3);
                for (unsigned short art = 1; art <= 3; ++art)
                    ISolar::SetSolareGewinne(m_anlage, art, gewinneVorher[art - 1]);
                ResetAlleBerechnungen();
            } catch (const std::exception&) {
            }
        }
        ShowFehler(textid::kKeineErgebnisse, u"Solardaten-Optimierung");
    }
    if (erhoeht) KVSMessageBoxID(kTempsErhoeht, textid::kProduktCaption, kHinweis);
    m_wohin = HausReihenfolgen(*m_haus);
    FuelleGrid();
    Freigabe();
}

void CSolarPage::Optimiere(bool& erhoeht) {
    const unsigned w = m_haus->GetWert(ID_WWmitWP).GetIntVal() != 0 ? 1u : 0u;
    const unsigned g = Dokument().WPumpe().GetWert(ID_MedienTyp).GetIntVal() == 0 ? 3u : 0u;
    CSolareGewinne erdeGehalten(1);
    ISolar::GetSolareGewinne(m_anlage, 3, erdeGehalten);
    const auto szenarien = solarseite::Szenarien(w, g);
    struct SLauf {
        CSolareGewinne heizung{1}, warmwasser{1}, erdreich{1};
        std::array<float, 12> monate{};
    };
    std::array<SLauf, 4> laeufe;
    for (size_t s = 0; s < 4; ++s) {
        Reihenfolgen orders;
        for (size_t rang = 0; rang < 3; ++rang) orders[rang].assign(kMonate, szenarien[s][rang]);
        CKelvoErgebnisse ergebnisse;
        CAuswertDaten record;
        SLauf& l = laeufe[s];
        erhoeht = Einspeisung(orders, l.heizung, l.warmwasser, l.erdreich, ergebnisse, record, l.monate) ||
                  erhoeht;
        ISolar::SetSolareGewinne(m_anlage, 3, erdeGehalten);
    }
    Reihenfolgen ergebnis;
    for (auto& r : ergebnis) r.assign(kMonate, 0);
    CSolareGewinne heizung(1), warmwasser(1), erdreich(1);
    CVRMString text(u"Monat:\tHeiz\t\tWawa\t\tErde\t\tErde2\n");
    for (unsigned short m = 0; m < kMonate; ++m) {
        const std::array<float, 4> werte = {laeufe[0].monate[m], laeufe[1].monate[m], laeufe[2].monate[m],
                                            laeufe[3].monate[m]};
        CVRMString zeile;
        zeile.Format(u"%s:\t%.1f\t-\t%.1f\t-\t%.1f\t-\t%.1f kWh\n",
                     CVRMString(getMonatAbkIDS(m), nullptr), static_cast<double>(werte[0]),
                     static_cast<double>(werte[1]), static_cast<double>(werte[2]),
                     static_cast<double>(werte[3]));
        text += zeile;
        const size_t s = solarseite::Gewinner(werte);
        for (size_t rang = 0; rang < 3; ++rang) ergebnis[rang][m] = szenarien[s][rang];
        const SLauf& l = laeufe[s];
        heizung.SetGewinn(m, l.heizung.GetGewinnTemp(m), l.heizung.GetGewinnWert(m), 1);
        warmwasser.SetGewinn(m, l.warmwasser.GetGewinnTemp(m), l.warmwasser.GetGewinnWert(m), 1);
        erdreich.SetGewinn(m, l.erdreich.GetGewinnTemp(m), l.erdreich.GetGewinnWert(m), 1);
    }
    m_haus->SetSolarWohin(ergebnis[0], 1, false);
    m_haus->SetSolarWohin(ergebnis[1], 2, false);
    m_haus->SetSolarWohin(ergebnis[2], 3, true);
    ISolar::SetSolareGewinne(m_anlage, 2, heizung);
    ISolar::SetSolareGewinne(m_anlage, 1, warmwasser);
    ISolar::SetSolareGewinne(m_anlage, 3, erdreich);
    if (GetKelvoAppObjekt().GetDiagnoseSchalter())
        KVSMessageBoxCaptionID(text, textid::kProduktCaption, kHinweis);
}
