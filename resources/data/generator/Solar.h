#pragma once
// Monthly sunshine hours from monthly global irradiation, by the Angstrom-Prescott
// relation Rs = (a + b n/N) Ra with the coefficients FAO-56 recommends where none are
// calibrated (a = 0.25, b = 0.50), and the extraterrestrial radiation Ra and day length N
// of FAO-56 (equations 21 to 25, 34) for the middle day of each month.
#include <array>

namespace libgen {

using Monate = std::array<double, 12>;

struct Tageswerte {
    double ra = 0;      // extraterrestrial radiation, MJ/(m² day)
    double tagStd = 0;  // day length N, hours
};

inline constexpr double kAngstroemA = 0.25;
inline constexpr double kAngstroemB = 0.50;

int TageImMonat(int monat);   // 0..11, a year of 365 days
int MittlererTag(int monat);  // day of the year, FAO-56: trunc(30.4 M - 15)
Tageswerte Extraterrestrisch(double breiteGrad, int tagDesJahres);
// Irradiation in kWh/m² per month to hours of bright sunshine per month, each between 0
// and the month's day length.
Monate SonnenstundenAusStrahlung(const Monate& globalKWh, double breiteGrad);

}  // namespace libgen
