#include "app/options/OptsPage5.h"

#include "app/options/FarbFeld.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using ui::ControlKind;
using L = COptsPage5Logik;

constexpr int kZeile = 18;  // the height of a row, in dialog units

void RegistriereVorlage() {
    if (ui::findDialogTemplate(COptsPage5::kVorlage)) return;
    std::vector<ui::ControlSpec> c = {{1500, ControlKind::Static, {7, 7, 373, 15}, 5116}};
    // The groups fill the left column, then the right one.
    constexpr int kErsteRechts = 10;  // the first colour of the right column
    int y = 20, gruppe = -1, gruppeOben = 0, links = 7;
    auto schliesse = [&] {
        if (gruppe >= 0) c[static_cast<size_t>(gruppe)].du = {links, gruppeOben, links + 180, y + 4};
    };
    for (int i = 0; i < L::kFarben; ++i) {
        const L::SFarbe& f = L::Farben()[static_cast<size_t>(i)];
        if (f.gruppeText != 0) {
            schliesse();
            if (i == kErsteRechts) {
                links = 193;
                y = 20;
            } else if (gruppe >= 0) {
                y += 10;
            }
            gruppe = static_cast<int>(c.size());
            gruppeOben = y;
            c.push_back({1541 + i, ControlKind::Group, {}, f.gruppeText});
            y += 12;
        }
        c.push_back({1521 + i, ControlKind::Static, {links + 7, y, links + 144, y + 16}, f.labelText});
        c.push_back({COptsPage5::kFeld + i, ControlKind::Custom, {links + 148, y + 2, links + 173, y + 14},
                     0, u"", 0, [](QWidget* p) { return new CFarbFeld(p); }});
        y += kZeile;
    }
    schliesse();
    ui::registerDialogTemplate({COptsPage5::kVorlage, COptsPage::kGroesse, 5183, u"", std::move(c)});
}

}  // namespace

COptsPage5::COptsPage5(IOptionenUmgebung& umgebung)
    : COptsPage((RegistriereVorlage(), kVorlage), 5183, u"opts5"), m_logik(umgebung) {}

CFarbFeld* COptsPage5::Feld(int i) {
    return dynamic_cast<CFarbFeld*>(ui::child(this, kFeld + i));
}

void COptsPage5::NachInit() {
    for (int i = 0; i < L::kFarben; ++i) {
        ZentriereSenkrecht(1521 + i);
        if (CFarbFeld* feld = Feld(i)) feld->SetFarbe(m_logik.m_farbe[static_cast<size_t>(i)]);
    }
}

void COptsPage5::WaehleFarbe(int i) {
    uint32_t& farbe = m_logik.m_farbe[static_cast<size_t>(i)];
    const auto gewaehlt = ui::CommonDialogs::colour(ui::ColourRef(farbe));
    if (!gewaehlt) return;
    farbe = gewaehlt->value;
    if (CFarbFeld* feld = Feld(i)) feld->SetFarbe(farbe);
    Geaendert();
}

bool COptsPage5::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id >= kFeld && id < kFeld + L::kFarben) {
        WaehleFarbe(id - kFeld);
        return true;
    }
    return COptsPage::onCommand(id, notifyCode, from);
}
