// Collectors: the yield at any mean temperature from the records around it, the city
// factor, which records count, and the standard collector's records in place of missing
// or invalid ones.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/value/VRMdatenProvider.h"
#include "platform/errors/UserException.h"
#include "solar/Kollektor2.h"
#include "tests/solar/SolarFixture.h"

namespace {

using solartest::Ertrag;
using solartest::SolarFixture;

// Records 20, 40 and 60 with January 10, 8 and 6, under three names.
std::vector<std::u16string> DreiSaetze(const std::u16string& name) {
    return {u"[" + name + u"]", u"KollErtrag0=" + Ertrag(20, 10, 100),
            u"KollErtrag1=" + Ertrag(40, 8, 90), u"KollErtrag2=" + Ertrag(60, 6, 80)};
}

class KollektorTest : public SolarFixture {
  protected:
    KollektorTest() {
        std::vector<std::u16string> user = DreiSaetze(u"Koll-Warszawa");
        for (const auto& name : {u"Koll-Warszawa-Warschau", u"Koll-Warschau"}) {
            const auto saetze = DreiSaetze(name);
            user.insert(user.end(), saetze.begin(), saetze.end());
        }
        user.insert(user.end(),
                    {
                        // Record 1 holds 11 yields, record 1 has 13: reading stops there.
                        u"[Koll-11]",
                        u"KollErtrag0=" + Ertrag(20, 10, 100),
                        u"KollErtrag1=40#1#2#3#4#5#6#7#8#9#10#11#",
                        u"[Koll-13]",
                        u"KollErtrag0=20#1#2#3#4#5#6#7#8#9#10#11#12#13#",
                        u"KollErtrag1=" + Ertrag(40, 8, 90),
                        u"[Koll-Null]",
                        u"KollErtrag0=" + Ertrag(20, 10, 100),
                        u"KollErtrag1=" + Ertrag(0, 8, 90),
                        u"[Koll-Negativ]",
                        u"KollErtrag0=" + Ertrag(20, 10, 100),
                        u"KollErtrag1=" + Ertrag(40, -1, 90),
                        // Two valid records before one with key 0: the two stay.
                        u"[Koll-Zwei-Null]",
                        u"KollErtrag0=" + Ertrag(20, 10, 100),
                        u"KollErtrag1=" + Ertrag(40, 8, 90),
                        u"KollErtrag2=" + Ertrag(0, 1, 10),
                        u"KollErtrag3=" + Ertrag(80, 1, 10),
                        u"[Koll-Zwei-Negativ]",
                        u"KollErtrag0=" + Ertrag(20, 10, 100),
                        u"KollErtrag1=" + Ertrag(40, 8, 90),
                        u"KollErtrag2=" + Ertrag(80, 1, -10),
                        u"[Koll-Luecke]",
                        u"KollErtrag0=" + Ertrag(20, 10, 100),
                        u"KollErtrag1=" + Ertrag(40, 8, 90),
                        u"KollErtrag3=" + Ertrag(80, 1, 10),
                        u"[Koll-Ohne]",
                        u"KollektorTyp=1",
                    });
        Lade(user);
    }

    void Fuelle(CKollektor2& k, const CVRMString& name) { CVRMdatenProvider::get().fill(k, name); }
};

TEST_F(KollektorTest, YieldsBetweenAndBeyondTheRecords) {
    CKollektor2 k;
    Fuelle(k, u"Koll-A");
    // January; a straight line through two records:
    //   30 lies between 20 and 40: 10 + (30 - 20) / (40 - 20) * (8 - 10) = 9
    //   10 lies below every key, so the first two records: 10 + (10 - 20) / 20 * (-2) = 11
    //   80 lies above every key, so the last two: 8 + (80 - 40) / 20 * (-2) = 4
    //   40 is a record's own key; 50 halfway between 40 and 60 gives 7
    //   0 stands for no collector temperature at all and gives 0, not the line's 12.
    const struct {
        unsigned short key;
        float januar;
    } faelle[] = {{30, 9.0f}, {10, 11.0f}, {80, 4.0f}, {40, 8.0f}, {50, 7.0f}, {0, 0.0f}};
    for (const auto& f : faelle) EXPECT_FLOAT_EQ(k.GetErtrag(f.key, 0), f.januar) << f.key;
    // February of the same records: 100, 90, 80.
    EXPECT_FLOAT_EQ(k.GetErtrag(30, 1), 95.0f);
    EXPECT_TRUE(boxes.shown.empty());

    EXPECT_THROW(k.GetErtrag(30, 12), platform::UserException);
    EXPECT_EQ(boxTexts(), std::vector<std::u16string>{errorBox(3105, u"CKollektor2::GetErtrag")});
}

TEST_F(KollektorTest, TheCityFactorAppliesOnceWhateverTheSpelling) {
    for (const char16_t* name : {u"Koll-Warszawa", u"Koll-Warschau", u"Koll-Warszawa-Warschau"}) {
        SCOPED_TRACE(std::u16string(name).size());
        CKollektor2 k;
        Fuelle(k, name);
        // 9 at 30 °C in January (as above), times 0.926 once, also for both spellings.
        EXPECT_FLOAT_EQ(k.GetErtrag(30, 0), 9.0f * 0.926f);
        unsigned short key = 0;
        CKollektorErtrag::Ertraege werte{};
        ASSERT_TRUE(k.GetErtragsDaten(0, key, werte));
        EXPECT_EQ(key, 20);
        EXPECT_FLOAT_EQ(werte[0], 10.0f * 0.926f);
        EXPECT_FALSE(k.GetErtragsDaten(3, key, werte));
    }
}

TEST_F(KollektorTest, InvalidOrMissingRecordsFallBackToTheStandardCollector) {
    const std::u16string std = solartest::kStdKollektor;
    const struct {
        const char16_t* name;
        std::vector<std::u16string> boxen;
    } faelle[] = {
        // One valid record before the one with 11 yields: too few.
        {u"Koll-11", {errorBox(3527, u"Koll-11")}},
        // Record 0 with 13 yields is no record: none at all.
        {u"Koll-13", {errorBox(3583, u"Koll-13")}},
        // An invalid record ends the reading: the one valid record before it is too few.
        {u"Koll-Null", {errorBox(3527, u"Koll-Null")}},
        {u"Koll-Negativ", {errorBox(3527, u"Koll-Negativ")}},
        {u"Koll-Ohne", {errorBox(3583, u"Koll-Ohne")}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::u16string(f.name).size());
        boxes.shown.clear();
        CKollektor2 k;
        Fuelle(k, f.name);
        EXPECT_EQ(boxTexts(), f.boxen);
        // The standard collector's records (20: 50, 60: 30 in January); its own name.
        EXPECT_EQ(k.GetErtragsAnzahl(), 2u);
        EXPECT_FLOAT_EQ(k.GetErtrag(40, 0), 40.0f);
        EXPECT_EQ(k.getConsumerName(), f.name);
    }
}

// A missing record, or one with key 0 or a negative yield, ends the reading; the records
// before it are the collector's, without a box and without the standard collector.
TEST_F(KollektorTest, ReadingStopsAtTheFirstMissingOrInvalidRecordAndKeepsThoseBefore) {
    for (const char16_t* name : {u"Koll-Luecke", u"Koll-Zwei-Null", u"Koll-Zwei-Negativ"}) {
        SCOPED_TRACE(CVRMString(name).toUtf8());
        boxes.shown.clear();
        CKollektor2 k;
        Fuelle(k, name);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(k.GetErtragsAnzahl(), 2u);
        // From 20 and 40: 10 + (80 - 20) / 20 * (-2) = 4; the record of 80 is not read.
        EXPECT_FLOAT_EQ(k.GetErtrag(80, 0), 4.0f);
        EXPECT_NO_THROW(k.ReadErtraege());
        EXPECT_EQ(k.GetErtragsAnzahl(), 2u);
    }
}

// The standard collector's own third record holds a negative yield: its first two records
// still stand in for a collector without records of its own.
class StdKollektorTest : public SolarFixture {
  protected:
    StdKollektorTest() {
        std::vector<std::u16string> bibo = Bibo();
        const auto nachSatz1 =
            std::find(bibo.begin(), bibo.end(), u"KollErtrag1=" + Ertrag(60, 30, 80)) + 1;
        bibo.insert(nachSatz1, u"KollErtrag2=" + Ertrag(80, 20, -1));
        std::vector<std::u16string> user = User();
        user.insert(user.end(), {u"[Koll-Ohne]", u"KollektorTyp=1"});
        loadDatabases(user, bibo);
    }
};

TEST_F(StdKollektorTest, AnInvalidRecordOfTheStandardCollectorKeepsItsRecordsBefore) {
    CKollektor2 k;
    CVRMdatenProvider::get().fill(k, u"Koll-Ohne");
    EXPECT_EQ(boxTexts(), std::vector<std::u16string>{errorBox(3583, u"Koll-Ohne")});
    EXPECT_EQ(k.GetErtragsAnzahl(), 2u);
    // 20: 50 and 60: 30 in January give 40 at 40 °C.
    EXPECT_FLOAT_EQ(k.GetErtrag(40, 0), 40.0f);
}

TEST_F(KollektorTest, ReadingItsOwnRecordsAgainHasNoFallBack) {
    CKollektor2 k;
    Fuelle(k, u"Koll-11");
    boxes.shown.clear();
    EXPECT_THROW(k.ReadErtraege(), platform::UserException);
    EXPECT_EQ(boxTexts(), std::vector<std::u16string>{errorBox(3527, u"Koll-11")});
}

}  // namespace
