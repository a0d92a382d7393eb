#pragma once
// Keeps the children of a window anchored when it is resized (the arithmetic lives in
// LayoutMath). A mix-in: the window class supplies itself through GetLayoutWindow.
//
//   class CMyView : public ui::WindowOf<QWidget>, public CResizableLayout {
//       QWidget* GetLayoutWindow() override { return this; }
//       void onSize(ui::Size) override { ArrangeChildren(); }
//   };
//   view->AddAnchor(list, resizable::kTopLeft, resizable::kBottomRight);
#include <QRect>
#include <vector>

#include "controls/resizable/LayoutMath.h"

class QWidget;

class CResizableLayout {
  public:
    virtual ~CResizableLayout() = default;

    void AddAnchor(QWidget* child, resizable::AnchorType topLeft,
                   resizable::AnchorType bottomRight = resizable::kNoAnchor);
    void ArrangeChildren();

  protected:
    virtual bool NeedsRepaint(const resizable::LayoutInfo& info, const resizable::Box& oldRect,
                              const resizable::Box& newRect) const;
    virtual QRect GetLayoutClientRect();
    virtual QWidget* GetLayoutWindow() = 0;

  private:
    std::vector<resizable::LayoutInfo> anchors_;
};
