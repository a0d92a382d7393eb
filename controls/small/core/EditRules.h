#pragma once
// The typing rules of the number fields, without a window: what a typed character does
// to the text, and how values turn into text and back.
#include <cstdint>
#include <string>

namespace small {

// What a field does with one typed character.
struct Tastenwirkung {
    bool annehmen = false;  // false: the key is dropped
    char16_t zeichen = 0;   // the character handed to the edit (a comma becomes a point)
};

// The free number field: at most one separator, a comma typed as a point. The selected
// part [selStart, selEnd) is about to be replaced, so a separator inside it does not count.
Tastenwirkung floatEditZeichen(const std::u16string& text, int selStart, int selEnd,
                               char16_t c, unsigned nachkommastellen);
// The text cut to `nachkommastellen` digits after its point; unchanged when it fits.
std::u16string kuerzeNachkomma(const std::u16string& text, unsigned nachkommastellen);

// The strict number field's acceptance test for `c` typed with the caret at `caret`.
bool pruefeZeichen(const std::u16string& text, int caret, char16_t c, int nachkommastellen,
                   bool vorzeichen);

// The value with exactly `nachkommastellen` decimals and a point ("3.14").
std::u16string formatWert(double wert, int nachkommastellen);
// The leading number of the text in the C rules (leading blanks skipped, parsing stops at
// the first unusable character); no number, or one that is not finite, gives 0.0.
double leseWert(const std::u16string& text);

}  // namespace small
