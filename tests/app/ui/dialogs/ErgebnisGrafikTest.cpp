// The result charts in the running program on the shipped sample projects: the house
// results from the button bar, the heat-source results of one and of two sources, the
// energy coverage and the plant expenditure factor from the menu. Each shows what the
// project's evaluation yields; pictures of each for the manual.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>

#include "app/doc/KelvoDoc.h"
#include "app/frame/LeftBarBkgnd.h"
#include "app/frame/MainFrame.h"
#include "controls/buttons/ShadeButtonST.h"
#include "controls/chart/HMXChart.h"
#include "dialogs/DlgAufwandszahl.h"
#include "dialogs/DlgEdGrafik.h"
#include "dialogs/ErgebnisGrafikBefehle.h"
#include "dialogs/KelvoView2Dlg.h"
#include "dialogs/KelvoViewDlg.h"
#include "dialogs/ProjektDlg.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/ProgrammFixture.h"

namespace {

using programmtest::ProgrammFixture;

constexpr int kHausKnopf = 4;    // the button bar's "Building results"
constexpr int kQuellKnopf = 5;   // the button bar's "Heat source results"

QString Text(QWidget& dlg, int id) {
    QWidget* w = ui::child(&dlg, id);
    if (auto* feld = qobject_cast<QLineEdit*>(w)) return feld->text();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    return QStringLiteral("<none>");
}

CHMXChart& Chart(QWidget& dlg, int id) {
    auto* chart = dynamic_cast<CHMXChart*>(ui::child(&dlg, id));
    EXPECT_NE(chart, nullptr);
    return *chart;
}

double Punkt(const CHMXChart& chart, int ds, int i) {
    double v = 0.0;
    chart.GetData(ds, i, v);
    return v;
}

CVRMString Legende(const CHMXChart& chart, int ds) {
    CVRMString l;
    chart.GetLegend(ds, l);
    return l;
}

class ErgebnisGrafikTest : public ProgrammFixture {
  protected:
    void Knopf(int index) {
        CShadeButtonST* knopf = Frame().LeftBar()->Knopf(index);
        Frame().Router().idle().runNow();
        ASSERT_TRUE(knopf->isEnabled());
        uitest::click(*knopf, {10, 10});
        uitest::processEvents();
    }
    void Menue(int befehl) {
        QAction* a = Befehl(befehl);
        ASSERT_NE(a, nullptr) << befehl;
        ASSERT_TRUE(a->isEnabled()) << befehl;
        a->trigger();
        uitest::processEvents();
    }
    // The chart colours come from the library database as shipped (the options' own
    // defaults are black for every series): each series of a chart its own, none black.
    void BibliotheksFarben() {
        const IKelvoOptionen& o = app->GetOptionsManager();
        const auto farbe = [&o](uint32_t id) {
            int32_t wert = -1;
            o.GetLongWert(id, wert);
            return static_cast<uint32_t>(wert);
        };
        EXPECT_EQ(farbe(OPT_COLOR_HEIZ_BEDARF), kRot);
        EXPECT_EQ(farbe(OPT_COLOR_WAWA_BEDARF), kBlau);
        EXPECT_EQ(farbe(OPT_COLOR_SOLAR_GEWINN), kOrange);
        EXPECT_EQ(farbe(OPT_COLOR_QTEMP_U), kGruen);
        EXPECT_EQ(farbe(OPT_COLOR_QTEMP_G), kBlauQuelle);
        EXPECT_EQ(farbe(OPT_COLOR_STEMP), kRot);
    }
    // 0x00BBGGRR, as the shipped library holds them.
    static constexpr uint32_t kRot = 0x2020C0, kBlau = 0xC06020, kOrange = 0x00B0F0, kGruen = 0x008000,
                              kBlauQuelle = 0xC05020;
    // What the document's own evaluation yields for the project.
    static CAuswertDaten Jahr(CKelvoDoc& doc, CKelvoErgebnisse& e) {
        CAuswertDaten jahr;
        std::array<float, 12> monate{};
        doc.GetAuswertDaten(e, jahr, monate, 0, 0.0f);
        return jahr;
    }
    // A project of the user database with the links of a sample project.
    CVRMString EigenesProjekt(const CVRMString& name, const CVRMString& beispiel) {
        CProjekt2 vorlage;
        CVRMdatenProvider::get().fill(vorlage, beispiel);
        EXPECT_EQ(app->AddUniqueString(0, name), 1);
        for (TKelvoDatenID id : {ID_Haus, ID_WPumpe, ID_WQuelle, ID_Tarif, ID_AnzahlWP, ID_Solar}) {
            CVRMwert wert = vorlage.GetWert(id);
            CVRMdatenProvider::get().save(name, id, wert, true);
        }
        return name;
    }
};

TEST_F(ErgebnisGrafikTest, HausergebnisseOhneSolar) {
    Starte();
    BibliotheksFarben();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"ground probe monovalent"));
    d.expectDialog(doc.GetPathName() + u" - Results for building", [&](QDialog& dlg) {
        CKelvoErgebnisse e;
        const CAuswertDaten jahr = Jahr(doc, e);
        EXPECT_EQ(Text(dlg, CKelvoViewDlgLogik::kIdWPHeiz),
                  QString::asprintf("%.0f", jahr.Feld(AF_WPWaermeHeiz)));
        EXPECT_EQ(Text(dlg, CKelvoViewDlgLogik::kIdZeileWP), QStringLiteral("By heat pump"));
        auto* liste = qobject_cast<QListWidget*>(ui::child(&dlg, CKelvoViewDlgLogik::kIdListe));
        ASSERT_NE(liste, nullptr);
        ASSERT_EQ(liste->count(), 12);
        // January: the house's mean demand and flow temperature; July: no heating.
        EXPECT_EQ(liste->item(0)->text(),
                  QString::asprintf("Jan\t%.1f kW (%4.1f\u00b0C)", doc.MomHeizbedarf(0, 0.0f, false),
                                    doc.MomVorlaufTemp(0)));
        EXPECT_TRUE(liste->item(6)->text().startsWith(QStringLiteral("Jul\t0.0 kW (")));
        CHMXChart& chart = Chart(dlg, CKelvoViewDlgLogik::kIdChart);
        EXPECT_TRUE(chart.isVisible());
        EXPECT_EQ(Punkt(chart, CKelvoViewDlgLogik::kHeizung, 6), kKeinWert);
        EXPECT_NEAR(Punkt(chart, CKelvoViewDlgLogik::kHeizung, 0),
                    doc.MomHeizbedarf(0, 0.0f, false) * 720.0, 0.01);
        EXPECT_EQ(Legende(chart, CKelvoViewDlgLogik::kSolar), u"");
        uint32_t farbe = 0;
        chart.GetDatasetPenColor(CKelvoViewDlgLogik::kWarmwasser, farbe);
        EXPECT_EQ(farbe, kBlau);
        EXPECT_GE(chart.GetFixedYMax(), Punkt(chart, CKelvoViewDlgLogik::kHeizung, 0));
        uitest::saveArtifact(dlg, "house-results");
        uitest::key(*liste, Qt::Key_Escape);
    });
    Knopf(kHausKnopf);
    EXPECT_EQ(d.dialogCaptions().back(), doc.GetPathName() + u" - Results for building");
}

TEST_F(ErgebnisGrafikTest, HausergebnisseMitSolarAufDeutsch) {
    Starte(true);
    BibliotheksFarben();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"ground probe solar"));
    d.expectDialog(doc.GetPathName() + u" - Ergebnisse f\u00fcr das Geb\u00e4ude", [&](QDialog& dlg) {
        EXPECT_EQ(Text(dlg, CKelvoViewDlgLogik::kIdZeileWP),
                  QStringLiteral("Durch Wärmepumpe und Solaranlage"));
        CHMXChart& chart = Chart(dlg, CKelvoViewDlgLogik::kIdChart);
        EXPECT_EQ(Legende(chart, CKelvoViewDlgLogik::kSolar), u"Solarer Eintrag");
        EXPECT_GT(Text(dlg, CKelvoViewDlgLogik::kIdSolarWW).toDouble(), 0.0);
        // The heating row "by heat pump and solar facility" holds the heat from the source,
        // the heat pump's electricity, the solar heat for heating and the solar heat the heat
        // pump took from the feed directly (on this sample 10260 + 1967 + 1419 + 252 =
        // 13898 kWh); the evaluation dialog shows the first three (13646). The fourth is in
        // the solar row, which therefore names the heat pump with the ground: 2628 kWh into
        // the ground + 252 = 2880 (the evaluation dialog's "Ground" is the 2628 alone).
        CKelvoErgebnisse e;
        const CAuswertDaten jahr = Jahr(doc, e);
        EXPECT_GT(jahr.Feld(AF_EinspeisungWP), 0.0f);
        EXPECT_NEAR(jahr.Feld(AF_WPWaermeHeiz),
                    jahr.Feld(AF_QuellEnergieHeiz) + jahr.Feld(AF_StromHeiz) + jahr.Feld(AF_SolarHeiz) +
                        jahr.Feld(AF_EinspeisungWP),
                    1.0f);  // kWh: float sums of twelve months
        EXPECT_EQ(Text(dlg, CKelvoViewDlgLogik::kIdLabelSolarErde), QStringLiteral("Wärmepumpe/Erdreich"));
        EXPECT_EQ(Text(dlg, CKelvoViewDlgLogik::kIdSolarErde),
                  QString::asprintf("%.0f", jahr.Feld(AF_SolarErdreich) + jahr.Feld(AF_EinspeisungWP)));
        uitest::saveArtifact(dlg, "house-results-de");
        dlg.reject();
    });
    Knopf(kHausKnopf);
}

TEST_F(ErgebnisGrafikTest, QuellergebnisseEinerQuelle) {
    Starte();
    BibliotheksFarben();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"ground probe monovalent"));
    d.expectDialog(doc.GetPathName() + u" - Results for heat source", [&](QDialog& dlg) {
        auto& fenster = static_cast<CKelvoView2Dlg&>(dlg);
        EXPECT_FALSE(fenster.ZweiQuellen());
        EXPECT_FALSE(ui::child(&dlg, CKelvoView2DlgLogik::kIdChart2)->isVisible());
        EXPECT_FALSE(ui::child(&dlg, CKelvoView2DlgLogik::kIdMittel2)->isVisible());
        EXPECT_TRUE(ui::child(&dlg, CKelvoView2DlgLogik::kIdMittel1)->isVisible());
        EXPECT_EQ(Text(dlg, CKelvoView2DlgLogik::kIdLabel1),
                  QStringLiteral("Annual average inlet temperature of brine [\u00b0C]"));
        EXPECT_EQ(Text(dlg, CKelvoView2DlgLogik::kIdMittel1),
                  QString::asprintf("%.1f", fenster.Logik().Mittel1().jahr));
        // The brine runs below the ground it draws from.
        const CHMXChart& chart = Chart(dlg, CKelvoView2DlgLogik::kIdChart1);
        EXPECT_LT(Punkt(chart, CKelvoView2DlgLogik::kSole, 0),
                  Punkt(chart, CKelvoView2DlgLogik::kResultierend, 0));
        EXPECT_LE(chart.GetFixedYMin(), Punkt(chart, CKelvoView2DlgLogik::kSole, 0));
        uitest::saveArtifact(dlg, "source-results");
        dlg.reject();
    });
    Knopf(kQuellKnopf);
}

TEST_F(ErgebnisGrafikTest, QuellergebnisseZweierQuellen) {
    Starte();
    BibliotheksFarben();
    auto& d = uitest::dialogs();
    // The user's project heats from two probe fields: the sample's own and a shorter copy.
    const CVRMString beispiel = Projekt(u"ground probe monovalent");
    const CVRMString name = EigenesProjekt(u"Zwei Felder", beispiel);
    CProjekt2 vorlageProjekt;
    CVRMdatenProvider& werte = CVRMdatenProvider::get();
    werte.fill(vorlageProjekt, beispiel);
    CWQuelle2 vorlage;
    werte.fill(vorlage, vorlageProjekt.GetWert(ID_WQuelle).GetStringVal());
    const CVRMString kombi(u"Two probe fields");
    for (int nr : {1, 2}) {
        const CVRMString quellName = kombi + (nr == 1 ? u"_(1)" : u"_(2)");
        CWQuelle2 quelle;
        werte.fill(quelle, quellName);
        CWordArray ids;
        vorlage.GetDatenIDs(ids);
        for (uint16_t id : ids)
            quelle.SetzeWert(static_cast<TKelvoDatenID>(id), vorlage.GetWert(static_cast<TKelvoDatenID>(id)));
        if (nr == 2) quelle.SetzeWert(ID_WQuelleLaenge, CVRMVariant(60u));
        quelle.Speichern(true);
        CVRMwert link(quellName);
        werte.save(kombi, nr == 1 ? ID_KQuelle1 : ID_KQuelle2, link, true);
    }
    ASSERT_EQ(app->AddUniqueString(LISTE_WQUELLEN, kombi), 1);
    CVRMwert link(kombi);
    werte.save(name, ID_WQuelle, link, true);
    CKelvoDoc& doc = OeffneUeberMenu(name);
    ASSERT_EQ(doc.KombiWQuelle().GetAnzahlWQuellen(), 2);
    d.expectDialog(doc.GetPathName() + u" - Results for heat source", [&](QDialog& dlg) {
        auto& fenster = static_cast<CKelvoView2Dlg&>(dlg);
        EXPECT_TRUE(fenster.ZweiQuellen());
        EXPECT_TRUE(ui::child(&dlg, CKelvoView2DlgLogik::kIdChart2)->isVisible());
        EXPECT_EQ(Text(dlg, CKelvoView2DlgLogik::kIdLabel2),
                  QStringLiteral("Annual average inlet temperature of brine [\u00b0C]"));
        const CHMXChart& c1 = Chart(dlg, CKelvoView2DlgLogik::kIdChart1);
        const CHMXChart& c2 = Chart(dlg, CKelvoView2DlgLogik::kIdChart2);
        EXPECT_DOUBLE_EQ(c2.GetFixedYMin(), c1.GetFixedYMin());
        EXPECT_DOUBLE_EQ(c2.GetFixedYMax(), c1.GetFixedYMax());
        // The shorter field cools down further.
        EXPECT_LT(Punkt(c2, CKelvoView2DlgLogik::kResultierend, 1),
                  Punkt(c1, CKelvoView2DlgLogik::kResultierend, 1));
        uitest::saveArtifact(dlg, "source-results-two");
        dlg.reject();
    });
    Knopf(kQuellKnopf);
}

TEST_F(ErgebnisGrafikTest, Energiedeckung) {
    Starte();
    BibliotheksFarben();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"air monoenergetic"));
    d.expectDialog(doc.GetPathName(), [&](QDialog& dlg) {
        auto& fenster = static_cast<CDlgEdGrafik&>(dlg);
        const CHMXChart& chart = Chart(dlg, CDlgEdGrafikLogik::kIdChart);
        EXPECT_EQ(chart.GetTitle(), u"Energy coverage");
        // From the design outdoor temperature of Hof (-18 °C) to the heating limit.
        EXPECT_EQ(fenster.Logik().Von(), -18);
        EXPECT_EQ(chart.GetDatasetSize(CDlgEdGrafikLogik::kZusatz), fenster.Logik().Anzahl());
        // At the design point the heat pump does not cover the demand alone.
        EXPECT_GT(Punkt(chart, CDlgEdGrafikLogik::kZusatz, 0),
                  Punkt(chart, CDlgEdGrafikLogik::kUmwelt, 0));
        EXPECT_EQ(chart.GetXAxisTitle(), u"Outdoor temperature [\u00b0C]");
        uitest::saveArtifact(dlg, "energy-coverage");
        dlg.reject();
    });
    Menue(kBefehlEnergiedeckung);
    EXPECT_EQ(d.dialogCaptions().back(), doc.GetPathName());
}

TEST_F(ErgebnisGrafikTest, EnergiedeckungMitSolarTitel) {
    Starte();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"ground probe solar"));
    ASSERT_TRUE(doc.Haus().GetWert(ID_ProjMitSolar).GetBoolVal());
    d.expectDialog(doc.GetPathName(), [&](QDialog& dlg) {
        EXPECT_EQ(Chart(dlg, CDlgEdGrafikLogik::kIdChart).GetTitle(),
                  u"Energy coverage (without solar gains)");
        dlg.reject();
    });
    Menue(kBefehlEnergiedeckung);
}

// The user's own project with the sample's house, which has no hot-water losses entered
// yet: the command sends the user to enter them first. With 300 kWh of circulation losses
// (entered on the hot-water page) the dialog opens; the user places the heat pump inside,
// chooses an electronic control, lets a buffer of 500 l get its stand-by loss, corrects it
// to 1.5 kWh/day, updates the factor and saves. An empty volume keeps the dialog open
// and stores nothing.
TEST_F(ErgebnisGrafikTest, NutzerSpeichertAnlagenaufwandszahlDaten) {
    Starte(true);
    auto& d = uitest::dialogs();
    const CVRMString name = EigenesProjekt(u"Meier", Projekt(u"ground probe monovalent"));
    CKelvoDoc& doc = OeffneUeberMenu(name);
    ASSERT_EQ(doc.Haus().GetWert(ID_WWmitWP).GetIntVal(), 1);

    d.expectMessageBox(1);  // no stand-by or circulation losses: enter them first
    Menue(kBefehlAufwandszahl);
    ASSERT_FALSE(BoxTexte().empty());
    EXPECT_NE(BoxTexte().back().find(u"Zirkulationsverluste"), std::u16string::npos);
    EXPECT_EQ(d.dialogCaptions().size(), 1u);  // only the project choice

    doc.Haus().GetWert(ID_ZIV) = 300u;
    QString faktorVorher;
    const auto tdrVorher = Eintrag(name, u"TDR");
    ASSERT_NE(tdrVorher, std::optional<std::u16string>(u"2"));
    d.expectDialog(u"Berechnung der Anlagenaufwandszahl", [&](QDialog& dlg) {
        using L = CDlgAufwandszahlLogik;
        auto feld = [&](int id) { return qobject_cast<QLineEdit*>(ui::child(&dlg, id)); };
        faktorVorher = feld(L::kIdFaktor)->text();
        EXPECT_FALSE(faktorVorher.isEmpty());
        EXPECT_FALSE(ui::child(&dlg, L::kIdAktualisieren)->isEnabled());
        // Hot water by the heat pump: the electric choices are not asked; no solar plant.
        EXPECT_FALSE(ui::child(&dlg, L::kIdSpeicher)->isEnabled());
        EXPECT_FALSE(ui::child(&dlg, L::kIdSolarPumpe)->isEnabled());
        EXPECT_FALSE(ui::child(&dlg, L::kIdVerteilungAussen)->isVisible());

        uitest::click(*ui::child(&dlg, L::kIdInnen), {5, 5});
        EXPECT_TRUE(ui::child(&dlg, L::kIdAktualisieren)->isEnabled());
        auto* regelung = qobject_cast<QComboBox*>(ui::child(&dlg, L::kIdRegelung));
        ASSERT_EQ(regelung->count(), 4);
        regelung->setCurrentIndex(2);
        QLineEdit* volumen = feld(L::kIdVolumen);
        volumen->selectAll();
        uitest::type(*volumen, QStringLiteral("500"));
        uitest::click(*ui::child(&dlg, L::kIdBerechnen), {5, 5});
        EXPECT_EQ(feld(L::kIdBereitschaft)->text(), QStringLiteral("3"));
        QLineEdit* bereitschaft = feld(L::kIdBereitschaft);
        bereitschaft->selectAll();
        uitest::type(*bereitschaft, QStringLiteral("1,5"));  // a comma is typed as a point
        EXPECT_EQ(bereitschaft->text(), QStringLiteral("1.5"));
        uitest::click(*ui::child(&dlg, L::kIdAktualisieren), {5, 5});
        EXPECT_FALSE(ui::child(&dlg, L::kIdAktualisieren)->isEnabled());
        // Inside the envelope the distribution and the buffer lose less.
        EXPECT_LT(feld(L::kIdFaktor)->text().toDouble(), faktorVorher.toDouble());

        // An empty volume is no number: Save refuses and the dialog stays.
        volumen->selectAll();
        uitest::key(*volumen, Qt::Key_Backspace);
        ASSERT_TRUE(volumen->text().isEmpty());
        d.expectMessageBox(1);
        uitest::click(*ui::child(&dlg, ui::kIdOk), {5, 5});
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(Eintrag(name, u"TDR"), tdrVorher);
        volumen->selectAll();
        uitest::type(*volumen, QStringLiteral("500"));
        uitest::saveArtifact(dlg, "expenditure-factor-de");
        uitest::click(*ui::child(&dlg, ui::kIdOk), {5, 5});
    });
    Menue(kBefehlAufwandszahl);
    EXPECT_EQ(Eintrag(name, u"GerAufstellung"), std::optional<std::u16string>(u"1"));
    EXPECT_EQ(Eintrag(name, u"WaeVerteilung"), std::optional<std::u16string>(u"1"));
    EXPECT_EQ(Eintrag(name, u"TDR"), std::optional<std::u16string>(u"2"));
    EXPECT_EQ(Eintrag(name, u"PSV"), std::optional<std::u16string>(u"500"));
    const auto bereitschaft = Eintrag(name, u"PBV");
    ASSERT_TRUE(bereitschaft.has_value());
    EXPECT_DOUBLE_EQ(QString::fromStdU16String(*bereitschaft).toDouble(), 1.5);
}

// Save on a library sample (every shipped sample is one) after the program has started:
// the boxes that follow OK are answered, the first must hold `text`. The dialog stays
// open, as after any save that did not happen, and the user database file is as it was.
void AufwandszahlBleibtUngespeichert(CKelvoDoc& doc, const std::filesystem::path& datei,
                                     int boxen, std::u16string_view text) {
    auto& d = uitest::dialogs();
    doc.Haus().GetWert(ID_ZIV) = 300u;
    const auto lies = [&datei] {
        return std::filesystem::exists(datei) ? std::optional(testsupport::ReadFileBytes(datei))
                                              : std::nullopt;
    };
    const auto vorher = lies();
    bool offen = false;
    std::size_t ab = 0;
    d.expectDialog(u"Calculation of factor for primary energy input", [&](QDialog& dlg) {
        ab = d.boxes().size();
        for (int i = 0; i < boxen; ++i) d.expectMessageBox(1);
        uitest::click(*ui::child(&dlg, ui::kIdOk), {5, 5});
        uitest::processEvents();
        offen = dlg.isVisible();
        dlg.reject();
    });
    doc.onCommand(kBefehlAufwandszahl);
    uitest::processEvents();
    EXPECT_TRUE(offen);
    ASSERT_EQ(d.boxes().size(), ab + static_cast<std::size_t>(boxen));
    EXPECT_NE(d.boxes()[ab].text.find(text), std::u16string::npos);
    EXPECT_EQ(lies(), vorher);
}

// Without the "conf" switch the library project refuses with its message (4295).
TEST_F(ErgebnisGrafikTest, AnlagenaufwandszahlEinesBibliotheksprojekts) {
    Starte();
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"ground probe solar"));
    AufwandszahlBleibtUngespeichert(doc, app->GetAktDatenbank().toUtf8(), 1, u"project from the program database");
}

// With the "conf" switch a library project may be changed only where the database keeps
// it: the user database does not, and the project refuses as without the switch.
TEST_F(ErgebnisGrafikTest, AnlagenaufwandszahlEinesBibliotheksprojektsMitConf) {
    uitest::dialogs().expectDialog(u"Program options",
                                   [](QDialog& dlg) { uitest::click(*ui::child(&dlg, ui::kIdCancel), {5, 5}); });
    Starte(false, {u"-conf"});
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"ground probe solar"));
    AufwandszahlBleibtUngespeichert(doc, app->GetAktDatenbank().toUtf8(), 1,
                                    u"project from the program database");
}

// The English program has the command without a menu entry; the picture for the manual.
TEST_F(ErgebnisGrafikTest, AnlagenaufwandszahlBild) {
    Starte();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"ground probe solar"));
    doc.Haus().GetWert(ID_ZIV) = 300u;
    d.expectDialog(u"Calculation of factor for primary energy input", [&](QDialog& dlg) {
        using L = CDlgAufwandszahlLogik;
        // With the solar plant its pump's power is shown.
        EXPECT_TRUE(ui::child(&dlg, L::kIdSolarPumpe)->isEnabled());
        EXPECT_FALSE(ui::child(&dlg, L::kIdReport)->isEnabled());
        uitest::saveArtifact(dlg, "expenditure-factor");
        dlg.reject();
    });
    doc.onCommand(kBefehlAufwandszahl);
    uitest::processEvents();
    EXPECT_EQ(d.dialogCaptions().back(), u"Calculation of factor for primary energy input");
}

// Every shipped sample: the source results name the sample's kind of source and show the
// temperatures it has; the house results' row names the solar plant where there is one.
TEST_F(ErgebnisGrafikTest, JedesBeispielprojekt) {
    Starte();
    auto& d = uitest::dialogs();
    struct Fall {
        const char16_t* projekt;
        const char* label;
        bool resultierend, sole;
        const char* zeileWP;
    };
    const Fall faelle[] = {
        {u"ground probe monovalent", "Annual average inlet temperature of brine [\u00b0C]", true, true,
         "By heat pump"},
        {u"air monoenergetic", "Annual average inlet temperature of air [\u00b0C]", false, false,
         "By heat pump"},
        {u"ground water bivalent", "Annual average inlet temperature of water [\u00b0C]", false, false,
         "By heat pump"},
        {u"ground probe solar", "Annual average inlet temperature of brine [\u00b0C]", true, true,
         "By heat pump and solar facility"},
    };
    for (const Fall& f : faelle) {
        CKelvoDoc& doc = OeffneUeberMenu(Projekt(f.projekt));
        SCOPED_TRACE(QString::fromStdU16String(doc.GetPathName()).toStdString());
        d.expectDialog(doc.GetPathName() + u" - Results for heat source", [&](QDialog& dlg) {
            EXPECT_EQ(Text(dlg, CKelvoView2DlgLogik::kIdLabel1), QString::fromUtf8(f.label));
            const CHMXChart& chart = Chart(dlg, CKelvoView2DlgLogik::kIdChart1);
            EXPECT_NE(Punkt(chart, CKelvoView2DlgLogik::kUngestoert, 0), kKeinWert);
            EXPECT_EQ(Punkt(chart, CKelvoView2DlgLogik::kResultierend, 0) != kKeinWert, f.resultierend);
            EXPECT_EQ(Punkt(chart, CKelvoView2DlgLogik::kSole, 0) != kKeinWert, f.sole);
            dlg.reject();
        });
        Menue(kBefehlQuellErgebnisse);
        d.expectDialog(doc.GetPathName() + u" - Results for building", [&](QDialog& dlg) {
            EXPECT_EQ(Text(dlg, CKelvoViewDlgLogik::kIdZeileWP), QString::fromUtf8(f.zeileWP));
            auto* liste = qobject_cast<QListWidget*>(ui::child(&dlg, CKelvoViewDlgLogik::kIdListe));
            ASSERT_NE(liste, nullptr);
            EXPECT_EQ(liste->count(), 12);
            EXPECT_TRUE(Chart(dlg, CKelvoViewDlgLogik::kIdChart).isVisible());
            dlg.reject();
        });
        Menue(kBefehlHausErgebnisse);
    }
    EXPECT_TRUE(uitest::takeWindowErrors().empty());
}

// A bivalent plant has no expenditure factor here: the command says so and opens nothing.
TEST_F(ErgebnisGrafikTest, AnlagenaufwandszahlNichtFuerBivalent) {
    Starte();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"ground water bivalent"));
    d.expectMessageBox(1);
    doc.onCommand(kBefehlAufwandszahl);
    uitest::processEvents();
    ASSERT_FALSE(BoxTexte().empty());
    EXPECT_NE(BoxTexte().back().find(u"bivalent heating systems"), std::u16string::npos);
    EXPECT_EQ(d.dialogCaptions().size(), 1u);  // only the project choice
}

// Hot water by electricity without losses entered: the command goes on with an electric
// heater assumed, and the dialog preselects the flow heater and offers no storage tank.
TEST_F(ErgebnisGrafikTest, AnlagenaufwandszahlElektrischesWarmwasserOhneVerluste) {
    Starte();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Projekt(u"ground probe monovalent"));
    doc.Haus().GetWert(ID_WWmitWP) = 2;
    d.expectMessageBox(1);  // an electric heater is assumed
    d.expectDialog(u"Calculation of factor for primary energy input", [&](QDialog& dlg) {
        using L = CDlgAufwandszahlLogik;
        auto* durchlauf = qobject_cast<QRadioButton*>(ui::child(&dlg, L::kIdDurchlauf));
        ASSERT_NE(durchlauf, nullptr);
        EXPECT_TRUE(durchlauf->isEnabled());
        EXPECT_TRUE(durchlauf->isChecked());
        EXPECT_FALSE(ui::child(&dlg, L::kIdSpeicher)->isEnabled());
        dlg.reject();
    });
    doc.onCommand(kBefehlAufwandszahl);
    uitest::processEvents();
    ASSERT_FALSE(BoxTexte().empty());
    EXPECT_NE(BoxTexte().front().find(u"electric heater is assumed"), std::u16string::npos);
}

}  // namespace
