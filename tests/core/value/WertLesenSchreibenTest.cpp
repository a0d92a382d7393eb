// One value of the value store read from and written to a record by its type.
#include <utility>

#include "core/db/Global.h"
#include "core/value/VRMwert.h"
#include "platform/errors/UserException.h"
#include "tests/support/ValueStoreFixture.h"

namespace {

using Lines = std::vector<std::u16string>;

const Lines kUser = {
    u"[Satz]",   u"Bool2=2",   u"Bool1=1",  u"Leer=",
    u"Zahl=-12", u"Komma=2.5", u"Text=Süd", u"Gross=4000000000",
};
const Lines kBibo = {u"[Satz]", u"NurBibo=42", u"Leer=99"};

class WertLesenSchreiben : public testsupport::ValueStoreFixture {
  protected:
    void SetUp() override { loadDatabases(kUser, kBibo); }

    // A value of the type of `def` holding its default, as the factory makes them.
    static CVRMwert gelesen(const char16_t* key, const CVRMVariant& def) {
        CVRMwert wert(def.GetVRMType());
        wert.setDefault(def);
        wert.defval();
        IGlobal::readWert(u"Satz", key, wert);
        return wert;
    }
};

TEST_F(WertLesenSchreiben, ReadTakesTheStoredTextByTypeAndTheDefaultWhenMissingOrEmpty) {
    struct Fall {
        const char16_t* key;
        CVRMVariant def;
        CVRMVariant erwartet;
    };
    const Fall faelle[] = {
        {u"Bool2", CVRMVariant(true), CVRMVariant(false)},  // only 1 is true
        {u"Bool1", CVRMVariant(false), CVRMVariant(true)},
        {u"Fehlt", CVRMVariant(true), CVRMVariant(true)},
        {u"Leer", CVRMVariant(7), CVRMVariant(7)},  // empty in the user database hides 99
        {u"Zahl", CVRMVariant(7), CVRMVariant(-12)},
        {u"NurBibo", CVRMVariant(7u), CVRMVariant(42u)},
        {u"Komma", CVRMVariant(1.0f), CVRMVariant(2.5f)},
        {u"Text", CVRMVariant(CVRMString(u"x")), CVRMVariant(CVRMString(u"Süd"))},
        {u"Fehlt", CVRMVariant(CVRMString(u"x")), CVRMVariant(CVRMString(u"x"))},
        {u"Leer", CVRMVariant(CVRMString(u"x")), CVRMVariant(CVRMString())},
    };
    for (const Fall& f : faelle) {
        const CVRMwert wert = gelesen(f.key, f.def);
        EXPECT_TRUE(static_cast<const CVRMVariant&>(wert) == f.erwartet)
            << CVRMString(f.key).toUtf8() << " " << wert.toString(0).toUtf8();
        EXPECT_EQ(wert.changed(), 0);  // read values count as loaded
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WertLesenSchreiben, WrittenValuesReadBackAsTheyWere) {
    const std::pair<const char16_t*, CVRMwert> werte[] = {
        {u"Text", CVRMwert(CVRMString(u"Straße 1"))},
        {u"Flt", CVRMwert(-0.0005f)},
        {u"Uns", CVRMwert(4000000000u)},
        {u"Bol", CVRMwert(true)},
    };
    for (const auto& [key, wert] : werte) IGlobal::writeWert(u"Neu", key, wert, 0);
    IGlobal::WriteIniValues();
    // "%f" keeps six decimals: -0.0005f prints as -0.000500. An unsigned value is stored
    // as the int of the same bits: 4000000000 - 2^32 = -294967296.
    EXPECT_EQ(userSectionLines(u"[neu]"),
              (Lines{u"text=Straße 1", u"flt=-0.000500", u"uns=-294967296", u"bol=1"}));

    for (const auto& [key, wert] : werte) {
        CVRMwert zurueck(wert.GetVRMType());
        IGlobal::readWert(u"Neu", key, zurueck);
        EXPECT_TRUE(static_cast<const CVRMVariant&>(zurueck) == wert) << wert.GetVRMType();
    }
}

TEST_F(WertLesenSchreiben, EmptyPlaceOrUnsupportedTypeReports) {
    CVRMwert wert(1);
    CVRMwert lang = CVRMwert::Long(5);
    EXPECT_THROW(IGlobal::readWert(u"", u"Key", wert), platform::UserException);
    EXPECT_THROW(IGlobal::writeWert(u"Satz", u"", wert, 0), platform::UserException);
    EXPECT_THROW(IGlobal::readWert(u"Satz", u"Key", lang), platform::UserException);
    EXPECT_THROW(IGlobal::writeWert(u"Satz", u"Key", lang, 0), platform::UserException);
    EXPECT_EQ(boxTexts(), (Lines{
                              errorBox(3105, u"IGlobal::readWert"),
                              errorBox(3105, u"IGlobal::writeWert"),
                              errorBox(3162, u"IGlobal::readWert"),
                              errorBox(3162, u"IGlobal::writeWert"),
                          }));
}

}  // namespace
