// Fixture of the layer check: core from model climbs.
#include "model/house/Haus2.h"
