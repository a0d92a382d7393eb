// The IGlobal facade: typed reads and writes, its own reports on failure, the version
// check at start-up, and the list helpers.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

#include "core/db/Global.h"
#include "core/db/VersionText.h"
#include "core/text/ErrorReport.h"
#include "platform/errors/UserException.h"
#include "tests/core/db/GlobalFixture.h"

namespace {

const std::vector<std::u16string> kUser = {
    u"[Werte]",        u"Leer=",           u"Zahl= 12 ",     u"Negativ=-5",
    u"Text=abc",       u"Gross=1e300",     u"Komma=2.5",     u"MinusEins=-1",
    u"LeerBeiUser=",   u"DezKomma=2,5",    u"AlsFloat=35.000000 ", u"[Tarife]",
    u"Tarif1=Eigener Tarif",
    u"[SolarAnlagen]", u"Solar1=Dach Süd", u"Solar2=Garage",
};
const std::vector<std::u16string> kBibo = {
    u"[Werte]", u"LeerBeiUser=99", u"NurBibo=42",     u"[Tarife]",
    u"Basis",   u"Nacht",          u"[SolarAnlagen]", u"Solar1=Standard (bib)",
};

std::u16string box(unsigned id, std::u16string_view place) {
    return vrmcore::BuildErrorText(id, place);
}

using GlobalRead = GlobalFixture;

TEST_F(GlobalRead, NumbersReadAsStoredAndEmptyGivesTheDefault) {
    loadDatabases(kUser, kBibo);
    struct Case {
        const char* what;
        std::function<double()> read;
        double expected;
    };
    const Case cases[] = {
        {"int with blanks around", [] { return IGlobal::ReadIniInt(u"Werte", u"Zahl", 7); }, 12},
        {"int stored empty", [] { return IGlobal::ReadIniInt(u"Werte", u"Leer", 7); }, 7},
        {"int missing", [] { return IGlobal::ReadIniInt(u"Werte", u"Fehlt", 7); }, 7},
        {"int from library", [] { return IGlobal::ReadIniInt(u"Werte", u"NurBibo", 7); }, 42},
        // Empty in the user database hides the library's 99; empty gives the default.
        {"int hidden", [] { return IGlobal::ReadIniInt(u"Werte", u"LeerBeiUser", 7); }, 7},
        {"int negative", [] { return IGlobal::ReadIniInt(u"Werte", u"Negativ", 7); }, -5},
        {"long", [] { return IGlobal::ReadIniLong(u"Werte", u"Zahl", 7); }, 12},
        // Earlier versions wrote some whole numbers in the float format.
        {"int written as float", [] { return IGlobal::ReadIniInt(u"Werte", u"AlsFloat", 7); }, 35},
        {"double", [] { return IGlobal::ReadIniDouble(u"Werte", u"Komma", 7); }, 2.5},
        {"double huge", [] { return IGlobal::ReadIniDouble(u"Werte", u"Gross", 7); }, 1e300},
        {"float", [] { return IGlobal::ReadIniFloat(u"Werte", u"Komma", 7); }, 2.5},
        {"float empty", [] { return IGlobal::ReadIniFloat(u"Werte", u"Leer", 1.5f); }, 1.5},
        // As written under a locale with a decimal comma.
        {"float comma", [] { return IGlobal::ReadIniFloat(u"Werte", u"DezKomma", 7); }, 2.5},
    };
    for (const auto& c : cases) EXPECT_EQ(c.read(), c.expected) << c.what;
    EXPECT_TRUE(boxes.shown.empty());
}

// A stored text that is not wholly a finite number of the read's kind is reported with its
// record, key and text, and never read as 0, as its leading digits, or as the nearest end
// of the range.
TEST_F(GlobalRead, ANumberThatIsNotWhollyANumberOfItsKindIsReported) {
    loadDatabases({u"[Haus Kaputt]", u"a=nan", u"b=inf", u"c=-Infinity", u"d=abc", u"e=1e999",
                   u"f=12abc", u"g=2.5kWh", u"h=1e39", u"i=1.5", u"j=2147483648", u"k=-1", u"l=1e3",
                   u"m=-2147483649", u"n=1,5", u"o=1,000.5", u"p=35.5000"},
                  kBibo);
    using Read = std::function<double(const char16_t*)>;
    const Read alsFloat = [](const char16_t* k) {
        return IGlobal::ReadIniFloat(u"Haus Kaputt", k, 7);
    };
    const Read alsDouble = [](const char16_t* k) {
        return IGlobal::ReadIniDouble(u"Haus Kaputt", k, 7);
    };
    const Read alsInt = [](const char16_t* k) { return IGlobal::ReadIniInt(u"Haus Kaputt", k, 7); };
    const Read alsLong = [](const char16_t* k) {
        return IGlobal::ReadIniLong(u"Haus Kaputt", k, 7);
    };
    const Read alsFarbe = [](const char16_t* k) {
        return IGlobal::ReadIniClr(u"Haus Kaputt", k, 7);
    };
    struct Fall {
        const char16_t* key;
        const char16_t* text;
        std::vector<Read> reads;
    };
    const std::vector<Read> alle = {alsFloat, alsDouble, alsInt, alsLong, alsFarbe};
    const Fall faelle[] = {
        {u"a", u"nan", alle},
        {u"b", u"inf", alle},
        {u"c", u"-Infinity", alle},
        {u"d", u"abc", alle},
        {u"e", u"1e999", alle},
        {u"f", u"12abc", alle},
        {u"g", u"2.5kWh", alle},
        {u"h", u"1e39", {alsFloat, alsInt, alsLong, alsFarbe}},  // beyond float, fine as double
        {u"i", u"1.5", {alsInt, alsLong, alsFarbe}},             // no whole number
        {u"j", u"2147483648", {alsInt, alsLong}},                // 2^31: one past int32
        {u"m", u"-2147483649", {alsInt, alsLong, alsFarbe}},
        {u"k", u"-1", {alsFarbe}},  // colours are unsigned
        {u"l", u"1e3", {alsInt, alsLong, alsFarbe}},
        {u"p", u"35.5000", {alsInt, alsLong, alsFarbe}},
        {u"n", u"1,5", {alsInt, alsLong, alsFarbe}},
        {u"o", u"1,000.5", alle},
    };
    for (const Fall& f : faelle) {
        const std::u16string erwartet =
            box(4298, u"Haus Kaputt: " + std::u16string(f.key) + u"=" + f.text);
        for (const Read& read : f.reads) {
            boxes.shown.clear();
            EXPECT_THROW(read(f.key), platform::UserException) << platform::toUtf8(f.text);
            EXPECT_EQ(boxTexts(), std::vector<std::u16string>{erwartet});
        }
    }
}

TEST_F(GlobalRead, StringPrecedence) {
    loadDatabases(kUser, kBibo);
    CVRMString out;
    IGlobal::ReadIniString(u"Werte", u"Fehlt", out, u"def");
    EXPECT_EQ(out, CVRMString(u"def"));
    IGlobal::ReadIniString(u"Werte", u"LeerBeiUser", out, u"def");
    EXPECT_EQ(out, CVRMString(u""));
    IGlobal::ReadIniString(u"Werte", u"NurBibo", out, u"def");
    EXPECT_EQ(out, CVRMString(u"42"));
}

using GlobalWrite = GlobalFixture;

TEST_F(GlobalWrite, NumbersAreWrittenWithTheLanguageFormats) {
    loadDatabases(kUser, kBibo);
    struct Case {
        const char16_t* key;
        std::function<void()> write;
        const char16_t* stored;
    };
    const Case cases[] = {
        {u"i", [] { IGlobal::WriteIniInt(u"Neu", u"i", -3, 0); }, u"-3"},
        {u"l", [] { IGlobal::WriteIniLong(u"Neu", u"l", INT32_MIN, 0); }, u"-2147483648"},
        {u"c", [] { IGlobal::WriteIniClr(u"Neu", u"c", UINT32_MAX, 0); }, u"4294967295"},
        {u"d", [] { IGlobal::WriteIniDouble(u"Neu", u"d", 0.1, 0); }, u"0.100000"},
        {u"f", [] { IGlobal::WriteIniFloat(u"Neu", u"f", 2.5f, 0); }, u"2.500000"},
        {u"s", [] { IGlobal::WriteIniString(u"Neu", u"s", u"Text", 0); }, u"Text"},
    };
    for (const auto& c : cases) {
        c.write();
        CVRMString out;
        IGlobal::ReadIniString(u"Neu", c.key, out, u"fehlt");
        EXPECT_EQ(out, CVRMString(c.stored)) << platform::toUtf8(c.key);
    }
    // The format is the language text, not a literal of the code.
    CResManager::setEntry(3357, u"%.1f");
    IGlobal::WriteIniFloat(u"Neu", u"f", 2.5f, 0);
    EXPECT_EQ(IGlobal::ReadIniDouble(u"Neu", u"f", 0), 2.5);
    CVRMString out;
    IGlobal::ReadIniString(u"Neu", u"f", out, u"");
    EXPECT_EQ(out, CVRMString(u"2.5"));
}

TEST_F(GlobalWrite, NonFiniteNumbersNeverReachTheDatabase) {
    loadDatabases(kUser, kBibo);
    const std::function<void()> writes[] = {
        [] { IGlobal::WriteIniDouble(u"Neu", u"x", std::nan(""), 0); },
        [] { IGlobal::WriteIniFloat(u"Neu", u"x", std::numeric_limits<float>::infinity(), 0); },
    };
    for (const auto& write : writes) {
        boxes.shown.clear();
        EXPECT_THROW(write(), platform::UserException);
        EXPECT_EQ(boxTexts(), std::vector<std::u16string>{u"Exception"});
        CVRMString out;
        IGlobal::ReadIniString(u"Neu", u"x", out, u"fehlt");
        EXPECT_EQ(out, CVRMString(u"fehlt"));
    }
}

TEST_F(GlobalWrite, LibraryOnlyFlagWritesTheLibraryFileToDisk) {
    loadDatabases(kUser, kBibo, 1);
    const std::string userBefore = testsupport::ReadFileBytes(folder.file("user.dat"));
    IGlobal::WriteIniString(u"Werte", u"Neu", u"x", 1);
    const auto lines = testsupport::ReadDatabaseLines(folder.file("bibo.ini"));
    EXPECT_NE(std::find(lines.begin(), lines.end(), u"neu=x"), lines.end());
    EXPECT_EQ(testsupport::ReadFileBytes(folder.file("user.dat")), userBefore);
}

// A failing boundary function shows the box that says what failed and why; the facade
// throws without adding one.
using GlobalReport = GlobalFixture;

TEST_F(GlobalReport, FailureIsTheOneBoxOfWhereItArose) {
    struct Case {
        const char* what;
        bool loaded;
        std::function<void()> call;
        std::vector<std::u16string> expected;  // every box, in order
    };
    CVRMString out;
    const Case cases[] = {
        {"delete with empty section",
         true,
         [] { IGlobal::DeleteSection(u"", 0); },
         {box(3337, u"CIniFile::DeleteSection")}},
        {"folder before start",
         false,
         [&] { IGlobal::GetDatenDir(out); },
         {box(3504, u"CVRMglobApp::GetDatenDir")}},
        {"missing library",
         true,
         [&] { IGlobal::SetBiboDatei(path("fehlt.ini"), 0); },
         {box(3102, path("fehlt.ini"))}},
        {"version of empty path",
         true,
         [] { IGlobal::GetDateiVersionsInfo(u""); },
         {u"Exception"}},
    };
    for (const auto& c : cases) {
        CVRMglobApp::ResetForTests();
        if (c.loaded) loadDatabases(kUser, kBibo);
        boxes.shown.clear();
        EXPECT_THROW(c.call(), platform::UserException) << c.what;
        EXPECT_EQ(boxTexts(), c.expected) << c.what;
    }
}

TEST_F(GlobalReport, ThrowGlobIfExceptionBothForms) {
    const std::pair<std::function<void()>, std::u16string> cases[] = {
        {[] { IGlobal::ThrowGlobIfException(3102, CVRMString(u"/pfad")); },
         u"File not found\n(/pfad)"},
        {[] { IGlobal::ThrowGlobIfException(3482, 3102u); },
         u"Error in interface of module 'Global'\n(File not found)"},
        {[] { IGlobal::ThrowGlobIfException(3482, 0u); }, u"Error in interface of module 'Global'"},
    };
    for (const auto& [call, text] : cases) {
        boxes.shown.clear();
        EXPECT_THROW(call(), platform::UserException);
        EXPECT_EQ(boxTexts(), std::vector<std::u16string>{text});
    }
}

using GlobalVersion = GlobalFixture;

TEST_F(GlobalVersion, RefusedBelow42080AcceptedFrom42080) {
    // 4.2.7.9 = 4*10000 + 2*1000 + 7*10 + 9 = 42079; 4.2.8.0 = 42080.
    EXPECT_FALSE(vrmcore::PruefeKernVersion(42079, u"/prog/Varmcore.so"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              u"Version 4.2.8.0 or higher of file\r\n/prog/Varmcore.so required!");
    EXPECT_EQ(boxes.shown[0].caption, u"Varmion");

    boxes.shown.clear();
    EXPECT_TRUE(vrmcore::PruefeKernVersion(42080, u"/prog/Varmcore.so"));
    EXPECT_TRUE(vrmcore::PruefeKernVersion(50000, u"/prog/Varmcore.so"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(GlobalVersion, StampedVersionOfTheCoreLibrary) {
    EXPECT_EQ(IGlobal::GetDateiVersionsInfo(CVRMString::fromUtf8(coreFile())), 42080);
}

TEST_F(GlobalVersion, VersionTextJoinsTheFourNumbersOfTheRecord) {
    // The test module is stamped 1.2.300.40000; its combined number 10000 + 2000 + 3000 +
    // 40000 = 55000 would read "5.5.0.0".
    const struct {
        std::string file;
        const char16_t* text;
    } faelle[] = {
        {std::string(VARM_TEST_MODULE_DIR) + "/varm_test_ordinals.so", u"1.2.300.40000"},
        {coreFile(), u"4.2.8.0"},
        {std::string(VARM_TEST_MODULE_DIR) + "/fehlt.so", u"0.0.0.0"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(vrmcore::VersionsText(CVRMString::fromUtf8(f.file)), CVRMString(f.text))
            << f.file;
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(getVersionString(4, 2, 123, 0), u"4.2.123.0");
}

TEST_F(GlobalVersion, InitInterfaceChecksThenStarts) {
    platform::setCurrentResourceModule(coreModule());
    EXPECT_EQ(IGlobal::InitInterface(0, nullptr), 1);
    EXPECT_EQ(IGlobal::IstInitialisiert(), 1);
    EXPECT_EQ(IGlobal::GetModulVersion(), CVRMString(u"4.2.8.0"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(GlobalVersion, InitInterfaceWithoutResourceModuleAnswersZero) {
    platform::setCurrentResourceModule(nullptr);
    int result = -1;
    EXPECT_NO_THROW(result = IGlobal::InitInterface(0, nullptr));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{box(3502, u"CVRMglobApp::Init(res)"),
                                                       u"Module Global not initialized"}));
    EXPECT_EQ(IGlobal::IstInitialisiert(), 0);
}

using GlobalLists = GlobalFixture;

TEST_F(GlobalLists, StringListsWithFilter) {
    loadDatabases(kUser, kBibo);
    CVRMStringArray user, full;
    IGlobal::GetStringListe(LISTE_TARIFE, user, full);
    EXPECT_EQ(std::vector<CVRMString>(user.begin(), user.end()),
              std::vector<CVRMString>{u"Eigener Tarif"});
    EXPECT_EQ(std::vector<CVRMString>(full.begin(), full.end()),
              (std::vector<CVRMString>{u"Basis", u"Nacht", u"Eigener Tarif"}));

    const CVRMStringArray filter{u"nacht", u"EIGENER TARIF"};
    IGlobal::GetStringListe(LISTE_TARIFE, user, full, &filter);
    EXPECT_EQ(std::vector<CVRMString>(user.begin(), user.end()),
              std::vector<CVRMString>{u"Eigener Tarif"});
    EXPECT_EQ(std::vector<CVRMString>(full.begin(), full.end()),
              (std::vector<CVRMString>{u"Nacht", u"Eigener Tarif"}));
}

TEST_F(GlobalLists, NamesAsTokenText) {
    loadDatabases(kUser, kBibo);
    CVRMString text;
    IGlobal::GetSolarAnlagen(text, 0);
    EXPECT_EQ(text, CVRMString(u"Dach Süd§#§Garage§#§"));
    IGlobal::GetSolarAnlagen(text, 1);
    EXPECT_EQ(text, CVRMString(u"Standard (bib)§#§Dach Süd§#§Garage§#§"));
    IGlobal::GetKuehlAnlagen(text, 1);
    EXPECT_EQ(text, CVRMString());
}

TEST_F(GlobalLists, CountryOfALocation) {
    struct Case {
        const char16_t* ort;
        CVRMStringArray laender;
        int expected;
    };
    const Case cases[] = {
        {u"Berlin (D)", {u"A", u"D"}, 1},
        {u"Wien (A)", {u"A", u"D"}, 0},
        {u"Paris", {u"A", u"D"}, -1},
        {u"Berlin (D)", {}, -1},
        // The code must stand alone in the parentheses.
        {u"Lima (DE)", {u"D"}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IGlobal::getLandVonOrt(c.ort, c.laender), c.expected) << platform::toUtf8(c.ort);
}

TEST_F(GlobalLists, LibraryNames) {
    EXPECT_TRUE(IGlobal::IstBiboName(u"Sole (BIB)"));
    EXPECT_TRUE(IGlobal::IstBiboName(u"standard"));
    EXPECT_FALSE(IGlobal::IstBiboName(u"Standard 2"));
    EXPECT_FALSE(IGlobal::IstBiboName(u"Mein Haus"));
}

}  // namespace
