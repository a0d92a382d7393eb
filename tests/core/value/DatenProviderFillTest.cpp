// Filling model objects from the value store: one read per value and process, shared
// value objects, defaults for what the record lacks.
#include "core/db/Global.h"
#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwert.h"
#include "platform/errors/UserException.h"
#include "tests/core/value/DatenProviderTestConsumer.h"
#include "tests/support/ValueStoreFixture.h"

namespace {

const std::vector<std::u16string> kUser = {
    u"[Haus1]", u"NormwaermeBedarf=8.5", u"AdrName=Meier",
    u"Wärmeleitzahl=1.0",  // not a value of house records: never read from here
};
const std::vector<std::u16string> kBibo = {u"[BiboInfo]", u"Version=1.00"};

class DatenProviderFill : public testsupport::ValueStoreFixture {
  protected:
    void SetUp() override { loadDatabases(kUser, kBibo); }
    CVRMdatenProvider& provider() { return CVRMdatenProvider::get(); }
};

TEST_F(DatenProviderFill, ConsumersOfOneRecordShareItsValues) {
    TestConsumer a({ID_NormwaermeBedarf, ID_AdrName, ID_NormwaermeBedarf});
    TestConsumer b({ID_NormwaermeBedarf});
    provider().fill(a, u"Haus1");
    provider().fill(b, u"Haus1");

    EXPECT_EQ(a.werte().GetCount(), 2);  // an id asked for twice is one entry
    EXPECT_EQ(a.getConsumerName(), u"Haus1");
    EXPECT_EQ(a.wert(ID_NormwaermeBedarf).GetFloatVal(), 8.5f);
    EXPECT_EQ(&a.wert(ID_NormwaermeBedarf), &b.wert(ID_NormwaermeBedarf));

    b.wert(ID_NormwaermeBedarf) = 9.25f;
    EXPECT_EQ(a.wert(ID_NormwaermeBedarf).GetFloatVal(), 9.25f);
    EXPECT_EQ(provider().getWerte(u"Haus1").get(ID_NormwaermeBedarf).changed(), 1);

    provider().resetWerte(u"Haus1");
    EXPECT_EQ(a.wert(ID_NormwaermeBedarf).GetFloatVal(), 8.5f);
    EXPECT_EQ(b.wert(ID_NormwaermeBedarf).changed(), 0);
}

TEST_F(DatenProviderFill, EachValueIsReadOnceForTheLifeOfTheStore) {
    TestConsumer erster({ID_NormwaermeBedarf});
    provider().fill(erster, u"Haus1");

    IGlobal::WriteIniString(u"Haus1", u"NormwaermeBedarf", u"1.5", 1);
    IGlobal::WriteIniString(u"Haus1", u"HeizVorlauf", u"45", 1);

    TestConsumer zweiter({ID_NormwaermeBedarf, ID_HeizVorlauf});
    provider().fill(zweiter, u"Haus1");
    EXPECT_EQ(zweiter.wert(ID_NormwaermeBedarf).GetFloatVal(), 8.5f);  // from the cache
    EXPECT_EQ(zweiter.wert(ID_HeizVorlauf).GetFloatVal(), 45.0f);      // first asked now

    CVRMdatenProvider::remove();
    TestConsumer neu({ID_NormwaermeBedarf});
    CVRMdatenProvider::get().fill(neu, u"Haus1");
    EXPECT_EQ(neu.wert(ID_NormwaermeBedarf).GetFloatVal(), 1.5f);
    // The first consumers keep their values after the store is gone.
    EXPECT_EQ(erster.wert(ID_NormwaermeBedarf).GetFloatVal(), 8.5f);
}

TEST_F(DatenProviderFill, MissingRecordGivesDefaultsAndNothingCountsAsChanged) {
    TestConsumer c({ID_NormwaermeBedarf, ID_FussbodenHeiz, ID_Klimaort, ID_Bodenart, ID_79,
                    ID_Waermeleitzahl});
    provider().fill(c, u"Fehlt");
    EXPECT_EQ(c.wert(ID_NormwaermeBedarf).GetFloatVal(), 6.0f);
    EXPECT_TRUE(c.wert(ID_FussbodenHeiz).GetBoolVal());
    EXPECT_EQ(c.wert(ID_Klimaort).GetStringVal(), u"");
    EXPECT_EQ(c.wert(ID_Bodenart).GetStringVal(), u"gravel (average wet)_(bib)");
    EXPECT_EQ(c.wert(ID_79).GetUIntVal(), 4u);
    for (const auto& [id, wert] : c.werte()) EXPECT_EQ(wert->changed(), 0) << id;
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DatenProviderFill, UnstoredValuesAreNotReadFromTheRecord) {
    TestConsumer c({ID_Waermeleitzahl});
    provider().fill(c, u"Haus1");
    EXPECT_EQ(c.wert(ID_Waermeleitzahl).GetFloatVal(), 2.85f);
}

TEST_F(DatenProviderFill, SectionNamesCompareWithCaseInTheCacheOnly) {
    TestConsumer gross({ID_AdrName});
    TestConsumer klein({ID_AdrName});
    provider().fill(gross, u"Haus1");
    provider().fill(klein, u"haus1");
    EXPECT_EQ(klein.wert(ID_AdrName).GetStringVal(), u"Meier");  // same record on disk
    EXPECT_NE(&gross.wert(ID_AdrName), &klein.wert(ID_AdrName));
    gross.wert(ID_AdrName) = CVRMString(u"Huber");
    EXPECT_EQ(klein.wert(ID_AdrName).GetStringVal(), u"Meier");
}

TEST_F(DatenProviderFill, FailuresReportAndLeaveTheCacheWithoutTheFailingValue) {
    struct Fall {
        uint16_t id;
        std::u16string box;
    };
    const Fall faelle[] = {
        {27, errorBox(3162, u"CVRMdatenProvider::createWert")},  // no factory entry
        {207, errorBox(3162, u"CVRMwerteListe::getKey")},        // direct access only
    };
    for (const Fall& f : faelle) {
        boxes.shown.clear();
        TestConsumer c({ID_AdrName, f.id});
        EXPECT_THROW(provider().fill(c, u"Haus1"), platform::UserException);
        EXPECT_EQ(boxTexts(), std::vector<std::u16string>{f.box});
        std::shared_ptr<CVRMwert> wert;
        EXPECT_FALSE(provider().getWerte(u"Haus1").Lookup(static_cast<TKelvoDatenID>(f.id), wert));
    }

    boxes.shown.clear();
    TestConsumer c({ID_AdrName});
    EXPECT_THROW(provider().fill(c, u""), platform::UserException);
    EXPECT_EQ(boxTexts(), std::vector<std::u16string>{u"Exception"});
}

// A stored value that no input field could have taken, or that is no number, is reported
// when its record is read, naming record, key and value, and never stands in the cache as
// 0. What the fields allow, and a value's default (1000 for a design temperature taken from
// the location), still loads.
TEST_F(DatenProviderFill, AbsurdStoredValuesAreReportedWhenTheRecordIsRead) {
    struct Fall {
        TKelvoDatenID id;
        std::u16string key, text;
        std::u16string box;  // empty: the value loads
    };
    const Fall faelle[] = {
        {ID_NormwaermeBedarf, u"NormwaermeBedarf", u"nan", errorBox(4298, u"Kaputt: NormwaermeBedarf=nan")},
        {ID_NormwaermeBedarf, u"NormwaermeBedarf", u"inf", errorBox(4298, u"Kaputt: NormwaermeBedarf=inf")},
        {ID_NormwaermeBedarf, u"NormwaermeBedarf", u"-150", errorBox(4298, u"Kaputt: NormwaermeBedarf=-150")},
        {ID_NormwaermeBedarf, u"NormwaermeBedarf", u"10000.5", errorBox(4298, u"Kaputt: NormwaermeBedarf=10000.5")},
        {ID_NAT, u"NAT", u"-1e30", errorBox(4298, u"Kaputt: NAT=-1e30")},
        {ID_HeizVorlauf, u"HeizVorlauf", u"19", errorBox(4298, u"Kaputt: HeizVorlauf=19")},
        {ID_SoleKreise, u"SoleKreise", u"4000000000", errorBox(4298, u"Kaputt: SoleKreise=4000000000")},
        {ID_SoleKreise, u"SoleKreise", u"-5", errorBox(4298, u"Kaputt: SoleKreise=-5")},
        // Within the fields' ranges, their ends included, and the defaults.
        {ID_NormwaermeBedarf, u"NormwaermeBedarf", u"0", u""},
        {ID_NormwaermeBedarf, u"NormwaermeBedarf", u"10000", u""},
        {ID_NAT, u"NAT", u"-50", u""},
        {ID_NAT, u"NAT", u"1000", u""},
        {ID_SoleKreise, u"SoleKreise", u"999", u""},
        // A value whose field takes any number keeps what it holds, but must be one.
        {ID_KFlaeche, u"KFlaeche", u"-3", u""},
        {ID_KFlaeche, u"KFlaeche", u"nan", errorBox(4298, u"Kaputt: KFlaeche=nan")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(f.key + u"=" + f.text)));
        CVRMdatenProvider::remove();
        IGlobal::WriteIniString(u"Kaputt", f.key, f.text, 0);
        boxes.shown.clear();
        TestConsumer c({ID_AdrName, f.id});
        if (f.box.empty()) {
            CVRMdatenProvider::get().fill(c, u"Kaputt");
            EXPECT_TRUE(boxes.shown.empty());
            continue;
        }
        EXPECT_THROW(CVRMdatenProvider::get().fill(c, u"Kaputt"), platform::UserException);
        EXPECT_EQ(boxTexts(), std::vector<std::u16string>{f.box});
        std::shared_ptr<CVRMwert> wert;
        EXPECT_FALSE(CVRMdatenProvider::get().getWerte(u"Kaputt").Lookup(f.id, wert));
    }
}

}  // namespace
