// The dimensioning wizard: its preconditions, the modal wizard over the project's pages,
// the takeover of the design and the rebuild of the data sheet afterwards.
#include <exception>
#include <memory>

#include "app/base/KVSDatenPage.h"
#include "app/base/KVSDatenSheet.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/DimWizard.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/SpeicherVorgang.h"
#include "core/value/VRMVariant.h"
#include "model/errors/Fehler.h"
#include "model/source/WQuelle2.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kZweiQuellen = 3265;        // "The program cannot design projects with combined heat sources..."
constexpr unsigned kKomponentenFehlen = 3266;  // "First you have to select a building, a tariff and a heat source..."
constexpr unsigned kSeitenOffen = 3267;        // "Please, first close the data page(s)."
constexpr unsigned kAbgebrochen = 3268;        // "Design aborted!"
constexpr unsigned kMitFehlern = 3269;         // "Design finished with error(s)!"
constexpr unsigned kMonovalent = 3004;         // "It is assumed, that the hot water tank heat pump is operated in monovalent..."
constexpr unsigned kPumpenPruefen = 3649;      // "Please check, if the power consumption of the pumps..."
constexpr unsigned kZweiteQuelleWaehlen = 5581;  // "Please select the second heat source."
constexpr uint32_t kHinweis = platform::mb::ICONINFORMATION;
constexpr int kWWSpeicherWP = 3;    // house value 194: a hot-water tank heat pump
constexpr int kMonovalentModus = 1;
constexpr float kDimVorlauf = 35.0f;

void Meldung(unsigned textId) {
    KVSMessageBoxID(textId, textid::kProduktCaption, kHinweis);
}

bool IstBivalentModus(int modus) {
    return modus == 2 || modus == 4 || modus == 6 || modus == 8;
}

// The source temperature at which the heat pump's total output is taken, by source kind.
float QuellTempFuerArt(int art, CHaus2& haus) {
    switch (art) {
        case 0: case 1: case 4: case 5: return 0.0f;
        case 2: return 2.0f;
        case 3: return 10.0f;
        case 6: return static_cast<float>(haus.GetWert(ID_MittlRaumTemp).GetIntVal());
        default: ThrowFehler(textid::kFalscheKonstante, u"CKelvoDoc::BroadcastDimDaten");
    }
}

}  // namespace

void CKelvoDoc::DoDimensionierung() {
    if (!m_projekt.IstAenderbar(true)) return;
    const bool hausUndTarif = !ProjektText(ID_Haus).empty() && m_haus.IstInitialisiert() &&
                              !ProjektText(ID_Tarif).empty() && m_tarif.IstGueltig();
    const bool quellLink = !ProjektText(ID_WQuelle).empty();
    // A new project's empty heat source counts as there: the design is where the kind of its
    // first source is chosen. It is written only once every other condition holds, so that a
    // refused design leaves the project as it was.
    const bool neueQuelle = hausUndTarif && quellLink && !HatWQuelleDaten(ProjektText(ID_WQuelle));
    if (!hausUndTarif || !quellLink || (!neueQuelle && !m_kombiQuelle.IstGueltig()))
        return Meldung(kKomponentenFehlen);
    if (m_kombiQuelle.GetAnzahlWQuellen() >= 2) return Meldung(kZweiQuellen);
    if (IsEditOpen(true)) return Meldung(kSeitenOffen);
    if (neueQuelle) {
        GibNeuemProjektErsteWQuelle();
        if (!m_kombiQuelle.IstGueltig()) return Meldung(kKomponentenFehlen);
    }

    try {
        m_beschaeftigt = 1;
        // Whatever is written while the wizard is open belongs to the design: Finish writes
        // it with the design, Cancel takes it back.
        CSpeicherVorgang entwurf(CSpeicherVorgang::Dialoge::GehoerenDazu);
        DeleteDatenPages(*m_sheet);
        std::unique_ptr<CKVSDatenSheet> wizard;
        bool fertig = false;
        try {
            CMainFrame* haupt = GetKelvoAppObjekt().GetMainFrame();
            wizard = std::make_unique<CKVSDatenSheet>(std::u16string(m_name), haupt);
            wizard->SetDokument(this);
            // Each step whose page exists; the page pointers name the wizard's pages.
            const auto schritt = [&](CKVSDatenPage*& zeiger, int kind) {
                SSeitenWunsch wunsch;
                wunsch.kind = kind;
                wunsch.wizard = 1;
                wunsch.haus = &m_haus;
                std::unique_ptr<CKVSDatenPage> seite = ErzeugeDatenSeite(wunsch);
                if (!seite) return false;
                zeiger = seite.release();
                wizard->AddDatenPage(zeiger);
                return true;
            };
            const CVRMString haus = m_haus.getConsumerName();
            if (schritt(m_hausSeite, kHausSeite)) m_hausSeite->LoadKomponente(haus, m_name, {});
            if (schritt(m_wwSeite, kWWSeite)) m_wwSeite->LoadKomponente(haus, m_name, {});
            if (schritt(m_tarifSeite, CKVSDatenSheet::kTarif))
                m_tarifSeite->LoadKomponente(m_tarif.getConsumerName(), m_name, {});
            if (schritt(m_wq1Seite, kWQ1Seite)) m_wq1Seite->LoadKomponente(QuellenSchluessel(true), m_name, {});
            if (schritt(m_dimSeite, kDimSeitenArt)) m_dimSeite->SetPageTitle(m_name);
            wizard->setFlags(ui::PropertySheet::Wizard);
            fertig = wizard->doModal() == ui::kResultFinish;
        } catch (...) {
            ShowFremdenFehler(std::current_exception());
            ShowFehler(kAbgebrochen, nullptr);
            fertig = false;
        }
        // What the wizard's pages took over lives only in memory: a design not finished
        // leaves the project as the database holds it.
        if (fertig)
            entwurf.Abschliessen();
        else
            entwurf.Verwerfen();
        if (!fertig) ResetKomponenten();
        // A wizard that could not even be made has no pages to let go.
        if (wizard) {
            DeleteDatenPages(*wizard);
            wizard.reset();
        }
        m_beschaeftigt = 0;
        UpdateProjektBearbeiten(hinweis::kAlles);
        // The views set their page buttons while the wizard held the pages, when the
        // project's own pages were gone: the project hint sets them again.
        UpdateAllViews(nullptr, hinweis::kProjekt);
        if (m_sheet->pageCount() > 0) m_sheet->setActivePage(0);
        if (!m_sheetFenster) return;
        m_sheet->UpdatePageDaten2(hinweis::kAlles);
        if (!fertig) {
            if (CMainFrame* haupt = GetKelvoAppObjekt().GetMainFrame()) haupt->raise();
        } else if (CWQuelle2* erste = GetWQuelle(1);
                   erste && IstBivalentModus(erste->GetWert(ID_BetrWeiseIdx).GetIntVal())) {
            Meldung(kZweiteQuelleWaehlen);
            OnEditDatenPage(kWQ2Seite);
        } else {
            Meldung(kPumpenPruefen);
            OnEditDatenPage(kProjektSeite);
        }
    } catch (...) {
        ShowFremdenFehler(std::current_exception());
        ShowFehler(kMitFehlern, nullptr);
    }
    m_beschaeftigt = 0;
}

void CKelvoDoc::BroadcastDimDaten(const SDimDaten& d) {
    if (!m_beschaeftigt) ThrowFehler(textid::kKeinDimModus, u"CKelvoDoc::BroadcastDimDaten");
    // The kind decides the source temperature below; a kind that has none is refused before
    // the heat pump is exchanged and any project value changes.
    const float quellTemp = QuellTempFuerArt(d.quellArt, m_haus);
    const unsigned anzahl = static_cast<unsigned>(d.anzahl);
    // The entries of the wizard's pages are saved with the design, before the design writes
    // its own values over those records.
    if (d.speichern) {
        for (CKVSDatenPage* seite : {m_hausSeite, m_wwSeite, m_tarifSeite, m_wq1Seite})
            if (seite) seite->SchreibeUebernommene();
    }
    BroadcastWPDimDaten(d.wpName, anzahl, d.quellArt, 0, d.speichern);
    if (m_haus.GetWert(ID_WWSpTyp).GetIntVal() == kWWSpeicherWP && d.quelle.betrWeise != kMonovalentModus)
        Meldung(kMonovalent);
    m_projekt.GetWert(ID_VPF) = d.quellArt == 3 ? 1.14f : 1.075f;
    if (m_wpumpe.GetWert(ID_AVE).GetBoolVal()) {
        m_projekt.GetWert(ID_StromAbtauen) = 0u;
        m_projekt.GetWert(ID_BerechAT) = false;
    }
    const float kapazitaet = m_wpumpe.GetWert(ID_VolStromSole).GetFloatVal() * static_cast<float>(anzahl);
    float leistung = 0.0f;
    m_wpumpe.GetLeistungGesamt(0, quellTemp, kDimVorlauf, m_haus.GetWert(ID_HeizVorlauf).GetFloatVal(),
                               m_haus.GetWert(ID_HeizRuecklauf).GetFloatVal(), leistung);
    // A library house the user database cannot keep takes the value in memory only.
    if (IGlobal::NimmtSatzAuf(m_haus.getConsumerName()))
        m_haus.SetWert(ID_MRU, CVRMVariant(m_haus.GetMinVorlaufTemp()), d.speichern != 0);
    else
        WeiseTypgerechtZu(m_haus.GetWert(ID_MRU), CVRMVariant(m_haus.GetMinVorlaufTemp()));
    if (d.speichern) m_projekt.Speichern();

    SDimWQuelle dim;
    dim.art = d.quellArt;
    dim.sondenLaenge = d.quelle.sondenLaenge;
    dim.anzahl = d.quelle.anzahl;
    dim.aussen = d.quelle.aussen;
    dim.flaeche = d.quelle.flaeche;
    dim.rohrLaenge = d.quelle.rohrLaenge;
    dim.betrWeise = d.quelle.betrWeise;
    dim.dimPunktTemp = d.quelle.dimPunktTemp;
    dim.spreizung = m_projekt.GetWert(ID_TempDiffVerdampf2).GetFloatVal();
    dim.entzugLeistung = leistung;
    dim.nennVolStrom = kapazitaet;
    dim.pumpenMedium = m_wpumpe.GetWert(ID_MedienTyp).GetIntVal();
    dim.weiterer = d.quelle.weiterer;
    dim.sondenart = d.quelle.sondenart;
    m_kombiQuelle.SetDimDaten(dim, d.speichern != 0);
    UpdateAllViews(nullptr, hinweis::kWQuelle);
}
