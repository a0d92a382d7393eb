// Fixture of the layer check.
#include "controls/Grid.h"
#include "core/value/VRMString.h"
