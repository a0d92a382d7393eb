#pragma once
// Adds the name of a new component to the database list of its kind.
#include "core/value/VRMString.h"

class CVRMcompManager {
  public:
    // Kinds 0..13 (building, heat pump, heat source, tariff, ground temperatures, climate,
    // weather, project, soil, solar system, solar collector, sunshine, cooling, exhaust
    // air); another kind is error 3162. The name goes to the active database at once; the
    // core library's result.
    static int add(int art, const CVRMString& name);
};
