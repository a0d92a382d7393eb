#include "app/doc/VDI4650Fenster.h"

namespace {
VDI4650Fenster& fenster() {
    static VDI4650Fenster f;
    return f;
}
}  // namespace

void RegistriereVDI4650Fenster(VDI4650Fenster neu) {
    fenster() = std::move(neu);
}

const VDI4650Fenster& GetVDI4650Fenster() {
    return fenster();
}
