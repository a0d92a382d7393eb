#pragma once
// The VDI 4650 report: which of the nine HTML templates fits the calculator's case, the
// values that fill its placeholders "#VRM_T01X#" .. "#VRM_T35X#" (placeholder nn under
// report key 1127 + nn, key 1163 the source-pump power), and the writer that hands both
// to the report module through the project document or the application.
#include <cstdint>
#include <functional>
#include <vector>

#include "core/value/DatenId.h"
#include "core/value/VRMwert.h"

class CVDI4650Rechner;

namespace VDI4650Report {

// The report value under which the report module takes the template number.
inline constexpr uint32_t kVorlagenSchluessel = 164;
// Templates: HTML resources 280 .. 288 of the resource module.
inline constexpr unsigned kErsteVorlage = 280;
inline constexpr unsigned kVorlageOhneWarmwasserWP = 282;
// Key of placeholder nn (1 .. 35).
constexpr TKelvoDatenID SchluesselVon(int nn) {
    return static_cast<TKelvoDatenID>(1127 + nn);
}
inline constexpr TKelvoDatenID kPumpenLeistungSchluessel = static_cast<TKelvoDatenID>(1163);

// The template by heat-pump kind, hot-water choice and operating mode.
unsigned WaehleVorlage(int art, int warmwasser, int betriebsweise);

struct SReportWert {
    TKelvoDatenID schluessel;
    CVRMwert wert;
};
// The 36 values of the calculator's current inputs and results, in the order they are
// handed to the document.
std::vector<SReportWert> BaueReportWerte(const CVDI4650Rechner& rechner);

// How the template number reaches the report module: empty, it goes through the report
// binding (IReport::SetDaten), which reports 3587 "Interface 'Report' not initialized" and
// throws while the module is unbound; tests set a hand-over of their own.
using VorlagenUebergabe = std::function<void(uint32_t schluessel, unsigned wert)>;
void SetzeVorlagenUebergabe(VorlagenUebergabe uebergabe);

// "Create report": calculates, stores F_P and the hot-water test temperature in the
// project, hands the template over and stores the values; with a document it then asks
// the document for the report. False when the checks refused the input or a step failed
// (the failure has been shown); the calculator keeps its results either way.
bool SchreibeReport(CVDI4650Rechner& rechner);

}  // namespace VDI4650Report
