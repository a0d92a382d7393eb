#include "Transposition.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace libgen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kGrad = kPi / 180.0;
constexpr double kBodenReflexion = 0.2;
constexpr double kMinHoehe = 3.0 * kGrad;
constexpr int kSchritteProStunde = 10;

struct Schritt {
    double global = 0, diffus = 0;  // MJ/m² in the step, on the horizontal
    double cosZenit = 0, cosEinfall = 0;
    double sekunden = 0;  // the step's length
};

// Erbs, Klein & Duffie (1982), monthly averages.
double DiffusAnteil(double kt, double sonnenuntergang) {
    kt = std::clamp(kt, 0.3, 0.8);
    const double anteil = sonnenuntergang <= 81.4 * kGrad
                              ? 1.391 - 3.560 * kt + 4.189 * kt * kt - 2.137 * kt * kt * kt
                              : 1.311 - 3.022 * kt + 3.427 * kt * kt - 1.821 * kt * kt * kt;
    return std::clamp(anteil, 0.0, 1.0);
}

// The mean day of a month in steps from sunrise to sunset.
std::vector<Schritt> MittlererTagInSchritten(double globalKWh, int monat, double breiteGrad,
                                             const Ausrichtung& lage) {
    const int tag = MittlererTag(monat);
    const double phi = breiteGrad * kGrad;
    const double delta = 0.409 * std::sin(2.0 * kPi * tag / 365.0 - 1.39);  // FAO-56 eq. 24
    const double ws = std::acos(std::clamp(-std::tan(phi) * std::tan(delta), -1.0, 1.0));
    const Tageswerte ext = Extraterrestrisch(breiteGrad, tag);
    const double h = globalKWh * 3.6 / TageImMonat(monat);  // MJ/(m² day)
    const double hd = h * DiffusAnteil(ext.ra > 0.0 ? h / ext.ra : 0.0, ws);

    const double beta = lage.neigungGrad * kGrad;
    const double gamma = lage.azimutGrad * kGrad;
    const double nenner = std::sin(ws) - ws * std::cos(ws);
    const double a = 0.409 + 0.5016 * std::sin(ws - 60.0 * kGrad);
    const double b = 0.6609 - 0.4767 * std::sin(ws - 60.0 * kGrad);
    // Equal steps from sunrise to sunset, about kSchritteProStunde an hour, taken at their
    // middles: morning and afternoon mirror each other.
    const int anzahl =
        std::max(1, static_cast<int>(std::ceil(2.0 * ws / (15.0 * kGrad) * kSchritteProStunde)));
    const double dw = 2.0 * ws / anzahl;

    std::vector<Schritt> schritte;
    double summeGlobal = 0.0, summeDiffus = 0.0;
    for (int i = 0; i < anzahl; ++i) {
        const double w = -ws + (i + 0.5) * dw;
        const double rd = std::max(std::cos(w) - std::cos(ws), 0.0) / nenner;
        const double rt = (a + b * std::cos(w)) * rd;
        Schritt s;
        s.global = rt;
        s.diffus = rd;
        s.sekunden = dw / (15.0 * kGrad) * 3600.0;
        s.cosZenit =
            std::cos(phi) * std::cos(delta) * std::cos(w) + std::sin(phi) * std::sin(delta);
        // Duffie & Beckman eq. 1.6.2.
        s.cosEinfall =
            std::sin(delta) * std::sin(phi) * std::cos(beta) -
            std::sin(delta) * std::cos(phi) * std::sin(beta) * std::cos(gamma) +
            std::cos(delta) * std::cos(phi) * std::cos(beta) * std::cos(w) +
            std::cos(delta) * std::sin(phi) * std::sin(beta) * std::cos(gamma) * std::cos(w) +
            std::cos(delta) * std::sin(beta) * std::sin(gamma) * std::sin(w);
        summeGlobal += rt;
        summeDiffus += rd;
        schritte.push_back(s);
    }
    for (Schritt& s : schritte) {
        s.global = summeGlobal > 0.0 ? h * s.global / summeGlobal : 0.0;
        s.diffus = summeDiffus > 0.0 ? std::min(hd * s.diffus / summeDiffus, s.global) : 0.0;
    }
    return schritte;
}

// Irradiation of one step on the tilted surface, MJ/m².
double AufGeneigt(const Schritt& s, const Ausrichtung& lage) {
    const double beta = lage.neigungGrad * kGrad;
    double direkt = s.global - s.diffus;
    double diffus = s.diffus;
    double rb = 0.0;
    if (s.cosZenit > std::sin(kMinHoehe))
        rb = std::max(s.cosEinfall, 0.0) / s.cosZenit;
    else {
        diffus += direkt;
        direkt = 0.0;
    }
    return direkt * rb + diffus * (1.0 + std::cos(beta)) / 2.0 +
           s.global * kBodenReflexion * (1.0 - std::cos(beta)) / 2.0;
}

}  // namespace

Monate StrahlungGeneigt(const Monate& globalKWh, double breiteGrad, const Ausrichtung& lage) {
    Monate summe{};
    for (int m = 0; m < 12; ++m) {
        double tag = 0.0;
        for (const Schritt& s : MittlererTagInSchritten(globalKWh[m], m, breiteGrad, lage))
            tag += AufGeneigt(s, lage);
        summe[m] = tag * TageImMonat(m) / 3.6;
    }
    return summe;
}

Monate KollektorErtragGeneigt(const KollektorKennwerte& k, double mittelTemp,
                              const Monate& globalKWh, const Monate& luftTemp, double breiteGrad,
                              const Ausrichtung& lage) {
    Monate ertrag{};
    for (int m = 0; m < 12; ++m) {
        const double dt = mittelTemp - luftTemp[m];
        double tag = 0.0;  // MJ/m²
        for (const Schritt& s : MittlererTagInSchritten(globalKWh[m], m, breiteGrad, lage)) {
            const double it = AufGeneigt(s, lage);
            const double g = it * 1.0e6 / s.sekunden;  // W/m²
            if (g <= 0.0) continue;
            const double eta = k.eta0 - k.a1 * dt / g - k.a2 * dt * dt / g;
            tag += std::max(eta, 0.0) * it;
        }
        ertrag[m] = tag * TageImMonat(m) / 3.6;
    }
    return ertrag;
}

}  // namespace libgen
