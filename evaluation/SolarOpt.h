#pragma once
// The solar feed-in of one month: the collector yield of the project's solar plant goes to
// up to three consumers in the order of their priority (hot water, heating, the ground of
// the heat source). Each consumer takes what it needs of the share still free, and what it
// leaves passes on to the next. The yields come from the solar library, the collector area
// from the plant's values.
#include <array>
#include <cstdint>

#include "core/value/VRMString.h"

// One consumer of the month's yield, as the caller works it out.
struct SSolarVerbraucher {
    unsigned art = 0;                   // 0 none, 1 hot water, 2 heating, 3 the ground
    float bedarf = 0.0f;                // D: the month's demand, kWh over its 720 hours
    uint32_t ertragsKey = 0;            // the mean collector temperature of the yield it takes, °C
    float wwFaktor = 1.0f;              // hot water: the share of the yield the store can take
    std::array<unsigned, 4> verlust{};  // a, b, c, d of the heating loss
    float erdFaktor = 0.0f;             // x of the ground factor
    bool erdFlag = false;               // the ground factor's flag (30 instead of 22)
    float laufStunden = 0.0f;           // H: the hours it runs in the month (0 to 720)
};

// The outcome of one month, by priority slot: the energy taken per m² of collector and
// whether the slot was served.
struct SSolarEinspeisung {
    std::array<float, 3> energie{};
    std::array<uint32_t, 3> bedient{};
};

class CSolarOpt {
  public:
    virtual ~CSolarOpt() = default;

    // The month for the three slots in priority order. Each kind is served at most once;
    // a failure ends the month with what the slots before it gave.
    void BerechneEinspeisung(const std::array<SSolarVerbraucher, 3>& prioritaeten,
                             const CVRMString& anlage, unsigned short monat,
                             SSolarEinspeisung& ergebnis) const;
    // One consumer: `energie` per m², `frei` the free share of the yield in percent, in
    // and out.
    void BerechneEinspeisSchritt(bool ersterVerbraucher, float flaeche, float grenze,
                                 const CVRMString& anlage, unsigned short monat,
                                 const SSolarVerbraucher& verbraucher, float& energie,
                                 float& frei) const;

    // The heat a heating circuit loses on the way: d·0.01·c·0.032·2.28 + a·b·0.035028.
    static float HeizVerlust(const std::array<unsigned, 4>& abcd);
    // The share of the yield the ground takes. Written as (H - k·x·(H/720)·0.5) / H it
    // divides 0 by 0 in a month without running hours; H cancels, so it is 1 - k·x/1440
    // with k = 30 (flag) or 22.
    static float ErdFaktor(float x, bool flag);
    // The feed-in limit per m² of collector in the month (kWh/m²); the summer months
    // depend on the area.
    static float GrenzeProQm(unsigned short monat, float flaeche);
};
