// Table 4: the weights of the air/water heat pump's three test points, read from the
// table or from the fits of each heating limit.
#include <array>

#include "evaluation/vdi4650/VDI4650.h"
#include "evaluation/vdi4650/VDI4650Fehler.h"
#include "evaluation/vdi4650/VDI4650Tabellen.h"

namespace VDI4650 {

namespace {

// Each weight is a - b * flow temperature.
struct Gerade {
    double a, b;
};
using Fits = std::array<std::array<Gerade, 3>, 4>;  // by design temperature -16 .. -10

constexpr Fits kFits15 = {{
    {{{0.301, 0.0022}, {0.8522, 0.00524}, {0.2042, 0.00104}}},
    {{{0.186, 0.0014}, {0.956, 0.006}, {0.2216, 0.00112}}},
    {{{0.1426, 0.00112}, {0.9848, 0.00636}, {0.2516, 0.00132}}},
    {{{0.0928, 0.00076}, {0.9958, 0.00656}, {0.3072, 0.00164}}},
}};
constexpr Fits kFits12 = {{
    {{{0.357, 0.0026}, {0.8936, 0.00552}, {0.1016, 0.00052}}},
    {{{0.2276, 0.00172}, {1.0202, 0.00644}, {0.115, 0.0006}}},
    {{{0.1758, 0.00136}, {1.0666, 0.00692}, {0.1336, 0.00072}}},
    {{{0.1166, 0.00092}, {1.1118, 0.00736}, {0.1666, 0.00092}}},
}};
constexpr Fits kFits10 = {{
    {{{0.4068, 0.00296}, {0.8988, 0.00556}, {0.042, 0.0002}}},
    {{{0.264, 0.002}, {1.0442, 0.00664}, {0.0514, 0.00028}}},
    {{{0.2092, 0.00164}, {1.105, 0.0072}, {0.0618, 0.00036}}},
    {{{0.1438, 0.00116}, {1.1784, 0.00788}, {0.075, 0.0004}}},
}};

// The block of a design temperature of -16, -14, -12 or -10; -1 for any other.
int NormTempBlock(int tNorm) {
    for (std::size_t i = 0; i < tabellen::kNormTemps.size(); ++i)
        if (tabellen::kNormTemps[i] == tNorm) return static_cast<int>(i);
    return -1;
}

void Gewichte(const Fits& fits, const char16_t* ort, int tNorm, float tVorlauf, float& w1,
              float& w2, float& w3) {
    const int block = NormTempBlock(tNorm);
    if (block < 0) ScheitereSchalter(ort);
    const auto& g = fits[block];
    w1 = static_cast<float>(g[0].a - g[0].b * tVorlauf);
    w2 = static_cast<float>(g[1].a - g[1].b * tVorlauf);
    w3 = static_cast<float>(g[2].a - g[2].b * tVorlauf);
}

void Tabelle4Formel(int grenze, int tNorm, float tVorlauf, const char16_t* ort, float& w1,
                    float& w2, float& w3) {
    switch (grenze) {
        case 15:
            return getKfTabelle4aBer(tNorm, tVorlauf, w1, w2, w3);
        case 12:
            return getKfTabelle4bBer(tNorm, tVorlauf, w1, w2, w3);
        case 10:
            return getKfTabelle4cBer(tNorm, tVorlauf, w1, w2, w3);
        default:
            ScheitereSchalter(ort);
    }
}

void Tabelle4Wert(int grenze, int tNorm, float tVorlauf, float& w1, float& w2, float& w3) {
    const int block = NormTempBlock(tNorm);
    if (block < 0) ScheitereSchalter(u"VDI4650::getKfTabelle4-2");
    int g = 0;
    while (tabellen::kHeizgrenzen[g] != grenze) ++g;  // grenze is one of them, checked first
    const auto& zeilen = tabellen::kTabelle4[g][block];
    const int c = VorlaufSpalte(tVorlauf);
    w1 = zeilen[0][c];
    w2 = zeilen[1][c];
    w3 = zeilen[2][c];
}

}  // namespace

void getKfTabelle4aBer(int tNorm, float tVorlauf, float& w1, float& w2, float& w3) {
    Gewichte(kFits15, u"VDI4650::getKfTabelle4aBer", tNorm, tVorlauf, w1, w2, w3);
}
void getKfTabelle4bBer(int tNorm, float tVorlauf, float& w1, float& w2, float& w3) {
    Gewichte(kFits12, u"VDI4650::getKfTabelle4bBer", tNorm, tVorlauf, w1, w2, w3);
}
void getKfTabelle4cBer(int tNorm, float tVorlauf, float& w1, float& w2, float& w3) {
    Gewichte(kFits10, u"VDI4650::getKfTabelle4cBer", tNorm, tVorlauf, w1, w2, w3);
}

float getKfTabelle4(int grenze, float tNorm, float tVorlauf, float cop1, float cop2, float cop3,
                    float pruef, float betrieb, float& w1, float& w2, float& w3) {
    if (!IstTabellenWert(grenze)) ScheitereOhneText();
    const float k = GetKorrekturFaktor(pruef, betrieb);
    w1 = w2 = w3 = 0.0f;
    const int norm = Runde(tNorm);
    if (!IstNormTempIndex(norm)) ScheitereOhneText();
    const int klasse = RundeAufFuenf(Runde(tVorlauf));
    if (GetFormelnStattTabellen()) {
        if (IstVorlaufImBereich(tVorlauf, 0.0f))
            Tabelle4Formel(grenze, norm, tVorlauf, u"VDI4650::getKfTabelle4-3", w1, w2, w3);
        else if (GetBereichErweitern())
            Tabelle4Formel(grenze, norm, tVorlauf, u"VDI4650::getKfTabelle4-4", w1, w2, w3);
        else
            ScheitereOhneText();
    } else if (klasse >= 30 && klasse <= 55) {
        Tabelle4Wert(grenze, norm, tVorlauf, w1, w2, w3);
    } else if (GetBereichErweitern()) {
        Tabelle4Formel(grenze, norm, tVorlauf, u"VDI4650::getKfTabelle4-4", w1, w2, w3);
    } else {
        ScheitereOhneText();
    }
    return (cop1 * w1 + cop2 * w2 + cop3 * w3) * k;
}

}  // namespace VDI4650
