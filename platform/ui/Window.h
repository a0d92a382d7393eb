#pragma once
// The window base. A window of the program is a Qt widget class of ours deriving from
// ui::WindowOf<QtBase> (QWidget, QLineEdit, QPushButton, QDialog, ...). It overrides the
// hooks below instead of Qt's event functions; each hook runs inside the exception barrier.
//
//   class CMyCtrl : public ui::WindowOf<QWidget> {
//       void onPaint(ui::DrawContext& dc) override { ... }
//       bool onMouse(ui::MouseKind k, ui::Point p, ui::KeyMods m, int wheel) override;
//       void onTimer(unsigned id) override { ... }
//   };
//   ctrl->setControlId(1000);                        // the id owners see in notifications
//   long r = notifyOwner(-100, GridCellInfo{r, c});  // synchronous, answers the owner's result
//   ui::postCommand(*owner, 1000, 0, this);          // arrives after the current handler
//
// The owner is set with setOwner(); without one it is the nearest ui::Window among the
// parent widgets. A hook that answers false lets the Qt base class handle the event.
// Painting: a WindowOf<QWidget> paints itself through onPaint; other bases keep Qt's
// painting unless paintsItself() answers true.
#include <QPointer>
#include <QWidget>
#include <any>
#include <string>

#include "platform/ui/DrawContext.h"
#include "platform/ui/ExceptionBarrier.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Messages.h"

namespace ui {

class Window;

struct Notification {
    Window* from = nullptr;
    int id = 0;    // control id of the sender
    int code = 0;  // notification code
    std::any payload;  // the record of the code, e.g. a grid cell (std::any_cast to read)
};

class Window {
  public:
    virtual ~Window();
    virtual QWidget* widget() = 0;
    const QWidget* widget() const { return const_cast<Window*>(this)->widget(); }

    int controlId() const;
    void setControlId(int id);
    Window* owner() const;
    void setOwner(Window* owner);
    // Calls the owner's onNotify at once and answers its result (0 without an owner).
    long notifyOwner(int code, std::any payload = {});

    // Hooks.
    virtual void onAttached() {}  // once, before the window is first shown
    virtual void onPaint(DrawContext&) {}
    virtual bool onEraseBackground(DrawContext&) { return false; }
    virtual bool onMouse(MouseKind, Point, KeyMods, int /*wheelDelta*/) { return false; }
    virtual bool onKeyDown(Key, KeyMods) { return false; }
    virtual bool onChar(char32_t) { return false; }
    virtual void onTimer(unsigned /*id*/) {}
    virtual void onSize(Size) {}
    virtual void onFocus(bool /*gained*/) {}
    virtual void onCaptureLost() {}
    virtual void onSysColourChange() {}
    virtual void onEnable(bool) {}
    virtual long onNotify(const Notification&) { return 0; }
    virtual bool onCommand(int /*id*/, int /*notifyCode*/, Window* /*from*/) { return false; }
    virtual CursorShape cursorAt(Point) { return CursorShape::Keep; }

    // Timers of this window on the current ui::TimerClock (see Timers.h).
    void setTimer(unsigned id, unsigned ms);
    void killTimer(unsigned id);
    bool timerRunning(unsigned id) const;
    // Delivers an expiry to onTimer inside the barrier (called by the clocks).
    void deliverTimer(unsigned id);

    void invalidate();
    void invalidate(const Rect& r);
    void redrawNow();
    void captureMouse();
    void releaseCapture();  // runs onCaptureLost when the window held the capture
    bool hasCapture() const { return capture_; }
    Rect clientRect() const;
    Point toScreen(Point p) const;
    Point fromScreen(Point p) const;

  protected:
    // "Handled as if this character had been typed": the base control gets it directly.
    virtual void passCharToBase(char32_t ch) = 0;
    void captureLost();

  private:
    QPointer<QWidget> owner_;
    bool capture_ = false;
};

// Control ids on any widget, also plain Qt ones inside dialogs.
void setControlId(QWidget* w, int id);
int controlId(const QWidget* w);  // 0 when none was set
// The first descendant with the id (depth first), or nullptr.
QWidget* child(QWidget* parent, int id);
bool enableChild(QWidget* parent, int id, bool enable);
bool showChild(QWidget* parent, int id, bool show);
bool setChildText(QWidget* parent, int id, std::u16string_view text);
std::u16string childText(QWidget* parent, int id);
// The ui::Window of a widget, or nullptr.
Window* windowOf(QWidget* w);

// A window whose painting failed is not painted again: its error was reported once, and
// each repaint would only raise it anew. Kept on the widget, so that the barrier of every
// widget honours it (WindowOf<> and ui::GuardedApplication).
void stopPainting(QWidget* w);
bool paintingStopped(const QWidget* w);

// Calls target.onCommand now, inside the barrier; answers whether it was handled.
bool sendCommand(Window& target, int commandId, int notifyCode = 0, Window* from = nullptr);
// Queues target.onCommand behind the current handler. Dropped when the target is gone by
// then; `from` arrives as nullptr when it is gone.
void postCommand(Window& target, int commandId, int notifyCode = 0, Window* from = nullptr);

}  // namespace ui

#include "platform/ui/WindowOf.h"
