// The layout of the VDI 4650 calculator: the heat pump on the left, the heating system and
// the climate station on the right, hot water and the three results below them.
#include "controls/small/FloatEdit.h"
#include "controls/small/Label.h"
#include "dialogs/DlgVDI4650.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using C = CDlgVDI4650;
using ui::ControlKind;

// Texts of the captions.
constexpr unsigned kKunde = 5649;
constexpr unsigned kWaermepumpe = 3140;
constexpr unsigned kArt = 5651;
constexpr unsigned kLeistung = 5652;
constexpr unsigned kCop1 = 5645;
constexpr unsigned kCop2 = 5646;
constexpr unsigned kCop3 = 5647;
constexpr unsigned kPruef = 5653;
constexpr unsigned kBetrieb = 5654;
constexpr unsigned kQuelle = 5655;
constexpr unsigned kVorlauf = 5656;
constexpr unsigned kWarmwasserTemp = 5658;
constexpr unsigned kPumpenLeistung = 5659;
constexpr unsigned kVorplanung = 5664;
constexpr unsigned kFp = 5665;
constexpr unsigned kZwischenWT = 5666;
constexpr unsigned kBetriebsweise = 5667;
constexpr unsigned kBivalenz = 5668;
constexpr unsigned kHeizgrenze = 5669;
constexpr unsigned kNormTemp = 5686;
constexpr unsigned kKlimastation = 5687;
constexpr unsigned kWarmwasser = 5688;
constexpr unsigned kErgebnisse = 5691;
constexpr unsigned kRaumheizung = 5692;
constexpr unsigned kGesamtanlage = 5711;
constexpr unsigned kCop4 = 5712;
constexpr unsigned kHeizungsanlage = 5714;
constexpr unsigned kProzentHeizung = 5746;
constexpr unsigned kAktualisieren = 5672;
constexpr unsigned kKorrekturfaktoren = 5738;
constexpr unsigned kOptimieren = 5944;
constexpr unsigned kReport = 5660;
constexpr unsigned kHilfe = 5178;
constexpr unsigned kSchliessen = 3717;

ui::ControlSpec Zahl(int id, ui::Rect du, unsigned short nachkomma) {
    return {id, ControlKind::Custom, du, 0, u"", 0,
            [nachkomma](QWidget* parent) { return new CFloatEdit(parent, nachkomma); }};
}

ui::ControlSpec Ergebnis(int id, ui::Rect du, bool fett) {
    return {id, ControlKind::Custom, du, 0, u"", 0, [fett](QWidget* parent) {
                auto* label = new CLabel(parent, {}, small::StaticStil::BildZentriert);
                label->SetSunken(true).SetFontBold(fett);
                return label;
            }};
}

ui::ControlSpec Text(int id, ui::Rect du, unsigned textId) {
    return {id, ControlKind::Static, du, textId};
}

// A row of a column: caption from `x` to the field, the field at the column's right end.
constexpr int kZeile0 = 68;
constexpr int kZeilenAbstand = 15;
constexpr int Zeile(int n) { return kZeile0 + n * kZeilenAbstand; }
ui::Rect Beschriftung(int x, int y, int feldLinks) { return {x, y + 2, feldLinks - 3, y + 12}; }

}  // namespace

void RegistriereDlgVDI4650Vorlage() {
    if (ui::findDialogTemplate(C::kIDD)) return;
    // Left column 7..227, right column 233..453.
    constexpr int kL = 14, kLFeld = 172, kLEnde = 220;
    constexpr int kR = 240, kRFeld = 398, kREnde = 446;
    ui::DialogTemplate t{C::kIDD, {460, 317}, 5644, u"", {}};  // 5644: the caption
    auto& c = t.controls;
    c.push_back(Text(C::kIdcKundeText, {7, 7, 120, 16}, kKunde));
    c.push_back({C::kIdcKunde, ControlKind::Edit, {7, 17, 227, 50}, 0, u"", ui::cs::EditMultiLine});
    c.push_back(Text(C::kIdcWPText, {235, 7, 330, 16}, kWaermepumpe));
    c.push_back({C::kIdcWPName, ControlKind::DropList, {235, 17, 453, 29}});
    c.push_back({C::kIdcWPFreitext, ControlKind::Edit, {235, 17, 453, 29}, 0, u"", ui::cs::Hidden});
    c.push_back(Text(C::kIdcArtText, Beschriftung(235, 36, 335), kArt));
    c.push_back({C::kIdcArt, ControlKind::DropList, {335, 36, 453, 48}});

    // The heat pump.
    c.push_back({C::kIdcWPGruppe, ControlKind::Group, {7, 55, 227, 204}, kWaermepumpe});
    c.push_back(Text(C::kIdcLeistungText, Beschriftung(kL, Zeile(0), kLFeld), kLeistung));
    c.push_back(Zahl(C::kIdcLeistung, {kLFeld, Zeile(0), kLEnde, Zeile(0) + 12}, 1));
    c.push_back(Text(C::kIdcCop1Text, Beschriftung(kL, Zeile(1), kLFeld), kCop1));
    c.push_back(Zahl(C::kIdcCop1, {kLFeld, Zeile(1), kLEnde, Zeile(1) + 12}, 2));
    c.push_back(Text(C::kIdcCop2Text, Beschriftung(kL, Zeile(2), kLFeld), kCop2));
    c.push_back(Zahl(C::kIdcCop2, {kLFeld, Zeile(2), kLEnde, Zeile(2) + 12}, 2));
    c.push_back(Text(C::kIdcCop3Text, Beschriftung(kL, Zeile(3), kLFeld), kCop3));
    c.push_back(Zahl(C::kIdcCop3, {kLFeld, Zeile(3), kLEnde, Zeile(3) + 12}, 2));
    c.push_back(Text(C::kIdcPruefText, Beschriftung(kL, Zeile(4), kLFeld), kPruef));
    c.push_back(Zahl(C::kIdcPruef, {kLFeld, Zeile(4), kLEnde, Zeile(4) + 12}, 1));
    c.push_back(Text(C::kIdcPumpenLeistungText, Beschriftung(kL, Zeile(5), kLFeld), kPumpenLeistung));
    c.push_back({C::kIdcPumpenLeistung, ControlKind::Edit, {kLFeld, Zeile(5), kLEnde, Zeile(5) + 12}});
    c.push_back({C::kIdcVorplanung, ControlKind::Check, {kL, Zeile(6), kLEnde, Zeile(6) + 12}, kVorplanung});
    c.push_back(Text(C::kIdcFpText, Beschriftung(kL, Zeile(7), kLFeld), kFp));
    c.push_back({C::kIdcFp, ControlKind::Edit, {kLFeld, Zeile(7), kLEnde, Zeile(7) + 12}, 0, u"",
                 ui::cs::EditReadOnly});

    // The heating system.
    c.push_back({C::kIdcAnlageGruppe, ControlKind::Group, {233, 55, 453, 157}, kHeizungsanlage});
    c.push_back(Text(C::kIdcBetriebsweiseText, Beschriftung(kR, Zeile(0), 322), kBetriebsweise));
    c.push_back({C::kIdcBetriebsweise, ControlKind::DropList, {322, Zeile(0), kREnde, Zeile(0) + 12}});
    c.push_back(Text(C::kIdcBivalenzText, Beschriftung(kR, Zeile(1), kRFeld), kBivalenz));
    c.push_back({C::kIdcBivalenz, ControlKind::DropList, {kRFeld, Zeile(1), kREnde, Zeile(1) + 12}});
    c.push_back(Text(C::kIdcVorlaufText, Beschriftung(kR, Zeile(2), kRFeld), kVorlauf));
    c.push_back(Zahl(C::kIdcVorlauf, {kRFeld, Zeile(2), kREnde, Zeile(2) + 12}, 1));
    c.push_back(Text(C::kIdcBetriebText, Beschriftung(kR, Zeile(3), kRFeld), kBetrieb));
    c.push_back(Zahl(C::kIdcBetrieb, {kRFeld, Zeile(3), kREnde, Zeile(3) + 12}, 1));
    c.push_back(Text(C::kIdcQuelleText, Beschriftung(kR, Zeile(4), kRFeld), kQuelle));
    c.push_back(Zahl(C::kIdcQuelle, {kRFeld, Zeile(4), kREnde, Zeile(4) + 12}, 1));
    c.push_back({C::kIdcZwischenWT, ControlKind::Check, {kR, Zeile(5), kREnde, Zeile(5) + 12}, kZwischenWT});

    // The climate station.
    c.push_back({C::kIdcKlimastation, ControlKind::Group, {233, 161, 453, 204}, kKlimastation});
    c.push_back(Text(C::kIdcHeizgrenzeText, Beschriftung(kR, 173, kRFeld), kHeizgrenze));
    c.push_back({C::kIdcHeizgrenze, ControlKind::DropList, {kRFeld, 173, kREnde, 185}});
    c.push_back(Text(C::kIdcNormTempText, Beschriftung(kR, 188, kRFeld), kNormTemp));
    c.push_back({C::kIdcNormTemp, ControlKind::DropList, {kRFeld, 188, kREnde, 200}});

    // Hot water.
    c.push_back({C::kIdcWarmwasserGruppe, ControlKind::Group, {7, 208, 227, 289}, kWarmwasser});
    c.push_back({C::kIdcWarmwasser, ControlKind::DropList, {kL, 220, kLEnde, 232}});
    c.push_back(Text(C::kIdcProzentHeizungText, {kL, 237, kLFeld - 3, 255}, kProzentHeizung));
    c.push_back({C::kIdcProzentHeizung, ControlKind::Edit, {kLFeld, 238, kLEnde, 250}});
    c.push_back(Text(C::kIdcWarmwasserTempText, Beschriftung(kL, 257, kLFeld), kWarmwasserTemp));
    c.push_back(Zahl(C::kIdcWarmwasserTemp, {kLFeld, 257, kLEnde, 269}, 1));
    c.push_back(Text(C::kIdcCop4Text, Beschriftung(kL, 272, kLFeld), kCop4));
    c.push_back(Zahl(C::kIdcCop4, {kLFeld, 272, kLEnde, 284}, 2));

    // The results.
    c.push_back({C::kIdcErgebnisGruppe, ControlKind::Group, {233, 208, 453, 289}, kErgebnisse});
    c.push_back(Text(C::kIdcBetaHeizungText, Beschriftung(kR, 222, 382), kRaumheizung));
    c.push_back(Ergebnis(C::kIdcBetaHeizung, {382, 221, kREnde, 234}, false));
    c.push_back(Text(C::kIdcBetaWarmwasserText, Beschriftung(kR, 241, 382), kWarmwasser));
    c.push_back(Ergebnis(C::kIdcBetaWarmwasser, {382, 240, kREnde, 253}, false));
    c.push_back(Text(C::kIdcBetaAnlageText, Beschriftung(kR, 262, 382), kGesamtanlage));
    c.push_back(Ergebnis(C::kIdcBetaAnlage, {382, 260, kREnde, 275}, true));

    c.push_back({C::kIdcAktualisieren, ControlKind::DefButton, {7, 296, 67, 310}, kAktualisieren});
    c.push_back({C::kIdcKorrekturfaktoren, ControlKind::Button, {71, 296, 151, 310}, kKorrekturfaktoren});
    c.push_back({C::kIdcOptimieren, ControlKind::Button, {155, 296, 265, 310}, kOptimieren});
    c.push_back({C::kIdcReport, ControlKind::Button, {269, 296, 339, 310}, kReport});
    c.push_back({C::kIdcHilfe, ControlKind::Button, {343, 296, 393, 310}, kHilfe});
    c.push_back({C::kIdcSchliessen, ControlKind::Button, {397, 296, 453, 310}, kSchliessen});
    ui::registerDialogTemplate(std::move(t));
}
