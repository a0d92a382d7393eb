#include "model/data/HeizungsNamen.h"

#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"

namespace {

CVRMString text(unsigned id) {
    CVRMString t;
    t.LoadStringW(id);
    return t;
}

// Language text of `ids[art]`, the own name at `eigenerIndex`, "?" outside.
CVRMString nameAus(std::initializer_list<unsigned> ids, int art, const CVRMString& eigenerName) {
    const int eigenerIndex = static_cast<int>(ids.size());
    if (art == eigenerIndex) return eigenerName;
    if (art < 0 || art > eigenerIndex) return CVRMString(u"?");
    return text(ids.begin()[art]);
}

void fuegeAn(CVRMString& liste, unsigned id) {
    liste += u", ";
    liste += text(id);
}

}  // namespace

CVRMString GetVergleichsheizungName(int art, const CVRMString& eigenerName) {
    // "Gas heating", "Oil heating", "Night storage heater", "Electric (direct)"
    return nameAus({3512, 3511, 3513, 3514}, art, eigenerName);
}

CVRMString GetHeizungsartName(int art, const CVRMString& eigenerName) {
    // "Oil heating", "Gas heating", "Night storage heater", "Electric (direct)"
    return nameAus({textid::kWaermepumpe, 3511, 3512, 3513, 3514}, art, eigenerName);
}

int MapHeizungsart(int art) {
    static constexpr int kMap[] = {0, 1, 2, 5, 3, 4};
    if (art < 0 || art > 5) ThrowFehler(0, nullptr, 0);
    return kMap[art];
}

CVRMString GetHeizungsartKurzname(int art, const CVRMString& eigenerName) {
    // "Heat pump", "Oil", "Gas", "Night heater", "Electr. Direct"
    static constexpr unsigned kIds[] = {3683, 3684, 3685, 3686, 3687};
    const int kurz = MapHeizungsart(art);
    return kurz == 5 ? eigenerName : text(kIds[kurz]);
}

void GetPumpenZusatztext(int medium, int betrWeise, int zweiterWE, const CVRMString& eigeneHeizung,
                         CVRMString& ergebnis) {
    CVRMString liste = text(3519);  // "Heat circulation pump"
    switch (medium) {
        case 0:
            fuegeAn(liste, 3212);  // "Brine circ. pump"
            break;
        case 1:
            fuegeAn(liste, 3462);  // "Fan, defrosting"
            break;
        case 2:
            fuegeAn(liste, 3213);  // "Water circ. pump"
            break;
        case 3:
            break;
        case 4:
            fuegeAn(liste, 3314);  // "Fan"
            break;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"GetPumpenZusatztext");
    }
    switch (betrWeise) {
        case 0:
        case 3:
        case 5:
        case 7:
            fuegeAn(liste, 3457);  // "Heating elements"
            break;
        case 1:
            break;
        case 2:
        case 4:
        case 6:
        case 8: {
            const CVRMString eigene =
                eigeneHeizung.IsEmpty() ? text(textid::kHolzheizung) : eigeneHeizung;
            liste += u", ";
            liste += GetVergleichsheizungName(zweiterWE, eigene);
            break;
        }
        default:
            ThrowFehler(textid::kFalscheKonstante, u"GetPumpenZusatztext2");
    }
    ergebnis.Format(3366u, liste);  // "(incl. %s)"
}

void GetPumpenZusatztext(int medium, int, int betrWeise, int zweiterWE, CVRMString& text) {
    CVRMString eigeneHeizung;
    const bool bivalent = betrWeise == 2 || betrWeise == 4 || betrWeise == 6 || betrWeise == 8;
    if (bivalent) GetKelvoApp().GetOptionsManager().GetStringWert(OPT_NAME_ZET, eigeneHeizung);
    GetPumpenZusatztext(medium, betrWeise, zweiterWE, eigeneHeizung, text);
}
