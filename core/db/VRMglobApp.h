#pragma once
// The core library's application object: it owns the user database and the library
// database, the data folder and the initialised state, and decides which database a
// read or write goes to. Each operation reports its own failure, catches the user
// exception and answers 0; anything else passes on to the exported functions, which
// turn it into their own box.
#include <memory>

#include "core/db/IniFile.h"
#include "core/db/Lists.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "platform/modules/Module.h"

namespace platform {
class Window;
}

class CVRMglobApp {
  public:
    // The one object of the process, created on first use.
    static CVRMglobApp& Get();

    CVRMglobApp(const CVRMglobApp&) = delete;
    CVRMglobApp& operator=(const CVRMglobApp&) = delete;

    // The resource module becomes the current resource module of the library. The main
    // window is not used.
    int Init(platform::ModuleHandle resourceModule, platform::Window* mainWnd, int noNet);
    bool IstInitialisiert() const { return m_initialised; }

    int SetDatenDir(const CVRMString& dir);
    int GetDatenDir(CVRMString& dir) const;
    int SetDatenDatei(const CVRMString& path);
    int SetBiboDatei(const CVRMString& path, int biboOnly);

    // The library database while the library-only flag is set, else the user database.
    CIniFile& AktiveDatei();
    CIniFile& BiboDatei() { return *m_bibo; }
    CIniFile& DatenDatei() { return *m_user; }
    bool NurBibo() const { return m_biboOnly != 0; }

    // With the library: the library's list first, then the active file's (unless that is
    // the library itself). Without: the active file's list only.
    int GetStringListe(TKelvoListID listId, int withBibo, CVRMStringArray& out);
    // Active file, then library, then the default; a value stored empty reads as empty.
    int GetIniString(const CVRMString& section, const CVRMString& key, CVRMString& out,
                     const CVRMString& def);
    CVRMString GetBiboDateiname() const;
    // Changes with every change of what a read may answer: a write to either database, a
    // file loaded, the library-only flag, a reset.
    uint64_t AenderungsStand() const;
    bool DatenGeladen() const;

    // Tests only: back to the state of a freshly loaded library (two empty database
    // images, not initialised). The current resource module is left as it is.
    static void ResetForTests();

  private:
    CVRMglobApp();
    void Reset();

    bool m_initialised = false;
    // Counts the replacements of the files and the flag changes; it takes the high bits of
    // the change count so that the files' own counts never reach into it.
    uint64_t m_wechsel = 0;
    int m_biboOnly = 0;
    CVRMString m_datenDir;
    // Held by pointer so that a reset can replace them: the file holds a lock.
    std::unique_ptr<CIniFile> m_user;
    std::unique_ptr<CIniFile> m_bibo;
};
