// A heat-pump page's save whose file cannot be replaced: the heat pump's record, which the
// value store shares with every project that uses it, keeps the stored values; the page
// keeps the typed entry, unsaved, and answering No to the leave question shows the stored
// value again. The file is never touched.
#include <gtest/gtest.h>

#include "core/value/VRMdatenProvider.h"
#include "pages/WP1Page.h"
#include "tests/app/ui/kill/KillLauf.h"
#include "tests/app/ui/pages/WPSeitenFixture.h"

namespace {

class WPRuecknahmeKillTest : public wptest::WPSeitenFixture {};

TEST_F(WPRuecknahmeKillTest, MisslungenesSchreibenLaesstDenSatzGespeichert) {
    Starte();
    const CVRMString name = EigeneWPumpe(u"Eigene Sole", 0, [](CVRMwerteListe& w) {
        w.get(ID_TempDiffVerdampf) = 3.0f;
    });
    ZeigeWP(name);
    CWP1Page& wp1 = ZeigeWP1();
    const auto datei = Bytes();
    const auto gespeichert = Eintrag(name, u"TempDiffVerdampf");
    ASSERT_EQ(gespeichert, std::optional<std::u16string>(u"3.000000"));
    const QString gezeigt = Text(wp1, CWP1Page::kIdVerdampfer);
    Tippe(wp1, CWP1Page::kIdVerdampfer, QStringLiteral("4.5"));
    ASSERT_EQ(wp1.m_modified, 1);
    const std::size_t boxen = uitest::dialogs().boxes().size();
    // "Cannot write <file>: ...", once.
    uitest::dialogs().expectMessageBox(platform::id::OK);
    killpoints::FailRenamesTo(app->GetAktDatenbank().toUtf8());
    Druecke(wp1, CWPSeite::kIdSpeichern);
    killpoints::FailRenamesTo({});
    EXPECT_EQ(uitest::dialogs().boxes().size(), boxen + 1);
    uitest::dialogs().finishTest();
    EXPECT_EQ(Bytes(), datei);
    EXPECT_EQ(Eintrag(name, u"TempDiffVerdampf"), gespeichert);
    const CVRMwert& geteilt = CVRMdatenProvider::get().getWerte(name).get(ID_TempDiffVerdampf);
    EXPECT_EQ(geteilt.GetFloatVal(), 3.0f);
    EXPECT_EQ(geteilt.changed(), 0);
    EXPECT_EQ(wp1.m_modified, 1);
    EXPECT_EQ(Text(wp1, CWP1Page::kIdVerdampfer), QStringLiteral("4.5"));
    // "Save changed heat pump data?" No.
    uitest::dialogs().expectMessageBox(platform::id::NO);
    Druecke(wp1, CWPSeite::kIdSchliessen);
    uitest::dialogs().finishTest();
    EXPECT_EQ(wp1.m_modified, 0);
    EXPECT_EQ(Text(wp1, CWP1Page::kIdVerdampfer), gezeigt);
    EXPECT_EQ(CVRMdatenProvider::get().getWerte(name).get(ID_TempDiffVerdampf).GetFloatVal(), 3.0f);
    EXPECT_EQ(Bytes(), datei);
}

}  // namespace
