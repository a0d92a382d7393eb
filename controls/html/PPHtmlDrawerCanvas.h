#pragma once
// The HTML drawer's canvas on a ui::DrawContext: text and fonts through the context, fills,
// borders, lines and images through the drawing manager. The context's state is restored
// when the canvas ends.
//
//   void CMyCtrl::onPaint(ui::DrawContext& dc) {
//       html::DrawContextCanvas canvas(dc);
//       m_drawer.LayoutHtml(canvas, text);  m_drawer.PaintHtml(canvas, box);
//   }
//   CPPHtmlDrawer m_drawer{html::systemColour};   // live system colours
//   html::bindToDesktop(m_drawer);                 // "href" links open through the shell
#include <QImage>

#include "controls/html/HtmlCanvas.h"
#include "controls/html/PPDrawManager.h"
#include "controls/html/PPHtmlDrawer.h"
#include "platform/ui/DrawContext.h"

namespace html {

// The live system colour of an index (ui::sysColour), for CPPHtmlDrawer's constructor.
Colour systemColour(int index);
// "href" links open with the desktop's default program (ui::Shell::open), the target as
// one argument.
void bindToDesktop(CPPHtmlDrawer& drawer);

ui::FontSpec toFontSpec(const FontDesc& font);
FontDesc toFontDesc(const ui::FontSpec& spec);

// An image the canvas loaded: a 32-bit picture; an icon's alpha is its mask.
class CanvasImage : public HtmlImage {
  public:
    CanvasImage(QImage image, bool icon) : m_image(std::move(image)), m_icon(icon) {}
    int width() const override { return m_image.width(); }
    int height() const override { return m_image.height(); }
    const QImage& image() const { return m_image; }
    bool isIcon() const { return m_icon; }

  private:
    QImage m_image;
    bool m_icon;
};

class DrawContextCanvas : public HtmlCanvas {
  public:
    explicit DrawContextCanvas(ui::DrawContext& dc);

    FontDesc selectFont(const FontDesc& font) override;
    FontMetrics metrics() const override;
    Extent textExtent(std::u16string_view text) const override;
    int logicalDpiY() const override;
    Colour setTextColour(Colour c) override;
    Colour setBackColour(Colour c) override;
    int setBackMode(int mode) override;

    void textOut(int x, int y, std::u16string_view text) override;
    void drawLine(int x1, int y1, int x2, int y2, Colour c, int style, int width) override;
    void fillEffect(int kind, const Box& r, Colour c1, Colour c2, Colour c3, int granularity) override;
    void drawBorder(const Box& r, Colour light, Colour dark, int style, int width) override;

    std::unique_ptr<HtmlImage> loadImage(const ImageSource& source) override;
    void drawImage(const HtmlImage& image, const ImageDraw& how) override;
    void tileImage(const HtmlImage& image, const Box& r) override;

  private:
    ui::DrawContext& m_dc;
    ui::DcState m_keep;
    CPPDrawManager m_manager;
    ui::FontSpec m_initialFont;
    FontDesc m_font;
};

}  // namespace html
