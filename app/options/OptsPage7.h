#pragma once
// The options page "Costs of investment" (template 217): price and service life of every
// part of the compared heating systems.
#include "app/options/OptsPage.h"
#include "app/options/OptsPage7Logik.h"

class COptsPage7 : public COptsPage {
  public:
    static constexpr int kVorlage = 217;
    // Price and service life of part k of COptsPage7Logik::Teil: kPreis + k, kDauer + k.
    static constexpr int kPreis = 1400, kDauer = 1420;
    static constexpr int kWeiteresName = 1447;
    // The currency over the price columns of the three groups.
    static constexpr int kWaehrung[] = {1450, 1451, 1452};
    static constexpr int kZuruecksetzen = 1460;

    explicit COptsPage7(IOptionenUmgebung& umgebung);

    COptsPage7Logik& Logik() { return m_logik; }
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onSetActive() override;

  protected:
    void Initialisiere() override { m_logik.Init(); }
    void NachInit() override { ZeigeNamen(); }
    void Anwenden() override { m_logik.Apply(); }
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    void ZeigeNamen();

    COptsPage7Logik m_logik;
};
