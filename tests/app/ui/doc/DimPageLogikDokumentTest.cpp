// The dimensioning page's design values through the real document on the shipped sample
// projects: the source temperature a heat pump is chosen at for each kind of source in each
// of the page's operating modes, and the load shared among the units.
#include <gtest/gtest.h>

#include "app/doc/KelvoDoc.h"
#include "evaluation/dim/DimPageLogik.h"
#include "model/source/WQuelle2.h"
#include "tests/app/ui/ProgrammFixture.h"

namespace {

using programmtest::ProgrammFixture;

class DimPageLogikDokumentTest : public ProgrammFixture {};

TEST_F(DimPageLogikDokumentTest, DieQuellTemperaturFolgtDerArtDerQuelle) {
    Starte();
    struct Fall {
        const char16_t* projekt;
        int betriebsweise;  // the page's index: 0 mono-energetic, 1 bivalent parallel,
                            // 2 bivalent alternative, 3 monovalent
        int t;              // the dimensioning point, °C
        float quellTemp;    // °C
    };
    // Air (Hof, design outdoor temperature -18 °C): the air at the dimensioning point when a
    // second heater helps, at the design outdoor temperature when the heat pump runs alone.
    // Probes are designed at -2 °C brine, ground water at its 10 °C (no intermediate
    // exchanger), whatever the mode.
    const Fall faelle[] = {
        {u"air monoenergetic", 0, -18, -18.0f}, {u"air monoenergetic", 0, -7, -7.0f},
        {u"air monoenergetic", 1, -7, -7.0f},   {u"air monoenergetic", 2, -5, -5.0f},
        {u"air monoenergetic", 3, -7, -18.0f},  {u"ground probe monovalent", 0, -5, -2.0f},
        {u"ground probe monovalent", 1, -5, -2.0f}, {u"ground probe monovalent", 2, -5, -2.0f},
        {u"ground probe monovalent", 3, -12, -2.0f}, {u"ground water bivalent", 0, -5, 10.0f},
        {u"ground water bivalent", 2, -5, 10.0f},   {u"ground water bivalent", 3, -16, 10.0f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << QString::fromStdU16String(f.projekt).toStdString()
                                        << ", mode " << f.betriebsweise << ", t " << f.t);
        // A project already open is the same document again.
        CKelvoDoc* doc = app->OpenDocumentFile(Projekt(f.projekt));
        ASSERT_NE(doc, nullptr);
        CWQuelle2& quelle = *doc->GetWQuelle(1);
        ASSERT_FALSE(quelle.GetWert(ID_UserQuellTemp).GetBoolVal());
        ASSERT_FALSE(quelle.GetWert(ID_ErdluftAbs).GetBoolVal());
        ASSERT_FALSE(quelle.GetWert(ID_ZwkWt).GetBoolVal());
        CDimPageLogik seite(*doc);
        seite.quellArt = quelle.GetWert(ID_QuellMediumIdx).GetIntVal();
        seite.betriebsweise = f.betriebsweise;
        seite.anzahlIndex = 0;
        const SDimWerte eine = seite.GetDimWerte(f.t);
        EXPECT_FLOAT_EQ(eine.quellTemp, f.quellTemp);
        EXPECT_GT(eine.leistungProWP, 0.0f);
        // Two units share the load.
        seite.anzahlIndex = 1;
        const SDimWerte zwei = seite.GetDimWerte(f.t);
        EXPECT_FLOAT_EQ(zwei.quellTemp, f.quellTemp);
        EXPECT_FLOAT_EQ(zwei.leistungProWP * 2.0f, eine.leistungProWP);
    }
    EXPECT_TRUE(uitest::dialogs().boxes().empty());
}

}  // namespace
