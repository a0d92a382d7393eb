#pragma once
// Resources of a loaded resource module (language table, report templates, pictures).
// A resource module exports `varm_find_resource(const char16_t* type, unsigned id,
// size_t* size)`, answering the bytes of the resource or null; our build generates it
// from the files of resources/<language>/.
#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/modules/Module.h"

namespace platform {

// The bytes of resource `id` of `type` ("LNG", "HTML", ...) in the module; nullopt when
// the module is null or has no such resource. The bytes live as long as the module.
std::optional<std::string_view> findResource(ModuleHandle module, std::u16string_view type,
                                             unsigned id);

// The resource module that language texts and resources are taken from; it must stay
// loaded while it is current.
void setCurrentResourceModule(ModuleHandle module);
ModuleHandle currentResourceModule();

}  // namespace platform
