#pragma once
// Small number helpers of the model.

// Rounded to `stellen` decimals, halves away from zero.
double RundeAufStellen(double wert, int stellen);
// The month before `monat` (0 = January gives 11).
int VorMonat(int monat);
// The conversion hook of hot-water energies: the value unchanged.
inline float Identitaet(float wert) {
    return wert;
}
