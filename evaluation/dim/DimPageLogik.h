#pragma once
// What the dimensioning page computes, without its window: the design values at a
// dimensioning point in the page's operating mode, the lowest usable dimensioning point,
// the search of the catalogue for heat pumps that fit, and the finishing of the design,
// which hands it to the document. The page shows the state kept here.
#include <vector>

#include "core/value/VRMStringArray.h"
#include "evaluation/dim/AuslegungsFilter.h"
#include "evaluation/dim/DimWerte.h"
#include "evaluation/dim/KandidatenSuche.h"

class IKelvoDocServices;
namespace platform {
class Window;
}

class CDimPageLogik {
  public:
    explicit CDimPageLogik(IKelvoDocServices& dok) : m_dok(dok) {}

    // The operating mode as the document numbers it; an index outside 0..3 is text 3162
    // with `ort`.
    static int DokModus(int betriebsweise, const char16_t* ort);
    // The document's design values at `t` for the first source's kind, with the flags of
    // the page's operating mode as the document numbers it: an air source is designed at
    // `t` in the modes with a second heater and at the design outdoor temperature when the
    // heat pump runs alone.
    SDimWerte GetDimWerte(int t);
    // The first dimensioning point from the design outdoor temperature up to 12 °C whose
    // required temperature the heat pump can reach (below 76 °C); in the bivalent modes it
    // is also the bivalence temperature.
    void SetMinDimPunktTemp();
    // The user's kind of the first heat source: the lowest usable point is found anew, since
    // the design source temperature follows the kind.
    void SetzeQuellArt(int art);
    // The design values the search takes: at the dimensioning point and, for the flow
    // temperature, at the lowest usable point.
    SAuslegungsWerte AuslegungsWerte();
    // Searches the catalogue with the heat pump's own filter, or with `filter`; true when
    // any unit fits. A cancelled search returns false and leaves the candidates as they
    // were.
    bool Dimensioniere(const SAuslegungsWerte& werte, platform::Window* parent = nullptr);
    bool Dimensioniere(const KandidatenFilter& filter, platform::Window* parent = nullptr);
    // Puts `name` into the candidates when the search left it out (another medium, or a
    // larger unit of a maker listed), with its capacity at the design point.
    void NimmAuf(const CVRMString& name);
    // In the monovalent mode the heat pump `wpName` alone must reach the flow temperature
    // down to the lowest usable point; the other modes have a second generator.
    bool ModusReichtFuerVorlauf();
    // What the page hands to the filter for `werte`.
    SSeitenAuslegung SeitenAuslegung(const SAuslegungsWerte& werte);

    // The class of a count (probes or collectors): 0 and 17 or more have none (-1).
    static int KlassenIndex(int zahl);

    // The page's state.
    int betriebsweise = -1;  // operating mode index 0..3, below 0: none
    int variante = -1;       // heat-source variant, below 0: none
    int anzahlIndex = -1;    // number of heat pumps - 1, below 0: none
    int wwAuswahl = -1;      // hot-water selection, below 0: none
    int quellArt = 0;        // kind of the first heat source
    int dimPunktTemp = 0;
    static constexpr int kKeinMinDimPunkt = -50;
    int minDimPunktTemp = kKeinMinDimPunkt;
    bool festerDimPunkt = false;
    int bivalenzTemp = 0;
    CVRMString wpName;
    CVRMStringArray katalog;            // the catalogue names searched
    std::vector<SKandidat> kandidaten;  // one unit per maker

  private:
    bool KeineHeizlast();

    IKelvoDocServices& m_dok;
};
