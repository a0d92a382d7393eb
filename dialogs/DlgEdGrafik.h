#pragma once
// The energy-coverage chart (dialog 5026): over the outdoor temperatures of the house, the
// heat demand and how the heat pump's drive energy, the environment energy and the
// additional energy cover it. The chart is worked out by CDlgEdGrafikLogik from the curves
// the document computes; the document opens it with the energy-coverage command.
//
//   CDlgEdGrafik dlg(6017, bedarf, leistung, faktor, -12, 12, abzug, hauptfenster);
//   dlg.doModal();
#include "dialogs/DlgEdGrafikLogik.h"
#include "platform/ui/Dialog.h"

class CDlgEdGrafik : public ui::Dialog {
  public:
    static constexpr int kIDD = 5026;  // not a text id
    using L = CDlgEdGrafikLogik;

    CDlgEdGrafik(unsigned titelID, const L::Kurve& bedarf, const L::Kurve& leistung,
                 const L::Kurve& faktor, int tVon, int tBis, float abzug, QWidget* parent);

    const CDlgEdGrafikLogik& Logik() const { return m_logik; }

  protected:
    bool onInitDialog() override;

  private:
    CDlgEdGrafikLogik m_logik;
};

// Registers the layout of dialog 5026 (once).
void RegistriereDlgEdGrafikVorlage();
