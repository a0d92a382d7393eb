#pragma once
// The core library's application object is process-wide: every test starts from a fresh
// one (two empty database images, not initialised), records the boxes it causes, and
// writes its databases into a folder of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "platform/text/Text.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/Sprachmodul.h"

class GlobalFixture : public ::testing::Test {
  protected:
    GlobalFixture() {
        CVRMglobApp::ResetForTests();
        testsupport::LadeSprache();
    }

    ~GlobalFixture() override {
        CVRMglobApp::ResetForTests();
        platform::setCurrentResourceModule(previousResource_);
        platform::freeModule(module_);
        CResManager::freeLangRes();
    }

    // Any loaded module serves as the resource module: the core library itself.
    platform::ModuleHandle coreModule() {
        if (!module_) module_ = platform::loadModule(coreFile());
        return module_;
    }
    static std::string coreFile() { return std::string(VARM_PROGRAM_DIR) + "/Varmcore.so"; }

    void initialise() { ASSERT_EQ(CVRMglobApp::Get().Init(coreModule(), nullptr, 0), 1); }

    // Writes and loads both databases (user "user.dat", library "bibo.ini").
    void loadDatabases(const std::vector<std::u16string>& user,
                       const std::vector<std::u16string>& bibo, int biboOnly = 0) {
        initialise();
        testsupport::WriteDatabaseFile(folder.file("user.dat"), user);
        testsupport::WriteDatabaseFile(folder.file("bibo.ini"), bibo);
        ASSERT_EQ(CVRMglobApp::Get().SetDatenDatei(path("user.dat")), 1);
        ASSERT_EQ(CVRMglobApp::Get().SetBiboDatei(path("bibo.ini"), biboOnly), 1);
        boxes.shown.clear();
    }

    CVRMString path(const char* name) const {
        return CVRMString::fromUtf8(folder.file(name).string());
    }

    std::vector<std::u16string> boxTexts() const {
        std::vector<std::u16string> texts;
        for (const auto& box : boxes.shown) texts.push_back(box.text);
        return texts;
    }

    platform::RecordingPresenter boxes;
    platform::ScopedMessageBoxPresenter guard{boxes};
    testsupport::TempFolder folder;

  private:
    platform::ModuleHandle module_ = nullptr;
    platform::ModuleHandle previousResource_ = platform::currentResourceModule();
};
