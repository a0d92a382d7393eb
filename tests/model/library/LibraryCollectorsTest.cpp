// The shipped solar collectors: every row of the data file is a collector of the library
// with its type, tilt, orientation and yield records; and the transposition the tilted
// ones are derived with, checked against what must hold for any sky.
#include <gtest/gtest.h>

#include <numeric>

#include "Komponenten.h"
#include "LibraryFixture.h"
#include "Names.h"
#include "Transposition.h"
#include "core/db/Lists.h"
#include "platform/format/Format.h"
#include "platform/text/Text.h"

namespace librarytest {
namespace {

using LibraryCollectorsTest = LibraryFixture;

libgen::Monate Ghi(const libgen::Town& ort) {
    libgen::Monate ghi{};
    for (int m = 0; m < 12; ++m)
        ghi[m] =
            ort.typisch->Number(std::string("ghi_") + (m < 9 ? "0" : "") + std::to_string(m + 1));
    return ghi;
}

double Jahr(const libgen::Monate& monate) {
    return std::accumulate(monate.begin(), monate.end(), 0.0);
}

TEST_F(LibraryCollectorsTest, EveryCollectorOfTheDataFileWithItsRecords) {
    bool flach = false, roehre = false;
    for (const libgen::CsvRow& k : Daten().Tabelle("solar_collector").Rows()) {
        const CVRMString name = libgen::BibName(k["name"]);
        SCOPED_TRACE(k["name"]);
        EXPECT_TRUE(InListe(LISTE_SOLARKOLLEKTOREN, name));
        EXPECT_EQ(Lies(name, u"KollektorTyp"),
                  platform::format(u"%i", static_cast<int>(k.Number("type"))));
        EXPECT_EQ(Lies(name, u"DatenKNeigung"),
                  platform::format(u"%i", static_cast<int>(k.Number("tilt_deg"))));
        EXPECT_EQ(Lies(name, u"DatenKAusrichtung"),
                  platform::format(u"%i", static_cast<int>(k.Number("azimuth_deg"))));
        flach = flach || (k.Number("type") != 3 && k.Number("tilt_deg") > 0);
        roehre = roehre || k.Number("type") == 3;

        const auto keys = libgen::SplitList(k["mean_temps_C"]);
        ASSERT_GE(keys.size(), 2u);
        ASSERT_LE(keys.size(), 10u);
        const libgen::Town& ort = Daten().FindeTown(k["irradiation_town"], "DE");
        std::vector<float> vorher;
        for (size_t n = 0; n < keys.size(); ++n) {
            // Key, then 12 yields: what the solar library reads as a valid record.
            const std::vector<float> satz =
                Zahlen(Lies(name, platform::format(u"KollErtrag%i", static_cast<int>(n))));
            ASSERT_EQ(satz.size(), 13u) << n;
            EXPECT_EQ(satz[0], libgen::ParseNumber(keys[n], "mean_temps_C"));
            for (int m = 0; m < 12; ++m) {
                EXPECT_GE(satz[m + 1], 0.0f);
                // A hotter collector loses more: no month gains with the key.
                if (!vorher.empty()) {
                    EXPECT_LE(satz[m + 1], vorher[m + 1]) << n << " " << m;
                }
            }
            if (k.Number("tilt_deg") > 0) {
                const libgen::Monate e = libgen::KollektorErtragGeneigt(
                    {k.Number("eta0"), k.Number("a1_W_m2K"), k.Number("a2_W_m2K2")}, satz[0],
                    Ghi(ort), ort.temps, ort.typisch->Number("latitude"),
                    {k.Number("tilt_deg"), k.Number("azimuth_deg")});
                for (int m = 0; m < 12; ++m)
                    EXPECT_NEAR(satz[m + 1], e[m], 0.0051) << n << " " << m;
            }
            vorher = satz;
        }
        EXPECT_TRUE(
            Lies(name, platform::format(u"KollErtrag%i", static_cast<int>(keys.size()))).empty());
    }
    EXPECT_TRUE(flach);
    EXPECT_TRUE(roehre);
}

TEST_F(LibraryCollectorsTest, TheTranspositionKeepsWhatHoldsForAnySky) {
    const libgen::Town& kassel = Daten().FindeTown("Kassel", "DE");
    const libgen::Monate ghi = Ghi(kassel);
    const double breite = kassel.typisch->Number("latitude");

    // Horizontal: the steps add up to the month's irradiation again.
    const libgen::Monate horizontal = libgen::StrahlungGeneigt(ghi, breite, {0, 0});
    for (int m = 0; m < 12; ++m) EXPECT_NEAR(horizontal[m], ghi[m], 1e-9 * ghi[m]) << m;

    // Facing south at 45° in Kassel (51° N): the low winter sun gains most, the high summer
    // sun a little less than on the horizontal; over the year some 10 to 20 % more (the
    // usual gain of an optimal tilt in central Europe).
    const libgen::Monate sued45 = libgen::StrahlungGeneigt(ghi, breite, {45, 0});
    EXPECT_GT(sued45[11] / ghi[11], 1.5);
    EXPECT_LT(sued45[5] / ghi[5], 1.0);
    EXPECT_GT(Jahr(sued45) / Jahr(ghi), 1.10);
    EXPECT_LT(Jahr(sued45) / Jahr(ghi), 1.20);

    // East and west see the mean day mirrored: the same sums.
    const libgen::Monate ost = libgen::StrahlungGeneigt(ghi, breite, {30, -60});
    const libgen::Monate west = libgen::StrahlungGeneigt(ghi, breite, {30, 60});
    for (int m = 0; m < 12; ++m) EXPECT_NEAR(ost[m], west[m], 1e-9 * ghi[m]) << m;
    // Turned away from south it gets less than facing south.
    EXPECT_LT(Jahr(ost), Jahr(libgen::StrahlungGeneigt(ghi, breite, {30, 0})));

    // Without losses a collector converts eta0 of what reaches it.
    const libgen::Monate ohneVerlust =
        libgen::KollektorErtragGeneigt({0.8, 0, 0}, 60, ghi, kassel.temps, breite, {45, 0});
    for (int m = 0; m < 12; ++m) EXPECT_NEAR(ohneVerlust[m], 0.8 * sued45[m], 1e-9 * ghi[m]) << m;
}

}  // namespace
}  // namespace librarytest
