#include "controls/html/PPHtmlDrawerCanvas.h"

#include <QString>

#include "platform/resources/Resources.h"
#include "platform/ui/Desktop.h"

namespace html {
namespace {

QImage loadBytes(std::optional<std::string_view> bytes, const char* format) {
    QImage image;
    if (bytes)
        image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                           static_cast<int>(bytes->size()), format);
    return image;
}

ui::Rect toRect(const Box& b) { return {b.left, b.top, b.right, b.bottom}; }

}  // namespace

Colour systemColour(int index) { return ui::sysColour(index).value; }

void bindToDesktop(CPPHtmlDrawer& drawer) {
    drawer.SetLinkOpener([](std::u16string_view target) { return ui::Shell::open(target); });
}

ui::FontSpec toFontSpec(const FontDesc& font) {
    ui::FontSpec spec;
    spec.height = font.height;  // positive: the cell height
    spec.weight = font.weight;
    spec.italic = font.italic;
    spec.underline = font.underline;
    spec.strikeOut = font.strikeout;
    spec.face = font.face;
    return spec;
}

FontDesc toFontDesc(const ui::FontSpec& spec) {
    return {spec.height, spec.weight, spec.italic, spec.underline, spec.strikeOut, spec.face};
}

DrawContextCanvas::DrawContextCanvas(ui::DrawContext& dc)
    : m_dc(dc), m_keep(dc), m_initialFont(dc.font()), m_font(toFontDesc(m_initialFont)) {}

FontDesc DrawContextCanvas::selectFont(const FontDesc& font) {
    const FontDesc before = m_font;
    m_font = font;
    // Handing back what the context had selects exactly that font again.
    m_dc.selectFont(font == toFontDesc(m_initialFont) ? m_initialFont : toFontSpec(font));
    return before;
}

FontMetrics DrawContextCanvas::metrics() const {
    const ui::TextMetrics tm = m_dc.textMetrics();
    return {tm.height, tm.ascent, tm.descent};
}

Extent DrawContextCanvas::textExtent(std::u16string_view text) const {
    const ui::Size s = m_dc.textExtent(text);
    return {s.cx, s.cy};
}

int DrawContextCanvas::logicalDpiY() const { return m_dc.logicalDpiY(); }

Colour DrawContextCanvas::setTextColour(Colour c) { return m_dc.setTextColour(ui::ColourRef(c)).value; }

Colour DrawContextCanvas::setBackColour(Colour c) { return m_dc.setBackColour(ui::ColourRef(c)).value; }

int DrawContextCanvas::setBackMode(int mode) {
    return static_cast<int>(m_dc.setBackMode(mode == 2 ? ui::BkMode::Opaque : ui::BkMode::Transparent));
}

void DrawContextCanvas::textOut(int x, int y, std::u16string_view text) { m_dc.textOut(x, y, text); }

void DrawContextCanvas::drawLine(int x1, int y1, int x2, int y2, Colour c, int style, int width) {
    m_manager.DrawLine(m_dc, x1, y1, x2, y2, ui::ColourRef(c), style, width);
}

void DrawContextCanvas::fillEffect(int kind, const Box& r, Colour c1, Colour c2, Colour c3,
                                   int granularity) {
    m_manager.FillEffect(m_dc, kind, toRect(r), ui::ColourRef(c1), ui::ColourRef(c2),
                         ui::ColourRef(c3), granularity);
}

void DrawContextCanvas::drawBorder(const Box& r, Colour light, Colour dark, int style, int width) {
    m_manager.DrawBorder(m_dc, toRect(r), ui::ColourRef(light), ui::ColourRef(dark), style, width);
}

std::unique_ptr<HtmlImage> DrawContextCanvas::loadImage(const ImageSource& source) {
    QImage image;
    switch (source.kind) {
        case ImageSource::Kind::Bitmap:
            image = loadBytes(platform::findResource(source.module, u"BITMAP", source.id), nullptr);
            break;
        case ImageSource::Kind::Icon:
            image = loadBytes(platform::findResource(source.module, u"ICON", source.id), "ICO");
            break;
        case ImageSource::Kind::File:
            image.load(QString::fromStdU16String(source.file));
            break;
    }
    if (image.isNull()) return nullptr;
    return std::make_unique<CanvasImage>(image.convertToFormat(QImage::Format_ARGB32),
                                         source.kind == ImageSource::Kind::Icon);
}

void DrawContextCanvas::drawImage(const HtmlImage& image, const ImageDraw& how) {
    const QImage& picture = static_cast<const CanvasImage&>(image).image();
    const ui::ColourRef mask(how.maskColour), fill(how.fillColour);
    if (how.frameIndex >= 0) {
        m_manager.DrawStripFrame(m_dc, how.x, how.y, how.width, how.height, picture, how.frameIndex,
                                 how.frameWidth, how.frameHeight, how.useMask, mask, how.flags,
                                 how.withShadow, how.shadowX, how.shadowY, how.blurX, how.blurY, fill);
    } else if (static_cast<const CanvasImage&>(image).isIcon()) {
        m_manager.DrawIconImage(m_dc, how.x, how.y, how.width, how.height, picture, how.flags,
                                how.withShadow, how.shadowX, how.shadowY, how.blurX, how.blurY, fill);
    } else {
        m_manager.DrawBitmap(m_dc, how.x, how.y, how.width, how.height, picture, how.useMask, mask,
                             how.flags, how.withShadow, how.shadowX, how.shadowY, how.blurX,
                             how.blurY, fill);
    }
}

void DrawContextCanvas::tileImage(const HtmlImage& image, const Box& r) {
    const QImage& picture = static_cast<const CanvasImage&>(image).image();
    m_manager.TileBlt(m_dc, r.left, r.top, r.width(), r.height(), picture, 0, 0, picture.width(),
                      picture.height());
}

}  // namespace html
