#pragma once
// The main window: the project windows in its MDI client over the program's background,
// the bar of the eight main steps on the left, the menus in the program's language (one
// set without a project, one with), the status bar with the prompt of the command under
// the pointer, help on F1, and the question before the program ends. Other programs reach
// it through two messages: one closes it without asking, one is for the report.
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "app/frame/MainFrameLogik.h"
#include "controls/resizable/ResizableMDIFrame.h"
#include "platform/ui/Commands.h"
#include "platform/window/Window.h"

class CChildFrame;
class CKVSDatenSheet;
class CLeftBarBkgnd;
class CMainFrameBkgnd;
class CShadeButtonST;
class IKelvoDocServices;
class QLabel;
class QMenuBar;
namespace resizable {
class Profile;
}

class CMainFrame : public CResizableMDIFrame, public platform::Window {
  public:
    static constexpr unsigned kIdr = 128;
    static constexpr int kOptionGeaendertNeuZeichnen = 49;

    // The profile keeps the window's placement and must outlive the frame.
    explicit CMainFrame(resizable::Profile* profil = nullptr);
    ~CMainFrame() override;

    // Builds the window: client background, status bar, button bar, menus. False when a
    // step fails.
    bool LoadFrame();
    // Centred on the screen at a size that leaves a margin of the desktop free.
    void Zentriere();
    // Shows the window; the first time, the placement saved under "KelvoMainFrame" is
    // restored first.
    void ActivateFrame();
    QMdiArea* Arbeitsflaeche() const { return mdiArea(); }

    // Whether the running main window was asked by another program to close.
    static bool SchliessenVerlangt();

    // The document of the active project window; a user exception without one.
    IKelvoDocServices* GetAktivesDokument();
    void UebersetzeMenu(QMenuBar* menu, int ohneDokument);
    void SetMenuText(QMenuBar* menu, int command, unsigned textId, int position);
    // Redraws the whole window after a change of the options (code 49).
    void OptionGeaendert(int code);
    // The minimum sizes (see CMainFrameLogik) measured on this window's screen.
    int BerechneFensterBreite(int nurInhalt, int breit) const;
    int BerechneFensterHoehe(int nurInhalt) const;
    // The prompt of a command for the status bar.
    std::u16string GetMessageString(int commandId) const;

    // A line another program sent the running program.
    void ClientNachricht(std::string_view zeile);
    void SetStammdatenSheet(CKVSDatenSheet* sheet);
    // The application's commands, asked after the frame's own; not owned.
    void SetAppBefehle(ui::CommandTarget* befehle) { m_appBefehle = befehle; }
    void SetReportAntwort(std::function<void(long, long)> antwort) { m_reportAntwort = std::move(antwort); }

    // Parts, for the application and the tests.
    CMainFrameLogik& Logik() { return m_logik; }
    ui::CommandRouter& Router() { return m_router; }
    CMainFrameBkgnd* Hintergrund() const { return m_hintergrund; }
    CLeftBarBkgnd* LeftBar() const { return m_leftBar; }
    QLabel* Statuszeile() const { return m_status; }
    // Lays the explanatory texts beside the buttons.
    void LayoutErklaerungen();
    // Button states from the commands' states.
    void AktualisiereKnoepfe();

    // platform::Window
    bool exists() const override { return true; }
    bool setItemText(unsigned itemId, std::u16string_view text) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void onSize(ui::Size size) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    class Befehle;
    class Schliessen;
    bool ErzeugeStatusleiste();
    bool ErzeugeLeftBar();
    void BaueMenu();
    void ZeigePrompt(int commandId);
    std::optional<SFensterMasse> Masse() const;

    CMainFrameLogik m_logik;
    std::unique_ptr<Befehle> m_befehle;
    ui::CommandRouter m_router;
    CMainFrameBkgnd* m_hintergrund = nullptr;
    CLeftBarBkgnd* m_leftBar = nullptr;
    QLabel* m_status = nullptr;
    bool m_aktiviert = false;
    int m_menuOhneDokument = -1;
    QPointer<CKVSDatenSheet> m_stammdaten;
    std::function<void(long, long)> m_reportAntwort;
    ui::CommandTarget* m_appBefehle = nullptr;
};
