#pragma once
// Reading the markup: plain text up to a tag, tag bodies, tag names and attributes. A "<"
// directly followed by another "<" is a literal "<" (the "&lt;" entity becomes "<<").
// Positions are indexes into the text, advanced in place; every call moves forward or
// reports the end, so loops over them end.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace html {

// The plain text from `pos` up to the next tag; the tag's body (without "<" and ">") goes
// into `tag`, empty when none was read. "<<" yields one "<" and ends the piece.
std::u16string textBeforeTag(std::u16string_view text, std::size_t& pos, std::u16string& tag);

// From a "<" at `pos`: the characters before the next ">", pos after it. Without a ">", or
// with ">" right after "<", the body is empty and pos moves past the "<" only.
std::u16string tagBody(std::u16string_view text, std::size_t& pos);

// The tag name (up to the first " " or "=") and the attribute text (from that character,
// leading blanks removed).
std::pair<std::u16string, std::u16string> splitTag(std::u16string_view body);

// The next name=value pair; false at the end. Values open with a quote run to the same
// quote, others to the next blank; a name without "=" has an empty value.
bool nextAttribute(std::u16string_view text, std::size_t& pos, std::u16string& name,
                   std::u16string& value);

// The next "<" directly followed by `name` at or after `pos` that is not the second "<"
// of an escaped "<<"; pos moves to it.
bool findTag(std::u16string_view text, std::size_t& pos, std::u16string_view name);

// Where the element whose opening tag starts at `open` ends: the position of its closing
// "</name" (nested elements of the same name counted; for rows and cells, nested tables
// are skipped whole); npos when it has none.
std::size_t findElementEnd(std::u16string_view text, std::size_t open, std::u16string_view name);

// The position after the next ">" at or after pos (the end of the text when none).
std::size_t skipPastTagEnd(std::u16string_view text, std::size_t pos);

std::size_t countChar(std::u16string_view text, char16_t c);

}  // namespace html
