// Fixture of the layer check: the document opens no dialog or page by name.
#include <QWidget>
#include "app/shell/FensterFabrik.h"
#include "dialogs/AuswertDlg.h"
#include "pages/DimPage.h"
