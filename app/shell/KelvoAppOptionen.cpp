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
