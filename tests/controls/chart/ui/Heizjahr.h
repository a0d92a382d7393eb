#pragma once
// A realistic heating year, July to June, for the pictures of the chart tests.
//
// The shipped sample project "Sample ground probe monovalent" (resources/data/projects.csv,
// houses.csv): a house in Kassel with a design heat load of 8 kW at the design outdoor
// temperature of -12 °C (postcode region 34, design_temperatures_de_postcode.csv), 20 °C
// inside, 200 l of hot water a day, and a brine/water heat pump of 11 kW. Monthly mean
// temperatures of Kassel from the DWD TRY 2015 average year (sources/typical_years.csv).
//
// Heating energy by the degree-day method with a heating limit of 15 °C:
//   8 kW x max(0, 15 - T) / (20 - (-12)) x hours of the month.
// Hot water: 200 kg x 4.19 kJ/(kg K) x 35 K / 3600 = 8.15 kWh a day.
// Running hours of the heat pump: (heating + hot water) / 11 kW.
// Electricity cost: (heating + hot water) / seasonal performance factor 4.3 x 22.8 ct/kWh
// (the two-rate example tariff of the library: 16 h at 23.55 and 8 h at 21.17 ct/kWh).
#include <array>
#include <algorithm>

namespace charttest {

struct Monat {
    const char16_t* name;
    double temperatur;  // °C
    int tage;
};

inline constexpr std::array<Monat, 12> kHeizjahr = {{
    {u"Jul", 18.5, 31}, {u"Aug", 18.4, 31}, {u"Sep", 14.3, 30}, {u"Oct", 10.0, 31},
    {u"Nov", 5.6, 30},  {u"Dec", 1.4, 31},  {u"Jan", 1.2, 31},  {u"Feb", 2.3, 28},
    {u"Mar", 5.4, 31},  {u"Apr", 9.6, 30},  {u"May", 14.1, 31}, {u"Jun", 16.5, 30},
}};

inline double HeizEnergie(const Monat& m) {
    return 8.0 * std::max(0.0, 15.0 - m.temperatur) / 32.0 * 24.0 * m.tage;
}
inline double WarmwasserEnergie(const Monat& m) { return 200.0 * 4.19 * 35.0 / 3600.0 * m.tage; }
inline double Laufzeit(const Monat& m) { return (HeizEnergie(m) + WarmwasserEnergie(m)) / 11.0; }
inline double Stromkosten(const Monat& m) {
    return (HeizEnergie(m) + WarmwasserEnergie(m)) / 4.3 * 0.228;
}

}  // namespace charttest
