// Formats a fixed list of arguments of every kind with an arbitrary format (UTF-16LE
// bytes), as language texts from outside are used.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/format/Format.h"
#include "platform/text/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string format = platform::fromUtf16LE(bytes);
    const std::u16string owned = u"Wärmepumpe";
    int local = 0;
    volatile size_t sink = 0;
    sink = sink + platform::format(format, 42, -7, 4294967295u, 1.5, -1e300, u"text", owned,
                                   static_cast<const void*>(&local), u'Ä', int64_t{-1} << 40,
                                   1.0f / 3.0f, true)
                      .size();
    sink = sink + platform::format(format).size();
    sink = sink + platform::format(format, 5).size();
    return 0;
}
