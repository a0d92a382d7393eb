// Fixture of the layer check: a run-time module may use the model.
#include <vector>
#include "model/house/Haus2.h"
