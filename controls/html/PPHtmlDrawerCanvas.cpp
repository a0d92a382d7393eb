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

ui::PenStyle penStyleOf(int style) {
    switch (style) {
        case 2: return ui::PenStyle::Dash;
        case 3: return ui::PenStyle::Dot;
        case 4: return ui::PenStyle::DashDot;
        case 5: return ui::PenStyle::DashDotDot;
        default: return ui::PenStyle::Solid;
    }
}

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

DrawContextCanvas::DrawContextCanvas(ui::DrawContext& dc) : m_dc(dc), m_keep(dc) {}

FontDesc DrawContextCanvas::selectFont(const FontDesc& font) {
    const FontDesc before = m_font;
    m_font = font;
    m_dc.selectFont(toFontSpec(font));
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
    if (style == 0 || width < 1) return;
    ui::DcState keep(m_dc);
    m_dc.selectPen({penStyleOf(style), width, ui::ColourRef(c)});
    m_dc.moveTo({x1, y1});
    m_dc.lineTo({x2, y2});
    if (style == 6) {
        const bool horizontal = y1 == y2;
        const int dx = horizontal ? 0 : 2 * width, dy = horizontal ? 2 * width : 0;
        m_dc.moveTo({x1 + dx, y1 + dy});
        m_dc.lineTo({x2 + dx, y2 + dy});
    }
}

void DrawContextCanvas::fillEffect(int kind, const Box& r, Colour c1, Colour c2, Colour c3,
                                   int granularity) {
    (void)kind;
    (void)c2;
    (void)c3;
    (void)granularity;
    m_dc.fillRect({r.left, r.top, r.right, r.bottom}, ui::ColourRef(c1));
}

void DrawContextCanvas::drawBorder(const Box& r, Colour light, Colour dark, int style, int width) {
    if (style == 0 || width < 1) return;
    drawLine(r.left, r.bottom - 1, r.left, r.top, light, style, width);
    drawLine(r.left, r.top, r.right - 1, r.top, light, style, width);
    drawLine(r.right - 1, r.top, r.right - 1, r.bottom - 1, dark, style, width);
    drawLine(r.right - 1, r.bottom - 1, r.left, r.bottom - 1, dark, style, width);
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
    return std::make_unique<CanvasImage>(image.convertToFormat(QImage::Format_ARGB32));
}

void DrawContextCanvas::drawImage(const HtmlImage& image, const ImageDraw& how) {
    const QImage& picture = static_cast<const CanvasImage&>(image).image();
    QImage part = picture;
    if (how.frameIndex >= 0 && how.frameWidth > 0 && how.frameHeight > 0) {
        const int columns = picture.width() / how.frameWidth;
        if (columns <= 0) return;
        part = picture.copy((how.frameIndex % columns) * how.frameWidth,
                            (how.frameIndex / columns) * how.frameHeight, how.frameWidth, how.frameHeight);
    }
    if (how.width <= 0 || how.height <= 0) return;
    m_dc.stretchBlit({how.x, how.y, how.x + how.width, how.y + how.height}, part,
                     {0, 0, part.width(), part.height()}, true);
}

void DrawContextCanvas::tileImage(const HtmlImage& image, const Box& r) {
    const QImage& picture = static_cast<const CanvasImage&>(image).image();
    if (picture.width() <= 0 || picture.height() <= 0) return;
    for (int y = r.top; y < r.bottom; y += picture.height())
        for (int x = r.left; x < r.right; x += picture.width())
            m_dc.blit({x, y}, picture,
                      {0, 0, std::min(picture.width(), r.right - x), std::min(picture.height(), r.bottom - y)});
}

}  // namespace html
