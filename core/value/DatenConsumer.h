#pragma once
// The base of every model object that the value store fills: it names the data ids it
// needs, takes the filled list, and answers its record's name.
#include <cstdint>
#include <vector>

#include "core/value/VRMString.h"
#include "core/value/VRMwerteListe.h"

using CWordArray = std::vector<uint16_t>;

class IDatenConsumer {
  public:
    IDatenConsumer() = default;
    IDatenConsumer(const IDatenConsumer&) = delete;
    // Leaves the values alive: the value store's cache holds them.
    virtual ~IDatenConsumer() = default;

    // Adds the data ids the consumer needs.
    virtual void GetDatenIDs(CWordArray& ids) = 0;
    // Takes the filled list; model objects share its values by assigning it to m_werte.
    virtual void init(const CVRMwerteListe& werte) = 0;
    // The name of the consumer's record, which is the section it was filled from.
    virtual CVRMString getConsumerName() const { return m_werte.getName(); }
    // Filled from a record: a name and at least one value.
    bool IstGueltig() const { return !m_werte.getName().empty() && !m_werte.IsEmpty(); }

    // Shares the other consumer's values.
    IDatenConsumer& operator=(const IDatenConsumer& other) {
        m_werte = other.m_werte;
        return *this;
    }

  protected:
    CVRMwerteListe m_werte;
};
