#pragma once
// The one value store of the process. It fills model objects with the values of a named
// record and keeps every value it has read in a cache by section and data id, so that all
// objects filled from one record share the same value objects; it writes values back to
// the active database, lists the names of a kind of record, and reads and writes a few
// location values directly, outside the cache.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/db/Lists.h"
#include "core/value/DatenConsumer.h"
#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "core/value/VRMdb.h"
#include "core/value/VRMwert.h"
#include "core/value/VRMwertFabrik.h"
#include "core/value/VRMwerteListe.h"

class CVRMdatenProvider {
  public:
    // The instance, created on first use; the language table must be loaded by then.
    static CVRMdatenProvider& get();
    // Drops the instance and its cache (program end; tests).
    static void remove();
    // The instance if there is one (a write group around a whole user action outlives it).
    static CVRMdatenProvider* vorhanden() { return m_pVRMdatenProvider; }

    CVRMdatenProvider(const CVRMdatenProvider&) = delete;
    CVRMdatenProvider& operator=(const CVRMdatenProvider&) = delete;

    // Fills the consumer with the record of the section. A value is read from the database
    // only the first time any consumer of its section asks for it.
    void fill(IDatenConsumer& consumer, const CVRMString& section);
    // The cached list of the section (section names compare with case).
    const CVRMwerteListe& getWerte(const CVRMString& section);
    // Every cached value of the section back to its loaded value.
    void resetWerte(const CVRMString& section);
    // Drops the cached values of a record that was deleted from the database, so that a
    // new record of the same name starts from the database again. Objects filled from it
    // keep their values.
    void forget(const CVRMString& section);

    // Writes every value of the list under the list's name and marks it saved; values not
    // held by the database are only marked saved. A failure throws after its one report;
    // what was written before stays written, the rest stays changed.
    void save(const CVRMwerteListe& werte, bool flush);
    void save(const CVRMString& section, TKelvoDatenID id, CVRMwert& wert, bool flush);
    // Writes the active database file to disk.
    void persist();
    // A write group of the user database (CSpeicherVorgang) begins or ends; a group that
    // is taken back makes the values it marked saved count as changed again.
    void beginVorgang();
    void endVorgang(bool abschliessen);
    // The open groups are set aside for a modal loop and taken up again after it.
    void setzeVorgaengeAus();
    void nimmVorgaengeWieder();

    // Direct access to location values and a few record values, outside the cache; the
    // place of each id is fixed (DatenProviderDirekt.cpp). Writes go to disk at once.
    CVRMwert getWert(const CVRMString& name, TKelvoDatenID id);
    // The record and key where getWert finds the id, to name a damaged stored value.
    std::pair<CVRMString, CVRMString> getStelle(const CVRMString& name, TKelvoDatenID id) const;
    void saveWert(const CVRMString& name, TKelvoDatenID id, CVRMwert& wert);
    // Only for id 246: whether the record holds it.
    int istWertVorhanden(const CVRMString& section, TKelvoDatenID id);

    // The names of a list: with the library, library entries then the active database's;
    // with `showFilter`, locations whose show flag is not set are left out.
    void getListe(CVRMStringArray& out, TKelvoListID list, bool withBibo,
                  const CVRMStringArray* filter = nullptr, bool showFilter = false);
    // The same, narrowed for locations to a country code ("alle": all, "sonst": none of
    // the known countries) and a kind (the first digit of the name; outside 0-9: all).
    void getListe(CVRMStringArray& out, TKelvoListID list, const CVRMString& land, int art,
                  bool withBibo, const CVRMStringArray* filter = nullptr, bool showFilter = false);
    // Adds the name to the list of the active database and writes the file; the core's
    // result.
    int addToListe(TKelvoListID list, const CVRMString& name);

    // The countries of the country list, at the same index in the three outputs.
    void getKlimaLaender(CVRMStringArray& namen, std::vector<uint32_t>& nummern,
                         CVRMStringArray& kuerzel, const CVRMStringArray* filter = nullptr);
    // 99 is "alle", 0 "sonst", an unknown number empty.
    CVRMString getLandKuerzel(uint32_t nummer);
    // The code of the country in parentheses in the name; "sonst" for none.
    CVRMString getLandKuerzel(const CVRMString& ort);

  private:
    CVRMdatenProvider() = default;
    virtual ~CVRMdatenProvider() = default;
    void init();

    std::shared_ptr<CVRMwert> getOrCreateWert(const CVRMString& section, TKelvoDatenID id);
    CVRMwerteListe& cacheListe(const CVRMString& section);
    void filtereAnzeige(CVRMStringArray& namen, TKelvoListID list);
    void filtereLand(CVRMStringArray& namen, const CVRMString& land);

    // A cached value that a save of an open write group marked saved, as it was before.
    struct Gespeichert {
        std::shared_ptr<CVRMwert> wert;
        CVRMwert vorher;
    };
    void merkeVorher(const CVRMString& section, TKelvoDatenID id, const CVRMwert& wert);

    std::map<std::u16string, std::unique_ptr<CVRMwerteListe>> m_cache;
    std::vector<std::vector<Gespeichert>> m_vorgaenge;  // the open groups, outermost first
    std::vector<std::vector<std::vector<Gespeichert>>> m_ausgesetzt;
    // The direct reads as the database answered them, kept while its change count stands
    // still: the evaluation asks the same location values many times a year.
    std::unordered_map<std::u16string, CVRMwert> m_direkt;
    uint64_t m_direktStand = 0;
    CVRMwertFabrik m_fabrik;
    CVRMdb m_db;

    static CVRMdatenProvider* m_pVRMdatenProvider;
};
