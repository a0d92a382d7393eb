#include "model/errors/KVSMessageBox.h"

#include "core/db/Global.h"
#include "model/app/KelvoAppServices.h"

namespace {

// The error layer must show its box even before the application is registered, so the
// main window is looked up without the failing accessor.
platform::Window* besitzer(platform::Window* parent) {
    if (parent) return parent;
    IKelvoAppServices* app = FindKelvoApp();
    return app ? app->GetMainWnd() : nullptr;
}

}  // namespace

CVRMString LadeTextOderErsatz(unsigned id, std::u16string_view fallback) {
    CVRMString text;
    if (!text.LoadStringW(id)) text.Format(fallback, id);
    return text;
}

int KVSMessageBoxID(unsigned textId, unsigned captionId, uint32_t style, platform::Window* parent) {
    return IGlobal::KVSMessageBox(LadeTextOderErsatz(textId, u"unbek. MsgTextID: %u"), captionId,
                                  style, besitzer(parent));
}

int KVSMessageBoxCaptionID(const CVRMString& text, unsigned captionId, uint32_t style,
                           platform::Window* parent) {
    return IGlobal::KVSMessageBox(text, LadeTextOderErsatz(captionId, u"unbek. MsgCaptionID: %u"),
                                  style, besitzer(parent));
}

int KVSMessageBoxTextID(unsigned textId, const CVRMString& caption, uint32_t style,
                        platform::Window* parent) {
    return IGlobal::KVSMessageBox(LadeTextOderErsatz(textId, u"unbek. MsgTextID: %u"), caption,
                                  style, besitzer(parent));
}

int KVSMessageBoxText(const CVRMString& text, const CVRMString& caption, uint32_t style,
                      platform::Window* parent) {
    return IGlobal::KVSMessageBox(text, caption, style, besitzer(parent));
}
