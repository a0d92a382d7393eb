#pragma once
// The solar library's access to the data file beyond the value store: the monthly gain
// tables of a plant and the yield records of a collector, read and written through the
// core library's INI functions, and the lists of plants and collectors. Stateless; one
// instance lives from its first use until the library ends.
#include <cstdint>
#include <memory>

#include "core/records/SolareGewinne.h"
#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMwert.h"
#include "solar/KollektorErtrag.h"

class CVRMdatenProvider3 {
  public:
    static constexpr unsigned short kMaxErtraege = 10;

    static CVRMdatenProvider3& get();
    static void release();

    CVRMdatenProvider3(const CVRMdatenProvider3&) = delete;
    CVRMdatenProvider3& operator=(const CVRMdatenProvider3&) = delete;

    // Gains of kind 1 (hot water), 2 (heating) or 3 (ground) of the plant: month n from its
    // key; months without a key or with an empty one stay as they were.
    void GetSolareGewinne(const CVRMString& name, unsigned short art, CSolareGewinne& tabelle);
    // All twelve months, an empty month as an empty text; flush writes the file.
    void SaveSolareGewinne(const CVRMString& name, unsigned short art,
                           const CSolareGewinne& tabelle, int flush);

    bool HatKollektorErtrag(const CVRMString& name);
    // Record n (0 to 9) of the collector: true when its text holds a key and exactly 12
    // yields. The values are not checked here (CKollektorErtrag does).
    bool ReadKollektorErtrag(const CVRMString& name, unsigned short n, unsigned short& key,
                             CKollektorErtrag::Ertraege& ertraege);
    // An empty text deletes the record's key.
    void WriteKollektorErtrag(const CVRMString& name, unsigned short n, const CVRMString& text,
                              int flush);
    // A record number above 9 reports 3105 as writing it would.
    static void PruefeErtragsNummer(unsigned n);

    // The list texts of the core library, each name followed by "§#§".
    CVRMString GetSolarAnlagen(int flag);
    CVRMString GetKollektoren(int flag);

    // The value of any data id in the record `name`, read through the value store's fill,
    // which creates and reads a value the cache does not hold yet and shares the one it
    // holds.
    std::shared_ptr<CVRMwert> LiesWert(const CVRMString& name, TKelvoDatenID id);

    static CVRMString ErtragsKey(unsigned short n);

  private:
    CVRMdatenProvider3() = default;
    ~CVRMdatenProvider3() = default;

    static CVRMdatenProvider3* m_instanz;
};
