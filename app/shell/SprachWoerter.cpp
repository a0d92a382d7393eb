#include "app/shell/SprachWoerter.h"

#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"

std::optional<std::u16string> CSprachWoerter::text(unsigned id) const {
    if (id > 0xFFFF) return std::nullopt;
    const CVRMString* text = CResManager::findLangText(static_cast<uint16_t>(id));
    if (!text) return std::nullopt;
    return std::u16string(*text);
}

std::u16string CSprachWoerter::caption() const {
    return CResManager::getLangText(textid::kProduktCaption);
}
