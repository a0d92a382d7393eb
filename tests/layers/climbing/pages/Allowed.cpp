// Fixture of the layer check: the pages sit over the dialogs and app/.
#include <QWidget>
#include "app/base/KVSDatenPage.h"
#include "dialogs/DlgBKGrafik.h"
