#pragma once
// The yearly results of an evaluated project (dialog 157): running costs by heat producers
// and by consumers, running hours, source energy, the electricity of the heat pump and its
// auxiliary aggregates, the second heat generator, solar yields, the seasonal performance
// factor and, with a solar plant, the regenerative factor. The check box counts every
// auxiliary energy into the factor. What it shows is worked out by CAuswertDlgLogik; the
// project document opens it with the yearly-results command.
//
//   CAuswertDlg dlg(daten, hauptfenster);
//   dlg.doModal();
#include <memory>

#include "app/doc/AuswertDlgLogik.h"
#include "platform/ui/Dialog.h"

class QCheckBox;

class CAuswertDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 157;
    using L = CAuswertDlgLogik;

    CAuswertDlg(SAuswertDlgDaten daten, QWidget* parent);
    ~CAuswertDlg() override;

    // The factor and the generator's name without a dialog (the document uses them too).
    static float GetHilfsenergieText(const CAuswertDaten& r, const SHilfsenergieAnfrage& a,
                                     CVRMString& liste) {
        return CAuswertDlgLogik::GetHilfsenergieText(r, a, liste);
    }
    static CVRMString getNameZwErzeuger(int betriebsweise, int wwModus, int zweiterET,
                                        const CVRMString& eigeneHeizung) {
        return CAuswertDlgLogik::getNameZwErzeuger(betriebsweise, wwModus, zweiterET,
                                                   eigeneHeizung);
    }

    // Exists once the dialog has initialised.
    const CAuswertDlgLogik* Logik() const { return m_logik.get(); }
    QCheckBox* MitAllenKaestchen() const;

  protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void ZeigeTexte();
    void Gestalte();
    void OnMitAllenHilfsenergien();
    void OnVDI4650();
    void ZeigeHilfe();

    SAuswertDlgDaten m_daten;
    std::unique_ptr<CAuswertDlgLogik> m_logik;
};

// Registers the layout of dialog 157 (once).
void RegistriereAuswertDlgVorlage();
