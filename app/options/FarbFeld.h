#pragma once
// A field filled with one colour, sunken into the page. A click (or Space while it has the
// focus) tells the page, which then offers the colour chooser.
#include <cstdint>

#include "platform/ui/Window.h"

class CFarbFeld : public ui::WindowOf<QWidget> {
  public:
    explicit CFarbFeld(QWidget* parent = nullptr);

    // 0x00bbggrr.
    void SetFarbe(uint32_t farbe);
    uint32_t Farbe() const { return m_farbe; }

  protected:
    void onPaint(ui::DrawContext& dc) override;
    bool onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods mods, int wheel) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    void onFocus(bool) override { invalidate(); }

  private:
    void Melde();
    uint32_t m_farbe = 0;
};
