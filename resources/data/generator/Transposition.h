#pragma once
// Monthly collector yields on a tilted, oriented surface from monthly global irradiation
// on the horizontal and monthly mean air temperatures, worked hour by hour over the
// month's mean day (the methods of Duffie & Beckman, "Solar Engineering of Thermal
// Processes", ch. 1, 2 and 6):
// - daily diffuse fraction of the month: Erbs, Klein & Duffie (1982), monthly-average
//   correlation by the sunset hour angle, with the clearness index kept within its
//   range of validity 0.3 to 0.8;
// - the day split into its hours: global by Collares-Pereira & Rabl (1979), diffuse by
//   Liu & Jordan (1960), each scaled so that the steps add up to the daily totals;
// - transposition: isotropic sky of Liu & Jordan (1963) with ground reflectance 0.2;
//   below 3° of solar elevation the beam counts as diffuse;
// - collector: efficiency eta0 - a1 dT / G - a2 dT² / G at the step's irradiance G on the
//   collector, dT the mean collector temperature less the month's mean air temperature;
//   a step with negative efficiency yields nothing; no incidence-angle modifier.
#include "Solar.h"

namespace libgen {

struct KollektorKennwerte {
    double eta0 = 0, a1 = 0, a2 = 0;  // a1 in W/(m² K), a2 in W/(m² K²)
};

struct Ausrichtung {
    double neigungGrad = 0;  // 0 horizontal, 90 vertical
    double azimutGrad = 0;   // 0 south, negative east, positive west
};

// Irradiation in kWh/m² per month on the tilted surface.
Monate StrahlungGeneigt(const Monate& globalKWh, double breiteGrad, const Ausrichtung& lage);
// Monthly yield in kWh/m² at mean collector temperature `mittelTemp` (°C).
Monate KollektorErtragGeneigt(const KollektorKennwerte& k, double mittelTemp,
                              const Monate& globalKWh, const Monate& luftTemp, double breiteGrad,
                              const Ausrichtung& lage);

}  // namespace libgen
