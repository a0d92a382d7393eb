#pragma once
// A button whose face is a generated shade over the 3-D colours, lighter while hovered.
//
//   auto* b = new CShadeButtonST(u"Project", bar);
//   b->resize(96, 64);
//   b->SetShade(buttons::kShadeDiagonal, 0, 70, 0, ui::rgb(255, 255, 255));
#include "controls/buttons/ButtonST.h"
#include "controls/buttons/ShadeImage.h"

class CShadeButtonST : public CButtonST {
  public:
    using CButtonST::CButtonST;

    // Builds both faces at the button's present size.
    void SetShade(int kind, int granularity, int highlight, int colouring, ui::ColourRef colour);
    const CCeXDib& normalImage() const { return normal_; }
    const CCeXDib& hoverImage() const { return hover_; }

  protected:
    void DrawBackground(ui::DrawContext& dc, const ui::Rect& r) override;

  private:
    CCeXDib normal_, hover_;
    platform::Random15 random_;
};
