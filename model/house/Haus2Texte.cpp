// The house's short texts for the project window.
#include "core/text/TextIdConstants.h"
#include "core/value/VRMString.h"
#include "model/app/KelvoBindungen.h"
#include "model/errors/Fehler.h"
#include "model/house/Haus2.h"
#include "platform/numbers/Numbers.h"

namespace {

unsigned WawaTextId(int wawaMitWP) {
    switch (wawaMitWP) {
        case 0:
            return textid::kWawaKeine;
        case 1:
            return textid::kWawaMitWP;
        case 2:
            return textid::kWawaElektrisch;
        case 3:
            return textid::kWawaZweiterWE;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CHaus2::GetWawaKurzInfo(1)");
    }
}

unsigned SpeicherTextId(int speicherTyp) {
    switch (speicherTyp) {
        case 0:
            return 3508;  // "Type 1: good layering"
        case 1:
            return 3509;  // "Type 2: strong mixing"
        case 2:
            return 3510;  // "Type 3: combination of type 1/2"
        case 3:
            return 3017;  // "Hot water tank heat pump"
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CHaus2::GetWawaKurzInfo(2)");
    }
}

CVRMString LadeText(unsigned textId) {
    CVRMString text;
    text.LoadStringW(textId);
    return text;
}

}  // namespace

CVRMString CHaus2::GetOrtKurzInfo() {
    CVRMString text;
    text.Format(3543u, Float(ID_NormwaermeBedarf), Text(ID_Klimaort));  // "%.1f kW; Climate: %s"
    return text;
}

CVRMString CHaus2::GetWawaKurzInfo() {
    const CVRMString wawa = LadeText(WawaTextId(Int(ID_WWmitWP)));
    CVRMString text;
    if (Int(ID_WWmitWP) == 0) {
        text.Format(3546u, wawa);  // "%s"
        return text;
    }
    const CVRMString speicher = LadeText(SpeicherTextId(Int(ID_WWSpTyp)));
    if (!Bool(ID_BBK)) {
        // "%s; %u l/day; %u °C; %s"
        text.Format(3545u, wawa, UInt(ID_WWproTag), UInt(ID_WWSollTemp), speicher);
    } else {
        // "%s; %u °C; N=%u; %s (%u)"
        text.Format(5359u, wawa, UInt(ID_WWSollTemp), UInt(ID_BKZ), speicher, 1u);
    }
    return text;
}

CVRMString CHaus2::GetSolarKurzInfo(const CVRMString& solarAnlage) {
    CVRMString text;
    if (!IstSolarProjekt(solarAnlage)) return LadeText(3689);  // "Project without solar system"
    const auto& solar = GetKelvoBindungen().GetSolarAufrufe();
    const CVRMVariant ausrichtung = solar.get(solarAnlage, ID_KAusrichtung);
    // "%.1f m²; inclination %u °; orientation %i °"
    text.Format(3356u, solar.get(solarAnlage, ID_KFlaeche).GetFloatVal(),
                solar.get(solarAnlage, ID_KNeigung).GetUIntVal(),
                ausrichtung.IsInt() ? ausrichtung.GetIntVal()
                                    : platform::toInt32(ausrichtung.GetFloatVal()));
    return text;
}

CVRMString CHaus2::GetKuehlKurzInfo(const CVRMString& kuehlAnlage) {
    if (!IstKuehlProjekt(kuehlAnlage)) return LadeText(3550);  // "Project without cooling system"
    CVRMString text;
    text.Format(3542u, 0.0f, u"?");  // "%.1f kW cooling power (%s)"
    return text;
}
