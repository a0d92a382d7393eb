// The brine: its temperature entering the heat pump, its Reynolds number, the flows that
// carry a power or reach a Reynolds number, and the latent heat of frozen ground.
#include <algorithm>
#include <cmath>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "model/source/FSMdaten.h"
#include "model/source/WQBerechnung.h"
#include "model/source/WQKontext.h"

namespace {

constexpr float kPi = 3.1415925f;
// Nusselt number of laminar flow in a tube at constant wall temperature.
constexpr float kNusseltLaminar = 3.66f;

}  // namespace

float CWQBerechnung::GeschuetzteViskositaet(float viskos) {
    return viskos > 0.0f ? viskos : CFSMdaten::kMinKinViskos;
}

void CWQBerechnung::SoleEintrittsTemp(int monat, int art, float quellTemp, float last,
                                      float spreizung, float dichte, float spezW, float waermeLF,
                                      float viskos, float rohrLambda, float innen, float aussen,
                                      float laenge, int kreise, bool einfacheSpreizung,
                                      float volStrom, int reihe, int sondenart, float& out) {
    if (monat < 0 || monat > 11)
        ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::SoleEintrittsTemp");
    SWQKontext& k = WQKontext();
    k.art = art;
    k.spreizung = spreizung;
    k.dichte = dichte;
    k.spezW = spezW;
    k.waermeLF = waermeLF;
    k.viskos = viskos;
    k.lambda = rohrLambda;
    k.innen = innen;
    k.aussen = aussen;
    k.r = aussen * 0.5f;
    k.laenge = laenge;
    k.kreise = kreise;
    k.einfacheSpreizung = einfacheSpreizung;
    k.volStrom = volStrom;
    k.reihe = reihe;
    k.sondenart = sondenart;
    out = last < 0.1f ? quellTemp : SoleETemperatur(quellTemp);
}

float CWQBerechnung::SoleETemperatur(float quellTemp) {
    SWQKontext& k = WQKontext();
    switch (k.art) {
        case 0:
        case 1:
            k.SetzeRohrLaengen();
            return RohrRegel(quellTemp);
        case 2:
        case 3:
        case 6:
            return quellTemp;
        case 4:
            return quellTemp - k.spreizung;
        case 5:
            return quellTemp - 1.0f;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CWQBerechnung::SoleETemperatur");
    }
}

float CWQBerechnung::RohrRegel(float quellTemp) {
    const SWQKontext& k = WQKontext();
    if (k.einfacheSpreizung) return quellTemp - k.spreizung * 0.5f;
    const bool ok = k.dichte > 0.0f && k.spezW > 0.0f && k.waermeLF > 0.0f && k.innen > 0.0f &&
                    k.aussen > k.innen && k.lambda > 0.0f && k.laengeGesamt > 0.0f &&
                    k.laengePfad > 0.0f;
    if (!ok) ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::SoleETemperatur(2)");

    const float viskos = GeschuetzteViskositaet(k.viskos);
    const float prandtl = viskos * 1e-6f * k.spezW * 1000.0f * k.dichte / k.waermeLF;
    const float re =
        GetReynoldsZahl(k.art, k.innen, k.kreise, k.volStrom, viskos, k.reihe, k.sondenart);
    // The turbulent correlation goes negative below Re of about 650; a slow flow still
    // exchanges heat as laminar tube flow does.
    const float nuTurbulent = 0.012f * (std::pow(re, 0.87f) - 280.0f) * std::pow(prandtl, 0.4f) *
                              (1.0f + std::pow(k.innen / k.laengePfad, 2.0f / 3.0f));
    // Conductance per metre of tube, divided by π: Nu λ for the brine film, then the wall.
    const float alpha = std::max(nuTurbulent, kNusseltLaminar) * k.waermeLF;
    const float leitwert = 1.0f / (1.0f / alpha + std::log(k.aussen / k.innen) / (2.0f * k.lambda));
    const float dtLog =
        (k.spezW * 1000.0f * k.volStrom * (1.0f / 3600.0f) * k.spreizung * k.dichte) /
        (k.laengeGesamt * leitwert * kPi);
    if (!(dtLog >= 0.01f)) return quellTemp;
    // T - ΔT e^y / (e^y - 1), in the form that does not overflow for a large y.
    const float y = k.spreizung / dtLog;
    return quellTemp - k.spreizung / static_cast<float>(-std::expm1(-static_cast<double>(y)));
}

float CWQBerechnung::Querschnitt(int art, float innen, int kreise, int reihe, int sondenart) {
    float querschnitt = static_cast<float>(kreise) * innen * innen * 0.7853981f;
    switch (art) {
        case 0:
            if (reihe < 1) return 0.0f;
            if (sondenart == 0) querschnitt *= 2.0f;
            return querschnitt / static_cast<float>(reihe);
        case 1:
        case 4:
            return querschnitt;
        default:
            return 0.0f;
    }
}

float CWQBerechnung::GetReynoldsZahl(int art, float innen, int kreise, float volStrom, float viskos,
                                     int reihe, int sondenart) {
    const float querschnitt = Querschnitt(art, innen, kreise, reihe, sondenart);
    if (!(querschnitt > 0.0f)) return 0.0f;  // no tube, no flow
    const float geschwindigkeit = (volStrom * 0.00027777778f) / (querschnitt * 1e-6f);
    return geschwindigkeit * 1000.0f * innen / GeschuetzteViskositaet(viskos);
}

float CWQBerechnung::GetVolStromLeistung(float dichte, float spezW, float spreizung,
                                         float leistung) {
    const float nenner = dichte * spezW * spreizung * 0.278f;
    if (!(nenner > 0.0f)) ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::GetVolStromLeistung");
    return leistung * 1000.0f / nenner;
}

float CWQBerechnung::GetVolStromTurbulent(float innen, float viskos, int kreise, int art,
                                          float reynolds, int reihe, int sondenart) {
    if (art != 0 && art != 1 && art != 4) ThrowFehler(0, nullptr);
    if (!(innen > 0.0f)) ThrowFehler(textid::kDatenFehlen, u"CWQBerechnung::GetVolStromTurbulent");
    const float geschwindigkeit = GeschuetzteViskositaet(viskos) * reynolds / innen * 3.6f;
    return Querschnitt(art, innen, kreise, reihe, sondenart) * 1e-6f * geschwindigkeit;
}

float CWQBerechnung::LatentWaermeSonde(int kreise, float laenge, float c) {
    return static_cast<float>(kreise) * laenge * 1000.0f * c * 0.2629513f;
}

float CWQBerechnung::LatentWaermeFlachK(float flaeche, float c) {
    return 1000.0f * flaeche * c * 0.62f;
}
