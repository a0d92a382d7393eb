#include "dialogs/DlgInvKosten.h"

#include "app/shell/KelvoApp.h"
#include "controls/small/EnablerDisabler.h"
#include "controls/small/Label.h"
#include "core/text/ResManager.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/KostenGrafik.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
constexpr unsigned kTitel = 4663;  // "Costs of investment and lifetimes"
constexpr ui::ColourRef kErklaerText = ui::rgb(21, 59, 99);
constexpr ui::ColourRef kErklaerGrund = ui::rgb(223, 233, 244);

// A row: its label, the label's text (0: the own system's name) and the pair it edits.
struct SZeile {
    int label;
    unsigned text;
    int paar;
};
constexpr SZeile kWP[] = {{1856, 4669, 2}, {1857, 4670, 1}, {1858, 4671, 0}, {1859, 4672, 12},
                          {1871, 5777, 13}};
constexpr SZeile kAndere[] = {{1861, 4675, 3}, {1862, 4676, 4}, {1863, 4677, 5}, {1864, 4678, 6},
                              {1865, 0, 7},    {1866, 4679, 11}, {1867, 4680, 10}};
constexpr SZeile kElektro[] = {{1869, 4685, 8}, {1870, 4686, 9}};

ui::ControlSpec Erklaerung(int id, ui::Rect du, unsigned textId) {
    return {id, K::Custom, du, 0, u"", 0, [textId](QWidget* parent) {
                auto* label = new CLabel(parent, DlgText(textId).toStdU16String());
                label->SetTextColor(kErklaerText).SetBkColor(kErklaerGrund);
                return label;
            }};
}

template <size_t N>
void Zeilen(std::vector<ui::ControlSpec>& c, const SZeile (&zeilen)[N], int y) {
    for (const SZeile& z : zeilen) {
        const auto& ids = CDlgInvKosten::kIdPaare[static_cast<size_t>(z.paar)];
        c.push_back({z.label, K::Static, {16, y + 2, 130, y + 12}});
        c.push_back({ids[0], K::Edit, {134, y, 184, y + 12}, 0, u"", ui::cs::EditNumber});
        c.push_back({ids[1], K::Edit, {190, y, 220, y + 12}, 0, u"", ui::cs::EditNumber});
        y += 14;
    }
}

void RegistriereVorlage() {
    using D = CDlgInvKosten;
    if (ui::findDialogTemplate(D::kIDD)) return;
    std::vector<ui::ControlSpec> c = {
        {1850, K::Static, {16, 6, 130, 16}},   {1851, K::Static, {134, 6, 184, 16}},
        {1852, K::Static, {134, 15, 184, 24}}, {1853, K::Static, {190, 6, 240, 16}},
        {1854, K::Static, {190, 15, 240, 24}},
        {1855, K::Group, {7, 26, 403, 110}},
        {1860, K::Group, {7, 114, 403, 226}},
        {1868, K::Group, {7, 230, 403, 274}},
        Erklaerung(1635, {228, 38, 396, 104}, 4673),
        Erklaerung(1637, {228, 126, 396, 150}, 4681),
        Erklaerung(1638, {228, 154, 396, 178}, 4682),
        Erklaerung(1639, {228, 182, 396, 214}, 4683),
        Erklaerung(1640, {228, 240, 396, 270}, 4687),
    };
    Zeilen(c, kWP, 38);
    Zeilen(c, kAndere, 126);
    Zeilen(c, kElektro, 242);
    c.push_back({ui::kIdOk, K::DefButton, {243, 280, 293, 294}});
    c.push_back({ui::kIdCancel, K::Button, {298, 280, 348, 294}});
    c.push_back({D::kIdHilfe, K::Button, {353, 280, 403, 294}});
    ui::registerDialogTemplate(
        {D::kIDD, {410, 300}, 0, u"Investitionskosten und Lebensdauern", std::move(c)});
}

}  // namespace

CDlgInvKosten::CDlgInvKosten(const CProjekt2::InvestKosten& werte, bool monovalent, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_werte(werte), m_monovalent(monovalent) {
    RegistriereVorlage();
}

bool CDlgInvKosten::onInitDialog() {
    setWindowTitle(DlgText(kTitel));
    SetzeDlgTexte(*this, {{1855, 4668, true}, {1860, 4674, true}, {1868, 4684, true},
                          {1850, 4664}, {1851, 4665}, {1853, 4666}, {1854, 4667},
                          {ui::kIdOk, 4378}, {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    ui::setChildText(this, 1852, CResManager::getLangText(
                                     static_cast<uint16_t>(GetKelvoAppObjekt().GetWaehrungText())));
    const auto beschrifte = [this](const SZeile& z) {
        ui::setChildText(this, z.label,
                         z.text ? DlgText(z.text).toStdU16String() : kostengrafik::EigenerName());
    };
    for (const SZeile& z : kWP) beschrifte(z);
    for (const SZeile& z : kAndere) beschrifte(z);
    for (const SZeile& z : kElektro) beschrifte(z);
    const auto& zweiter = kIdPaare[13];
    for (int id : {kIdZweiterWE, zweiter[0], zweiter[1]}) EnableDlgItem(this, static_cast<unsigned>(id), !m_monovalent);
    updateData(false);
    return true;
}

void CDlgInvKosten::doDataExchange(ui::DataExchange& dx) {
    for (size_t i = 0; i < m_werte.size(); ++i) {
        dx.unsignedInt(kIdPaare[i][0], m_werte[i].erster);
        dx.unsignedInt(kIdPaare[i][1], m_werte[i].zweiter);
    }
}

bool CDlgInvKosten::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdHilfe) {
        GetKelvoApp().ShowHilfeThema(u"dlginvkosten");
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CDlgInvKosten::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    GetKelvoApp().ShowHilfeThema(u"dlginvkosten");
    return true;
}
