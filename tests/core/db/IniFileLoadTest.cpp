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
        {"lines before the first section are ignored and not numbered",
         {u"vorher=1", u"lose Zeile", u"", u"[s]", u"erste"},
         DbEncoding::Utf16,
         {{u"s", u"vorher", u"<missing>"}, {u"s", u"1", u"erste"}}},
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

TEST_F(IniFileTest, FirstByteAloneChoosesUtf16) {
    const std::string text = platform::toUtf16LE(u"[s]\nk=Wert\n");
    for (const std::string& mark :
         {std::string("\xFF\xFE"), std::string("\xFE\xFF"), std::string("\xFE\0", 2)}) {
        testsupport::WriteFileBytes(folder.file("m.dat"), mark + text);
        auto file = LoadExisting("m.dat");
        EXPECT_EQ(Read(*file, u"s", u"k"), u"Wert");
    }
    // Any other first byte means 8-bit text, even when UTF-16 follows.
    testsupport::WriteFileBytes(folder.file("m.dat"),
                                "[s]\nk=\xC4"
                                "rger\n");
    EXPECT_EQ(Read(*LoadExisting("m.dat"), u"s", u"k"), u"Ärger");
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
