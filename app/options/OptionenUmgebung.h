#pragma once
// What the option pages need of the application besides the options themselves: the
// country and the command-line switch that choose what a page offers, the currency texts,
// the program registered for ".doc" files, and the notice that options changed. The
// application object implements it; tests give a small fake.
#include "app/doc/Hinweise.h"
#include "app/options/OptionsManager.h"
#include "core/value/VRMString.h"

// The update hint of changed options, sent to every open project document.
inline constexpr int kHintOptionenGeaendert = hinweis::kOptionen;

class IOptionenUmgebung {
  public:
    virtual ~IOptionenUmgebung() = default;

    virtual COptionsManager& GetOptionsManager() = 0;
    virtual int GetLandCode() = 0;
    virtual int GetTovrelSchalter() const = 0;
    // Text ids of the currency, of the price per kWh and of the currency per year.
    virtual unsigned GetWaehrungText() = 0;
    virtual unsigned GetCentProKWhText() = 0;
    virtual unsigned GetWaehrungProJahrText() = 0;
    // The program part of the command registered for opening ".doc" files.
    virtual CVRMString GetDocProgramm() const = 0;
    // Tells the open projects, the master-data pages, the control groups and the main
    // window that options changed.
    virtual void OptionenGeaendert(int hint) = 0;
};
