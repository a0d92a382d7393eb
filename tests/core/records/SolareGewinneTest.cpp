// Monthly solar gains and feed-in values: the stored month text in both directions, empty
// months, negative gains, the conversion to totals, and bad months.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "core/records/SolareEinspeisung.h"
#include "core/records/SolareGewinne.h"
#include "core/text/ErrorReport.h"
#include "platform/errors/UserException.h"
#include "tests/core/text/TextFixture.h"

namespace {

const vrmcore::SZahlOrt kOrt{u"Anlage", u"Gewinn4"};

class SolareGewinneTest : public testsupport::TextTest {
  protected:
    SolareGewinneTest() { CResManager::setEntry(3105, u"Required data missing or data wrong"); }

    std::u16string fehler(const char16_t* ort) const { return vrmcore::BuildErrorText(3105, ort); }
};

TEST_F(SolareGewinneTest, MonthTextReadsAndWrites) {
    struct Fall {
        const char16_t* text;
        bool eingetragen;
        float temp, gewinn;
        const char16_t* gespeichert;
    };
    const Fall faelle[] = {
        {u"45.00#12.50#", true, 45.0f, 12.5f, u"45.00#12.50#"},
        {u"45.00#", true, 45.0f, 0.0f, u"45.00#0.00#"},          // no second number: gain 0
        {u"7#-3.256#99#", true, 7.0f, -3.256f, u"7.00#-3.26#"},  // a third number is ignored
        {u" 20 #\t5#", true, 20.0f, 5.0f, u"20.00#5.00#"},       // blanks around a number
        {u"abc", false, 0.0f, 0.0f, u""},                        // no separator: the month empties
        {u"", false, 0.0f, 0.0f, u""},
    };
    for (const Fall& f : faelle) {
        CSolareGewinne g;
        g.SetGewinn(3, 1.0f, 1.0f, 1);
        g.SetGewinn(3, CVRMString(f.text), 1, kOrt);
        SCOPED_TRACE(CVRMString(f.text).toUtf8());
        EXPECT_EQ(g.IstTempEingetragen(3), f.eingetragen ? 1 : 0);
        EXPECT_FLOAT_EQ(g.GetGewinnTemp(3), f.temp);
        EXPECT_FLOAT_EQ(g.GetGewinnWert(3), f.gewinn);
        CVRMString text(u"alt");
        g.GetDatenString(3, text);
        EXPECT_EQ(text, f.gespeichert);
    }
}

// A stored month whose number is not wholly a finite float names its record, key and the
// damaged number, and leaves the month as it was: "x1" used to read as 0, "2kWh" as 2.
TEST_F(SolareGewinneTest, DamagedMonthTextIsReportedAndChangesNothing) {
    CResManager::setEntry(4298, u"Content of database corrupted");
    const std::pair<const char16_t*, const char16_t*> faelle[] = {{u"x1#2#", u"x1"},
                                                                  {u"20#2kWh#", u"2kWh"},
                                                                  {u"nan#1#", u"nan"},
                                                                  {u"20#1e39#", u"1e39"},
                                                                  {u"1.2.3#1#", u"1.2.3"}};
    for (const auto& [text, kaputt] : faelle) {
        SCOPED_TRACE(CVRMString(text).toUtf8());
        CSolareGewinne g;
        g.SetGewinn(3, 1.0f, 2.0f, 1);
        boxes.shown.clear();
        EXPECT_THROW(g.SetGewinn(3, CVRMString(text), 1, kOrt), platform::UserException);
        EXPECT_EQ(boxes.texts(), std::vector<std::u16string>{vrmcore::BuildErrorText(
                                     4298, u"Anlage: Gewinn4=" + std::u16string(kaputt))});
        EXPECT_FLOAT_EQ(g.GetGewinnTemp(3), 1.0f);
        EXPECT_FLOAT_EQ(g.GetGewinnWert(3), 2.0f);
    }
}

TEST_F(SolareGewinneTest, EmptyAndNegativeMonths) {
    CSolareGewinne g;
    EXPECT_EQ(g.SindGewinneProQm(), 1);
    EXPECT_EQ(g.GetGewinnTemp(0), 0.0f);
    EXPECT_EQ(g.GetGewinnWert(0), 0.0f);
    EXPECT_EQ(g.IstTempEingetragen(0), 0);
    EXPECT_EQ(g.IstGewinnEingetragen(0), 0);

    g.SetGewinn(1, 30.0f, -1.0f, 1);
    EXPECT_EQ(g.IstTempEingetragen(1), 1);
    EXPECT_EQ(g.IstGewinnEingetragen(1), 0);
    g.SetGewinn(2, 30.0f, 0.0f, 1);
    EXPECT_EQ(g.IstGewinnEingetragen(2), 1);

    g.DeleteGewinn(2);
    EXPECT_EQ(g.IstTempEingetragen(2), 0);
}

TEST_F(SolareGewinneTest, TotalsMultiplyEnteredGainsOnce) {
    CSolareGewinne g;
    g.SetGewinn(0, 40.0f, 10.0f, 1);
    g.SetGewinn(5, 50.0f, -2.0f, 1);  // not entered as a gain: stays
    g.CalcTotalGewinne(5.2f);
    EXPECT_EQ(g.SindGewinneProQm(), 0);
    EXPECT_FLOAT_EQ(g.GetGewinnWert(0), 52.0f);  // 5.2 m² x 10
    EXPECT_FLOAT_EQ(g.GetGewinnTemp(0), 40.0f);
    EXPECT_FLOAT_EQ(g.GetGewinnWert(5), -2.0f);
    EXPECT_EQ(g.IstTempEingetragen(1), 0);

    EXPECT_THROW(g.CalcTotalGewinne(5.2f), platform::UserException);
    EXPECT_EQ(boxes.shown.back().text, fehler(u"CSolareGewinne::CalcTotalGewinne"));
    EXPECT_FLOAT_EQ(g.GetGewinnWert(0), 52.0f);

    CSolareGewinne summen(0);
    EXPECT_THROW(summen.CalcTotalGewinne(2.0f), platform::UserException);
}

// Writing twelve month texts and reading all twelve back keeps a gain that follows an
// empty month.
TEST_F(SolareGewinneTest, GainAfterAnEmptyMonthSurvivesTheRoundTrip) {
    CSolareGewinne quelle;
    quelle.SetGewinn(0, 20.0f, 1.5f, 1);
    quelle.SetGewinn(7, 35.0f, 8.25f, 1);  // months 1 to 6 empty
    std::array<CVRMString, 12> texte;
    for (unsigned short m = 0; m < 12; ++m) quelle.GetDatenString(m, texte[m]);

    CSolareGewinne ziel;
    for (unsigned short m = 0; m < 12; ++m) ziel.SetGewinn(m, texte[m], 1, kOrt);
    for (unsigned short m = 0; m < 12; ++m) {
        EXPECT_EQ(ziel.IstTempEingetragen(m), quelle.IstTempEingetragen(m)) << m;
        EXPECT_FLOAT_EQ(ziel.GetGewinnWert(m), quelle.GetGewinnWert(m)) << m;
    }
}

TEST_F(SolareGewinneTest, MonthTwelveIsRejectedAndChangesNothing) {
    CSolareGewinne g;
    const std::pair<std::function<void()>, const char16_t*> faelle[] = {
        {[&] { g.SetGewinn(12, 1.0f, 1.0f, 1); }, u"CSolareGewinne::SetGewinn(f,f)"},
        {[&] { g.SetGewinn(12, CVRMString(u"1#1#"), 1, kOrt); }, u"CSolareGewinne::SetGewinn(str)"},
        {[&] { g.DeleteGewinn(12); }, u"CSolareGewinne::DeleteGewinn()"},
        {[&] { g.GetGewinnWert(200); }, u"CSolareGewinne::GetGewinnWert()"},
    };
    for (const auto& [aufruf, ort] : faelle) {
        boxes.shown.clear();
        EXPECT_THROW(aufruf(), platform::UserException);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, fehler(ort));
    }
    for (unsigned short m = 0; m < 12; ++m) EXPECT_EQ(g.IstTempEingetragen(m), 0);
}

TEST_F(SolareGewinneTest, FeedInMonths) {
    CSolareEinspeisung e;
    EXPECT_EQ(e.GetEinspeisung(4), 0.0f);
    EXPECT_EQ(e.IstEinspeisungEingetragen(4), 0);
    e.SetEinspeisung(4, 12.5f);
    e.SetEinspeisung(5, -1.0f);
    EXPECT_EQ(e.GetEinspeisung(4), 12.5f);
    EXPECT_EQ(e.IstEinspeisungEingetragen(4), 1);
    EXPECT_EQ(e.IstEinspeisungEingetragen(5), 0);
    e.DeleteEinspeisung(4);
    EXPECT_EQ(e.IstEinspeisungEingetragen(4), 0);
    e.SetEinspeisung(6, 1.0f);
    e.init();
    EXPECT_EQ(e.GetEinspeisung(6), 0.0f);

    EXPECT_THROW(e.SetEinspeisung(12, 1.0f), platform::UserException);
    EXPECT_EQ(boxes.shown.back().text, fehler(u"CSolareEinspeisung::SetEinspeisung()"));
}

}  // namespace
