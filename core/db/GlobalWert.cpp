// Reads and writes of one value of the value store, by the value's type.
#include "core/db/Global.h"
#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMwert.h"

namespace {

void pruefeOrt(const CVRMString& section, const CVRMString& key, const char16_t* place) {
    if (section.empty() || key.empty()) vrmcore::ReportError(textid::kDatenFehlen, place);
}

}  // namespace

void IGlobal::readWert(const CVRMString& section, const CVRMString& key, CVRMwert& wert) {
    constexpr const char16_t* place = u"IGlobal::readWert";
    pruefeOrt(section, key, place);
    const CVRMVariant& def = wert.getDefault();
    switch (wert.GetVRMType()) {
        case vrmFloat:
            wert.init(ReadIniFloat(section, key, def.GetFloatVal()));
            return;
        case vrmString: {
            CVRMString text;
            ReadIniString(section, key, text, def.GetStringVal());
            wert.init(text);
            return;
        }
        case vrmUInt:
            wert.init(static_cast<unsigned int>(
                ReadIniInt(section, key, static_cast<int>(def.GetUIntVal()))));
            return;
        case vrmInt:
            wert.init(ReadIniInt(section, key, def.GetIntVal()));
            return;
        case vrmBool:
            wert.init(ReadIniInt(section, key, def.GetBoolVal() ? 1 : 0) == 1);
            return;
        default:
            vrmcore::ReportError(textid::kFalscheKonstante, place);
    }
}

void IGlobal::writeWert(const CVRMString& section, const CVRMString& key, const CVRMwert& wert,
                        int flush) {
    constexpr const char16_t* place = u"IGlobal::writeWert";
    pruefeOrt(section, key, place);
    switch (wert.GetVRMType()) {
        case vrmFloat:
            WriteIniFloat(section, key, wert.GetFloatVal(), flush);
            return;
        case vrmString:
            WriteIniString(section, key, wert.GetStringVal(), flush);
            return;
        case vrmUInt:
            WriteIniInt(section, key, static_cast<int>(wert.GetUIntVal()), flush);
            return;
        case vrmInt:
            WriteIniInt(section, key, wert.GetIntVal(), flush);
            return;
        case vrmBool:
            WriteIniInt(section, key, wert.GetBoolVal() ? 1 : 0, flush);
            return;
        default:
            vrmcore::ReportError(textid::kFalscheKonstante, place);
    }
}
