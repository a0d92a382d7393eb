#pragma once
// What the tests of texts, values and error boxes share: an empty language table for each
// test (filled with setEntry), a recording message-box presenter, and a window that
// records the item texts set on it.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/text/ResManager.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/window/Window.h"
#include "tests/support/RecordedBoxes.h"

namespace testsupport {

class TextTest : public ::testing::Test {
  protected:
    TextTest() { CResManager::freeLangRes(); }
    ~TextTest() override { CResManager::freeLangRes(); }

    testsupport::RecordedBoxes boxes;
};

class RecordingWindow : public platform::Window {
  public:
    bool exists() const override { return alive; }
    bool setItemText(unsigned itemId, std::u16string_view text) override {
        items[itemId] = std::u16string(text);
        return true;
    }

    bool alive = true;
    std::map<unsigned, std::u16string> items;
};

}  // namespace testsupport
