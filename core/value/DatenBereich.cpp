#include "core/value/DatenBereich.h"

#include "core/db/Global.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMwert.h"

namespace {

struct SEintrag {
    TKelvoDatenID id;
    SDatenBereich bereich;
};

constexpr SEintrag kBereiche[] = {
    {ID_NormwaermeBedarf, datenbereich::kHeizlast},
    {ID_HeizVorlauf, datenbereich::kVorlauf},
    {ID_HeizRuecklauf, datenbereich::kRuecklauf},
    {ID_NAT, datenbereich::kNormAussenTemp},
    {ID_ExponentFB, datenbereich::kExponent},
    {ID_ExponentRA, datenbereich::kExponent},
    {ID_ExponentWH, datenbereich::kExponent},
    {ID_SoleKreise, datenbereich::kSoleKreise},
    {ID_SperrZ1, datenbereich::kSperrzeit},
    {ID_SperrZ2, datenbereich::kSperrzeit},
    {ID_TempDiffVerdampf2, datenbereich::kTempDifferenz},
    {ID_TempDiffVerfluess2, datenbereich::kTempDifferenz},
};

}  // namespace

std::optional<SDatenBereich> DatenBereich(TKelvoDatenID id) {
    for (const SEintrag& e : kBereiche)
        if (e.id == id) return e.bereich;
    return std::nullopt;
}

void PruefeGelesenenWert(const CVRMString& section, const CVRMString& key, TKelvoDatenID id,
                         const CVRMwert& wert) {
    const std::optional<SDatenBereich> bereich = DatenBereich(id);
    if (!bereich) return;
    double zahl = 0.0;
    switch (wert.GetVRMType()) {
        case vrmFloat:
            if (wert.GetFloatVal() == wert.getDefault().GetFloatVal()) return;
            zahl = wert.GetFloatVal();
            break;
        case vrmUInt:
            if (wert.GetUIntVal() == wert.getDefault().GetUIntVal()) return;
            zahl = wert.GetUIntVal();
            break;
        case vrmInt:
            if (wert.GetIntVal() == wert.getDefault().GetIntVal()) return;
            zahl = wert.GetIntVal();
            break;
        default:
            return;
    }
    if (zahl >= bereich->min && zahl <= bereich->max) return;
    if (id == ID_NAT && zahl > datenbereich::kNormAussenTempAusKlimaort) return;
    // Named as stored: the read may have clamped it ("-5" for a count reads as 4294967291).
    CVRMString text;
    IGlobal::ReadIniString(section, key, text, CVRMString());
    vrmcore::ReportError(textid::kDatenbankDefekt, section + u": " + key + u"=" + text);
}
