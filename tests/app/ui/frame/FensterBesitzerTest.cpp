// Which window owns which, as the window manager sees it: the data sheets of a project and
// of the master data belong to the main window (so it never comes over them), and what a
// page or sheet opens belongs to that page or sheet (so the window the user worked in is
// on top when it closes). Offscreen shows no stacking: the owner chain is what is tested.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWindow>

#include "app/base/KVSDatenSheet.h"
#include "dialogs/KelvoView1.h"
#include "pages/HausPage.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace {

constexpr int kNeuesProjekt = 57600, kTarife = 32835, kNeuerTarif = 32833;

class FensterBesitzerTest : public seitentest::SeitenFixture {
  protected:
    // The next modal dialog: its owner's window is kept, then it is cancelled (or, with a
    // name, given the name and confirmed).
    void NaechsterDialog(QString name = {}) {
        uitest::dialogs().expectDialog({}, [this, name](QDialog& d) {
            besitzer = d.parentWidget();
            if (!name.isEmpty()) uitest::type(*ui::child(&d, 1033), name);
            uitest::click(*ui::child(&d, name.isEmpty() ? 2 : 1), {5, 5});
        });
    }
    // The window manager's view: a window of its own, kept over the main window.
    void GehoertDemHauptfenster(QWidget& fenster) {
        EXPECT_TRUE(fenster.isWindow());
        EXPECT_EQ(fenster.parentWidget(), &Frame());
        ASSERT_NE(fenster.windowHandle(), nullptr);
        EXPECT_EQ(fenster.windowHandle()->transientParent(), Frame().windowHandle());
    }

    QWidget* besitzer = nullptr;
};

TEST_F(FensterBesitzerTest, BlaetterGehoerenDemHauptfensterDialogeDemFensterDasFragt) {
    Starte();
    // File > New project: asked from the main window.
    NaechsterDialog(QStringLiteral("Meier"));
    Befehl(kNeuesProjekt)->trigger();
    uitest::processEvents();
    EXPECT_EQ(besitzer, &Frame());
    dokument = app->GetAktivesKelvoDoc(true);
    ASSERT_NE(dokument, nullptr);

    // The project window's house button: the project's sheet.
    auto* view = dynamic_cast<CKelvoView1*>(Frame().Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);
    Druecke(*view, CKelvoView1::kIdcHausDaten);
    ASSERT_TRUE(Sheet().isVisible());
    GehoertDemHauptfenster(Sheet());
    // A page's own dialog: the house page's heat load by rules.
    auto* haus = dynamic_cast<CHausPage*>(dokument->GetSeite(CKelvoDoc::kHausSeite));
    ASSERT_NE(haus, nullptr);
    NaechsterDialog();
    Druecke(*haus, CHausPage::kIdRegeln);
    EXPECT_EQ(besitzer, haus);

    // Master data > Tariffs, then Master data > New tariff: the prompt over the sheet.
    Befehl(kTarife)->trigger();
    uitest::processEvents();
    CKVSDatenSheet& stamm = app->GetStammdatenSheet();
    ASSERT_TRUE(stamm.isVisible());
    GehoertDemHauptfenster(stamm);
    NaechsterDialog();
    Befehl(kNeuerTarif)->trigger();
    uitest::processEvents();
    ASSERT_NE(besitzer, nullptr);
    EXPECT_EQ(besitzer->window(), &stamm);
}

}  // namespace
