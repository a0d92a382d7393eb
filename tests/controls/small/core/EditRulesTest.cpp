#include "controls/small/core/EditRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using small::floatEditZeichen;
using small::kuerzeNachkomma;
using small::pruefeZeichen;

// Types the keys into a free number field with the caret at the end, as the window does:
// a dropped key changes nothing, an accepted one is inserted and the fraction cut.
std::u16string tippeFloat(const std::u16string& tasten, unsigned stellen) {
    std::u16string text;
    for (char16_t c : tasten) {
        const auto w = floatEditZeichen(text, static_cast<int>(text.size()),
                                        static_cast<int>(text.size()), c, stellen);
        if (!w.annehmen) continue;
        text.push_back(w.zeichen);
        text = kuerzeNachkomma(text, stellen);
    }
    return text;
}

TEST(FloatEditTippen, TabelleDerEingaben) {
    struct Fall {
        std::u16string tasten;
        unsigned stellen;
        std::u16string erwartet;
    } faelle[] = {
        {u"1,25", 1, u"1.2"},   // comma becomes a point, the fraction is cut to 1 digit
        {u"1.2.", 1, u"1.2"},   // a second separator is dropped
        {u"1,.5", 2, u"1.5"},   // a point after a comma too
        {u"1,5", 0, u"15"},     // 0 decimals drops both separators
        {u"1.5", 0, u"15"},
        {u"ab-3", 1, u"ab-3"},  // the free field does not filter other characters
        {u"3.14159", 3, u"3.141"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(tippeFloat(f.tasten, f.stellen), f.erwartet)
            << std::string(f.tasten.begin(), f.tasten.end());
}

TEST(FloatEditTippen, EinMarkierterTrennerZaehltNicht) {
    // "1.5" with ".5" selected: the point about to be replaced does not block a new one.
    EXPECT_TRUE(floatEditZeichen(u"1.5", 1, 3, u',', 1).annehmen);
    EXPECT_EQ(floatEditZeichen(u"1.5", 1, 3, u',', 1).zeichen, u'.');
    // The selection given backwards (caret at its start) counts the same.
    EXPECT_TRUE(floatEditZeichen(u"1.5", 3, 1, u'.', 1).annehmen);
    // A selection beside the point leaves it counting.
    EXPECT_FALSE(floatEditZeichen(u"1.5", 2, 3, u'.', 1).annehmen);
}

TEST(NumEditPruefung, TabelleZweiStellenMitVorzeichen) {
    struct Fall {
        std::u16string text;
        int caret;
        char16_t c;
        bool erwartet;
    } faelle[] = {
        {u"", 0, u'-', true},      // an empty field takes any candidate
        {u"5", 0, u'-', true},     // "-" first ...
        {u"5", 1, u'-', false},    // ... only first
        {u"-5", 0, u'-', false},   // ... and only once
        {u"5", 0, u'.', false},    // "." refused at position 0
        {u"5", 1, u'.', true},
        {u"5", 1, u',', true},
        {u"5.1", 3, u'.', false},  // a second separator
        {u"3.14", 4, u'9', false}, // a digit beyond the 2 decimals
        {u"3.1", 3, u'4', true},
        {u"3.14", 3, u'9', false}, // inside a full fraction
        {u"3.14", 1, u'9', true},  // before the point
        {u"3.14", 4, 8, true},     // Backspace always
        {u"-", 1, 8, true},
        {u"3", 1, u'a', false},    // letters never
        {u"3", 1, u' ', false},    // a blank (32) is no control character
    };
    for (const auto& f : faelle)
        EXPECT_EQ(pruefeZeichen(f.text, f.caret, f.c, 2, true), f.erwartet)
            << std::string(f.text.begin(), f.text.end()) << " caret " << f.caret << " c "
            << static_cast<int>(f.c);
}

TEST(NumEditPruefung, OhneStellenUndOhneVorzeichen) {
    EXPECT_FALSE(pruefeZeichen(u"7", 1, u'.', 0, true));
    EXPECT_FALSE(pruefeZeichen(u"7", 1, u',', 0, true));
    EXPECT_FALSE(pruefeZeichen(u"", 0, u'.', 0, true));
    EXPECT_FALSE(pruefeZeichen(u"7", 0, u'-', 2, false));
    EXPECT_TRUE(pruefeZeichen(u"7", 1, 8, 0, false));
}

TEST(NumEditWert, FormatUndLesen) {
    EXPECT_EQ(small::formatWert(3.14159, 2), u"3.14");
    EXPECT_EQ(small::formatWert(7, 2), u"7.00");
    EXPECT_EQ(small::formatWert(-0.5, 0), u"-0");  // rounds half to even, as "%.0f" does
    EXPECT_EQ(small::formatWert(2.5, 0), u"2");

    struct Fall {
        std::u16string text;
        double wert;
    } faelle[] = {{u"", 0.0},     {u"7", 7.0},       {u"  -3.25x", -3.25}, {u"+1.5", 1.5},
                  {u"abc", 0.0},  {u"1,5", 1.0},     {u"1e2", 100.0},      {u"-", 0.0},
                  {u"+-1", 0.0},  {u"nan", 0.0},     {u"-inf", 0.0},       {u"1e999", 0.0}};
    for (const auto& f : faelle)
        EXPECT_DOUBLE_EQ(small::leseWert(f.text), f.wert)
            << std::string(f.text.begin(), f.text.end());
}

}  // namespace
