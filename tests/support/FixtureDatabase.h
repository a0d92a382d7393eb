#pragma once
// Small database files for tests: a temporary folder that cleans up after itself, files
// written from lines in either of the two encodings the databases use, and files read
// back as lines or bytes.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

enum class DbEncoding {
    Utf16,  // byte-order mark FF FE, then UTF-16 little-endian
    Latin1  // 8-bit: each byte is the character of the same code
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(std::string_view name) const { return path_ / name; }
    // The names of the files in the folder, sorted.
    std::vector<std::string> fileNames() const;

  private:
    std::filesystem::path path_;
};

// Writes `lines`, each followed by `lineEnd`, in the given encoding.
void WriteDatabaseFile(const std::filesystem::path& file, const std::vector<std::u16string>& lines,
                       DbEncoding encoding = DbEncoding::Utf16,
                       std::u16string_view lineEnd = u"\n");

// Reads a file as the databases do: UTF-16 little-endian without its mark when the first
// byte is 0xFF or 0xFE, else 8-bit. Splits at LF and drops one CR before it; a last line
// without LF is kept when it is not empty.
std::vector<std::u16string> ReadDatabaseLines(const std::filesystem::path& file);

std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);

}  // namespace testsupport
