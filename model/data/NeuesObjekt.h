#pragma once
// Creating a new named component in its database list, and guarding library entries
// against change. Component kinds: 0 building, 1 heat pump, 2 heat source, 3 tariff,
// 4 ground temperature data, 5 climate data, 6 weather data, 7 project, 8 kind of soil,
// 9 solar system, 10 solar collector, 11 sunshine location, 12 cooling system, 15 no list.
#include "core/value/VRMString.h"

namespace platform {
class Window;
}

// 1 when a new entry was added under `name`. An empty name is asked for, in a prompt owned
// by `eltern` (none: the window the user works in); on cancel or a refused name, `name`
// becomes the kind's text and the result is 0.
int AddNeuesObjekt(int art, CVRMString& name, platform::Window* eltern = nullptr);
// 1 when the component may be changed; otherwise the user is told why and the result is 0.
int ChangeBiboKomponente(int art, const CVRMString& name);
