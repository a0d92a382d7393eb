#pragma once
// Whether the run-time libraries that the model asks about are bound, and the few calls
// of the solar library that the house makes once it is. The loaders set this at start-up
// and clear it again when a load fails; until then every answer is "not bound", and
// nothing reaches into a library that is not there. The model reads it through
// IKelvoBindungen (model/app/KelvoBindungen.h): the first change registers it there.
#include "model/app/KelvoBindungen.h"

namespace binding {

using SolarAufrufe = SSolarAufrufe;

// Bound once both calls are set.
void SetzeSolarBindung(SolarAufrufe aufrufe);
void LoeseSolarBindung();
bool IstSolarGebunden();
// The calls of the bound library; empty calls while it is not bound.
const SolarAufrufe& GetSolarAufrufe();

// Set by the cooling module's loader (IKuehl::load) with the outcome of its binding.
void SetzeKuehlGebunden(bool gebunden);
bool IstKuehlGebunden();

}  // namespace binding
