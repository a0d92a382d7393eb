#include "tests/core/db/IniFileFixture.h"

#include "platform/errors/UserException.h"

namespace {

using testsupport::DbEncoding;

struct Expect {
    const char16_t* section;
    const char16_t* key;
    const char16_t* value;  // "<missing>" when the key must not exist
};

struct LoadCase {
    const char* name;
    std::vector<std::u16string> lines;
    DbEncoding encoding;
    std::vector<Expect> expected;
};

TEST_F(IniFileTest, LoadRules) {
    const LoadCase cases[] = {
        {"sections and keys fold only A-Z and umlauts",
         {u"[Häuser]", u"Name=Haus A", u"[HÄUSER]", u"WERT=1", u"[Élan]", u"x=1", u"[élan]",
          u"x=2"},
         DbEncoding::Utf16,
         {{u"häuser", u"name", u"Haus A"},
          {u"Häuser", u"Wert", u"1"},
          {u"Élan", u"x", u"1"},
          {u"élan", u"x", u"2"}}},
        {"value-only lines are numbered across the whole file",
         {u"[Projekte]", u"Alpha", u"Beta", u"[Tarife]", u"T1", u"T2", u"T3"},
         DbEncoding::Utf16,
         {{u"projekte", u"1", u"Alpha"},
          {u"projekte", u"2", u"Beta"},
          {u"tarife", u"3", u"T1"},
          {u"tarife", u"5", u"T3"},
          {u"tarife", u"1", u"<missing>"}}},
        {"an empty value is found, not defaulted",
         {u"[s]", u"leer=", u"blank =   "},
         DbEncoding::Utf16,
         {{u"s", u"leer", u"ValueFoundButEmpty"}, {u"s", u"blank", u"ValueFoundButEmpty"}}},
        {"split at the first =, trim both sides, keep the value's case",
         {u"[s]", u"  Formel  =  a=B  ", u"Ziel=x\t "},
         DbEncoding::Utf16,
         {{u"s", u"formel", u"a=B"}, {u"s", u"ziel", u"x"}}},
        {"a blank before [ makes no section",
         {u"[s]", u"  [t]", u"k=v"},
         DbEncoding::Utf16,
         {{u"s", u"1", u"[t]"}, {u"s", u"k", u"v"}, {u"t", u"k", u"<missing>"}}},
        {"a later key replaces, a repeated section continues",
         {u"[s]", u"k=1", u"[t]", u"a=1", u"[S]", u"K=2", u"n=3"},
         DbEncoding::Utf16,
         {{u"s", u"k", u"2"}, {u"s", u"n", u"3"}, {u"t", u"a", u"1"}}},
        {"8-bit file: one byte one character, CR LF line ends",
         {u"[Häuser]", u"Straße=Öl\xFF"},
         DbEncoding::Latin1,
         {{u"HÄUSER", u"straße", u"Öl\xFF"}}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::WriteDatabaseFile(folder.file("case.dat"), c.lines, c.encoding,
                                       c.encoding == DbEncoding::Latin1 ? u"\r\n" : u"\n");
        auto file = LoadExisting("case.dat");
        for (const Expect& e : c.expected)
            EXPECT_EQ(Read(*file, e.section, e.key), e.value) << platform::toUtf8(e.key);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

std::string Utf16BE(std::u16string_view text) {
    std::string bytes = platform::toUtf16LE(text);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
    return bytes;
}

// Every form a database file turns up in is read whole and silently.
TEST_F(IniFileTest, EncodingsAreRecognised) {
    const std::u16string text = u"[s]\nk=Wert Ä€\n";
    const std::string le = platform::toUtf16LE(text);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"UTF-16LE with its mark", "\xFF\xFE" + le},
        {"FE FF before little-endian text", "\xFE\xFF" + le},
        {"UTF-16BE with its mark", "\xFE\xFF" + Utf16BE(text)},
        {"UTF-16LE without a mark", le},
        {"UTF-16BE without a mark", Utf16BE(text)},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + platform::toUtf8(text)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::WriteFileBytes(folder.file("m.dat"), c.bytes);
        EXPECT_EQ(Read(*LoadExisting("m.dat"), u"s", u"k"), u"Wert Ä€");
    }
    // Anything else is 8-bit text, one byte one character.
    testsupport::WriteFileBytes(folder.file("m.dat"),
                                "[s]\nk=\xC4"
                                "rger\n");
    EXPECT_EQ(Read(*LoadExisting("m.dat"), u"s", u"k"), u"Ärger");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{"m.dat"});
}

TEST_F(IniFileTest, ValueLinesStayApartWithoutTheNumberFormat) {
    // Without text 3367 every value-only line would get the same key "Msg: 3367".
    CResManager::freeLangRes();
    auto file = Load("v.dat", {u"[Projekte]", u"A", u"B", u"C"});
    EXPECT_EQ(Values(*file, u"projekte"), (std::vector<std::u16string>{u"A", u"B", u"C"}));
    EXPECT_EQ(Read(*file, u"projekte", u"3"), u"C");
}

TEST_F(IniFileTest, KeepsFileOrder) {
    auto file =
        Load("order.dat", {u"[zeta]", u"z=1", u"b=2", u"a=3", u"[alpha]", u"[mitte]", u"q=0"});
    std::vector<std::u16string> keys;
    for (const auto& section : file->Sections()) keys.push_back(section.key);
    EXPECT_EQ(keys, (std::vector<std::u16string>{u"[zeta]", u"[alpha]", u"[mitte]"}));
    EXPECT_EQ(Values(*file, u"ZETA"), (std::vector<std::u16string>{u"1", u"2", u"3"}));
}

TEST_F(IniFileTest, LoadingAddsToTheImage) {
    testsupport::WriteDatabaseFile(folder.file("b.dat"), {u"[s]", u"k=neu", u"[t]", u"x=1"});
    auto file = Load("a.dat", {u"[s]", u"k=alt", u"j=1"});
    file->Init(PathOf("b.dat"), false);
    EXPECT_EQ(Read(*file, u"s", u"k"), u"neu");
    EXPECT_EQ(Read(*file, u"s", u"j"), u"1");
    EXPECT_EQ(Read(*file, u"t", u"x"), u"1");
    EXPECT_EQ(file->GetPath(), PathOf("b.dat"));
}

TEST_F(IniFileTest, MissingFiles) {
    CIniFile user(0);
    user.Init(PathOf("neu.dat"), false);  // created by the first flush, no report
    EXPECT_EQ(user.GetPath(), PathOf("neu.dat"));
    EXPECT_TRUE(boxes.shown.empty());
    user.WriteIniString(u"s", u"k", u"v", true);
    EXPECT_EQ(testsupport::ReadDatabaseLines(folder.file("neu.dat")),
              (std::vector<std::u16string>{u"[s]", u"k=v"}));

    CIniFile library(1);
    EXPECT_THROW(library.Init(PathOf("fehlt.ini"), true), platform::UserException);
    EXPECT_TRUE(library.GetPath().empty());
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::u16string>{u"File not found\n(" + PathOf("fehlt.ini") + u")"}));

    boxes.shown.clear();
    CIniFile empty(0);
    EXPECT_THROW(empty.Init(u"", false), platform::UserException);
    EXPECT_EQ(BoxTexts(), (std::vector<std::u16string>{u"Empty parameter\n(CIniFile::Init)"}));
}

TEST_F(IniFileTest, EveryOperationNeedsAPath) {
    CIniFile file(0);
    CVRMString out;
    CVRMStringArray list;
    EXPECT_THROW(file.GetIniString(u"s", u"k", u"", out), platform::UserException);
    EXPECT_THROW(file.WriteIniString(u"s", u"k", u"v", false), platform::UserException);
    EXPECT_THROW(file.Flush(u"", nullptr, nullptr), platform::UserException);
    EXPECT_THROW(file.GetValuesFromSection(u"s", list), platform::UserException);
    EXPECT_THROW(file.GetValuesFromSection(0, list), platform::UserException);
    EXPECT_EQ(BoxTexts(), (std::vector<std::u16string>{
                              u"Object not initialized\n(CIniFile::GetIniString)",
                              u"Object not initialized\n(CIniFile::WriteIniString)",
                              u"Object not initialized\n(CIniFile::Flush)",
                              u"Object not initialized\n(CIniFile::GetValuesFromSection)",
                              u"Object not initialized\n(CIniFile::GetValuesFromSection(id))",
                          }));
}

}  // namespace
