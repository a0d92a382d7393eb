#pragma once
// A profile held in memory, so that tests can plant a saved placement and read what a
// window wrote back.
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "controls/resizable/Profile.h"

namespace testsupport {

class MemoryProfile : public resizable::Profile {
  public:
    std::map<std::pair<std::u16string, std::u16string>, std::u16string> entries;

    std::optional<std::u16string> readString(const std::u16string& section,
                                             const std::u16string& entry) override {
        const auto it = entries.find({section, entry});
        if (it == entries.end()) return std::nullopt;
        return it->second;
    }
    void writeString(const std::u16string& section, const std::u16string& entry,
                     const std::u16string& value) override {
        entries[{section, entry}] = value;
    }
};

}  // namespace testsupport
