// Values of the value store through IGlobal: by type, with the default for a missing key.
#include <functional>

#include "core/db/Global.h"
#include "core/text/ErrorReport.h"
#include "core/value/VRMwert.h"
#include "platform/errors/UserException.h"
#include "tests/core/db/GlobalFixture.h"

namespace {

const std::vector<std::u16string> kUser = {
    u"[Rec]", u"Zwei=2", u"Eins=1", u"Null=0", u"Minus=-1", u"Komma=7.25", u"Leer=",
};

using GlobalWert = GlobalFixture;

TEST_F(GlobalWert, BoolIsTrueOnlyForOne) {
    loadDatabases(kUser, {});
    struct Case {
        const char16_t* key;
        bool def;
        bool expected;
    };
    const Case cases[] = {
        {u"Zwei", true, false}, {u"Eins", false, true}, {u"Null", true, false},
        {u"Fehlt", true, true}, {u"Leer", true, true},
    };
    for (const auto& c : cases) {
        CVRMwert wert(c.def);
        IGlobal::readWert(u"Rec", c.key, wert);
        EXPECT_EQ(wert.GetBoolVal(), c.expected) << platform::toUtf8(c.key);
        EXPECT_EQ(wert.changed(), 0);  // read values count as loaded
    }
}

TEST_F(GlobalWert, ReadsByType) {
    loadDatabases(kUser, {});
    CVRMwert f(1.5f), s(CVRMString(u"def")), u(3u), i(4), fehlt(9);
    IGlobal::readWert(u"Rec", u"Komma", f);
    IGlobal::readWert(u"Rec", u"Komma", s);
    IGlobal::readWert(u"Rec", u"Minus", u);
    IGlobal::readWert(u"Rec", u"Zwei", i);
    IGlobal::readWert(u"Rec", u"Fehlt", fehlt);
    EXPECT_EQ(f.GetFloatVal(), 7.25f);
    EXPECT_EQ(s.GetStringVal(), CVRMString(u"7.25"));
    EXPECT_EQ(u.GetUIntVal(), 4294967295u);  // "-1" as an unsigned int
    EXPECT_EQ(i.GetIntVal(), 2);
    EXPECT_EQ(fehlt.GetIntVal(), 9);
    EXPECT_TRUE(u.IsUInt());
}

TEST_F(GlobalWert, WriteThenReadKeepsTheValue) {
    loadDatabases(kUser, {});
    IGlobal::writeWert(u"Neu", u"f", CVRMwert(2.5f), 0);
    IGlobal::writeWert(u"Neu", u"s", CVRMwert(CVRMString(u"Text")), 0);
    IGlobal::writeWert(u"Neu", u"u", CVRMwert(4000000000u), 0);
    IGlobal::writeWert(u"Neu", u"b", CVRMwert(true), 0);
    CVRMString stored;
    IGlobal::ReadIniString(u"Neu", u"f", stored, u"");
    EXPECT_EQ(stored, CVRMString(u"2.500000"));
    IGlobal::ReadIniString(u"Neu", u"b", stored, u"");
    EXPECT_EQ(stored, CVRMString(u"1"));

    CVRMwert f(0.0f), s(CVRMString(u"")), u(0u), b(false);
    IGlobal::readWert(u"Neu", u"f", f);
    IGlobal::readWert(u"Neu", u"s", s);
    IGlobal::readWert(u"Neu", u"u", u);
    IGlobal::readWert(u"Neu", u"b", b);
    EXPECT_EQ(f.GetFloatVal(), 2.5f);
    EXPECT_EQ(s.GetStringVal(), CVRMString(u"Text"));
    EXPECT_EQ(u.GetUIntVal(), 4000000000u);
    EXPECT_TRUE(b.GetBoolVal());
}

TEST_F(GlobalWert, RefusedPlacesAndTypes) {
    loadDatabases(kUser, {});
    CVRMwert wert(1);
    CVRMwert lang = CVRMwert::Long(5);
    const std::pair<std::function<void()>, std::u16string> cases[] = {
        {[&] { IGlobal::readWert(u"", u"Eins", wert); },
         vrmcore::BuildErrorText(3105, u"IGlobal::readWert")},
        {[&] { IGlobal::readWert(u"Rec", u"", wert); },
         vrmcore::BuildErrorText(3105, u"IGlobal::readWert")},
        {[&] { IGlobal::writeWert(u"Rec", u"", wert, 0); },
         vrmcore::BuildErrorText(3105, u"IGlobal::writeWert")},
        {[&] { IGlobal::readWert(u"Rec", u"Eins", lang); },
         vrmcore::BuildErrorText(3162, u"IGlobal::readWert")},
        {[&] { IGlobal::writeWert(u"Rec", u"Eins", lang, 0); },
         vrmcore::BuildErrorText(3162, u"IGlobal::writeWert")},
    };
    for (const auto& [call, text] : cases) {
        boxes.shown.clear();
        EXPECT_THROW(call(), platform::UserException);
        EXPECT_EQ(boxTexts(), std::vector<std::u16string>{text});
    }
    // Nothing was written by the refused writes.
    CVRMString stored;
    IGlobal::ReadIniString(u"Rec", u"Eins", stored, u"");
    EXPECT_EQ(stored, CVRMString(u"1"));
}

}  // namespace
