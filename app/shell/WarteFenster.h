#pragma once
// The wait window (a playing animation and Cancel) that the application and each project
// document show while long work runs, such as the preparation of a report. The program's
// wait dialog implements IDlgWait; the application registers its maker (FensterFabrik) for
// its life. While none is registered no wait window is made and the work runs without one.
#include <functional>
#include <memory>

class QWidget;

class IDlgWait {
  public:
    virtual ~IDlgWait() = default;
    // Creates the modeless window over `parent`, centred on it; false when it cannot.
    virtual bool Create(int flag, QWidget* parent) = 0;
    // Enables the parent again and destroys the window.
    virtual void Close() = 0;
    // The user pressed Cancel (or Esc) since Create.
    virtual bool IstAbgebrochen() const = 0;
};

using DlgWaitMacher = std::function<std::unique_ptr<IDlgWait>()>;
void RegistriereDlgWait(DlgWaitMacher macher);
// A new wait window, or none while no maker is registered.
std::unique_ptr<IDlgWait> ErzeugeDlgWait();
