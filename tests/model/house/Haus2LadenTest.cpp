// Loading a house from the fixture database: the ids it asks for, its name, the defaults
// that loading sets (climate, design temperature, weather and sun locations, minimum
// return temperature), the solar destinations, and the initialisation test.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "platform/errors/UserException.h"
#include "tests/model/house/HausFixture.h"

namespace {

using haustest::HausFixture;

class Haus2Laden : public HausFixture {};

TEST_F(Haus2Laden, AsksForEveryIdItReads) {
    CHaus2 h;
    CWordArray ids;
    h.GetDatenIDs(ids);
    for (int id : {173, 179, 206, 230, 242, 233, 235, 237}) {
        EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << id;
    }
    EXPECT_EQ(std::count(ids.begin(), ids.end(), ID_ZIV), 1);

    // So a house fresh from the store answers the ventilation figure and the demand figure.
    haus[u"BKZ"] = u"2.7";
    haus[u"BBK"] = u"1";
    auto geladen = LadeHaus();
    EXPECT_FLOAT_EQ(geladen->GetWert(ID_BKZ).GetFloatVal(), 2.7f);
    EXPECT_GT(geladen->GetLueftungsLeistung(0.1f, 0.0f), 0.0f);
}

TEST_F(Haus2Laden, NameWithoutTheHouseEnding) {
    auto h = LadeHaus();
    EXPECT_EQ(h->GetName(), u"Haus1");
    EXPECT_EQ(h->getConsumerName(), u"Haus1_HausX");
    EXPECT_TRUE(h->IstInitialisiert());

    CHaus2 leer;
    EXPECT_FALSE(leer.IstInitialisiert());
    EXPECT_THROW(leer.GetSolarWohin(0, 1), platform::UserException);
    EXPECT_THROW(leer.GetKlimaMonatsTemp(0), platform::UserException);
    EXPECT_EQ(boxTexts(),
              (std::vector<std::u16string>{fehler(3101, u"CHaus2::GetSolarWohin(us)"),
                                           fehler(3101, u"CHaus2::GetKlimaMonatsTemp")}));
}

TEST_F(Haus2Laden, EmptyListIsRejected) {
    CHaus2 h;
    CVRMwerteListe leer(u"Haus1_HausX");
    EXPECT_THROW(h.init(leer), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{fehler(3105, u"CHaus2::init(1)")}));
}

TEST_F(Haus2Laden, DesignTemperatureFromTheLocationAboveNineHundredNinetyNine) {
    struct Fall {
        const char16_t* nat;
        float erwartet;
    };
    const Fall faelle[] = {{u"999.5", -12.0f}, {u"1000", -12.0f}, {u"", -12.0f}, {u"-14", -14.0f}};
    for (const Fall& f : faelle) {
        haus[u"NAT"] = f.nat;
        auto h = LadeHaus();
        EXPECT_EQ(h->GetNormAussenTemp().GetFloatVal(), f.erwartet) << CVRMString(f.nat).toUtf8();
    }
    // 999 itself means no location, and as a design temperature no field takes it: the
    // read of the house refuses it rather than calculating with 999 °C.
    haus[u"NAT"] = u"999";
    EXPECT_THROW(LadeHaus(), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{fehler(4298, u"Haus1_HausX: NAT=999")}));
}

TEST_F(Haus2Laden, NoClimateTakesTheDefaultLocationOption) {
    haus[u"Klimaort"] = u"";
    haus[u"NAT"] = u"-3";
    auto h = LadeHaus();
    EXPECT_EQ(h->GetWert(ID_Klimaort).GetStringVal(), u"Klein");
    EXPECT_EQ(h->GetWert(ID_Klimaort).getDefault().GetStringVal(), u"Klein");
    EXPECT_EQ(h->GetNormAussenTemp().GetFloatVal(), -12.0f);
}

TEST_F(Haus2Laden, WeatherAndSunFollowTheClimateLocation) {
    haus[u"Wetterort"] = u"Anderswo";
    auto h = LadeHaus();
    for (auto [id, ort] :
         {std::pair{ID_Wetterort, u"WetterK"}, std::pair{ID_Sonnenort, u"SonneK"}}) {
        const CVRMwert& w = h->GetWert(id);
        EXPECT_EQ(w.GetStringVal(), ort);
        EXPECT_EQ(w.getOriginal().GetStringVal(), ort);
        EXPECT_EQ(w.changed(), 0);
    }
}

TEST_F(Haus2Laden, MinimumReturnTemperatureInRange) {
    struct Fall {
        const char16_t* mru;
        const char16_t* vorlauf;
        unsigned erwartet;
    };
    const Fall faelle[] = {
        {u"20", u"35", 20},    // equal to the room temperature: stays
        {u"34", u"35.7", 34},  // below the flow temperature, whole degrees
        {u"35", u"35.7", 24},  // equal to the flow temperature cut to 35: the standard
        {u"19", u"35", 24},    // below the room temperature
        {u"", u"35", 24},      // default 0
    };
    for (const Fall& f : faelle) {
        haus[u"MRU"] = f.mru;
        haus[u"HeizVorlauf"] = f.vorlauf;
        auto h = LadeHaus();
        EXPECT_EQ(h->GetWert(ID_MRU).GetUIntVal(), f.erwartet) << CVRMString(f.mru).toUtf8();
    }
}

TEST_F(Haus2Laden, StoredDestinations) {
    haus[u"SolarWohin1"] = u"1#2#3#";
    haus[u"SolarWohin2"] = u"3";
    haus[u"SolarWohin3"] = u"0#0#0#0#0#0#0#0#0#0#0#0#2#2#";  // a 13th entry is not read
    auto h = LadeHaus();
    const std::vector<unsigned> eins{1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(h->GetSolarWohin(1), eins);
    EXPECT_EQ(h->GetSolarWohinArray(2), std::vector<unsigned>(12, 0));
    EXPECT_EQ(h->GetSolarWohin(3), std::vector<unsigned>(12, 0));
    EXPECT_EQ(h->GetSolarWohin(2, 1), 3u);
    EXPECT_TRUE(h->HatSolarWohin(2));
    EXPECT_FALSE(h->HatSolarWohin(4));
    EXPECT_TRUE(boxes.shown.empty());

    const std::pair<std::function<void()>, const char16_t*> faelle[] = {
        {[&] { h->GetSolarWohin(12, 1); }, u"CHaus2::GetSolarWohin(us)"},
        {[&] { h->GetSolarWohin(0, 4); }, u"CHaus2::GetSolarWohin2(us)"},
        {[&] { h->GetSolarWohinArray(0); }, u"CHaus2::GetSolarWohinArray"},
        {[&] { h->GetSolarWohin(4); }, u"CHaus2::GetSolarWohin()"},
    };
    for (const auto& [aufruf, ort] : faelle) {
        boxes.shown.clear();
        EXPECT_THROW(aufruf(), platform::UserException);
        EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{fehler(3105, ort)}));
    }
}

TEST_F(Haus2Laden, SavedDestinationsGoToTheRecordAtOnce) {
    auto h = LadeHaus();
    std::vector<unsigned> wohin(12, 0);
    wohin[4] = 3;
    wohin[11] = 1;
    h->SetSolarWohin(wohin, 2, true);
    EXPECT_EQ(h->GetSolarWohin(2), wohin);
    EXPECT_EQ(app.resetAuswertungenAufrufe, 1);
    // The database keeps its keys in lower case.
    const auto zeilen = testsupport::ReadDatabaseLines(folder.file("user.dat"));
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), u"solarwohin2=0#0#0#0#3#0#0#0#0#0#0#1#"),
              zeilen.end());

    EXPECT_THROW(h->SetSolarWohin(std::vector<unsigned>(11, 1), 2, true), platform::UserException);
    EXPECT_THROW(h->SetSolarWohin(wohin, 4, true), platform::UserException);
    EXPECT_EQ(boxes.shown.back().text, fehler(3103, u"Haus2::SetSolarWohin"));
    EXPECT_EQ(h->GetSolarWohin(2), wohin);
}

TEST_F(Haus2Laden, ParseRule) {
    std::vector<unsigned> kurz(11, 7);
    EXPECT_THROW(CHaus2::ParseSolarWohin(u"1#", kurz), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{fehler(3105, u"SetSolarWohin(static)")}));

    std::vector<unsigned> wohin(12, 7);
    CHaus2::ParseSolarWohin(u"", wohin);
    EXPECT_EQ(wohin, std::vector<unsigned>(12, 0));
    CHaus2::ParseSolarWohin(u"2##x#1", wohin);  // empty and unreadable entries are 0
    EXPECT_EQ(wohin, (std::vector<unsigned>{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace

namespace {

// A failure while loading is reported once more with the record's name.
TEST_F(Haus2Laden, UnselectedClimateFailsTheLoad) {
    haus[u"Klimaort"] = u"<without location>";
    EXPECT_THROW(LadeHaus(), platform::UserException);
    EXPECT_EQ(boxTexts(),
              (std::vector<std::u16string>{u"No building location selected on building data page",
                                           fehler(3122, u"VRMdatenProvider2::getKlimaortDaten"),
                                           fehler(3101, u"Haus1_HausX")}));
}

// So is one that is not a user exception: the caller still sees the one exception it expects.
TEST_F(Haus2Laden, AnyFailureOfTheLoadIsReportedWithTheRecordName) {
    haus[u"Klimaort"] = u"";  // the default location comes from the options
    app.optionsFehler = std::make_exception_ptr(std::runtime_error("options unreadable"));
    EXPECT_THROW(LadeHaus(), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{fehler(3101, u"Haus1_HausX")}));
}

}  // namespace
