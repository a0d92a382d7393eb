#pragma once
// The language table as kept in the repository (UTF-8 lines "id##text", diffable) and
// the form the program parses from a resource module: UTF-16LE with byte-order mark,
// every line ended by CR LF. Escapes such as backslash-n stay the two characters; the
// program expands them when it loads a text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace resgen {

struct SourceError {
    size_t line = 0;  // 1-based
    std::string message;
};

// Converts the repository form. Blank lines are skipped; a line that is not a decimal id
// up to 65535, "##" and text, a text that is not valid UTF-8 or holds a control
// character, and an id given twice are errors: the result is then empty and `errors`
// says where.
std::string languageTableResource(std::string_view utf8, std::vector<SourceError>& errors);

}  // namespace resgen
