// The house's hot water: monthly demand by volume and by the demand figure, spread losses,
// the daily volume derived from N, the month's record for the calculator, the ventilation
// figure and the short texts.
#include <gtest/gtest.h>

#include <array>

#include "model/house/WawaDaten.h"
#include "platform/errors/UserException.h"
#include "tests/model/house/HausFixture.h"

namespace {

using haustest::HausFixture;
using Monate = std::array<float, 12>;

class Haus2Wasser : public HausFixture {};

TEST_F(Haus2Wasser, MonthlyDemandByRuleAndService) {
    struct Fall {
        const char* name;
        std::map<std::u16string, std::u16string> aenderung;
        float monat;
    };
    const Fall faelle[] = {
        // 200 l from 10 to 50 °C: 40 x 200 x 0.0011676 x 30 = 280.224 kWh.
        {"by volume", {}, 280.224f},
        // Yearly losses 1000 + 200 kWh over twelve months: + 100 kWh.
        {"with losses", {{u"ZIV", u"1000"}, {u"GSV", u"200"}}, 380.224f},
        // N = 3.5, kept with its fraction: 360 x 3.5^0.82 = 360 x 2.793417 = 1005.630 kWh.
        {"by N", {{u"BBK", u"1"}, {u"BKZ", u"3.5"}}, 1005.630f},
        {"no service", {{u"WWmitWP", u"0"}, {u"ZIV", u"1200"}}, 0.0f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        for (const auto& [key, wert] : f.aenderung) haus[key] = wert;
        auto h = LadeHaus();
        Monate monate;
        monate.fill(-1.0f);
        h->MonatlicherWWbedarf(monate);
        for (float m : monate) EXPECT_NEAR(m, f.monat, 1e-2);
        float mai = -1.0f;
        h->MonatlicherWWbedarf(4, mai);
        EXPECT_NEAR(mai, f.monat, 1e-2);
        for (const auto& [key, wert] : f.aenderung) haus.erase(key);
        haus[u"WWmitWP"] = u"1";
    }
}

TEST_F(Haus2Wasser, DailyVolumeFromTheDemandFigure) {
    haus[u"BKZ"] = u"1";
    auto h = LadeHaus();
    EXPECT_EQ(h->BerechneWWEnergie(), 200u);  // by volume: the stored litres
    EXPECT_EQ(h->GetWert(ID_WWproTag).GetUIntVal(), 200u);
    h->SetWert(ID_BBK, CVRMVariant(true), false);
    // N = 1: 360 kWh a month, 12 kWh a day; 12 x 3597.1223 / (40 x 4.2) = 256.94 l.
    EXPECT_EQ(h->BerechneWWEnergie(), 256u);
    EXPECT_EQ(h->GetWert(ID_WWproTag).GetUIntVal(), 256u);

    float monat = 0.0f;
    EXPECT_THROW(h->MonatlicherWWbedarf(12, monat), platform::UserException);
    EXPECT_EQ(boxTexts(),
              (std::vector<std::u16string>{fehler(3105, u"CHaus2::MonatlicherWWbedarf(2)")}));
}

TEST_F(Haus2Wasser, SharesReadZeroWhileTheirHeatingIsOff) {
    haus[u"DeckungFB"] = u"60";
    haus[u"DeckungRA"] = u"40";
    auto h = LadeHaus();
    EXPECT_EQ(h->GetWert(ID_DeckungFB).GetUIntVal(), 60u);
    EXPECT_EQ(h->GetWert(ID_DeckungRA).GetUIntVal(), 0u);  // radiators are off
}

TEST_F(Haus2Wasser, RecordForTheCalculator) {
    haus[u"WWSpTyp"] = u"0";
    haus[u"WWTVerluste"] = u"0";
    haus[u"ZIV"] = u"1200";
    dok.wpLeistung[0] = 6.0f;
    dok.wpLeistung[1] = 8.0f;
    dok.wpLeistung[2] = 2.0f;
    auto h = LadeHaus();

    CWawaDaten d;
    d.m_quellTemp = 5.0f;
    d.m_maxVorlaufTemp = 60;
    h->WarmwasserEnergie(0, d, 0.0f);
    // No daily energy given: the losses' 100 kWh a month are 3.333 kWh a day, 71.37 l
    // from 10 to 50 °C (71 whole), plus the 200 l stored.
    EXPECT_EQ(d.m_volumen, 271u);
    EXPECT_EQ(d.m_speicherTyp, 0);
    EXPECT_EQ(d.m_sollTemp, 50u);
    EXPECT_EQ(d.m_kaltWTemp, 10u);
    EXPECT_EQ(d.m_wawaMitWP, 1);
    EXPECT_EQ(d.m_quellTemp, 5.0f);
    // 271 l x 40 K x 0.0011676 x 30 days.
    EXPECT_NEAR(d.m_gesamtEnergie, 271 * 40 * 0.0011676f * 30, 1e-2);

    h->WarmwasserEnergie(0, d, 9.3408f);  // 200 l worth a day
    EXPECT_NEAR(d.m_volumen, 200u, 1u);

    h->SetWert(ID_WWmitWP, CVRMVariant(0), false);
    d.m_elEnergie = 5.0f;
    h->WarmwasserEnergie(12, d, 0.0f);  // no service: nothing to check, nothing computed
    EXPECT_EQ(d.m_elEnergie, 0.0f);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Haus2Wasser, VentilationTakesAtMostWhatTheAirGives) {
    haus[u"HVA"] = u"325";
    haus[u"LWF"] = u"0.5";
    auto h = LadeHaus();
    // At 15 K the air gives 325 x 0.5 x 0.34 x 15 / 1000 = 0.82875 kW.
    EXPECT_NEAR(h->GetLueftungsLeistung(0.5f, 0.2f), 0.7f, 1e-5);
    EXPECT_NEAR(h->GetLueftungsLeistung(2.0f, 0.2f), 1.02875f, 1e-5);
    h->SetWert(ID_LWF, CVRMVariant(0.0f), false);  // no air change: only the electric power
    EXPECT_NEAR(h->GetLueftungsLeistung(2.0f, 0.2f), 0.2f, 1e-6);
}

TEST_F(Haus2Wasser, ShortTexts) {
    auto h = LadeHaus();
    EXPECT_EQ(h->GetOrtKurzInfo(), u"10.0 kW; Climate: Klein");
    EXPECT_EQ(h->GetWawaKurzInfo(),
              u"Hot water with heat pump; 200 l/day; 50 °C; Type 3: combination of type 1/2");
    h->SetWert(ID_BBK, CVRMVariant(true), false);
    h->SetWert(ID_BKZ, CVRMVariant(3.0f), false);
    EXPECT_EQ(h->GetWawaKurzInfo(),
              u"Hot water with heat pump; 50 °C; N=3; Type 3: combination of type 1/2 (1)");
    h->SetWert(ID_WWmitWP, CVRMVariant(0), false);
    EXPECT_EQ(h->GetWawaKurzInfo(), u"No hot water service");

    EXPECT_EQ(h->GetSolarKurzInfo(u"Anlage"), u"Project without solar system");
    EXPECT_EQ(h->GetKuehlKurzInfo(u"Kaelte"), u"Project without cooling system");

    h->SetWert(ID_WWmitWP, CVRMVariant(5), false);
    EXPECT_THROW(h->GetWawaKurzInfo(), platform::UserException);
    h->SetWert(ID_WWmitWP, CVRMVariant(1), false);
    h->SetWert(ID_WWSpTyp, CVRMVariant(4), false);
    EXPECT_THROW(h->GetWawaKurzInfo(), platform::UserException);
    EXPECT_EQ(boxTexts(),
              (std::vector<std::u16string>{fehler(3162, u"CHaus2::GetWawaKurzInfo(1)"),
                                           fehler(3162, u"CHaus2::GetWawaKurzInfo(2)")}));
}

}  // namespace
