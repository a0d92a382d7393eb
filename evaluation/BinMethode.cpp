#include "evaluation/BinMethode.h"

#include <algorithm>

namespace {

constexpr int kJuli = 6;
constexpr float kStundenJeTag = 24.0f;
// Below this many hours or this weight a mean is not taken.
constexpr float kMinStunden = 0.1f;

bool IstIn(int monat, std::initializer_list<int> monate) {
    return std::find(monate.begin(), monate.end(), monat) != monate.end();
}

// The sums of one month's bins.
struct Summen {
    SBinErgebnis erg;
    float aussen = 0.0f;  // outdoor temperature x hours below the limit
    float quelle = 0.0f;  // source temperature x hours below the limit
    float gewicht1 = 0.0f, quelle1 = 0.0f, vorlauf1 = 0.0f;  // while the heat pump runs
};

// One bin in which the heat pump may run, `tage` of them in the month.
void WPBin(const SBinEingabe& e, IBinModell& modell, float temp, float tage, Summen& s) {
    const float quellTemp = e.medium == 1 ? temp : e.quellTemp;
    const float bedarf = modell.Heizbedarf(temp);
    const float vorlauf = modell.VorlaufTemp(temp);
    const float f = e.sperrFaktor;
    const float laufStdTag = kStundenJeTag - e.sperrStdTag;

    float heiz = 0.0f, quelle = 0.0f, el = 0.0f, ueberschuss = 0.0f;
    if (static_cast<float>(e.maxVorlauf) >= vorlauf) {
        const SWPLeistung p = modell.WPLeistung(quellTemp, vorlauf);
        ueberschuss = f * bedarf < p.heiz ? p.heiz - f * bedarf : 0.0f;
        const float r = p.heiz > 0.0f ? (p.heiz - ueberschuss) / p.heiz : 0.0f;
        heiz = p.heiz - ueberschuss;
        quelle = p.quelle * r;
        el = p.elektrisch * r;
    }

    SBinErgebnis& erg = s.erg;
    const float zweitTag = e.zweiteLast * kStundenJeTag;
    if (f * bedarf <= heiz) {
        if (zweitTag <= ueberschuss * laufStdTag) {
            ueberschuss = f * e.zweiteLast;
        } else {
            erg.zusatzZweit += (zweitTag - ueberschuss * laufStdTag) * tage;
        }
    } else {
        erg.zusatzHeiz += std::max(0.0f, (bedarf * kStundenJeTag - heiz * laufStdTag) * tage);
        erg.zusatzZweit += zweitTag * tage;
    }

    const float summe = ueberschuss + heiz;
    if (summe > 0.0f) {
        const float stdHeiz = heiz / summe * tage * laufStdTag;
        const float stdZweit = ueberschuss / summe * tage * laufStdTag;
        erg.laufzeitHeiz += stdHeiz;
        erg.laufzeitZweit += stdZweit;
        erg.wpHeiz += stdHeiz * heiz;
        erg.wpZweit += stdZweit * ueberschuss;
        erg.quellHeiz += stdHeiz * quelle;
        erg.quellZweit += stdZweit * quelle;
        erg.elHeiz += stdHeiz * el;
        erg.elZweit += stdZweit * el;
        const float gewicht = tage * laufStdTag;
        s.gewicht1 += gewicht;
        s.quelle1 += quellTemp * gewicht;
        s.vorlauf1 += vorlauf * gewicht;
    }
}

}  // namespace

float GetMonatsAnteil(int monat, float tage) {
    if (monat < 0 || monat > 11) return 0.0f;
    if (tage > 200.0f) return monat != kJuli ? 0.09f : 0.0f;
    if (tage > 160.0f) return IstIn(monat, {0, 1, 2, 3, 4, 8, 9, 10, 11}) ? 0.11f : 0.0f;
    if (tage > 100.0f) {
        if (IstIn(monat, {0, 1, 11})) return 0.15f;
        return IstIn(monat, {2, 3, 9, 10}) ? 0.14f : 0.0f;
    }
    if (tage > 30.0f) return IstIn(monat, {0, 1, 2, 10, 11}) ? 0.2f : 0.0f;
    return IstIn(monat, {0, 1, 11}) ? 0.33f : 0.0f;
}

float TageUnterGrenze(BinTage bins, float grenzTemp) {
    float tage = 0.0f;
    for (int i = 0; i < kBinAnzahl && static_cast<float>(i - kBinNullGrad) < grenzTemp; ++i) {
        if (bins[i] >= kBinLeer) tage += bins[i];
    }
    return tage;
}

SBinErgebnis BerechneBins(const SBinEingabe& e, IBinModell& modell) {
    Summen s;
    float kumTage = 0.0f;
    for (int i = 0; i < kBinAnzahl && static_cast<float>(i - kBinNullGrad) < e.grenzTemp; ++i) {
        const float binTage = e.bins[i];
        if (binTage < kBinLeer) continue;
        kumTage += binTage;
        const float tage = GetMonatsAnteil(e.monat, kumTage) * binTage;
        const auto temp = static_cast<float>(i - kBinNullGrad);
        const float quellTemp = e.medium == 1 ? temp : e.quellTemp;
        const bool laeuft = e.wpDarfLaufen && !(e.medium == 1 && temp < e.minLuftTemp);
        if (laeuft) {
            WPBin(e, modell, temp, tage, s);
        } else {
            s.erg.zusatzHeiz += tage * kStundenJeTag * modell.Heizbedarf(temp);
            // Hot water booked beside the heating needs the backup heater as well.
            s.erg.zusatzZweit += tage * kStundenJeTag * e.zweiteLast;
        }
        const float stunden = tage * kStundenJeTag;
        s.erg.stundenUnterGrenze += stunden;
        s.aussen += temp * stunden;
        s.quelle += quellTemp * stunden;
    }

    // The month's own temperatures for the hours below and above the limit when either
    // part is too short to take a mean of.
    SBinErgebnis& erg = s.erg;
    const float h = erg.stundenUnterGrenze;
    const float x = e.medium == 1 ? e.monatsTemp : e.quellTemp;
    float mittelAussen = e.monatsTemp;
    float mittelQuelle = x;
    if (h > kMinStunden) {
        mittelAussen = s.aussen / h;
        if (e.medium == 1) mittelAussen = std::min(mittelAussen, e.monatsTemp);
        mittelQuelle = e.medium == 1 ? mittelAussen : s.quelle / h;
    }
    const float rest = kStundenJeMonat - h;
    float restAussen = e.monatsTemp;
    erg.quellTempRest = x;
    if (h > kMinStunden && rest > kMinStunden) {
        erg.quellTempRest = (x * kStundenJeMonat - h * mittelQuelle) / rest;
        restAussen = (e.monatsTemp * kStundenJeMonat - h * mittelAussen) / rest;
    }
    if (e.medium == 1) restAussen = erg.quellTempRest;

    if (s.gewicht1 > kMinStunden) {
        erg.quellTemp1 = s.quelle1 / s.gewicht1;
        erg.vorlaufTemp1 = s.vorlauf1 / s.gewicht1;
    } else {
        erg.quellTemp1 = erg.quellTempRest;
        erg.vorlaufTemp1 = modell.VorlaufTemp(restAussen);
    }
    return erg;
}
