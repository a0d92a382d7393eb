#pragma once
// The yearly additional costs of one heating system of the operating-cost comparison:
// meter fees, basic rate, servicing, chimney sweep, insurance and other costs, each whole
// currency units per year. The operating-cost page opens it with the project's six values
// and stores them after OK.
//
//   CDlgZKosten dlg(art, werte, summe, page);
//   if (dlg.doModal() == ui::kIdOk) dlg.GetZKosten(werte);
#include <array>
#include <cstdint>

#include "platform/ui/Dialog.h"

class CDlgZKosten : public ui::Dialog {
  public:
    static constexpr int kIDD = 187;  // not a text id
    static constexpr std::array<int, 6> kIdWerte = {1424, 1425, 1426, 1287, 1429, 1289};
    static constexpr int kIdGruppe = 1475, kIdHilfe = 57670;
    using Werte = std::array<uint32_t, 6>;

    // With all six values 0 the other costs start at `vorgabeSonstige`.
    CDlgZKosten(unsigned heizungsart, const Werte& werte, uint32_t vorgabeSonstige,
                QWidget* parent);

    void GetZKosten(Werte& werte) const { werte = m_werte; }
    int AustauschFehler() const { return m_austauschFehler; }

  protected:
    bool onInitDialog() override;
    void onOK() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    Werte m_werte;
    unsigned m_heizungsart;
    int m_austauschFehler = 0;
};
