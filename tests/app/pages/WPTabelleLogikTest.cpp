// The performance table's rules without a window: which typed rows a save takes, in which
// order and with which values; a source temperature out of range refuses everything; what
// the cells of a record show; which row is the rating row.
#include "pages/WPTabelleLogik.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using wptabelle::Zeile;

// A row with the source text `quelle` and the powers 1..8 in field order.
Zeile Reihe(std::u16string quelle) {
    Zeile z;
    z[0] = std::move(quelle);
    const char16_t* werte[] = {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8"};
    for (std::size_t i = 0; i < 8; ++i) z[static_cast<std::size_t>(wptabelle::kFeldSpalten[i])] = werte[i];
    return z;
}

TEST(WPTabelleLogikTest, QuellTemperaturEinerZeile) {
    struct Fall {
        std::u16string text;
        std::optional<int> temperatur;
    };
    const Fall faelle[] = {
        {u"", std::nullopt},           // empty: dropped
        {u"abc", std::nullopt},        // letters only read 0 without a leading "0"
        {u"0", 0},                     // the digit 0 counts
        {u"0abc", 0},
        {u"-0", std::nullopt},
        {u" 0", std::nullopt},
        {u"-5", -5},
        {u"12.7", 12},                 // whole degrees: the leading whole number
        {u"7K", 7},
        {u"99999999999", std::numeric_limits<int32_t>::max()},   // saturates, never wraps
        {u"-99999999999", std::numeric_limits<int32_t>::min()},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.text.begin(), f.text.end()));
        EXPECT_EQ(wptabelle::QuellTemperatur(f.text), f.temperatur);
    }
}

TEST(WPTabelleLogikTest, ZellenWertNimmtDieFuehrendeZahl) {
    EXPECT_FLOAT_EQ(wptabelle::ZellenWert(u"5.25kW"), 5.25f);
    EXPECT_FLOAT_EQ(wptabelle::ZellenWert(u""), 0.0f);
    EXPECT_FLOAT_EQ(wptabelle::ZellenWert(u"n/a"), 0.0f);
    EXPECT_FLOAT_EQ(wptabelle::ZellenWert(u"5,5"), 5.0f);  // the C locale's point only
    EXPECT_EQ(wptabelle::ZellenWert(u"1e999"), std::numeric_limits<float>::max());
    EXPECT_EQ(wptabelle::ZellenWert(u"-1e999"), -std::numeric_limits<float>::max());
}

// Rows 10, -5, 0 with empty rows between come out as -5, 0, 10; dropped rows whatever their
// other cells hold; equal temperatures keep their order (upper row first).
TEST(WPTabelleLogikTest, ZeilenNachQuellTemperaturSortiert) {
    std::vector<Zeile> zeilen = {Reihe(u"10"), Reihe(u""), Reihe(u"-5"), Reihe(u"abc"),
                                 Reihe(u"0"),  Reihe(u"10"), Zeile{}, Zeile{}};
    zeilen[5][1] = u"9";  // the second row of 10 °C: its heat output tells it apart
    const auto saetze = wptabelle::LeseZeilen(zeilen);
    ASSERT_TRUE(saetze);
    ASSERT_EQ(saetze->size(), 4u);
    const float erwartet[] = {-5, 0, 10, 10};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ((*saetze)[i].quellTemp, erwartet[i]);
    EXPECT_EQ((*saetze)[2].heiz35, 1.0f);
    EXPECT_EQ((*saetze)[3].heiz35, 9.0f);
    // Fields 2..9 from the columns 1, 6, 2, 7, 3, 8, 5, 10.
    const CWPLeistDaten& s = (*saetze)[0];
    EXPECT_EQ((std::array<float, 8>{s.heiz35, s.heiz2, s.elektro35, s.elektro2, s.quelle35, s.quelle2,
                                    s.vorlauf2, s.maxVorlauf}),
              (std::array<float, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
}

// Any counting row outside -20..60 refuses the whole table, wherever it stands.
TEST(WPTabelleLogikTest, QuellTemperaturAusserhalbVerweigertAlles) {
    struct Fall {
        std::u16string quelle;
        bool gut;
    };
    const Fall faelle[] = {{u"-20", true}, {u"60", true}, {u"61", false}, {u"-21", false},
                           {u"99999999999", false}, {u"abc", true}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.quelle.begin(), f.quelle.end()));
        const std::vector<Zeile> zeilen = {Reihe(u"0"), Reihe(u"5"), Reihe(f.quelle)};
        EXPECT_EQ(wptabelle::LeseZeilen(zeilen).has_value(), f.gut);
    }
}

// A value of 0.1 or less shows "n/a"; a coefficient of 0.1 or less stays empty.
TEST(WPTabelleLogikTest, ZeileEinesSatzes) {
    // COP 35 = 8.4 / 2 = 4.2; COP x = 7.5 / 0.1 = 75: the field 0.1 shows "n/a", its quotient counts.
    const CWPLeistDaten satz(-5.0f, 8.4f, 7.5f, 2.0f, 0.1f, 6.4f, 0.05f, 55.0f, 60.0f);
    const Zeile z = wptabelle::ZeileVon(satz, u"%.0f", u"%.2f", u"n/a");
    const Zeile erwartet = {u"-5", u"8.40", u"2.00", u"6.40", u"4.20", u"55.00",
                            u"7.50", u"n/a",  u"n/a",  u"75.00", u"60.00"};
    EXPECT_EQ(z, erwartet);
    // Electric input 0.01 or less: the coefficient is 0 and its cell empty.
    const CWPLeistDaten ohne(0.0f, 8.0f, 7.0f, 0.01f, 0.0f, 6.0f, 5.0f, 55.0f, 60.0f);
    const Zeile leer = wptabelle::ZeileVon(ohne, u"%.0f", u"%.2f", u"n/a");
    EXPECT_EQ(leer[wptabelle::kSpalteCOP35], u"");
    EXPECT_EQ(leer[wptabelle::kSpalteCOP2], u"");
}

TEST(WPTabelleLogikTest, NennZeileDerArt) {
    const std::vector<std::u16string> ersteZellen = {u"-5", u"0", u"2", u"10", u"", u"20", u"2", u""};
    struct Fall {
        int kind;
        int zeile;
    };
    // air/water: the last of the two rows of 2 °C; direct evaporation rates at 0 as brine.
    const Fall faelle[] = {{0, 1}, {1, 6}, {2, 3}, {3, 1}, {4, 5}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.kind);
        EXPECT_EQ(wptabelle::NennZeile(ersteZellen, *wptabelle::NennQuellTemperatur(f.kind)), f.zeile);
    }
    EXPECT_FALSE(wptabelle::NennQuellTemperatur(-1));
    EXPECT_EQ(wptabelle::NennZeile({u"", u"5"}, 0), -1);  // an empty cell is no 0 °C row
}

}  // namespace
