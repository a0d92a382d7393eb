#pragma once
// Finishing the dimensioning page: its checks in order, each a message that keeps the user
// on the page, then the heat source sized for the chosen heat pump and the design handed to
// the document.
#include "evaluation/dim/DimPageLogik.h"

class IKelvoDocServices;

class CDimAbschluss {
  public:
    CDimAbschluss(CDimPageLogik& seite, IKelvoDocServices& dok) : m_seite(seite), m_dok(dok) {}

    // False (after telling the user) when the page must stay open.
    bool SchliesseAb();

  private:
    bool PruefeSeite();
    bool PruefeWarmwasser();
    bool PruefeVorlauf();
    // The soil layers and the drill depth against the sized probes: notices only.
    void PruefeSonden(const SDimQuellWerte& groesse);

    CDimPageLogik& m_seite;
    IKelvoDocServices& m_dok;
};
