// The about box and the files-and-modules dialog: the program's version, the texts of the
// language, the bindings of the run-time modules, the paths shortened to their place and
// whole in their tooltips, and check boxes that only show.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>

#include "controls/html/PPToolTip.h"
#include "core/text/ResManager.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/DlgModule.h"
#include "model/data/DateiHilfen.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/DialogFixture.h"
#include "tests/support/Sprachmodul.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace {

using dialogtest::Text;

const std::filesystem::path kProgrammDatei =
    std::filesystem::path(VARM_PROGRAM_DIR) / "Varmcore.so";

SModulDaten Daten(bool solar) {
    SModulDaten d;
    d.datenbank = u"/home/planer/Varmion/Daten/varmionDeng.dat";
    d.bibo =
        u"/opt/Varmion/Programm/Bibliothek/eines/sehr/tief/verschachtelten/Ordners/"
        u"mit/langem/Namen/varmionDeng.bib";
    d.biboVersion = u"2.4";
    if (solar) d.solar = {true, u"1.0.0.0"};
    return d;
}

class AboutDlgTest : public dialogtest::DialogFixture {
  protected:
    void TearDown() override {
        CResManager::setLang(IDR_LNG_ENG);
        dialogtest::DialogFixture::TearDown();
    }
    QLabel& Label(QWidget& dlg, int id) { return *qobject_cast<QLabel*>(ui::child(&dlg, id)); }
    QCheckBox& Box(QWidget& dlg, int id) { return *qobject_cast<QCheckBox*>(ui::child(&dlg, id)); }
};

TEST_F(AboutDlgTest, VersionUndTexteDerSprache) {
    CAboutDlg dlg(nullptr, kProgrammDatei, Daten(true));
    dlg.createModeless(true);
    uitest::processEvents();
    CVRMString version;
    GetDateiVersion(version, CVRMString::fromUtf8(kProgrammDatei.string()));
    ASSERT_NE(version, u"0.0.0.0");
    EXPECT_EQ(ui::childText(&dlg, CAboutDlg::kIdcVersion), u"Version " + version);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("About Varmion"));
    EXPECT_EQ(ui::childText(&dlg, CAboutDlg::kIdcUntertitel), Text(3548));
    EXPECT_EQ(ui::childText(&dlg, CAboutDlg::kIdcMehr), Text(4022));
    EXPECT_FALSE(ui::child(&dlg, CAboutDlg::kIdcNetz)->isVisible());
    // The credits: two lines of two columns, each part in a cell of its own.
    const QString dank = QString::fromStdU16String(ui::childText(&dlg, CAboutDlg::kIdcDank));
    EXPECT_EQ(dank.count(QStringLiteral("<tr>")), 2);
    for (const QString& zeile : QString::fromStdU16String(Text(4016)).split(QStringLiteral("\r\n")))
        for (const QString& teil : zeile.split(QLatin1Char('\t')))
            EXPECT_TRUE(
                dank.contains(QStringLiteral(">") + teil.toHtmlEscaped() + QStringLiteral("</td>")))
                << teil.toStdString();
    uitest::saveArtifact(dlg, "about");

    uitest::click(*ui::child(&dlg, CAboutDlg::kIdcHilfe), {5, 5});
    EXPECT_EQ(app.hilfeThemen, std::vector<CVRMString>{u"kontakt"});
    uitest::dialogs().expectDialog(Text(4711), [](QDialog& module) {
        uitest::click(*ui::child(&module, 1), {5, 5});
    });
    uitest::click(*ui::child(&dlg, CAboutDlg::kIdcMehr), {5, 5});
}

TEST_F(AboutDlgTest, AufDeutsch) {
    ASSERT_TRUE(testsupport::LadeSprache({"Varmtext.so", IDR_LNG_DEU}));
    CAboutDlg dlg(nullptr, kProgrammDatei, Daten(true));
    dlg.createModeless(true);
    uitest::processEvents();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Über Varmion"));
    EXPECT_EQ(ui::childText(&dlg, CAboutDlg::kIdcMehr), u"Weitere Informationen");
    uitest::saveArtifact(dlg, "about-de");
}

TEST_F(AboutDlgTest, ModuleNachIhrerBindung) {
    for (bool solar : {true, false}) {
        SCOPED_TRACE(solar);
        CDlgModule dlg(nullptr, Daten(solar));
        dlg.createModeless(true);
        uitest::processEvents();
        EXPECT_EQ(Box(dlg, CDlgModule::kIdcSolar).isChecked(), solar);
        EXPECT_EQ(ui::childText(&dlg, CDlgModule::kIdcSolarVersion), solar ? u"1.0.0.0" : u"");
        EXPECT_FALSE(Box(dlg, CDlgModule::kIdcErdluft).isChecked());
        EXPECT_EQ(ui::childText(&dlg, CDlgModule::kIdcErdluftVersion), u"");
        EXPECT_FALSE(Box(dlg, CDlgModule::kIdcReport).isChecked());
        EXPECT_EQ(ui::childText(&dlg, CDlgModule::kIdcReportVersion), u"");
        EXPECT_EQ(ui::childText(&dlg, CDlgModule::kIdcBiboVersion), u"2.4");
        EXPECT_EQ(Box(dlg, CDlgModule::kIdcSolar).text().toStdU16String(), Text(4717));
        if (solar) uitest::saveArtifact(dlg, "modules");
        // The boxes show a state; a click does not change it.
        for (int id : {CDlgModule::kIdcSolar, CDlgModule::kIdcErdluft}) {
            const bool vorher = Box(dlg, id).isChecked();
            uitest::click(Box(dlg, id), {6, 6});
            EXPECT_EQ(Box(dlg, id).isChecked(), vorher) << id;
        }
    }
}

TEST_F(AboutDlgTest, LangerPfadGekuerztUndGanzImTooltip) {
    CDlgModule dlg(nullptr, Daten(true));
    dlg.createModeless(true);
    uitest::processEvents();
    const SModulDaten d = Daten(true);
    QLabel& kurz = Label(dlg, CDlgModule::kIdcDatenbank);
    QLabel& lang = Label(dlg, CDlgModule::kIdcBibo);
    EXPECT_EQ(kurz.text().toStdU16String(), d.datenbank);
    EXPECT_NE(lang.text().toStdU16String(), d.bibo);
    EXPECT_TRUE(lang.text().contains(QChar(0x2026)));
    EXPECT_TRUE(lang.text().endsWith(QStringLiteral("varmionDeng.bib")));
    EXPECT_LE(lang.fontMetrics().horizontalAdvance(lang.text()), lang.contentsRect().width());

    uitest::clock().reset();
    uitest::move(lang, {20, 5});
    uitest::clock().advance(500);
    ASSERT_TRUE(dlg.TipBibo()->isVisible());
    EXPECT_EQ(dlg.TipBibo()->shownTool().text, d.bibo);
    dlg.TipBibo()->hide();
}

TEST_F(AboutDlgTest, OhneDatenbankDerHinweis) {
    CDlgModule dlg(nullptr, SModulDaten{});
    dlg.createModeless(true);
    uitest::processEvents();
    EXPECT_EQ(Label(dlg, CDlgModule::kIdcDatenbank).text().toStdU16String(), Text(3241));
    EXPECT_EQ(Label(dlg, CDlgModule::kIdcBibo).text().toStdU16String(), Text(3242));
}

}  // namespace
