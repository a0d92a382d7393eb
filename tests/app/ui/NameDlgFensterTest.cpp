// The name prompt's window: the name is cleaned while it is typed, OK only with a name.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/NameDlgFenster.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

class NameDlgFensterTest : public uitest::Fixture {
  protected:
    NameDlgFensterTest() : vorher(setNameDlgPresenter(&presenter)) {}
    ~NameDlgFensterTest() override { setNameDlgPresenter(vorher); }
    CNameDlgFensterPresenter presenter;
    NameDlgPresenter* vorher;
};

TEST_F(NameDlgFensterTest, BereinigtBeimTippenUndGibtDenNamenZurueck) {
    uitest::dialogs().expectDialog(u"Enter new name", [](QDialog& dlg) {
        auto* edit = qobject_cast<QLineEdit*>(ui::child(&dlg, CNameDlg::kIdcName));
        auto* ok = qobject_cast<QPushButton*>(ui::child(&dlg, 1));
        ASSERT_NE(edit, nullptr);
        ASSERT_NE(ok, nullptr);
        EXPECT_FALSE(ok->isEnabled());  // no name yet
        uitest::type(*edit, QStringLiteral("Haus;Nord"));
        EXPECT_EQ(edit->text(), QStringLiteral("Haus_Nord"));
        EXPECT_TRUE(ok->isEnabled());
        uitest::saveArtifact(dlg, "name-dialog");
        uitest::click(*ok, {5, 5});
    });
    CNameDlg dialog(u"Heat pump name:");
    EXPECT_EQ(dialog.DoModal(), 1);
    EXPECT_EQ(std::u16string(dialog.m_strName), u"Haus_Nord");
}

TEST_F(NameDlgFensterTest, AbbrechenGibtZwei) {
    uitest::dialogs().expectDialog(u"Enter new name", [](QDialog& dlg) {
        uitest::click(*ui::child(&dlg, 2), {5, 5});
    });
    CNameDlg dialog(u"Building name:");
    EXPECT_EQ(dialog.DoModal(), 2);
}

}  // namespace
