#pragma once
// The options page "Colours" (template 183): each colour a field filled with it; a click on
// the field offers the colour chooser.
#include "app/options/OptsPage.h"
#include "app/options/OptsPage5Logik.h"

class CFarbFeld;

class COptsPage5 : public COptsPage {
  public:
    static constexpr int kVorlage = 183;
    // The field of colour i of COptsPage5Logik::Farben().
    static constexpr int kFeld = 1501;

    explicit COptsPage5(IOptionenUmgebung& umgebung);

    COptsPage5Logik& Logik() { return m_logik; }
    CFarbFeld* Feld(int i);
    bool onCommand(int id, int notifyCode, ui::Window* from) override;

  protected:
    void Initialisiere() override { m_logik.Init(); }
    void NachInit() override;
    void Anwenden() override { m_logik.Apply(); }

  private:
    void WaehleFarbe(int i);

    COptsPage5Logik m_logik;
};
