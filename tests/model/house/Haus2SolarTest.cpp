// The house's solar side with the solar library unbound (the state until its binding
// exists) and bound to a fake: plants, gains by destination, the ground-feed figure, the
// checks and the short text.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "core/records/SolareGewinne.h"
#include "platform/errors/UserException.h"
#include "tests/model/house/HausFixture.h"

namespace {

using haustest::HausFixture;
using Monate = std::array<float, 12>;

class Haus2Solar : public HausFixture {
  protected:
    Haus2Solar() { haus[u"ProjMitSolar"] = u"1"; }

    // A solar library whose plant "Anlage" has 6 m², 45° and -15°, and per kind the
    // month texts set in `gewinne`.
    void Binde() {
        binding::SolarAufrufe aufrufe;
        aufrufe.GetSolareGewinne = [this](const CVRMString& anlage, unsigned short art,
                                          CSolareGewinne& g) {
            anfragen.emplace_back(anlage, art);
            for (const auto& [monat, text] : gewinne[art])
                g.SetGewinn(monat, text, 1, {anlage, u"Gewinn"});
        };
        aufrufe.get = [](const CVRMString&, TKelvoDatenID id) -> CVRMVariant {
            if (id == ID_KFlaeche) return CVRMVariant(6.0f);
            if (id == ID_KNeigung) return CVRMVariant(45u);
            return CVRMVariant(-15);
        };
        binding::SetzeSolarBindung(std::move(aufrufe));
    }

    std::map<unsigned short, std::map<unsigned short, CVRMString>> gewinne;
    std::vector<std::pair<CVRMString, unsigned short>> anfragen;
};

TEST_F(Haus2Solar, UnboundLibraryMeansNoSolarProject) {
    haus[u"SolarWohin1"] = u"1#1#3#";
    haus[u"WWmitWP"] = u"2";
    auto h = LadeHaus();
    EXPECT_FALSE(binding::IstSolarGebunden());
    EXPECT_FALSE(h->HatSolarAnlage());
    EXPECT_FALSE(h->IstSolarProjekt(u"Anlage"));
    EXPECT_FALSE(h->HatKuehlAnlage());
    EXPECT_FALSE(h->HatAbluftAnlage());
    Monate out;
    out.fill(7.0f);
    h->GetSolareGewinne(u"Anlage", 1, out, false);
    EXPECT_EQ(out, Monate{});
    EXPECT_EQ(h->GetSolarGewinnAnteil(u"Anlage"), 0u);
    EXPECT_TRUE(h->SolarDatenOK(u"Anlage"));
    EXPECT_TRUE(h->PruefeSolarWohin(u"Anlage", true));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Haus2Solar, CoolingNeedsTheModuleAndTheSwitch) {
    haus[u"ProjMitKuehl"] = u"1";
    auto h = LadeHaus();
    EXPECT_FALSE(h->IstKuehlProjekt(u"Kaelte"));
    binding::SetzeKuehlGebunden(true);
    EXPECT_TRUE(h->IstKuehlProjekt(u"Kaelte"));
    EXPECT_FALSE(h->IstKuehlProjekt(u""));
    EXPECT_EQ(h->GetKuehlKurzInfo(u"Kaelte"), u"0.0 kW cooling power (?)");
}

TEST_F(Haus2Solar, GainsByDestination) {
    // January and March to hot water by system 1, February to heating by system 2.
    haus[u"SolarWohin1"] = u"1#0#1#";
    haus[u"SolarWohin2"] = u"0#2#";
    gewinne[1] = {{0, u"45#10#"}, {1, u"45#11#"}, {2, u"45#12.5#"}};
    gewinne[2] = {{1, u"30#20#"}};
    Binde();
    auto h = LadeHaus();
    EXPECT_TRUE(h->IstSolarProjekt(u"Anlage"));
    Monate out;
    h->GetSolareGewinne(u"Anlage", 1, out, true);
    EXPECT_EQ(out, (Monate{10, 0, 12.5f}));
    h->GetSolareGewinne(u"Anlage", 1, out, false);  // x 6 m²
    EXPECT_EQ(out, (Monate{60, 0, 75}));
    h->GetSolareGewinne(u"Anlage", 2, out, true);
    EXPECT_EQ(out, (Monate{0, 20}));
    EXPECT_EQ(anfragen.back(), (std::pair<CVRMString, unsigned short>{u"Anlage", 2}));

    EXPECT_EQ(h->GetSolarKurzInfo(u"Anlage"), u"6.0 m²; inclination 45 °; orientation -15 °");
}

TEST_F(Haus2Solar, GroundFeedFigureCountsMayToSeptember) {
    // Ground feed from April to October; July's gain is too small to count.
    haus[u"SolarWohin3"] = u"0#0#0#3#3#3#3#3#3#3#";
    gewinne[3] = {{3, u"20#5#"}, {4, u"20#5#"}, {5, u"20#5#"}, {6, u"20#0.05#"},
                  {7, u"20#5#"}, {8, u"20#5#"}, {9, u"20#5#"}};
    Binde();
    auto h = LadeHaus();
    EXPECT_EQ(h->GetSolarGewinnAnteil(u"Anlage"), 160u);  // May, June, August, September
}

TEST_F(Haus2Solar, DataCheckStopsAtTheFirstMissingMonth) {
    struct Fall {
        const char* name;
        const char16_t* wohin1;
        std::map<unsigned short, std::map<unsigned short, CVRMString>> gewinne;
        const char16_t* meldung;  // none: passes
    };
    const Fall faelle[] = {
        {"all given",
         u"1#2#3#",
         {{1, {{0, u"1#1#"}}}, {2, {{1, u"1#1#"}}}, {3, {{2, u"1#1#"}}}},
         nullptr},
        {"hot water missing",
         u"1#2#",
         {{2, {{1, u"1#1#"}}}},
         u"Solar feed into hot water tank:\r\nAt least one month without solar input provided!"},
        {"heating negative",
         u"0#2#",
         {{2, {{1, u"1#-1#"}}}},
         u"Solar feed into building heating:\r\nAt least one month without solar input provided!"},
        {"ground missing",
         u"3#1#",
         {{1, {{1, u"1#1#"}}}},
         u"Solar feed into heat pump/ground:\r\nAt least one month without inlet temperature or "
         u"solar input!"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        haus[u"SolarWohin1"] = f.wohin1;
        gewinne = f.gewinne;
        Binde();
        auto h = LadeHaus();
        EXPECT_EQ(h->SolarDatenOK(u"Anlage"), f.meldung == nullptr);
        EXPECT_EQ(boxTexts(), f.meldung ? std::vector<std::u16string>{f.meldung}
                                        : std::vector<std::u16string>{});
    }

    haus[u"SolarWohin1"] = u"4#";
    auto h = LadeHaus();
    EXPECT_THROW(h->SolarDatenOK(u"Anlage"), platform::UserException);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{fehler(3162, u"CHaus2::SolarDatenOK")}));
}

TEST_F(Haus2Solar, LocationChecks) {
    Binde();
    auto h = LadeHaus();
    EXPECT_TRUE(h->DatenOK(true, u"Anlage"));
    h->SetWert(ID_Sonnenort, CVRMVariant(u"<without location>"), false);
    EXPECT_FALSE(h->DatenOK(true, u"Anlage"));
    h->SetWert(ID_Wetterort, CVRMVariant(u"<without location>"), false);
    EXPECT_TRUE(h->DatenOK(false, u""));
    EXPECT_FALSE(h->DatenOK(true, u""));
    h->SetWert(ID_Klimaort, CVRMVariant(u""), false);
    EXPECT_FALSE(h->DatenOK(false, u""));
    EXPECT_EQ(
        boxTexts(),
        (std::vector<std::u16string>{
            u"The building data are without a location with associated monthly hours of bright "
            u"sunshine.",
            u"No weather data selected on building data page",
            u"No building location selected on building data page"}));
}

TEST_F(Haus2Solar, DestinationRules) {
    struct Fall {
        const char16_t* wohin;
        const char16_t* wawaMitWP;
        bool keineErde;
        std::vector<std::u16string> meldungen;
    };
    const std::u16string erde =
        u"There is at least one month with solar feed into heat pump/ground.\r\n"
        u"That's only for brine/water heat pumps allowed.";
    const std::u16string wawa =
        u"There is at least one month with solar feed into hot water tank.\r\n"
        u"That's only possible when hot water is serviced by the heat pump.";
    const Fall faelle[] = {
        {u"3#1#", u"1", false, {}},
        {u"3#1#", u"1", true, {erde}},
        {u"3#1#", u"2", true, {erde, wawa}},  // both are told
        {u"2#1#", u"3", false, {wawa}},
    };
    Binde();
    for (const Fall& f : faelle) {
        haus[u"SolarWohin2"] = f.wohin;
        haus[u"WWmitWP"] = f.wawaMitWP;
        auto h = LadeHaus();
        EXPECT_EQ(h->PruefeSolarWohin(u"Anlage", f.keineErde), f.meldungen.empty());
        EXPECT_EQ(boxTexts(), f.meldungen);
    }
}

}  // namespace
