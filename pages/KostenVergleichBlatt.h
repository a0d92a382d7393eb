#pragma once
// The cost-comparison sheet of a project: the operating-cost, economics and heating-systems
// pages. Without pictures to save it is shown modal (`modus` 2 opens it on the economics
// page); with pictures it is built hidden and saves the charts of the economics page
// (`modus` 2) or of the operating-cost page. 1 when shown or saved.
#include "app/shell/FensterFabrik.h"

int ZeigeKostenVergleichBlatt(const SKostenVergleich& vergleich, CVRMString& bild1, CVRMString& bild2, int modus);
