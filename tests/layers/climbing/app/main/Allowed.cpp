// Fixture of the layer check: the program on top knows every window.
#include "app/shell/FensterFabrik.h"
#include "dialogs/AuswertDlg.h"
#include "pages/DimPage.h"
