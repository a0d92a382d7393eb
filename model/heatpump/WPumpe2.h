#pragma once
// The heat pump of a project or of the catalogue: a value-store record with up to eight
// performance records. It answers capacity, electric power and coefficient of performance
// at any source and flow temperature by interpolating between the records (extrapolating
// below them and a little above them), corrects them for the heating system's spread,
// gives the rating point and the maximum flow temperature, tells whether it suits a kind
// of heat source, and filters catalogue heat pumps for the dimensioning.
#include "core/value/DatenConsumer.h"
#include "core/value/DatenId.h"
#include "core/value/VRMwert.h"
#include "model/heatpump/WPDatenArray.h"

class CWPumpe2 : public IDatenConsumer {
  public:
    // What GetLeistung and its relatives answer.
    enum Art { kQuellLeistung = 0, kHeizLeistung = 1, kElektroLeistung = 2 };

    CWPumpe2();
    ~CWPumpe2() override = default;

    void GetDatenIDs(CWordArray& ids) override;
    // Shares the list's values and loads the performance records of its record.
    void init(const CVRMwerteListe& werte) override;

    // The value of an id; the maximum flow temperature (370) is first recomputed from the
    // records at the source temperature of the medium.
    CVRMwert& GetWert(TKelvoDatenID id, bool quiet = false);
    // The number of identical heat pumps working together.
    void SetAnzahl(unsigned anzahl);
    unsigned GetAnzahl() const { return m_anzahl; }

    // One unit's value of `art` at the source and flow temperature, interpolated between
    // `daten` (valid records only).
    void GetLeistung(int art, float quellTemp, float vorlaufTemp, const WPLeistDatenZeiger& daten,
                     float& wert);
    // One unit's value of `art` at the flow temperature (already raised to value 371)
    // between two records at the source temperature; never below 0.
    static float LeistungZwischen(int art, const CWPLeistDaten& unten, const CWPLeistDaten& oben,
                                  float quellTemp, float vorlaufTemp);
    // The factor of the electric power for the house's spread `tv` - `tr` against the
    // rating's spread `spreizung`; the source-side correction takes the electric power at
    // this flow temperature at least.
    static float SpreizungsKorrektur(float tv, float tr, float spreizung);
    // Writes the heat pump `von` (its values, defaults for those its record lacks, and its
    // performance records) as the record `nach` of the user database.
    static void Kopiere(const CVRMString& von, const CVRMString& nach);
    static constexpr float kMinKorrVorlauf = 30.0f;
    // Corrects `wert` for the house's spread `tv` - `tr` against the rating's spread.
    void GetLeistungKorr(int art, float quellTemp, float vorlaufTemp,
                         const WPLeistDatenZeiger& daten, float tv, float tr, float& wert);
    // All units, corrected.
    void GetLeistungGesamt(int art, float quellTemp, float vorlaufTemp, float tv, float tr,
                           float& wert);
    // All units, without correction.
    void GetLeistungAnzahl(int art, float quellTemp, float vorlaufTemp, float& wert);
    // Heating capacity over electric power; 0 when the power is not above 0.01.
    float GetLeistungszahl(float quellTemp, float vorlaufTemp);
    float GetLeistungszahlKorr(float quellTemp, float vorlaufTemp, float tv, float tr);

    // True with the value of all units when a record holds exactly this point.
    bool getTabellenWert(int art, float quellTemp, float vorlaufTemp, float& wert);
    // `wert` is 1 unless both table values exist; then their quotient.
    bool GetTabellenLeistungszahl(float quellTemp, float vorlaufTemp, float& wert);

    // The rating point by source medium and the heating capacity of all units there.
    float getAPQ();
    float getAPV();
    float getTHL();
    // The heat-source kind of the medium.
    int getQuellenMedium();
    // Maximum flow temperature at a source temperature.
    float getMVT(float quellTemp);
    // Whether the medium suits the heat-source kind, and the second kind unless that is
    // -2 or less. A failure is shown and answers false.
    bool PasstZuQuellenMedium(int art, int art2);

    // The valid records in array order, not copied.
    void GetGueltigeLeistDaten(WPLeistDatenZeiger& daten) const;
    // The record slots, empty ones included.
    size_t GetLeistDatenSlots() const { return static_cast<size_t>(m_leistDaten.GetSize()); }
    // The records that bracket `quellTemp`; false when `quellTemp` was moved down to the
    // highest source temperature the heat pump may be extrapolated to, after which the
    // caller starts again. Shows the source-temperature warnings.
    bool FindeLeistDaten(float& quellTemp, const WPLeistDatenZeiger& daten,
                         const CWPLeistDaten*& unten, const CWPLeistDaten*& oben);

    // Whether the catalogue heat pump `name` may be chosen by the dimensioning: its
    // medium, its maximum flow temperature and its capacity at the design point.
    static bool PasstZurAuslegung(const CVRMString& name, float& leistung, int medium,
                                  int auslegQuellTempGanz, bool ohneVorlaufTest,
                                  int vorlaufTestModus, bool zweiterPunkt, int zweiteQuellTempGanz,
                                  float auslegQuellTemp, float vorlaufTemp1, float vorlaufTemp2,
                                  float ruecklaufTemp, float benoetigteLeistung,
                                  bool& zwischenkreis);

  private:
    bool IstInitialisiert() const;
    // Text 3101 with the place unless the heat pump is initialised.
    void PruefeInit(const char16_t* ort) const;
    int Medium() const;

    CWPDatenArray m_leistDaten;
    unsigned m_anzahl = 1;
};

// Whether the evaluation and the document must treat a heat pump's record specially: no
// heat pump needs it.
bool TesteConsumerName(const CWPumpe2& wpumpe);
