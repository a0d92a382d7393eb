#pragma once
// The blocking factor of a tariff: by how much the heat pump's capacity must exceed the
// demand to make up for the hours a day the utility switches it off.

class CTarifBerechnung {
  public:
    virtual ~CTarifBerechnung() = default;

    // 24 / (24 - hours) with `ganzeWoche`; without it the factor is weighted for blocking
    // on working days only (× 0.714 + 0.286). Hours of 24 or more, or no number, are a
    // program error.
    float GetSperrzeitFaktor(float stunden, bool ganzeWoche) const;
};
