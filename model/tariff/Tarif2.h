#pragma once
// The electricity tariff of a project: a value-store record with a day tariff (tariff 1)
// and a second tariff (tariff 2), each with a daily window and a price, further prices, the
// share of tariff 1 in each month, and the daily hours during which the utility blocks the
// heat pump. A record may instead describe its blocking as up to four periods of the day;
// loading converts that form once into blocked hours per tariff window.
#include <array>
#include <cstdint>

#include "core/value/DatenConsumer.h"
#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMwert.h"
#include "model/tariff/TarifBerechnung.h"

// The prices of a tariff in the order the evaluation takes them.
struct STarifPreise {
    float preis1 = 0.0f;
    float preis2 = 0.0f;
    float preis3 = 0.0f;
    float preis4 = 0.0f;
    float preis5 = 0.0f;
    float preis6 = 0.0f;
    float preis7 = 0.0f;
    float preis8 = 0.0f;
    float preis6Kopie = 0.0f;
    int p3wieWP = 0;
    int p4wieWP = 0;
    int p5wieWP = 0;
    int p6wieWP = 0;
};

// A daily window of whole hours; a window from an hour to the same hour is the whole day.
struct STarifFenster {
    unsigned von = 0;
    unsigned bis = 0;
};

class CTarif2 : public IDatenConsumer {
  public:
    static constexpr int kMonate = 12;
    using MonatsAnteile = std::array<float, kMonate>;

    CTarif2();
    ~CTarif2() override = default;

    void GetDatenIDs(CWordArray& ids) override;
    // Shares the list's values, reads the monthly shares and converts the period form.
    void init(const CVRMwerteListe& werte) override;

    bool IstInitialisiert() const;
    CVRMwert& GetWert(TKelvoDatenID id, bool quiet = false);
    // Assigns and saves at once.
    void SetWert(TKelvoDatenID id, const CVRMVariant& wert, bool flush);

    void getTarif1Monate(MonatsAnteile& anteile) const;
    // Sets the shares and saves them at once.
    void setTarif1Monate(const MonatsAnteile& anteile);
    // Months whose share of tariff 1 is above one half.
    int AnzahlTarif1Monate() const;

    // Blocked hours a day: those of each tariff in use.
    float GetSperrzeitProTag() const;
    // A month of 22 blocked days with weekend release, else 30.
    float GetSperrzeitProMonat() const;
    // Whole-number percentage of operation in tariff 1.
    int ProzentTarif1(int prozent) const;
    void GetPreise(STarifPreise& preise) const;

    const CTarifBerechnung& GetBerechnung() const { return m_berechnung; }

    // Period form: whether blocking period 1..4 overlaps the window, and by how many hours.
    // Both count the hours the period and the window share, going round midnight.
    bool SperrzeitWaehrendTarif(int periode, const STarifFenster& fenster) const;
    int16_t GetSperrzeitWaehrendTarif(int periode, const STarifFenster& fenster) const;
    // Sums the periods into the blocked hours of each window and saves them.
    void BerechneSperrzeiten();

  private:
    void PruefeInit(const char16_t* ort) const;
    float Float(TKelvoDatenID id) const { return m_werte.get(id).GetFloatVal(); }
    bool Bool(TKelvoDatenID id) const { return m_werte.get(id).GetBoolVal(); }
    unsigned UInt(TKelvoDatenID id) const { return m_werte.get(id).GetUIntVal(); }
    // Whether the record still holds its blocking in the period form.
    bool HatPeriodenForm() const;

    CTarifBerechnung m_berechnung;
    MonatsAnteile m_tarif1Monate;
};
