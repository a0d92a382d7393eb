#pragma once
// One performance record of a heat pump: its capacities and electric power at one source
// temperature for the flow temperatures 35 °C and a second one. Stored as the text of its
// nine numbers, each followed by "#".
#include <string_view>

#include "core/db/GespeicherteZahl.h"
#include "core/value/VRMString.h"

class CWPLeistDaten {
  public:
    static constexpr int kFelder = 9;
    // The 35 °C column of the records.
    static constexpr float kVorlauf35 = 35.0f;

    // Up to nine "#"-terminated numbers; fields not read stay 0. A damaged number is
    // reported as the record and key of `ort`.
    CWPLeistDaten(std::u16string_view text, const vrmcore::SZahlOrt& ort);
    CWPLeistDaten(float quellTemp, float heiz35, float heiz2, float elektro35, float elektro2,
                  float quelle35, float quelle2, float vorlauf2, float maxVorlauf);
    virtual ~CWPLeistDaten() = default;

    // Every field but the source temperature is above 0.01. Inline: the evaluation asks it
    // for every record on every capacity lookup.
    bool IstGueltig() const {
        constexpr float kMin = 0.01f;
        return heiz35 > kMin && heiz2 > kMin && elektro35 > kMin && elektro2 > kMin &&
               quelle35 > kMin && quelle2 > kMin && vorlauf2 > kMin && maxVorlauf > kMin;
    }
    // Heating capacity over electric power at 35 °C and at the second flow temperature;
    // 0 when the power is not above 0.01.
    float GetCOP35() const;
    float GetCOP2() const;
    // The source temperature without decimals, the other fields with two, each with "#".
    CVRMString Format() const;

    float quellTemp = 0.0f;  // °C
    float heiz35 = 0.0f;     // heating capacity, kW
    float heiz2 = 0.0f;
    float elektro35 = 0.0f;  // electric power, kW
    float elektro2 = 0.0f;
    float quelle35 = 0.0f;  // source-side capacity, kW
    float quelle2 = 0.0f;
    float vorlauf2 = 0.0f;    // the second flow temperature, °C
    float maxVorlauf = 0.0f;  // highest flow temperature at this source temperature, °C
};
