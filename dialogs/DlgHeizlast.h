#pragma once
// The heating-load dialog (template 5010): the user estimates the design heat load from
// the heated area and a specific heat load (method 1) or from the former yearly oil or gas
// consumption (method 2). The house page opens it over a house holding the page's current
// entries and takes the result after OK. The former oil consumption belongs to the project
// (value 522): it is read when the dialog opens and stored on OK, for a project the user
// may change.
//
//   CDlgHeizlast dlg(0, dokument, page, &haus);
//   dlg.m_eingabe.flaeche = 150; dlg.m_eingabe.spezLast = 50;
//   if (dlg.doModal() == ui::kIdOk) use(dlg.m_ergebnis);
#include "dialogs/DlgHeizlastLogik.h"
#include "platform/ui/Dialog.h"

class CHaus2;
class CKelvoDoc;

class CDlgHeizlast : public ui::Dialog {
  public:
    static constexpr int kIDD = 5010;  // not a text id
    static constexpr int kIdFlaeche = 5307, kIdSpezLast = 5308, kIdOel = 5309,  // not a text id
        kIdGas = 5310, kIdPersonen = 1737, kIdErgebnis = 5315;                  // not a text id
    static constexpr int kIdMethode1 = 5305, kIdMethode2 = 5306, kIdMitOel = 5311,  // not a text id
        kIdMitGas = 5312, kIdTabelle = 5314, kIdHinweis = 5313, kIdErgebnisText = 5316;  // not a text id
    static constexpr int kIdHilfe = 57670;

    // `unbenutzt`: the house page passes 0. `haus` holds the page's entries (method 2).
    CDlgHeizlast(int unbenutzt, CKelvoDoc& dokument, QWidget* parent, CHaus2* haus);

    SHeizlastEingabe m_eingabe;
    float m_ergebnis = 0.0f;

  protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    void doDataExchange(ui::DataExchange& dx) override;

  private:
    void Berechne();
    void Freigabe();
    void ZeigeHilfe();

    CKelvoDoc& m_dokument;
    CHaus2* m_haus;
};

// Registers the layout of dialog 5010 (once).
void RegistriereDlgHeizlastVorlage();
