#pragma once
// The search of the heat-pump catalogue for units that fit a design, and the reduction of
// the hits to one unit per maker: catalogue names that share their first five letters,
// whatever their case, are one maker's, and the smallest of its units is listed.
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"

class IDlgProgress;

// A catalogue unit that fits, with its capacity at the design point (kW).
struct SKandidat {
    CVRMString name;
    float leistung = 0.0f;
};

// True when the unit fits; `leistung` then holds its capacity.
using KandidatenFilter = std::function<bool(const CVRMString& name, float& leistung)>;

// Every catalogue name in order through the filter, stepping `progress` (none: no
// progress shown) and stopping when the user cancels. Nothing when cancelled.
std::optional<std::vector<SKandidat>> SucheKandidaten(const CVRMStringArray& namen,
                                                      const KandidatenFilter& filter,
                                                      IDlgProgress* progress);

// One unit per maker prefix, in the order the makers were first met: the smaller capacity
// wins, the first met on equal capacities.
std::vector<SKandidat> GruppiereKandidaten(std::vector<SKandidat> treffer);
