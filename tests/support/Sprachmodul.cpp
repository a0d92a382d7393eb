#include "tests/support/Sprachmodul.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/text/ResManager.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "resources/ResourceIds.h"

namespace testsupport {

std::vector<SprachModul> AusgelieferteSprachModule() {
    std::vector<SprachModul> module;
    std::istringstream liste(VARM_LANGUAGE_MODULES);
    for (std::string eintrag; std::getline(liste, eintrag, ',');) {
        const size_t trenner = eintrag.rfind(':');
        if (trenner == std::string::npos) continue;
        module.push_back({eintrag.substr(0, trenner),
                          static_cast<unsigned>(std::stoul(eintrag.substr(trenner + 1)))});
    }
    return module;
}

SprachModul EnglischesModul() {
    for (const SprachModul& modul : AusgelieferteSprachModule())
        if (modul.tabelle == IDR_LNG_ENG) return modul;
    ADD_FAILURE() << "the build ships no English language module";
    return {};
}

bool LadeSprache(const SprachModul& modul) {
    CResManager::freeLangRes();
    const std::filesystem::path datei = std::filesystem::path(VARM_PROGRAM_DIR) / modul.datei;
    platform::ModuleHandle handle = platform::loadModule(datei);
    if (!handle) {
        ADD_FAILURE() << datei << ": " << platform::lastModuleError();
        return false;
    }
    const bool hatTabelle = platform::findResource(handle, u"LNG", modul.tabelle).has_value();
    const platform::ModuleHandle vorher = platform::currentResourceModule();
    platform::setCurrentResourceModule(handle);
    CResManager::setLang(modul.tabelle);
    platform::setCurrentResourceModule(vorher);
    platform::freeModule(handle);
    if (!hatTabelle) ADD_FAILURE() << datei << " has no language table " << modul.tabelle;
    return hatTabelle;
}

}  // namespace testsupport
