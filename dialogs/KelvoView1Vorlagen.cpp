// The two layouts of the project window: the default one (152) with picture buttons over
// the scene of the heat source, and "Classic" (149) with text buttons.
#include "dialogs/KelvoView1Vorlagen.h"

#include "controls/buttons/ButtonST.h"
#include "controls/small/Label.h"
#include "dialogs/KelvoView1.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using V = CKelvoView1;

ui::ControlSpec Knopf(int id, ui::Rect du, unsigned textId = 0) {
    ui::ControlSpec c{id, ui::ControlKind::Custom, du, textId};
    c.create = [](QWidget* parent) { return static_cast<QWidget*>(new CButtonST(u"", parent)); };
    return c;
}

ui::ControlSpec Info(int id, ui::Rect du) {
    ui::ControlSpec c{id, ui::ControlKind::Custom, du};
    c.create = [](QWidget* parent) { return static_cast<QWidget*>(new CLabel(parent)); };
    return c;
}

std::vector<ui::ControlSpec> Eingaben(ui::Rect notiz, ui::Rect tarif, ui::Rect wpumpe, ui::Rect anzahl) {
    return {
        {V::kIdcTarif, ui::ControlKind::DropDown, tarif},
        {V::kIdcWPumpe, ui::ControlKind::DropDown, wpumpe},
        {V::kIdcAnzahl, ui::ControlKind::DropList, anzahl},
        {V::kIdcNotiz, ui::ControlKind::Edit, notiz},
    };
}

}  // namespace

void RegistriereKelvoView1Vorlagen() {
    // Default: the picture buttons with their fields in two columns across the free sky of
    // the scene (tariff, heat pump, notice and heat source on the left; solar, cooling,
    // building and hot water on the right), help under the left column, the hint line at
    // the bottom. Only the hint line moves, so the columns keep above the house at every
    // size of the window.
    std::vector<ui::ControlSpec> standard = Eingaben({36, 58, 196, 72}, {36, 10, 196, 24},
                                                     {36, 34, 164, 48}, {168, 34, 196, 48});
    for (ui::ControlSpec c : {
             Knopf(V::kIdcTarifDaten, {8, 6, 32, 28}),
             Knopf(V::kIdcWPumpeDaten, {8, 30, 32, 52}),
             Knopf(V::kIdcProjektDaten, {8, 54, 32, 76}),
             Knopf(V::kIdcQuellDaten, {8, 78, 32, 100}),
             Info(V::kIdcQuelleInfo, {36, 80, 196, 98}),
             Knopf(V::kIdcSolarDaten, {204, 6, 228, 28}),
             Info(V::kIdcSolarInfo, {232, 8, 400, 26}),
             Knopf(V::kIdcKuehlDaten, {204, 30, 228, 52}),
             Info(V::kIdcKuehlInfo, {232, 32, 400, 50}),
             Knopf(V::kIdcHausDaten, {204, 54, 228, 76}),
             Info(V::kIdcOrtInfo, {232, 56, 400, 74}),
             Knopf(V::kIdcWawaDaten, {204, 78, 228, 100}),
             Info(V::kIdcWawaInfo, {232, 80, 400, 98}),
             Knopf(V::kIdcHilfe, {8, 106, 56, 120}, 5178),
             Info(V::kIdcHinweis, {8, 266, 400, 286}),
         })
        standard.push_back(c);
    ui::registerDialogTemplate({V::kIddStandard, {408, 291}, 0, u"", standard});

    // Classic: the text buttons stand on the scene where their anchors keep them as the
    // window grows (tariff and solar in the sky, heat pump left of the house, hot water and
    // building in it, project, heat source and notice in the ground). What does not move
    // (help, cooling and the short infos) stands above all of them, so that nothing moving
    // ever reaches it.
    std::vector<ui::ControlSpec> klassisch = Eingaben({268, 262, 438, 278}, {8, 61, 88, 75},
                                                      {8, 151, 142, 165}, {146, 151, 174, 165});
    for (ui::ControlSpec c : {
             Knopf(V::kIdcHilfe, {8, 4, 56, 18}, 5178),
             Knopf(V::kIdcKuehlDaten, {60, 4, 108, 18}, 5036),
             Info(V::kIdcOrtInfo, {160, 4, 438, 13}),
             Info(V::kIdcQuelleInfo, {160, 13, 438, 22}),
             Info(V::kIdcWawaInfo, {160, 22, 438, 31}),
             Info(V::kIdcSolarInfo, {160, 31, 438, 40}),
             Info(V::kIdcKuehlInfo, {160, 40, 438, 49}),
             ui::ControlSpec{V::kIdcTarifTitel, ui::ControlKind::Static, {8, 52, 88, 60}, 3142},
             Knopf(V::kIdcTarifDaten, {8, 80, 78, 94}, 5039),
             Knopf(V::kIdcSolarDaten, {196, 62, 268, 76}, 5038),
             ui::ControlSpec{V::kIdcWPumpeTitel, ui::ControlKind::Static, {8, 142, 142, 150}, 3140},
             Knopf(V::kIdcWPumpeDaten, {66, 172, 142, 186}, 5042),
             Knopf(V::kIdcWawaDaten, {205, 154, 259, 178}, 5040),
             Knopf(V::kIdcHausDaten, {320, 154, 378, 170}, 5041),
             Knopf(V::kIdcProjektDaten, {376, 221, 434, 237}, 5037),
             Knopf(V::kIdcQuellDaten, {170, 259, 240, 276}, 5043),
         })
        klassisch.push_back(c);
    ui::registerDialogTemplate({V::kIddKlassisch, {446, 291}, 0, u"", klassisch});
}
