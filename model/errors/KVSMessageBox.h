#pragma once
// The main program's message boxes by text id or ready text. Each returns the button the
// user chose; an absent parent means the main window.
#include <cstdint>

#include "core/value/VRMString.h"

namespace platform {
class Window;
}

// Text of `textId` ("unbek. MsgTextID: %u" when empty); the core library resolves the caption.
int KVSMessageBoxID(unsigned textId, unsigned captionId, uint32_t style,
                    platform::Window* parent = nullptr);
// Caption of `captionId` ("unbek. MsgCaptionID: %u" when empty).
int KVSMessageBoxCaptionID(const CVRMString& text, unsigned captionId, uint32_t style,
                           platform::Window* parent = nullptr);
int KVSMessageBoxTextID(unsigned textId, const CVRMString& caption, uint32_t style,
                        platform::Window* parent = nullptr);
int KVSMessageBoxText(const CVRMString& text, const CVRMString& caption, uint32_t style,
                      platform::Window* parent = nullptr);

// Language text `id`; when it is empty, `fallback` ("...: %u") filled with the id.
CVRMString LadeTextOderErsatz(unsigned id, std::u16string_view fallback);
