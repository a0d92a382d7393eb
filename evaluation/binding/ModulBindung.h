#pragma once
// The binding of one run-time library: the module is loaded by file name from the program
// folder, its stamped version checked, its entry points taken by ordinal and a first call
// made that hands over the program's resource module. Any failure after the file was
// found shows one box and leaves the binding empty; a missing file leaves it empty without
// a word. The loaded module is not unloaded before the binding itself goes at the
// process's end.
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/text/TokenListe.h"
#include "core/value/VRMString.h"
#include "platform/modules/Module.h"

namespace binding {

// How a module older than its minimum is told to the user.
enum class VersionsMeldung {
    Text,       // the text 3272 as the box's text
    OhneTextId  // the text 3272 as the detail of an error without text id
};

struct ModulBeschreibung {
    const char16_t* dateiname;  // as the program names it, "Varmregio.dll"
    int mindestVersion;         // major × 10000 + minor × 1000 + build × 10 + revision
    int ordinale;               // ordinals 1 .. ordinale are bound
    uint32_t ersterCode;        // the first call's function code, to ordinal 1
    VersionsMeldung versionsMeldung;
    unsigned schnittstellenFehler;  // the text of a failing first call
};

// "Varmregio.dll" is the shared object "Varmregio.so" in `ordner`.
std::filesystem::path ModulDatei(const std::filesystem::path& ordner, std::u16string_view dllName);

class CModulBindung {
  public:
    explicit CModulBindung(const ModulBeschreibung& beschreibung);
    // The modules are let go only with the binding, at the process's end.
    ~CModulBindung();
    CModulBindung(const CModulBindung&) = delete;
    CModulBindung& operator=(const CModulBindung&) = delete;

    // The binding steps; nothing is returned, success shows only in the slots.
    void Laden(const std::filesystem::path& ordner);
    // Empties every slot, as a failed binding does.
    void Leeren();

    // All slots set.
    bool IstGebunden() const;
    // The entry point of an ordinal (from 1); null while unbound.
    void* Slot(int ordinal) const;
    vrmtoken::EntryPoint Eintrag(int ordinal) const;
    // The version of the module found ("4.2.8.0"); "?" until a module's version was read.
    const CVRMString& VersionsText() const { return m_versionsText; }

  private:
    void Binde(const std::filesystem::path& datei);

    ModulBeschreibung m_beschreibung;
    // Every module this binding loaded: none is unloaded while the binding lives.
    std::vector<platform::ModuleHandle> m_module;
    std::vector<void*> m_slots;
    CVRMString m_versionsText = u"?";
};

}  // namespace binding
