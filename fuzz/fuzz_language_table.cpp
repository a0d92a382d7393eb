// Parses arbitrary bytes as a language resource (UTF-16LE) and as a language file, then
// loads and formats a few of the texts, as translated texts are used as formats.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text/ResManager.h"
#include "core/value/VRMString.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/text/Text.h"

namespace {

void useTexts() {
    for (unsigned id : {0u, 1u, 12u, 3168u, 65535u}) {
        CVRMString text;
        text.LoadStringW(id);
        text.Format(id, 42, u"text", 1.5, static_cast<const void*>(&text));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static platform::RecordingPresenter boxes;
    static platform::ScopedMessageBoxPresenter guard(boxes);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    CResManager::freeLangRes();
    CResManager::parseResource(platform::fromUtf16LE(bytes));
    useTexts();

    CResManager::freeLangRes();
    CResManager::parseFile(bytes);
    useTexts();
    boxes.shown.clear();
    return 0;
}
