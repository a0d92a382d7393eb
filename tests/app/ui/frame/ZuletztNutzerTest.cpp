// The recent projects of the Project menu as a user meets them: new projects made through
// File > New, the program ended and started again in the same folder, each item opening
// its own project, an item whose project was deleted leaving the list; the profile file in
// the program folder keeps the list.
#include <gtest/gtest.h>

#include <QAction>
#include <QTreeWidget>

#include "dialogs/DelKompDlg.h"
#include "tests/app/ui/ProgrammFixture.h"

namespace {

constexpr int kErster = 57616, kNeu = 57600, kLoeschen = 32840;

class ZuletztNutzerTest : public programmtest::ProgrammFixture {
  protected:
    // File > New with `name` typed into the prompt.
    void NeuesProjekt(const QString& name) {
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            uitest::type(*ui::child(&d, 1033), name);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        Befehl(kNeu)->trigger();
        uitest::processEvents();
    }
    // The list section of the profile file in the program folder, as lines.
    std::vector<std::u16string> Profil() const {
        std::vector<std::u16string> liste;
        bool drin = false;
        for (const std::u16string& zeile : testsupport::ReadDatabaseLines(ordner.file("varmionEng.ini"))) {
            if (!zeile.empty() && zeile.front() == u'[') {
                drin = QString::fromStdU16String(zeile).compare(QStringLiteral("[Recent File List]"),
                                                                Qt::CaseInsensitive) == 0;
                continue;
            }
            // An emptied slot is no entry.
            if (drin && !zeile.empty() && zeile.back() != u'=') liste.push_back(zeile);
        }
        return liste;
    }
};

TEST_F(ZuletztNutzerTest, VierProjekteUeberDenNeustartJedesUeberSeinenEintrag) {
    Starte();
    // Before any project: the first item stands greyed, the others are not shown.
    ASSERT_NE(Befehl(kErster), nullptr);
    EXPECT_FALSE(Befehl(kErster)->isEnabled());
    EXPECT_TRUE(Befehl(kErster)->isVisible());
    for (int id = kErster + 1; id < kErster + 4; ++id) EXPECT_FALSE(Befehl(id)->isVisible()) << id;

    // Five projects: the newest stands first, the oldest drops out.
    for (const char* name : {"Alt", "Berg", "Cramer", "Dorn & Sohn", "Engel"}) NeuesProjekt(QString::fromUtf8(name));
    const std::vector<std::u16string> profil = {u"file1=Engel", u"file2=Dorn & Sohn", u"file3=Cramer",
                                                u"file4=Berg"};
    const auto klein = [](std::vector<std::u16string> zeilen) {
        for (auto& z : zeilen) z = QString::fromStdU16String(z).toLower().toStdU16String();
        return zeilen;
    };
    EXPECT_EQ(klein(Profil()), klein(profil));

    Neustart();
    EXPECT_EQ(klein(Profil()), klein(profil));
    // A project of the list deleted through Delete components: its item says so and leaves
    // the list.
    uitest::dialogs().expectDialog(CResManager::getLangText(4586), [&](QDialog& d) {
        auto& dlg = static_cast<CDelKompDlg&>(d);
        QTreeWidgetItem* gruppe = dlg.Gruppe(LISTE_PROJEKTE);
        ASSERT_NE(gruppe, nullptr);
        for (int i = 0; i < gruppe->childCount(); ++i)
            if (gruppe->child(i)->text(0) == QStringLiteral("Cramer")) dlg.Baum()->setCurrentItem(gruppe->child(i));
        ASSERT_EQ(dlg.Baum()->currentItem()->text(0), QStringLiteral("Cramer"));
        uitest::dialogs().expectMessageBox(platform::id::YES);
        uitest::click(*ui::child(&dlg, CDelKompDlg::kIdcLoeschen), {5, 5});
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    Befehl(kLoeschen)->trigger();
    uitest::processEvents();
    EXPECT_EQ(Befehl(kErster + 2)->text(), QStringLiteral("&3 Cramer"));
    uitest::dialogs().expectMessageBox(platform::id::OK);
    Befehl(kErster + 2)->trigger();
    uitest::processEvents();
    EXPECT_NE(BoxTexte().back().find(u"Cramer"), std::u16string::npos);
    EXPECT_TRUE(app->Dokumente().empty());
    const std::vector<std::u16string> rest = {u"file1=Engel", u"file2=Dorn & Sohn", u"file3=Berg"};
    EXPECT_EQ(klein(Profil()), klein(rest));
    EXPECT_FALSE(Befehl(kErster + 3)->isVisible());

    struct Fall {
        int befehl;
        const char* text;  // what the menu shows; "&&" is a shown "&"
        const char16_t* projekt;
    };
    // Opening from the list keeps its order, so each item still names its own project.
    const Fall faelle[] = {
        {kErster + 2, "&3 Berg", u"Berg"},
        {kErster, "&1 Engel", u"Engel"},
        {kErster + 1, "&2 Dorn && Sohn", u"Dorn & Sohn"},
    };
    std::size_t offen = 0;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        QAction* eintrag = Befehl(f.befehl);
        ASSERT_NE(eintrag, nullptr);
        EXPECT_TRUE(eintrag->isVisible());
        ASSERT_TRUE(eintrag->isEnabled());
        EXPECT_EQ(eintrag->text(), QString::fromUtf8(f.text));
        eintrag->trigger();
        uitest::processEvents();
        CKelvoDoc* doc = app->GetAktivesKelvoDoc(true);
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->GetPathName(), f.projekt);
        EXPECT_EQ(app->Dokumente().size(), ++offen);
    }
    EXPECT_EQ(klein(Profil()), klein(rest));
}

}  // namespace
