#pragma once
// Round tick values of a chart's value axis.
#include <vector>

// Steps of 1, 2 or 5 times a power of ten, chosen from the size of the range; the ticks
// start at or below `min` and reach or pass `max`. `abNull` starts the range at 0.
void FuelleKurve(double min, double max, bool abNull, std::vector<double>& werte);
