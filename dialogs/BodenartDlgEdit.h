#pragma once
// The soil-type edit dialog (template 5014): heat conductivity, volumetric specific heat
// and density of one soil type; library soil types read-only. Its logic is
// CBodenartDlgEditLogik; the application opens it from the master-data menu, preselecting
// the soil type of the open project's first heat source.
//
//   CBodenartDlgEdit dlg(u"gravel (average wet)_(bib)", nullptr);
//   dlg.doModal();
#include "dialogs/BodenartDlgEditLogik.h"
#include "platform/ui/Dialog.h"

class QComboBox;

class CBodenartDlgEdit : public ui::Dialog {
  public:
    static constexpr int kIDD = 5014;  // not a text id
    static constexpr int kIdArt = 1075, kIdWaermeleitzahl = 1078, kIdSpezWaerme = 1077,
                         kIdDichte = 1080, kIdNeueArt = 1735, kIdHilfe = 57670;

    CBodenartDlgEdit(CVRMString name, QWidget* parent);

    const CBodenartDlgEditLogik& Logik() const { return m_logik; }

  protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    QComboBox* Box();
    void ZeigeListe();
    void ZeigeWerte();
    // Controls to members; false when an entry was refused.
    bool LeseWerte();
    void Freigeben();
    void ArtGewaehlt(int index);
    void NeueArt();
    void ZeigeHilfe();

    CBodenartDlgEditLogik m_logik;
};

// Registers the layout of dialog 5014 (once).
void RegistriereBodenartDlgEditVorlage();
