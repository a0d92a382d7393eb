#pragma once
// The sheet of the program options: six pages, "General" to "Colours", over the options
// manager. It opens on the page asked for (the first when there is no such page) and
// remembers whether a page applied its values, so that values in use are also saved when
// the user closes the sheet with Cancel after Apply.
#include <memory>

#include "app/options/OptionenUmgebung.h"
#include "platform/ui/PropertySheet.h"

class COptsPage1;
class COptsPage2;
class COptsPage3;
class COptsPage4;
class COptsPage5;
class COptsPage7;

class COptionenSheet : public ui::PropertySheet {
  public:
    static constexpr int kSeiten = 6;

    COptionenSheet(IOptionenUmgebung& umgebung, QWidget* parent, int startSeite);
    ~COptionenSheet() override;

    // The page the sheet opens on: the one asked for while there is such a page, else
    // the first.
    static int StartSeite(int gewuenscht);

    void SeiteAngewendet() { m_angewendet = true; }
    // Whether a page wrote its values into the options since the sheet opened.
    bool WurdeAngewendet() const { return m_angewendet; }

    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  private:
    std::unique_ptr<COptsPage1> m_allgemein;
    std::unique_ptr<COptsPage2> m_klimaTarif;
    std::unique_ptr<COptsPage3> m_bericht;
    std::unique_ptr<COptsPage4> m_betriebskosten;
    std::unique_ptr<COptsPage7> m_investition;
    std::unique_ptr<COptsPage5> m_farben;
    bool m_angewendet = false;
};
