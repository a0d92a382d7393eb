// The sample projects of the shipped library load through the model with all their
// components, pass the checks the document runs before it calculates a project, and answer
// plausibly. The program's own options come from the option table over the library.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "LibraryFixture.h"
#include "app/options/OptionsManager.h"
#include "core/db/Lists.h"
#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwertFabrik.h"
#include "model/app/OptionIds.h"
#include "model/errors/GlobaleTexte.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/project/Projekt2.h"
#include "model/source/FSMdaten.h"
#include "model/source/KombiWQuelle2.h"
#include "model/source/WQuelle2.h"
#include "model/tariff/Tarif2.h"
#include "platform/text/Text.h"
#include "tests/support/FakeKelvoApp.h"

namespace librarytest {
namespace {

struct Beispiel {
    const char16_t* projekt;
    int art;                   // heat-source kind
    int medium;                // heat-pump medium
    int betrWeise;             // operating mode of the first source
    float copMin, copMax;      // at the rating point with flow 35 °C
    float quellMin, quellMax;  // undisturbed source temperature in January, °C
};

// Rating points: brine B0/W35 (COP 4.3), air A2/W35 (3.1), water W10/W35 (5.1).
const Beispiel kBeispiele[] = {
    {u"Sample ground probe monovalent_(bib)", 0, 0, 1, 2.0f, 6.0f, 5.0f, 15.0f},
    {u"Sample air monoenergetic_(bib)", 2, 1, 0, 2.0f, 5.0f, -10.0f, 5.0f},
    {u"Sample ground water bivalent_(bib)", 3, 2, 2, 3.0f, 7.0f, 8.0f, 14.0f},
    {u"Sample ground probe solar_(bib)", 0, 0, 1, 2.0f, 6.0f, 5.0f, 15.0f},
};

bool IstMonoEnergetisch(int modus) {
    return modus == 0 || modus == 3 || modus == 5 || modus == 7;
}
bool IstBivalent(int modus) {
    return modus == 2 || modus == 4 || modus == 6 || modus == 8;
}

// One sample project with its components, as the document holds them.
struct Geladen {
    CProjekt2 projekt;
    CHaus2 haus;
    CWPumpe2 wpumpe;
    CKombiWQuelle2 kombi;
    CTarif2 tarif;
    CWQuelle2* quelle = nullptr;

    CVRMString Link(TKelvoDatenID id) { return projekt.GetWert(id).GetStringVal(); }
    CVRMString Klimaort() { return haus.GetWert(ID_Klimaort).GetStringVal(); }
    bool Direkt() { return wpumpe.GetWert(ID_MedienTyp).GetIntVal() == 3; }
};

class LibrarySampleProjectsTest : public LibraryFixture {
  protected:
    LibrarySampleProjectsTest() {
        InitGlobaleTexte();
        optionen.SetUmgebung(platform::fromUtf8(folder.path().string() + "/"), {});
        optionen.LoadOptions();
        // Every warning the model can give is wanted here: a sample must give none.
        optionen.SetLongWert(OPT_WARN_QTEMP1, 1);
        optionen.SetLongWert(OPT_WARN_VORLAUF1, 1);
        app.optionsManager = &optionen;
        app.wpListe = Liste(LISTE_WPUMPEN);
        app.tarifListe = Liste(LISTE_TARIFE);
        app.dokument = &dok;
    }

    std::unique_ptr<Geladen> Lade(const CVRMString& name) {
        auto g = std::make_unique<Geladen>();
        CVRMdatenProvider& werte = CVRMdatenProvider::get();
        werte.fill(g->projekt, name);
        werte.fill(g->haus, g->Link(ID_Haus));
        werte.fill(g->wpumpe, g->Link(ID_WPumpe));
        werte.fill(g->kombi, g->Link(ID_WQuelle));
        werte.fill(g->tarif, g->Link(ID_Tarif));
        g->quelle = g->kombi.GetErsteWQuelle();
        dok.projekt = &g->projekt;
        dok.haus = &g->haus;
        dok.wpumpe = &g->wpumpe;
        dok.kombiQuelle = &g->kombi;
        dok.quelle1 = g->quelle;
        return g;
    }

    std::string BoxTexte() const {
        std::string texte;
        for (const auto& box : boxes.shown) texte += platform::toUtf8(box.text) + "\n";
        return texte;
    }

    COptionsManager optionen;
    testsupport::FakeKelvoDoc dok;
    testsupport::FakeKelvoApp app;
};

TEST_F(LibrarySampleProjectsTest, ThereAreTheFourSamples) {
    const CVRMStringArray projekte = Liste(LISTE_PROJEKTE);
    ASSERT_EQ(projekte.GetSize(), static_cast<int>(std::size(kBeispiele)));
    for (const Beispiel& b : kBeispiele) EXPECT_TRUE(InListe(LISTE_PROJEKTE, b.projekt));
}

// The checks in the order the document runs them before it calculates a project.
TEST_F(LibrarySampleProjectsTest, EachLoadsWithAllComponentsAndPassesTheChecks) {
    for (const Beispiel& b : kBeispiele) {
        SCOPED_TRACE(CVRMString(b.projekt).toUtf8());
        boxes.shown.clear();
        std::unique_ptr<Geladen> g;
        ASSERT_NO_THROW(g = Lade(b.projekt)) << BoxTexte();
        CWQuelle2& q = *g->quelle;

        EXPECT_TRUE(g->projekt.IstVollstaendig());
        EXPECT_TRUE(g->kombi.IstGueltig());
        EXPECT_EQ(g->kombi.GetAnzahlWQuellen(), 1);
        EXPECT_EQ(q.GetWert(ID_QuellMediumIdx).GetIntVal(), b.art);
        EXPECT_EQ(g->wpumpe.GetWert(ID_MedienTyp).GetIntVal(), b.medium);
        const int modus = q.GetWert(ID_BetrWeiseIdx).GetIntVal();
        EXPECT_EQ(modus, b.betrWeise);
        EXPECT_EQ(g->kombi.IstMonoValent(), modus == 1);
        EXPECT_EQ(g->kombi.IstMonoEnergetisch(), IstMonoEnergetisch(modus));
        EXPECT_EQ(g->kombi.IstBiValent(), IstBivalent(modus));

        const CVRMString solar = g->Link(ID_Solar);
        const CVRMString ort = g->Klimaort();
        const bool direkt = g->Direkt();
        EXPECT_TRUE(g->haus.DatenOK(true, solar));
        EXPECT_TRUE(g->haus.PruefeSolarWohin(solar, b.medium != 0));
        EXPECT_NO_THROW(q.DatenOK(direkt, ort, true));
        EXPECT_TRUE(g->wpumpe.PasstZuQuellenMedium(b.art, -2));
        EXPECT_NO_THROW(CWQuelle2::PruefeKompatibilitaet(b.medium, b.art, 0, false));
        if ((b.art == 0 || b.art == 1 || b.art == 4) && !direkt) {
            // Turbulent, but not so fast that the user is warned.
            const float re = q.GetReynoldsZahl();
            EXPECT_GE(re, 1000.0f);
            EXPECT_LE(re, 3500.0f);
        }

        // The design point: the bivalence temperature of a mono-energetic or bivalent
        // source, else the design outdoor temperature; air is drawn at that temperature,
        // brine and water at the rating source temperature.
        const float t = g->kombi.IstMonoEnergetisch() || g->kombi.IstBiValent()
                            ? static_cast<float>(g->kombi.GetDimPunktTemp())
                            : g->haus.GetNormAussenTemp().GetFloatVal();
        const float tq = b.art == 2 ? t : g->wpumpe.getAPQ();
        float last = 0.0f, tv = 0.0f, leistung = 0.0f;
        g->haus.GetHeizbedarfMonat(t, 0, last);
        g->haus.MomentaneVorlaufTempMonat(t, 1.0f, tv, false);
        const float tr = g->haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
        g->wpumpe.GetLeistungGesamt(CWPumpe2::kHeizLeistung, tq, tv, tv, tr, leistung);
        EXPECT_GE(leistung + 0.11f, last) << "design point " << t << " °C";
        const float vorlauf = g->haus.GetWert(ID_HeizVorlauf).GetFloatVal();
        EXPECT_GE(g->wpumpe.getMVT(tq) + 0.5f, vorlauf);

        if (b.art == 0 || b.art == 1) {
            // The source's share of a year: heating and hot water less the electric work,
            // with the coefficient of performance of the design point.
            std::array<float, 12> wasser{};
            g->haus.MonatlicherWWbedarf(wasser);
            float waerme = g->haus.GetJahresHeizbedarf(0);
            for (float w : wasser) waerme += w;
            const float entzug = waerme * (1.0f - 1.0f / g->wpumpe.GetLeistungszahl(tq, 35.0f));
            float quellLeistung = 0.0f;
            g->wpumpe.GetLeistungAnzahl(CWPumpe2::kQuellLeistung, tq, tv, quellLeistung);
            EXPECT_TRUE(
                q.TesteAuslegung(-1, quellLeistung, entzug, direkt, ort, 0, 0, -1.0f, -1, -1, -1))
                << quellLeistung << " kW, " << entzug << " kWh a year, lambda "
                << q.GetWert(ID_Waermeleitzahl).GetFloatVal();
        }
        EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
    }
}

TEST_F(LibrarySampleProjectsTest, EachAnswersPlausibly) {
    for (const Beispiel& b : kBeispiele) {
        SCOPED_TRACE(CVRMString(b.projekt).toUtf8());
        boxes.shown.clear();
        std::unique_ptr<Geladen> g;
        ASSERT_NO_THROW(g = Lade(b.projekt)) << BoxTexte();

        // January heats, below the design load; the flow lies between room and design.
        const float auslegung = g->haus.GetWert(ID_NormwaermeBedarf).GetFloatVal();
        float januar = 0.0f, vorlauf = 0.0f;
        g->haus.GetMomentanerHeizbedarf(0, 0, januar);
        EXPECT_GT(januar, 0.0f);
        EXPECT_LT(januar, auslegung);
        g->haus.MomentaneVorlaufTemp(0, 1.0f, vorlauf, false);
        EXPECT_GE(vorlauf, 20.0f);
        EXPECT_LE(vorlauf, g->haus.GetWert(ID_HeizVorlauf).GetFloatVal());
        std::array<float, 12> wasser{};
        g->haus.MonatlicherWWbedarf(wasser);
        EXPECT_GT(wasser[0], 0.0f);

        // The heat pump at its rating point, flow 35 °C.
        const float apq = g->wpumpe.getAPQ();
        const float cop = g->wpumpe.GetLeistungszahl(apq, 35.0f);
        EXPECT_GE(cop, b.copMin);
        EXPECT_LE(cop, b.copMax);
        const float nenn = g->wpumpe.getTHL();
        EXPECT_GE(nenn, 0.5f * auslegung);
        EXPECT_LE(nenn, 2.0f * auslegung);
        EXPECT_GE(g->wpumpe.getMVT(apq), 55.0f);

        std::array<float, 12> quelle{};
        g->quelle->GetQuellenTempsU(quelle, 0.0f, -1, true, g->Klimaort());
        EXPECT_GE(quelle[0], b.quellMin);
        EXPECT_LE(quelle[0], b.quellMax);
        if (b.art == 0 || b.art == 1) {
            // The brine as stored is the source's antifreeze at 0 °C.
            const CVRMString fsm = g->quelle->GetWert(ID_FSMittel).GetStringVal();
            const unsigned konz = g->quelle->GetWert(ID_FSMKonz).GetUIntVal();
            const float dichte = g->quelle->GetWert(ID_FSMDichte).GetFloatVal();
            EXPECT_FLOAT_EQ(dichte, CFSMdaten::getDichte(fsm, konz, 0.0f));
            EXPECT_GT(dichte, 1000.0f);
            EXPECT_LT(dichte, 1100.0f);
            EXPECT_GT(g->quelle->GetWert(ID_FSMViskos).GetFloatVal(), 1.0f);
        }

        const float sperre = g->tarif.GetSperrzeitProTag();
        EXPECT_GE(sperre, 0.0f);
        EXPECT_LE(sperre, 24.0f);
        const int tarif1 = g->tarif.ProzentTarif1(0);
        EXPECT_GE(tarif1, 0);
        EXPECT_LE(tarif1, 100);
        EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
    }
}

// The names the program falls back on when a record names nothing.
TEST_F(LibrarySampleProjectsTest, DefaultsOfTheOptionsAndTheValueFactoryAreLibraryRecords) {
    CVRMwertFabrik fabrik;  // makes the default soil from the language table
    const CVRMString boden = CVRMwertFabrik::getDefaultBodenart();
    EXPECT_EQ(boden, CVRMString(u"gravel (average wet)_(bib)"));
    EXPECT_TRUE(InListe(LISTE_BODENARTEN, boden));
    EXPECT_GT(LiesFloat(boden, u"Wärmeleitzahl"), 0.0f);

    CVRMString klima, sonne, tarif;
    optionen.GetStringWert(OPT_DEF_KLIMAORT, klima);
    optionen.GetStringWert(OPT_DEF_SONNENORT, sonne);
    optionen.GetStringWert(OPT_DEF_TARIF, tarif);
    EXPECT_EQ(klima, GetStdKlimaortName());
    EXPECT_TRUE(InListe(LISTE_KLIMAORTE, klima));
    EXPECT_GT(LiesFloat(u"Klimadaten", klima + u"NAT"), -9000.0f);  // has a design temperature
    EXPECT_TRUE(InListe(LISTE_SONNENORTE, sonne));
    EXPECT_TRUE(InListe(LISTE_TARIFE, tarif));
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

}  // namespace
}  // namespace librarytest
