#pragma once
// The file operations under the database files. Each answers an empty text on success,
// else a description of the failure for the error box; none of them throws.
#include <string>
#include <string_view>

namespace vrmdb {

// The temporary file of a flush is the file's name with this suffix and six characters.
inline constexpr const char* kTemporarySuffix = ".flush-";

// Removes what an interrupted flush of the file left behind. Failures are ignored: the
// leftovers are never read.
void RemoveStaleTemporaries(const std::string& path);

// Reads the whole file. `missing` is set when the file does not exist (no error then).
std::string ReadWholeFile(const std::string& path, std::string& bytes, bool& missing);

// Replaces the file by `bytes` so that it is either the old or the new content at every
// moment: a temporary file in the same folder is written, synced and renamed over it.
// On failure the temporary file is removed and the old file stays as it was.
std::string ReplaceFile(const std::string& path, std::string_view bytes);

// Appends `bytes` to the file, creating it when missing; a new or empty file first gets
// `header`. A non-empty file that does not begin with the header's first byte (an 8-bit
// text file) is refused untouched. On failure the file is cut back to its old length.
std::string AppendToFile(const std::string& path, std::string_view header, std::string_view bytes);

}  // namespace vrmdb
