#pragma once
// The building's arithmetic without state: heating months, the heat demand of a month,
// the heating curve, the hot-water demand by the demand figure N or by the daily volume,
// and the hot-water energy of the heat pump in 5 K steps. Temperatures °C, powers kW,
// energies kWh.
#include <cstdint>
#include <span>

#include "model/heatpump/WPLeistung.h"

class CWawaDaten;

class CHausBerechnung {
  public:
    static constexpr unsigned short kMonate = 12;
    using MonatsWerte = std::span<float, kMonate>;
    using KonstMonatsWerte = std::span<const float, kMonate>;

    CHausBerechnung() = default;
    virtual ~CHausBerechnung();

    // T strictly below both whole-number temperatures.
    bool IstHeizMonat(float temp, unsigned raumTemp, unsigned grenzTemp) const;
    uint16_t AnzahlHeizMonate(KonstMonatsWerte temps, unsigned raumTemp, unsigned grenzTemp) const;

    // Demand at the month's mean temperature less the month's gains (kWh), never negative.
    void MomentanerHeizbedarf(float temp, float normLeistung, float normAussenTemp,
                              unsigned raumTemp, unsigned grenzTemp, float gewinn1, float gewinn2,
                              float& out) const;
    // Flow temperature of the heating curve at a load; the return temperature is not used.
    void VorlaufTemp(float last, float normLeistung, float vorlaufTemp, unsigned raumTemp,
                     float exponent, float faktor, float ruecklaufTemp, float& out) const;

    // By the demand figure N.
    void MonatlicherWWbedarf(unsigned short monat, float bedarfsKennzahl, float& out) const;
    void MonatlicherWWbedarf(MonatsWerte out, float bedarfsKennzahl) const;
    // By the daily volume heated from the cold-water to the set temperature; the loss is
    // not used.
    void MonatlicherWWbedarf(unsigned short monat, unsigned sollTemp, unsigned kaltTemp,
                             unsigned volumen, unsigned verlust, float& out) const;
    void MonatlicherWWbedarf(unsigned sollTemp, unsigned kaltTemp, unsigned volumen,
                             unsigned verlust, MonatsWerte out) const;

    // Energy to heat a daily volume from T1 to T2.
    float TaeglicherWWbedarfVol(unsigned volumen, uint16_t t1, uint16_t t2) const;
    // The volume an energy heats from T1 to T2; 0 when T2 is not above T1.
    float VolumenAusEnergie(float energie, uint16_t t1, uint16_t t2) const;

    // Fills the results of the record; the heat pump's capacity comes from `wp`, or without
    // it from the active document. `cop` serves the tank heat pump (tank type 3).
    void WarmwasserEnergie(unsigned short monat, CWawaDaten& daten, float cop,
                           IWPLeistungen* wp = nullptr) const;

  private:
    void WarmwasserSchritte(unsigned short monat, CWawaDaten& daten, float cop,
                            IWPLeistungen* wp) const;
};
