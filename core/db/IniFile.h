#pragma once
// One database file held in memory: sections of key/value entries, in file order.
// The user database (kind 0, ".dat") and the library database (kind 1, ".ini").
#include <cstdint>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core/value/VRMString.h"

class CVRMStringArray;

class CIniFile {
public:
    // One section: entries in file order (insertion order for new ones).
    struct Section {
        CVRMString key;  // "[" + lower-cased name + "]"
        std::vector<std::pair<CVRMString, CVRMString>> entries;  // lower-cased key, value
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
    // Empty target: the own path, written anew with the byte-order mark. Otherwise the
    // image is appended to the target. With both lists non-empty only the named sections
    // are written (filtered as documented in the .cpp).
    void Flush(const CVRMString& target, const CVRMStringArray* first, const CVRMStringArray* second);

    void DeleteSection(const CVRMString& section, bool flush);
    void DeleteKeyInSection(const CVRMString& section, const CVRMString& key, bool flush);
    void DeleteValueInSection(const CVRMString& section, const CVRMString& value, bool flush);
    void AddValueToSection(const CVRMString& section, const CVRMString& keyPrefix,
                           const CVRMString& value, bool flush);

    // 0 when the section is missing.
    int GetValuesFromSection(const CVRMString& section, CVRMStringArray& out) const;
    int GetValuesFromSection(int listId, CVRMStringArray& out) const;

    int ValueIsUsed(const CVRMString& useKey, CVRMString& name, CVRMString& where, int mode) const;
    void GetBiboVersion(CVRMString& out) const;

    const CVRMString& GetPath() const { return m_path; }
    int GetKind() const { return m_kind; }
    const std::vector<Section>& Sections() const { return m_sections; }

private:
    CVRMString m_path;
    std::vector<Section> m_sections;
    int m_kind;
    std::mutex m_writeLock;
};
