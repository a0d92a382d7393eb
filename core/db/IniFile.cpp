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
#include "platform/messagebox/MessageBox.h"
#include "platform/text/Text.h"

namespace {

constexpr unsigned kFileNotFound = 3102;
constexpr unsigned kEmptyParameter = 3503;
constexpr unsigned kParameterWrong = 3337;
constexpr unsigned kValueNotStored = 3343;
constexpr unsigned kValueNotDeleted = 3344;
constexpr unsigned kKeyNotDeleted = 3345;
constexpr unsigned kBiboKomponente = 4328;  // "This is a component from the program database..."
constexpr char16_t kValueFoundButEmpty[] = u"ValueFoundButEmpty";

// A doubtful load: the texts of its box, and the name of the copy of the file as it was.
constexpr unsigned kTextDamagedKept = 7130;
constexpr unsigned kTextDamagedNotKept = 7137;
constexpr unsigned kTextNotWrittenOver = 7138;
constexpr const char* kDamagedSuffix = ".damaged";
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

}  // namespace

unsigned CIniFile::ReasonTextOf(Doubt doubt) {
    switch (doubt) {
        case Doubt::DamagedMark: return 7131;
        case Doubt::Undecodable: return 7132;
        case Doubt::TextBeforeSection: return 7133;
        case Doubt::NoSection: return 7134;
        case Doubt::NoLastLineEnd: return 7135;
        case Doubt::OpenSectionLine: return 7136;
        case Doubt::None: break;
    }
    return 0;
}

namespace {

[[noreturn]] void reportSystemError(const std::string& description) {
    vrmcore::ReportError(0, CVRMString::fromUtf8(description));
}

}  // namespace

// ---- loading ----

void CIniFile::Init(const CVRMString& path, bool isLibrary) {
    if (path.empty()) vrmcore::ReportError(kEmptyParameter, u"CIniFile::Init");
    SchreibeVorgaengeVorDemLaden();
    Geaendert();
    // Another path may write another form, and what is loaded is no part of the last image.
    m_imageWhole = false;
    m_path = path;
    const std::string file = path.toUtf8();
    std::string error;
    try {
        vrmdb::RemoveStaleTemporaries(file);
        std::u16string units;
        size_t byteCount = 0;
        bool missing = false;
        error = vrmdb::ReadWholeFile(file, units, byteCount, missing);
        if (missing) {
            // A missing user database is created by the first flush.
            if (!isLibrary) return;
            m_path.clear();
            vrmcore::ReportError(kFileNotFound, path);
        }
        if (error.empty()) {
            m_loadedBytes += byteCount;
            const vrmdb::DecodedText decoded = vrmdb::DecodeDatabaseText(units, byteCount);
            Doubt doubt = Parse(decoded.textIn(units));
            if (decoded.damagedMark) doubt = Doubt::DamagedMark;
            if (decoded.undecodable) doubt = Doubt::Undecodable;
            if (doubt != Doubt::None)
                KeepDamagedOriginal(
                    std::string_view(reinterpret_cast<const char*>(units.data()), byteCount),
                    doubt);
        }
    } catch (const std::bad_alloc&) {
        error = "Out of memory while loading " + file;
    }
    if (error.empty()) return;
    // A file that was not read whole must never be overwritten by a flush of what was.
    m_path.clear();
    reportSystemError(error);
}

// The file as it was is kept beside it before anything can be written over it, and the
// user learns what was doubtful and where the copy lies; the program goes on with what it
// could read. When no copy can be made the file is not written over at all.
void CIniFile::KeepDamagedOriginal(std::string_view bytes, Doubt doubt) {
    CVRMString reason;
    reason.LoadStringW(ReasonTextOf(doubt));
    std::string copyPath;
    const std::string error = vrmdb::KeepCopy(m_path.toUtf8(), kDamagedSuffix, bytes, copyPath);
    CVRMString text;
    if (error.empty()) {
        text.Format(kTextDamagedKept, m_path, reason, CVRMString::fromUtf8(copyPath));
    } else {
        m_unsavedOriginal = bytes;
        m_originalUnsaved = true;
        text.Format(kTextDamagedNotKept, m_path, reason, CVRMString::fromUtf8(error));
    }
    vrmcore::MessageBox(text, textid::kProduktCaption, platform::mb::ICONEXCLAMATION);
}

CIniFile::Doubt CIniFile::Parse(std::u16string_view text) {
    const CVRMString numberFormat = valueLineFormat();
    Doubt doubt = Doubt::None;
    const auto note = [&doubt](Doubt found) {
        if (doubt == Doubt::None) doubt = found;
    };
    bool anyText = false, anySection = false;
    uint32_t valueLines = 0;
    Section* current = nullptr;
    CVRMString key;  // reused: a lower-cased key costs no allocation of its own
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find(u'\n', pos);
        const bool lastLine = end == std::u16string_view::npos;
        if (lastLine) end = text.size();
        std::u16string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
        if (line.empty()) continue;
        anyText = true;
        // The writer ends every line; a file cut short does not.
        if (lastLine) note(Doubt::NoLastLineEnd);
        if (line.front() == u'[') {
            if (line.back() != u']') note(Doubt::OpenSectionLine);
            key.assign(line);
            MakeStringLower(key);
            current = &SectionFor(key);
            // Room for the lines up to the next section, so that the entries are not
            // moved again and again while the section fills.
            const size_t next = std::min(text.find(u"\n[", pos), text.size());
            const size_t lines = static_cast<size_t>(
                std::count(text.begin() + static_cast<std::ptrdiff_t>(std::min(pos, next)),
                           text.begin() + static_cast<std::ptrdiff_t>(next), u'\n'));
            current->entries.reserve(current->entries.size() + lines + 1);
            current->index.reserve(current->entries.size() + lines + 1);
            anySection = true;
            continue;
        }
        if (!current) {
            note(Doubt::TextBeforeSection);
            continue;
        }
        const size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos) {
            key.Format(numberFormat, ++valueLines);
            SetEntry(*current, key, trimmed(line));
        } else {
            key.assign(trimmed(line.substr(0, equals)));
            MakeStringLower(key);
            SetEntry(*current, key, trimmed(line.substr(equals + 1)));
        }
    }
    return anyText && !anySection ? Doubt::NoSection : doubt;
}

// ---- the in-memory image ----

uint32_t IniKeyIndex::tagOf(std::u16string_view key) {
    return static_cast<uint32_t>(std::hash<std::u16string_view>{}(key) >> 32);
}

void IniKeyIndex::place(uint32_t tag, size_t position) {
    size_t i = tag & mask();
    while (slots_[i] != 0) i = (i + 1) & mask();
    slots_[i] = (uint64_t{tag} << 32) | (position + 1);
}

void IniKeyIndex::grow(size_t atLeast) {
    size_t size = std::max<size_t>(16, 2 * slots_.size());
    while (size < atLeast) size *= 2;
    std::vector<uint64_t> old(size, 0);
    old.swap(slots_);
    for (const uint64_t slot : old)
        if (slot != 0) place(static_cast<uint32_t>(slot >> 32), static_cast<uint32_t>(slot) - 1);
}

size_t CIniFile::FindSectionPosition(std::u16string_view sectionKey) const {
    return m_sectionIndex.find(sectionKey, [this](size_t at) -> std::u16string_view {
        return m_sections[at].key;
    });
}

CIniFile::Section& CIniFile::SectionFor(std::u16string_view sectionKey) {
    const size_t at = FindSectionPosition(sectionKey);
    if (at != IniKeyIndex::npos) return m_sections[at];
    m_sectionIndex.insert(sectionKey, m_sections.size());
    return m_sections.emplace_back(Section{CVRMString(sectionKey), {}, {}});
}

const CIniFile::Section* CIniFile::FindSection(const CVRMString& name) const {
    const size_t at = FindSectionPosition(sectionKeyOf(name));
    return at == IniKeyIndex::npos ? nullptr : &m_sections[at];
}

CIniFile::Section* CIniFile::FindSection(const CVRMString& name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

void CIniFile::SetEntry(Section& section, std::u16string_view key, std::u16string_view value) {
    section.changed = true;
    const size_t at = section.find(key);
    if (at != IniKeyIndex::npos) {
        section.entries[at].second = value;
        return;
    }
    section.index.insert(key, section.entries.size());
    section.entries.emplace_back(CVRMString(key), CVRMString(value));
}

void CIniFile::EraseEntry(Section& section, size_t position) {
    section.changed = true;
    section.entries.erase(section.entries.begin() + static_cast<std::ptrdiff_t>(position));
    section.index.rebuild(section.entries.size(), [&section](size_t at) -> std::u16string_view {
        return section.entries[at].first;
    });
}

void CIniFile::EraseSection(size_t position) {
    Geaendert();
    m_sections.erase(m_sections.begin() + static_cast<std::ptrdiff_t>(position));
    m_sectionIndex.rebuild(m_sections.size(), [this](size_t at) -> std::u16string_view {
        return m_sections[at].key;
    });
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
        const size_t at = s->find(lowered(key));
        if (at != IniKeyIndex::npos) {
            const CVRMString& value = s->entries[at].second;
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

bool CIniFile::NimmtAuf(const CVRMString& section) const {
    const CVRMString sectionKey = sectionKeyOf(section);
    return FindSectionPosition(sectionKey) != IniKeyIndex::npos || !IstBiboName(sectionKey) ||
           !IsUserDatabasePath();
}

void CIniFile::GetBiboVersion(CVRMString& out) const {
    out = u"?.??";
    if (const Section* s = FindSection(vrmdb::kSektionBiboInfo)) {
        const size_t at = s->find(u"version");
        if (at != IniKeyIndex::npos) out = s->entries[at].second;
    }
}

// ---- writes ----

void CIniFile::WriteIniString(const CVRMString& section, const CVRMString& key,
                              const CVRMString& value, bool flush) {
    const CVRMString lowerKey = lowered(key);
    std::optional<Failure> failure;
    {
        std::lock_guard<std::mutex> lock(m_writeLock);
        try {
            failure = WriteLocked(section, lowerKey, value, flush);
        } catch (const std::bad_alloc&) {
            failure = Failure{0, u"Out of memory (CIniFile::WriteIniString)"};
        }
    }
    if (failure) vrmcore::ReportError(failure->textId, failure->place);
}

std::optional<CIniFile::Failure> CIniFile::WriteLocked(const CVRMString& section,
                                                       const CVRMString& key,
                                                       const CVRMString& value, bool flush) {
    if (m_path.empty()) return Failure{textid::kNichtInitialisiert, u"CIniFile::WriteIniString"};
    const CVRMString sectionKey = sectionKeyOf(section);
    // A write that cannot land is refused, so that no caller reports a save that did not
    // happen.
    if (!NimmtAuf(section)) return Failure{kBiboKomponente, section};
    const CVRMString stored = StoredForm(value);
    MerkeVorher(sectionKey);
    Geaendert();
    SetEntry(SectionFor(sectionKey), key, stored);
    if (flush) return FlushQuietly({}, nullptr, nullptr);
    return std::nullopt;
}

// ---- write groups ----

void CIniFile::BeginneVorgang() {
    m_vorgaenge.emplace_back();
}

void CIniFile::BeendeVorgang(bool abschliessen) {
    if (m_vorgaenge.empty()) return;
    std::vector<Vorher> vorher = std::move(m_vorgaenge.back());
    m_vorgaenge.pop_back();
    if (!abschliessen) {
        NimmZurueck(vorher);
        return;
    }
    if (!m_vorgaenge.empty()) {
        // The enclosing level takes the sections as they were before this one changed them,
        // unless it had changed them first.
        std::vector<Vorher>& aussen = m_vorgaenge.back();
        for (Vorher& v : vorher)
            if (std::none_of(aussen.begin(), aussen.end(),
                             [&v](const Vorher& a) { return a.key == v.key; }))
                aussen.push_back(std::move(v));
        return;
    }
    std::optional<Failure> failure;
    m_gruppenEnde = true;
    if (m_flushOffen) failure = FlushQuietly({}, nullptr, nullptr);
    m_gruppenEnde = false;
    m_flushOffen = false;
    if (!failure) return;
    NimmZurueck(vorher);
    vrmcore::ReportError(failure->textId, failure->place);
}

namespace {
CIniFile::FlushBeobachter& flushBeobachter() {
    static CIniFile::FlushBeobachter b;
    return b;
}
}  // namespace

CIniFile::FlushBeobachter CIniFile::BeobachteFlushOhneVorgang(FlushBeobachter beobachter) {
    return std::exchange(flushBeobachter(), std::move(beobachter));
}

// A file loaded while write groups are open (a user action that opens another database):
// what they wrote so far belongs to the file before and reaches it now; the groups go on
// with nothing to take back.
void CIniFile::SchreibeVorgaengeVorDemLaden() {
    if (m_vorgaenge.empty() && m_ausgesetzt.empty()) return;
    std::vector<std::vector<Vorher>> offen = std::move(m_vorgaenge);
    m_vorgaenge.clear();
    std::optional<Failure> failure;
    if (m_flushOffen && !m_path.empty()) failure = FlushQuietly({}, nullptr, nullptr);
    m_flushOffen = false;
    if (failure)
        for (auto it = offen.rbegin(); it != offen.rend(); ++it) NimmZurueck(*it);
    for (auto& v : offen) v.clear();
    m_vorgaenge = std::move(offen);
    for (auto& aussen : m_ausgesetzt)
        for (auto& v : aussen) v.clear();
    if (failure) vrmcore::ReportError(failure->textId, failure->place);
}

bool CIniFile::SetzeVorgaengeAus() {
    if (m_vorgaenge.empty() || m_flushOffen) return false;
    if (std::any_of(m_vorgaenge.begin(), m_vorgaenge.end(),
                    [](const std::vector<Vorher>& v) { return !v.empty(); }))
        return false;
    m_ausgesetzt.push_back(std::move(m_vorgaenge));
    m_vorgaenge.clear();
    return true;
}

void CIniFile::NimmVorgaengeWieder() {
    if (m_ausgesetzt.empty()) return;
    // Groups the loop left open stay the innermost.
    std::vector<std::vector<Vorher>> innen = std::move(m_vorgaenge);
    m_vorgaenge = std::move(m_ausgesetzt.back());
    m_ausgesetzt.pop_back();
    for (auto& v : innen) m_vorgaenge.push_back(std::move(v));
}

void CIniFile::MerkeVorher(std::u16string_view sectionKey) {
    if (m_vorgaenge.empty()) return;
    std::vector<Vorher>& vorher = m_vorgaenge.back();
    if (std::any_of(vorher.begin(), vorher.end(),
                    [sectionKey](const Vorher& v) { return v.key == sectionKey; }))
        return;
    const size_t at = FindSectionPosition(sectionKey);
    if (at == IniKeyIndex::npos)
        vorher.push_back({CVRMString(sectionKey), std::nullopt, m_sections.size()});
    else
        vorher.push_back({CVRMString(sectionKey), m_sections[at], at});
}

// Sections are put back as they were. A failed flush may have renewed the image from what
// is taken back, so the next flush writes the whole image anew.
void CIniFile::NimmZurueck(std::vector<Vorher>& vorher) {
    if (vorher.empty()) return;
    Geaendert();
    m_imageWhole = false;
    for (auto it = vorher.rbegin(); it != vorher.rend(); ++it) {
        const size_t at = FindSectionPosition(it->key);
        if (it->section && at != IniKeyIndex::npos) {
            m_sections[at] = std::move(*it->section);
            continue;
        }
        if (at != IniKeyIndex::npos)
            m_sections.erase(m_sections.begin() + static_cast<std::ptrdiff_t>(at));
        else if (it->section)
            m_sections.insert(
                m_sections.begin() + static_cast<std::ptrdiff_t>(
                                         std::min(it->position, m_sections.size())),
                std::move(*it->section));
        m_sectionIndex.rebuild(m_sections.size(), [this](size_t pos) -> std::u16string_view {
            return m_sections[pos].key;
        });
    }
    vorher.clear();
}

void CIniFile::DeleteSection(const CVRMString& section, bool flush) {
    if (section.empty()) vrmcore::ReportError(kParameterWrong, u"CIniFile::DeleteSection");
    const CVRMString sectionKey = sectionKeyOf(section);
    const size_t at = FindSectionPosition(sectionKey);
    if (at == IniKeyIndex::npos) return;
    MerkeVorher(sectionKey);
    EraseSection(at);
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
        const size_t at = s->find(lowered(key));
        if (at != IniKeyIndex::npos) {
            MerkeVorher(s->key);
            Geaendert();
            EraseEntry(*s, at);
        }
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
        if (it != s->entries.end()) {
            MerkeVorher(s->key);
            Geaendert();
            EraseEntry(*s, static_cast<size_t>(it - s->entries.begin()));
        }
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
                if (s->find(key) == IniKeyIndex::npos) break;
            }
            XAssert(number <= kMaxEntryNumber);
        }
        WriteIniString(section, key, value, flush);
    } catch (const platform::UserException&) {
        vrmcore::ReportError(kValueNotStored, value);
    }
}

// ---- flushing ----

// One pass over the image into the buffer of the last flush (sized by the file as it was
// read before the first flush): each piece is copied once. The whole image of the own file
// is kept with the place of each section, so that the next flush writes only the sections
// that changed and copies the rest.
std::string_view CIniFile::Image(bool withMark, const CVRMStringArray* first,
                                 const CVRMStringArray* second) {
    const bool filtered = first && second && !first->empty() && !second->empty();
    const bool whole = withMark && !filtered;
    if (whole && m_imageWhole) return RenewedImage();
    // Until it is complete the buffer holds no image to renew from.
    m_imageWhole = false;
    const bool bareLists = !IsUserDatabasePath();
    {
        vrmdb::Utf16Writer out(m_image, m_loadedBytes + 65536);
        if (withMark) out.append(kByteOrderMark);
        for (Section& section : m_sections) {
            const bool inFirst = filtered && NameEnthalten(*first, nameOf(section.key));
            if (filtered && !inFirst && !NameEnthalten(*second, nameOf(section.key))) continue;
            const bool bare = bareLists && isValueOnlySection(section.key);
            if (!filtered) {
                section.imageBegin = out.size();
                WriteSection(out, section, bare);
                section.imageEnd = out.size();
                section.changed = false;
                continue;
            }
            out.append(section.key);
            out.append(u'\n');
            for (const auto& [key, value] : section.entries) {
                if (inFirst && !NameEnthalten(*second, value) && !NameEnthalten(*second, key))
                    continue;
                if (!bare) {
                    out.append(key);
                    out.append(u'=');
                }
                out.append(value);
                out.append(u'\n');
            }
        }
    }
    m_imageWhole = whole;
    return m_image.view();
}

std::string_view CIniFile::RenewedImage() {
    const std::string_view old = m_image.view();
    const bool bareLists = !IsUserDatabasePath();
    m_imageWhole = false;
    {
        vrmdb::Utf16Writer out(m_nextImage, old.size() + 65536);
        out.append(kByteOrderMark);
        for (Section& section : m_sections) {
            const size_t begin = out.size();
            if (section.changed) {
                WriteSection(out, section, bareLists && isValueOnlySection(section.key));
            } else {
                out.appendBytes(old.substr(section.imageBegin, section.imageEnd - section.imageBegin));
            }
            section.imageBegin = begin;
            section.imageEnd = out.size();
            section.changed = false;
        }
    }
    std::swap(m_image, m_nextImage);
    m_imageWhole = true;
    return m_image.view();
}

void CIniFile::WriteSection(vrmdb::Utf16Writer& out, const Section& section, bool bare) const {
    out.append(section.key);
    out.append(u'\n');
    for (const auto& [key, value] : section.entries) {
        if (!bare) {
            out.append(key);
            out.append(u'=');
        }
        out.append(value);
        out.append(u'\n');
    }
}

void CIniFile::Flush(const CVRMString& target, const CVRMStringArray* first,
                     const CVRMStringArray* second) {
    if (auto failure = FlushQuietly(target, first, second))
        vrmcore::ReportError(failure->textId, failure->place);
}

std::optional<CIniFile::Failure> CIniFile::FlushQuietly(const CVRMString& target,
                                                        const CVRMStringArray* first,
                                                        const CVRMStringArray* second) {
    if (m_path.empty()) return Failure{textid::kNichtInitialisiert, u"CIniFile::Flush"};
    // Inside a write group the own file is written once, at its end.
    if (target.empty() && !m_vorgaenge.empty()) {
        m_flushOffen = true;
        return std::nullopt;
    }
    if (target.empty() && !m_gruppenEnde && flushBeobachter()) flushBeobachter()(m_path);
    std::string error;
    try {
        if (target.empty()) {
            if (m_originalUnsaved) {
                std::string copyPath;
                if (const std::string copyError = vrmdb::KeepCopy(m_path.toUtf8(), kDamagedSuffix,
                                                                  m_unsavedOriginal, copyPath);
                    !copyError.empty()) {
                    CVRMString text;
                    text.Format(kTextNotWrittenOver, m_path, CVRMString::fromUtf8(copyError));
                    return Failure{0, text};
                }
                m_originalUnsaved = false;
                std::string().swap(m_unsavedOriginal);
            }
            error = vrmdb::ReplaceFile(m_path.toUtf8(), Image(true, first, second));
        } else {
            error = vrmdb::AppendToFile(target.toUtf8(),
                                        platform::toUtf16LE(std::u16string(1, kByteOrderMark)),
                                        Image(false, first, second));
        }
    } catch (const std::bad_alloc&) {
        error = "Out of memory while writing " + (target.empty() ? m_path : target).toUtf8();
    }
    if (error.empty()) return std::nullopt;
    return Failure{0, CVRMString::fromUtf8(error)};
}
