// Rooms of the house: the new room, the stored text in both directions with its defaults,
// validity, and the kinds without texts.
#include <gtest/gtest.h>

#include "core/records/HausRaum.h"
#include "core/text/ErrorReport.h"
#include "platform/errors/UserException.h"
#include "tests/core/text/TextFixture.h"
#include "tests/support/RecordedBoxes.h"

namespace {

class HausRaumTest : public testsupport::TextTest {
  protected:
    HausRaumTest() {
        testsupport::RegisterCommonErrorTexts();
        CResManager::setEntry(3795, u"<not used>");
    }
};

TEST_F(HausRaumTest, NewRoom) {
    CHausRaum raum;
    EXPECT_EQ(raum.getName(), u"<not used>");
    CVRMString text;
    raum.getDaten(text);
    EXPECT_EQ(text, u"0#4#2.0#4#0#");
    EXPECT_EQ(raum.isValid(), 1);
}

TEST_F(HausRaumTest, StoredTextFieldsAndDefaults) {
    struct Fall {
        const char16_t* text;
        unsigned personen;
        float flaeche;
        int richtung;
        int beschattung;
        const char16_t* gespeichert;
    };
    const Fall faelle[] = {
        {u"0#3#1.5##2#", 3, 1.5f, 0, 2, u"0#3#1.5#0#2#"},  // empty direction reads 0
        {u"0#2#3.5#7#3#", 2, 3.5f, 7, 3, u"0#2#3.5#7#3#"},
        {u"#########", 4, 2.0f, 0, 0, u"0#4#2.0#0#0#"},  // empty fields: defaults
        {u"0#5", 4, 2.0f, 4, 0, u"0#4#2.0#4#0#"},        // missing fields: defaults
        {u"", 4, 2.0f, 4, 0, u"0#4#2.0#4#0#"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(CVRMString(f.text).toUtf8());
        CHausRaum raum;
        raum.setDaten(0, 9, 9.0f, 1, Sonnenschutz1);
        boxes.shown.clear();
        raum.setDaten(CVRMString(f.text));
        EXPECT_EQ(raum.getIndex(), 0);
        EXPECT_EQ(raum.getPersonen(), f.personen);
        EXPECT_FLOAT_EQ(raum.getFensterFlaeche(), f.flaeche);
        EXPECT_EQ(raum.getFensterRichtung(), f.richtung);
        EXPECT_EQ(raum.getBeschattung(), f.beschattung);
        CVRMString text;
        raum.getDaten(text);
        EXPECT_EQ(text, f.gespeichert);
    }
}

TEST_F(HausRaumTest, Validity) {
    struct Fall {
        unsigned personen;
        float flaeche;
        int richtung;
        int beschattung;
        int gueltig;
    };
    const Fall faelle[] = {
        {1, 0.1f, 0, 0, 1}, {4, 2.0f, 7, 3, 1},  {0, 2.0f, 4, 0, 0}, {4, 0.0f, 4, 0, 0},
        {4, 2.0f, 8, 0, 0}, {4, 2.0f, -1, 0, 0}, {4, 2.0f, 4, 4, 0}, {4, 2.0f, 4, -1, 0},
    };
    for (const Fall& f : faelle) {
        CHausRaum raum;
        raum.setDaten(0, f.personen, f.flaeche, f.richtung,
                      static_cast<TSonnenschutz>(f.beschattung));
        EXPECT_EQ(raum.isValid(), f.gueltig)
            << f.personen << " " << f.flaeche << " " << f.richtung << " " << f.beschattung;
    }
}

TEST_F(HausRaumTest, KindsWithoutTextReportSwitchConstant) {
    EXPECT_EQ(CHausRaum::getNameIDS(0), 3795u);
    EXPECT_THROW(CHausRaum::getNameIDS(1), platform::UserException);
    EXPECT_THROW(CHausRaum::getRichtungIDS(0), platform::UserException);
    EXPECT_THROW(CHausRaum::getSonnenschutzIDS(Sonnenschutz0), platform::UserException);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].text, vrmcore::BuildErrorText(3162, u"CHausRaum::getNameIDS"));
    EXPECT_EQ(boxes.shown[1].text, vrmcore::BuildErrorText(3162, u"CHausRaum::getRichtungIDS"));
    EXPECT_EQ(boxes.shown[2].text, vrmcore::BuildErrorText(3162, u"CHausRaum::getSonnenschutzIDS"));

    // A stored kind other than 0 is taken, then the name fails.
    CHausRaum raum;
    EXPECT_THROW(raum.setDaten(CVRMString(u"2#3#1.0#1#1#")), platform::UserException);
    EXPECT_EQ(raum.getIndex(), 2);
    EXPECT_EQ(raum.getPersonen(), 4u);
}

}  // namespace
