#pragma once
// The arithmetic of the cost comparisons, without windows: the yearly operating costs of
// the heat pump and the five other heating systems, their mean over years with rising
// prices, the annuity of the investment costs and the economics table built from both.
//
// Two orders of the six systems meet here. The comparison position (heat pump, oil, gas,
// own system, night storage, direct) orders flags, prices, totals and bars; the heating
// kind (heat pump, oil, gas, night storage, direct, own system) orders the additional
// costs and the investment categories. A bivalent plant's second generator has a third
// numbering (gas, oil, night storage, direct, own system).
#include <array>
#include <cstdint>
#include <vector>

#include "model/project/Projekt2.h"

inline constexpr int kVergleichsSysteme = 6;
using SystemFlags = std::array<int, kVergleichsSysteme>;
using PositionsWerte = std::array<uint32_t, kVergleichsSysteme>;

// The heating kind of a comparison position.
inline constexpr std::array<int, kVergleichsSysteme> kArtVonPosition = {0, 1, 2, 5, 3, 4};
// The heating kind of a second generator 0..4; -1 for any other.
int ArtDesZweitenWE(uint32_t zweiterWE);
// Operating modes 2, 4, 6 and 8 have a second generator of their own.
bool IstBivalent(uint32_t betriebsweise);

// What the document hands the operating-cost comparison.
struct SBKDaten {
    uint32_t jahresWaerme = 0;  // kWh for heating and hot water, heat pump and second generator
    uint32_t wpKosten = 0;      // yearly energy cost of the heat-pump heating
    uint32_t zweitKosten = 0;   // its part for the second energy carrier
    bool solar = false;
    bool mitWW = false, mitHeizung = false;
    uint32_t betriebsweise = 1;
    uint32_t mediumFlag = 0, medium = 0;
    uint32_t hilfsEnergie = 0;  // kWh of the hot-water circulation pump
    uint32_t zweiterWE = 0;
};

class CBKVergleichRechnung {
  public:
    static constexpr uint32_t kWirkungsgradVorgabe = 90;
    static constexpr uint32_t kWirkungsgradMin = 10, kWirkungsgradMax = 100;

    SBKDaten daten;
    std::array<float, kVergleichsSysteme> preise{};  // per kWh in the hundredth unit
    // Positions 1..5; position 0 is not used.
    std::array<uint32_t, kVergleichsSysteme> wirkungsgrad{0, 90, 90, 90, 90, 90};
    std::array<uint32_t, kVergleichsSysteme> zusatzSumme{};  // by heating kind
    PositionsWerte summe{};
    uint32_t abzug = 0;
    SystemFlags flags{};
    uint32_t umwaelzEnergie = 0;  // kWh of the heat circulation pumps

    // The totals and the deduction for the given energy costs and prices. Answers true when
    // the bivalent second generator has no additional costs (the user should be told).
    bool Berechne(uint32_t wpKosten, uint32_t zweitKosten,
                  const std::array<double, kVergleichsSysteme>& mitPreisen);
    bool Berechne();
    bool ZweiterWEAktiv() const;
    // The additional-cost sum the heat pump takes over from its second generator.
    uint32_t ZweiterWEZusatz() const;
    // The top of every bar: the largest total.
    uint32_t BalkenMax() const;
    // The chart's values: the heat pump less the deduction (not below 0), the others whole.
    std::array<float, kVergleichsSysteme> GrafikWerte() const;

    // The third additional-cost entry (servicing) by position, and as seventh the second
    // generator's for a bivalent heat pump. `eintraege` by heating kind.
    std::array<uint32_t, 7> ZusatzKostenAnteile(
        const std::array<CProjekt2::ZusatzKosten, kVergleichsSysteme>& eintraege) const;

    struct SMittel {
        PositionsWerte kosten{};
        uint32_t zweiterAnteil = 0;  // the second carrier's part, a mean like the costs
    };
    // The mean yearly operating costs over `jahre` years, prices rising by `steigerung`
    // percent a year, less the servicing parts `anteile` (ZusatzKostenAnteile, or zeros).
    // Fewer than one year counts as one. The totals are left as they were.
    SMittel MittlereJahreskosten(float steigerung, uint32_t jahre,
                                 const std::array<uint32_t, 7>& anteile);
};

// The cost of one conventional system: the heat bought at `preis` with `wirkungsgrad`
// percent, in whole currency units (truncated), plus its fixed costs.
uint32_t KonventionelleKosten(uint32_t waerme, uint32_t wirkungsgrad, double preis,
                              uint32_t zusatz, uint32_t extra);

// Investment categories (heating kinds) and the annuity of one.
struct SInvestEingabe {
    CProjekt2::InvestKosten paare{};
    uint32_t jahre = 10;
    float zins = 5.0f;  // percent
};
// Category above 5 is error 3162 (raised).
uint32_t Annuitaet(const SInvestEingabe& e, int kategorie, bool mitVerteilung, bool mitSpeicher);
// Whether the pairs a category needs have a price and a lifetime; `medium` 1 needs no
// heat-source price.
bool IstInvestKomplett(const CProjekt2::InvestKosten& paare, int kategorie, int medium);

// The economics table.
struct SWirtschaftEingabe {
    SInvestEingabe invest;
    SystemFlags flags{};
    CBKVergleichRechnung::SMittel betrieb;  // mean operating costs
    std::array<uint32_t, 7> anteile{};      // servicing parts, seventh the second generator's
    uint32_t betriebsweise = 1;
    uint32_t zweiterWE = 0;
    bool mitSpeicher = false;
    int medium = 0;
};
struct SWirtschaftErgebnis {
    PositionsWerte betrieb{}, wartung{}, invest{}, summe{};
    uint32_t zweitInvest = 0;
    bool bivalent = false;            // the heat pump is on and bivalent: notice shown
    bool zweitInvestFehlt = false;    // ... and its second generator has no investment
    std::vector<int> unvollstaendig;  // heating kinds switched on without complete investment
    uint32_t BalkenMax() const;
};
SWirtschaftErgebnis BerechneWirtschaft(const SWirtschaftEingabe& e);

// The chart ids of the picture-name service for the comparison charts.
inline constexpr unsigned kBildBetriebskosten = 646;  // "_picV.bmp"
inline constexpr unsigned kBildWirtschaft = 647;      // "_picW.bmp"
inline constexpr unsigned kBildWirtschaft2 = 660;     // "_picW2.bmp"
