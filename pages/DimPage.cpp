#include "pages/DimPage.h"

#include <QComboBox>
#include <QListWidget>
#include <algorithm>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/DimWizard.h"
#include "app/doc/KelvoDoc.h"
#include "controls/small/EnablerDisabler.h"
#include "controls/small/Label.h"
#include "core/db/TextIds.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/DlgCalcDPT.h"
#include "evaluation/dim/DimAbschluss.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using P = CDimPage;
using ui::ControlKind;

constexpr unsigned kTitel = 3193;                // "Design"
constexpr unsigned kBetriebsweise = 5667;        // "Mode of operation"
constexpr unsigned kAnzahl = 5725;               // "Number of heat pumps"
constexpr unsigned kWaermequelle = 3141;         // "Heat source"
constexpr unsigned kAuslegung = 5729;            // "Design point and bivalence"
constexpr unsigned kDimPunkt = 5730;             // "Design point [°C]"
constexpr unsigned kMinDimPunkt = 5732;          // "Lowest design point [°C]"
constexpr unsigned kBivalenz = 5668;             // "Bivalent temperature [°C]"
constexpr unsigned kDimPunktDialog = 4578;       // "Calculate bivalent temperature"
constexpr unsigned kKandidaten = 5733;           // "Heat pumps that fit"
constexpr unsigned kSuchen = 5734;               // "Search heat pumps"
constexpr unsigned kGesamtleistung = 3236;       // "Total output: %.1f kW (flow: ... °C)"
constexpr unsigned kMediumTexte[] = {3194, 3195, 3196, 3197};
constexpr unsigned kTypUnbekannt = 3239;         // "Heat pump '%s'\nType unknown!"
constexpr unsigned kNichtMoeglich = 3240;        // "Design not possible!"
constexpr unsigned kBivalenzMin = 3373;          // "... must be greater than or equal to %i °C."
constexpr unsigned kBivalenzMax = 3374;          // "The maximum bivalent temperature is %i °C."
constexpr unsigned kModusVorlauf = 5743;         // "The selected mode of operation cannot be used ..."
constexpr unsigned kVorlaufZuHoch = 3375;        // "Max. flow heating temperature ... %.1f ..."
constexpr unsigned kFormatInt = 3358;            // "%i"
constexpr unsigned kModusWaehlen = 3221;         // "You must select a mode of operation!"
constexpr int kHoechsterDimPunkt = 12;
constexpr int kSondeArt = 0;
constexpr int kKollektorArt = 1;
constexpr int kProbeVarianten = 2;
constexpr int kMediumLuft = 1;
constexpr int kMediumWasser = 2;
// The kinds the user chooses among: probe, horizontal collector, air, ground water.
constexpr int kWaehlbareArten[] = {kSondeArt, kKollektorArt, 2, 3};
// The explanation colours of the pages.
constexpr ui::ColourRef kErklaerText = ui::rgb(21, 59, 99);
constexpr ui::ColourRef kErklaerGrund = ui::rgb(223, 233, 244);

ui::ControlSpec Abschnitt(int id, ui::Rect du, unsigned textId) {
    return {id, ControlKind::Custom, du, 0, u"", 0, [textId](QWidget* parent) {
                auto* label = new CLabel(parent, CResManager::getLangText(static_cast<uint16_t>(textId)));
                label->SetTextColor(kErklaerText).SetBkColor(kErklaerGrund).SetFontBold(true);
                return label;
            }};
}

ui::ControlSpec Text(int id, ui::Rect du, unsigned textId) { return {id, ControlKind::Static, du, textId}; }

// The page's mode of operation from the document's: 0 -> 0, 2 -> 1, 3 -> 2, 1 -> 3. The
// page offers no other: a source in another mode opens the page with none selected (-1).
int SeitenModus(int dokModus) {
    for (int i = 0; i < 4; ++i)
        if (CDimPageLogik::DokModus(i, u"CDimPage::OnSetActive") == dokModus) return i;
    return -1;
}

// The second generator that can make the hot water: only the bivalent modes have one
// (index 0), the others none (-1).
int WWAuswahl(int betriebsweise) {
    if (betriebsweise < 0) return -1;
    const int modus = CDimPageLogik::DokModus(betriebsweise, u"CDimPage::OnSetActive");
    return modus == 2 || modus == 3 ? 0 : -1;
}

QString Sprache(unsigned id) {
    return QString::fromStdU16String(CResManager::getLangText(static_cast<uint16_t>(id)));
}

void Meldung(const CVRMString& text) {
    KVSMessageBoxCaptionID(text, kTitel, platform::mb::OK | platform::mb::ICONEXCLAMATION);
}

}  // namespace

void RegistriereDimPageVorlage() {
    if (ui::findDialogTemplate(P::kIDD)) return;
    ui::DialogTemplate t{P::kIDD, {300, 215}, kTitel, u"", {}};
    auto& c = t.controls;
    c.push_back(Abschnitt(P::kIdcBetriebsweiseText, {7, 7, 147, 17}, kBetriebsweise));
    c.push_back({P::kIdcBetriebsweise, ControlKind::DropList, {7, 21, 147, 33}});
    c.push_back(Text(P::kIdcAnzahlText, {7, 39, 103, 49}, kAnzahl));
    c.push_back({P::kIdcAnzahl, ControlKind::DropList, {105, 37, 147, 49}});
    c.push_back(Abschnitt(P::kIdcVarianteText, {7, 57, 147, 67}, kWaermequelle));
    c.push_back({P::kIdcQuellArt, ControlKind::DropList, {7, 71, 147, 83}});
    c.push_back({P::kIdcVariante, ControlKind::DropList, {7, 87, 147, 99}});
    c.push_back(Abschnitt(P::kIdcAuslegungText, {7, 107, 147, 117}, kAuslegung));
    c.push_back(Text(P::kIdcDimPunktText, {7, 123, 110, 137}, kDimPunkt));
    c.push_back({P::kIdcDimPunkt, ControlKind::Edit, {112, 121, 147, 133}});
    c.push_back(Text(P::kIdcMinDimPunktText, {7, 141, 110, 155}, kMinDimPunkt));
    c.push_back({P::kIdcMinDimPunkt, ControlKind::Edit, {112, 139, 147, 151}, 0, u"", ui::cs::EditReadOnly});
    c.push_back(Text(P::kIdcBivalenzText, {7, 159, 110, 173}, kBivalenz));
    c.push_back({P::kIdcBivalenz, ControlKind::Edit, {112, 157, 147, 169}, 0, u"", ui::cs::EditReadOnly});
    c.push_back({P::kIdcDimPunktDialog, ControlKind::Button, {7, 177, 147, 191}, kDimPunktDialog});

    c.push_back(Abschnitt(P::kIdcKandidatenText, {153, 7, 293, 17}, kKandidaten));
    c.push_back({P::kIdcKandidaten, ControlKind::List, {153, 21, 293, 151}});
    c.push_back({P::kIdcSuchen, ControlKind::Button, {153, 155, 243, 169}, kSuchen});
    c.push_back({P::kIdcGesamtleistung, ControlKind::Static, {153, 175, 293, 195}});
    c.push_back({P::kIdcMedium, ControlKind::Static, {153, 197, 293, 207}});
    ui::registerDialogTemplate(std::move(t));
}

void RegistriereDimPage() {
    RegistriereDatenSeite(kDimSeitenArt, [](const SSeitenWunsch& w) -> std::unique_ptr<CKVSDatenPage> {
        return std::make_unique<CDimPage>(w.wizard);
    });
}

CDimPage::CDimPage(int wizard) : CKVSDatenPage(kIDD, wizard, kTitel) { RegistriereDimPageVorlage(); }

CDimPage::~CDimPage() = default;

CKelvoDoc& CDimPage::Dokument() const {
    auto* doc = dynamic_cast<CKelvoDoc*>(&GetDatenSheet().GetDokument());
    if (!doc) ThrowFehler(0, nullptr, 0);
    return *doc;
}

void CDimPage::onInitPage() {
    CKelvoDoc& doc = Dokument();
    // A project without its components cannot be dimensioned: the page says which one is
    // missing and stays empty.
    const std::pair<bool, const char16_t*> pruefungen[] = {
        {doc.Haus().IstInitialisiert(), u"CDimPage::OnInitDialog(Haus)"},
        {doc.Tarif().IstGueltig(), u"CDimPage::OnInitDialog(Tarif)"},
        {doc.KombiWQuelle().IstGueltig(), u"CDimPage::OnInitDialog(WQuelle)"},
    };
    for (const auto& [gueltig, ort] : pruefungen) {
        if (gueltig) continue;
        ShowFehler(textid::kNichtInitialisiert, ort);
        CKVSDatenPage::onInitPage();
        EnableControls();
        return;
    }
    m_dok = &doc;
    m_logik = std::make_unique<CDimPageLogik>(doc);

    QStringList modi, anzahl;
    for (int i = 0; i < 4; ++i)
        modi << QString::fromStdU16String(CResManager::getLangText(
                    static_cast<uint16_t>(getBetriebsweiseIDS(CDimPageLogik::DokModus(i, u"CDimPage::OnInitDialog")))));
    for (int i = 1; i <= kAnzahlWPMax; ++i) anzahl << QString::number(i);
    qobject_cast<QComboBox*>(ui::child(this, kIdcBetriebsweise))->addItems(modi);
    qobject_cast<QComboBox*>(ui::child(this, kIdcAnzahl))->addItems(anzahl);
    GetKelvoApp().GetListe(m_logik->katalog, 1);

    const auto combo = [this](int id, void (CDimPage::*handler)()) {
        QObject::connect(qobject_cast<QComboBox*>(ui::child(this, id)), &QComboBox::activated, this,
                         [this, handler] { ui::guarded(ui::Msg::Command, [&] { (this->*handler)(); }); });
    };
    combo(kIdcBetriebsweise, &CDimPage::OnBetriebsweise);
    combo(kIdcAnzahl, &CDimPage::OnBetriebsweise);
    combo(kIdcQuellArt, &CDimPage::OnQuellArt);
    auto* liste = qobject_cast<QListWidget*>(ui::child(this, kIdcKandidaten));
    QObject::connect(liste, &QListWidget::itemClicked, this,
                     [this] { ui::guarded(ui::Msg::Command, [&] { OnKandidat(); }); });
    CKVSDatenPage::onInitPage();
}

// The kinds a heat pump of the catalogue works with; a source of another kind keeps its own
// among them.
void CDimPage::FuelleArten(int gespeicherteArt) {
    m_arten.assign(std::begin(kWaehlbareArten), std::end(kWaehlbareArten));
    if (std::find(m_arten.begin(), m_arten.end(), gespeicherteArt) == m_arten.end())
        m_arten.insert(std::upper_bound(m_arten.begin(), m_arten.end(), gespeicherteArt), gespeicherteArt);
    auto* box = qobject_cast<QComboBox*>(ui::child(this, kIdcQuellArt));
    box->clear();
    for (int art : m_arten) box->addItem(Sprache(getQuellArtIDS(art)));
}

// The heat-source variants: the probe's tube types for probes, the collector for
// collectors, the kind of heat pump the source needs for air and water, the kind itself
// for any other source.
void CDimPage::FuelleVarianten() {
    auto* box = qobject_cast<QComboBox*>(ui::child(this, kIdcVariante));
    box->clear();
    const int art = m_logik->quellArt;
    const int medium = MediumFuerQuellArt(art);
    if (art == kSondeArt) {
        for (int v = 0; v < kProbeVarianten; ++v) box->addItem(Sprache(getSondenartIDS(v)));
    } else if (art == kKollektorArt) {
        box->addItem(Sprache(3601));  // "horizontal ground collector"
    } else if (medium == kMediumLuft || medium == kMediumWasser) {
        box->addItem(Sprache(getWPmediumIDS(medium)));
    } else {
        box->addItem(Sprache(getQuellArtIDS(art)));
    }
}

bool CDimPage::onSetActive() {
    if (!CKVSDatenPage::onSetActive()) return false;
    if (!m_logik) return true;
    CDimPageLogik& l = *m_logik;
    CWQuelle2* quelle = m_dok->GetWQuelle(1);
    if (!quelle) ThrowFehler(textid::kNichtInitialisiert, u"CDimPage::OnSetActive");
    if (!m_artGewaehlt) {
        l.quellArt = quelle->GetWert(ID_QuellMediumIdx).GetIntVal();
        FuelleArten(l.quellArt);
    }
    l.betriebsweise = SeitenModus(quelle->GetWert(ID_BetrWeiseIdx).GetIntVal());
    l.dimPunktTemp = static_cast<int>(quelle->GetWert(ID_DimPunktTemp).GetFloatVal());
    l.festerDimPunkt = quelle->GetWert(ID_UserQuellTemp).GetBoolVal();
    l.variante = l.quellArt == kSondeArt ? quelle->GetWert(ID_Sondenart).GetIntVal() : 0;
    l.anzahlIndex = std::clamp(static_cast<int>(m_dok->Projekt().GetWert(ID_AnzahlWP).GetUIntVal()) - 1, 0,
                               kAnzahlWPMax - 1);
    l.wwAuswahl = WWAuswahl(l.betriebsweise);
    l.SetMinDimPunktTemp();
    l.dimPunktTemp = std::max(l.dimPunktTemp, l.minDimPunktTemp);
    if (l.bivalenzTemp < l.minDimPunktTemp) l.bivalenzTemp = l.dimPunktTemp;
    FuelleVarianten();
    updateData(false);
    EnableControls();
    FillPageDaten(1);
    return true;
}

void CDimPage::doDataExchange(ui::DataExchange& dx) {
    if (!m_logik) return;
    CDimPageLogik& l = *m_logik;
    dx.listIndex(kIdcBetriebsweise, l.betriebsweise);
    dx.listIndex(kIdcAnzahl, l.anzahlIndex);
    // The kind is taken over by its own handler, which fills the variants anew.
    if (!dx.saving()) {
        int art = static_cast<int>(std::find(m_arten.begin(), m_arten.end(), l.quellArt) - m_arten.begin());
        dx.listIndex(kIdcQuellArt, art);
    }
    const bool eigeneVariante = l.betriebsweise == 0 || l.betriebsweise == 3;
    int variante = eigeneVariante ? l.variante : -1;
    dx.listIndex(kIdcVariante, variante);
    // The modes without a variant of their own show none; the variant chosen before stays.
    if (dx.saving() && eigeneVariante && variante >= 0) l.variante = variante;
    int dimPunkt = l.dimPunktTemp;
    dx.integer(kIdcDimPunkt, dimPunkt);
    if (dx.saving()) {
        // The design point lies between the lowest usable point and +12 °C.
        CVRMString text;
        if (dimPunkt < l.minDimPunktTemp) text.Format(kBivalenzMin, l.minDimPunktTemp);
        if (dimPunkt > kHoechsterDimPunkt) text.Format(kBivalenzMax, kHoechsterDimPunkt);
        if (!text.empty()) {
            Meldung(text);
            ui::child(this, kIdcDimPunkt)->setFocus();
            throw platform::UserException();
        }
        l.dimPunktTemp = dimPunkt;
    }
    CVRMString tiefster;
    tiefster.Format(kFormatInt, l.minDimPunktTemp);
    if (!dx.saving()) ui::setChildText(this, kIdcMinDimPunkt, tiefster);
    // The bivalence point is shown, not typed: the project keeps one point, the design
    // point above, and the bivalence point is found by the page or its dialog.
    if (!dx.saving()) {
        CVRMString bivalenz;
        bivalenz.Format(kFormatInt, l.bivalenzTemp);
        ui::setChildText(this, kIdcBivalenz, bivalenz);
    }
}

bool CDimPage::Lies() { return updateData(true); }

void CDimPage::EnableControls() {
    const int modus = m_logik ? m_logik->betriebsweise : -1;
    const bool eigeneVariante = modus == 0 || modus == 3;
    for (int id : {kIdcBetriebsweise, kIdcAnzahl, kIdcQuellArt, kIdcDimPunkt, kIdcBivalenz})
        EnableDlgItem(this, static_cast<unsigned>(id), m_logik != nullptr);
    EnableDlgItem(this, kIdcVariante, eigeneVariante);
    EnableDlgItem(this, kIdcSuchen, m_logik != nullptr);
    EnableDlgItem(this, kIdcDimPunktDialog, modus >= 0);
}

void CDimPage::FillPageDaten(int /*reload*/) {
    if (m_logik) Suche(true);
}

void CDimPage::Suche(bool meldeLeere) {
    CDimPageLogik& l = *m_logik;
    if (l.betriebsweise > 3) ThrowFehler(textid::kFalscheKonstante, u"CDimPage::FillPageDaten");
    // Without a mode there are no design values to search with: the list waits for one.
    if (l.betriebsweise < 0) {
        l.kandidaten.clear();
        ZeigeKandidaten();
        return;
    }
    const bool gefunden = l.Dimensioniere(l.AuslegungsWerte(), this);
    ZeigeKandidaten();
    // A cancelled search keeps its list; a search without a fitting unit says so.
    if (meldeLeere && !gefunden && l.kandidaten.empty()) Meldung(CResManager::getLangText(kNichtMoeglich));
}

void CDimPage::ZeigeKandidaten() {
    auto* liste = qobject_cast<QListWidget*>(ui::child(this, kIdcKandidaten));
    liste->clear();
    for (const SKandidat& k : m_logik->kandidaten) liste->addItem(QString::fromStdU16String(k.name));
    const auto treffer = liste->findItems(QString::fromStdU16String(m_logik->wpName), Qt::MatchExactly);
    if (!m_logik->wpName.empty() && !treffer.isEmpty()) {
        liste->setCurrentItem(treffer.front());
    } else {
        m_logik->wpName.clear();
    }
    ZeigeGewaehlte();
}

void CDimPage::OnKandidat() {
    auto* liste = qobject_cast<QListWidget*>(ui::child(this, kIdcKandidaten));
    if (!liste->currentItem()) return;
    m_logik->wpName = liste->currentItem()->text().toStdU16String();
    ZeigeGewaehlte();
}

// The chosen unit's total output at the design point and its kind.
void CDimPage::ZeigeGewaehlte() {
    CDimPageLogik& l = *m_logik;
    const auto k = std::find_if(l.kandidaten.begin(), l.kandidaten.end(),
                                [&](const SKandidat& e) { return e.name == l.wpName; });
    if (l.wpName.empty() || k == l.kandidaten.end()) {
        ui::setChildText(this, kIdcGesamtleistung, u"");
        ui::setChildText(this, kIdcMedium, u"");
        return;
    }
    const SAuslegungsWerte w = l.AuslegungsWerte();
    CVRMString leistung;
    leistung.Format(kGesamtleistung, k->leistung * static_cast<float>(l.anzahlIndex + 1), w.vorlaufTemp2,
                    w.quellTemp);
    ui::setChildText(this, kIdcGesamtleistung, leistung);
    CWPumpe2 wp;
    CVRMdatenProvider::get().fill(wp, l.wpName);
    const int medium = wp.GetWert(ID_MedienTyp).GetIntVal();
    if (medium < 0 || medium > 3) {
        CVRMString text;
        text.Format(kTypUnbekannt, l.wpName);
        Meldung(text);
        ThrowFehler(kNichtMoeglich, u"CDimPage::ZeigeGewaehlte");
    }
    ui::setChildText(this, kIdcMedium, CResManager::getLangText(static_cast<uint16_t>(kMediumTexte[medium])));
}

void CDimPage::OnBetriebsweise() {
    if (!Lies()) return;
    CDimPageLogik& l = *m_logik;
    l.wwAuswahl = WWAuswahl(l.betriebsweise);
    l.SetMinDimPunktTemp();
    l.dimPunktTemp = std::max(l.dimPunktTemp, l.minDimPunktTemp);
    updateData(false);
    EnableControls();
    FillPageDaten(1);
}

void CDimPage::OnQuellArt() {
    if (!Lies()) return;
    const int index = qobject_cast<QComboBox*>(ui::child(this, kIdcQuellArt))->currentIndex();
    if (index < 0 || index >= static_cast<int>(m_arten.size())) return;
    CDimPageLogik& l = *m_logik;
    m_artGewaehlt = true;
    if (m_arten[static_cast<size_t>(index)] == l.quellArt) return;
    WechsleArt(m_arten[static_cast<size_t>(index)]);
    l.wpName.clear();
    updateData(false);
    EnableControls();
    FillPageDaten(1);
}

void CDimPage::OnDimPunktDialog() {
    if (!Lies()) return;
    CDimPageLogik& l = *m_logik;
    CDlgCalcDPT dialog(*m_dok, l.minDimPunktTemp, false, l.anzahlIndex + 1, this);
    dialog.SetzeQuellArt(l.quellArt);
    const int ende = dialog.doModal();
    CVRMString angenommen;
    if (ende == CDlgCalcDPT::kIdcBivalenzAnnehmen) {
        l.bivalenzTemp = dialog.GetErgebnisTemp();
        l.dimPunktTemp = std::max(dialog.GetErgebnisTemp(), l.minDimPunktTemp);
    } else if (ende == CDlgCalcDPT::kIdcWPUebernehmen) {
        angenommen = dialog.GetWPName();
        PasseArtAn(angenommen);
    } else {
        return;
    }
    updateData(false);
    // The accepted unit is the one designed, whether the search lists it or not.
    Suche(angenommen.empty());
    if (!angenommen.empty()) {
        l.NimmAuf(angenommen);
        l.wpName = angenommen;
        ZeigeKandidaten();
    }
    PruefeVorlauf();
    if (!l.ModusReichtFuerVorlauf()) Meldung(CResManager::getLangText(kModusVorlauf));
}

// A unit that cannot use the chosen kind of source takes the first kind it can use.
void CDimPage::PasseArtAn(const CVRMString& wpName) {
    CDimPageLogik& l = *m_logik;
    CWPumpe2 wp;
    CVRMdatenProvider::get().fill(wp, wpName);
    if (wp.PasstZuQuellenMedium(l.quellArt, -2)) return;
    const auto art = std::find_if(m_arten.begin(), m_arten.end(),
                                  [&wp](int a) { return wp.PasstZuQuellenMedium(a, -2); });
    if (art == m_arten.end()) return;
    m_artGewaehlt = true;
    WechsleArt(*art);
}

// A probe takes the form the source has; the other kinds have one variant.
void CDimPage::WechsleArt(int art) {
    CDimPageLogik& l = *m_logik;
    l.SetzeQuellArt(art);
    l.variante = art == kSondeArt ? m_dok->GetWQuelle(1)->GetWert(ID_Sondenart).GetIntVal() : 0;
    FuelleVarianten();
}

// The chosen unit must reach the flow temperature the design point asks for.
void CDimPage::PruefeVorlauf() {
    CDimPageLogik& l = *m_logik;
    if (l.wpName.empty()) return;
    CWPumpe2 wp;
    CVRMdatenProvider::get().fill(wp, l.wpName);
    const SAuslegungsWerte w = l.AuslegungsWerte();
    const float maxVorlauf = wp.getMVT(w.quellTemp);
    if (maxVorlauf >= w.vorlaufTemp2) return;
    CVRMString text;
    text.Format(kVorlaufZuHoch, maxVorlauf, w.vorlaufTemp2);
    Meldung(text);
}

bool CDimPage::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdcSuchen:
            if (!Lies()) return true;
            if (m_logik->betriebsweise < 0) {
                Meldung(CResManager::getLangText(kModusWaehlen));
                return true;
            }
            FillPageDaten(1);
            return true;
        case kIdcDimPunktDialog:
            OnDimPunktDialog();
            return true;
        default:
            return CKVSDatenPage::onCommand(id, notifyCode, from);
    }
}

bool CDimPage::onWizardFinish() {
    if (!m_logik || !Lies()) return false;
    return CDimAbschluss(*m_logik, *m_dok).SchliesseAb();
}
