#include "core/db/IniFile.h"

#include <algorithm>
#include <new>
#include <unordered_set>

#include "core/db/FileWrite.h"
#include "core/db/IniText.h"
#include "core/db/Lists.h"
#include "core/db/SectionNames.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMStringArray.h"
#include "platform/errors/UserException.h"
#include "platform/text/Text.h"

namespace {

constexpr unsigned kFileNotFound = 3102;
constexpr unsigned kEmptyParameter = 3503;
constexpr unsigned kParameterWrong = 3337;
constexpr unsigned kValueNotStored = 3343;
constexpr unsigned kValueNotDeleted = 3344;
constexpr unsigned kKeyNotDeleted = 3345;
constexpr char16_t kValueFoundButEmpty[] = u"ValueFoundButEmpty";
constexpr char16_t kByteOrderMark = 0xFEFF;  // written as FF FE

CVRMString lowered(CVRMString text) {
    MakeStringLower(text);
    return text;
}

CVRMString sectionKeyOf(const CVRMString& name) {
    return u"[" + lowered(name) + u"]";
}

// The section name of a key: without its brackets (a key read without "]" keeps its end).
CVRMString nameOf(const CVRMString& sectionKey) {
    std::u16string_view name = sectionKey;
    if (!name.empty() && name.front() == u'[') name.remove_prefix(1);
    if (!name.empty() && name.back() == u']') name.remove_suffix(1);
    return CVRMString(name);
}

// The library database keeps these list sections as bare values.
bool isValueOnlySection(const CVRMString& sectionKey) {
    static const std::unordered_set<std::u16string> keys = [] {
        std::unordered_set<std::u16string> result;
        for (int id = LISTE_PROJEKTE; id <= LISTE_LAENDER; ++id) {
            const auto list = static_cast<TKelvoListID>(id);
            if (!IstWerteListe(list)) continue;
            CVRMString section, listKey, useKey;
            GetSectionAndKeys(list, section, listKey, useKey);
            result.insert(sectionKeyOf(section));
        }
        return result;
    }();
    return keys.count(sectionKey) != 0;
}

// The format of the running number of value-only lines: language text 3367 ("%lu").
// A text that does not number the lines (missing from the table, or damaged) would give
// every such line the same key and lose all but the last; then the plain number is used.
CVRMString valueLineFormat() {
    CVRMString format;
    format.LoadStringW(textid::kFormatLu);
    CVRMString one, two;
    one.Format(format, 1u);
    two.Format(format, 2u);
    return one == two ? CVRMString(vrmdb::kFormatLu) : format;
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

[[noreturn]] void reportSystemError(const std::string& description) {
    vrmcore::ReportError(0, CVRMString::fromUtf8(description));
}

}  // namespace

// ---- loading ----

void CIniFile::Init(const CVRMString& path, bool isLibrary) {
    if (path.empty()) vrmcore::ReportError(kEmptyParameter, u"CIniFile::Init");
    m_path = path;
    std::string error;
    try {
        std::string bytes;
        bool missing = false;
        error = vrmdb::ReadWholeFile(path.toUtf8(), bytes, missing);
        if (missing) {
            // A missing user database is created by the first flush.
            if (!isLibrary) return;
            m_path.clear();
            vrmcore::ReportError(kFileNotFound, path);
        }
        if (error.empty()) {
            m_imageBytes += bytes.size();
            Parse(vrmdb::DecodeDatabaseText(bytes));
            vrmdb::RemoveStaleTemporaries(path.toUtf8());
        }
    } catch (const std::bad_alloc&) {
        error = "Out of memory while loading " + path.toUtf8();
    }
    if (error.empty()) return;
    // A file that was not read whole must never be overwritten by a flush of what was.
    m_path.clear();
    reportSystemError(error);
}

void CIniFile::Parse(std::u16string_view text) {
    const CVRMString numberFormat = valueLineFormat();
    uint32_t valueLines = 0;
    Section* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find(u'\n', pos);
        if (end == std::u16string_view::npos) end = text.size();
        std::u16string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.front() == u'[') {
            current = &SectionFor(lowered(CVRMString(line)));
            continue;
        }
        if (!current) continue;  // before the first section
        const size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos) {
            CVRMString key;
            key.Format(numberFormat, ++valueLines);
            SetEntry(*current, key, CVRMString(trimmed(line)));
        } else {
            SetEntry(*current, lowered(CVRMString(trimmed(line.substr(0, equals)))),
                     CVRMString(trimmed(line.substr(equals + 1))));
        }
    }
}

// ---- the in-memory image ----

CIniFile::Section& CIniFile::SectionFor(const CVRMString& sectionKey) {
    const auto [it, inserted] = m_sectionIndex.try_emplace(sectionKey, m_sections.size());
    if (inserted) m_sections.push_back(Section{sectionKey, {}, {}});
    return m_sections[it->second];
}

const CIniFile::Section* CIniFile::FindSection(const CVRMString& name) const {
    const auto it = m_sectionIndex.find(sectionKeyOf(name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

CIniFile::Section* CIniFile::FindSection(const CVRMString& name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

void CIniFile::SetEntry(Section& section, const CVRMString& key, const CVRMString& value) {
    const auto [it, inserted] = section.index.try_emplace(key, section.entries.size());
    if (inserted)
        section.entries.emplace_back(key, value);
    else
        section.entries[it->second].second = value;
}

void CIniFile::EraseEntry(Section& section, size_t position) {
    section.index.erase(section.entries[position].first);
    section.entries.erase(section.entries.begin() + static_cast<std::ptrdiff_t>(position));
    for (auto& [key, at] : section.index)
        if (at > position) --at;
}

void CIniFile::EraseSection(size_t position) {
    m_sectionIndex.erase(m_sections[position].key);
    m_sections.erase(m_sections.begin() + static_cast<std::ptrdiff_t>(position));
    for (auto& [key, at] : m_sectionIndex)
        if (at > position) --at;
}

// The user database is told by its path; an export keeps the form of its own file.
bool CIniFile::IsUserDatabasePath() const {
    return m_path.Find(u".dat") > 0;
}

// ---- reads ----

namespace {

// A value is one line of the file, so a line break inside it (a multi-line note) is
// stored as LINE SEPARATOR, which no reader takes for a line end, and given back as CR LF.
constexpr char16_t kStoredLineBreak = u'\u2028';

CVRMString StoredForm(const CVRMString& value) {
    if (value.find_first_of(u"\r\n") == CVRMString::npos) return value;
    CVRMString stored;
    stored.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const char16_t c = value[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n') ++i;
            stored.push_back(kStoredLineBreak);
        } else {
            stored.push_back(c);
        }
    }
    return stored;
}

CVRMString ReadForm(const CVRMString& stored) {
    if (stored.find(kStoredLineBreak) == CVRMString::npos) return stored;
    CVRMString value(stored);
    value.Replace(std::u16string_view(&kStoredLineBreak, 1), u"\r\n");
    return value;
}

}  // namespace

int CIniFile::GetIniString(const CVRMString& section, const CVRMString& key, const CVRMString& def,
                           CVRMString& out) const {
    if (m_path.empty())
        vrmcore::ReportError(textid::kNichtInitialisiert, u"CIniFile::GetIniString");
    if (const Section* s = FindSection(section)) {
        const auto it = s->index.find(lowered(key));
        if (it != s->index.end()) {
            const CVRMString& value = s->entries[it->second].second;
            out = value.empty() ? CVRMString(kValueFoundButEmpty) : ReadForm(value);
            return 1;
        }
    }
    out = def;
    return 0;
}

int CIniFile::GetValuesFromSection(const CVRMString& section, CVRMStringArray& out) const {
    out.clear();
    if (m_path.empty())
        vrmcore::ReportError(textid::kNichtInitialisiert, u"CIniFile::GetValuesFromSection");
    if (section.empty())
        vrmcore::ReportError(kParameterWrong, u"CIniFile::GetSectionValuesFromMap");
    const Section* s = FindSection(section);
    if (!s) return 0;
    out.reserve(s->entries.size());
    for (const auto& entry : s->entries) out.push_back(entry.second);
    return 1;
}

int CIniFile::GetValuesFromSection(int listId, CVRMStringArray& out) const {
    out.clear();
    if (m_path.empty())
        vrmcore::ReportError(textid::kNichtInitialisiert, u"CIniFile::GetValuesFromSection(id)");
    CVRMString section, listKey, useKey;
    GetSectionAndKeys(static_cast<TKelvoListID>(listId), section, listKey, useKey);
    return GetValuesFromSection(section, out);
}

// Without a use key any entry with the value is a hit, and `where` names its section.
// Mode 1: an entry whose key ends with the use key; `where` is the key without that end.
// Other modes: an entry whose key is the use key; `where` names its section.
int CIniFile::ValueIsUsed(const CVRMString& useKey, CVRMString& name, CVRMString& where,
                          int mode) const {
    if (name.empty()) vrmcore::ReportError(kParameterWrong, u"CIniFile::ValueIsUsed");
    where.clear();
    const CVRMString use = lowered(useKey);
    for (const Section& section : m_sections) {
        where = section.key;
        for (const auto& [key, value] : section.entries) {
            if (KVScompareNoCase(value, name) != 0) continue;
            if (use.empty() || (mode != 1 && key == use)) {
                where = nameOf(section.key);
            } else if (mode == 1 && key.size() >= use.size() && key.ends_with(use)) {
                where = CVRMString(key.substr(0, key.size() - use.size()));
            } else {
                continue;
            }
            name = value;
            return 1;
        }
    }
    return 0;
}

void CIniFile::GetBiboVersion(CVRMString& out) const {
    out = u"?.??";
    if (const Section* s = FindSection(vrmdb::kSektionBiboInfo)) {
        const auto it = s->index.find(u"version");
        if (it != s->index.end()) out = s->entries[it->second].second;
    }
}

// ---- writes ----

void CIniFile::WriteIniString(const CVRMString& section, const CVRMString& key,
                              const CVRMString& value, bool flush) {
    const CVRMString lowerKey = lowered(key);
    std::lock_guard<std::mutex> lock(m_writeLock);
    try {
        WriteUnlocked(section, lowerKey, value, flush);
    } catch (const std::bad_alloc&) {
        reportSystemError("Out of memory (CIniFile::WriteIniString)");
    }
}

void CIniFile::WriteUnlocked(const CVRMString& section, const CVRMString& key,
                             const CVRMString& value, bool flush) {
    if (m_path.empty())
        vrmcore::ReportError(textid::kNichtInitialisiert, u"CIniFile::WriteIniString");
    const CVRMString stored = StoredForm(value);
    if (Section* s = FindSection(section)) {
        SetEntry(*s, key, stored);
    } else {
        const CVRMString sectionKey = sectionKeyOf(section);
        // Library records are not created in the user database.
        if (!(IstBiboName(sectionKey) && IsUserDatabasePath()))
            SetEntry(SectionFor(sectionKey), key, stored);
    }
    if (flush) Flush({}, nullptr, nullptr);
}

void CIniFile::DeleteSection(const CVRMString& section, bool flush) {
    if (section.empty()) vrmcore::ReportError(kParameterWrong, u"CIniFile::DeleteSection");
    const auto it = m_sectionIndex.find(sectionKeyOf(section));
    if (it == m_sectionIndex.end()) return;
    EraseSection(it->second);
    if (flush) Flush({}, nullptr, nullptr);
}

void CIniFile::DeleteKeyInSection(const CVRMString& section, const CVRMString& key, bool flush) {
    try {
        if (section.empty())
            vrmcore::ReportError(kParameterWrong, u"CIniFile::DeleteKeyInSection1");
        if (key.empty()) vrmcore::ReportError(kParameterWrong, u"CIniFile::DeleteKeyInSection2");
        Section* s = FindSection(section);
        if (!s) return;
        // Keys are stored lower-cased, so the index finds what KVScompareNoCase would.
        const auto it = s->index.find(lowered(key));
        if (it != s->index.end()) EraseEntry(*s, it->second);
        if (flush) Flush({}, nullptr, nullptr);
    } catch (const platform::UserException&) {
        vrmcore::ReportError(kKeyNotDeleted, key);
    }
}

void CIniFile::DeleteValueInSection(const CVRMString& section, const CVRMString& value,
                                    bool flush) {
    try {
        if (section.empty())
            vrmcore::ReportError(kParameterWrong, u"CIniFile::DeleteValueInSection1");
        if (value.empty())
            vrmcore::ReportError(kParameterWrong, u"CIniFile::DeleteValueInSection2");
        Section* s = FindSection(section);
        if (!s) return;
        const auto it = std::find_if(s->entries.begin(), s->entries.end(), [&](const auto& entry) {
            return KVScompareNoCase(entry.second, value) == 0;
        });
        if (it != s->entries.end()) EraseEntry(*s, static_cast<size_t>(it - s->entries.begin()));
        if (flush) Flush({}, nullptr, nullptr);
    } catch (const platform::UserException&) {
        vrmcore::ReportError(kValueNotDeleted, value);
    }
}

void CIniFile::AddValueToSection(const CVRMString& section, const CVRMString& keyPrefix,
                                 const CVRMString& value, bool flush) {
    try {
        if (section.empty()) vrmcore::ReportError(kParameterWrong, u"CIniFile::AddValueToSection1");
        if (value.empty()) vrmcore::ReportError(kParameterWrong, u"CIniFile::AddValueToSection2");
        const CVRMString prefix = lowered(keyPrefix);
        CVRMString key;
        key.Format(u"%s%i", prefix, 1);
        if (const Section* s = FindSection(section)) {
            int number = 1;
            for (; number <= kMaxEntryNumber; ++number) {
                key.Format(u"%s%i", prefix, number);
                if (s->index.count(key) == 0) break;
            }
            XAssert(number <= kMaxEntryNumber);
        }
        WriteIniString(section, key, value, flush);
    } catch (const platform::UserException&) {
        vrmcore::ReportError(kValueNotStored, value);
    }
}

// ---- flushing ----

std::string CIniFile::Image(std::u16string_view prefix, const CVRMStringArray* first,
                            const CVRMStringArray* second) const {
    const bool filtered = first && second && !first->empty() && !second->empty();
    const bool bareLists = !IsUserDatabasePath();
    vrmdb::Utf16Writer out(prefix, m_imageBytes);
    for (const Section& section : m_sections) {
        const bool inFirst = filtered && NameEnthalten(*first, nameOf(section.key));
        if (filtered && !inFirst && !NameEnthalten(*second, nameOf(section.key))) continue;
        out.line(section.key);
        const bool bare = bareLists && isValueOnlySection(section.key);
        for (const auto& [key, value] : section.entries) {
            if (inFirst && !NameEnthalten(*second, value) && !NameEnthalten(*second, key)) continue;
            if (bare)
                out.line(value);
            else
                out.line(key, value);
        }
    }
    return out.take();
}

void CIniFile::Flush(const CVRMString& target, const CVRMStringArray* first,
                     const CVRMStringArray* second) {
    if (m_path.empty()) vrmcore::ReportError(textid::kNichtInitialisiert, u"CIniFile::Flush");
    std::string error;
    try {
        if (target.empty()) {
            const std::string bytes = Image(std::u16string(1, kByteOrderMark), first, second);
            m_imageBytes = bytes.size();
            error = vrmdb::ReplaceFile(m_path.toUtf8(), bytes);
        } else {
            const std::string bytes = Image({}, first, second);
            error = vrmdb::AppendToFile(
                target.toUtf8(), platform::toUtf16LE(std::u16string(1, kByteOrderMark)), bytes);
        }
    } catch (const std::bad_alloc&) {
        error = "Out of memory while writing " + (target.empty() ? m_path : target).toUtf8();
    }
    if (!error.empty()) reportSystemError(error);
}
