#include "tests/support/ProgrammQuellen.h"

#include <set>
#include <string>

namespace testsupport {
namespace {

namespace fs = std::filesystem;

bool IstQuelle(const fs::path& datei) {
    const std::string ext = datei.extension().string();
    return ext == ".h" || ext == ".hpp" || ext == ".cpp";
}

// Folders that hold no program code: tests, tools, data and build trees.
bool IstCodeOrdner(const fs::path& ordner) {
    const std::string name = ordner.filename().string();
    static const std::set<std::string> kOhneCode = {"tests",   "fuzz",  "benchmarks", "resources",
                                                    "scripts", "cmake", "bench-bin",  "tests-bin"};
    return !name.empty() && name[0] != '.' && name.rfind("build", 0) != 0 &&
           kOhneCode.count(name) == 0;
}

}  // namespace

std::vector<fs::path> ProgrammQuellen(const fs::path& wurzel) {
    std::vector<fs::path> dateien;
    for (const auto& ordner : fs::directory_iterator(wurzel)) {
        if (!ordner.is_directory() || !IstCodeOrdner(ordner.path())) continue;
        for (const auto& eintrag : fs::recursive_directory_iterator(ordner.path()))
            if (eintrag.is_regular_file() && IstQuelle(eintrag.path())) dateien.push_back(eintrag.path());
    }
    return dateien;
}

}  // namespace testsupport
