#include "tests/core/db/IniFileFixture.h"

#include <filesystem>
#include <random>

#include <sys/stat.h>

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
    const char16_t* reason;  // how the box says why, or none when the load is not doubtful
};

constexpr const char16_t* kBeforeSection = u"it holds text before its first section";

// Whatever the damage, the file loads what it can. A doubtful load says why in a box and
// keeps the file as it was beside it; a flush then writes what was loaded, so that it loads
// again the same, and the copy stays.
TEST_F(IniFileTest, BadInputLoadsWhatItCanKeepsTheOriginalAndSurvivesAFlush) {
    const std::string good =
        "\xFF\xFE" + platform::toUtf16LE(u"[a]\nk=v\n[b]\nlang=Wert mit Text\n");
    const BadCase cases[] = {
        {"truncated in the middle of a line", good.substr(0, good.size() - 8), 2,
         u"its last line has no line end, so the file may be cut short"},
        {"odd byte count", good + "\x41", 2, u"it holds bytes that are no text"},
        {"only a byte-order mark", "\xFF\xFE", 0, nullptr},
        {"a single byte", "\xFF", 0, u"its first bytes are a damaged byte-order mark"},
        {"a damaged mark", "\xFF\xFF" + good.substr(2), 2,
         u"its first bytes are a damaged byte-order mark"},
        // The text of the first line is lost behind the broken mark: the copy keeps it.
        {"a mark turned into ??", "??" + good.substr(2), 1, kBeforeSection},
        {"binary", RandomBytes(64 * 1024, 7), 1, u"it holds bytes that are no text"},
        {"binary after a byte-order mark", "\xFF\xFE" + RandomBytes(64 * 1024, 11), 0,
         u"it holds bytes that are no text"},
        {"a 100 KB line", "[s]\nk=" + std::string(100 * 1024, 'x') + "\n", 1, nullptr},
        {"a section line without ]", "[offen\nk=v\n[zu]\nk=w\n", 2,
         u"it holds a section line without its closing \"]\""},
        {"3000 numbered entries", Numbered(3000), 1, nullptr},
        {"NUL characters", std::string("[s]\nk=a\0b\n\0\0\n", 13), 1,
         u"it holds bytes that are no text"},
        {"text before the first section", "vorher=1\nlose Zeile\n[s]\nerste\n", 1, kBeforeSection},
        {"no section at all", "k=v\nw=x\n", 0, u"it holds no section"},
    };
    int number = 0;
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.shown.clear();
        const std::string name = "bad" + std::to_string(++number) + ".dat";
        testsupport::WriteFileBytes(folder.file(name), c.bytes);
        auto file = LoadExisting(name);
        EXPECT_GE(file->Sections().size(), c.minSections);
        const auto loaded = Dump(*file);
        const auto copy = folder.file(name + ".damaged");
        if (c.reason) {
            ASSERT_EQ(boxes.shown.size(), 1u);
            const std::u16string& text = boxes.shown[0].text;
            EXPECT_NE(text.find(PathOf(name) + u"\r\n"), std::u16string::npos);
            EXPECT_NE(text.find(c.reason), std::u16string::npos) << platform::toUtf8(text);
            EXPECT_TRUE(text.ends_with(PathOf(name + ".damaged")));
            EXPECT_EQ(boxes.shown[0].caption, u"Varmion");
            EXPECT_EQ(testsupport::ReadFileBytes(copy), c.bytes);
        } else {
            EXPECT_TRUE(boxes.shown.empty());
            EXPECT_FALSE(std::filesystem::exists(copy));
        }
        file->WriteIniString(u"neu", u"k", u"v", true);
        auto again = LoadExisting(name);
        auto expected = loaded;
        expected.insert(expected.end(), {u"[neu]", u"k=v"});
        EXPECT_EQ(Dump(*again), expected);
        if (c.reason) {
            EXPECT_EQ(testsupport::ReadFileBytes(copy), c.bytes);
        }
    }
}

TEST_F(IniFileTest, DoubtfulLoadSaysWhereTheOriginalIsKept) {
    const std::string bytes = "lose Zeile\n[s]\nk=v\n";
    testsupport::WriteFileBytes(folder.file("user.dat"), bytes);
    auto file = LoadExisting("user.dat");
    const std::u16string expected = u"The database file\r\n" + PathOf("user.dat") +
                                    u"\r\nwas not read completely: " + kBeforeSection +
                                    u".\r\nVarmion goes on with what it could read. The file as "
                                    u"it was is kept as\r\n" +
                                    PathOf("user.dat.damaged");
    EXPECT_EQ(BoxTexts(), std::vector<std::u16string>{expected});
    // Loaded again unchanged: the same copy serves, no second one is made. Another damage
    // gets a copy of its own; nothing of the user's is written over.
    LoadExisting("user.dat");
    testsupport::WriteFileBytes(folder.file("user.dat"), "noch eine\n" + bytes);
    LoadExisting("user.dat");
    EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"user.dat", "user.dat.damaged",
                                                            "user.dat.damaged-2"}));
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat.damaged")), bytes);
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat.damaged-2")), "noch eine\n" + bytes);
    EXPECT_EQ(boxes.shown.size(), 3u);
}

// When no copy can be kept the damaged file is never written over, until a copy can be.
TEST_F(IniFileTest, DoubtfulFileWithoutACopyIsNotWrittenOver) {
    const std::string bytes = "lose Zeile\n[s]\nk=v\n";
    testsupport::WriteFileBytes(folder.file("user.dat"), bytes);
    // Every name a copy could take is a folder.
    std::filesystem::create_directory(folder.file("user.dat.damaged"));
    for (int n = 2; n <= 999; ++n)
        std::filesystem::create_directory(folder.file("user.dat.damaged-" + std::to_string(n)));
    auto file = LoadExisting("user.dat");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(u"No copy of the file as it was could be kept"),
              std::u16string::npos);
    EXPECT_EQ(Read(*file, u"s", u"k"), u"v");  // the program goes on with what it read
    file->WriteIniString(u"s", u"k", u"neu", false);
    EXPECT_THROW(file->WriteIniString(u"s", u"k", u"neu", true), platform::UserException);
    EXPECT_THROW(file->Flush(u"", nullptr, nullptr), platform::UserException);
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), bytes);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_TRUE(boxes.shown[1].text.ends_with(u"it is not written over."));

    std::filesystem::remove(folder.file("user.dat.damaged-500"));
    file->Flush(u"", nullptr, nullptr);
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat.damaged-500")), bytes);
    EXPECT_EQ(Read(*LoadExisting("user.dat"), u"s", u"k"), u"neu");
    EXPECT_EQ(boxes.shown.size(), 3u);
}

// A FIFO or a device named as a database would block the program on its first read.
TEST_F(IniFileTest, WhatIsNotARegularFileIsRefused) {
    ASSERT_EQ(::mkfifo(folder.file("fifo.dat").c_str(), 0600), 0);
    for (const CVRMString& path : {PathOf("fifo.dat"), CVRMString(u"/dev/zero")}) {
        SCOPED_TRACE(path.toUtf8());
        boxes.shown.clear();
        CIniFile file(0);
        EXPECT_THROW(file.Init(path, false), platform::UserException);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, u"Cannot read " + path + u": it is not a regular file");
        EXPECT_THROW(file.WriteIniString(u"s", u"k", u"v", true), platform::UserException);
    }
    // An export into one is refused as well, without waiting for a reader.
    auto file = Load("user.dat", {u"[s]", u"k=v"});
    boxes.shown.clear();
    EXPECT_THROW(file->Flush(PathOf("fifo.dat"), nullptr, nullptr), platform::UserException);
    EXPECT_THROW(file->Flush(u"/dev/null", nullptr, nullptr), platform::UserException);
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(std::filesystem::is_fifo(folder.file("fifo.dat")));
}

TEST_F(IniFileTest, DamagedInputKeepsWhatIsReadable) {
    testsupport::WriteFileBytes(folder.file("t.dat"),
                                "\xFF\xFE" + platform::toUtf16LE(u"[a]\nk=v\n[b]\nx=12") + "\x33");
    auto file = LoadExisting("t.dat");
    boxes.shown.clear();  // the doubtful load, as above
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
