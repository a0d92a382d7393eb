// The save-data dialog: the folder chosen, the user database saved into it after the
// question, and restored from it, which ends the dialog with the code upon which the
// program ends; a refused restore says why and leaves the dialog open.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "dialogs/DlgSaveDat.h"
#include "platform/messagebox/MessageBox.h"
#include "tests/dialogs/DialogFixture.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace {

namespace fs = std::filesystem;
using dialogtest::Text;
using platform::id::NO;
using platform::id::OK;
using platform::id::YES;
using testsupport::ReadFileBytes;

class DlgSaveDatTest : public dialogtest::DialogFixture {
  protected:
    DlgSaveDatTest() {
        fs::create_directory(sicherung);
        testsupport::WriteDatabaseFile(datenbank, {u"[Projekte]", u"projekt1=Haus Meier"});
    }
    void Oeffne(bool gesperrt = false) {
        dlg = std::make_unique<CDlgSaveDat>(nullptr, gesperrt, datenbank);
        dlg->createModeless(true);
        uitest::processEvents();
    }
    void Klicke(int id) { uitest::click(*ui::child(dlg.get(), id), {5, 5}); }
    QString OrdnerText() {
        return qobject_cast<QLineEdit*>(ui::child(dlg.get(), CDlgSaveDat::kIdcOrdner))->text();
    }
    std::u16string Formatiert(unsigned id, std::u16string_view a) {
        CVRMString t;
        t.Format(id, CVRMString(a));
        return t;
    }

    fs::path datenbank = ordner.file("varmionDeng.dat");
    fs::path sicherung = ordner.file("sicherung");
    std::unique_ptr<CDlgSaveDat> dlg;
};

TEST_F(DlgSaveDatTest, OeffnetMitLeeremOrdnerUndDurchsuchen) {
    Oeffne();
    EXPECT_EQ(OrdnerText(), QString());
    EXPECT_TRUE(ui::child(dlg.get(), CDlgSaveDat::kIdcWiederherstellen)->isEnabled());
    auto* edit = qobject_cast<QLineEdit*>(ui::child(dlg.get(), CDlgSaveDat::kIdcOrdner));
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(dlg->windowTitle().toStdU16String(), Text(4815));
    EXPECT_EQ(ui::childText(dlg.get(), 1958), u" " + Text(4816) + u" ");

    uitest::dialogs().expectFolder(sicherung.u16string());
    Klicke(CDlgSaveDat::kIdcDurchsuchen);
    EXPECT_EQ(OrdnerText().toStdU16String(), sicherung.u16string());
    // A cancelled chooser keeps the folder.
    uitest::dialogs().expectFolder(std::nullopt);
    Klicke(CDlgSaveDat::kIdcDurchsuchen);
    EXPECT_EQ(OrdnerText().toStdU16String(), sicherung.u16string());
    uitest::saveArtifact(*dlg, "save-data");

    Klicke(CDlgSaveDat::kIdcHilfe);
    EXPECT_EQ(app.hilfeThemen, std::vector<CVRMString>{u"savedat"});
}

TEST_F(DlgSaveDatTest, WiederherstellenGesperrt) {
    Oeffne(true);
    EXPECT_FALSE(ui::child(dlg.get(), CDlgSaveDat::kIdcWiederherstellen)->isEnabled());
}

TEST_F(DlgSaveDatTest, SichernNachDerFrage) {
    Oeffne();
    // Without a folder the chooser comes first; No to the question saves nothing.
    uitest::dialogs().expectFolder(sicherung.u16string());
    uitest::dialogs().expectMessageBox(NO);
    Klicke(CDlgSaveDat::kIdcSichern);
    EXPECT_FALSE(fs::exists(sicherung / "varmionDeng.dat"));
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_EQ(BoxTexte()[0], Formatiert(3393, sicherung.u16string()));

    uitest::dialogs().expectMessageBox(YES);
    uitest::dialogs().expectMessageBox(OK);
    Klicke(CDlgSaveDat::kIdcSichern);
    EXPECT_EQ(ReadFileBytes(sicherung / "varmionDeng.dat"), ReadFileBytes(datenbank));
    EXPECT_EQ(BoxTexte().back(), Formatiert(7465, sicherung.u16string()));
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(DlgSaveDatTest, WiederherstellenBeendetDenDialogMitDemCodeFuerDasProgrammende) {
    testsupport::WriteDatabaseFile(sicherung / "varmionDeng.dat",
                                   {u"[Projekte]", u"projekt1=Aus der Sicherung"});
    const std::string gesichert = ReadFileBytes(sicherung / "varmionDeng.dat");
    const std::string bisher = ReadFileBytes(datenbank);
    Oeffne();
    uitest::dialogs().expectFolder(sicherung.u16string());
    uitest::dialogs().expectMessageBox(YES);
    uitest::dialogs().expectMessageBox(OK);
    Klicke(CDlgSaveDat::kIdcWiederherstellen);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), CDlgSaveDat::kWiederhergestellt);
    EXPECT_EQ(ReadFileBytes(datenbank), gesichert);
    EXPECT_EQ(ReadFileBytes(ordner.file("varmionDeng.dat.before-restore")), bisher);
    ASSERT_EQ(BoxTexte().size(), 2u);
    EXPECT_EQ(BoxTexte()[0], Formatiert(3394, sicherung.u16string()));
    CVRMString gemeldet;
    gemeldet.Format(7464, CVRMString(sicherung.u16string()),
                    CVRMString(ordner.file("varmionDeng.dat.before-restore").u16string()));
    EXPECT_EQ(BoxTexte()[1], gemeldet);
}

TEST_F(DlgSaveDatTest, AbgelehnteWiederherstellungSagtWarumUndBleibtOffen) {
    const std::string bisher = ReadFileBytes(datenbank);
    Oeffne();
    uitest::dialogs().expectFolder(sicherung.u16string());
    // No backup in the folder: said at once, nothing asked.
    uitest::dialogs().expectMessageBox(OK);
    Klicke(CDlgSaveDat::kIdcWiederherstellen);
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_EQ(BoxTexte()[0], Formatiert(3395, sicherung.u16string()));

    // A damaged one: asked, then refused with the reason.
    testsupport::WriteFileBytes(sicherung / "varmionDeng.dat", "[Projekte\nprojekt1=A\n");
    uitest::dialogs().expectMessageBox(YES);
    uitest::dialogs().expectMessageBox(OK);
    Klicke(CDlgSaveDat::kIdcWiederherstellen);
    CVRMString text;
    text.Format(7463, CVRMString((sicherung / "varmionDeng.dat").u16string()),
                CVRMString(Text(7136)));
    EXPECT_EQ(BoxTexte().back(), text);
    EXPECT_EQ(uitest::dialogs().boxes().back().style & 0xFF, platform::mb::ICONEXCLAMATION);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(ReadFileBytes(datenbank), bisher);
}

}  // namespace
