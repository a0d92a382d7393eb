#pragma once
// A field filled with one colour, sunken into the page. A click (or Space while it has the
// focus) tells the page, which then offers the colour chooser.
#include <cstdint>

#include "app/options/KlickFeld.h"

class CFarbFeld : public CKlickFeld {
  public:
    explicit CFarbFeld(QWidget* parent = nullptr);

    // 0x00bbggrr.
    void SetFarbe(uint32_t farbe);
    uint32_t Farbe() const { return m_farbe; }

  protected:
    void onPaint(ui::DrawContext& dc) override;

  private:
    uint32_t m_farbe = 0;
};
