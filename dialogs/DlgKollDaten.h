#pragma once
// The collector dialog (template 203): the records of the solar collectors, for the chosen
// one its type, orientation and inclination and its table of monthly yields (kWh/m²) for up
// to ten mean collector temperatures. The yields are edited in the grid (Change, Save,
// Cancel) and sent to the solar library; the type and angles are written on OK. Library
// collectors are read-only unless the "conf" switch is on.
#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CGridCtrl;

class CDlgKollDaten : public ui::Dialog {
  public:
    static constexpr int kIDD = 203;
    static constexpr int kIdKollektor = 1500, kIdNeu = 1501, kIdPlatz = 1499, kIdAendern = 1497,
                         kIdSpeichern = 1498, kIdAbbrechen = 1496, kIdTyp = 1504,
                         kIdAusrichtung = 1505, kIdNeigung = 1506, kIdHilfe = 57670, kIdGrid = 2003;
    static constexpr int kZeilen = 11, kSpalten = 13;

    CDlgKollDaten(const CVRMString& anlage, const CVRMString& kollektor, QWidget* parent);
    ~CDlgKollDaten() override;

    CGridCtrl* Grid() const { return m_grid; }
    bool IstEditierbar() const { return m_editierbar; }

    CVRMString m_kollektor;
    unsigned m_neigung = 0;
    int m_ausrichtung = 0;
    int m_typ = -1;
    int m_modified = 0;

  protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    void ErzeugeGrid();
    void FuelleGrid();
    void LadeKollektor();
    // The active project may be changed and the collector is no library entry (unless
    // "conf"); a refusal is told the user.
    bool DarfAendern() const;
    bool DarfAendernName(const CVRMString& kollektor) const;
    void Freigabe();
    bool LeseWerte();
    void StarteEdit();
    void BeendeEdit();
    void Speichere();
    void OnKollektorGewaehlt();
    void OnNeu();

    CVRMString m_anlage;
    CGridCtrl* m_grid = nullptr;
    bool m_editierbar = false;
    int32_t m_hintergrund = 0xFFFFFF;
};

// Registers the layout of dialog 203 (once).
void RegistriereDlgKollDatenVorlage();
