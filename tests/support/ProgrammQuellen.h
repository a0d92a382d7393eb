#pragma once
// The source files of the program itself below a source tree: the code folders' headers and
// sources, without tests, tools, data and build trees. The coverage tests read the texts
// and help topics the program uses from them.
#include <filesystem>
#include <vector>

namespace testsupport {

std::vector<std::filesystem::path> ProgrammQuellen(const std::filesystem::path& wurzel);

}  // namespace testsupport
