// Direct access of the value store: each id at its fixed place, written to disk at once,
// and never through the cache.
#include <functional>

#include "core/db/Global.h"
#include "core/db/VRMglobApp.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/errors/UserException.h"
#include "tests/core/value/DatenProviderTestConsumer.h"
#include "tests/support/ValueStoreFixture.h"

namespace {

using Lines = std::vector<std::u16string>;

const Lines kUser = {
    u"[Projekt1]",   u"WQuelle=Kombi", u"Haus=Haus1",       u"[Projekt2]",
    u"WQuelle=Leer", u"[Kombi]",       u"KQuelle1=Sonde A", u"[Leer]",
    u"Sondenart=1",  u"[Sonde A]",     u"QuellMediumIdx=0", u"FSMKonz=25",
};
const Lines kBibo = {
    u"[Klimadaten]",
    u"Dublin (IRL)=5.1#6.2#",
    u"Dublin (IRL)NAT=-3.5",
    u"Dublin (IRL)ANZ=1",
    u"Dublin (IRL)WORT=Dublin W",
    u"Dublin (IRL)BORT=Dublin B",
    u"Dublin (IRL)SORT=Dublin S",
    u"[Wetterdaten]",
    u"Dublin W=1#2#",
    u"Dublin WANZ=1",
    u"[Bodendaten]",
    u"Dublin B=8#9#",
    u"[Sonnendaten]",
    u"Dublin S=40#50#",
    u"Dublin SANZ=2",  // only 1 reads as true
    u"[Lehm]",
    u"Wärmeleitzahl=1.8",
    u"SpezWärme=2.1",
    u"Dichte=2000",
};

class DatenProviderDirekt : public testsupport::ValueStoreFixture {
  protected:
    void SetUp() override { loadDatabases(kUser, kBibo); }
    CVRMdatenProvider& provider() { return CVRMdatenProvider::get(); }
};

TEST_F(DatenProviderDirekt, EachIdIsReadAtItsPlace) {
    struct Fall {
        const char16_t* name;
        uint16_t id;
        CVRMVariant erwartet;
    };
    const Fall faelle[] = {
        {u"Dublin (IRL)", 207, CVRMVariant(CVRMString(u"5.1#6.2#"))},
        {u"Dublin (IRL)", 195, CVRMVariant(-3.5f)},
        {u"Wien (A)", 195, CVRMVariant(1000.0f)},  // missing: the default
        {u"Dublin (IRL)", 662, CVRMVariant(true)},
        {u"Dublin (IRL)", 666, CVRMVariant(CVRMString(u"Dublin W"))},
        {u"Dublin (IRL)", 667, CVRMVariant(CVRMString(u"Dublin B"))},
        {u"Dublin (IRL)", 668, CVRMVariant(CVRMString(u"Dublin S"))},
        {u"Dublin W", 210, CVRMVariant(CVRMString(u"1#2#"))},
        {u"Dublin W", 663, CVRMVariant(true)},
        {u"Dublin B", 284, CVRMVariant(CVRMString(u"8#9#"))},
        {u"Dublin B", 664, CVRMVariant(false)},
        {u"Dublin S", 48, CVRMVariant(CVRMString(u"40#50#"))},
        {u"Dublin S", 665, CVRMVariant(false)},
        {u"Lehm", 247, CVRMVariant(1.8f)},
        {u"Lehm", 249, CVRMVariant(2.1f)},
        {u"Lehm", 250, CVRMVariant(2000.0f)},
        {u"Sonde A", 246, CVRMVariant(0)},
        {u"Sonde A", 276, CVRMVariant(25u)},
        {u"Projekt1", 447, CVRMVariant(CVRMString(u"Haus1"))},
        {u"Projekt1", 449, CVRMVariant(CVRMString(u"Kombi"))},
        // The sources of the project's combined heat source, read as 280 and 340.
        {u"Projekt1", 482, CVRMVariant(CVRMString(u"Sonde A"))},
        {u"Projekt1", 483, CVRMVariant(CVRMString())},
        {u"Projekt2", 482, CVRMVariant(CVRMString())},  // record without "KQuelle1"
    };
    for (const Fall& f : faelle) {
        const CVRMwert wert = provider().getWert(f.name, static_cast<TKelvoDatenID>(f.id));
        EXPECT_TRUE(static_cast<const CVRMVariant&>(wert) == f.erwartet)
            << f.id << " " << wert.toString(0).toUtf8();
        EXPECT_EQ(wert.changed(), 0) << f.id;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DatenProviderDirekt, SaveWritesToDiskAtOnceAndLeavesTheCacheAlone) {
    TestConsumer projekt({ID_WQuelle});
    provider().fill(projekt, u"Projekt1");

    CVRMwert nat(-7.5f);
    provider().saveWert(u"Dublin (IRL)", ID_NAT, nat);
    CVRMwert anzeige(true);
    provider().saveWert(u"Cork (IRL)", ID_662, anzeige);
    CVRMwert dichte(1900.0f);
    provider().saveWert(u"Sonde A", ID_Dichte, dichte);

    EXPECT_EQ(userSectionLines(u"[klimadaten]"),
              (Lines{u"dublin (irl)nat=-7.500000", u"cork (irl)anz=1"}));
    EXPECT_EQ(userSectionLines(u"[sonde a]"),
              (Lines{u"quellmediumidx=0", u"fsmkonz=25", u"dichte=1900.000000"}));
    EXPECT_EQ(provider().getWert(u"Dublin (IRL)", ID_NAT).GetFloatVal(), -7.5f);

    // Id 449 is read-only here; the cached project value keeps what it held either way.
    CVRMwert quelle(CVRMString(u"Andere"));
    EXPECT_THROW(provider().saveWert(u"Projekt1", ID_WQuelle, quelle), platform::UserException);
    EXPECT_EQ(projekt.wert(ID_WQuelle).GetStringVal(), u"Kombi");
}

// Direct reads are kept while the databases stand still; each kind of change must show in
// the next read. Each case starts from the same files with the value read once.
TEST_F(DatenProviderDirekt, ReadsFollowEveryChangeOfTheDatabases) {
    struct Fall {
        const char* was;
        std::function<void()> aendern;
        float erwartet;
    };
    const auto nutzerWert = [] {
        IGlobal::WriteIniString(u"Klimadaten", u"Dublin (IRL)NAT", u"2", 0);
    };
    const auto bibo = [this] { return CVRMString::fromUtf8(folder.file("bibo.ini").string()); };
    const Fall faelle[] = {
        {"saved through the store",
         [this] {
             CVRMwert w(-7.5f);
             provider().saveWert(u"Dublin (IRL)", ID_NAT, w);
         },
         -7.5f},
        {"written to the user database", nutzerWert, 2.0f},
        {"user value deleted again: the library's",
         [&] {
             nutzerWert();
             provider().getWert(u"Dublin (IRL)", ID_NAT);
             IGlobal::DeleteKeyInSection(u"Klimadaten", u"Dublin (IRL)NAT", 0);
         },
         -3.5f},
        {"library only: the user value is passed over",
         [&] {
             nutzerWert();
             provider().getWert(u"Dublin (IRL)", ID_NAT);
             ASSERT_EQ(CVRMglobApp::Get().SetBiboDatei(bibo(), 1), 1);
         },
         -3.5f},
        {"section deleted",
         [&] {
             nutzerWert();
             provider().getWert(u"Dublin (IRL)", ID_NAT);
             IGlobal::DeleteSection(u"Klimadaten", 0);
         },
         -3.5f},
    };
    for (const Fall& f : faelle) {
        CVRMglobApp::ResetForTests();
        loadDatabases(kUser, kBibo);
        ASSERT_FLOAT_EQ(provider().getWert(u"Dublin (IRL)", ID_NAT).GetFloatVal(), -3.5f) << f.was;
        f.aendern();
        EXPECT_FLOAT_EQ(provider().getWert(u"Dublin (IRL)", ID_NAT).GetFloatVal(), f.erwartet)
            << f.was;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DatenProviderDirekt, IdsOutsideTheTableReport) {
    CVRMwert wert(1.0f);
    EXPECT_THROW(provider().getWert(u"Haus1", ID_NormwaermeBedarf), platform::UserException);
    EXPECT_THROW(provider().saveWert(u"Haus1", ID_NormwaermeBedarf, wert), platform::UserException);
    EXPECT_THROW(provider().saveWert(u"Sonde A", ID_QuellMediumIdx, wert), platform::UserException);
    EXPECT_THROW(provider().istWertVorhanden(u"Sonde A", ID_Sondenart), platform::UserException);
    EXPECT_EQ(boxTexts(), (Lines{
                              errorBox(3162, u"CVRMdatenProvider::getWert"),
                              errorBox(3162, u"CVRMdatenProvider::saveWert"),
                              errorBox(3162, u"CVRMdatenProvider::saveWert"),
                              errorBox(3162, u"CVRMdatenProvider::istWertVorhanden"),
                          }));
}

TEST_F(DatenProviderDirekt, SourceKindIsThereOnlyWhenTheRecordHoldsIt) {
    EXPECT_EQ(provider().istWertVorhanden(u"Sonde A", ID_QuellMediumIdx), 1);
    EXPECT_EQ(provider().istWertVorhanden(u"Leer", ID_QuellMediumIdx), 0);
    EXPECT_EQ(provider().istWertVorhanden(u"Fehlt", ID_QuellMediumIdx), 0);
}

}  // namespace
