// The cost comparison of a project: the comparison sheet with the operating-cost,
// economics and heating-systems pages, shown or built hidden for the report pictures.
#include <cmath>
#include <exception>

#include "app/doc/AuswertDlgLogik.h"
#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocBefehle.h"
#include "app/doc/KostenBefehle.h"
#include "app/shell/FensterFabrik.h"
#include "app/shell/KelvoApp.h"
#include "model/errors/Fehler.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/errors/UserException.h"

namespace {

constexpr unsigned kKeinVergleich = 3430;  // "No comparison of heating costs possible"
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
        SKostenVergleich vergleich;
        vergleich.projekt = m_name;
        vergleich.werte = werte;
        vergleich.mitSpeicher = m_haus.GetWert(ID_WWmitWP).GetIntVal() != 0;
        const auto& blatt = FensterFabrik().kostenVergleich;
        return blatt ? blatt(vergleich, bild1, bild2, modus) : 0;
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
