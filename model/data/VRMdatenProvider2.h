#pragma once
// The model's front over the value store for the records it reads as whole series: the
// monthly climate and sunshine of a location, the 63 outdoor-temperature bins of a weather
// location, the monthly ground temperatures, the soil properties and the performance
// records of a heat pump. It parses and writes the "#"-terminated number texts these are
// stored in, computes the series that a location takes "from the climate", and keeps the
// library's weather and ground series in their transformed form. It reads through the core
// library's value store and keeps what it parsed or computed from it (the series of a
// location, soil values) while the store's change count stands still.
#include <array>
#include <cstdint>
#include <span>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMwert.h"
#include "model/data/ReihenMerker.h"

class CWPDatenArray;

class CVRMdatenProvider2 {
  public:
    static constexpr int kMonate = 12;
    // Whole degrees of daily mean outdoor temperature, bin i = (i - 50) °C.
    static constexpr int kTempKlassen = 63;
    static constexpr int kNullGradKlasse = 50;
    // A heat pump keeps at most this many performance records.
    static constexpr int kMaxLeistDaten = 8;

    using MonatsWerte = std::span<float, kMonate>;
    using KonstMonatsWerte = std::span<const float, kMonate>;
    using TempKlassen = std::span<float, kTempKlassen>;
    using KonstTempKlassen = std::span<const float, kTempKlassen>;

    static CVRMdatenProvider2& Get();
    static void Release();
    virtual ~CVRMdatenProvider2() = default;

    // Climate and sunshine.
    void GetMonatsWerte(const CVRMString& klimaort, MonatsWerte out);
    float getKlimaMonatsTemp(const CVRMString& klimaort, unsigned monat);
    CVRMwert getNormAussenTemp(const CVRMString& klimaort);
    CVRMwert getKlimaortDaten(const CVRMString& klimaort, TKelvoDatenID datenId);
    void LeseSonnenMonatsStd(const CVRMString& sonnenort, MonatsWerte out);
    float getSonnenMonatsStd(const CVRMString& sonnenort, unsigned monat);
    void SaveKlimaMonatsTemps(const CVRMString& klimaort, KonstMonatsWerte werte);
    void SaveSonnenMonatsStd(const CVRMString& sonnenort, KonstMonatsWerte werte);
    void SaveNormAussenTemp(const CVRMString& klimaort, float wert);
    void SaveWert(const CVRMString& satz, TKelvoDatenID datenId, const CVRMString& text);

    // The weather, ground and sunshine locations that belong to a climate location.
    CVRMString GetKlimaortText666(const CVRMString& klimaort);
    CVRMString GetKlimaortName(const CVRMString& klimaort);
    CVRMString GetKlimaortText668(const CVRMString& klimaort);

    // Weather bins and ground temperatures, read or computed from the climate.
    void GetTempHaeufigkeiten(const CVRMString& wetterort, TempKlassen out,
                              const CVRMString& klimaort);
    void SaveWetterWerte(const CVRMString& wetterort, KonstTempKlassen werte);
    void GetBodenMonatsTemps(const CVRMString& bodenort, MonatsWerte out,
                             const CVRMString& klimaort);
    void SaveBodenMonatsTemps(const CVRMString& bodenort, KonstMonatsWerte werte);

    // Soil properties 247, 249 and 250.
    float GetBodenDaten(TKelvoDatenID datenId, const CVRMString& bodenart);
    void SaveBodenDaten(const CVRMString& bodenart, float waermeleitzahl, float spezWaerme,
                        float dichte);

    // A heat pump's performance records in its section, keys "LeistDaten0" to "LeistDaten7".
    // Reading empties the array's slots and fills them with the stored records, each at the
    // index of its key (the array grows as far as needed). A record without a second flow
    // temperature gets 50 °C there, one without a maximum flow temperature
    // `maxVorlaufTemp`. An empty name is error 3105; an array of more than eight slots the
    // generic error.
    void GetWPLeistDaten(const CVRMString& wpName, CWPDatenArray& daten, unsigned maxVorlaufTemp);
    // Writes slot i under "LeistDaten<i>" and removes the keys of empty or missing slots;
    // with `flush` the database goes to disk. An empty name or more than eight slots is the
    // generic error.
    void SaveWPLeistDaten(const CVRMString& wpName, const CWPDatenArray& daten, bool flush);

    // The performance-record rows of a heat pump, keys "LeistDaten0" to "LeistDaten7" of its
    // section; a missing key leaves its slot empty. Rows are stored as plain text; a stored
    // row without "#" is taken as scrambled and unscrambled before it is handed out.
    std::array<CVRMString, kMaxLeistDaten> LeseLeistDatenZeilen(const CVRMString& wpName);
    // Writes row i under "LeistDaten<i>" when it is not empty and removes the key otherwise;
    // rows beyond the eighth are an error (text id 0).
    void SpeichereLeistDatenZeilen(const CVRMString& wpName, std::span<const CVRMString> zeilen,
                                   bool flush);

    // The computations behind the series, open for tests.
    static void ErzeugeTempHaeufigkeiten(KonstMonatsWerte temps, TempKlassen klassen,
                                         float normAussenTemp);
    static void SinusJahresgang(KonstMonatsWerte luft, MonatsWerte boden);
    // A library record stores its weather and ground numbers transformed by position.
    static float BiboWertSpeichern(float wert, int position);
    static float BiboWertLesen(float gespeichert, int position);
    // Each number formatted with `nachkomma` decimals and followed by "#".
    static CVRMString SchreibeReihe(std::span<const float> werte, int nachkomma);

  private:
    CVRMdatenProvider2() = default;
    // A series of twelve as read and parsed, kept: the yearly evaluation asks for the
    // climate of every month many times.
    void LeseZwoelfGemerkt(TKelvoDatenID id, unsigned ohneOrt, unsigned fehlt,
                           const CVRMString& name, MonatsWerte out);
    void LeseTempHaeufigkeiten(const CVRMString& wetterort, TempKlassen out,
                               const CVRMString& klimaort);
    void LeseBodenMonatsTemps(const CVRMString& bodenort, MonatsWerte out,
                              const CVRMString& klimaort);
    // Clears what was kept when the database has changed since.
    void PruefeGemerkt();
    // Series of twelve by data id and location; bins and ground temperatures by location and
    // climate location (from which they may be computed); soil values by data id and soil.
    CReihenMerker<kMonate> m_zwoelf;
    CReihenMerker<kTempKlassen> m_klassen;
    CReihenMerker<1> m_boden;
    uint64_t m_gemerktStand = 0;
    static CVRMdatenProvider2* s_instanz;
};
