#include "pages/ProjektPage.h"

#include <QEvent>
#include <QLineEdit>

#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "controls/small/FloatEdit.h"
#include "core/text/TextIdConstants.h"
#include "core/value/DatenBereich.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/format/Format.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kTitel = 3385;           // "Project data"
constexpr unsigned kFrage = 3408;           // "Save changed project data?"
constexpr unsigned kSummeNicht100 = 3247;   // "The running times of both tariffs must be 100% !"
constexpr unsigned kAnteilKlein = 3248;     // "One running time is really < 20% ?"
constexpr unsigned kVentilatorInWP = 6030;  // "Fan covered by heat pump data"
constexpr int kMaxAdresse = 40;
constexpr int kLuft = 1, kWasser = 2, kOhneQuellpumpe = 3, kAbluft = 4;  // heat-pump media

// Group frames, labels and the country-dependent controller group.
constexpr int kGrAdresse = 1918, kGrLaufzeit = 1928, kGrAbtauen = 1345, kGrHUP = 1931,
              kGrPumpen = 1922, kGrTemperatur = 1925, kGrAndere = 2218, kGrRegler = 2237;
constexpr int kTxAbtauen = 1346, kTxInfo = 1473, kTxVerdampf = 1926, kTxVerfluess = 1927,
              kTxZwischen = 1933, kTxRegler = 1824;

ui::ControlSpec Zahl(int id, ui::Rect du) {
    return {id, K::Custom, du, 0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 1); }};
}

void RegistriereVorlage() {
    if (ui::findDialogTemplate(CProjektPage::kIDD)) return;
    const std::vector<ui::ControlSpec> c = {
        // Left: address, tariff shares, defrosting, running time of the circulation pump.
        {kGrAdresse, K::Group, {7, 3, 209, 60}},
        {1919, K::Static, {14, 16, 66, 26}},
        {CProjektPage::kIdName, K::Edit, {68, 14, 202, 26}},
        {1920, K::Static, {14, 30, 66, 40}},
        {CProjektPage::kIdStrasse, K::Edit, {68, 28, 202, 40}},
        {1921, K::Static, {14, 44, 66, 54}},
        {CProjektPage::kIdOrt, K::Edit, {68, 42, 202, 54}},
        {kGrLaufzeit, K::Group, {7, 64, 209, 120}},
        {CProjektPage::kIdBerechneAnteile, K::Check, {14, 76, 202, 87}},
        {1929, K::Static, {14, 92, 150, 102}},
        {CProjektPage::kIdTag, K::Edit, {156, 90, 202, 102}},
        {1930, K::Static, {14, 106, 150, 116}},
        {CProjektPage::kIdNacht, K::Edit, {156, 104, 202, 116}},
        {kGrAbtauen, K::Group, {7, 124, 209, 180}},
        {kTxAbtauen, K::Static, {14, 136, 150, 156}},
        {CProjektPage::kIdAbtauen, K::Edit, {156, 138, 202, 150}},
        {CProjektPage::kIdBerechneAbtauen, K::Check, {14, 162, 202, 174}},
        {kGrHUP, K::Group, {7, 184, 209, 236}},
        {CProjektPage::kIdLaufzeitHUP, K::Edit, {14, 198, 54, 210}},
        {kTxInfo, K::Static, {60, 196, 202, 230}},
        // Right: pump powers, temperature differences, other heating systems, controller.
        {kGrPumpen, K::Group, {215, 3, 413, 60}},
        {CProjektPage::kIdTextQuellpumpe, K::Static, {222, 18, 362, 28}},
        {CProjektPage::kIdLeistungSP, K::Edit, {366, 16, 406, 28}},
        {CProjektPage::kIdTextVentilator, K::Static, {222, 18, 406, 28}, 0, u"", ui::cs::Hidden},
        {1924, K::Static, {222, 38, 362, 48}},
        {CProjektPage::kIdLeistungHUP, K::Edit, {366, 36, 406, 48}},
        {kGrTemperatur, K::Group, {215, 64, 413, 120}},
        {kTxVerdampf, K::Static, {222, 78, 362, 88}},
        Zahl(CProjektPage::kIdDiffVerdampf, {366, 76, 406, 88}),
        {kTxVerfluess, K::Static, {222, 92, 362, 102}},
        Zahl(CProjektPage::kIdDiffVerfluess, {366, 90, 406, 102}),
        {kTxZwischen, K::Static, {222, 106, 362, 116}},
        {CProjektPage::kIdZwischen, K::Edit, {366, 104, 406, 116}},
        {kGrAndere, K::Group, {215, 124, 413, 162}},
        {1806, K::Static, {222, 140, 266, 150}},
        {CProjektPage::kIdLeistHUPk, K::Edit, {268, 138, 300, 150}},
        {1822, K::Static, {310, 140, 364, 150}},
        {CProjektPage::kIdLaufHUPk, K::Edit, {366, 138, 406, 150}},
        {kGrRegler, K::Group, {215, 166, 413, 204}},
        {kTxRegler, K::Static, {222, 182, 266, 192}},
        {CProjektPage::kIdRleist, K::Edit, {268, 180, 300, 192}},
        {CProjektPage::kIdRlauf, K::Check, {310, 180, 406, 192}},
        {CEingabeSeite::kIdSpeichern, K::DefButton, {257, 242, 307, 256}},
        {CEingabeSeite::kIdSchliessen, K::Button, {310, 242, 360, 256}},
        {CEingabeSeite::kIdHilfe, K::Button, {363, 242, 413, 256}},
    };
    ui::registerDialogTemplate({CProjektPage::kIDD, {420, 262}, 0, u"", c});
}

bool ListenWertBool(const CVRMwerteListe& liste, TKelvoDatenID id) {
    std::shared_ptr<CVRMwert> wert;
    return liste.Lookup(id, wert) && wert && wert->GetBoolVal();
}

CVRMString ListenText(const CVRMwerteListe& liste, TKelvoDatenID id) {
    std::shared_ptr<CVRMwert> wert;
    return liste.Lookup(id, wert) && wert ? wert->GetStringVal() : CVRMString();
}

// A value list of the record `name`; none for an empty name.
void Lade(CVRMwerteListe& liste, const CVRMString& name) {
    if (name.empty()) {
        liste.free();
        return;
    }
    liste = CVRMdatenProvider::get().getWerte(name);
}

}  // namespace

CProjektPage::CProjektPage(int eingebettet)
    : CEingabeSeite({kIDD, kTitel, kFrage, 8, u"datenprj"}, eingebettet) {
    RegistriereVorlage();
}

void RegistriereProjektPage() {
    RegistriereDatenSeite(CKVSDatenSheetProtokoll::kProjekt, [](const SSeitenWunsch& w) {
        return std::unique_ptr<CKVSDatenPage>(std::make_unique<CProjektPage>(w.wizard));
    });
}

// ---- loading ---------------------------------------------------------------------------

void CProjektPage::SetPageTitle(const CVRMString& name) {
    CEingabeSeite::SetPageTitle(name);
    // Unsaved entries stay as the user typed them.
    if (!m_modified) UpdateFromDokument(name);
}

void CProjektPage::UpdateFromDokument(const CVRMString& projekt) {
    Lade(m_projekt, projekt);
    Lade(m_haus, ListenText(m_projekt, ID_Haus));
    Lade(m_tarif, ListenText(m_projekt, ID_Tarif));
    // A combination of two sources has no kind of its own: the first source stands for it.
    const CVRMString quelle = ListenText(m_projekt, ID_WQuelle);
    Lade(m_quelle, quelle);
    if (!quelle.empty() && !CVRMdatenProvider::get().istWertVorhanden(quelle, ID_QuellMediumIdx))
        Lade(m_quelle, ListenText(m_quelle, ID_KQuelle1));
    FillPageDaten(0);
}

void CProjektPage::FillPageDaten(int) {
    if (m_projekt.IsEmpty()) ThrowFehler(textid::kNichtInitialisiert, u"CProjektPage::FillPageDaten");
    m_name = ListenText(m_haus, ID_AdrName);
    m_strasse = ListenText(m_haus, ID_AdrStrasse);
    m_ort = ListenText(m_haus, ID_AdrOrt);
    const auto u = [this](TKelvoDatenID id) { return m_projekt.get(id).GetUIntVal(); };
    m_anteile = {u(ID_TAnteil1), u(ID_TAnteil2)};
    m_berechneAnteile = m_projekt.get(ID_BerechneTAnteile).GetBoolVal() ? 1 : 0;
    m_abtauen = platform::format(u"%u", u(ID_StromAbtauen));
    m_laufzeitHUP = u(ID_LaufzeitHUP);
    m_leistungSP = u(ID_LeistungSP2);
    m_leistungHUP = u(ID_LeistungHUP2);
    m_diffVerdampf = m_projekt.get(ID_TempDiffVerdampf2).GetFloatVal();
    m_diffVerfluess = m_projekt.get(ID_TempDiffVerfluess2).GetFloatVal();
    m_zwischenVerluste = u(ID_ZKWTV2);
    m_berechneAbtauen = m_projekt.get(ID_BerechAT).GetBoolVal() ? 1 : 0;
    m_leistHUPk = u(ID_LeistHUPk);
    m_laufHUPk = u(ID_LaufHUPk);
    m_rleist = u(ID_Rleist);
    m_rlauf = m_projekt.get(ID_Rlauf).GetBoolVal() ? 1 : 0;
    m_wpGeladen = WPWerte();
    if (!hasWindow()) return;
    TarifFreigabe();
    MediumFreigabe();
    ZeigeWerte();
}

int CProjektPage::Medium() const {
    CWPumpe2& wpumpe = Dokument().WPumpe();
    return wpumpe.IstGueltig() ? wpumpe.GetWert(ID_MedienTyp).GetIntVal() : 0;
}

bool CProjektPage::HatTarif(TKelvoDatenID id) const { return ListenWertBool(m_tarif, id); }

void CProjektPage::TarifFreigabe() {
    const bool tarif1 = HatTarif(ID_Tarif1), tarif2 = HatTarif(ID_Tarif2);
    ui::enableChild(this, kIdTag, tarif1 && !m_berechneAnteile);
    ui::enableChild(this, kIdNacht, tarif2 && !m_berechneAnteile);
    m_anteile = ErzwungeneAnteile(tarif1, tarif2, m_anteile);
    const SPumpenText text = PumpenText(Medium());
    ui::setChildText(this, kIdTextQuellpumpe, text.textId ? DlgText(text.textId).toStdU16String() : u"");
    if (text.leistungNull) m_leistungSP = 0;
}

// ---- opening and activation --------------------------------------------------------------

void CProjektPage::InitSeite() {
    for (int id : {kIdName, kIdStrasse, kIdOrt})
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id))) feld->setMaxLength(kMaxAdresse);
    if (auto* feld = ui::child(this, kIdAbtauen)) feld->installEventFilter(this);
    const bool regler = GetKelvoApp().GetLandCode() == 0;
    for (int id : {kGrRegler, kTxRegler, kIdRleist, kIdRlauf}) ui::showChild(this, id, regler);
    ui::enableChild(this, kIdDiffVerdampf, false);
    ui::enableChild(this, kIdDiffVerfluess, false);
    FillPageDaten(0);
}

void CProjektPage::MediumFreigabe() {
    // The sheet builds its first page before the project may have a heat pump: what
    // depends on the heat pump follows the one the project has now.
    const int medium = Medium();
    for (int id : {kGrAbtauen, kTxAbtauen, kIdBerechneAbtauen}) ui::enableChild(this, id, medium == kLuft);
    ui::enableChild(this, kIdAbtauen, medium == kLuft && !m_berechneAbtauen);
    CWPumpe2& wpumpe = Dokument().WPumpe();
    const bool ventilatorInWP = wpumpe.IstGueltig() && (medium == kLuft || medium == kAbluft) &&
                                wpumpe.GetWert(ID_VSE).GetBoolVal();
    ui::showChild(this, kIdTextQuellpumpe, !ventilatorInWP);
    ui::showChild(this, kIdLeistungSP, !ventilatorInWP);
    ui::showChild(this, kIdTextVentilator, ventilatorInWP);
}

bool CProjektPage::onSetActive() {
    if (!CEingabeSeite::onSetActive()) return false;
    const STarifAnteile vorher = m_anteile;
    LeseWerte();
    TagesAnteil(-1.0f);
    // What the page holds unsaved stays; otherwise it shows what the record holds now.
    if (!m_modified) {
        m_abtauen = platform::format(u"%u", m_projekt.get(ID_StromAbtauen).GetUIntVal());
        m_diffVerdampf = m_projekt.get(ID_TempDiffVerdampf2).GetFloatVal();
        m_diffVerfluess = m_projekt.get(ID_TempDiffVerfluess2).GetFloatVal();
        m_zwischenVerluste = m_projekt.get(ID_ZKWTV2).GetUIntVal();
        m_wpGeladen = WPWerte();
    }
    const bool gueltig = Dokument().WPumpe().IstGueltig();
    const int medium = Medium();
    const bool zwischen = gueltig && medium == kWasser && ListenWertBool(m_quelle, ID_ZwkWt);
    ui::enableChild(this, kTxZwischen, zwischen);
    ui::enableChild(this, kIdZwischen, zwischen);
    ui::enableChild(this, kIdDiffVerdampf, gueltig && medium != kOhneQuellpumpe);
    ui::enableChild(this, kTxVerdampf, gueltig && medium != kOhneQuellpumpe);
    ZeigeWerte();
    if (!(m_anteile == vorher)) SchreibeAnteile();
    return true;
}

void CProjektPage::TagesAnteil(float solarAnteil) {
    if (!m_berechneAnteile) return;
    CKelvoDoc& dokument = Dokument();
    if (solarAnteil < 0.0f) solarAnteil = dokument.GetSolarAnteil();
    const int tag = dokument.Tarif().ProzentTarif1(platform::toInt32(solarAnteil));
    if (tag < 0 || tag > 100) ThrowFehler(0, nullptr);
    m_anteile = {static_cast<unsigned>(tag), static_cast<unsigned>(100 - tag)};
}

void CProjektPage::SchreibeAnteile() {
    if (!Dokument().Projekt().IstAenderbar(false)) return;
    m_projekt.get(ID_TAnteil1) = m_anteile.tag;
    m_projekt.get(ID_TAnteil2) = m_anteile.nacht;
    CVRMdatenProvider::get().save(m_projekt, true);
}

void CProjektPage::RecalcTarifVerteilung(float solarAnteil) {
    try {
        if (hasWindow()) LeseWerte();
        // Shares the user typed are written by the save, after their checks.
        if (!m_berechneAnteile) return;
        TagesAnteil(solarAnteil);
        ZeigeWerte();
        SchreibeAnteile();
    } catch (...) {
        ShowFehler(textid::kKeineErgebnisse, u"CProjektPage::RecalcTarifVerteilung");
    }
}

void CProjektPage::UpdatePageDaten2(int hint) {
    if (m_projekt.getName().empty()) return;
    if (m_modified) {
        // A page with unsaved changes keeps the user's entries; the save writes them. A new
        // heat pump brings values of its own: the user decides about the entries first
        // (Cancel keeps them, and their save leaves the heat pump's values alone).
        if (hint != hinweis::kWPumpe || !CancelModifiedData(1) || m_modified) return;
    }
    UpdateFromDokument(m_projekt.getName());
}

// ---- controls ------------------------------------------------------------------------------

void CProjektPage::EnableControls() { CEingabeSeite::EnableControls(); }

std::vector<SDlgText> CProjektPage::Texte() const {
    return {{kGrAdresse, 4725, true}, {1919, 4726}, {1920, 4727}, {1921, 4728},
            {kGrLaufzeit, 4734, true}, {kIdBerechneAnteile, 4735}, {1929, 4736}, {1930, 4737},
            {kGrAbtauen, 4740, true}, {kTxAbtauen, 4741}, {kIdBerechneAbtauen, 4742},
            {kGrHUP, 4738, true}, {kTxInfo, 4739},
            {kGrPumpen, 4729, true}, {1924, 4730}, {kIdTextVentilator, kVentilatorInWP},
            {kGrTemperatur, 4731, true}, {kTxVerdampf, 4732}, {kTxVerfluess, 4733}, {kTxZwischen, 6069},
            {kGrAndere, 3003, true}, {1806, 3002}, {1822, 3001},
            {kGrRegler, 5583, true}, {kTxRegler, 5584}, {kIdRlauf, 5585}};
}

std::vector<int> CProjektPage::ErklaerTexte() const { return {kTxInfo}; }

std::vector<int> CProjektPage::Aenderungen() const {
    return {kIdTag, kIdNacht, kIdLeistungSP, kIdLeistungHUP, kIdDiffVerdampf, kIdDiffVerfluess,
            kIdRleist, kIdAbtauen, kIdLaufHUPk, kIdLeistHUPk, kIdName, kIdStrasse, kIdOrt,
            kIdLaufzeitHUP, kIdZwischen, kIdRlauf};
}

void CProjektPage::Austausch(ui::DataExchange& dx) {
    dx.text(kIdName, m_name);
    dx.text(kIdStrasse, m_strasse);
    dx.text(kIdOrt, m_ort);
    dx.check(kIdBerechneAnteile, m_berechneAnteile);
    dx.unsignedInt(kIdTag, m_anteile.tag, 0, 100);
    dx.unsignedInt(kIdNacht, m_anteile.nacht, 0, 100);
    dx.text(kIdAbtauen, m_abtauen);
    dx.check(kIdBerechneAbtauen, m_berechneAbtauen);
    dx.unsignedInt(kIdLaufzeitHUP, m_laufzeitHUP);
    dx.unsignedInt(kIdLeistungSP, m_leistungSP);
    dx.unsignedInt(kIdLeistungHUP, m_leistungHUP);
    dx.floating(kIdDiffVerdampf, m_diffVerdampf, datenbereich::kTempDifferenz.min, datenbereich::kTempDifferenz.max);
    dx.floating(kIdDiffVerfluess, m_diffVerfluess, datenbereich::kTempDifferenz.min, datenbereich::kTempDifferenz.max);
    dx.unsignedInt(kIdZwischen, m_zwischenVerluste, 0, 20);
    dx.unsignedInt(kIdLeistHUPk, m_leistHUPk);
    dx.unsignedInt(kIdLaufHUPk, m_laufHUPk);
    dx.unsignedInt(kIdRleist, m_rleist);
    dx.check(kIdRlauf, m_rlauf);
}

bool CProjektPage::Befehl(int id) {
    if (id == kIdBerechneAnteile) {
        OnBerechneAnteile();
        return true;
    }
    if (id == kIdBerechneAbtauen) {
        OnBerechneAbtauen();
        return true;
    }
    return false;
}

void CProjektPage::OnBerechneAnteile() {
    LeseWerte();
    Geaendert();
    if (m_berechneAnteile) TagesAnteil(-1.0f);
    TarifFreigabe();
    ZeigeWerte();
}

void CProjektPage::OnBerechneAbtauen() {
    LeseWerte();
    Geaendert();
    const bool luft = Dokument().WPumpe().IstGueltig() && Medium() == kLuft;
    ui::enableChild(this, kIdAbtauen, luft && !m_berechneAbtauen);
    if (m_berechneAbtauen && SaveModifiedData()) {
        m_abtauen = platform::format(u"%u", Dokument().GetAuswertKennzahl());
        Geaendert();
    }
    ZeigeWerte();
}

bool CProjektPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == ui::child(this, kIdAbtauen))
        ui::guarded(ui::Msg::Command, [this] { AbtauenVerlassen(); });
    return CEingabeSeite::eventFilter(watched, event);
}

void CProjektPage::AbtauenVerlassen() {
    // Only the text is put right here; the record takes the number when the page is saved.
    auto* feld = qobject_cast<QLineEdit*>(ui::child(this, kIdAbtauen));
    if (!feld) return;
    m_abtauen = platform::format(u"%u", FuehrendeZahl(feld->text().toStdU16String()));
    feld->setText(QString::fromStdU16String(m_abtauen));
}

// ---- saving --------------------------------------------------------------------------------

bool CProjektPage::PruefeEingaben() {
    const bool tarif1 = HatTarif(ID_Tarif1), tarif2 = HatTarif(ID_Tarif2);
    switch (PruefeAnteile(tarif1, tarif2, m_anteile)) {
        case AnteilPruefung::SummeFalsch:
            KVSMessageBoxID(kSummeNicht100, kTitel, platform::mb::ICONINFORMATION);
            return false;
        case AnteilPruefung::Nachfragen:
            return KVSMessageBoxID(kAnteilKlein, kTitel,
                                   platform::mb::YESNO | platform::mb::ICONQUESTION) != platform::id::NO;
        case AnteilPruefung::Gut:
            break;
    }
    return true;
}

bool CProjektPage::DarfSpeichern() {
    // A project of the library database (4295), asked of this page's own project.
    return Dokument().IstProjektAenderbar(true);
}

void CProjektPage::UebernimmWerte() {
    m_haus.get(ID_AdrName) = CVRMString(m_name);
    m_haus.get(ID_AdrOrt) = CVRMString(m_ort);
    m_haus.get(ID_AdrStrasse) = CVRMString(m_strasse);
    m_projekt.get(ID_StromAbtauen) = FuehrendeZahl(m_abtauen);
    m_projekt.get(ID_TAnteil1) = m_anteile.tag;
    m_projekt.get(ID_TAnteil2) = m_anteile.nacht;
    m_projekt.get(ID_BerechneTAnteile) = m_berechneAnteile == 1;
    m_projekt.get(ID_LaufzeitHUP) = m_laufzeitHUP;
    m_projekt.get(ID_BerechAT) = m_berechneAbtauen == 1;
    m_projekt.get(ID_Rleist) = m_rleist;
    m_projekt.get(ID_Rlauf) = m_rlauf == 1;
    // What the heat pump gave the record is written only where the user changed it here:
    // a save never puts the values of a heat pump the project no longer has back.
    const SWPWerte jetzt = WPWerte();
    if (jetzt.diffVerdampf != m_wpGeladen.diffVerdampf) m_projekt.get(ID_TempDiffVerdampf2) = m_diffVerdampf;
    if (jetzt.diffVerfluess != m_wpGeladen.diffVerfluess) m_projekt.get(ID_TempDiffVerfluess2) = m_diffVerfluess;
    if (jetzt.zwischenVerluste != m_wpGeladen.zwischenVerluste) m_projekt.get(ID_ZKWTV2) = m_zwischenVerluste;
    if (jetzt.leistungSP != m_wpGeladen.leistungSP) m_projekt.get(ID_LeistungSP2) = m_leistungSP;
    if (jetzt.leistungHUP != m_wpGeladen.leistungHUP) m_projekt.get(ID_LeistungHUP2) = m_leistungHUP;
    if (jetzt.leistHUPk != m_wpGeladen.leistHUPk) m_projekt.get(ID_LeistHUPk) = m_leistHUPk;
    if (jetzt.laufHUPk != m_wpGeladen.laufHUPk) m_projekt.get(ID_LaufHUPk) = m_laufHUPk;
}

void CProjektPage::NachSpeichern() { m_wpGeladen = WPWerte(); }

CProjektPage::SWPWerte CProjektPage::WPWerte() const {
    return {m_diffVerdampf, m_diffVerfluess, m_zwischenVerluste, m_leistungSP, m_leistungHUP,
            m_leistHUPk, m_laufHUPk};
}

std::vector<CEingabeSeite::SSpeicherListe> CProjektPage::Listen() {
    // The project record goes to the file with the house record, or alone.
    const bool mitHaus = !m_haus.getName().empty();
    std::vector<SSpeicherListe> listen = {{&m_projekt, u"Projekt-Daten ProjektPage", mitHaus ? 0 : 1}};
    if (mitHaus) listen.push_back({&m_haus, nullptr, 1});
    return listen;
}
