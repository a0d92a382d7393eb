#include "core/db/TextIds.h"

#include <span>

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"

namespace {

// "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"
constexpr unsigned kMonate[] = {3444, 3445, 3446, 3447, 3448, 3449,
                                3450, 3451, 3452, 3453, 3454, 3455};
// "no feed", "Hot water", "Heating", "Heat pump/ground", "Heat pump/ground"
constexpr unsigned kEinspeisung[] = {3515, 3516, 3517, 3518, 3518};
// "normal position", "to south and sunny", "to north and shady"
constexpr unsigned kAbsorberRichtung[] = {3604, 3605, 3631};
// "Double-U-Tube", "Single-U-Tube"
constexpr unsigned kSondenart[] = {6031, 6027};
// "dry", "normal wet", "very wet"
constexpr unsigned kAbsorberFeuchte[] = {3632, 3633, 3634};
// "monoenergetic (parallel)", "monovalent", "bivalent (parallel)", "monoenergetic (alternative)",
// "bivalent (alternative)", "monoenergetic (partly parallel)", "bivalent (partly parallel)"
constexpr unsigned kBetriebsweise[] = {3635, 3636, 3637, 3638, 3639, 5788, 5789};
// "brine / water", "air / water", "water / water", "direct evaporation"
constexpr unsigned kWPmedium[] = {3194, 3195, 3196, 3197};
// The second collector form reads as a collector, air at a given temperature as air:
// "vertical ground collector", "horizontal ground collector", "air", "water", "EWTS tubes",
// "horizontal ground collector", "air"
constexpr unsigned kQuellArt[] = {3600, 3601, 3602, 3603, 6029, 3601, 3602};
// "average flat solar collector", "very good flat solar collector", "poor flat solar collector",
// "tube solar collector"
constexpr unsigned kSolarkollektor[] = {3658, 3659, 3660, 4044};
// "out of the building", "in the building"
constexpr unsigned kAufstellung[] = {3676, 3677};
// "with electric storage heater", "with electric heater"
constexpr unsigned kWawaBereitungAaz[] = {3678, 3679};
// The kinds by "WWmitWP"; the last is "Hot water with 2nd heat pump".
constexpr unsigned kWawaBereitung[] = {textid::kWawaKeine, textid::kWawaMitWP,
                                       textid::kWawaElektrisch, textid::kWawaZweiterWE, 5740};

unsigned lookup(std::span<const unsigned> table, int value, const char16_t* place) {
    if (value < 0 || static_cast<size_t>(value) >= table.size())
        vrmcore::ReportError(textid::kFalscheKonstante, place);
    return table[static_cast<size_t>(value)];
}

}  // namespace

unsigned getMonatAbkIDS(int month) {
    return lookup(kMonate, month, u"getMonatAbkIDS");
}
unsigned getEinspeiseIDS(int value) {
    return lookup(kEinspeisung, value, u"getEinspeiseIDS");
}
unsigned getAbsorberRichtungIDS(int value) {
    return lookup(kAbsorberRichtung, value, u"getAbsorberRichtungIDS");
}
unsigned getSondenartIDS(int value) {
    return lookup(kSondenart, value, u"getSondenartIDS");
}
unsigned getAbsorberFeuchteIDS(int value) {
    return lookup(kAbsorberFeuchte, value, u"getAbsorberFeuchteIDS");
}
unsigned getBetriebsweiseIDS(int value) {
    return lookup(kBetriebsweise, value, u"getBetriebsweiseIDS");
}
unsigned getWPmediumIDS(int value) {
    return lookup(kWPmedium, value, u"getWPmediumIDS");
}
unsigned getQuellArtIDS(int value) {
    return lookup(kQuellArt, value, u"getQuellArtIDS");
}
unsigned getSolarkollektorIDS(int value) {
    return lookup(kSolarkollektor, value, u"getSolarkollektorIDS");
}
unsigned getGeraeteaufstellungIDS(int value) {
    return lookup(kAufstellung, value, u"getGeraeteaufstellungIDS");
}
unsigned getWaermeverteilungIDS(int value) {
    return lookup(kAufstellung, value, u"getWaermeverteilungIDS");
}
unsigned getWawaBereitungAazIDS(int value) {
    return lookup(kWawaBereitungAaz, value, u"getWawaBereitungAazIDS");
}
unsigned getWawaBereitungIDS(int value) {
    return lookup(kWawaBereitung, value, u"getWawaBereitungIDS");
}
unsigned getGebaeudetypIDS(int value) {
    return lookup({}, value, u"getGebaeudetypIDS");
}
unsigned getALKlaufzeitIDS(int value) {
    return lookup({}, value, u"getALKlaufzeitIDS");
}
unsigned getALKstufeIDS(int value) {
    return lookup({}, value, u"getALKstufeIDS");
}
unsigned getHeizlastIDS(int value) {
    return lookup({}, value, u"getHeizlastIDS");
}
unsigned getAbluftmodulIDS(int value) {
    return lookup({}, value, u"getAbluftmodulIDS");
}
