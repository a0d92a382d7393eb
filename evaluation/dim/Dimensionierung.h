#pragma once
// The dimensioning formulas: the temperature and capacity a heat pump must be designed for
// when the tariff blocks it for some hours a day and it may also make hot water, and the
// source temperature it is designed at by kind of heat source. Pure functions; a blocking
// of a whole day or more is refused through the error layer.
class CDimensionierung {
  public:
    virtual ~CDimensionierung() = default;

    // Heating power `p` (kW), blocking hours a day `h`, heating design temperature `th`,
    // daily hot-water energy `w` (kWh), hot-water temperature `tw`, hot-water mode `m`
    // (1: the heat pump makes hot water). Never below `th`.
    static float GetDimTemperatur(float p, float h, float th, float w, unsigned tw, int m);
    // The capacity the heat pump needs (kW): heating over the unblocked hours plus the
    // hot-water addition. The fourth value is carried by callers and not used.
    static float GetDimLeistung(float p, float h, float w, float unbenutzt, int m);
    static float GetWWZuschlag(int m, float w, float h);

    // The source temperature the heat pump is designed at (°C) for source kind `art`.
    static float GetDimQuellenTemp(int art, bool vorgabeNutzen, int vorgabeTemp, float normAussen,
                                   unsigned wasserTemp, bool erdluft, unsigned raumTemp,
                                   bool zwischenTauscher);
};
