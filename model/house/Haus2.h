#pragma once
// The building of a project: one record of the value store with the design heat load,
// the heating system and its heating curve, the hot-water demand, the locations and the
// monthly destinations of solar heat. It answers the evaluation and the dimensioning;
// the arithmetic lies in the calculator it owns.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/value/DatenConsumer.h"
#include "core/value/VRMString.h"
#include "core/value/VRMwert.h"
#include "model/house/HausBerechnung.h"

class CSolareGewinne;
class CWawaDaten;

class CHaus2 : public IDatenConsumer {
  public:
    static constexpr unsigned short kMonate = 12;
    using MonatsWerte = std::span<float, kMonate>;
    using SolarWohinArray = std::vector<unsigned>;

    // Destinations of solar heat.
    enum TSolarWohin : unsigned { kNirgends = 0, kWarmwasser = 1, kHeizung = 2, kErdreich = 3 };

    CHaus2();
    ~CHaus2() override;

    void GetDatenIDs(CWordArray& ids) override;
    void init(const CVRMwerteListe& werte) override;

    // The record name without its "_HausX" ending.
    CVRMString GetName() const;
    bool IstInitialisiert() const;

    // A value of the record; 185 to 187 read 0 while their heating type is off, 189 is
    // derived from the demand figure while 238 is on.
    CVRMwert& GetWert(TKelvoDatenID id, bool quiet = false);
    // Assigns and saves at once.
    void SetWert(TKelvoDatenID id, const CVRMVariant& wert, bool flush);

    // Locations.
    void GetKlimaMonatsTemps(MonatsWerte out);
    float GetKlimaMonatsTemp(unsigned short monat);
    CVRMwert GetNormAussenTemp();
    float GetSonnenMonatsStd(unsigned short monat);

    // Plants.
    bool HatSolarAnlage();
    bool HatKuehlAnlage();
    bool HatAbluftAnlage() const { return false; }
    bool IstSolarProjekt(const CVRMString& solarAnlage);
    bool IstKuehlProjekt(const CVRMString& kuehlAnlage);

    // Solar destinations of system 1 to 3.
    unsigned GetSolarWohin(unsigned short monat, unsigned short system);
    const SolarWohinArray& GetSolarWohinArray(unsigned short system) const;
    const SolarWohinArray& GetSolarWohin(unsigned short system);
    void SetSolarWohin(const SolarWohinArray& wohin, unsigned short system, bool flush);
    bool HatSolarWohin(unsigned ziel) const;
    // The stored form read into twelve entries.
    static void ParseSolarWohin(const CVRMString& text, SolarWohinArray& wohin);

    // Short texts of the project window.
    CVRMString GetOrtKurzInfo();
    CVRMString GetWawaKurzInfo();
    CVRMString GetSolarKurzInfo(const CVRMString& solarAnlage);
    CVRMString GetKuehlKurzInfo(const CVRMString& kuehlAnlage);

    // Heating; mode 1 counts internal and passive solar gains.
    void GetMomentanerHeizbedarf(unsigned short monat, int modus, float& out);
    void MomentanerHeizbedarf(unsigned short monat, int modus, float& out);
    void GetHeizbedarfMonat(float temp, int modus, float& out);
    void HeizbedarfMonat(float temp, int modus, float& out);
    float GetJahresHeizbedarf(int modus);
    // Every month's demand and flow temperature as the single months give them, with the
    // climate and the house read once.
    void MomentanerHeizbedarfJahr(int modus, MonatsWerte out);
    void MomentaneVorlaufTempJahr(float faktor, MonatsWerte out, bool quiet);
    // The design heat load that gives the yearly demand; 0 when none does.
    float BerechneNormHeizlast(float jahresBedarf);

    // Flow temperature.
    bool IstFesteVorlaufTemp();
    void MomentaneVorlaufTemp(unsigned short monat, float faktor, float& out, bool quiet);
    void MomentaneVorlaufTempMonat(float temp, float faktor, float& out, bool quiet);
    void MomentaneVorlaufTempLast(float faktor, float last, float& out, bool quiet);
    float GetHeizkoerperExponent();
    int GetMinVorlaufTemp();
    static unsigned GetStandardMRU() { return 24; }
    static bool LiegtImBereich(float a, float b, float c);

    // Hot water.
    float GetWWbedarfProMonat();
    void MonatlicherWWbedarf(MonatsWerte out);
    void MonatlicherWWbedarf(unsigned short monat, float& out);
    unsigned BerechneWWEnergie();
    // The heat pump's capacities come from `wp`, or without it from the active document.
    void WarmwasserEnergie(unsigned short monat, CWawaDaten& daten, float tagesEnergie,
                           IWPLeistungen* wp = nullptr);
    // The same in two steps, so that a calculation of many source temperatures prepares
    // each month once: the record's inputs of the month (false, with nothing filled, when
    // the heat pump serves no hot water), then the results of a record so prepared, with
    // the caller's source temperature and maximum flow temperature.
    bool WarmwasserVorbereiten(unsigned short monat, CWawaDaten& daten, float tagesEnergie);
    // Every month's record, with the house read once.
    bool WarmwasserVorbereiten(std::span<CWawaDaten, kMonate> monate, float tagesEnergie);
    void WarmwasserBerechnen(unsigned short monat, CWawaDaten& daten, IWPLeistungen* wp);

    // Solar gains by destination (kWh per month; per square metre with `proFlaeche`).
    void GetSolareGewinne(const CVRMString& solarAnlage, unsigned short ziel, MonatsWerte out,
                          bool proFlaeche);
    unsigned GetSolarGewinnAnteil(const CVRMString& solarAnlage);

    // Heat of the exhaust air the source capacity can take, plus the electric power.
    float GetLueftungsLeistung(float quellLeistung, float elLeistung);

    // Checks: each shows its message and answers false.
    bool DatenOK(bool wetterPruefen, const CVRMString& solarAnlage);
    bool SolarDatenOK(const CVRMString& solarAnlage);
    bool PruefeSolarWohin(const CVRMString& solarAnlage, bool keineErdEinspeisung);

  private:
    void PruefeInit(const char16_t* ort) const;
    void InitWerte();
    void SetSolarWohin(const CVRMString& text, unsigned short system);
    SolarWohinArray& WohinArray(unsigned short system, const char16_t* ort);
    void LeseKlima(MonatsWerte out);
    // What a month's demand reads of the house and its climate.
    struct SHeizJahr {
        std::array<float, kMonate> temps{};
        unsigned raumTemp = 0, grenzTemp = 0;
        uint16_t heizMonate = 0;
        unsigned gewinnIntern = 0, gewinnSolar = 0;
        float normLeistung = 0.0f, normAussenTemp = 0.0f;
    };
    SHeizJahr LeseHeizJahr();
    // What the flow temperature at a load reads of the house, unless it is fixed.
    struct SVorlaufDaten {
        float auslegung = 0.0f, normLeistung = 0.0f, exponent = 0.0f, ruecklauf = 0.0f;
        float minimum = 0.0f;
        unsigned raumTemp = 0;
    };
    SVorlaufDaten LeseVorlaufDaten();
    void VorlaufAus(const SVorlaufDaten& daten, float faktor, float last, float& out, bool quiet);
    void HeizbedarfAus(const SHeizJahr& jahr, unsigned short monat, int modus, float& out);
    uint16_t AnzahlHeizMonate();
    float getSolarGewinn(unsigned short monat, uint16_t heizMonate);
    void HeizbedarfBeiTemp(float temp, float gewinnIntern, float gewinnSolar, float& out);
    void HolGewinne(const CVRMString& solarAnlage, unsigned short art, CSolareGewinne& gewinne);
    float WWbedarfNachN(unsigned short monat);
    // What a month's hot-water record takes from the house.
    struct SWarmwasserDaten {
        bool nachN = false;
        unsigned kalt = 0, soll = 0, proTag = 0, eintritt = 0, verlust = 0;
        float proMonat = 0.0f;
        int speicherTyp = 0, service = 0;
    };
    SWarmwasserDaten LeseWarmwasserDaten();
    void WarmwasserAus(const SWarmwasserDaten& w, unsigned short monat, CWawaDaten& daten,
                       float tagesEnergie);
    float WWbedarfMonat(unsigned short monat);
    float NormHeizlastSuche(float ziel);

    float Float(TKelvoDatenID id) const;
    unsigned UInt(TKelvoDatenID id) const;
    int Int(TKelvoDatenID id) const;
    bool Bool(TKelvoDatenID id) const;
    CVRMString Text(TKelvoDatenID id) const;

    CHausBerechnung m_berechnung;
    std::array<SolarWohinArray, 3> m_solarWohin;
};
