// The dialogs of the heat-source pages in the running program: the design test with its
// verdicts on the sample projects, the material data of the layered ground, the user's
// source temperatures, and the earth-air data against the module standing for the
// earth-air module.
#include <gtest/gtest.h>

#include <QLabel>

#include "app/shell/KelvoApp.h"
#include "dialogs/BodenartDlg.h"
#include "dialogs/DlgErdluftDaten.h"
#include "dialogs/DlgQTemp.h"
#include "dialogs/WQTestDlg.h"
#include "evaluation/binding/Erdluft.h"
#include "model/results/AuswertDaten.h"
#include "model/source/WQuelle2.h"
#include "platform/errors/UserException.h"
#include "tests/app/ui/pages/QuellenSeitenFixture.h"

namespace {

using platform::id::NO;
using platform::id::OK;
using platform::id::YES;

class QuellenDialogeTest : public quellentest::QuellenSeitenFixture {
  protected:
    ~QuellenDialogeTest() override { IErdluft::Leeren(); }
    static QString Anzeige(QDialog& d, int id) { return QString::fromStdU16String(ui::childText(&d, id)).trimmed(); }
    static QColor Farbe(QDialog& d, int id) {
        return Element<QLabel>(d, id).palette().color(QPalette::WindowText);
    }
    // The design test of the first source through its page's button; `zeige` sees the
    // dialog, which it then closes.
    void TesteAuslegung(const std::function<void(QDialog&)>& zeige) {
        CWQ1Page& seite = Seite1();
        uitest::dialogs().expectDialog(Sprachtext(4972), [&](QDialog& d) {
            zeige(d);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        Druecke(seite, CWQ1Page::kIdTesten);
    }
};

// The dialog's verdicts and columns by its inputs: the units by kind, red for every verdict
// but "o.k.", "--" in the feed-in column without a plant that feeds in, and the notice box
// before the dialog for air and water.
TEST_F(QuellenDialogeTest, TestDialogAnzeige) {
    Starte();
    struct Fall {
        int art, ok, okMitZusatz, mitEinspeisung;
        unsigned urteil, hinweis;
        const char16_t* einheit;
        bool rot;
    };
    const Fall faelle[] = {
        {0, 1, 0, 0, 3320, 0, u"[W/m]", false},
        {1, 0, 0, 1, 3319, 0, u"[W/m²]", true},
        {5, 0, 1, 1, 3321, 0, u"[W/m²]", true},
        {4, 0, 1, 0, 3321, 0, u"[W/m]", true},
        {2, 0, 0, 0, 3318, 3305, u"[??]", true},
        {6, 1, 0, 0, 3318, 3305, u"[??]", false},
        {3, 0, 0, 0, 3318, 3300, u"[??]", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.art);
        const std::size_t boxen = BoxTexte().size();
        if (f.hinweis) uitest::dialogs().expectMessageBox(OK);
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdUrteil).toStdU16String(), Sprachtext(f.urteil));
            EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdEinheitLeistung).toStdU16String(), f.einheit);
            EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdLeistung), QStringLiteral("31.4"));
            EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdLeistungGrenze), QStringLiteral("50.0"));
            EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdEnergie), QStringLiteral("80.3"));
            EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdEnergieGrenze), QStringLiteral("100.0"));
            EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdEnergieMit), f.mitEinspeisung ? QStringLiteral("60.1") : QStringLiteral("--"));
            EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdEnergieGrenzeMit),
                      f.mitEinspeisung ? QStringLiteral("100.0") : QStringLiteral("--"));
            EXPECT_EQ(Farbe(d, CWQTestDlg::kIdUrteil) == QColor(255, 0, 0), f.rot);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        CWQTestDlg dlg(f.art, f.ok, 31.44f, 50.0f, 80.26f, 100.0f, f.okMitZusatz, 60.07f, f.mitEinspeisung);
        dlg.doModal();
        ASSERT_EQ(BoxTexte().size(), boxen + (f.hinweis ? 1 : 0));
        if (f.hinweis) EXPECT_EQ(BoxTexte().back(), Sprachtext(f.hinweis));
    }
    uitest::dialogs().expectMessageBox(OK);
    EXPECT_THROW(CWQTestDlg(7, 1, 0, 0, 0, 0, 0, 0, 0), platform::UserException);
    EXPECT_TRUE(Enthaelt(BoxTexte().back(), u"CWQTestDlg::OnInitDialog"));
}

// The probe sample passes its design test: the figures of its 2 × 100 m against the limits
// for its ground, the verdict in the default colour, and "--" without a plant that feeds
// the ground. The solar sample has figures with feed-in.
TEST_F(QuellenDialogeTest, AuslegungstestDerBeispiele) {
    CKelvoDoc& doc = Beispiel(u"ground probe monovalent");
    TesteAuslegung([&](QDialog& d) {
        EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdUrteil).toStdU16String(), Sprachtext(3320));
        EXPECT_NE(Farbe(d, CWQTestDlg::kIdUrteil), QColor(255, 0, 0));
        EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdEinheitLeistung).toStdU16String(), u"[W/m]");
        const double leistung = Anzeige(d, CWQTestDlg::kIdLeistung).toDouble();
        const double grenze = Anzeige(d, CWQTestDlg::kIdLeistungGrenze).toDouble();
        EXPECT_GT(leistung, 10.0);
        EXPECT_LE(leistung, grenze);
        EXPECT_LE(Anzeige(d, CWQTestDlg::kIdEnergie).toDouble(), Anzeige(d, CWQTestDlg::kIdEnergieGrenze).toDouble());
        EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdEnergieMit), QStringLiteral("--"));
        EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdEnergieGrenzeMit), QStringLiteral("--"));
    });
    EXPECT_EQ(uitest::dialogs().dialogCaptions().size(), 1u);
    (void)doc;
}

TEST_F(QuellenDialogeTest, AuslegungstestMitSolaranlage) {
    Beispiel(u"ground probe solar");
    TesteAuslegung([&](QDialog& d) {
        EXPECT_NE(Anzeige(d, CWQTestDlg::kIdEnergieMit), QStringLiteral("--"));
        EXPECT_EQ(Anzeige(d, CWQTestDlg::kIdEnergieGrenzeMit), Anzeige(d, CWQTestDlg::kIdEnergieGrenze));
        EXPECT_LE(Anzeige(d, CWQTestDlg::kIdEnergieMit).toDouble(), Anzeige(d, CWQTestDlg::kIdEnergie).toDouble());
    });
}

// The air and the water samples get their notice and no dialog.
TEST_F(QuellenDialogeTest, AuslegungstestLuft) {
    Beispiel(u"air monoenergetic");
    CWQ1Page& seite = Seite1();
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CWQ1Page::kIdTesten);
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3152));
    EXPECT_TRUE(uitest::dialogs().dialogCaptions().empty());
}

TEST_F(QuellenDialogeTest, AuslegungstestWasser) {
    Beispiel(u"ground water bivalent");
    CWQ1Page& seite = Seite1();
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CWQ1Page::kIdTesten);
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3153));
    EXPECT_TRUE(uitest::dialogs().dialogCaptions().empty());
}

// A changed second page must be saved before the test (4768).
TEST_F(QuellenDialogeTest, AuslegungstestErstNachSpeichern) {
    Beispiel(u"ground probe monovalent");
    CWQ2Page& seite2 = Seite2();
    Tippe(seite2, CWQ2Page::kIdVolStrom, QStringLiteral("2.8"));
    ASSERT_EQ(seite2.m_modified, 1);
    CWQ1Page& seite1 = Seite1();
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite1, CWQ1Page::kIdTesten);
    EXPECT_EQ(BoxTexte().back(), Sprachtext(4768));
    EXPECT_TRUE(uitest::dialogs().dialogCaptions().empty());
}

// The material data of the sample's layered ground: its computed values under the name
// "Result of ground stratification", read-only; Escape leaves the dialog open, OK closes it.
TEST_F(QuellenDialogeTest, BodenwerteDerSchichtung) {
    CKelvoDoc& doc = Beispiel(u"ground probe monovalent");
    CWQ1Page& seite = Seite1();
    const float lambda = doc.GetWQuelle(1)->GetWert(ID_Waermeleitzahl).GetFloatVal();
    uitest::dialogs().expectDialog(Sprachtext(4572), [&](QDialog& d) {
        EXPECT_EQ(Anzeige(d, CBodenartDlg::kIdName).toStdU16String(), Sprachtext(3138));
        EXPECT_EQ(Anzeige(d, CBodenartDlg::kIdLeit), QString::number(static_cast<double>(lambda), 'f', 2));
        for (int id : {CBodenartDlg::kIdLeit, CBodenartDlg::kIdKapazitaet, CBodenartDlg::kIdDichte})
            EXPECT_TRUE(Element<QLineEdit>(d, id).isReadOnly());
        uitest::key(d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    Druecke(seite, CWQ1Page::kIdBodenwerte);
    EXPECT_EQ(uitest::dialogs().dialogCaptions().size(), 1u);
}

// Computed values outside the ranges of an entry still let OK close the dialog; a named
// soil is checked.
TEST_F(QuellenDialogeTest, BodenwerteAusserhalbDerGrenzen) {
    Starte();
    uitest::dialogs().expectDialog({}, [&](QDialog& d) { uitest::click(*ui::child(&d, 1), {5, 5}); });
    CBodenartDlg berechnet(CVRMString(), nullptr, 12.0f, 2.0f, 200.0f);
    EXPECT_EQ(berechnet.doModal(), ui::kIdOk);

    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        uitest::dialogs().expectMessageBox(OK);
        uitest::click(*ui::child(&d, 1), {5, 5});
        EXPECT_TRUE(d.isVisible());
        Tippe(d, CBodenartDlg::kIdDichte, QStringLiteral("1800"));
        Tippe(d, CBodenartDlg::kIdLeit, QStringLiteral("2"));
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    CBodenartDlg benannt(u"Sand", nullptr, 2.0f, 2.0f, 200.0f);
    EXPECT_EQ(benannt.doModal(), ui::kIdOk);
    EXPECT_FLOAT_EQ(benannt.m_dichte, 1800.0f);
}

// The user's source temperatures: Yes stores them and the page counts as changed; No, and
// a library source, store nothing and leave the page as it was.
TEST_F(QuellenDialogeTest, Quelltemperaturen) {
    CKelvoDoc& doc = BeispielConf(u"ground probe monovalent");
    CWQ1Page& seite = Seite1();
    Druecke(seite, CWQ1Page::kIdUserTemps);
    ASSERT_TRUE(Element(seite, CWQ1Page::kIdTemperaturen).isEnabled());
    Tippe(seite, CWQ1Page::kIdTiefe[2], QStringLiteral("150"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    ASSERT_EQ(seite.m_modified, 0);
    struct Fall {
        int antwort;
        bool gespeichert;
    };
    for (const Fall f : {Fall{NO, false}, Fall{YES, true}}) {
        SCOPED_TRACE(f.antwort);
        uitest::dialogs().expectDialog(Sprachtext(5187), [&](QDialog& d) {
            Tippe(d, CDlgQTemp::kIdMonat[0], QStringLiteral("3.5"));
            Tippe(d, CDlgQTemp::kIdMonat[11], QStringLiteral("-2"));
            uitest::dialogs().expectMessageBox(f.antwort);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        Druecke(seite, CWQ1Page::kIdTemperaturen);
        std::array<float, 12> temps{};
        doc.GetWQuelle(1)->GetUserQuellTemps(temps);
        EXPECT_EQ(temps[0] == 3.5f && temps[11] == -2.0f, f.gespeichert);
        EXPECT_EQ(seite.m_modified, f.gespeichert ? 1 : 0);
    }
    // A temperature outside -30 to 50 °C keeps the dialog open.
    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        Tippe(d, CDlgQTemp::kIdMonat[5], QStringLiteral("60"));
        uitest::dialogs().expectMessageBox(OK);
        uitest::click(*ui::child(&d, 1), {5, 5});
        EXPECT_TRUE(d.isVisible());
        uitest::click(*ui::child(&d, 2), {5, 5});
    });
    uitest::dialogs().expectMessageBox(NO);
    Druecke(seite, CWQ1Page::kIdTemperaturen);
}

// The dialog belongs to the project of its page, not to the one that is active; a source
// the project does not hold is reported and the dialog does not open.
TEST_F(QuellenDialogeTest, QuelltemperaturenDesEigenenProjekts) {
    CKelvoDoc& eigenes = BeispielConf(u"ground probe monovalent");
    const CVRMString name = Quelle();
    CKelvoDoc* aktives = app->OpenDocumentFile(Projekt(u"ground water bivalent"));
    ASSERT_NE(aktives, nullptr);
    ASSERT_EQ(GetKelvoAppObjekt().GetAktivesKelvoDoc(true), aktives);

    ASSERT_EQ(eigenes.GetWQuelle(0), nullptr);
    const std::size_t dialoge = uitest::dialogs().dialogCaptions().size();
    uitest::dialogs().expectMessageBox(OK);
    CDlgQTemp ohneQuelle(eigenes, CDlgQTemp::kZweiteQuelle, nullptr);
    EXPECT_FALSE(ohneQuelle.SetDateiName(name));
    ASSERT_FALSE(uitest::dialogs().boxes().empty());
    EXPECT_TRUE(Enthaelt(uitest::dialogs().boxes().back().text, Sprachtext(3122)));
    EXPECT_EQ(uitest::dialogs().dialogCaptions().size(), dialoge);

    std::array<float, 12> vorher{};
    aktives->GetWQuelle(1)->GetUserQuellTemps(vorher);
    uitest::dialogs().expectDialog(Sprachtext(5187), [&](QDialog& d) {
        Tippe(d, CDlgQTemp::kIdMonat[0], QStringLiteral("3.5"));
        uitest::dialogs().expectMessageBox(YES);
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    CDlgQTemp dlg(eigenes, CDlgQTemp::kErsteQuelle, nullptr);
    ASSERT_TRUE(dlg.SetDateiName(name));
    EXPECT_EQ(dlg.doModal(), ui::kIdOk);
    std::array<float, 12> temps{}, nachher{};
    eigenes.GetWQuelle(1)->GetUserQuellTemps(temps);
    aktives->GetWQuelle(1)->GetUserQuellTemps(nachher);
    EXPECT_EQ(temps[0], 3.5f);
    EXPECT_EQ(nachher, vorher);
}

TEST_F(QuellenDialogeTest, QuelltemperaturenDerBibliothek) {
    Beispiel(u"ground probe monovalent");
    CWQ1Page& seite = Seite1();
    Druecke(seite, CWQ1Page::kIdUserTemps);
    seite.m_modified = 0;
    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        Tippe(d, CDlgQTemp::kIdMonat[0], QStringLiteral("3.5"));
        uitest::dialogs().expectMessageBox(YES);
        uitest::dialogs().expectMessageBox(OK);  // the library's refusal
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    Druecke(seite, CWQ1Page::kIdTemperaturen);
    EXPECT_EQ(seite.m_modified, 0);
}

// The earth-air data come from the module: the length from the year's heat delivered for
// heating and hot water, the other three by their codes. Without the module nothing is shown.
TEST_F(QuellenDialogeTest, ErdluftDaten) {
    Starte();
    CAuswertDaten jahr;
    jahr.Feld(AF_WPWaermeHeiz) = 11200.4f;
    jahr.Feld(AF_WPWaermeWW) = 2400.3f;
    uitest::dialogs().expectMessageBox(OK);
    EXPECT_THROW(CDlgErdluftDaten ohne(jahr, nullptr), platform::UserException);
    EXPECT_TRUE(uitest::dialogs().dialogCaptions().empty());

    IErdluft::load(std::filesystem::path(VARM_BINDING_MODULE_DIR) / "aussen");
    ASSERT_TRUE(IErdluft::IstGeladen());
    uitest::dialogs().expectDialog(Sprachtext(4612), [&](QDialog& d) {
        EXPECT_EQ(Anzeige(d, CDlgErdluftDaten::kIdLaenge), QStringLiteral("13601"));  // 13600.7 as "%.0f"
        EXPECT_EQ(Anzeige(d, CDlgErdluftDaten::kIdTiefe), QStringLiteral("400"));
        EXPECT_EQ(Anzeige(d, CDlgErdluftDaten::kIdDurchmesser), QStringLiteral("500"));
        EXPECT_EQ(Anzeige(d, CDlgErdluftDaten::kIdBypass), QStringLiteral("600"));
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    CDlgErdluftDaten dlg(jahr, nullptr);
    dlg.doModal();
}

// Air preheating: without the module the source's own temperatures stay as they are; a
// module that refuses the computation is reported and changes nothing either.
TEST_F(QuellenDialogeTest, LuftvorwaermungOhneModul) {
    CKelvoDoc& doc = BeispielConf(u"ground probe monovalent");
    CWQ1Page& seite = Seite1();
    std::array<float, 12> vorher{}, nachher{};
    doc.GetWQuelle(1)->GetUserQuellTemps(vorher);
    auto& box = Element<QAbstractButton>(seite, CWQ1Page::kIdLuftVorw);
    box.setChecked(true);
    uitest::dialogs().expectMessageBox(OK);
    ui::sendCommand(seite, CWQ1Page::kIdLuftVorw);
    doc.GetWQuelle(1)->GetUserQuellTemps(nachher);
    EXPECT_EQ(nachher, vorher);
    EXPECT_EQ(seite.m_art, 0);
    EXPECT_TRUE(Enthaelt(BoxTexte().back(), u"saved as user given data"));

    // The module standing in refuses a negative design temperature (the sample's).
    IErdluft::load(std::filesystem::path(VARM_BINDING_MODULE_DIR) / "aussen");
    uitest::dialogs().expectMessageBox(OK);
    uitest::dialogs().expectMessageBox(OK);
    ui::sendCommand(seite, CWQ1Page::kIdLuftVorw);
    EXPECT_TRUE(Enthaelt(BoxTexte().back(), u"Error with parameter"));
    doc.GetWQuelle(1)->GetUserQuellTemps(nachher);
    EXPECT_EQ(nachher, vorher);
    EXPECT_EQ(seite.m_art, 0);
}

}  // namespace
