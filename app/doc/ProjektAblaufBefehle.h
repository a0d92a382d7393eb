#pragma once
// The project commands of the document's second half: add and delete the second heat
// source, the report, and the dimensioning wizard (its page registers itself with the data
// sheet's pages when the program starts).
class CKelvoAppBefehle;

inline constexpr int kBefehlZweiteQuelle = 32797;
inline constexpr int kBefehlZweiteQuelleLoeschen = 32812;
inline constexpr int kBefehlDimensionieren = 32854;
inline constexpr int kBefehlReport = 32856;

void RegistriereProjektAblaufBefehle(CKelvoAppBefehle& befehle);
