// Fixture of the layer check: the window layer may use Qt and the platform, nothing above.
#include <QPainter>
#include "platform/format/Format.h"
#include "core/text/ResManager.h"
#include "../../controls/Grid.h"
