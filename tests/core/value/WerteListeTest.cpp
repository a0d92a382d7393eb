// Value lists: sharing assignment against cloning copy, lookups and their reports.
#include <memory>

#include "core/value/VRMwerteListe.h"
#include "platform/errors/UserException.h"
#include "tests/support/ValueStoreFixture.h"

namespace {

using WerteListe = testsupport::ValueStoreFixture;

// A named list of two values, as the value store's cache holds them.
std::unique_ptr<CVRMwerteListe> cacheListe() {
    auto liste = std::make_unique<CVRMwerteListe>(u"Haus1");
    liste->SetAt(ID_NormwaermeBedarf, std::make_shared<CVRMwert>(6.0f));
    liste->SetAt(ID_AdrName, std::make_shared<CVRMwert>(CVRMString(u"Meier")));
    return liste;
}

TEST_F(WerteListe, AssignmentSharesTheValuesAndCopyClonesThem) {
    auto cache = cacheListe();
    CVRMwerteListe geteilt;
    geteilt = *cache;
    CVRMwerteListe kopie(u"Eigener Name");
    kopie.copy(*cache);

    EXPECT_EQ(geteilt.getName(), u"Haus1");
    EXPECT_EQ(kopie.getName(), u"Eigener Name");

    geteilt.get(ID_NormwaermeBedarf) = 8.5f;
    EXPECT_EQ(cache->get(ID_NormwaermeBedarf).GetFloatVal(), 8.5f);
    EXPECT_EQ(cache->get(ID_NormwaermeBedarf).changed(), 1);
    EXPECT_EQ(kopie.get(ID_NormwaermeBedarf).GetFloatVal(), 6.0f);

    kopie.get(ID_AdrName) = CVRMString(u"Huber");
    EXPECT_EQ(cache->get(ID_AdrName).GetStringVal(), u"Meier");

    // reset through one sharing list is seen through the other.
    geteilt.reset();
    EXPECT_EQ(cache->get(ID_NormwaermeBedarf).GetFloatVal(), 6.0f);
}

TEST_F(WerteListe, ValuesOutliveTheListsThatLetGoOfThem) {
    auto cache = cacheListe();
    CVRMwert* wert = &cache->get(ID_AdrName);
    {
        CVRMwerteListe geteilt;
        geteilt = *cache;
    }
    auto zweite = std::make_unique<CVRMwerteListe>();
    *zweite = *cache;
    zweite->free();  // drops the entries; the cache's values stay
    zweite->clear();
    EXPECT_EQ(cache->GetCount(), 2);
    EXPECT_EQ(&cache->get(ID_AdrName), wert);
    EXPECT_EQ(wert->GetStringVal(), u"Meier");

    // And the cache letting go first leaves the consumer's list sound.
    CVRMwerteListe consumer;
    consumer = *cache;
    cache.reset();
    EXPECT_EQ(consumer.get(ID_AdrName).GetStringVal(), u"Meier");
}

TEST_F(WerteListe, UnnamedSourceIsRefusedBeforeAnythingChanges) {
    const CVRMwerteListe ohneName;
    auto ziel = cacheListe();

    EXPECT_THROW(ziel->copy(ohneName), platform::UserException);
    EXPECT_THROW(*ziel = ohneName, platform::UserException);
    EXPECT_THROW(ziel->setName(u""), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{
                              errorBox(3105, u"CVRMwerteListe::copy"),
                              errorBox(3105, u"CVRMwerteListe::operator="),
                              errorBox(3105, u"CVRMwerteListe::setName"),
                          }));
    EXPECT_EQ(ziel->GetCount(), 2);
    EXPECT_EQ(ziel->getName(), u"Haus1");
}

TEST_F(WerteListe, GetOfAnAbsentIdReportsUnlessQuiet) {
    auto liste = cacheListe();
    liste->SetAt(ID_HeizVorlauf, nullptr);

    EXPECT_THROW(liste->get(ID_Volumen, true), platform::UserException);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_THROW(liste->get(ID_Volumen), platform::UserException);
    EXPECT_THROW(liste->get(ID_HeizVorlauf), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{
                              errorBox(3162, u"CVRMwerteListe::get"),
                              errorBox(3105, u"CVRMwerteListe::get"),
                          }));
}

TEST_F(WerteListe, DefvalSkipsEntriesWithoutAValue) {
    auto liste = cacheListe();
    liste->SetAt(ID_HeizVorlauf, nullptr);
    liste->get(ID_NormwaermeBedarf).setDefault(CVRMVariant(1.0f));
    liste->get(ID_NormwaermeBedarf) = 9.0f;
    liste->defval();
    EXPECT_EQ(liste->get(ID_NormwaermeBedarf).GetFloatVal(), 1.0f);
    EXPECT_EQ(liste->get(ID_NormwaermeBedarf).changed(), 0);
}

TEST_F(WerteListe, DumpNamesEachValueByItsKey) {
    auto liste = cacheListe();
    liste->SetAt(ID_HeizVorlauf, nullptr);
    liste->SetAt(ID_79, std::make_shared<CVRMwert>(4u));  // kept in memory only: no key
    liste->get(ID_AdrName) = CVRMString(u"Huber");
    EXPECT_EQ(liste->dump(nullptr),
              u"Werteliste (Haus1):\n"
              u"79: 4 (Orig: 4)\n"
              u"AdrName: (Huber) (Orig: (Meier))\n"
              u"NormwaermeBedarf: 6.000000 (Orig: 6.000000)\n"
              u"<NULL>\n");
    EXPECT_TRUE(liste->dump(u"Haus").starts_with(u"Haus (Haus1):\n"));
}

}  // namespace
