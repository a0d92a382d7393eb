#include "core/text/ResManager.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/errors/UserException.h"
#include "platform/text/Text.h"
#include "tests/core/text/TextFixture.h"
#include "tests/support/FixtureDatabase.h"

namespace {

using namespace std::string_literals;
using ResManagerTest = testsupport::TextTest;

// A resource as the resource module holds it: byte-order mark, then the text.
void parse(std::u16string_view text) {
    CResManager::parseResource(u"\uFEFF" + std::u16string(text));
}

const CVRMString& text(uint16_t id) {
    return CResManager::getLangText(id);
}

TEST_F(ResManagerTest, ResourceLines) {
    parse(
        u"12##Hello\r\n"
        u"13##\r\n"         // id and marker alone: an empty text
        u"##0 skipped\r\n"  // nothing before the marker
        u"##\r\n"           // two characters
        u"7#\r\n"
        u"  16##lead blanks\r\n"  // blanks before the id are allowed
        u"17x##after digits\r\n"  // the id stops at the first non-digit
        u"70000##wrapped\r\n"     // 16 bits: 70000 - 65536 = 4464
        u"18##  untrimmed  \r\n"
        u"no marker here\r\n"
        u"19##x##y\r\n"
        u"20##a\n21##b\r\n"  // only CR LF ends a line
        u"15##first\r\n"
        u"15##second\r\n"  // a later line wins
        u"14##last line without CR LF");
    const struct {
        uint16_t id;
        std::u16string_view want;
    } cases[] = {
        {12, u"Hello"},       {13, u""},
        {0, u"Msg: 0"},       {7, u"Msg: 7"},
        {16, u"lead blanks"}, {17, u"after digits"},
        {4464, u"wrapped"},   {18, u"  untrimmed  "},
        {19, u"x##y"},        {20, u"a\n21##b"},
        {21, u"Msg: 21"},     {15, u"second"},
        {14, u"Msg: 14"},
    };
    for (const auto& c : cases) EXPECT_EQ(text(c.id), c.want) << c.id;
}

TEST_F(ResManagerTest, ThreeCharacterLineIsTaken) {
    parse(u"5##\r\n");
    EXPECT_EQ(text(5), u"");
}

TEST_F(ResManagerTest, MissingIdIsStoredOnce) {
    const CVRMString& first = text(4711);
    EXPECT_EQ(first, u"Msg: 4711");
    EXPECT_EQ(&text(4711), &first);  // the same stored entry
    CResManager::setEntry(4711, u"now set");
    EXPECT_EQ(text(4711), u"now set");
}

// Asking for a missing id does not make it a text: the windows take their own words for
// it, and a table that was never loaded stays empty.
TEST_F(ResManagerTest, MissingIdStaysMissingAfterItWasAskedFor) {
    EXPECT_EQ(text(61730), u"Msg: 61730");
    EXPECT_EQ(CResManager::findLangText(61730), nullptr);
    EXPECT_TRUE(CResManager::isEmpty());
    parse(u"61730##OK\r\n");
    ASSERT_NE(CResManager::findLangText(61730), nullptr);
    EXPECT_EQ(*CResManager::findLangText(61730), u"OK");
    EXPECT_EQ(text(61730), u"OK");
}

// Truncated, odd-sized or garbage resources give what they can and never crash.
TEST_F(ResManagerTest, DamagedResourceBytes) {
    const std::string good = platform::toUtf16LE(u"\uFEFF1##one\r\n2##two\r\n");
    CResManager::parseResource(platform::fromUtf16LE(good + "\x33"));  // odd last byte
    EXPECT_EQ(text(2), u"two");

    CResManager::freeLangRes();
    CResManager::parseResource(platform::fromUtf16LE(good.substr(0, good.size() - 3)));
    EXPECT_EQ(text(1), u"one");
    EXPECT_EQ(text(2), u"Msg: 2");  // its CR LF was cut off

    CResManager::freeLangRes();
    CResManager::parseResource(u"");
    CResManager::parseResource(u"\uFEFF");
    CResManager::parseResource(u"\uFEFF\r\n\r\n##\r\n#");
    CResManager::parseResource(u"\uFEFF\0\0##\0\r\n\uFFFF\xD800##\xDC00\r\n"s);
    EXPECT_EQ(text(0), u"\xDC00");  // "\uFFFF\xD800" has no digits: id 0
    const std::u16string longLine = u"\uFEFF9##" + std::u16string(100000, u'x') + u"\r\n";
    CResManager::parseResource(longLine);
    EXPECT_EQ(text(9).size(), 100000u);
}

TEST_F(ResManagerTest, InitAndBookkeeping) {
    CResManager::init();
    EXPECT_EQ(text(3168), u"Application");
    EXPECT_EQ(text(3548), u"Application");
    CVRMString version;
    CResManager::getLangVersion(version);
    EXPECT_EQ(version, u"?.?");
    EXPECT_FALSE(CResManager::hasLang());

    CResManager::setLang(0u);  // id 0 does nothing
    EXPECT_EQ(text(3168), u"Application");
    EXPECT_FALSE(CResManager::hasLangRes());

    CResManager::freeRes();
    EXPECT_EQ(text(3168), u"Msg: 3168");
}

class LanguageFileTest : public ResManagerTest {
  protected:
    CVRMString write(std::string_view bytes) {
        const auto file = folder.file("varmionlng.eng");
        testsupport::WriteFileBytes(file, bytes);
        return CVRMString::fromUtf8(file.string());
    }

    testsupport::TempFolder folder;
};

TEST_F(LanguageFileTest, LinesOfEightBitText) {
    const CVRMString file = write(
        "\xFF\xFE"  // skipped, whatever they are
        "12##Gr\xFC\xDF"
        "e\r\n"
        "\r\n"
        "  13 ##trimmed id\n"
        "##skipped\n"
        "no marker\n"
        "x##no digits\n"
        "14##last line without LF");
    CResManager::setEntry(99, u"cleared by the load");
    CResManager::setLang(file);
    EXPECT_TRUE(CResManager::hasLangFile());
    EXPECT_FALSE(CResManager::hasLangRes());
    EXPECT_EQ(text(12), u"Grüße");
    EXPECT_EQ(text(13), u"trimmed id");
    EXPECT_EQ(text(0), u"no digits");
    EXPECT_EQ(text(14), u"last line without LF");
    EXPECT_EQ(text(99), u"Msg: 99");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LanguageFileTest, MissingFileChangesNothing) {
    CResManager::setEntry(12, u"kept");
    CResManager::setLang(CVRMString::fromUtf8(folder.file("none.eng").string()));
    EXPECT_EQ(text(12), u"kept");
    EXPECT_FALSE(CResManager::hasLangFile());
}

// A file without a single text, or with NUL bytes (UTF-16 or binary, not 8-bit text), is
// reported and passed on; the table keeps what it had and no file is recorded, so start-up
// cannot go on with a table of "Msg: n" texts.
TEST_F(LanguageFileTest, DamagedFilesAreReportedAndLeaveTheTable) {
    const std::string cases[] = {
        ""s,
        "\xFF"s,
        "\xFF\xFE"s,
        "\xFF\xFEno marker\n##\n"s,
        "ab\n##\n\0\0##\0\n\xFF##\xFE"s,
        "\xFF\xFE" + platform::toUtf16LE(u"12##Hello\r\n"),
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        CResManager::freeLangRes();
        CResManager::init();
        boxes.shown.clear();
        const CVRMString file = write(bytes);
        EXPECT_THROW(CResManager::setLang(file), platform::UserException);
        EXPECT_FALSE(CResManager::hasLang());
        EXPECT_EQ(text(3168), u"Application");
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, u"The language file " + file + u" is damaged and was not loaded.");
        EXPECT_EQ(boxes.shown[0].caption, u"Application");
    }
}

TEST_F(LanguageFileTest, UnreadableFileIsReportedAndPassedOn) {
    const CVRMString file = write(
        "\xFF\xFE"
        "1##x\n");
    ::chmod(folder.file("varmionlng.eng").c_str(), 0);
    if (::access(folder.file("varmionlng.eng").c_str(), R_OK) == 0)
        GTEST_SKIP() << "the file stays readable for this user";
    EXPECT_THROW(CResManager::setLang(file), platform::UserException);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, u"Error reading the file " + file + u".");
}

}  // namespace
