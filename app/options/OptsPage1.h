#pragma once
// The options page "General" (template 179): the outside programs, the currency, the
// warnings with their limits, the primary-energy factor and the pipe diameters.
#include "app/options/OptsPage.h"
#include "app/options/OptsPage1Logik.h"

class COptsPage1 : public COptsPage {
  public:
    static constexpr int kVorlage = 179;
    // Controls.
    static constexpr int kHausprogramm = 1000, kHausprogrammWaehlen = 1001;
    static constexpr int kSolarprogramm = 1004, kSolarprogrammWaehlen = 1005;
    static constexpr int kEuro = 1011;
    static constexpr int kWarnQTemp = 1021, kWarnVorlauf = 1022, kWarnDV = 1023, kWarnSolar = 1024;
    static constexpr int kGrenzErdT = 1031, kGrenzEinT = 1033, kGrenzBT = 1035, kLaufzeit = 1037;
    static constexpr int kWarnungenZuruecksetzen = 1045;
    static constexpr int kPEFaktorText = 1050, kPEFaktor = 1051;
    static constexpr int kRohrSonde = 1062, kRohrFlach = 1064;

    explicit COptsPage1(IOptionenUmgebung& umgebung);

    COptsPage1Logik& Logik() { return m_logik; }
    bool onCommand(int id, int notifyCode, ui::Window* from) override;

  protected:
    void Initialisiere() override;
    void NachInit() override;
    void Anwenden() override { m_logik.Apply(); }
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    void TauscheWarnungen(ui::DataExchange& dx);
    void WaehleProgramm(CVRMString& pfad, int editId, unsigned titelTextId);

    COptsPage1Logik m_logik;
};
