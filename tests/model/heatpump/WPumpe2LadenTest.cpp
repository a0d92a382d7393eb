// Loading a heat pump and its performance records from the database, saving the records,
// and what a heat pump that is not loaded answers.
#include <functional>

#include "model/data/VRMdatenProvider2.h"
#include "tests/model/heatpump/WPumpeFixture.h"

namespace {

using wptest::WPumpeFixture;

class WPumpe2Laden : public WPumpeFixture {
  protected:
    CVRMdatenProvider2& p2 = CVRMdatenProvider2::Get();
};

TEST_F(WPumpe2Laden, RecordsKeepTheSlotOfTheirKeyAndGetTheDefaultFlowTemperatures) {
    for (int groesse : {8, 0}) {
        CWPDatenArray daten(groesse);
        // A record of an earlier heat pump in a slot without a key now goes.
        if (groesse > 1)
            daten.SetAt(1, std::make_unique<CWPLeistDaten>(
                               u"1#2#", vrmcore::SZahlOrt{u"WP", u"LeistDaten1"}));
        p2.GetWPLeistDaten(u"WP-Luecke", daten, 57);
        EXPECT_EQ(daten.GetSize(), groesse == 8 ? 8 : 3);
        ASSERT_NE(daten.GetAt(0), nullptr);
        EXPECT_EQ(daten.GetAt(0)->vorlauf2, 50.0f);    // stored 0: the second flow is 50 °C
        EXPECT_EQ(daten.GetAt(0)->maxVorlauf, 57.0f);  // stored 0: the heat pump's value
        EXPECT_EQ(daten.GetAt(1), nullptr);            // no "LeistDaten1"
        ASSERT_NE(daten.GetAt(2), nullptr);
        EXPECT_EQ(daten.GetAt(2)->vorlauf2, 45.0f);
        EXPECT_EQ(daten.GetAt(2)->maxVorlauf, 62.0f);
    }
}

TEST_F(WPumpe2Laden, SavedRecordsReadBackAndEmptySlotsLoseTheirKeys) {
    CWPDatenArray daten(8);
    daten.SetAt(0, std::make_unique<CWPLeistDaten>(-5, 6, 5, 1.5f, 2.1f, 4.5f, 2.9f, 55, 58));
    daten.SetAt(1, std::make_unique<CWPLeistDaten>(5, 8, 7, 1.6f, 2.2f, 6.4f, 4.8f, 55, 62));
    p2.SaveWPLeistDaten(u"WP-Drei", daten, true);  // held four rows before

    const auto zeilen = p2.LeseLeistDatenZeilen(u"WP-Drei");
    EXPECT_EQ(zeilen[0], u"-5#6.00#5.00#1.50#2.10#4.50#2.90#55.00#58.00#");
    EXPECT_EQ(zeilen[1], u"5#8.00#7.00#1.60#2.20#6.40#4.80#55.00#62.00#");
    EXPECT_TRUE(zeilen[2].IsEmpty());
    EXPECT_TRUE(zeilen[3].IsEmpty());

    CWPDatenArray gelesen(8);
    p2.GetWPLeistDaten(u"WP-Drei", gelesen, 55);
    for (int i = 0; i < 8; ++i) {
        ASSERT_EQ(gelesen.GetAt(i) == nullptr, daten.GetAt(i) == nullptr) << i;
        if (daten.GetAt(i)) {
            EXPECT_EQ(gelesen.GetAt(i)->Format(), daten.GetAt(i)->Format());
        }
    }
}

TEST_F(WPumpe2Laden, BadNamesAndOversizedArraysAreRefused) {
    CWPDatenArray acht(8), neun(9);
    EXPECT_EQ(FehlerText([&] { p2.GetWPLeistDaten(u"", acht, 55); }),
              errorBox(3105, u"CVRMdatenProvider2::GetWPLeistDaten"));
    EXPECT_EQ(FehlerText([&] { p2.GetWPLeistDaten(u"WP-Sole", neun, 55); }), u"Exception");
    EXPECT_EQ(FehlerText([&] { p2.SaveWPLeistDaten(u"", acht, false); }), u"Exception");
    EXPECT_EQ(FehlerText([&] { p2.SaveWPLeistDaten(u"WP-Sole", neun, false); }), u"Exception");
    // Nothing was written over the stored records.
    EXPECT_FALSE(p2.LeseLeistDatenZeilen(u"WP-Sole")[1].IsEmpty());
}

TEST_F(WPumpe2Laden, FilledHeatPumpSharesTheStoredValues) {
    auto luft = Lade(u"WP-Luft");
    EXPECT_EQ(luft->getConsumerName(), u"WP-Luft");
    EXPECT_EQ(luft->GetWert(ID_MedienTyp).GetIntVal(), 1);
    EXPECT_EQ(luft->GetWert(ID_TempDiffVerfluess).GetFloatVal(), 10.0f);  // the default
    EXPECT_EQ(&luft->GetWert(ID_MinLuftTemp),
              &CVRMdatenProvider::get().getWerte(u"WP-Luft").get(ID_MinLuftTemp));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WPumpe2Laden, InitReportsAnEmptyListAndAFailedLoadUnderTheRecordName) {
    CWPumpe2 wp;
    CVRMwerteListe leer(u"WP-Sole");
    EXPECT_EQ(FehlerText([&] { wp.init(leer); }), errorBox(3105, u"CWPumpe2::init(1)"));

    // The records cannot be loaded without the stored maximum flow temperature.
    CVRMwerteListe ohne370(u"WP-Sole");
    ohne370.SetAt(ID_MedienTyp, std::make_shared<CVRMwert>(0));
    EXPECT_EQ(FehlerText([&] { wp.init(ohne370); }), errorBox(3101, u"WP-Sole"));
}

TEST_F(WPumpe2Laden, OperationsOfAHeatPumpNotLoadedReportTheirPlace) {
    CWPumpe2 wp;
    float wert = 0.0f;
    const std::pair<const char16_t*, std::function<void()>> faelle[] = {
        {u"CWPumpe2::SetAnzahl", [&] { wp.SetAnzahl(2); }},
        {u"CWPumpe2::GetWert", [&] { wp.GetWert(ID_MedienTyp); }},
        {u"CWPumpe2::getAPQ", [&] { wp.getAPQ(); }},
        {u"CWPumpe2::getAPV", [&] { wp.getAPV(); }},
        {u"CWPumpe2::getQuellenMedium", [&] { wp.getQuellenMedium(); }},
        {u"CWPumpe2::getTHL", [&] { wp.getTHL(); }},
        {u"CWPumpe2::getMVT", [&] { wp.getMVT(0.0f); }},
        {u"CWPumpe2::GetLeistungGesamt", [&] { wp.GetLeistungGesamt(1, 0, 35, 35, 30, wert); }},
        {u"CWPumpe2::getTabellenWert", [&] { wp.getTabellenWert(1, 0, 35, wert); }},
    };
    for (const auto& [ort, aufruf] : faelle)
        EXPECT_EQ(FehlerText(aufruf), errorBox(3101, ort)) << CVRMString(ort).toUtf8();
}

TEST_F(WPumpe2Laden, UnitCountOfZeroIsRefusedAndTheOldCountStays) {
    auto wp = Lade(u"WP-Sole");
    wp->SetAnzahl(3);
    EXPECT_EQ(FehlerText([&] { wp->SetAnzahl(0); }), errorBox(3105, u"CWPumpe2::SetAnzahl"));
    float heiz = 0.0f;
    wp->GetLeistungAnzahl(1, -5, 35, heiz);
    EXPECT_FLOAT_EQ(heiz, 18.0f);  // 3 units x 6 kW of the record at -5 °C
}

}  // namespace
