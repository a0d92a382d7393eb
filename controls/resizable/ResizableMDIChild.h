#pragma once
// The base of the project windows: an MDI child whose limits respect those of its view
// (the view's minimum and maximum plus the child's title and borders), with a placement
// remembered in the profile. Maximising it makes its frame recompute its own limits.
//
//   class CChildFrame : public CResizableMDIChild { ... };
//   auto* child = new CChildFrame;
//   child->setWidget(view);
//   frame->mdiArea()->addSubWindow(child);
//   child->showMaximized();
#include <QMdiSubWindow>
#include <string>

#include "controls/resizable/SaveRestore.h"
#include "controls/resizable/SizeLimits.h"
#include "platform/ui/Window.h"

class CResizableMDIFrame;

class CResizableMDIChild : public ui::WindowOf<QMdiSubWindow> {
  public:
    explicit CResizableMDIChild(QWidget* parent = nullptr);
    ~CResizableMDIChild() override;

    void SetMinTrackSize(resizable::Extent size);
    void SetMaxTrackSize(resizable::Extent size);
    void SetMaximizedRect(resizable::Extent position, resizable::Extent size);

    // The profile that keeps the placement; it must outlive the child.
    void SetProfile(resizable::Profile* profile) { saveRestore_.setProfile(profile); }
    // Stores the section and flag, enables saving on destruction and restores at once;
    // answers whether a saved placement was restored.
    bool EnableSaveRestore(const std::u16string& section, bool rectOnly = false);

    // The view in the child (ui::Window's widget() is the child itself).
    QWidget* GetActiveView() const { return QMdiSubWindow::widget(); }
    // The frame holding the child's MDI client, or null.
    CResizableMDIFrame* GetMDIFrame() const;

    // The child's answer to the min/max query on `info` (a copy of the asker's record).
    virtual void GetMinMaxInfo(resizable::MinMaxInfo& info) const;
    void RecalcLimits();

  protected:
    void onSize(ui::Size size) override;

  private:
    void stateChanged(Qt::WindowStates before, Qt::WindowStates now);

    resizable::CResizableMinMax limits_;
    resizable::SaveRestore saveRestore_;
};
