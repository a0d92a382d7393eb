#include "tests/support/RecordedBoxes.h"

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "platform/numbers/Numbers.h"
#include "platform/text/Text.h"

namespace testsupport {

namespace {

// The lines "id##text" of the English language table, read once.
const std::map<unsigned, std::u16string>& EnglishTexts() {
    static const std::map<unsigned, std::u16string> texts = [] {
        std::map<unsigned, std::u16string> read;
        std::ifstream file(VARM_SOURCE_DIR "/resources/eng/language.txt");
        if (!file) throw std::runtime_error("the English language table cannot be read");
        std::string line;
        while (std::getline(file, line)) {
            const auto separator = line.find("##");
            if (separator == std::string::npos) continue;
            const std::u16string id = platform::fromUtf8(line.substr(0, separator));
            read[platform::parseUInt32(id)] = platform::fromUtf8(line.substr(separator + 2));
        }
        return read;
    }();
    return texts;
}

}  // namespace

std::vector<std::u16string> RecordedBoxes::texts() const {
    std::vector<std::u16string> result;
    for (const auto& box : shown) result.push_back(box.text);
    return result;
}

void RegisterCommonErrorTexts() {
    for (unsigned id : {textid::kNichtInitialisiert, textid::kDatenFehlen, textid::kKeineErgebnisse,
                        textid::kFalscheKonstante}) {
        const auto found = EnglishTexts().find(id);
        if (found == EnglishTexts().end())
            throw std::runtime_error("a common error text is missing in the English table");
        CResManager::setEntry(static_cast<uint16_t>(id), found->second);
    }
}

}  // namespace testsupport
