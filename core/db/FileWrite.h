#pragma once
// The file operations under the database files. Each answers an empty text on success,
// else a description of the failure for the error box; none of them throws.
//
// Every write reaches the disk the same way: a temporary file in the target's folder is
// written, synced and renamed over the target, so that a crash at any moment leaves the
// old or the new file and, at worst, a temporary file that the next load removes. A
// target reached through a symbolic link is replaced where it really lives.
#include <string>
#include <string_view>

namespace vrmdb {

// The temporary file of a write is the file's name with this suffix and six characters.
inline constexpr const char* kTemporarySuffix = ".flush-";

// Removes what an interrupted write of the file left behind. Failures are ignored: the
// leftovers are never read.
void RemoveStaleTemporaries(const std::string& path);

// Reads the whole file. `missing` is set when the file does not exist (no error then).
// What is not a regular file (a folder, a FIFO, a device) is refused without waiting on it.
std::string ReadWholeFile(const std::string& path, std::string& bytes, bool& missing);
// The same into the storage of UTF-16 code units (a UTF-16 file needs no second copy);
// `byteCount` is the file's size in bytes, an odd last byte is the low half of the last unit.
std::string ReadWholeFile(const std::string& path, std::u16string& units, size_t& byteCount,
                          bool& missing);

// Replaces the file by `bytes`; on failure the old file stays as it was.
std::string ReplaceFile(const std::string& path, std::string_view bytes);

// Appends `bytes` to the file, creating it when missing; a new or empty file first gets
// `header`. A non-empty file that does not begin with the header's first byte (an 8-bit
// text file) is refused untouched. The file is the old or the whole new one at every moment.
std::string AppendToFile(const std::string& path, std::string_view header, std::string_view bytes);

// Keeps `bytes` beside `path` under the first free name of path + suffix, path + suffix +
// "-2", "-3", ...; a copy there with the same bytes is kept instead of a new one. Never
// writes over another file. `copyPath` names the copy.
std::string KeepCopy(const std::string& path, std::string_view suffix, std::string_view bytes,
                     std::string& copyPath);

}  // namespace vrmdb
