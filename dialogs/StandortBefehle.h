#pragma once
// The application's commands of the location master data: climate locations, soil
// temperatures, weather data and soil types.
class CKelvoAppBefehle;
class CVRMString;

inline constexpr int kBefehlBodenarten = 32836;
inline constexpr int kBefehlBodentemperaturen = 32837;
inline constexpr int kBefehlWetterdaten = 32838;
inline constexpr int kBefehlKlimaorte = 32839;

void RegistriereStandortBefehle(CKelvoAppBefehle& befehle);

// The soil type the soil-type command shows first: that of the open project's first heat
// source; empty without a project.
CVRMString VorgewaehlteBodenart();
