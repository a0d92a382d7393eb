// The dimensioning's filter over catalogue heat pumps.
#include "core/value/VRMdatenProvider.h"
#include "model/heatpump/WPumpe2.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr int kMediumLuft = 1;
// A maximum flow temperature is whole degrees; half a degree short still passes.
constexpr float kVorlaufReserve = 0.5f;

float Ganzzahlig(float wert) {
    return static_cast<float>(platform::toInt32(wert));
}

}  // namespace

bool CWPumpe2::PasstZurAuslegung(const CVRMString& name, float& leistung, int medium,
                                 int auslegQuellTempGanz, bool ohneVorlaufTest,
                                 int vorlaufTestModus, bool zweiterPunkt, int zweiteQuellTempGanz,
                                 float auslegQuellTemp, float vorlaufTemp1, float vorlaufTemp2,
                                 float ruecklaufTemp, float benoetigteLeistung,
                                 bool& zwischenkreis) {
    leistung = 0.0f;
    CWPumpe2 wp;
    CVRMdatenProvider::get().fill(wp, name);
    zwischenkreis = wp.GetWert(ID_ZWKWT).GetBoolVal();
    if (!wp.GetWert(ID_Auslegung).GetBoolVal()) return false;

    const int eigenesMedium = wp.Medium();
    if (medium >= 0) {
        if (eigenesMedium != medium) return false;
        if (eigenesMedium == kMediumLuft) {
            const int minLuftTemp = wp.GetWert(ID_MinLuftTemp).GetIntVal();
            if (auslegQuellTempGanz < minLuftTemp) return false;
            if (zweiterPunkt && zweiteQuellTempGanz < minLuftTemp) return false;
        }
    }

    if (!ohneVorlaufTest) {
        if (vorlaufTestModus == 1 || zweiterPunkt) {
            const float quellTemp = eigenesMedium == kMediumLuft
                                        ? static_cast<float>(zweiteQuellTempGanz)
                                        : auslegQuellTemp;
            if (Ganzzahlig(wp.getMVT(quellTemp)) + kVorlaufReserve < vorlaufTemp1) return false;
        }
        if (Ganzzahlig(wp.getMVT(auslegQuellTemp)) + kVorlaufReserve < vorlaufTemp2) return false;
    }

    wp.GetLeistungGesamt(kHeizLeistung, auslegQuellTemp, vorlaufTemp2, vorlaufTemp2, ruecklaufTemp,
                         leistung);
    return leistung >= benoetigteLeistung;
}
