#pragma once
// The limits of the project calculation's design checks, as plain comparisons. Every
// temperature is compared as the signed number it is: a negative temperature is below a
// positive limit, never a huge unsigned one.
#include <cstdint>

namespace auslegung {

// The heat pump's output falls short when it is more than 0.11 kW below the requirement.
inline bool WPLeistungZuKlein(float leistung, float bedarf) {
    return leistung + 0.11f < bedarf;
}

// The heat pump's maximum flow temperature (whole °C) falls short when it is more than
// 0.5 K below the flow temperature required.
inline bool MaxVorlaufZuKlein(int32_t maxVorlauf, float benoetigt) {
    return static_cast<float>(maxVorlauf) + 0.5f < benoetigt;
}

// The house's flow temperature (whole °C) lies above what the heat pump reaches.
inline bool VorlaufNichtErreichbar(int32_t hausVorlauf, int32_t maxVorlauf) {
    return hausVorlauf > maxVorlauf;
}

// A month's solar feed temperature into the ground lies above the limit of the options.
inline bool EinspeisungZuWarm(int64_t temperatur, int64_t grenze) {
    return temperatur > grenze;
}

// The flow in a ground collector by its Reynolds number: below 1000 it is too slow for a
// turbulent flow, above 3500 it is rather fast; 1000 to 3500 inclusive is right.
enum class TStroemung { zuLangsam, gut, schnell };
inline TStroemung BeurteileReynolds(float re) {
    if (re < 1000.0f) return TStroemung::zuLangsam;
    if (re > 3500.0f) return TStroemung::schnell;
    return TStroemung::gut;
}

// The slope of the energy-coverage chart's source temperature: from the lowest monthly
// source temperature at the design outdoor temperature `tiefste` to the highest at the
// heating limit `hoechste`. A house whose two lie at one temperature has no slope.
inline float QuellTempSteigung(float minimum, float maximum, int32_t tiefste, int32_t hoechste) {
    if (hoechste == tiefste) return 0.0f;
    return (maximum - minimum) / static_cast<float>(hoechste - tiefste);
}

}  // namespace auslegung
