#pragma once
// The yearly evaluation of a project, month by month from July to June: the free heat of
// each month (solar gains, heat fed into the heat source) goes to hot water and heating,
// the heat pump covers the rest together with the backup heater, and the temperatures of
// the heat sources and of the brine are followed from month to month and checked against
// fixed limits. The document owns one engine and runs it on demand; the results go into
// the result record the views read.
//
// Monthly series hold 12 floats, January (0) to December (11). Heating quantities are
// mean powers in kW over a month of 720 hours, energies kWh per month, times hours.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "core/value/VRMString.h"
#include "evaluation/BinMethode.h"
#include "model/house/WawaDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "model/source/WQuelle2.h"

class CHaus2;
class CHeizKontext;
class CKombiWQuelle2;
class CProjekt2;
class CTarif2;
class CWPumpe2;

// What the heat pump covers of a month's heating demand, and how it runs.
struct SHeizbedarfWP {
    float bedarf = 0.0f;      // the house's demand (mean kW)
    float wpAnteil = 0.0f;    // the part the heat pump covers (mean kW)
    float zweitAnteil = 0.0f; // the part of the second load the heat pump covers (mean kW)
    // The first operating regime: the mean power of the heat pump in the bins below the
    // bivalence point and its source and flow temperature; the rest of the heat-pump part
    // runs at the second source temperature and the month's flow temperature.
    float laufLeistung1 = 0.0f;
    float laufLeistung2 = 0.0f;  // the same for the second load
    float quellTemp1 = 0.0f;
    float vorlaufTemp1 = 0.0f;
    float quellTemp2 = 0.0f;
};

class CAuswertManager {
  public:
    using Monatswerte = std::array<float, 12>;
    using MonatsSpan = std::span<float, 12>;

    // Key bits that switch gains off.
    static constexpr uint16_t kOhneSolar = 1;
    static constexpr uint16_t kOhneAbluft = 2;
    static constexpr uint16_t kOhneKuehlung = 4;

    CAuswertManager();
    virtual ~CAuswertManager();
    CAuswertManager(const CAuswertManager&) = delete;
    CAuswertManager& operator=(const CAuswertManager&) = delete;

    // True when the year was evaluated for this key and nothing changed since.
    bool IstAusgewertet(uint16_t key) const;
    // Cleared from outside when project data change.
    void ResetAusgewertet() { m_ausgewertet = 0; }

    void InitAuswertung(uint16_t key, CProjekt2* projekt, CKombiWQuelle2* kombi, CWPumpe2* wpumpe,
                        CHaus2* haus, CTarif2* tarif, const CVRMString& solarAnlage,
                        uint32_t wort);
    void DoAuswertung();

    // The 25 series in the order of the result record.
    void GetErgebnisse(CKelvoErgebnisse& ergebnisse) const;
    void GetGewinnTemps(MonatsSpan out) const;
    // Solar feed-in above 0.1 kWh in any month from `erster` to `letzter` (0..11).
    bool HatErdreichEinspeisung(unsigned erster, unsigned letzter) const;

    bool mitSolarenGewinnen() const;
    bool mitAbluftGewinnen() const;
    bool mitKuehlGewinnen() const;

    // The solar page's iteration of the gain temperatures.
    void SetAnpassModus(int modus) { m_anpassModus = modus; }
    int GetWiederholung() const { return m_wiederholung; }

    // Whether the year-end smoothing of probes and other ground sources takes the spline
    // for July and August. Unless the caller says, it does when the project feeds solar
    // heat into the ground.
    void SetGlaettung(bool glaetten) { m_glaettung = glaetten; }

    static void InitMonatsWerte(MonatsSpan werte);
    // The share of `quelle` in the combined source, by the extraction-limit powers.
    static float GetQuellenAnteil(CKombiWQuelle2& kombi, CWQuelle2* quelle, CHaus2& haus,
                                  bool direkt);

    // The heat pump's share of the heating demand. Each reads the weather bins of the
    // house's location itself, so that it can be called without an evaluation.
    static bool MussZugeheiztWerden(int monat, CKombiWQuelle2& kombi, CWPumpe2& wpumpe,
                                    CHaus2& haus, CTarif2& tarif);
    // `quellTemp` is the month's source temperature; `zweiteLast` a load in kW booked
    // beside the heating demand.
    static SHeizbedarfWP MomHeizbedarfDurchWP(int monat, float bedarf, float quellTemp,
                                              float zweiteLast, CKombiWQuelle2& kombi,
                                              CWPumpe2& wpumpe, CHaus2& haus, CTarif2& tarif);
    // The bin method over house and heat pump (`CHeizKontext`); none: text 3105.
    static SBinErgebnis HeizbedarfDurchWP(const SBinEingabe& eingabe, IBinModell* modell);
    static float WPLeistungBeiVorlauf(int monat, float quellTemp, CHaus2& haus, CWPumpe2& wpumpe,
                                      CTarif2& tarif);
    static float MaxWPLeistung(int monat, float bedarf, float quellTemp, CHaus2& haus,
                               CWPumpe2& wpumpe, CTarif2& tarif);
    // The same over components already read.
    static bool MussZugeheiztWerden(int monat, CHeizKontext& kontext);
    static SHeizbedarfWP MomHeizbedarfDurchWP(int monat, float bedarf, float quellTemp,
                                              float zweiteLast, CHeizKontext& kontext);
    static float WPLeistungBeiVorlauf(int monat, float quellTemp, CHeizKontext& kontext);

    // The house's demand of the month and the heat pump's part of it.
    SHeizbedarfWP MomentanerHeizbedarf(int monat, float quellTemp, float zweiteLast);
    // The heat pump's total capacities at a source and flow temperature, or at the month's
    // flow temperature.
    SWPLeistung MomentaneLeistung(int monat, float quellTemp, float vorlaufTemp);
    SWPLeistung MomentaneLeistung(int monat, float quellTemp);

  private:
    // What one heating calculation found (`HeizEnergie`).
    struct SHeizung {
        float bedarf = 0.0f;    // demand x share (mean kW)
        float wpAnteil = 0.0f;  // heat-pump part x share (mean kW)
        float heiz = 0.0f, quelle = 0.0f, el = 0.0f;  // mean powers while running
        float quellEnergie = 0.0f;
        float laufzeit = 0.0f;
    };
    // The year's constants, read once at initialisation.
    struct SJahr {
        float spreizung = 0.0f;  // evaporator temperature difference
        Monatswerte bedarf{};     // heating demand (mean kW)
        Monatswerte vorlaufMonat{};
        // Where the house's hot water asks the heat pump: the capacity table when the active
        // document's heat pump is the one evaluated, else (null) the document.
        IWPLeistungen* wwLeistungen = nullptr;
        unsigned zwischenkreisVerlust = 0;  // K lost in ground water's intermediate circuit
    };
    // What the months read of a source, read once when the months begin.
    struct SQuelle {
        CWQuelle2::SQuellTempDaten temp;
        CWQuelle2::SSoleDaten sole;
        bool erdreich = false;
        bool zwischenkreis = false;  // an intermediate heat exchanger
        float volStrom = 0.0f;
    };

    // Probes, collectors and the other ground sources: kinds 0, 1, 4 and 5.
    static bool IstErdreich(CWQuelle2* quelle);

    void Reset();
    void LeseJahr();
    void LeseQuellen();
    void LeseWarmwasser();
    void LeseSolareGewinne();

    void DoBerechnungen(int monat, int vormonat);
    void VerteileGewinne(int monat, int vormonat, unsigned short prioritaet, float quellTemp,
                         float& wwAnteil, float& heizAnteil);
    void BerechneWarmwasser(int monat, float quellTemp, float& anteil, bool mitWP);
    void BerechneHeizung(int monat, float quellTemp, float& anteil, bool mitWP);
    bool BerechneHeizungUndWarmwasser(int monat, int vormonat, float quellTemp, float& wwAnteil,
                                      float& heizAnteil);
    void BerechneQuellenTemps(int monat);
    void BerechneQuelle(CWQuelle2* quelle, Monatswerte& temps);
    void PruefeErdGrenze(CWQuelle2* quelle, const Monatswerte& temps);
    void SetzeWPReihenAmJahresende();
    void PasseGewinnTempAn(int monat, bool sommerFlag);
    void BucheHeizung(int monat, const SHeizung& h, float& anteil);
    void BucheWarmwasser(int monat, const CWawaDaten& d, float& anteil);
    void AddiereWPReihen(int monat, float faktor, const SHeizung& h);

    SHeizung HeizEnergie(int monat, float quellTemp, float anteil);
    void WarmwasserEnergie(int monat, float anteil, CWawaDaten& daten);
    void BucheQuellAnteile(int monat);

    Monatswerte& Reihe(TErgebnisReihe reihe) { return m_reihen[reihe - 1]; }
    const Monatswerte& Reihe(TErgebnisReihe reihe) const { return m_reihen[reihe - 1]; }

    // State in the order the document relies on.
    int32_t m_ausgewertet = 0;
    uint16_t m_key = 0;
    CWPumpe2* m_wpumpe = nullptr;
    CKombiWQuelle2* m_kombi = nullptr;
    CWQuelle2* m_quelle1 = nullptr;
    CWQuelle2* m_quelle2 = nullptr;
    CHaus2* m_haus = nullptr;
    CTarif2* m_tarif = nullptr;
    CProjekt2* m_projekt = nullptr;
    CVRMString m_solarAnlage;
    uint32_t m_wort = 0;
    int32_t m_initialisiert = 0;
    int32_t m_anpassModus = 0;
    int32_t m_wiederholung = 0;
    std::array<int32_t, 3> m_sommerFlags{};  // June, July, August
    float m_anteil1 = 0.0f;
    float m_anteil2 = 0.0f;
    std::optional<bool> m_glaettung;

    std::array<Monatswerte, CKelvoErgebnisse::kReihen> m_reihen{};
    Monatswerte m_wwQuellAnteil1{}, m_wwQuellAnteil2{};
    Monatswerte m_heizQuellAnteil1{}, m_heizQuellAnteil2{};
    Monatswerte m_solarRestWW{}, m_solarRestHeiz{};
    Monatswerte m_gewinnTemp{};

    SJahr m_jahr;
    std::array<SQuelle, 2> m_quellDaten;
    // The house's hot-water records of the months, prepared once when the months begin.
    struct SWarmwasser {
        bool mitWW = false;  // the heat pump serves hot water
        int service = 0;     // the house's hot-water service
        int speicherTyp = 0;
        std::array<CWawaDaten, 12> monate;
    };
    SWarmwasser m_warmwasser;
    std::unique_ptr<CHeizKontext> m_kontext;
};

// Marks the evaluation of every open project document stale.
void ResetAlleBerechnungen();
