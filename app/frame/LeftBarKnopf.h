#pragma once
// A button of the main window's left bar. Greyed (its command not available), its label
// keeps the disabled look, a light relief beneath a grey label, but the grey stands out
// from the shade beneath it as far as the desktop's grey text does from a button face:
// the shade is darker than a button face where the label lies, and the shadow colour of
// an ordinary disabled label all but vanishes on it.
#include "controls/buttons/ShadeButtonST.h"

class CLeftBarKnopf : public CShadeButtonST {
  public:
    using CShadeButtonST::CShadeButtonST;

  protected:
    void DisabledTextColours(const ui::Rect& place, ui::ColourRef& relief,
                             ui::ColourRef& label) const override;
};
