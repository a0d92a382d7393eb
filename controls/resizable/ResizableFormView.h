#pragma once
// A form whose controls stay anchored when it is resized, with a size grip in the
// bottom-right corner shown exactly while the frame is not maximised, no scroll bars are
// needed and the form reaches the frame's bottom-right corner; and a minimum size.
#include <QWidget>

#include "controls/resizable/GripState.h"
#include "controls/resizable/ResizableLayout.h"
#include "controls/resizable/SizeLimits.h"
#include "platform/ui/Window.h"

class QSizeGrip;

class CResizableFormView : public ui::WindowOf<QWidget>, public CResizableLayout {
  public:
    explicit CResizableFormView(QWidget* parent = nullptr);

    // The size the form needs without scroll bars.
    void SetScrollSize(resizable::Extent size) { scrollSize_ = size; }
    void SetMinTrackSize(resizable::Extent size);
    void SetInitialLayoutDone() { initialLayoutDone_ = true; }
    bool gripVisible() const { return grip_.visible(); }
    QSizeGrip* gripWindow() const { return gripWindow_; }

  protected:
    QWidget* GetLayoutWindow() override { return this; }
    void onSize(ui::Size size) override;
    // The background goes only where no clippable child covers it.
    bool onEraseBackground(ui::DrawContext& dc) override;
    // Return and keypad Enter click the focused push button, as Space does: outside a
    // dialog the toolkit's buttons leave them to the form.
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void placeGrip();

    resizable::CResizableGrip grip_;
    resizable::CResizableMinMax limits_;
    unsigned gripStatus_ = resizable::kGripAllConditions;
    resizable::Extent scrollSize_;
    QSizeGrip* gripWindow_ = nullptr;
    bool initialLayoutDone_ = false;
};
