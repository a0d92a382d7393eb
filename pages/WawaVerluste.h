#pragma once
// The losses of a hot-water tank and of its circulation pipe after DIN V 4701-10: the
// standby loss from the tank volume, the yearly tank loss from the standby loss and the
// place of the tank, and the yearly loss of the circulation pipe.

// Below this target temperature the tank counts as at room temperature.
inline constexpr unsigned kWawaMindestTemp = 20;

// Standby loss [kWh/day] of a tank of `liter`.
float Bereitschaftsverlust(unsigned liter);
// Yearly loss [kWh, whole, cut toward zero] of a tank with the standby loss `kWhTag` at the
// target temperature `soll` [°C], inside or outside the heated space.
unsigned SpeicherJahresVerlust(float kWhTag, unsigned soll, bool innen);
// Yearly loss [kWh, whole] of a circulation pipe of `laenge` m, `innen` m of them inside the
// heated space, with the heat conductivity `leitwert` [W/(m*K)] and the daily running time
// `stunden` [h]. The length inside must not exceed the whole length.
unsigned ZirkulationsJahresVerlust(unsigned laenge, unsigned innen, float leitwert, float stunden,
                                   unsigned soll);
