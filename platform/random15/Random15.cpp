#include "platform/random15/Random15.h"

namespace platform {

int Random15::next() {
    state_ = state_ * 1103515245u + 12345u;  // wraps modulo 2^32 by the unsigned type
    return static_cast<int>((state_ / 65536u) % 32768u);
}

}  // namespace platform
