#pragma once
// The tooltip control of one window: a single tool covering the window's client area,
// shown through Qt's tooltip while the mouse rests on the window and the control is
// active. Tips wider than the maximum tip width wrap; the balloon style gives the tip a
// rounded frame.
//
//   auto tip = std::make_unique<ui::ToolTip>(*button, ui::kTipBalloon);  // inactive
//   tip->setMaxTipWidth(400);
//   tip->addTool(u"Opens the project");
//   tip->activate(true);
#include <QObject>
#include <QString>
#include <string>

class QWidget;

namespace ui {

inline constexpr unsigned kTipBalloon = 0x40;

class ToolTip : public QObject {
  public:
    ToolTip(QWidget& window, unsigned style);
    ~ToolTip() override;

    unsigned style() const { return style_; }
    bool balloon() const { return (style_ & kTipBalloon) != 0; }
    void setMaxTipWidth(int pixels) { maxWidth_ = pixels; }
    int maxTipWidth() const { return maxWidth_; }

    bool hasTool() const { return hasTool_; }
    void addTool(std::u16string_view text);
    void updateTipText(std::u16string_view text);
    const std::u16string& text() const { return text_; }
    void activate(bool active) { active_ = active; }
    bool active() const { return active_; }

    // The tip as shown: plain text, or rich text of the maximum width when it is wider.
    QString tipText() const;
    // Shows the tip at a screen point now, as when the mouse rests there; answers whether
    // a tip shows.
    bool showAt(const QPoint& globalPos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    QWidget* styleHost_ = nullptr;  // carries the balloon look to Qt's tip
    unsigned style_;
    int maxWidth_ = -1;
    bool hasTool_ = false;
    bool active_ = false;
    std::u16string text_;
};

}  // namespace ui
