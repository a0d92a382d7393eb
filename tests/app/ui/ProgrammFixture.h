#pragma once
// The real program started in a program folder of its own with the shipped modules and
// library database, offscreen: for the tests of the project document and its windows.
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <atomic>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "app/doc/KelvoDoc.h"
#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "core/db/Lists.h"
#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/ProjektDlg.h"
#include "evaluation/binding/Basis.h"
#include "evaluation/binding/Solar.h"
#include "platform/resources/Resources.h"
#include "platform/ui/Menu.h"
#include "resources/ResourceIds.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace programmtest {

namespace fs = std::filesystem;

inline std::u16string EindeutigerSchluessel() {
    static std::atomic<int> zaehler{0};
    return u"VarmionDocTest-" + QString::number(::getpid()).toStdU16String() + u"-" +
           QString::number(++zaehler).toStdU16String();
}

class ProgrammFixture : public uitest::Fixture {
  protected:
    ProgrammFixture() {
        vorherModul = platform::currentResourceModule();
        CVRMglobApp::ResetForTests();
        umgebung.programmDatei = ordner.path() / "Varmion";
        umgebung.instanzSchluessel = EindeutigerSchluessel();
    }
    ~ProgrammFixture() override {
        Beende();
        platform::setCurrentResourceModule(vorherModul);
        CResManager::setLang(IDR_LNG_ENG);
    }

    // Starts the program; `deutsch` in German.
    void Starte(bool deutsch = false, std::vector<std::u16string> argumente = {}) {
        const fs::path bin = VARM_PROGRAM_DIR;
        for (const char* modul : {"Varmtexteng.so", "Varmtext.so", "Varmregio.so", "Varmsun.so"})
            fs::copy_file(bin / modul, ordner.path() / modul);
        fs::copy_file(VARM_LIBRARY_DB, ordner.path() / fs::path(VARM_LIBRARY_DB).filename());
        testsupport::WriteDatabaseFile(ordner.file("varmion.cfg"),
                                       {u"[config]", deutsch ? u"lang_pri=7" : u"lang_pri=9",
                                        u"lang_sub=1"});
        umgebung.argumente = std::move(argumente);
        app = std::make_unique<CKelvoApp>();
        ASSERT_TRUE(app->InitInstance(umgebung));
        app->GetMainFrame()->resize(1100, 800);
    }

    // Ends the program as a user closes it, with everything the process kept of it.
    void Beende() {
        if (app) app->ExitInstance();
        app.reset();
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        IBasis::Leeren();
        ISolar::Leeren();
    }

    // Ends the program and starts it again in the same program folder, as a user does the
    // next day: the user database and the profile keep what was written.
    void Neustart() {
        Beende();
        app = std::make_unique<CKelvoApp>();
        ASSERT_TRUE(app->InitInstance(umgebung));
        app->GetMainFrame()->resize(1100, 800);
    }

    CMainFrame& Frame() { return *app->GetMainFrame(); }
    // The menu command `id`, its enabling renewed as the menus renew it.
    QAction* Befehl(int id) {
        Frame().Router().updateActions(Frame().menuBar()->actions());
        return ui::findAction(Frame().menuBar(), id);
    }
    // File > Open project with the project chosen in the project choice.
    CKelvoDoc& OeffneUeberMenu(const CVRMString& name) {
        uitest::dialogs().expectDialog(u"", [&](QDialog& dlg) {
            auto* box = qobject_cast<QComboBox*>(ui::child(&dlg, CProjektDlg::kIdcProjekt));
            const int index = box->findText(QString::fromStdU16String(name));
            EXPECT_GE(index, 0);
            box->setCurrentIndex(index);
            emit box->activated(index);
            uitest::click(*ui::child(&dlg, 1), {5, 5});
        });
        Befehl(57601)->trigger();
        uitest::processEvents();
        CKelvoDoc* doc = app->GetAktivesKelvoDoc(true);
        EXPECT_NE(doc, nullptr);
        return *doc;
    }

    // The first library project whose name holds `teil`.
    CVRMString Projekt(std::u16string_view teil) const {
        CVRMStringArray namen;
        CVRMdatenProvider::get().getListe(namen, LISTE_PROJEKTE, true, nullptr, true);
        for (const CVRMString& n : namen)
            if (n.find(teil) != CVRMString::npos) return n;
        ADD_FAILURE() << "no project with that name";
        return {};
    }

    // The entry `key` of the section `sektion` of the user database file, if there. The file
    // keeps section names and keys in lower case.
    std::optional<std::u16string> Eintrag(const std::u16string& sektion, const std::u16string& key) const {
        const auto klein = [](const std::u16string& s) {
            return QString::fromStdU16String(s).toLower().toStdU16String();
        };
        bool drin = false;
        const fs::path datei(app->GetAktDatenbank().toUtf8());
        if (!fs::exists(datei)) return std::nullopt;
        for (const std::u16string& zeile : testsupport::ReadDatabaseLines(datei)) {
            if (!zeile.empty() && zeile.front() == u'[') {
                drin = klein(zeile) == klein(u"[" + sektion + u"]");
                continue;
            }
            if (drin && klein(zeile).rfind(klein(key) + u"=", 0) == 0) return zeile.substr(key.size() + 1);
        }
        return std::nullopt;
    }
    std::vector<std::u16string> BoxTexte() const {
        std::vector<std::u16string> texte;
        for (const auto& b : uitest::dialogs().boxes()) texte.push_back(b.text);
        return texte;
    }

    testsupport::TempFolder ordner;
    SStartUmgebung umgebung;
    std::unique_ptr<CKelvoApp> app;
    platform::ModuleHandle vorherModul = nullptr;
};

}  // namespace programmtest
