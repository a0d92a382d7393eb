#pragma once
// The price and lifetime of every component of the compared heating systems: the heat-pump
// heating (unit, heat source, heat delivery, buffers, second heat generator), the oil, gas
// and own systems and the two electric ones. The economics page opens it with the project's
// record and stores what GetWerte gives back after "Save".
#include <array>

#include "model/project/Projekt2.h"
#include "platform/ui/Dialog.h"

class CDlgInvKosten : public ui::Dialog {
  public:
    static constexpr int kIDD = 214;  // not a text id
    static constexpr int kIdHilfe = 57670;
    // Per pair of the record: the price edit and the lifetime edit.
    static constexpr std::array<std::array<int, 2>, 14> kIdPaare = {{
        {1609, 1622}, {1610, 1623}, {1611, 1624}, {1612, 1625}, {1613, 1626}, {1614, 1627},
        {1615, 1628}, {1616, 1629}, {1617, 1630}, {1619, 1631}, {1620, 1633}, {1621, 1634},
        {1642, 1643}, {1644, 1645}}};
    static constexpr int kIdZweiterWE = 1871;

    // `monovalent`: the second heat generator's row is disabled.
    CDlgInvKosten(const CProjekt2::InvestKosten& werte, bool monovalent, QWidget* parent);

    void GetWerte(CProjekt2::InvestKosten& werte) const { werte = m_werte; }

  protected:
    bool onInitDialog() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    CProjekt2::InvestKosten m_werte;
    bool m_monovalent;
};
