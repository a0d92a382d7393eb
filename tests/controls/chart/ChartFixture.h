#pragma once
// Chart tests: the English language module loaded as the program loads it, and every
// message box recorded instead of shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/text/ResManager.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "resources/ResourceIds.h"

namespace charttest {

class ChartFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        modul = platform::loadModule(std::filesystem::path(VARM_PROGRAM_DIR) / "Varmtexteng.so");
        ASSERT_NE(modul, nullptr) << platform::lastModuleError();
        platform::setCurrentResourceModule(modul);
        CResManager::setLang(IDR_LNG_ENG);
    }
    void TearDown() override {
        CResManager::freeLangRes();
        platform::setCurrentResourceModule(nullptr);
        platform::freeModule(modul);
    }

    // Runs `aufruf`, which must report `text` with `ort` and throw the user exception.
    void ErwarteFehler(const std::function<void()>& aufruf, const std::u16string& text,
                       const std::u16string& ort) {
        presenter.shown.clear();
        EXPECT_THROW(aufruf(), platform::UserException);
        ASSERT_EQ(presenter.shown.size(), 1u);
        const std::u16string erwartet = ort.empty() ? text : text + u"\n(" + ort + u")";
        EXPECT_EQ(presenter.shown.front().text, erwartet);
        presenter.shown.clear();
    }
    void ErwarteChartFehler(const std::function<void()>& aufruf, const std::u16string& ort) {
        ErwarteFehler(aufruf, u"Error when showing chart", ort);
    }

    platform::ModuleHandle modul = nullptr;
    platform::RecordingPresenter presenter;
    platform::ScopedMessageBoxPresenter scoped{presenter};
};

}  // namespace charttest
