#pragma once
// Sizing rules of horizontal ground collectors: inner tube diameter, laying factor, tube
// length and number of circuits. Diameters in mm, areas in m², lengths in m.
#include "core/value/VRMString.h"

float GetRohrInnenDurchmesser(float aussen);
// Some countries have fixed factors (by country code); otherwise by formula of the outer
// diameter, or by the inner diameter.
float GetVerlegeFaktor(float aussen, bool perFormel, const CVRMString& land);
// A divisor below 1 is the generic error (text 0).
bool IstVerlegeFaktorOK(float flaeche, float teiler, float aussen, bool perFormel,
                        const CVRMString& land);
float GetRohrlaengeFlachK(float flaeche, float aussen, bool perFormel, const CVRMString& land);
int BerechneKreisAnzahl(float aussen, float laenge);
