// The heat-pump pages of the master-data sheet in the running program: the kind-dependent
// layout, the range checks of a save, the product data kept through a save, switching
// heat pumps between the two pages, the performance table with its save rules, the
// project window's heat-pump button, and a user who edits a heat pump from the menu.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "app/frame/MainFrame.h"
#include "app/options/OptionenUmgebung.h"
#include "core/text/ResManager.h"
#include "dialogs/KelvoView1.h"
#include "model/app/OptionIds.h"
#include "model/heatpump/WPLeistDaten.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/pages/WPSeitenFixture.h"

namespace {

using platform::id::CANCEL;
using platform::id::NO;
using platform::id::OK;
using platform::id::YES;

std::u16string Sprachtext(unsigned id) { return CResManager::getLangText(static_cast<uint16_t>(id)); }
QString Angezeigt(unsigned id) { return DlgText(id); }

class WPSeitenTest : public wptest::WPSeitenFixture {
  protected:
    // "Edit table", with its notice answered.
    void Bearbeiten(CWP2Page& seite) {
        uitest::dialogs().expectMessageBox(OK);
        Druecke(seite, CWP2Page::kIdTabelleBearbeiten);
        ASSERT_TRUE(seite.TabelleBearbeitet());
    }
};

// Each kind gets its labels and groups; direct evaporation shows no source-pump power;
// kind 4, stored without a list entry, is laid out as an air unit.
TEST_F(WPSeitenTest, LayoutNachArt) {
    Starte();
    struct Fall {
        int kind;
        unsigned pumpe, fluss;
        bool luft, wasser, minLuft;
    };
    const Fall faelle[] = {
        {0, 3329, 3442, false, false, false}, {1, 3330, 3443, true, false, true},
        {2, 3331, 3442, false, true, false},  {3, 3329, 3442, false, false, false},
        {4, 3330, 3443, true, false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.kind);
        const CVRMString name = u"Eigene " + QString::number(f.kind).toStdU16String();
        EigeneWPumpe(name, f.kind == 4 ? 1 : f.kind, [&](CVRMwerteListe& w) {
            w.get(ID_MedienTyp) = f.kind;
            w.get(ID_LeistungSP) = 180u;
        });
        CWP2Page& seite = ZeigeWP(name);
        EXPECT_EQ(seite.Geladen(), name);
        EXPECT_EQ(Text(seite, CWP2Page::kIdTextPumpe), Angezeigt(f.pumpe));
        EXPECT_EQ(Text(seite, CWP2Page::kIdTextFluss), Angezeigt(f.fluss));
        EXPECT_EQ(Element(seite, CWP2Page::kIdAVE).isVisible(), f.luft);
        EXPECT_EQ(Element(seite, CWP2Page::kIdVSE).isVisible(), f.luft);
        EXPECT_EQ(Element(seite, CWP2Page::kIdZKWTverlust).isVisible(), f.wasser);
        EXPECT_EQ(Element(seite, CWP2Page::kIdTextZKWTpumpe).isVisible(), f.wasser);
        EXPECT_EQ(Element(seite, CWP2Page::kIdMinLuft).isEnabled(), f.minLuft);
        EXPECT_EQ(Text(seite, CWP2Page::kIdLeistungSP), f.kind == 3 ? QStringLiteral("0") : QStringLiteral("180"));
        EXPECT_EQ(Liste(seite, CWP2Page::kIdArt).currentIndex(), f.kind == 4 ? -1 : f.kind);
        EXPECT_EQ(seite.m_modified, 0);
    }
    // Choosing direct evaporation in the list sets the shown power to 0.
    CWP2Page& seite = ZeigeWP(u"Eigene 0");
    Waehle(seite, CWP2Page::kIdArt, Angezeigt(5301));
    EXPECT_EQ(Text(seite, CWP2Page::kIdLeistungSP), QStringLiteral("0"));
    EXPECT_EQ(seite.m_modified, 1);
}

// The range checks of a save, each refusing with nothing written; the hidden maximum flow
// temperature of an incomplete record counts too.
TEST_F(WPSeitenTest, BereicheVerweigernDasSpeichern) {
    Starte();
    EigeneWPumpe(u"Ohne Vorlauf", 0, [](CVRMwerteListe& w) { w.get(ID_MaxVorlaufTemp) = 0u; });
    CWP2Page& seite = ZeigeWP(u"Ohne Vorlauf");
    const auto vorher = Bytes();
    Tippe(seite, CWP2Page::kIdLeistungUP, QStringLiteral("75"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CWPSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_EQ(Bytes(), vorher);

    // The entry is thrown away on the switch.
    EigeneWPumpe(u"Mit Vorlauf", 0);
    uitest::dialogs().expectMessageBox(NO);
    ZeigeWP(u"Mit Vorlauf");
    CWP1Page& wp1 = ZeigeWP1();
    ASSERT_EQ(wp1.Geladen(), CVRMString(u"Mit Vorlauf"));
    struct Fall {
        int id;
        QString text;
        bool gut;
    };
    const Fall faelle[] = {
        {CWP1Page::kIdMinVorlauf, QStringLiteral("9"), false},  {CWP1Page::kIdMinVorlauf, QStringLiteral("51"), false},
        {CWP1Page::kIdMinVorlauf, QStringLiteral("10"), true},  {CWP1Page::kIdMinVorlauf, QStringLiteral("50"), true},
        {CWP1Page::kIdMaxQuelle, QStringLiteral("51"), false},  {CWP1Page::kIdVerdampfer, QStringLiteral("20.5"), false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text.toStdString() + " in " + std::to_string(f.id));
        Tippe(wp1, f.id, f.text);
        if (!f.gut) uitest::dialogs().expectMessageBox(OK);
        const auto davor = Bytes();
        Druecke(wp1, CWPSeite::kIdSpeichern);
        EXPECT_EQ(wp1.m_modified, f.gut ? 0 : 1);
        EXPECT_EQ(Bytes() != davor, f.gut);
        if (!f.gut) Tippe(wp1, f.id, QStringLiteral("20"));  // back to a valid entry
    }
    // The condenser field takes whole numbers only: the separator of "5,5" is refused.
    Tippe(wp1, CWP1Page::kIdVerfluessiger, QStringLiteral("5,5"));
    EXPECT_EQ(Text(wp1, CWP1Page::kIdVerfluessiger), QStringLiteral("55"));
    Tippe(wp1, CWP1Page::kIdVerfluessiger, QStringLiteral("5.5"));
    EXPECT_EQ(Text(wp1, CWP1Page::kIdVerfluessiger), QStringLiteral("55"));
}

// A heat pump of the program database cannot be changed: a typed entry is refused with
// 4328 and goes back, and the table cannot be edited.
TEST_F(WPSeitenTest, BibliotheksWaermepumpeBleibtUnveraendert) {
    Starte();
    const CVRMString bibo = BiboWPumpe(0);
    CWP2Page& seite = ZeigeWP(bibo);
    ASSERT_EQ(seite.Geladen(), bibo);
    const QString vorher = Text(seite, CWP2Page::kIdLeistungUP);
    const auto bytes = Bytes();
    uitest::dialogs().expectMessageBox(OK);
    Tippe(seite, CWP2Page::kIdLeistungUP, QStringLiteral("9"));
    EXPECT_EQ(uitest::dialogs().boxes().back().text.substr(0, 40), Sprachtext(4328).substr(0, 40));
    EXPECT_EQ(Text(seite, CWP2Page::kIdLeistungUP), vorher);
    EXPECT_EQ(seite.m_modified, 0);
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CWP2Page::kIdTabelleBearbeiten);
    EXPECT_EQ(uitest::dialogs().boxes().back().text.substr(0, 40), Sprachtext(4328).substr(0, 40));
    EXPECT_FALSE(seite.TabelleBearbeitet());
    EXPECT_EQ(Bytes(), bytes);
}

// A save of the choice page writes its values and keeps the product data and the summer
// hot-water temperature, which have no visible control.
TEST_F(WPSeitenTest, ProduktdatenUeberlebenDasSpeichern) {
    Starte();
    EigeneWPumpe(u"Mit Produkt", 0, [](CVRMwerteListe& w) {
        w.get(ID_WPident) = CVRMString(u"HP-4711");
        w.get(ID_WPdatei) = CVRMString(u"hp4711.png");
        w.get(ID_WPpreis) = 8450u;
        w.get(ID_PGS) = CVRMString(u"EHPA 0815");
        w.get(ID_WaWaSommer) = 52u;
        w.get(ID_Auslegung) = false;
    });
    ZeigeWP(u"Mit Produkt");
    CWP1Page& wp1 = ZeigeWP1();
    for (int id : CWP1Page::kProduktIds) EXPECT_FALSE(Element(wp1, id).isVisible()) << id;
    EXPECT_TRUE(Element(wp1, CWP1Page::kIdAuslegung).isVisible());
    Tippe(wp1, CWP1Page::kIdVerdampfer, QStringLiteral("4.5"));
    Druecke(wp1, CWP1Page::kIdAuslegung);
    Druecke(wp1, CWPSeite::kIdSpeichern);
    EXPECT_EQ(wp1.m_modified, 0);
    const std::pair<std::u16string, std::u16string> erwartet[] = {
        {u"TempDiffVerdampf", u"4.500000"}, {u"Auslegung", u"1"},          {u"WPident", u"HP-4711"},
        {u"WPdatei", u"hp4711.png"},        {u"WPpreis", u"8450"},         {u"PGS", u"EHPA 0815"},
        {u"WaWaSommer", u"52"},
    };
    for (const auto& [key, wert] : erwartet) EXPECT_EQ(Eintrag(u"Mit Produkt", key), std::optional(wert)) << QString::fromStdU16String(key).toStdString();
}

// Switching heat pumps: both pages follow; while the table is edited the data page stays;
// with unsaved changes the user is asked, and Cancel puts the old name back in both lists.
TEST_F(WPSeitenTest, WechselDerWaermepumpe) {
    Starte();
    EigeneWPumpe(u"Alpha", 0);
    EigeneWPumpe(u"Beta", 1);
    Neustart();
    CWP2Page& wp2 = ZeigeWP(u"Alpha");
    EXPECT_EQ(WP1().Geladen(), CVRMString(u"Alpha"));

    Waehle(wp2, CWPSeite::kIdListe, QStringLiteral("Beta"));
    EXPECT_EQ(wp2.Geladen(), CVRMString(u"Beta"));
    EXPECT_EQ(WP1().Geladen(), CVRMString(u"Beta"));

    // Modified: 3177 asked; Cancel keeps the entries and both lists show Beta again.
    Tippe(wp2, CWP2Page::kIdLeistungUP, QStringLiteral("66"));
    uitest::dialogs().expectMessageBox(CANCEL);
    Waehle(wp2, CWPSeite::kIdListe, QStringLiteral("Alpha"));
    EXPECT_EQ(uitest::dialogs().boxes().back().text, Sprachtext(3177));
    EXPECT_EQ(wp2.Geladen(), CVRMString(u"Beta"));
    EXPECT_EQ(Liste(wp2).currentText(), QStringLiteral("Beta"));
    EXPECT_EQ(Liste(WP1()).currentText(), QStringLiteral("Beta"));
    EXPECT_EQ(WP1().Geladen(), CVRMString(u"Beta"));
    EXPECT_EQ(Text(wp2, CWP2Page::kIdLeistungUP), QStringLiteral("66"));
    EXPECT_EQ(wp2.m_modified, 1);

    // No throws the entries away and switches.
    uitest::dialogs().expectMessageBox(NO);
    Waehle(wp2, CWPSeite::kIdListe, QStringLiteral("Alpha"));
    EXPECT_EQ(wp2.Geladen(), CVRMString(u"Alpha"));
    EXPECT_EQ(wp2.m_modified, 0);

    // While the table is edited a switch from the choice page leaves the data page as it is.
    Bearbeiten(wp2);
    EXPECT_FALSE(Liste(wp2).isEnabled());
    EXPECT_EQ(wp2.SelectKomponente(u"Beta", 1), 1);
    EXPECT_EQ(wp2.Geladen(), CVRMString(u"Alpha"));
    EXPECT_TRUE(wp2.TabelleBearbeitet());
}

// Opened from the project window the heat-pump pages follow the active project's heat
// pump; entries for the one shown are asked about first. Cancel keeps heat pump and
// entries, No drops them, Yes saves them; No and Yes then show the project's heat pump.
// A table in edit mode counts as an entry: No leaves the edit mode.
TEST_F(WPSeitenTest, FolgtDemProjektErstNachDerFrage) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    EigeneWPumpe(u"Alpha", 0);
    EigeneWPumpe(u"Beta", 0);
    const std::u16string key = CVRMwerteListe::getKey(ID_LeistungUP);
    struct Fall {
        const char* name;
        int antwort;
        const char16_t* zeigt;
        bool geaendert;
        const char16_t* gespeichert;
        bool tabelle = false;  // the table is edited instead of a field typed
    };
    const Fall faelle[] = {
        {"cancel", CANCEL, u"Alpha", true, nullptr},
        {"no", NO, u"Beta", false, nullptr},
        {"yes", YES, u"Beta", false, u"66"},
        {"no with the table edited", NO, u"Beta", false, nullptr, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ASSERT_EQ(doc.SetProjektDaten(ID_WPumpe, CVRMString(u"Alpha"), 1), 1);
        ASSERT_TRUE(app->ZeigeStammdaten(CKVSDatenSheetProtokoll::kWP2, 0, CVRMString()));
        uitest::processEvents();
        CWP2Page& seite = WP2();
        ASSERT_EQ(seite.Geladen(), CVRMString(u"Alpha"));
        if (f.tabelle)
            Bearbeiten(seite);
        else
            Tippe(seite, CWP2Page::kIdLeistungUP, QStringLiteral("66"));
        ASSERT_EQ(seite.IsDatenModified(), 1);
        const auto vorher = Eintrag(u"Alpha", key);
        // The user goes to the tariff page; meanwhile the project takes another heat pump.
        ASSERT_TRUE(Stammdaten().setActivePage(
            Stammdaten().indexOf(app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif))));
        ASSERT_EQ(doc.SetProjektDaten(ID_WPumpe, CVRMString(u"Beta"), 1), 1);
        const std::size_t boxen = uitest::dialogs().boxes().size();
        uitest::dialogs().expectMessageBox(f.antwort);
        Stammdaten().setActivePage(Stammdaten().indexOf(&seite));
        uitest::processEvents();
        ASSERT_GT(uitest::dialogs().boxes().size(), boxen);
        EXPECT_EQ(uitest::dialogs().boxes()[boxen].text, Sprachtext(3177));
        EXPECT_EQ(seite.Geladen(), CVRMString(f.zeigt));
        EXPECT_EQ(seite.IsDatenModified(), f.geaendert ? 1 : 0);
        EXPECT_FALSE(seite.TabelleBearbeitet());
        EXPECT_EQ(Eintrag(u"Alpha", key),
                  f.gespeichert ? std::optional<std::u16string>(f.gespeichert) : vorher);
        if (f.geaendert) {
            uitest::dialogs().expectMessageBox(NO);
            ASSERT_EQ(seite.CancelModifiedData(0), 1);
        }
    }
}

// "Save table" sorts the typed rows by source temperature, drops rows without one, writes
// exactly the records taken and removes the other keys.
TEST_F(WPSeitenTest, TabelleSortiertUndSchreibt) {
    Starte();
    EigeneWPumpe(u"Tabelle", 0);
    CWP2Page& seite = ZeigeWP(u"Tabelle");
    CGridCtrl& t = *seite.Tabelle();
    Bearbeiten(seite);
    for (int z = 2; z < 10; ++z) TippeZelle(t, z, 0, QString());
    TippeZelle(t, 2, 0, QStringLiteral("10"));
    TippeZelle(t, 3, 0, QStringLiteral("-5"));
    TippeZelle(t, 4, 0, QStringLiteral("kalt"));  // letters only: dropped
    TippeZelle(t, 5, 0, QStringLiteral("0"));
    for (int z : {2, 3, 4, 5}) TippeZelle(t, z, 1, QString::number(z + 5));
    Druecke(seite, CWP2Page::kIdTabelleSpeichern);
    EXPECT_FALSE(seite.TabelleBearbeitet());
    const auto zeilen = Zeilen(t);
    const std::u16string quellen[] = {u"-5", u"0", u"10", u"", u"", u"", u"", u""};
    const std::u16string heiz[] = {u"8.00", u"10.00", u"7.00", u"", u"", u"", u"", u""};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(zeilen[static_cast<std::size_t>(i)][0], quellen[i]) << i;
        EXPECT_EQ(zeilen[static_cast<std::size_t>(i)][1], heiz[i]) << i;
    }
    const auto datei = LeistDaten(u"Tabelle");
    for (int i = 0; i < 8; ++i) EXPECT_EQ(datei[static_cast<std::size_t>(i)].has_value(), i < 3) << i;
    ASSERT_TRUE(datei[0]);
    EXPECT_EQ(CWPLeistDaten(*datei[0], {u"", u""}).quellTemp, -5.0f);
    EXPECT_EQ(CWPLeistDaten(*datei[1], {u"", u""}).heiz35, 10.0f);
}

// "Save table" reaches an open project that uses the heat pump: the project's heat pump
// computes with the new table from then on, without the project being opened again.
TEST_F(WPSeitenTest, GespeicherteTabelleGiltImOffenenProjekt) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    EigeneWPumpe(u"Tabelle", 0);
    ASSERT_TRUE(doc.WechsleWPumpe(u"Tabelle", 1));
    const auto ersterSatz = [&doc] {
        WPLeistDatenZeiger saetze;
        doc.WPumpe().GetGueltigeLeistDaten(saetze);
        return saetze.empty() ? CWPLeistDaten(u"", {u"", u""}) : *saetze.front();
    };
    const CWPLeistDaten vorher = ersterSatz();
    ASSERT_GT(vorher.heiz35, 0.0f);
    CWP2Page& seite = ZeigeWP(u"Tabelle");
    ASSERT_EQ(seite.Geladen(), CVRMString(u"Tabelle"));
    Bearbeiten(seite);
    // The first row's heating capacity at 35 °C, 2 kW more.
    const QString neu = QString::number(static_cast<double>(vorher.heiz35) + 2.0, 'f', 2);
    TippeZelle(*seite.Tabelle(), 2, 1, neu);
    Druecke(seite, CWP2Page::kIdTabelleSpeichern);
    ASSERT_FALSE(seite.TabelleBearbeitet());
    const CWPLeistDaten nachher = ersterSatz();
    EXPECT_NEAR(nachher.heiz35, vorher.heiz35 + 2.0f, 0.005f);  // written with two decimals
    EXPECT_EQ(nachher.quellTemp, vorher.quellTemp);
}

// A source temperature of 61 °C refuses the whole table: the message names -20 and 60,
// nothing is written, the table stays in edit mode with the user's rows, and "Cancel
// edit" shows the held records unchanged.
TEST_F(WPSeitenTest, QuellTemperatur61VerweigertAlles) {
    Starte();
    EigeneWPumpe(u"Heiss", 0);
    CWP2Page& seite = ZeigeWP(u"Heiss");
    CGridCtrl& t = *seite.Tabelle();
    const auto gehalten = Zeilen(t);
    ASSERT_FALSE(gehalten[1][0].empty());
    const auto vorher = Bytes();
    Bearbeiten(seite);
    TippeZelle(t, 9, 0, QStringLiteral("61"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CWP2Page::kIdTabelleSpeichern);
    const std::u16string meldung = uitest::dialogs().boxes().back().text;
    EXPECT_NE(meldung.find(Sprachtext(3105)), std::u16string::npos);
    EXPECT_NE(meldung.find(u"-20°C and 60°C"), std::u16string::npos);
    EXPECT_EQ(Bytes(), vorher);
    EXPECT_TRUE(seite.TabelleBearbeitet());
    EXPECT_EQ(t.GetItemText(9, 0), u"61");
    Druecke(seite, CWP2Page::kIdBearbeitenAbbrechen);
    EXPECT_EQ(Zeilen(t), gehalten);
    int gehalteneSaetze = 0;
    for (int i = 0; i < seite.Saetze().GetSize(); ++i) gehalteneSaetze += seite.Saetze().GetAt(i) ? 1 : 0;
    EXPECT_EQ(gehalteneSaetze, static_cast<int>(std::count_if(gehalten.begin(), gehalten.end(),
                                                             [](const auto& z) { return !z[0].empty(); })));
}

// The rating row of a brine/water pump (0 °C) carries the rating colour in its heat output
// and electric input at 35 °C; values of 0.1 or less show "n/a".
TEST_F(WPSeitenTest, NennZeileUndNichtVorhanden) {
    Starte();
    EigeneWPumpe(u"Nenn", 0);
    CVRMdatenProvider2::Get().SpeichereLeistDatenZeilen(
        u"Nenn", std::vector<CVRMString>{u"-5#4.00#3.50#1.00#1.20#3.00#2.30#55.00#60.00#",
                                        u"0#5.00#4.50#0.05#1.30#4.00#3.20#55.00#60.00#"},
        true);
    CWP2Page& seite = ZeigeWP(u"Nenn");
    CGridCtrl& t = *seite.Tabelle();
    int32_t gruen = 0;
    app->GetOptionsManager().GetLongWert(OPT_COLOR_STD_WWPD, gruen);
    EXPECT_EQ(t.GetItemBkColour(3, 1), static_cast<grid::Colour>(gruen));
    EXPECT_EQ(t.GetItemBkColour(3, 2), static_cast<grid::Colour>(gruen));
    EXPECT_NE(t.GetItemBkColour(2, 1), static_cast<grid::Colour>(gruen));
    EXPECT_NE(t.GetItemBkColour(3, 3), static_cast<grid::Colour>(gruen));
    EXPECT_EQ(t.GetItemText(3, 2), u"n/a");
    EXPECT_EQ(t.GetItemText(3, 4), u"100.00");  // 5.00 / 0.05
    EXPECT_EQ(t.GetItemText(2, 4), u"4.00");

    // Changed colour options reach the table with the hint the options pages send, and
    // with no other.
    const int32_t rot = static_cast<int32_t>(ui::rgb(255, 0, 0).value);
    app->GetOptionsManager().SetLongWert(OPT_COLOR_STD_WWPD, rot);
    constexpr int kAndererHinweis = 49;  // sent by no options page
    app->OptionenGeaendert(kAndererHinweis);
    EXPECT_EQ(t.GetItemBkColour(3, 1), static_cast<grid::Colour>(gruen));
    app->OptionenGeaendert(kHintOptionenGeaendert);
    EXPECT_EQ(t.GetItemBkColour(3, 1), static_cast<grid::Colour>(rot));
}

// The project window's heat-pump button shows the project's heat pump on both pages, with
// the heat-pump lists off: the sheet follows the project.
TEST_F(WPSeitenTest, KnopfDesProjektfensters) {
    Starte();
    CKelvoDoc* doc = app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
    ASSERT_NE(doc, nullptr);
    auto* view = dynamic_cast<CKelvoView1*>(Frame().Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);
    QWidget* knopf = ui::child(view, CKelvoView1::kIdcWPumpeDaten);
    ASSERT_TRUE(knopf && knopf->isEnabled());
    uitest::click(*knopf, {5, 5});
    uitest::processEvents();
    EXPECT_TRUE(Stammdaten().isVisible());
    const CVRMString wp = doc->WPumpe().getConsumerName();
    EXPECT_EQ(WP2().Geladen(), wp);
    EXPECT_FALSE(Liste(WP2()).isEnabled());
    EXPECT_EQ(Stammdaten().windowTitle().toStdU16String(), Sprachtext(3384) + u" - " + wp);
    EXPECT_EQ(ZeigeWP1().Geladen(), wp);
    EXPECT_FALSE(Liste(WP1()).isEnabled());
}

// Screenshots of the two pages and of the table being edited, in English and German.
TEST_F(WPSeitenTest, Bilder) {
    Starte();
    EigeneWPumpe(u"My brine unit", 0);
    CWP2Page& seite = ZeigeWP(u"My brine unit");
    uitest::saveArtifact(Stammdaten(), "heat-pump-data");
    ZeigeWP1();
    uitest::saveArtifact(Stammdaten(), "heat-pump-choice");
    Stammdaten().setActivePage(Stammdaten().indexOf(&seite));
    uitest::processEvents();
    Bearbeiten(seite);
    uitest::saveArtifact(Stammdaten(), "heat-pump-table");
}

TEST_F(WPSeitenTest, BildDeutsch) {
    Starte(true);
    EigeneWPumpe(u"Meine Sole-WP", 0);
    CWP2Page& seite = ZeigeWP(u"Meine Sole-WP");
    Bearbeiten(seite);
    uitest::saveArtifact(Stammdaten(), "heat-pump-table-de");
}

// A user edits a heat pump of the user database from the menu: Master data > Heat pumps,
// the heat pump chosen in the list, its kind changed to air/water, the fan and circulation
// pump powers typed and saved; then the performance table typed row by row and saved. The
// user database file holds what was typed, read back through the model's record reader.
TEST_F(WPSeitenTest, BenutzerBearbeitetWaermepumpeUeberDasMenue) {
    Starte();
    EigeneWPumpe(u"Zeta unit", 0);
    Neustart();
    QAction* wpumpen = Befehl(32834);
    ASSERT_NE(wpumpen, nullptr);
    ASSERT_TRUE(wpumpen->isEnabled());
    wpumpen->trigger();
    uitest::processEvents();
    ASSERT_TRUE(Stammdaten().isVisible());
    CWP2Page& seite = WP2();
    ASSERT_EQ(Stammdaten().activePage(), &seite);
    ASSERT_TRUE(Liste(seite).isEnabled());

    Waehle(seite, CWPSeite::kIdListe, QStringLiteral("Zeta unit"));
    ASSERT_EQ(seite.Geladen(), CVRMString(u"Zeta unit"));
    Waehle(seite, CWP2Page::kIdArt, Angezeigt(5256));  // air / water
    EXPECT_EQ(Text(seite, CWP2Page::kIdTextPumpe), Angezeigt(3330));
    Tippe(seite, CWP2Page::kIdLeistungSP, QStringLiteral("45"));
    Tippe(seite, CWP2Page::kIdLeistungUP, QStringLiteral("60"));
    Tippe(seite, CWP2Page::kIdMinLuft, QStringLiteral("-18"));
    Druecke(seite, CWP2Page::kIdAVE);
    Druecke(seite, CWPSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 0);
    const std::pair<std::u16string, std::u16string> werte[] = {
        {u"MedienTyp", u"1"}, {u"LeistungSP", u"45"}, {u"LeistungUP", u"60"}, {u"MinLuftTemp", u"-18"}, {u"AVE", u"1"}};
    for (const auto& [key, wert] : werte) EXPECT_EQ(Eintrag(u"Zeta unit", key), std::optional(wert));

    Bearbeiten(seite);
    CGridCtrl& t = *seite.Tabelle();
    // Columns: source, heat / electric / extraction at 35 °C, COP, second flow, heat /
    // electric / extraction there, COP, maximum flow.
    const QString getippt[3][11] = {
        {"7", "9.1", "2.05", "7.0", "", "55", "8.4", "2.9", "6.2", "", "60"},
        {"-7", "6.3", "2.1", "", "", "55", "5.8", "2.75", "", "", "58"},
        {"2", "7.6", "2", "5.6", "", "50", "7.1", "2.4", "5.3", "", "60"},
    };
    for (int z = 0; z < 8; ++z)
        for (int s = 0; s < 11; ++s)
            if (s != 4 && s != 9) TippeZelle(t, 2 + z, s, z < 3 ? getippt[z][s] : QString());
    Druecke(seite, CWP2Page::kIdTabelleSpeichern);
    EXPECT_FALSE(seite.TabelleBearbeitet());

    // Sorted by source temperature: -7, 2, 7; fields 2..9 from the columns 1, 6, 2, 7, 3, 8, 5, 10.
    const std::array<float, 9> erwartet[3] = {
        {-7, 6.3f, 5.8f, 2.1f, 2.75f, 0, 0, 55, 58},
        {2, 7.6f, 7.1f, 2.0f, 2.4f, 5.6f, 5.3f, 50, 60},
        {7, 9.1f, 8.4f, 2.05f, 2.9f, 7.0f, 6.2f, 55, 60},
    };
    const auto datei = LeistDaten(u"Zeta unit");
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(datei[static_cast<std::size_t>(i)].has_value(), i < 3);
        if (i >= 3) continue;
        const CWPLeistDaten satz(*datei[static_cast<std::size_t>(i)],
                                 {u"Zeta unit", u"LeistDaten"});
        const std::array<float, 9> gelesen = {satz.quellTemp, satz.heiz35,    satz.heiz2,    satz.elektro35, satz.elektro2,
                                              satz.quelle35,  satz.quelle2,   satz.vorlauf2, satz.maxVorlauf};
        // Written with two decimals: the typed values come back to within 0.005.
        for (std::size_t f = 0; f < 9; ++f) EXPECT_NEAR(gelesen[f], erwartet[i][f], 0.005f) << f;
    }
    // The table shows the sorted rows with their coefficients (9.1 / 2.05 = 4.44).
    EXPECT_EQ(t.GetItemText(4, 0), u"7");
    EXPECT_EQ(t.GetItemText(4, 4), u"4.44");
    EXPECT_EQ(t.GetItemText(2, 3), u"n/a");
}

}  // namespace
