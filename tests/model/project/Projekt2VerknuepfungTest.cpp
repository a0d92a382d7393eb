// Filling a project: defaults from the options and the repair of its links, for a project
// of the user database and for a library project that may not be changed.
#include "core/db/VRMglobApp.h"
#include "platform/messagebox/MessageBox.h"
#include "tests/model/project/ProjektFixture.h"

namespace {

using projekttest::Lines;
using projekttest::ProjektFixture;
using Aufrufe = std::vector<std::pair<int, CVRMString>>;

// The icon of a box; the main program adds its own flags to the style.
uint32_t Symbol(const platform::MessageBoxRequest& box) {
    return box.style & platform::mb::ICONMASK;
}

class Projekt2Verknuepfung : public ProjektFixture {
  protected:
    static void BindeSolarUndKuehl() {
        binding::SolarAufrufe solar;
        solar.GetSolareGewinne = [](const CVRMString&, unsigned short, CSolareGewinne&) {};
        solar.get = [](const CVRMString&, TKelvoDatenID) { return CVRMVariant(); };
        binding::SetzeSolarBindung(std::move(solar));
        binding::SetzeKuehlGebunden(true);
    }
    static std::u16string Fehlt(const char16_t* name) {
        return u"Project component '" + std::u16string(name) +
               u"'\r\nnot found in user database nor program database.";
    }
};

TEST_F(Projekt2Verknuepfung, SoundLinksStayAsTheyAre) {
    auto projekt = Lade(u"Projekt A");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(app.addUniqueAufrufe.empty());
    EXPECT_EQ(Text(*projekt, ID_Haus), u"haus a");
    EXPECT_EQ(Text(*projekt, ID_HeizsystemJN), u"101011");
    EXPECT_TRUE(projekt->IstVollstaendig());
    // Both lists include the library.
    EXPECT_EQ(app.listeFlags, std::vector<int>{1});
    EXPECT_EQ(app.liste2Flags, std::vector<int>{1});
}

TEST_F(Projekt2Verknuepfung, MissingComponentsAreToldOnceAndReplaced) {
    auto projekt = Lade(u"Projekt Fehlt");
    // House, tariff and heat pump in that order; the solar and cooling links are not
    // tested while their modules are not bound.
    ASSERT_EQ(boxTexts(), (Lines{Fehlt(u"Weg"), Fehlt(u"Tarif Weg"), Fehlt(u"WP Weg")}));
    for (const auto& box : boxes.shown) {
        EXPECT_EQ(box.caption, u"Projekt Fehlt");
        EXPECT_EQ(Symbol(box), platform::mb::ICONINFORMATION);
    }
    EXPECT_EQ(app.addUniqueAufrufe, (Aufrufe{{1, u"Projekt Fehlt_HausX"}}));
    EXPECT_EQ(Text(*projekt, ID_Haus), u"Projekt Fehlt_HausX");
    EXPECT_EQ(Text(*projekt, ID_Tarif), u"Tarif A");  // option 1249
    EXPECT_EQ(Text(*projekt, ID_WPumpe), u"");        // a heat pump is not made up
    EXPECT_EQ(projekt->GetWert(ID_WPumpe).changed(), 0);
    EXPECT_EQ(Text(*projekt, ID_Solar), u"Solar Weg");
    EXPECT_EQ(Text(*projekt, ID_Kuehl), u"Kuehl Weg");
    EXPECT_FALSE(projekt->IstVollstaendig());

    // The repaired links and the cost defaults are in the file; the dropped heat pump is
    // only emptied in memory.
    for (const char16_t* zeile : {u"Haus=Projekt Fehlt_HausX", u"Tarif=Tarif A",
                                  u"Wirtschaft=1#2#3#4#", u"BKostenDaten=0#100#0#85#"})
        EXPECT_TRUE(Enthaelt(u"[Projekt Fehlt]", zeile)) << CVRMString(zeile).toUtf8();
    EXPECT_TRUE(Enthaelt(u"[Projekt Fehlt]", u"WPumpe=WP Weg"));
    // Flags shorter than six characters become all yes, in memory.
    EXPECT_EQ(Text(*projekt, ID_HeizsystemJN), u"111111");
    EXPECT_TRUE(Enthaelt(u"[Projekt Fehlt]", u"HeizsystemJN=10"));
}

TEST_F(Projekt2Verknuepfung, SolarAndCoolingLinksAreRepairedOnceTheirModulesAreBound) {
    BindeSolarUndKuehl();
    auto projekt = Lade(u"Projekt Fehlt");
    EXPECT_EQ(boxTexts(), (Lines{Fehlt(u"Weg"), Fehlt(u"Solar Weg"), Fehlt(u"Kuehl Weg"),
                                 Fehlt(u"Tarif Weg"), Fehlt(u"WP Weg")}));
    EXPECT_EQ(app.addUniqueAufrufe, (Aufrufe{{1, u"Projekt Fehlt_HausX"},
                                             {12, u"Projekt Fehlt_Solar"},
                                             {15, u"Projekt Fehlt_Kuehl"}}));
    EXPECT_EQ(Text(*projekt, ID_Solar), u"Projekt Fehlt_Solar");
    EXPECT_EQ(Text(*projekt, ID_Kuehl), u"Projekt Fehlt_Kuehl");

    // A sound solar link stays.
    auto gesund = Lade(u"Projekt A");
    EXPECT_EQ(Text(*gesund, ID_Solar), u"Solar A");
}

TEST_F(Projekt2Verknuepfung, EmptyLinksGetNewComponentsNamedAfterTheProject) {
    auto projekt = Lade(u"Projekt Leer");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(app.addUniqueAufrufe,
              (Aufrufe{{1, u"Projekt Leer_HausX"}, {9, u"Projekt Leer_WQX"}}));
    EXPECT_TRUE(app.namePrompts.empty());  // the names are given
    EXPECT_EQ(Text(*projekt, ID_Haus), u"Projekt Leer_HausX");
    EXPECT_EQ(Text(*projekt, ID_WQuelle), u"Projekt Leer_WQX");
    EXPECT_EQ(Text(*projekt, ID_Tarif), u"Tarif A");
    EXPECT_EQ(Text(*projekt, ID_WPumpe), u"");
    EXPECT_TRUE(Enthaelt(u"[Projekt Leer]", u"WQuelle=Projekt Leer_WQX"));
}

TEST_F(Projekt2Verknuepfung, ARefusedNameLeavesTheLinkEmpty) {
    app.addUniqueAntwort = 0;
    auto projekt = Lade(u"Projekt Fehlt");
    EXPECT_EQ(boxTexts().front(), Fehlt(u"Weg"));
    EXPECT_EQ(Text(*projekt, ID_Haus), u"");
    EXPECT_FALSE(Enthaelt(u"[Projekt Fehlt]", u"Haus=Projekt Fehlt_HausX"));
    EXPECT_FALSE(Enthaelt(u"[Projekt Fehlt]", u"Haus=Building"));
}

TEST_F(Projekt2Verknuepfung, ALibraryProjectIsRepairedInMemoryOnlyAndSilently) {
    BindeSolarUndKuehl();
    const std::string vorher = testsupport::ReadFileBytes(folder.file("user.dat"));
    for (int oeffnung = 0; oeffnung < 2; ++oeffnung) {
        CVRMdatenProvider::remove();
        auto projekt = Lade(u"Muster (bib)");
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_TRUE(app.addUniqueAufrufe.empty());
        EXPECT_EQ(Text(*projekt, ID_Haus), u"");
        EXPECT_EQ(Text(*projekt, ID_WPumpe), u"");
        EXPECT_EQ(Text(*projekt, ID_Tarif), u"Tarif A");
        EXPECT_EQ(Text(*projekt, ID_Wirtschaft), u"1#2#3#4#");
        EXPECT_EQ(Text(*projekt, ID_Notiz), u"Beispiel");
    }
    // Nothing was created or written in the user database.
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), vorher);
}

TEST_F(Projekt2Verknuepfung, TheConfSwitchLetsALibraryProjectBeChangedAndRepaired) {
    auto projekt = Lade(u"Muster (bib)");
    EXPECT_FALSE(projekt->IstAenderbar(false));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(projekt->IstAenderbar(true));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              u"This is a project from the program database. You cannot change it.\r\n"
              u"Please create your own project (menu: File / New project).");
    EXPECT_EQ(boxes.shown[0].caption, u"Varmion");
    EXPECT_EQ(Symbol(boxes.shown[0]), platform::mb::ICONINFORMATION);

    // With the "conf" switch a library project may be changed where the database keeps
    // it: the user database refuses library records, so not while it is the one written...
    app.confSchalter = true;
    EXPECT_FALSE(projekt->IstAenderbar(false));
    // ...but when the library database is (the "BK" start).
    ASSERT_EQ(CVRMglobApp::Get().SetBiboDatei(
                  CVRMString::fromUtf8(folder.file("bibo.ini").string()), 1), 1);
    EXPECT_TRUE(projekt->IstAenderbar(true));
    boxes.shown.clear();
    CVRMdatenProvider::remove();
    auto geaendert = Lade(u"Muster (bib)");
    EXPECT_EQ(boxTexts(), (Lines{Fehlt(u"Weg"), Fehlt(u"WP Weg")}));
    EXPECT_EQ(app.addUniqueAufrufe,
              (Aufrufe{{1, u"Muster (bib)_HausX"}, {9, u"Muster (bib)_WQX"}}));
    EXPECT_EQ(Text(*geaendert, ID_Haus), u"Muster (bib)_HausX");

    // A user project may always be changed.
    app.confSchalter = false;
    EXPECT_TRUE(Lade(u"Projekt A")->IstAenderbar(true));
}

}  // namespace
