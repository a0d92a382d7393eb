#pragma once
// A static text with its own colours and font, an optional gradient background, 3-D and
// rotated text, flashing and link behaviour. Every setter answers the label so calls
// chain:  label.SetTextColor(ui::rgb(0, 0, 128)).SetFontBold(true).SetFontSize(14);
#include <QWidget>
#include <string>

#include "controls/small/core/LabelLogic.h"
#include "platform/ui/Font.h"
#include "platform/ui/Window.h"

class CLabel : public ui::WindowOf<QWidget> {
  public:
    // The notification code the owner gets for a click when the label notifies.
    static constexpr int kKlickCode = 33280;
    static constexpr unsigned kBlinkTimer = 1;
    static constexpr unsigned kBlinkMs = 500;

    explicit CLabel(QWidget* parent = nullptr, std::u16string text = {},
                    small::StaticStil stil = small::StaticStil::Links);

    virtual CLabel& SetBkColor(ui::ColourRef farbe, ui::ColourRef endFarbe = {},
                               bool verlauf = false);
    virtual CLabel& SetTextColor(ui::ColourRef farbe);
    virtual CLabel& SetText(std::u16string text);
    virtual CLabel& SetFontBold(bool fett);
    virtual CLabel& SetFontName(std::u16string name, std::uint8_t zeichensatz = 0);
    virtual CLabel& SetFontUnderline(bool an);
    virtual CLabel& SetFontItalic(bool an);
    virtual CLabel& SetFontSize(int punkte);
    virtual CLabel& SetSunken(bool an);
    virtual CLabel& SetBorder(bool an);
    virtual CLabel& SetTransparent(bool an);
    virtual CLabel& FlashText(bool an);
    virtual CLabel& FlashBackground(bool an);
    virtual CLabel& SetLink(bool an, bool melden);
    virtual CLabel& SetLinkCursor(ui::CursorShape cursor);
    virtual CLabel& SetText3D(bool an, int richtung = 0);
    virtual CLabel& SetRotationAngle(int grad, bool gedreht);
    virtual CLabel& SetText3DColor(ui::ColourRef farbe);
    virtual CLabel& SetFont(const ui::FontSpec& font);
    virtual CLabel& SetMailLink(bool an, bool melden);
    virtual CLabel& SetLinkURL(std::u16string adresse);

    const std::u16string& text() const { return m_strText; }
    ui::ColourRef textColour() const { return m_crText; }
    const ui::FontSpec& fontSpec() const { return m_lf; }

  protected:
    void onPaint(ui::DrawContext& dc) override;
    bool onEraseBackground(ui::DrawContext&) override { return true; }
    void onTimer(unsigned id) override;
    bool onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods mods, int wheel) override;
    ui::CursorShape cursorAt(ui::Point) override { return m_hCursor; }
    void onSysColourChange() override;

  private:
    void neuZeichnen();
    void maleHintergrund(ui::DrawContext& dc, const ui::Rect& r) const;
    ui::ColourRef gemalterHintergrund() const;
    void maleText(ui::DrawContext& dc, ui::Rect r) const;
    void maleRahmen(ui::DrawContext& dc, const ui::Rect& r) const;

    std::u16string m_strText;
    small::StaticStil m_stil;
    ui::ColourRef m_crText;
    ui::ColourRef m_cr3DText{0xFFFFFF};
    ui::ColourRef m_crStandardHintergrund;
    bool m_bHintergrundPinsel = false;  // a solid brush of the background colour
    ui::FontSpec m_lf;
    bool m_bBlinkZustand = false;
    small::LinkArt m_link = small::LinkArt::Keiner;
    bool m_bTransparent = false;
    bool m_bText3D = false;
    bool m_bMelden = false;
    bool m_bGedreht = false;
    small::Blinken m_blinken = small::Blinken::Aus;
    ui::CursorShape m_hCursor = ui::CursorShape::Keep;
    bool m_bVerlauf = false;
    ui::ColourRef m_crVerlaufEnde{};
    ui::ColourRef m_crHintergrund{};
    int m_n3DRichtung = 0;
    std::u16string m_strLinkAdresse;
    bool m_bVertieft = false;
    bool m_bRahmen = false;
};
