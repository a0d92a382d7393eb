// The country library: its dispatcher with the countries and every failure, the export's
// checks of the two variants, and the built module as the program finds it.
#include "regio/BasisApp.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/text/TokenListe.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "regio/BasisSchnittstelle.h"
#include "regio/Laenderliste.h"
#include "tests/support/EnglischeTexte.h"

namespace {

const CVRMString kInit = u"4711§#§";  // any handle other than 0

class BasisAppTest : public ::testing::Test {
  protected:
    BasisAppTest() { testsupport::LadeEnglischeTexte(); }

    int Rufe(uint32_t code, const CVRMString& param) {
        ergebnis.clear();  // as the export hands it over
        return app.GetInfo(code, param, ergebnis);
    }

    CVRMbasisApp app;
    CVRMString ergebnis;
    platform::RecordingPresenter boxen;
    platform::ScopedMessageBoxPresenter presenter{boxen};
};

TEST_F(BasisAppTest, TheCountryListNeedsTheFirstCallFirst) {
    EXPECT_EQ(Rufe(1172, u""), 0);
    EXPECT_EQ(ergebnis, u"Base module not initialized");

    EXPECT_EQ(Rufe(1171, kInit), 1);
    EXPECT_EQ(ergebnis, u"");
    ASSERT_EQ(Rufe(1172, u"ignored"), 1);
    CVRMString liste = ergebnis, token;
    std::vector<std::u16string> tokens;
    while (vrmtoken::SplitWert(liste, token)) tokens.push_back(token);
    ASSERT_EQ(tokens.size(), 13u);
    EXPECT_EQ(tokens.front(), u"1#Germany#D");
    EXPECT_EQ(tokens[9], u"15#Ireland#IRL");
    EXPECT_EQ(tokens.back(), u"23#Great Britain#GB");
    EXPECT_EQ(liste, u"");  // a separator after the last one too
    EXPECT_TRUE(boxen.shown.empty());
}

TEST_F(BasisAppTest, FailuresOfTheDispatcher) {
    const struct {
        uint32_t code;
        const char16_t* param;
        const char16_t* ergebnis;
        const char16_t* box;  // null: none
    } faelle[] = {
        // An unknown code before initialisation: not initialised comes first.
        {1173, u"", u"Base module not initialized", nullptr},
        // The handle is missing: the library's box, then an empty answer.
        {1171, u"", u"", u"Error with parameter 1 !\r\nbase module ()"},
        {1171, u"4711", u"", u"Error with parameter 1 !\r\nbase module (4711)"},
        {1171, u"0§#§", u"NULL - Parameter", nullptr},
        {1171, u"kein Handle§#§", u"NULL - Parameter", nullptr},
        {1171, u"99999999999999999999§#§", u"NULL - Parameter", nullptr},  // beyond 64 bits
    };
    for (const auto& f : faelle) {
        boxen.shown.clear();
        EXPECT_EQ(Rufe(f.code, f.param), 0);
        EXPECT_EQ(ergebnis, f.ergebnis);
        ASSERT_EQ(boxen.shown.size(), f.box ? 1u : 0u);
        if (f.box) {
            EXPECT_EQ(boxen.shown[0].text, f.box);
            EXPECT_EQ(boxen.shown[0].style & platform::mb::TYPEMASK, platform::mb::OK);
        }
        EXPECT_FALSE(app.IstInitialisiert());
    }
}

TEST_F(BasisAppTest, AnUnknownCodeAfterInitialisationIsNamed) {
    ASSERT_EQ(Rufe(1171, kInit), 1);
    EXPECT_EQ(Rufe(1173, u""), 0);
    EXPECT_EQ(ergebnis, u"Function no. 1173 unknown in base module !");
    // A failed first call later on leaves the library initialised.
    EXPECT_EQ(Rufe(1171, u"0§#§"), 0);
    EXPECT_EQ(Rufe(1172, u""), 1);
}

// The export: in and out checked before anything is dispatched.
class BasisSchnittstelleTest : public BasisAppTest {
  protected:
    BasisSchnittstelleTest() {
        platform::VariantInit(&in);
        platform::VariantInit(&out);
    }
    ~BasisSchnittstelleTest() override {
        platform::VariantClear(&in);
        platform::VariantClear(&out);
    }
    static void Text(platform::VARIANT& v, const char16_t* text) {
        platform::VariantClear(&v);
        v.vt = platform::VT_BSTR;
        v.bstrVal = platform::SysAllocString(text);
    }

    platform::VARIANT in, out;
};

TEST_F(BasisSchnittstelleTest, AnswersGoIntoOut) {
    Text(in, kInit.c_str());
    Text(out, u"frei zu geben");
    EXPECT_EQ(regio::BasisSchnittstelle(app, 1171, &in, &out), 1);
    EXPECT_EQ(vrmtoken::TextVon(out), u"");
    Text(in, u"");
    EXPECT_EQ(regio::BasisSchnittstelle(app, 1172, &in, &out), 1);
    EXPECT_EQ(vrmtoken::GetToken(vrmtoken::TextVon(out), 13), CVRMString(u"23#Great Britain#GB"));
    EXPECT_EQ(regio::BasisSchnittstelle(app, 1173, &in, &out), 0);
    EXPECT_EQ(vrmtoken::TextVon(out), u"Function no. 1173 unknown in base module !");
}

TEST_F(BasisSchnittstelleTest, ArgumentsThatAreMissingOrNoTextGetABoxAndTheUnknownError) {
    const CVRMString unbekannt = u"Unknown error at function no. 1172 in base module !";
    Text(out, u"");
    EXPECT_EQ(regio::BasisSchnittstelle(app, 1172, nullptr, &out), 0);
    EXPECT_EQ(vrmtoken::TextVon(out), unbekannt);

    in.vt = platform::VT_I4;
    in.lVal = 1;
    EXPECT_EQ(regio::BasisSchnittstelle(app, 1172, &in, &out), 0);
    EXPECT_EQ(vrmtoken::TextVon(out), unbekannt);

    Text(in, u"");
    platform::VariantClear(&out);  // out empty, not a text: written all the same
    EXPECT_EQ(regio::BasisSchnittstelle(app, 1172, &in, &out), 0);
    EXPECT_EQ(vrmtoken::TextVon(out), unbekannt);

    EXPECT_EQ(regio::BasisSchnittstelle(app, 1172, &in, nullptr), 0);  // nothing to write

    ASSERT_EQ(boxen.shown.size(), 4u);
    EXPECT_EQ(boxen.shown[0].text, u"NULL Arg in Base interface");
    EXPECT_EQ(boxen.shown[1].text, u"No BSTR Arg in Base interface");
    EXPECT_EQ(boxen.shown[2].text, u"No BSTR Arg in Base interface");
    EXPECT_EQ(boxen.shown[3].text, u"NULL Arg in Base interface");
}

TEST(Varmregio, TheBuiltModuleCarriesItsVersionAndExportsOrdinalOne) {
    const auto datei = std::filesystem::path(VARM_PROGRAM_DIR) / "Varmregio.so";
    const auto version = platform::readFileVersion(datei);
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->major * 10000 + version->minor * 1000 + version->build * 10 + version->revision,
              42000);
    auto* modul = platform::loadModule(datei);
    ASSERT_NE(modul, nullptr) << platform::lastModuleError();
    EXPECT_NE(platform::getProcByOrdinal(modul, 1), nullptr);
    EXPECT_EQ(platform::getProcByOrdinal(modul, 2), nullptr);
    platform::freeModule(modul);
}

}  // namespace
