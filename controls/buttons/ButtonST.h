#pragma once
// An owner-drawn push button or check box: icon or bitmaps, flat look with hover, six state
// colours, tooltip, drop-down menu or link target, embossed text when disabled.
//
//   auto* b = new CButtonST(u"Open", parent);
//   b->SetIcon(icon);  b->SetTooltipText(u"Open a project");
//   b->SetMenu(kMenuId, owner);      // the chosen command is posted to `owner`
//   b->SetBitmaps(kBmpOpen, ui::rgb(255, 0, 255), buttons::kAutoGrey);  // grey when not hovered
#include <QImage>
#include <QPushButton>
#include <array>
#include <functional>

#include "controls/buttons/ButtonBitmaps.h"
#include "controls/buttons/ButtonState.h"
#include "controls/resizable/ResizeSupport.h"
#include "platform/ui/DrawContext.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ToolTip.h"
#include "platform/ui/Window.h"

namespace buttons {
struct MenuCallback {
    ui::MenuItem* popup = nullptr;
    long parameter = 0;
};
}  // namespace buttons

class CButtonST : public ui::WindowOf<QPushButton>, public resizable::ResizeSupport {
  public:
    // `style`: the button type the window had (0 push button, 1 default, 2/3 check box).
    explicit CButtonST(std::u16string_view text, QWidget* parent = nullptr, unsigned style = 0);

    bool paintsItself() const override { return true; }

    int SetColor(int index, ui::ColourRef colour, bool repaint = true);
    void SetDefaultColors(bool repaint = true);
    int SetPressedStyle(int style, bool repaint = true);
    void SetCheck(int check, bool repaint = true);
    int GetCheck() const { return state_.GetCheck(); }
    int SetFontWeight(int weight) { return state_.SetFontWeight(weight); }
    void SetFlat(bool flat) { flat_ = flat; update(); }
    void SetAlign(int align) { align_ = align; update(); }
    void SetIcon(const QImage& in, const QImage& out = {});
    // Bitmaps 0 (hovered or pressed), 1 (normal) and 2 (disabled) from the "BITMAP"
    // resources, each with its transparent colour; 0 leaves one out, buttons::kAutoGrey
    // and buttons::kAutoDarker derive out and disabled from the in bitmap. Earlier images
    // are freed first; a bitmap that cannot be read frees all and answers 1.
    int SetBitmaps(int idIn, ui::ColourRef transIn, int idOut = 0, ui::ColourRef transOut = {},
                   int idDisabled = 0, ui::ColourRef transDisabled = {});
    int SetBitmaps(const QImage& in, ui::ColourRef transIn, const QImage& out = {},
                   ui::ColourRef transOut = {}, const QImage& disabled = {},
                   ui::ColourRef transDisabled = {});
    const buttons::ButtonBitmap& bitmap(int index) const { return bitmaps_.at(index); }
    // The parent shows beneath the button instead of its own background.
    void DrawTransparent(bool repaint = true);
    bool isTransparent() const { return transparent_; }
    // Creates the tooltip on first use (inactive, tips at most 400 pixels wide), adds the
    // tool covering the button, sets its text and activates it as asked.
    void SetTooltipText(std::u16string_view text, bool activate = true);
    void SetTooltipText(int textId, bool activate = true);
    // The balloon look for a tooltip created later.
    void EnableBalloonTooltip() { tipStyle_ |= ui::kTipBalloon; }
    ui::ToolTip* tooltip() const { return tooltip_; }

    // In a resizable layout: a transparent button must not be clipped out of the erased
    // background, since that background is what it shows. Asked at every pass, as the
    // mode can change.
    bool resizeProperties(resizable::ResizeProperties& properties) const override;
    std::optional<bool> likesClipping() const override { return !transparent_; }
    void SetURL(std::u16string_view url) { state_.SetURL(url); }
    void SetMenu(int menuId, ui::Window* owner);
    // Before the menu shows, `target` is notified with code `message` and a MenuCallback
    // holding the submenu about to show (changes to it show) and `parameter`.
    void SetMenuCallback(ui::Window* target, int message, long parameter = 0);
    void FreeResources();
    // The character set of every button's text; answers the previous one.
    static std::uint8_t SetCharSet(std::uint8_t charSet) { return buttons::ButtonState::SetCharSet(charSet); }
    bool hovered() const { return hovered_; }
    const buttons::ButtonState& state() const { return state_; }

    // Chooses a command of the first submenu at a screen point; 0 for none. Replaceable
    // so that tests choose instead of a person.
    using MenuTracker = std::function<int(const ui::MenuItem& popup, QPoint at)>;
    void setMenuTracker(MenuTracker tracker) { tracker_ = std::move(tracker); }

  protected:
    virtual void DrawBackground(ui::DrawContext& dc, const ui::Rect& r);
    virtual void DrawBorder(ui::DrawContext& dc, const ui::Rect& r);
    virtual void DrawTheIcon(ui::DrawContext& dc, bool hasText, const ui::Rect& item, ui::Rect& caption,
                     bool disabled);
    virtual void DrawTheBitmap(ui::DrawContext& dc, bool hasText, const ui::Rect& item,
                               ui::Rect& caption, bool disabled);
    virtual void DrawTheText(ui::DrawContext& dc, std::u16string_view text, ui::Rect caption, bool disabled);
    // The colours of a disabled label at `place`: the relief drawn one pixel down and to the
    // right, and the label above it; the 3-D highlight and shadow.
    virtual void DisabledTextColours(const ui::Rect& place, ui::ColourRef& relief,
                                     ui::ColourRef& label) const;

    void onPaint(ui::DrawContext& dc) override;
    bool onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods mods, int wheel) override;
    void onEnable(bool enabled) override;
    void onFocus(bool gained) override;
    void onSysColourChange() override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;

    bool pressedNow() const;
    bool hovered_ = false;
    bool flat_ = true;

  private:
    void clicked();
    void endHover();
    int trackMenu(const ui::MenuItem& popup, QPoint at);

    buttons::ButtonState state_;
    int align_ = buttons::kImageLeft;
    bool drawBorder_ = true;
    bool focusWhenFlat_ = false;
    bool menuShowing_ = false;
    ui::ColourRef borderColour_{buttons::kSystemBorderColours};
    QImage iconIn_, iconOut_;
    std::array<buttons::ButtonBitmap, 3> bitmaps_;
    bool useDisabledBitmap_ = true;
    bool transparent_ = false;
    ui::ToolTip* tooltip_ = nullptr;  // a child of the button
    unsigned tipStyle_ = 0;
    int menuId_ = 0;
    QPointer<QWidget> menuOwner_;  // windows that are gone get nothing
    QPointer<QWidget> callbackTarget_;
    int callbackMessage_ = 0;
    long callbackParameter_ = 0;
    MenuTracker tracker_;
};
