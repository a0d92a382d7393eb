#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/modules/Module.h"

namespace {

namespace fs = std::filesystem;

const fs::path kProgramDir = VARM_PROGRAM_DIR;
const fs::path kTestModules = VARM_TEST_MODULE_DIR;

struct LoadedModule {
    explicit LoadedModule(const fs::path& file) : handle(platform::loadModule(file)) {}
    ~LoadedModule() { platform::freeModule(handle); }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    platform::ModuleHandle handle;
};

using Entry = int (*)();

TEST(Module, OrdinalsAnswerTheirOwnEntryPoints) {
    LoadedModule module(kTestModules / "varm_test_ordinals.so");
    ASSERT_NE(module.handle, nullptr) << platform::lastModuleError();
    const struct {
        int ordinal;
        int answer;  // 0: no entry point
    } cases[] = {{1, 11}, {2, 22}, {7, 77}, {0, 0}, {3, 0}, {-1, 0}, {65536 + 1, 0}};
    for (const auto& c : cases) {
        const auto entry = platform::getProcByOrdinalAs<Entry>(module.handle, c.ordinal);
        if (c.answer == 0) {
            EXPECT_EQ(entry, nullptr) << "ordinal " << c.ordinal;
        } else {
            ASSERT_NE(entry, nullptr) << "ordinal " << c.ordinal;
            EXPECT_EQ(entry(), c.answer) << "ordinal " << c.ordinal;
        }
    }
    EXPECT_EQ(platform::getProcByOrdinal(nullptr, 1), nullptr);
}

// The loader's symbol lookup on a handle also searches the libraries a module depends
// on; a module without its own table must not answer the entry points of another one.
TEST(Module, ADependencysEntryPointsAreNotTheModules) {
    LoadedModule module(kTestModules / "varm_test_dependent.so");
    ASSERT_NE(module.handle, nullptr) << platform::lastModuleError();
    EXPECT_EQ(platform::getProcByOrdinal(module.handle, 1), nullptr);
    EXPECT_EQ(platform::getProcByName(module.handle, "varm_ordinal_entry"), nullptr);
    EXPECT_EQ(platform::getProcByName(module.handle, "varm_test_ordinals_marker"), nullptr);
    const auto own = reinterpret_cast<Entry>(
        platform::getProcByName(module.handle, "varm_test_dependent_answer"));
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own(), 41);
}

TEST(Module, AFileThatCannotBeLoadedGivesNullAndAReason) {
    const fs::path cases[] = {kProgramDir / "NoSuchModule.so", "NoSuchModule.so", "",
                              fs::path(VARM_SOURCE_DIR) / "resources/eng/language.txt"};
    for (const auto& file : cases) {
        EXPECT_EQ(platform::loadModule(file), nullptr) << file;
        EXPECT_FALSE(platform::lastModuleError().empty()) << file;
    }
    platform::loadModule(kProgramDir / "NoSuchModule.so");
    EXPECT_NE(platform::lastModuleError().find("NoSuchModule.so"), std::string::npos);
}

TEST(Module, ABareNameIsFoundAndItsFileKnown) {
    // The test program's own folder holds no modules; the loader's search path does.
    LoadedModule module("Varmtexteng.so");
    ASSERT_NE(module.handle, nullptr) << platform::lastModuleError();
    EXPECT_EQ(fs::canonical(platform::moduleFile(module.handle)),
              fs::canonical(kProgramDir / "Varmtexteng.so"));
}

TEST(Module, TheFileOfAnAddress) {
    EXPECT_EQ(platform::moduleFileOfAddress(reinterpret_cast<const void*>(&platform::loadModule)),
              fs::canonical(kProgramDir / "Varmcore.so"));
    LoadedModule module(kTestModules / "varm_test_ordinals.so");
    ASSERT_NE(module.handle, nullptr);
    EXPECT_EQ(platform::moduleFileOfAddress(platform::getProcByOrdinal(module.handle, 1)),
              fs::canonical(kTestModules / "varm_test_ordinals.so"));
    EXPECT_EQ(platform::programDir(), fs::canonical("/proc/self/exe").parent_path());
}

std::string versionText(const std::optional<platform::FileVersion>& v) {
    if (!v) return "none";
    return std::to_string(v->major) + "." + std::to_string(v->minor) + "." +
           std::to_string(v->build) + "." + std::to_string(v->revision);
}

// A copy of the first `bytes` bytes of a file: the section headers of an ELF file come
// last, so a cut file has a valid start and no records.
fs::path truncatedCopy(const fs::path& file, size_t bytes) {
    std::ifstream in(file, std::ios::binary);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto out = fs::temp_directory_path() / ("varm_cut_" + std::to_string(bytes) + ".so");
    std::ofstream(out, std::ios::binary).write(data.data(), std::min(bytes, data.size()));
    return out;
}

TEST(Module, FileVersionsComeFromTheStampedRecord) {
    const auto textModule = kProgramDir / "Varmtexteng.so";
    const struct {
        fs::path file;
        const char* version;
    } cases[] = {
        {textModule, "4.2.8.0"},
        {kProgramDir / "Varmcore.so", "4.2.8.0"},
        // Numbers above 255 check that both bytes of each word are read, low byte first.
        {kTestModules / "varm_test_ordinals.so", "1.2.300.40000"},
        {kTestModules / "varm_test_dependent.so", "none"},  // built without a record
        {kProgramDir / "NoSuchModule.so", "none"},
        {kProgramDir, "none"},
        {"", "none"},
        {fs::path(VARM_SOURCE_DIR) / "resources/eng/language.txt", "none"},
        {truncatedCopy(textModule, 20), "none"},
        {truncatedCopy(textModule, fs::file_size(textModule) / 2), "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(versionText(platform::readFileVersion(c.file)), c.version) << c.file;
}

}  // namespace
