#include "controls/buttons/ShadeButtonST.h"

#include "platform/ui/Colour.h"

void CShadeButtonST::SetShade(int kind, int granularity, int highlight, int colouring,
                              ui::ColourRef colour) {
    const buttons::ShadeColours colours{ui::sysColour(ui::SysColour::ButtonShadow).value,
                                        ui::sysColour(ui::SysColour::ButtonFace).value,
                                        ui::sysColour(ui::SysColour::ButtonHighlight).value};
    buttons::makeShade({kind, granularity, highlight, colouring, colour.value & 0xFFFFFF},
                       width(), height(), colours, random_, normal_, hover_);
    update();
}

void CShadeButtonST::DrawBackground(ui::DrawContext& dc, const ui::Rect&) {
    if (!hovered_) normal_.Draw(dc, 0, 0);
    else if (!pressedNow()) hover_.Draw(dc, 0, 0);
    else hover_.Draw(dc, 1, 1);
}
