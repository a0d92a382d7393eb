// The cost comparison of a project: the comparison sheet with the operating-cost,
// economics and heating-systems pages, shown or built hidden for the report pictures.
#include <cmath>
#include <exception>

#include "app/base/VRMPropertySheet.h"
#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocBefehle.h"
#include "app/doc/KostenBefehle.h"
#include "app/frame/MainFrame.h"
#include "app/shell/KelvoApp.h"
#include "core/text/ResManager.h"
#include "dialogs/AuswertDlgLogik.h"
#include "model/errors/Fehler.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "pages/BKVergleichPage.h"
#include "pages/HeizSystemPage.h"
#include "pages/WirtschaftPage.h"
#include "platform/errors/UserException.h"

namespace {

constexpr unsigned kKeinVergleich = 3430;  // "No comparison of heating costs possible"
constexpr unsigned kSheetTitel = 3709;     // "Economic comparisons"
constexpr float kMindestWaerme = 0.1f;     // kWh: below, a use counts as absent

uint32_t Gerundet(float wert) { return wert > 0.0f ? static_cast<uint32_t>(std::lround(wert)) : 0u; }

}  // namespace

std::array<uint32_t, 23> CKelvoDoc::KostenVergleichsWerte() {
    CKelvoErgebnisse ergebnisse;
    CAuswertDaten jahr;
    std::array<float, 12> monate{};
    GetAuswertDaten(ergebnisse, jahr, monate, 0, 0.0f);

    const SAuswertDlgDaten d = AuswertDlgDaten(jahr);
    // The evaluation dialog's own cost calculation, so that both windows name one figure.
    const float solarPumpe = d.mitSolar ? 2.0f * static_cast<float>(d.solarPumpe) : 0.0f;
    const SBetriebskosten k = CAuswertDlgLogik::BerechneBetriebskosten(d, solarPumpe);

    const float heiz = jahr.Feld(AF_WPWaermeHeiz) + jahr.Feld(AF_ZweiterWEHeiz);
    const float ww = jahr.Feld(AF_WPWaermeWW) + jahr.Feld(AF_ZweiterWEWW);
    std::array<uint32_t, 23> w{};
    w[0] = Gerundet(heiz + ww);
    w[1] = static_cast<uint32_t>(std::max(k.summe, 0));
    w[9] = static_cast<uint32_t>(std::max(k.zweiterWE, 0));
    w[10] = d.mitSolar ? 1 : 0;
    w[12] = ww > kMindestWaerme ? 1 : 0;
    w[14] = heiz > kMindestWaerme ? 1 : 0;
    w[15] = static_cast<uint32_t>(std::max(d.betriebsweise, 0));
    w[16] = d.medium == 3 ? 1 : 0;
    w[17] = Gerundet(jahr.Feld(AF_StromZirkPumpe));
    w[18] = static_cast<uint32_t>(std::max(d.medium, 0));
    w[19] = static_cast<uint32_t>(std::max(d.zweiterET, 0));
    return w;
}

int CKelvoDoc::InitWirtschaftPages(CVRMString& bild1, CVRMString& bild2, int modus) {
    try {
        int ausreichend = 1;
        if (!BerechneProjekt(ausreichend, 1, 0)) return 0;
        const std::array<uint32_t, 23> werte = KostenVergleichsWerte();
        const bool mitSpeicher = m_haus.GetWert(ID_WWmitWP).GetIntVal() != 0;

        CBKVergleichPage bk;
        bk.SetDaten(m_name, werte);
        CWirtschaftPage wirtschaft(&bk);
        wirtschaft.SetDaten(m_name, werte[15], werte[19], mitSpeicher);
        CHeizSystemPage systeme(&wirtschaft);
        // The pages outlive the sheet: a page destroyed first would leave the sheet
        // turning to its neighbour, which would compute (and speak) once more.
        const std::u16string titel = CResManager::getLangText(kSheetTitel) + u" - " + m_name;
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
        const bool gespeichert = modus == 2 ? wirtschaft.SaveGrafik(bild1, bild2)
                                            : bk.SaveGrafik(bild1, bild2);
        return gespeichert ? 1 : 0;
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
    }
    ShowFehler(kKeinVergleich, nullptr);
    return 0;
}

void RegistriereKostenBefehle(CKelvoAppBefehle&) {
    RegistriereDokumentBefehl(kBefehlKostenvergleich,
                              {[](CKelvoDoc& doc) {
                                   CVRMString bild1, bild2;
                                   doc.InitWirtschaftPages(bild1, bild2, 1);
                               },
                               [](CKelvoDoc& doc) { return doc.Projekt().IstVollstaendig(); }});
}
