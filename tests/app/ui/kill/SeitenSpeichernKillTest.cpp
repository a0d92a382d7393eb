// A page's save is one write of the user database. The save runs in a child process that is
// killed before each of its file calls in turn (the file calls pass through the kill points
// of this test program); after every kill the user database file is the file from before
// the save or the file the whole save writes, byte for byte, with every record it changes
// old or every one new, and the next load reads it without a doubt.
#include <gtest/gtest.h>

#include <QMenuBar>

#include "app/frame/MainFrame.h"
#include "pages/HausPage.h"
#include "pages/ProjektPage.h"
#include "pages/TarifPage.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/kill/KillLauf.h"
#include "tests/app/ui/pages/SolarFixture.h"

namespace {

using killlauf::Feld;

class SeitenSpeichernKillTest : public solartest::SolarFixture {
  protected:
    void KillBeiJedemAufruf(CEingabeSeite& seite, const std::vector<Feld>& eintraege,
                            const std::vector<std::u16string>& neu) {
        ASSERT_EQ(seite.m_modified, 1);
        killlauf::KillBeiJedemAufruf(
            app->GetAktDatenbank().toUtf8(), [&seite] { return seite.SaveModifiedData() != 0; },
            eintraege, neu, [this](const Feld& f) { return Eintrag(f.satz, f.key); });
    }
};

// The house page gives the project's solar plant the new flow temperature and stores the
// house: two records.
TEST_F(SeitenSpeichernKillTest, HausSeiteSchreibtHausUndSolaranlageZusammen) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    const CVRMString anlage = doc.ProjektText(ID_Solar);
    ASSERT_FALSE(anlage.empty());
    CHausPage& seite = Zeige<CHausPage>(CKelvoDoc::kHausSeite);
    Tippe(seite, CHausPage::kIdVorlauf, QStringLiteral("46"));
    KillBeiJedemAufruf(seite, {{doc.Haus().getConsumerName(), u"HeizVorlauf"}, {anlage, u"SolSollTempH"}},
                       {u"46.000000", u"46"});
}

// The solar page stores the house, the plant and the project: the plant's collector area
// and the project's solar pump power change.
TEST_F(SeitenSpeichernKillTest, SolarSeiteSchreibtAnlageUndProjektZusammen) {
    Meier();
    CSolarPage& seite = Seite();
    Tippe(seite, CSolarPage::kIdFlaeche, QStringLiteral("13"));
    Tippe(seite, CSolarPage::kIdPumpe, QStringLiteral("77"));
    KillBeiJedemAufruf(seite, {{CVRMString(solartest::kMeierAnlage), u"KFlaeche"},
                               {CVRMString(solartest::kMeier), u"SolarPumpe"}},
                       {u"13.000000", u"77"});
}

// A tariff that a project uses, saved in the master data: the tariff and the project's
// day/night shares, which its open project page recomputes from the new windows, are one
// write. Tariff 1 ends at 4 o'clock, tariff 2 begins then.
TEST_F(SeitenSpeichernKillTest, TarifSeiteSchreibtTarifUndAnteileZusammen) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    uitest::dialogs().expectDialog({}, [](QDialog& d) {
        uitest::type(*ui::child(&d, 1033), QStringLiteral("Nachtstrom"));
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    CMainFrame& frame = *app->GetMainFrame();
    frame.Router().updateActions(frame.menuBar()->actions());
    ui::findAction(frame.menuBar(), 32833)->trigger();
    uitest::processEvents();
    auto* seite = dynamic_cast<CTarifPage*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif));
    ASSERT_NE(seite, nullptr);
    const CVRMString tarif = seite->TarifName();
    ASSERT_EQ(doc.SetProjektDaten(ID_Tarif, tarif, 1), 1);
    Zeige<CProjektPage>(CKelvoDoc::kProjektSeite);
    Tippe(*seite, CTarifPage::kIdBis1, QStringLiteral("4"));
    Tippe(*seite, CTarifPage::kIdVon2, QStringLiteral("4"));
    ASSERT_EQ(seite->m_modified, 1);
    killlauf::KillBeiJedemAufruf(
        app->GetAktDatenbank().toUtf8(),
        [&] {
            // Tariff 2 shorter than 8 hours, and a tariff that a project uses: Yes.
            uitest::dialogs().expectMessageBox(platform::id::YES);
            uitest::dialogs().expectMessageBox(platform::id::YES);
            Druecke(*seite, CEingabeSeite::kIdSpeichern);
            return seite->m_modified == 0;
        },
        {{tarif, u"Bis1"}, {doc.GetPathName(), u"TAnteil1"}}, {u"4"},
        [this](const Feld& f) { return Eintrag(f.satz, f.key); });
}

// Every user action writes inside its one write group: once the program runs, a new
// project, its pages opened and saved through menus and buttons never flush the user
// database outside a group.
TEST_F(SeitenSpeichernKillTest, AktionenSchreibenNurInIhrerGruppe) {
    Starte();
    const std::string datenbank = app->GetAktDatenbank().toUtf8();
    std::string schritt = "new project";
    std::vector<std::string> ohneGruppe;
    const auto vorher = CIniFile::BeobachteFlushOhneVorgang([&](const CVRMString& pfad) {
        if (pfad.toUtf8() == datenbank) ohneGruppe.push_back(schritt);
    });
    // The project window's page buttons.
    const auto zeige = [&]<class T>(T*, int art) -> T& {
        T* seite = nullptr;
        ui::guarded(ui::Msg::Command, [&] { seite = &Zeige<T>(art); });
        return *seite;
    };
    uitest::dialogs().expectDialog({}, [](QDialog& d) {
        uitest::type(*ui::child(&d, 1033), QStringLiteral("Meier"));
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    Befehl(57600)->trigger();
    uitest::processEvents();
    dokument = app->GetAktivesKelvoDoc(true);
    ASSERT_NE(dokument, nullptr);
    schritt = "house page";
    CHausPage& haus = zeige(static_cast<CHausPage*>(nullptr), CKelvoDoc::kHausSeite);
    Tippe(haus, CHausPage::kIdVorlauf, QStringLiteral("46"));
    schritt = "house save";
    Druecke(haus, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(haus.m_modified, 0);
    schritt = "project page";
    CProjektPage& projekt = zeige(static_cast<CProjektPage*>(nullptr), CKelvoDoc::kProjektSeite);
    schritt = "project save";
    Druecke(projekt, CEingabeSeite::kIdSpeichern);
    CIniFile::BeobachteFlushOhneVorgang(vorher);
    EXPECT_EQ(ohneGruppe, std::vector<std::string>{});
}

// A save whose file cannot be replaced is taken back: the file and the stored record keep
// the old flow temperature, the page keeps the typed one on screen, unsaved. Closing the
// page then and answering No shows the stored value again, and nothing is written.
TEST_F(SeitenSpeichernKillTest, MisslungenesSchreibenWirdZurueckgenommen) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    CHausPage& seite = Zeige<CHausPage>(CKelvoDoc::kHausSeite);
    const CVRMString haus = doc.Haus().getConsumerName();
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    const auto datei = Bytes();
    const auto gespeichert = Eintrag(haus, u"HeizVorlauf");
    ASSERT_NE(gespeichert, std::optional<std::u16string>(u"46.000000"));
    const QString gezeigt = Text(seite, CHausPage::kIdVorlauf);
    Tippe(seite, CHausPage::kIdVorlauf, QStringLiteral("46"));
    const std::size_t boxen = uitest::dialogs().boxes().size();
    // "Cannot write <file>: ...", once.
    uitest::dialogs().expectMessageBox(platform::id::OK);
    killpoints::FailRenamesTo(app->GetAktDatenbank().toUtf8());
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    killpoints::FailRenamesTo({});
    EXPECT_EQ(uitest::dialogs().boxes().size(), boxen + 1);
    uitest::dialogs().finishTest();
    EXPECT_EQ(Bytes(), datei);
    EXPECT_EQ(Eintrag(haus, u"HeizVorlauf"), gespeichert);
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_EQ(Text(seite, CHausPage::kIdVorlauf), QStringLiteral("46"));
    const CVRMwert& imSpeicher = CVRMdatenProvider::get().getWerte(haus).get(ID_HeizVorlauf);
    EXPECT_EQ(imSpeicher.changed(), 0);
    EXPECT_NE(imSpeicher.GetFloatVal(), 46.0f);
    // "Save changed house data?" No.
    uitest::dialogs().expectMessageBox(platform::id::NO);
    Druecke(seite, CEingabeSeite::kIdSchliessen);
    uitest::dialogs().finishTest();
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Text(seite, CHausPage::kIdVorlauf), gezeigt);
    EXPECT_NE(CVRMdatenProvider::get().getWerte(haus).get(ID_HeizVorlauf).GetFloatVal(), 46.0f);
    EXPECT_EQ(Bytes(), datei);
}

}  // namespace
