#pragma once
// The project commands of the document's second half: add and delete the second heat
// source, the report, and the dimensioning wizard with its page.
class CKelvoAppBefehle;

inline constexpr int kBefehlZweiteQuelle = 32797;
inline constexpr int kBefehlZweiteQuelleLoeschen = 32812;
inline constexpr int kBefehlDimensionieren = 32854;
inline constexpr int kBefehlReport = 32856;

void RegistriereProjektAblaufBefehle(CKelvoAppBefehle& befehle);
