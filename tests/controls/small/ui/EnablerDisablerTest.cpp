#include "controls/small/EnablerDisabler.h"

#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "controls/small/Label.h"
#include "platform/ui/Window.h"
#include "tests/support/ui/UiTest.h"

namespace {

const ui::ColourRef kGrau = ui::rgb(128, 128, 128);
const ui::ColourRef kSchwarz = ui::rgb(0, 0, 0);

// A dialog with a field (1), a button (2), a caption (3) and a note (4).
class Gruppen : public uitest::Fixture {
  protected:
    void SetUp() override {
        dialog = std::make_unique<QWidget>();
        feld = new QLineEdit(dialog.get());
        knopf = new QPushButton("OK", dialog.get());
        titel = new CLabel(dialog.get(), u"Eigene Werte");
        hinweis = new CLabel(dialog.get(), u"Werte des Ortes");
        ui::setControlId(feld, 1);
        ui::setControlId(knopf, 2);
        titel->setControlId(3);
        hinweis->setControlId(4);
        titel->SetTextColor(ui::rgb(1, 2, 3));
        hinweis->SetTextColor(ui::rgb(1, 2, 3));
    }

    std::unique_ptr<QWidget> dialog;
    QLineEdit* feld = nullptr;
    QPushButton* knopf = nullptr;
    CLabel* titel = nullptr;
    CLabel* hinweis = nullptr;
};

TEST_F(Gruppen, EnableSchaltetListeUndGegenlisteMitLabelFarben) {
    CEnablerDisabler gruppe(kGrau, kSchwarz);
    gruppe.SetParent(dialog.get());
    for (unsigned id : {1u, 3u, 99u}) gruppe.AddEnable(id);  // 99: not in the dialog
    gruppe.AddEnableInvers(4);
    gruppe.Enable(false);
    EXPECT_FALSE(feld->isEnabled());
    EXPECT_FALSE(titel->isEnabled());
    EXPECT_EQ(titel->textColour(), kGrau);
    EXPECT_TRUE(hinweis->isEnabled());
    EXPECT_EQ(hinweis->textColour(), kSchwarz);
    EXPECT_TRUE(knopf->isEnabled());
    gruppe.Enable(true);
    EXPECT_TRUE(feld->isEnabled());
    EXPECT_EQ(titel->textColour(), kSchwarz);
    EXPECT_FALSE(hinweis->isEnabled());
    EXPECT_EQ(hinweis->textColour(), kGrau);
}

TEST_F(Gruppen, NurLesenNurFuerEingabefelderUndAnzeigen) {
    CEnablerDisabler gruppe(kGrau, kSchwarz);
    gruppe.SetParent(dialog.get());
    gruppe.AddReadOnly(1);
    gruppe.AddReadOnly(2);  // a button: skipped
    gruppe.SetReadOnly(true);
    EXPECT_TRUE(feld->isReadOnly());
    EXPECT_TRUE(knopf->isEnabled());
    gruppe.SetReadOnly(false);
    EXPECT_FALSE(feld->isReadOnly());

    gruppe.AddShow(2);
    gruppe.AddShowInvers(4);
    gruppe.Show(false);
    EXPECT_TRUE(knopf->isHidden());
    EXPECT_FALSE(hinweis->isHidden());
    gruppe.Show(true);
    EXPECT_FALSE(knopf->isHidden());
    EXPECT_TRUE(hinweis->isHidden());
}

TEST_F(Gruppen, OhneOderNachDemElternfensterNichts) {
    CEnablerDisabler gruppe(kGrau, kSchwarz);
    gruppe.AddEnable(1);
    gruppe.AddShowInvers(2);
    gruppe.Enable(false);
    gruppe.Show(true);
    EXPECT_TRUE(feld->isEnabled());
    EXPECT_FALSE(knopf->isHidden());

    gruppe.SetParent(dialog.get());
    dialog.reset();
    gruppe.Enable(false);  // the parent is gone: nothing happens, nothing crashes
    gruppe.Show(true);
    gruppe.SetReadOnly(true);
}

TEST_F(Gruppen, EinzelneSteuerelemente) {
    EnableDlgItem(dialog.get(), 2, false);
    EXPECT_FALSE(knopf->isEnabled());
    ShowDlgItem(dialog.get(), 1, false);
    EXPECT_TRUE(feld->isHidden());
    EnableDlgItem(nullptr, 2, true);
    EnableDlgItem(dialog.get(), 77, true);
    EXPECT_FALSE(knopf->isEnabled());
}

}  // namespace
