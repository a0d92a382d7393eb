#pragma once
// What the house results show, without a window: the month list (mean heat output and
// flow temperature of each month), the chart's three monthly series (heating, hot water,
// solar input) with a value axis that fits them, and the year's heat by producer and the
// solar yields. Every figure comes from the document; nothing is written back.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "controls/chart/HMXChartModel.h"
#include "core/value/VRMString.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"

// The document's figures of the house for one opening of the dialog.
struct SHausErgebnisse {
    std::array<float, 12> heizbedarf{};  // kW, the month's mean heating demand
    std::array<float, 12> warmwasser{};  // kWh, the month's hot-water demand
    std::array<float, 12> vorlauf{};     // °C, the month's flow temperature
    CKelvoErgebnisse ergebnisse;
    CAuswertDaten jahr;
    bool festeVorlauf = false;  // the house keeps a constant flow temperature
    bool solarProjekt = false;
};

// How the figures are read from the document, one reader per step of the opening; each
// may raise. The flags are known before any step runs.
struct SHausLeser {
    std::function<void(CKelvoErgebnisse&, CAuswertDaten&)> jahr;
    std::function<float(int monat)> heizbedarf;  // kW
    std::function<void(std::array<float, 12>&)> warmwasser;  // kWh
    std::function<float(int monat)> vorlauf;     // °C
    bool festeVorlauf = false;
    bool solarProjekt = false;
};

// Colours of the options (COLORREF).
struct SHausFarben {
    uint32_t hintergrund = 0xFFFFFF;
    uint32_t heizung = 0;
    uint32_t warmwasser = 0;
    uint32_t solar = 0;
};

class CKelvoViewDlgLogik {
  public:
    enum : int {  // control ids, not text ids
        kIdChart = 1344, kIdUeberschrift = 2165, kIdListe = 1060, kIdJahrTitel = 2169,
        kIdSpalteHeiz = 2170, kIdSpalteWW = 2171, kIdZeileWP = 2172, kIdWPHeiz = 1082,
        kIdWPWW = 1083, kIdZeileZweiter = 2173, kIdZweiterHeiz = 1179, kIdZweiterWW = 1180,
        kIdGruppeSolar = 2174, kIdLabelSolarHeiz = 2175, kIdSolarHeiz = 1084,
        kIdLabelSolarWW = 2176, kIdSolarWW = 1085, kIdLabelSolarErde = 2177,
        kIdSolarErde = 1086, kIdHilfe = 57670,
    };
    enum : int { kHeizung = 0, kWarmwasser = 1, kSolar = 2 };  // datasets

    void InitChart(CHMXChartModel& chart, const SHausFarben& farben) const;
    // Every step of the opening after the chart's set-up, in order, each reading its figures
    // just before it fills them. A failing read or step reports 3122 with its place
    // (raising the user exception); what the steps before it filled stays.
    void Fuelle(CHMXChartModel& chart, const SHausLeser& leser);
    // The same over figures read already.
    void Fuelle(CHMXChartModel& chart, const SHausErgebnisse& e);

    void Jahreswerte(const CAuswertDaten& jahr);
    void MomentanerHeizbedarf(CHMXChartModel& chart, const std::array<float, 12>& kW);
    void MonatlicherWWbedarf(CHMXChartModel& chart, const std::array<float, 12>& kWh);
    void MomentaneVorlaufTemp(const std::array<float, 12>& grad);
    void MonatlicherSolarGewinn(CHMXChartModel& chart, const CKelvoErgebnisse& e, bool fest);
    double GetMaxY(bool fest, bool solarProjekt) const;
    void SkaliereY(CHMXChartModel& chart, bool fest, bool solarProjekt) const;

    // The label of the heat pump's row: with the solar plant (5614) or without (5029).
    static unsigned ZeilenLabelWP(bool solarProjekt) { return solarProjekt ? 5614 : 5029; }
    // The label of the solar yield into the ground: "Heat pump/ground", since the figure
    // holds the heat the heat pump took from the feed directly besides what went into the
    // ground (the evaluation dialog's "Ground" is the latter alone).
    static constexpr unsigned kLabelSolarErde = 3518;

    // The month list's twelve lines, January first.
    const std::vector<CVRMString>& Zeilen() const { return m_zeilen; }
    // The yearly figures by control id.
    const std::map<int, CVRMString>& Texte() const { return m_texte; }
    // The stacked mode of the chart: each series on top of the ones before.
    bool gestapelt = false;

  private:
    std::vector<CVRMString> m_zeilen;
    std::map<int, CVRMString> m_texte;
    std::array<float, 12> m_heizung{};  // kWh of heating per month
    std::array<float, 12> m_warmwasser{};
    double m_maxHeizung = 0.0, m_maxWarmwasser = 0.0, m_maxSolar = 0.0, m_maxSolarFest = 0.0;
};
