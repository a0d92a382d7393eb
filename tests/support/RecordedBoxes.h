#pragma once
// The message boxes of a test: every fixture records them with this one presenter, and the
// error texts most tests meet are registered from the real English language table.
#include <string>
#include <vector>

#include "platform/messagebox/MessageBox.h"

namespace testsupport {

// Records every box shown while it lives and answers from `script`, then the default
// button. Installed on construction; the presenter before it is back on destruction.
class RecordedBoxes : public platform::RecordingPresenter {
  public:
    RecordedBoxes() : previous_(platform::setMessageBoxPresenter(this)) {}
    ~RecordedBoxes() override { platform::setMessageBoxPresenter(previous_); }
    RecordedBoxes(const RecordedBoxes&) = delete;
    RecordedBoxes& operator=(const RecordedBoxes&) = delete;

    // The texts of the boxes shown so far, in order.
    std::vector<std::u16string> texts() const;

  private:
    platform::MessageBoxPresenter* previous_;
};

// Registers "Object not initialized" (3101), "Required data missing or data wrong" (3105),
// "Could not compute results" (3122) and "Switch constant wrong" (3162) in the language
// table, as the English language module has them.
void RegisterCommonErrorTexts();

}  // namespace testsupport
