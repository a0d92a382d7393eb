#pragma once
// The possibilities of improvement after VDI 4650 (dialog 296): the values the calculator
// uses beside those the guideline recommends, the heat pump's power share with the
// bivalence temperature table 8 gives for it, and advice on the mode of operation. It
// changes nothing: the user changes the values in the calculator.
#include "evaluation/vdi4650/VDI4650Optimierung.h"
#include "platform/ui/Dialog.h"

class CVDI4650Rechner;

class CDlgVDIopt : public ui::Dialog {
  public:
    static constexpr int kIDD = 296;
    static constexpr int kIdcQuelleGruppe = 2601;
    static constexpr int kIdcQuelleWert = 2602;
    static constexpr int kIdcQuelleEmpfohlen = 2603;
    static constexpr int kIdcSonde = 2604;       // radio "vertical ground collector"
    static constexpr int kIdcFlach = 2605;       // radio "horizontal ground collector"
    static constexpr int kIdcNormTempGruppe = 2611;
    static constexpr int kIdcPumpeGruppe = 2621;
    static constexpr int kIdcFpWert = 2622;
    static constexpr int kIdcFpEmpfohlen = 2623;
    static constexpr int kIdcFpHinweis = 2624;
    static constexpr int kIdcTabelle8Gruppe = 2631;
    static constexpr int kIdcAnteil = 2632;
    static constexpr int kIdcBivalenz = 2633;
    static constexpr int kIdcBivalenzHinweis = 2634;
    static constexpr int kIdcBetriebsweiseGruppe = 2641;
    static constexpr int kIdcBetriebsweise = 2642;
    static constexpr int kIdcBetriebsweiseHinweis = 2643;
    static constexpr int kIdcHilfe = 57670;

    CDlgVDIopt(const CVDI4650Rechner& rechner, QWidget* parent = nullptr);

    const SVDIoptDaten& Daten() const { return m_daten; }

  protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    void Berechne(bool flachkollektor);
    void Zeige();

    const CVDI4650Rechner& m_rechner;
    SVDIoptProjekt m_projekt;
    bool m_mitProjekt = false;
    SVDIoptDaten m_daten;
};

void RegistriereDlgVDIoptVorlage();
