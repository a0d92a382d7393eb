#pragma once
// The picture of one direction of the bars in the cost charts: a small bar chart with
// vertical or horizontal bars. The chosen direction's picture is sunken into the page, the
// other lies flat. A click (or Space while it has the focus) tells the page.
#include "app/options/KlickFeld.h"

class CBalkenBild : public CKlickFeld {
  public:
    CBalkenBild(QWidget* parent, bool horizontal);

    void SetGewaehlt(bool gewaehlt);
    bool IstGewaehlt() const { return m_gewaehlt; }

  protected:
    void onPaint(ui::DrawContext& dc) override;

  private:
    bool m_horizontal;
    bool m_gewaehlt = false;
};
