#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/text/ResManager.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "platform/text/Text.h"
#include "resources/ResourceIds.h"

namespace {

namespace fs = std::filesystem;

// The English resource module as the current resource module, with an empty table.
class EnglishModule : public ::testing::Test {
  protected:
    void SetUp() override {
        module = platform::loadModule(fs::path(VARM_PROGRAM_DIR) / "Varmtexteng.so");
        ASSERT_NE(module, nullptr) << platform::lastModuleError();
        platform::setCurrentResourceModule(module);
        CResManager::freeLangRes();
    }
    void TearDown() override {
        CResManager::freeLangRes();
        platform::setCurrentResourceModule(nullptr);
        platform::freeModule(module);
    }
    platform::ModuleHandle module = nullptr;
};

TEST_F(EnglishModule, TheLanguageTableIsUtf16WithMarkAndCrLfLines) {
    const auto bytes = platform::findResource(module, u"LNG", IDR_LNG_ENG);
    ASSERT_TRUE(bytes);
    ASSERT_GE(bytes->size(), 6u);
    EXPECT_EQ(bytes->size() % 2, 0u);
    EXPECT_EQ(bytes->substr(0, 2), "\xFF\xFE");
    // The last line ends with CR LF, or the parser would drop it.
    EXPECT_EQ(bytes->substr(bytes->size() - 4), std::string("\r\0\n\0", 4));
}

TEST_F(EnglishModule, OnlyTheExactTypeAndIdAreFound) {
    platform::ModuleHandle withoutResources =
        platform::loadModule(fs::path(VARM_TEST_MODULE_DIR) / "varm_test_ordinals.so");
    ASSERT_NE(withoutResources, nullptr);
    const struct {
        platform::ModuleHandle module;
        std::u16string type;
        unsigned id;
    } cases[] = {
        {module, u"LNG", IDR_LNG_DEU},
        {module, u"HTML", IDR_LNG_ENG},
        {module, u"LN", IDR_LNG_ENG},
        {module, u"LNGX", IDR_LNG_ENG},
        {module, u"", IDR_LNG_ENG},
        {nullptr, u"LNG", IDR_LNG_ENG},
        {withoutResources, u"LNG", IDR_LNG_ENG},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(platform::findResource(c.module, c.type, c.id))
            << platform::toUtf8(c.type) << " " << c.id;
    platform::freeModule(withoutResources);
}

TEST_F(EnglishModule, SetLangLoadsTheTexts) {
    CResManager::setLang(IDR_LNG_ENG);
    EXPECT_TRUE(CResManager::hasLangRes());
    EXPECT_EQ(CResManager::getLangText(3102), u"File not found");
    EXPECT_EQ(CResManager::getLangText(3168), u"Varmion");
    EXPECT_EQ(CResManager::getLangText(3501), u"Unknown error in module 'VRM-Global'");
    EXPECT_EQ(CResManager::getLangText(3356), u"%.1f m²; inclination %u °; orientation %i °");
    EXPECT_EQ(CResManager::getLangText(1), u"Msg: 1");
}

TEST_F(EnglishModule, EveryLineOfTheRepositoryTableArrives) {
    CResManager::setLang(IDR_LNG_ENG);
    std::ifstream in(fs::path(VARM_SOURCE_DIR) / "resources/eng/language.txt");
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const auto marker = line.find("##");
        ASSERT_NE(marker, std::string::npos) << line;
        const auto id = static_cast<uint16_t>(std::stoul(line.substr(0, marker)));
        EXPECT_EQ(platform::toUtf8(CResManager::getLangText(id)), line.substr(marker + 2));
        ++count;
    }
    EXPECT_GT(count, 250);
}

TEST_F(EnglishModule, BackslashNComesOutAsCrLf) {
    CResManager::setLang(IDR_LNG_ENG);
    EXPECT_EQ(CResManager::getLangText(3272), u"Version %s or higher of file\\n%s required!");
    CVRMString text;
    EXPECT_TRUE(text.LoadStringW(3272));
    EXPECT_EQ(text, u"Version %s or higher of file\r\n%s required!");
}

TEST_F(EnglishModule, AnotherLanguagesTableIdLeavesTheTableEmpty) {
    CResManager::setLang(IDR_LNG_DEU);
    EXPECT_TRUE(CResManager::hasLangRes());
    EXPECT_EQ(CResManager::getLangText(3102), u"Msg: 3102");
}

}  // namespace
