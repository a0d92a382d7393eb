#pragma once
// A model object as the value store sees it: it asks for a fixed set of data ids and
// shares the filled values, as the model objects do.
#include <utility>
#include <vector>

#include "core/value/DatenConsumer.h"

class TestConsumer : public IDatenConsumer {
  public:
    explicit TestConsumer(std::vector<uint16_t> ids) : ids_(std::move(ids)) {}

    void GetDatenIDs(CWordArray& ids) override { ids.insert(ids.end(), ids_.begin(), ids_.end()); }
    void init(const CVRMwerteListe& werte) override { m_werte = werte; }

    CVRMwert& wert(TKelvoDatenID id) { return m_werte.get(id); }
    const CVRMwerteListe& werte() const { return m_werte; }

  private:
    std::vector<uint16_t> ids_;
};
