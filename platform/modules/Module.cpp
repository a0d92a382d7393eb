#include "platform/modules/Module.h"

#include <dlfcn.h>
#include <elf.h>

#include <cstring>
#include <fstream>
#include <string_view>
#include <vector>

namespace platform {

struct Module {
    void* handle = nullptr;
    std::filesystem::path file;
};

namespace {
std::string& lastError() {
    static std::string error;
    return error;
}
}  // namespace

ModuleHandle loadModule(const std::filesystem::path& file) {
    dlerror();
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        lastError() = why ? why : "unknown error";
        return nullptr;
    }
    return new Module{handle, file};
}

void freeModule(ModuleHandle module) {
    if (!module) return;
    dlclose(module->handle);
    delete module;
}

std::string lastModuleError() { return lastError(); }

std::filesystem::path moduleFile(ModuleHandle module) { return module ? module->file : std::filesystem::path(); }

void* getProcByOrdinal(ModuleHandle module, int ordinal) {
    if (!module) return nullptr;
    using Entry = void* (*)(int);
    auto entry = reinterpret_cast<Entry>(dlsym(module->handle, "varm_ordinal_entry"));
    return entry ? entry(ordinal) : nullptr;
}

void* getProcByName(ModuleHandle module, const char* name) {
    return module ? dlsym(module->handle, name) : nullptr;
}

namespace {

// Reads the ".varm_version" section of a 64-bit little-endian ELF file.
std::optional<FileVersion> versionFromElf(const std::vector<char>& image) {
    Elf64_Ehdr header;
    if (image.size() < sizeof header) return std::nullopt;
    std::memcpy(&header, image.data(), sizeof header);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
        header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_shentsize != sizeof(Elf64_Shdr))
        return std::nullopt;
    auto sectionAt = [&](size_t index, Elf64_Shdr& out) {
        const uint64_t offset = header.e_shoff + index * sizeof(Elf64_Shdr);
        if (offset > image.size() || image.size() - offset < sizeof(Elf64_Shdr)) return false;
        std::memcpy(&out, image.data() + offset, sizeof out);
        return true;
    };
    Elf64_Shdr names;
    if (header.e_shstrndx >= header.e_shnum || !sectionAt(header.e_shstrndx, names)) return std::nullopt;
    if (names.sh_offset > image.size() || image.size() - names.sh_offset < names.sh_size)
        return std::nullopt;
    const std::string_view nameTable(image.data() + names.sh_offset, names.sh_size);
    for (size_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section;
        if (!sectionAt(i, section) || section.sh_name >= nameTable.size()) continue;
        const std::string_view rest = nameTable.substr(section.sh_name);
        if (rest.substr(0, rest.find('\0')) != ".varm_version") continue;
        if (section.sh_size < 8 || section.sh_offset > image.size() || image.size() - section.sh_offset < 8)
            return std::nullopt;
        const auto* p = reinterpret_cast<const unsigned char*>(image.data() + section.sh_offset);
        auto word = [p](int k) { return static_cast<uint16_t>(p[2 * k] | (p[2 * k + 1] << 8)); };
        return FileVersion{word(0), word(1), word(2), word(3)};
    }
    return std::nullopt;
}

}  // namespace

std::optional<FileVersion> readFileVersion(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<char> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return versionFromElf(image);
}

std::filesystem::path moduleFileOfAddress(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname) return {};
    std::error_code ec;
    auto path = std::filesystem::canonical(info.dli_fname, ec);
    return ec ? std::filesystem::path(info.dli_fname) : path;
}

std::filesystem::path programDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

}  // namespace platform
