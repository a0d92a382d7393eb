// Taking kind, COPs, test-bench difference and power over from a catalogue heat pump.
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "model/data/Runden.h"
#include "model/errors/Fehler.h"
#include "model/heatpump/WPumpe2.h"
#include "platform/errors/UserException.h"

using namespace VDI4650;

namespace {

constexpr float kPruefVorlauf = 35.0f;

// The COP at a test point when the heat pump's records hold it; else `cop` stays.
void NimmCOP(CWPumpe2& wp, float tQuelle, float& cop) {
    float wert = 0.0f;
    if (wp.GetTabellenLeistungszahl(tQuelle, kPruefVorlauf, wert)) cop = wert;
}

}  // namespace

bool CVDI4650Rechner::GetCOPsVonWP() {
    if (wpName.IsEmpty()) return true;
    try {
        CWPumpe2 wp;
        CVRMdatenProvider::get().fill(wp, wpName);
        wp.SetAnzahl(anzahl);
        const int medium = wp.GetWert(ID_MedienTyp).GetIntVal();
        // The calculator knows four kinds; a heat pump of another medium cannot be rated.
        if (medium < kSoleWasser || medium > kDirektverdampfung) {
            ShowFehler(textid::kFalscheKonstante, u"CVDI4650Rechner::GetCOPsVonWP");
            return false;
        }
        art = medium;
        if (!GetDokument())
            pumpenLeistung = static_cast<int>(wp.GetWert(ID_LeistungSP).GetUIntVal());
        switch (art) {
            case kLuftWasser:
                NimmCOP(wp, -7.0f, cop1);
                NimmCOP(wp, 2.0f, cop2);
                break;
            case kSoleWasser:
                NimmCOP(wp, 0.0f, cop2);
                break;
            case kDirektverdampfung:
                NimmCOP(wp, -1.0f, cop2);
                break;
            default:
                break;
        }
        if (art == kLuftWasser || art == kWasserWasser) NimmCOP(wp, 10.0f, cop3);
        pruef =
            static_cast<float>(RundeAufStellen(wp.GetWert(ID_TempDiffVerfluess).GetFloatVal(), 0));
        if (!IstImBereich3bis10(pruef)) pruef = 10.0f;
        float heizLeistung = 0.0f;
        if (!wp.getTabellenWert(CWPumpe2::kHeizLeistung, wp.getAPQ(), wp.getAPV(), heizLeistung))
            heizLeistung = wp.getTHL();
        leistung = static_cast<float>(RundeAufStellen(heizLeistung, 1));
    } catch (const platform::UserException&) {
        return false;
    }
    return true;
}
