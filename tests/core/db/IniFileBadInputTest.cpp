#include "tests/core/db/IniFileFixture.h"

#include <random>

#include "platform/errors/UserException.h"

namespace {

// The image as lines, for comparing two loads.
std::vector<std::u16string> Dump(const CIniFile& file) {
    std::vector<std::u16string> lines;
    for (const auto& section : file.Sections()) {
        lines.push_back(section.key);
        for (const auto& [key, value] : section.entries) lines.push_back(key + u"=" + value);
    }
    return lines;
}

std::string Numbered(int count) {
    std::u16string text = u"[Häuser]\n";
    for (int n = 1; n <= count; ++n) text += u"haus" + platform::u16(std::to_string(n)) + u"=H\n";
    return "\xFF\xFE" + platform::toUtf16LE(text);
}

std::string RandomBytes(size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
    bytes[0] = '[';  // 8-bit text with a first section
    return bytes;
}

struct BadCase {
    const char* name;
    std::string bytes;
    size_t minSections;  // what must have been loaded at least
};

// Whatever the damage, the file loads what it can without a report, and a flush writes
// what was loaded so that it loads again the same.
TEST_F(IniFileTest, BadInputLoadsWhatItCanAndSurvivesAFlush) {
    const std::string good =
        "\xFF\xFE" + platform::toUtf16LE(u"[a]\nk=v\n[b]\nlang=Wert mit Text\n");
    const BadCase cases[] = {
        {"truncated in the middle of a line", good.substr(0, good.size() - 8), 2},
        {"odd byte count", good + "\x41", 2},
        {"only a byte-order mark", "\xFF\xFE", 0},
        {"a single byte", "\xFF", 0},
        {"binary", RandomBytes(64 * 1024, 7), 1},
        {"binary after a byte-order mark", "\xFF\xFE" + RandomBytes(64 * 1024, 11), 0},
        {"a 100 KB line", "[s]\nk=" + std::string(100 * 1024, 'x') + "\n", 1},
        {"a section line without ]", "[offen\nk=v\n[zu]\nk=w\n", 2},
        {"3000 numbered entries", Numbered(3000), 1},
        {"NUL characters", std::string("[s]\nk=a\0b\n\0\0\n", 13), 1},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::WriteFileBytes(folder.file("bad.dat"), c.bytes);
        auto file = LoadExisting("bad.dat");
        EXPECT_GE(file->Sections().size(), c.minSections);
        const auto loaded = Dump(*file);
        file->WriteIniString(u"neu", u"k", u"v", true);
        auto again = LoadExisting("bad.dat");
        auto expected = loaded;
        expected.insert(expected.end(), {u"[neu]", u"k=v"});
        EXPECT_EQ(Dump(*again), expected);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(IniFileTest, DamagedInputKeepsWhatIsReadable) {
    testsupport::WriteFileBytes(folder.file("t.dat"),
                                "\xFF\xFE" + platform::toUtf16LE(u"[a]\nk=v\n[b]\nx=12") + "\x33");
    auto file = LoadExisting("t.dat");
    EXPECT_EQ(Read(*file, u"a", u"k"), u"v");
    EXPECT_EQ(Read(*file, u"b", u"x"), u"12");  // last line without LF, odd byte dropped

    testsupport::WriteFileBytes(folder.file("t.dat"), Numbered(3000));
    file = LoadExisting("t.dat");
    EXPECT_EQ(Read(*file, u"häuser", u"haus3000"), u"H");
    // All of 1 to 2499 are taken: the list reports and keeps what it has.
    EXPECT_THROW(file->AddValueToSection(u"häuser", u"haus", u"neu", false),
                 platform::UserException);
    EXPECT_EQ(BoxTexts(), (std::vector<std::u16string>{
                              u"Exception", u"Value not stored in user database\n(neu)"}));
    CVRMStringArray values;
    file->GetValuesFromSection(u"häuser", values);
    EXPECT_EQ(values.size(), 3000u);
}

TEST_F(IniFileTest, UnreadableFileIsNeverOverwritten) {
    // A folder where the file should be cannot be read: report, and no flush may replace it.
    std::filesystem::create_directory(folder.file("ordner.dat"));
    std::filesystem::create_directory(folder.file("ordner.dat/inhalt"));
    CIniFile file(0);
    EXPECT_THROW(file.Init(PathOf("ordner.dat"), false), platform::UserException);
    EXPECT_THROW(file.WriteIniString(u"s", u"k", u"v", true), platform::UserException);
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("ordner.dat/inhalt")));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_NE(boxes.shown[0].text.find(PathOf("ordner.dat")), std::u16string::npos);
    EXPECT_EQ(boxes.shown[1].text, u"Object not initialized\n(CIniFile::WriteIniString)");
}

}  // namespace
