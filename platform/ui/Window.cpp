#include "platform/ui/Window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "platform/ui/Timers.h"

namespace ui {
namespace {

constexpr const char* kIdProperty = "ui_controlId";
constexpr const char* kPaintStoppedProperty = "ui_paintingStopped";

QString qs(std::u16string_view t) {
    return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
}

}  // namespace

Msg msgOfEvent(const QEvent* e) {
    switch (e->type()) {
        case QEvent::Paint: return Msg::Paint;
        case QEvent::MouseButtonPress: return Msg::LButtonDown;
        case QEvent::MouseButtonRelease: return Msg::LButtonUp;
        case QEvent::MouseButtonDblClick: return Msg::LButtonDblClk;
        case QEvent::MouseMove: return Msg::MouseMove;
        case QEvent::Wheel: return Msg::MouseWheel;
        case QEvent::KeyPress: return Msg::KeyDown;
        case QEvent::KeyRelease: return Msg::KeyUp;
        case QEvent::Timer: return Msg::Timer;
        case QEvent::Resize: return Msg::Size;
        case QEvent::FocusIn: return Msg::SetFocus;
        case QEvent::FocusOut: return Msg::KillFocus;
        case QEvent::Close: return Msg::Close;
        case QEvent::Show:
        case QEvent::Polish: return Msg::Create;
        default: return Msg::Unknown;
    }
}

void stopPainting(QWidget* w) {
    if (w) w->setProperty(kPaintStoppedProperty, true);
}

bool paintingStopped(const QWidget* w) {
    return w && w->property(kPaintStoppedProperty).toBool();
}

Window::~Window() {
    TimerClock::current().stopAll(*this);
}

int Window::controlId() const { return ui::controlId(widget()); }
void Window::setControlId(int id) { ui::setControlId(widget(), id); }

Window* Window::owner() const {
    if (owner_) return windowOf(owner_.data());
    for (QWidget* p = const_cast<QWidget*>(widget())->parentWidget(); p; p = p->parentWidget())
        if (Window* w = windowOf(p)) return w;
    return nullptr;
}

void Window::setOwner(Window* owner) { owner_ = owner ? owner->widget() : nullptr; }

long Window::notifyOwner(int code, std::any payload) {
    Window* o = owner();
    if (!o) return 0;
    Notification n{this, controlId(), code, std::move(payload)};
    return o->onNotify(n);
}

void Window::setTimer(unsigned id, unsigned ms) { TimerClock::current().start(*this, id, ms); }
void Window::killTimer(unsigned id) { TimerClock::current().stop(*this, id); }
bool Window::timerRunning(unsigned id) const { return TimerClock::current().running(*this, id); }

void Window::deliverTimer(unsigned id) {
    guarded(Msg::Timer, [&] { onTimer(id); });
}

void Window::invalidate() { widget()->update(); }
void Window::invalidate(const Rect& r) { widget()->update(toQRect(r)); }
void Window::redrawNow() { widget()->repaint(); }

void Window::captureMouse() {
    widget()->grabMouse();
    capture_ = true;
}

void Window::releaseCapture() {
    if (!capture_) return;
    widget()->releaseMouse();
    captureLost();
}

void Window::captureLost() {
    if (!capture_) return;
    capture_ = false;
    if (QWidget::mouseGrabber() == widget()) widget()->releaseMouse();
    guarded(Msg::CaptureChanged, [&] { onCaptureLost(); });
}

Rect Window::clientRect() const { return {0, 0, widget()->width(), widget()->height()}; }
Point Window::toScreen(Point p) const { return fromQPoint(widget()->mapToGlobal(toQPoint(p))); }
Point Window::fromScreen(Point p) const {
    return fromQPoint(widget()->mapFromGlobal(toQPoint(p)));
}

void setControlId(QWidget* w, int id) {
    if (w) w->setProperty(kIdProperty, id);
}

int controlId(const QWidget* w) {
    if (!w) return 0;
    const QVariant v = w->property(kIdProperty);
    return v.isValid() ? v.toInt() : 0;
}

QWidget* child(QWidget* parent, int id) {
    if (!parent) return nullptr;
    const auto all = parent->findChildren<QWidget*>();
    for (QWidget* w : all)
        if (controlId(w) == id) return w;
    return nullptr;
}

bool enableChild(QWidget* parent, int id, bool enable) {
    QWidget* w = child(parent, id);
    if (w) w->setEnabled(enable);
    return w != nullptr;
}

bool showChild(QWidget* parent, int id, bool show) {
    QWidget* w = child(parent, id);
    if (w) w->setVisible(show);
    return w != nullptr;
}

bool setChildText(QWidget* parent, int id, std::u16string_view text) {
    QWidget* w = child(parent, id);
    if (!w) return false;
    const QString t = qs(text);
    if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(t);
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(t);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(t);
    else if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable())
        c->setEditText(t);
    else if (auto* te = qobject_cast<QTextEdit*>(w))
        te->setPlainText(t);
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(w))
        pe->setPlainText(t);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(t);
    else
        w->setWindowTitle(t);
    return true;
}

std::u16string childText(QWidget* parent, int id) {
    QWidget* w = child(parent, id);
    if (!w) return {};
    QString t;
    if (auto* l = qobject_cast<QLabel*>(w))
        t = l->text();
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        t = e->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        t = b->text();
    else if (auto* c = qobject_cast<QComboBox*>(w))
        t = c->currentText();
    else if (auto* te = qobject_cast<QTextEdit*>(w))
        t = te->toPlainText();
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(w))
        t = pe->toPlainText();
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        t = g->title();
    else
        t = w->windowTitle();
    return t.toStdU16String();
}

Window* windowOf(QWidget* w) { return dynamic_cast<Window*>(w); }

bool sendCommand(Window& target, int commandId, int notifyCode, Window* from) {
    bool handled = false;
    guarded(Msg::Command, [&] { handled = target.onCommand(commandId, notifyCode, from); });
    return handled;
}

void postCommand(Window& target, int commandId, int notifyCode, Window* from) {
    QPointer<QWidget> sender = from ? from->widget() : nullptr;
    QWidget* receiver = target.widget();
    // The receiver is the context object: Qt drops the call when it is destroyed first.
    QMetaObject::invokeMethod(
        receiver,
        [receiver, sender, commandId, notifyCode] {
            Window* t = windowOf(receiver);
            if (!t) return;
            sendCommand(*t, commandId, notifyCode, sender ? windowOf(sender.data()) : nullptr);
        },
        Qt::QueuedConnection);
}

}  // namespace ui
