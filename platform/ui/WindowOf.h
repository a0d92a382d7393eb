#pragma once
// ui::WindowOf<QtBase>: the Qt side of ui::Window. Included by Window.h; read that first.
// It translates Qt's events into the hooks of ui::Window, each inside the exception
// barrier, and keeps Qt's own handling where a hook answers false.
#include "platform/ui/Window.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QShowEvent>
#include <QWheelEvent>
#include <type_traits>

namespace ui {

Msg msgOfEvent(const QEvent* e);

template <class QtBase>
class WindowOf : public QtBase, public Window {
  public:
    using QtBase::QtBase;
    using Window::killTimer;  // the timers by id, not QObject's
    QWidget* widget() override { return this; }

    // Whether onPaint draws the whole window (else Qt's painting of QtBase runs).
    virtual bool paintsItself() const { return std::is_same_v<QtBase, QWidget>; }

  protected:
    bool event(QEvent* e) override {
        // Last line: a handler of a derived class that overrides a Qt function directly.
        bool result = true;
        if (!guarded(msgOfEvent(e), [&] { result = QtBase::event(e); })) {
            if (e->type() == QEvent::Paint) stopPainting(this);
            return true;
        }
        return result;
    }

    void paintEvent(QPaintEvent* e) override {
        if (paintingStopped(this)) return;
        if (!paintsItself()) {
            QtBase::paintEvent(e);
            return;
        }
        if (!guarded(Msg::Paint, [&] {
                DrawContext dc(*static_cast<QWidget*>(this));
                onEraseBackground(dc);
                onPaint(dc);
            }))
            stopPainting(this);
    }

    void mousePressEvent(QMouseEvent* e) override {
        if (!mouse(pressKind(e->button()), e)) QtBase::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (!mouse(releaseKind(e->button()), e)) QtBase::mouseReleaseEvent(e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        const MouseKind k = e->button() == Qt::RightButton ? MouseKind::RightDouble
                            : e->button() == Qt::LeftButton ? MouseKind::LeftDouble
                                                            : MouseKind::MiddleDown;
        if (!mouse(k, e)) QtBase::mouseDoubleClickEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const Point p = fromQPoint(e->position().toPoint());
        guarded(Msg::SetCursor, [&] {
            const CursorShape c = cursorAt(p);
            if (c != CursorShape::Keep) this->setCursor(toQtCursor(c));
        });
        if (!mouse(MouseKind::Move, e)) QtBase::mouseMoveEvent(e);
    }
    void wheelEvent(QWheelEvent* e) override {
        bool handled = false;
        if (!guarded(Msg::MouseWheel, [&] {
                handled = onMouse(MouseKind::Wheel, fromQPoint(e->position().toPoint()),
                                  modsFromQt(e->modifiers()), e->angleDelta().y());
            }))
            handled = true;
        if (!handled) QtBase::wheelEvent(e);
    }
    void leaveEvent(QEvent* e) override {
        guarded(Msg::MouseLeave, [&] { onMouse(MouseKind::Leave, {}, {}, 0); });
        QtBase::leaveEvent(e);
    }

    void keyPressEvent(QKeyEvent* e) override {
        bool handled = false;
        if (!guarded(Msg::KeyDown, [&] {
                handled = onKeyDown(keyFromQt(e->key()), modsFromQt(e->modifiers()));
                if (handled) return;
                const QList<uint> chars = e->text().toUcs4();
                for (uint c : chars) handled = onChar(static_cast<char32_t>(c)) || handled;
            }))
            handled = true;
        if (!handled) QtBase::keyPressEvent(e);
    }

    void focusInEvent(QFocusEvent* e) override {
        QtBase::focusInEvent(e);
        guarded(Msg::SetFocus, [&] { onFocus(true); });
    }
    void focusOutEvent(QFocusEvent* e) override {
        QtBase::focusOutEvent(e);
        if (hasCapture()) captureLost();
        guarded(Msg::KillFocus, [&] { onFocus(false); });
    }
    void resizeEvent(QResizeEvent* e) override {
        QtBase::resizeEvent(e);
        guarded(Msg::Size, [&] { onSize(fromQSize(e->size())); });
    }
    void changeEvent(QEvent* e) override {
        QtBase::changeEvent(e);
        switch (e->type()) {
            case QEvent::EnabledChange:
                guarded(Msg::Enable, [&] { onEnable(this->isEnabled()); });
                break;
            case QEvent::PaletteChange:
                guarded(Msg::SysColourChange, [&] { onSysColourChange(); });
                break;
            case QEvent::ActivationChange:
                if (hasCapture() && !this->isActiveWindow()) captureLost();
                break;
            default:
                break;
        }
    }
    void showEvent(QShowEvent* e) override {
        if (!attached_) {
            attached_ = true;
            this->setMouseTracking(true);
            if (!guarded(Msg::Create, [&] { onAttached(); })) creationFailed_ = true;
        }
        QtBase::showEvent(e);
        if (creationFailed_) {
            // Hidden once the show that is under way has ended; it never paints meanwhile.
            stopPainting(this);
            QMetaObject::invokeMethod(this, [this] { this->hide(); }, Qt::QueuedConnection);
        }
    }

    void passCharToBase(char32_t ch) override {
        const QString text = QString::fromUcs4(&ch, 1);
        QKeyEvent ev(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QtBase::keyPressEvent(&ev);
    }

  private:
    static MouseKind pressKind(Qt::MouseButton b) {
        return b == Qt::RightButton ? MouseKind::RightDown
               : b == Qt::LeftButton ? MouseKind::LeftDown
                                     : MouseKind::MiddleDown;
    }
    static MouseKind releaseKind(Qt::MouseButton b) {
        return b == Qt::RightButton ? MouseKind::RightUp
               : b == Qt::LeftButton ? MouseKind::LeftUp
                                     : MouseKind::MiddleUp;
    }
    // Answers whether the event is done with (handled, or the hook threw).
    bool mouse(MouseKind k, QMouseEvent* e) {
        bool handled = false;
        if (!guarded(msgOf(k), [&] {
                handled = onMouse(k, fromQPoint(e->position().toPoint()),
                                  modsFromQt(e->modifiers()), 0);
            }))
            return true;
        return handled;
    }

    bool attached_ = false;
    bool creationFailed_ = false;
};

}  // namespace ui
