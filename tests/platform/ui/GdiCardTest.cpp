// The test card: every drawing operation of the layer on one image,
// build/artifacts/gdi-card.png, for a person to judge.
#include <gtest/gtest.h>

#include "platform/ui/DrawContext.h"
#include "tests/support/ui/UiTest.h"

namespace {

using namespace ui;

void caption(DrawContext& dc, int x, int y, std::u16string_view text) {
    dc.setBackMode(BkMode::Transparent);
    dc.setTextColour(rgb(0, 0, 0));
    dc.textOut(x, y, text);
}

TEST(GdiCard, DrawsEveryOperation) {
    QImage card(640, 420, QImage::Format_RGB32);
    {
        DrawContext dc(card);
        dc.fillRect({0, 0, 640, 420}, sysColour(SysColour::ButtonFace));

        // Lines in each pen style, and a fan that shows the end pixels left out.
        caption(dc, 10, 6, u"Pens");
        const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot,
                                   PenStyle::DashDot, PenStyle::DashDotDot};
        int y = 28;
        for (PenStyle s : styles) {
            dc.selectPen({s, 1, rgb(0, 0, 128)});
            dc.moveTo({10, y});
            dc.lineTo({150, y});
            y += 8;
        }
        dc.selectPen({PenStyle::Solid, 3, rgb(128, 0, 0)});
        dc.moveTo({10, y + 4});
        dc.lineTo({150, y + 4});
        dc.selectPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
        for (int i = 0; i <= 6; ++i) {
            dc.moveTo({80, 140});
            dc.lineTo({20 + i * 20, 90});
        }

        // Rectangles, ellipse, polygon.
        caption(dc, 170, 6, u"Shapes");
        dc.selectBrush(Brush::solid(rgb(255, 255, 0)));
        dc.rectangle({170, 28, 240, 80});
        dc.selectPen({PenStyle::Null, 1, {}});
        dc.selectBrush(Brush::solid(rgb(0, 160, 0)));
        dc.rectangle({250, 28, 320, 80});
        dc.selectPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
        dc.selectBrush(Brush::solid(rgb(0, 160, 255)));
        dc.ellipse({170, 90, 240, 140});
        const Point triangle[] = {{250, 140}, {285, 90}, {320, 140}};
        dc.selectBrush(Brush::solid(rgb(255, 128, 0)));
        dc.polygon(triangle);
        dc.frameRect({330, 28, 390, 80}, rgb(128, 0, 128));

        // 3-D edges and the focus rectangle.
        caption(dc, 410, 6, u"Edges");
        dc.drawEdge({410, 28, 480, 70}, edge::Raised, edge::SideRect | edge::Middle);
        dc.drawEdge({490, 28, 560, 70}, edge::Sunken, edge::SideRect | edge::Middle);
        dc.draw3dRect({570, 28, 630, 70}, sysColour(SysColour::ButtonHighlight),
                      sysColour(SysColour::DarkShadow3D));
        dc.fillRect({410, 80, 630, 120}, sysColour(SysColour::Window));
        dc.setBackMode(BkMode::Transparent);
        Rect focusText{410, 80, 630, 120};
        dc.drawText(u"Focus rectangle", focusText, dt::Center | dt::VCenter | dt::SingleLine);
        dc.drawFocusRect({414, 84, 626, 116});

        // Text alignments in boxes, word break, ellipsis.
        caption(dc, 10, 160, u"Text");
        const unsigned aligns[] = {dt::Left, dt::Center, dt::Right};
        int x = 10;
        for (unsigned a : aligns) {
            Rect box{x, 182, x + 140, 210};
            dc.fillRect(box, sysColour(SysColour::Window));
            dc.frameRect(box, rgb(128, 128, 128));
            dc.drawText(a == dt::Left ? u"Left" : a == dt::Center ? u"Centre" : u"Right", box,
                        a | dt::VCenter | dt::SingleLine);
            x += 150;
        }
        Rect wrap{10, 220, 150, 290};
        dc.fillRect(wrap, sysColour(SysColour::Window));
        dc.drawText(u"Word break keeps whole words on each line of the box.", wrap, dt::WordBreak);
        Rect ellipsis{160, 220, 290, 240};
        dc.fillRect(ellipsis, sysColour(SysColour::Window));
        dc.drawText(u"An end ellipsis cuts this long text", ellipsis,
                    dt::SingleLine | dt::EndEllipsis | dt::VCenter);
        FontSpec bold = messageFont();
        bold.weight = 700;
        bold.height = -16;
        dc.selectFont(bold);
        dc.setBackMode(BkMode::Opaque);
        dc.setBackColour(rgb(255, 255, 225));
        dc.textOut(160, 250, u"Bold, opaque");
        dc.selectFont(messageFont());

        // Rotated text around a centre.
        caption(dc, 470, 160, u"Rotated");
        FontSpec turned = messageFont();
        dc.setBackMode(BkMode::Transparent);
        for (int angle = 0; angle < 360; angle += 90) {
            turned.escapement = angle * 10;
            dc.selectFont(turned);
            dc.textOut(540, 250, u"  Varmion");
        }
        dc.selectFont(messageFont());

        // XOR tracking line over a coloured band: visible on every colour.
        caption(dc, 10, 300, u"XOR line, disabled emboss, mask blit");
        dc.fillRect({10, 320, 90, 400}, rgb(255, 0, 0));
        dc.fillRect({90, 320, 170, 400}, rgb(255, 255, 255));
        dc.fillRect({170, 320, 250, 400}, rgb(0, 0, 0));
        dc.setRop2(Rop2::Not);
        dc.moveTo({10, 360});
        dc.lineTo({250, 360});
        dc.moveTo({10, 361});
        dc.lineTo({250, 361});
        dc.setRop2(Rop2::CopyPen);

        // A small picture: a circle in a magenta field.
        QImage sprite(32, 32, QImage::Format_RGB32);
        sprite.fill(QColor(255, 0, 255));
        {
            DrawContext s(sprite);
            s.selectPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
            s.selectBrush(Brush::solid(rgb(0, 128, 255)));
            s.ellipse({2, 2, 30, 30});
            s.fillRect({12, 12, 20, 20}, rgb(255, 255, 0));
        }
        const QImage mask = makeMask(sprite, rgb(255, 0, 255));
        dc.drawDisabled({280, 340}, sprite, &mask);
        dc.fillRect({330, 330, 420, 400}, rgb(0, 160, 0));
        dc.maskBlit({340, 340}, sprite, mask);
        dc.blit({380, 340}, sprite, {0, 0, 32, 32});  // without the mask, for comparison
    }
    const std::string path = uitest::saveArtifact(card, "gdi-card");
    EXPECT_FALSE(path.empty());
    // The masked picture shows the green field at its transparent corner.
    EXPECT_EQ(fromQRgb(card.pixel(340, 340)), rgb(0, 160, 0));
    EXPECT_EQ(fromQRgb(card.pixel(380, 340)), rgb(255, 0, 255));
}

}  // namespace
