#pragma once
// The result commands of a project document whose windows are charts or the expenditure
// factor: the house results, the heat-source results, the energy coverage and the plant
// expenditure factor. Each runs the project calculation first; each is enabled for a
// complete project.
class CKelvoAppBefehle;

inline constexpr int kBefehlHausErgebnisse = 32851;
inline constexpr int kBefehlQuellErgebnisse = 32852;
inline constexpr int kBefehlEnergiedeckung = 40001;
inline constexpr int kBefehlAufwandszahl = 32814;

// Registers the document commands above.
void RegistriereErgebnisGrafikBefehle(CKelvoAppBefehle& befehle);
