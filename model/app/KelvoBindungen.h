#pragma once
// Whether the run-time libraries that the model asks about are bound, and the few calls of
// the solar library that the house makes once it is. The evaluation's binding state
// implements this and registers itself; while nothing is registered every answer is "not
// bound", and nothing reaches into a library that is not there.
#include <functional>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMVariant.h"

class CSolareGewinne;

// The solar library's calls that the house uses: the monthly gains of a plant by kind
// (1 hot water, 2 heating, 3 ground) and one value of a plant.
struct SSolarAufrufe {
    std::function<void(const CVRMString& anlage, unsigned short art, CSolareGewinne& gewinne)>
        GetSolareGewinne;
    std::function<CVRMVariant(const CVRMString& anlage, TKelvoDatenID id)> get;
};

class IKelvoBindungen {
  public:
    virtual ~IKelvoBindungen() = default;
    virtual bool IstSolarGebunden() const = 0;
    // The calls of the bound solar library; empty calls while it is not bound.
    virtual const SSolarAufrufe& GetSolarAufrufe() const = 0;
    virtual bool IstKuehlGebunden() const = 0;
};

// The registered binding state, or one where nothing is bound.
const IKelvoBindungen& GetKelvoBindungen();
// Registers `bindungen` (not owned; null unregisters) and returns the one registered before.
IKelvoBindungen* RegisterKelvoBindungen(IKelvoBindungen* bindungen);
