#pragma once
// A heat pump's capacities for a run of many lookups, such as one yearly evaluation: its
// valid performance records, the limits of the interpolation, the spread correction, the
// unit count and whether the source-temperature warnings are on, all read once. One
// bracket search answers the source-side, heating and electric capacity together, with
// the figures and the warnings the heat pump gives for each alone, and nothing allocated.
// It reads the heat pump as it is when the table is made: a later edit needs a new table.
#include <optional>
#include <vector>

#include "core/value/VRMString.h"
#include "model/heatpump/WPLeistung.h"

class CWPLeistDaten;
class CWPumpe2;

class CWPLeistungsTabelle : public IWPLeistungen {
  public:
    // `tv` and `tr` are the heating system's design flow and return temperatures that the
    // spread correction compares with the heat pump's rating. The heat pump must outlive
    // the table and keep its records meanwhile.
    CWPLeistungsTabelle(CWPumpe2& wpumpe, float tv, float tr);

    // All units, corrected for the spread (`CWPumpe2::GetLeistungGesamt` of each kind).
    SWPLeistung Gesamt(float quellTemp, float vorlaufTemp);
    // All units, uncorrected (`CWPumpe2::GetLeistungAnzahl` of each kind).
    SWPLeistung LeistungOhneKorr(float quellTemp, float vorlaufTemp) override;
    // The highest flow temperature at a source temperature (`CWPumpe2::getMVT`).
    float MaxVorlauf(float quellTemp);

  private:
    struct Klammer {
        const CWPLeistDaten* unten = nullptr;
        const CWPLeistDaten* oben = nullptr;
        float quellTemp = 0.0f;  // moved down to the extrapolation limit when above it
    };
    // `slots`: how many records the heat pump's own search would have been handed.
    Klammer Suche(float quellTemp, size_t slots);
    // One unit's value of `art` between the two records.
    float Wert(int art, const Klammer& k, float vorlaufTemp) const;

    CVRMString m_name;
    std::vector<const CWPLeistDaten*> m_gueltig;
    size_t m_slots = 0;  // records and empty slots of the heat pump
    unsigned m_maxQuellTemp = 0;
    float m_minVorlauf = 0.0f;
    float m_korrektur = 1.0f;
    float m_einheiten = 1.0f;
    // Whether the warnings are on: the option is read at the first lookup.
    std::optional<bool> m_warnen;
};
