#pragma once
// A pop-up that shows an HTML text when the mouse rests over a registered tool (a window,
// or a rectangle inside one): balloon or plain shape with an anchor pointing at the cursor,
// a background effect, a frame, a drop shadow, transparency and fading, placed so that it
// stays on the screen.
//
//   auto* tip = new CPPToolTip;                 // a top-level window of its own
//   tip->Create(dialog, true);                  // balloon shape; relays the dialog's input
//   tip->AddTool(explanation, u"<b>Heat pump</b><br>The outdoor unit ...");
//   tip->SetBehaviour(1);
//
// Create relays every input event of the owner's window to the tip (as the owner's message
// pre-translation would); RelayEvent can also be called directly. Timers: 256 initial delay,
// 257 auto-pop, 258 fade-in step, 259 fade-out step, 260 animation, on the layer's clock.
// Before a tip shows, the owner (when notifying is on) gets notification 1124 with a
// ToolTipNotification whose tool it may change.
//
// The screen beneath cannot be captured on every desktop: the tip is a translucent window
// painted with opacity 100 - transparency inside its shape, and the desktop composes it.
#include <QImage>
#include <QPainterPath>
#include <QPointer>
#include <QRegion>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "controls/html/PPDrawManager.h"
#include "controls/html/PPHtmlDrawer.h"
#include "controls/html/core/TipPlacement.h"
#include "platform/ui/Window.h"

// One tool. A field 5-11 whose mask bit is clear takes the tooltip's default when shown.
struct TipTool {
    enum Mask : std::uint32_t {
        MaskReserved = 1, MaskEffect = 2, MaskColours = 4, MaskDirection = 8,
        MaskBehaviour = 16, MaskTransparency = 32
    };
    std::uint32_t id = 0;
    ui::Rect rect;  // client coordinates of its window; empty: the whole window
    std::u16string text;
    std::uint32_t mask = 0;
    std::uint32_t reserved = 0;
    std::uint32_t direction = 0;
    std::uint32_t effect = 0;  // a fill effect of the drawing manager
    std::uint32_t behaviour = 0;
    std::uint8_t granularity = 0;  // with the effect
    std::uint8_t transparency = 0;  // percent
    std::uint32_t colourBegin = 0, colourMid = 0, colourEnd = 0;
};

// The record of notification 1124.
struct ToolTipNotification {
    QWidget* toolWindow = nullptr;
    QPoint* cursor = nullptr;  // screen
    TipTool* tool = nullptr;   // the queued tool; the receiver may change it
};

class CPPToolTip : public ui::WindowOf<QWidget> {
  public:
    // Behaviour flags.
    static constexpr std::uint32_t ShowAgainInTool = 1, FollowCursor = 2, KeepInTool = 4,
                                   MouseMayRestOnTip = 8, NoAutoPop = 16;
    enum class State { Hidden = 0, Appearing = 1, Shown = 2, Disappearing = 3 };
    enum DelayKind { AutoPop = 2, Initial = 3, FadeIn = 4, FadeOut = 5, Animation = 6 };
    static constexpr int kNotifyShowing = 1124;
    static constexpr unsigned kTimerInitial = 256, kTimerAutoPop = 257, kTimerFadeIn = 258,
                              kTimerFadeOut = 259, kTimerAnimation = 260;

    CPPToolTip();
    ~CPPToolTip() override;

    bool Create(QWidget* owner, bool balloon);
    void AddTool(QWidget* window, std::u16string text, ui::Rect rect = {}, std::uint32_t id = 0);
    void ClearTools();
    // Mouse, button, wheel and key events of the owner's windows.
    void RelayEvent(QEvent* event);

    void SetBehaviour(std::uint32_t flags) { m_defaultBehaviour = flags; }
    void SetDefaultDirection(int code) { m_defaultDirection = html::validDirection(code); }
    void SetBackgroundColours(ui::ColourRef all) { SetBackgroundColours(all, all, all); }
    void SetBackgroundColours(ui::ColourRef begin, ui::ColourRef mid, ui::ColourRef end);
    void SetDefaultEffect(int effect, int granularity);
    void SetFrame(ui::ColourRef colour, int width, int height);
    void RemoveFrame();
    void SetShadow(int offsetX, int offsetY, int darkness, bool gradient, int blurX, int blurY);
    void SetShapeSize(int index, int value);
    void UseBalloonShape(bool balloon);
    void SetNotifyParent(bool on) { m_notify = on; }
    void SetRedrawOnRequest(bool on) { m_redrawOnRequest = on; }
    // On: instead of tool texts, a table describing the window under the cursor.
    void SetWindowDetailsMode(bool on) { m_details = on; }
    std::u16string BuildWindowDetails(QPoint screen) const;
    // Kinds 2 auto-pop, 3 initial, 4 fade-in step, 5 fade-out step, 6 animation period;
    // others are ignored.
    void SetDelay(int kind, unsigned ms);

    virtual void FrameTipRegion(QPainter& painter, const QPainterPath& region);

    // Observation (the owner and tests).
    State state() const { return m_state; }
    int transparency() const { return m_transparency; }
    const html::TipPlacement& placement() const { return m_placement; }
    const QRegion& windowRegion() const { return m_region; }
    const TipTool& shownTool() const { return m_shown; }
    CPPHtmlDrawer& drawer() { return m_drawer; }

  protected:
    void onPaint(ui::DrawContext& dc) override;
    void onTimer(unsigned id) override;
    ui::CursorShape cursorAt(ui::Point p) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void relayMove(QPoint screen);
    void relayLeftDown(QPoint screen);
    bool findTool(QPoint screen, QWidget*& window, TipTool& tool) const;
    void queueWithDelay(QWidget* window, const TipTool& tool);
    void beginShow();
    bool showQueued();
    void applyDefaults(TipTool& tool) const;
    void buildBackground(const TipTool& tool);
    QPainterPath tipPath() const;
    void startHiding();
    void autoPopElapsed();
    void fadeOutStep();
    void restartAutoPop();
    void hideAtOnce();
    void forgetShown();
    // Where the tip goes for the cursor at m_lastPos, kept on the screen with its shadow.
    html::TipPlacement placed(int direction) const;
    void moveWithCursor();
    QImage composeTip();

    CPPHtmlDrawer m_drawer;
    CPPDrawManager m_drawManager;
    QPointer<QWidget> m_owner;
    bool m_created = false;
    bool m_notify = false;
    bool m_redrawOnRequest = true;
    bool m_details = false;
    std::map<QWidget*, std::vector<TipTool>> m_tools;

    QPointer<QWidget> m_shownWindow;
    TipTool m_shown;
    QPointer<QWidget> m_queuedWindow;
    TipTool m_queued;
    QPoint m_lastPos{-1000000, -1000000};
    State m_state = State::Hidden;
    int m_transparency = 0;
    bool m_pendingShow = false, m_pendingWithDelay = false;

    // Delays in milliseconds.
    unsigned m_autoPop = 5000;  // not a text id
    unsigned m_initial = 500, m_fadeInStep = 0, m_fadeOutStep = 0, m_animation = 100;
    bool m_fadeIn = true, m_fadeOut = true;

    std::uint32_t m_defaultBehaviour = 0, m_defaultEffect = 0, m_defaultReserved = 0;
    int m_defaultDirection = html::kDefaultDirection;
    std::uint8_t m_defaultGranularity = 0, m_defaultTransparency = 0;
    std::uint32_t m_colourBegin, m_colourMid, m_colourEnd;

    html::TipShape m_shape = html::balloonShape();
    ui::ColourRef m_frameColour;
    int m_frameWidth = 1, m_frameHeight = 1;
    bool m_frame = true;
    int m_shadowX = 6, m_shadowY = 6, m_shadowDarkness = 50, m_shadowBlurX = 7, m_shadowBlurY = 7;
    bool m_shadowGradient = true;

    html::TipPlacement m_placement;
    QRegion m_region;
    QImage m_background;  // window size without the shadow's growth
    html::TipExtent m_bounding;
    html::Box m_textBox;
};
