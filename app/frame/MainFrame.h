#pragma once
// The main window of the program: so far a plain frame with the program's title and an
// empty workspace; its menus, bars and project windows come with the frame's own work.
#include <QMainWindow>

#include "platform/ui/Window.h"
#include "platform/window/Window.h"

class QMdiArea;

class CMainFrame : public ui::WindowOf<QMainWindow>, public platform::Window {
  public:
    static constexpr unsigned kIdr = 128;

    CMainFrame();
    // Builds the window with the title of the language table; false when it cannot.
    bool LoadFrame();
    // Centred on the screen at a size that leaves a margin of the desktop free.
    void Zentriere();

    QMdiArea* Arbeitsflaeche() const { return m_flaeche; }
    // Whether the running main window was asked by another program to close.
    static bool SchliessenVerlangt();

    // platform::Window
    bool exists() const override { return true; }
    bool setItemText(unsigned itemId, std::u16string_view text) override;

  private:
    QMdiArea* m_flaeche = nullptr;
};
