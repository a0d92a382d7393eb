#pragma once
// The rules of the project page that need no window: how the heat pump's running time
// splits between the day and the night tariff, the check of that split, the defrosting
// energy typed as text, and the label of the source pump by the heat pump's medium.
#include <cstdint>
#include <string_view>

struct STarifAnteile {
    unsigned tag = 0;    // percent of the running time in the day tariff
    unsigned nacht = 0;  // ... in the night tariff
    friend bool operator==(const STarifAnteile&, const STarifAnteile&) = default;
};

// The shares a tariff allows: without a day tariff all runs at night, without a night
// tariff all by day (the second rule wins when the tariff has neither).
STarifAnteile ErzwungeneAnteile(bool tarif1, bool tarif2, STarifAnteile anteile);

// What the save makes of the shares: they must add up to 100 (text 3247); a share below
// 20 % of a tariff in use is asked about (question 3248).
enum class AnteilPruefung { Gut, SummeFalsch, Nachfragen };
AnteilPruefung PruefeAnteile(bool tarif1, bool tarif2, STarifAnteile anteile);

// The whole number the text begins with: reading stops at the first character that is no
// digit, a text without leading digits gives 0, and a number too large for 32 bits gives
// the largest one (it never wraps round).
uint32_t FuehrendeZahl(std::u16string_view text);

// Label of the source-pump power by the heat pump's medium ("MedienTyp", 0 without a heat
// pump): 0 and 2 pumps (6070), 1 and 4 a fan (3330), 3 pumps without power of their own
// (6070, the power is forced to 0); any other medium no text (0).
struct SPumpenText {
    unsigned textId = 0;
    bool leistungNull = false;
};
SPumpenText PumpenText(int medium);
