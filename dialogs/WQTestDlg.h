#pragma once
// The result of the design test of a ground heat source (dialog 154): the maximum specific
// withdrawal power against its limit, the yearly withdrawable energy without and with solar
// feed-in against its limit, and a one-line verdict, red unless the source suffices. The
// document computes the figures; the dialog only shows them.
#include "app/doc/WQTestDlgLogik.h"
#include "platform/ui/Dialog.h"

class CWQTestDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 154;
    static constexpr int kIdUrteil = 1136, kIdEinheitLeistung = 1145, kIdLeistung = 1131,
                         kIdLeistungGrenze = 1132, kIdEinheitEnergie = 1190, kIdEnergie = 1133,
                         kIdEnergieMit = 1135, kIdEnergieGrenze = 1134, kIdEnergieGrenzeMit = 1137,
                         kIdHilfe = 57670;

    CWQTestDlg(int art, int ok, float leistung, float leistungGrenze, float energie, float energieGrenze,
               int okMitZusatz, float energieMit, int mitEinspeisung, QWidget* parent = nullptr);

    const SWQTestWerte& Werte() const { return m_werte; }

  protected:
    bool onInitDialog() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    SWQTestWerte m_werte;
    SWQTestAnzeige m_anzeige;
};
