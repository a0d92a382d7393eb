// The solar-gains dialog opened from the solar page of the copy of the solar sample, and
// the collector data dialog over the library's collector and a collector of the user:
// typed into their grids, saved, read back from the solar library and the user database.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "controls/grid/InPlaceEdit.h"
#include "dialogs/DlgKollDaten.h"
#include "dialogs/DlgSolGewinne.h"
#include "evaluation/binding/Solar.h"
#include "tests/app/ui/pages/SolarFixture.h"

namespace {

using namespace solartest;

class SolarDialogeTest : public SolarFixture {
  protected:
    // The gains dialog from the page's button, `skript` run on it while it shows.
    void GewinneDialog(const std::function<void(CDlgSolGewinne&)>& skript) {
        CSolarPage& seite = Seite();
        bool gelaufen = false;
        uitest::dialogs().expectDialog(u"Solar inputs", [&](QDialog& d) {
            auto* dlg = dynamic_cast<CDlgSolGewinne*>(&d);
            ASSERT_NE(dlg, nullptr);
            gelaufen = true;
            skript(*dlg);
            if (d.isVisible()) Druecke(d, ui::kIdCancel);
        });
        Druecke(seite, CSolarPage::kIdGewinne);
        EXPECT_TRUE(gelaufen);
    }
    // Types into a grid cell as the user does: click, type, Enter.
    static void Zelle(CGridCtrl& grid, int zeile, int spalte, const QString& text) {
        uitest::click(grid, Mitte(grid, zeile, spalte));
        if (text.isEmpty()) {
            uitest::type(grid, " ");
            ASSERT_NE(grid.InPlaceEditor(), nullptr);
            uitest::key(*grid.InPlaceEditor(), Qt::Key_Backspace);
        } else {
            uitest::type(grid, text.left(1));
            ASSERT_NE(grid.InPlaceEditor(), nullptr);
            if (text.size() > 1) uitest::type(*grid.InPlaceEditor(), text.mid(1));
        }
        uitest::key(*grid.InPlaceEditor(), Qt::Key_Return);
        uitest::processEvents();
    }
    static int Zaehle(const std::vector<std::u16string>& texte, std::u16string_view teil) {
        return static_cast<int>(std::count_if(texte.begin(), texte.end(), [&](const std::u16string& t) {
            return t.find(teil) != std::u16string::npos;
        }));
    }
};

TEST_F(SolarDialogeTest, ANegativeGainIsStoredAsZeroWithOneNotice) {
    Meier();
    uitest::dialogs().expectMessageBox(platform::id::OK);  // 5425, once for both months
    GewinneDialog([&](CDlgSolGewinne& d) {
        Druecke(d, CDlgSolGewinne::kIdAendern[0]);
        ASSERT_TRUE(d.IstEditierbar(1));
        CGridCtrl& grid = *d.Grid(1);
        Zelle(grid, 1, 1, "-5");
        Zelle(grid, 2, 1, "-3");
        Zelle(grid, 3, 1, "7.5");
        Druecke(d, CDlgSolGewinne::kIdSpeichern[0]);
        EXPECT_FALSE(d.IstEditierbar(1));
        EXPECT_EQ(grid.GetItemText(1, 1), u"0.0");
        EXPECT_EQ(grid.GetItemText(3, 1), u"7.5");
        Druecke(d, ui::kIdOk);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(Zaehle(BoxTexte(), u"lower than 0 kWh"), 1);
    EXPECT_EQ(BoxTexte().size(), 1u) << QString::fromStdU16String(BoxTexte().at(0)).toStdString();
    CSolareGewinne g(1);
    ISolar::GetSolareGewinne(CVRMString(kMeierAnlage), 1, g);
    EXPECT_FLOAT_EQ(g.GetGewinnWert(0), 0.0f);
    EXPECT_FLOAT_EQ(g.GetGewinnWert(2), 7.5f);
    const std::u16string januar = Datei(kMeierAnlage, u"SolarGewinnW0");
    EXPECT_NE(januar.find(u"#0.00#"), std::u16string::npos) << QString::fromStdU16String(januar).toStdString();
}

TEST_F(SolarDialogeTest, ALossChangeRaisesTheHotWaterTemperatureShown) {
    Meier();
    GewinneDialog([&](CDlgSolGewinne& d) {
        const int temp = d.m_wawaTemp;
        const unsigned verlust = d.m_wawaVerlust;
        EXPECT_GT(temp, 40);
        Tippe(d, CDlgSolGewinne::kIdWawaVerlust, QString::number(verlust + 3));
        uitest::key(Element<QLineEdit>(d, CDlgSolGewinne::kIdWawaVerlust), Qt::Key_Return);
        uitest::processEvents();
        EXPECT_EQ(Text(d, CDlgSolGewinne::kIdWawaTemp), QString::number(temp + 3));
        EXPECT_EQ(d.m_modified, 1);
    });
}

// With the plant's feed temperatures not yet set (0), a lowered loss once wrapped the
// temperature round to about 4.29e9 °C; it stays within 0..150 °C whatever is typed.
TEST_F(SolarDialogeTest, ALossChangeKeepsTheTemperatureInRange) {
    struct Fall {
        int verlustId, tempId;
        TKelvoDatenID tempWert, verlustWert;
        const char* getippt;
        const char* gezeigt;  // the temperature shown afterwards
    };
    const Fall faelle[] = {
        // 0 + 2 - 5 = -3: no feed below 0 °C
        {CDlgSolGewinne::kIdWawaVerlust, CDlgSolGewinne::kIdWawaTemp, ID_SolSollTemp,
         ID_SolTauschVerlust, "2", "0"},
        {CDlgSolGewinne::kIdHeizVerlust, CDlgSolGewinne::kIdHeizTemp, ID_SolSollTempH,
         ID_SolTauschVerlustH, "2", "0"},
        // 0 + 9 - 5 = 4
        {CDlgSolGewinne::kIdHeizVerlust, CDlgSolGewinne::kIdHeizTemp, ID_SolSollTempH,
         ID_SolTauschVerlustH, "9", "4"},
        // 0 + 4000000000 - 5 is no temperature: 150 °C at most
        {CDlgSolGewinne::kIdWawaVerlust, CDlgSolGewinne::kIdWawaTemp, ID_SolSollTemp,
         ID_SolTauschVerlust, "4000000000", "150"},
    };
    Meier();
    for (const Fall& f : faelle) {
        ISolar::set(CVRMString(kMeierAnlage), f.tempWert, CVRMVariant(0u), 0);
        ISolar::set(CVRMString(kMeierAnlage), f.verlustWert, CVRMVariant(5u), 0);
        GewinneDialog([&](CDlgSolGewinne& d) {
            EXPECT_EQ(Text(d, f.tempId), QStringLiteral("0"));
            Tippe(d, f.verlustId, QString::fromLatin1(f.getippt));
            uitest::key(Element<QLineEdit>(d, f.verlustId), Qt::Key_Return);
            uitest::processEvents();
            EXPECT_EQ(Text(d, f.tempId), QString::fromLatin1(f.gezeigt)) << f.getippt;
        });
    }
    EXPECT_TRUE(BoxTexte().empty());
}

TEST_F(SolarDialogeTest, OkOrCancelWhileAGridIsEditedKeepTheDialogOpen) {
    Meier();
    uitest::dialogs().expectMessageBox(platform::id::OK);
    uitest::dialogs().expectMessageBox(platform::id::OK);
    GewinneDialog([&](CDlgSolGewinne& d) {
        Druecke(d, CDlgSolGewinne::kIdAendern[2]);
        for (int id : {ui::kIdOk, ui::kIdCancel}) {
            Druecke(d, id);
            EXPECT_TRUE(d.isVisible()) << id;
        }
        Druecke(d, CDlgSolGewinne::kIdAbbrechen[2]);
        EXPECT_FALSE(d.IstEditierbar(3));
    });
    EXPECT_EQ(Zaehle(BoxTexte(), u"end the editing of the table"), 2);
}

// OK after a change of a loss writes the losses only: the grids the user left alone keep
// their months, the empty ones empty (not 0 kWh at 1.0 °C with a notice).
TEST_F(SolarDialogeTest, OkSendsOnlyTheGridsTheUserSaved) {
    Meier();
    const auto gewinne = DateiGewinne();
    ASSERT_NE(std::count(gewinne.begin(), gewinne.end(), std::u16string()), 0);
    GewinneDialog([&](CDlgSolGewinne& d) {
        EXPECT_EQ(d.Grid(3)->GetItemText(1, 1), u"n/a");
        Tippe(d, CDlgSolGewinne::kIdErdVerlust, "7");
        Druecke(d, ui::kIdOk);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(BoxTexte().empty());
    EXPECT_EQ(DateiGewinne(), gewinne);
    EXPECT_EQ(ISolar::get(CVRMString(kMeierAnlage), ID_SolTauschVerlustE).GetUIntVal(), 7u);
}

// A loss into hot water raised by 3 K raises the feed temperature shown by 3 K; OK stores
// the hot-water gains at it: every entered month keeps its gain at the new temperature, a
// month never entered stays empty, and the heating and ground gains stay as they were.
TEST_F(SolarDialogeTest, OkStoresTheHotWaterGainsAtTheNewFeedTemperature) {
    Meier();
    const CVRMString anlage(kMeierAnlage);
    CSolareGewinne w(1);
    ISolar::GetSolareGewinne(anlage, 1, w);
    w.DeleteGewinn(5);  // June never entered
    ISolar::SetSolareGewinne(anlage, 1, w);
    ISolar::SaveDaten(anlage);
    const auto vorher = DateiGewinne();
    ASSERT_EQ(vorher[5], u"");
    unsigned neueTemp = 0;
    GewinneDialog([&](CDlgSolGewinne& d) {
        neueTemp = d.m_wawaTemp + 3;
        Tippe(d, CDlgSolGewinne::kIdWawaVerlust, QString::number(d.m_wawaVerlust + 3));
        uitest::key(Element<QLineEdit>(d, CDlgSolGewinne::kIdWawaVerlust), Qt::Key_Return);
        uitest::processEvents();
        ASSERT_EQ(d.m_wawaTemp, neueTemp);
        Druecke(d, ui::kIdOk);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(BoxTexte().empty());
    const auto nachher = DateiGewinne();
    const std::u16string temp = QString::asprintf("%.2f#", static_cast<double>(neueTemp)).toStdU16String();
    for (size_t m = 0; m < 12; ++m) {
        SCOPED_TRACE(m);
        if (vorher[m].empty()) {
            EXPECT_EQ(nachher[m], u"");
            continue;
        }
        // "temperature#gain#": the gain part unchanged.
        EXPECT_EQ(nachher[m], temp + vorher[m].substr(vorher[m].find(u'#') + 1));
    }
    EXPECT_TRUE(std::equal(vorher.begin() + 12, vorher.end(), nachher.begin() + 12));
}

TEST_F(SolarDialogeTest, ScreenshotGains) {
    Meier();
    GewinneDialog([&](CDlgSolGewinne& d) { uitest::saveArtifact(d, "solar-gains"); });
}

class KollektorDialogTest : public SolarDialogeTest {
  protected:
    void KollektorDialog(const CVRMString& kollektor, const std::function<void(CDlgKollDaten&)>& skript) {
        bool gelaufen = false;
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            auto* dlg = dynamic_cast<CDlgKollDaten*>(&d);
            ASSERT_NE(dlg, nullptr);
            gelaufen = true;
            skript(*dlg);
            if (d.isVisible()) Druecke(d, ui::kIdCancel);
        });
        CDlgKollDaten dlg(CVRMString(kMeierAnlage), kollektor, app->GetMainFrame());
        dlg.doModal();
        EXPECT_TRUE(gelaufen);
    }
    // A collector of the user with the yields of the plant's library collector.
    CVRMString EigenerKollektor() {
        CVRMString name(u"Mein Kollektor");
        EXPECT_EQ(AddNeuesObjekt(10, name), 1);
        std::vector<SKollektorErtrag> records;
        ISolar::GetKollektorErtraege(Bibliothekskollektor(), records);
        EXPECT_GE(records.size(), 3u);
        CVRMStringArray texte;
        for (const SKollektorErtrag& r : records) {
            std::u16string t = QString::number(r.key).toStdU16String() + u"#";
            for (float e : r.ertraege) t += QString::number(e, 'f', 1).toStdU16String() + u"#";
            texte.push_back(CVRMString(t));
        }
        ISolar::SetKollektorErtraege(name, texte);
        return name;
    }
    CVRMString Bibliothekskollektor() {
        return ISolar::get(CVRMString(kMeierAnlage), ID_SolKollBez).GetStringVal();
    }
    static size_t Zeilen(const CVRMString& kollektor) {
        std::vector<SKollektorErtrag> records;
        ISolar::GetKollektorErtraege(kollektor, records);
        return records.size();
    }
};

TEST_F(KollektorDialogTest, ALibraryCollectorCannotBeEdited) {
    Meier();
    uitest::dialogs().expectMessageBox(platform::id::OK);
    KollektorDialog(Bibliothekskollektor(), [&](CDlgKollDaten& d) {
        EXPECT_NE(d.Grid()->GetItemText(1, 0), u"");
        Druecke(d, CDlgKollDaten::kIdAendern);
        EXPECT_FALSE(d.IstEditierbar());
        uitest::saveArtifact(d, "collector-data");
    });
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_EQ(Zaehle(BoxTexte(), u"This is a Solar collector from the database."), 1);
}

TEST_F(KollektorDialogTest, TheYieldRowsStopAtTheFirstEmptyTemperature) {
    Meier();
    const CVRMString kollektor = EigenerKollektor();
    const size_t vorher = Zeilen(kollektor);
    KollektorDialog(kollektor, [&](CDlgKollDaten& d) {
        Druecke(d, CDlgKollDaten::kIdAendern);
        ASSERT_TRUE(d.IstEditierbar());
        Zelle(*d.Grid(), 3, 0, "");
        Druecke(d, CDlgKollDaten::kIdSpeichern);
        EXPECT_FALSE(d.IstEditierbar());
        Druecke(d, ui::kIdOk);
    });
    EXPECT_TRUE(BoxTexte().empty());
    EXPECT_GT(vorher, 2u);
    EXPECT_EQ(Zeilen(kollektor), 2u);
}

TEST_F(KollektorDialogTest, AnEmptyMonthStopsTheSaveAndNamesItsCell) {
    Meier();
    const CVRMString kollektor = EigenerKollektor();
    const size_t vorher = Zeilen(kollektor);
    uitest::dialogs().expectMessageBox(platform::id::OK);  // 3586
    uitest::dialogs().expectMessageBox(platform::id::OK);  // 3094
    KollektorDialog(kollektor, [&](CDlgKollDaten& d) {
        Druecke(d, CDlgKollDaten::kIdAendern);
        Zelle(*d.Grid(), 2, 5, "");
        Druecke(d, CDlgKollDaten::kIdSpeichern);
    });
    ASSERT_EQ(BoxTexte().size(), 2u);
    EXPECT_NE(BoxTexte()[0].find(u"Solar collector data missing!"), std::u16string::npos);
    EXPECT_NE(BoxTexte()[0].find(u"Row 2, col 5"), std::u16string::npos);
    EXPECT_NE(BoxTexte()[1].find(u"Error when saving data"), std::u16string::npos);
    EXPECT_EQ(Zeilen(kollektor), vorher);
}

}  // namespace
