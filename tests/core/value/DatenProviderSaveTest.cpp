// Saving through the value store, checked against the database file on disk.
#include <limits>

#include "core/db/Global.h"
#include "core/value/SpeicherVorgang.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/errors/UserException.h"
#include "tests/core/value/DatenProviderTestConsumer.h"
#include "tests/support/ValueStoreFixture.h"

namespace {

using Lines = std::vector<std::u16string>;

const Lines kUser = {
    u"[Haus1]",
    u"NormwaermeBedarf=8.5",
    u"AdrName=Meier",
};
const Lines kBibo = {u"[BiboInfo]", u"Version=1.00"};

class DatenProviderSave : public testsupport::ValueStoreFixture {
  protected:
    void SetUp() override { loadDatabases(kUser, kBibo); }
    CVRMdatenProvider& provider() { return CVRMdatenProvider::get(); }
};

TEST_F(DatenProviderSave, ListSaveWritesEveryStoredValueAndMarksItSaved) {
    TestConsumer haus(
        {ID_AdrName, ID_NormwaermeBedarf, ID_HeizVorlauf, ID_FussbodenHeiz, ID_WWproTag, ID_79});
    provider().fill(haus, u"Haus1");
    haus.wert(ID_NormwaermeBedarf) = 9.25f;
    haus.wert(ID_WWproTag) = 250u;
    haus.wert(ID_79) = 2u;  // kept in memory only

    provider().save(haus.werte(), false);
    EXPECT_EQ(userFileLines(), kUser) << "nothing reaches the disk without the flush";
    provider().persist();

    // Keys as the database keeps them (lower case); unchanged values and defaults are
    // written too, new keys after the ones the record had.
    EXPECT_EQ(userSectionLines(u"[haus1]"), (Lines{
                                                u"normwaermebedarf=9.250000",
                                                u"adrname=Meier",
                                                u"heizvorlauf=35.000000",
                                                u"fussbodenheiz=1",
                                                u"wwprotag=250",
                                            }));
    for (const auto& [id, wert] : haus.werte()) EXPECT_EQ(wert->changed(), 0) << id;
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DatenProviderSave, UnstoredValuesAreOnlyMarkedSaved) {
    TestConsumer c({ID_79, ID_83, ID_Waermeleitzahl});
    provider().fill(c, u"Haus1");
    c.wert(ID_79) = 1u;
    c.wert(ID_Waermeleitzahl) = 1.5f;
    provider().save(c.werte(), true);
    EXPECT_EQ(c.wert(ID_79).changed(), 0);
    EXPECT_EQ(c.wert(ID_Waermeleitzahl).changed(), 0);
    EXPECT_EQ(userSectionLines(u"[haus1]"), (Lines{u"normwaermebedarf=8.5", u"adrname=Meier"}));
}

TEST_F(DatenProviderSave, OneValueWithFlushWritesTheWholeDatabase) {
    TestConsumer c({ID_AdrName});
    provider().fill(c, u"Haus1");
    IGlobal::WriteIniString(u"Tarif1", u"Preis1", u"12.000000", 0);  // pending in memory
    c.wert(ID_AdrName) = CVRMString(u"Huber");

    provider().save(u"Haus1", ID_AdrName, c.wert(ID_AdrName), true);
    EXPECT_EQ(c.wert(ID_AdrName).changed(), 0);
    EXPECT_EQ(userSectionLines(u"[haus1]"), (Lines{u"normwaermebedarf=8.5", u"adrname=Huber"}));
    EXPECT_EQ(userSectionLines(u"[tarif1]"), Lines{u"preis1=12.000000"});
}

// A value that cannot be written (a float that is not a number must never reach the file)
// stops the save with its one report: what came before is written, the rest stays
// changed, and the file on disk is not rewritten.
TEST_F(DatenProviderSave, FailedValueReportsOnceAndLosesNothingOnDisk) {
    TestConsumer haus({ID_AdrName, ID_NormwaermeBedarf, ID_HeizVorlauf});
    provider().fill(haus, u"Haus1");
    haus.wert(ID_AdrName) = CVRMString(u"Huber");
    haus.wert(ID_NormwaermeBedarf) = std::numeric_limits<float>::quiet_NaN();
    haus.wert(ID_HeizVorlauf) = 40.0f;
    const auto vorher = testsupport::ReadFileBytes(folder.file("user.dat"));

    EXPECT_THROW(provider().save(haus.werte(), true), platform::UserException);
    EXPECT_EQ(boxTexts(), Lines{u"Exception"});
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), vorher);
    EXPECT_EQ(haus.wert(ID_AdrName).changed(), 0);
    EXPECT_EQ(haus.wert(ID_NormwaermeBedarf).changed(), 1);
    EXPECT_EQ(haus.wert(ID_HeizVorlauf).changed(), 1);

    provider().persist();
    EXPECT_EQ(userSectionLines(u"[haus1]"), (Lines{u"normwaermebedarf=8.5", u"adrname=Huber"}));
}

TEST_F(DatenProviderSave, UnnamedListOrSectionIsAnInternalError) {
    CVRMwerteListe ohneName;
    ohneName.SetAt(ID_AdrName, std::make_shared<CVRMwert>(CVRMString(u"x")));
    EXPECT_THROW(provider().save(ohneName, true), platform::UserException);
    CVRMwert wert(CVRMString(u"x"));
    EXPECT_THROW(provider().save(u"", ID_AdrName, wert, false), platform::UserException);
    EXPECT_EQ(boxTexts(), (Lines{u"Exception", u"Exception"}));
}

// The user database refuses a library record: one box says which record and why, no
// box of the layers it passed through follows, and nothing reaches the file.
TEST_F(DatenProviderSave, RefusedLibraryRecordIsOneBoxThatNamesIt) {
    TestConsumer bibo({ID_AdrName});
    provider().fill(bibo, u"Haus_(bib)");
    bibo.wert(ID_AdrName) = CVRMString(u"Huber");
    const auto vorher = testsupport::ReadFileBytes(folder.file("user.dat"));

    EXPECT_THROW(provider().save(bibo.werte(), true), platform::UserException);
    EXPECT_EQ(boxTexts(), Lines{u"This is a component from the program database.\r\nYou cannot change "
                                u"its data.\n(Haus_(bib))"});
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), vorher);
    EXPECT_EQ(bibo.wert(ID_AdrName).changed(), 1);
}

// Two records saved in one save: both reach the file with its one write. A save whose
// second record fails writes neither: the file is as it was, the first record's values
// are the stored ones again (what the program computes with is what the file holds), and
// the database image holds nothing of them, so that a later flush cannot write them either.
TEST_F(DatenProviderSave, ASaveOfTwoRecordsIsOneWrite) {
    TestConsumer haus({ID_AdrName});
    TestConsumer zweites({ID_AdrName, ID_NormwaermeBedarf});
    provider().fill(haus, u"Haus1");
    provider().fill(zweites, u"Haus2");
    const auto speichere = [&](const CVRMString& name, float bedarf) {
        haus.wert(ID_AdrName) = name;
        zweites.wert(ID_AdrName) = name;
        zweites.wert(ID_NormwaermeBedarf) = bedarf;
        const auto vorher = testsupport::ReadFileBytes(folder.file("user.dat"));
        CSpeicherVorgang vorgang;
        provider().save(haus.werte(), true);
        EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), vorher);
        provider().save(zweites.werte(), true);
        vorgang.Abschliessen();
    };
    speichere(u"Huber", 7.5f);
    const Lines gespeichert = {u"[haus1]", u"normwaermebedarf=8.5", u"adrname=Huber",
                               u"[haus2]", u"adrname=Huber", u"normwaermebedarf=7.500000"};
    EXPECT_EQ(userFileLines(), gespeichert);
    EXPECT_EQ(haus.wert(ID_AdrName).changed(), 0);
    EXPECT_TRUE(boxes.shown.empty());

    EXPECT_THROW(speichere(u"Mayer", std::numeric_limits<float>::quiet_NaN()),
                 platform::UserException);
    EXPECT_EQ(userFileLines(), gespeichert);
    EXPECT_EQ(haus.wert(ID_AdrName).changed(), 0);
    EXPECT_EQ(haus.wert(ID_AdrName).GetStringVal(), CVRMString(u"Huber"));
    provider().persist();
    EXPECT_EQ(userFileLines(), gespeichert);
}

}  // namespace
