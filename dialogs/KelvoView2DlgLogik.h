#pragma once
// What the heat-source results show, without a window: the monthly temperatures of one or
// two heat sources (before and after withdrawal, and the brine), which of them a source's
// kind shows, the label and the two means below each chart, and one value axis for both.
#include <array>
#include <cstdint>

#include "controls/chart/HMXChartModel.h"
#include "core/value/VRMString.h"
#include "model/results/KelvoErgebnisse.h"

// The document's figures for one opening of the dialog.
struct SQuellErgebnisse {
    CKelvoErgebnisse ergebnisse;
    float spreizung = 0.0f;    // K, the evaporator spread (brine heat pumps), else 0
    int wpMedium = 0;          // the heat pump's medium kind (373)
    bool zweiQuellen = false;
    int art1 = 0, art2 = 0;    // medium index of each source (246)
    bool zwischenkreis1 = false;  // the first source has an intermediate circuit (296)
    unsigned zwischenkreisAbzug = 0;  // K, project value 523
};

// Colours of the options (COLORREF).
struct SQuellFarben {
    uint32_t hintergrund = 0xFFFFFF;
    uint32_t ungestoert = 0;  // source temperature before withdrawal
    uint32_t resultierend = 0;
    uint32_t sole = 0;
};

// The label and the two means under one chart.
struct SQuellMittel {
    unsigned label = 0;
    float jahr = 0.0f;      // °C, mean of the twelve months
    float winter = 0.0f;    // °C, mean of October to April
};

class CKelvoView2DlgLogik {
  public:
    enum : int {  // control ids, not text ids
        kIdChart1 = 1342, kIdLabel1 = 1311, kIdMittel1 = 1228, kIdLabelWinter1 = 2181,
        kIdWinter1 = 1229, kIdChart2 = 1343, kIdLabel2 = 1370, kIdMittel2 = 1388,
        kIdLabelWinter2 = 1519, kIdWinter2 = 1389, kIdListeLabel = 2180, kIdListe = 1194,
        kIdReynoldsLabel1 = 1310, kIdReynolds1 = 1227, kIdReynoldsLabel2 = 1339,
        kIdReynolds2 = 1387, kIdHilfe = 57670,
    };
    enum : int { kUngestoert = 0, kResultierend = 1, kSole = 2 };  // datasets

    static void InitChart(CHMXChartModel& chart, const SQuellFarben& farben);
    // Takes the series from the results and prepares them (brine spread, intermediate
    // circuit); then the label and means of source 1.
    void UpdateBerechnungen(const SQuellErgebnisse& e);
    // The label and means of source 2 (with two sources).
    void UpdateBerechnungen2();
    // The datasets and value axis of chart 1; chart 2 shares that axis, which spans the
    // curves of both.
    void UpdateChart1(CHMXChartModel& chart) const;
    void UpdateChart2(CHMXChartModel& chart, const CHMXChartModel& chart1) const;
    // One dataset of a chart (1 or 2): the named series or, hidden, no values at all.
    void UpdateChartTemperatur(CHMXChartModel& chart, int nummer, int ds, bool zeigen) const;

    const SQuellMittel& Mittel1() const { return m_mittel1; }
    const SQuellMittel& Mittel2() const { return m_mittel2; }
    // The month lines of the hidden list: the two power series of the results.
    CVRMString ListenZeile(int monat) const;

    static bool IstErdreich(int art) { return art == 0 || art == 1 || art == 4 || art == 5; }
    static bool IstLuft(int art) { return art == 2 || art == 6; }

    std::array<float, 12> quellTemp1{}, resultTemp1{}, soleTemp{}, quellTemp2{}, resultTemp2{};

  private:
    // Whether chart 1 or 2 shows the resulting source temperature, the brine.
    bool ZeigtResultierend(int nummer) const;
    bool ZeigtSole(int nummer) const;
    SQuellMittel Waehle(int art, const std::array<float, 12>& result, const char16_t* ort) const;

    SQuellErgebnisse m_e;
    SQuellMittel m_mittel1, m_mittel2;
};
