#pragma once
// The operating-cost comparison page of the comparison sheet: the yearly operating costs
// of the project's heat-pump heating beside oil, gas, the own system, night storage and
// direct electric heating for the same heat, with energy prices, efficiencies and the
// additional costs of each system, as numbers and bars. The economics page takes the mean
// costs over years from it. The arithmetic is CBKVergleichRechnung's.
#include <array>
#include <cstdint>

#include "app/doc/KostenVergleichLogik.h"
#include "core/value/VRMString.h"
#include "platform/ui/PropertySheet.h"

class CKelvoDoc;

class CBKVergleichPage : public ui::PropertyPage {
  public:
    static constexpr int kIDD = 211;  // not a text id
    static constexpr int kIdJahresWaerme = 1376, kIdWaermeNotiz = 1809, kIdEigenerName = 1797,
                         kIdSolar = 1790, kIdZusatztext = 1791, kIdHinweis = 1659,
                         kIdNeuRechnen = 1805, kIdReport = 32856, kIdGrafik = 1807,
                         kIdHilfe = 57670;  // not a text id
    // By comparison position.
    static constexpr std::array<int, 6> kIdPreis = {1161, 1274, 1277, 1271, 1280, 1283};
    static constexpr std::array<int, 6> kIdWirkungsgrad = {0, 1275, 1278, 1272, 1281, 1284};
    static constexpr std::array<int, 6> kIdZusatz = {1792, 1794, 1796, 1798, 1803, 1804};
    static constexpr std::array<int, 6> kIdSumme = {1372, 1373, 1374, 1377, 1375, 1371};
    static constexpr std::array<int, 6> kIdBalken = {1597, 1602, 1603, 1604, 1605, 1606};
    static constexpr int kWerte = 23;

    CBKVergleichPage();

    // The document's values 1..23 at index 0..22 (see the field comments of SBKDaten).
    void SetDaten(const CVRMString& name, const std::array<uint32_t, kWerte>& werte);
    // Writes the chart picture "<basis>_picV.bmp"; `ziel` gets its file name.
    bool SaveGrafik(const CVRMString& basis, CVRMString& ziel);
    // The mean yearly costs; all 0 when the fields hold a refused entry.
    CBKVergleichRechnung::SMittel GetMittlereJahreskosten(float steigerung, uint32_t jahre,
                                                          bool ohneZusatz);
    std::array<uint32_t, 7> GetZusatzKostenAnteile();

    const CBKVergleichRechnung& Rechnung() const { return m_r; }
    const CVRMString& ProjektName() const { return m_name; }

    bool onSetActive() override;
    bool onHelp() override;

  protected:
    void onInitPage() override;
    void doDataExchange(ui::DataExchange& dx) override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;

  private:
    // The active document when it holds this page's project; else a program error.
    CKelvoDoc* Dokument();
    void LadeFlags();
    // Exchanges from the fields; false after a refused entry (the flag is cleared).
    bool LiesFelder();
    void Rechne();
    void ZeigeBalken();
    void NeuRechnenUndSpeichern();
    void OnZusatzKosten(int art);
    void OnGrafik();
    void Freigaben();
    void ZeigeHinweis();

    CBKVergleichRechnung m_r;
    CVRMString m_name, m_eigenerName, m_waermeNotiz;
    bool m_austauschFehler = false;
};
