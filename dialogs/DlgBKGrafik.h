#pragma once
// The chart of the yearly operating costs of the compared heating systems: one bar per
// system switched on. The operating-cost page shows it modally, and creates it hidden to
// write the report picture.
#include <array>
#include <cstdint>

#include "app/doc/KostenVergleichLogik.h"
#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CHMXChart;

class CDlgBKGrafik : public ui::Dialog {
  public:
    static constexpr int kIDD = 208;  // not a text id
    using Werte = std::array<float, kVergleichsSysteme>;

    // The heat pump's value comes less `abzug`, which is added back while it is switched on.
    CDlgBKGrafik(const Werte& werte, const SystemFlags& flags, uint32_t abzug, QWidget* parent);
    // Hidden: the window is created at once, not shown.
    CDlgBKGrafik(const Werte& werte, const SystemFlags& flags, uint32_t abzug);

    // Writes the chart as "<basis>_picV.bmp"; `ziel` gets the picture's file name.
    bool SaveChart(const CVRMString& basis, CVRMString& ziel);
    CHMXChart* Chart();
    const Werte& GetWerte() const { return m_werte; }

  protected:
    bool onInitDialog() override;

  private:
    Werte m_werte;
    SystemFlags m_flags;
    uint32_t m_abzug;
};
