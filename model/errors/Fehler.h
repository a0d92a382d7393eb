#pragma once
// How the main program reports a failure: the text of a language-text id with the place
// of the failing function ("CHaus2::init(1)") in a box over the main window; the throwing
// forms then raise the user exception, which the nearest catching caller swallows.
#include <exception>
#include <string_view>

#include "core/value/VRMString.h"

// The place may be absent (a null pointer) or empty: either adds nothing to the text.
// Caption id 0 stands for the product caption.
void ShowFehler(unsigned textId, const char16_t* place, unsigned captionId = 0);
void ShowFehler(unsigned textId, std::u16string_view place, unsigned captionId = 0);
[[noreturn]] void ThrowFehler(unsigned textId, const char16_t* place, unsigned captionId = 0);
[[noreturn]] void ThrowFehler(unsigned textId, std::u16string_view place, unsigned captionId = 0);

// The text of `secondTextId` stands where the place would; id 0 adds nothing.
void ShowFehler2(unsigned textId, unsigned secondTextId, unsigned captionId = 0);
[[noreturn]] void ThrowFehler2(unsigned textId, unsigned secondTextId, unsigned captionId = 0);

void ShowFehlerText(const CVRMString& text, const char16_t* place, unsigned captionId = 0);
void ShowFehlerText(const CVRMString& text, std::u16string_view place, unsigned captionId = 0);
[[noreturn]] void ThrowFehlerText(const CVRMString& text, const char16_t* place,
                                  unsigned captionId = 0);
[[noreturn]] void ThrowFehlerText(const CVRMString& text, std::u16string_view place,
                                  unsigned captionId = 0);

// A failure caught as a whole: a user exception was shown when it was raised, any other
// shows its own text now; nothing escapes.
void ShowFremdenFehler(std::exception_ptr fehler);
