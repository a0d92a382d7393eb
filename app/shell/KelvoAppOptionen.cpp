// The application object and its options: the options sheet, and what follows a change.
#include "app/frame/MainFrame.h"
#include "app/options/OptionenSheet.h"
#include "app/shell/KelvoApp.h"
#include "evaluation/AuswertManager.h"
#include "model/app/OptionIds.h"
#include "platform/errors/UserException.h"
#include "platform/ui/Messages.h"

void CKelvoApp::OpenOptionen(int startSeite) {
    COptionenSheet sheet(*this, m_mainFrame.get(), startSeite);
    // Results depend on the options: every open project computes them again.
    ResetAlleBerechnungen();
    const int ergebnis = sheet.doModal();
    // Values a page applied are in use; they are kept also when the sheet is then cancelled.
    if (ergebnis != ui::kIdOk && !sheet.WurdeAngewendet()) return;
    try {
        m_optionsManager.SaveOptions();
    } catch (const platform::UserException&) {
        // Reported as "Error when saving options"; the options stay in use for this run.
    }
}

void CKelvoApp::OptionenGeaendert(int hint) {
    // Here every open project document hears of the change (its pages' options-changed
    // operation, then its views with `hint`), and so do the master-data sheet's heat-pump
    // data, tariff and heat-pump choice pages, once documents and those pages exist.
    if (hint == kHintOptionenGeaendert) {
        int32_t exMode = 0;
        m_optionsManager.GetLongWert(OPT_EX_MODE, exMode);
        m_propertyManager.ZeigeAlleGruppen(exMode);
    }
    // The left bar takes its colours from the options: the frame redraws itself whole.
    if (m_mainFrame) m_mainFrame->OptionGeaendert(CMainFrame::kOptionGeaendertNeuZeichnen);
}
