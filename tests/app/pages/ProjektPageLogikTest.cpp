// The project page's rules without a window: the tariff shares a tariff allows, the check
// of the shares at saving, the defrosting energy typed as text, and the source-pump label.
#include "pages/ProjektPageLogik.h"

#include <gtest/gtest.h>

namespace {

TEST(ProjektPageLogikTest, TarifErzwingtAnteile) {
    struct Fall {
        bool tarif1, tarif2;
        STarifAnteile vorher, nachher;
    };
    const Fall faelle[] = {
        {true, true, {70, 30}, {70, 30}},
        {true, false, {70, 30}, {100, 0}},   // no night window
        {false, true, {70, 30}, {0, 100}},   // no day window
        {false, false, {70, 30}, {100, 0}},  // the second rule wins
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ErzwungeneAnteile(f.tarif1, f.tarif2, f.vorher), f.nachher) << f.tarif1 << f.tarif2;
}

TEST(ProjektPageLogikTest, AnteileBeimSpeichern) {
    struct Fall {
        bool tarif1, tarif2;
        STarifAnteile anteile;
        AnteilPruefung erwartet;
    };
    const Fall faelle[] = {
        {true, true, {80, 20}, AnteilPruefung::Gut},
        {true, true, {85, 15}, AnteilPruefung::Nachfragen},
        {true, true, {15, 85}, AnteilPruefung::Nachfragen},
        {true, false, {85, 15}, AnteilPruefung::Gut},   // a night share of an unused tariff
        {true, false, {100, 0}, AnteilPruefung::Gut},
        {true, true, {70, 20}, AnteilPruefung::SummeFalsch},
        {true, true, {60, 60}, AnteilPruefung::SummeFalsch},
        {false, true, {0, 100}, AnteilPruefung::Gut},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(PruefeAnteile(f.tarif1, f.tarif2, f.anteile), f.erwartet)
            << f.anteile.tag << "/" << f.anteile.nacht;
}

// The leading digits count; reading stops at the first other character; a number beyond
// 32 bits stays at the largest one instead of wrapping round.
TEST(ProjektPageLogikTest, FuehrendeZahlSaettigt) {
    const std::pair<std::u16string_view, uint32_t> faelle[] = {
        {u"800", 800},
        {u"123abc", 123},
        {u"12 34", 12},
        {u"abc", 0},
        {u"", 0},
        {u"-5", 0},
        {u" 5", 0},
        {u"4294967295", 4294967295u},
        {u"4294967296", 4294967295u},
        {u"99999999999999999999kWh", 4294967295u},
        {u"00042", 42},
    };
    for (const auto& [text, zahl] : faelle)
        EXPECT_EQ(FuehrendeZahl(text), zahl) << std::string(text.begin(), text.end());
}

TEST(ProjektPageLogikTest, PumpenTextNachMedium) {
    struct Fall {
        int medium;
        unsigned text;
        bool null;
    };
    const Fall faelle[] = {{0, 6070, false}, {1, 3330, false}, {2, 6070, false},
                           {3, 6070, true},  {4, 3330, false}, {5, 0, false}, {-1, 0, false}};
    for (const Fall& f : faelle) {
        const SPumpenText t = PumpenText(f.medium);
        EXPECT_EQ(t.textId, f.text) << f.medium;
        EXPECT_EQ(t.leistungNull, f.null) << f.medium;
    }
}

}  // namespace
