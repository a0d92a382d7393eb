// The tariff page in the running program: a new tariff of the user's database in the
// master-data sheet with the checks of its windows and blocking hours, the own prices, the
// question for a tariff that projects use, a library tariff that stays read-only, the
// page embedded in a project, and the months dialog.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/frame/MainFrame.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/DelKompDlg.h"
#include "dialogs/MonateDlg.h"
#include "model/tariff/Tarif2.h"
#include "pages/TarifPage.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace {

using platform::id::NO;
using platform::id::OK;
using platform::id::YES;
using P = CTarifPage;

// The text as the message boxes and controls show it.
std::u16string Sprachtext(unsigned id) {
    CVRMString text;
    text.LoadStringW(id);
    return text;
}

class TarifPageTest : public seitentest::SeitenFixture {
  protected:
    // A new tariff of the user's database through File > New tariff, in the master-data
    // sheet.
    P& NeuerTarif(const QString& name) {
        if (!app) Starte();
        CMainFrame& frame = *app->GetMainFrame();
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            uitest::type(*ui::child(&d, 1033), name);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        frame.Router().updateActions(frame.menuBar()->actions());
        QAction* neu = ui::findAction(frame.menuBar(), 32833);
        EXPECT_NE(neu, nullptr);
        if (neu) neu->trigger();
        uitest::processEvents();
        P* seite = dynamic_cast<P*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif));
        EXPECT_NE(seite, nullptr);
        EXPECT_TRUE(seite && seite->isVisible());
        EXPECT_EQ(seite->TarifName(), name.toStdU16String());
        return *seite;
    }
    CKVSDatenSheet& Stammdaten() { return app->GetStammdatenSheet(); }
    static void Haken(QWidget& seite, int id, bool an) {
        auto& box = Element<QAbstractButton>(seite, id);
        if (box.isChecked() != an) Druecke(seite, id);
    }
    std::vector<std::u16string> BoxTexteAb(std::size_t ab) const {
        const auto alle = BoxTexte();
        return {alle.begin() + static_cast<std::ptrdiff_t>(std::min(ab, alle.size())), alle.end()};
    }
};

// Each case types windows and blocking hours into the same new tariff and saves; the
// questions are answered as listed. A refused save leaves the database file as it was.
TEST_F(TarifPageTest, FensterUndSperrzeitenBeimSpeichern) {
    P& seite = NeuerTarif(QStringLiteral("Stadtwerke 2026"));
    struct Fall {
        const char* was;
        bool tag, nacht;
        const char* von1; const char* bis1; const char* von2; const char* bis2;
        const char* sperr1; const char* sperr2;
        std::vector<std::pair<unsigned, int>> boxen;  // text id (0: a range refusal), answer
        bool gespeichert;
    };
    const Fall faelle[] = {
        {"6-22 with 22-6", true, true, "6", "22", "22", "6", "0", "0", {}, true},
        {"6-22 with 21-6", true, true, "6", "22", "21", "6", "0", "0", {{3246, OK}}, false},
        {"day 8-14, asked, No", true, true, "8", "14", "14", "8", "0", "0", {{3244, NO}}, false},
        {"day 8-14, asked, Yes", true, true, "8", "14", "14", "8", "0", "0", {{3244, YES}}, true},
        {"night 22-4 not asked", true, true, "4", "22", "22", "4", "0", "0", {}, true},
        {"blocking 3.5 + 3.0, No", true, true, "6", "22", "22", "6", "3.5", "3.0", {{3243, NO}}, false},
        {"blocking 3.5 + 3.0, Yes", true, true, "6", "22", "22", "6", "3.5", "3.0", {{3243, YES}}, true},
        {"blocking 3.0 + 3.0", true, true, "6", "22", "22", "6", "3.0", "3.0", {}, true},
        {"day alone 0-0", true, false, "0", "0", "22", "6", "0", "0", {}, true},
        {"blocking 10.5", true, true, "6", "22", "22", "6", "10.5", "0", {{0, OK}}, false},
        {"hour 24", true, true, "6", "24", "24", "6", "0", "0", {{0, OK}}, false},
    };
    const CVRMString name = seite.TarifName();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Haken(seite, P::kIdTag, true);
        Haken(seite, P::kIdNacht, true);
        Tippe(seite, P::kIdVon1, QString::fromUtf8(f.von1));
        Tippe(seite, P::kIdBis1, QString::fromUtf8(f.bis1));
        Tippe(seite, P::kIdVon2, QString::fromUtf8(f.von2));
        Tippe(seite, P::kIdBis2, QString::fromUtf8(f.bis2));
        Tippe(seite, P::kIdSperr1, QString::fromUtf8(f.sperr1));
        Tippe(seite, P::kIdSperr2, QString::fromUtf8(f.sperr2));
        if (!f.nacht) Haken(seite, P::kIdNacht, false);
        ASSERT_EQ(seite.m_modified, 1);
        const std::size_t vorher = BoxTexte().size();
        const auto datei = Bytes();
        for (const auto& [text, antwort] : f.boxen) uitest::dialogs().expectMessageBox(antwort);
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        const auto texte = BoxTexteAb(vorher);
        ASSERT_EQ(texte.size(), f.boxen.size());
        for (std::size_t i = 0; i < texte.size(); ++i) {
            if (f.boxen[i].first)
                EXPECT_EQ(texte[i], Sprachtext(f.boxen[i].first));
            else
                EXPECT_NE(texte[i].find(u"between"), std::u16string::npos);
        }
        EXPECT_EQ(seite.m_modified, f.gespeichert ? 0 : 1);
        if (!f.gespeichert) {
            EXPECT_EQ(Bytes(), datei);
            continue;
        }
        EXPECT_EQ(Eintrag(name, u"Von1"), std::optional<std::u16string>(QString::fromUtf8(f.von1).toStdU16String()));
        EXPECT_EQ(Eintrag(name, u"Bis2"), std::optional<std::u16string>(QString::fromUtf8(f.bis2).toStdU16String()));
        EXPECT_EQ(Eintrag(name, u"Tarif2"), std::optional<std::u16string>(f.nacht ? u"1" : u"0"));
    }
    // The master-data sheet names the tariff in its title.
    EXPECT_EQ(Stammdaten().windowTitle().toStdU16String(), Sprachtext(3384) + u" - " + std::u16string(name));
}

// Unticking the last tariff ticks both again; the windows follow their tariff.
TEST_F(TarifPageTest, MindestensEinTarif) {
    P& seite = NeuerTarif(QStringLiteral("Nur Nacht"));
    Druecke(seite, P::kIdTag);
    EXPECT_FALSE(Element(seite, P::kIdVon1).isEnabled());
    EXPECT_FALSE(Element(seite, P::kIdSperr1).isEnabled());
    EXPECT_TRUE(Element(seite, P::kIdVon2).isEnabled());
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, P::kIdNacht);
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3249));
    EXPECT_TRUE(Element<QAbstractButton>(seite, P::kIdTag).isChecked());
    EXPECT_TRUE(Element<QAbstractButton>(seite, P::kIdNacht).isChecked());
    EXPECT_TRUE(Element(seite, P::kIdVon1).isEnabled());
}

// The arrows beside the hours step them by one within 0 to 23, as typed entries.
TEST_F(TarifPageTest, PfeileStellenStunden) {
    P& seite = NeuerTarif(QStringLiteral("Pfeile"));
    struct Fall {
        int spin, feld;
        const char* vorher;
        int richtung;
        const char* nachher;
    };
    const Fall faelle[] = {
        {P::kIdSpinVon1, P::kIdVon1, "22", 1, "23"}, {P::kIdSpinVon1, P::kIdVon1, "23", 1, "23"},
        {P::kIdSpinBis1, P::kIdBis1, "10", -1, "9"}, {P::kIdSpinBis2, P::kIdBis2, "0", -1, "0"},
        {P::kIdSpinVon2, P::kIdVon2, "", 1, "0"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.vorher);
        Element<QLineEdit>(seite, f.feld).setText(QString::fromUtf8(f.vorher));
        const auto knoepfe = Element(seite, f.spin).findChildren<QAbstractButton*>();
        ASSERT_EQ(knoepfe.size(), 2);
        uitest::click(*knoepfe[f.richtung > 0 ? 0 : 1], knoepfe[0]->rect().center());
        EXPECT_EQ(Text(seite, f.feld), QString::fromUtf8(f.nachher));
    }
    EXPECT_EQ(seite.m_modified, 1);
}

// An own price for the heating elements and the circulation pumps: its field opens with its
// radio button, and the record keeps the price with "same as heat pump" off.
TEST_F(TarifPageTest, EigenePreise) {
    P& seite = NeuerTarif(QStringLiteral("Eigene Preise"));
    const CVRMString name = seite.TarifName();
    for (int i = 0; i < 4; ++i) {
        Druecke(seite, P::kIdGleich[i]);
        EXPECT_FALSE(Element(seite, P::kIdPreisEigen[i]).isEnabled()) << i;
    }
    Druecke(seite, P::kIdEigen[0]);
    EXPECT_TRUE(Element(seite, P::kIdPreisEigen[0]).isEnabled());
    Tippe(seite, P::kIdPreisEigen[0], QStringLiteral("24.5"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Eintrag(name, u"P3wieWP"), std::optional<std::u16string>(u"0"));
    EXPECT_EQ(Eintrag(name, u"Preis3"), std::optional<std::u16string>(u"24.500000"));
    for (const char16_t* key : {u"P4wieWP", u"P5wieWP", u"P6wieWP"})
        EXPECT_EQ(Eintrag(name, key), std::optional<std::u16string>(u"1"));
}

// A tariff that a project uses: saving asks first; No keeps the file as it was.
TEST_F(TarifPageTest, TarifEinesProjektsNurNachFrage) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    P& seite = NeuerTarif(QStringLiteral("Gemeinsam"));
    ASSERT_EQ(doc.SetProjektDaten(ID_Tarif, seite.TarifName(), 1), 1);
    Tippe(seite, P::kIdPreis1, QStringLiteral("30"));
    const auto datei = Bytes();
    uitest::dialogs().expectMessageBox(NO);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3818));
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_EQ(Bytes(), datei);
    uitest::dialogs().expectMessageBox(YES);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Eintrag(seite.TarifName(), u"Preis1"), std::optional<std::u16string>(u"30.000000"));
    // The project's tariff took the new price.
    EXPECT_FLOAT_EQ(doc.Tarif().GetWert(ID_Preis1).GetFloatVal(), 30.0f);
}

// Delete components is refused while the master data hold unsaved entries; otherwise the
// deleted tariff is gone from the master data too: shown again, they neither show it nor
// write it back.
TEST_F(TarifPageTest, KomponentenLoeschenNichtUnterDenStammdaten) {
    P& seite = NeuerTarif(QStringLiteral("Weg"));
    Tippe(seite, P::kIdPreis1, QStringLiteral("30"));
    const auto datei = Bytes();
    CMainFrame& frame = *app->GetMainFrame();
    const auto loeschen = [&] {
        frame.Router().updateActions(frame.menuBar()->actions());
        ui::findAction(frame.menuBar(), 32840)->trigger();
        uitest::processEvents();
    };
    uitest::dialogs().expectMessageBox(OK);
    loeschen();
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3581));
    EXPECT_TRUE(seite.isVisible());
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_EQ(Bytes(), datei);

    Druecke(seite, CEingabeSeite::kIdSpeichern);
    ASSERT_EQ(Eintrag(u"Weg", u"Preis1"), std::optional<std::u16string>(u"30.000000"));
    uitest::dialogs().expectDialog(Sprachtext(4586), [&](QDialog& d) {
        auto& dlg = static_cast<CDelKompDlg&>(d);
        QTreeWidgetItem* gruppe = dlg.Gruppe(LISTE_TARIFE);
        ASSERT_NE(gruppe, nullptr);
        ASSERT_EQ(gruppe->childCount(), 1);
        dlg.Baum()->setCurrentItem(gruppe->child(0));
        uitest::dialogs().expectMessageBox(YES);
        uitest::click(*ui::child(&dlg, CDelKompDlg::kIdcLoeschen), {5, 5});
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    loeschen();
    EXPECT_EQ(Eintrag(u"Weg", u"Preis1"), std::nullopt);

    frame.Router().updateActions(frame.menuBar()->actions());
    ui::findAction(frame.menuBar(), 32835)->trigger();
    uitest::processEvents();
    auto* neu = dynamic_cast<P*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif));
    ASSERT_NE(neu, nullptr);
    ASSERT_TRUE(neu->isVisible());
    EXPECT_NE(neu->TarifName(), u"Weg");
    EXPECT_EQ(Element<QComboBox>(*neu, P::kIdAuswahl).findText(QStringLiteral("Weg")), -1);
    EXPECT_EQ(Eintrag(u"Weg", u"Preis1"), std::nullopt);
}

// Opened from the project window the page follows the active project's tariff; entries
// for the tariff it shows are asked about first. Cancel keeps the tariff and the entries,
// No drops them, Yes saves them; No and Yes then show the project's tariff.
TEST_F(TarifPageTest, FolgtDemProjektErstNachDerFrage) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    const CVRMString andererTarif = doc.ProjektText(ID_Tarif);
    NeuerTarif(QStringLiteral("Eigen"));
    struct Fall {
        const char* name;
        int antwort;
        CVRMString zeigt;
        bool geaendert;
        const char16_t* preis;
    };
    const Fall faelle[] = {
        {"cancel", platform::id::CANCEL, u"Eigen", true, nullptr},
        {"no", NO, andererTarif, false, nullptr},
        {"yes", YES, andererTarif, false, u"41.000000"},
    };
    CKVSDatenSheet& sheet = Stammdaten();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        // The project uses the user's tariff; its page, from the project window, shows it.
        ASSERT_EQ(doc.SetProjektDaten(ID_Tarif, CVRMString(u"Eigen"), 1), 1);
        app->BearbeiteTarif(0);
        uitest::processEvents();
        auto* seite = dynamic_cast<P*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif));
        ASSERT_NE(seite, nullptr);
        ASSERT_EQ(seite->TarifName(), u"Eigen");
        Tippe(*seite, P::kIdPreis1, QStringLiteral("41"));
        ASSERT_EQ(seite->m_modified, 1);
        const auto preisVorher = Eintrag(u"Eigen", u"Preis1");
        // The user goes to the heat-pump page; meanwhile the project takes another tariff.
        ASSERT_TRUE(sheet.setActivePage(sheet.indexOf(app->GetStammSeite(CKVSDatenSheetProtokoll::kWP2))));
        ASSERT_EQ(doc.SetProjektDaten(ID_Tarif, andererTarif, 1), 1);
        const std::size_t boxen = BoxTexte().size();
        uitest::dialogs().expectMessageBox(f.antwort);
        sheet.setActivePage(sheet.indexOf(seite));
        uitest::processEvents();
        ASSERT_GT(BoxTexte().size(), boxen);
        EXPECT_EQ(BoxTexte()[boxen], Sprachtext(3232));  // "Save changed tariff data?"
        EXPECT_EQ(seite->TarifName(), f.zeigt);
        EXPECT_EQ(seite->m_modified, f.geaendert ? 1 : 0);
        EXPECT_EQ(Eintrag(u"Eigen", u"Preis1"),
                  f.preis ? std::optional<std::u16string>(f.preis) : preisVorher);
        if (f.geaendert) {
            // Dropped, for the next case to start from the stored tariff.
            uitest::dialogs().expectMessageBox(NO);
            ASSERT_EQ(seite->CancelModifiedData(0), 1);
        }
    }
}

// A library tariff is shown, not edited: its fields and buttons stay off.
TEST_F(TarifPageTest, BibliotheksTarifNurLesen) {
    Starte();
    app->BearbeiteTarif(1);
    uitest::processEvents();
    auto* seite = dynamic_cast<P*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif));
    ASSERT_NE(seite, nullptr);
    ASSERT_TRUE(seite->isVisible());
    ASSERT_NE(seite->TarifName().find(Sprachtext(3621)), CVRMString::npos);
    for (int id : {P::kIdTag, P::kIdNacht, P::kIdVon1, P::kIdPreis2, P::kIdSperr1, P::kIdGleich[0], P::kIdWochenende})
        EXPECT_FALSE(Element(*seite, id).isEnabled()) << id;
    EXPECT_TRUE(Element(*seite, P::kIdMonate).isEnabled());
    EXPECT_FALSE(Element(*seite, CEingabeSeite::kIdSpeichern).isEnabled());
    EXPECT_EQ(seite->m_modified, 0);
}

// Choosing a tariff in the box: embedded in a project's sheet it becomes the project's
// tariff; in the master-data sheet the project keeps its own.
TEST_F(TarifPageTest, AuswahlAendertNurEingebettetDasProjekt) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    P& stamm = NeuerTarif(QStringLiteral("Zweiter Tarif"));
    const CVRMString eigenerTarif = doc.ProjektText(ID_Tarif);
    ASSERT_NE(eigenerTarif, stamm.TarifName());

    auto* eingebettet = new P(1);
    doc.DatenSheet().AddDatenPage(eingebettet);
    eingebettet->LoadKomponente(eigenerTarif, doc.GetProjektName(), CVRMString());
    doc.DatenSheet().setActivePage(doc.DatenSheet().indexOf(eingebettet));
    doc.DatenSheet().show();
    uitest::processEvents();
    EXPECT_FALSE(Element(*eingebettet, CEingabeSeite::kIdSpeichern).isVisible());

    const auto waehle = [](P& seite, const CVRMString& name) {
        auto& box = Element<QComboBox>(seite, P::kIdAuswahl);
        const int index = box.findText(QString::fromStdU16String(name));
        ASSERT_GE(index, 0);
        box.setCurrentIndex(index);
        emit box.activated(index);
        uitest::processEvents();
    };
    // The master-data page shows another tariff; the project keeps its own.
    waehle(stamm, eigenerTarif);
    EXPECT_EQ(stamm.TarifName(), eigenerTarif);
    EXPECT_EQ(doc.ProjektText(ID_Tarif), eigenerTarif);
    // Embedded, the choice is the project's tariff.
    waehle(*eingebettet, CVRMString(u"Zweiter Tarif"));
    EXPECT_EQ(eingebettet->TarifName(), u"Zweiter Tarif");
    EXPECT_EQ(doc.ProjektText(ID_Tarif), u"Zweiter Tarif");
    EXPECT_EQ(doc.Tarif().getConsumerName(), u"Zweiter Tarif");
}

// The months dialog on its own: shares as handed in without a click, whole months after one.
TEST_F(TarifPageTest, MonateDialog) {
    Starte();
    struct Fall {
        const char* was;
        std::vector<int> klicks;  // month indices clicked
        bool abbrechen;
        std::vector<int> antworten;  // answers to "Dropping changes ?"
        int ergebnis;
        float januar, februar;
    };
    const Fall faelle[] = {
        {"OK without a click keeps 0.5", {}, false, {}, ui::kIdOk, 0.5f, 0.0f},
        {"a click makes whole months", {1, 1}, false, {}, ui::kIdOk, 1.0f, 0.0f},
        {"February ticked", {1}, false, {}, ui::kIdOk, 1.0f, 1.0f},
        {"January unticked", {0}, false, {}, ui::kIdOk, 0.0f, 0.0f},
        {"Cancel without a click", {}, true, {}, ui::kIdCancel, 0.5f, 0.0f},
        {"Cancel after a click: No stays, Yes drops", {1}, true, {NO, YES}, ui::kIdCancel, 0.5f, 0.0f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        float werte[12] = {0.5f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.25f};
        CMonateDlg dlg(werte, app->GetMainFrame());
        const std::size_t vorher = BoxTexte().size();
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            EXPECT_TRUE(Element<QAbstractButton>(d, CMonateDlg::kIdJanuar).isChecked());
            EXPECT_FALSE(Element<QAbstractButton>(d, CMonateDlg::kIdJanuar + 1).isChecked());
            for (int m : f.klicks) Druecke(d, CMonateDlg::kIdJanuar + m);
            for (int a : f.antworten) uitest::dialogs().expectMessageBox(a);
            if (!f.abbrechen) {
                Druecke(d, ui::kIdOk);
                return;
            }
            for (std::size_t i = 0; i < std::max<std::size_t>(f.antworten.size(), 1); ++i) Druecke(d, ui::kIdCancel);
        });
        EXPECT_EQ(dlg.doModal(), f.ergebnis);
        EXPECT_EQ(BoxTexteAb(vorher).size(), f.antworten.size());
        for (const auto& t : BoxTexteAb(vorher)) EXPECT_EQ(t, Sprachtext(3304));
        if (f.ergebnis != ui::kIdOk) continue;
        EXPECT_FLOAT_EQ(dlg.Werte()[0], f.januar);
        EXPECT_FLOAT_EQ(dlg.Werte()[1], f.februar);
        EXPECT_FLOAT_EQ(dlg.Werte()[11], f.klicks.empty() ? 0.25f : 1.0f);
    }
}

// From the page: unticking every month stores twelve zeros in the tariff.
TEST_F(TarifPageTest, MonateDerSeiteGespeichert) {
    P& seite = NeuerTarif(QStringLiteral("Sommerpause"));
    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        for (int m = 0; m < CMonateDlg::kMonate; ++m) Haken(d, CMonateDlg::kIdJanuar + m, false);
        Druecke(d, ui::kIdOk);
    });
    Druecke(seite, P::kIdMonate);
    CTarif2 tarif;
    CVRMdatenProvider::get().fill(tarif, seite.TarifName());
    CTarif2::MonatsAnteile anteile{};
    tarif.getTarif1Monate(anteile);
    for (float a : anteile) EXPECT_EQ(a, 0.0f);
    EXPECT_TRUE(Eintrag(seite.TarifName(), u"Tarif1Monate").has_value());
}

}  // namespace
