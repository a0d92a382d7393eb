// The main window of the real program as a newcomer meets it, in every shipped language:
// each menu reachable by keyboard without two entries on one access key, with and without a
// project, and the buttons of the left bar drawn as they work before the mouse has touched
// them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "app/frame/LeftBarBkgnd.h"
#include "controls/buttons/ShadeButtonST.h"
#include "tests/app/ui/ProgrammFixture.h"

namespace {

// The program in English (false) and in German (true).
class MenuProgrammTest : public programmtest::ProgrammFixture, public testing::WithParamInterface<bool> {};

// The access key of a menu text, lower case: the character after a single "&" ("&&" is a
// literal ampersand); 0 when the text has none.
char16_t Zugriffstaste(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower().unicode();
    }
    return 0;
}

// Fails for every two visible entries of one menu, or of the menu bar itself, on one key.
void PruefeTasten(const QList<QAction*>& eintraege, const QString& wo) {
    std::map<char16_t, QString> belegt;
    for (QAction* a : eintraege) {
        if (a->isSeparator() || !a->isVisible()) continue;
        if (QMenu* unter = a->menu()) PruefeTasten(unter->actions(), wo + " > " + a->text());
        const char16_t taste = Zugriffstaste(a->text());
        if (taste == 0) continue;
        const auto [frueher, neu] = belegt.emplace(taste, a->text());
        EXPECT_TRUE(neu) << wo.toStdString() << ": \"" << a->text().toStdString() << "\" and \""
                         << frueher->second.toStdString() << "\"";
    }
}

TEST_P(MenuProgrammTest, NoTwoEntriesOfAMenuShareAnAccessKey) {
    Starte(GetParam());
    PruefeTasten(Frame().menuBar()->actions(), "without a project");
    OeffneUeberMenu(Projekt(u"bib"));
    ASSERT_NE(app->GetAktivesKelvoDoc(true), nullptr);
    PruefeTasten(Frame().menuBar()->actions(), "with a project");
}

// With no project open the bar's buttons take their commands' state from the start: the
// project commands (report among them) are greyed before the mouse has touched them, and a
// mouse passing over a greyed button changes neither its state nor its picture.
TEST_P(MenuProgrammTest, LeftBarButtonsStartInTheirCommandsStateWithoutAProject) {
    Starte(GetParam());
    Frame().show();
    uitest::processEvents();
    for (std::size_t i = 0; i < CLeftBarBkgnd::kAnzahl; ++i) {
        CShadeButtonST* knopf = Frame().LeftBar()->Knopf(i);
        const int befehl = CLeftBarBkgnd::kKnoepfe[i].commandId;
        const bool offen = Frame().Router().state(befehl).enabled;
        EXPECT_EQ(knopf->isEnabled(), offen) << befehl;
        if (offen) continue;
        const QImage vorher = uitest::render(*knopf);
        const QPoint mitte = knopf->rect().center();
        QEnterEvent rein(QPointF(mitte), QPointF(knopf->mapToGlobal(mitte)), QPointF(knopf->mapToGlobal(mitte)));
        QApplication::sendEvent(knopf, &rein);
        uitest::move(*knopf, mitte);
        QEvent raus(QEvent::Leave);
        QApplication::sendEvent(knopf, &raus);
        uitest::processEvents();
        EXPECT_FALSE(knopf->isEnabled()) << befehl;
        EXPECT_EQ(uitest::render(*knopf), vorher) << befehl;
    }
    // Report (the fourth) needs a project; open (the first) and help (the last) do not.
    EXPECT_FALSE(Frame().LeftBar()->Knopf(3)->isEnabled());
    EXPECT_TRUE(Frame().LeftBar()->Knopf(0)->isEnabled());
    EXPECT_TRUE(Frame().LeftBar()->Knopf(7)->isEnabled());
    uitest::saveArtifact(*Frame().LeftBar(), GetParam() ? "leiste_ohne_projekt_de" : "leiste_ohne_projekt_en");
}

INSTANTIATE_TEST_SUITE_P(Sprachen, MenuProgrammTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Deutsch" : "Englisch";
                         });

}  // namespace
