#include "core/text/TokenListe.h"

#include <cstdint>
#include <limits>

#include "core/db/SectionNames.h"
#include "platform/format/Format.h"
#include "platform/numbers/Numbers.h"

namespace vrmtoken {

namespace {

constexpr std::u16string_view kTrenner = vrmdb::kTokenTrenner;

// Frees both variants however the call ends.
class VariantPaar {
  public:
    VariantPaar(std::u16string_view in) {
        platform::VariantInit(&in_);
        platform::VariantInit(&out_);
        in_.vt = platform::VT_BSTR;
        in_.bstrVal = platform::SysAllocStringLen(in.data(), laengeVon(in));
        out_.vt = platform::VT_BSTR;
        out_.bstrVal = platform::SysAllocString(u"");
    }
    ~VariantPaar() {
        platform::VariantClear(&in_);
        platform::VariantClear(&out_);
    }
    VariantPaar(const VariantPaar&) = delete;
    VariantPaar& operator=(const VariantPaar&) = delete;

    const platform::VARIANT* in() const { return &in_; }
    platform::VARIANT* out() { return &out_; }

  private:
    // A text longer than a counted string can hold gets no string (null reads as empty).
    static uint32_t laengeVon(std::u16string_view text) {
        return text.size() > std::numeric_limits<uint32_t>::max() / 4
                   ? std::numeric_limits<uint32_t>::max()
                   : static_cast<uint32_t>(text.size());
    }

    platform::VARIANT in_;
    platform::VARIANT out_;
};

}  // namespace

void AppendZahl(CVRMString& liste, uint32_t zahl) {
    liste += platform::format(vrmdb::kFormatLu, zahl);
    liste += kTrenner;
}

void AppendText(CVRMString& liste, std::u16string_view text) {
    liste += text;
    liste += kTrenner;
}

void AppendFloat(CVRMString& liste, std::u16string_view format, double zahl) {
    liste += platform::format(format, zahl);
    liste += kTrenner;
}

bool SplitWert(CVRMString& liste, CVRMString& token) {
    const auto pos = liste.find(kTrenner);
    if (pos == CVRMString::npos) return false;
    token.assign(liste, 0, pos);
    liste.erase(0, pos + kTrenner.size());
    return true;
}

std::optional<CVRMString> GetToken(std::u16string_view liste, int n) {
    if (n < 1) return std::nullopt;
    for (int i = 1;; ++i) {
        const auto pos = liste.find(kTrenner);
        if (pos == std::u16string_view::npos) return std::nullopt;
        if (i == n) return CVRMString(liste.substr(0, pos));
        liste.remove_prefix(pos + kTrenner.size());
    }
}

CVRMString RestNach(std::u16string_view liste, int n) {
    for (int i = 1; i < n; ++i) {
        const auto pos = liste.find(kTrenner);
        if (pos == std::u16string_view::npos) break;
        liste.remove_prefix(pos + kTrenner.size());
    }
    return CVRMString(liste);
}

uint32_t LeseZahl(std::u16string_view token) {
    return platform::parseUInt32(token);
}

double LeseFloat(std::u16string_view token) {
    return platform::parseDouble(token);
}

CVRMString HandleText(const void* handle) {
    return CVRMString(platform::format(u"%llu", reinterpret_cast<uintptr_t>(handle)));
}

uint64_t LeseHandle(std::u16string_view token) {
    size_t i = 0;
    while (i < token.size() && (token[i] == u' ' || (token[i] >= u'\t' && token[i] <= u'\r'))) ++i;
    uint64_t wert = 0;
    for (; i < token.size() && token[i] >= u'0' && token[i] <= u'9'; ++i) {
        const uint64_t ziffer = static_cast<uint64_t>(token[i] - u'0');
        if (wert > (std::numeric_limits<uint64_t>::max() - ziffer) / 10) return 0;
        wert = wert * 10 + ziffer;
    }
    return wert;
}

Antwort Rufe(EntryPoint entry, uint32_t code, std::u16string_view in) {
    Antwort antwort;
    if (!entry) return antwort;
    VariantPaar paar(in);
    const int ergebnis = entry(code, paar.in(), paar.out());
    if (!IstText(paar.out())) return antwort;
    antwort.text = TextVon(*paar.out());
    antwort.ok = ergebnis != 0;
    return antwort;
}

bool IstText(const platform::VARIANT* v) {
    return v && v->vt == platform::VT_BSTR;
}

CVRMString TextVon(const platform::VARIANT& v) {
    return IstText(&v) ? CVRMString(platform::SysStringView(v.bstrVal)) : CVRMString();
}

platform::HRESULT SetzeText(platform::VARIANT* out, std::u16string_view text) {
    if (!out) return platform::E_INVALIDARG;
    if (text.size() >= std::numeric_limits<uint32_t>::max() / 4) return platform::E_OUTOFMEMORY;
    platform::VARIANT quelle;
    platform::VariantInit(&quelle);
    quelle.vt = platform::VT_BSTR;
    quelle.bstrVal = platform::SysAllocStringLen(text.data(), static_cast<uint32_t>(text.size()));
    if (!quelle.bstrVal) return platform::E_OUTOFMEMORY;
    const platform::HRESULT hr = platform::VariantCopy(out, &quelle);
    platform::VariantClear(&quelle);
    return hr;
}

}  // namespace vrmtoken
