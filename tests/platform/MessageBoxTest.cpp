#include "platform/messagebox/MessageBox.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

TEST(MessageBoxService, DefaultButtonFollowsTheStyle) {
    EXPECT_EQ(defaultAnswer(mb::OK), id::OK);
    EXPECT_EQ(defaultAnswer(mb::YESNOCANCEL | mb::DEFBUTTON2), id::NO);
    EXPECT_EQ(defaultAnswer(mb::YESNOCANCEL | mb::DEFBUTTON3 | mb::ICONQUESTION), id::CANCEL);
    EXPECT_EQ(defaultAnswer(mb::YESNO | mb::DEFBUTTON3), id::YES);  // no third button
    EXPECT_EQ(buttonsOf(mb::ABORTRETRYIGNORE),
              (std::vector<int>{id::ABORT, id::RETRY, id::IGNORE}));
}

TEST(MessageBoxService, RecorderAnswersFromItsScriptThenTheDefault) {
    RecordingPresenter outer;
    RecordingPresenter inner;
    ScopedMessageBoxPresenter outerGuard(outer);
    {
        ScopedMessageBoxPresenter innerGuard(inner);
        inner.script = {id::NO};
        EXPECT_EQ(showMessageBox({u"first", u"cap", mb::YESNO}), id::NO);
        EXPECT_EQ(showMessageBox({u"second", u"cap", mb::YESNO | mb::DEFBUTTON2}), id::NO);
        EXPECT_EQ(showMessageBox({u"third", u"cap", mb::OKCANCEL}), id::OK);
    }
    showMessageBox({u"after", u"cap", mb::OK});  // the outer recorder is back
    ASSERT_EQ(inner.shown.size(), 3u);
    EXPECT_EQ(inner.shown[1].text, u"second");
    ASSERT_EQ(outer.shown.size(), 1u);
    EXPECT_EQ(outer.shown[0].text, u"after");
}

}  // namespace
