// The solar library's binding against the module standing for it (yields: the fixture's
// table less key/5; gains kept in memory), and what every wrapper says without it.
#include <gtest/gtest.h>

#include <functional>

#include "core/records/SolareGewinne.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/BindingState.h"
#include "model/app/KelvoBindungen.h"
#include "platform/errors/UserException.h"
#include "tests/evaluation/binding/BindungFixture.h"

namespace {

using bindingtest::Fall;

class SolarTest : public bindingtest::BindungFixture {
  protected:
    void SetUp() override {
        // Only some values of the plant are in the database; the rest are their defaults.
        loadDatabases(
            {u"[Anlage]", u"KFlaeche=12.500000", u"SolTauschVerlust=4", u"SolTauschVerlustH=6",
             u"SolTauschVerlustE=9", u"SolKollBez=Koll A", u"[Verweigert]", u"SolKollBez=Koll A"},
            {u"[BiboInfo]", u"Version=1.00"});
        testsupport::LadeEnglischeTexte();
    }
    void Binde() {
        ISolar::Laden(Fall("solar"));
        ASSERT_TRUE(ISolar::IstGeladen()) << testing::PrintToString(boxes.shown.size());
    }
};

TEST_F(SolarTest, WithoutTheLibraryEveryWrapperSaysSoAndTheHouseSeesNoSolar) {
    // Missing: silent. Too old: one box. Either way unbound, and the house offers no solar.
    ISolar::Laden(Fall("fehlt"));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(ISolar::IstGeladen());
    ISolar::Laden(Fall("alt"));
    EXPECT_FALSE(ISolar::IstGeladen());
    EXPECT_EQ(EinzigeBox(), u"Exception\n(Version 4.2.8.0 or higher of file\r\n" +
                                CVRMString::fromUtf8((Fall("alt") / "Varmsun.so").string()) +
                                u" required!)");
    EXPECT_FALSE(GetKelvoBindungen().IstSolarGebunden());

    CSolareGewinne gewinne;
    std::vector<SKollektorErtrag> records;
    const struct {
        const char* name;
        std::function<void()> aufruf;
        const char16_t* ort;
    } faelle[] = {
        {"init", [] { ISolar::InitSolarAnlage(u"Anlage"); }, u"ISolar::InitSolarAnlage"},
        {"kollektor", [] { ISolar::InitKollektor(u"Koll A"); }, u"ISolar::InitKollektor"},
        {"gewinne", [&] { ISolar::GetSolareGewinne(u"Anlage", 1, gewinne); },
         u"ISolar::GetSolareGewinne"},
        {"set gewinne", [&] { ISolar::SetSolareGewinne(u"Anlage", 1, gewinne); },
         u"ISolar::SetSolareGewinne"},
        {"ertraege 3", [&] { ISolar::GetKollektorErtraege(u"Anlage", 40, gewinne); },
         u"ISolar::GetKollektorErtraege(3)"},
        {"ertraege 2", [&] { ISolar::GetKollektorErtraege(u"Koll A", records); },
         u"ISolar::GetKollektorErtraege(2)"},
        {"set ertraege", [] { ISolar::SetKollektorErtraege(u"Koll A", {}); },
         u"ISolar::SetKollektorErtraege"},
        {"get", [] { ISolar::get(u"Anlage", ID_KFlaeche); }, u"ISolar::get()"},
        {"set", [] { ISolar::set(u"Anlage", ID_KFlaeche, CVRMVariant(1.0f), 1); },
         u"ISolar::set()"},
        {"save", [] { ISolar::SaveDaten(u"Anlage"); }, u"ISolar::SaveDaten()"},
        {"reset", [] { ISolar::reset(u"Anlage"); }, u"ISolar::reset()"},
        {"verluste", [] { ISolar::GetTauscherVerluste(u"Anlage", 1); }, u"ISolar::get()"},
        {"erdtemp", [] { ISolar::GetErdEinspeiseTemp(u"Anlage", 0); },
         u"ISolar::GetErdEinspeiseTemp"},
    };
    for (const auto& f : faelle) {
        boxes.shown.clear();
        EXPECT_THROW(f.aufruf(), platform::UserException) << f.name;
        EXPECT_EQ(EinzigeBox(), errorBox(3487, f.ort)) << f.name;
    }
    // The file kept as it was: nothing was saved.
    EXPECT_TRUE(userSectionHolds(u"[Anlage]", u"kflaeche=12.500000"));
}

TEST_F(SolarTest, BoundTheHouseGetsItsTwoCallsAndLosesThemWhenUnbound) {
    Binde();
    EXPECT_EQ(ISolar::GetVersion(), u"4.2.8.0");
    ASSERT_TRUE(GetKelvoBindungen().IstSolarGebunden());
    EXPECT_FLOAT_EQ(GetKelvoBindungen().GetSolarAufrufe().get(u"Anlage", ID_KFlaeche).GetFloatVal(),
                    12.5f);
    ISolar::Leeren();
    EXPECT_FALSE(GetKelvoBindungen().IstSolarGebunden());
}

// No page filled the plant: every stored id is read from its record, or is its default.
TEST_F(SolarTest, AnyStoredValueOfAPlantIsReadWithoutAPageFillingItFirst) {
    Binde();
    EXPECT_FLOAT_EQ(ISolar::get(u"Anlage", ID_KFlaeche).GetFloatVal(), 12.5f);
    EXPECT_EQ(ISolar::get(u"Anlage", ID_PufferVolumen).GetUIntVal(), 1000u);  // default
    EXPECT_EQ(ISolar::GetTauscherVerluste(u"Anlage", 1), 4u);
    EXPECT_EQ(ISolar::GetTauscherVerluste(u"Anlage", 2), 6u);
    EXPECT_EQ(ISolar::GetTauscherVerluste(u"Anlage", 3), 9u);
    EXPECT_TRUE(boxes.shown.empty());
    // One value object per id: what one caller changes the next one sees.
    ISolar::get(u"Anlage", ID_KFlaeche) = 8.0f;
    EXPECT_FLOAT_EQ(CVRMdatenProvider::get().getWerte(u"Anlage").get(ID_KFlaeche).GetFloatVal(),
                    8.0f);

    EXPECT_THROW(ISolar::GetTauscherVerluste(u"Anlage", 4), platform::UserException);
    EXPECT_EQ(EinzigeBox(), errorBox(3162, u"ISolar::GetTauscherVerluste"));
}

TEST_F(SolarTest, SetSavesAndTellsTheLibraryOnlyOfANewCollector) {
    Binde();
    // The stand-in refuses every value of this plant, so a call would show.
    ISolar::set(u"Verweigert", ID_SolSollTemp, CVRMVariant(55u), 1);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(userSectionHolds(u"[Verweigert]", u"solsolltemp=55"));

    EXPECT_THROW(ISolar::set(u"Verweigert", ID_SolKollBez, CVRMVariant(CVRMString(u"Koll B")), 1),
                 platform::UserException);
    EXPECT_EQ(EinzigeBox(), u"Error in interface of module 'Solar'");
    // Saved before the library was asked: the value store and the file agree.
    EXPECT_TRUE(userSectionHolds(u"[Verweigert]", u"solkollbez=Koll B"));

    boxes.shown.clear();
    ISolar::set(u"Anlage", ID_SolKollBez, CVRMVariant(CVRMString(u"Koll B")), 1);
    EXPECT_TRUE(boxes.shown.empty());

    ISolar::get(u"Anlage", ID_KFlaeche) = 3.0f;
    ISolar::reset(u"Anlage");
    EXPECT_FLOAT_EQ(ISolar::get(u"Anlage", ID_KFlaeche).GetFloatVal(), 12.5f);
}

TEST_F(SolarTest, CollectorYieldsArriveAsTheLibrarySendsThem) {
    Binde();
    CSolareGewinne ertraege;
    ISolar::GetKollektorErtraege(u"Anlage", 50, ertraege);
    // The stand-in's table less 50/5 = 10: January 20 - 10, July 125 - 10.
    EXPECT_FLOAT_EQ(ertraege.GetGewinnWert(0), 10.0f);
    EXPECT_FLOAT_EQ(ertraege.GetGewinnWert(6), 115.0f);
    EXPECT_FLOAT_EQ(ertraege.GetGewinnTemp(6), 50.0f);

    std::vector<SKollektorErtrag> records;
    ISolar::GetKollektorErtraege(u"Koll A", records);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].key, 20);
    EXPECT_FLOAT_EQ(records[0].ertraege[0], 16.0f);  // 20 - 20/5
    EXPECT_EQ(records[1].key, 60);
    EXPECT_FLOAT_EQ(records[1].ertraege[11], 3.0f);  // 15 - 60/5

    // An answer cut short inside a record: an error, and the caller keeps what it had.
    EXPECT_THROW(ISolar::GetKollektorErtraege(u"kaputt", records), platform::UserException);
    EXPECT_EQ(EinzigeBox(), u"Exception");
    EXPECT_EQ(records.size(), 2u);

    boxes.shown.clear();
    EXPECT_THROW(ISolar::InitSolarAnlage(u"unbekannt"), platform::UserException);
    EXPECT_EQ(EinzigeBox(), errorBox(3483, u"Unknown solar system"));
    EXPECT_TRUE(ISolar::IstGeladen());  // a failing call does not unbind
}

TEST_F(SolarTest, GainsGoToTheLibraryAndComeBackWithTheirEmptyMonths) {
    Binde();
    CSolareGewinne gesendet;
    gesendet.SetGewinn(0, 45.0f, 12.5f, 1);
    gesendet.SetGewinn(5, 35.0f, 0.0f, 1);  // a month with a gain of 0 is not an empty one
    gesendet.SetGewinn(11, 20.5f, 7.25f, 1);
    ISolar::SetSolareGewinne(u"Anlage", 2, gesendet);

    CSolareGewinne zurueck;
    ISolar::GetSolareGewinne(u"Anlage", 2, zurueck);
    for (unsigned short m = 0; m < 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(zurueck.IstTempEingetragen(m), gesendet.IstTempEingetragen(m));
        EXPECT_FLOAT_EQ(zurueck.GetGewinnWert(m), gesendet.GetGewinnWert(m));
        EXPECT_FLOAT_EQ(zurueck.GetGewinnTemp(m), gesendet.GetGewinnTemp(m));
    }
}

TEST_F(SolarTest, TheGroundFeedTemperatureIsTheEnteredOneElseTheExchangerLoss) {
    Binde();
    CSolareGewinne erde;
    erde.SetGewinn(6, 35.7f, 40.0f, 1);
    ISolar::SetSolareGewinne(u"Anlage", 3, erde);
    EXPECT_EQ(ISolar::GetErdEinspeiseTemp(u"Anlage", 6), 35u);  // cut to a whole number
    EXPECT_EQ(ISolar::GetErdEinspeiseTemp(u"Anlage", 7), 9u);   // id 28 of the record
    EXPECT_THROW(ISolar::GetErdEinspeiseTemp(u"Anlage", 12), platform::UserException);
    EXPECT_EQ(EinzigeBox(), errorBox(3105, u"ISolar::GetErdEinspeiseTemp(P1)"));
}

}  // namespace
