#pragma once
// The frame of a project window: always maximised in the main window, without a system
// menu, at least as large as the content of the input views. Activating one switches the
// main window's menus to those of a project.
#include "controls/resizable/ResizableMDIChild.h"

class IKelvoDocServices;

class CChildFrame : public CResizableMDIChild {
  public:
    explicit CChildFrame(IKelvoDocServices* dokument = nullptr, QWidget* parent = nullptr);

    IKelvoDocServices* GetDokument() const { return m_dokument; }
    // Shows the child maximised.
    void ActivateFrame();

  private:
    IKelvoDocServices* m_dokument;
};
