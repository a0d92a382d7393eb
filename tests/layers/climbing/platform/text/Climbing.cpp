// Fixture of the layer check.
#include "pages/Seite.h"
#include "platform/format/Format.h"
