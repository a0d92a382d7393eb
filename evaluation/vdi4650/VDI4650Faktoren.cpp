// The seasonal performance factors of space heating, of hot water and of the whole plant.
#include "evaluation/vdi4650/VDI4650.h"
#include "evaluation/vdi4650/VDI4650Fehler.h"

namespace VDI4650 {

namespace {

// The operating difference at the condenser while the heat pump makes hot water.
constexpr float kSpreizungWarmwasser = 10.0f;
constexpr float kSpreizungWarmwasserLuft = 7.0f;

}  // namespace

float BerechneSoleHeizung(float cop, float pruef, float betrieb, float tQuelle, float tVorlauf,
                          float fp) {
    return cop * GetKorrekturFaktor(pruef, betrieb) * getKfTabelle2(tQuelle, tVorlauf) / fp;
}

float BerechneWasserHeizung(float cop, float pruef, float betrieb, float tQuelle, float tVorlauf,
                            float fp) {
    return cop * GetKorrekturFaktor(pruef, betrieb) * getKfTabelle3(tQuelle, tVorlauf) / fp;
}

float BerechneLuftHeizung(float cop1, float cop2, float cop3, int grenze, float pruef,
                          float betrieb, float tVorlauf, float tNorm) {
    float w1 = 0.0f, w2 = 0.0f, w3 = 0.0f;
    return getKfTabelle4(grenze, tNorm, tVorlauf, cop1, cop2, cop3, pruef, betrieb, w1, w2, w3);
}

float BerechneSoleWarmwasser(float cop, float pruef, float tQuelle, float fp) {
    return cop * GetKorrekturFaktor(pruef, kSpreizungWarmwasser) * getKfTabelle5(tQuelle) / fp;
}

float BerechneWasserWarmwasser(float cop, float pruef, float tQuelle, float fp) {
    return cop * GetKorrekturFaktor(pruef, kSpreizungWarmwasser) * getKfTabelle6(tQuelle) / fp;
}

float BerechneLuftWarmwasser(float cop1, float cop2, float cop3, float pruef) {
    return GetKorrekturFaktor(pruef, kSpreizungWarmwasserLuft) *
           (0.103f * cop1 + 0.903f * cop2 + 0.061f * cop3);
}

float BerechneWarmwasserWP(float cop4, float tWarmwasser) {
    return cop4 * getKfTabelle7(tWarmwasser) * 0.9f;
}

float BerechneCOPausWarmwasserWP(float beta, float tWarmwasser) {
    return beta / getKfTabelle7(tWarmwasser) * 1.1111112f;
}

float BerechneArbeitszahl(float betaH, float betaWW, float tBiv, int betriebsweise, int warmwasser,
                          int prozentHeizung) {
    const float alpha = getKfTabelle8(tBiv, betriebsweise);
    const float p = prozentHeizung * 0.01f;
    switch (warmwasser) {
        case kWarmwasserElektrisch:
            if (betriebsweise == kMonovalent) return 1.0f / (alpha / betaH + 1.0f - alpha);
            return 1.0f / (alpha * p / betaH + 1.0f - alpha * p);
        case kWarmwasserMitWP:
        case kWarmwasserZweiteWP:
            return 1.0f / ((1.0f - p) * alpha / betaWW + p * alpha / betaH + 1.0f - alpha);
        case kKeinWarmwasser:
        case kWarmwasserZweiteQuelle:
            return 1.0f / (alpha / betaH + 1.0f - alpha);
        default:
            ScheitereSchalter(u"VDI4650::BerechneArbeitszahl");
    }
}

}  // namespace VDI4650
