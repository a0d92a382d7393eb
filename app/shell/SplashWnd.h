#pragma once
// The start-up picture: a borderless window showing one bitmap of the language's resource
// module (or a file), centred on the screen, draggable, and closed only by the program:
// a close request that does not come with the may-close flag (the keyboard, the window
// manager) is refused.
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <memory>

#include "core/value/VRMString.h"
#include "platform/ui/Window.h"
#include "resources/ResourceIds.h"

class CSplashWnd : public ui::WindowOf<QWidget> {
  public:
    CSplashWnd();
    ~CSplashWnd() override;

    // Loads the bitmap and shows the window centred; a bitmap that cannot be loaded leaves
    // a window of size 0, and start-up goes on.
    virtual bool Create();

    // Set by the closing side just before it asks the window to close.
    void SetzeDarfSchliessen() { m_darfSchliessen = true; }
    int BildBreite() const { return m_breite; }
    int BildHoehe() const { return m_hoehe; }

  protected:
    virtual void LadeBild();
    // Resource id of the bitmap in the resource module (source 0) or a file (source 1).
    int m_quelle = 0;
    unsigned m_bildId = 0;
    CVRMString m_bildDatei;

    void onPaint(ui::DrawContext& dc) override;
    bool onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods mods, int wheel) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    bool m_darfSchliessen = false;
    bool m_ziehen = true;
    QImage m_bild;
    int m_breite = 0;
    int m_hoehe = 0;
    std::unique_ptr<QPoint> m_zugStart;  // the grab point while dragged by hand
};

// The program's splash: bitmap 243 of the resource module.
class CMySplashWnd : public CSplashWnd {
  public:
    static constexpr unsigned kBitmapId = IDB_SPLASH;
    CMySplashWnd() { m_bildId = kBitmapId; }
};
