// The dispatcher of the solar library and its three exports: the first call, every way a
// call can fail (before initialisation, unknown code, missing parameter, arguments that
// are missing or no text), the fixed answers and the built module.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/text/TokenListe.h"
#include "platform/modules/Module.h"
#include "solar/SolarSchnittstelle.h"
#include "tests/solar/SolarFixture.h"

namespace {

using solartest::SolarFixture;
using solartest::Tokens;
using solartest::Zerlege;

class DispatcherTest : public SolarFixture {
  protected:
    DispatcherTest() { Lade(); }
};

TEST_F(DispatcherTest, FailuresOfTheDispatcher) {
    const struct {
        bool initialisiert;
        int32_t code;
        const char16_t* param;
        const char16_t* ergebnis;
        std::u16string box;  // empty: none
    } faelle[] = {
        // Nothing but the first call before the first call, an unknown code included.
        {false, 15, u"Anlage1§#§1§#§", u"Solar module not initialized !", u""},
        {false, 99, u"", u"Solar module not initialized !", u""},
        // The first call: a handle of 0, one that is no number, one beyond 64 bits, none.
        {false, 11, u"0§#§", u"NULL - Parameter", u""},
        {false, 11, u"kein Handle§#§", u"NULL - Parameter", u""},
        {false, 11, u"99999999999999999999§#§", u"NULL - Parameter", u""},
        {false, 11, u"4711", u"", u"Error with parameter 1 !\r\nSolar module"},
        {true, 99, u"", u"Function no. 99 unknown in solar module!", u""},
        {true, -5, u"", u"Function no. -5 unknown in solar module!", u""},
        // The kind is missing; the plant's name alone is there.
        {true, 15, u"Anlage1§#§", u"", u"Error with parameter 2 !\r\nSolar module"},
        {true, 15, u"Niemand§#§1§#§", u"", errorBox(3477, u"Niemand")},
        {true, 15, u"§#§1§#§", u"", errorBox(3105, u"CVRMsolarApp::GetSolarAnlage")},
        {true, 14, u"§#§", u"", errorBox(3105, u"CVRMsolarApp::InitSolarAnlage")},
        {true, 49, u"§#§", u"", errorBox(3105, u"CVRMsolarApp::InitKollektor")},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.code);
        CVRMsolarApp frisch;
        if (f.initialisiert) {
            ASSERT_EQ(frisch.DoSolarFunktion(11, u"1§#§", ergebnis), 1);
            ASSERT_EQ(frisch.DoSolarFunktion(14, u"Anlage1§#§", ergebnis), 1);
        }
        boxes.shown.clear();
        ergebnis.clear();
        EXPECT_EQ(frisch.DoSolarFunktion(f.code, f.param, ergebnis), 0);
        EXPECT_EQ(ergebnis, f.ergebnis);
        if (f.box.empty())
            EXPECT_TRUE(boxTexts().empty());
        else
            EXPECT_EQ(boxTexts(), std::vector<std::u16string>{f.box});
        EXPECT_EQ(frisch.IstInitialisiert(), f.initialisiert);
    }
}

TEST_F(DispatcherTest, TheFirstCallBuildsTheStandardCollectorsName) {
    EXPECT_EQ(Rufe(11, u"4711§#§"), 1);
    EXPECT_EQ(ergebnis, u"");
    EXPECT_TRUE(app.IstInitialisiert());
    EXPECT_EQ(app.GetStdKollektorName(), u"StdCollector-Germany_(bib)");
    // A failed first call later leaves the library as it was.
    EXPECT_EQ(Rufe(11, u"0§#§"), 0);
    EXPECT_TRUE(app.IstInitialisiert());
}

TEST_F(DispatcherTest, FixedAnswersAndLists) {
    Initialisiere();
    ASSERT_EQ(Rufe(36, u""), 1);
    EXPECT_EQ(ergebnis, u"50§#§65§#§110§#§160§#§200§#§225§#§200§#§185§#§170§#§110§#§40§#§45§#§");
    ASSERT_EQ(Rufe(13, u"1§#§"), 1);
    const auto kollektoren = Zerlege(ergebnis);
    EXPECT_NE(std::find(kollektoren.begin(), kollektoren.end(), u"StdCollector-Germany_(bib)"),
              kollektoren.end());
    ASSERT_EQ(Rufe(12, u"0§#§"), 1);
    EXPECT_TRUE(boxes.shown.empty());
}

// The export: in and out checked before anything is dispatched; every failure leaves the
// unknown error in out, which is written only when it is there.
class SchnittstelleTest : public DispatcherTest {
  protected:
    SchnittstelleTest() {
        platform::VariantInit(&in);
        platform::VariantInit(&out);
    }
    ~SchnittstelleTest() override {
        platform::VariantClear(&in);
        platform::VariantClear(&out);
    }
    void Text(platform::VARIANT& v, const char16_t* text) {
        platform::VariantClear(&v);
        vrmtoken::SetzeText(&v, text);
    }
    platform::VARIANT in, out;
};

TEST_F(SchnittstelleTest, AnswersGoIntoOut) {
    Text(in, u"4711§#§");
    Text(out, u"to be freed");
    EXPECT_EQ(solar::DoSolarFunktion(app, 11, &in, &out), 1);
    EXPECT_EQ(vrmtoken::TextVon(out), u"");
    Text(in, u"");
    EXPECT_EQ(solar::DoSolarFunktion(app, 36, &in, &out), 1);
    EXPECT_EQ(vrmtoken::GetToken(vrmtoken::TextVon(out), 12), CVRMString(u"45"));
    EXPECT_EQ(solar::DoSolarFunktion(app, 98, &in, &out), 0);
    EXPECT_EQ(vrmtoken::TextVon(out), u"Function no. 98 unknown in solar module!");
}

TEST_F(SchnittstelleTest, ArgumentsThatAreMissingOrNoText) {
    const CVRMString unbekannt = u"Unknown error at function no. 15 in solar module";
    Text(out, u"");
    EXPECT_EQ(solar::DoSolarFunktion(app, 15, nullptr, &out), 0);
    EXPECT_EQ(vrmtoken::TextVon(out), unbekannt);

    in.vt = platform::VT_I4;
    in.lVal = 1;
    EXPECT_EQ(solar::DoSolarFunktion(app, 15, &in, &out), 0);
    EXPECT_EQ(vrmtoken::TextVon(out), unbekannt);

    Text(in, u"");
    platform::VariantClear(&out);  // out empty, no text: written all the same
    EXPECT_EQ(solar::DoSolarFunktion(app, 15, &in, &out), 0);
    EXPECT_EQ(vrmtoken::TextVon(out), unbekannt);

    EXPECT_EQ(solar::DoSolarFunktion(app, 15, &in, nullptr), 0);  // nothing to write

    EXPECT_EQ(boxTexts(),
              (std::vector<std::u16string>{
                  errorBox(3498, u"DoSolarFunktion"), errorBox(3499, u"DoSolarFunktion"),
                  errorBox(3499, u"DoSolarFunktion"), errorBox(3498, u"DoSolarFunktion")}));
}

TEST_F(SchnittstelleTest, TheValueExportsCheckTheirArguments) {
    CVRMVariant wert(u"stale");
    EXPECT_EQ(solar::GetSolarenWert(app, nullptr, ID_KFlaeche, &wert), 0);
    EXPECT_TRUE(wert.IsEmptyVal() && wert.IsEmpty());
    in.vt = platform::VT_I4;
    wert = u"stale";
    EXPECT_EQ(solar::GetSolarenWert(app, &in, ID_KFlaeche, &wert), 0);
    EXPECT_TRUE(wert.IsEmptyVal() && wert.IsEmpty());
    Text(in, u"Anlage1§#§");
    EXPECT_EQ(solar::GetSolarenWert(app, &in, ID_KFlaeche, nullptr), 0);
    EXPECT_EQ(solar::SetSolarenWert(app, nullptr, ID_KFlaeche, &wert, 0), 0);
    EXPECT_EQ(solar::SetSolarenWert(app, &in, ID_KFlaeche, nullptr, 0), 0);
    EXPECT_EQ(boxTexts(),
              (std::vector<std::u16string>{
                  errorBox(3498, u"GetSolarenWert(P1)"), errorBox(3499, u"GetSolarenWert"),
                  errorBox(3498, u"GetSolarenWert(P3)"), errorBox(3498, u"SetSolarenWert(P1)"),
                  errorBox(3498, u"SetSolarenWert(P3)")}));
}

TEST(Varmsun, TheBuiltModuleCarriesItsVersionAndExportsOrdinalsOneToThree) {
    const auto datei = std::filesystem::path(VARM_PROGRAM_DIR) / "Varmsun.so";
    const auto version = platform::readFileVersion(datei);
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(
        version->major * 10000 + version->minor * 1000 + version->build * 10 + version->revision,
        42080);
    auto* modul = platform::loadModule(datei);
    ASSERT_NE(modul, nullptr) << platform::lastModuleError();
    for (int ordinal = 1; ordinal <= 3; ++ordinal)
        EXPECT_NE(platform::getProcByOrdinal(modul, ordinal), nullptr) << ordinal;
    EXPECT_EQ(platform::getProcByOrdinal(modul, 4), nullptr);

    // It answers through the protocol as the program calls it.
    const auto eintrag = platform::getProcByOrdinalAs<vrmtoken::EntryPoint>(modul, 1);
    EXPECT_FALSE(vrmtoken::Rufe(eintrag, 36, u"").ok);
    EXPECT_TRUE(vrmtoken::Rufe(eintrag, 11, u"4711§#§").ok);
    const vrmtoken::Antwort antwort = vrmtoken::Rufe(eintrag, 36, u"");
    EXPECT_TRUE(antwort.ok);
    EXPECT_EQ(vrmtoken::GetToken(antwort.text, 1), CVRMString(u"50"));
    platform::freeModule(modul);
}

}  // namespace
