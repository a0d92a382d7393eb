// Token lists from outside: the input (UTF-16LE bytes after one selector byte) is split,
// read by token number and as numbers, and sent to the country library's export as the in
// text, as a text out or as no text at all.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/TokenListe.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/text/Text.h"
#include "regio/BasisApp.h"
#include "regio/BasisSchnittstelle.h"

namespace {

// The library's boxes are answered without printing.
class StillerPresenter : public platform::MessageBoxPresenter {
  public:
    int present(const platform::MessageBoxRequest&) override { return platform::id::OK; }
};

volatile size_t sink = 0;

void LeseListe(const CVRMString& text) {
    CVRMString liste = text, token;
    while (vrmtoken::SplitWert(liste, token))
        sink = sink + vrmtoken::LeseZahl(token) + static_cast<size_t>(vrmtoken::LeseFloat(token) != 0) +
               static_cast<size_t>(vrmtoken::LeseHandle(token));
    for (int n = -1; n <= 4; ++n) {
        sink = sink + vrmtoken::GetToken(text, n).value_or(u"").size();
        sink = sink + vrmtoken::RestNach(text, n).size();
    }
}

void RufeLand(uint8_t wahl, const CVRMString& text) {
    static StillerPresenter presenter;
    static platform::ScopedMessageBoxPresenter guard(presenter);
    static const uint32_t codes[] = {1171, 1172, 1173, 0, 0xFFFFFFFFu};
    CVRMbasisApp app;
    platform::VARIANT in, out;
    platform::VariantInit(&in);
    platform::VariantInit(&out);
    vrmtoken::SetzeText(&in, text);
    if (wahl & 0x10) vrmtoken::SetzeText(&out, text);  // else out is no text
    if (wahl & 0x20) regio::BasisSchnittstelle(app, 1171, &in, &out);
    const uint32_t code = codes[(wahl & 0x0F) % std::size(codes)];
    regio::BasisSchnittstelle(app, code, (wahl & 0x40) ? nullptr : &in, &out);
    sink = sink + vrmtoken::TextVon(out).size();
    platform::VariantClear(&in);
    platform::VariantClear(&out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const CVRMString text(platform::fromUtf16LE(bytes));
    LeseListe(text);
    RufeLand(data[0], text);
    return 0;
}
