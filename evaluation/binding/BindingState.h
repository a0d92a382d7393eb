#pragma once
// Whether the run-time libraries that the model asks about are bound, and the few calls
// of the solar library that the house makes once it is. The loaders set this at start-up
// and clear it again when a load fails; until then every answer is "not bound", and
// nothing reaches into a library that is not there.
#include <cstdint>
#include <functional>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMVariant.h"

class CSolareGewinne;

namespace binding {

// The solar library's calls that the house uses: the monthly gains of a plant by kind
// (1 hot water, 2 heating, 3 ground) and one value of a plant.
struct SolarAufrufe {
    std::function<void(const CVRMString& anlage, unsigned short art, CSolareGewinne& gewinne)>
        GetSolareGewinne;
    std::function<CVRMVariant(const CVRMString& anlage, TKelvoDatenID id)> get;
};

// Bound once both calls are set.
void SetzeSolarBindung(SolarAufrufe aufrufe);
void LoeseSolarBindung();
bool IstSolarGebunden();
// The calls of the bound library; empty calls while it is not bound.
const SolarAufrufe& GetSolarAufrufe();

void SetzeKuehlGebunden(bool gebunden);
bool IstKuehlGebunden();

}  // namespace binding
