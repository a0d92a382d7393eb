#pragma once
// One database file held in memory: sections of key/value entries, in file order.
// The user database (kind 0, ".dat") and the library database (kind 1, ".ini").
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/db/IniText.h"
#include "core/value/VRMString.h"

class CVRMStringArray;

class CIniFile {
  public:
    // One section: entries in file order (insertion order for new ones).
    struct Section {
        CVRMString key;                                          // "[" + lower-cased name + "]"
        std::vector<std::pair<CVRMString, CVRMString>> entries;  // lower-cased key, value
        std::unordered_map<std::u16string, size_t> index;        // key -> position in entries
    };

    explicit CIniFile(int kind) : m_kind(kind) {}
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    // Loads the file (adding to what is in memory).
    void Init(const CVRMString& path, bool isLibrary);

    // 1 and the value when the key exists ("ValueFoundButEmpty" for an empty value),
    // else 0 and the default.
    int GetIniString(const CVRMString& section, const CVRMString& key, const CVRMString& def,
                     CVRMString& out) const;
    void WriteIniString(const CVRMString& section, const CVRMString& key, const CVRMString& value,
                        bool flush);
    // Empty target: the own path, replaced as a whole (never half-written). Otherwise the
    // image is appended to the target; a new or empty target first gets the byte-order
    // mark. With both lists non-empty only the sections named in either list are written,
    // and of a section named in the first list only the entries whose key or value is in
    // the second list.
    void Flush(const CVRMString& target, const CVRMStringArray* first,
               const CVRMStringArray* second);

    void DeleteSection(const CVRMString& section, bool flush);
    void DeleteKeyInSection(const CVRMString& section, const CVRMString& key, bool flush);
    void DeleteValueInSection(const CVRMString& section, const CVRMString& value, bool flush);
    // Adds the value under the key prefix + the first free number of 1 to 2499.
    void AddValueToSection(const CVRMString& section, const CVRMString& keyPrefix,
                           const CVRMString& value, bool flush);

    // 0 when the section is missing.
    int GetValuesFromSection(const CVRMString& section, CVRMStringArray& out) const;
    int GetValuesFromSection(int listId, CVRMStringArray& out) const;

    // 1 when an entry names `name` (under `useKey`, see the .cpp); `name` then takes the
    // stored spelling and `where` the record or section that holds it.
    int ValueIsUsed(const CVRMString& useKey, CVRMString& name, CVRMString& where, int mode) const;
    void GetBiboVersion(CVRMString& out) const;

    const CVRMString& GetPath() const { return m_path; }
    int GetKind() const { return m_kind; }
    const std::vector<Section>& Sections() const { return m_sections; }

    // The highest number AddValueToSection gives.
    static constexpr int kMaxEntryNumber = 2499;

  private:
    // Why a load was doubtful: the file may hold more than was read from it.
    enum class Doubt {
        None,
        DamagedMark,        // the first bytes are a damaged byte-order mark
        Undecodable,        // bytes that stand for no character
        TextBeforeSection,  // text before the first section
        NoSection,          // text but no section
        NoLastLineEnd,      // a last line without its line end: the file may be cut short
        OpenSectionLine,    // a section line without its closing "]"
    };
    // A report that waits until the write lock is released: a box runs a nested event
    // loop in which the same thread may write again.
    struct Failure {
        unsigned textId = 0;
        CVRMString place;
    };

    static unsigned ReasonTextOf(Doubt doubt);  // the language text that says why
    Doubt Parse(std::u16string_view text);
    void KeepDamagedOriginal(std::string bytes, Doubt doubt);
    std::optional<Failure> FlushQuietly(const CVRMString& target, const CVRMStringArray* first,
                                        const CVRMStringArray* second);
    Section& SectionFor(const CVRMString& sectionKey);
    const Section* FindSection(const CVRMString& name) const;
    Section* FindSection(const CVRMString& name);
    static void SetEntry(Section& section, const CVRMString& key, const CVRMString& value);
    static void EraseEntry(Section& section, size_t position);
    void EraseSection(size_t position);
    bool IsUserDatabasePath() const;
    // The file bytes (UTF-16 little-endian) of the image, after the byte-order mark when asked.
    vrmdb::FileImage Image(bool withMark, const CVRMStringArray* first,
                           const CVRMStringArray* second) const;
    std::optional<Failure> WriteLocked(const CVRMString& section, const CVRMString& key,
                                       const CVRMString& value, bool flush);

    CVRMString m_path;
    std::vector<Section> m_sections;
    std::unordered_map<std::u16string, size_t> m_sectionIndex;  // section key -> position
    int m_kind;
    std::mutex m_writeLock;
    // A doubtful load whose original could not be copied: the file is not written over
    // until a copy of these bytes is kept.
    bool m_originalUnsaved = false;
    std::string m_unsavedOriginal;
};
