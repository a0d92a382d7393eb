#pragma once
// The splash during start-up. Widgets live on the main thread, so the splash is shown
// there and start-up lets it repaint between its steps (Pumpe); the hand-over of the
// original's splash thread (start event, waits, input attachment) has nothing left to do.
// The three operations keep their answers.
#include <functional>
#include <memory>

class CSplashWnd;
class QWidget;

class CSplashThread {
  public:
    using Fabrik = std::function<std::unique_ptr<CSplashWnd>()>;

    // Creates and shows the window; 1, or 0 when none could be made (the handle stays
    // empty). `handle` is start-up's splash handle.
    static int Starten(std::unique_ptr<CSplashThread>& handle, const Fabrik& fabrik);
    // Shows (zeigen != 0) or hides the window, when there is one.
    static void ZeigeFenster(const std::unique_ptr<CSplashThread>& handle, int zeigen);
    // Closes the window, gives the focus to `fokus` (none: the active window), and empties
    // the handle; 1, or 0 when there was nothing to close.
    static int Beenden(std::unique_ptr<CSplashThread>& handle, QWidget* fokus);
    // Lets the splash paint while start-up works.
    static void Pumpe();

    CSplashWnd* Fenster() const { return m_fenster.get(); }
    ~CSplashThread();

  private:
    std::unique_ptr<CSplashWnd> m_fenster;
};
