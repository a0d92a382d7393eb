#include "dialogs/DlgVDI4650b.h"

#include "controls/small/EnablerDisabler.h"
#include "controls/small/Label.h"
#include "core/value/VRMString.h"
#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "platform/ui/DialogTemplate.h"

using namespace VDI4650;

namespace {

constexpr unsigned kTitel = 5644;
constexpr unsigned kHinweis = 5744;  // "Factor outside of VDI 4650 !"
constexpr unsigned kSchliessen = 3717;
constexpr unsigned kFormat2 = 3355;  // "%.2f"
constexpr unsigned kFormat3 = 5670;  // "%.3f"
constexpr ui::ColourRef kRot = ui::rgb(255, 0, 0);

struct SZeile {
    unsigned textId;
    int flag;      // index of its in-range flag
    bool zweiStellen;  // "%.2f" instead of "%.3f"
};
// Table 1 (heating), 2, 3, 4 (-7), 4 (+2), 4 (+10), 5, 6, 7, 8, table 1 (hot water), F_P.
constexpr SZeile kZeilenDaten[CDlgVDI4650b::kZeilen] = {
    {5715, 0, false}, {5716, 1, false}, {5717, 2, false}, {5657, 3, false},
    {5683, 3, false}, {5684, 3, false}, {5718, 4, false}, {5719, 5, false},
    {5720, 6, true},  {5721, 7, true},  {5724, 0, false}, {5671, 8, false},
};

constexpr int kZeile0 = 7;
constexpr int kAbstand = 15;

}  // namespace

void RegistriereDlgVDI4650bVorlage() {
    if (ui::findDialogTemplate(CDlgVDI4650b::kIDD)) return;
    ui::DialogTemplate t{CDlgVDI4650b::kIDD, {230, 240}, kTitel, u"", {}};
    for (int i = 0; i < CDlgVDI4650b::kZeilen; ++i) {
        const int y = kZeile0 + i * kAbstand;
        t.controls.push_back({CDlgVDI4650b::kIdcText + i, ui::ControlKind::Static,
                              {7, y + 2, 163, y + 12}, kZeilenDaten[i].textId});
        t.controls.push_back({CDlgVDI4650b::kIdcWert + i, ui::ControlKind::Custom,
                              {166, y, 223, y + 12}, 0, u"", 0, [](QWidget* parent) {
                                  auto* wert = new CLabel(parent, {}, small::StaticStil::Rechts);
                                  wert->SetSunken(true);
                                  return wert;
                              }});
    }
    const int y = kZeile0 + CDlgVDI4650b::kZeilen * kAbstand + 2;
    t.controls.push_back({CDlgVDI4650b::kIdcHinweis, ui::ControlKind::Custom, {7, y, 223, y + 10},
                          0, u"", 0, [](QWidget* parent) {
                              auto* hinweis = new CLabel(parent);
                              hinweis->SetTextColor(kRot).SetFontBold(true);
                              return hinweis;
                          }});
    t.controls.push_back(
        {CDlgVDI4650b::kIdcSchliessen, ui::ControlKind::DefButton, {173, y + 16, 223, y + 30}, kSchliessen});
    t.du.cy = y + 37;
    ui::registerDialogTemplate(std::move(t));
}

CDlgVDI4650b::CDlgVDI4650b(const CVDI4650Rechner& rechner, const std::array<bool, 9>& bereich,
                           QWidget* parent)
    : ui::Dialog(kIDD, parent), m_rechner(rechner), m_bereich(bereich) {
    RegistriereDlgVDI4650bVorlage();
}

bool CDlgVDI4650b::IstAusserhalb(int zeile) const {
    return zeile >= 0 && zeile < kZeilen && !m_bereich[static_cast<size_t>(kZeilenDaten[zeile].flag)];
}

bool CDlgVDI4650b::onInitDialog() {
    const CVDI4650Rechner& r = m_rechner;
    const SVDI4650Ergebnisse& e = r.ergebnisse;
    const float werte[kZeilen] = {e.kHeizung, e.tabelle2, e.tabelle3, e.w1,       e.w2,        e.w3,
                                  e.tabelle5, e.tabelle6, e.tabelle7, e.tabelle8, e.kWarmwasser, r.fp};
    const bool sole = r.art == kSoleWasser || r.art == kDirektverdampfung;
    const bool wasser = r.art == kWasserWasser;
    const bool luft = r.art == kLuftWasser;
    const bool warmwasser = r.warmwasser == kWarmwasserMitWP || r.warmwasser == kWarmwasserZweiteWP;
    const bool gilt[kZeilen] = {true,  sole,       wasser,     luft, luft, luft, sole && warmwasser,
                                wasser && warmwasser, warmwasser, r.betriebsweise != kMonovalent,
                                warmwasser, true};
    bool ausserhalb = false;
    for (int i = 0; i < kZeilen; ++i) {
        auto* wert = dynamic_cast<CLabel*>(ui::child(this, kIdcWert + i));
        if (!wert) continue;
        CVRMString text;
        text.Format(kZeilenDaten[i].zweiStellen ? kFormat2 : kFormat3, werte[i]);
        wert->SetText(text);
        if (IstAusserhalb(i)) {
            wert->SetBkColor(kRot);
            ausserhalb = true;
        }
        EnableDlgItem(this, static_cast<unsigned>(kIdcText + i), gilt[i]);
        EnableDlgItem(this, static_cast<unsigned>(kIdcWert + i), gilt[i]);
    }
    if (auto* hinweis = dynamic_cast<CLabel*>(ui::child(this, kIdcHinweis))) {
        CVRMString text;
        text.LoadStringW(kHinweis);
        hinweis->SetText(text);
        hinweis->setVisible(ausserhalb);
    }
    return true;
}
