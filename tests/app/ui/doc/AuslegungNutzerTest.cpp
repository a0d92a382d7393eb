// A planner designs a project through the real program on the shipped data: File > New
// project (or a sample opened with the library switch), Design, the wizard's pages, a unit
// of the catalogue picked, Finish; the user database file is then read back. The design
// temperature the page used, the chosen unit against the load, the heat source's stored
// size, the heat-source page and its design test afterwards; what the wizard's pages took
// over is written with a finished design only.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include "app/doc/ErgebnisBefehle.h"
#include "app/doc/ProjektAblaufBefehle.h"
#include "app/frame/MainFrame.h"
#include "controls/small/Label.h"
#include "dialogs/DlgHeizlast.h"
#include "dialogs/KelvoView1.h"
#include "dialogs/WQTestDlg.h"
#include "dialogs/DlgCalcDPT.h"
#include "pages/DimPage.h"
#include "pages/WQ2Page.h"
#include "pages/HausPage.h"
#include "pages/WWPage.h"
#include "model/project/Projekt2.h"
#include "model/source/KombiWQuelle2.h"
#include "pages/ProjektPage.h"
#include "pages/SolarPage.h"
#include "pages/TarifPage.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PropertySheet.h"
#include "tests/app/ui/pages/QuellenSeitenFixture.h"

namespace {

using platform::id::OK;

constexpr unsigned kSchichtenZuFlach = 3427, kPumpenPruefen = 3649, kBohrtiefe100 = 3528;
constexpr unsigned kQuelleOk = 3320;  // the design test's verdict "o.k."
constexpr int kMonovalent = 3;        // the dimensioning page's index of the monovalent mode

// What the dimensioning page showed for the chosen unit.
struct SGewaehlt {
    CVRMString wp;
    float leistung = 0.0f;  // all units, kW
    float quellTemp = 0.0f;  // the design source temperature, °C
    int dimPunkt = 0;
};

// A field typed on one of the wizard's pages before the design.
struct SEingabe {
    int seite;  // the wizard's page: 0 house, 1 hot water
    int feld;
    QString text;
};

class AuslegungNutzerTest : public quellentest::QuellenSeitenFixture {
  protected:
    static std::vector<SEingabe> Heizlast(const QString& last) {
        return {{0, CHausPage::kIdHeizlast, last}};
    }

    static void Abbrechen(QDialog& d) {
        for (QPushButton* knopf : d.findChildren<QPushButton*>())
            if (knopf->isVisible() && knopf->text() == QStringLiteral("Cancel")) return uitest::click(*knopf, {5, 5});
        ADD_FAILURE() << "no Cancel";
    }
    static void Knopf(QDialog& d, int id) {
        auto* knopf = qobject_cast<QPushButton*>(ui::child(&d, id));
        ASSERT_NE(knopf, nullptr);
        ASSERT_TRUE(knopf->isVisible() && knopf->isEnabled()) << id;
        uitest::click(*knopf, {5, 5});
        uitest::processEvents();
    }

    // Design through the menu. The `eingaben` are typed on the wizard's pages; on the
    // dimensioning page the first unit of the list is picked and the wizard
    // finished (or cancelled). `boxen`: the texts of the boxes the design shows, each
    // answered with OK.
    SGewaehlt Auslegen(const std::vector<std::u16string>& boxen, const std::vector<SEingabe>& eingaben = {},
                       bool fertig = true, int betriebsweise = -1, int art = -1) {
        SGewaehlt g;
        auto& d = uitest::dialogs();
        const size_t vorher = d.boxes().size();
        d.expectDialog({}, [&](QDialog& dlg) {
            auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
            ASSERT_EQ(sheet.pageCount(), 5);
            for (const SEingabe& e : eingaben) {
                while (sheet.activeIndex() < e.seite) Knopf(dlg, ui::kIdNext);
                ASSERT_EQ(sheet.activeIndex(), e.seite);
                Tippe(*sheet.page(e.seite), e.feld, e.text);
                Verlasse(*sheet.page(e.seite), e.feld);
            }
            while (sheet.activeIndex() < sheet.pageCount() - 1) Knopf(dlg, ui::kIdNext);
            ASSERT_EQ(sheet.activeIndex(), 4);
            // The kind of the source the user chose, from the kinds the page offers.
            if (art >= 0) WaehleIndex(*sheet.page(4), CDimPage::kIdcQuellArt, art);
            // A mode of the user's own picks the source's variant too.
            if (betriebsweise >= 0) {
                WaehleIndex(*sheet.page(4), CDimPage::kIdcBetriebsweise, betriebsweise);
                WaehleIndex(*sheet.page(4), CDimPage::kIdcVariante, 0);
            }
            auto* kandidaten = qobject_cast<QListWidget*>(ui::child(&dlg, CDimPage::kIdcKandidaten));
            ASSERT_GT(kandidaten->count(), 0);
            QListWidgetItem* eintrag = kandidaten->item(0);
            uitest::click(*kandidaten->viewport(), kandidaten->visualItemRect(eintrag).center());
            g.wp = eintrag->text().toStdU16String();
            g.dimPunkt = Text(*sheet.page(4), CDimPage::kIdcDimPunkt).toInt();
            // "Total output: 10.4 kW (flow: 35.9 / src: -2.0 °C)"
            const QString gesamt = QString::fromStdU16String(ui::childText(&dlg, CDimPage::kIdcGesamtleistung));
            const auto m = QRegularExpression(QStringLiteral(R"(([-\d.]+) kW .*src: ([-\d.]+))")).match(gesamt);
            EXPECT_TRUE(m.hasMatch()) << gesamt.toStdString();
            g.leistung = m.captured(1).toFloat();
            g.quellTemp = m.captured(2).toFloat();
            uitest::saveArtifact(dlg, "design-wizard-finish");
            for (size_t i = 0; i < boxen.size(); ++i) d.expectMessageBox(OK);
            if (fertig) {
                Knopf(dlg, ui::kIdFinish);
            } else {
                Abbrechen(dlg);
            }
        });
        Befehl(kBefehlDimensionieren)->trigger();
        uitest::processEvents();
        std::vector<std::u16string> gezeigt;
        for (size_t i = vorher; i < d.boxes().size(); ++i) gezeigt.push_back(d.boxes()[i].text);
        EXPECT_EQ(gezeigt, boxen);
        return g;
    }

    // File > New project, the design cancelled (that gives it its first heat source), and
    // the source's kind set to the horizontal collector on its page, as a planner does
    // before designing a collector.
    void NeuesKollektorProjekt(const QString& name) {
        NeuesProjekt(name);
        uitest::dialogs().expectDialog({}, [&](QDialog& dlg) { Abbrechen(dlg); });
        Befehl(kBefehlDimensionieren)->trigger();
        uitest::processEvents();
        CWQ1Page& seite = Seite1();
        WaehleIndex(seite, CWQ1Page::kIdArt, 1);
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        EXPECT_EQ(seite.m_modified, 0);
        Druecke(seite, CEingabeSeite::kIdSchliessen);
    }

    // File > New project, the source's kind (`art`, also its index in the page's kind box)
    // chosen on the design page, monovalent, the first unit, Finish; then the evaluation.
    void ArtGewaehlt(int art, int medium) {
        NeuesProjekt(QStringLiteral("Sommer"));
        const SGewaehlt g = Auslegen({Sprachtext(kPumpenPruefen)}, {}, true, kMonovalent, art);
        CWQuelle2& quelle = *dokument->GetWQuelle(1);
        const float erwartet =
            art == 2 ? dokument->Haus().GetWert(ID_NAT).GetFloatVal()
                     : static_cast<float>(quelle.GetWert(ID_WasserTemp).GetUIntVal()) -
                           (quelle.GetWert(ID_ZwkWt).GetBoolVal() ? 3.0f : 0.0f);
        EXPECT_FLOAT_EQ(g.quellTemp, erwartet);
        PruefeWaermepumpe(g);
        EXPECT_EQ(QuellWert(ID_QuellMediumIdx), std::optional<std::u16string>(std::u16string(1, char16_t(u'0' + art))));
        EXPECT_EQ(QuellWert(ID_BetrWeiseIdx), std::optional<std::u16string>(u"1"));
        // An air or a water source has no size to give.
        EXPECT_EQ(QuellWert(ID_WQuelleLaenge), std::optional<std::u16string>(u"1"));
        CWPumpe2 wp;
        CVRMdatenProvider::get().fill(wp, g.wp);
        EXPECT_EQ(wp.GetWert(ID_MedienTyp).GetIntVal(), medium);
        // The evaluation takes the project: heat pump and source go together.
        bool ausgewertet = false;
        uitest::dialogs().expectDialog(u"Evaluation - " + dokument->GetPathName(), [&](QDialog& dlg) {
            ausgewertet = true;
            uitest::click(*ui::child(&dlg, 1), {5, 5});
        });
        Befehl(kBefehlJahresergebnisse)->trigger();
        uitest::processEvents();
        EXPECT_TRUE(ausgewertet);
    }

    // Designs with the kind box's `art` (none: as the source is) and checks the collector.
    void PruefeKollektor(std::optional<float> flaecheVorher, int art) {
        const SGewaehlt g = Auslegen({Sprachtext(kPumpenPruefen)}, {}, true, -1, art);
        EXPECT_FLOAT_EQ(g.quellTemp, -2.0f);
        PruefeWaermepumpe(g);
        EXPECT_EQ(QuellWert(ID_QuellMediumIdx), std::optional<std::u16string>(u"1"));
        if (flaecheVorher) EXPECT_NE(QuellZahl(ID_WQuelleFlaeche), *flaecheVorher);
        EXPECT_GT(QuellZahl(ID_WQuelleFlaeche), 10.0f);
        // The tube length of the area is longer than the area's side.
        EXPECT_GT(QuellZahl(ID_WQuelleLaenge), QuellZahl(ID_WQuelleFlaeche));
        PruefeQuellenSeite({{CWQ1Page::kIdFlaeche, ID_WQuelleFlaeche}, {CWQ1Page::kIdLaenge, ID_WQuelleLaenge}});
    }

    // File > New project, the design cancelled (that gives it its first heat source), and on
    // the source's page the probe count and a layered ground typed: soil and lower depth of
    // each layer from the top.
    void NeuesSondenfeld(const QString& name, const QString& anzahl,
                         const std::vector<std::pair<QString, QString>>& schichten) {
        if (!app) Starte();
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            uitest::type(*ui::child(&d, 1033), name);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        app->OnFileNew();
        dokument = app->GetAktivesKelvoDoc(true);
        ASSERT_NE(dokument, nullptr);
        uitest::dialogs().expectDialog({}, [&](QDialog& dlg) { Abbrechen(dlg); });
        Befehl(kBefehlDimensionieren)->trigger();
        uitest::processEvents();
        CWQ1Page& seite = Seite1();
        Tippe(seite, CWQ1Page::kIdAnzahl, anzahl);
        Verlasse(seite, CWQ1Page::kIdAnzahl);
        for (size_t i = 0; i < schichten.size(); ++i) {
            Waehle(seite, CWQ1Page::kIdBoden[i], schichten[i].first);
            Tippe(seite, CWQ1Page::kIdTiefe[i], schichten[i].second);
            Verlasse(seite, CWQ1Page::kIdTiefe[i]);
        }
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        EXPECT_EQ(seite.m_modified, 0);
        Druecke(seite, CEingabeSeite::kIdSchliessen);
    }

    std::optional<std::u16string> QuellWert(TKelvoDatenID id) const {
        return SatzEintrag(dokument->GetWQuelle(1)->getConsumerName(), CVRMwerteListe::getKey(id));
    }
    float QuellZahl(TKelvoDatenID id) const {
        return QString::fromStdU16String(QuellWert(id).value_or(u"nan")).toFloat();
    }

    // The chosen unit against the load: the unit stored in the project, and its output at
    // the design point shown by the page covering the design capacity the project asks at
    // that point (heating with hot water and blocking hours, all units).
    void PruefeWaermepumpe(const SGewaehlt& g) {
        const CVRMString projekt = dokument->GetPathName();
        EXPECT_EQ(SatzEintrag(projekt, CVRMwerteListe::getKey(ID_WPumpe)), std::optional<std::u16string>(g.wp));
        const int anzahl = QString::fromStdU16String(
                               SatzEintrag(projekt, CVRMwerteListe::getKey(ID_AnzahlWP)).value_or(u"1"))
                               .toInt();
        const SDimWerte bedarf = dokument->GetDimWerte(static_cast<float>(g.dimPunkt), anzahl);
        // The page shows one decimal: 0.05 kW.
        EXPECT_GE(g.leistung + 0.05f, bedarf.leistungProWP * static_cast<float>(anzahl));
    }

    // The first source's page shows the stored size, and its design test passes.
    void PruefeQuellenSeite(std::initializer_list<std::pair<int, TKelvoDatenID>> felder) {
        CWQ1Page& seite = Seite1();
        for (const auto& [feld, id] : felder)
            EXPECT_EQ(Text(seite, feld).toStdU16String(), QuellWert(id).value_or(u"?")) << feld;
        bool getestet = false;
        uitest::dialogs().expectDialog(Sprachtext(4972), [&](QDialog& d) {
            getestet = true;
            // Owned by the page that asked, over the project's sheet.
            EXPECT_EQ(d.parentWidget(), &seite);
            EXPECT_EQ(QString::fromStdU16String(ui::childText(&d, CWQTestDlg::kIdUrteil)).trimmed().toStdU16String(),
                      Sprachtext(kQuelleOk));
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        Druecke(seite, CWQ1Page::kIdTesten);
        EXPECT_TRUE(getestet);
        EXPECT_EQ(seite.window()->parentWidget(), app->GetMainFrame());
    }
};

// A new project's probe field: designed at the ground's -2 °C, its probes sized for the
// unit (the project keeps its four probes), the page shows them and their test passes.
TEST_F(AuslegungNutzerTest, SondeEinesNeuenProjekts) {
    NeuesProjekt(QStringLiteral("Lenz"));
    const SGewaehlt g = Auslegen({Sprachtext(kPumpenPruefen)});
    EXPECT_FLOAT_EQ(g.quellTemp, -2.0f);
    PruefeWaermepumpe(g);
    EXPECT_EQ(QuellWert(ID_QuellMediumIdx), std::optional<std::u16string>(u"0"));
    EXPECT_EQ(QuellWert(ID_SoleKreise), std::optional<std::u16string>(u"4"));
    // Not the new project's default of 100 m any more.
    EXPECT_NE(QuellWert(ID_WQuelleLaenge), std::optional<std::u16string>(u"100"));
    EXPECT_GT(QuellZahl(ID_WQuelleLaenge), 10.0f);
    PruefeQuellenSeite({{CWQ1Page::kIdLaenge, ID_WQuelleLaenge}, {CWQ1Page::kIdAnzahl, ID_SoleKreise}});
}

// A new project's collector, made one on the source's page before the design or chosen on
// the design page: sized as a collector for the unit.
TEST_F(AuslegungNutzerTest, KollektorEinesNeuenProjekts) {
    NeuesKollektorProjekt(QStringLiteral("Ortmann"));
    PruefeKollektor(QuellZahl(ID_WQuelleFlaeche), -1);
}

TEST_F(AuslegungNutzerTest, KollektorAufDerAuslegungsseiteGewaehlt) {
    NeuesProjekt(QStringLiteral("Ortmann"));
    PruefeKollektor(std::nullopt, 1);
}

// Probes in a layered ground typed on the source page (gravel 1.1 W/mK to 2 m, clay/silt
// 1.8 to 10 m, sandstone 2.3 below): the ground's conductivity and temperature follow the
// probes' length. Sized once with the ground of the old 100 m, the field fails its own test;
// the design sizes it at the ground down to the length it writes, and the test passes.
TEST_F(AuslegungNutzerTest, SondenfeldImGeschichtetenBodenBestehtSeinenTest) {
    CVRMString drilltiefe;
    drilltiefe.Format(kBohrtiefe100, 100u);
    const struct {
        const char* last;  // kW, two probes
        const char* laenge;
        std::vector<std::u16string> boxen;
    } faelle[] = {
        // At 100 m the ground conducts (2*1.1 + 8*1.8 + 90*2.3)/100 = 2.236 (above 2.2:
        // 65 W/m): 45 m. At 45 m only 97.1/45 = 2.158 (60 W/m) and the extraction needs 49 m;
        // at 49 m 106.3/49 = 2.169, still 60 W/m: 49 m stay.
        {"4", "49", {Sprachtext(kPumpenPruefen)}},
        // 120 m sized at the 100 m ground; the ground down to 120 m (2.247, a warmer probe)
        // asks for 121 m, and the ground down to 121 m for 121 m.
        {"9", "121", {drilltiefe, Sprachtext(kPumpenPruefen)}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.last);
        ASSERT_NO_FATAL_FAILURE(
            NeuesSondenfeld(QStringLiteral("Lenz ") + f.last, QStringLiteral("2"),
                            {{QStringLiteral("gravel (average wet)"), QStringLiteral("2")},
                             {QStringLiteral("Clay/silt, water-saturated"), QStringLiteral("10")},
                             {QStringLiteral("Sandstone"), QStringLiteral("150")}}));
        Auslegen(f.boxen, Heizlast(QString::fromLatin1(f.last)));
        EXPECT_EQ(QuellWert(ID_SoleKreise), std::optional<std::u16string>(u"2"));
        EXPECT_EQ(QuellWert(ID_WQuelleLaenge),
                  std::optional<std::u16string>(QString::fromLatin1(f.laenge).toStdU16String()));
        PruefeQuellenSeite(
            {{CWQ1Page::kIdLaenge, ID_WQuelleLaenge}, {CWQ1Page::kIdAnzahl, ID_SoleKreise}});
    }
}

// A new project's source made an air or a ground-water source on the design page, as a
// planner does: designed monovalent at the kind's own source temperature (air at the
// house's design outdoor temperature; ground water at its water temperature, 3 K lower
// behind an intermediate heat exchanger), the kind stored with a unit of the kind's medium,
// and the project then evaluated.
TEST_F(AuslegungNutzerTest, LuftquelleAufDerAuslegungsseiteGewaehlt) { ArtGewaehlt(2, 1); }
TEST_F(AuslegungNutzerTest, WasserquelleAufDerAuslegungsseiteGewaehlt) { ArtGewaehlt(3, 2); }

// The same house with a larger load gets a larger unit, and that unit longer probes. The
// new project's one default soil goes down and up with the probes, also in the project
// opened again: no design says that the layers stop above the probes.
TEST_F(AuslegungNutzerTest, GroessereWaermepumpeLaengereSonden) {
    NeuesProjekt(QStringLiteral("Lenz"));
    const SGewaehlt klein = Auslegen({Sprachtext(kPumpenPruefen)});
    const float kurz = QuellZahl(ID_WQuelleLaenge);
    EXPECT_EQ(QuellWert(ID_QTiefe1), QuellWert(ID_WQuelleLaenge));
    CVRMString drilltiefe;
    drilltiefe.Format(kBohrtiefe100, 100u);
    const SGewaehlt gross =
        Auslegen({drilltiefe, Sprachtext(kPumpenPruefen)}, Heizlast(QStringLiteral("12")));
    EXPECT_GT(gross.leistung, klein.leistung);
    EXPECT_NE(gross.wp, klein.wp);
    EXPECT_GT(QuellZahl(ID_WQuelleLaenge), 100.0f);
    EXPECT_EQ(QuellWert(ID_QTiefe1), QuellWert(ID_WQuelleLaenge));
    EXPECT_EQ(QuellWert(ID_SoleKreise), std::optional<std::u16string>(u"4"));

    const CVRMString name = dokument->GetPathName();
    dokument->OnCloseDocument();
    uitest::processEvents();
    dokument = &OeffneUeberMenu(name);
    Auslegen({Sprachtext(kPumpenPruefen)}, Heizlast(QStringLiteral("6")));
    EXPECT_EQ(QuellZahl(ID_WQuelleLaenge), kurz);
    EXPECT_EQ(QuellWert(ID_QTiefe1), QuellWert(ID_WQuelleLaenge));
    EXPECT_TRUE(QuellWert(ID_Boden1).value_or(u"").starts_with(u"gravel (average wet)"));
}

// A ground the planner entered stays as entered, and the design says that its layers stop
// above the sized probes.
TEST_F(AuslegungNutzerTest, EingegebenerBodenBleibt) {
    ASSERT_NO_FATAL_FAILURE(
        NeuesSondenfeld(QStringLiteral("Lenz"), QStringLiteral("4"),
                        {{QStringLiteral("Clay/silt, dry"), QStringLiteral("100")}}));
    CVRMString drilltiefe;
    drilltiefe.Format(kBohrtiefe100, 100u);
    Auslegen({Sprachtext(kSchichtenZuFlach), drilltiefe, Sprachtext(kPumpenPruefen)},
             Heizlast(QStringLiteral("12")));
    EXPECT_GT(QuellZahl(ID_WQuelleLaenge), 100.0f);
    EXPECT_EQ(QuellWert(ID_QTiefe1), std::optional<std::u16string>(u"100"));
    EXPECT_EQ(QuellWert(ID_Boden1), std::optional<std::u16string>(u"Clay/silt, dry_(bib)"));
}

// The heat load typed on the wizard's house page: a cancelled design writes nothing and the
// project shows the stored load again; a finished one writes it with the design, and a
// reopened project has it.
TEST_F(AuslegungNutzerTest, HeizlastDesWizardsNurMitFertigerAuslegung) {
    NeuesProjekt(QStringLiteral("Lenz"));
    const CVRMString haus = dokument->ProjektText(ID_Haus);
    const std::u16string key = CVRMwerteListe::getKey(ID_NormwaermeBedarf);
    const std::optional<std::u16string> vorher = SatzEintrag(haus, key);
    const float last = dokument->Haus().GetWert(ID_NormwaermeBedarf).GetFloatVal();
    ASSERT_FLOAT_EQ(last, 6.0f);

    Auslegen({}, Heizlast(QStringLiteral("9")), false);
    EXPECT_EQ(SatzEintrag(haus, key), vorher);
    EXPECT_FLOAT_EQ(dokument->Haus().GetWert(ID_NormwaermeBedarf).GetFloatVal(), 6.0f);
    // The project window's short info of the house shows the stored load again.
    auto* view = dynamic_cast<CKelvoView1*>(Frame().Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);
    auto* ort = dynamic_cast<CLabel*>(ui::child(view, CKelvoView1::kIdcOrtInfo));
    ASSERT_NE(ort, nullptr);
    EXPECT_EQ(ort->text().rfind(u"6.0 kW", 0), 0u) << QString::fromStdU16String(ort->text()).toStdString();

    CVRMString drilltiefe;
    drilltiefe.Format(kBohrtiefe100, 100u);
    Auslegen({drilltiefe, Sprachtext(kPumpenPruefen)}, Heizlast(QStringLiteral("9")));
    ASSERT_TRUE(SatzEintrag(haus, key).has_value());
    EXPECT_FLOAT_EQ(QString::fromStdU16String(*SatzEintrag(haus, key)).toFloat(), 9.0f);
    // Closed without a question (nothing unsaved), and opened again from the file.
    const CVRMString name = dokument->GetPathName();
    dokument->OnCloseDocument();
    uitest::processEvents();
    CKelvoDoc& wieder = OeffneUeberMenu(name);
    EXPECT_FLOAT_EQ(wieder.Haus().GetWert(ID_NormwaermeBedarf).GetFloatVal(), 9.0f);
}

// The solar plant's feed temperatures follow the wizard's house page (heating flow) and
// hot-water page (tank target). A cancelled design leaves the plant's record as it was, in
// memory and so also in the file that later saves write; a finished design writes the typed
// values with the rest.
TEST_F(AuslegungNutzerTest, SolaranlageDesWizardsNurMitFertigerAuslegung) {
    NeuesProjekt(QStringLiteral("Lenz"));
    // Designed once as it is: the project then has a heat pump, and with it a solar page.
    Auslegen({Sprachtext(kPumpenPruefen)});
    const CVRMString anlage = dokument->ProjektText(ID_Solar);
    ASSERT_FALSE(anlage.empty());
    const struct {
        TKelvoDatenID id;
        float neu;
    } werte[] = {{ID_SolSollTempH, 45.0f}, {ID_SolSollTemp, 55.0f}};
    const std::vector<SEingabe> eingaben = {{0, CHausPage::kIdVorlauf, QStringLiteral("45")},
                                            {1, CWWPage::kIdSoll, QStringLiteral("55")}};
    const auto zahl = [](const std::optional<std::u16string>& t) {
        return QString::fromStdU16String(t.value_or(u"nan")).toFloat();
    };
    std::vector<std::optional<std::u16string>> vorher;
    for (const auto& w : werte) {
        vorher.push_back(SatzEintrag(anlage, CVRMwerteListe::getKey(w.id)));
        ASSERT_TRUE(vorher.back().has_value()) << w.id;
        ASSERT_NE(zahl(vorher.back()), w.neu) << w.id;
    }

    Auslegen({}, eingaben, false);
    // Later saves write the file: the project page's (the house record), and the solar
    // page's, which writes every value of the plant as memory holds it.
    const struct {
        int kind;
        int haken;  // a check box clicked first, 0 none
        int feld;
        const char16_t* text;
        CVRMString satz;
        TKelvoDatenID id;
    } speichern[] = {
        {CKelvoDoc::kProjektSeite, 0, CProjektPage::kIdStrasse, u"Hauptstr. 1", dokument->ProjektText(ID_Haus),
         ID_AdrStrasse},
        // The plant taken into use, its area typed.
        {CKelvoDoc::kSolarSeite, CSolarPage::kIdBenutzt, CSolarPage::kIdFlaeche, u"12", anlage, ID_KFlaeche},
    };
    for (const auto& s : speichern) {
        CEingabeSeite& seite = Zeige<CEingabeSeite>(s.kind);
        if (s.haken) Druecke(seite, s.haken);
        Tippe(seite, s.feld, QString::fromStdU16String(s.text));
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        ASSERT_EQ(seite.m_modified, 0) << s.kind;
        ASSERT_EQ(zahl(SatzEintrag(s.satz, CVRMwerteListe::getKey(s.id))),
                  QString::fromStdU16String(s.text).toFloat())
            << s.kind;
        for (size_t i = 0; i < std::size(werte); ++i)
            EXPECT_EQ(SatzEintrag(anlage, CVRMwerteListe::getKey(werte[i].id)), vorher[i])
                << s.kind << " " << werte[i].id;
        Druecke(seite, CEingabeSeite::kIdSchliessen);
    }

    Auslegen({Sprachtext(kPumpenPruefen)}, eingaben);
    for (const auto& w : werte)
        EXPECT_FLOAT_EQ(zahl(SatzEintrag(anlage, CVRMwerteListe::getKey(w.id))), w.neu) << w.id;
}

// The project's solar plant follows the house: its heating flow and tank targets in the
// file are the house's, not 0.
TEST_F(AuslegungNutzerTest, SolaranlageFolgtDenZielenDesHauses) {
    NeuesProjekt(QStringLiteral("Lenz"));
    Auslegen({Sprachtext(kPumpenPruefen)});
    const CVRMString anlage = dokument->ProjektText(ID_Solar);
    ASSERT_FALSE(anlage.empty());
    const auto zahl = [&](TKelvoDatenID id) {
        return QString::fromStdU16String(SatzEintrag(anlage, CVRMwerteListe::getKey(id)).value_or(u"nan")).toFloat();
    };
    const CVRMwert& ziel = dokument->Haus().GetWert(ID_WWSollTemp);
    ASSERT_GT(ziel.GetUIntVal(), 0u);
    EXPECT_FLOAT_EQ(zahl(ID_SolSollTemp), static_cast<float>(ziel.GetUIntVal()));
    EXPECT_FLOAT_EQ(zahl(ID_SolSollTempH), dokument->Haus().GetWert(ID_HeizVorlauf).GetFloatVal());
}

// A tank target the chosen unit cannot reach alone, typed on the wizard's hot-water page:
// the takeover of the unit says that it needs post heating.
TEST_F(AuslegungNutzerTest, WarmwasserZielNurMitNachheizung) {
    NeuesProjekt(QStringLiteral("Lenz"));
    ASSERT_EQ(dokument->Haus().GetWert(ID_WWmitWP).GetIntVal(), 1);
    auto& d = uitest::dialogs();
    d.expectDialog({}, [&](QDialog& dlg) {
        auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
        Knopf(dlg, ui::kIdNext);
        Tippe(*sheet.page(1), CWWPage::kIdSoll, QStringLiteral("75"));
        Verlasse(*sheet.page(1), CWWPage::kIdSoll);
        while (sheet.activeIndex() < sheet.pageCount() - 1) Knopf(dlg, ui::kIdNext);
        auto* kandidaten = qobject_cast<QListWidget*>(ui::child(&dlg, CDimPage::kIdcKandidaten));
        ASSERT_GT(kandidaten->count(), 0);
        uitest::click(*kandidaten->viewport(), kandidaten->visualItemRect(kandidaten->item(0)).center());
        for (int i = 0; i < 2; ++i) d.expectMessageBox(OK);
        Knopf(dlg, ui::kIdFinish);
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    EXPECT_EQ(BoxTexte(), (std::vector<std::u16string>{Sprachtext(3441),
                                                        Sprachtext(kPumpenPruefen)}));
    EXPECT_GE(dokument->Haus().GetWert(ID_WWSollTemp).GetFloatVal(),
              static_cast<float>(dokument->GetWawaNachheizTemp()));
    // The hot-water page's entry is saved with the design.
    const auto soll = SatzEintrag(dokument->ProjektText(ID_Haus), CVRMwerteListe::getKey(ID_WWSollTemp));
    ASSERT_TRUE(soll.has_value());
    EXPECT_EQ(QString::fromStdU16String(*soll).toFloat(), 75.0f);
}

// Hot water by a second heat source, chosen on the wizard's hot-water page, cannot go with
// the monovalent mode, which has no second generator: the page says so and stays; a
// bivalent mode finishes.
TEST_F(AuslegungNutzerTest, WarmwasserDurchZweiteQuelleBrauchtZweitenErzeuger) {
    NeuesProjekt(QStringLiteral("Lenz"));
    auto& d = uitest::dialogs();
    d.expectDialog({}, [&](QDialog& dlg) {
        auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
        Knopf(dlg, ui::kIdNext);
        WaehleIndex(*sheet.page(1), CWWPage::kIdDienst, 3);
        while (sheet.activeIndex() < sheet.pageCount() - 1) Knopf(dlg, ui::kIdNext);
        QWidget& seite = *sheet.page(4);
        WaehleIndex(seite, CDimPage::kIdcBetriebsweise, kMonovalent);
        WaehleIndex(seite, CDimPage::kIdcVariante, 0);
        auto* kandidaten = qobject_cast<QListWidget*>(ui::child(&dlg, CDimPage::kIdcKandidaten));
        ASSERT_GT(kandidaten->count(), 0);
        uitest::click(*kandidaten->viewport(), kandidaten->visualItemRect(kandidaten->item(0)).center());
        d.expectMessageBox(OK);
        Knopf(dlg, ui::kIdFinish);
        EXPECT_EQ(BoxTexte().back(), Sprachtext(5617));
        ASSERT_TRUE(dlg.isVisible());
        EXPECT_EQ(sheet.activeIndex(), 4);

        WaehleIndex(seite, CDimPage::kIdcBetriebsweise, 1);  // bivalent
        ASSERT_GT(kandidaten->count(), 0);
        uitest::click(*kandidaten->viewport(), kandidaten->visualItemRect(kandidaten->item(0)).center());
        d.expectMessageBox(OK);
        Knopf(dlg, ui::kIdFinish);
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    // The bivalent design then asks for the second heat source.
    EXPECT_EQ(BoxTexte(), (std::vector<std::u16string>{Sprachtext(5617),
                                                        Sprachtext(5581)}));
    EXPECT_EQ(QuellWert(ID_BetrWeiseIdx), std::optional<std::u16string>(u"2"));
    EXPECT_EQ(SatzEintrag(dokument->ProjektText(ID_Haus), CVRMwerteListe::getKey(ID_WWmitWP)),
              std::optional<std::u16string>(u"3"));
}

// A first source in a mode the design page does not offer (bivalent alternative,
// monoenergetic and bivalent partly parallel), set on the source's page: the design page
// opens with no mode selected and asks for one before it searches or finishes; the
// bivalence field cannot be typed into in any mode; the mode chosen there is stored.
TEST_F(AuslegungNutzerTest, BetriebsweiseDieDieSeiteNichtAnbietet) {
    NeuesProjekt(QStringLiteral("Lenz"));
    uitest::dialogs().expectDialog({}, [&](QDialog& dlg) { Abbrechen(dlg); });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    for (int modus : {4, 5, 6}) {
        SCOPED_TRACE(modus);
        CWQ2Page& quellSeite = Zeige<CWQ2Page>(CKelvoDoc::kWQ2Seite);
        WaehleIndex(quellSeite, CWQ2Page::kIdModus, modus);
        Druecke(quellSeite, CEingabeSeite::kIdSpeichern);
        ASSERT_EQ(quellSeite.m_modified, 0);
        ASSERT_EQ(QuellWert(ID_BetrWeiseIdx), std::optional<std::u16string>(std::u16string(1, char16_t(u'0' + modus))));
        Druecke(quellSeite, CEingabeSeite::kIdSchliessen);
        auto& d = uitest::dialogs();
        const size_t vorher = d.boxes().size();
        d.expectDialog({}, [&](QDialog& dlg) {
            auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
            while (sheet.activeIndex() < 4) Knopf(dlg, ui::kIdNext);
            ASSERT_EQ(sheet.activeIndex(), 4);
            QWidget& seite = *sheet.page(4);
            EXPECT_EQ(Box(seite, CDimPage::kIdcBetriebsweise).currentIndex(), -1);
            auto* kandidaten = qobject_cast<QListWidget*>(ui::child(&dlg, CDimPage::kIdcKandidaten));
            EXPECT_EQ(kandidaten->count(), 0);
            d.expectMessageBox(OK);
            Knopf(dlg, CDimPage::kIdcSuchen);
            d.expectMessageBox(OK);
            Knopf(dlg, ui::kIdFinish);
            ASSERT_TRUE(dlg.isVisible());
            // The bivalence point is shown, never typed, whatever the mode.
            for (int m = 0; m < 4; ++m) {
                WaehleIndex(seite, CDimPage::kIdcBetriebsweise, m);
                const QString gezeigt = Text(seite, CDimPage::kIdcBivalenz);
                Tippe(seite, CDimPage::kIdcBivalenz, QStringLiteral("7"));
                EXPECT_EQ(Text(seite, CDimPage::kIdcBivalenz), gezeigt) << m;
            }
            WaehleIndex(seite, CDimPage::kIdcBetriebsweise, kMonovalent);
            ASSERT_GT(kandidaten->count(), 0);
            uitest::click(*kandidaten->viewport(), kandidaten->visualItemRect(kandidaten->item(0)).center());
            d.expectMessageBox(OK);
            Knopf(dlg, ui::kIdFinish);
        });
        Befehl(kBefehlDimensionieren)->trigger();
        uitest::processEvents();
        std::vector<std::u16string> gezeigt(d.boxes().size() - vorher);
        for (size_t i = vorher; i < d.boxes().size(); ++i) gezeigt[i - vorher] = d.boxes()[i].text;
        EXPECT_EQ(gezeigt, (std::vector<std::u16string>{Sprachtext(3221), Sprachtext(3231), Sprachtext(kPumpenPruefen)}));
        EXPECT_EQ(QuellWert(ID_BetrWeiseIdx), std::optional<std::u16string>(u"1"));
    }
}

// "Accept heat pump" in the design-point dialog for a unit the page's search leaves out: a
// larger unit of a maker the list shows, and a unit of another medium, which brings its
// kind of source with it. The accepted unit is selected, listed and designed.
TEST_F(AuslegungNutzerTest, AngenommeneWaermepumpeWirdAusgelegt) {
    const struct {
        int medium;  // of the unit accepted
        int art;     // the source kind stored with it
    } faelle[] = {{0, 0}, {1, 2}};
    NeuesProjekt(QStringLiteral("Lenz"));
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.medium);
        auto& d = uitest::dialogs();
        CVRMString angenommen;
        d.expectDialog({}, [&](QDialog& dlg) {
            auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
            while (sheet.activeIndex() < 4) Knopf(dlg, ui::kIdNext);
            QWidget& seite = *sheet.page(4);
            WaehleIndex(seite, CDimPage::kIdcQuellArt, 0);
            WaehleIndex(seite, CDimPage::kIdcBetriebsweise, 0);
            auto* kandidaten = qobject_cast<QListWidget*>(ui::child(&dlg, CDimPage::kIdcKandidaten));
            QStringList gelistet;
            for (int i = 0; i < kandidaten->count(); ++i) gelistet << kandidaten->item(i)->text();
            d.expectDialog(u"Calculate bivalent temperature", [&](QDialog& dpt) {
                QComboBox& namen = Box(dpt, CDlgCalcDPT::kIdcWPName);
                // The first unit of the medium the search did not list that the dialog can accept.
                for (int i = 0; i < namen.count() && angenommen.empty(); ++i) {
                    const CVRMString name = namen.itemText(i).toStdU16String();
                    CWPumpe2 wp;
                    CVRMdatenProvider::get().fill(wp, name);
                    if (gelistet.contains(namen.itemText(i)) || wp.GetWert(ID_MedienTyp).GetIntVal() != f.medium)
                        continue;
                    WaehleIndex(dpt, CDlgCalcDPT::kIdcWPName, i);
                    if (ui::child(&dpt, CDlgCalcDPT::kIdcWPUebernehmen)->isEnabled()) angenommen = name;
                }
                ASSERT_FALSE(angenommen.empty());
                Knopf(dpt, CDlgCalcDPT::kIdcWPUebernehmen);
            });
            Knopf(dlg, CDimPage::kIdcDimPunktDialog);
            ASSERT_NE(kandidaten->currentItem(), nullptr);
            EXPECT_EQ(kandidaten->currentItem()->text().toStdU16String(), angenommen);
            EXPECT_EQ(Box(seite, CDimPage::kIdcQuellArt).currentIndex(), f.art);
            EXPECT_EQ(ui::childText(&dlg, CDimPage::kIdcMedium), Sprachtext(3194 + static_cast<unsigned>(f.medium)));
            d.expectMessageBox(OK);
            Knopf(dlg, ui::kIdFinish);
        });
        Befehl(kBefehlDimensionieren)->trigger();
        uitest::processEvents();
        EXPECT_EQ(BoxTexte().back(), Sprachtext(kPumpenPruefen));
        EXPECT_EQ(SatzEintrag(dokument->GetPathName(), CVRMwerteListe::getKey(ID_WPumpe)),
                  std::optional<std::u16string>(angenommen));
        EXPECT_EQ(QuellWert(ID_QuellMediumIdx), std::optional<std::u16string>(std::u16string(1, char16_t(u'0' + f.art))));
    }
}

// A unit accepted in the design-point dialog that cannot reach the flow temperature alone
// (62 °C typed on the house page; the catalogue's brine units reach 60 °C): back on the
// page, in the monovalent mode, the unit's maximum flow temperature and the mode are both
// checked against the flow the house asks.
TEST_F(AuslegungNutzerTest, NachDemDialogModusGegenVorlaufGeprueft) {
    NeuesProjekt(QStringLiteral("Lenz"));
    auto& d = uitest::dialogs();
    const size_t vorher = d.boxes().size();
    d.expectDialog({}, [&](QDialog& dlg) {
        auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
        Tippe(*sheet.page(0), CHausPage::kIdVorlauf, QStringLiteral("62"));
        Verlasse(*sheet.page(0), CHausPage::kIdVorlauf);
        // No unit of the catalogue reaches that flow: on entering the page, in the
        // source's mode, and in the monovalent one.
        d.expectMessageBox(OK);
        while (sheet.activeIndex() < 4) Knopf(dlg, ui::kIdNext);
        QWidget& seite = *sheet.page(4);
        d.expectMessageBox(OK);
        WaehleIndex(seite, CDimPage::kIdcBetriebsweise, kMonovalent);
        const SAuslegungsWerte w = dynamic_cast<CDimPage&>(seite).Logik()->AuslegungsWerte();
        CVRMString angenommen;
        d.expectDialog(u"Calculate bivalent temperature", [&](QDialog& dpt) {
            QComboBox& namen = Box(dpt, CDlgCalcDPT::kIdcWPName);
            // The first brine unit the dialog accepts whose flow stays below the house's.
            for (int i = 0; i < namen.count() && angenommen.empty(); ++i) {
                const CVRMString name = namen.itemText(i).toStdU16String();
                CWPumpe2 wp;
                CVRMdatenProvider::get().fill(wp, name);
                WaehleIndex(dpt, CDlgCalcDPT::kIdcWPName, i);
                if (wp.GetWert(ID_MedienTyp).GetIntVal() != 0 || wp.getMVT(w.quellTemp) >= w.vorlaufTemp1) continue;
                if (ui::child(&dpt, CDlgCalcDPT::kIdcWPUebernehmen)->isEnabled()) angenommen = name;
            }
            ASSERT_FALSE(angenommen.empty());
            d.expectMessageBox(OK);
            d.expectMessageBox(OK);
            Knopf(dpt, CDlgCalcDPT::kIdcWPUebernehmen);
        });
        Knopf(dlg, CDimPage::kIdcDimPunktDialog);
        Abbrechen(dlg);
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    ASSERT_EQ(d.boxes().size(), vorher + 4);
    EXPECT_EQ(d.boxes()[vorher + 1].text, Sprachtext(3240));
    // "Max. flow heating temperature of heat pump (60.0 °C)\nis smaller than required: 62.0 °C !"
    EXPECT_NE(d.boxes()[vorher + 2].text.find(u"(60.0 °C)"), std::u16string::npos);
    EXPECT_EQ(d.boxes()[vorher + 3].text, Sprachtext(5743));
}

// A source of kind 6 (room air) shows its own kind and variant on the design page, not the
// direct evaporation of the heat-pump media, and keeps it among the kinds offered. No window
// makes such a source, so the project's source is given the kind in memory.
TEST_F(AuslegungNutzerTest, Quellart6ZeigtIhreEigeneVariante) {
    NeuesProjekt(QStringLiteral("Lenz"));
    uitest::dialogs().expectDialog({}, [&](QDialog& dlg) { Abbrechen(dlg); });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    dokument->GetWQuelle(1)->GetWert(ID_QuellMediumIdx) = 6;
    auto& d = uitest::dialogs();
    d.expectDialog({}, [&](QDialog& dlg) {
        auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
        // No unit of the catalogue works with such a source.
        d.expectMessageBox(OK);
        while (sheet.activeIndex() < 4) Knopf(dlg, ui::kIdNext);
        QWidget& seite = *sheet.page(4);
        const std::u16string raumluft = Sprachtext(3602);  // "air", the kind's own name
        EXPECT_EQ(Eintraege(seite, CDimPage::kIdcQuellArt),
                  (QStringList{QString::fromStdU16String(Sprachtext(3600)), QString::fromStdU16String(Sprachtext(3601)),
                               QString::fromStdU16String(raumluft), QString::fromStdU16String(Sprachtext(3603)),
                               QString::fromStdU16String(raumluft)}));
        EXPECT_EQ(Box(seite, CDimPage::kIdcQuellArt).currentIndex(), 4);
        EXPECT_EQ(Eintraege(seite, CDimPage::kIdcVariante), QStringList{QString::fromStdU16String(raumluft)});
        Abbrechen(dlg);
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3240));
}

// A design refused for an open page with changes leaves a new project as it was: its heat
// source is not given a first source.
TEST_F(AuslegungNutzerTest, VerweigerteAuslegungLaesstNeuesProjektUnberuehrt) {
    NeuesProjekt(QStringLiteral("Lenz"));
    const CVRMString kombi = dokument->ProjektText(ID_WQuelle);
    CProjektPage& seite = Zeige<CProjektPage>(CKelvoDoc::kProjektSeite);
    Tippe(seite, CProjektPage::kIdStrasse, QStringLiteral("Hauptstr. 1"));
    ASSERT_NE(seite.m_modified, 0);
    uitest::dialogs().expectMessageBox(OK);
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3267));
    EXPECT_EQ(SatzEintrag(kombi, CVRMwerteListe::getKey(ID_KQuelle1)), std::nullopt);
    EXPECT_EQ(dokument->KombiWQuelle().GetAnzahlWQuellen(), 0);
}

// Cancel in the wizard writes nothing and leaves nothing changed in memory. On an air
// project whose tariff is the user's own: its price taken over by Next, the tariff switched
// to another on the way back, a former consumption OKed in the heating-load dialog, Next
// through every page (each one recomputes the defrosting energy), Cancel. The user
// database file is byte for byte the old one, memory holds the stored values, and a later
// save of the project page writes none of the cancelled ones.
TEST_F(AuslegungNutzerTest, AbbruchLaesstDateiUndSpeicherUnberuehrt) {
    NeuesProjekt(QStringLiteral("Frost"));
    CMainFrame& frame = Frame();
    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        uitest::type(*ui::child(&d, 1033), QStringLiteral("Eigenstrom"));
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    frame.Router().updateActions(frame.menuBar()->actions());
    ui::findAction(frame.menuBar(), 32833)->trigger();
    uitest::processEvents();
    auto* stamm = dynamic_cast<CTarifPage*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif));
    ASSERT_NE(stamm, nullptr);
    Druecke(*stamm, CEingabeSeite::kIdSchliessen);
    const QString tarif = QString::fromStdU16String(dokument->ProjektText(ID_Tarif));
    const CVRMString eigener = u"Eigenstrom";
    ASSERT_NE(tarif.toStdU16String(), eigener);
    // A first design, finished, gives the project the user's tariff.
    uitest::dialogs().expectDialog({}, [&](QDialog& dlg) {
        auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
        while (sheet.activeIndex() < 2) Knopf(dlg, ui::kIdNext);
        Waehle(*sheet.page(2), CTarifPage::kIdAuswahl, QStringLiteral("Eigenstrom"));
        while (sheet.activeIndex() < 4) Knopf(dlg, ui::kIdNext);
        auto* kandidaten = qobject_cast<QListWidget*>(ui::child(&dlg, CDimPage::kIdcKandidaten));
        ASSERT_GT(kandidaten->count(), 0);
        uitest::click(*kandidaten->viewport(), kandidaten->visualItemRect(kandidaten->item(0)).center());
        uitest::dialogs().expectMessageBox(OK);
        Knopf(dlg, ui::kIdFinish);
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    ASSERT_EQ(dokument->ProjektText(ID_Tarif), eigener);
    const CVRMString projekt = dokument->GetPathName();
    const struct {
        CVRMString satz;
        TKelvoDatenID id;
    } werte[] = {{eigener, ID_Preis1}, {projekt, ID_VOV}, {projekt, ID_StromAbtauen}};
    const auto datei = Bytes();
    std::vector<std::optional<std::u16string>> vorher;
    std::vector<float> imSpeicher;
    for (const auto& w : werte) {
        vorher.push_back(SatzEintrag(w.satz, CVRMwerteListe::getKey(w.id)));
        imSpeicher.push_back(CVRMdatenProvider::get().getWerte(w.satz).get(w.id).GetFloatVal());
    }
    ASSERT_NE(imSpeicher[0], 99.0f);
    ASSERT_NE(imSpeicher[1], 2000.0f);

    bool abgebrochen = false;
    uitest::dialogs().expectDialog({}, [&](QDialog& dlg) {
        auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
        ASSERT_EQ(sheet.pageCount(), 5);
        while (sheet.activeIndex() < 2) Knopf(dlg, ui::kIdNext);
        QWidget& tarifSeite = *sheet.page(2);
        Tippe(tarifSeite, CTarifPage::kIdPreis1, QStringLiteral("99"));
        Verlasse(tarifSeite, CTarifPage::kIdPreis1);
        // "Changes of the tariff influence all projects using this tariff ..." Yes.
        uitest::dialogs().expectMessageBox(platform::id::YES);
        while (sheet.activeIndex() < 4) Knopf(dlg, ui::kIdNext);
        ASSERT_EQ(CVRMdatenProvider::get().getWerte(eigener).get(ID_Preis1).GetFloatVal(), 99.0f);
        WaehleIndex(*sheet.page(4), CDimPage::kIdcQuellArt, 2);
        // Back to the tariff page; another tariff chosen.
        while (sheet.activeIndex() > 2) Knopf(dlg, ui::kIdBack);
        Waehle(tarifSeite, CTarifPage::kIdAuswahl, tarif);
        ASSERT_EQ(dokument->ProjektText(ID_Tarif), tarif.toStdU16String());
        while (sheet.activeIndex() > 0) Knopf(dlg, ui::kIdBack);
        uitest::dialogs().expectDialog(Sprachtext(4646), [&](QDialog& last) {
            auto* methode2 = qobject_cast<QRadioButton*>(ui::child(&last, CDlgHeizlast::kIdMethode2));
            ASSERT_NE(methode2, nullptr);
            uitest::click(*methode2, {6, methode2->height() / 2});
            Tippe(last, CDlgHeizlast::kIdOel, QStringLiteral("2000"));
            Tippe(last, CDlgHeizlast::kIdPersonen, QStringLiteral("2"));
            Knopf(last, ui::kIdOk);
        });
        Druecke(*sheet.page(0), CHausPage::kIdRegeln);
        while (sheet.activeIndex() < 4) Knopf(dlg, ui::kIdNext);
        abgebrochen = true;
        Abbrechen(dlg);
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    ASSERT_TRUE(abgebrochen);
    uitest::dialogs().finishTest();
    EXPECT_EQ(Bytes(), datei);
    EXPECT_EQ(dokument->ProjektText(ID_Tarif), eigener);
    for (size_t i = 0; i < std::size(werte); ++i)
        EXPECT_EQ(CVRMdatenProvider::get().getWerte(werte[i].satz).get(werte[i].id).GetFloatVal(), imSpeicher[i])
            << werte[i].id;

    CProjektPage& seite = Zeige<CProjektPage>(CKelvoDoc::kProjektSeite);
    Tippe(seite, CProjektPage::kIdStrasse, QStringLiteral("Hauptstr. 1"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    ASSERT_EQ(seite.m_modified, 0);
    ASSERT_NE(Bytes(), datei);
    for (size_t i = 0; i < std::size(werte); ++i)
        EXPECT_EQ(SatzEintrag(werte[i].satz, CVRMwerteListe::getKey(werte[i].id)), vorher[i]) << werte[i].id;
    Druecke(seite, CEingabeSeite::kIdSchliessen);

    // Master data > Tariffs: the user's tariff, its second price typed and saved; the file
    // keeps the stored first price.
    Befehl(32835)->trigger();
    uitest::processEvents();
    auto* tarifSeite = dynamic_cast<CTarifPage*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif));
    ASSERT_NE(tarifSeite, nullptr);
    Waehle(*tarifSeite, CTarifPage::kIdAuswahl, QStringLiteral("Eigenstrom"));
    ASSERT_EQ(tarifSeite->TarifName(), eigener);
    Tippe(*tarifSeite, CTarifPage::kIdPreis2, QStringLiteral("12"));
    uitest::dialogs().expectMessageBox(platform::id::YES);
    Druecke(*tarifSeite, CEingabeSeite::kIdSpeichern);
    ASSERT_EQ(tarifSeite->m_modified, 0);
    EXPECT_EQ(QString::fromStdU16String(SatzEintrag(eigener, CVRMwerteListe::getKey(ID_Preis2)).value_or(u"")).toFloat(),
              12.0f);
    EXPECT_EQ(SatzEintrag(eigener, CVRMwerteListe::getKey(ID_Preis1)), vorher[0]);
}

}  // namespace
