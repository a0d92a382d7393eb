#pragma once
// A solar collector: its values (tilt and orientation of its yield data, type) and up to
// ten yield records, each the monthly output per square metre at one mean collector
// temperature. The yield at any temperature is interpolated between the two records
// around it, or extrapolated from the first or last two.
#include <memory>
#include <vector>

#include "core/value/DatenConsumer.h"
#include "core/value/VRMVariant.h"
#include "solar/KollektorErtrag.h"

class CKollektor2 : public IDatenConsumer {
  public:
    // Yields of collectors named after this city (in either spelling) are cut by this
    // factor, once.
    static constexpr float kFaktorWarschau = 0.926f;

    void GetDatenIDs(CWordArray& ids) override;
    // Takes the values, then the yield records (the standard collector's when the
    // collector's own are missing or invalid) and checks them.
    void init(const CVRMwerteListe& werte) override;

    // The collector's own records; a failure reports and throws.
    void ReadErtraege();
    // At least two records under a name.
    void CheckErtraege() const;

    // Record `index`: false beyond the last one.
    bool GetErtragsDaten(unsigned short index, unsigned short& key,
                         CKollektorErtrag::Ertraege& werte) const;
    // The monthly yield (kWh/m²) at mean collector temperature `key`; 0 for key 0.
    float GetErtrag(unsigned short key, unsigned short monat) const;

    const CVRMwert& GetWert(TKelvoDatenID id) const { return m_werte.get(id); }
    void SetWert(TKelvoDatenID id, const CVRMVariant& wert, int flush);

    size_t GetErtragsAnzahl() const { return m_ertraege.size(); }

    // The standard collector's name: this text ("StdCollector-Germany"), "_", text 3621.
    static constexpr unsigned kStdKollektorText = 3614;
    static CVRMString StdKollektorName();

  private:
    void LoadErtraege();
    void LiesErtraege(const CVRMString& name);
    float Stadtfaktor() const;

    std::vector<std::unique_ptr<CKollektorErtrag>> m_ertraege;
};
