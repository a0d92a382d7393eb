#pragma once
// What the model and the evaluation ask of the application: its main window, switches and
// defaults, the active project document, lists, help, the report folder, the options, and
// the two dialogs the calculations open (name prompt, progress with cancel). The
// application object implements it and registers itself at start-up; tests register a fake.
// The model never includes application headers.
#include <cstdint>
#include <memory>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "model/app/KelvoOptionen.h"

namespace platform {
class Window;
}

class CVRMwert;
class IKelvoDocServices;  // model/app/KelvoDocServices.h

// The modeless progress dialog of a long calculation; it disables its parent while open.
class IDlgProgress {
  public:
    virtual ~IDlgProgress() = default;
    virtual void SetRange(int lower, int upper) = 0;
    virtual void StepIt() = 0;
    // Dispatches pending window messages; true once the user has clicked cancel.
    virtual bool PumpMessages() = 0;
    // Enables the parent again and destroys the dialog.
    virtual void Close() = 0;
};

class IKelvoAppServices {
  public:
    virtual ~IKelvoAppServices() = default;

    // The main frame, or none before it exists.
    virtual platform::Window* GetMainWnd() = 0;
    // True when started with the "conf" switch: library entries may then be changed.
    virtual bool GetConfSchalter() = 0;
    // The active project document; none only when `quiet` (else text 3091 and the user
    // exception).
    virtual IKelvoDocServices* GetAktDokument(bool quiet) = 0;
    virtual int GetLandCode() = 0;

    // Names of the heat-pump list (GetListe) and the tariff list (GetListe2); flag 1
    // includes the library database.
    virtual void GetListe(CVRMStringArray& names, int flag) = 0;
    virtual void GetListe2(CVRMStringArray& names, int flag) = 0;
    // Adds a new entry to list 0..16: 1 when added, 0 after telling the user the name is
    // taken.
    virtual int AddUniqueString(int listId, const CVRMString& name) = 0;

    // Non-zero with the default name, else 0.
    virtual int GetDefFSMittel(CVRMString& name) = 0;
    virtual int GetDefAbsMaterial(CVRMString& name) = 0;
    virtual int GetDefAbsUmhuell(CVRMString& name) = 0;

    // Marks the evaluation of every open project document stale.
    virtual void ResetAuswertungen() = 0;
    virtual void ShowHilfeThema(const CVRMString& topic) = 0;
    // Stores a copy of `value` under `id` in the application's value list.
    virtual void SetWert(TKelvoDatenID id, const CVRMwert& value) = 0;
    virtual void GetReportDir(CVRMString& path) = 0;
    // The program options; the application's options manager.
    virtual IKelvoOptionen& GetOptionsManager() = 0;

    // The name-entry dialog with `prompt` for a component of `kind`; owner none: the main
    // window. True with the entered name on OK, false on cancel.
    virtual bool ShowNameDlg(const CVRMString& prompt, int kind, platform::Window* owner,
                             CVRMString& name) = 0;
    // Opens the progress dialog over `parent` with the caption of `titleTextId`.
    virtual std::unique_ptr<IDlgProgress> CreateDlgProgress(platform::Window* parent,
                                                            unsigned titleTextId) = 0;
};

// The registered application; none registered is a program error (text 0).
IKelvoAppServices& GetKelvoApp();
// The registered application, or none.
IKelvoAppServices* FindKelvoApp();
// Registers `app` (not owned; null unregisters) and returns the one registered before.
IKelvoAppServices* RegisterKelvoApp(IKelvoAppServices* app);
