#pragma once
// How the core library reports: a message box whose text comes from the language table,
// then (for the throwing forms) the user exception. The IGlobal facade and the exported
// functions of the core library are built on these.
#include <cstdint>
#include <string_view>

#include "core/value/VRMString.h"

namespace platform {
class Window;
}

namespace vrmcore {

// "Exception"; else the text of `textId` (or "unbek. FehlerTextID: %u" when it is empty),
// then "\n(" place ")"; with text id 0 a non-empty place stands alone.
CVRMString BuildErrorText(unsigned textId, std::u16string_view place);

// How many error boxes have been shown (counted before each is shown).
uint64_t GezeigteFehler();

// The error box (caption 3168, exclamation icon, no owner) without throwing.
void ShowErrorBox(unsigned textId, std::u16string_view place);

// The error box, then the user exception.
[[noreturn]] void ReportError(unsigned textId, std::u16string_view place);
// The place is language text `placeTextId` ("unbek. FehlerText2ID: %u" when empty);
// with 0 the place is empty.
[[noreturn]] void ReportError(unsigned textId, unsigned placeTextId);

// Message boxes by text or text id; each returns the answer.
int MessageBox(const CVRMString& text, unsigned captionId, uint32_t style,
               platform::Window* parent = nullptr);
int MessageBox(unsigned textId, unsigned captionId, uint32_t style,
               platform::Window* parent = nullptr);
int MessageBox(const CVRMString& text, const CVRMString& caption, uint32_t style,
               platform::Window* parent = nullptr);
int MessageBox(unsigned textId, const CVRMString& caption, uint32_t style,
               platform::Window* parent = nullptr);

}  // namespace vrmcore

// The assertion pair: a false condition reports and throws.
void XAssertOrThrow(int condition, unsigned textId, const char16_t* place);
void XAssert(int condition);
