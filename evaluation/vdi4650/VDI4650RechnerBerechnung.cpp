// The range checks and the calculation of the three seasonal performance factors.
#include "core/text/TextIdConstants.h"
#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"

using namespace VDI4650;

namespace {

// Shows the check's message; a refusal counts unless the option lets the calculation go on.
void Melde(unsigned textId, bool weiterErlaubt, bool& ok) {
    KVSMessageBoxID(textId, textid::kProduktCaption,
                    platform::mb::OK | platform::mb::ICONINFORMATION);
    if (!weiterErlaubt) ok = false;
}

}  // namespace

bool CVDI4650Rechner::PruefeEingaben() const {
    bool ok = true;
    const bool bereich = GetBereichErweitern();
    const bool spreizung = GetSpreizungErweitern();
    // "The VDI 4650 is applicable only for systems up to 30 kW heating power."
    if (!IstProzentWert(leistung)) Melde(5679, bereich, ok);
    // "The temperature difference at the condenser (laboratory measurement) is outside of the
    // permitted range of 3..15 K."
    if (!IstImBereich3bis10(pruef)) Melde(5673, spreizung, ok);
    // "The temperature difference at the condenser (during operation) is outside of the permitted
    // range of 3..10 K."
    if (!IstImBereich3bis10(betrieb)) Melde(5674, spreizung, ok);
    // "The maximum supply temperature is outside of the permitted range of 30..55 °C."
    if (!IstVorlaufImBereich(tVorlauf, 0.0f)) Melde(5675, bereich, ok);
    switch (art) {
        case kSoleWasser:
            // "The brine temperature is outside of the permitted range of -3..+5 °C."
            if (!IstSoleTempImBereich(tQuelle)) Melde(5677, bereich, ok);
            break;
        case kWasserWasser:
            // "The water temperature is outside of the permitted range of 5..12 °C."
            if (!IstWasserTempImBereich(GetWirksameQuellenTemp())) Melde(5678, bereich, ok);
            break;
        case kDirektverdampfung:
            // "The ground temperature is outside of the permitted range of -3..+5 °C."
            if (!IstSoleTempImBereich(tQuelle)) Melde(5726, bereich, ok);
            break;
        default:
            break;
    }
    return ok;
}

bool CVDI4650Rechner::Berechne() {
    LoescheErgebnisse();
    if (!PruefeEingaben()) return false;
    try {
        auto& e = ergebnisse;
        e.kHeizung = GetKorrekturFaktor(pruef, betrieb);
        const bool mitWP = warmwasser == kWarmwasserMitWP;
        const float quelle = GetWirksameQuellenTemp();
        switch (art) {
            case kSoleWasser:
            case kDirektverdampfung:
                e.kWarmwasser = GetKorrekturFaktor(pruef, 10.0f);
                e.tabelle2 = getKfTabelle2(quelle, tVorlauf);
                e.tabelle5 = getKfTabelle5(quelle);
                e.betaHeizung = BerechneSoleHeizung(cop2, pruef, betrieb, quelle, tVorlauf, fp);
                if (mitWP) e.betaWarmwasser = BerechneSoleWarmwasser(cop2, pruef, quelle, fp);
                break;
            case kWasserWasser:
                e.kWarmwasser = GetKorrekturFaktor(pruef, 10.0f);
                e.tabelle3 = getKfTabelle3(quelle, tVorlauf);
                e.tabelle6 = getKfTabelle6(quelle);
                e.betaHeizung = BerechneWasserHeizung(cop3, pruef, betrieb, quelle, tVorlauf, fp);
                if (mitWP) e.betaWarmwasser = BerechneWasserWarmwasser(cop3, pruef, quelle, fp);
                break;
            case kLuftWasser:
                e.kWarmwasser = GetKorrekturFaktor(pruef, 7.0f);
                getKfTabelle4(heizgrenze, static_cast<float>(tNorm), tVorlauf, cop1, cop2, cop3,
                              pruef, betrieb, e.w1, e.w2, e.w3);
                e.betaHeizung = BerechneLuftHeizung(cop1, cop2, cop3, heizgrenze, pruef, betrieb,
                                                    tVorlauf, static_cast<float>(tNorm));
                if (mitWP) e.betaWarmwasser = BerechneLuftWarmwasser(cop1, cop2, cop3, pruef);
                break;
            default:
                ThrowFehler(textid::kFalscheKonstante, u"CVDI4650Rechner::Berechne");
        }
        if (warmwasser == kWarmwasserZweiteWP) {
            e.tabelle7 = getKfTabelle7(tWarmwasser);
            if (GetDokument()) {
                e.betaWarmwasser = warmwasserWPFaktor;
                cop4 = BerechneCOPausWarmwasserWP(warmwasserWPFaktor, tWarmwasser);
            } else {
                e.betaWarmwasser = BerechneWarmwasserWP(cop4, tWarmwasser);
            }
        }
        e.tabelle8 = getKfTabelle8(GetBivalenzTemp(), betriebsweise);
        e.betaAnlage = BerechneArbeitszahl(e.betaHeizung, e.betaWarmwasser, GetBivalenzTemp(),
                                           betriebsweise, warmwasser, prozentHeizung);
    } catch (...) {
        // No half calculation stays on show.
        LoescheErgebnisse();
        throw;
    }
    return true;
}
