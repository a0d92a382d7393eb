#pragma once
// The values of one named record (one section of a database), keyed by data id.
//
// A list holds its values through shared ownership, which gives the two ways of filling a
// list their meaning without any list having to know who else holds a value:
// - assignment (operator=) shares the value objects of the list assigned from, so an edit
//   made through one list is seen through every list filled from the same record and by
//   the value store's cache;
// - copy() enters clones, which are independent of the list copied from.
// Removing entries (clear, free, the destructor) never destroys a value that another list
// still holds.
#include <cstdint>
#include <map>
#include <memory>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMwert.h"

class CVRMwerteListe {
  public:
    using Eintraege = std::map<uint16_t, std::shared_ptr<CVRMwert>>;

    CVRMwerteListe() = default;
    explicit CVRMwerteListe(const CVRMString& name) : m_name(name) {}
    // Copying must say whether it shares (operator=) or clones (copy).
    CVRMwerteListe(const CVRMwerteListe&) = delete;
    virtual ~CVRMwerteListe() = default;

    // Shares the other list's values and takes its name; an unnamed source reports 3105.
    CVRMwerteListe& operator=(const CVRMwerteListe& other);
    // Replaces this list's values by clones of the other's; the name stays. An unnamed
    // source reports 3105 before anything changes.
    void copy(const CVRMwerteListe& other);

    // An empty name reports 3105.
    void setName(const CVRMString& name);
    const CVRMString& getName() const { return m_name; }
    const CVRMString& getSection() const { return m_name; }

    // The value of an id. An id without an entry reports 3162, or with `quiet` throws the
    // user exception without a box; an entry without a value reports 3105.
    CVRMwert& get(TKelvoDatenID id, bool quiet = false) const;

    // Enters the id with the value (null: an entry without a value yet).
    void SetAt(TKelvoDatenID id, std::shared_ptr<CVRMwert> wert);
    // False when the id has no entry; `wert` may be null for an entry without a value.
    bool Lookup(TKelvoDatenID id, std::shared_ptr<CVRMwert>& wert) const;
    void RemoveKey(TKelvoDatenID id) { m_eintraege.erase(id); }
    int GetCount() const { return static_cast<int>(m_eintraege.size()); }
    bool IsEmpty() const { return m_eintraege.empty(); }
    Eintraege::const_iterator begin() const { return m_eintraege.begin(); }
    Eintraege::const_iterator end() const { return m_eintraege.end(); }

    // Lets go of every value and removes all entries. Values still held by another list
    // live on there.
    void free();
    // Removes all entries.
    void clear();
    // reset() or defval() of every value; entries without a value are skipped.
    void reset();
    void defval();

    // A text for tracing: heading with the name, then one line per value.
    CVRMString dump(const char16_t* prefix) const;
    // Builds the dump and writes it nowhere.
    void trace(const char16_t* prefix) const;

    // The key under which a record stores the value of the id; an id without a key
    // reports 3162.
    static const CVRMString& getKey(TKelvoDatenID id);

  private:
    Eintraege m_eintraege;
    CVRMString m_name;
};
