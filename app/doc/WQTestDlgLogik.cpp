#include "app/doc/WQTestDlgLogik.h"

#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMString.h"
#include "model/errors/Fehler.h"

namespace {

constexpr unsigned kZahl = 3354;  // "%.1f"
constexpr char16_t kOhneWert[] = u"--";
constexpr char16_t kUnbekannt[] = u"[??]";
constexpr unsigned kProM = 5972, kProQm = 5971, kKWhProM = 5974, kKWhProQm = 5973;
constexpr unsigned kLuftNichtMoeglich = 3305, kWasserNichtMoeglich = 3300, kKeineDaten = 3318;
constexpr unsigned kOk = 3320, kZuKlein = 3319, kNurMitZusatz = 3321;

std::u16string Zahl(float wert) {
    CVRMString text;
    text.Format(kZahl, static_cast<double>(wert));
    return text;
}

std::u16string Sprache(unsigned id) { return CResManager::getLangText(static_cast<uint16_t>(id)); }

}  // namespace

SWQTestAnzeige WQTestAnzeige(const SWQTestWerte& w) {
    SWQTestAnzeige a;
    a.leistung = Zahl(w.leistung);
    a.leistungGrenze = Zahl(w.leistungGrenze);
    a.energie = Zahl(w.energie);
    a.energieMit = Zahl(w.energieMit);
    a.energieGrenze = a.energieGrenzeMit = Zahl(w.energieGrenze);
    a.einheitLeistung = a.einheitEnergie = kUnbekannt;
    switch (w.art) {
        case 0:
        case 4:
            a.einheitLeistung = Sprache(kProM);
            a.einheitEnergie = Sprache(kKWhProM);
            break;
        case 1:
        case 5:
            a.einheitLeistung = Sprache(kProQm);
            a.einheitEnergie = Sprache(kKWhProQm);
            break;
        case 2:
        case 6:
            a.hinweis = kLuftNichtMoeglich;
            a.urteil = kKeineDaten;
            break;
        case 3:
            a.hinweis = kWasserNichtMoeglich;
            a.urteil = kKeineDaten;
            break;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CWQTestDlg::OnInitDialog");
    }
    if (w.art == 0 || w.art == 1 || w.art == 4 || w.art == 5)
        a.urteil = w.ok ? kOk : (w.okMitZusatz ? kNurMitZusatz : kZuKlein);
    if (!w.mitEinspeisung) a.energieMit = a.energieGrenzeMit = kOhneWert;
    a.rot = !w.ok;
    return a;
}
