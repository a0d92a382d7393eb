#include "evaluation/binding/BindingState.h"

#include <utility>

namespace binding {

namespace {

class CBindingState : public IKelvoBindungen {
  public:
    bool IstSolarGebunden() const override { return solar.GetSolareGewinne && solar.get; }
    const SSolarAufrufe& GetSolarAufrufe() const override { return solar; }
    bool IstKuehlGebunden() const override { return kuehl; }

    SolarAufrufe solar;
    bool kuehl = false;
};

CBindingState& state() {
    static CBindingState zustand;
    return zustand;
}

// The state about to change, registered with the model so that the model sees the change.
CBindingState& changing() {
    if (&GetKelvoBindungen() != &state()) RegisterKelvoBindungen(&state());
    return state();
}

}  // namespace

void SetzeSolarBindung(SolarAufrufe aufrufe) {
    changing().solar = std::move(aufrufe);
}

void LoeseSolarBindung() {
    changing().solar = SolarAufrufe{};
}

bool IstSolarGebunden() {
    return state().IstSolarGebunden();
}

const SolarAufrufe& GetSolarAufrufe() {
    return state().solar;
}

void SetzeKuehlGebunden(bool gebunden) {
    changing().kuehl = gebunden;
}

bool IstKuehlGebunden() {
    return state().kuehl;
}

}  // namespace binding
