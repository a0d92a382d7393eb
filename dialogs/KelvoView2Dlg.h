#pragma once
// The heat-source results (dialog 148): for the first heat source and, with two sources,
// for the second, a chart of the monthly source temperatures before and after withdrawal
// and of the brine, with the year's mean inlet temperature and the mean of October to
// April below it. One source shows one chart in a window of half the height. What it shows
// is worked out by CKelvoView2DlgLogik from one evaluation of the document.
//
//   CKelvoView2Dlg dlg(dokument, hauptfenster);
//   dlg.doModal();
#include "dialogs/KelvoView2DlgLogik.h"
#include "platform/ui/Dialog.h"

class CKelvoDoc;

class CKelvoView2Dlg : public ui::Dialog {
  public:
    static constexpr int kIDD = 148;  // not a text id
    using L = CKelvoView2DlgLogik;

    CKelvoView2Dlg(CKelvoDoc& dokument, QWidget* parent);

    const CKelvoView2DlgLogik& Logik() const { return m_logik; }
    bool ZweiQuellen() const { return m_zweiQuellen; }

  protected:
    bool onInitDialog() override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void InitChart(int id);
    void UpdateBerechnungen();
    void UpdateBerechnungen2();
    void ZeigeHilfe();

    CKelvoDoc& m_dokument;
    CKelvoView2DlgLogik m_logik;
    bool m_zweiQuellen = false;
};

// Registers the layout of dialog 148 (once).
void RegistriereKelvoView2DlgVorlage();
