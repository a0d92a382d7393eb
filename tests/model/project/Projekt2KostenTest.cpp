// Cost data and heating-system flags of a project, and what a project not filled answers.
#include <functional>

#include "tests/model/project/ProjektFixture.h"

namespace {

using projekttest::Lines;
using projekttest::ProjektFixture;

class Projekt2Kosten : public ProjektFixture {};

TEST_F(Projekt2Kosten, AdditionalCostsOwnOrFromTheOptions) {
    auto projekt = Lade(u"Projekt A");
    CProjekt2::ZusatzKosten kosten{};
    ASSERT_TRUE(projekt->HatDetaillierteZKosten(kZKGas));
    projekt->GetZusatzKosten(kZKGas, kosten);
    EXPECT_EQ(kosten, (CProjekt2::ZusatzKosten{10, 20, 30, 0, 0, 0}));
    EXPECT_EQ(projekt->GetZusatzKostenSumme(kZKGas), 60u);

    // Without own costs: the option list "1#2#3#4#5#6#" with its third number replaced by
    // the number option 99; 1 + 2 + 99 + 4 + 5 + 6 = 117.
    auto fehlt = Lade(u"Projekt Fehlt");
    EXPECT_FALSE(fehlt->HatDetaillierteZKosten(kZKGas));
    fehlt->GetZusatzKosten(kZKGas, kosten);
    EXPECT_EQ(kosten, (CProjekt2::ZusatzKosten{1, 2, 99, 4, 5, 6}));
    EXPECT_EQ(fehlt->GetZusatzKostenSumme(kZKGas), 117u);

    fehlt->SetZusatzKosten(kZKGas, {7, 0, 8, 0, 0, 9});
    EXPECT_TRUE(Enthaelt(u"[Projekt Fehlt]", u"ZKostenGas=7#0#8#0#0#9#"));
    EXPECT_EQ(fehlt->GetZusatzKostenSumme(kZKGas), 24u);
}

TEST_F(Projekt2Kosten, HeatingKindsOutsideZeroToFiveAreRefused) {
    auto projekt = Lade(u"Projekt A");
    CProjekt2::ZusatzKosten kosten{};
    for (int art : {-1, 6}) {
        EXPECT_EQ(Fehler([&] { projekt->GetZusatzKosten(art, kosten); }),
                  Lines{errorBox(3162, u"CProjekt2::GetZusatzKosten")});
        EXPECT_EQ(Fehler([&] { projekt->SetZusatzKosten(art, kosten); }),
                  Lines{errorBox(3162, u"CProjekt2::SetZusatzKosten")});
        EXPECT_EQ(Fehler([&] { projekt->HatDetaillierteZKosten(art); }),
                  Lines{errorBox(3162, u"CProjekt2::HatDetaillierteZKosten")});
    }
}

TEST_F(Projekt2Kosten, InvestmentAndOperatingCostPairs) {
    auto projekt = Lade(u"Projekt A");
    // "5#6#7": the last number has no "#" and is not read.
    CProjekt2::InvestKosten invest;
    projekt->GetInvestKosten(invest);
    EXPECT_EQ(invest[0].erster, 5u);
    EXPECT_EQ(invest[0].zweiter, 6u);
    for (size_t i = 1; i < invest.size(); ++i) EXPECT_EQ(invest[i].erster + invest[i].zweiter, 0u);

    // "12.5#3#7.0#": the text ends inside the second pair, whose number stays 0.
    CProjekt2::BKostenDaten daten;
    projekt->GetBKostenDaten(daten);
    EXPECT_EQ(daten[0].wert, 12.5f);
    EXPECT_EQ(daten[0].zahl, 3u);
    EXPECT_EQ(daten[1].wert, 7.0f);
    EXPECT_EQ(daten[1].zahl, 0u);
    for (size_t i = 2; i < daten.size(); ++i) EXPECT_EQ(daten[i].wert, 0.0f);
    EXPECT_TRUE(projekt->HatWert476());
    EXPECT_TRUE(projekt->HatWert480());

    daten[1].zahl = 4;
    daten[2] = {0.25f, 90};  // "%.1f" keeps one decimal
    projekt->SetBKostenDaten(daten);
    EXPECT_TRUE(Enthaelt(u"[Projekt A]", u"BKostenDaten=12.5#3#7.0#4#0.2#90#0.0#0#0.0#0#0.0#0#"));
    invest[13] = {8, 9};
    projekt->SetInvestKosten(invest);
    EXPECT_TRUE(Enthaelt(u"[Projekt A]",
                         u"Wirtschaft=5#6#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#0#8#9#"));
}

TEST_F(Projekt2Kosten, HeatingSystemFlags) {
    auto projekt = Lade(u"Projekt A");
    CProjekt2::HeizsystemFlags flags{};
    projekt->GetHeizsystemJN(flags);
    EXPECT_EQ(flags, (CProjekt2::HeizsystemFlags{1, 0, 1, 0, 1, 1}));

    // Two characters: the missing positions are yes.
    projekt->GetWert(ID_HeizsystemJN) = u"10";
    projekt->GetHeizsystemJN(flags);
    EXPECT_EQ(flags, (CProjekt2::HeizsystemFlags{1, 0, 1, 1, 1, 1}));

    // Only exactly 1 is yes.
    projekt->SetHeizsystemJN({1, 2, 0, 1, 1, 1});
    EXPECT_TRUE(Enthaelt(u"[Projekt A]", u"HeizsystemJN=100111"));
}

TEST_F(Projekt2Kosten, AProjectNotFilledRefusesWithThePlace) {
    CProjekt2 projekt;
    CProjekt2::ZusatzKosten kosten{};
    CProjekt2::InvestKosten invest{};
    CProjekt2::BKostenDaten daten{};
    CProjekt2::HeizsystemFlags flags{};
    const std::pair<const char16_t*, std::function<void()>> faelle[] = {
        {u"CProjekt2::GetZusatzKosten()", [&] { projekt.GetZusatzKosten(kZKGas, kosten); }},
        {u"CProjekt2::SetZusatzKosten()", [&] { projekt.SetZusatzKosten(kZKGas, kosten); }},
        {u"CProjekt2::GetInvestKosten()", [&] { projekt.GetInvestKosten(invest); }},
        {u"CProjekt2::SetInvestKosten()", [&] { projekt.SetInvestKosten(invest); }},
        {u"CProjekt2::GetBKostenDaten()", [&] { projekt.GetBKostenDaten(daten); }},
        {u"CProjekt2::SetBKostenDaten()", [&] { projekt.SetBKostenDaten(daten); }},
        {u"CProjekt2::SetHeizsystemJN()", [&] { projekt.SetHeizsystemJN(flags); }},
    };
    for (const auto& [ort, f] : faelle) EXPECT_EQ(Fehler(f), Lines{errorBox(3101, ort)});
    // Reading the flags reports again as a calculation that failed.
    EXPECT_EQ(Fehler([&] { projekt.GetHeizsystemJN(flags); }),
              (Lines{errorBox(3101, u"CProjekt2::GetHeizsystemJN()"),
                     errorBox(3122, u"Projekt::HeizsystemJN")}));
    EXPECT_FALSE(projekt.IstVollstaendig());

    // An empty list: the missing data, then the record's name.
    CVRMwerteListe leer(u"Projekt A");
    EXPECT_EQ(Fehler([&] { projekt.init(leer); }),
              (Lines{errorBox(3105, u"CProjekt2::init(1)"), errorBox(3101, u"Projekt A")}));
}

}  // namespace
