// The sample projects of the shipped library as a new user meets them on the first start:
// each passes the program's own checks without a message (its heat pump carries the design
// load with the hot-water and blocking-time additions, its source passes the design test
// and carries the unit's nominal flow), the energy-coverage chart agrees with the check,
// and the cost comparison opened from the menu shows prices, efficiencies and totals for
// every system it compares, on both pages and in both charts, without anything typed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTabBar>

#include "app/base/VRMPropertySheet.h"
#include "app/doc/KelvoDoc.h"
#include "controls/chart/HMXChart.h"
#include "dialogs/DlgBKGrafik.h"
#include "dialogs/DlgWiGrafik.h"
#include "pages/BKVergleichPage.h"
#include "pages/WirtschaftPage.h"
#include "tests/app/ui/ProgrammFixture.h"

namespace {

using programmtest::ProgrammFixture;
using BK = CBKVergleichPage;
using WI = CWirtschaftPage;
constexpr int kKostenvergleich = 32855;
constexpr int kJahresergebnisse = 32853;
constexpr int kEnergiedeckung = 40001;

struct SBeispiel {
    const char16_t* name;
    bool bivalent;  // each cost page tells that the boiler has no additional costs
};

constexpr SBeispiel kBeispiele[] = {{u"Sample ground probe monovalent", false},
                                    {u"Sample air monoenergetic", false},
                                    {u"Sample ground water bivalent", true},
                                    {u"Sample ground probe solar", false}};

std::string Name(const testing::TestParamInfo<SBeispiel>& info) {
    std::string name;
    for (const char16_t c : std::u16string_view(info.param.name).substr(7))
        if (c != u' ') name += static_cast<char>(c);
    return name;
}

QString Text(QWidget& w, int id) { return QString::fromStdU16String(ui::childText(&w, id)); }

class BeispielProjekteTest : public ProgrammFixture, public testing::WithParamInterface<SBeispiel> {
  protected:
    CVRMString Beispiel() { return Projekt(GetParam().name); }
};

// File > Open project, the yearly results and the energy coverage from the menu: no box
// before either (the design check, the running-time limit of the options, the source's
// design test and flow); the design test passes; the chart's heat pump covers the demand
// at the design point as the check found; a ground source carries the unit's nominal flow.
TEST_P(BeispielProjekteTest, RechnetOhneHinweis) {
    Starte();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Beispiel());
    for (const auto& [befehl, titel] : {std::pair{kJahresergebnisse, u"Evaluation - " + doc.GetPathName()},
                                        std::pair{kEnergiedeckung, doc.GetPathName()}}) {
        bool gezeigt = false;
        d.expectDialog(titel, [&](QDialog& dlg) {
            gezeigt = true;
            dlg.reject();
        });
        ASSERT_TRUE(Befehl(befehl)->isEnabled()) << befehl;
        Befehl(befehl)->trigger();
        uitest::processEvents();
        EXPECT_TRUE(gezeigt) << befehl;
    }
    EXPECT_TRUE(BoxTexte().empty());

    int ausreichend = 7;
    EXPECT_EQ(doc.BerechneProjekt(ausreichend, 0, 0), 1);
    EXPECT_EQ(ausreichend, 1) << "the source passes its design test";
    // The design point: the bivalence point of a plant with a second generator, else the
    // design outdoor temperature.
    CWQuelle2& quelle = *doc.GetWQuelle(1);
    const int modus = quelle.GetWert(ID_BetrWeiseIdx).GetIntVal();
    SEnergiedeckung deckung;
    ASSERT_TRUE(doc.getEnergiedeckungDaten(deckung));
    const int punkt = modus == 1 ? deckung.tiefste : quelle.GetWert(ID_DimPunktTemp).GetIntVal();
    const auto i = static_cast<size_t>(punkt - SEnergiedeckung::kTiefsteTemp);
    EXPECT_GT(deckung.bedarf[i], 0.0f);
    EXPECT_GE(deckung.leistung[i], deckung.bedarf[i]) << "at " << punkt << " degC";

    const int art = quelle.GetWert(ID_QuellMediumIdx).GetIntVal();
    if (art == 0 || art == 1 || art == 4) {
        const float nenn = doc.WPumpe().GetWert(ID_VolStromSole).GetFloatVal();
        EXPECT_GT(nenn, 0.0f);
        EXPECT_GE(quelle.GetWert(ID_VolStrom).GetFloatVal(), nenn);
    }
    if (art == 0) {
        // The model's own sizing of the probes for the sample's unit, from the extraction at
        // the design source temperature and the year's source energy the design test takes,
        // asks no more probe metres than the sample has.
        const SDimWerte dim = doc.GetDimWerte(static_cast<float>(punkt));
        const float vorlauf = doc.Haus().GetWert(ID_HeizVorlauf).GetFloatVal();
        const float ruecklauf = doc.Haus().GetWert(ID_HeizRuecklauf).GetFloatVal();
        const CVRMString ort = doc.Haus().GetWert(ID_Klimaort).GetStringVal();
        float leistung = 0.0f, energie = 0.0f;
        doc.KaelteLeistungen(leistung, energie, &doc.WPumpe(), vorlauf, ruecklauf, vorlauf,
                             dim.quellTemp, quelle, false, ort);
        float anzahl = 0.0f, meter = 0.0f;
        quelle.Dimensioniere(art, leistung, energie, quelle.GetWert(ID_RohrAussen).GetFloatVal(),
                             false, ort, anzahl, meter);
        EXPECT_GT(meter, 100.0f);
        EXPECT_LE(meter, static_cast<float>(quelle.GetWert(ID_SoleKreise).GetUIntVal() *
                                            quelle.GetWert(ID_WQuelleLaenge).GetUIntVal()));
    }
    EXPECT_TRUE(BoxTexte().empty());
}

// File > Open project, then the cost comparison from the menu: every system switched on
// has its price, its efficiency and a total above zero; the operating-cost chart draws
// them; the economics page and its chart show each system's running costs.
TEST_P(BeispielProjekteTest, KostenvergleichZeigtPreiseUndSummen) {
    Starte();
    auto& d = uitest::dialogs();
    CKelvoDoc& doc = OeffneUeberMenu(Beispiel());
    CProjekt2::HeizsystemFlags an{};
    doc.Projekt().GetHeizsystemJN(an);
    ASSERT_EQ(an, (CProjekt2::HeizsystemFlags{1, 1, 1, 1, 1, 1}));
    if (GetParam().bivalent) d.expectMessageBox(1);  // the boiler's additional costs are not given
    bool gezeigt = false;
    d.expectDialog(u"Economic comparisons - " + doc.GetPathName(), [&](QDialog& sheet) {
        gezeigt = true;
        for (size_t pos = 0; pos < an.size(); ++pos) {
            SCOPED_TRACE(pos);
            EXPECT_GT(Text(sheet, BK::kIdPreis[pos]).toFloat(), 0.0f);
            if (pos > 0) {
                const uint32_t eta = Text(sheet, BK::kIdWirkungsgrad[pos]).toUInt();
                EXPECT_GE(eta, 10u);
                EXPECT_LE(eta, 100u);
            }
            EXPECT_GT(Text(sheet, BK::kIdSumme[pos]).toUInt(), 0u);
        }
        auto& bk = *dynamic_cast<BK*>(static_cast<CVRMPropertySheet&>(sheet).page(0));
        EXPECT_GT(bk.Rechnung().daten.wpKosten, 0u) << "the heat pump's electricity costs";

        // Each chart has a bar above 0 for every one of the six systems.
        const auto sechsBalken = [](CHMXChart* chart) {
            ASSERT_NE(chart, nullptr);
            ASSERT_EQ(chart->GetDatasetSize(0), 6);
            for (int pos = 0; pos < 6; ++pos) {
                double wert = 0;
                chart->GetData(0, pos, wert);
                EXPECT_GT(wert, 0.0) << pos;
            }
        };
        d.expectDialog(doc.GetPathName(), [&](QDialog& dlg) {
            sechsBalken(static_cast<CDlgBKGrafik&>(dlg).Chart());
            dlg.reject();
        });
        uitest::click(*ui::child(&sheet, BK::kIdGrafik), {5, 5});
        uitest::processEvents();

        // Economics: the investment costs are the user's; the running costs are there.
        if (GetParam().bivalent) d.expectMessageBox(1);
        d.expectMessageBox(1);
        sheet.findChild<QTabBar*>()->setCurrentIndex(1);
        uitest::processEvents();
        for (size_t pos = 0; pos < an.size(); ++pos)
            EXPECT_GT(Text(sheet, WI::kIdBetrieb[pos]).toUInt(), 0u) << pos;
        d.expectDialog(doc.GetPathName(), [&](QDialog& dlg) {
            sechsBalken(static_cast<CDlgWiGrafik&>(dlg).Chart());
            dlg.reject();
        });
        uitest::click(*ui::child(&sheet, WI::kIdGrafik), {5, 5});
        uitest::processEvents();
        uitest::click(*ui::child(&sheet, 2), {5, 5});
    });
    QAction* befehl = Befehl(kKostenvergleich);
    ASSERT_NE(befehl, nullptr);
    ASSERT_TRUE(befehl->isEnabled());
    befehl->trigger();
    uitest::processEvents();
    EXPECT_TRUE(gezeigt);
}

INSTANTIATE_TEST_SUITE_P(Bibliothek, BeispielProjekteTest, testing::ValuesIn(kBeispiele), Name);

}  // namespace
