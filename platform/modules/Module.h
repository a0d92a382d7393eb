#pragma once
// Modules loaded at run time by file name, their entry points by ordinal, and the file
// versions stamped into every module and program at build time.
//
// A module of ours exports one C function, `varm_ordinal_entry(int ordinal)`, which
// answers the address of the entry point with that ordinal (null for none). File
// versions live in the ELF section ".varm_version" (four little-endian 16-bit numbers,
// written by the build's varm_stamp_version) and are read from the file without loading it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

struct Module;  // opaque
using ModuleHandle = Module*;

// Null when the file cannot be loaded; `lastModuleError` then says why. A bare file name
// is looked for in the program folder first, then on the loader's search path.
ModuleHandle loadModule(const std::filesystem::path& file);
void freeModule(ModuleHandle module);
std::string lastModuleError();
// The file that was loaded (with the folder it was found in).
std::filesystem::path moduleFile(ModuleHandle module);

// Null when the module has no entry point of that ordinal. Only the module's own table
// counts, never one of a library it depends on.
void* getProcByOrdinal(ModuleHandle module, int ordinal);
// Null when the module itself does not export that name (our own C entry points).
void* getProcByName(ModuleHandle module, const char* name);

template <class Fn>
Fn getProcByOrdinalAs(ModuleHandle module, int ordinal) {
    return reinterpret_cast<Fn>(getProcByOrdinal(module, ordinal));
}

struct FileVersion {
    uint16_t major = 0, minor = 0, build = 0, revision = 0;
};
// Nullopt when the file is missing, unreadable or carries no version record.
std::optional<FileVersion> readFileVersion(const std::filesystem::path& file);

// The file of the module (shared library or program) that contains the given address.
std::filesystem::path moduleFileOfAddress(const void* address);
// The folder of the running program.
std::filesystem::path programDir();

}  // namespace platform

// Declares the ordinal table of a module: VARM_ORDINAL_TABLE({1, (void*)&DoX}, {2, ...}).
#define VARM_ORDINAL_TABLE(...)                                                         \
    extern "C" __attribute__((visibility("default"))) void* varm_ordinal_entry(int n) { \
        struct Entry {                                                                  \
            int ordinal;                                                                \
            void* fn;                                                                   \
        };                                                                              \
        static const Entry entries[] = {__VA_ARGS__};                                   \
        for (const auto& e : entries)                                                   \
            if (e.ordinal == n) return e.fn;                                            \
        return nullptr;                                                                 \
    }
