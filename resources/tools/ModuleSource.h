#pragma once
// The C++ source of a resource module: every resource as a byte array and the one
// exported lookup `varm_find_resource(type, id, size)` that platform/resources calls.
#include <optional>
#include <string>
#include <vector>

namespace resgen {

struct Resource {
    std::string type;  // "LNG", "HTML", ...: letters, digits and '_'
    unsigned id = 0;   // 0..65535
    std::string name;  // shown in the generated source only
    std::string bytes;
};

// Nullopt, with `error` set, for a type or id out of the rules above or a (type, id)
// given twice.
std::optional<std::string> resourceModuleSource(const std::vector<Resource>& resources,
                                                std::string& error);

}  // namespace resgen
