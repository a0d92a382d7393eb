#include "tests/core/db/IniFileFixture.h"

#include <chrono>
#include <csignal>
#include <future>
#include <memory>
#include <thread>

#include <sys/resource.h>

#include "platform/errors/UserException.h"

namespace {

std::string Utf16File(std::u16string_view text) {
    return "\xFF\xFE" + platform::toUtf16LE(text);
}

TEST_F(IniFileTest, FlushedUserDatabaseIsExact) {
    auto file = Load(
        "user.dat",
        {u"[Projekte]", u"projekt1=Alpha", u"Beta", u"[Haus Müller]", u"Heizlast=8.5", u"leer=",
         u"=ohne Schlüssel"},
        testsupport::DbEncoding::Latin1);
    file->WriteIniString(u"Haus Müller", u"Neu", u"ä€", true);
    // Every entry keeps its key in the user database, the value-only line its number;
    // LF only, no CR; the byte-order mark first.
    EXPECT_EQ(
        testsupport::ReadFileBytes(folder.file("user.dat")),
        Utf16File(
            u"[projekte]\nprojekt1=Alpha\n1=Beta\n[haus müller]\nheizlast=8.5\nleer=\n=ohne "
            u"Schlüssel\nneu=ä€\n"));
    EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"user.dat"}));  // no temporary left
}

// Each flush after the first writes anew only the sections that changed and copies the
// others from the last image: after every kind of change, and after an export in between,
// the file is exactly the database in memory.
TEST_F(IniFileTest, FlushesAfterChangesWriteTheWholeDatabase) {
    auto file = Load("user.dat", {u"[a]", u"x=1", u"y=2", u"[b]", u"z=3", u"[c]", u"w=4"});
    file->Flush(u"", nullptr, nullptr);
    const struct {
        const char* change;
        void (*mache)(CIniFile&);
        std::u16string_view danach;
    } schritte[] = {
        {"a value of the middle section, longer",
         [](CIniFile& f) { f.WriteIniString(u"b", u"z", u"3333", true); },
         u"[a]\nx=1\ny=2\n[b]\nz=3333\n[c]\nw=4\n"},
        {"a key added to the first section",
         [](CIniFile& f) { f.WriteIniString(u"a", u"neu", u"5", true); },
         u"[a]\nx=1\ny=2\nneu=5\n[b]\nz=3333\n[c]\nw=4\n"},
        {"a new section", [](CIniFile& f) { f.WriteIniString(u"d", u"v", u"6", true); },
         u"[a]\nx=1\ny=2\nneu=5\n[b]\nz=3333\n[c]\nw=4\n[d]\nv=6\n"},
        {"a key deleted", [](CIniFile& f) { f.DeleteKeyInSection(u"a", u"x", true); },
         u"[a]\ny=2\nneu=5\n[b]\nz=3333\n[c]\nw=4\n[d]\nv=6\n"},
        {"a section deleted", [](CIniFile& f) { f.DeleteSection(u"b", true); },
         u"[a]\ny=2\nneu=5\n[c]\nw=4\n[d]\nv=6\n"},
        {"a value deleted", [](CIniFile& f) { f.DeleteValueInSection(u"c", u"4", true); },
         u"[a]\ny=2\nneu=5\n[c]\n[d]\nv=6\n"},
        {"changes without a flush, then an export, then a flush",
         [](CIniFile& f) {
             f.WriteIniString(u"a", u"y", u"", false);
             f.WriteIniString(u"d", u"v", u"7", false);
             f.Flush(u"", nullptr, nullptr);
         },
         u"[a]\ny=\nneu=5\n[c]\n[d]\nv=7\n"},
    };
    for (const auto& schritt : schritte) {
        SCOPED_TRACE(schritt.change);
        schritt.mache(*file);
        EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), Utf16File(schritt.danach));
        if (std::string_view(schritt.change).starts_with("changes")) {
            // Exports in between, whole and of some sections, change nothing of the next
            // flush.
            file->Flush(PathOf("export.dat"), nullptr, nullptr);
            const CVRMStringArray first{u"a"}, second{u"neu"};
            file->Flush(PathOf("teil.dat"), &first, &second);
            file->WriteIniString(u"c", u"neu", u"8", true);
            EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")),
                      Utf16File(u"[a]\ny=\nneu=5\n[c]\nneu=8\n[d]\nv=7\n"));
        }
    }
}

TEST_F(IniFileTest, FlushedLibraryWritesBareListSections) {
    auto file = Load(
        "bibo.ini", {u"[Projekte]", u"Muster (bib)", u"[WPumpen]", u"wpumpe1=WP 1", u"[Häuser]",
                     u"haus1=H", u"[Laender]", u"49#Deutschland#D", u"[BiboInfo]", u"Version=4.2"});
    file->Flush(u"", nullptr, nullptr);
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("bibo.ini")),
              Utf16File(u"[projekte]\nMuster (bib)\n[wpumpen]\nWP 1\n[häuser]\nhaus1=H\n[laender]\n"
                        u"49#Deutschland#D\n[biboinfo]\nversion=4.2\n"));
    // Loading it again numbers the bare values by the one running counter.
    auto again = LoadExisting("bibo.ini");
    EXPECT_EQ(Read(*again, u"projekte", u"1"), u"Muster (bib)");
    EXPECT_EQ(Read(*again, u"wpumpen", u"2"), u"WP 1");
    EXPECT_EQ(Read(*again, u"laender", u"3"), u"49#Deutschland#D");
    EXPECT_EQ(Read(*again, u"häuser", u"haus1"), u"H");
}

TEST_F(IniFileTest, ExportAppendsWithOneByteOrderMark) {
    auto file = Load("user.dat", {u"[s]", u"k=v"});
    const std::string image = platform::toUtf16LE(u"[s]\nk=v\n");
    struct Case {
        const char* name;
        std::optional<std::string> before;  // none: the target does not exist
        std::string after;
    };
    const Case cases[] = {
        {"new target", std::nullopt, "\xFF\xFE" + image},
        {"empty target", std::string(), "\xFF\xFE" + image},
        {"UTF-16 target", Utf16File(u"[alt]\n"), Utf16File(u"[alt]\n") + image},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder.file("export.dat"));
        if (c.before) testsupport::WriteFileBytes(folder.file("export.dat"), *c.before);
        file->Flush(PathOf("export.dat"), nullptr, nullptr);
        EXPECT_EQ(testsupport::ReadFileBytes(folder.file("export.dat")), c.after);
    }
    // Twice into the same file: the image twice, the mark once.
    std::filesystem::remove(folder.file("export.dat"));
    file->Flush(PathOf("export.dat"), nullptr, nullptr);
    file->Flush(PathOf("export.dat"), nullptr, nullptr);
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("export.dat")), "\xFF\xFE" + image + image);
    EXPECT_TRUE(boxes.shown.empty());
}

// UTF-16 lines behind 8-bit text would make the target unreadable: it is refused untouched.
TEST_F(IniFileTest, ExportIntoAnEightBitFileIsRefused) {
    auto file = Load("user.dat", {u"[s]", u"k=v"});
    const std::string before = "[alt]\nk=v\n";
    testsupport::WriteFileBytes(folder.file("export.dat"), before);
    EXPECT_THROW(file->Flush(PathOf("export.dat"), nullptr, nullptr), platform::UserException);
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("export.dat")), before);
    ASSERT_EQ(boxes.shown.size(), 1u);
}

// Only the exact leftovers of an interrupted flush of this file are removed on loading.
TEST_F(IniFileTest, LoadingRemovesLeftoversOfAnInterruptedFlushOnly) {
    testsupport::WriteDatabaseFile(folder.file("user.dat"), {u"[s]", u"k=v"});
    for (const char* name :
         {"user.dat.flush-Ab12Cd", "user.dat.flush-notes.txt", "other.dat.flush-Ab12Cd"})
        testsupport::WriteFileBytes(folder.file(name), "x");
    auto file = LoadExisting("user.dat");
    EXPECT_FALSE(std::filesystem::exists(folder.file("user.dat.flush-Ab12Cd")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("user.dat.flush-notes.txt")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("other.dat.flush-Ab12Cd")));
    EXPECT_EQ(Read(*file, u"s", u"k"), u"v");
}

TEST_F(IniFileTest, FilteredExport) {
    auto file = Load("user.dat",
                     {u"[Projekte]", u"projekt1=Alpha", u"projekt2=Beta", u"[Alpha]", u"Haus=H1",
                      u"[Beta]", u"Haus=H2", u"[H1]", u"x=1", u"[Tarife]", u"tarif1=T"});
    const CVRMStringArray first{u"projekte"};
    const CVRMStringArray second{u"ALPHA", u"h1"};
    file->Flush(PathOf("export.dat"), &first, &second);
    EXPECT_EQ(testsupport::ReadDatabaseLines(folder.file("export.dat")),
              (std::vector<std::u16string>{u"[projekte]", u"projekt1=Alpha", u"[alpha]", u"haus=H1",
                                           u"[h1]", u"x=1"}));
    // One list empty: no filter at all.
    std::filesystem::remove(folder.file("export.dat"));
    const CVRMStringArray none;
    file->Flush(PathOf("export.dat"), &first, &none);
    EXPECT_EQ(testsupport::ReadDatabaseLines(folder.file("export.dat")).size(), 11u);
}

// Lets the process write files of at most `bytes` bytes while it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(IniFileTest, FailedFlushLeavesTheOldFile) {
    auto file = Load("user.dat", {u"[s]", u"k=alt"});
    const std::string before = testsupport::ReadFileBytes(folder.file("user.dat"));
    testsupport::WriteFileBytes(folder.file("export.dat"), Utf16File(u"[x]\n"));
    {
        FileSizeLimit limit(64);
        file->WriteIniString(u"s", u"k", std::u16string(100, u'n'), false);
        EXPECT_THROW(file->Flush(u"", nullptr, nullptr), platform::UserException);
        EXPECT_THROW(file->Flush(PathOf("export.dat"), nullptr, nullptr), platform::UserException);
    }
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), before);
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("export.dat")),
              Utf16File(u"[x]\n"));  // cut back
    EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"export.dat", "user.dat"}));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_NE(boxes.shown[0].text.find(PathOf("user.dat")), std::u16string::npos);
    EXPECT_EQ(boxes.shown[0].caption, u"Varmion");
    // Once the disk takes it again, the same image is written.
    file->Flush(u"", nullptr, nullptr);
    EXPECT_EQ(Read(*LoadExisting("user.dat"), u"s", u"k"), std::u16string(100, u'n'));
}

TEST_F(IniFileTest, FlushThroughALinkKeepsTheLink) {
    std::filesystem::create_directory(folder.file("daten"));
    testsupport::WriteDatabaseFile(folder.file("daten/echt.dat"), {u"[s]", u"k=alt"});
    std::filesystem::create_symlink("daten/echt.dat", folder.file("user.dat"));
    auto file = LoadExisting("user.dat");
    file->WriteIniString(u"s", u"k", u"neu", true);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("user.dat")));
    EXPECT_EQ(testsupport::ReadDatabaseLines(folder.file("daten/echt.dat")),
              (std::vector<std::u16string>{u"[s]", u"k=neu"}));
}

TEST_F(IniFileTest, FlushIntoAMissingFolderReports) {
    CIniFile file(0);
    file.Init(PathOf("fehlt/user.dat"), false);
    file.WriteIniString(u"s", u"k", u"v", false);
    EXPECT_THROW(file.Flush(u"", nullptr, nullptr), platform::UserException);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{});
}

// A folder named by a bare file name, and a database that does not exist yet, are cleaned
// of what an interrupted flush left there as well.
TEST_F(IniFileTest, LeftoversAreRemovedForABareNameAndAMissingFile) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    for (const bool exists : {true, false}) {
        SCOPED_TRACE(exists ? "existing" : "missing");
        std::filesystem::remove(folder.file("user.dat"));
        if (exists) testsupport::WriteDatabaseFile(folder.file("user.dat"), {u"[s]", u"k=v"});
        testsupport::WriteFileBytes(folder.file("user.dat.flush-Ab12Cd"), "x");
        CIniFile file(0);
        file.Init(u"user.dat", false);
        EXPECT_FALSE(std::filesystem::exists(folder.file("user.dat.flush-Ab12Cd")));
        file.WriteIniString(u"s", u"k", u"neu", true);
        EXPECT_EQ(Read(*LoadExisting("user.dat"), u"s", u"k"), u"neu");
    }
    std::filesystem::current_path(previous);
    EXPECT_TRUE(boxes.shown.empty());
}

// A box runs a nested event loop in which a timer or an edit of the same thread may write
// to the same file: the failure box of a write must not hold the write lock.
TEST_F(IniFileTest, AWriteFromInsideAFailureBoxGoesThrough) {
    struct WritingPresenter : platform::MessageBoxPresenter {
        int present(const platform::MessageBoxRequest&) override {
            if (++boxes == 1) file->WriteIniString(u"s", u"aus der box", u"1", false);
            return platform::id::OK;
        }
        CIniFile* file = nullptr;
        int boxes = 0;
    };
    // Leaked on purpose: a deadlocked thread may still hold it when the test gives up.
    auto* presenter = new WritingPresenter;
    auto* file = new CIniFile(0);
    presenter->file = file;
    platform::ScopedMessageBoxPresenter writing(*presenter);
    file->Init(PathOf("fehlt/user.dat"), false);  // its folder does not exist: flushes fail
    auto finished = std::make_shared<std::promise<void>>();
    std::future<void> done = finished->get_future();
    std::thread([file, finished] {
        try {
            file->WriteIniString(u"s", u"k", u"v", true);
        } catch (const platform::UserException&) {
        }
        finished->set_value();
    }).detach();
    ASSERT_EQ(done.wait_for(std::chrono::seconds(20)), std::future_status::ready)
        << "the write from inside the box waits for the lock of the failed write";
    EXPECT_EQ(presenter->boxes, 1);
    EXPECT_EQ(Read(*file, u"s", u"aus der box"), u"1");
    EXPECT_EQ(Read(*file, u"s", u"k"), u"v");
    delete file;
    delete presenter;
}

}  // namespace

namespace {

// What a user database file holds, as lines.
std::vector<std::u16string> Lines(const testsupport::TempFolder& folder) {
    return testsupport::ReadDatabaseLines(folder.file("user.dat"));
}

const std::vector<std::u16string> kGroupStart = {u"[a]", u"x=1", u"y=2", u"[b]", u"z=3",
                                                  u"[c]", u"w=4"};

// Every kind of change made inside a write group, each asking for its flush.
void ChangeEverything(CIniFile& f) {
    f.WriteIniString(u"a", u"x", u"neu", true);
    f.WriteIniString(u"d", u"v", u"5", true);
    f.DeleteSection(u"b", true);
    f.DeleteKeyInSection(u"c", u"w", true);
    f.AddValueToSection(u"a", u"n", u"6", true);
}

const std::vector<std::u16string> kGroupChanged = {u"[a]", u"x=neu", u"y=2", u"n1=6",
                                                    u"[c]", u"[d]",   u"v=5"};

}  // namespace

// The flushes asked for inside a write group wait for its end, which writes the file once
// with every change; a group ended without being completed takes every change back, and
// the image then writes exactly what it held before.
TEST_F(IniFileTest, AWriteGroupReachesTheFileAsAWholeOrNotAtAll) {
    for (const bool complete : {true, false}) {
        SCOPED_TRACE(complete ? "completed" : "taken back");
        auto file = Load("user.dat", kGroupStart);
        file->Flush(u"", nullptr, nullptr);  // the image then renews changed sections only
        const std::string before = testsupport::ReadFileBytes(folder.file("user.dat"));
        file->BeginneVorgang();
        ChangeEverything(*file);
        EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), before);
        EXPECT_EQ(Read(*file, u"a", u"x"), u"neu");
        file->BeendeVorgang(complete);
        EXPECT_FALSE(file->VorgangOffen());
        EXPECT_EQ(Lines(folder), complete ? kGroupChanged : kGroupStart);
        if (!complete) {
            EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), before);
            EXPECT_EQ(Read(*file, u"b", u"z"), u"3");
            EXPECT_EQ(Read(*file, u"d", u"v"), u"<missing>");
            // The next write outside a group flushes the image as it was, plus that write.
            file->WriteIniString(u"c", u"w", u"44", true);
            EXPECT_EQ(Lines(folder), (std::vector<std::u16string>{u"[a]", u"x=1", u"y=2", u"[b]",
                                                                  u"z=3", u"[c]", u"w=44"}));
        }
        EXPECT_TRUE(boxes.shown.empty());
    }
}

// An inner group taken back undoes only its own changes; the outer one still writes its
// own, once, when it ends.
TEST_F(IniFileTest, AnInnerWriteGroupIsTakenBackAlone) {
    auto file = Load("user.dat", kGroupStart);
    file->BeginneVorgang();
    file->WriteIniString(u"a", u"x", u"aussen", true);
    file->BeginneVorgang();
    file->WriteIniString(u"a", u"x", u"innen", true);
    file->DeleteSection(u"b", true);
    file->BeendeVorgang(false);
    EXPECT_EQ(Read(*file, u"a", u"x"), u"aussen");
    EXPECT_EQ(Read(*file, u"b", u"z"), u"3");
    file->BeginneVorgang();
    file->WriteIniString(u"c", u"w", u"innen", true);
    file->BeendeVorgang(true);  // joins the outer group: nothing written yet
    EXPECT_EQ(Lines(folder), kGroupStart);
    file->BeendeVorgang(true);
    EXPECT_EQ(Lines(folder), (std::vector<std::u16string>{u"[a]", u"x=aussen", u"y=2", u"[b]",
                                                          u"z=3", u"[c]", u"w=innen"}));
}

// The one flush of a group fails: reported, the file as it was, and the image too.
TEST_F(IniFileTest, AWriteGroupWhoseFlushFailsIsTakenBack) {
    auto file = Load("user.dat", kGroupStart);
    file->Flush(u"", nullptr, nullptr);  // the image then renews changed sections only
    const std::string before = testsupport::ReadFileBytes(folder.file("user.dat"));
    file->BeginneVorgang();
    file->WriteIniString(u"a", u"x", std::u16string(100, u'n'), true);
    file->WriteIniString(u"d", u"v", u"5", true);
    {
        FileSizeLimit limit(64);
        EXPECT_THROW(file->BeendeVorgang(true), platform::UserException);
    }
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), before);
    EXPECT_EQ(Read(*file, u"a", u"x"), u"1");
    EXPECT_EQ(Read(*file, u"d", u"v"), u"<missing>");
    EXPECT_FALSE(file->VorgangOffen());
    EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"user.dat"}));
    // Once the disk takes it again, the next write brings the image as it was, plus itself.
    file->WriteIniString(u"c", u"w", u"44", true);
    EXPECT_EQ(Lines(folder), (std::vector<std::u16string>{u"[a]", u"x=1", u"y=2", u"[b]", u"z=3",
                                                          u"[c]", u"w=44"}));
}
