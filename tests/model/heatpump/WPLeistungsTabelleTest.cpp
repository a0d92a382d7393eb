// The capacity table answers what the heat pump answers for each kind alone, bit for bit,
// with one warning where the heat pump alone warns once per kind, and it keeps the No of
// that warning for its later lookups.
#include <cmath>
#include <vector>

#include "model/heatpump/WPLeistungsTabelle.h"
#include "platform/messagebox/MessageBox.h"
#include "tests/model/heatpump/WPumpeFixture.h"

namespace {

using wptest::WPumpeFixture;
namespace id = platform::id;

class WPLeistungsTabelleTest : public WPumpeFixture {};

// Source temperatures below, between, on and above the records and beyond the
// extrapolation limit; flow temperatures below the interpolation limit (371 = 30), below
// the source correction's 30 °C, between and beyond the two columns. Two units, and a
// house spread (55 - 45) other than the rating's 5 K, so that the correction counts.
TEST_F(WPLeistungsTabelleTest, AnswersWhatTheHeatPumpAnswersForEachKind) {
    for (const char16_t* name : {u"WP-Sole", u"WP-Luft", u"WP-Drei", u"WP-Luecke"}) {
        SCOPED_TRACE(CVRMString(name).toUtf8());
        auto wp = Lade(name);
        wp->SetAnzahl(2);
        const float tv = 55.0f, tr = 45.0f;
        CWPLeistungsTabelle tabelle(*wp, tv, tr);
        for (float quell : {-20.0f, -5.0f, -2.5f, 0.0f, 3.0f, 5.0f, 8.0f, 12.0f, 30.0f}) {
            for (float vorlauf : {20.0f, 28.0f, 35.0f, 42.5f, 55.0f, 65.0f}) {
                SCOPED_TRACE(::testing::Message() << quell << " °C, flow " << vorlauf << " °C");
                const SWPLeistung gesamt = tabelle.Gesamt(quell, vorlauf);
                const SWPLeistung ohne = tabelle.LeistungOhneKorr(quell, vorlauf);
                float w = 0.0f;
                wp->GetLeistungGesamt(CWPumpe2::kHeizLeistung, quell, vorlauf, tv, tr, w);
                EXPECT_EQ(gesamt.heiz, w);
                wp->GetLeistungGesamt(CWPumpe2::kQuellLeistung, quell, vorlauf, tv, tr, w);
                EXPECT_EQ(gesamt.quelle, w);
                wp->GetLeistungGesamt(CWPumpe2::kElektroLeistung, quell, vorlauf, tv, tr, w);
                EXPECT_EQ(gesamt.elektrisch, w);
                wp->GetLeistungAnzahl(CWPumpe2::kHeizLeistung, quell, vorlauf, w);
                EXPECT_EQ(ohne.heiz, w);
                wp->GetLeistungAnzahl(CWPumpe2::kQuellLeistung, quell, vorlauf, w);
                EXPECT_EQ(ohne.quelle, w);
                wp->GetLeistungAnzahl(CWPumpe2::kElektroLeistung, quell, vorlauf, w);
                EXPECT_EQ(ohne.elektrisch, w);
            }
            EXPECT_EQ(tabelle.MaxVorlauf(quell), wp->getMVT(quell)) << quell;
        }
        EXPECT_TRUE(boxes.shown.empty());
    }
}

// Beyond the extrapolation limit the heat pump warns twice for each kind it is asked;
// the table warns twice for all three. A No switches the option off and keeps the table
// silent afterwards, as it keeps the heat pump silent.
TEST_F(WPLeistungsTabelleTest, WarnsOncePerLookupAndKeepsTheNo) {
    auto wp = Lade(u"WP-Sole");
    Warnungen(true);
    CWPLeistungsTabelle tabelle(*wp, 35.0f, 30.0f);
    boxes.script = {id::YES, id::YES};
    tabelle.Gesamt(20.0f, 35.0f);
    EXPECT_EQ(boxes.shown.size(), 2u);
    boxes.shown.clear();
    boxes.script = {id::NO};
    tabelle.LeistungOhneKorr(-10.0f, 35.0f);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(WarnQTemp1(), 0);
    boxes.shown.clear();
    tabelle.Gesamt(-10.0f, 35.0f);
    tabelle.MaxVorlauf(20.0f);
    EXPECT_TRUE(boxes.shown.empty());
}

// Too few valid records: the texts and places the heat pump's own lookups report.
TEST_F(WPLeistungsTabelleTest, TooFewRecordsFailAsTheHeatPumpDoes) {
    for (const char16_t* name : {u"WP-Eins", u"WP-Leer"}) {
        SCOPED_TRACE(CVRMString(name).toUtf8());
        auto wp = Lade(name);
        CWPLeistungsTabelle tabelle(*wp, 35.0f, 30.0f);
        float w = 0.0f;
        const std::u16string leistung = FehlerText([&] { tabelle.Gesamt(0.0f, 35.0f); });
        EXPECT_NE(leistung, u"");
        EXPECT_EQ(leistung,
                  FehlerText([&] { wp->GetLeistungGesamt(1, 0.0f, 35.0f, 35.0f, 30.0f, w); }));
        const std::u16string vorlauf = FehlerText([&] { tabelle.MaxVorlauf(0.0f); });
        EXPECT_NE(vorlauf, u"");
        EXPECT_EQ(vorlauf, FehlerText([&] { wp->getMVT(0.0f); }));
    }
}

}  // namespace
