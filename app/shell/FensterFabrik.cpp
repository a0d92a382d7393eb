#include "app/shell/FensterFabrik.h"

SFensterFabrik& FensterFabrik() {
    static SFensterFabrik fabrik;
    return fabrik;
}
