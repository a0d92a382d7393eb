#pragma once
// Version numbers as one number: major × 10000 + minor × 1000 + build × 10 + revision.
#include <cstdint>

#include "core/value/VRMString.h"

// "major.minor.build.revision" of such a number (42080 gives "4.2.8.0").
CVRMString getVersionString(int32_t number);
