#include "platform/ui/DrawContext.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>
#include <cmath>
#include <cstdlib>

namespace ui {
namespace {

QString qs(std::u16string_view t) {
    return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
}

QPainter::CompositionMode modeOf(Rop2 rop) {
    switch (rop) {
        case Rop2::Not:
            return QPainter::RasterOp_NotDestination;
        case Rop2::XorPen:
            return QPainter::RasterOp_SourceXorDestination;
        case Rop2::NotXorPen:
            return QPainter::RasterOp_NotSourceXorDestination;
        case Rop2::Black:
        case Rop2::CopyPen:
            break;
    }
    return QPainter::CompositionMode_SourceOver;
}

QPainter::CompositionMode modeOf(RasterOp op) {
    switch (op) {
        case RasterOp::And:
            return QPainter::RasterOp_SourceAndDestination;
        case RasterOp::Paint:
            return QPainter::RasterOp_SourceOrDestination;
        case RasterOp::Invert:
            return QPainter::RasterOp_SourceXorDestination;
        case RasterOp::Copy:
            break;
    }
    return QPainter::CompositionMode_Source;
}

// Sets a composition mode for one operation.
class ModeScope {
  public:
    ModeScope(QPainter& p, QPainter::CompositionMode m) : p_(p), old_(p.compositionMode()) {
        p_.setCompositionMode(m);
    }
    ~ModeScope() { p_.setCompositionMode(old_); }

  private:
    QPainter& p_;
    QPainter::CompositionMode old_;
};

// The desktop's cosmetic dash patterns in pixels (on, off, ...); empty for solid.
const std::vector<int>& dashPattern(PenStyle style) {
    static const std::vector<int> solid, dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6},
        dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
        case PenStyle::Dash: return dash;
        case PenStyle::Dot: return dot;
        case PenStyle::DashDot: return dashDot;
        case PenStyle::DashDotDot: return dashDotDot;
        default: return solid;
    }
}

int qtTextFlags(unsigned f) {
    int q = 0;
    if (f & dt::Right)
        q |= Qt::AlignRight;
    else if (f & dt::Center)
        q |= Qt::AlignHCenter;
    else
        q |= Qt::AlignLeft;
    if (f & dt::SingleLine) {
        q |= Qt::TextSingleLine;
        if (f & dt::Bottom)
            q |= Qt::AlignBottom;
        else if (f & dt::VCenter)
            q |= Qt::AlignVCenter;
        else
            q |= Qt::AlignTop;
    } else {
        q |= Qt::AlignTop;
        if (f & dt::WordBreak) q |= Qt::TextWordWrap;
    }
    if (f & dt::ExpandTabs) q |= Qt::TextExpandTabs;
    if (!(f & dt::NoPrefix)) q |= Qt::TextShowMnemonic;
    return q;
}

}  // namespace

DrawContext::DrawContext(QPaintDevice& device) {
    own_.emplace(&device);
    painter_ = &*own_;
    base_ = painter_->transform();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    state_.font = messageFont();
    painter_->setFont(toQFont(state_.font));
}

DrawContext::DrawContext(QPainter& painter) : painter_(&painter) {
    painter_->save();
    base_ = painter_->transform();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    state_.font = messageFont();
    painter_->setFont(toQFont(state_.font));
}

DrawContext::~DrawContext() {
    if (own_)
        own_->end();
    else
        painter_->restore();
}

int DrawContext::save() {
    stack_.push_back(state_);
    return static_cast<int>(stack_.size());
}

void DrawContext::restore(int level) {
    if (stack_.empty()) return;
    std::size_t keep = level < 0 ? stack_.size() - 1 : static_cast<std::size_t>(level - 1);
    if (keep >= stack_.size()) return;
    state_ = stack_[keep];
    stack_.resize(keep);
    painter_->setFont(toQFont(state_.font));
    applyTransform();
    applyClip();
}

void DrawContext::applyTransform() {
    painter_->setTransform(QTransform::fromTranslate(state_.origin.x, state_.origin.y) * base_);
}

void DrawContext::applyClip() {
    if (state_.clip)
        painter_->setClipRect(toQRect(*state_.clip));
    else
        painter_->setClipping(false);
}

Rect DrawContext::clipBox() const {
    if (state_.clip) return *state_.clip;
    const QPaintDevice* d = painter_->device();
    Rect all{0, 0, d ? d->width() : 0, d ? d->height() : 0};
    return all.offset(-state_.origin.x, -state_.origin.y);
}

void DrawContext::setClipRect(const Rect& r) {
    state_.clip = r;
    applyClip();
}

void DrawContext::clearClip() {
    state_.clip.reset();
    applyClip();
}

void DrawContext::setViewportOrigin(Point origin) {
    // The clip stays on the same device pixels.
    if (state_.clip)
        state_.clip = state_.clip->offset(state_.origin.x - origin.x, state_.origin.y - origin.y);
    state_.origin = origin;
    applyTransform();
    applyClip();
}

int DrawContext::logicalDpiX() const {
    return painter_->device() ? painter_->device()->logicalDpiX() : 96;
}

int DrawContext::logicalDpiY() const {
    return painter_->device() ? painter_->device()->logicalDpiY() : 96;
}

Pen DrawContext::selectPen(const Pen& pen) { return std::exchange(state_.pen, pen); }
Brush DrawContext::selectBrush(const Brush& brush) { return std::exchange(state_.brush, brush); }

FontSpec DrawContext::selectFont(const FontSpec& font) {
    FontSpec old = std::exchange(state_.font, font);
    painter_->setFont(toQFont(font));
    return old;
}

ColourRef DrawContext::setTextColour(ColourRef c) { return std::exchange(state_.textColour, c); }
ColourRef DrawContext::setBackColour(ColourRef c) { return std::exchange(state_.backColour, c); }
BkMode DrawContext::setBackMode(BkMode m) { return std::exchange(state_.backMode, m); }
unsigned DrawContext::setTextAlign(unsigned f) { return std::exchange(state_.textAlign, f); }
Rop2 DrawContext::setRop2(Rop2 mode) { return std::exchange(state_.rop, mode); }

void DrawContext::applyPenTo(QPainter& p) const {
    const Pen& pen = state_.pen;
    QColor colour = state_.rop == Rop2::Black ? QColor(Qt::black) : toQColor(pen.colour);
    if (state_.rop == Rop2::Not) colour = Qt::white;
    QPen q(colour);
    q.setWidth(std::max(1, pen.width));
    q.setCosmetic(pen.width <= 1);
    q.setCapStyle(pen.width <= 1 ? Qt::FlatCap : Qt::RoundCap);
    q.setJoinStyle(Qt::MiterJoin);
    switch (pen.style) {
        case PenStyle::Dash:
            q.setDashPattern({18, 6});
            break;
        case PenStyle::Dot:
            q.setDashPattern({3, 3});
            break;
        case PenStyle::DashDot:
            q.setDashPattern({9, 6, 3, 6});
            break;
        case PenStyle::DashDotDot:
            q.setDashPattern({9, 3, 3, 3, 3, 3});
            break;
        case PenStyle::Null:
            q.setStyle(Qt::NoPen);
            break;
        case PenStyle::Solid:
            break;
    }
    p.setPen(q);
}

QImage* DrawContext::image() const { return dynamic_cast<QImage*>(painter_->device()); }

// ---- text ----------------------------------------------------------------------------

TextMetrics DrawContext::textMetrics() const { return textMetricsOf(state_.font); }

Size DrawContext::textExtent(std::u16string_view text) const {
    const QFontMetrics m(toQFont(state_.font));
    return {m.horizontalAdvance(qs(text)), m.ascent() + m.descent()};
}

void DrawContext::textOut(int x, int y, std::u16string_view text) {
    const QString s = qs(text);
    const QFontMetrics m(painter_->font());
    const int width = m.horizontalAdvance(s);
    const unsigned horizontal = state_.textAlign & 6u;
    const unsigned vertical = state_.textAlign & 24u;
    int x0 = 0;
    if (horizontal == ta::Center)
        x0 = -width / 2;
    else if (horizontal == ta::Right)
        x0 = -width;
    int baseline = m.ascent();
    if (vertical == ta::Baseline)
        baseline = 0;
    else if (vertical == ta::Bottom)
        baseline = -m.descent();

    painter_->save();
    painter_->translate(x, y);
    if (state_.font.escapement != 0) painter_->rotate(-state_.font.escapement / 10.0);
    if (state_.backMode == BkMode::Opaque)
        painter_->fillRect(QRect(x0, baseline - m.ascent(), width, m.ascent() + m.descent()),
                           toQColor(state_.backColour));
    painter_->setPen(toQColor(state_.textColour));
    painter_->drawText(QPoint(x0, baseline), s);
    painter_->restore();
}

int DrawContext::drawText(std::u16string_view text, Rect& r, unsigned f) {
    QString s = qs(text);
    const QFontMetrics m(painter_->font());
    const int flags = qtTextFlags(f);
    const bool singleLine = (f & dt::SingleLine) || !(f & dt::WordBreak);
    if (singleLine && (f & (dt::EndEllipsis | dt::PathEllipsis)) && !(f & dt::CalcRect)) {
        const Qt::TextElideMode mode = (f & dt::PathEllipsis) ? Qt::ElideMiddle : Qt::ElideRight;
        s = m.elidedText(s, mode, std::max(0, r.width()), flags & Qt::TextShowMnemonic);
    }
    if (f & dt::CalcRect) {
        const int calcFlags = (flags & ~(Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)) |
                              Qt::AlignLeft | Qt::AlignTop;
        const int wrapWidth = (f & dt::WordBreak) && !(f & dt::SingleLine) ? r.width() : 1 << 20;
        const QRect b = m.boundingRect(QRect(r.left, r.top, std::max(1, wrapWidth), 1 << 20),
                                       calcFlags, s);
        r.right = r.left + b.width();
        r.bottom = r.top + b.height();
        return b.height();
    }
    const QRect box = toQRect(r);
    const QRect b = m.boundingRect(box, flags, s);
    painter_->save();
    if (!(f & dt::NoClip)) painter_->setClipRect(box, Qt::IntersectClip);
    if (state_.backMode == BkMode::Opaque) painter_->fillRect(b, toQColor(state_.backColour));
    painter_->setPen(toQColor(state_.textColour));
    painter_->drawText(box, flags, s);
    painter_->restore();
    if ((f & dt::SingleLine) && (f & (dt::VCenter | dt::Bottom)))
        return b.top() + b.height() - r.top;
    return b.height();
}

// ---- lines and shapes ----------------------------------------------------------------

void DrawContext::strokeLine(Point a, Point b) {
    if (a == b || state_.pen.style == PenStyle::Null) return;
    applyPenTo(*painter_);
    ModeScope mode(*painter_, modeOf(state_.rop));
    if (state_.pen.width > 1) {
        painter_->drawLine(toQPoint(a), toQPoint(b));
        return;
    }
    // Thin lines are stepped here: Qt's raster lines leave out whichever end lies further
    // right or down, the desktop always the end point, whatever the direction.
    const std::vector<int>& dashes = dashPattern(state_.pen.style);
    int dashIndex = 0, dashLeft = dashes.empty() ? 0 : dashes[0];
    QPolygon dots;
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy, x = a.x, y = a.y;
    while (x != b.x || y != b.y) {
        if (dashes.empty() || dashIndex % 2 == 0) dots << QPoint(x, y);
        if (!dashes.empty() && --dashLeft == 0) {
            dashIndex = (dashIndex + 1) % static_cast<int>(dashes.size());
            dashLeft = dashes[static_cast<std::size_t>(dashIndex)];
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    QPen dotPen = painter_->pen();
    dotPen.setStyle(Qt::SolidLine);
    painter_->setPen(dotPen);
    painter_->drawPoints(dots);
}

void DrawContext::lineTo(Point p) {
    strokeLine(state_.position, p);
    state_.position = p;
}

void DrawContext::polyline(std::span<const Point> points) {
    for (std::size_t i = 1; i < points.size(); ++i) strokeLine(points[i - 1], points[i]);
    if (points.size() == 1) return;
}

void DrawContext::fillPixels(const Rect& r, const QColor& c) {
    if (r.isEmpty()) return;
    ModeScope mode(*painter_, QPainter::CompositionMode_SourceOver);
    painter_->fillRect(toQRect(r), c);
}

void DrawContext::rectangle(const Rect& r) {
    if (r.isEmpty()) return;
    const bool nullPen = state_.pen.style == PenStyle::Null;
    if (state_.brush.kind == Brush::Kind::Solid) {
        // The null pen takes no room, yet the fill keeps the pen's one-pixel inset.
        const Rect inner = nullPen ? Rect{r.left, r.top, r.right - 1, r.bottom - 1}
                                   : Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        ModeScope mode(*painter_, modeOf(state_.rop));
        if (!inner.isEmpty()) painter_->fillRect(toQRect(inner), toQColor(state_.brush.colour));
    }
    if (nullPen) return;
    applyPenTo(*painter_);
    ModeScope mode(*painter_, modeOf(state_.rop));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void DrawContext::ellipse(const Rect& r) {
    if (r.isEmpty()) return;
    applyPenTo(*painter_);
    ModeScope mode(*painter_, modeOf(state_.rop));
    if (state_.brush.kind == Brush::Kind::Solid)
        painter_->setBrush(toQColor(state_.brush.colour));
    else
        painter_->setBrush(Qt::NoBrush);
    painter_->drawEllipse(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
    painter_->setBrush(Qt::NoBrush);
}

void DrawContext::polygon(std::span<const Point> points) {
    if (points.size() < 2) return;
    QPolygon poly;
    for (Point p : points) poly << toQPoint(p);
    applyPenTo(*painter_);
    ModeScope mode(*painter_, modeOf(state_.rop));
    if (state_.brush.kind == Brush::Kind::Solid)
        painter_->setBrush(toQColor(state_.brush.colour));
    else
        painter_->setBrush(Qt::NoBrush);
    painter_->drawPolygon(poly, Qt::OddEvenFill);
    painter_->setBrush(Qt::NoBrush);
}

void DrawContext::fillRect(const Rect& r, ColourRef c) { fillPixels(r, toQColor(c)); }

void DrawContext::fillRect(const Rect& r, const Brush& b) {
    if (b.kind == Brush::Kind::Solid) fillPixels(r, toQColor(b.colour));
}

void DrawContext::frameRect(const Rect& r, ColourRef c) {
    if (r.isEmpty()) return;
    const QColor q = toQColor(c);
    fillPixels({r.left, r.top, r.right, r.top + 1}, q);
    fillPixels({r.left, r.bottom - 1, r.right, r.bottom}, q);
    fillPixels({r.left, r.top, r.left + 1, r.bottom}, q);
    fillPixels({r.right - 1, r.top, r.right, r.bottom}, q);
}

void DrawContext::draw3dRect(const Rect& r, ColourRef topLeft, ColourRef bottomRight) {
    if (r.isEmpty()) return;
    const QColor tl = toQColor(topLeft), br = toQColor(bottomRight);
    fillPixels({r.left, r.top, r.right - 1, r.top + 1}, tl);
    fillPixels({r.left, r.top, r.left + 1, r.bottom - 1}, tl);
    fillPixels({r.right - 1, r.top, r.right, r.bottom}, br);
    fillPixels({r.left, r.bottom - 1, r.right, r.bottom}, br);
}

Rect DrawContext::drawEdge(const Rect& r, unsigned edges, unsigned sides) {
    Rect inner = r;
    auto border = [&](ColourRef tl, ColourRef br) {
        if (inner.isEmpty()) return;
        const QColor t = toQColor(tl), b = toQColor(br);
        if (sides & edge::SideTop) fillPixels({inner.left, inner.top, inner.right - 1, inner.top + 1}, t);
        if (sides & edge::SideLeft) fillPixels({inner.left, inner.top, inner.left + 1, inner.bottom - 1}, t);
        if (sides & edge::SideRight) fillPixels({inner.right - 1, inner.top, inner.right, inner.bottom}, b);
        if (sides & edge::SideBottom) fillPixels({inner.left, inner.bottom - 1, inner.right, inner.bottom}, b);
        inner = Rect{inner.left + ((sides & edge::SideLeft) ? 1 : 0),
                     inner.top + ((sides & edge::SideTop) ? 1 : 0),
                     inner.right - ((sides & edge::SideRight) ? 1 : 0),
                     inner.bottom - ((sides & edge::SideBottom) ? 1 : 0)};
    };
    const ColourRef light = sysColour(SysColour::Light3D), dark = sysColour(SysColour::DarkShadow3D),
                    shadow = sysColour(SysColour::ButtonShadow),
                    hilight = sysColour(SysColour::ButtonHighlight);
    if (edges & edge::RaisedOuter)
        border(light, dark);
    else if (edges & edge::SunkenOuter)
        border(shadow, hilight);
    if (edges & edge::RaisedInner)
        border(hilight, shadow);
    else if (edges & edge::SunkenInner)
        border(dark, light);
    if (sides & edge::Middle) fillPixels(inner, toQColor(sysColour(SysColour::ButtonFace)));
    return inner;
}

void DrawContext::drawFocusRect(const Rect& r) {
    if (r.isEmpty()) return;
    // Every other pixel of the frame, aligned to the device grid so that frames meet.
    QPolygon dots;
    auto dot = [&](int x, int y) {
        if (((x + state_.origin.x + y + state_.origin.y) & 1) == 0) dots << QPoint(x, y);
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left) dot(r.right - 1, y);
    }
    QPen pen(Qt::white);
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter_->setPen(pen);
    ModeScope mode(*painter_, QPainter::RasterOp_SourceXorDestination);
    painter_->drawPoints(dots);
}

void DrawContext::invertRect(const Rect& r) {
    if (r.isEmpty()) return;
    ModeScope mode(*painter_, QPainter::RasterOp_SourceXorDestination);
    painter_->fillRect(toQRect(r), QColor(Qt::white));
}

void DrawContext::setPixel(Point p, ColourRef c) { fillPixels({p.x, p.y, p.x + 1, p.y + 1}, toQColor(c)); }

std::uint32_t DrawContext::pixel(Point p) const {
    const QImage* img = image();
    const int x = p.x + state_.origin.x, y = p.y + state_.origin.y;
    if (!img || !img->valid(x, y)) return 0xFFFFFFFFu;
    return fromQRgb(img->pixel(x, y)).value;
}

// ---- images --------------------------------------------------------------------------

void DrawContext::blit(Point dst, const QImage& src, const Rect& srcRect, RasterOp op) {
    if (srcRect.isEmpty() || src.isNull()) return;
    QImage part = src.copy(toQRect(srcRect));
    if (part.format() != QImage::Format_ARGB32 && part.format() != QImage::Format_RGB32)
        part = part.convertToFormat(QImage::Format_RGB32);
    ModeScope mode(*painter_, modeOf(op));
    painter_->drawImage(toQPoint(dst), part);
}

void DrawContext::stretchBlit(const Rect& dst, const QImage& src, const Rect& srcRect, bool smooth) {
    if (dst.isEmpty() || srcRect.isEmpty() || src.isNull()) return;
    painter_->save();
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter_->drawImage(toQRect(dst), src, toQRect(srcRect));
    painter_->restore();
}

void DrawContext::maskBlit(Point dst, const QImage& image, const QImage& mask) {
    const Rect all{0, 0, image.width(), image.height()};
    blit(dst, mask, all, RasterOp::And);
    blit(dst, blackenMasked(image, mask), all, RasterOp::Paint);
}

void DrawContext::drawDisabled(Point dst, const QImage& image, const QImage* mask) {
    const int w = image.width(), h = image.height();
    auto shape = [&](ColourRef c) {
        QImage out(w, h, QImage::Format_ARGB32);
        out.fill(Qt::transparent);
        const QRgb colour = toQRgb(c);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool transparent = mask ? (mask->pixel(x, y) & 0xFFFFFF) == 0xFFFFFF
                                              : qAlpha(image.pixel(x, y)) == 0;
                if (!transparent) out.setPixel(x, y, colour);
            }
        return out;
    };
    ModeScope mode(*painter_, QPainter::CompositionMode_SourceOver);
    painter_->drawImage(QPoint(dst.x + 1, dst.y + 1), shape(sysColour(SysColour::ButtonHighlight)));
    painter_->drawImage(toQPoint(dst), shape(sysColour(SysColour::ButtonShadow)));
}

QImage makeMask(const QImage& image, ColourRef transparent) {
    QImage mask(image.size(), QImage::Format_RGB32);
    const QRgb key = toQRgb(transparent) & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            mask.setPixel(x, y, (image.pixel(x, y) & 0xFFFFFF) == key ? 0xFFFFFFFF : 0xFF000000);
    return mask;
}

QImage blackenMasked(const QImage& image, const QImage& mask) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height() && y < mask.height(); ++y)
        for (int x = 0; x < out.width() && x < mask.width(); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) out.setPixel(x, y, 0xFF000000);
    return out;
}

}  // namespace ui
