#pragma once
// The project's components and the figures read from them once, for the heat pump's share
// of the monthly heating demand: the weather bins of the house's location, the tariff's
// blocking, the heat pump's medium and its capacity table. The house's demand and flow
// temperature at a bin and the heat pump's capacities at an air bin are kept once asked, so
// that the months of one evaluation share them.
#include <array>
#include <optional>

#include "evaluation/BinMethode.h"
#include "model/heatpump/WPLeistungsTabelle.h"

class CHaus2;
class CKombiWQuelle2;
class CTarif2;
class CWPumpe2;

class CHeizKontext : public IBinModell {
  public:
    // Reads the figures; a failure is raised as the model reports it.
    CHeizKontext(CKombiWQuelle2& kombi, CWPumpe2& wpumpe, CHaus2& haus, CTarif2& tarif);

    // The tariff's blocking factor: blocked hours a day, with or without the weekend.
    static float SperrFaktor(CTarif2& tarif);

    float Heizbedarf(float aussenTemp) override;
    float VorlaufTemp(float aussenTemp) override;
    SWPLeistung WPLeistung(float quellTemp, float vorlaufTemp) override;

    CKombiWQuelle2& kombi;
    CWPumpe2& wpumpe;
    CHaus2& haus;
    CTarif2& tarif;

    std::array<float, kBinAnzahl> bins{};
    float sperrFaktor = 1.0f;
    float sperrStdTag = 0.0f;
    float sperrStdMonat = 0.0f;
    float vorlauf = 0.0f, ruecklauf = 0.0f;  // design flow and return temperature
    int medium = 0;
    float minLuftTemp = 0.0f;
    std::array<float, 12> klimaTemps{};  // the month's mean outdoor temperatures
    bool mitZuheizung = false;  // mono-energetic or bivalent
    int dimPunktTemp = 0;
    float tageUnterGrenze = 0.0f;  // days of the year below the bivalence point
    // The heat pump's capacities at the design flow and return temperatures; set once read.
    std::optional<CWPLeistungsTabelle> tabelle;

  private:
    struct BinWerte {
        bool bedarfBekannt = false, vorlaufBekannt = false, luftBekannt = false;
        float bedarf = 0.0f, vorlauf = 0.0f;
        SWPLeistung luft;  // at the bin temperature and the bin's flow temperature
    };
    BinWerte* Bin(float aussenTemp);

    std::array<BinWerte, kBinAnzahl> m_binWerte{};
};
