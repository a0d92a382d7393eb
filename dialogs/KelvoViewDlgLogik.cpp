#include "dialogs/KelvoViewDlgLogik.h"

#include <algorithm>
#include <exception>

#include "controls/chart/HMXDataset.h"
#include "core/text/TextIdConstants.h"
#include "core/db/TextIds.h"
#include "dialogs/ErgebnisGrafik.h"
#include "model/errors/Fehler.h"

namespace {

using ergebnisgrafik::kStundenJeMonat;
using ergebnisgrafik::Text;

constexpr unsigned kTitel = 3285;            // "Monthly heat consumption in kWh"
constexpr unsigned kLegendeHeizung = 3210;
constexpr unsigned kLegendeWW = 3211;
constexpr unsigned kLegendeSolar = 3557;
constexpr unsigned kZeileMitTemp = 3536;     // "%s kW (%4.1f°C)"
constexpr unsigned kZeileNeueTemp = 3537;    // "%s(%4.1f°C)"
constexpr double kMindestBedarf = 0.01;
constexpr double kMindestSolar = 0.1;

// Runs one filler; whatever it raises is reported as results that could not be computed.
template <class F>
void Schritt(const char16_t* ort, F&& f) {
    try {
        f();
    } catch (const std::exception&) {
        ThrowFehler(textid::kKeineErgebnisse, ort);
    }
}

CVRMString Zahl0(float wert) {
    CVRMString t;
    t.Format(u"%.0f", static_cast<double>(wert));
    return t;
}

}  // namespace

void CKelvoViewDlgLogik::InitChart(CHMXChartModel& chart, const SHausFarben& farben) const {
    chart.SetBkColor(farben.hintergrund);
    chart.SetMaxDataset(3);
    for (int d : {kHeizung, kWarmwasser, kSolar}) {
        chart.SetDatasetSize(d, 12);
        chart.SetDatasetStyle(d, kStilBalken);
        chart.SetDatasetDrawSize(d, 5);
    }
    chart.SetBarsOverlap(gestapelt ? 1 : 0);
    chart.SetDatasetPenColor(kHeizung, farben.heizung);
    chart.SetDatasetPenColor(kWarmwasser, farben.warmwasser);
    chart.SetDatasetPenColor(kSolar, farben.solar);
    chart.SetXLabelStep(1);
    ergebnisgrafik::MonatsAchse(chart);
    chart.SetRoundY(1000.0);
    chart.SetTitle(Text(kTitel));
    chart.SetHorzGrid(1);
}

void CKelvoViewDlgLogik::Fuelle(CHMXChartModel& chart, const SHausLeser& leser) {
    const auto monate = [](const std::function<float(int)>& lies, std::array<float, 12>& werte) {
        for (int m = 0; m < 12; ++m) werte[static_cast<size_t>(m)] = lies(m);
    };
    SHausErgebnisse e;
    Schritt(u"KelvoViewDlg::Jahreswerte", [&] { leser.jahr(e.ergebnisse, e.jahr); });
    Jahreswerte(e.jahr);
    Schritt(u"KelvoViewDlg::MomentanerHeizbedarf", [&] { monate(leser.heizbedarf, e.heizbedarf); });
    MomentanerHeizbedarf(chart, e.heizbedarf);
    Schritt(u"KelvoViewDlg::MonatlicherWWbedarf", [&] { leser.warmwasser(e.warmwasser); });
    MonatlicherWWbedarf(chart, e.warmwasser);
    Schritt(u"KelvoViewDlg::MomentaneVorlaufTemp", [&] { monate(leser.vorlauf, e.vorlauf); });
    MomentaneVorlaufTemp(e.vorlauf);
    MonatlicherSolarGewinn(chart, e.ergebnisse, leser.festeVorlauf);
    SkaliereY(chart, leser.festeVorlauf, leser.solarProjekt);
}

void CKelvoViewDlgLogik::Fuelle(CHMXChartModel& chart, const SHausErgebnisse& e) {
    SHausLeser leser;
    leser.jahr = [&](CKelvoErgebnisse& ergebnisse, CAuswertDaten& jahr) {
        ergebnisse = e.ergebnisse;
        jahr = e.jahr;
    };
    leser.heizbedarf = [&](int m) { return e.heizbedarf[static_cast<size_t>(m)]; };
    leser.warmwasser = [&](std::array<float, 12>& kWh) { kWh = e.warmwasser; };
    leser.vorlauf = [&](int m) { return e.vorlauf[static_cast<size_t>(m)]; };
    leser.festeVorlauf = e.festeVorlauf;
    leser.solarProjekt = e.solarProjekt;
    Fuelle(chart, leser);
}

void CKelvoViewDlgLogik::Jahreswerte(const CAuswertDaten& jahr) {
    Schritt(u"KelvoViewDlg::Jahreswerte", [&] {
        m_texte[kIdWPHeiz] = Zahl0(jahr.Feld(AF_WPWaermeHeiz));
        m_texte[kIdWPWW] = Zahl0(jahr.Feld(AF_WPWaermeWW));
        m_texte[kIdZweiterHeiz] = Zahl0(jahr.Feld(AF_ZweiterWEHeiz));
        m_texte[kIdZweiterWW] = Zahl0(jahr.Feld(AF_ZweiterWEWW));
        m_texte[kIdSolarHeiz] = Zahl0(jahr.Feld(AF_SolarHeiz));
        m_texte[kIdSolarWW] = Zahl0(jahr.Feld(AF_SolarWW));
        // Into the ground: what was fed in and what the heat pump took of it directly.
        m_texte[kIdSolarErde] = Zahl0(jahr.Feld(AF_SolarErdreich) + jahr.Feld(AF_EinspeisungWP));
    });
}

void CKelvoViewDlgLogik::MomentanerHeizbedarf(CHMXChartModel& chart,
                                              const std::array<float, 12>& kW) {
    m_maxHeizung = 0.0;
    m_zeilen.clear();
    Schritt(u"KelvoViewDlg::MomentanerHeizbedarf", [&] {
        bool irgendeiner = false;
        for (int m = 0; m < 12; ++m) {
            const float q = kW[static_cast<size_t>(m)];
            float& h = m_heizung[static_cast<size_t>(m)];
            CVRMString zeile;
            if (q <= kMindestBedarf) {
                h = 0.0f;
                chart.SetData(kHeizung, m, kKeinWert);
                zeile.Format(u"%s\t%.1f", Text(getMonatAbkIDS(m)), 0.0);
            } else {
                h = q * kStundenJeMonat;
                chart.SetData(kHeizung, m, h);
                zeile.Format(u"%s\t%.1f", Text(getMonatAbkIDS(m)), static_cast<double>(q));
                m_maxHeizung = std::max(m_maxHeizung, static_cast<double>(h));
                irgendeiner = true;
            }
            m_zeilen.push_back(zeile);
        }
        chart.SetLegend(kHeizung, irgendeiner ? Text(kLegendeHeizung) : CVRMString());
    });
}

void CKelvoViewDlgLogik::MonatlicherWWbedarf(CHMXChartModel& chart,
                                             const std::array<float, 12>& kWh) {
    m_maxWarmwasser = 0.0;
    Schritt(u"KelvoViewDlg::MonatlicherWWbedarf", [&] {
        m_warmwasser = kWh;
        bool irgendeiner = false;
        for (int m = 0; m < 12; ++m) {
            const float w = kWh[static_cast<size_t>(m)];
            if (w <= kMindestBedarf) {
                chart.SetData(kWarmwasser, m, kKeinWert);
                continue;
            }
            const float h = m_heizung[static_cast<size_t>(m)];
            chart.SetData(kWarmwasser, m, gestapelt ? h + w : w);
            m_maxWarmwasser = std::max(m_maxWarmwasser, static_cast<double>(w));
            irgendeiner = true;
        }
        chart.SetLegend(kWarmwasser, irgendeiner ? Text(kLegendeWW) : CVRMString());
    });
}

void CKelvoViewDlgLogik::MomentaneVorlaufTemp(const std::array<float, 12>& grad) {
    Schritt(u"KelvoViewDlg::MomentaneVorlaufTemp", [&] {
        for (size_t m = 0; m < m_zeilen.size() && m < 12; ++m) {
            CVRMString& zeile = m_zeilen[m];
            const double t = grad[m];
            const auto klammer = zeile.find(u'(');
            CVRMString neu;
            if (klammer == CVRMString::npos)
                neu.Format(kZeileMitTemp, zeile, t);
            else
                neu.Format(kZeileNeueTemp, CVRMString(zeile.substr(0, klammer)), t);
            zeile = neu;
        }
    });
}

void CKelvoViewDlgLogik::MonatlicherSolarGewinn(CHMXChartModel& chart, const CKelvoErgebnisse& e,
                                                bool fest) {
    m_maxSolar = m_maxSolarFest = 0.0;
    Schritt(u"KelvoViewDlg::MonatlicherSolarGewinn", [&] {
        bool irgendeiner = false;
        for (int m = 0; m < 12; ++m) {
            const auto i = static_cast<size_t>(m);
            double wert = 0.0;
            if (fest) {
                wert = e.Reihe(ER_Reihe24)[i];
                m_maxSolarFest = std::max(m_maxSolarFest, wert);
            } else {
                wert = static_cast<double>(e.Reihe(ER_EinspeisungWP)[i]) + e.Reihe(ER_Einspeisung2)[i] +
                       e.Reihe(ER_Einspeisung1)[i] + e.Reihe(ER_SolarHeiz)[i] + e.Reihe(ER_SolarWW)[i];
                m_maxSolar = std::max(m_maxSolar, wert);
            }
            if (wert <= kMindestSolar) {
                chart.SetData(kSolar, m, kKeinWert);
                continue;
            }
            chart.SetData(kSolar, m,
                          gestapelt ? m_heizung[i] + m_warmwasser[i] + wert : wert);
            irgendeiner = true;
        }
        chart.SetLegend(kSolar, irgendeiner ? Text(kLegendeSolar) : CVRMString());
    });
}

double CKelvoViewDlgLogik::GetMaxY(bool fest, bool solarProjekt) const {
    double y = gestapelt ? m_maxHeizung + m_maxWarmwasser : std::max(m_maxHeizung, m_maxWarmwasser);
    const auto dazu = [&](double solar) { y = gestapelt ? y + solar : std::max(y, solar); };
    if (fest)
        dazu(m_maxSolarFest);
    else if (solarProjekt)
        dazu(m_maxSolar);
    return y;
}

void CKelvoViewDlgLogik::SkaliereY(CHMXChartModel& chart, bool fest, bool solarProjekt) const {
    ergebnisgrafik::SkaliereY(chart, 0.0, GetMaxY(fest, solarProjekt), true);
}
