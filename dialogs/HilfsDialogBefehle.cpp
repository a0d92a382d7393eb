#include "dialogs/HilfsDialogBefehle.h"

#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "app/shell/KelvoAppBefehle.h"
#include "core/text/TextIdConstants.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/DelKompDlg.h"
#include "dialogs/DlgBenutzer.h"
#include "dialogs/DlgSaveDat.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr int kBenutzer = 32843, kKomponentenLoeschen = 32840, kDatenSichern = 32831,
              kUeber = 57664;
constexpr unsigned kProjekteSchliessen = 3378;     // "Please, close all open projects first. ..."
constexpr unsigned kDatenseitenSchliessen = 3581;  // "Please close all data pages first."

// Refuses with the box of the text, as every refusal of the application's commands.
void Ablehnen(unsigned textId) {
    KVSMessageBoxID(textId, textid::kProduktCaption, platform::mb::ICONINFORMATION);
}

QWidget* Hauptfenster(CKelvoApp& app) {
    return app.GetMainFrame();
}

}  // namespace

void RegistriereHilfsDialogBefehle(CKelvoAppBefehle& befehle) {
    befehle.Setze(kBenutzer, {[] {
                      CKelvoApp& app = GetKelvoAppObjekt();
                      CDlgBenutzer dlg(Hauptfenster(app), app.GetBenutzerDaten());
                      dlg.doModal();
                  }});
    befehle.Setze(kKomponentenLoeschen, {[] {
                      CKelvoApp& app = GetKelvoAppObjekt();
                      if (app.IstProjektOffen()) return Ablehnen(kProjekteSchliessen);
                      if (!app.GibStammdatenFrei()) return Ablehnen(kDatenseitenSchliessen);
                      CDelKompDlg dlg(Hauptfenster(app));
                      dlg.doModal();
                      app.LadeStammdatenNeu();
                  }});
    befehle.Setze(kDatenSichern, {[] {
                      CKelvoApp& app = GetKelvoAppObjekt();
                      if (app.IstProjektOffen()) return Ablehnen(kProjekteSchliessen);
                      if (app.StammdatenInBearbeitung(true))
                          return Ablehnen(kDatenseitenSchliessen);
                      CDlgSaveDat dlg(Hauptfenster(app), false,
                                      std::filesystem::path(app.GetDatenPfad().toUtf8()));
                      // The restored database is read afresh at the next start.
                      if (dlg.doModal() == CDlgSaveDat::kWiederhergestellt) app.PostQuitMessage();
                  }});
    befehle.Setze(kUeber, {[] {
                      CKelvoApp& app = GetKelvoAppObjekt();
                      CAboutDlg dlg(Hauptfenster(app), app.GetProgrammDatei(),
                                    ModulDatenDesProgramms());
                      dlg.doModal();
                  }});
}
