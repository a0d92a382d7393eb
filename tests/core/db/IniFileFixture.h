#pragma once
// Shared set-up of the database-file tests: the English language table, a recording
// message-box presenter and a temporary folder.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/db/IniFile.h"
#include "core/text/ResManager.h"
#include "core/value/VRMStringArray.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/text/Text.h"
#include "tests/support/FixtureDatabase.h"

class IniFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CResManager::freeLangRes();
        LoadEnglishTexts();
        // Not in the English table: the place alone tells these reports apart.
        CResManager::setEntry(3337, u"Parameter wrong");
        CResManager::setEntry(3552, u"[muster]");
    }
    // The English language table of the repository, one id##text per line.
    static void LoadEnglishTexts() {
        std::ifstream in(std::string(VARM_SOURCE_DIR) + "/resources/eng/language.txt");
        ASSERT_TRUE(in) << "English language table missing";
        std::string text = "\xEF\xBB\xBF";  // the parser skips one character
        for (std::string line; std::getline(in, line);) text += line + "\r\n";
        CResManager::parseResource(platform::fromUtf8(text));
    }
    void TearDown() override { CResManager::freeLangRes(); }

    CVRMString PathOf(const std::string& name) const {
        return CVRMString::fromUtf8(folder.file(name).string());
    }

    // Writes the lines to `name` and loads them; the kind follows the extension.
    std::unique_ptr<CIniFile> Load(
        const std::string& name, const std::vector<std::u16string>& lines,
        testsupport::DbEncoding encoding = testsupport::DbEncoding::Utf16) {
        testsupport::WriteDatabaseFile(folder.file(name), lines, encoding);
        return LoadExisting(name);
    }
    std::unique_ptr<CIniFile> LoadExisting(const std::string& name) {
        const bool library = name.ends_with(".ini");
        auto file = std::make_unique<CIniFile>(library ? 1 : 0);
        file->Init(PathOf(name), library);
        return file;
    }

    // The value of a key, or "<missing>".
    static std::u16string Read(const CIniFile& file, const char16_t* section, const char16_t* key) {
        CVRMString out;
        return file.GetIniString(section, key, u"<missing>", out) ? out
                                                                  : std::u16string(u"<missing>");
    }
    static std::vector<std::u16string> Values(const CIniFile& file, const char16_t* section) {
        CVRMStringArray values;
        file.GetValuesFromSection(section, values);
        return {values.begin(), values.end()};
    }
    std::vector<std::u16string> BoxTexts() const {
        std::vector<std::u16string> texts;
        for (const auto& box : boxes.shown) texts.push_back(box.text);
        return texts;
    }

    platform::RecordingPresenter boxes;
    platform::ScopedMessageBoxPresenter guard{boxes};
    testsupport::TempFolder folder;
};
