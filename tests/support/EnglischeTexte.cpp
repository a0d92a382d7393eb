#include "tests/support/EnglischeTexte.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/text/ResManager.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "resources/ResourceIds.h"

namespace testsupport {

void LadeEnglischeTexte() {
    // Kept loaded to the end of the program, as the program keeps its resource module.
    static platform::ModuleHandle modul =
        platform::loadModule(std::filesystem::path(VARM_PROGRAM_DIR) / "Varmtexteng.so");
    ASSERT_NE(modul, nullptr) << platform::lastModuleError();
    platform::setCurrentResourceModule(modul);
    CResManager::setLang(IDR_LNG_ENG);
}

}  // namespace testsupport
