#pragma once
// The correction tables of the VDI 4650 short method (seasonal performance factor of
// electric heat pumps for space heating and hot water), the linear fits that can stand in
// for tables 1 to 4, the range checks of their arguments, and the seasonal factors built
// from them. Free functions; the only state is the three option flags, all off at start.
//
// A lookup whose argument lies outside its table (and outside what the flags allow)
// raises the user exception through the error layer without a text: the calculator checks
// every range before it asks, so this only guards against a caller that skipped them.

namespace VDI4650 {

// Operating modes: the index of table 8 and of the plant factor.
enum TBetriebsweise : int {
    kMonoenergetischParallel = 0,
    kMonovalent = 1,
    kBivalentParallel = 2,
    kMonoenergetischAlternativ = 3,
    kBivalentAlternativ = 4,
    kMonoenergetischTeilparallel = 5,
    kBivalentTeilparallel = 6,
};

// Hot-water kinds: the index of the calculator's hot-water choice.
enum TWarmwasser : int {
    kKeinWarmwasser = 0,
    kWarmwasserMitWP = 1,
    kWarmwasserElektrisch = 2,
    kWarmwasserZweiteQuelle = 3,
    kWarmwasserZweiteWP = 4,
};

// Heat-pump kinds of the calculator (the heat pump's medium).
enum TWPArt : int { kSoleWasser = 0, kLuftWasser = 1, kWasserWasser = 2, kDirektverdampfung = 3 };

// Options. formeln: tables 1 to 4 by their fits; erweitern: flow, source and spread
// outside the tables are accepted and computed by the fits.
void SetOptionen(bool formeln, bool erweitern);
bool GetFormelnStattTabellen();
bool GetBereichErweitern();
bool GetSpreizungErweitern();

// x >= 0: trunc(x + 0.49), else trunc(x - 0.49): 2.5 gives 2, 2.6 gives 3.
int Runde(float x);
// To the nearest multiple of 5, a remainder of 2 going down: 32 gives 30, 33 gives 35.
int RundeAufFuenf(int n);
// The flow column of tables 2 to 4: 0..5 for 30, 35, ... 55 °C.
int VorlaufSpalte(float tVorlauf);

// Range checks; limits inclusive.
bool IstTabellenWert(int heizgrenze);  // 10, 12 or 15
bool IstImBereich3bis10(float t);
bool IstSpreizungsIndex(int n);
bool IstVorlaufImBereich(float t, float grenze);
bool IstVorlaufIndex(int n, int grenze);
bool IstNormTempImBereich(float t);
bool IstNormTempIndex(int n);
bool IstSoleTempMin(float t);
bool IstSoleTempMax(float t);
bool IstSoleTempImBereich(float t);
bool IstWasserTempMin(float t);
bool IstWasserTempMax(float t);
bool IstWasserTempImBereich(float t);
bool IstBivalenzMin(float t);
bool IstBivalenzMax(float t);
bool IstBivalenzImBereich(float t);
bool IstProzentWert(float x);  // 0 < x <= 100

// Table 1: test-bench and operating temperature difference at the condenser.
float GetKorrekturFaktor(float pruef, float betrieb);
// Tables 2 (brine) and 3 (water): source and maximum flow temperature.
float getKfTabelle2(float tQuelle, float tVorlauf);
float getKfTabelle3(float tQuelle, float tVorlauf);
// Table 4: the air/water heating factor from the COPs at A-7, A2 and A10 (all W35), with
// the three weights it used.
float getKfTabelle4(int grenze, float tNorm, float tVorlauf, float cop1, float cop2, float cop3,
                    float pruef, float betrieb, float& w1, float& w2, float& w3);
// The fits of table 4 by heating limit 15, 12 and 10 °C.
void getKfTabelle4aBer(int tNorm, float tVorlauf, float& w1, float& w2, float& w3);
void getKfTabelle4bBer(int tNorm, float tVorlauf, float& w1, float& w2, float& w3);
void getKfTabelle4cBer(int tNorm, float tVorlauf, float& w1, float& w2, float& w3);
// Tables 5 and 6: hot water by source temperature; table 7: a separate hot-water heat pump.
float getKfTabelle5(float tQuelle);
float getKfTabelle6(float tQuelle);
float getKfTabelle7(float tWarmwasser);
// Table 8: the heat pump's share of the heating energy at a bivalence temperature.
float getKfTabelle8(float tBiv, int betriebsweise);
// The bivalence temperature at which the heat pump covers `leistungsanteil` of the design
// load; 3, one past the table, when it covers less everywhere.
int SucheBivalenzpunkt(float leistungsanteil);
// The source temperature the guideline recommends for a heat-pump kind.
int GetEmpfohleneQuellenTemp(int art, bool flachkollektor);

// Seasonal factors. fp: the source-pump factor.
float BerechneSoleHeizung(float cop, float pruef, float betrieb, float tQuelle, float tVorlauf,
                          float fp);
float BerechneWasserHeizung(float cop, float pruef, float betrieb, float tQuelle, float tVorlauf,
                            float fp);
float BerechneLuftHeizung(float cop1, float cop2, float cop3, int grenze, float pruef,
                          float betrieb, float tVorlauf, float tNorm);
float BerechneSoleWarmwasser(float cop, float pruef, float tQuelle, float fp);
float BerechneWasserWarmwasser(float cop, float pruef, float tQuelle, float fp);
float BerechneLuftWarmwasser(float cop1, float cop2, float cop3, float pruef);
float BerechneWarmwasserWP(float cop4, float tWarmwasser);
float BerechneCOPausWarmwasserWP(float beta, float tWarmwasser);
// The whole plant; the part the heat pump does not cover counts with factor 1.
float BerechneArbeitszahl(float betaH, float betaWW, float tBiv, int betriebsweise, int warmwasser,
                          int prozentHeizung);

}  // namespace VDI4650
