#pragma once
// The document's part of the solar plant: the feed-in of the plant's monthly collector
// yields by the house's destination orders, and the evaluation mode the solar page runs
// one evaluation in. Kept beside CKelvoDoc, over its public operations.
#include <array>
#include <vector>

class CKelvoDoc;
class CSolareGewinne;

namespace kelvodocsolar {

// Distributes the plant's monthly collector yields by the three monthly destination orders
// (0 none, 1 hot water, 2 heating, 3 ground) and fills the three gain records; nothing
// happens for a project without solar plant. An order of fewer than 12 months raises 3105;
// an error on the way is shown (3122) and ends the walk.
void DoSolarEinspeisung(CKelvoDoc& dok, const std::vector<unsigned>& wohin1,
                        const std::vector<unsigned>& wohin2, const std::vector<unsigned>& wohin3,
                        CSolareGewinne& heizung, CSolareGewinne& warmwasser, CSolareGewinne& erdreich);
// The share of the yield the hot-water store can take in the month (1.0 unless hot water
// is by the heat pump).
float WwSpeicherFaktorSolar(unsigned volumen, float jahresEnergie, float flaeche, int monat,
                            bool mitWP);
// Mode 1 lets the evaluation raise the ground gains' temperatures where the brine got
// warmer than they are; the status then says whether it did (1).
void SetAuswertModus(CKelvoDoc& dok, int modus);
int GetAuswertStatus(CKelvoDoc& dok);
// The gain temperatures of the last evaluation.
void GetGewinnTemps(CKelvoDoc& dok, std::array<float, 12>& temps);

}  // namespace kelvodocsolar
