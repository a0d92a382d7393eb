// The house page in the running program: the checks of a save with their boundaries, the
// solar plant's flow temperature, the external calculation program, the heating-load and
// climate-location dialogs it opens, and a user who changes the heat load of a new
// project through the project window.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <cmath>
#include <fstream>

#include "app/frame/MainFrame.h"
#include "controls/small/Label.h"
#include "core/db/Global.h"
#include "core/text/ResManager.h"
#include "dialogs/DlgHeizlast.h"
#include "dialogs/KelvoView1.h"
#include "dialogs/KlimaDlg2.h"
#include "evaluation/binding/Solar.h"
#include "model/app/OptionIds.h"
#include "pages/HausPage.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/dialogs/StandortFenster.h"
#include "tests/app/ui/pages/SeitenFixture.h"
#include "tests/support/ui/RecordingDesktop.h"

namespace {

using platform::id::OK;
namespace sf = standortfenster;

std::u16string Sprachtext(unsigned id) { return CResManager::getLangText(static_cast<uint16_t>(id)); }

// A desktop on which no program starts.
class StartVerweigert : public uitest::RecordingDesktop {
  public:
    bool startProgram(const QString& program, const QStringList& arguments) override {
        uitest::RecordingDesktop::startProgram(program, arguments);
        return false;
    }
};

class HausPageTest : public seitentest::SeitenFixture {
  protected:
    CHausPage& Seite() { return Zeige<CHausPage>(CKelvoDoc::kHausSeite); }
    CVRMString Haus() { return dokument->Haus().getConsumerName(); }
    std::vector<std::u16string> BoxTexteAb(std::size_t ab) const {
        const auto alle = BoxTexte();
        return {alle.begin() + static_cast<std::ptrdiff_t>(std::min(ab, alle.size())), alle.end()};
    }
    static bool Enthaelt(const std::u16string& text, std::u16string_view teil) {
        return text.find(teil) != std::u16string::npos;
    }
};

// Flow 50 °C: a return of 47.0 °C saves, 47.5 °C is refused with 3120.
TEST_F(HausPageTest, RuecklaufMindestensDreiGradUnterVorlauf) {
    NeuesProjekt(QStringLiteral("Meier"));
    CHausPage& seite = Seite();
    Tippe(seite, CHausPage::kIdVorlauf, QStringLiteral("50"));
    Tippe(seite, CHausPage::kIdRuecklauf, QStringLiteral("47.5"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_TRUE(Enthaelt(BoxTexte().back(), u"at least 3°C below"));
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_NE(Eintrag(Haus(), u"HeizRuecklauf"), std::optional<std::u16string>(u"47.500000"));

    Tippe(seite, CHausPage::kIdRuecklauf, QStringLiteral("47.0"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Eintrag(Haus(), u"HeizVorlauf"), std::optional<std::u16string>(u"50.000000"));
    EXPECT_EQ(Eintrag(Haus(), u"HeizRuecklauf"), std::optional<std::u16string>(u"47.000000"));
}

// A monovalent source with its heat pump: the flow may lie half a degree above the heat
// pump's maximum M at the design point (then the library refuses the save), not more (3121).
TEST_F(HausPageTest, VorlaufHoechstensBisZumMaximumDerWaermepumpe) {
    CKelvoDoc& doc = Beispiel(u"ground probe monovalent");
    ASSERT_FALSE(doc.KombiWQuelle().IstMonoEnergetisch() || doc.KombiWQuelle().IstBiValent());
    const int m = static_cast<int>(std::lround(doc.WPumpe().getMVT(doc.GetDimQuellTemp())));
    ASSERT_GT(m, 30);
    CHausPage& seite = Seite();
    Tippe(seite, CHausPage::kIdRuecklauf, QStringLiteral("30"));
    const std::pair<QString, std::u16string> faelle[] = {
        {QString::number(m) + QStringLiteral(".5"), u"program database"},
        {QString::number(m) + QStringLiteral(".6"), u"of the heat pump is " + QString::number(m).toStdU16String() + u"°C"},
    };
    for (const auto& [vorlauf, meldung] : faelle) {
        SCOPED_TRACE(vorlauf.toStdString());
        Tippe(seite, CHausPage::kIdVorlauf, vorlauf);
        uitest::dialogs().expectMessageBox(OK);
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        EXPECT_TRUE(Enthaelt(BoxTexte().back(), meldung));
        EXPECT_EQ(seite.m_modified, 1);
    }
}

// Each check refuses the save with its message; nothing reaches the file.
TEST_F(HausPageTest, PruefungenVorDemSpeichern) {
    NeuesProjekt(QStringLiteral("Meier"));
    CHausPage& seite = Seite();
    const auto bytes = Bytes();
    struct Fall {
        const char* name;
        std::function<void()> eingabe;
        unsigned text;
    };
    const Fall faelle[] = {
        {"Deckung 60 + 30",
         [&] {
             Druecke(seite, CHausPage::kIdArt[1]);
             Tippe(seite, CHausPage::kIdDeckung[0], QStringLiteral("60"));
             Tippe(seite, CHausPage::kIdDeckung[1], QStringLiteral("30"));
         },
         3164},
        {"minimale Ruecklauftemperatur unter der Raumtemperatur",
         [&] {
             Druecke(seite, CHausPage::kIdArt[1]);
             Tippe(seite, CHausPage::kIdDeckung[0], QStringLiteral("100"));
             Tippe(seite, CHausPage::kIdMRU, QStringLiteral("10"));
         },
         5700},
        {"ohne Klimaort",
         [&] {
             Tippe(seite, CHausPage::kIdMRU, QStringLiteral("24"));
             seite.m_klimaort.clear();
         },
         3165},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        f.eingabe();
        uitest::dialogs().expectMessageBox(OK);
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        EXPECT_EQ(uitest::dialogs().boxes().back().text.substr(0, 20), Sprachtext(f.text).substr(0, 20));
        EXPECT_EQ(uitest::dialogs().boxes().back().caption, Sprachtext(3148));
        EXPECT_EQ(seite.m_modified, 1);
    }
    EXPECT_EQ(Bytes(), bytes);
}

// The solar plant hears of the flow temperature; a project without a plant name saves
// without a program error.
TEST_F(HausPageTest, SolaranlageBekommtDieVorlauftemperatur) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    ASSERT_TRUE(ISolar::IstGeladen());
    const CVRMString anlage = doc.ProjektText(ID_Solar);
    ASSERT_FALSE(anlage.empty());
    CHausPage& seite = Seite();

    const auto vorher = Eintrag(anlage, u"SolSollTempH");
    doc.Projekt().GetWert(ID_Solar) = CVRMString();
    Tippe(seite, CHausPage::kIdVorlauf, QStringLiteral("40"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Eintrag(Haus(), u"HeizVorlauf"), std::optional<std::u16string>(u"40.000000"));
    EXPECT_EQ(Eintrag(anlage, u"SolSollTempH"), vorher);

    doc.Projekt().GetWert(ID_Solar) = anlage;
    Tippe(seite, CHausPage::kIdVorlauf, QStringLiteral("44.6"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(Eintrag(anlage, u"SolSollTempH"), std::optional<std::u16string>(u"45"));

    // With solar heating a new flow temperature asks the user to check the solar feed.
    doc.Haus().GetWert(ID_ProjMitSolar) = true;
    Tippe(seite, CHausPage::kIdVorlauf, QStringLiteral("50"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_TRUE(Enthaelt(BoxTexte().back(), u"solar feed"));
    EXPECT_EQ(Eintrag(anlage, u"SolSollTempH"), std::optional<std::u16string>(u"50"));
}

// With the "conf" switch a library house may be edited, but the user database takes no
// library records: Save says so in one box that names the house and why (4328) instead of
// seeming to succeed, the page stays modified, and the file holds nothing of the house.
TEST_F(HausPageTest, MitConfWirdEinBibliothekshausNichtAlsGespeichertGemeldet) {
    uitest::dialogs().expectDialog(u"Program options",
                                   [](QDialog& dlg) { uitest::click(*ui::child(&dlg, ui::kIdCancel), {5, 5}); });
    Starte(false, {u"-conf"});
    dokument = app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
    ASSERT_NE(dokument, nullptr);
    CHausPage& seite = Seite();
    const auto datei = Bytes();
    Tippe(seite, CHausPage::kIdHeizlast, QStringLiteral("9.5"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_EQ(BoxTexte()[0], u"This is a component from the program database.\r\nYou cannot change its data.\n(" +
                                 Sprachtext(3148) + u": " + Haus() + u")");
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_EQ(Bytes(), datei);
}

// With the "conf" switch a user project's house is saved whole even when the project's
// solar plant is a library plant, which the user database cannot keep: the plant is not
// written, as without the switch, instead of the save failing on it.
TEST_F(HausPageTest, MitConfBleibtEineBibliotheksanlageUngeschrieben) {
    uitest::dialogs().expectDialog(u"Program options",
                                   [](QDialog& dlg) { uitest::click(*ui::child(&dlg, ui::kIdCancel), {5, 5}); });
    Starte(false, {u"-conf"});
    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        uitest::type(*ui::child(&d, 1033), QStringLiteral("Meier"));
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    app->OnFileNew();
    dokument = app->GetAktivesKelvoDoc(true);
    ASSERT_NE(dokument, nullptr);
    CVRMStringArray anlagen;
    CVRMdatenProvider::get().getListe(anlagen, LISTE_SOLARANLAGEN, true);
    const auto bibo = std::find_if(anlagen.begin(), anlagen.end(),
                                   [](const CVRMString& n) { return IGlobal::IstBiboName(n); });
    ASSERT_NE(bibo, anlagen.end());
    dokument->Projekt().GetWert(ID_Solar) = *bibo;
    CHausPage& seite = Seite();
    Tippe(seite, CHausPage::kIdVorlauf, QStringLiteral("42"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_TRUE(BoxTexte().empty());
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Eintrag(Haus(), u"HeizVorlauf"), std::optional<std::u16string>(u"42.000000"));
    EXPECT_FALSE(Eintrag(*bibo, u"SolSollTempH").has_value());
}

// A project of the user's own whose heat source is a library record: Save writes the
// house, says nothing, and leaves the library source out of the user database.
TEST_F(HausPageTest, EigenesProjektMitBibliotheksquelleSpeichertDasHaus) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    CVRMString quelle;
    IGlobal::ReadIniString(Projekt(u"ground probe monovalent"), u"WQuelle", quelle, u"");
    ASSERT_TRUE(IGlobal::IstBiboName(quelle));
    ASSERT_EQ(doc.SetProjektDaten(ID_WQuelle, quelle, 1), 1);
    CHausPage& seite = Seite();
    Tippe(seite, CHausPage::kIdHeizlast, QStringLiteral("9.5"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(BoxTexte(), std::vector<std::u16string>{});
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Eintrag(Haus(), u"NormwaermeBedarf"), std::optional<std::u16string>(u"9.500000"));
    EXPECT_EQ(Eintrag(quelle, u"WQuelleOrt"), std::nullopt);
}

// The external program of option "VezivoVero": started as a program with no arguments;
// what stands in the way is said.
TEST_F(HausPageTest, ExternesBerechnungsprogramm) {
    NeuesProjekt(QStringLiteral("Meier"));
    CHausPage& seite = Seite();
    testsupport::TempFolder ordner;
    const auto datei = [&](const char* name, bool ausfuehrbar) {
        const std::filesystem::path p = ordner.file(name);
        std::ofstream(p) << "#!/bin/sh\n";
        std::filesystem::permissions(p, ausfuehrbar ? std::filesystem::perms::owner_all
                                                    : std::filesystem::perms::owner_read);
        return p.string();
    };
    const std::string programm = datei("heiz last", true);
    const std::string text = datei("notiz.txt", false);
    struct Fall {
        std::string option;
        bool startGelingt;
        std::vector<unsigned> boxen;
        bool gestartet;
    };
    const Fall faelle[] = {
        {"", true, {3525}, false},
        {ordner.file("fehlt").string(), true, {3159, 3276}, false},
        {(ordner.path() / "kein Ordner" / "prog").string(), true, {3160, 3276}, false},
        {text, true, {3158, 3276}, false},
        {programm, false, {3161, 3276}, true},
        {"\"" + programm + "\"", true, {}, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.option);
        StartVerweigert verweigert;
        ui::DesktopService* vorher = f.startGelingt ? nullptr : ui::installDesktop(&verweigert);
        uitest::desktop().reset();
        const CVRMString option = CVRMString::fromUtf8(f.option);
        app->GetOptionsManager().SetStringWert(OPT_VEZIVO_VERO, &option);
        const std::size_t ab = uitest::dialogs().boxes().size();
        for (std::size_t i = 0; i < f.boxen.size(); ++i) uitest::dialogs().expectMessageBox(OK);
        Druecke(seite, CHausPage::kIdExtern);
        if (!f.startGelingt) ui::installDesktop(vorher);
        const auto texte = BoxTexteAb(ab);
        ASSERT_EQ(texte.size(), f.boxen.size());
        for (std::size_t i = 0; i < texte.size(); ++i)
            EXPECT_EQ(texte[i].substr(0, 12), Sprachtext(f.boxen[i]).substr(0, 12));
        const auto& gestartet = f.startGelingt ? uitest::desktop().started : verweigert.started;
        ASSERT_EQ(gestartet.size(), f.gestartet ? 1u : 0u);
        if (f.gestartet) {
            EXPECT_EQ(gestartet[0].first.toStdString(), programm);
            EXPECT_TRUE(gestartet[0].second.isEmpty());
        }
        // The path is named in the message.
        if (f.boxen.size() == 2) EXPECT_TRUE(Enthaelt(texte[0], u"heiz last") || Enthaelt(texte[0], u"fehlt") ||
                                             Enthaelt(texte[0], u"prog") || Enthaelt(texte[0], u"notiz"));
    }
    EXPECT_EQ(seite.m_modified, 0);
}

// The heating-load dialog opens at 150 m² x 50 W/m² = 7.5 kW and follows the entries; the
// former oil consumption reaches the project only with OK.
TEST_F(HausPageTest, HeizlastDialog) {
    NeuesProjekt(QStringLiteral("Meier"));
    CHausPage& seite = Seite();
    uitest::dialogs().expectDialog(Sprachtext(4646), [&](QDialog& dlg) {
        EXPECT_EQ(sf::text(dlg, CDlgHeizlast::kIdErgebnis), QStringLiteral("7.5"));
        sf::tippe(dlg, CDlgHeizlast::kIdFlaeche, QStringLiteral("200"));
        EXPECT_EQ(sf::text(dlg, CDlgHeizlast::kIdErgebnis), QStringLiteral("10.0"));
        uitest::saveArtifact(dlg, "heating-load");
        auto* methode2 = sf::element<QRadioButton>(dlg, CDlgHeizlast::kIdMethode2);
        uitest::click(*methode2, {6, methode2->height() / 2});
        EXPECT_FALSE(sf::element(dlg, CDlgHeizlast::kIdFlaeche)->isEnabled());
        EXPECT_TRUE(sf::element(dlg, CDlgHeizlast::kIdOel)->isEnabled());
        EXPECT_FALSE(sf::element(dlg, CDlgHeizlast::kIdGas)->isEnabled());
        sf::tippe(dlg, CDlgHeizlast::kIdOel, QStringLiteral("2000"));
        sf::tippe(dlg, CDlgHeizlast::kIdPersonen, QStringLiteral("2"));
        EXPECT_EQ(Eintrag(u"Meier", u"VOV"), std::optional<std::u16string>(u"0"));
        sf::druecke(dlg, ui::kIdOk);
    });
    Druecke(seite, CHausPage::kIdRegeln);
    EXPECT_EQ(Eintrag(u"Meier", u"VOV"), std::optional<std::u16string>(u"2000"));
    EXPECT_EQ(seite.m_modified, 1);
    const float last = seite.m_heizlast;
    EXPECT_GT(last, 0.0f);
    EXPECT_EQ(Text(seite, CHausPage::kIdHeizlast), QString::number(static_cast<double>(last)));

    // Cancel keeps the heat load and the consumption.
    uitest::dialogs().expectDialog(Sprachtext(4646), [&](QDialog& dlg) {
        sf::tippe(dlg, CDlgHeizlast::kIdOel, QStringLiteral("3000"));
        sf::druecke(dlg, ui::kIdCancel);
    });
    Druecke(seite, CHausPage::kIdRegeln);
    EXPECT_EQ(Eintrag(u"Meier", u"VOV"), std::optional<std::u16string>(u"2000"));
    EXPECT_FLOAT_EQ(seite.m_heizlast, last);
}

TEST_F(HausPageTest, HeizlastDialogSchreibtKeinBibliotheksprojekt) {
    Beispiel(u"ground probe monovalent");
    const auto bytes = Bytes();
    CHausPage& seite = Seite();
    uitest::dialogs().expectDialog(Sprachtext(4646), [&](QDialog& dlg) {
        sf::druecke(dlg, ui::kIdOk);
    });
    Druecke(seite, CHausPage::kIdRegeln);
    EXPECT_FLOAT_EQ(seite.m_heizlast, 7.5f);
    EXPECT_EQ(Bytes(), bytes);
}

// The location dialog: a new region clears the choice and proposes its first location; a
// country without locations leaves OK disabled; the chosen location and its design outdoor
// temperature reach the page.
TEST_F(HausPageTest, KlimaortWaehlen) {
    NeuesProjekt(QStringLiteral("Meier"));
    CHausPage& seite = Seite();
    const QString vorher = Text(seite, CHausPage::kIdKlimaort);
    uitest::dialogs().expectDialog(Sprachtext(3214), [&](QDialog& dlg) {
        auto& d = static_cast<CKlimaDlg2&>(dlg);
        EXPECT_EQ(d.GetOrtName(), vorher.toStdU16String());
        sf::waehle(dlg, CKlimaDlg2::kIdLand, QStringLiteral("Germany"));
        EXPECT_EQ(d.GetOrtName(), u"52 Aachen (D) (bib)");
        uitest::saveArtifact(dlg, "climate-location");
        sf::waehle(dlg, CKlimaDlg2::kIdPlz, QStringLiteral("3..."));
        EXPECT_EQ(d.GetOrtName(), u"38 Braunschweig (D) (bib)");
        EXPECT_EQ(sf::text(dlg, CKlimaDlg2::kIdOrt), QStringLiteral("38 Braunschweig (D) (bib)"));
        sf::waehle(dlg, CKlimaDlg2::kIdLand, QString::fromStdU16String(Sprachtext(3844)));
        EXPECT_EQ(sf::element<QComboBox>(dlg, CKlimaDlg2::kIdOrt)->count(), 0);
        EXPECT_FALSE(sf::element(dlg, ui::kIdOk)->isEnabled());
        sf::waehle(dlg, CKlimaDlg2::kIdLand, QStringLiteral("Germany"));
        sf::waehle(dlg, CKlimaDlg2::kIdOrt, QStringLiteral("34 Kassel (D) (bib)"));
        EXPECT_TRUE(sf::element(dlg, ui::kIdOk)->isEnabled());
        sf::druecke(dlg, ui::kIdOk);
    });
    Druecke(seite, CHausPage::kIdKlimaort);
    EXPECT_EQ(Text(seite, CHausPage::kIdKlimaort), QStringLiteral("34 Kassel (D) (bib)"));
    EXPECT_EQ(Text(seite, CHausPage::kIdNAT), QStringLiteral("-12"));
    EXPECT_EQ(seite.m_modified, 1);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(Eintrag(Haus(), u"Klimaort"), std::optional<std::u16string>(u"34 Kassel (D) (bib)"));
}

// A user creates a project through the menu, opens its house page with the project
// window's House button, types a new heat load and saves: the house record in the user
// database holds it, and the project window's short info shows it.
TEST_F(HausPageTest, NutzerAendertDieHeizlast) {
    Starte();
    CMainFrame& frame = *app->GetMainFrame();
    uitest::dialogs().expectDialog(u"Enter new name", [&](QDialog& dlg) {
        uitest::type(*ui::child(&dlg, 1033), QStringLiteral("Haus Meier"));
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    frame.Router().updateActions(frame.menuBar()->actions());
    QAction* neu = ui::findAction(frame.menuBar(), 57600);
    ASSERT_NE(neu, nullptr);
    neu->trigger();
    uitest::processEvents();
    CKelvoDoc* doc = app->GetAktivesKelvoDoc(true);
    ASSERT_NE(doc, nullptr);
    dokument = doc;
    auto* view = dynamic_cast<CKelvoView1*>(frame.Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);
    auto& hausKnopf = Element<QWidget>(*view, CKelvoView1::kIdcHausDaten);
    ASSERT_TRUE(hausKnopf.isEnabled());
    uitest::click(hausKnopf, hausKnopf.rect().center());
    uitest::processEvents();
    auto* seite = dynamic_cast<CHausPage*>(doc->GetSeite(CKelvoDoc::kHausSeite));
    ASSERT_NE(seite, nullptr);
    ASSERT_TRUE(seite->isVisible());
    EXPECT_EQ(Sheet().windowTitle().toStdU16String(), u"Haus Meier - " + Sprachtext(3148));

    Tippe(*seite, CHausPage::kIdHeizlast, QStringLiteral("9.5"));
    Druecke(*seite, CEingabeSeite::kIdSpeichern);
    const CVRMString haus = doc->Haus().getConsumerName();
    EXPECT_EQ(Eintrag(haus, u"NormwaermeBedarf"), std::optional<std::u16string>(u"9.500000"));
    EXPECT_TRUE(Eintrag(haus, u"Klimaort").has_value());
    auto* info = dynamic_cast<CLabel*>(ui::child(view, CKelvoView1::kIdcOrtInfo));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(Enthaelt(info->text(), u"9.5 kW"));
    Druecke(*seite, CEingabeSeite::kIdSchliessen);
    EXPECT_FALSE(Sheet().isVisible());
}

}  // namespace
