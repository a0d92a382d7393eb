#pragma once
// The heat-pump choice page of the master-data sheet (template 212): the heat pump's design
// parameters (temperature differences at evaporator and condenser, interpolation limits of
// flow and source temperature, whether it is offered for new designs). It also keeps the
// heat pump's product data and hot-water temperature in summer, which have no visible
// control, and writes them back unchanged.
#include <string>

#include "pages/WPSeite.h"

class CWP1Page : public CWPSeite {
  public:
    static constexpr int kIDD = 212;
    static constexpr int kIdVerdampfer = 1126, kIdVerfluessiger = 1127, kIdMinVorlauf = 1070,
                         kIdMaxQuelle = 1185, kIdAuslegung = 1685, kIdAuslegungGruppe = 1684,
                         kIdWaWaSommer = 1186, kIdIdent = 2201, kIdDatei = 2203, kIdPreis = 1187,
                         kIdPGS = 2204;
    // The product data's frame, labels and fields, kept hidden.
    static constexpr int kProduktIds[] = {2202, 2037, 2201, 2039, 2203, 2044, 1187, 2439, 2204};

    CWP1Page();

    void FillPageDaten(int reload) override;
    int SaveModifiedData() override;

    // Members of the data exchange.
    float m_verdampfer = 0.0f, m_verfluessiger = 0.0f;
    unsigned m_minVorlauf = 0, m_maxQuelle = 0, m_waWaSommer = 0, m_preis = 0;
    int m_auslegung = 0;
    std::u16string m_ident, m_datei, m_pgs;

  protected:
    void InitSeite() override;
    std::vector<SDlgText> Texte() const override;
    std::vector<int> ErklaerTexte() const override { return {1569, 1571, 1570, 1572}; }
    std::vector<int> Aenderungen() const override;
    void Austausch(ui::DataExchange& dx) override;
};
