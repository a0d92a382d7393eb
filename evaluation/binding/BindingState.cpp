#include "evaluation/binding/BindingState.h"

#include <utility>

namespace binding {

namespace {

SolarAufrufe& solar() {
    static SolarAufrufe aufrufe;
    return aufrufe;
}

bool& kuehl() {
    static bool gebunden = false;
    return gebunden;
}

}  // namespace

void SetzeSolarBindung(SolarAufrufe aufrufe) {
    solar() = std::move(aufrufe);
}

void LoeseSolarBindung() {
    solar() = SolarAufrufe{};
}

bool IstSolarGebunden() {
    return solar().GetSolareGewinne && solar().get;
}

const SolarAufrufe& GetSolarAufrufe() {
    return solar();
}

void SetzeKuehlGebunden(bool gebunden) {
    kuehl() = gebunden;
}

bool IstKuehlGebunden() {
    return kuehl();
}

}  // namespace binding
