#pragma once
// The rule by which the name dialog cleans a new name while it is typed. Names become
// section names and list entries of the databases, so "=", ":" and "\" (and "/" unless the
// caller allows it) become "_", and control characters (a pasted line break or tab) are
// dropped. The caret goes behind the last character changed.
#include <optional>
#include <string>
#include <string_view>

struct SNamensFilter {
    std::u16string name;
    // Set when the text changed: where the caret goes.
    std::optional<int> caret;
};

// `schraegstrichErlaubt`: the slash switch 1 keeps "/".
SNamensFilter FiltereNamen(std::u16string_view text, bool schraegstrichErlaubt);
