#include "core/text/ErrorReport.h"

#include <gtest/gtest.h>

#include "platform/errors/UserException.h"
#include "tests/core/text/TextFixture.h"

namespace {

using namespace platform;

// An error box: exclamation icon (48), and without an owner system-modal and topmost.
constexpr uint32_t kErrorStyle = 0x30 | 0x1000 | 0x40000;

class ErrorReportTest : public testsupport::TextTest {
  protected:
    ErrorReportTest() {
        CResManager::setEntry(3102, u"File not found");
        CResManager::setEntry(3168, u"Varmion");
        CResManager::setEntry(3200, u"");  // ids whose text is empty
        CResManager::setEntry(3201, u"");
    }
};

TEST_F(ErrorReportTest, ErrorTextAssembly) {
    const struct {
        unsigned textId;
        std::u16string_view place;
        std::u16string_view want;
    } cases[] = {
        {3102, u"/data/Varmbib.ini", u"File not found\n(/data/Varmbib.ini)"},
        {3102, u"", u"File not found"},
        {0, u"CIniFile::Init", u"CIniFile::Init"},
        {0, u"", u"Exception"},
        {3200, u"here", u"unbek. FehlerTextID: 3200\n(here)"},
        {3333, u"here", u"Msg: 3333\n(here)"},  // a missing id has a text
    };
    for (const auto& c : cases) EXPECT_EQ(vrmcore::BuildErrorText(c.textId, c.place), c.want);
}

TEST_F(ErrorReportTest, ReportShowsTheBoxThenThrows) {
    EXPECT_THROW(vrmcore::ReportError(3102, u"/x.ini"), UserException);
    EXPECT_THROW(vrmcore::ReportError(3102, 3200u), UserException);
    EXPECT_THROW(vrmcore::ReportError(3102, 0u), UserException);
    vrmcore::ShowErrorBox(0, u"");  // shows, does not throw
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[0].text, u"File not found\n(/x.ini)");
    EXPECT_EQ(boxes.shown[1].text, u"File not found\n(unbek. FehlerText2ID: 3200)");
    EXPECT_EQ(boxes.shown[2].text, u"File not found");
    EXPECT_EQ(boxes.shown[3].text, u"Exception");
    for (const auto& box : boxes.shown) {
        EXPECT_EQ(box.caption, u"Varmion");
        EXPECT_EQ(box.style, kErrorStyle);
        EXPECT_EQ(box.owner, nullptr);
    }
}

TEST_F(ErrorReportTest, Assertions) {
    XAssert(1);
    XAssertOrThrow(1, 3102, u"never");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_THROW(XAssert(0), UserException);
    EXPECT_THROW(XAssertOrThrow(0, 3102, u"CHaus2::init"), UserException);
    EXPECT_THROW(XAssertOrThrow(0, 3102, nullptr), UserException);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].text, u"Exception");
    EXPECT_EQ(boxes.shown[1].text, u"File not found\n(CHaus2::init)");
    EXPECT_EQ(boxes.shown[2].text, u"File not found");
}

TEST_F(ErrorReportTest, FourMessageBoxesAndTheirFallbacks) {
    const uint32_t style = mb::YESNO | mb::ICONQUESTION;
    const CVRMString text(u"Save?");
    const CVRMString caption(u"Project");
    vrmcore::MessageBox(text, 3168u, style);
    vrmcore::MessageBox(text, 3200u, style);
    vrmcore::MessageBox(3102u, 3168u, style);
    vrmcore::MessageBox(3201u, 3200u, style);
    vrmcore::MessageBox(text, caption, style);
    vrmcore::MessageBox(CVRMString(), CVRMString(), style);  // given texts stay, empty too
    vrmcore::MessageBox(3102u, caption, style);
    vrmcore::MessageBox(3201u, caption, style);
    const std::pair<std::u16string_view, std::u16string_view> want[] = {
        {u"Save?", u"Varmion"},          {u"Save?", u"MsgCaptionID: 3200"},
        {u"File not found", u"Varmion"}, {u"MsgTextID: 3201", u"MsgCaptionID: 3200"},
        {u"Save?", u"Project"},          {u"", u""},
        {u"File not found", u"Project"}, {u"unbek. MsgTextID: 3201", u"Project"},
    };
    ASSERT_EQ(boxes.shown.size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        EXPECT_EQ(boxes.shown[i].text, want[i].first) << i;
        EXPECT_EQ(boxes.shown[i].caption, want[i].second) << i;
        EXPECT_EQ(boxes.shown[i].style, style | mb::SYSTEMMODAL | mb::TOPMOST) << i;
    }
}

TEST_F(ErrorReportTest, BoxWithParentKeepsItsStyleAndAnswers) {
    testsupport::RecordingWindow parent;
    boxes.script = {id::NO, id::CANCEL};
    EXPECT_EQ(vrmcore::MessageBox(3102u, 3168u, mb::YESNO, &parent), id::NO);
    EXPECT_EQ(vrmcore::MessageBox(u"x", u"y", mb::OKCANCEL), id::CANCEL);
    EXPECT_EQ(vrmcore::MessageBox(u"x", u"y", mb::OKCANCEL | mb::DEFBUTTON2), id::CANCEL);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].owner, &parent);
    EXPECT_EQ(boxes.shown[0].style, mb::YESNO);
    EXPECT_EQ(boxes.shown[1].owner, nullptr);
}

}  // namespace
