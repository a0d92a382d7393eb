#include "pages/KostenVergleichBlatt.h"

#include "app/base/VRMPropertySheet.h"
#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "core/text/ResManager.h"
#include "pages/BKVergleichPage.h"
#include "pages/HeizSystemPage.h"
#include "pages/WirtschaftPage.h"

namespace {
constexpr unsigned kSheetTitel = 3709;  // "Economic comparisons"
}  // namespace

int ZeigeKostenVergleichBlatt(const SKostenVergleich& vergleich, CVRMString& bild1, CVRMString& bild2, int modus) {
    CBKVergleichPage bk;
    bk.SetDaten(vergleich.projekt, vergleich.werte);
    CWirtschaftPage wirtschaft(&bk);
    wirtschaft.SetDaten(vergleich.projekt, vergleich.werte[15], vergleich.werte[19], vergleich.mitSpeicher);
    CHeizSystemPage systeme(&wirtschaft);
    // The pages outlive the sheet: a page destroyed first would leave the sheet
    // turning to its neighbour, which would compute (and speak) once more.
    const std::u16string titel = CResManager::getLangText(kSheetTitel) + u" - " + vergleich.projekt;
    CVRMPropertySheet sheet(titel, GetKelvoAppObjekt().GetMainFrame(), 0);
    sheet.setFlags(ui::PropertySheet::NoApply | ui::PropertySheet::NoHelp);
    sheet.addPage(&bk);
    sheet.addPage(&wirtschaft);
    if (bild1.empty() && bild2.empty()) {
        sheet.addPage(&systeme);
        // The economics page takes its operating costs from the first page, whose
        // window must exist: the sheet is built on it and then turned.
        if (modus == 2) {
            sheet.createModeless(false);
            sheet.setActivePage(1);
        }
        sheet.doModal();
        return 1;
    }
    sheet.createModeless(false);
    sheet.setActivePage(1);
    sheet.hide();
    const bool gespeichert = modus == 2 ? wirtschaft.SaveGrafik(bild1, bild2) : bk.SaveGrafik(bild1, bild2);
    return gespeichert ? 1 : 0;
}
