// The protocol between the sheet of input pages, its pages and the user: the question
// before changes are lost, closing, finding pages, titles, the wizard's steps and the
// change of heat pump.
#include <gtest/gtest.h>

#include <memory>

#include "app/base/KVSDatenSheet.h"
#include "app/base/VRMDlg.h"
#include "core/text/ResManager.h"
#include "platform/errors/UserException.h"
#include "platform/ui/DialogTemplate.h"
#include "tests/app/ui/base/TestDatenPage.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/Sprachmodul.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

using platform::id::CANCEL;
using platform::id::NO;
using platform::id::OK;
using platform::id::YES;
using testsupport::TestDatenPage;

std::u16string Text(unsigned id) { return CResManager::getLangText(static_cast<uint16_t>(id)); }

// The buttons and the icon of a box; the service adds its own bits beside them.
uint32_t Knoepfe(const platform::MessageBoxRequest& box) {
    return box.style & (platform::mb::TYPEMASK | platform::mb::ICONMASK);
}

class TestDokument : public IDatenSheetDokument {
  public:
    CVRMString GetProjektName() override { return u"Haus Nord"; }
    void KomponenteGeaendert(int kind, const CVRMString& key) override {
        geaendert.emplace_back(kind, key);
    }
    float GetSolarAnteil() override { return 0.25f; }
    std::vector<std::pair<int, CVRMString>> geaendert;
};

class DatenSheetTest : public uitest::Fixture {
  protected:
    DatenSheetTest() { testsupport::LadeSprache(); }
    // Boxes shown so far, by text.
    std::vector<std::u16string> BoxTexte() const {
        std::vector<std::u16string> t;
        for (const auto& b : uitest::dialogs().boxes()) t.push_back(b.text);
        return t;
    }
    testsupport::FakeKelvoApp app;
};

// The user's answer to "save the changes?" decides whether the page may be left and what
// becomes of its changes.
TEST_F(DatenSheetTest, CancelModifiedDataFolgtDerAntwort) {
    struct Fall {
        const char* name;
        int modified, wizard, ask;
        int antwort;  // 0: no question expected
        bool speichernGelingt;
        int ergebnis;
        std::vector<std::string> aufrufe;
        int modifiedDanach;
    };
    const Fall faelle[] = {
        {"unveraendert", 0, 0, 1, 0, true, 1, {}, 0},
        {"wizard ohne Frage behaelt", 1, 1, 0, 0, true, 1, {}, 1},
        {"wizard mit Frage", 1, 1, 1, CANCEL, true, 0, {}, 1},
        {"abbrechen bleibt", 1, 0, 0, CANCEL, true, 0, {}, 1},
        {"nein verwirft", 1, 0, 0, NO, true, 1, {"Fill1", "Enable"}, 0},
        {"ja speichert", 1, 0, 0, YES, true, 1, {"Save"}, 0},
        {"ja, speichern misslingt", 1, 0, 0, YES, false, 0, {"Save"}, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TestDatenPage page(CKVSDatenSheet::kHaus, f.wizard);
        page.m_modified = f.modified;
        page.speichernGelingt = f.speichernGelingt;
        if (f.antwort) uitest::dialogs().expectMessageBox(f.antwort);
        const std::size_t vorher = uitest::dialogs().boxes().size();
        EXPECT_EQ(page.CancelModifiedData(f.ask), f.ergebnis);
        EXPECT_EQ(page.aufrufe, f.aufrufe);
        EXPECT_EQ(page.m_modified, f.modifiedDanach);
        ASSERT_EQ(uitest::dialogs().boxes().size(), vorher + (f.antwort ? 1 : 0));
        if (f.antwort) {
            const auto& box = uitest::dialogs().boxes().back();
            EXPECT_EQ(box.text, Text(page.m_frageTextId));
            EXPECT_EQ(Knoepfe(box), 0x23u);  // yes/no/cancel, question
        }
    }
}

TEST_F(DatenSheetTest, UnbekannteAntwortIstEinFehler) {
    TestDatenPage page(CKVSDatenSheet::kHaus);
    page.m_modified = 1;
    uitest::dialogs().expectMessageBox(OK);  // not a button of the question
    uitest::dialogs().expectMessageBox(OK);  // the error box
    EXPECT_THROW(page.CancelModifiedData(1), platform::UserException);
    EXPECT_NE(BoxTexte().back().find(Text(3162)), std::u16string::npos);
    EXPECT_NE(BoxTexte().back().find(u"CKVSDatenPage::CancelModifiedData"), std::u16string::npos);
    EXPECT_EQ(page.m_modified, 1);
}

TEST_F(DatenSheetTest, LeeresSheetSchliesstSich) {
    CKVSDatenSheet sheet(u"Data", nullptr);
    sheet.createModeless(true);
    EXPECT_EQ(sheet.CanCloseAllPages(), 1);
    EXPECT_FALSE(sheet.isVisible());
}

// The first page that must stay keeps the sheet open and comes to the front; the pages
// after it are not asked.
TEST_F(DatenSheetTest, SchliessenHaeltAnDerErstenSeiteDieBleibt) {
    CKVSDatenSheet sheet(u"Data", nullptr);
    TestDatenPage a(CKVSDatenSheet::kProjekt), b(CKVSDatenSheet::kHaus), c(CKVSDatenSheet::kWW);
    for (auto* p : {&a, &b, &c}) sheet.AddDatenPage(p);
    sheet.createModeless(true);
    b.m_modified = 1;
    c.m_modified = 1;
    uitest::dialogs().expectMessageBox(CANCEL);
    EXPECT_EQ(sheet.CanCloseAllPages(), 0);
    EXPECT_EQ(sheet.activeIndex(), 1);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(uitest::dialogs().boxes().size(), 1u);

    // Discarding the one and saving the other closes it.
    uitest::dialogs().expectMessageBox(NO);
    uitest::dialogs().expectMessageBox(YES);
    EXPECT_EQ(sheet.CanCloseAllPages(), 1);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(c.aufrufe, std::vector<std::string>{"Save"});
}

TEST_F(DatenSheetTest, WizardSeiteMitAenderungSchliesstOhneFrage) {
    CKVSDatenSheet sheet(u"Design", nullptr);
    TestDatenPage a(CKVSDatenSheet::kWP1, 1);
    sheet.AddDatenPage(&a);
    a.m_modified = 1;
    EXPECT_EQ(sheet.CanCloseAllPages(), 1);
    EXPECT_TRUE(uitest::dialogs().boxes().empty());
    EXPECT_EQ(a.m_modified, 1);
}

TEST_F(DatenSheetTest, AbbrechenDerSeiteSchliesstDasSheet) {
    CKVSDatenSheet sheet(u"Data", nullptr);
    TestDatenPage a(CKVSDatenSheet::kHaus);
    sheet.AddDatenPage(&a);
    sheet.createModeless(true);
    a.SchliesseDatenSheet();
    EXPECT_FALSE(sheet.isVisible());

    // A page without a sheet cannot close one: the error is shown, nothing escapes.
    TestDatenPage allein(CKVSDatenSheet::kHaus);
    uitest::dialogs().expectMessageBox(OK);  // the program error
    uitest::dialogs().expectMessageBox(OK);  // "Error when closing data page(s)"
    allein.SchliesseDatenSheet();
    EXPECT_NE(BoxTexte().back().find(Text(3250)), std::u16string::npos);
}

TEST_F(DatenSheetTest, GetPageByIDSuchtNachArtUndUebergehtDieAusgenommene) {
    CKVSDatenSheet sheet(u"Data", nullptr);
    TestDatenPage haus(CKVSDatenSheet::kHaus), wp2a(CKVSDatenSheet::kWP2),
        wp2b(CKVSDatenSheet::kWP2);
    for (auto* p : {&haus, &wp2a, &wp2b}) sheet.AddDatenPage(p);
    EXPECT_EQ(sheet.GetPageByID(3), &wp2a);
    EXPECT_EQ(sheet.GetPageByID(3, &wp2a), &wp2b);
    EXPECT_EQ(sheet.GetPageByID(0, &haus), nullptr);
    EXPECT_EQ(sheet.GetPageByID(8), nullptr);  // a known kind no page has
    EXPECT_TRUE(uitest::dialogs().boxes().empty());

    for (int refused : {6, 7, 11, -1}) {
        SCOPED_TRACE(refused);
        uitest::dialogs().expectMessageBox(OK);
        uitest::dialogs().expectMessageBox(OK);
        EXPECT_EQ(sheet.GetPageByID(refused), nullptr);
        const auto texte = BoxTexte();
        ASSERT_GE(texte.size(), 2u);
        EXPECT_NE(texte[texte.size() - 2].find(Text(3162)), std::u16string::npos);
        EXPECT_NE(texte.back().find(Text(3252)), std::u16string::npos);
        EXPECT_NE(texte.back().find(u"CKVSDatenSheet::GetPageByID"), std::u16string::npos);
    }
}

TEST_F(DatenSheetTest, UpdatesErreichenJedeSeiteUndFehlerWerdenGezeigt) {
    CKVSDatenSheet sheet(u"Data", nullptr);
    TestDatenPage a(CKVSDatenSheet::kHaus), b(CKVSDatenSheet::kWW);
    sheet.AddDatenPage(&a);
    sheet.AddDatenPage(&b);
    sheet.UpdatePageDaten(19);
    EXPECT_EQ(a.aufrufe, std::vector<std::string>{"Update19"});
    EXPECT_EQ(b.aufrufe, std::vector<std::string>{"Update19"});

    EXPECT_EQ(sheet.AnyPageModified(), 0);
    b.m_modified = 1;
    EXPECT_EQ(sheet.AnyPageModified(), 1);

    a.wirftBeiUpdate = true;
    uitest::dialogs().expectMessageBox(OK);
    sheet.UpdatePageDaten(20);
    EXPECT_NE(BoxTexte().back().find(Text(3379)), std::u16string::npos);
    EXPECT_NE(BoxTexte().back().find(u"KVSDatenSheet::UpdatePageDaten"), std::u16string::npos);
}

TEST_F(DatenSheetTest, TitelImWizardUndAusserhalb) {
    CKVSDatenSheet sheet(u"Data", nullptr);
    TestDatenPage normal(CKVSDatenSheet::kHaus, 0, 3193), wizard(CKVSDatenSheet::kWP1, 1);
    sheet.AddDatenPage(&normal);
    sheet.createModeless(false);
    normal.SetPageTitle(u"egal");
    EXPECT_EQ(normal.title(), Text(3193));

    wizard.SetPageTitle(u"Haus Nord");
    EXPECT_EQ(wizard.title(), u"Haus Nord - " + Text(3193) + u" - Standard WP");
}

TEST_F(DatenSheetTest, TitelDesSheetsNenntDasProjekt) {
    TestDokument dok;
    CKVSDatenSheet sheet(u"Data", nullptr);
    TestDatenPage a(CKVSDatenSheet::kHaus);
    a.seitenText = u"Building data";
    sheet.AddDatenPage(&a);
    sheet.createModeless(false);  // entering the page sets the title
    EXPECT_EQ(sheet.windowTitle().toStdU16String(), u"Building data");
    sheet.SetDokument(&dok);
    sheet.SetCaptionFromPage(u"Building data");
    EXPECT_EQ(sheet.windowTitle().toStdU16String(), u"Haus Nord - Building data");

    a.KomponenteGeaendert(2, u"Tarif A");
    ASSERT_EQ(dok.geaendert.size(), 1u);
    EXPECT_EQ(dok.geaendert[0].second, u"Tarif A");
}

// In the wizard a page saves when the user steps on; while it still holds changes the
// user stays on it.
TEST_F(DatenSheetTest, WizardBleibtAufEinerSeiteMitAenderungen) {
    CKVSDatenSheet sheet(u"Design", nullptr);
    sheet.setFlags(ui::PropertySheet::Wizard);
    TestDatenPage a(CKVSDatenSheet::kWP1, 1), b(CKVSDatenSheet::kWQ1, 1);
    sheet.AddDatenPage(&a);
    sheet.AddDatenPage(&b);
    sheet.createModeless(false);
    a.m_modified = 1;
    a.speichernGelingt = false;
    sheet.pressButton(ui::kIdNext);
    EXPECT_EQ(sheet.activeIndex(), 0);
    a.speichernGelingt = true;
    sheet.pressButton(ui::kIdNext);
    EXPECT_EQ(sheet.activeIndex(), 1);
    EXPECT_EQ(a.aufrufe, (std::vector<std::string>{"OK", "OK"}));
}

TEST_F(DatenSheetTest, ChangeWPumpeWaehltAufDerSeiteUndKehrtZurueck) {
    CKVSDatenSheet sheet(u"Data", nullptr);
    TestDatenPage haus(CKVSDatenSheet::kHaus), wp(CKVSDatenSheet::kWP1);
    sheet.AddDatenPage(&haus);
    sheet.AddDatenPage(&wp);
    sheet.createModeless(false);
    ASSERT_EQ(sheet.activeIndex(), 0);
    EXPECT_EQ(sheet.ChangeWPumpe(CKVSDatenSheet::kWP1, u"WP 12"), 7);
    EXPECT_EQ(wp.aufrufe, std::vector<std::string>{"Select:WP 12:1:window"});
    EXPECT_EQ(sheet.activeIndex(), 0);

    // An empty name is refused; the user sees why and the answer is 0.
    uitest::dialogs().expectMessageBox(OK);
    uitest::dialogs().expectMessageBox(OK);
    EXPECT_EQ(sheet.ChangeWPumpe(CKVSDatenSheet::kWP1, u""), 0);
    const auto texte = BoxTexte();
    EXPECT_NE(texte[0].find(Text(3105)), std::u16string::npos);
    EXPECT_NE(texte[1].find(Text(3710)), std::u16string::npos);
}

TEST_F(DatenSheetTest, BibliothekseintraegeSindGeschuetzt) {
    TestDatenPage page(CKVSDatenSheet::kWP1);
    EXPECT_EQ(page.CheckBiboName(u"Meine WP", 0), 1);
    EXPECT_EQ(page.CheckBiboName(u"WP 12 " + Text(3621), 1), 0);
    EXPECT_TRUE(uitest::dialogs().boxes().empty());
    uitest::dialogs().expectMessageBox(OK);
    EXPECT_EQ(page.CheckBiboName(u"WP 12 " + Text(3621), 0), 0);
    EXPECT_NE(BoxTexte().back().find(u"program database"), std::u16string::npos);
    EXPECT_EQ(Knoepfe(uitest::dialogs().boxes().back()), 64u);

    // With the "conf" switch a library entry may be changed; where the database cannot
    // keep it, the database refuses the write itself.
    app.confSchalter = true;
    EXPECT_EQ(page.CheckBiboName(u"WP 12 " + Text(3621), 0), 1);
    EXPECT_EQ(uitest::dialogs().boxes().size(), 1u);
}

TEST_F(DatenSheetTest, HilfeZeigtDasThemaDerAktivenSeite) {
    CKVSDatenSheet sheet(u"Data", nullptr);
    TestDatenPage a(CKVSDatenSheet::kHaus);
    sheet.AddDatenPage(&a);
    sheet.createModeless(true);
    sheet.pressButton(ui::kIdHelp);
    uitest::key(sheet, Qt::Key_F1);
    ASSERT_EQ(app.hilfeThemen.size(), 2u);
    EXPECT_EQ(app.hilfeThemen[0], u"testseite");
}

TEST_F(DatenSheetTest, OkUndAbbrechenNurAusserhalbDesWizards) {
    ui::registerDialogTemplate({9101, {120, 60}, 0, u"", {
        {1, ui::ControlKind::DefButton, {10, 40, 50, 54}, 0, u"OK"},
        {2, ui::ControlKind::Button, {60, 40, 100, 54}, 0, u"Cancel"},
        {1005, ui::ControlKind::Button, {10, 10, 50, 24}, 0, u"More"},
    }});
    for (int wizard : {0, 1}) {
        SCOPED_TRACE(wizard);
        CKVSDatenSheet sheet(u"Data", nullptr);
        TestDatenPage page(CKVSDatenSheet::kHaus, wizard, 3148, 9101);
        sheet.AddDatenPage(&page);
        sheet.createModeless(true);
        page.HideOkCancel(1005);
        for (int id : {1, 2, 1005}) EXPECT_FALSE(ui::child(&page, id)->isVisibleTo(&page));
        page.ShowOkCancel(1005);
        for (int id : {1, 2, 1005}) EXPECT_EQ(ui::child(&page, id)->isVisibleTo(&page), !wizard);
    }
}

TEST_F(DatenSheetTest, BildEinesSheetsMitZweiSeiten) {
    ui::registerDialogTemplate({9102, {220, 110}, 0, u"", {
        {-1, ui::ControlKind::Static, {8, 10, 80, 20}, 0, u"Name:"},
        {1000, ui::ControlKind::Edit, {85, 8, 210, 22}, 0, u"Haus Nord"},
        {-1, ui::ControlKind::Static, {8, 30, 80, 40}, 0, u"Heated area:"},
        {1001, ui::ControlKind::Edit, {85, 28, 150, 42}, 0, u"145.0"},
        {-1, ui::ControlKind::Static, {155, 30, 210, 40}, 0, u"m\u00b2"},
    }});
    CKVSDatenSheet sheet(u"Data", nullptr);
    TestDatenPage a(CKVSDatenSheet::kProjekt, 0, 3385, 9102), b(CKVSDatenSheet::kHaus, 0, 3148, 9102);
    a.seitenText = u"Project data";
    sheet.AddDatenPage(&a);
    sheet.AddDatenPage(&b);
    a.SetPageTitle(u"");
    b.SetPageTitle(u"");
    TestDokument dok;
    sheet.SetDokument(&dok);
    sheet.createModeless(true);
    sheet.resize(480, 300);
    uitest::saveArtifact(sheet, "sheet");
    EXPECT_EQ(sheet.windowTitle().toStdU16String(), u"Haus Nord - Project data");
}

}  // namespace

namespace {

// The sketch dialogs: caption and OK-button text are the program texts given.
TEST_F(DatenSheetTest, VRMDlgSetztTitelUndKnopftext) {
    ui::registerDialogTemplate({9103, {160, 90}, 0, u"?", {
        {-1, ui::ControlKind::Static, {10, 10, 150, 60}, 0, u"(sketch)"},
        {1, ui::ControlKind::DefButton, {55, 68, 105, 82}, 0, u"OK"},
    }});
    const std::u16string titel = Text(5055), knopf = Text(3717);
    uitest::dialogs().expectDialog(titel, [&](QDialog& dlg) {
        EXPECT_EQ(ui::childText(&dlg, 1), knopf);
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    CVRMDlg dlg(9103, titel, knopf);
    EXPECT_EQ(dlg.doModal(), 1);
}

}  // namespace
