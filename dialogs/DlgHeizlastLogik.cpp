#include "dialogs/DlgHeizlastLogik.h"

#include <algorithm>

#include "platform/numbers/Numbers.h"

namespace {
// The cost pairs run heat pump, oil, gas, own system, night storage, direct electric.
constexpr std::size_t kOelPaar = 1, kGasPaar = 2;
constexpr float kKWhJeEinheit = 10.0f;  // kWh per litre of oil or m³ of gas
constexpr float kWWJePerson = 800.0f;   // kWh of hot water per person and year
}  // namespace

float JahresWaermeAusVerbrauch(const SHeizlastEingabe& e, const CProjekt2::BKostenDaten& kosten) {
    const bool gas = e.brennstoff == 1;
    const float verbrauch = static_cast<float>(gas ? e.gas : e.oel);
    const float wirkungsgrad = static_cast<float>(kosten[gas ? kGasPaar : kOelPaar].zahl);
    const float waerme = verbrauch * wirkungsgrad * kKWhJeEinheit * 0.01f -
                         kWWJePerson * static_cast<float>(e.personen);
    return std::max(waerme, 0.0f);
}

float BerechneHeizlast(SHeizlastEingabe& e, const CProjekt2::BKostenDaten& kosten,
                       const NormHeizlastSuche& suche) {
    if (e.methode != 1)
        return static_cast<float>(e.flaeche) * static_cast<float>(e.spezLast) * 0.001f;
    const float heizlast = suche(JahresWaermeAusVerbrauch(e, kosten));
    if (e.flaeche > 0)
        e.spezLast = platform::toUInt32(heizlast * 1000.0f / static_cast<float>(e.flaeche) + 0.5f);
    return heizlast;
}
