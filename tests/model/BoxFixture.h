#pragma once
// Tests of the model: a recording message-box presenter, the shipped English language
// table, and the registered fake application.
#include <gtest/gtest.h>

#include <string>

#include "core/text/ResManager.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/window/Window.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/Sprachmodul.h"

namespace modeltest {

// A window that stands for the main frame.
class TestFenster : public platform::Window {
  public:
    bool exists() const override { return true; }
    bool setItemText(unsigned, std::u16string_view) override { return false; }
};

class BoxFixture : public ::testing::Test {
  protected:
    BoxFixture() { testsupport::LadeSprache(); }
    ~BoxFixture() override { CResManager::freeLangRes(); }

    static void text(uint16_t id, const char16_t* value) { CResManager::setEntry(id, value); }

    // The one box shown so far.
    const platform::MessageBoxRequest& einzigeBox() const {
        EXPECT_EQ(presenter.shown.size(), 1u);
        static const platform::MessageBoxRequest leer;
        return presenter.shown.empty() ? leer : presenter.shown.front();
    }

    TestFenster hauptfenster;  // stands for the main frame when a test sets app.mainWnd
    platform::RecordingPresenter presenter;
    platform::ScopedMessageBoxPresenter scoped{presenter};
    testsupport::FakeKelvoApp app;
};

}  // namespace modeltest
