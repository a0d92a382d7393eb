#include "pages/WP2Page.h"

#include <QComboBox>

#include "app/doc/Hinweise.h"
#include "app/shell/KelvoApp.h"
#include "controls/grid/GridCtrl.h"
#include "controls/small/FloatEdit.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/BiboSchreibschutz.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/OptionIds.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using P = CWP2Page;

constexpr unsigned kTitel = 3149;              // "Heat pump data (1)"
constexpr unsigned kTabelleZuerst = 3176;      // "First, end the editing of the performance data table, please."
constexpr unsigned kArtFehlt = 3178;           // "You must select a type!"
constexpr unsigned kKeineTabelle = 3179;       // "Could not create table!"
constexpr unsigned kQuellTempBereich = 3490;   // "Heat source temperature must be between %i°C and %i°C."
constexpr unsigned kCOPberechnet = 4313;       // "The coefficients of performance are calculated ..."
constexpr unsigned kFormatGanz = 3353, kFormatZahl = 3355, kNichtVorhanden = 3456;
constexpr unsigned kTextSole = 3329, kTextVentilator = 3330, kTextWasser = 3331;
constexpr unsigned kTextLuftFluss = 3443, kTextErdFluss = 3442;
constexpr unsigned kArten[] = {4449, 5256, 5300, 5301};
constexpr int kTxArt = 2040, kTxWaehlen = 2043;
constexpr int kKindLuft = 1, kKindWasser = 2, kKindDirekt = 3, kKindLuftAlt = 4;
constexpr grid::Colour kGrau = ui::rgb(224, 224, 224).value;
// The columns of the coefficients, computed and never typed.
constexpr int kCOPSpalten[] = {wptabelle::kSpalteCOP35, wptabelle::kSpalteCOP2};
constexpr unsigned kKopfTexte1[wptabelle::kSpalten] = {3474, 3476, 3505, 3507, 3506, 3473,
                                                      3476, 3505, 3507, 3506, 5698};

ui::ControlSpec Zahl(int id, ui::Rect du) {
    return {id, K::Custom, du, 0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 1); }};
}

void RegistriereVorlage() {
    if (ui::findDialogTemplate(P::kIDD)) return;
    std::vector<ui::ControlSpec> c = {
        {kTxWaehlen, K::Static, {7, 6, 104, 16}},
        {P::kIdListe, K::DropList, {106, 4, 320, 16}},
        {kTxArt, K::Static, {7, 25, 78, 35}},
        {P::kIdArt, K::DropList, {82, 23, 200, 35}},
        {P::kIdTextFluss, K::Static, {7, 39, 128, 57}},
        Zahl(P::kIdFluss, {132, 42, 200, 54}),
        {P::kIdTextMinLuft, K::Static, {7, 61, 128, 71}},
        {P::kIdMinLuft, K::Edit, {132, 59, 200, 71}},
        {P::kIdAVE, K::Check, {7, 76, 205, 86}},
        {P::kIdVSE, K::Check, {7, 88, 205, 98}},
        {P::kIdTextMaxVorlauf, K::Static, {212, 100, 300, 110}, 0, u"", ui::cs::Hidden},
        {P::kIdMaxVorlauf, K::Edit, {340, 100, 400, 110}, 0, u"", ui::cs::Hidden},
        {P::kIdTextPumpe, K::Static, {212, 22, 340, 40}},
        {P::kIdLeistungSP, K::Edit, {345, 25, 406, 37}},
        {P::kIdTextUP, K::Static, {212, 42, 340, 60}},
        {P::kIdLeistungUP, K::Edit, {345, 45, 406, 57}},
        {P::kIdTextZKWT, K::Static, {212, 64, 340, 74}},
        {P::kIdZKWTverlust, K::Edit, {345, 62, 406, 74}},
        {P::kIdTextZKWTpumpe, K::Static, {212, 79, 340, 89}},
        {P::kIdZKWTpumpe, K::Edit, {345, 77, 406, 89}},
        {P::kIdTabellenRahmen, K::Static, {7, 102, 413, 237}},
        {P::kIdTabelleBearbeiten, K::Button, {7, 242, 92, 256}},
        {P::kIdTabelleSpeichern, K::Button, {7, 242, 92, 256}},
        {P::kIdBearbeitenAbbrechen, K::Button, {96, 242, 181, 256}},
        {CWPSeite::kIdSpeichern, K::DefButton, {257, 242, 307, 256}},
        {CWPSeite::kIdSchliessen, K::Button, {310, 242, 360, 256}},
        {CWPSeite::kIdHilfe, K::Button, {363, 242, 413, 256}},
    };
    ui::registerDialogTemplate({P::kIDD, {420, 262}, 0, u"", std::move(c)});
}

std::u16string Sprachtext(unsigned id) { return CResManager::getLangText(static_cast<uint16_t>(id)); }

// The upper header row names the flow temperatures: 35 °C, and "x" for the second one
// that each row gives in column 5.
std::u16string KopfOben(int spalte) {
    if (spalte == 0) return DlgText(3473).toStdU16String();
    if (spalte >= 1 && spalte <= 4) return Sprachtext(3606);
    if (spalte >= 6 && spalte <= 9) return u"x";
    return {};
}

}  // namespace

CWP2Page::CWP2Page()
    : CWPSeite({kIDD, kTitel, CKVSDatenSheetProtokoll::kWP2, CKVSDatenSheetProtokoll::kWP1, u"datenwp",
                u"WPumpe-Daten WPumpePage2"}),
      m_wwGruppe(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)),
      m_luftGruppe(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)),
      m_tabellenGruppe(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)) {
    RegistriereVorlage();
}

CWP2Page::~CWP2Page() = default;

bool CWP2Page::TabelleBearbeitet() const { return m_tabelle && m_tabelle->IsEditable(); }

int CWP2Page::IsDatenModified() {
    if (m_modified) return 1;
    return hasWindow() && TabelleBearbeitet() ? 1 : 0;
}

// ---- opening ---------------------------------------------------------------------------

void CWP2Page::InitSeite() {
    LeseFarben();
    ErzeugeTabelle();
    if (auto* arten = qobject_cast<QComboBox*>(ui::child(this, kIdArt))) {
        arten->clear();
        for (unsigned id : kArten) arten->addItem(QString::fromStdU16String(Sprachtext(id)));
    }
    m_wwGruppe.SetParent(this);
    for (int id : {kIdTextZKWT, kIdZKWTverlust, kIdTextZKWTpumpe, kIdZKWTpumpe})
        m_wwGruppe.AddShow(static_cast<unsigned>(id));
    m_luftGruppe.SetParent(this);
    for (int id : {kIdAVE, kIdVSE}) m_luftGruppe.AddShow(static_cast<unsigned>(id));
    m_tabellenGruppe.SetParent(this);
    for (int id : {kIdBearbeitenAbbrechen, kIdTabelleSpeichern}) m_tabellenGruppe.AddShow(static_cast<unsigned>(id));
    for (int id : {kIdTabelleBearbeiten, kIdSchliessen, kIdSpeichern})
        m_tabellenGruppe.AddShowInvers(static_cast<unsigned>(id));
    for (int id : {kIdMaxVorlauf, kIdLeistungUP, kIdLeistungSP, kIdMinLuft, kIdFluss, kIdZKWTverlust,
                   kIdZKWTpumpe, kIdArt, kIdListe, kIdAVE, kIdVSE})
        m_tabellenGruppe.AddEnableInvers(static_cast<unsigned>(id));
    // Until a kind is known the labels keep their general wording.
    m_textFluss = DlgText(4961).toStdU16String();
    m_textPumpe = DlgText(4964).toStdU16String();
    QObject::connect(qobject_cast<QComboBox*>(ui::child(this, kIdArt)), &QComboBox::activated, this,
                     [this] { ui::guarded(ui::Msg::Command, [&] { KindGewaehlt(); }); });
    FillPageDaten(0);
}

void CWP2Page::ErzeugeTabelle() {
    QWidget* rahmen = ui::child(this, kIdTabellenRahmen);
    auto tabelle = std::make_unique<CGridCtrl>();
    if (!rahmen || !tabelle->Create(ui::fromQRect(rahmen->geometry()), this, kIdTabelle))
        ThrowFehler(kKeineTabelle, nullptr);
    m_tabelle = tabelle.release();  // owned by the page as its child window
    CGridCtrl& t = *m_tabelle;
    ui::FontSpec schrift = t.GetFontSpec();
    schrift.height = -9;
    schrift.face = u"Verdana";
    t.SetFont(schrift);
    t.SetEditable(false);
    t.SetGridLines(grid::kLinesBoth);
    t.SetGridColor(ui::rgb(0, 0, 0).value);
    t.SetBkColor(m_farbeGrund);
    t.SetTextBkColor(m_farbeGrund);
    t.EnableSelection(false);
    t.ResetSelection();
    t.SetFixedColumnCount(0);
    t.SetFixedRowCount(wptabelle::kKopfZeilen);
    t.SetColumnCount(wptabelle::kSpalten);
    t.SetRowCount(wptabelle::kZeilen);
    const unsigned mitte = ui::dt::Center | ui::dt::VCenter;
    const unsigned rechts = ui::dt::Right | ui::dt::VCenter | ui::dt::SingleLine;
    grid::Font fett = t.GetFont();
    fett.weight = 700;
    for (int zeile = 0; zeile < wptabelle::kKopfZeilen; ++zeile) t.SetRowHeight(zeile, 45);
    for (int spalte = 0; spalte < wptabelle::kSpalten; ++spalte) {
        t.SetItemText(0, spalte, KopfOben(spalte));
        t.SetItemText(1, spalte, DlgText(kKopfTexte1[spalte]).toStdU16String());
        t.SetColumnWidth(spalte, 50);
        for (int zeile = 0; zeile < wptabelle::kZeilen; ++zeile) {
            const bool kopf = zeile < wptabelle::kKopfZeilen;
            t.SetItemFormat(zeile, spalte, kopf || spalte == 0 ? mitte | (kopf ? 0u : ui::dt::SingleLine) : rechts);
            if (kopf || spalte == 0) t.SetItemFont(zeile, spalte, fett);
        }
    }
    for (int spalte : kCOPSpalten) {
        t.SetColumnData(spalte, 1);
        for (int zeile = kErsteDatenZeile; zeile < wptabelle::kZeilen; ++zeile) {
            t.SetItemState(zeile, spalte, t.GetItemState(zeile, spalte) | grid::kStateReadOnly);
            t.SetItemBkColour(zeile, spalte, kGrau);
        }
    }
    t.ExpandToFit();
    t.SetRedraw(true);
    t.ExpandRowsToFit();
    if (!t.isVisible()) t.show();
}

void CWP2Page::LeseFarben() {
    auto& optionen = GetKelvoAppObjekt().GetOptionsManager();
    int32_t grund = static_cast<int32_t>(ui::rgb(255, 255, 255).value);
    int32_t nenn = static_cast<int32_t>(ui::rgb(0, 255, 0).value);
    optionen.GetLongWert(OPT_COLOR_BKGND_WPD, grund);
    optionen.GetLongWert(OPT_COLOR_STD_WWPD, nenn);
    m_farbeGrund = static_cast<grid::Colour>(grund);
    m_farbeNenn = static_cast<grid::Colour>(nenn);
}

bool CWP2Page::onSetActive() {
    if (!CWPSeite::onSetActive()) return false;
    if (m_tabelle) ArtAnzeige();
    return true;
}

void CWP2Page::OnOptionsChanged(int optionId) {
    // The options dialog's pages all send this one hint after a change of colours.
    if (optionId != hinweis::kOptionen) return;
    LeseFarben();
    if (!m_tabelle) return;
    m_tabelle->SetBkColor(m_farbeGrund);
    m_tabelle->SetTextBkColor(m_farbeGrund);
    ArtAnzeige();
}

// ---- values ----------------------------------------------------------------------------

void CWP2Page::LadeZusatz() {
    CVRMdatenProvider2::Get().GetWPLeistDaten(Geladen(), m_saetze, Wert(ID_MaxVorlaufTemp).GetUIntVal());
}

void CWP2Page::FillPageDaten(int) {
    m_kind = Wert(ID_MedienTyp).GetIntVal();
    m_minLuft = Wert(ID_MinLuftTemp).GetIntVal();
    m_fluss = Wert(ID_VolStromSole).GetFloatVal();
    m_maxVorlauf = Wert(ID_MaxVorlaufTemp).GetUIntVal();
    m_leistungSP = Wert(ID_LeistungSP).GetUIntVal();
    m_leistungUP = Wert(ID_LeistungUP).GetUIntVal();
    m_zkwtVerlust = Wert(ID_ZKWTverlust).GetUIntVal();
    m_zkwtPumpe = Wert(ID_ZKWTpumpe).GetUIntVal();
    m_ave = Wert(ID_AVE).GetBoolVal() ? 1 : 0;
    m_vse = Wert(ID_VSE).GetBoolVal() ? 1 : 0;
    m_mdv = Wert(ID_MDV).GetFloatVal();
    ZeigeWerte();
    FillTabelle();
    if (hasWindow()) ArtAnzeige();
}

std::vector<SDlgText> CWP2Page::Texte() const {
    return {{kTxArt, 4960}, {kIdTextMinLuft, 4962}, {kIdTextMaxVorlauf, 4963}, {kIdTextUP, 4965},
            {kIdTextZKWT, 5227}, {kIdTextZKWTpumpe, 5228}, {kIdAVE, 5601}, {kIdVSE, 5603},
            {kIdTabelleBearbeiten, 4967}, {kIdTabelleSpeichern, 4968}, {kIdBearbeitenAbbrechen, 4969},
            {kTxWaehlen, 4971}};
}

std::vector<int> CWP2Page::Aenderungen() const {
    return {kIdLeistungSP, kIdLeistungUP, kIdMaxVorlauf, kIdMinLuft, kIdFluss, kIdZKWTverlust, kIdZKWTpumpe,
            kIdAVE, kIdVSE};
}

void CWP2Page::Austausch(ui::DataExchange& dx) {
    dx.unsignedInt(kIdLeistungSP, m_leistungSP);
    dx.unsignedInt(kIdLeistungUP, m_leistungUP);
    if (PruefeBereiche())
        dx.unsignedInt(kIdMaxVorlauf, m_maxVorlauf, 20, 80);
    else
        dx.unsignedInt(kIdMaxVorlauf, m_maxVorlauf);
    dx.unsignedInt(kIdZKWTverlust, m_zkwtVerlust);
    dx.unsignedInt(kIdZKWTpumpe, m_zkwtPumpe);
    dx.floating(kIdFluss, m_fluss);
    if (PruefeBereiche())
        dx.integer(kIdMinLuft, m_minLuft, -25, 20);
    else
        dx.integer(kIdMinLuft, m_minLuft);
    dx.check(kIdAVE, m_ave);
    dx.check(kIdVSE, m_vse);
    dx.listIndex(kIdArt, m_kind);
    dx.text(kIdTextFluss, m_textFluss);
    dx.text(kIdTextPumpe, m_textPumpe);
}

int CWP2Page::SaveModifiedData() {
    if (TabelleBearbeitet()) {
        KVSMessageBoxID(kTabelleZuerst, kTitel, platform::mb::ICONINFORMATION);
        return 0;
    }
    if (!m_modified) return 1;
    try {
        if (!DarfAendern()) {
            FillPageDaten(0);
            m_modified = 0;
            EnableControls();
            return 1;
        }
        if (hasWindow() && !LeseWerte()) return 0;
        if (m_kind < 0) {
            KVSMessageBoxID(kArtFehlt, kTitel, platform::mb::ICONINFORMATION);
            return 0;
        }
        GetKelvoApp().ResetAuswertungen();
        Wert(ID_MedienTyp) = m_kind;
        Wert(ID_LeistungSP) = m_leistungSP;
        Wert(ID_LeistungUP) = m_leistungUP;
        Wert(ID_VolStromSole) = m_fluss;
        Wert(ID_MinLuftTemp) = m_minLuft;
        Wert(ID_MaxVorlaufTemp) = m_maxVorlauf;
        Wert(ID_ZKWTverlust) = m_zkwtVerlust;
        Wert(ID_ZKWTpumpe) = m_zkwtPumpe;
        Wert(ID_AVE) = m_ave == 1;
        Wert(ID_MDV) = m_mdv;
        Wert(ID_VSE) = m_vse == 1;
        return SchreibeUndMelde() ? 1 : 0;
    } catch (const platform::UserException&) {
        return 0;
    }
}

// ---- the kind --------------------------------------------------------------------------

void CWP2Page::KindGewaehlt() {
    if (!DarfAendern()) {
        ZeigeWerte();
        return;
    }
    LeseEingaben();
    m_modified = 1;
    EnableControls();
    ArtAnzeige();
}

void CWP2Page::ZeigeBearbeitung() {
    const bool bearbeitet = TabelleBearbeitet();
    m_tabellenGruppe.Show(bearbeitet);
    m_tabellenGruppe.Enable(bearbeitet);
    if (!bearbeitet) ui::enableChild(this, kIdTabelleBearbeiten, true);
    EnableControls();
}

void CWP2Page::ArtAnzeige() {
    ZeigeBearbeitung();
    if (m_kind < 0) return;
    FaerbeNennZeile();
    unsigned pumpe = kTextSole;
    if (m_kind == kKindLuft || m_kind == kKindLuftAlt) pumpe = kTextVentilator;
    if (m_kind == kKindWasser) pumpe = kTextWasser;
    if (m_kind == kKindDirekt) m_leistungSP = 0;
    m_textPumpe = DlgText(pumpe).toStdU16String();
    const bool luftFrei = m_kind == kKindLuft && !TabelleBearbeitet();
    ui::enableChild(this, kIdTextMinLuft, luftFrei);
    ui::enableChild(this, kIdMinLuft, luftFrei);
    const bool luft = m_kind == kKindLuft || m_kind == kKindLuftAlt;
    m_luftGruppe.Show(luft);
    m_wwGruppe.Show(m_kind == kKindWasser);
    m_textFluss = DlgText(luft ? kTextLuftFluss : kTextErdFluss).toStdU16String();
    ZeigeWerte();
    if (m_tabelle) m_tabelle->update();
}

// ---- the performance table -------------------------------------------------------------

void CWP2Page::LeereDatenZellen() {
    for (int zeile = kErsteDatenZeile; zeile < wptabelle::kZeilen; ++zeile)
        for (int spalte = 0; spalte < wptabelle::kSpalten; ++spalte) m_tabelle->SetItemText(zeile, spalte, u"");
}

void CWP2Page::FillTabelle() {
    if (!hasWindow() || !m_tabelle) return;
    if (m_tabelle->GetColumnCount() < wptabelle::kSpalten) ThrowFehler(0, nullptr, 0);
    LeereDatenZellen();
    const std::u16string ganz = Sprachtext(kFormatGanz), zahl = Sprachtext(kFormatZahl),
                         na = Sprachtext(kNichtVorhanden);
    for (int i = 0; i < m_saetze.GetSize() && kErsteDatenZeile + i < wptabelle::kZeilen; ++i) {
        const CWPLeistDaten* satz = m_saetze.GetAt(i);
        if (!satz) continue;
        const wptabelle::Zeile texte = wptabelle::ZeileVon(*satz, ganz, zahl, na);
        for (int spalte = 0; spalte < wptabelle::kSpalten; ++spalte)
            m_tabelle->SetItemText(kErsteDatenZeile + i, spalte, texte[static_cast<std::size_t>(spalte)]);
    }
    m_tabelle->update();
}

void CWP2Page::FaerbeNennZeile() {
    if (!m_tabelle) return;
    const std::optional<int> nenn = wptabelle::NennQuellTemperatur(m_kind);
    std::vector<std::u16string> ersteZellen;
    for (int zeile = kErsteDatenZeile; zeile < wptabelle::kZeilen; ++zeile) {
        ersteZellen.push_back(m_tabelle->GetItemText(zeile, wptabelle::kSpalteQuelle));
        for (int spalte : {1, 2}) m_tabelle->SetItemBkColour(zeile, spalte, m_farbeGrund);
    }
    const int gefunden = nenn ? wptabelle::NennZeile(ersteZellen, *nenn) : -1;
    if (gefunden >= 0)
        for (int spalte : {1, 2}) m_tabelle->SetItemBkColour(kErsteDatenZeile + gefunden, spalte, m_farbeNenn);
    m_tabelle->update();
}

bool CWP2Page::Befehl(int id) {
    switch (id) {
        case kIdTabelleBearbeiten:
            TabelleBearbeiten();
            return true;
        case kIdTabelleSpeichern:
            TabelleSpeichern();
            return true;
        case kIdBearbeitenAbbrechen:
            BearbeitenAbbrechen();
            return true;
        default:
            return false;
    }
}

void CWP2Page::TabelleBearbeiten() {
    if (!m_tabelle) return;
    LeseEingaben();
    if (!DarfAendern()) return;
    if (m_auswahl != Geladen()) {
        // The table belongs to the loaded heat pump: the list shows that one again.
        m_auswahl = Geladen();
        ZeigeWerte();
        FillTabelle();
    }
    KVSMessageBoxID(kCOPberechnet, textid::kProduktCaption, platform::mb::ICONINFORMATION);
    m_tabelle->SetEditable(true);
    m_tabelle->setFocus();
    m_tabelle->SetFocusCell(kErsteDatenZeile, 0);
    ArtAnzeige();
}

void CWP2Page::TabelleSpeichern() {
    if (!m_tabelle || !DarfAendern() || MeldeVerworfeneBiboSchreibung(Geladen(), kTitel)) return;
    LeseEingaben();
    GetKelvoApp().ResetAuswertungen();
    if (m_tabelle->GetColumnCount() < wptabelle::kSpalten) ThrowFehler(0, nullptr, 0);
    std::vector<wptabelle::Zeile> zeilen;
    for (int zeile = kErsteDatenZeile; zeile < wptabelle::kZeilen; ++zeile) {
        wptabelle::Zeile z;
        for (int spalte = 0; spalte < wptabelle::kSpalten; ++spalte)
            z[static_cast<std::size_t>(spalte)] = m_tabelle->GetItemText(zeile, spalte);
        zeilen.push_back(std::move(z));
    }
    const std::optional<std::vector<CWPLeistDaten>> saetze = wptabelle::LeseZeilen(zeilen);
    if (!saetze) {
        // The held records and the user's rows stay; nothing is written.
        CVRMString detail;
        detail.Format(kQuellTempBereich, wptabelle::kMinQuellTemp, wptabelle::kMaxQuellTemp);
        try {
            ThrowFehler(textid::kDatenFehlen, std::u16string_view(detail));
        } catch (const platform::UserException&) {
        }
        return;
    }
    m_saetze.LoescheAlle();
    for (const CWPLeistDaten& s : *saetze) m_saetze.Add(std::make_unique<CWPLeistDaten>(s));
    CVRMdatenProvider2::Get().SaveWPLeistDaten(Geladen(), m_saetze, true);
    FillTabelle();
    m_tabelle->SetEditable(false);
    ArtAnzeige();
    // An open project with this heat pump computes with the new table from now on.
    KomponenteGeaendert(komponente::kWPumpe, Geladen());
}

void CWP2Page::BearbeitenAbbrechen() {
    if (!m_tabelle) return;
    m_tabelle->SetEditable(false);
    FillTabelle();
    ArtAnzeige();
}
