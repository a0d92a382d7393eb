#include "platform/resources/Resources.h"

namespace platform {
namespace {
ModuleHandle& current() {
    static ModuleHandle module = nullptr;
    return module;
}
}  // namespace

std::optional<std::string_view> findResource(ModuleHandle module, std::u16string_view type,
                                             unsigned id) {
    using Finder = const void* (*)(const char16_t*, unsigned, size_t*);
    auto find = reinterpret_cast<Finder>(getProcByName(module, "varm_find_resource"));
    if (!find) return std::nullopt;
    const std::u16string typeText(type);
    size_t size = 0;
    const void* data = find(typeText.c_str(), id, &size);
    if (!data) return std::nullopt;
    return std::string_view(static_cast<const char*>(data), size);
}

void setCurrentResourceModule(ModuleHandle module) {
    current() = module;
}
ModuleHandle currentResourceModule() {
    return current();
}

}  // namespace platform
