// The solar page in the real program: on the library's solar sample (shown, locked) and on
// a copy of it in the user database (the order edited through the grid's context menu and
// saved, the feed-in calculated and optimised, a failing optimisation undone), read back
// from the user database file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>

#include "app/doc/KelvoDocSolar.h"
#include "app/options/OptionenUmgebung.h"
#include "app/frame/MainFrame.h"
#include "dialogs/KelvoView1.h"
#include "dialogs/DlgSolGewinne.h"
#include "controls/grid/GridFontSpec.h"
#include "controls/grid/InPlaceEdit.h"
#include <QMdiArea>
#include <QMdiSubWindow>
#include "model/app/OptionIds.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/errors/UserException.h"
#include "tests/app/ui/pages/SolarFixture.h"

namespace {

using namespace solartest;

class SolarPageTest : public SolarFixture {
  protected:
    bool Aktiv(QWidget& seite, int id) { return Element<QWidget>(seite, id).isEnabled(); }
    bool Sichtbar(QWidget& seite, int id) { return Element<QWidget>(seite, id).isVisible(); }
    std::vector<unsigned> Wohin(unsigned short rang) { return dokument->Haus().GetSolarWohin(rang); }
};

TEST_F(SolarPageTest, TheLibrarySampleShowsItsPlantWithOrderAndCalculationsLocked) {
    Beispiel(kBeispiel);
    CSolarPage& seite = Seite();
    EXPECT_EQ(seite.Anlage(), dokument->ProjektText(ID_Solar));
    EXPECT_EQ(seite.m_flaeche, 10.0f);
    EXPECT_EQ(seite.m_benutzt, 1);
    ASSERT_NE(seite.Grid(), nullptr);
    // The sample's system 1: hot water, heating in March, April, September, October.
    EXPECT_EQ(seite.Grid()->GetItemText(0, 0), u"Jan");
    EXPECT_EQ(seite.Grid()->GetItemText(0, 1), u"Hot water");
    EXPECT_EQ(seite.Grid()->GetItemText(2, 1), u"Heating");
    EXPECT_EQ(seite.Grid()->GetItemText(4, 3), u"Heat pump/ground");
    EXPECT_EQ(seite.Grid()->GetItemText(0, 3), u"no feed");
    for (int id : {CSolarPage::kIdAendern, CSolarPage::kIdBerechnen, CSolarPage::kIdOptimieren})
        EXPECT_FALSE(Aktiv(seite, id)) << id;
    EXPECT_TRUE(Aktiv(seite, CSolarPage::kIdGewinne));
    EXPECT_TRUE(Sichtbar(seite, CSolarPage::kIdHinweisBenutzt));
    EXPECT_FALSE(Sichtbar(seite, CSolarPage::kIdHinweisAendern));
    EXPECT_TRUE(BoxTexte().empty()) << BoxTexte().size();
}

TEST_F(SolarPageTest, TheOrderEditedThroughTheContextMenuIsSavedToTheHouse) {
    Meier();
    CSolarPage& seite = Seite();
    ASSERT_TRUE(Aktiv(seite, CSolarPage::kIdAendern));
    const std::vector<unsigned> vorher[3] = {Wohin(1), Wohin(2), Wohin(3)};

    Druecke(seite, CSolarPage::kIdAendern);
    EXPECT_TRUE(seite.IstReihenfolgeModus());
    EXPECT_FALSE(Sichtbar(seite, CSolarPage::kIdAendern));
    EXPECT_TRUE(Sichtbar(seite, CSolarPage::kIdOrderSpeichern));
    EXPECT_TRUE(Sichtbar(seite, CSolarPage::kIdHinweisAendern));
    EXPECT_FALSE(Sichtbar(seite, CEingabeSeite::kIdSpeichern));
    CGridCtrl& grid = *seite.Grid();
    // January to March of rank 2 into the heating: press, drag, right click.
    uitest::click(grid, Mitte(grid, 0, 2));
    uitest::click(grid, Mitte(grid, 2, 2), Qt::LeftButton, Qt::ShiftModifier);
    Kontextmenue(grid, 2, 2, 32806);
    EXPECT_EQ(grid.GetItemText(0, 2), u"Heating");
    EXPECT_EQ(seite.Wohin()[1][0], 2u);
    EXPECT_EQ(seite.Wohin()[1][2], 2u);
    // A selection that takes in the month column changes nothing.
    grid.SetSelectedRange(5, 0, 6, 1);
    const auto davor = seite.Wohin();
    ui::sendCommand(seite, 32808, 0, &grid);
    uitest::processEvents();
    EXPECT_EQ(seite.Wohin(), davor);
    // Nothing is written before Save.
    EXPECT_EQ(Datei(kMeierHaus, u"SolarWohin2"), WohinText(vorher[1]));

    uitest::dialogs().expectMessageBox(platform::id::OK);  // 3652
    Druecke(seite, CSolarPage::kIdOrderSpeichern);
    EXPECT_FALSE(seite.IstReihenfolgeModus());
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_NE(BoxTexte()[0].find(u"You have changed the sequence"), std::u16string::npos);
    std::vector<unsigned> erwartet = davor[1];
    EXPECT_EQ(Datei(kMeierHaus, u"SolarWohin2"), WohinText(erwartet));
    EXPECT_EQ(erwartet[0], 2u);
    EXPECT_EQ(Datei(kMeierHaus, u"SolarWohin1"), WohinText(vorher[0]));
    EXPECT_EQ(Datei(kMeierHaus, u"SolarWohin3"), WohinText(vorher[2]));
}

TEST_F(SolarPageTest, CancelOfTheOrderEditRestoresTheHouseOrder) {
    Meier();
    CSolarPage& seite = Seite();
    const auto vorher = seite.Wohin();
    Druecke(seite, CSolarPage::kIdAendern);
    CGridCtrl& grid = *seite.Grid();
    uitest::click(grid, Mitte(grid, 6, 1));
    Kontextmenue(grid, 6, 1, 32808);
    EXPECT_EQ(grid.GetItemText(6, 1), u"no feed");
    // The page counts as changed: saving is refused while the order is edited.
    uitest::dialogs().expectMessageBox(platform::id::OK);
    EXPECT_EQ(seite.SaveModifiedData(), 0);
    Druecke(seite, CSolarPage::kIdOrderAbbrechen);
    EXPECT_EQ(seite.Wohin(), vorher);
    EXPECT_EQ(grid.GetItemText(6, 1), u"Hot water");
    EXPECT_EQ(seite.m_modified, 0);
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_NE(BoxTexte()[0].find(u"end the editing"), std::u16string::npos);
}

// The plant's fields stay open while the order is edited: what is typed there is still
// unsaved when the order edit ends, by Save order or by Cancel, and a later Save writes it.
TEST_F(SolarPageTest, WhatWasTypedWhileTheOrderWasEditedStaysUnsaved) {
    Meier();
    CSolarPage& seite = Seite();
    const auto flaeche = [this] { return QString::fromStdU16String(Datei(kMeierAnlage, u"KFlaeche")).toFloat(); };
    struct Fall {
        const char* name;
        int ende;
        float getippt;
    };
    const Fall faelle[] = {
        {"save order", CSolarPage::kIdOrderSpeichern, 12.0f},
        {"cancel", CSolarPage::kIdOrderAbbrechen, 13.0f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ASSERT_EQ(seite.m_modified, 0);
        const float vorher = flaeche();
        ASSERT_GT(vorher, 0.0f);
        Druecke(seite, CSolarPage::kIdAendern);
        Tippe(seite, CSolarPage::kIdFlaeche, QString::number(static_cast<double>(f.getippt)));
        if (f.ende == CSolarPage::kIdOrderSpeichern) uitest::dialogs().expectMessageBox(platform::id::OK);
        Druecke(seite, f.ende);
        EXPECT_FALSE(seite.IstReihenfolgeModus());
        EXPECT_EQ(seite.m_modified, 1);
        EXPECT_TRUE(Aktiv(seite, CEingabeSeite::kIdSpeichern));
        EXPECT_EQ(flaeche(), vorher);
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        EXPECT_EQ(seite.m_modified, 0);
        EXPECT_EQ(flaeche(), f.getippt);
    }
    // An order edit with nothing typed leaves the page as it found it.
    Druecke(seite, CSolarPage::kIdAendern);
    Druecke(seite, CSolarPage::kIdOrderAbbrechen);
    EXPECT_EQ(seite.m_modified, 0);
}

// With the "conf" switch the library's plant may be edited, but the user database takes
// no library records: the save is refused with a message instead of seeming to succeed.
TEST_F(SolarPageTest, WithConfALibraryPlantIsNotReportedAsSaved) {
    // The switch opens the program options after the start.
    uitest::dialogs().expectDialog(u"Program options",
                                   [](QDialog& dlg) { uitest::click(*ui::child(&dlg, ui::kIdCancel), {5, 5}); });
    Starte(false, {u"-conf"});
    dokument = app->OpenDocumentFile(Projekt(kBeispiel));
    ASSERT_NE(dokument, nullptr);
    CSolarPage& seite = Seite();
    EXPECT_TRUE(Aktiv(seite, CSolarPage::kIdAendern));
    Tippe(seite, CSolarPage::kIdFlaeche, "11");
    uitest::dialogs().expectMessageBox(platform::id::OK);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_EQ(BoxTexte()[0].find(u"This is a component from the program database."), 0u);
    EXPECT_NE(BoxTexte()[0].find(std::u16string(kBeispiel)), std::u16string::npos);
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_EQ(Datei(seite.Anlage(), u"KFlaeche"), u"");
}

TEST_F(SolarPageTest, NoToTheQuestionChangesNothing) {
    Meier();
    CSolarPage& seite = Seite();
    const auto datei = Bytes();
    for (int id : {CSolarPage::kIdBerechnen, CSolarPage::kIdOptimieren}) {
        uitest::dialogs().expectMessageBox(platform::id::NO);
        Druecke(seite, id);
    }
    EXPECT_EQ(Bytes(), datei);
    EXPECT_EQ(BoxTexte().size(), 2u);
}

// With unsaved entries both calculations say so first, and never ask whether the feeds may be
// overwritten only to refuse after a yes.
TEST_F(SolarPageTest, TheCalculationsNeedSavedEntries) {
    Meier();
    CSolarPage& seite = Seite();
    Tippe(seite, CSolarPage::kIdFlaeche, "12");
    const auto datei = Bytes();
    for (int id : {CSolarPage::kIdBerechnen, CSolarPage::kIdOptimieren}) {
        SCOPED_TRACE(id);
        const size_t vorher = BoxTexte().size();
        uitest::dialogs().expectMessageBox(platform::id::OK);  // 3167
        Druecke(seite, id);
        ASSERT_EQ(BoxTexte().size(), vorher + 1);
        EXPECT_EQ(BoxTexte()[vorher], u"Please save the solar data first.");
        EXPECT_EQ(Bytes(), datei);
    }
}

// Every month's three orders after "Optimize" are one of the four the optimisation tries;
// gains are sent for what the winners give.
TEST_F(SolarPageTest, OptimizeStoresOneOfTheFourOrdersPerMonth) {
    Meier();
    CSolarPage& seite = Seite();
    uitest::dialogs().expectMessageBox(platform::id::YES);
    uitest::dialogs().expectMessageBox(platform::id::OK);  // 3664: ground temperatures raised
    Druecke(seite, CSolarPage::kIdOptimieren);
    ASSERT_EQ(BoxTexte().size(), 2u);
    EXPECT_NE(BoxTexte()[1].find(u"brine temperature"), std::u16string::npos);
    const auto szenarien = solarseite::Szenarien(1, 3);
    const auto wohin = DateiWohin();
    std::vector<unsigned> r[3];
    for (unsigned short rang = 1; rang <= 3; ++rang) {
        r[rang - 1] = Wohin(rang);
        EXPECT_EQ(wohin[rang - 1], WohinText(r[rang - 1]));
    }
    for (int m = 0; m < 12; ++m) {
        const std::array<unsigned, 3> monat = {r[0][m], r[1][m], r[2][m]};
        EXPECT_NE(std::find(szenarien.begin(), szenarien.end(), monat), szenarien.end()) << m;
    }
    EXPECT_EQ(seite.Wohin()[0], r[0]);
}

// The optimisation fails in its first scenario, after that scenario's orders and gains were
// written: the house and the library are put back as they were.
TEST_F(SolarPageTest, AFailureInTheMiddleOfOptimizeRestoresOrdersAndGains) {
    Meier();
    CSolarPage& seite = Seite();
    const auto wohin = DateiWohin();
    const auto gewinne = DateiGewinne();
    // Every evaluation of the ground source now ends with a notice; the first one fails.
    app->GetOptionsManager().SetLongWert(OPT_GRENZ_ERD_T, -100);
    struct Werfen : platform::MessageBoxPresenter {
        int n = 0;
        int present(const platform::MessageBoxRequest&) override {
            if (++n == 2) throw platform::UserException();
            return platform::id::YES;
        }
    } werfen;
    {
        platform::ScopedMessageBoxPresenter scope(werfen);
        Druecke(seite, CSolarPage::kIdOptimieren);
    }
    EXPECT_GE(werfen.n, 3);  // the question, the failing notice, the error shown
    EXPECT_EQ(DateiWohin(), wohin);
    EXPECT_EQ(DateiGewinne(), gewinne);
    CSolareGewinne erde(1);
    ISolar::GetSolareGewinne(CVRMString(kMeierAnlage), 3, erde);
    EXPECT_EQ(erde.GetGewinnWert(5) > 0.0f, !gewinne[24 + 5].empty());
}

// Calculated gains go to the library and the database; after a fresh start the evaluation
// shows the same solar heat.
TEST_F(SolarPageTest, CalculatedGainsShowTheSameInTheEvaluationAfterAFreshStart) {
    Meier();
    CSolarPage& seite = Seite();
    uitest::dialogs().expectMessageBox(platform::id::YES);
    Druecke(seite, CSolarPage::kIdBerechnen);
    for (size_t i = 1; i < BoxTexte().size(); ++i)
        EXPECT_NE(BoxTexte()[i].find(u"brine temperature"), std::u16string::npos);
    const auto gewinne = DateiGewinne();
    EXPECT_NE(gewinne, std::vector<std::u16string>(36));
    CKelvoErgebnisse vorher;
    CAuswertDaten record;
    std::array<float, 12> monate{};
    dokument->GetAuswertDaten(vorher, record, monate, 0, 0.0f);
    EXPECT_GT(vorher.Summe(ER_SolarWW), 0.0f);

    Neustart();
    EXPECT_EQ(DateiGewinne(), gewinne);
    CKelvoErgebnisse nachher;
    dokument->GetAuswertDaten(nachher, record, monate, 0, 0.0f);
    for (TErgebnisReihe r : {ER_SolarWW, ER_SolarHeiz, ER_Einspeisung1})
        EXPECT_NEAR(nachher.Summe(r), vorher.Summe(r), 0.05f) << r;  // gains stored with 2 decimals
}

// A user opens the copy's solar page with the project window's button, enlarges the
// collector area and saves, sends January's solar heat to the heating first, enters a
// ground gain for January in the gains dialog and lets the program calculate the feed-in:
// the user database holds each step.
TEST_F(SolarPageTest, AUserEditsThePlantItsOrderAndItsGains) {
    Meier();
    CMainFrame& frame = *app->GetMainFrame();
    auto* view = dynamic_cast<CKelvoView1*>(frame.Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(&view->GetDocument(), dokument);
    auto& solarKnopf = Element<QWidget>(*view, CKelvoView1::kIdcSolarDaten);
    ASSERT_TRUE(solarKnopf.isEnabled());
    uitest::click(solarKnopf, solarKnopf.rect().center());
    uitest::processEvents();
    auto* seite = dynamic_cast<CSolarPage*>(dokument->GetSeite(CKelvoDoc::kSolarSeite));
    ASSERT_NE(seite, nullptr);
    ASSERT_TRUE(seite->isVisible());

    Tippe(*seite, CSolarPage::kIdFlaeche, "12.5");
    EXPECT_TRUE(Aktiv(*seite, CEingabeSeite::kIdSpeichern));
    Druecke(*seite, CEingabeSeite::kIdSpeichern);
    EXPECT_FLOAT_EQ(QString::fromStdU16String(Datei(kMeierAnlage, u"KFlaeche")).toFloat(), 12.5f);
    EXPECT_FALSE(Aktiv(*seite, CEingabeSeite::kIdSpeichern));

    Druecke(*seite, CSolarPage::kIdAendern);
    CGridCtrl& grid = *seite->Grid();
    uitest::click(grid, Mitte(grid, 0, 1));
    Kontextmenue(grid, 0, 1, 32806);
    uitest::dialogs().expectMessageBox(platform::id::OK);  // 3652
    Druecke(*seite, CSolarPage::kIdOrderSpeichern);
    EXPECT_EQ(Datei(kMeierHaus, u"SolarWohin1").substr(0, 2), u"2#");

    uitest::dialogs().expectDialog(u"Solar inputs", [&](QDialog& d) {
        auto& dlg = dynamic_cast<CDlgSolGewinne&>(d);
        Druecke(dlg, CDlgSolGewinne::kIdAendern[2]);
        CGridCtrl& erde = *dlg.Grid(3);
        uitest::click(erde, Mitte(erde, 1, 1));
        uitest::type(erde, "3");
        ASSERT_NE(erde.InPlaceEditor(), nullptr);
        uitest::type(*erde.InPlaceEditor(), "0");
        uitest::key(*erde.InPlaceEditor(), Qt::Key_Tab);
        uitest::processEvents();
        uitest::type(erde, "4");
        ASSERT_NE(erde.InPlaceEditor(), nullptr);
        uitest::type(*erde.InPlaceEditor(), "2.5");
        uitest::key(*erde.InPlaceEditor(), Qt::Key_Return);
        uitest::processEvents();
        // The months left "n/a" in the edited grid are stored at 1 °C, told once.
        uitest::dialogs().expectMessageBox(platform::id::OK);
        Druecke(dlg, CDlgSolGewinne::kIdSpeichern[2]);
        Druecke(dlg, ui::kIdOk);
    });
    Druecke(*seite, CSolarPage::kIdGewinne);
    const std::u16string januar = Datei(kMeierAnlage, u"SolarGewinnE0");
    EXPECT_EQ(januar, u"30.00#42.50#") << QString::fromStdU16String(januar).toStdString();

    uitest::dialogs().expectMessageBox(platform::id::YES);  // 3764
    Druecke(*seite, CSolarPage::kIdBerechnen);
    // January's heat now goes to the heating first: its gain is the feed-in's.
    EXPECT_FALSE(Datei(kMeierAnlage, u"SolarGewinnH0").empty());
}

// The options pages send their one hint after a change of colours; the open grid takes
// the new colour of the heating feed at once.
TEST_F(SolarPageTest, ChangedColourOptionsReachTheOpenGrid) {
    Meier();
    CSolarPage& seite = Seite();
    ASSERT_NE(seite.Grid(), nullptr);
    ASSERT_EQ(seite.Grid()->GetItemText(2, 1), u"Heating");
    const int32_t rot = static_cast<int32_t>(ui::rgb(255, 0, 0).value);
    ASSERT_NE(seite.Grid()->GetItemFgColour(2, 1), static_cast<grid::Colour>(rot));
    app->GetOptionsManager().SetLongWert(OPT_COLOR_HEIZ_BEDARF, rot);
    app->OptionenGeaendert(kHintOptionenGeaendert);
    EXPECT_EQ(seite.Grid()->GetItemFgColour(2, 1), static_cast<grid::Colour>(rot));
}

TEST_F(SolarPageTest, Screenshots) {
    Meier();
    Seite();
    uitest::saveArtifact(Sheet(), "page-solar");
}

TEST_F(SolarPageTest, ScreenshotGerman) {
    Meier(true);
    CSolarPage& seite = Seite();
    EXPECT_EQ(Text(seite, CSolarPage::kIdBerechnen), "Solare Einspeisung berechnen");
    // No destination is cut: every column holds its longest text with the cell's margins
    // (twice on each side, as the grid draws them). The longest is "Wärmepumpe/Erdreich".
    CGridCtrl& grid = *seite.Grid();
    bool erdreich = false;
    for (int zeile = 0; zeile < 12; ++zeile)
        for (int spalte = 1; spalte <= 3; ++spalte) {
            const QString text = QString::fromStdU16String(grid.GetItemText(zeile, spalte));
            erdreich = erdreich || text == QStringLiteral("Wärmepumpe/Erdreich");
            const QFontMetrics masse(ui::toQFont(grid::ToFontSpec(grid.GetItemFont(zeile, spalte))));
            EXPECT_GE(grid.GetColumnWidth(spalte), masse.horizontalAdvance(text) + 4 * grid.GetMargin())
                << zeile << " " << spalte << " " << text.toStdString();
        }
    EXPECT_TRUE(erdreich);
    uitest::saveArtifact(Sheet(), "page-solar-de");
}

}  // namespace
