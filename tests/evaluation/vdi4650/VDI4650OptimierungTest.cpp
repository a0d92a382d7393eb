// The improvement advice: the power share at the design temperature and the texts.
#include "evaluation/vdi4650/VDI4650Optimierung.h"

#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "tests/evaluation/vdi4650/VDIFixture.h"

namespace {

using namespace VDI4650;
using vditest::VDIFixture;

class VDI4650Optimierung : public VDIFixture {};

TEST_F(VDI4650Optimierung, PowerShareAndItsBivalencePoint) {
    CVDI4650Rechner r(false, nullptr);
    r.leistungAuslegung = 6.0f;
    r.warmwasser = kWarmwasserMitWP;
    r.betriebsweise = kMonoenergetischParallel;
    // 8 kW heating + 360 kWh / 30 / 24 = 0.5 kW hot water, over 20 free hours of 24: 0.6 kW.
    // 6 / 8.6 = 0.6977: table 8 first falls below it at -8 °C (0.69).
    SVDIoptProjekt p{8.0f, 360.0f, 4.0f};
    auto d = BerechneOptDaten(r, &p, false);
    ASSERT_TRUE(d.anteilBekannt);
    EXPECT_NEAR(d.anteilProzent, 69.767f, 1e-3f);
    EXPECT_EQ(d.bivalenzAusTabelle, -8);
    EXPECT_EQ(d.tQuelleEmpfohlen, 2);
    // In use: index 2, so 0 °C; the -8 °C of table 8 lies below it and is offered.
    EXPECT_FLOAT_EQ(d.bivalenzInUse, 0.0f);
    EXPECT_TRUE(ZeigeBivalenzHinweis(d));

    const struct {
        const char* name;
        int modus;
        SVDIoptProjekt projekt;
        bool bekannt;
    } faelle[] = {
        {"monovalent", kMonovalent, {8, 360, 4}, false},
        {"bivalent", kBivalentParallel, {8, 360, 4}, false},
        {"alternative", kMonoenergetischAlternativ, {8, 360, 4}, true},
        {"blocked all day", kMonoenergetischParallel, {8, 360, 24}, false},
        {"no load", kMonoenergetischParallel, {0, 0, 0}, false},
    };
    for (const auto& f : faelle) {
        r.betriebsweise = f.modus;
        EXPECT_EQ(BerechneOptDaten(r, &f.projekt, false).anteilBekannt, f.bekannt) << f.name;
    }
    EXPECT_FALSE(BerechneOptDaten(r, nullptr, false).anteilBekannt);
}

TEST_F(VDI4650Optimierung, AdviceTexts) {
    SVDIoptDaten d;
    d.vorplanung = true;
    d.fpEmpfohlen = 1.075f;
    d.fpBerechnet = 1.05f;
    EXPECT_EQ(GetPumpenHinweis(d), 5898u);
    d.fpBerechnet = 1.2f;
    EXPECT_EQ(GetPumpenHinweis(d), 5897u);
    d.vorplanung = false;
    EXPECT_EQ(GetPumpenHinweis(d), 5892u);
    d.fpBerechnet = 1.0f;
    EXPECT_EQ(GetPumpenHinweis(d), 5897u);

    using V = std::vector<unsigned>;
    EXPECT_EQ(GetBetriebsweiseHinweise(kMonovalent), (V{5877, 5890}));
    EXPECT_EQ(GetBetriebsweiseHinweise(kBivalentParallel), (V{5877, 5890}));
    EXPECT_EQ(GetBetriebsweiseHinweise(kMonoenergetischAlternativ), (V{5900}));
    EXPECT_EQ(GetBetriebsweiseHinweise(kMonoenergetischParallel), (V{5888}));
    EXPECT_EQ(GetBetriebsweiseHinweise(kMonoenergetischTeilparallel), (V{5888, 5889}));
    EXPECT_EQ(GetBetriebsweiseHinweise(7), (V{5888, 5889}));
    EXPECT_TRUE(GetBetriebsweiseHinweise(kBivalentAlternativ).empty());

    d.anteilBekannt = true;
    d.bivalenzAusTabelle = -8;
    d.bivalenzInUse = -5.0f;
    EXPECT_TRUE(ZeigeBivalenzHinweis(d));
    d.bivalenzInUse = -8.0f;
    EXPECT_FALSE(ZeigeBivalenzHinweis(d));
}

}  // namespace
