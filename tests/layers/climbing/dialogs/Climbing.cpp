// Fixture of the layer check: a dialog takes a page's figures from below, not from the page.
#include <QWidget>
#include "app/doc/KostenVergleichLogik.h"
#include "pages/BKVergleichPage.h"
