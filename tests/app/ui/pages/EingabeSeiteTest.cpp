// The input-page pattern on a small test page in a sheet of the running program: opening
// with the texts of the language table, the change handler, the save sequence with its
// refusals, the question before changes are lost, the library protection, the embedded
// mode and the refusal while a long calculation runs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/KelvoDoc.h"
#include "core/text/ResManager.h"
#include "platform/ui/Colour.h"
#include "tests/app/ui/ProgrammFixture.h"
#include "tests/app/ui/pages/TestEingabeSeite.h"
#include "tests/support/FixtureDatabase.h"

namespace {

using platform::id::CANCEL;
using platform::id::NO;
using platform::id::OK;
using platform::id::YES;
using testsupport::TestEingabeSeite;

std::u16string Text(unsigned id) { return CResManager::getLangText(static_cast<uint16_t>(id)); }

class Dokument : public IDatenSheetDokument {
  public:
    CVRMString GetProjektName() override { return u"Meier"; }
    void KomponenteGeaendert(int kind, const CVRMString& key) override {
        geaendert.emplace_back(kind, key);
    }
    float GetSolarAnteil() override { return 0.0f; }
    std::vector<std::pair<int, CVRMString>> geaendert;
};

// A progress window as a long calculation shows it.
class Fortschritt : public QDialog, public IDlgProgress {
  public:
    void SetRange(int, int) override {}
    void StepIt() override {}
    bool PumpMessages() override { return false; }
    void Close() override { hide(); }
};

class EingabeSeiteTest : public programmtest::ProgrammFixture {
  protected:
    // A project of the user database with its house; the page edits that house.
    CVRMString NeuesHaus() {
        Starte();
        uitest::dialogs().expectDialog(u"Enter new name", [](QDialog& d) {
            uitest::type(*ui::child(&d, 1033), QStringLiteral("Meier"));
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        app->OnFileNew();
        CKelvoDoc* doc = app->GetAktivesKelvoDoc(true);
        EXPECT_NE(doc, nullptr);
        return doc ? doc->Haus().getConsumerName() : CVRMString();
    }
    // The page in a sheet of its own, shown.
    TestEingabeSeite& Seite(const CVRMString& haus, int eingebettet = 0) {
        seite = std::make_unique<TestEingabeSeite>(haus, eingebettet);
        sheet = std::make_unique<CKVSDatenSheet>(u"Daten", nullptr);
        sheet->SetDokument(&dokument);
        sheet->AddDatenPage(seite.get());
        sheet->createModeless(true);
        uitest::processEvents();
        return *seite;
    }
    QLineEdit& Feld(int id) { return *qobject_cast<QLineEdit*>(ui::child(seite.get(), id)); }
    QPushButton& Knopf(int id) { return *qobject_cast<QPushButton*>(ui::child(seite.get(), id)); }
    void Tippe(int id, const QString& text) {
        QLineEdit& feld = Feld(id);
        feld.setFocus();
        feld.selectAll();
        uitest::type(feld, text);
    }
    void Druecke(int id) {
        QPushButton& knopf = Knopf(id);
        uitest::click(knopf, knopf.rect().center());
    }
    // The user database file as it lies on disk; none before it is first written.
    std::optional<std::string> Bytes() const {
        const std::filesystem::path datei(app->GetAktDatenbank().toUtf8());
        if (!std::filesystem::exists(datei)) return std::nullopt;
        return testsupport::ReadFileBytes(datei);
    }
    std::vector<std::u16string> Datei() const {
        return testsupport::ReadDatabaseLines(std::filesystem::path(app->GetAktDatenbank().toUtf8()));
    }

    ~EingabeSeiteTest() override {
        // The page goes before its sheet, both before the program.
        seite.reset();
        sheet.reset();
    }

    Dokument dokument;
    std::unique_ptr<CKVSDatenSheet> sheet;
    std::unique_ptr<TestEingabeSeite> seite;
};

TEST_F(EingabeSeiteTest, OeffnenSetztTexteFarbenUndKnoepfe) {
    const CVRMString haus = NeuesHaus();
    Seite(haus);
    EXPECT_EQ(ui::childText(seite.get(), 1), Text(4378));
    EXPECT_EQ(ui::childText(seite.get(), 2), Text(3717));
    EXPECT_EQ(ui::childText(seite.get(), 57670), Text(5178));
    EXPECT_EQ(ui::childText(seite.get(), TestEingabeSeite::kIdGruppe),
              u" " + Text(TestEingabeSeite::kTextGruppe) + u" ");
    // The table's line breaks are line breaks on the screen.
    const QString erklaerung = QString::fromStdU16String(ui::childText(seite.get(), TestEingabeSeite::kIdErklaerung));
    EXPECT_TRUE(erklaerung.contains(QLatin1Char('\n')));
    EXPECT_FALSE(erklaerung.contains(QStringLiteral("\\n")));
    auto* label = qobject_cast<QLabel*>(ui::child(seite.get(), TestEingabeSeite::kIdErklaerung));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), ui::toQColor(ui::rgb(21, 59, 99)));
    EXPECT_EQ(label->palette().color(QPalette::Window), ui::toQColor(ui::rgb(223, 233, 244)));
    for (int id : {1, 2, 57670}) EXPECT_TRUE(Knopf(id).isVisible()) << id;
    EXPECT_FALSE(Knopf(1).isEnabled());
    // The sheet names the project and the page; its own buttons stay hidden.
    EXPECT_EQ(sheet->windowTitle().toStdU16String(), u"Meier - " + Text(3148));
    for (auto* b : sheet->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(b->isVisible()) << b->text().toStdString();
    EXPECT_EQ(seite->m_modified, 0);
}

// Only the user's changes make the page modified: typing, a click on a check box. What the
// page writes into its fields itself does not.
TEST_F(EingabeSeiteTest, NurEingabenDesNutzersMachenDieSeiteGeaendert) {
    Seite(NeuesHaus());
    seite->FillPageDaten(1);
    EXPECT_EQ(seite->m_modified, 0);
    Tippe(TestEingabeSeite::kIdLast, QStringLiteral("12.5"));
    EXPECT_EQ(seite->m_modified, 1);
    EXPECT_TRUE(Knopf(1).isEnabled());

    seite->m_modified = 0;
    seite->EnableControls();
    auto* box = qobject_cast<QCheckBox*>(ui::child(seite.get(), TestEingabeSeite::kIdFussboden));
    uitest::click(*box, {5, box->height() / 2});
    EXPECT_EQ(seite->m_modified, 1);
    EXPECT_TRUE(Knopf(1).isEnabled());
}

TEST_F(EingabeSeiteTest, SpeichernSchreibtMeldetUndRaeumtAuf) {
    const CVRMString haus = NeuesHaus();
    Seite(haus);
    const auto vorher = Datei();
    Druecke(1);  // disabled: nothing happens
    seite->SaveModifiedData();
    EXPECT_EQ(Datei(), vorher);
    EXPECT_TRUE(seite->schritte.empty());

    Tippe(TestEingabeSeite::kIdName, QStringLiteral("Erika Meier"));
    Tippe(TestEingabeSeite::kIdLast, QStringLiteral("12.5"));
    Druecke(1);
    EXPECT_EQ(Eintrag(haus, u"AdrName"), std::optional<std::u16string>(u"Erika Meier"));
    EXPECT_EQ(Eintrag(haus, u"NormwaermeBedarf"), std::optional<std::u16string>(u"12.500000"));
    EXPECT_EQ(seite->schritte, (std::vector<std::string>{"Pruefe", "Uebernimm", "Nach"}));
    ASSERT_EQ(dokument.geaendert.size(), 1u);
    EXPECT_EQ(dokument.geaendert[0], (std::pair<int, CVRMString>{1, haus}));
    EXPECT_EQ(seite->m_modified, 0);
    EXPECT_FALSE(Knopf(1).isEnabled());
    // Save does not close.
    EXPECT_TRUE(sheet->isVisible());
}

// Every refusal before the values are taken over leaves the file as it was and the page
// modified with the user's entries; a later save of a corrected entry goes through.
TEST_F(EingabeSeiteTest, VerweigertesSpeichernSchreibtNichts) {
    const CVRMString haus = NeuesHaus();
    Seite(haus);
    const auto vorher = Datei();
    struct Fall {
        const char* name;
        QString last;
        bool pruefung, wirft;
        int boxen;  // messages the user sees
        std::vector<std::string> schritte;
    };
    const Fall faelle[] = {
        {"keine Zahl", QStringLiteral("zwoelf"), true, false, 1, {}},
        {"ausserhalb", QStringLiteral("150"), true, false, 1, {}},
        {"Pruefung der Seite", QStringLiteral("12"), false, false, 0, {"Pruefe"}},
        {"Fehler bei der Uebernahme", QStringLiteral("12"), true, true, 1, {"Pruefe", "Uebernimm"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        seite->schritte.clear();
        seite->pruefungGelingt = f.pruefung;
        seite->uebernahmeWirft = f.wirft;
        Tippe(TestEingabeSeite::kIdLast, f.last);
        for (int i = 0; i < f.boxen; ++i) uitest::dialogs().expectMessageBox(OK);
        Druecke(1);
        EXPECT_EQ(seite->schritte, f.schritte);
        EXPECT_EQ(seite->m_modified, 1);
        EXPECT_FALSE(seite->AustauschFehlgeschlagen());
        EXPECT_EQ(Feld(TestEingabeSeite::kIdLast).text(), f.last);
        EXPECT_TRUE(dokument.geaendert.empty());
    }
    EXPECT_EQ(Datei(), vorher);

    seite->pruefungGelingt = true;
    seite->uebernahmeWirft = false;
    Tippe(TestEingabeSeite::kIdLast, QStringLiteral("14"));
    Druecke(1);
    EXPECT_EQ(Eintrag(haus, u"NormwaermeBedarf"), std::optional<std::u16string>(u"14.000000"));
}

// A field that holds no number keeps the user on the page.
TEST_F(EingabeSeiteTest, FalscheEingabeHaeltDieSeite) {
    Seite(NeuesHaus());
    Tippe(TestEingabeSeite::kIdLast, QStringLiteral("x"));
    uitest::dialogs().expectMessageBox(OK);
    EXPECT_FALSE(seite->onKillActive());
    Tippe(TestEingabeSeite::kIdLast, QStringLiteral("8"));
    EXPECT_TRUE(seite->onKillActive());
}

// Close with unsaved changes asks once: Cancel stays with the entries, No restores the
// stored values and closes, Yes saves and closes.
TEST_F(EingabeSeiteTest, SchliessenFragtVorDemVerlust) {
    const CVRMString haus = NeuesHaus();
    Seite(haus);
    const QString gespeichert = Feld(TestEingabeSeite::kIdLast).text();
    struct Fall {
        int antwort;
        bool offen;
        QString feld;
        int modified;
        std::optional<std::u16string> datei;
    };
    const Fall faelle[] = {
        {CANCEL, true, QStringLiteral("33"), 1, std::nullopt},
        {NO, false, gespeichert, 0, std::nullopt},
        {YES, false, QStringLiteral("33"), 0, u"33.000000"},
    };
    const auto vorher = Eintrag(haus, u"NormwaermeBedarf");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.antwort);
        sheet->show();
        Tippe(TestEingabeSeite::kIdLast, QStringLiteral("33"));
        uitest::dialogs().expectMessageBox(f.antwort);
        Druecke(2);
        const auto& box = uitest::dialogs().boxes().back();
        EXPECT_EQ(box.text, Text(3163));
        EXPECT_EQ(box.caption, Text(3148));
        EXPECT_EQ(box.style & (platform::mb::TYPEMASK | platform::mb::ICONMASK), 0x23u);
        EXPECT_EQ(sheet->isVisible(), f.offen);
        EXPECT_EQ(Feld(TestEingabeSeite::kIdLast).text(), f.feld);
        EXPECT_EQ(seite->m_modified, f.modified);
        EXPECT_EQ(Eintrag(haus, u"NormwaermeBedarf"), f.datei ? f.datei : vorher);
    }
    // Unchanged, it closes without a question.
    sheet->show();
    Druecke(2);
    EXPECT_FALSE(sheet->isVisible());
}

TEST_F(EingabeSeiteTest, BibliothekseintragWirdNichtGespeichert) {
    Starte();
    CKelvoDoc* doc = app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
    ASSERT_NE(doc, nullptr);
    const CVRMString haus = doc->Haus().getConsumerName();
    const auto bytes = Bytes();
    Seite(haus);
    Tippe(TestEingabeSeite::kIdLast, QStringLiteral("12"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(1);
    EXPECT_NE(uitest::dialogs().boxes().back().text.find(u"program database"), std::u16string::npos);
    EXPECT_EQ(seite->m_modified, 1);
    EXPECT_EQ(seite->schritte, std::vector<std::string>{"Pruefe"});
    EXPECT_EQ(Bytes(), bytes);
}

// Embedded in the dimensioning wizard a page has no Save and Close, leaves the sheet's
// caption alone and writes nothing; its changes are still reported.
TEST_F(EingabeSeiteTest, EingebettetOhneKnoepfeUndOhneSchreiben) {
    const CVRMString haus = NeuesHaus();
    const auto bytes = Bytes();
    Seite(haus, 1);
    for (int id : {1, 2, 57670}) EXPECT_FALSE(Knopf(id).isVisible()) << id;
    EXPECT_EQ(sheet->windowTitle().toStdU16String(), u"Daten");
    Tippe(TestEingabeSeite::kIdLast, QStringLiteral("12"));
    seite->onOK();
    EXPECT_EQ(seite->m_modified, 0);
    EXPECT_EQ(dokument.geaendert.size(), 1u);
    EXPECT_EQ(Bytes(), bytes);
    // Leaving the wizard does not ask.
    Tippe(TestEingabeSeite::kIdLast, QStringLiteral("13"));
    EXPECT_EQ(seite->CancelModifiedData(0), 1);
}

// What an embedded page took over reaches the file only when the wizard's Finish asks for
// it, and only once.
TEST_F(EingabeSeiteTest, EingebettetSchreibtErstBeimFertigstellen) {
    const CVRMString haus = NeuesHaus();
    const auto bytes = Bytes();
    Seite(haus, 1);
    seite->SchreibeUebernommene();  // nothing taken over yet
    EXPECT_EQ(Bytes(), bytes);
    Tippe(TestEingabeSeite::kIdLast, QStringLiteral("12"));
    seite->onOK();
    EXPECT_EQ(Bytes(), bytes);
    seite->SchreibeUebernommene();
    const auto last = Eintrag(haus, CVRMwerteListe::getKey(ID_NormwaermeBedarf));
    ASSERT_TRUE(last.has_value());
    EXPECT_FLOAT_EQ(QString::fromStdU16String(*last).toFloat(), 12.0f);
    const auto geschrieben = Bytes();
    seite->SchreibeUebernommene();
    EXPECT_EQ(Bytes(), geschrieben);
}

// While a long calculation shows its progress window, a page neither opens nor becomes
// the active one.
TEST_F(EingabeSeiteTest, WaehrendLangerRechnungBleibtDieSeiteZu) {
    const CVRMString haus = NeuesHaus();
    Seite(haus);
    TestEingabeSeite zweite(haus);
    sheet->AddDatenPage(&zweite);
    const std::size_t boxen = uitest::dialogs().boxes().size();
    Fortschritt fortschritt;
    fortschritt.show();
    EXPECT_FALSE(sheet->setActivePage(1));
    EXPECT_EQ(sheet->activeIndex(), 0);
    EXPECT_NE(ui::childText(&zweite, 1), Text(4378));
    // Refused without a box of its own: the progress window tells the user why.
    EXPECT_EQ(uitest::dialogs().boxes().size(), boxen);
    fortschritt.Close();
    EXPECT_TRUE(sheet->setActivePage(1));
    EXPECT_EQ(sheet->activeIndex(), 1);
    EXPECT_EQ(ui::childText(&zweite, 1), Text(4378));
    sheet->removePage(1);
}

}  // namespace
