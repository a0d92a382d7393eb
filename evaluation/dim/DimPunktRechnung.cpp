#include "evaluation/dim/DimPunktRechnung.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/errors/KVSMessageBox.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr int kHoechsteTemp = 12;
constexpr int kNichtGefunden = 13;
constexpr int kMediumLuft = 1;
constexpr double kProzent = 0.01;

constexpr unsigned kZielZuGross = 3650;  // "The entered heat consumption must not be greater ..."
constexpr unsigned kTempZuHoch = 3651;   // "The calculated temperature is > %i °C. ..."
constexpr unsigned kCaption = 3168;

// The energy below the point, with the hot water the heat pump then leaves in the same
// proportion. Only called with a heating demand.
float MitWarmwasser(float energie, const SJahresBedarf& bedarf) {
    return energie + energie / static_cast<float>(bedarf.heizung) *
                         static_cast<float>(bedarf.warmwasser);
}

}  // namespace

SJahresBedarf LeseJahresBedarf(CHaus2& haus) {
    float heizung = 0.0f;
    for (unsigned short m = 0; m < 12; ++m) {
        float bedarf = 0.0f;
        haus.MomentanerHeizbedarf(m, 1, bedarf);
        heizung += bedarf * kStundenJeMonat;
    }
    float wasser = 0.0f;
    if (haus.GetWert(ID_WWmitWP).GetIntVal() == 1) {
        std::array<float, 12> monate{};
        haus.MonatlicherWWbedarf(monate);
        for (float w : monate) wasser += w;
    }
    return {static_cast<unsigned>(std::max(heizung, 0.0f)),
            static_cast<unsigned>(std::max(wasser, 0.0f))};
}

SBivalenz BerechneDimPunkt(int startTemp, const SJahresBedarf& bedarf, const SBivalenzZiel& ziel,
                           const EnergieUnterFn& energieUnter) {
    const unsigned summe = bedarf.Summe();
    double e = 0.0;
    if (ziel.modus == 0) {
        if (ziel.kWh > summe) {
            KVSMessageBoxID(kZielZuGross, kCaption, platform::mb::OK | platform::mb::ICONEXCLAMATION);
            return {BivalenzStatus::ZielZuGross, 0};
        }
        e = ziel.kWh;
    } else {
        e = static_cast<double>(summe) * ziel.prozent * kProzent;
    }
    if (bedarf.heizung == 0) return {BivalenzStatus::KeinHeizbedarf, 0};

    for (int t = startTemp; t <= kHoechsteTemp; ++t) {
        const double u = MitWarmwasser(energieUnter(t).energie, bedarf);
        if (std::trunc(u + e) >= static_cast<double>(summe))
            return {BivalenzStatus::Gefunden, t};
    }
    CVRMString text;
    text.Format(kTempZuHoch, kHoechsteTemp, kHoechsteTemp);
    KVSMessageBoxCaptionID(text, kCaption, platform::mb::OK | platform::mb::ICONEXCLAMATION);
    return {BivalenzStatus::NichtErreicht, kHoechsteTemp};
}

SWPGrenzen PruefeWaermepumpe(CWPumpe2& wpumpe, int startTemp, const SJahresBedarf& bedarf,
                             const DimWerteFn& dimWerte, const EnergieUnterFn& energieUnter) {
    SWPGrenzen g;
    const bool luft = wpumpe.GetWert(ID_MedienTyp).GetIntVal() == kMediumLuft;
    const int tMin = wpumpe.GetWert(ID_MinLuftTemp).GetIntVal();
    const auto anzahl = static_cast<float>(wpumpe.GetAnzahl());
    for (int t = startTemp; t <= kHoechsteTemp; ++t) {
        if (g.leistung != kNichtGefunden && g.vorlauf != kNichtGefunden) break;
        if (luft && t < tMin) continue;
        const SDimWerte w = dimWerte(t);
        float leistung = 0.0f;
        wpumpe.GetLeistungAnzahl(CWPumpe2::kHeizLeistung, w.quellTemp, w.auslegTemp, leistung);
        if (wpumpe.getMVT(w.quellTemp) < w.auslegTemp) continue;
        if (g.vorlauf == kNichtGefunden) g.vorlauf = t;
        // All units against the load of all of them.
        if (leistung > w.leistungProWP * anzahl && g.leistung == kNichtGefunden) g.leistung = t;
    }
    if (g.leistung == kNichtGefunden || bedarf.heizung == 0) return g;

    const float u = std::min(energieUnter(g.leistung).energie,
                             static_cast<float>(bedarf.heizung));
    const float anteil =
        100.0f - MitWarmwasser(u, bedarf) * 100.0f / static_cast<float>(bedarf.Summe()) + 0.5f;
    g.prozent = std::min(100u, static_cast<unsigned>(std::max(anteil, 0.0f)));
    g.ergebnisTemp = g.leistung;
    return g;
}
