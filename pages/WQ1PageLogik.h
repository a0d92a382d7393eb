#pragma once
// The rules of the first heat-source page that need no window: which soil names stand for
// an extraction rate (per square metre of collector, per metre of probe), which layers such
// a name leaves open, the moisture a soil name tells, the layering check, the kinds a page
// may change between, the series counts a probe field offers and the distance stored with
// the source.
#include <array>
#include <vector>

#include "core/value/VRMString.h"

// A library soil whose name gives an extraction rate per square metre (text 4481 after the
// first character).
bool IstBiboNameProQm(const CVRMString& name);
// A library soil whose name gives an extraction rate per metre (text 4480 after the first
// character) and that is not of the per-square-metre kind.
bool IstBiboNameProM(const CVRMString& name);

// Kinds of heat source (value 246).
namespace quellart {
constexpr int kSonde = 0, kKollektor = 1, kLuft = 2, kWasser = 3, kSonde2 = 4, kKollektor2 = 5,
              kAndere = 6;
inline bool IstErdreich(int art) { return art == kSonde || art == kKollektor || art == kSonde2 || art == kKollektor2; }
}  // namespace quellart

// The soil profile of the page: four depths (m) and four soil names, layer 1 on top.
struct SSchichten {
    std::array<unsigned, 4> tiefe{};
    std::array<CVRMString, 4> boden{};
};

// How many layers stay open under the soil of layer 1 and 2: 1 under a per-square-metre
// entry in layer 1, 2 under a per-metre entry in layer 1 or 2, else 4.
int OffeneSchichten(const CVRMString& schicht1, const CVRMString& schicht2);
// Layer 1 holds a per-square-metre entry or layer 1 or 2 a per-metre entry.
bool IstSpezifisch(const CVRMString& schicht1, const CVRMString& schicht2);
// The soil name tells its moisture (the words after its first character).
bool FeuchteImNamen(const CVRMString& name);
// The moisture index the name tells: 0 dry, 2 very wet, else 1.
int GetFeuchteAusNamen(const CVRMString& name);
// The soil of layer 1 and 2 fits the kind: a per-square-metre entry needs a collector
// (kinds 1, 5), a per-metre entry a probe (kind 0).
bool SchichtPasstZuArt(const CVRMString& schicht1, const CVRMString& schicht2, int art);
// Only a change between the vertical and the horizontal collector is accepted.
bool ArtWechselErlaubt(int alt, int neu);
// The series counts of `anzahl` probes: its divisors from `anzahl` down to 1; none for 0.
std::vector<unsigned> Reihenzahlen(unsigned anzahl);
// The layering holds together: layer 1 has a depth and each further layer with a soil
// lies deeper than the one above it.
bool SchichtungOK(const SSchichten& s);
// The depth of the deepest layer that has a soil (0 for none).
unsigned GetSchichtTiefe(const SSchichten& s);
// The distance stored with the source (m): area / length for a collector, 0.05 for kind 5,
// 0.5 for every other kind.
float QuellAbstand(int art, unsigned flaeche, unsigned laenge);
