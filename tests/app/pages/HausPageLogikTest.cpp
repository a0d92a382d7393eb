// The house page's rules without a window: degrees of supply, the flow-temperature check
// at its boundaries, the heat load taken from the heating-load dialog, the gains of
// country 13, and why the external program cannot be started.
#include "pages/HausPageLogik.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/FixtureDatabase.h"

namespace {

TEST(HausPageLogikTest, DeckungDerAngekreuztenArten) {
    struct Fall {
        SHeizarten arten;
        bool gut;
    };
    const Fall faelle[] = {
        {{{1, 0, 0}, {100, 0, 0}}, true},
        {{{1, 1, 0}, {60, 30, 0}}, false},
        {{{1, 1, 0}, {60, 40, 0}}, true},
        {{{1, 0, 0}, {100, 30, 50}}, true},   // a kind without its box does not count
        {{{0, 0, 0}, {100, 0, 0}}, false},    // nothing ticked
        {{{1, 1, 1}, {4294967295u, 1, 100}}, false},  // never wraps round to 100
    };
    for (const Fall& f : faelle) EXPECT_EQ(DeckungVollstaendig(f.arten), f.gut);
}

// Return at least 2.9 K below the flow; the flow at most half a degree above the heat
// pump's maximum M (a whole number).
TEST(HausPageLogikTest, VorlaufGrenzen) {
    struct Fall {
        float vorlauf, ruecklauf;
        std::optional<int> max;
        unsigned fehler;
    };
    const Fall faelle[] = {
        {50.0f, 47.0f, std::nullopt, 0},
        {50.0f, 47.5f, std::nullopt, 3120},
        {50.0f, 47.1f, std::nullopt, 0},  // 50 - 2.9 = 47.1 is not below 47.1
        {55.5f, 45.0f, 55, 0},
        {55.6f, 45.0f, 55, 3121},
        {55.6f, 45.0f, std::nullopt, 0},  // no heat pump asked
        {55.6f, 55.0f, 55, 3120},         // the return is checked first
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(PruefeVorlauf(f.vorlauf, f.ruecklauf, f.max), f.fehler) << f.vorlauf << "/" << f.ruecklauf;
}

TEST(HausPageLogikTest, HeizlastUndGewinne) {
    EXPECT_FLOAT_EQ(HeizlastEineStelle(7.5f), 7.5f);
    EXPECT_FLOAT_EQ(HeizlastEineStelle(9.96f), 10.0f);
    EXPECT_FLOAT_EQ(HeizlastEineStelle(12.34f), 12.3f);
    // 7.5 kW x 2000 h x 0.25 = 3750 kWh; fractions are cut.
    EXPECT_EQ(GewinnAusHeizlast(7.5f), 3750u);
    EXPECT_EQ(GewinnAusHeizlast(0.0011f), 0u);
    EXPECT_EQ(GewinnAusHeizlast(-3.0f), 0u);
}

TEST(HausPageLogikTest, ProgrammPfadOhneAnfuehrungszeichen) {
    EXPECT_EQ(ProgrammPfad(u"  \"/opt/heiz last/prog\" "), std::filesystem::path("/opt/heiz last/prog"));
    EXPECT_EQ(ProgrammPfad(u"/opt/prog"), std::filesystem::path("/opt/prog"));
    EXPECT_TRUE(ProgrammPfad(u"   ").empty());
}

TEST(HausPageLogikTest, WarumDasProgrammNichtStartet) {
    namespace fs = std::filesystem;
    testsupport::TempFolder ordner;
    const fs::path programm = ordner.file("heizlast");
    const fs::path text = ordner.file("notiz.txt");
    std::ofstream(programm) << "#!/bin/sh\n";
    std::ofstream(text) << "x";
    fs::permissions(programm, fs::perms::owner_all);
    fs::permissions(text, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ProgrammFehler(programm), 0u);
    EXPECT_EQ(ProgrammFehler(text), 3158u);
    EXPECT_EQ(ProgrammFehler(ordner.path()), 3158u);  // a folder is no program
    EXPECT_EQ(ProgrammFehler(ordner.file("fehlt")), 3159u);
    EXPECT_EQ(ProgrammFehler(ordner.path() / "gibtsnicht" / "prog"), 3160u);
}

}  // namespace
