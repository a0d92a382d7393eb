#include "tests/core/db/IniFileFixture.h"

#include "core/db/Lists.h"
#include "platform/errors/UserException.h"

namespace {

TEST_F(IniFileTest, WritesKeepFileOrderAndAppendNewOnes) {
    auto file = Load("w.dat", {u"[b]", u"x=1", u"y=2", u"[a]", u"k=1"});
    file->WriteIniString(u"B", u"X", u"neu", false);  // replaced in place
    file->WriteIniString(u"b", u"Z", u"3", false);    // appended to its section
    file->WriteIniString(u"Neu", u"Eins", u"Wert", false);
    std::vector<std::u16string> lines;
    for (const auto& section : file->Sections()) {
        lines.push_back(section.key);
        for (const auto& [key, value] : section.entries) lines.push_back(key + u"=" + value);
    }
    EXPECT_EQ(lines, (std::vector<std::u16string>{u"[b]", u"x=neu", u"y=2", u"z=3", u"[a]", u"k=1",
                                                  u"[neu]", u"eins=Wert"}));
}

// A library record cannot be created in the user database: the write is refused with a
// report (4328 naming the record), so that no caller takes it for saved, and nothing of it
// reaches the file.
TEST_F(IniFileTest, LibraryRecordsAreRefusedByTheUserDatabase) {
    auto user = Load("user.dat", {u"[Haus (bib)]", u"a=1"});
    const std::string before = testsupport::ReadFileBytes(folder.file("user.dat"));
    EXPECT_THROW(user->WriteIniString(u"WP (Bib)", u"k", u"v", true), platform::UserException);
    // "[muster]" equals text 3552
    EXPECT_THROW(user->WriteIniString(u"muster", u"k", u"v", true), platform::UserException);
    EXPECT_EQ(Read(*user, u"WP (bib)", u"k"), u"<missing>");
    EXPECT_EQ(Read(*user, u"muster", u"k"), u"<missing>");
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), before);
    ASSERT_EQ(BoxTexts().size(), 2u);
    EXPECT_NE(BoxTexts()[0].find(u"program database"), std::u16string::npos);
    EXPECT_NE(BoxTexts()[0].find(u"(WP (Bib))"), std::u16string::npos);
    // A section the file already holds is written; the lock was released after the
    // refusals.
    user->WriteIniString(u"Haus (bib)", u"b", u"2", false);
    EXPECT_EQ(Read(*user, u"haus (bib)", u"b"), u"2");
    user->WriteIniString(u"eigen", u"k", u"v", false);
    EXPECT_EQ(Read(*user, u"eigen", u"k"), u"v");
    EXPECT_EQ(BoxTexts().size(), 2u);

    auto library = Load("bibo.ini", {u"[BiboInfo]", u"Version=3.1"});
    library->WriteIniString(u"WP (bib)", u"k", u"v", false);
    EXPECT_EQ(Read(*library, u"wp (bib)", u"k"), u"v");
}

TEST_F(IniFileTest, WriteReleasesTheLockWhenItReports) {
    CIniFile file(0);
    for (int i = 0; i < 2; ++i)
        EXPECT_THROW(file.WriteIniString(u"s", u"k", u"v", false), platform::UserException);
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(IniFileTest, NumberedEntries) {
    auto file = Load("n.dat", {u"[Häuser]", u"haus1=A", u"haus3=C", u"anders2=X"});
    file->AddValueToSection(u"häuser", u"Haus", u"B", false);
    file->AddValueToSection(u"häuser", u"HAUS", u"D", false);
    file->AddValueToSection(u"Tarife", u"Tarif", u"T", false);
    EXPECT_EQ(Read(*file, u"häuser", u"haus2"), u"B");
    EXPECT_EQ(Read(*file, u"häuser", u"haus4"), u"D");
    EXPECT_EQ(Read(*file, u"tarife", u"tarif1"), u"T");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(IniFileTest, NumberedEntriesEndAt2499) {
    std::vector<std::u16string> lines{u"[voll]"};
    for (int n = 1; n <= CIniFile::kMaxEntryNumber; ++n)
        lines.push_back(u"e" + platform::u16(std::to_string(n)) + u"=x");
    auto file = Load("voll.dat", lines);
    EXPECT_THROW(file->AddValueToSection(u"voll", u"e", u"zu viel", false),
                 platform::UserException);
    EXPECT_EQ(BoxTexts(), (std::vector<std::u16string>{
                              u"Exception", u"Value not stored in user database\n(zu viel)"}));
    EXPECT_EQ(Values(*file, u"voll").size(), 2499u);

    // A hole is filled first.
    file->DeleteKeyInSection(u"voll", u"E1000", false);
    file->AddValueToSection(u"voll", u"e", u"neu", false);
    EXPECT_EQ(Read(*file, u"voll", u"e1000"), u"neu");
}

TEST_F(IniFileTest, ListOperationsReportTwice) {
    auto file = Load("r.dat", {u"[s]", u"k=v"});
    struct Case {
        std::function<void()> call;
        std::vector<std::u16string> boxes;
    };
    const Case cases[] = {
        {[&] { file->AddValueToSection(u"", u"p", u"wert", false); },
         {u"Parameter wrong\n(CIniFile::AddValueToSection1)",
          u"Value not stored in user database\n(wert)"}},
        {[&] { file->AddValueToSection(u"s", u"p", u"", false); },
         {u"Parameter wrong\n(CIniFile::AddValueToSection2)",
          u"Value not stored in user database"}},
        {[&] { file->DeleteKeyInSection(u"", u"key", false); },
         {u"Parameter wrong\n(CIniFile::DeleteKeyInSection1)",
          u"Key value not deleted from list in user database\n(key)"}},
        {[&] { file->DeleteKeyInSection(u"s", u"", false); },
         {u"Parameter wrong\n(CIniFile::DeleteKeyInSection2)",
          u"Key value not deleted from list in user database"}},
        {[&] { file->DeleteValueInSection(u"", u"val", false); },
         {u"Parameter wrong\n(CIniFile::DeleteValueInSection1)",
          u"Value not deleted from list in user database\n(val)"}},
        {[&] { file->DeleteValueInSection(u"s", u"", false); },
         {u"Parameter wrong\n(CIniFile::DeleteValueInSection2)",
          u"Value not deleted from list in user database"}},
        {[&] { file->DeleteSection(u"", false); }, {u"Parameter wrong\n(CIniFile::DeleteSection)"}},
    };
    for (const Case& c : cases) {
        boxes.shown.clear();
        EXPECT_THROW(c.call(), platform::UserException);
        EXPECT_EQ(BoxTexts(), c.boxes);
    }
    EXPECT_EQ(Read(*file, u"s", u"k"), u"v");
}

TEST_F(IniFileTest, Deletes) {
    auto file = Load("d.dat",
                     {u"[Liste]", u"haus1=Alt", u"haus2=Mitte", u"haus3=Neu", u"[andere]", u"a=1"});
    file->DeleteValueInSection(u"LISTE", u"MITTE", false);  // no renumbering
    EXPECT_EQ(Read(*file, u"liste", u"haus3"), u"Neu");
    EXPECT_EQ(Read(*file, u"liste", u"haus2"), u"<missing>");
    file->DeleteKeyInSection(u"liste", u"HAUS1", false);
    EXPECT_EQ(Values(*file, u"liste"), (std::vector<std::u16string>{u"Neu"}));
    file->DeleteKeyInSection(u"fehlt", u"x", false);  // nothing to do, no report
    file->DeleteSection(u"Liste", false);
    CVRMStringArray values{u"stale"};
    EXPECT_EQ(file->GetValuesFromSection(u"liste", values), 0);
    EXPECT_TRUE(values.empty());
    // The section index still finds what came after the deleted section.
    EXPECT_EQ(Read(*file, u"andere", u"a"), u"1");
    file->WriteIniString(u"andere", u"b", u"2", false);
    EXPECT_EQ(Values(*file, u"andere"), (std::vector<std::u16string>{u"1", u"2"}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(IniFileTest, DeletesFlushOnlyWhenAsked) {
    auto file = Load("f.dat", {u"[a]", u"k=1", u"[b]", u"k=2"});
    file->DeleteSection(u"a", false);
    EXPECT_EQ(testsupport::ReadDatabaseLines(folder.file("f.dat")).size(), 4u);
    file->DeleteSection(u"b", true);
    EXPECT_TRUE(testsupport::ReadDatabaseLines(folder.file("f.dat")).empty());
}

TEST_F(IniFileTest, ListValuesById) {
    auto file = Load(
        "l.dat", {u"[Tarife]", u"tarif1=Normal", u"tarif2=Nacht", u"[Laender]", u"land1=49#D#D"});
    CVRMStringArray values;
    EXPECT_EQ(file->GetValuesFromSection(LISTE_TARIFE, values), 1);
    EXPECT_EQ(values, (CVRMStringArray{u"Normal", u"Nacht"}));
    EXPECT_EQ(file->GetValuesFromSection(LISTE_HAEUSER, values), 0);
    EXPECT_TRUE(values.empty());
}

TEST_F(IniFileTest, ValueIsUsed) {
    auto file = Load("u.dat", {u"[Projekt A]", u"Haus=Haus Müller", u"Tarif=Nacht", u"[Projekt B]",
                               u"WQ1Haus=HAUS MEIER", u"[Tarife]", u"tarif1=Nacht"});
    struct Case {
        const char16_t* useKey;
        const char16_t* name;
        int mode;
        int hit;
        const char16_t* nameAfter;
        const char16_t* where;
    };
    const Case cases[] = {
        {u"", u"nacht", 0, 1, u"Nacht", u"projekt a"},  // first hit in file order
        {u"Haus", u"haus müller", 0, 1, u"Haus Müller", u"projekt a"},
        {u"HAUS", u"Haus Meier", 0, 0, u"Haus Meier", u"[tarife]"},  // key is "wq1haus"
        {u"Haus", u"Haus Meier", 1, 1, u"HAUS MEIER", u"wq1"},
        {u"Tarif", u"Nacht", 1, 1, u"Nacht", u""},  // "tarif" ends with the use key
        {u"Haus", u"Niemand", 1, 0, u"Niemand", u"[tarife]"},
    };
    for (const Case& c : cases) {
        CVRMString name(c.name), where(u"stale");
        EXPECT_EQ(file->ValueIsUsed(c.useKey, name, where, c.mode), c.hit)
            << platform::toUtf8(c.name);
        EXPECT_EQ(name, c.nameAfter);
        EXPECT_EQ(where, c.where) << platform::toUtf8(c.name);
    }
    CVRMString empty, where;
    EXPECT_THROW(file->ValueIsUsed(u"Haus", empty, where, 0), platform::UserException);
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::u16string>{u"Parameter wrong\n(CIniFile::ValueIsUsed)"}));
}

TEST_F(IniFileTest, BiboVersion) {
    CVRMString version;
    Load("a.ini", {u"[BiboInfo]", u"VERSION=4.2"})->GetBiboVersion(version);
    EXPECT_EQ(version, u"4.2");
    Load("b.ini", {u"[Sonst]", u"Version=4.2"})->GetBiboVersion(version);
    EXPECT_EQ(version, u"?.??");
}

}  // namespace

namespace {

// A multi-line note must come back whole after a flush and a reload, and must not split
// its record or start a section of its own.
TEST_F(IniFileTest, LineBreaksInAValueSurviveFlushAndReload) {
    auto file = Load("note.dat", {u"[Projekt A]", u"a=1"});
    const std::u16string note = u"first line\r\n[Projekte]\nthird=line\rfourth";
    file->WriteIniString(u"Projekt A", u"Notiz", note, true);
    auto reloaded = LoadExisting("note.dat");
    EXPECT_EQ(Read(*reloaded, u"Projekt A", u"Notiz"),
              u"first line\r\n[Projekte]\r\nthird=line\r\nfourth");
    EXPECT_EQ(Read(*reloaded, u"Projekt A", u"a"), u"1");
    EXPECT_EQ(Read(*reloaded, u"Projekte", u"1"), u"<missing>");
    EXPECT_EQ(reloaded->Sections().size(), 1u);
}

}  // namespace
