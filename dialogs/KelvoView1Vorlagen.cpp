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
        {V::kIdcNotiz, ui::ControlKind::Edit, notiz},
        {V::kIdcTarif, ui::ControlKind::DropDown, tarif},
        {V::kIdcWPumpe, ui::ControlKind::DropDown, wpumpe},
        {V::kIdcAnzahl, ui::ControlKind::DropList, anzahl},
    };
}

}  // namespace

void RegistriereKelvoView1Vorlagen() {
    // The scene: the sky with the tariff and the plants on top, the house in the middle,
    // the heat source under the ground line at about two thirds of the height.
    std::vector<ui::ControlSpec> standard = Eingaben({36, 37, 186, 51}, {36, 11, 186, 25},
                                                     {36, 101, 150, 115}, {154, 101, 186, 115});
    for (ui::ControlSpec c : {
             Knopf(V::kIdcTarifDaten, {8, 6, 32, 28}),
             Knopf(V::kIdcProjektDaten, {8, 32, 32, 54}),
             Knopf(V::kIdcWPumpeDaten, {8, 96, 32, 118}),
             Knopf(V::kIdcSolarDaten, {200, 6, 224, 28}),
             Knopf(V::kIdcKuehlDaten, {200, 32, 224, 54}),
             Knopf(V::kIdcHausDaten, {200, 70, 224, 92}),
             Knopf(V::kIdcWawaDaten, {200, 96, 224, 118}),
             Knopf(V::kIdcQuellDaten, {200, 204, 224, 226}),
             Knopf(V::kIdcHilfe, {348, 240, 400, 254}, 5178),
             Info(V::kIdcSolarInfo, {228, 9, 400, 25}),
             Info(V::kIdcKuehlInfo, {228, 35, 400, 51}),
             Info(V::kIdcOrtInfo, {228, 73, 400, 89}),
             Info(V::kIdcWawaInfo, {228, 99, 400, 115}),
             Info(V::kIdcQuelleInfo, {228, 207, 400, 223}),
             Info(V::kIdcHinweis, {8, 262, 400, 286}),
         })
        standard.push_back(c);
    ui::registerDialogTemplate({V::kIddStandard, {408, 291}, 0, u"", standard});

    std::vector<ui::ControlSpec> klassisch = Eingaben({268, 252, 438, 266}, {8, 30, 88, 44},
                                                      {8, 150, 142, 164}, {146, 150, 178, 164});
    for (ui::ControlSpec c : {
             ui::ControlSpec{2186, ui::ControlKind::Static, {8, 20, 88, 29}, 3142},
             ui::ControlSpec{2188, ui::ControlKind::Static, {8, 140, 142, 149}, 3140},
             Knopf(V::kIdcTarifDaten, {8, 50, 88, 64}, 5039),
             Knopf(V::kIdcSolarDaten, {196, 46, 268, 60}, 5038),
             Knopf(V::kIdcKuehlDaten, {276, 46, 348, 60}, 5036),
             Knopf(V::kIdcWPumpeDaten, {62, 172, 142, 186}, 5042),
             Knopf(V::kIdcWawaDaten, {200, 154, 262, 178}, 5040),
             Knopf(V::kIdcHausDaten, {322, 148, 384, 166}, 5041),
             Knopf(V::kIdcProjektDaten, {376, 221, 438, 237}, 5037),
             Knopf(V::kIdcQuellDaten, {172, 258, 236, 276}, 5043),
             Knopf(V::kIdcHilfe, {8, 270, 60, 284}, 5178),
             Info(V::kIdcSolarInfo, {196, 64, 438, 78}),
             Info(V::kIdcKuehlInfo, {196, 82, 438, 96}),
             Info(V::kIdcOrtInfo, {196, 100, 438, 114}),
             Info(V::kIdcWawaInfo, {196, 118, 438, 132}),
             Info(V::kIdcQuelleInfo, {8, 236, 236, 250}),
         })
        klassisch.push_back(c);
    ui::registerDialogTemplate({V::kIddKlassisch, {446, 291}, 0, u"", klassisch});
}
