#pragma once
// The frame of a project window: always maximised in the main window, without a system
// menu, at least as large as the content of the input views. Activating one switches the
// main window's menus to those of a project.
#include <functional>

#include "controls/resizable/ResizableMDIChild.h"

class IKelvoDocServices;
namespace ui {
class CommandTarget;
}

class CChildFrame : public CResizableMDIChild {
  public:
    explicit CChildFrame(IKelvoDocServices* dokument = nullptr, QWidget* parent = nullptr);

    IKelvoDocServices* GetDokument() const { return m_dokument; }
    // The commands of the project shown in the frame (not owned), asked before the
    // application's while the frame is active.
    void SetBefehle(ui::CommandTarget* befehle) { m_befehle = befehle; }
    ui::CommandTarget* GetBefehle() const { return m_befehle; }
    // Shows the child maximised.
    void ActivateFrame();
    // Asked before the frame closes (the document's unsaved-changes questions); false
    // keeps it open.
    void SetSchliessTest(std::function<bool()> test) { m_schliessTest = std::move(test); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::function<bool()> m_schliessTest;
    IKelvoDocServices* m_dokument;
    ui::CommandTarget* m_befehle = nullptr;
};
