// Fixture of the layer check: two climbing includes and one that does not climb.
#include <QWidget>
#include "app/options/OptionsManager.h"
#include "core/db/IniFile.h"
