#pragma once
// The energy-coverage chart without a window: for each outdoor temperature of the chosen
// range, how the heat demand is covered by the heat pump's drive energy, the environment
// energy and the additional energy, as three overlapping areas.
#include <array>
#include <cstdint>

#include "app/doc/ErgebnisDaten.h"
#include "controls/chart/HMXChartModel.h"

// Colours of the options (COLORREF).
struct SEdFarben {
    uint32_t hintergrund = 0xFFFFFF;
    uint32_t zusatz = 0;    // additional energy (the hot-water colour)
    uint32_t umwelt = 0;    // environment energy (the solar colour)
    uint32_t antrieb = 0;   // drive energy (the heating colour)
};

class CDlgEdGrafikLogik {
  public:
    static constexpr int kIdChart = 1542;  // not a text id
    enum : int { kAntrieb = 0, kUmwelt = 1, kZusatz = 2 };  // datasets
    using Kurve = std::array<float, SEnergiedeckung::kPunkte>;

    // `tVon`..`tBis` are clamped to the curves' -50..+12 °C; a range left empty shows no
    // point. `abzug` is a yearly amount in kWh taken off the environment energy as a mean
    // power.
    CDlgEdGrafikLogik(unsigned titelID, const Kurve& bedarf, const Kurve& leistung,
                      const Kurve& faktor, int tVon, int tBis, float abzug);

    // The chart's set-up, its points and its value axis.
    void Fuelle(CHMXChartModel& chart, const SEdFarben& farben) const;

    int Von() const { return m_von; }
    int Bis() const { return m_bis; }
    // The number of temperatures shown.
    int Anzahl() const { return m_bis >= m_von ? m_bis - m_von + 1 : 0; }
    unsigned TitelID() const { return m_titelID; }

  private:
    static size_t Index(int t) { return static_cast<size_t>(t - SEnergiedeckung::kTiefsteTemp); }

    Kurve m_bedarf, m_leistung, m_faktor;
    int m_von, m_bis;
    float m_abzug;
    unsigned m_titelID;
};
