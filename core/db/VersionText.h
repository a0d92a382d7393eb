#pragma once
// Version numbers as one number: major × 10000 + minor × 1000 + build × 10 + revision.
#include <cstdint>

#include "core/value/VRMString.h"

// "major.minor.build.revision" of such a number (42080 gives "4.2.8.0"). Only for numbers
// whose parts fit their places (minor and revision below 10, build below 100).
CVRMString getVersionString(int32_t number);
// The four numbers of a version record joined by points: 4.2.123.0 reads "4.2.123.0".
CVRMString getVersionString(uint16_t major, uint16_t minor, uint16_t build, uint16_t revision);
