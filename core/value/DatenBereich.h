#pragma once
// The ranges the input fields allow for stored values. The pages refuse an entry outside
// them, and a read of a record refuses a stored value outside them, so that a value no
// page could have written (a heat load of -150, a design temperature of -1e30) is never
// calculated with.
#include <optional>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"

class CVRMwert;

struct SDatenBereich {
    float min, max;
};

namespace datenbereich {

inline constexpr SDatenBereich kHeizlast{0.0f, 10000.0f};       // kW
inline constexpr SDatenBereich kNormAussenTemp{-50.0f, 20.0f};  // °C
// A stored design temperature above this stands for "the location's design temperature".
inline constexpr float kNormAussenTempAusKlimaort = 999.0f;
inline constexpr SDatenBereich kVorlauf{20.0f, 90.0f};          // °C
inline constexpr SDatenBereich kRuecklauf{10.0f, 80.0f};        // °C
inline constexpr SDatenBereich kExponent{0.0f, 2.0f};
inline constexpr SDatenBereich kTempDifferenz{0.0f, 20.0f};     // K, evaporator and condenser
inline constexpr SDatenBereich kSperrzeit{0.0f, 10.0f};         // h
// Probes or branches of a ground collector: the series choice lists the divisors.
inline constexpr SDatenBereich kSoleKreise{0.0f, 999.0f};

}  // namespace datenbereich

// The range of value `id`; none for a value whose field takes any number.
std::optional<SDatenBereich> DatenBereich(TKelvoDatenID id);

// After a read of value `id` of record `section` under `key`: a number outside its range
// is reported ("Content of database corrupted", naming record, key and value) and thrown.
// The value's own default always passes: it stands for "not entered"; so does a design
// temperature above kNormAussenTempAusKlimaort ("from the location").
void PruefeGelesenenWert(const CVRMString& section, const CVRMString& key, TKelvoDatenID id,
                         const CVRMwert& wert);
