#pragma once
// The base of the main frame: a multiple-document frame whose MDI client is created with
// it, with size limits and a placement remembered in the profile. While the active child
// is maximised, the frame is never smaller than that child's minimum plus the frame's own
// bars and borders.
//
//   class CMainFrame : public CResizableMDIFrame { ... };
//   frame->SetMinTrackSize({640, 480});
//   frame->SetProfile(&appProfile);
//   frame->EnableSaveRestore(u"KelvoMainFrame", true);   // restores now, saves when destroyed
#include <QMainWindow>
#include <string>

#include "controls/resizable/SaveRestore.h"
#include "controls/resizable/SizeLimits.h"
#include "platform/ui/Window.h"

class QMdiArea;
class QMdiSubWindow;

class CResizableMDIFrame : public ui::WindowOf<QMainWindow> {
  public:
    explicit CResizableMDIFrame(QWidget* parent = nullptr);
    ~CResizableMDIFrame() override;

    // The MDI client; derived frames decorate it rather than replace it.
    QMdiArea* mdiArea() const;
    // The current child, also while the frame is not the active window; null without one.
    QMdiSubWindow* MDIGetActive() const;

    void SetMinTrackSize(resizable::Extent size);
    void SetMaxTrackSize(resizable::Extent size);
    void SetMaximizedRect(resizable::Extent position, resizable::Extent size);

    // The profile that keeps the placement; it must outlive the frame.
    void SetProfile(resizable::Profile* profile) { saveRestore_.setProfile(profile); }
    // Stores the section and flag, enables saving on destruction and restores at once;
    // answers whether a saved placement was restored.
    bool EnableSaveRestore(const std::u16string& section, bool rectOnly = false);

    // The frame's answer to the min/max query.
    virtual void GetMinMaxInfo(resizable::MinMaxInfo& info) const;
    // Applies the limits to the window; the children call it when they change state.
    void RecalcLimits();

  protected:
    void onSize(ui::Size size) override;

  private:
    resizable::CResizableMinMax limits_;
    resizable::SaveRestore saveRestore_;
};
