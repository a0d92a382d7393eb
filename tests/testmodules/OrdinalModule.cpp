// Test module: three entry points by ordinal, each answering a number of its own.
#include "platform/modules/Module.h"

namespace {
int first() {
    return 11;
}
int second() {
    return 22;
}
int seventh() {
    return 77;
}
}  // namespace

extern "C" __attribute__((visibility("default"))) int varm_test_ordinals_marker() {
    return 1;
}

VARM_ORDINAL_TABLE({1, reinterpret_cast<void*>(&first)}, {2, reinterpret_cast<void*>(&second)},
                   {7, reinterpret_cast<void*>(&seventh)})
