#pragma once
// What the main window decides without a window system: its menus in the language of
// the program (one set without a project, one with), the status-bar prompt of each
// command, the minimum window sizes, the order of closing, and the messages of other
// programs.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/value/VRMString.h"

// One item of a popup of the menu bar: a command and the text id of its text.
struct SMenuPunkt {
    int commandId = 0;
    unsigned textId = 0;
};

// One top-level entry of the menu bar with its items in order.
struct SMenuSpalte {
    unsigned textId = 0;
    std::vector<SMenuPunkt> punkte;
};

// What the size rules read of the screen and the window frame, in pixels.
struct SFensterMasse {
    int dpiX = 96;
    int dpiY = 96;
    int rahmenBreite = 0;  // sizing frame, horizontal
    int rahmenHoehe = 0;   // sizing frame, vertical
    int randBreite = 0;    // border, horizontal
    int randHoehe = 0;     // border, vertical
    int menuHoehe = 0;
    int titelHoehe = 0;
};

// What closing the main window needs from the rest of the program.
class IHauptfensterSchliessen {
  public:
    virtual ~IHauptfensterSchliessen() = default;
    // The application's master-data sheet holds changes the user has not confirmed.
    virtual bool StammdatenGeaendert() = 0;
    // Asks the master-data pages to close; false when one must stay open.
    virtual bool StammdatenSchliessen() = 0;
    // The exit question; answers the button.
    virtual int FrageBeenden() = 0;
    virtual void VerbindungBeenden() = 0;
};

class CMainFrameLogik {
  public:
    // Menu resource ids: without a project, with one.
    static constexpr int kMenuOhneDokument = 128;
    static constexpr int kMenuMitDokument = 129;
    // The prompt of the status bar when no command is chosen.
    static constexpr unsigned kLeerlaufText = 7260;  // "Ready"
    // The messages other programs send the running main window.
    static constexpr std::string_view kClientNachricht = "VarmionClientCommunication";
    static constexpr std::string_view kReportNachricht = "VarmionReportCommunication";

    // The menu bar: 5 entries without a project, 7 with one. The expenditure factor
    // belongs to the German method and is there only with country code 0.
    static std::vector<SMenuSpalte> MenuAufbau(bool ohneDokument, int landCode);
    // The text id of a command's prompt; the idle prompt for any other id.
    static unsigned StatusText(int commandId);

    // The minimum sizes of the main window (nurInhalt = 0) and of a project window's
    // content (nurInhalt = 1); 100 without a screen to measure.
    static int BerechneFensterBreite(const std::optional<SFensterMasse>& masse, int nurInhalt,
                                     int breit);
    static int BerechneFensterHoehe(const std::optional<SFensterMasse>& masse, int nurInhalt);

    // Whether the window may close now. Unless another program asked it to close, the
    // master-data pages and then the user are asked; an error on that way does not keep
    // the program open. When it closes, the database connection ends first.
    bool OnClose(IHauptfensterSchliessen& umgebung);

    // A message of another program: "VarmionClientCommunication" sets the close flag and
    // answers true (the window is to close, without asking); the report message answers
    // false as every other line does. `report` receives the report message's two values.
    struct SNachricht {
        bool schliessen = false;
        bool report = false;
        long wParam = 0;
        long lParam = 0;
    };
    SNachricht Nachricht(std::string_view zeile);

    bool SchliessFlag() const { return m_schliessFlag != 0; }

  private:
    int m_schliessFlag = 0;
};
