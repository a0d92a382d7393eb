#pragma once
// The files start-up finds in the program folder: the folder itself, the configuration
// file with the chosen language, and the language of the resource modules present.
#include <filesystem>

#include "core/value/VRMString.h"

// The folder of the program file, keeping its closing separator: cut after the last
// backslash, then, if a forward slash is left, after the last forward slash.
CVRMString ProgrammOrdnerAus(const CVRMString& programmDatei);

// An absolute path or a drive, network or URL form: holds ":", "\" or "//", or starts
// with "/".
bool IstAbsoluterPfad(const CVRMString& pfad);

// The configuration file "varmion.cfg" of the program folder: section "config" with the
// language numbers "lang_pri" and "lang_sub". A profile file in UTF-16.
class CKonfigDatei {
  public:
    static constexpr const char16_t* kName = u"varmion.cfg";

    explicit CKonfigDatei(const CVRMString& programmOrdner);
    // Creates the file holding only the byte-order mark FF FE when it does not exist.
    void LegeAnWennFehlt() const;
    // The number of the key; 0 when the key or the file is missing or unreadable.
    int Lese(const CVRMString& key) const;
    // Writes "%i" of the value under the key; the file is replaced as a whole.
    void Schreibe(const CVRMString& key, int wert) const;
    const CVRMString& Pfad() const { return m_pfad; }

  private:
    CVRMString m_pfad;
};

// The Windows language identifier of the first resource module "Varmtext*.so" of the
// folder, the matches sorted by name so that the answer does not depend on the order of
// the directory; 0 when none matches or its letters name no known language.
int SpracheDerResModule(const CVRMString& programmOrdner);
