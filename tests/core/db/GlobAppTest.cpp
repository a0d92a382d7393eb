// The application object and the boundary functions: start-up, the active database,
// the read precedence, lists, and that no exception ever leaves a boundary function.
#include <functional>
#include <stdexcept>

#include "core/db/Global.h"
#include "core/db/GlobalExports.h"
#include "core/text/ErrorReport.h"
#include "platform/errors/UserException.h"
#include "tests/core/db/GlobalFixture.h"

namespace {

const std::vector<std::u16string> kUser = {
    u"[Optionen]",   u"NurUser=u", u"Beide=vom Benutzer",
    u"LeerBeiUser=", u"[Tarife]",  u"Tarif1=Eigener Tarif",
};
const std::vector<std::u16string> kBibo = {
    u"[Optionen]",
    u"NurBibo=b",
    u"Beide=aus Bibliothek",
    u"LeerBeiUser=aus Bibliothek",
    u"LeerInBibo=",
    u"[Tarife]",
    u"Basis",
    u"Nacht",
};

std::u16string box(unsigned id, std::u16string_view place) {
    return vrmcore::BuildErrorText(id, place);
}

using GlobAppInit = GlobalFixture;

TEST_F(GlobAppInit, SecondInitReturnsOneAndChangesNothing) {
    ASSERT_EQ(InitGlobalModul(coreModule(), nullptr, 0), 1);
    // Arguments that would be refused on a first call are not looked at any more.
    EXPECT_EQ(InitGlobalModul(nullptr, nullptr, 1), 1);
    EXPECT_EQ(platform::currentResourceModule(), coreModule());
    EXPECT_EQ(GlobalIstInitialisiert(), 1);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(GlobAppInit, RefusedStartReportsOnceAndStaysUninitialised) {
    struct Case {
        bool withModule;
        int noNet;
        std::u16string expectedBox;
    };
    const Case cases[] = {
        {true, 1, box(3501, u"CVRMglobApp::Init(NoNet)")},
        {false, 0, box(3502, u"CVRMglobApp::Init(res)")},
    };
    for (const auto& c : cases) {
        boxes.shown.clear();
        EXPECT_EQ(InitGlobalModul(c.withModule ? coreModule() : nullptr, nullptr, c.noNet), 0);
        // The application object reported and caught: no second box from the boundary.
        EXPECT_EQ(boxTexts(), std::vector<std::u16string>{c.expectedBox});
        EXPECT_EQ(GlobalIstInitialisiert(), 0);
    }
}

TEST_F(GlobAppInit, FolderAndFilesBeforeInitReport3504) {
    CVRMString out;
    const std::pair<std::function<int()>, const char16_t*> cases[] = {
        {[] { return GlobalSetDatenDir(u"/tmp"); }, u"CVRMglobApp::SetDatenDir"},
        {[&] { return GlobalGetDatenDir(out); }, u"CVRMglobApp::GetDatenDir"},
        {[&] { return GlobalSetDatenDatei(path("user.dat")); }, u"CVRMglobApp::SetDatenDatei"},
        {[&] { return GlobalSetBiboDatei(path("bibo.ini"), 0); }, u"CVRMglobApp::SetBiboDatei"},
    };
    for (const auto& [call, place] : cases) {
        boxes.shown.clear();
        EXPECT_EQ(call(), 0) << platform::toUtf8(place);
        EXPECT_EQ(boxTexts(), std::vector<std::u16string>{box(3504, place)});
    }
}

TEST_F(GlobAppInit, DataLoadedOnlyWithBothDatabases) {
    initialise();
    EXPECT_EQ(GlobalDatenGeladen(), 0);
    testsupport::WriteDatabaseFile(folder.file("bibo.ini"), kBibo);
    ASSERT_EQ(GlobalSetBiboDatei(path("bibo.ini"), 0), 1);
    EXPECT_EQ(GlobalDatenGeladen(), 0);
    // A user database that does not exist yet still counts: it is created at the first flush.
    ASSERT_EQ(GlobalSetDatenDatei(path("neu.dat")), 1);
    EXPECT_EQ(GlobalDatenGeladen(), 1);
}

using GlobAppRead = GlobalFixture;

TEST_F(GlobAppRead, UserThenLibraryThenDefault) {
    loadDatabases(kUser, kBibo);
    struct Case {
        const char16_t* section;
        const char16_t* key;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"Optionen", u"NurUser", u"u"},
        {u"Optionen", u"NurBibo", u"b"},
        {u"Optionen", u"NURBIBO", u"b"},
        {u"Optionen", u"Beide", u"vom Benutzer"},
        {u"Optionen", u"Fehlt", u"def"},
        {u"Fehlt", u"Beide", u"def"},
        // Stored empty: neither the library nor the default shows through.
        {u"Optionen", u"LeerBeiUser", u""},
        {u"Optionen", u"LeerInBibo", u""},
    };
    for (const auto& c : cases) {
        CVRMString out(u"alt");
        EXPECT_EQ(GlobalGetIniString(c.section, c.key, out, u"def"), 1);
        EXPECT_EQ(out, CVRMString(c.expected)) << platform::toUtf8(c.key);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(GlobAppRead, FailuresLeaveEmptyResults) {
    // Only the library is loaded: every access to the user database reports.
    initialise();
    testsupport::WriteDatabaseFile(folder.file("bibo.ini"), kBibo);
    ASSERT_EQ(GlobalSetBiboDatei(path("bibo.ini"), 0), 1);

    CVRMString out(u"alt");
    EXPECT_EQ(GlobalGetIniString(u"Optionen", u"Beide", out, u"def"), 0);
    EXPECT_EQ(out, CVRMString());
    // The library's part of the list was read before the failure: it is not handed out.
    CVRMStringArray list{u"alt"};
    EXPECT_EQ(GlobalGetStringListe(LISTE_TARIFE, 1, list), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(boxes.shown.empty());
}

using GlobAppActiveFile = GlobalFixture;

TEST_F(GlobAppActiveFile, ListsWithAndWithoutLibrary) {
    struct Case {
        int biboOnly;
        int withBibo;
        std::vector<CVRMString> expected;
    };
    const Case cases[] = {
        {0, 1, {u"Basis", u"Nacht", u"Eigener Tarif"}},
        {0, 0, {u"Eigener Tarif"}},
        // The library is the active file: its list comes once, not twice.
        {1, 1, {u"Basis", u"Nacht"}},
        {1, 0, {u"Basis", u"Nacht"}},
    };
    for (const auto& c : cases) {
        CVRMglobApp::ResetForTests();
        loadDatabases(kUser, kBibo, c.biboOnly);
        CVRMStringArray out{u"alt"};
        EXPECT_EQ(GlobalGetStringListe(LISTE_TARIFE, c.withBibo, out), 1);
        EXPECT_EQ(std::vector<CVRMString>(out.begin(), out.end()), c.expected)
            << "biboOnly " << c.biboOnly << " withBibo " << c.withBibo;
    }
}

TEST_F(GlobAppActiveFile, LibraryOnlyFlagSendsWritesToTheLibrary) {
    loadDatabases(kUser, kBibo, 1);
    ASSERT_EQ(GlobalWriteIniString(u"Optionen", u"Neu", u"x", 0), 1);
    CVRMString value;
    EXPECT_EQ(CVRMglobApp::Get().BiboDatei().GetIniString(u"Optionen", u"Neu", u"", value), 1);
    EXPECT_EQ(value, CVRMString(u"x"));
    EXPECT_EQ(CVRMglobApp::Get().DatenDatei().GetIniString(u"Optionen", u"Neu", u"", value), 0);

    ASSERT_EQ(GlobalDeleteKeyInSection(u"Optionen", u"NurBibo", 0), 1);
    EXPECT_EQ(CVRMglobApp::Get().BiboDatei().GetIniString(u"Optionen", u"NurBibo", u"", value), 0);
}

TEST_F(GlobAppActiveFile, ValuesFromSectionOfTheChosenFile) {
    loadDatabases(kUser, kBibo);
    CVRMStringArray out;
    ASSERT_EQ(GlobalGetValuesFromSection(u"Tarife", out, 1), 1);
    EXPECT_EQ(std::vector<CVRMString>(out.begin(), out.end()),
              (std::vector<CVRMString>{u"Basis", u"Nacht"}));
    ASSERT_EQ(GlobalGetValuesFromSection(u"Tarife", out, 0), 1);
    EXPECT_EQ(std::vector<CVRMString>(out.begin(), out.end()),
              std::vector<CVRMString>{u"Eigener Tarif"});
}

// Nothing leaves a boundary function: an error reported inside keeps its one box (what
// failed and why), the boundary adds none of its own, and the function answers 0. The
// facade then throws without a box either.
using GlobalBoundary = GlobalFixture;

TEST_F(GlobalBoundary, ReportedErrorStaysOneBoxAndZero) {
    struct Case {
        bool loaded;
        std::function<int()> call;
        const char16_t* place;
        std::u16string box;  // the last box
    };
    CVRMStringArray list;
    CVRMString name, where;
    int hit = 0;
    // 3337 "Parameter wrong", 3343 "Value not stored ...", 3344 "Value not deleted ...",
    // 3345 "Key value not deleted ...", 3101 "Object not initialized".
    const Case cases[] = {
        {true, [] { return GlobalDeleteSection(u"", 0); }, u"DeleteSection",
         box(3337, u"CIniFile::DeleteSection")},
        {true, [] { return GlobalDeleteKeyInSection(u"", u"k", 0); }, u"DeleteKeyInSection",
         box(3345, u"k")},
        {true, [] { return GlobalDeleteValueInSection(u"Tarife", u"", 0); },
         u"DeleteValueInSection", box(3344, u"")},
        {true, [] { return GlobalAddValueToSection(u"", u"Tarif", u"x", 0); },
         u"AddValueToSection", box(3343, u"x")},
        {true, [&] { return GlobalValueIsUsed(u"Tarif", name, where, hit, 0); }, u"ValueIsUsed",
         box(3337, u"CIniFile::ValueIsUsed")},
        {true, [&] { return GlobalGetValuesFromSection(u"", list, 0); }, u"GetValuesFromSection",
         box(3337, u"CIniFile::GetSectionValuesFromMap")},
        // Without a user database there is no file to write.
        {false, [] { return GlobalWriteIniString(u"Optionen", u"k", u"v", 0); }, u"WriteIniString",
         box(3101, u"CIniFile::WriteIniString")},
        {false, [] { return GlobalWriteIniValues(u"", nullptr, nullptr, 0); }, u"WriteIniValues",
         box(3101, u"CIniFile::Flush")},
    };
    for (const auto& c : cases) {
        CVRMglobApp::ResetForTests();
        if (c.loaded)
            loadDatabases(kUser, kBibo);
        else
            initialise();
        boxes.shown.clear();
        int result = -1;
        EXPECT_NO_THROW(result = c.call()) << platform::toUtf8(c.place);
        EXPECT_EQ(result, 0) << platform::toUtf8(c.place);
        EXPECT_EQ(GlobalLetzterFehlerGemeldet(), 1) << platform::toUtf8(c.place);
        ASSERT_FALSE(boxes.shown.empty()) << platform::toUtf8(c.place);
        EXPECT_EQ(boxes.shown.back().text, c.box);
    }
    // The facade over a reported failure: the user exception, no further box.
    CVRMglobApp::ResetForTests();
    loadDatabases(kUser, kBibo);
    boxes.shown.clear();
    EXPECT_THROW(IGlobal::DeleteSection(u"", 0), platform::UserException);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

// Throws instead of showing, as a broken window system might.
class ThrowingPresenter : public platform::MessageBoxPresenter {
  public:
    explicit ThrowingPresenter(int throws) : throws_(throws) {}
    int present(const platform::MessageBoxRequest& request) override {
        if (throws_-- > 0) throw std::runtime_error("no display");
        shown.push_back(request.text);
        return platform::id::OK;
    }
    std::vector<std::u16string> shown;

  private:
    int throws_;
};

TEST_F(GlobalBoundary, ForeignExceptionsAndFailingBoxesStayInside) {
    loadDatabases(kUser, kBibo);
    {
        // The inner report's box throws: the boundary still shows its own box.
        ThrowingPresenter presenter(1);
        platform::ScopedMessageBoxPresenter scoped(presenter);
        int result = -1;
        EXPECT_NO_THROW(result = GlobalDeleteSection(u"", 0));
        EXPECT_EQ(result, 0);
        EXPECT_EQ(presenter.shown, std::vector<std::u16string>{box(3501, u"DeleteSection")});
    }
    {
        // Even the boundary's own box fails: still 0 and nothing escapes.
        ThrowingPresenter presenter(100);
        platform::ScopedMessageBoxPresenter scoped(presenter);
        int result = -1;
        EXPECT_NO_THROW(result = GlobalDeleteSection(u"", 0));
        EXPECT_EQ(result, 0);
    }
}

TEST_F(GlobalBoundary, VersionsInfo) {
    uint16_t v[4] = {9, 9, 9, 9};
    ASSERT_EQ(GlobalGetVersionsInfo(CVRMString::fromUtf8(coreFile()), v[0], v[1], v[2], v[3]), 1);
    EXPECT_EQ((std::vector<uint16_t>{v[0], v[1], v[2], v[3]}), (std::vector<uint16_t>{4, 2, 8, 0}));

    // A file without a version record, and a missing file: zeros, and success.
    testsupport::WriteDatabaseFile(folder.file("ohne.dat"), kUser);
    for (const char* name : {"ohne.dat", "fehlt.so"}) {
        v[0] = v[1] = v[2] = v[3] = 9;
        EXPECT_EQ(GlobalGetVersionsInfo(path(name), v[0], v[1], v[2], v[3]), 1) << name;
        EXPECT_EQ((std::vector<uint16_t>{v[0], v[1], v[2], v[3]}),
                  (std::vector<uint16_t>{0, 0, 0, 0}));
    }
    EXPECT_TRUE(boxes.shown.empty());

    // An empty path is the caller's error: reported as a failure, not as "no version".
    v[0] = v[1] = v[2] = v[3] = 9;
    EXPECT_EQ(GlobalGetVersionsInfo(u"", v[0], v[1], v[2], v[3]), 0);
    EXPECT_EQ((std::vector<uint16_t>{v[0], v[1], v[2], v[3]}), (std::vector<uint16_t>{0, 0, 0, 0}));
    EXPECT_EQ(boxTexts(), std::vector<std::u16string>{u"Exception"});
}

}  // namespace
