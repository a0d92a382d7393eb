// The report: template choice, the values under the report keys, the writer with the
// report module unbound (as in this system) and bound, and the templates in the English
// resource module.
#include "evaluation/vdi4650/VDI4650Report.h"

#include <filesystem>
#include <set>
#include <string>

#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "tests/evaluation/vdi4650/VDIFixture.h"

namespace {

using namespace VDI4650;
using namespace VDI4650Report;
using vditest::VDIFixture;

// The document, recording the values it is given.
class ReportDoc : public testsupport::FakeKelvoDoc {
  public:
    void SetWert(TKelvoDatenID id, const CVRMwert& wert) override {
        FakeKelvoDoc::SetWert(id, wert);
        werte.emplace_back(id, wert);
    }
    std::vector<std::pair<TKelvoDatenID, CVRMwert>> werte;
};

class VDI4650ReportTest : public VDIFixture {
  protected:
    ~VDI4650ReportTest() override { SetzeVorlagenUebergabe(nullptr); }

    // Brine/water, hot water by the heat pump, monovalent, as worked by hand in the
    // calculator's tests.
    static void Fuelle(CVDI4650Rechner& r) {
        r.cop2 = 4.5f;
        r.pruef = 5.0f;
        r.betrieb = 5.0f;
        r.tVorlauf = 35.0f;
        r.warmwasser = kWarmwasserMitWP;
        r.kunde = u"A. Kunde\r\nHauptstr. 1";
        r.wpFreitext = u"Meine WP";
    }
};

TEST_F(VDI4650ReportTest, TemplateByKindHotWaterAndMode) {
    const struct {
        int art, warmwasser, modus;
        unsigned vorlage;
    } faelle[] = {
        {kSoleWasser, kWarmwasserMitWP, 1, 280},
        {kSoleWasser, kWarmwasserZweiteWP, 1, 281},
        {kSoleWasser, kKeinWarmwasser, 1, 282},
        {kLuftWasser, kWarmwasserMitWP, 0, 283},
        {kLuftWasser, kWarmwasserZweiteWP, 3, 284},
        {kLuftWasser, kWarmwasserElektrisch, 1, 282},
        {kWasserWasser, kWarmwasserMitWP, 1, 285},
        {kWasserWasser, kWarmwasserZweiteWP, 1, 286},
        {kWasserWasser, kWarmwasserZweiteQuelle, 1, 282},
        {kDirektverdampfung, kWarmwasserMitWP, 8, 287},
        {kDirektverdampfung, kWarmwasserZweiteWP, 6, 288},
        {kSoleWasser, kWarmwasserMitWP, 9, 282},
        {kSoleWasser, kWarmwasserMitWP, -1, 282},
        {4, kWarmwasserMitWP, 1, 282},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(WaehleVorlage(f.art, f.warmwasser, f.modus), f.vorlage)
            << f.art << "/" << f.warmwasser << "/" << f.modus;
}

TEST_F(VDI4650ReportTest, ValuesUnderTheirKeysInTheDocumentsOrder) {
    CVDI4650Rechner r(false, nullptr);
    Fuelle(r);
    ASSERT_TRUE(r.Berechne());
    const auto werte = BaueReportWerte(r);
    const int reihenfolge[] = {16, 26, 27, 1,  2,  3,  33, 4,  5,  6,  7,  8,
                               19, 29, 9,  34, 35, 0,  10, 28, 11, 12, 13, 14,
                               15, 20, 21, 22, 23, 24, 25, 17, 18, 30, 31, 32};
    ASSERT_EQ(werte.size(), 36u);
    for (std::size_t i = 0; i < werte.size(); ++i) {
        const int nn = reihenfolge[i];
        EXPECT_EQ(werte[i].schluessel, nn ? SchluesselVon(nn) : kPumpenLeistungSchluessel) << i;
    }
    const auto wert = [&](int nn) -> const CVRMwert& {
        for (const auto& w : werte)
            if (w.schluessel == SchluesselVon(nn)) return w.wert;
        static const CVRMwert leer(vrmEmpty);
        return leer;
    };
    EXPECT_EQ(SchluesselVon(1), 1128);
    EXPECT_EQ(SchluesselVon(35), 1162);
    EXPECT_EQ(wert(16).GetStringVal(), u"brine / water");
    EXPECT_EQ(wert(26).GetStringVal(), u"monovalent");
    EXPECT_EQ(wert(27).GetStringVal(), u"Hot water with heat pump");
    EXPECT_EQ(wert(2).GetStringVal(), u"4.50");
    EXPECT_EQ(wert(10).GetStringVal(), u"1.000");
    EXPECT_EQ(wert(11).GetStringVal(), u"1.087");
    EXPECT_EQ(wert(24).GetStringVal(), u"4.55");  // 4.55023
    EXPECT_EQ(wert(17).GetStringVal(), u"4.42");  // 4.42124
    EXPECT_EQ(wert(18).GetStringVal(), u"1.075");
    EXPECT_EQ(wert(29).GetStringVal(), u"--");  // monovalent
    EXPECT_EQ(wert(34).GetUIntVal(), 82u);
    EXPECT_EQ(wert(35).GetUIntVal(), 18u);
    EXPECT_EQ(wert(8).GetUIntVal(), 15u);
    EXPECT_EQ(wert(19).GetIntVal(), -12);
    EXPECT_FLOAT_EQ(wert(7).GetFloatVal(), 35.0f);
    EXPECT_EQ(wert(31).GetStringVal(), u"Meine WP");
    EXPECT_EQ(wert(32).GetStringVal(), u"A. Kunde<br>Hauptstr. 1");

    r.betriebsweise = kMonoenergetischParallel;
    r.bivalenzIndex = 7;
    r.kunde = u"Zeile 1\nZeile 2";  // a line break as the window's edit gives it
    const auto bivalent = BaueReportWerte(r);
    EXPECT_EQ(bivalent[13].wert.GetIntVal(), -5);
    EXPECT_EQ(bivalent[35].wert.GetStringVal(), u"Zeile 1<br>Zeile 2");
}

TEST_F(VDI4650ReportTest, UnboundReportModuleEndsTheWriterAfterTheProjectValues) {
    ReportDoc doc;
    CVDI4650Rechner r(true, &doc);
    Fuelle(r);
    EXPECT_FALSE(SchreibeReport(r));
    EXPECT_EQ(BoxTexte(), std::vector<std::u16string>{
                              u"Interface 'Report' not initialized\n(IReport::SetDaten(ui))"});
    EXPECT_EQ(doc.projektDaten4.size(), 2u);  // F_P and the hot-water temperature
    EXPECT_TRUE(doc.werte.empty());
    EXPECT_EQ(doc.reportAufrufe, 0);
    EXPECT_NEAR(r.ergebnisse.betaAnlage, 4.42124f, 1e-4f);  // the results stay on show

    // Input the checks refuse: their message, nothing else.
    presenter.shown.clear();
    r.tVorlauf = 60.0f;
    EXPECT_FALSE(SchreibeReport(r));
    EXPECT_EQ(presenter.shown.size(), 1u);
}

TEST_F(VDI4650ReportTest, BoundReportModuleGetsTheTemplateAndTheValues) {
    std::vector<std::pair<uint32_t, unsigned>> uebergeben;
    SetzeVorlagenUebergabe([&](uint32_t k, unsigned v) { uebergeben.emplace_back(k, v); });

    ReportDoc doc;
    CVDI4650Rechner r(true, &doc);
    Fuelle(r);
    r.wpName = u"Liste-WP";
    ASSERT_TRUE(SchreibeReport(r));
    EXPECT_EQ(uebergeben, (std::vector<std::pair<uint32_t, unsigned>>{{164, 280}}));
    ASSERT_EQ(doc.werte.size(), 36u);
    EXPECT_EQ(doc.werte[34].second.GetStringVal(), u"Liste-WP");  // list mode: the selection
    EXPECT_EQ(doc.reportAufrufe, 1);
    EXPECT_TRUE(app.gesetzteWerte.empty());

    // Without a project the values go to the application; no report is made.
    CVDI4650Rechner allein(false, nullptr);
    Fuelle(allein);
    ASSERT_TRUE(SchreibeReport(allein));
    EXPECT_EQ(app.gesetzteWerte.size(), 36u);
    EXPECT_EQ(uebergeben.size(), 2u);
}

// Each template is UTF-16 with its mark and holds the placeholders of its case: the
// common ones, those of its heat-pump kind and those of its hot-water choice.
TEST(VDI4650Vorlagen, EachTemplateHoldsThePlaceholdersOfItsCase) {
    auto* modul = platform::loadModule(std::filesystem::path(VARM_PROGRAM_DIR) / "Varmtexteng.so");
    ASSERT_NE(modul, nullptr) << platform::lastModuleError();
    using Menge = std::set<int>;
    const Menge gemeinsam = {4, 5, 7, 10, 16, 17, 23, 24, 26, 27, 29, 31, 32, 34, 35};
    const Menge sole = {2, 6, 11, 18}, luft = {1, 2, 3, 8, 13, 14, 15, 19},
                wasser = {3, 6, 9, 12, 18};
    const Menge mitWP = {25, 28}, zweiteWP = {22, 25, 30, 33};
    const struct {
        unsigned id;
        std::vector<Menge> teile;
    } vorlagen[] = {
        {280, {sole, mitWP, {20}}}, {281, {sole, zweiteWP}},    {282, {sole, luft, wasser}},
        {283, {luft, mitWP}},       {284, {luft, zweiteWP}},    {285, {wasser, mitWP, {21}}},
        {286, {wasser, zweiteWP}},  {287, {sole, mitWP, {20}}}, {288, {sole, zweiteWP}},
    };
    for (const auto& v : vorlagen) {
        SCOPED_TRACE(v.id);
        const auto bytes = platform::findResource(modul, u"HTML", v.id);
        ASSERT_TRUE(bytes);
        ASSERT_GE(bytes->size(), 2u);
        EXPECT_EQ(bytes->substr(0, 2), "\xFF\xFE");
        ASSERT_EQ(bytes->size() % 2, 0u);
        std::u16string text;
        for (std::size_t i = 2; i + 1 < bytes->size(); i += 2)
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>((*bytes)[i]) |
                                                 static_cast<unsigned char>((*bytes)[i + 1]) << 8));
        Menge noetig = gemeinsam;
        for (const auto& teil : v.teile) noetig.insert(teil.begin(), teil.end());
        for (int nn : noetig) {
            const std::u16string platzhalter =
                u"#VRM_T" + std::u16string(1, u'0' + nn / 10) + char16_t(u'0' + nn % 10) + u"X#";
            EXPECT_NE(text.find(platzhalter), std::u16string::npos) << nn;
        }
        // No placeholder outside 01..35.
        for (std::size_t pos = text.find(u"#VRM_T"); pos != std::u16string::npos;
             pos = text.find(u"#VRM_T", pos + 1)) {
            const std::u16string nn = text.substr(pos + 6, 2);
            const int n = (nn[0] - u'0') * 10 + (nn[1] - u'0');
            EXPECT_TRUE(n >= 1 && n <= 35 && text.substr(pos + 8, 2) == u"X#") << pos;
        }
    }
    platform::freeModule(modul);
}

}  // namespace
