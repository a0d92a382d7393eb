#pragma once
// The options page "Running costs" (template 182): per heating system its price, yearly
// efficiency, additional and maintenance costs, the name of the further system, and the
// direction of the bars in the cost charts.
#include "app/options/OptsPage.h"
#include "app/options/OptsPage4Logik.h"

class COptsPage4 : public COptsPage {
  public:
    static constexpr int kVorlage = 182;
    // Per row of COptsPage4Logik::Zeile: price, efficiency, additional and maintenance costs.
    static constexpr int kPreis = 1320, kWirkungsgrad = 1330, kZusatz = 1340, kWartung = 1350;
    static constexpr int kName = 1315;
    static constexpr int kPreisEinheit = 1303, kZusatzEinheit = 1306, kWartungEinheit = 1308;
    static constexpr int kSenkrecht = 1364, kWaagerecht = 1365;
    static constexpr int kZuruecksetzen = 1366;

    explicit COptsPage4(IOptionenUmgebung& umgebung);

    COptsPage4Logik& Logik() { return m_logik; }
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onSetActive() override;

  protected:
    void Initialisiere() override { m_logik.Init(); }
    void NachInit() override;
    void Anwenden() override { m_logik.Apply(); }
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    void ZeigeEinheiten();
    void ZeigeRichtung();
    void NameVerlassen();

    IOptionenUmgebung& m_umgebung;
    COptsPage4Logik m_logik;
};
