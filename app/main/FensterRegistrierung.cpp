#include "app/main/FensterRegistrierung.h"

#include "app/shell/FensterFabrik.h"
#include "dialogs/AuswertDlg.h"
#include "dialogs/DlgProgress.h"
#include "dialogs/DlgWait.h"
#include "dialogs/ErgebnisGrafikBefehle.h"
#include "dialogs/HilfsDialogBefehle.h"
#include "dialogs/KelvoView1.h"
#include "dialogs/NameDlg.h"
#include "dialogs/ProjektDlg.h"
#include "dialogs/StandortBefehle.h"
#include "dialogs/VDI4650Befehle.h"
#include "dialogs/WQTestDlg.h"
#include "pages/DimPage.h"
#include "pages/KostenVergleichBlatt.h"
#include "pages/ProjektSeiten.h"
#include "pages/SolarPage.h"
#include "pages/TarifWawaSeiten.h"
#include "pages/WPSeiten.h"
#include "pages/WQ1Page.h"

void RegistriereFenster() {
    SFensterFabrik& f = FensterFabrik();
    f.projektAnsicht = [](CKelvoDoc& dokument, QWidget* rahmen) {
        return static_cast<QWidget*>(new CKelvoView1(dokument, rahmen));
    };
    f.projektWahl = [](QWidget* eltern, CVRMString& name) {
        CProjektDlg dialog(eltern);
        if (dialog.doModal() != 1) return false;
        name = dialog.m_strName;
        return true;
    };
    f.namensDialog = [](const CVRMString& prompt, uint32_t schraegstrich, QWidget* eltern, CVRMString& name) {
        dialogs::CNameDlg dialog(prompt, schraegstrich, eltern);
        if (dialog.doModal() != 1) return false;
        name = dialog.Name();
        return true;
    };
    f.fortschritt = [](QWidget* eltern, const CVRMString& titel) -> std::unique_ptr<IDlgProgress> {
        auto dialog = std::make_unique<CDlgProgress>(0, 100, 1, titel);
        if (!dialog->Create(1, eltern)) return nullptr;
        return dialog;
    };
    f.warten = [] { return std::make_unique<CDlgWait>(); };
    f.auswertung = [](SAuswertDlgDaten daten, QWidget* eltern) {
        CAuswertDlg dlg(std::move(daten), eltern);
        dlg.doModal();
    };
    f.auslegungTest = [](const SWQTestWerte& w, QWidget* eltern) {
        CWQTestDlg dlg(w.art, w.ok, w.leistung, w.leistungGrenze, w.energie, w.energieGrenze, w.okMitZusatz,
                       w.energieMit, w.mitEinspeisung, eltern);
        dlg.doModal();
    };
    f.kostenVergleich = ZeigeKostenVergleichBlatt;
    f.befehle = [](CKelvoAppBefehle& befehle) {
        RegistriereStandortBefehle(befehle);
        RegistriereHilfsDialogBefehle(befehle);
        // The project's data pages (project, house) for the project window's buttons.
        RegistriereProjektSeiten();
        RegistriereSolarPage();
        RegistriereQuellenSeiten();
        RegistriereVDI4650Befehle(befehle);
        RegistriereDimPage();
        // The heat-pump pages of the master-data sheet.
        RegistriereWPSeiten();
        RegistriereErgebnisGrafikBefehle(befehle);
        RegistriereTarifWawaSeiten();
    };
}
