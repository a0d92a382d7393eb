// One value of the value store: changed against the loaded value, defaults, clones.
#include "core/value/VRMwert.h"
#include "platform/errors/UserException.h"
#include "tests/support/ValueStoreFixture.h"

namespace {

using Wert = testsupport::ValueStoreFixture;

TEST_F(Wert, ChangedFollowsTheLoadedValueThroughEditSaveResetAndDefault) {
    CVRMwert wert(vrmInt);
    wert.setDefault(CVRMVariant(7));
    wert.defval();
    EXPECT_EQ(wert.changed(), 0);
    EXPECT_EQ(wert.GetIntVal(), 7);

    wert.init(CVRMVariant(3));  // as read from the database
    EXPECT_EQ(wert.changed(), 0);
    wert = 4;
    EXPECT_EQ(wert.changed(), 1);
    EXPECT_EQ(wert.getOriginal().GetIntVal(), 3);
    wert = 3;  // back to the loaded value by hand
    EXPECT_EQ(wert.changed(), 0);

    wert = 9;
    wert.change();
    EXPECT_EQ(wert.changed(), 0);
    EXPECT_EQ(wert.getOriginal().GetIntVal(), 9);

    wert = 1;
    wert.reset();
    EXPECT_EQ(wert.GetIntVal(), 9);
    EXPECT_EQ(wert.changed(), 0);

    wert = 1;
    wert.defval();
    EXPECT_EQ(wert.GetIntVal(), 7);
    EXPECT_EQ(wert.getOriginal().GetIntVal(), 7);
    EXPECT_EQ(wert.changed(), 0);
}

TEST_F(Wert, DefaultOfAnotherTypeIsRefusedOnlyOnceAValueIsHeld) {
    CVRMwert leer(vrmInt);
    leer.setDefault(CVRMVariant(2.5f));
    EXPECT_TRUE(leer.IsEmpty());
    EXPECT_TRUE(leer.getDefault().IsFloat());
    EXPECT_TRUE(boxes.shown.empty());

    CVRMwert fuenf(5);
    EXPECT_THROW(fuenf.setDefault(CVRMVariant(2.5f)), platform::UserException);
    EXPECT_EQ(boxTexts(), std::vector<std::u16string>{errorBox(3105, u"CVRMwert::setDefault")});
    EXPECT_EQ(fuenf.getDefault().GetIntVal(), 5);
}

TEST_F(Wert, CloneTakesAllThreeValuesAndTheStoredFlagAndIsIndependent) {
    CVRMwert quelle(CVRMString(u"alt"));
    quelle.setDefault(CVRMVariant(CVRMString(u"def")));
    quelle = CVRMString(u"neu");
    quelle.setPersistent(false);

    CVRMwert klon(quelle);
    EXPECT_EQ(klon.GetStringVal(), u"neu");
    EXPECT_EQ(klon.getOriginal().GetStringVal(), u"alt");
    EXPECT_EQ(klon.getDefault().GetStringVal(), u"def");
    EXPECT_FALSE(klon.isPersistent());
    EXPECT_EQ(klon.changed(), 1);

    klon = CVRMString(u"anders");
    EXPECT_EQ(quelle.GetStringVal(), u"neu");

    CVRMwert ziel(1.5f);
    ziel = quelle;
    EXPECT_EQ(ziel.GetVRMType(), vrmString);
    EXPECT_EQ(ziel.getOriginal().GetStringVal(), u"alt");
    EXPECT_FALSE(ziel.isPersistent());

    // A value of a type without a value yet clones as such, equal to its source.
    const CVRMwert leer(vrmFloat);
    const CVRMwert leerKlon(leer);
    EXPECT_TRUE(leerKlon.IsEmpty());
    EXPECT_EQ(leerKlon.GetVRMType(), vrmFloat);
    EXPECT_EQ(leerKlon.changed(), 0);
}

TEST_F(Wert, DumpShowsCurrentAndLoadedValue) {
    CVRMwert wert(3);
    wert = 5;
    EXPECT_EQ(wert.dump(u"Volumen"), u"Volumen: 5 (Orig: 3)\n");
    EXPECT_EQ(CVRMwert(CVRMString(u"abc")).dump(nullptr), u"(abc) (Orig: (abc))\n");
}

}  // namespace
