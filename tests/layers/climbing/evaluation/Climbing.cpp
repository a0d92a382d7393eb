// Fixture of the layer check.
#include <QtCore/QString>
#include "dialogs/Dlg.h"
#include "model/house/Haus2.h"
