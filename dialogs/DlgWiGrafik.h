#pragma once
// The economics chart: per system switched on, three stacked bars of the yearly operating,
// investment and service costs (each series contains the one before, the last is the
// total). The economics page shows it modally, and creates it hidden for the report picture.
#include <array>

#include "app/doc/KostenVergleichLogik.h"
#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CHMXChart;

class CDlgWiGrafik : public ui::Dialog {
  public:
    static constexpr int kIDD = 204;  // not a text id
    static constexpr unsigned kTitelInvest = 3718;  // "Comparison of investment costs"
    using Werte = std::array<float, kVergleichsSysteme>;

    CDlgWiGrafik(const Werte& betrieb, const Werte& invest, const Werte& wartung,
                 const SystemFlags& flags, unsigned einheitId, unsigned titelId, QWidget* parent);
    // Hidden: the window is created at once, not shown.
    CDlgWiGrafik(const Werte& betrieb, const Werte& invest, const Werte& wartung,
                 const SystemFlags& flags, unsigned einheitId, unsigned titelId);

    // "<basis>_picW.bmp" for the investment title, else "<basis>_picW2.bmp".
    bool SaveChart(const CVRMString& basis, CVRMString& ziel);
    CHMXChart* Chart();

  protected:
    bool onInitDialog() override;

  private:
    Werte m_betrieb, m_invest, m_wartung, m_summe{};
    SystemFlags m_flags;
    unsigned m_einheitId, m_titelId;
};
