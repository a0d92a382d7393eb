#include "dialogs/StandortBefehle.h"

#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "app/shell/KelvoAppBefehle.h"
#include "dialogs/BodenartDlgEdit.h"
#include "dialogs/KlimaDlg.h"
#include "dialogs/WetterDlg.h"
#include "model/app/KelvoDocServices.h"
#include "model/source/WQuelle2.h"
#include "platform/errors/UserException.h"

namespace {

void ZeigeKlimaDlg(unsigned short modus) {
    CKelvoApp& app = GetKelvoAppObjekt();
    CKlimaDlg dlg(modus, app.GetMainFrame(), app.GetTovrelSchalter() != 0);
    dlg.doModal();
}

}  // namespace

CVRMString VorgewaehlteBodenart() {
    try {
        IKelvoDocServices* dokument = GetKelvoApp().GetAktDokument(true);
        CWQuelle2* quelle = dokument ? dokument->GetWQuelle(1) : nullptr;
        if (quelle && quelle->IstGueltig()) return quelle->GetWert(ID_Boden1).GetStringVal();
    } catch (const platform::UserException&) {
        // A heat source that cannot tell its soil type preselects nothing.
    }
    return {};
}

void RegistriereStandortBefehle(CKelvoAppBefehle& befehle) {
    befehle.Setze(kBefehlKlimaorte, {[] { ZeigeKlimaDlg(CKlimaDlgLogik::kKlimaorte); }, {}});
    befehle.Setze(kBefehlBodentemperaturen,
                  {[] { ZeigeKlimaDlg(CKlimaDlgLogik::kBodentemperaturen); }, {}});
    befehle.Setze(kBefehlWetterdaten, {[] {
                                          CKelvoApp& app = GetKelvoAppObjekt();
                                          CWetterDlg dlg(app.GetMainFrame(),
                                                         app.GetTovrelSchalter() != 0,
                                                         app.GetConfSchalter());
                                          dlg.doModal();
                                      },
                                      {}});
    befehle.Setze(kBefehlBodenarten, {[] {
                                         CBodenartDlgEdit dlg(VorgewaehlteBodenart(),
                                                              GetKelvoAppObjekt().GetMainFrame());
                                         dlg.doModal();
                                     },
                                     {}});
}
