#pragma once
// The words of the windowing layer from the program's language table: what a table of the
// loaded language holds, nothing for an id it lacks (the layer then takes the toolkit's
// word), and the product caption for the layer's own boxes.
#include "platform/ui/Words.h"

class CSprachWoerter : public ui::WordSource {
  public:
    std::optional<std::u16string> text(unsigned id) const override;
    std::u16string caption() const override;
};
