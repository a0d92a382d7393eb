#pragma once
// A static control whose text is HTML-like markup, drawn by its own HTML drawer: default
// styles for the body text and links, the text block aligned by the static style, an
// engraved look while disabled, links with the hand cursor and hover effects.
//
//   auto* s = new CPPHtmlStatic(dialog, u"Heat load <b>after</b> <a href=\"https://...\">EN 12831</a>",
//                               html::staticStyle::Centre);
//   s->setGeometry(10, 10, 300, 40);
//   s->SetTextColor(ui::rgb(0, 0, 128));       // the whole text, unless the markup says otherwise
//
// Transparent (the default): the control paints no background, so the parent shows
// beneath it, also when the parent changes later. Opaque: the background colour.
#include <QWidget>
#include <string>

#include "controls/html/PPHtmlDrawer.h"
#include "controls/html/core/StaticAlign.h"
#include "platform/ui/Font.h"
#include "platform/ui/Window.h"

class CPPHtmlStatic : public ui::WindowOf<QWidget> {
  public:
    static constexpr unsigned kAnimationTimer = 260;
    static constexpr unsigned kAnimationMs = 100;
    static constexpr std::int64_t kNoColour = -1;
    enum BkMode { Transparent = 1, Opaque = 2 };

    explicit CPPHtmlStatic(QWidget* parent = nullptr, std::u16string text = {},
                           unsigned style = html::staticStyle::Left);
    ~CPPHtmlStatic() override;

    void SetAlign(unsigned flags);
    void SetBkColor(ui::ColourRef colour);
    void SetBkMode(int mode);
    // kNoColour: the markup's own colours.
    void SetTextColor(std::int64_t colour);
    void SetHyperlinkStyle(ui::ColourRef link, bool linkUnderlined, ui::ColourRef hover,
                           bool hoverUnderlined);
    void SetFont(const ui::FontSpec& font);
    const ui::FontSpec& GetFont() const { return m_font; }
    void SetWindowText(std::u16string text);
    const std::u16string& GetWindowText() const { return m_text; }

    // The markup as drawn: with a text colour, wrapped in a font element of that colour.
    std::u16string markup() const;
    ui::Rect textRect() const { return m_textRect; }
    CPPHtmlDrawer& drawer() { return m_drawer; }

  protected:
    void onAttached() override;
    void onPaint(ui::DrawContext& dc) override;
    bool onEraseBackground(ui::DrawContext&) override { return true; }
    bool onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods mods, int wheel) override;
    ui::CursorShape cursorAt(ui::Point p) override;
    void onTimer(unsigned id) override;
    void onEnable(bool enabled) override;

  private:
    void redraw();

    CPPHtmlDrawer m_drawer;
    unsigned m_style;
    ui::Rect m_textRect;
    unsigned m_align = 0;
    std::u16string m_text;
    bool m_enabled = true;
    ui::FontSpec m_font;
    std::int64_t m_textColour = kNoColour;
    ui::ColourRef m_bkColour{0xFFFFFF};
    int m_bkMode = Transparent;
};
