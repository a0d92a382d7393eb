#include "controls/html/PPToolTip.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>
#include <optional>

#include "controls/html/PPHtmlDrawerCanvas.h"
#include "controls/html/core/WindowDetails.h"

namespace {

html::TipRect virtualScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect r = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect toQRect(const html::TipRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

}  // namespace

CPPToolTip::CPPToolTip()
    : ui::WindowOf<QWidget>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_drawer(html::systemColour),
      m_colourBegin(ui::sysColour(ui::SysColour::InfoBackground).value),
      m_colourMid(m_colourBegin),
      m_colourEnd(m_colourBegin),
      m_frameColour(ui::sysColour(ui::SysColour::InfoText)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    html::bindToDesktop(m_drawer);
}

CPPToolTip::~CPPToolTip() {
    hideAtOnce();
    killTimer(kTimerAnimation);
    m_tools.clear();
}

bool CPPToolTip::Create(QWidget* owner, bool balloon) {
    if (!owner) return false;
    m_owner = owner;
    if (ui::Window* w = ui::windowOf(owner)) setOwner(w);
    UseBalloonShape(balloon);
    m_drawer.SetRepaintCallback([this](int) {
        if (!m_redrawOnRequest) return;
        m_transparency = 0;
        update();
    });
    if (m_animation) setTimer(kTimerAnimation, m_animation);
    qApp->installEventFilter(this);
    m_created = true;
    return true;
}

void CPPToolTip::AddTool(QWidget* window, std::u16string text, ui::Rect rect, std::uint32_t id) {
    if (!window) return;
    TipTool tool;
    tool.id = id;
    tool.rect = rect;
    tool.text = std::move(text);
    std::vector<TipTool>& tools = m_tools[window];
    auto same = std::find_if(tools.begin(), tools.end(), [&](const TipTool& t) { return t.rect == rect; });
    if (same != tools.end())
        *same = std::move(tool);
    else
        tools.push_back(std::move(tool));
}

void CPPToolTip::ClearTools() { m_tools.clear(); }

void CPPToolTip::SetBackgroundColours(ui::ColourRef begin, ui::ColourRef mid, ui::ColourRef end) {
    m_colourBegin = begin.value;
    m_colourMid = mid.value;
    m_colourEnd = end.value;
}

void CPPToolTip::SetDefaultEffect(int effect, int granularity) {
    m_defaultEffect = static_cast<std::uint32_t>(effect);
    m_defaultGranularity = static_cast<std::uint8_t>(std::clamp(granularity, 0, 255));
}

void CPPToolTip::SetFrame(ui::ColourRef colour, int width, int height) {
    m_frameColour = colour;
    m_frameWidth = width;
    m_frameHeight = height;
    m_frame = true;
}

void CPPToolTip::RemoveFrame() { m_frame = false; }

html::TipPlacement CPPToolTip::placed(int direction) const {
    const html::TipRect screen = virtualScreen();
    html::TipPlacement p = html::placeTip(m_bounding, m_shape, direction,
                                          {m_lastPos.x(), m_lastPos.y()}, screen);
    // The window grows by the shadow to the right and below: placed by its whole size, the
    // shadow stays on the screen too, even if the anchor then misses the cursor by a few
    // pixels.
    const int dx = std::min(0, screen.right - (p.window.right + std::max(0, m_shadowX)));
    const int dy = std::min(0, screen.bottom - (p.window.bottom + std::max(0, m_shadowY)));
    p.window = {p.window.left + dx, p.window.top + dy, p.window.right + dx, p.window.bottom + dy};
    return p;
}

void CPPToolTip::SetShadow(int offsetX, int offsetY, int darkness, bool gradient, int blurX, int blurY) {
    m_shadowX = offsetX;
    m_shadowY = offsetY;
    m_shadowDarkness = std::clamp(darkness, 0, 100);
    m_shadowGradient = gradient;
    m_shadowBlurX = blurX;
    m_shadowBlurY = blurY;
}

void CPPToolTip::SetShapeSize(int index, int value) {
    if (index < 0 || index >= html::TipSizeCount) return;
    m_shape[static_cast<std::size_t>(index)] = value;
}

void CPPToolTip::UseBalloonShape(bool balloon) {
    m_shape = balloon ? html::balloonShape() : html::plainShape();
}

void CPPToolTip::SetDelay(int kind, unsigned ms) {
    switch (kind) {
        case AutoPop:
            m_autoPop = ms;
            break;
        case Initial:
            m_initial = ms;
            break;
        case FadeIn:
            m_fadeInStep = ms;
            break;
        case FadeOut:
            m_fadeOutStep = ms;
            break;
        case Animation:
            m_animation = ms;
            killTimer(kTimerAnimation);
            if (ms && m_created) setTimer(kTimerAnimation, ms);
            break;
        default:
            break;
    }
}

// ---- relaying ------------------------------------------------------------------------

bool CPPToolTip::eventFilter(QObject* watched, QEvent* event) {
    if (!m_created) return false;
    if (event->type() == QEvent::ApplicationDeactivate) {
        hideAtOnce();
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !m_owner) return false;
    const QWidget* top = widget->window();
    if (top == m_owner->window() || top == this) RelayEvent(event);
    return false;
}

void CPPToolTip::RelayEvent(QEvent* event) {
    if (!m_created || !event) return;
    switch (event->type()) {
        case QEvent::MouseMove:
            relayMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            break;
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                relayLeftDown(mouse->globalPosition().toPoint());
            else
                hideAtOnce();
            break;
        }
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick:
            hideAtOnce();
            break;
        default:
            break;
    }
}

void CPPToolTip::relayMove(QPoint screen) {
    if (screen == m_lastPos) return;
    m_lastPos = screen;
    if (m_details) {
        TipTool details;
        details.text = BuildWindowDetails(screen);
        if (!details.text.empty()) queueWithDelay(this, details);
        return;
    }
    if (isVisible() && geometry().contains(screen) && !(m_shown.behaviour & FollowCursor)) {
        if (m_shown.behaviour & MouseMayRestOnTip)
            restartAutoPop();
        else
            startHiding();
        return;
    }
    QWidget* window = nullptr;
    TipTool tool;
    if (!findTool(screen, window, tool)) {
        forgetShown();
        killTimer(kTimerInitial);
        startHiding();
        return;
    }
    if (window == m_shownWindow && tool.rect == m_shown.rect) {
        const std::uint32_t b = m_shown.behaviour;
        if (b & FollowCursor) {
            restartAutoPop();
            moveWithCursor();
        } else if (b & KeepInTool) {
            restartAutoPop();
        } else if (!(b & ShowAgainInTool)) {
            startHiding();
        } else {
            queueWithDelay(window, tool);
        }
        return;
    }
    queueWithDelay(window, tool);
}

void CPPToolTip::relayLeftDown(QPoint screen) {
    if (isVisible() && geometry().contains(screen)) {
        const QPoint local = mapFromGlobal(screen);
        m_drawer.ClickLink(local.x(), local.y());
    }
    hideAtOnce();
}

bool CPPToolTip::findTool(QPoint screen, QWidget*& window, TipTool& tool) const {
    QWidget* w = QApplication::widgetAt(screen);
    if (!w || w == this) return false;
    // The edit field of an editable combo box stands for the combo box.
    if (auto* combo = qobject_cast<QComboBox*>(w->parentWidget()); combo && combo->isEditable())
        w = combo;
    if (!w->isEnabled()) return false;
    const auto it = m_tools.find(w);
    if (it == m_tools.end() || it->second.empty()) return false;
    const std::vector<TipTool>& tools = it->second;
    if (tools.size() == 1 && tools.front().rect.isEmpty()) {
        window = w;
        tool = tools.front();
        return true;
    }
    const QPoint local = w->mapFromGlobal(screen);
    for (const TipTool& t : tools)
        if (t.rect.contains({local.x(), local.y()})) {
            window = w;
            tool = t;
            return true;
        }
    return false;
}

std::u16string CPPToolTip::BuildWindowDetails(QPoint screen) const {
    QWidget* w = QApplication::widgetAt(screen);
    if (!w || w == this) return {};
    auto handleOf = [](const QWidget* widget) {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(widget));
    };
    const QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
    QWidget* toolWindow = nullptr;
    TipTool tool;
    html::WindowFacts facts{QString::fromLatin1(w->metaObject()->className()).toStdU16String(),
                            w->windowTitle().toStdU16String(),
                            handleOf(w),
                            ui::controlId(w),
                            static_cast<std::uint32_t>(w->windowFlags()),
                            r.left(), r.top(), r.left() + r.width(), r.top() + r.height(),
                            findTool(screen, toolWindow, tool)};
    std::optional<html::OwnerFacts> owner;
    if (const QWidget* parent = w->parentWidget())
        owner = html::OwnerFacts{QString::fromLatin1(parent->metaObject()->className()).toStdU16String(),
                                 parent->windowTitle().toStdU16String(), handleOf(parent)};
    const QPoint local = m_owner ? m_owner->mapFromGlobal(screen) : screen;
    return html::windowDetailsText(facts, owner, local.x(), local.y());
}

// ---- showing -------------------------------------------------------------------------

void CPPToolTip::queueWithDelay(QWidget* window, const TipTool& tool) {
    if (m_state == State::Appearing || m_state == State::Shown) startHiding();
    m_queuedWindow = window;
    m_queued = tool;
    if (m_state == State::Hidden) {
        if (m_initial)
            setTimer(kTimerInitial, m_initial);
        else
            beginShow();
    } else if (m_state == State::Disappearing) {
        m_pendingShow = true;
        m_pendingWithDelay = m_initial != 0;
    }
}

void CPPToolTip::beginShow() {
    m_state = State::Appearing;
    if (!showQueued()) {
        m_state = State::Hidden;
        return;
    }
    if (m_fadeIn && m_fadeInStep) {
        setTimer(kTimerFadeIn, m_fadeInStep);
    } else {
        m_state = State::Shown;
        restartAutoPop();
    }
}

void CPPToolTip::applyDefaults(TipTool& tool) const {
    if (!(tool.mask & TipTool::MaskReserved)) tool.reserved = m_defaultReserved;
    if (!(tool.mask & TipTool::MaskEffect)) {
        tool.effect = m_defaultEffect;
        tool.granularity = m_defaultGranularity;
    }
    if (!(tool.mask & TipTool::MaskColours)) {
        tool.colourBegin = m_colourBegin;
        tool.colourMid = m_colourMid;
        tool.colourEnd = m_colourEnd;
    }
    if (!(tool.mask & TipTool::MaskDirection)) tool.direction = static_cast<std::uint32_t>(m_defaultDirection);
    if (!(tool.mask & TipTool::MaskBehaviour)) tool.behaviour = m_defaultBehaviour;
    if (!(tool.mask & TipTool::MaskTransparency)) tool.transparency = m_defaultTransparency;
    tool.transparency = std::min<std::uint8_t>(tool.transparency, 100);
}

bool CPPToolTip::showQueued() {
    TipTool tool = m_queued;
    applyDefaults(tool);
    if (m_notify && owner()) {
        QPoint cursor = m_lastPos;
        notifyOwner(kNotifyShowing, ToolTipNotification{m_queuedWindow, &cursor, &tool});
    }
    if (tool.text.empty()) return false;

    QImage scratch(1, 1, QImage::Format_RGB32);
    html::Extent text;
    {
        ui::DrawContext dc(scratch);
        html::DrawContextCanvas canvas(dc);
        text = m_drawer.LayoutHtml(canvas, tool.text);
    }
    if (text.cx <= 0 || text.cy <= 0) return false;
    const int mx = m_shape[html::MarginX], my = m_shape[html::MarginY];
    m_bounding = {text.cx + 2 * mx, text.cy + 2 * my};
    m_placement = placed(static_cast<int>(tool.direction));
    const html::TipRect& body = m_placement.body;
    m_textBox = {body.left + mx, body.top + my, body.left + mx + text.cx, body.top + my + text.cy};
    buildBackground(tool);
    m_transparency = m_fadeIn && m_fadeInStep ? 100 : tool.transparency;

    const QRegion shape(tipPath().toFillPolygon().toPolygon());
    m_region = shape;
    QRect geometry = toQRect(m_placement.window);
    if (m_shadowX || m_shadowY) {
        m_region = shape.united(shape.translated(m_shadowX, m_shadowY));
        geometry.setSize(geometry.size() + QSize(std::max(0, m_shadowX), std::max(0, m_shadowY)));
    }
    m_shownWindow = m_queuedWindow;
    m_shown = tool;
    setGeometry(geometry);
    setMask(m_region);
    show();
    raise();
    update();
    return true;
}

void CPPToolTip::buildBackground(const TipTool& tool) {
    const html::TipRect& body = m_placement.body;
    const int w = m_placement.window.width(), h = m_placement.window.height();
    m_background = QImage(w, h, QImage::Format_RGB32);
    m_background.fill(ui::toQColor(ui::ColourRef(tool.colourBegin)));
    {
        ui::DrawContext dc(m_background);
        m_drawManager.FillEffect(dc, static_cast<int>(tool.effect),
                                 {body.left, body.top, body.right, body.bottom},
                                 ui::ColourRef(tool.colourBegin), ui::ColourRef(tool.colourMid),
                                 ui::ColourRef(tool.colourEnd), tool.granularity);
    }
    if (!m_placement.hasAnchor) return;
    // The anchor takes the body's edge line stretched over its strip.
    const QImage source = m_background.copy();
    QPainter p(&m_background);
    const int side = m_placement.direction & ~0xF;
    if (side == 0)
        p.drawImage(QRect(0, 0, w, body.top), source, QRect(0, body.top, w, 1));
    else if (side == 16)
        p.drawImage(QRect(0, body.bottom, w, h - body.bottom), source, QRect(0, body.bottom - 1, w, 1));
    else if (side == 32)
        p.drawImage(QRect(0, 0, body.left, h), source, QRect(body.left, 0, 1, h));
    else
        p.drawImage(QRect(body.right, 0, w - body.right, h), source, QRect(body.right - 1, 0, 1, h));
}

QPainterPath CPPToolTip::tipPath() const {
    const html::TipRect& b = m_placement.body;
    QPainterPath path;
    path.addRoundedRect(QRectF(b.left, b.top, b.width(), b.height()), m_shape[html::CornerWidth] / 2.0,
                        m_shape[html::CornerHeight] / 2.0);
    if (m_placement.hasAnchor) {
        QPainterPath anchor;
        QPolygonF triangle;
        for (const html::TipPoint& p : m_placement.anchor) triangle << QPointF(p.x, p.y);
        anchor.addPolygon(triangle);
        anchor.closeSubpath();
        path = path.united(anchor);
    }
    return path;
}

void CPPToolTip::moveWithCursor() {
    m_placement = placed(static_cast<int>(m_shown.direction));
    move(m_placement.window.left, m_placement.window.top);
}

// ---- hiding --------------------------------------------------------------------------

void CPPToolTip::startHiding() {
    if (m_state == State::Appearing) {
        killTimer(kTimerFadeIn);
        autoPopElapsed();
    } else if (m_state == State::Shown) {
        autoPopElapsed();
    }
}

void CPPToolTip::autoPopElapsed() {
    killTimer(kTimerInitial);
    killTimer(kTimerFadeIn);
    killTimer(kTimerAutoPop);
    if (m_state == State::Disappearing) return;
    m_state = State::Disappearing;
    if (m_fadeOut && m_fadeOutStep) {
        setTimer(kTimerFadeOut, m_fadeOutStep);
    } else {
        m_transparency = 100;
        fadeOutStep();
    }
}

void CPPToolTip::fadeOutStep() {
    m_transparency = m_transparency < 80 ? m_transparency + 20 : 100;
    if (m_transparency < 100) {
        update();
        return;
    }
    killTimer(kTimerFadeOut);
    if (m_shown.behaviour & ShowAgainInTool) forgetShown();
    hide();
    m_state = State::Hidden;
    if (m_pendingShow) {
        m_pendingShow = false;
        if (m_pendingWithDelay)
            setTimer(kTimerInitial, m_initial);
        else
            beginShow();
    }
}

void CPPToolTip::restartAutoPop() {
    if (m_autoPop && !(m_shown.behaviour & NoAutoPop)) setTimer(kTimerAutoPop, m_autoPop);
}

void CPPToolTip::hideAtOnce() {
    for (unsigned id = kTimerInitial; id <= kTimerFadeOut; ++id) killTimer(id);
    m_state = State::Hidden;
    m_pendingShow = false;
    hide();
    if (m_shown.behaviour & ShowAgainInTool) forgetShown();
}

void CPPToolTip::forgetShown() {
    m_shownWindow = nullptr;
    m_shown = TipTool{};
}

// ---- timers and painting -------------------------------------------------------------

void CPPToolTip::onTimer(unsigned id) {
    switch (id) {
        case kTimerInitial:
            killTimer(kTimerInitial);
            if (QCursor::pos() != m_lastPos)
                startHiding();
            else if (m_state == State::Hidden)
                beginShow();
            break;
        case kTimerAutoPop:
            autoPopElapsed();
            break;
        case kTimerFadeIn:
            // Ends at or below the tool's transparency, so a value off the 20-step grid
            // (30) ends the fading too.
            m_transparency = std::max(0, m_transparency - 20);
            if (m_transparency <= m_shown.transparency) {
                m_transparency = m_shown.transparency;
                killTimer(kTimerFadeIn);
                m_state = State::Shown;
                restartAutoPop();
            }
            update();
            break;
        case kTimerFadeOut:
            fadeOutStep();
            break;
        case kTimerAnimation:
            if (isVisible() && m_state == State::Shown && m_drawer.AdvanceAnimation()) update();
            break;
        default:
            break;
    }
}

void CPPToolTip::FrameTipRegion(QPainter& painter, const QPainterPath& region) {
    if (!m_frame || m_frameWidth <= 0 || m_frameHeight <= 0) return;
    // The pen is centred on the outline: twice as wide and clipped to the region, its
    // inner half is the frame.
    QPen pen(ui::toQColor(m_frameColour));
    pen.setWidth(2 * std::max(m_frameWidth, m_frameHeight));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.save();
    painter.setClipPath(region);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen);
    painter.drawPath(region);
    painter.restore();
}

QImage CPPToolTip::composeTip() {
    QImage layer(size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    if (m_background.isNull()) return layer;

    QImage body = m_background.copy();
    {
        ui::DrawContext dc(body);
        html::DrawContextCanvas canvas(dc);
        m_drawer.LayoutHtml(canvas, m_shown.text);
        m_drawer.PaintHtml(canvas, m_textBox);
    }
    const QPainterPath path = tipPath();
    {
        QPainter p(&body);
        FrameTipRegion(p, path);
    }
    QPainter p(&layer);
    const int transparency = std::clamp(m_transparency, 0, 100);
    if (m_shadowX || m_shadowY) {
        // Grey of the darkness, lightened towards white as the tip fades, blurred by the
        // drawing manager's shadow into black of matching opacity.
        const int grey = 255 * (100 - m_shadowDarkness) / 100;
        const int shade = grey + (255 - grey) * transparency / 100;
        QImage mask(layer.size(), QImage::Format_RGB32);
        mask.fill(Qt::white);
        {
            QPainter m(&mask);
            m.translate(m_shadowX, m_shadowY);
            m.fillPath(path, QColor(shade, shade, shade));
        }
        QImage shadow(layer.size(), QImage::Format_ARGB32);
        shadow.fill(Qt::white);
        {
            ui::DrawContext dc(shadow);
            m_drawManager.DrawShadow(dc, 0, 0, shadow.width(), shadow.height(), mask,
                                     m_shadowGradient, m_shadowBlurX, m_shadowBlurY);
        }
        for (int y = 0; y < shadow.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
            for (int x = 0; x < shadow.width(); ++x) line[x] = qRgba(0, 0, 0, 255 - qBlue(line[x]));
        }
        p.drawImage(0, 0, shadow);
    }
    p.setClipPath(path);
    p.setOpacity((100 - transparency) / 100.0);
    p.drawImage(0, 0, body);
    return layer;
}

void CPPToolTip::onPaint(ui::DrawContext& dc) {
    const QImage layer = composeTip();
    QPainter& p = dc.painter();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, layer);
    p.restore();
}

ui::CursorShape CPPToolTip::cursorAt(ui::Point p) {
    return m_drawer.TrackMouse(p.x, p.y) ? ui::CursorShape::Hand : ui::CursorShape::Arrow;
}
