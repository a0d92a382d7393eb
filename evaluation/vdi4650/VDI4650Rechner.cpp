// Taking over the project's values, the source-pump factor, and what the dialog does on a
// change of kind or operating mode and on closing.
#include "evaluation/vdi4650/VDI4650Rechner.h"

#include "core/text/TextIdConstants.h"
#include "model/app/KelvoDocServices.h"
#include "model/data/Runden.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"

using namespace VDI4650;

namespace {

float Runde(float wert, int stellen) {
    return static_cast<float>(RundeAufStellen(wert, stellen));
}

// 1 + the source pump's power over the heat pump's electric power; 1 when the heat pump
// draws no power to compare with.
double PumpenAnteilFaktor(int pumpenLeistungW, float leistung, float cop) {
    const double elektro = static_cast<double>(leistung) / cop;
    if (!(elektro > 0.0)) return 1.0;
    return 1.0 + (pumpenLeistungW / 1000.0) / elektro;
}

// The guideline's source-pump factor of a water/water plant by its power (kW).
double WasserVorplanungsFaktor(float leistung, bool zwischenWT) {
    const double zuschlag = zwischenWT ? 0.075 : 0.0;
    if (leistung <= 10.0f) return 1.25 + zuschlag;
    if (leistung <= 20.0f) return 1.2 + zuschlag;
    return 1.14 + zuschlag;
}

float AufDreiStellen(double fp) {
    return static_cast<float>(platform::toInt32(fp * 1000.0 + 0.5) * 0.001);
}

}  // namespace

int GetNormTempKlasse(int tNorm) {
    if (tNorm <= -15) return -16;
    if (tNorm >= -10) return -10;
    if (tNorm % 2 == 0) return tNorm;
    return tNorm - 1;  // -13 and -11
}

int GetHeizgrenzeKlasse(int heizgrenze) {
    if (heizgrenze <= 11) return 10;
    if (heizgrenze <= 13) return 12;
    return 15;
}

CVDI4650Rechner::CVDI4650Rechner(bool listenModus, IKelvoDocServices* doc)
    : m_listenModus(listenModus), m_doc(doc) {}

void CVDI4650Rechner::SetDaten(const SVDI4650Projektdaten& d) {
    cop1 = Runde(d.cop1, 2);
    cop2 = Runde(d.cop2, 2);
    cop3 = Runde(d.cop3, 2);
    warmwasserWPFaktor = cop4 = Runde(d.warmwasserWP, 2);
    tQuelle = Runde(d.tQuelle, 1);
    leistung = Runde(d.leistung, 1);
    leistungAuslegung = Runde(d.leistungAuslegung, 1);
    tVorlauf = Runde(d.tVorlauf, 0);
    pruef = Runde(d.pruef, 0);
    betrieb = Runde(d.betrieb, 0);
    if (!GetSpreizungErweitern()) {
        if (!IstImBereich3bis10(pruef)) pruef = 10.0f;
        if (!IstImBereich3bis10(betrieb)) betrieb = 10.0f;
    }
    if (!GetBereichErweitern() && !IstVorlaufImBereich(tVorlauf, 0.0f)) tVorlauf = 40.0f;
    heizgrenze = GetHeizgrenzeKlasse(VDI4650::Runde(d.heizgrenze));
    tNorm = GetNormTempKlasse(VDI4650::Runde(d.tNorm));
    const int tBiv = VDI4650::Runde(d.tBiv);
    bivalenzIndex = tBiv < -10 ? 12 : tBiv < 3 ? 2 - tBiv : 0;

    art = d.art;
    zwischenWT = d.zwischenWT;
    betriebsweise = d.betriebsweise;
    warmwasser = d.warmwasser;
    wpName = d.wpName;
    if (!m_listenModus) wpFreitext = d.wpName;
    anzahl = d.anzahl;
    prozentHeizung = d.prozentHeizung;
    pumpenLeistung = d.pumpenLeistung;

    BerechneQuellenpumpenFaktor();
    if (!IstTabellenWert(heizgrenze) || !IstNormTempIndex(tNorm) ||
        !IstBivalenzImBereich(GetBivalenzTemp()))
        ThrowFehler(0, u"");
}

void CVDI4650Rechner::BerechneQuellenpumpenFaktor() {
    if (vorplanung) {
        fp = GetEmpfohlenerPumpenFaktor();
        return;
    }
    const float berechnet = GetBerechneterPumpenFaktor();
    fp = berechnet < 0.0f ? 1.0f : berechnet;
}

float CVDI4650Rechner::GetEmpfohlenerPumpenFaktor() const {
    switch (art) {
        case kSoleWasser:
            return AufDreiStellen(1.075);
        case kWasserWasser:
            return AufDreiStellen(WasserVorplanungsFaktor(leistung, zwischenWT));
        default:
            return 1.0f;
    }
}

float CVDI4650Rechner::GetBerechneterPumpenFaktor() const {
    switch (art) {
        case kSoleWasser:
            return AufDreiStellen(PumpenAnteilFaktor(pumpenLeistung, leistung, cop2));
        case kWasserWasser:
            return AufDreiStellen(PumpenAnteilFaktor(pumpenLeistung, leistung, cop3));
        default:
            return -1.0f;
    }
}

void CVDI4650Rechner::WechsleWPArt(int neueArt) {
    if (neueArt == kWasserWasser)
        tQuelle = 10.0f;
    else if (neueArt == kDirektverdampfung)
        tQuelle = -1.0f;
    else if (art == kWasserWasser || art == kDirektverdampfung)
        tQuelle = 0.0f;
    art = neueArt;
    LoescheErgebnisse();
    BerechneQuellenpumpenFaktor();
}

void CVDI4650Rechner::WechsleBetriebsweise(int neueBetriebsweise) {
    betriebsweise = neueBetriebsweise;
    LoescheErgebnisse();
    // With a bivalence point the flow temperature that counts is the one at that point.
    if (betriebsweise >= kMonoenergetischAlternativ && betriebsweise <= 8)
        // "Please note, when using VDI 4650 with alternate or partly-parallel mode of operation the
        // forward temperature is not the one at outdoor design temperature but at bivalent
        // temperature."
        KVSMessageBoxID(5891, textid::kProduktCaption,
                        platform::mb::OK | platform::mb::ICONINFORMATION);
}

void CVDI4650Rechner::SpeichereInProjekt() {
    if (!m_doc || !m_doc->IstProjektAenderbar(false)) return;
    m_doc->SetProjektDaten4(ID_VPF, fp, 1);
    m_doc->SetProjektDaten4(ID_WTM, tWarmwasser, 1);
}

float CVDI4650Rechner::GetWirksameQuellenTemp() const {
    return art == kWasserWasser && zwischenWT ? tQuelle - 3.0f : tQuelle;
}

std::array<bool, 9> CVDI4650Rechner::GetBereichsFlags() const {
    const bool vorlauf = IstVorlaufImBereich(tVorlauf, 0.0f);
    const bool sole = art == kSoleWasser || art == kDirektverdampfung;
    const bool wasser = art == kWasserWasser;
    const bool luft = art == kLuftWasser;
    const float quelle = GetWirksameQuellenTemp();
    // A row that does not apply to the kind is not out of range.
    return {
        IstImBereich3bis10(pruef) && IstImBereich3bis10(betrieb),
        !sole || (IstSoleTempImBereich(quelle) && vorlauf),
        !wasser || (IstWasserTempImBereich(quelle) && vorlauf),
        !luft || (IstTabellenWert(heizgrenze) && IstNormTempImBereich(tNorm) && vorlauf),
        !sole || IstSoleTempImBereich(quelle),
        !wasser || IstWasserTempImBereich(quelle),
        true,
        betriebsweise == kMonovalent || IstBivalenzImBereich(GetBivalenzTemp()),
        true,
    };
}
