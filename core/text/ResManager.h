#pragma once
// The language table of the whole system: text by 16-bit id. Filled once at start-up
// from the "LNG" resource of the language's resource module or from a language file.
#include <cstdint>
#include <string_view>

#include "core/value/VRMString.h"

class CResManager {
  public:
    CResManager() = delete;

    // "Application" under the caption and title ids, for boxes before a language is loaded.
    static void init();
    // Clears the table and parses the "LNG" resource `resourceId` of the current
    // resource module; id 0 does nothing.
    static void setLang(unsigned resourceId);
    // Clears the table and parses the language file when it exists; else nothing changes.
    // A file that cannot be read, or that is damaged, is reported and passed on; the table
    // then stays as it was.
    static void setLang(const CVRMString& file);

    // The text of `id`; a missing id is answered with "Msg: <id>".
    static const CVRMString& getLangText(uint16_t id);
    // The text of `id`, or nullptr when the table lacks it (also after getLangText).
    static const CVRMString* findLangText(uint16_t id);
    static void setEntry(uint16_t id, const CVRMString& text);

    static void freeLangRes();
    static void freeRes() { freeLangRes(); }

    static bool hasLangFile();
    static bool hasLangRes();
    static bool hasLang() { return hasLangFile() || hasLangRes(); }
    // True while the table holds no text: a module without its table loads none.
    static bool isEmpty();
    static void getLangVersion(CVRMString& version);

    // The two parsers, open for tests and fuzzing: they add to the table.
    // Resource form: UTF-16 with a leading byte-order mark, CR LF lines.
    static void parseResource(std::u16string_view text);
    // File form: two leading bytes skipped, then 8-bit lines.
    static void parseFile(std::string_view bytes);
};
