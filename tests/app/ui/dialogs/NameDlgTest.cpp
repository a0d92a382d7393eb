// The name dialog: what typing and pasting leave of a name, the slash switch, the caption
// and texts of the language table, and the refusal of a name longer than 50 characters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

#include "core/text/ResManager.h"
#include "dialogs/NameDlg.h"
#include "dialogs/NameDlgFilter.h"
#include "resources/ResourceIds.h"
#include "tests/support/Sprachmodul.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/UiTest.h"

namespace {

struct Fall {
    std::u16string eingabe;
    bool schraegstrich;
    std::u16string name;
    std::optional<int> caret;
};

TEST(NameDlgFilterTest, ErsetztUndEntferntWasEinenAbschnittsnamenBricht) {
    const Fall faelle[] = {
        {u"a=b", false, u"a_b", 2},
        {u"Haus Meier", false, u"Haus Meier", std::nullopt},  // a blank stays
        {u"WP 10/12", false, u"WP 10_12", 6},
        {u"WP 10/12", true, u"WP 10/12", std::nullopt},
        {u"a:b\\c", false, u"a_b_c", 4},
        {u"=:\\/", true, u"___/", 3},
        // A pasted line break or tab is dropped.
        {u"Zeile1\r\nZeile2\t!", false, u"Zeile1Zeile2!", 12},
        {u"", false, u"", std::nullopt},
    };
    for (const Fall& f : faelle) {
        const SNamensFilter r = FiltereNamen(f.eingabe, f.schraegstrich);
        EXPECT_EQ(r.name, f.name) << QString::fromStdU16String(f.eingabe).toStdString();
        EXPECT_EQ(r.caret, f.caret) << QString::fromStdU16String(f.eingabe).toStdString();
    }
}

class NameDlgTest : public uitest::Fixture {
  protected:
    NameDlgTest() { CResManager::setLang(IDR_LNG_ENG); }
    QLineEdit* Edit(QDialog& d) { return qobject_cast<QLineEdit*>(ui::child(&d, dialogs::CNameDlg::kIdcName)); }
};

TEST_F(NameDlgTest, GetipptUndEingefuegtMitSchalterUndTexten) {
    struct Eingabe {
        uint32_t schalter;
        QString getippt;
        QString eingefuegt;
        std::u16string name;
    };
    const Eingabe eingaben[] = {
        {0, QStringLiteral("a=b"), {}, u"a_b"},
        {0, QStringLiteral("WP 1/2"), {}, u"WP 1_2"},
        {1, QStringLiteral("WP 1/2"), {}, u"WP 1/2"},
        {0, {}, QStringLiteral("C:\\Haus\nMeier"), u"C__HausMeier"},
    };
    for (const Eingabe& e : eingaben) {
        dialogs::CNameDlg dlg(u"Project name:", e.schalter);
        uitest::dialogs().expectDialog(u"Enter new name", [&](QDialog& d) {
            EXPECT_EQ(qobject_cast<QLabel*>(ui::child(&d, dialogs::CNameDlg::kIdcLabel))->text(),
                      QStringLiteral("Project name:"));
            EXPECT_TRUE(qobject_cast<QLabel*>(ui::child(&d, dialogs::CNameDlg::kIdcHinweis))
                            ->text()
                            .startsWith(QStringLiteral("A name must not have more than 50")));
            EXPECT_FALSE(ui::child(&d, 1)->isEnabled());
            QLineEdit* edit = Edit(d);
            if (!e.getippt.isEmpty()) uitest::type(*edit, e.getippt);
            if (!e.eingefuegt.isEmpty()) {
                QApplication::clipboard()->setText(e.eingefuegt);
                uitest::key(*edit, Qt::Key_V, Qt::ControlModifier);
            }
            EXPECT_TRUE(ui::child(&d, 1)->isEnabled());
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        EXPECT_EQ(dlg.doModal(), 1);
        EXPECT_EQ(dlg.Name(), e.name);
    }
}

TEST_F(NameDlgTest, CaretStehtHinterDemErsetztenZeichen) {
    dialogs::CNameDlg dlg(u"Name:", 0);
    uitest::dialogs().expectDialog(u"", [&](QDialog& d) {
        uitest::type(*Edit(d), QStringLiteral("a="));
        EXPECT_EQ(Edit(d)->text(), QStringLiteral("a_"));
        EXPECT_EQ(Edit(d)->cursorPosition(), 2);
        uitest::type(*Edit(d), QStringLiteral("b"));
        EXPECT_EQ(Edit(d)->text(), QStringLiteral("a_b"));
        uitest::click(*ui::child(&d, 2), {5, 5});
    });
    EXPECT_EQ(dlg.doModal(), 2);
}

TEST_F(NameDlgTest, MehrAlsFuenfzigZeichenWerdenAbgewiesen) {
    dialogs::CNameDlg dlg(u"Name:", 0);
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    d.expectDialog(u"", [&](QDialog& dialog) {
        uitest::type(*Edit(dialog), QString(51, QLatin1Char('x')));
        uitest::click(*ui::child(&dialog, 1), {5, 5});
        // Still open: the name stays for the user to shorten.
        EXPECT_TRUE(dialog.isVisible());
        Edit(dialog)->backspace();
        uitest::click(*ui::child(&dialog, 1), {5, 5});
    });
    EXPECT_EQ(dlg.doModal(), 1);
    EXPECT_EQ(dlg.Name().size(), 50u);
    EXPECT_EQ(d.boxes().at(0).text, u"Please enter no more than 50 characters.");
}

// Blanks alone are no name: OK stays off, and Return does not take them either.
TEST_F(NameDlgTest, NurLeerzeichenSindKeinName) {
    dialogs::CNameDlg dlg(u"Name:", 0);
    uitest::dialogs().expectDialog(u"", [&](QDialog& d) {
        for (const QString& leer : {QStringLiteral("   "), QStringLiteral("\u00a0 ")}) {
            Edit(d)->clear();
            uitest::type(*Edit(d), leer);
            EXPECT_FALSE(ui::child(&d, 1)->isEnabled());
            uitest::key(*Edit(d), Qt::Key_Return);
            EXPECT_TRUE(d.isVisible());
        }
        uitest::type(*Edit(d), QStringLiteral("x"));
        EXPECT_TRUE(ui::child(&d, 1)->isEnabled());
        uitest::click(*ui::child(&d, 1), {5, 5});
    });
    EXPECT_EQ(dlg.doModal(), 1);
    EXPECT_EQ(dlg.Name(), u"\u00a0 x");
}

// The note shows whole, its last line too, in English and in the longer German.
TEST_F(NameDlgTest, BildschirmfotoEnglischUndDeutsch) {
    testsupport::SprachModul deutsch{};
    for (const testsupport::SprachModul& m : testsupport::AusgelieferteSprachModule())
        if (m.tabelle == IDR_LNG_DEU) deutsch = m;
    ASSERT_FALSE(deutsch.datei.empty());
    const std::pair<testsupport::SprachModul, const char*> faelle[] = {
        {testsupport::EnglischesModul(), "name-dialog"}, {deutsch, "name-dialog-de"}};
    for (const auto& [modul, bild] : faelle) {
        ASSERT_TRUE(testsupport::LadeSprache(modul));
        dialogs::CNameDlg dlg(u"Project name:", 0);
        uitest::dialogs().expectDialog(u"", [&](QDialog& d) {
            auto* hinweis = qobject_cast<QLabel*>(ui::child(&d, dialogs::CNameDlg::kIdcHinweis));
            EXPECT_LE(hinweis->heightForWidth(hinweis->width()), hinweis->height()) << bild;
            uitest::type(*Edit(d), QStringLiteral("Haus Meier"));
            uitest::saveArtifact(d, bild);
            uitest::click(*ui::child(&d, 2), {5, 5});
        });
        dlg.doModal();
    }
    testsupport::LadeSprache();
}

}  // namespace
