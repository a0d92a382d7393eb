#include "tests/support/FixtureDatabase.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

#include "platform/text/Text.h"

namespace testsupport {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    const std::string name =
        "varm-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
    path_ = fs::temp_directory_path() / name;
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::vector<std::string> TempFolder::fileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void WriteDatabaseFile(const fs::path& file, const std::vector<std::u16string>& lines,
                       DbEncoding encoding, std::u16string_view lineEnd) {
    std::u16string text;
    for (const auto& line : lines) {
        text += line;
        text += lineEnd;
    }
    if (encoding == DbEncoding::Utf16)
        WriteFileBytes(file, "\xFF\xFE" + platform::toUtf16LE(text));
    else
        WriteFileBytes(file, platform::toLatin1(text));
}

std::vector<std::u16string> ReadDatabaseLines(const fs::path& file) {
    const std::string bytes = ReadFileBytes(file);
    const bool utf16 = !bytes.empty() && (static_cast<unsigned char>(bytes[0]) == 0xFF ||
                                          static_cast<unsigned char>(bytes[0]) == 0xFE);
    const std::u16string text = utf16 ? platform::fromUtf16LE(std::string_view(bytes).substr(
                                            std::min<size_t>(2, bytes.size())))
                                      : platform::fromLatin1(bytes);
    std::vector<std::u16string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find(u'\n', pos);
        if (end == std::u16string::npos) end = text.size();
        std::u16string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == u'\r') line.pop_back();
        lines.push_back(std::move(line));
        pos = end + 1;
    }
    return lines;
}

std::string ReadFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testsupport
