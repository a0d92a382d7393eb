// Test module standing for the solar library at the program's side of the binding. It
// keeps gains in memory and answers collector yields from a fixed table, so that the tests
// can work out by hand what the program must make of them:
// - code 32: yield(month, key) = kBasis[month] - key / 5, never below 0 (kWh/m²);
// - code 39: two records, keys 20 and 60, each month's yield as code 32 gives it;
// - a plant or collector named "unbekannt" is refused with a message, one named "kaputt"
//   gets answers cut short, and ordinal 3 refuses every plant named "Verweigert".
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "core/text/TokenListe.h"
#include "core/value/DatenId.h"
#include "core/value/VRMVariant.h"
#include "platform/modules/Module.h"

namespace {

using platform::VARIANT;

constexpr double kBasis[12] = {20, 30, 60, 90, 110, 120, 125, 110, 80, 50, 25, 15};

std::map<std::pair<std::u16string, uint32_t>, CVRMString>& gewinne() {
    static std::map<std::pair<std::u16string, uint32_t>, CVRMString> tabelle;
    return tabelle;
}

CVRMString Token(const CVRMString& in, int n) {
    return vrmtoken::GetToken(in, n).value_or(CVRMString());
}

double Ertrag(int monat, uint32_t key) {
    return std::max(0.0, kBasis[monat] - key / 5.0);
}

int Antworte(uint32_t code, const CVRMString& in, CVRMString& antwort) {
    const CVRMString name = Token(in, 1);
    if (code != 11 && name == u"unbekannt") {
        antwort = u"Unknown solar system";
        return 0;
    }
    switch (code) {
        case 11: {
            const auto handle = vrmtoken::GetToken(in, 1);
            return handle && vrmtoken::LeseHandle(*handle) != 0 ? 1 : 0;
        }
        case 14:
        case 40:
        case 49:
            return 1;
        case 15: {
            const CVRMString& liste =
                gewinne()[{std::u16string(name), vrmtoken::LeseZahl(Token(in, 2))}];
            antwort = liste.IsEmpty() ? CVRMString(u"§#§§#§§#§§#§§#§§#§§#§§#§§#§§#§§#§§#§") : liste;
            return 1;
        }
        case 16: {
            CVRMString rest = in;
            CVRMString token;
            vrmtoken::SplitWert(rest, token);
            vrmtoken::SplitWert(rest, token);
            gewinne()[{std::u16string(name), vrmtoken::LeseZahl(token)}] = rest;
            return 1;
        }
        case 32: {
            const uint32_t key = vrmtoken::LeseZahl(Token(in, 2));
            const int monate = name == u"kaputt" ? 5 : 12;
            for (int m = 0; m < monate; ++m)
                vrmtoken::AppendFloat(antwort, u"%.1f", Ertrag(m, key));
            return 1;
        }
        case 39: {
            if (name == u"kaputt") {
                antwort = u"20§#§1.0§#§";
                return 1;
            }
            for (uint32_t key : {20u, 60u}) {
                vrmtoken::AppendZahl(antwort, key);
                for (int m = 0; m < 12; ++m)
                    vrmtoken::AppendFloat(antwort, u"%.1f", Ertrag(m, key));
            }
            return 1;
        }
        default:
            antwort = u"unknown code";
            return 0;
    }
}

int DoSolarFunktion(uint32_t code, const VARIANT* in, VARIANT* out) {
    if (!vrmtoken::IstText(in) || !vrmtoken::IstText(out)) return 0;
    CVRMString antwort;
    const int ok = Antworte(code, vrmtoken::TextVon(*in), antwort);
    return vrmtoken::SetzeText(out, antwort) == platform::S_OK ? ok : 0;
}

int GetSolarenWert(VARIANT*, TKelvoDatenID, CVRMVariant* wert) {
    if (wert) wert->Clear();
    return 0;
}

int SetSolarenWert(VARIANT* name, TKelvoDatenID, const CVRMVariant* wert, int) {
    if (!vrmtoken::IstText(name) || !wert) return 0;
    return Token(vrmtoken::TextVon(*name), 1) == u"Verweigert" ? 0 : 1;
}

}  // namespace

VARM_ORDINAL_TABLE({1, reinterpret_cast<void*>(&DoSolarFunktion)},
                   {2, reinterpret_cast<void*>(&GetSolarenWert)},
                   {3, reinterpret_cast<void*>(&SetSolarenWert)})
