#include "app/shell/WarteFenster.h"

namespace {
DlgWaitMacher& macher() {
    static DlgWaitMacher m;
    return m;
}
}  // namespace

void RegistriereDlgWait(DlgWaitMacher neu) {
    macher() = std::move(neu);
}

std::unique_ptr<IDlgWait> ErzeugeDlgWait() {
    return macher() ? macher()() : nullptr;
}
