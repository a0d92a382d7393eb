#pragma once
// The climate and soil-temperature dialog (template 133): country, postcode region and
// location, the twelve monthly temperatures, and in mode 1 the outdoor design temperature
// and the weather and ground-temperature locations that belong to the climate location.
// Its logic is CKlimaDlgLogik; the application opens it from the master-data menu.
//
//   CKlimaDlg dlg(CKlimaDlgLogik::kKlimaorte, mainFrame, tovrel);
//   dlg.doModal();
#include "controls/small/EnablerDisabler.h"
#include "dialogs/KlimaDlgLogik.h"
#include "platform/ui/Dialog.h"

class QComboBox;

class CKlimaDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 133;
    // The month edits, January to December.
    static constexpr int kMonatsIds[CKlimaDlgLogik::kMonate] = {1157, 1022, 1023, 1024,
                                                                 1025, 1026, 1021, 1027,
                                                                 1028, 1029, 1030, 1031};
    static constexpr int kIdLand = 1725, kIdPlz = 1727, kIdOrt = 1019, kIdNormAussenTemp = 1079,
                         kIdNeuerOrt = 1875, kIdHilfe = 57670;
    // The assignment boxes: weather, ground temperatures, sunshine.
    static constexpr int kZuordnungsIds[CKlimaDlgLogik::kZuordnungen] = {1020, 1053, 1062};

    // `tovrel`: every climate country is offered, and library soil temperatures are shown.
    CKlimaDlg(unsigned short modus, QWidget* parent, bool tovrel);

    const CKlimaDlgLogik& Logik() const { return m_logik; }

  protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    QComboBox* Box(int id);
    void RichteMonatsfelderEin();
    void Verbinde();
    // Members to controls: lists, choices and values.
    void ZeigeListen();
    void ZeigeWerte();
    // Controls to members; false when an entry was refused (message shown, focus there).
    bool LeseWerte();
    void Freigeben();
    void PasseModus2An();

    void LandGewaehlt(int index);
    void PlzGewaehlt(int index);
    void OrtGewaehlt(int index);
    void NeuerOrt();
    void ZeigeHilfe();

    CKlimaDlgLogik m_logik;
    CEnablerDisabler m_gruppen;
};

// Registers the layout of dialog 133 (once).
void RegistriereKlimaDlgVorlage();
