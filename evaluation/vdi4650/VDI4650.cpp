// Options, rounding, range checks and tables 1 to 3, 5, 6 and 8.
#include "evaluation/vdi4650/VDI4650.h"

#include "evaluation/vdi4650/VDI4650Fehler.h"
#include "evaluation/vdi4650/VDI4650Tabellen.h"
#include "platform/numbers/Numbers.h"

namespace VDI4650 {

namespace {

bool g_formelnStattTabellen = false;
bool g_bereichErweitern = false;
bool g_spreizungErweitern = false;

bool ImBereich(float t, float unten, float oben) {
    return t >= unten && t <= oben;
}
bool ImBereich(int n, int unten, int oben) {
    return n >= unten && n <= oben;
}

// The flow class of tables 2 to 4: the flow rounded to a whole and then to a multiple of 5.
int VorlaufKlasse(float tVorlauf) {
    return RundeAufFuenf(Runde(tVorlauf));
}
bool IstVorlaufKlasseImBereich(float tVorlauf) {
    return ImBereich(VorlaufKlasse(tVorlauf), 30, 55);
}

// Linear in the operating difference, from its value at 3 K to that at 10 K.
float Tabelle1Formel(float pruef, float betrieb) {
    const float a = static_cast<float>(1.030857 - 0.010285718 * pruef);
    const float b = static_cast<float>(1.102857 - 0.010285718 * pruef);
    const double d = static_cast<double>(b) - a;
    return static_cast<float>(a - 0.42857143 * d + 0.14285715 * d * betrieb);
}

float Tabelle2Formel(float tQuelle, float tVorlauf) {
    const double a = 1.4884 - 0.00968 * tVorlauf;
    const double b = 1.3954 - 0.00988 * tVorlauf;
    const double d = b - a;
    return static_cast<float>(a + 0.625 * d + 0.001 - 0.125 * d * tQuelle);
}

// P is the factor at 12 °C water, Q that at 5 °C; linear between them.
float Tabelle3Formel(float tQuelle, float x) {
    double p = 0.0, q = 0.0;
    if (x <= 40.0f) {
        const float produkt = static_cast<float>(x * 0.0104);
        p = 1.47 - produkt;
        q = 1.337 - produkt;
    } else {
        p = 1.489 - 0.01086667 * x;
        q = 1.356 - 0.010866666 * x;
    }
    return static_cast<float>(p + 1.7142857 * (q - p) + 0.14285715 * (p - q) * tQuelle);
}

float Tabelle2Wert(float tQuelle, float tVorlauf) {
    return tabellen::kTabelle2[tabellen::kTabelle2Oben - Runde(tQuelle)][VorlaufSpalte(tVorlauf)];
}
float Tabelle3Wert(float tQuelle, float tVorlauf) {
    return tabellen::kTabelle3[tabellen::kTabelle3Oben - Runde(tQuelle)][VorlaufSpalte(tVorlauf)];
}

// Tables 5 and 6: the printed row at the rounded source temperature, or the fit
// steigung * t + achse where the options ask for it.
template <std::size_t N>
float WarmwasserTabelle(float tQuelle, bool imBereich, const std::array<float, N>& tabelle,
                        int unten, double steigung, double achse) {
    const float formel = static_cast<float>(steigung * tQuelle + achse);
    if (g_formelnStattTabellen) {
        if (imBereich || g_bereichErweitern) return formel;
        ScheitereOhneText();
    }
    const int zeile = Runde(tQuelle) - unten;
    if (zeile >= 0 && zeile < static_cast<int>(N)) return tabelle[zeile];
    if (g_bereichErweitern) return formel;
    ScheitereOhneText();
}

}  // namespace

void SetOptionen(bool formeln, bool erweitern) {
    g_formelnStattTabellen = formeln;
    g_bereichErweitern = erweitern;
    g_spreizungErweitern = erweitern;
}
bool GetFormelnStattTabellen() {
    return g_formelnStattTabellen;
}
bool GetBereichErweitern() {
    return g_bereichErweitern;
}
bool GetSpreizungErweitern() {
    return g_spreizungErweitern;
}

int Runde(float x) {
    return platform::toInt32(x >= 0.0f ? x + 0.49 : x - 0.49);
}

int RundeAufFuenf(int n) {
    const int r = n % 5;
    return r <= 2 ? n - r : n - r + 5;
}

int VorlaufSpalte(float tVorlauf) {
    return (VorlaufKlasse(tVorlauf) - 30) / 5;
}

bool IstTabellenWert(int heizgrenze) {
    return heizgrenze == 10 || heizgrenze == 12 || heizgrenze == 15;
}
bool IstImBereich3bis10(float t) {
    return ImBereich(t, 3.0f, 10.0f);
}
bool IstSpreizungsIndex(int n) {
    return ImBereich(n, 3, 10);
}
bool IstVorlaufImBereich(float t, float grenze) {
    return ImBereich(t, 30.0f, g_bereichErweitern && grenze > 0.0f ? grenze : 55.0f);
}
bool IstVorlaufIndex(int n, int grenze) {
    return ImBereich(n, 30, g_bereichErweitern && grenze > 0 ? grenze : 55);
}
bool IstNormTempImBereich(float t) {
    return ImBereich(t, -16.0f, -10.0f);
}
bool IstNormTempIndex(int n) {
    return ImBereich(n, -16, -10);
}
bool IstSoleTempMin(float t) {
    return t >= -3.0f;
}
bool IstSoleTempMax(float t) {
    return t <= 5.0f;
}
bool IstSoleTempImBereich(float t) {
    return IstSoleTempMin(t) && IstSoleTempMax(t);
}
bool IstWasserTempMin(float t) {
    return t >= 5.0f;
}
bool IstWasserTempMax(float t) {
    return t <= 12.0f;
}
bool IstWasserTempImBereich(float t) {
    return IstWasserTempMin(t) && IstWasserTempMax(t);
}
bool IstBivalenzMin(float t) {
    return t >= -10.0f;
}
bool IstBivalenzMax(float t) {
    return t <= 2.0f;
}
bool IstBivalenzImBereich(float t) {
    return IstBivalenzMin(t) && IstBivalenzMax(t);
}
bool IstProzentWert(float x) {
    return x > 0.0f && x <= 100.0f;
}

float GetKorrekturFaktor(float pruef, float betrieb) {
    if (g_formelnStattTabellen) {
        if ((IstImBereich3bis10(pruef) && IstImBereich3bis10(betrieb)) || g_spreizungErweitern)
            return Tabelle1Formel(pruef, betrieb);
        ScheitereOhneText();
    }
    const int i = Runde(pruef);
    const int j = Runde(betrieb);
    if (IstSpreizungsIndex(i) && IstSpreizungsIndex(j)) return tabellen::kTabelle1[j - i + 7];
    if (g_spreizungErweitern) return Tabelle1Formel(pruef, betrieb);
    ScheitereOhneText();
}

float getKfTabelle2(float tQuelle, float tVorlauf) {
    if (g_formelnStattTabellen) {
        if ((IstVorlaufImBereich(tVorlauf, 0.0f) && IstSoleTempImBereich(tQuelle)) ||
            g_bereichErweitern)
            return Tabelle2Formel(tQuelle, tVorlauf);
        ScheitereOhneText();
    }
    if (IstVorlaufKlasseImBereich(tVorlauf) && ImBereich(Runde(tQuelle), -3, 5))
        return Tabelle2Wert(tQuelle, tVorlauf);
    if (g_bereichErweitern) return Tabelle2Formel(tQuelle, tVorlauf);
    ScheitereOhneText();
}

float getKfTabelle3(float tQuelle, float tVorlauf) {
    const bool tabelle = IstVorlaufKlasseImBereich(tVorlauf) && ImBereich(Runde(tQuelle), 5, 12);
    if (g_formelnStattTabellen) {
        if (IstVorlaufImBereich(tVorlauf, 0.0f) && IstWasserTempImBereich(tQuelle)) {
            // Whole table points are read, anything between them is fitted.
            const bool aufPunkt = VorlaufKlasse(tVorlauf) == platform::toInt32(tVorlauf) &&
                                  Runde(tQuelle) == platform::toInt32(tQuelle);
            return aufPunkt && tabelle ? Tabelle3Wert(tQuelle, tVorlauf)
                                       : Tabelle3Formel(tQuelle, tVorlauf);
        }
        if (g_bereichErweitern) return Tabelle3Formel(tQuelle, tVorlauf);
        ScheitereOhneText();
    }
    if (tabelle) return Tabelle3Wert(tQuelle, tVorlauf);
    if (g_bereichErweitern) return Tabelle3Formel(tQuelle, tVorlauf);
    ScheitereOhneText();
}

float getKfTabelle5(float tQuelle) {
    return WarmwasserTabelle(tQuelle, IstSoleTempImBereich(tQuelle), tabellen::kTabelle5,
                             tabellen::kTabelle5Unten, 0.013, 0.891);
}

float getKfTabelle6(float tQuelle) {
    return WarmwasserTabelle(tQuelle, IstWasserTempImBereich(tQuelle), tabellen::kTabelle6,
                             tabellen::kTabelle6Unten, 0.0193, 0.6604);
}

float getKfTabelle7(float tWarmwasser) {
    return static_cast<float>(0.01 * tWarmwasser + 0.5);
}

float getKfTabelle8(float tBiv, int betriebsweise) {
    switch (betriebsweise) {
        case kMonovalent:
        case kBivalentParallel:
        case kBivalentAlternativ:
        case kBivalentTeilparallel:
        case 8:
            return 1.0f;
        default:
            break;
    }
    if (!IstBivalenzImBereich(tBiv)) ScheitereOhneText();
    const auto& zeile = tabellen::kTabelle8[Runde(tBiv) - tabellen::kTabelle8Unten];
    switch (betriebsweise) {
        case kMonoenergetischParallel:
            return zeile.parallel;
        case kMonoenergetischAlternativ:
        case kMonoenergetischTeilparallel:
        case 7:
            return zeile.alternativ;
        default:
            ScheitereSchalter(u"VDI4650::getKfTabelle8");
    }
}

int SucheBivalenzpunkt(float leistungsanteil) {
    int theta = tabellen::kTabelle8Unten;
    for (const auto& zeile : tabellen::kTabelle8) {
        if (zeile.leistungsanteil < leistungsanteil) return theta;
        ++theta;
    }
    return theta;
}

int GetEmpfohleneQuellenTemp(int art, bool flachkollektor) {
    switch (art) {
        case kSoleWasser:
            return flachkollektor ? 0 : 2;
        case kLuftWasser:
            return 2;
        case kWasserWasser:
            return 10;
        case kDirektverdampfung:
            return -1;
        case 4:
            return 20;
        default:
            return 0;
    }
}

}  // namespace VDI4650
