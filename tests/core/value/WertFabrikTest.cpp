// The value factory and the keys: type, default, stored flag and key of the data ids,
// and the report for an id without a factory entry.
#include <set>

#include "core/value/DatenId.h"
#include "core/value/VRMwertFabrik.h"
#include "core/value/VRMwerteListe.h"
#include "platform/errors/UserException.h"
#include "tests/support/ValueStoreFixture.h"

namespace {

using WertFabrik = testsupport::ValueStoreFixture;

struct Fall {
    uint16_t id;
    CVRMVariant def;  // carries the type too
    bool stored;
    const char16_t* key;  // nullptr: the id has no key
};

// A sample from every range of ids; float defaults are the nearest single-precision values.
const Fall kFaelle[] = {
    {19, CVRMVariant(1), true, u"Konfiguration"},
    {20, CVRMVariant(5.2f), true, u"KFlaeche"},
    {33, CVRMVariant(false), true, u"SolStdErtragWawa"},
    {48, CVRMVariant(CVRMString()), true, nullptr},
    {79, CVRMVariant(4u), false, nullptr},
    {83, CVRMVariant(2.0f), false, nullptr},
    {107, CVRMVariant(150u), true, u"Volumen"},
    {182, CVRMVariant(true), true, u"FussbodenHeiz"},
    {195, CVRMVariant(1000.0f), true, u"NAT"},
    {206, CVRMVariant(CVRMString()), true, u"Klimaort"},
    {207, CVRMVariant(CVRMString()), true, nullptr},
    {229, CVRMVariant(0.15f), true, u"WDZ"},
    {247, CVRMVariant(2.85f), false, u"Wärmeleitzahl"},
    {255, CVRMVariant(1u), true, u"WQuelleFläche"},
    {269, CVRMVariant(-5), true, u"DimPunktTemp"},
    {340, CVRMVariant(CVRMString()), true, u"KQuelle2"},
    {375, CVRMVariant(-16), true, u"MinLuftTemp"},
    {383, CVRMVariant(true), true, u"WWextern"},
    {409, CVRMVariant(11.0f), true, u"Preis1"},
    {434, CVRMVariant(true), true, u"P6wieWP"},
    {436, CVRMVariant(CVRMString()), true, u"Tarif1Monate"},
    {464, CVRMVariant(5280u), true, u"LaufzeitHUP"},
    {510, CVRMVariant(1.075f), true, u"VPF"},
    {523, CVRMVariant(3u), true, u"ZKWTV2"},
    {655, CVRMVariant(CVRMString()), true, u"BenBearbeiter"},
    {662, CVRMVariant(false), true, nullptr},
    {668, CVRMVariant(CVRMString()), true, nullptr},
    {1189, CVRMVariant(0u), true, u"WA1"},
    {1341, CVRMVariant(0.0005f), true, u"GWDB"},
    {1342, CVRMVariant(0), true, u"EGEO"},
};

TEST_F(WertFabrik, EveryRangeGivesTypeDefaultStoredFlagAndKey) {
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(f.id);
        const auto id = static_cast<TKelvoDatenID>(f.id);
        const auto wert = CVRMwertFabrik::createWert(id);
        ASSERT_TRUE(wert);
        EXPECT_EQ(wert->GetVRMType(), f.def.GetVRMType());
        EXPECT_TRUE(static_cast<const CVRMVariant&>(*wert) == f.def);
        EXPECT_TRUE(wert->getDefault() == f.def);
        EXPECT_TRUE(wert->getOriginal() == f.def);
        EXPECT_EQ(wert->changed(), 0);
        EXPECT_EQ(wert->isPersistent(), f.stored);
        if (f.key) {
            EXPECT_EQ(CVRMwerteListe::getKey(id), f.key);
        } else {
            boxes.shown.clear();
            EXPECT_THROW(CVRMwerteListe::getKey(id), platform::UserException);
            EXPECT_EQ(boxTexts(),
                      std::vector<std::u16string>{errorBox(3162, u"CVRMwerteListe::getKey")});
        }
    }
    EXPECT_EQ(CVRMwertFabrik::createWert(ID_KFlaeche)->GetFloatVal(), 5.2f);
}

TEST_F(WertFabrik, SoilDefaultComesFromTheLanguageTable) {
    CVRMwertFabrik fabrik;
    for (auto id : {ID_Bodenart, ID_Boden1})
        EXPECT_EQ(CVRMwertFabrik::createWert(id)->GetStringVal(), u"gravel (average wet)_(bib)");
    fabrik.init();  // a second init gives the same text
    EXPECT_EQ(CVRMwertFabrik::createWert(ID_Boden1)->getDefault().GetStringVal(),
              u"gravel (average wet)_(bib)");
    EXPECT_EQ(CVRMwertFabrik::createWert(ID_Boden2)->GetStringVal(), u"");
}

TEST_F(WertFabrik, IdWithoutFactoryEntryReportsAndMakesNothing) {
    // 455 and 456 have keys but no entry; 482 and 483 neither; the rest are gaps or beyond.
    for (unsigned id : {0u, 18u, 27u, 193u, 245u, 455u, 456u, 482u, 483u, 1343u, 65535u}) {
        SCOPED_TRACE(id);
        boxes.shown.clear();
        EXPECT_THROW(CVRMwertFabrik::createWert(static_cast<TKelvoDatenID>(id)),
                     platform::UserException);
        EXPECT_EQ(boxTexts(),
                  std::vector<std::u16string>{errorBox(3162, u"CVRMdatenProvider::createWert")});
    }
    EXPECT_EQ(CVRMwerteListe::getKey(ID_AbtauLeistung), u"AbtauLeistung");
}

// A stored value is read from its record under its key, so every stored id needs one,
// except those kept under the record name in the location sections.
TEST_F(WertFabrik, EveryStoredIdHasAKeyExceptTheLocationValues) {
    const std::set<uint16_t> ohneKey = {48, 207, 210, 284, 662, 663, 664, 665, 666, 667, 668};
    std::set<uint16_t> gefunden;
    for (auto table : {vrmcore::DatenIdTable19to340(), vrmcore::DatenIdTable366to1342()}) {
        for (const auto& e : table) {
            if (e.type == vrmcore::kNoFactory || !e.stored) continue;
            if (!e.key) gefunden.insert(e.id);
        }
    }
    EXPECT_EQ(gefunden, ohneKey);
}

}  // namespace
