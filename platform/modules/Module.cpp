#include "platform/modules/Module.h"

#include <dlfcn.h>
#include <elf.h>
#include <link.h>

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
    thread_local std::string error;
    return error;
}

void* openLibrary(const std::filesystem::path& file) {
    dlerror();
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

// The file the loader actually mapped: a bare name may have been found on its search path.
std::filesystem::path loadedFile(void* handle, const std::filesystem::path& requested) {
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name && *map->l_name)
        return map->l_name;
    return requested;
}

// dlsym on a handle also searches the libraries the module depends on; an entry point
// counts only when it lies in the module itself.
void* ownSymbol(ModuleHandle module, const char* name) {
    if (!module || !name) return nullptr;
    void* symbol = dlsym(module->handle, name);
    if (!symbol) return nullptr;
    link_map* own = nullptr;
    link_map* found = nullptr;
    Dl_info info{};
    if (dlinfo(module->handle, RTLD_DI_LINKMAP, &own) != 0 ||
        !dladdr1(symbol, &info, reinterpret_cast<void**>(&found), RTLD_DL_LINKMAP))
        return nullptr;
    return own == found ? symbol : nullptr;
}

}  // namespace

ModuleHandle loadModule(const std::filesystem::path& file) {
    void* handle = nullptr;
    // Like the Windows loader, a bare file name is looked for in the program folder first,
    // then beside the program's own libraries. The second is looked up here rather than left
    // to the loader's search path, which follows the object that calls dlopen: an
    // interceptor in between (a sanitizer's) would hide this library's run path.
    if (!file.empty() && !file.has_parent_path()) {
        const auto ownFolder =
            moduleFileOfAddress(reinterpret_cast<const void*>(&loadModule)).parent_path();
        for (const auto& folder : {programDir(), ownFolder}) {
            const auto local = folder / file;
            std::error_code ec;
            if (!folder.empty() && std::filesystem::is_regular_file(local, ec))
                handle = openLibrary(local);
            if (handle) break;
        }
    }
    if (!handle && !file.empty()) handle = openLibrary(file);
    if (!handle) {
        const char* why = file.empty() ? "empty file name" : dlerror();
        lastError() = why ? why : "unknown error";
        return nullptr;
    }
    return new Module{handle, loadedFile(handle, file)};
}

void freeModule(ModuleHandle module) {
    if (!module) return;
    dlclose(module->handle);
    delete module;
}

std::string lastModuleError() {
    return lastError();
}

std::filesystem::path moduleFile(ModuleHandle module) {
    return module ? module->file : std::filesystem::path();
}

void* getProcByOrdinal(ModuleHandle module, int ordinal) {
    using Entry = void* (*)(int);
    auto entry = reinterpret_cast<Entry>(ownSymbol(module, "varm_ordinal_entry"));
    return entry ? entry(ordinal) : nullptr;
}

void* getProcByName(ModuleHandle module, const char* name) {
    return ownSymbol(module, name);
}

namespace {

// Reads what is asked of the file; false when it lies (partly) outside the file.
class FileReader {
  public:
    explicit FileReader(const std::filesystem::path& file) : in_(file, std::ios::binary) {
        if (in_) {
            in_.seekg(0, std::ios::end);
            size_ = static_cast<uint64_t>(in_.tellg());
        }
    }
    bool ok() const { return static_cast<bool>(in_); }
    bool fits(uint64_t offset, uint64_t count) const {
        return offset <= size_ && size_ - offset >= count;
    }
    bool read(uint64_t offset, void* out, uint64_t count) {
        if (!fits(offset, count)) return false;
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(static_cast<char*>(out), static_cast<std::streamsize>(count));
        return static_cast<bool>(in_);
    }

  private:
    std::ifstream in_;
    uint64_t size_ = 0;
};

bool readSection(FileReader& file, const Elf64_Ehdr& header, uint64_t index, Elf64_Shdr& out) {
    const uint64_t step = index * sizeof(Elf64_Shdr);
    if (header.e_shoff > UINT64_MAX - step) return false;
    return file.read(header.e_shoff + step, &out, sizeof out);
}

// The ".varm_version" section of a 64-bit little-endian ELF file; only the headers and
// the section names are read, nothing of the file is run.
std::optional<FileVersion> versionFromElf(FileReader& file) {
    Elf64_Ehdr header;
    if (!file.read(0, &header, sizeof header)) return std::nullopt;
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB ||
        header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shoff == 0)
        return std::nullopt;
    Elf64_Shdr names;
    if (header.e_shstrndx >= header.e_shnum || !readSection(file, header, header.e_shstrndx, names))
        return std::nullopt;
    if (!file.fits(names.sh_offset, names.sh_size)) return std::nullopt;
    std::string nameTable(names.sh_size, '\0');
    if (!file.read(names.sh_offset, nameTable.data(), names.sh_size)) return std::nullopt;
    for (uint64_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr section;
        if (!readSection(file, header, i, section) || section.sh_name >= nameTable.size()) continue;
        if (std::string_view(nameTable.c_str() + section.sh_name) != ".varm_version") continue;
        unsigned char p[8];
        if (section.sh_type != SHT_PROGBITS || section.sh_size < sizeof p ||
            !file.read(section.sh_offset, p, sizeof p))
            return std::nullopt;
        auto word = [&p](int k) { return static_cast<uint16_t>(p[2 * k] | (p[2 * k + 1] << 8)); };
        return FileVersion{word(0), word(1), word(2), word(3)};
    }
    return std::nullopt;
}

}  // namespace

std::optional<FileVersion> readFileVersion(const std::filesystem::path& file) {
    std::error_code ec;
    if (file.empty() || !std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    FileReader reader(file);
    if (!reader.ok()) return std::nullopt;
    return versionFromElf(reader);
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
