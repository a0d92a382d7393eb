#pragma once
// The economics page of the comparison sheet: per heating system the yearly operating
// costs (the mean over the reference period with rising energy prices, from the
// operating-cost page), the annuity of its investment, its service costs and their sum,
// as numbers and bars; the period, interest and price increase are the project's.
#include <array>
#include <cstdint>

#include "app/doc/KostenVergleichLogik.h"
#include "core/value/VRMString.h"
#include "platform/ui/PropertySheet.h"

class CBKVergleichPage;
class CKelvoDoc;

class CWirtschaftPage : public ui::PropertyPage {
  public:
    static constexpr int kIDD = 213;  // not a text id
    static constexpr int kIdJahre = 1573, kIdZins = 1575, kIdSteigerung = 1556,
                         kIdInvestDlg = 1607, kIdErklaerung = 1641, kIdHinweis = 1658,
                         kIdNeuRechnen = 2032, kIdReport = 32856, kIdGrafik = 2034,
                         kIdHilfe = 57670;  // not a text id
    // By comparison position.
    static constexpr std::array<int, 6> kIdBetrieb = {1577, 1578, 1579, 1580, 1582, 1581};
    static constexpr std::array<int, 6> kIdInvest = {1589, 1590, 1591, 1592, 1594, 1593};
    static constexpr std::array<int, 6> kIdWartung = {1595, 1596, 1574, 1598, 1599, 1600};
    static constexpr std::array<int, 6> kIdSumme = {1583, 1584, 1585, 1586, 1588, 1587};
    static constexpr std::array<int, 6> kIdBalken = {1601, 1602, 1603, 1604, 1605, 1606};
    static constexpr uint32_t kJahreMin = 1, kJahreMax = 50;

    // `bk`: the operating-cost page of the same sheet, or none.
    explicit CWirtschaftPage(CBKVergleichPage* bk = nullptr);

    void SetDaten(const CVRMString& name, uint32_t betriebsweise, uint32_t zweiterWE,
                  bool mitSpeicher);
    bool IstInvestKomplett(int kategorie);
    // Writes the chart picture "<basis>_picW.bmp"; `ziel` gets its file name.
    bool SaveGrafik(const CVRMString& basis, CVRMString& ziel);

    const SWirtschaftErgebnis& Ergebnis() const { return m_ergebnis; }
    const SWirtschaftEingabe& Eingabe() const { return m_e; }

    bool onSetActive() override;
    bool onHelp() override;

  protected:
    void onInitPage() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;

  private:
    CKelvoDoc* Dokument();
    bool LiesFelder();
    void Rechne();
    void Zeige();
    void NeuRechnenUndSpeichern();
    void OnInvestDlg();
    void OnGrafik();
    using Werte = std::array<float, kVergleichsSysteme>;
    void GrafikWerte(Werte& betrieb, Werte& invest, Werte& wartung) const;

    CBKVergleichPage* m_bk;
    CVRMString m_name, m_eigenerName;
    SWirtschaftEingabe m_e;
    float m_steigerung = 0.0f;
    SWirtschaftErgebnis m_ergebnis;
    bool m_austauschFehler = false;
};
