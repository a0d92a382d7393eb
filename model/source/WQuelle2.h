#pragma once
// One heat source of a project: a probe field, a horizontal collector, outdoor air, ground
// water, earth-air tubes, a second collector form or air at a given constant temperature.
// A value-store record completed with program defaults at filling; it derives its ground
// values from the soil layers, answers natural, source and brine temperatures, extraction
// limits, the design test and the size it needs, checks its input, and saves changes at
// once. The arithmetic lies in the calculator it owns.
//
// In the operations below a kind of -1, a length or area of 0, a λ below 0 and negative
// classes stand for the source's own values.
#include <array>
#include <span>

#include "core/value/DatenConsumer.h"
#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMwert.h"
#include "model/source/WQBerechnung.h"

class CWQuelle2 : public IDatenConsumer {
  public:
    using MonatsWerte = std::span<float, 12>;
    using KonstMonatsWerte = std::span<const float, 12>;

    CWQuelle2() = default;
    ~CWQuelle2() override = default;

    void GetDatenIDs(CWordArray& ids) override;
    // Shares the list's values and completes the missing ones with the program's defaults.
    void init(const CVRMwerteListe& werte) override;

    // The record name before its first "_WQX".
    CVRMString GetBasisName() const;
    bool IstGueltig() const;

    // A value; the ground values 247, 249 and 250 are first derived from the soil layers.
    CVRMwert& GetWert(TKelvoDatenID id);
    // Assigns in the value's own type and saves through the value store at once.
    void SetWert(TKelvoDatenID id, const CVRMVariant& wert, bool flush);
    // Assigns in the value's own type, in memory only.
    void SetzeWert(TKelvoDatenID id, const CVRMVariant& wert);
    // Every value back to its default, then the whole record saved.
    void Reset();
    // Saves the whole record.
    void Speichern(bool flush);
    // Every value back to its default in memory: a removed record leaves nothing behind
    // for a later record of the same name.
    void VerwerfeWerte();

    void GetUserQuellTemps(MonatsWerte out) const;
    void SetUserQuellTemps(KonstMonatsWerte werte);

    // Undisturbed monthly source temperatures; `wertArt6` is the temperature of kind 6.
    void GetQuellenTempsU(MonatsWerte out, float wertArt6, int art, bool userErlaubt,
                          const CVRMString& klimaort);
    // Mean ground temperature along a probe of `laenge` m at the climate location.
    float GetSondenTemp(unsigned laenge, const CVRMString& klimaort);

    // What the monthly source temperature reads of the record: the ground values derived
    // from the soil layers, the latent heat and the dimensions.
    struct SQuellTempDaten {
        int art = 0;
        float lambda = 0.0f, spezWaerme = 0.0f;
        float flaeche = 0.0f, laenge = 0.0f, abstand = 0.0f, aussen = 0.0f;
        int kreise = 0, reihe = 0;
        float latentWaerme = 0.0f;
    };
    // What the brine temperature reads of the record: the tubes and the fluid.
    struct SSoleDaten {
        int art = 0;
        bool nichtEthylenglykol = true;  // the fluid's family
        unsigned konzentration = 0;
        float rohrLambda = 0.0f, innen = 0.0f, aussen = 0.0f, laenge = 0.0f, volStrom = 0.0f;
        int kreise = 0, reihe = 0, sondenart = 0;
    };
    // Read once, they serve a run of months in which the record does not change.
    SQuellTempDaten LeseQuellTempDaten();
    SSoleDaten LeseSoleDaten();

    // Source temperature of the month under the energy drawn (1 and 2) and fed in.
    void BerechneQuellenTemp(int monat, KonstMonatsWerte entzug1, KonstMonatsWerte entzug2,
                             KonstMonatsWerte natur, KonstMonatsWerte eingespeist,
                             KonstMonatsWerte arbeit, float spreizung, float, float& out);
    void BerechneQuellenTemp(const SQuellTempDaten& daten, int monat, KonstMonatsWerte entzug1,
                             KonstMonatsWerte entzug2, KonstMonatsWerte natur,
                             KonstMonatsWerte eingespeist, KonstMonatsWerte arbeit,
                             float spreizung, float& out);
    // Brine temperature entering the heat pump.
    void SoleTemperatur(int monat, float quellTemp, float last, float spreizung,
                        bool einfacheSpreizung, float& out);
    void SoleTemperatur(const SSoleDaten& daten, int monat, float quellTemp, float last,
                        float spreizung, bool einfacheSpreizung, float& out);

    float GetLatentWaerme();
    float GetReynoldsZahl();
    float MinVolStromSole(float spreizung, float leistung, float minimum, float dichte, float spezW,
                          float innen, float viskos, int art);
    float MinVolStromSole2(float spreizung, float leistung, float minimum);

    // Laying factors of the outer diameter: reference country and the location's country.
    void GetVerlegeFaktoren(float aussen, bool perFormel, const CVRMString& ort, float& f1,
                            float& f2);
    float GetMSE(float leistung, int art = -1, unsigned laenge = 0, unsigned flaeche = 0);
    float GetMSEGrenze(const CVRMString& ort, bool direkt, int art = -1);
    // The power the momentary limit allows the whole source.
    float GetMSEGrenzLeistung(const CVRMString& ort, bool direkt);

    bool TesteAuslegung(int art, float leistung, float energie, bool direkt, const CVRMString& ort,
                        unsigned laenge, unsigned flaeche, float lambda, int feuchte, int richtung,
                        int sondenart);
    void Dimensioniere(int art, float leistung, float energie, float aussen, bool perFormel,
                       const CVRMString& ort, float& out1, float& out2);
    // Puts a design variant into the source, in memory; only in design mode.
    void SetActiveDimData(int art, int betrWeise, int dimPunktTemp, unsigned laenge);

    // Litres of fluid in the tubes and of antifreeze concentrate in it.
    static unsigned GetRohrVolumen(int art, float innen, unsigned laenge, unsigned anzahl,
                                   bool direkt, int sondenart);
    static unsigned GetFrostschutzMenge(int art, float innen, unsigned laenge, unsigned anzahl,
                                        float konzentration, bool direkt, int sondenart);
    // Depth of the deepest layer that has a soil record.
    unsigned GetBodenProfilTiefe();
    // True while a probe's ground is still the one default soil a new source is given,
    // reaching exactly to the end of its probes: nobody has entered a profile of its own.
    bool HatVorgabeBoden();

    // Throws text 3124 when a heat pump of `pumpenMedium` cannot use this kind of source.
    static void PruefeKompatibilitaet(int pumpenMedium, int art, int, bool verzicht);
    // Input checks; a failure is reported and thrown. With `verlegeHinweis` a collector laid
    // too far apart is noticed to the user.
    bool DatenOK(bool direkt, const CVRMString& ort, bool verlegeHinweis);
    static bool DatenOK(bool direkt, int art, int betrWeise, float volStrom, float innen,
                        float aussen, const CVRMString& material, const CVRMString& umhuellung,
                        const CVRMString& frostschutz, bool bivalent, bool monoEnergetisch,
                        int dimPunktTemp);

    // The calculator of this source.
    CWQBerechnung& Berechnung() { return m_berechnung; }

  private:
    void PruefeInit(const char16_t* ort) const;
    void SetzeVorgaben();
    void SetzeFrostschutzVorgabe();
    void SetzeRohrVorgaben();
    void LeseUserQuellTemps();
    float BerechneAbgeleitetenWert(TKelvoDatenID id);
    void LeseBodenTemps(const CVRMString& klimaort, MonatsWerte out);

    int Int(TKelvoDatenID id) const;
    unsigned UInt(TKelvoDatenID id) const;
    float Float(TKelvoDatenID id) const;
    bool Bool(TKelvoDatenID id) const;
    CVRMString Text(TKelvoDatenID id) const;
    int Art(int art) const { return art < 0 ? Int(ID_QuellMediumIdx) : art; }

    CWQBerechnung m_berechnung;
    std::array<float, 12> m_userQuellTemps{};
};

// Assigns `wert` to `ziel` converted into the type `ziel` holds, so that a value keeps the
// type its record stores it in.
void WeiseTypgerechtZu(CVRMwert& ziel, const CVRMVariant& wert);
