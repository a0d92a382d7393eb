#pragma once
// The climate-location choice (template 5016): country, postcode region and location.
// The house page holds one; it hands over the current location before showing it and
// reads the chosen one after OK. Its logic is CKlimaDlg2Logik.
//
//   CKlimaDlg2 dlg(1, page);
//   dlg.SetOrtName(u"Würzburg 97xxx (D)");
//   if (dlg.doModal() == ui::kIdOk) use(dlg.GetOrtName());
#include "dialogs/KlimaDlg2Logik.h"
#include "platform/ui/Dialog.h"

class QComboBox;

class CKlimaDlg2 : public ui::Dialog {
  public:
    static constexpr int kIDD = 5016;  // not a text id
    static constexpr int kIdLand = 1725, kIdPlz = 1727, kIdOrt = 1019, kIdHilfe = 57670;

    CKlimaDlg2(unsigned short art, QWidget* parent);

    int SetOrtName(const CVRMString& ort);
    const CVRMString& GetOrtName() const { return m_logik.Ort(); }
    const CKlimaDlg2Logik& Logik() const { return m_logik; }

  protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    QComboBox* Box(int id);
    // The lists and the choice to the boxes; OK by the choice.
    void Zeige();
    void ZeigeHilfe();

    CKlimaDlg2Logik m_logik;
};

// Registers the layout of dialog 5016 (once).
void RegistriereKlimaDlg2Vorlage();
