// Filling model objects from the value store: one read per value and process, shared
// value objects, defaults for what the record lacks.
#include "core/db/Global.h"
#include "core/value/VRMdatenProvider.h"
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

}  // namespace
