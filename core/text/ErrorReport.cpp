#include "core/text/ErrorReport.h"

#include "core/text/TextIdConstants.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace vrmcore {
namespace {

int show(const CVRMString& text, const CVRMString& caption, uint32_t style,
         platform::Window* parent) {
    platform::MessageBoxRequest request{text, caption, style, parent};
    // A box without an owner must not hide behind other windows.
    if (!parent) request.style |= platform::mb::SYSTEMMODAL | platform::mb::TOPMOST;
    return platform::showMessageBox(request);
}

// Language text of `id`, or `fallback` filled with the id when that text is empty.
CVRMString textOr(unsigned id, const char16_t* fallback) {
    CVRMString text;
    if (!text.LoadStringW(id)) text.Format(fallback, id);
    return text;
}

// Error boxes shown so far: a caller can tell whether a failure has been reported.
uint64_t gezeigteFehler = 0;

}  // namespace

uint64_t GezeigteFehler() {
    return gezeigteFehler;
}

CVRMString BuildErrorText(unsigned textId, std::u16string_view place) {
    CVRMString text(u"Exception");
    if (textId != 0) text = textOr(textId, u"unbek. FehlerTextID: %u");
    if (!place.empty()) {
        if (textId != 0) {
            text += u"\n(";
            text += place;
            text += u")";
        } else {
            text = CVRMString(place);
        }
    }
    return text;
}

void ShowErrorBox(unsigned textId, std::u16string_view place) {
    ++gezeigteFehler;
    show(BuildErrorText(textId, place), CVRMString(textid::kProduktCaption, nullptr),
         platform::mb::ICONEXCLAMATION, nullptr);
}

void ReportError(unsigned textId, std::u16string_view place) {
    ShowErrorBox(textId, place);
    throw platform::UserException();
}

void ReportError(unsigned textId, unsigned placeTextId) {
    CVRMString place;
    if (placeTextId != 0) place = textOr(placeTextId, u"unbek. FehlerText2ID: %u");
    ReportError(textId, place);
}

int MessageBox(const CVRMString& text, unsigned captionId, uint32_t style,
               platform::Window* parent) {
    return show(text, textOr(captionId, u"MsgCaptionID: %u"), style, parent);
}

int MessageBox(unsigned textId, unsigned captionId, uint32_t style, platform::Window* parent) {
    return show(textOr(textId, u"MsgTextID: %u"), textOr(captionId, u"MsgCaptionID: %u"), style,
                parent);
}

int MessageBox(const CVRMString& text, const CVRMString& caption, uint32_t style,
               platform::Window* parent) {
    return show(text, caption, style, parent);
}

int MessageBox(unsigned textId, const CVRMString& caption, uint32_t style,
               platform::Window* parent) {
    return show(textOr(textId, u"unbek. MsgTextID: %u"), caption, style, parent);
}

}  // namespace vrmcore

void XAssertOrThrow(int condition, unsigned textId, const char16_t* place) {
    if (!condition)
        vrmcore::ReportError(textId, place ? std::u16string_view(place) : std::u16string_view());
}

void XAssert(int condition) {
    if (!condition) vrmcore::ReportError(0, std::u16string_view());
}
