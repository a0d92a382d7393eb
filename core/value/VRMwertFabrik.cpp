#include "core/value/VRMwertFabrik.h"

#include "core/text/ErrorReport.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"

namespace {

constexpr uint16_t kTextBodenart = 3620;  // "gravel (average wet)"

CVRMString& defaultBodenart() {
    static CVRMString text;
    return text;
}

CVRMVariant defaultWert(const vrmcore::DatenIdEntry& e) {
    switch (e.type) {
        case vrmcore::kFloat:
            return CVRMVariant(static_cast<float>(e.def.number));
        case vrmcore::kString:
            return e.def.soilText ? CVRMVariant(defaultBodenart()) : CVRMVariant(CVRMString());
        case vrmcore::kUInt:
            return CVRMVariant(static_cast<unsigned int>(e.def.number));
        case vrmcore::kInt:
            return CVRMVariant(static_cast<int>(e.def.number));
        case vrmcore::kBool:
            return CVRMVariant(e.def.number != 0);
    }
    vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMdatenProvider::createWert");
}

}  // namespace

void CVRMwertFabrik::init() {
    defaultBodenart() = CResManager::getLangText(kTextBodenart) + u"_" +
                        CResManager::getLangText(textid::kBiboMarke);
}

const CVRMString& CVRMwertFabrik::getDefaultBodenart() {
    return defaultBodenart();
}

std::unique_ptr<CVRMwert> CVRMwertFabrik::createWert(TKelvoDatenID id) {
    const vrmcore::DatenIdEntry* e = vrmcore::FindDatenId(id);
    if (!e || e->type == vrmcore::kNoFactory)
        vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMdatenProvider::createWert");
    auto wert = std::make_unique<CVRMwert>(static_cast<TVRMDataType>(e->type));
    wert->setDefault(defaultWert(*e));
    if (!e->stored) wert->setPersistent(false);
    wert->defval();
    return wert;
}
