// Test module standing for a run-time library at the program's side of the binding: it
// answers the first call of every binding and the codes of the earth-air, cooling and
// country modules in a way the tests can check. Compile definitions make the faulty variants.
#include <cstdint>

#include "core/text/TokenListe.h"
#include "platform/modules/Module.h"

namespace {

using platform::VARIANT;

bool IstErsterAufruf(uint32_t code) {
    return code == 2 || code == 61 || code == 1171 || code == 11;
}

// Code 7: x + a[i] - b[i] for every month; a negative x leaves the last month out, x
// above 900 fails.
int Monate(const CVRMString& in, CVRMString& antwort) {
    auto token = [&in](int n) { return vrmtoken::LeseFloat(vrmtoken::GetToken(in, n).value_or(u"")); };
    const double x = token(1);
    if (x > 900) {
        antwort = u"x too large";
        return 0;
    }
    const int monate = x < 0 ? 11 : 12;
    for (int i = 0; i < monate; ++i) vrmtoken::AppendFloat(antwort, u"%.1f", x + token(2 + i) - token(14 + i));
    return 1;
}

int Antworte(uint32_t code, const CVRMString& in, CVRMString& antwort) {
#ifdef FIXTURE_ERSTER_AUFRUF_NULL
    if (IstErsterAufruf(code)) {
        antwort = u"refused";
        return 0;
    }
#endif
    if (IstErsterAufruf(code)) {
        const auto handle = vrmtoken::GetToken(in, 1);
        return handle && vrmtoken::LeseHandle(*handle) != 0 ? 1 : 0;
    }
    switch (code) {
    case 3:  // the July and August sum, answered as it came
        antwort = vrmtoken::GetToken(in, 1).value_or(u"none");
        antwort += u"§#§";
        return 1;
    case 4:
    case 5:
    case 6:
        vrmtoken::AppendZahl(antwort, code * 100);
        return 1;
    case 7:
        return Monate(in, antwort);
    case 1172:  // the countries: a token, an empty token and a rest without a separator
        antwort = u"a§#§§#§rest";
        return 1;
    case 63:
        if (in == u"unbekannt") {  // the name alone
            antwort = u"Unknown cooling plant";
            return 0;
        }
        return 1;
    default:
        antwort = u"unknown code";
        return 0;
    }
}

int Eintrag(uint32_t code, const VARIANT* in, VARIANT* out) {
    if (!vrmtoken::IstText(in) || !vrmtoken::IstText(out)) return 0;
    CVRMString antwort;
    const int ok = Antworte(code, vrmtoken::TextVon(*in), antwort);
    return vrmtoken::SetzeText(out, antwort) == platform::S_OK ? ok : 0;
}

}  // namespace

#ifdef FIXTURE_OHNE_ORDINAL_1
VARM_ORDINAL_TABLE({2, reinterpret_cast<void*>(&Eintrag)}, {3, reinterpret_cast<void*>(&Eintrag)})
#else
VARM_ORDINAL_TABLE({1, reinterpret_cast<void*>(&Eintrag)}, {2, reinterpret_cast<void*>(&Eintrag)},
                   {3, reinterpret_cast<void*>(&Eintrag)})
#endif
