#pragma once
// The options page "Climate / Tariff" (template 180): location and tariff of a new project,
// the country the location dialogs start with and the countries they list.
#include <vector>

#include "app/options/OptsPage.h"
#include "app/options/OptsPage2Logik.h"

class COptsPage2 : public COptsPage {
  public:
    static constexpr int kVorlage = 180;
    static constexpr int kKlimaort = 1102, kTarif = 1104, kStandardLand = 1107, kLaender = 1111;

    explicit COptsPage2(IOptionenUmgebung& umgebung);

    COptsPage2Logik& Logik() { return m_logik; }

  protected:
    void Initialisiere() override;
    void NachInit() override;
    void Anwenden() override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    std::vector<bool> GewaehlteLaender();

    COptsPage2Logik m_logik;
    CVRMString m_klimaort;
    CVRMString m_tarif;
    int m_land = -1;
};
