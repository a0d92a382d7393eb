#pragma once
// The correction factors of the last VDI 4650 calculation (dialog 5017): each factor of
// the guideline's tables with its row enabled only where it applies to the kind of heat
// pump, the hot water and the mode of operation; a factor read outside the guideline's
// ranges stands on red, with a notice.
#include <array>

#include "platform/ui/Dialog.h"

class CVDI4650Rechner;

class CDlgVDI4650b : public ui::Dialog {
  public:
    static constexpr int kIDD = 5017;  // not a text id
    // The rows in order: table 1 (heating), 2, 3, 4 (-7), 4 (+2), 4 (+10), 5, 6, 7, 8,
    // table 1 (hot water), the source-pump factor. Row i shows its value in kIdcWert + i
    // beside its caption kIdcText + i.
    static constexpr int kZeilen = 12;
    static constexpr int kIdcWert = 2501;
    static constexpr int kIdcText = 2521;
    static constexpr int kIdcHinweis = 2540;
    static constexpr int kIdcSchliessen = 1;

    // `bereich`: the nine in-range flags of the calculator (tables 1 to 8, the
    // source-pump factor).
    CDlgVDI4650b(const CVDI4650Rechner& rechner, const std::array<bool, 9>& bereich,
                 QWidget* parent = nullptr);

    // Whether row `zeile` is shown on red.
    bool IstAusserhalb(int zeile) const;

  protected:
    bool onInitDialog() override;

  private:
    const CVDI4650Rechner& m_rechner;
    std::array<bool, 9> m_bereich;
};

void RegistriereDlgVDI4650bVorlage();
