#pragma once
// The solar-gains dialog (template 188): for one solar plant the monthly gains into hot
// water, into the heating and into the heat pump or ground, each grid edited on its own
// (Change, Save, Cancel) and sent to the solar library when saved; the feed temperatures
// and exchanger losses of the three feeds, and the plant's collector. The solar page
// opens it with the plant's name.
//
// OK writes the losses and the collector when they changed, all in one write. The gains into
// hot water or heating are stored again at the feed temperature now shown when it moved
// (a loss changed) or the user saved that grid here; a month never entered stays empty, and
// a grid never touched keeps its months as they are. The ground grid is sent again when the
// user saved it here.
#include <array>

#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CGridCtrl;

class CDlgSolGewinne : public ui::Dialog {
  public:
    static constexpr int kIDD = 188;
    static constexpr int kIdGrid[3] = {1413, 1414, 1409};             // placeholders of kinds 1..3
    static constexpr int kIdAendern[3] = {1411, 1415, 1428};
    static constexpr int kIdSpeichern[3] = {1412, 1416, 1476};
    static constexpr int kIdAbbrechen[3] = {1410, 1417, 1477};
    static constexpr int kIdVersteckt[3] = {1418, 1434, 1451};
    static constexpr int kIdWawaTemp = 1422, kIdWawaVerlust = 1423, kIdHeizTemp = 1470,
                         kIdHeizVerlust = 1474, kIdErdVerlust = 1427;
    static constexpr int kIdKollektor = 1500, kIdKollektorDlg = 1494, kIdTyp = 1504,
                         kIdAusrichtung = 1505, kIdNeigung = 1506, kIdHilfe = 57670;

    CDlgSolGewinne(const CVRMString& anlage, QWidget* parent);
    ~CDlgSolGewinne() override;

    CGridCtrl* Grid(int art) const { return m_grids[static_cast<size_t>(art - 1)]; }
    bool IstEditierbar(int art) const { return m_editierbar[static_cast<size_t>(art - 1)]; }

    CVRMString m_kollektor;
    unsigned m_neigung = 0;
    int m_ausrichtung = 0;
    int m_typ = -1;
    int m_wawaTemp = 0, m_heizTemp = 0;  // °C, read only: target + exchanger loss
    unsigned m_wawaVerlust = 0, m_heizVerlust = 0, m_erdVerlust = 0;
    int m_modified = 0;

  protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    void ErzeugeGrid(int art);
    void FuelleGrid(int art);
    void StarteEdit(int art);
    void BeendeEdit(int art);
    void SpeichereGrid(int art);
    void LadeKollektor();
    void Freigabe();
    bool Geschuetzt() const;
    bool LeseWerte();
    void VerlustVerlassen(int art);
    void OnKollektorGewaehlt();
    void OnKollektorDlg();

    CVRMString m_anlage;
    std::array<CGridCtrl*, 3> m_grids{};
    std::array<bool, 3> m_editierbar{};
    // The grids the user saved in this dialog.
    std::array<bool, 3> m_gespeichert{};
    // The feed temperatures into hot water and heating as the dialog opened.
    std::array<decltype(m_wawaTemp), 2> m_tempGeoeffnet{};
    int32_t m_hintergrund = 0xFFFFFF;
};

// Registers the layout of dialog 188 (once).
void RegistriereDlgSolGewinneVorlage();
