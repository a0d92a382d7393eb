#pragma once
// The house results (dialog 131): the chart of the monthly heat for heating, hot water and
// solar input, the month list with the mean heat output and the flow temperature, and the
// year's heat by the heat pump and the second generator and the solar yields. What it shows
// is worked out by CKelvoViewDlgLogik from the document's figures; the document opens it
// with the house-results command after its calculation.
//
//   CKelvoViewDlg dlg(dokument, hauptfenster);
//   dlg.doModal();
#include "dialogs/KelvoViewDlgLogik.h"
#include "platform/ui/Dialog.h"

class CKelvoDoc;

class CKelvoViewDlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 131;  // not a text id
    using L = CKelvoViewDlgLogik;

    CKelvoViewDlg(CKelvoDoc& dokument, QWidget* parent);

    const CKelvoViewDlgLogik& Logik() const { return m_logik; }

  protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    // The document's figures, each read when its step of the opening comes.
    SHausLeser Leser();
    void ZeigeHilfe();

    CKelvoDoc& m_dokument;
    CKelvoViewDlgLogik m_logik;
};

// Registers the layout of dialog 131 (once).
void RegistriereKelvoViewDlgVorlage();
