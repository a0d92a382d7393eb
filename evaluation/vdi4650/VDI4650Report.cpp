#include "evaluation/vdi4650/VDI4650Report.h"

#include <algorithm>
#include <array>

#include "core/db/TextIds.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/binding/Report.h"
#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/errors/Fehler.h"
#include "platform/errors/UserException.h"

using namespace VDI4650;

namespace VDI4650Report {

namespace {

constexpr unsigned kFormat3 = 5670;  // "%.3f"

VorlagenUebergabe& Uebergabe() {
    static VorlagenUebergabe uebergabe;
    return uebergabe;
}

void UebergebeVorlage(unsigned vorlage) {
    if (!Uebergabe()) return IReport::SetDaten(kVorlagenSchluessel, vorlage);
    Uebergabe()(kVorlagenSchluessel, vorlage);
}

CVRMString Text(unsigned textId) {
    CVRMString text;
    text.LoadStringW(textId);
    return text;
}

CVRMString Zahl(unsigned formatId, float wert) {
    CVRMString text;
    text.Format(formatId, wert);
    return text;
}

// The report is HTML: every line break of the customer's address becomes "<br>".
CVRMString KundeAlsHtml(CVRMString kunde) {
    kunde.Replace(u"\r\n", u"<br>");
    kunde.Replace(u"\n", u"<br>");
    kunde.Replace(u"\r", u"<br>");
    return kunde;
}

}  // namespace

unsigned WaehleVorlage(int art, int warmwasser, int betriebsweise) {
    if (art < kSoleWasser || art > kDirektverdampfung || betriebsweise < 0 || betriebsweise > 8)
        return kVorlageOhneWarmwasserWP;
    // Per kind: with the main heat pump, with a second heat pump.
    static constexpr std::array<std::array<unsigned, 2>, 4> kVorlagen = {{
        {280, 281},  // brine/water
        {283, 284},  // air/water
        {285, 286},  // water/water
        {287, 288},  // direct evaporation
    }};
    if (warmwasser == kWarmwasserMitWP) return kVorlagen[art][0];
    if (warmwasser == kWarmwasserZweiteWP) return kVorlagen[art][1];
    return kVorlageOhneWarmwasserWP;
}

std::vector<SReportWert> BaueReportWerte(const CVDI4650Rechner& r) {
    const auto& e = r.ergebnisse;
    const unsigned anteil = static_cast<unsigned>(std::clamp(r.prozentHeizung, 0, 100));
    std::vector<SReportWert> w;
    auto setze = [&w](TKelvoDatenID id, CVRMwert wert) { w.push_back({id, std::move(wert)}); };
    auto nn = [&setze](int n, CVRMwert wert) { setze(SchluesselVon(n), std::move(wert)); };

    nn(16, Text(getWPmediumIDS(r.art)));
    nn(26, Text(getBetriebsweiseIDS(r.betriebsweise)));
    nn(27, Text(getWawaBereitungIDS(r.warmwasser)));
    nn(1, Zahl(textid::kFormatFloat2, r.cop1));
    nn(2, Zahl(textid::kFormatFloat2, r.cop2));
    nn(3, Zahl(textid::kFormatFloat2, r.cop3));
    nn(33, Zahl(textid::kFormatFloat2, r.cop4));
    nn(4, CVRMwert(r.pruef));
    nn(5, CVRMwert(r.betrieb));
    nn(6, CVRMwert(r.tQuelle));
    nn(7, CVRMwert(r.tVorlauf));
    nn(8, CVRMwert(static_cast<unsigned>(r.heizgrenze)));
    nn(19, CVRMwert(r.tNorm));
    if (r.betriebsweise == kMonovalent)
        nn(29, CVRMwert(u"--"));
    else
        nn(29, CVRMwert(static_cast<int>(r.GetBivalenzTemp())));
    nn(9, CVRMwert(r.zwischenWT));
    nn(34, CVRMwert(anteil));
    nn(35, CVRMwert(100u - anteil));
    setze(kPumpenLeistungSchluessel,
          CVRMwert(static_cast<unsigned>(std::max(r.pumpenLeistung, 0))));
    nn(10, Zahl(kFormat3, e.kHeizung));
    nn(28, Zahl(kFormat3, e.kWarmwasser));
    nn(11, Zahl(kFormat3, e.tabelle2));
    nn(12, Zahl(kFormat3, e.tabelle3));
    nn(13, Zahl(kFormat3, e.w1));
    nn(14, Zahl(kFormat3, e.w2));
    nn(15, Zahl(kFormat3, e.w3));
    nn(20, Zahl(kFormat3, e.tabelle5));
    nn(21, Zahl(kFormat3, e.tabelle6));
    nn(22, Zahl(textid::kFormatFloat2, e.tabelle7));
    nn(23, Zahl(textid::kFormatFloat2, e.tabelle8));
    nn(24, Zahl(textid::kFormatFloat2, e.betaHeizung));
    nn(25, Zahl(textid::kFormatFloat2, e.betaWarmwasser));
    nn(17, Zahl(textid::kFormatFloat2, e.betaAnlage));
    nn(18, Zahl(kFormat3, r.fp));
    nn(30, CVRMwert(r.tWarmwasser));
    nn(31, CVRMwert(r.IstListenModus() ? r.wpName : r.wpFreitext));
    nn(32, CVRMwert(KundeAlsHtml(r.kunde)));
    return w;
}

void SetzeVorlagenUebergabe(VorlagenUebergabe uebergabe) {
    Uebergabe() = std::move(uebergabe);
}

bool SchreibeReport(CVDI4650Rechner& r) {
    try {
        if (!r.Berechne()) return false;
        r.SpeichereInProjekt();
        UebergebeVorlage(WaehleVorlage(r.art, r.warmwasser, r.betriebsweise));
        const auto werte = BaueReportWerte(r);
        if (IKelvoDocServices* doc = r.GetDokument()) {
            for (const auto& w : werte) doc->SetWert(w.schluessel, w.wert);
            doc->ErstelleReport(true, 0, false);
        } else {
            IKelvoAppServices& app = GetKelvoApp();
            for (const auto& w : werte) app.SetWert(w.schluessel, w.wert);
            // Whether the stand-alone calculator produces a report is not settled; it
            // only finds the folder the report would go to.
            CVRMString ordner;
            app.GetReportDir(ordner);
        }
    } catch (const platform::UserException&) {
        return false;
    }
    return true;
}

}  // namespace VDI4650Report
