// Fixture of the layer check: the window layer may use Qt.
#include <QPainter>
#include "core/db/IniFile.h"
