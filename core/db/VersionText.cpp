#include "core/db/VersionText.h"

CVRMString getVersionString(int32_t number) {
    CVRMString text;
    text.Format(u"%i.%i.%i.%i", number / 10000, (number % 10000) / 1000, (number % 1000) / 10,
                number % 10);
    return text;
}

CVRMString getVersionString(uint16_t major, uint16_t minor, uint16_t build, uint16_t revision) {
    CVRMString text;
    text.Format(u"%i.%i.%i.%i", int{major}, int{minor}, int{build}, int{revision});
    return text;
}
