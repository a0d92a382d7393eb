#include "app/options/OptionenSheet.h"

#include "app/options/OptsPage1.h"
#include "app/options/OptsPage2.h"
#include "app/options/OptsPage3.h"
#include "app/options/OptsPage4.h"
#include "app/options/OptsPage5.h"
#include "app/options/OptsPage7.h"
#include "app/options/OptsTexte.h"

COptionenSheet::COptionenSheet(IOptionenUmgebung& umgebung, QWidget* parent, int startSeite)
    : ui::PropertySheet(CVRMString(optstext::kTitel, nullptr), parent, StartSeite(startSeite)),
      m_allgemein(std::make_unique<COptsPage1>(umgebung)),
      m_klimaTarif(std::make_unique<COptsPage2>(umgebung)),
      m_bericht(std::make_unique<COptsPage3>(umgebung)),
      m_betriebskosten(std::make_unique<COptsPage4>(umgebung)),
      m_investition(std::make_unique<COptsPage7>(umgebung)),
      m_farben(std::make_unique<COptsPage5>(umgebung)) {
    addPage(m_allgemein.get());
    addPage(m_klimaTarif.get());
    addPage(m_bericht.get());
    addPage(m_betriebskosten.get());
    addPage(m_investition.get());
    addPage(m_farben.get());
}

COptionenSheet::~COptionenSheet() = default;

int COptionenSheet::StartSeite(int gewuenscht) {
    return gewuenscht >= 0 && gewuenscht < kSeiten ? gewuenscht : 0;
}

bool COptionenSheet::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1) return ui::PropertySheet::onKeyDown(key, mods);
    if (ui::PropertyPage* seite = activePage()) seite->onHelp();
    return true;
}
