#pragma once
// The update hints a project document sends its views and pages.
namespace hinweis {
inline constexpr int kHaus = 19;
inline constexpr int kTarif = 20;
inline constexpr int kWQuelle = 21;
inline constexpr int kWPumpe = 22;
inline constexpr int kSolar = 23;
inline constexpr int kProjekt = 24;
inline constexpr int kAnzahlWP = 35;
inline constexpr int kNeuerTarif = 39;
inline constexpr int kNeueWPumpe = 40;
inline constexpr int kNeueWQuelle = 41;
inline constexpr int kOptionen = 50;
inline constexpr int kAlles = 60;
}  // namespace hinweis

// Kinds of saved component records (KomponenteGeaendert).
namespace komponente {
inline constexpr int kHaus = 1;
inline constexpr int kTarif = 2;
inline constexpr int kWQuelle = 3;
inline constexpr int kWPumpe = 4;
inline constexpr int kWarmwasser = 5;
inline constexpr int kSolar = 9;
}  // namespace komponente
