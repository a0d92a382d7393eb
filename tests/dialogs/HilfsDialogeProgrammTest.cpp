// The utility dialogs as a user meets them: the real program in a program folder of its
// own on the shipped library database, driven through its menus, buttons and typed text;
// the user database file read back afterwards.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <atomic>

#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/DlgBenutzer.h"
#include "dialogs/DlgSaveDat.h"
#include "evaluation/binding/Basis.h"
#include "evaluation/binding/Solar.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/resources/Resources.h"
#include "platform/ui/Menu.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/DialogFixture.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

namespace fs = std::filesystem;
using dialogtest::Text;
using platform::id::OK;
using platform::id::YES;
using testsupport::ReadFileBytes;

const fs::path kBin = VARM_PROGRAM_DIR;

class HilfsDialogeProgrammTest : public uitest::Fixture {
  protected:
    HilfsDialogeProgrammTest() {
        vorherModul = platform::currentResourceModule();
        CVRMglobApp::ResetForTests();
        for (const fs::path& datei : {kBin / "Varmtexteng.so", kBin / "Varmregio.so",
                                      kBin / "Varmsun.so", fs::path(VARM_LIBRARY_DB)})
            fs::copy_file(datei, programm.path() / datei.filename());
        fs::create_directory(sicherung);
        static std::atomic<int> zaehler{0};
        umgebung.programmDatei = programm.path() / "Varmion";
        umgebung.instanzSchluessel = u"VarmionHilfsdialoge-" +
                                     QString::number(::getpid()).toStdU16String() + u"-" +
                                     QString::number(++zaehler).toStdU16String();
    }
    ~HilfsDialogeProgrammTest() override {
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        IBasis::Leeren();
        ISolar::Leeren();
        platform::setCurrentResourceModule(vorherModul);
        CResManager::setLang(IDR_LNG_ENG);
    }

    void Menue(CKelvoApp& app, int befehl) {
        QAction* aktion = ui::findAction(app.GetMainFrame()->menuBar(), befehl);
        ASSERT_NE(aktion, nullptr) << befehl;
        ASSERT_TRUE(aktion->isEnabled()) << befehl;
        aktion->trigger();
        uitest::processEvents();
    }
    static void Tippe(QDialog& dlg, int id, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(ui::child(&dlg, id));
        edit->selectAll();
        uitest::type(*edit, text);
    }
    static void Klicke(QDialog& dlg, int id) { uitest::click(*ui::child(&dlg, id), {5, 5}); }
    // The user data entered through the menu: the company and the person in charge.
    void GibBenutzerEin(CKelvoApp& app, const QString& firma, const QString& bearbeiter) {
        uitest::dialogs().expectDialog(Text(4285), [&](QDialog& dlg) {
            Tippe(dlg, CDlgBenutzer::kIdcFirma, firma);
            Tippe(dlg, CDlgBenutzer::kIdcBearbeiter, bearbeiter);
            Tippe(dlg, CDlgBenutzer::kIdcOrt, QStringLiteral("34117 Kassel"));
            Klicke(dlg, 1);
        });
        Menue(app, 32843);
    }
    fs::path Datenbank() const { return programm.file("varmionDeng.dat"); }
    bool DatenbankHat(std::u16string_view zeile) const {
        const auto zeilen = testsupport::ReadDatabaseLines(Datenbank());
        bool drin = false;
        for (const auto& l : zeilen) {
            if (l.starts_with(u"["))
                drin = l == u"[benutzerdaten]";
            else if (drin && l == zeile)
                return true;
        }
        return false;
    }

    testsupport::TempFolder programm;
    testsupport::TempFolder ablage;
    fs::path sicherung = ablage.file("sicherung");
    SStartUmgebung umgebung;
    platform::ModuleHandle vorherModul = nullptr;
};

TEST_F(HilfsDialogeProgrammTest, BenutzerdatenSichernUndWiederherstellen) {
    CKelvoApp app;
    ASSERT_TRUE(app.InitInstance(umgebung));

    // User data, entered through the menu, land in the user database at once.
    GibBenutzerEin(app, QStringLiteral("Waerme & Co"), QStringLiteral("Anna Schmidt"));
    EXPECT_TRUE(DatenbankHat(u"firma=Waerme & Co"));
    EXPECT_TRUE(DatenbankHat(u"benbearbeiter=Anna Schmidt"));
    EXPECT_TRUE(DatenbankHat(u"benort=34117 Kassel"));

    // A backup into a folder.
    uitest::dialogs().expectDialog(Text(4815), [&](QDialog& dlg) {
        uitest::dialogs().expectFolder(sicherung.u16string());
        Klicke(dlg, CDlgSaveDat::kIdcDurchsuchen);
        uitest::dialogs().expectMessageBox(YES);
        uitest::dialogs().expectMessageBox(OK);
        Klicke(dlg, CDlgSaveDat::kIdcSichern);
        Klicke(dlg, 1);
    });
    Menue(app, 32831);
    const std::string gesichert = ReadFileBytes(sicherung / "varmionDeng.dat");
    EXPECT_EQ(gesichert, ReadFileBytes(Datenbank()));
    EXPECT_FALSE(app.IstBeendenAngefordert());

    // Later changes, then the backup restored: the program ends with the backup in place.
    GibBenutzerEin(app, QStringLiteral("Neue Firma"), QStringLiteral("Bernd Bauer"));
    EXPECT_TRUE(DatenbankHat(u"firma=Neue Firma"));
    const std::string geaendert = ReadFileBytes(Datenbank());
    uitest::dialogs().expectDialog(Text(4815), [&](QDialog& dlg) {
        uitest::dialogs().expectFolder(sicherung.u16string());
        Klicke(dlg, CDlgSaveDat::kIdcDurchsuchen);
        uitest::dialogs().expectMessageBox(YES);
        uitest::dialogs().expectMessageBox(OK);
        Klicke(dlg, CDlgSaveDat::kIdcWiederherstellen);
    });
    Menue(app, 32831);
    EXPECT_TRUE(app.IstBeendenAngefordert());
    EXPECT_EQ(ReadFileBytes(Datenbank()), gesichert);
    EXPECT_TRUE(DatenbankHat(u"firma=Waerme & Co"));
    EXPECT_EQ(ReadFileBytes(programm.file("varmionDeng.dat.before-restore")), geaendert);
    app.ExitInstance();
}

TEST_F(HilfsDialogeProgrammTest, UeberUndKomponentenUeberDasMenue) {
    CKelvoApp app;
    ASSERT_TRUE(app.InitInstance(umgebung));
    uitest::dialogs().expectDialog(Text(4014), [&](QDialog& dlg) {
        uitest::dialogs().expectDialog(Text(4711), [&](QDialog& module) {
            // The solar library of the program folder is bound; the others are not there.
            EXPECT_TRUE(qobject_cast<QCheckBox*>(ui::child(&module, 1382))->isChecked());
            EXPECT_FALSE(qobject_cast<QCheckBox*>(ui::child(&module, 1397))->isChecked());
            EXPECT_TRUE(QString::fromStdU16String(ui::childText(&module, 1294))
                            .endsWith(QStringLiteral("varmionDeng.bib")));
            Klicke(module, 1);
        });
        Klicke(dlg, 1383);
        Klicke(dlg, 1);
    });
    Menue(app, 57664);
    // The shipped library database holds only library entries: the tree's groups are
    // empty.
    uitest::dialogs().expectDialog(Text(4586), [&](QDialog& dlg) {
        EXPECT_FALSE(ui::child(&dlg, 1314)->isEnabled());
        Klicke(dlg, 1);
    });
    Menue(app, 32840);
    app.ExitInstance();
}

}  // namespace
