#pragma once
// One database file held in memory: sections of key/value entries, in file order.
// The user database (kind 0, ".dat") and the library database (kind 1, ".ini").
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/db/IniText.h"
#include "core/value/VRMString.h"

class CVRMStringArray;

// Finds the position of a key in a list of keyed items: open addressing over positions
// and hash bits, so that a database of a hundred thousand entries costs no allocation per
// entry and holds every key once (in its list).
class IniKeyIndex {
  public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    // `keyOf(position)` gives the key of the item at a position.
    template <class KeyOf>
    size_t find(std::u16string_view key, const KeyOf& keyOf) const {
        if (slots_.empty()) return npos;
        const uint32_t tag = tagOf(key);
        for (size_t i = tag & mask(); slots_[i] != 0; i = (i + 1) & mask())
            if ((slots_[i] >> 32) == tag && keyOf(position(i)) == key) return position(i);
        return npos;
    }
    // Adds a key that is not in the index yet.
    void insert(std::u16string_view key, size_t position) {
        if (2 * (used_ + 1) > slots_.size()) grow(2 * (used_ + 1));
        place(tagOf(key), position);
        ++used_;
    }
    // Room for `count` keys in all, so that adding them rehashes nothing.
    void reserve(size_t count) {
        if (2 * count > slots_.size()) grow(2 * count);
    }
    // Builds the index anew for the items 0 to count - 1.
    template <class KeyOf>
    void rebuild(size_t count, const KeyOf& keyOf) {
        slots_.assign(slots_.size(), 0);
        used_ = 0;
        for (size_t position = 0; position < count; ++position) insert(keyOf(position), position);
    }

  private:
    // 32 bits of the key's hash: they choose the first slot and tell most keys apart
    // without comparing them.
    static uint32_t tagOf(std::u16string_view key);
    size_t mask() const { return slots_.size() - 1; }
    size_t position(size_t slot) const { return static_cast<uint32_t>(slots_[slot]) - 1; }
    void place(uint32_t tag, size_t position);
    void grow(size_t atLeast);

    // High 32 bits: the tag; low 32 bits: position + 1 (0: a free slot).
    std::vector<uint64_t> slots_;
    size_t used_ = 0;
};

class CIniFile {
  public:
    // One section: entries in file order (insertion order for new ones).
    struct Section {
        CVRMString key;                                          // "[" + lower-cased name + "]"
        std::vector<std::pair<CVRMString, CVRMString>> entries;  // lower-cased key, value
        IniKeyIndex index;                                       // key -> position in entries
        // Where the section's bytes lie in the file's last whole image, and whether its
        // entries changed since: an unchanged section is copied from there.
        size_t imageBegin = 0, imageEnd = 0;
        bool changed = true;
        size_t find(std::u16string_view entryKey) const {
            return index.find(entryKey, [this](size_t at) -> std::u16string_view {
                return entries[at].first;
            });
        }
    };

    explicit CIniFile(int kind) : m_kind(kind) {}
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    // Loads the file (adding to what is in memory).
    void Init(const CVRMString& path, bool isLibrary);
    // Reads the file into this image as Init would, but without a box, without a copy of
    // a doubtful file and without taking the path as its own, so that nothing of it can
    // ever be written back: for judging a file before it replaces a database. Answers 0
    // when the file was read whole, else the language text that says why it is doubtful;
    // a file that cannot be read (or is missing) sets `error` and answers 0.
    unsigned Pruefe(const CVRMString& path, std::string& error);

    // 1 and the value when the key exists ("ValueFoundButEmpty" for an empty value),
    // else 0 and the default.
    int GetIniString(const CVRMString& section, const CVRMString& key, const CVRMString& def,
                     CVRMString& out) const;
    // Sets the value. A write that would create a library record in the user database is
    // refused with a report (4328 naming the record): the user database keeps none.
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

    // Whether a write into the section would be kept: the user database holds no library
    // records, so it refuses to create one (WriteIniString reports the refusal).
    bool NimmtAuf(const CVRMString& section) const;

    // 1 when an entry names `name` (under `useKey`, see the .cpp); `name` then takes the
    // stored spelling and `where` the record or section that holds it.
    int ValueIsUsed(const CVRMString& useKey, CVRMString& name, CVRMString& where, int mode) const;
    void GetBiboVersion(CVRMString& out) const;

    const CVRMString& GetPath() const { return m_path; }
    int GetKind() const { return m_kind; }
    const std::vector<Section>& Sections() const { return m_sections; }
    // Grows with every change of what the file holds, so that a reader can keep what it
    // read for as long as the count stands still.
    uint64_t Stand() const { return m_stand.load(std::memory_order_acquire); }

    // Writes between BeginneVorgang and BeendeVorgang are one write of the file: the flushes
    // to the own path that they ask for wait for the end. Calls nest; each level can be
    // taken back on its own. BeendeVorgang(true) of the outermost level flushes once when
    // any write asked for it; BeendeVorgang(false), or a flush that fails, takes every
    // change of the level out of the image again, so that image and file stay as they were
    // (a failed flush is then reported).
    void BeginneVorgang();
    void BeendeVorgang(bool abschliessen);
    bool VorgangOffen() const { return !m_vorgaenge.empty(); }
    // A modal loop inside open groups: while they have changed nothing they are set aside
    // (true), so that every action in the loop is a write of its own, and taken up again
    // after it. Groups that changed something stay open and what the loop does joins them.
    bool SetzeVorgaengeAus();
    void NimmVorgaengeWieder();
    // Tests: told of every flush of a file to its own path outside any write group (every
    // user action is one). Returns the previous observer.
    using FlushBeobachter = std::function<void(const CVRMString& path)>;
    static FlushBeobachter BeobachteFlushOhneVorgang(FlushBeobachter beobachter);

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
    void KeepDamagedOriginal(std::string_view bytes, Doubt doubt);
    std::optional<Failure> FlushQuietly(const CVRMString& target, const CVRMStringArray* first,
                                        const CVRMStringArray* second);
    Section& SectionFor(std::u16string_view sectionKey);
    const Section* FindSection(const CVRMString& name) const;
    Section* FindSection(const CVRMString& name);
    size_t FindSectionPosition(std::u16string_view sectionKey) const;
    void Geaendert() { m_stand.fetch_add(1, std::memory_order_acq_rel); }
    static void SetEntry(Section& section, std::u16string_view key, std::u16string_view value);
    static void EraseEntry(Section& section, size_t position);
    void EraseSection(size_t position);
    bool IsUserDatabasePath() const;
    // The file bytes (UTF-16 little-endian) of the image, after the byte-order mark when asked.
    std::string_view Image(bool withMark, const CVRMStringArray* first,
                           const CVRMStringArray* second);
    // The whole image of the own file from the last one: changed sections written anew, the
    // others copied.
    std::string_view RenewedImage();
    void WriteSection(vrmdb::Utf16Writer& out, const Section& section, bool bare) const;
    // A section as it was before the first change in the innermost open write group.
    struct Vorher {
        CVRMString key;
        std::optional<Section> section;  // none: the section did not exist
        size_t position = 0;
    };
    void MerkeVorher(std::u16string_view sectionKey);
    void SchreibeVorgaengeVorDemLaden();
    void NimmZurueck(std::vector<Vorher>& vorher);
    std::optional<Failure> WriteLocked(const CVRMString& section, const CVRMString& key,
                                       const CVRMString& value, bool flush);

    CVRMString m_path;
    std::vector<Section> m_sections;
    IniKeyIndex m_sectionIndex;  // section key -> position in m_sections
    int m_kind;
    std::mutex m_writeLock;
    std::atomic<uint64_t> m_stand{0};  // see Stand()
    // A doubtful load whose original could not be copied: the file is not written over
    // until a copy of these bytes is kept.
    vrmdb::FileImage m_image;  // the bytes of the last flush, its buffer reused
    vrmdb::FileImage m_nextImage;  // the buffer the next renewed image is built in
    // m_image is the whole image of the own file as it is in memory but for the sections
    // marked changed, and their places in it are known.
    bool m_imageWhole = false;
    size_t m_loadedBytes = 0;  // the size of what was loaded, to size the first image
    bool m_originalUnsaved = false;
    std::string m_unsavedOriginal;
    // The open write groups, outermost first, and whether one of their writes asked for a
    // flush.
    std::vector<std::vector<Vorher>> m_vorgaenge;
    bool m_flushOffen = false;
    bool m_gruppenEnde = false;  // the flush that ends the outermost group
    std::vector<std::vector<std::vector<Vorher>>> m_ausgesetzt;  // set aside, innermost loop last
};
