#include "model/errors/Fehler.h"

#include "core/text/TextIdConstants.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

std::u16string_view ortOderLeer(const char16_t* place) {
    return place ? std::u16string_view(place) : std::u16string_view();
}

}  // namespace

void ShowFehlerText(const CVRMString& text, std::u16string_view place, unsigned captionId) {
    CVRMString message(text);
    if (!place.empty()) {
        message += u"\n(";
        message += place;
        message += u")";
    }
    if (captionId == 0) captionId = textid::kProduktCaption;
    KVSMessageBoxCaptionID(message, captionId, platform::mb::OK | platform::mb::ICONEXCLAMATION,
                           nullptr);
}

void ShowFehlerText(const CVRMString& text, const char16_t* place, unsigned captionId) {
    ShowFehlerText(text, ortOderLeer(place), captionId);
}

void ThrowFehlerText(const CVRMString& text, std::u16string_view place, unsigned captionId) {
    ShowFehlerText(text, place, captionId);
    throw platform::UserException();
}

void ThrowFehlerText(const CVRMString& text, const char16_t* place, unsigned captionId) {
    ThrowFehlerText(text, ortOderLeer(place), captionId);
}

void ShowFehler(unsigned textId, std::u16string_view place, unsigned captionId) {
    CVRMString text(u"Exception");
    if (textId != 0) text = LadeTextOderErsatz(textId, u"unbek. FehlerTextID: %u");
    ShowFehlerText(text, place, captionId);
}

void ShowFehler(unsigned textId, const char16_t* place, unsigned captionId) {
    ShowFehler(textId, ortOderLeer(place), captionId);
}

void ThrowFehler(unsigned textId, std::u16string_view place, unsigned captionId) {
    ShowFehler(textId, place, captionId);
    throw platform::UserException();
}

void ThrowFehler(unsigned textId, const char16_t* place, unsigned captionId) {
    ThrowFehler(textId, ortOderLeer(place), captionId);
}

void ShowFehler2(unsigned textId, unsigned secondTextId, unsigned captionId) {
    CVRMString second;
    if (secondTextId != 0) second = LadeTextOderErsatz(secondTextId, u"unbek. FehlerText2ID: %u");
    ShowFehler(textId, second.view(), captionId);
}

void ThrowFehler2(unsigned textId, unsigned secondTextId, unsigned captionId) {
    ShowFehler2(textId, secondTextId, captionId);
    throw platform::UserException();
}

void ShowFremdenFehler(std::exception_ptr fehler) {
    try {
        if (fehler) std::rethrow_exception(fehler);
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
    } catch (...) {
    }
}
