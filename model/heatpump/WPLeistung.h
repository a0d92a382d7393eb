#pragma once
// The heat pump's capacities at one operating point, and what a calculation asks them of.

// Source-side capacity, heating capacity and electric power at one operating point, all
// units together (kW).
struct SWPLeistung {
    float heiz = 0.0f;
    float quelle = 0.0f;
    float elektrisch = 0.0f;
};

// The heat pump a calculation asks at each of its steps.
class IWPLeistungen {
  public:
    virtual ~IWPLeistungen() = default;
    // All units, without the correction for the heating system's spread.
    virtual SWPLeistung LeistungOhneKorr(float quellTemp, float vorlaufTemp) = 0;
};
