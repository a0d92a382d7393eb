#pragma once
// The heat source of a project as the rest of the program sees it: one or two single heat
// sources held by record name, and the operating mode of the heating system read from the
// first. Its own record names the two source records (280, 340), unless the record is a
// single source itself (it holds a kind, 246).
#include <map>
#include <memory>
#include <string>

#include "core/value/DatenConsumer.h"
#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "model/source/WQuelle2.h"

// What the dimensioning found for the heat source.
struct SDimWQuelle {
    int art = 0;
    unsigned sondenLaenge = 0;  // m, one probe
    int anzahl = 0;             // probes
    float aussen = 0.0f;        // outer tube diameter, mm
    float flaeche = 0.0f;       // collector area, m²
    float rohrLaenge = 0.0f;    // collector tube length, m
    int betrWeise = 0;
    int dimPunktTemp = 0;
    float spreizung = 0.0f;       // the project's evaporator spread
    float entzugLeistung = 0.0f;  // the heat pump's extraction at its rating point, kW
    float nennVolStrom = 0.0f;    // nominal brine flow of the heat pump(s), m³/h
    int pumpenMedium = 0;
    float weiterer = 0.0f;  // passed on by the design page, not used
    int sondenart = 0;
};

class CKombiWQuelle2 : public IDatenConsumer {
  public:
    CKombiWQuelle2() = default;
    ~CKombiWQuelle2() override = default;

    void GetDatenIDs(CWordArray& ids) override;
    // Rebuilds the sources from the record.
    void init(const CVRMwerteListe& werte) override;

    // Deletes every source and empties the links 280 and 340.
    void reset();
    bool IstGueltig() const;
    int GetAnzahlWQuellen() const { return static_cast<int>(m_quellen.size()); }
    bool IstEinzelQuelle() const { return m_einzelQuelle; }

    // Source 1 or 2 by the "_(n)" of its record name; none: null.
    CWQuelle2* GetWQuelle(int nummer);
    CWQuelle2* GetErsteWQuelle();
    CWQuelle2* GetZweiteWQuelle();
    bool IstZweiteWQuelleMoeglich();
    // Adds the second source (the first when there is none), saved at once.
    CWQuelle2* AddWQuelle();
    // Removes the second source from the database and from this record, saved at once.
    void LoescheZweiteWQuelle();
    void SaveDaten();
    void ResetWQuellen();

    int GetDimPunktTemp();
    bool IstMonoEnergetisch();
    bool IstBiValent();
    bool IstMonoValent();
    bool IstMonoBiParallel();
    bool IstMonoBiAlternativ();
    bool IstMitRLanhebung();

    // Writes a design into the first source; only in design mode.
    void SetDimDaten(const SDimWQuelle& dim, bool speichern);
    // The kind of the first source as a short text.
    CVRMString GetKurzInfo();

    // The suffix of the record name of source 1 or 2 ("_(1)", "_(2)").
    static CVRMString Nummer(int nummer);

  private:
    void ErzeugeWQuellen();
    void FuegeEin(const CVRMString& name);
    void ErzeugeWQuellenName(int nummer, CVRMString& name, TKelvoDatenID& id);
    int BetrWeise(const char16_t* ort);

    bool m_einzelQuelle = false;
    // By full record name, so that "_(1)" sorts before "_(2)".
    std::map<std::u16string, std::unique_ptr<CWQuelle2>> m_quellen;
};
