// Specific extraction of probes and collectors, its permitted limits, the design test and
// the size of a probe or collector that keeps the limits.
#include <algorithm>
#include <array>
#include <exception>

#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/data/Flachkollektor.h"
#include "model/errors/Fehler.h"
#include "model/source/WQBerechnung.h"

namespace {

constexpr int kLandPolen = 13;          // its limits follow a formula of λ

constexpr const char16_t* kOrtMSE = u"akt. momentaner Entzug";
constexpr const char16_t* kOrtEJE = u"akt. jährlicher Entzug";
constexpr const char16_t* kOrtMSEGrenze = u"max. momentane Entzugsgrenze";
constexpr const char16_t* kOrtEJEGrenze = u"max. jährliche Entzugsgrenze";

// Momentary limit of a probe in W/m by ground conductivity; each bound is exclusive.
struct Stufe {
    float ueber;
    float wert;
};
constexpr std::array<Stufe, 11> kSondenStufen = {{{3.0f, 80.0f},
                                                  {2.7f, 75.0f},
                                                  {2.4f, 70.0f},
                                                  {2.2f, 65.0f},
                                                  {2.0f, 60.0f},
                                                  {1.85f, 55.0f},
                                                  {1.7f, 50.0f},
                                                  {1.65f, 45.0f},
                                                  {1.6f, 40.0f},
                                                  {1.55f, 35.0f},
                                                  {1.5f, 30.0f}}};
constexpr std::array<Stufe, 5> kFlachKStufen = {
    {{0.91f, 40.0f}, {0.89f, 30.0f}, {0.8f, 25.0f}, {0.7f, 20.0f}, {0.65f, 15.0f}}};

template <size_t N>
float Stufenwert(const std::array<Stufe, N>& stufen, float x, float sonst) {
    for (const Stufe& s : stufen)
        if (x > s.ueber) return s.wert;
    return sonst;
}

bool IstPolen() {
    return GetKelvoApp().GetLandCode() == kLandPolen;
}

float SondenGrenzePolen(float lambda) {
    return 9.3f * lambda + 22.731f;
}

float Bodenfaktor(float lambda) {
    if (lambda > 1.605f) return 1.1f;
    if (lambda > 0.905f) return 1.0f;
    if (lambda > 0.605f) return 0.9f;
    if (lambda > 0.405f) return 0.8f;
    if (lambda >= 0.2f) return 0.7f;
    ThrowFehler(3132, nullptr);  // "For heat conductivity < 0.2 no ground factor available"
}

float Feuchtefaktor(int feuchte) {
    constexpr std::array<float, 3> faktoren = {0.85f, 1.0f, 1.15f};
    if (feuchte < 0 || feuchte > 2) ThrowFehler(3133, nullptr);  // "Moisture factor not ..."
    return faktoren[feuchte];
}

float Richtungsfaktor(int richtung) {
    constexpr std::array<float, 3> faktoren = {0.9f, 1.0f, 0.77f};
    if (richtung < 0 || richtung > 2) ThrowFehler(3134, nullptr);  // "Orientation factor ..."
    return faktoren[richtung];
}

// Runs `f`; a failure inside is reported again with `textId` and `ort`.
template <class F>
auto Erneut(unsigned textId, const char16_t* ort, F f) {
    try {
        return f();
    } catch (const std::exception&) {
        ThrowFehler(textId, ort);
    }
}

// Runs the test `f`; a failure inside is shown with text 3113 and fails the test.
template <class F>
bool Test(const char16_t* ort, F f) {
    try {
        return f();
    } catch (const std::exception&) {
        ShowFehler(textid::kTestNichtMoeglich, ort);
        return false;
    }
}

}  // namespace

float CWQBerechnung::GetMSE(int art, float leistung, float laenge, float flaeche) {
    if (art == 2 || art == 3) ThrowFehler(textid::kKeineErgebnisse, kOrtMSE);
    if (art != 0 && art != 1) ThrowFehler(textid::kFalscheKonstante, u"CWQBerechnung::GetMSE");
    const float bezug = art == 0 ? laenge : flaeche;
    if (!(bezug > 0.0f)) ThrowFehler(textid::kKeineErgebnisse, kOrtMSE);
    const float mse = leistung * 1000.0f / bezug;
    if (mse < 1.0f) ThrowFehler(textid::kKeineErgebnisse, kOrtMSE);
    return mse;
}

float CWQBerechnung::GetEJE(int art, float energie, float laenge, float flaeche) {
    return Erneut(textid::kKeineErgebnisse, kOrtEJE, [&] {
        if (art == 2 || art == 3) return 0.0f;
        if (art != 0 && art != 1) ThrowFehler(textid::kFalscheKonstante, u"CWQBerechnung::GetEJE");
        const float bezug = art == 0 ? laenge : flaeche;
        if (!(bezug > 0.0f)) ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::GetEJE(2)");
        return energie / bezug;
    });
}

float CWQBerechnung::GetMSEBasisFlachK(float produkt) {
    return Stufenwert(kFlachKStufen, produkt, 10.0f);
}

float CWQBerechnung::GetMSEGrenze(int art, float lambda, int feuchte, int richtung, int, float f1,
                                  float f2) {
    if (art == 2 || art == 3) ThrowFehler(textid::kKeineErgebnisse, kOrtMSEGrenze);
    const float grenze = Erneut(textid::kKeineErgebnisse, kOrtMSEGrenze, [&] {
        if (art == 0)
            return IstPolen() ? SondenGrenzePolen(lambda)
                              : Stufenwert(kSondenStufen, lambda, 25.0f);
        if (art != 1) ThrowFehler(textid::kFalscheKonstante, u"CWQBerechnung::GetMSEGrenze");
        if (!(f2 > 0.0f)) ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::GetMSEGrenze(2)");
        return GetMSEBasisFlachK(GetBFSProdukt(art, lambda, feuchte, richtung)) * f1 / f2;
    });
    if (!(grenze >= 1.0f)) ThrowFehler(textid::kKeineErgebnisse, kOrtMSEGrenze);
    return grenze;
}

float CWQBerechnung::GetEJEGrenze(int art, float lambda, int feuchte, int richtung) {
    if (art == 2 || art == 3) ThrowFehler(textid::kKeineErgebnisse, kOrtEJEGrenze);
    float grenze = 0.0f;
    if (art == 0) {
        if (IstPolen())
            grenze = 2.0f * SondenGrenzePolen(lambda);
        else
            grenze = lambda > 3.0f ? 135.0f : (lambda <= 1.7f ? 65.0f : 100.0f);
    } else if (art == 1) {
        grenze = GetBFSProdukt(art, lambda, feuchte, richtung) * 60.0f;
    } else {
        ThrowFehler(textid::kFalscheKonstante, u"CWQBerechnung::GetEJEGrenze");
    }
    if (!(grenze >= 1.0f)) ThrowFehler(textid::kKeineErgebnisse, kOrtEJEGrenze);
    return grenze;
}

float CWQBerechnung::GetBFSProdukt(int art, float lambda, int feuchte, int richtung) {
    if (art != 1) ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::GetBFSProdukt");
    return Erneut(textid::kKeineErgebnisse, u"WQBerechnung::BFSProdukt", [&] {
        const float boden = Bodenfaktor(lambda);
        const float feucht = Feuchtefaktor(feuchte);
        return Richtungsfaktor(richtung) * feucht * boden;
    });
}

bool CWQBerechnung::TesteWQuelle(int art, float leistung, float energie, float laenge,
                                 float flaeche, float lambda, int feuchte, int richtung, float f1,
                                 float f2, int sondenart) {
    switch (art) {
        case 0:
            return TesteSondenWerte(leistung, energie, laenge, lambda, feuchte, richtung,
                                    sondenart);
        case 1:
        case 5:
            return TesteFlachKWerte(leistung, energie, laenge, flaeche, lambda, feuchte, richtung,
                                    f1, f2);
        case 2:
        case 6:
            ShowFehler(textid::kTestNichtMoeglich, u"WQBerechnung::TesteLuftAbsWerte");
            return false;
        case 3:
            ShowFehler(textid::kTestNichtMoeglich, u"WQBerechnung::TesteWasserAbsWerte");
            return false;
        case 4:
            return true;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CWQBerechnung::TesteWQuelle");
    }
}

bool CWQBerechnung::TesteSondenWerte(float leistung, float energie, float laenge, float lambda,
                                     int feuchte, int richtung, int sondenart) {
    if (!(laenge > 0.0f)) return false;
    return Test(u"WQBerechnung::TesteSondenWerte", [&] {
        return GetMSE(0, leistung, laenge, 0.0f) <=
                   GetMSEGrenze(0, lambda, feuchte, richtung, sondenart, 1.0f, 1.0f) &&
               GetEJE(0, energie, laenge, 0.0f) <= GetEJEGrenze(0, lambda, feuchte, richtung);
    });
}

// Kind 5 is a collector too: it is tested as one.
bool CWQBerechnung::TesteFlachKWerte(float leistung, float energie, float laenge, float flaeche,
                                     float lambda, int feuchte, int richtung, float f1, float f2) {
    if (!(flaeche > 0.0f) || !(laenge > 0.0f)) return false;
    return Test(u"WQBerechnung::TesteFlachKWerte", [&] {
        return GetMSE(1, leistung, laenge, flaeche) <=
                   GetMSEGrenze(1, lambda, feuchte, richtung, 0, f1, f2) &&
               GetEJE(1, energie, laenge, flaeche) <= GetEJEGrenze(1, lambda, feuchte, richtung);
    });
}

void CWQBerechnung::DimensioniereWQuelle(int art, float leistung, float energie, float lambda,
                                         int feuchte, int richtung, const SVerlegung& verlegung,
                                         float& out1, float& out2) {
    switch (art) {
        case 0:
            out1 = 1.0f;
            out2 = DimensioniereSonde(leistung, energie, lambda);
            return;
        case 1:
            out1 =
                DimensioniereFlachK(leistung, energie, lambda, feuchte, richtung, verlegung, out2);
            return;
        case 2:
        case 6:
            ThrowFehler(textid::kKeineErgebnisse, u"WQBerechnung::DimensioniereLuftAbs");
        case 3:
            ThrowFehler(textid::kKeineErgebnisse, u"WQBerechnung::DimensioniereWasserAbs");
        case 5:
            out1 = 8.0f * out2 + 0.5f;
            return;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CWQBerechnung::DimensioniereWQuelle");
    }
}

float CWQBerechnung::DimensioniereSonde(float leistung, float energie, float lambda) {
    return Erneut(textid::kKeineErgebnisse, u"WQBerechnung::DimensioniereSonde", [&] {
        return std::max(leistung * 1000.0f / GetMSEGrenze(0, lambda, 0, 0, 0, 1.0f, 1.0f),
                        energie / GetEJEGrenze(0, lambda, 0, 0));
    });
}

float CWQBerechnung::DimensioniereFlachK(float leistung, float energie, float lambda, int feuchte,
                                         int richtung, const SVerlegung& verlegung,
                                         float& rohrLaenge) {
    return Erneut(textid::kKeineErgebnisse, u"WQBerechnung::DimensioniereFlachK", [&] {
        const float grenze =
            GetMSEGrenze(1, lambda, feuchte, richtung, 0, verlegung.f1, verlegung.f2);
        const float flaeche = std::max(leistung * 1000.0f / grenze,
                                       energie / GetEJEGrenze(1, lambda, feuchte, richtung));
        rohrLaenge =
            GetRohrlaengeFlachK(flaeche, verlegung.aussen, verlegung.perFormel, verlegung.land);
        return flaeche;
    });
}
