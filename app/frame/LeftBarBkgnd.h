#pragma once
// The bar on the left of the main window with the eight large buttons of the main steps,
// on the colour of option "ColorBkgndHF".
#include <array>

#include "platform/ui/Window.h"

class CShadeButtonST;

class CLeftBarBkgnd : public ui::WindowOf<QWidget> {
  public:
    // One button: its command, its pictures (normal, hovered), its text and the text that
    // explains it on the background.
    struct SKnopf {
        int commandId;
        int bildNormal;
        int bildHover;
        unsigned textId;
        unsigned erklaerungId;
    };
    static constexpr std::size_t kAnzahl = 8;
    static const std::array<SKnopf, kAnzahl> kKnoepfe;

    explicit CLeftBarBkgnd(QWidget* parent = nullptr);

    // Makes the buttons in table order; false when one cannot be made.
    bool ErzeugeKnoepfe();
    CShadeButtonST* Knopf(std::size_t index) const { return m_knoepfe.at(index); }

  protected:
    bool onEraseBackground(ui::DrawContext& dc) override;

  private:
    std::array<CShadeButtonST*, kAnzahl> m_knoepfe{};
};
