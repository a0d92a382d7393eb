#pragma once
// Keeps the children of a window anchored when it is resized (the arithmetic lives in
// LayoutMath). A mix-in: the window class supplies itself through GetLayoutWindow.
//
//   class CMyView : public ui::WindowOf<QWidget>, public CResizableLayout {
//       QWidget* GetLayoutWindow() override { return this; }
//       void onSize(ui::Size) override { ArrangeChildren(); }
//   };
//   view->AddAnchor(list, resizable::kTopLeft, resizable::kBottomRight);
//
// Whether a child may be clipped out of the erased background and whether it needs a
// repaint after a move come from the child itself when it implements
// resizable::ResizeSupport, else from the rules of the desktop class it stands for.
#include <QRect>
#include <QRegion>
#include <vector>

#include "controls/resizable/LayoutMath.h"

class QWidget;
namespace ui {
class DrawContext;
}

class CResizableLayout {
  public:
    virtual ~CResizableLayout() = default;

    void AddAnchor(QWidget* child, resizable::AnchorType topLeft,
                   resizable::AnchorType bottomRight = resizable::kNoAnchor);
    // A record that PlaceCallbackChild fills (child, anchors, margins) at every pass.
    void AddAnchorCallback(unsigned callbackId);
    void ArrangeChildren();

    // The client area less the children that may be clipped, plus those that may not.
    void GetClippingRegion(QRegion& region);
    // Fills the clipping region with the window's background.
    void EraseClippedBackground(ui::DrawContext& dc);

  protected:
    virtual void InitChildProperties(resizable::LayoutInfo& info) const;
    virtual bool AllowsClipping(const resizable::LayoutInfo& info) const;
    virtual bool NeedsRepaint(const resizable::LayoutInfo& info, const resizable::Box& oldRect,
                              const resizable::Box& newRect) const;
    virtual QRect GetLayoutClientRect();
    // Answers whether the callback record's child is to be placed now.
    virtual bool PlaceCallbackChild(resizable::LayoutInfo& /*info*/) { return false; }
    virtual QWidget* GetLayoutWindow() = 0;

  private:
    void place(const resizable::LayoutInfo& info, const resizable::Box& client);

    std::vector<resizable::LayoutInfo> anchors_;
    std::vector<resizable::LayoutInfo> callbacks_;
};
