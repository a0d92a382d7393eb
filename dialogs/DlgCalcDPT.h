#pragma once
// The design-point dialog (dialog 205): finds the bivalence temperature at which the heat
// pump delivers a given energy or share of the year, and for a heat pump of the databases
// the lowest outdoor temperatures at which it carries the heating load alone and reaches
// the required flow temperature. The calculation is DimPunktRechnung's; the dialog ends
// with the button that says what the dimensioning page takes over: 2198 the bivalence
// temperature, 2197 the heat pump, or Cancel.
#include "core/value/VRMString.h"
#include "evaluation/dim/DimPunktRechnung.h"
#include "platform/ui/Dialog.h"

class IKelvoDocServices;

class CDlgCalcDPT : public ui::Dialog {
  public:
    static constexpr int kIDD = 205;
    static constexpr int kIdcJahresBedarf = 1511;
    static constexpr int kIdcModusKWh = 1509;
    static constexpr int kIdcModusProzent = 1510;
    static constexpr int kIdcKWh = 1508;
    static constexpr int kIdcProzent = 1512;
    static constexpr int kIdcNeuBerechnen = 1513;
    static constexpr int kIdcErgebnis = 1514;
    static constexpr int kIdcWPName = 1100;
    static constexpr int kIdcLeistungsGrenze = 2236;
    static constexpr int kIdcVorlaufGrenze = 1936;
    static constexpr int kIdcLeistungsHinweis = 2707;
    static constexpr int kIdcVorlaufHinweis = 2709;
    static constexpr int kIdcBivalenzAnnehmen = 2198;
    static constexpr int kIdcWPUebernehmen = 2197;
    static constexpr int kIdcHilfe = 57670;

    // `startTemp`: the lowest dimensioning point the page allows, where every search
    // begins; `relativ`: count only the energy above the load at the tested temperature;
    // `anzahl`: identical heat-pump units.
    CDlgCalcDPT(IKelvoDocServices& doc, int startTemp, bool relativ, int anzahl,
                QWidget* parent = nullptr);

    // The source kind the page designs for, when the user chose one other than the
    // project's; the tested points are then that kind's.
    void SetzeQuellArt(int art) { m_quellArt = art; }

    // What the page takes over.
    int GetErgebnisTemp() const { return m_ergebnisTemp; }
    int GetLeistungsGrenze() const { return m_grenzen.leistung; }
    int GetVorlaufGrenze() const { return m_grenzen.vorlauf; }
    const CVRMString& GetWPName() const { return m_wpName; }
    const SJahresBedarf& GetJahresBedarf() const { return m_bedarf; }

  protected:
    bool onInitDialog() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void FuelleWaermepumpen();
    void BerechneDimPunkt();
    void PruefeWaermepumpe();
    void ZielGeaendert();
    void SchalteZiel();
    SEnergieUnterTemp EnergieUnter(int t);

    IKelvoDocServices& m_doc;
    int m_startTemp;
    bool m_relativ;
    int m_anzahl;
    int m_quellArt = -1;  // -1: the kind of the project's first source
    SJahresBedarf m_bedarf;
    SBivalenzZiel m_ziel;
    int m_ergebnisTemp = 0;
    SWPGrenzen m_grenzen;
    CVRMString m_wpName;
};

void RegistriereDlgCalcDPTVorlage();
