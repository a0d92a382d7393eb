// The location-data front over real database files: series read and written through the
// value store, the library transform, the "from climate" names, the errors of unselected
// or missing locations, soil values, performance rows and new list entries.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "core/db/Global.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/VRMcompManager.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/GlobaleTexte.h"
#include "platform/errors/UserException.h"
#include "tests/core/db/GlobalFixture.h"

namespace {

using P2 = CVRMdatenProvider2;
using Monate = std::array<float, 12>;
using Klassen = std::array<float, 63>;

const std::u16string kKlima = u"12#13#14#15#16#17#18#17#16#15#14#13#";

class DatenProvider2Test : public GlobalFixture {
  protected:
    DatenProvider2Test() {
        InitGlobaleTexte();
        CVRMdatenProvider::remove();
        loadDatabases(
            {u"[Klimadaten]", u"Mild=" + kKlima, u"MildNAT=-10", u"MildBORT=Lehm", u"[Wetterdaten]",
             u"Kurz=1#2#3#4#5#6#7#8#9#10#11#12#13#14#15#16#17#18#19#20#", u"Ohne=1#2#3",
             u"[Bodendaten]", u"Halb=4#5#6#", u"[Sand]", u"Wärmeleitzahl=1.5", u"[WP1]",
             u"LeistDaten0=" + std::u16string(CVRMString::EnCode(u"-5#6.00#"))},
            {u"[Wetterdaten]", u"Wien (bib)=7#7#7#7#7#7#7#7#", u"[Bodendaten]",
             u"Graz (bib)=3#4#5#6#"});
    }
    ~DatenProvider2Test() override { CVRMdatenProvider::remove(); }

    P2& p2 = P2::Get();
};

TEST_F(DatenProvider2Test, ShortWeatherListEndsAtPlusTwelve) {
    Klassen k;
    p2.GetTempHaeufigkeiten(u"Kurz", k, u"Mild");
    for (int i = 0; i < 43; ++i) EXPECT_EQ(k[i], 0.0f) << i;
    for (int i = 43; i < 63; ++i) EXPECT_EQ(k[i], static_cast<float>(i - 42)) << i;

    p2.GetTempHaeufigkeiten(u"Ohne", k, u"Mild");  // "3" has no "#" behind it
    EXPECT_EQ(k[61], 1.0f);
    EXPECT_EQ(k[62], 2.0f);
    EXPECT_EQ(k[60], 0.0f);
}

TEST_F(DatenProvider2Test, LibraryWeatherIsTransformedBackOnRead) {
    // Stored 7 at every position: 0 -> 7, 1 -> 7/1-1 = 6, 2 -> 7/2-2 = 1.5, 3 -> 7/3-0,
    // 4 -> 7/4-1 = 0.75, 5 -> 7-2 = 5, 6 -> 7/1-0 = 7, 7 -> 7/2-1 = 2.5; moved to bins 55..62.
    Klassen k;
    p2.GetTempHaeufigkeiten(u"Wien (bib)", k, u"Mild");
    const float erwartet[] = {7.0f, 6.0f, 1.5f, 7.0f / 3.0f, 0.75f, 5.0f, 7.0f, 2.5f};
    for (int i = 0; i < 8; ++i) EXPECT_FLOAT_EQ(k[55 + i], erwartet[i]) << i;
}

TEST_F(DatenProvider2Test, WeatherRoundTripKeepsValuesForUserAndLibraryRecords) {
    Klassen wahr;
    for (int i = 0; i < 63; ++i) wahr[i] = static_cast<float>(i % 9) + 0.25f;
    for (const char16_t* name : {u"Neu", u"Neu (bib)"}) {
        p2.SaveWetterWerte(name, wahr);
        Klassen gelesen;
        p2.GetTempHaeufigkeiten(name, gelesen, u"Mild");
        for (int i = 0; i < 63; ++i) EXPECT_NEAR(gelesen[i], wahr[i], 0.005) << i;
    }
    // The user record is stored as it is, the library's transformed (position 1: 1.25+1).
    CVRMdatenProvider& dp = CVRMdatenProvider::get();
    EXPECT_EQ(dp.getWert(u"Neu", ID_210).GetStringVal().substr(0, 10), u"0.25#1.25#");
    EXPECT_EQ(dp.getWert(u"Neu (bib)", ID_210).GetStringVal().substr(0, 10), u"0.25#2.25#");
}

TEST_F(DatenProvider2Test, StandardAndFromClimateNamesComputeBinsFromTheClimate) {
    Klassen erwartet;
    const Monate mild{12, 13, 14, 15, 16, 17, 18, 17, 16, 15, 14, 13};
    P2::ErzeugeTempHaeufigkeiten(mild, erwartet, -10.0f);
    for (const char16_t* name : {u"<calculated from climate>", u"standardw_(BIB)"}) {
        Klassen k;
        p2.GetTempHaeufigkeiten(name, k, u"Mild");
        EXPECT_EQ(k, erwartet);
    }
}

TEST_F(DatenProvider2Test, GroundTemperaturesReadTransformedOrFromTheSine) {
    Monate g;
    p2.GetBodenMonatsTemps(u"Halb", g, u"Mild");
    EXPECT_EQ(g, (Monate{4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    p2.GetBodenMonatsTemps(u"Graz (bib)", g, u"Mild");  // 3, 4/1-1, 5/2-2, 6/3-0
    EXPECT_EQ(g, (Monate{3, 3, 0.5f, 2, 0, 0, 0, 0, 0, 0, 0, 0}));

    Monate sinus;
    P2::SinusJahresgang(Monate{12, 13, 14, 15, 16, 17, 18, 17, 16, 15, 14, 13}, sinus);
    p2.GetBodenMonatsTemps(u"StandardG_(bib)", g, u"Mild");
    EXPECT_EQ(g, sinus);

    const Monate neu{1.5f, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12.5f};
    p2.SaveBodenMonatsTemps(u"Linz (bib)", neu);
    p2.GetBodenMonatsTemps(u"Linz (bib)", g, u"Mild");
    for (int i = 0; i < 12; ++i) EXPECT_NEAR(g[i], neu[i], 0.05) << i;
}

TEST_F(DatenProvider2Test, MonthlySeriesRoundTrip) {
    const Monate temps{-1.5f, 0, 2, 6, 10, 14, 16, 15.5f, 12, 8, 3, 0.5f};
    p2.SaveKlimaMonatsTemps(u"Neu", temps);
    Monate gelesen;
    p2.GetMonatsWerte(u"Neu", gelesen);
    EXPECT_EQ(gelesen, temps);
    EXPECT_FLOAT_EQ(p2.getKlimaMonatsTemp(u"Neu", 7), 15.5f);

    p2.SaveSonnenMonatsStd(u"Sonne", temps);
    EXPECT_FLOAT_EQ(p2.getSonnenMonatsStd(u"Sonne", 0), -1.5f);

    p2.SaveNormAussenTemp(u"Neu", -14.5f);
    EXPECT_FLOAT_EQ(p2.getNormAussenTemp(u"Neu").GetFloatVal(), -14.5f);
}

TEST_F(DatenProvider2Test, UnselectedOrMissingLocationsAreReported) {
    Monate m;
    Klassen k;
    const struct {
        const char* fall;
        std::function<void()> aufruf;
        std::vector<std::u16string> boxen;
    } faelle[] = {
        {"no climate",
         [&] { p2.GetMonatsWerte(u"<without location>", m); },
         {u"No building location selected on building data page"}},
        {"missing climate",
         [&] { p2.GetMonatsWerte(u"Atlantis", m); },
         {u"Required data missing or data wrong\n(Climate location Atlantis not available)"}},
        {"month 12",
         [&] { p2.getKlimaMonatsTemp(u"Mild", 12); },
         {u"Required data missing or data wrong\n(VRMdatenProvider2::getKlimaMonatsTemp)"}},
        {"design temp",
         [&] { p2.getNormAussenTemp(u""); },
         {u"No building location selected on building data page",
          u"Could not compute results\n(VRMdatenProvider2::getNormAussenTemp)"}},
        {"no weather",
         [&] { p2.GetTempHaeufigkeiten(u"", k, u"Mild"); },
         {u"No weather data selected on building data page"}},
        {"missing weather",
         [&] { p2.GetTempHaeufigkeiten(u"Atlantis", k, u"Mild"); },
         {u"Required data missing or data wrong\n(Weather location Atlantis not available)"}},
        {"no ground",
         [&] { p2.SaveBodenMonatsTemps(u"<without location>", m); },
         {u"No location for ground temperatures given!"}},
        {"missing ground",
         [&] { p2.GetBodenMonatsTemps(u"Atlantis", m, u"Mild"); },
         {u"Required data missing or data wrong\n(Location for ground temperature Atlantis "
          u"unknown)"}},
        {"soil id",
         [&] { p2.GetBodenDaten(TKelvoDatenID(248), u"Sand"); },
         {u"Switch constant wrong\n(CVRMdatenProvider2::GetBodenDaten)"}},
        {"component kind",
         [&] { CVRMcompManager::add(14, u"X"); },
         {u"Switch constant wrong\n(CVRMcompManager::add())"}},
    };
    for (const auto& f : faelle) {
        boxes.shown.clear();
        EXPECT_THROW(f.aufruf(), platform::UserException) << f.fall;
        EXPECT_EQ(boxTexts(), f.boxen) << f.fall;
    }
}

TEST_F(DatenProvider2Test, LocationsOfAClimateFallBackWhenEmpty) {
    EXPECT_EQ(p2.GetKlimaortName(u"Mild"), u"Lehm");
    EXPECT_EQ(p2.GetKlimaortText666(u"Mild"), u"<calculated from climate>");
    EXPECT_EQ(p2.GetKlimaortText668(u"Mild"), u"StandardS_(IRL)_(bib)");
}

TEST_F(DatenProvider2Test, SoilValuesAreReadAndWritten) {
    EXPECT_FLOAT_EQ(p2.GetBodenDaten(ID_Waermeleitzahl, u"Sand"), 1.5f);
    p2.SaveBodenDaten(u"Ton", 2.0f, 2.4f, 1900.0f);
    EXPECT_FLOAT_EQ(p2.GetBodenDaten(ID_SpezWaerme, u"Ton"), 2.4f);
    EXPECT_FLOAT_EQ(p2.GetBodenDaten(ID_Dichte, u"Ton"), 1900.0f);
}

// The series and soil values are kept between reads; every write, by whatever path, must
// still show in the next read.
TEST_F(DatenProvider2Test, ReadsFollowEveryWrite) {
    Monate vorher;
    p2.GetMonatsWerte(u"Mild", vorher);
    EXPECT_FLOAT_EQ(vorher[0], 12.0f);
    EXPECT_FLOAT_EQ(p2.GetBodenDaten(ID_Waermeleitzahl, u"Sand"), 1.5f);

    Klassen binsVorher, binsNachher, gespeichert;
    p2.GetTempHaeufigkeiten(u"StandardW_(bib)", binsVorher, u"Mild");
    Monate bodenVorher, bodenNachher;
    p2.GetBodenMonatsTemps(u"Halb", bodenVorher, u"Mild");

    const Monate kalt{-3, -2, 0, 4, 9, 13, 15, 14, 11, 7, 2, -1};
    p2.SaveKlimaMonatsTemps(u"Mild", kalt);
    Monate nachher;
    p2.GetMonatsWerte(u"Mild", nachher);
    EXPECT_EQ(nachher, kalt);
    // Bins computed from the climate follow it.
    p2.GetTempHaeufigkeiten(u"StandardW_(bib)", binsNachher, u"Mild");
    EXPECT_NE(binsNachher, binsVorher);
    Klassen erwartet;
    P2::ErzeugeTempHaeufigkeiten(kalt, erwartet, p2.getNormAussenTemp(u"Mild").GetFloatVal());
    EXPECT_EQ(binsNachher, erwartet);

    // Stored bins and ground temperatures: the saved ones are read.
    gespeichert.fill(0.0f);
    gespeichert[60] = 365.0f;
    p2.SaveWetterWerte(u"Kurz", gespeichert);
    p2.GetTempHaeufigkeiten(u"Kurz", binsNachher, u"Mild");
    EXPECT_EQ(binsNachher, gespeichert);
    const Monate boden{7, 7, 7, 8, 9, 10, 11, 11, 10, 9, 8, 7};
    p2.SaveBodenMonatsTemps(u"Halb", boden);
    p2.GetBodenMonatsTemps(u"Halb", bodenNachher, u"Mild");
    EXPECT_EQ(bodenNachher, boden);

    p2.SaveBodenDaten(u"Sand", 1.7f, 2.0f, 1800.0f);
    EXPECT_FLOAT_EQ(p2.GetBodenDaten(ID_Waermeleitzahl, u"Sand"), 1.7f);
    // Written past the value store, straight into the database.
    IGlobal::WriteIniString(u"Sand", u"Wärmeleitzahl", u"1.9", 0);
    EXPECT_FLOAT_EQ(p2.GetBodenDaten(ID_Waermeleitzahl, u"Sand"), 1.9f);
    IGlobal::DeleteKeyInSection(u"Sand", u"Wärmeleitzahl", 0);
    // Without its key the value's default, as for a soil never stored.
    EXPECT_FLOAT_EQ(p2.GetBodenDaten(ID_Waermeleitzahl, u"Sand"),
                    p2.GetBodenDaten(ID_Waermeleitzahl, u"Nie gespeichert"));
}

TEST_F(DatenProvider2Test, PerformanceRowsComeBackInTheirSlots) {
    // A row stored scrambled (no "#") is unscrambled on reading.
    EXPECT_EQ(p2.LeseLeistDatenZeilen(u"WP1")[0], u"-5#6.00#");

    std::vector<CVRMString> zeilen;
    for (int i = 0; i < 7; ++i)
        zeilen.push_back(CVRMString(std::u16string(1, u'0' + i)) + u"#1.00#");
    p2.SpeichereLeistDatenZeilen(u"WP1", zeilen, true);
    auto gelesen = p2.LeseLeistDatenZeilen(u"WP1");
    for (int i = 0; i < 7; ++i) EXPECT_EQ(gelesen[i], zeilen[i]) << i;
    EXPECT_EQ(gelesen[7], u"");

    p2.SpeichereLeistDatenZeilen(u"WP1", std::vector<CVRMString>{u"", u"9#"}, true);
    gelesen = p2.LeseLeistDatenZeilen(u"WP1");
    EXPECT_EQ(gelesen[0], u"");
    EXPECT_EQ(gelesen[1], u"9#");
    EXPECT_EQ(gelesen[2], u"");
}

TEST_F(DatenProvider2Test, NewComponentGoesToItsList) {
    EXPECT_EQ(CVRMcompManager::add(5, u"Bergdorf"), 1);
    CVRMStringArray orte;
    CVRMdatenProvider::get().getListe(orte, LISTE_KLIMAORTE, false);
    EXPECT_EQ(orte, CVRMStringArray{u"Bergdorf"});
}

}  // namespace
