#pragma once
// The weather-location dialog (template 162): country, postcode region and weather
// location, and the days of the year at each whole degree of outdoor temperature, one
// class at a time. Its logic is CWetterDlgLogik; the application opens it from the
// master-data menu.
//
//   CWetterDlg dlg(nullptr, tovrel, conf);
//   dlg.doModal();
#include "dialogs/WetterDlgLogik.h"
#include "platform/ui/Dialog.h"

class QComboBox;

class CWetterDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 162;
    static constexpr int kIdLand = 1725, kIdPlz = 1727, kIdOrt = 1019, kIdKlasse = 1218,
                         kIdTage = 1219, kIdNeuerOrt = 1032, kIdHilfe = 57670;

    // `tovrel`: every climate country is offered; `conf`: library locations may be edited.
    CWetterDlg(QWidget* parent, bool tovrel, bool conf);

    const CWetterDlgLogik& Logik() const { return m_logik; }

  protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    QComboBox* Box(int id);
    void Verbinde();
    void ZeigeListen();
    void ZeigeWerte();
    // The days field to the member; false when the entry was refused.
    bool LeseTage();
    void Freigeben();

    void LandGewaehlt(int index);
    void PlzGewaehlt(int index);
    void OrtGewaehlt(int index);
    void KlasseGewaehlt(int index);
    void TageVerlassen();
    void NeuerOrt();
    void ZeigeHilfe();

    CWetterDlgLogik m_logik;
};

// Registers the layout of dialog 162 (once).
void RegistriereWetterDlgVorlage();
