#pragma once
// The ground collector that the earth-air module recommends for preheating the air of an
// air heat pump (dialog 185): tube length, diameter, laying depth and the outdoor
// temperature from which the bypass is used. The values come from the module; the dialog
// only shows them. Without the module every request is reported and the dialog is not
// shown.
#include <cstdint>

#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CAuswertDaten;

class CDlgErdluftDaten : public ui::Dialog {
  public:
    static constexpr int kIDD = 185;
    static constexpr int kIdLaenge = 1402, kIdDurchmesser = 1403, kIdTiefe = 1404, kIdBypass = 1405;

    // Asks the module for the length from the year's heat delivered by the heat pump
    // (raises when the module is not bound).
    CDlgErdluftDaten(const CAuswertDaten& jahr, QWidget* parent);

    uint32_t m_laenge = 0, m_tiefe = 0, m_durchmesser = 0, m_bypass = 0;

  protected:
    bool onInitDialog() override;
    void doDataExchange(ui::DataExchange& dx) override;
};
