#include "evaluation/dim/DimAbschluss.h"

#include <exception>

#include "core/text/TextIdConstants.h"
#include "core/value/SpeicherVorgang.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/AuswertManager.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/house/Haus2.h"
#include "model/source/WQuelle2.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kCaptionAuslegung = 3193;     // "Design"
constexpr unsigned kAnzahlWaehlen = 3386;        // "You must select the number of heat pumps!"
constexpr unsigned kWPWaehlen = 4107;            // "Please select a heat pump first."
constexpr unsigned kBetriebsweiseWaehlen = 3231;  // "Please, select first a type of heat pump."
constexpr unsigned kWWNichtMoeglich = 5617;      // "The mode of operation ... hot water ..."
constexpr unsigned kVarianteWaehlen = 3230;      // "Please select a collector variant!"
constexpr unsigned kModusVorlauf = 5743;         // "The selected mode of operation cannot be used ..."
constexpr unsigned kSchichtenZuFlach = 3427;     // "The soil layers are not given up to the depth ..."
constexpr unsigned kBohrtiefe = 3528;            // "Attention: Drill depth is deeper than %u m !"
constexpr unsigned kAbschlussFehler = 3110;      // "Error when finishing design"

constexpr float kKeineLast = 0.1f;
constexpr int kWWmitWP = 1;
constexpr int kWWZweiteQuelle = 3;
constexpr int kSonde = 0;

void Meldung(unsigned textId) {
    KVSMessageBoxID(textId, kCaptionAuslegung, platform::mb::OK | platform::mb::ICONEXCLAMATION);
}

void Meldung(const CVRMString& text) {
    KVSMessageBoxCaptionID(text, kCaptionAuslegung, platform::mb::OK | platform::mb::ICONEXCLAMATION);
}

// The source is sized as the kind the user chose; the record keeps its own kind until the
// design is taken over.
class ArtInQuelle {
  public:
    ArtInQuelle(CWQuelle2* quelle, int art) : m_quelle(quelle) {
        if (!m_quelle) return;
        m_vorher = m_quelle->GetWert(ID_QuellMediumIdx).GetIntVal();
        m_quelle->GetWert(ID_QuellMediumIdx) = art;
    }
    ~ArtInQuelle() {
        if (m_quelle) m_quelle->GetWert(ID_QuellMediumIdx) = m_vorher;
    }
    ArtInQuelle(const ArtInQuelle&) = delete;
    ArtInQuelle& operator=(const ArtInQuelle&) = delete;

  private:
    CWQuelle2* m_quelle;
    int m_vorher = 0;
};

bool IstErdreich(int quellArt) { return quellArt == 0 || quellArt == 1 || quellArt == 4 || quellArt == 5; }

// The modes in which the user sets the heat-source variant and the bivalence point.
bool EigeneVariante(int betriebsweise) { return betriebsweise == 0 || betriebsweise == 3; }

}  // namespace

bool CDimAbschluss::PruefeSeite() {
    CDimPageLogik& s = m_seite;
    if (s.anzahlIndex < 0) {
        Meldung(kAnzahlWaehlen);
        return false;
    }
    // Without a mode nothing was searched, so the mode is asked for first.
    if (s.betriebsweise < 0) {
        Meldung(kBetriebsweiseWaehlen);
        return false;
    }
    if (s.wpName.empty()) {
        Meldung(kWPWaehlen);
        return false;
    }
    if (!PruefeWarmwasser()) return false;
    if (EigeneVariante(s.betriebsweise) && s.variante < 0) {
        Meldung(kVarianteWaehlen);
        return false;
    }
    return PruefeVorlauf();
}

// Hot water by a second heat source needs a mode with a second generator; a house without
// heating load needs the heat pump to make its hot water.
bool CDimAbschluss::PruefeWarmwasser() {
    CHaus2* haus = m_dok.GetHaus();
    if (!haus) return true;
    const int wwModus = haus->GetWert(ID_WWmitWP).GetIntVal();
    const bool keineLast = haus->GetWert(ID_NormwaermeBedarf).GetFloatVal() < kKeineLast;
    if ((wwModus == kWWZweiteQuelle && m_seite.wwAuswahl < 0) || (keineLast && wwModus != kWWmitWP)) {
        Meldung(kWWNichtMoeglich);
        return false;
    }
    return true;
}

// In the monovalent mode the heat pump alone reaches the flow temperature down to the lowest
// usable design point.
bool CDimAbschluss::PruefeVorlauf() {
    if (m_seite.ModusReichtFuerVorlauf()) return true;
    Meldung(kModusVorlauf);
    return false;
}

void CDimAbschluss::PruefeSonden(const SDimQuellWerte& groesse) {
    CWQuelle2* quelle = m_dok.GetWQuelle(1);
    if (!quelle || m_seite.quellArt != kSonde) return;
    // The default ground follows the sized probes when the design is written.
    if (!quelle->HatVorgabeBoden() && groesse.sondenLaenge > quelle->GetBodenProfilTiefe())
        Meldung(kSchichtenZuFlach);
    int32_t maxTiefe = 0;
    GetKelvoApp().GetOptionsManager().GetLongWert(OPT_GRENZ_BT, maxTiefe);
    if (maxTiefe > 0 && groesse.sondenLaenge > static_cast<unsigned>(maxTiefe)) {
        CVRMString text;
        text.Format(kBohrtiefe, static_cast<unsigned>(maxTiefe));
        Meldung(text);
    }
}

bool CDimAbschluss::SchliesseAb() {
    if (!PruefeSeite()) return false;
    CDimPageLogik& s = m_seite;
    if (s.betriebsweise == 1) s.variante = 2;
    if (s.betriebsweise == 2) s.variante = 3;
    try {
        // A design that fails part-way takes back what it wrote.
        CSpeicherVorgang vorgang;
        // A probe's variant is its form where the user chose it; otherwise the source keeps
        // its own form.
        CWQuelle2* quelle = m_dok.GetWQuelle(1);
        const bool gewaehlt = s.quellArt == kSonde && EigeneVariante(s.betriebsweise);
        const int sondenart =
            gewaehlt || !quelle ? s.variante : quelle->GetWert(ID_Sondenart).GetIntVal();
        SQuellBemessung b;
        b.wpName = s.wpName;
        b.anzahl = s.anzahlIndex + 1;
        b.betrWeise = CDimPageLogik::DokModus(s.betriebsweise, u"CDimPage::OnWizardFinish");
        b.dimPunktTemp = s.dimPunktTemp;
        b.sondenart = sondenart;
        const SDimQuellWerte groesse = [&] {
            const ArtInQuelle art(quelle, s.quellArt);
            return m_dok.BemesseErsteQuelle(b);
        }();
        PruefeSonden(groesse);
        ResetAlleBerechnungen();
        SDimDaten d;
        d.wpName = s.wpName;
        d.anzahl = s.anzahlIndex + 1;
        d.variante = s.variante;
        d.modus = s.betriebsweise;
        d.dimPunkt = static_cast<float>(s.dimPunktTemp);
        d.tiefsterPunkt = static_cast<float>(s.minDimPunktTemp);
        d.bivalenzTemp = static_cast<float>(s.bivalenzTemp);
        // Only a ground source has a count of probes or circuits to class.
        d.klassenIndex = IstErdreich(s.quellArt) ? CDimPageLogik::KlassenIndex(groesse.anzahl) : -1;
        d.quellArt = s.quellArt;
        // The size is the sizing's; the mode, point and form are the design's own.
        d.quelle = groesse;
        d.quelle.betrWeise = b.betrWeise;
        d.quelle.dimPunktTemp = b.dimPunktTemp;
        d.quelle.sondenart = b.sondenart;
        m_dok.BroadcastDimDaten(d);
        vorgang.Abschliessen();
    } catch (const std::exception&) {
        ShowFehler(kAbschlussFehler, nullptr);
        return false;
    }
    return true;
}
