// The project window's two layouts as a user sees them at any size of the window: no
// control covers another or leaves the window, texts fit their controls in English and in
// German, the default layout keeps its fields in place and its hint line at the bottom,
// and each layout carries its own button faces and tooltips.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include "controls/buttons/ButtonST.h"
#include "controls/small/Label.h"
#include "platform/ui/DialogTemplate.h"
#include "tests/app/ui/dialogs/ProjektFenster.h"

namespace {

using projektfenster::ProjektFensterTest;
using V = CKelvoView1;

struct SPlatz {
    int id;
    QRect r;
};

std::vector<SPlatz> Plaetze(QWidget& view) {
    std::vector<SPlatz> plaetze;
    for (QObject* o : view.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w->isVisibleTo(&view) && ui::controlId(w) != 0) plaetze.push_back({ui::controlId(w), w->geometry()});
    }
    return plaetze;
}

// The size of the layout's table in pixels.
QSize VorlagenGroesse(const CKelvoView1& view) {
    const ui::DialogTemplate* t = ui::findDialogTemplate(view.IstKlassisch() ? V::kIddKlassisch : V::kIddStandard);
    const ui::Size s = ui::dialogUnitsToPixels(t->du, t->font);
    return {s.cx, s.cy};
}

// Gives the project window about the client size `groesse` through its frame (a frame
// keeps a few pixels above its own least size) and answers the size it got.
QSize SetzeGroesse(CKelvoView1& view, QSize groesse) {
    auto* kind = qobject_cast<QMdiSubWindow*>(view.parentWidget());
    EXPECT_NE(kind, nullptr);
    if (!kind) return view.size();
    if (kind->isMaximized()) kind->showNormal();
    kind->resize(kind->size() + (groesse - view.size()));
    uitest::processEvents();
    EXPECT_LE((view.size() - groesse).height(), 8);
    EXPECT_LE((view.size() - groesse).width(), 8);
    return view.size();
}

// Each line of the text, as wide as the font draws it.
int Breite(const QWidget& w, const QString& text) {
    int breite = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n')))
        breite = std::max(breite, QFontMetrics(w.font()).horizontalAdvance(zeile.trimmed()));
    return breite;
}

// Button captions and labels fit on their controls; a short info wraps at most to the
// lines its label has.
void PruefeTexte(CKelvoView1& view, const std::string& fall) {
    for (QObject* o : view.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isVisibleTo(&view)) continue;
        const int id = ui::controlId(w);
        if (auto* knopf = dynamic_cast<CButtonST*>(w); knopf && !knopf->text().isEmpty())
            EXPECT_LE(Breite(*w, knopf->text()) + 6, w->width()) << fall << " button " << id;
        if (auto* titel = qobject_cast<QLabel*>(w))
            EXPECT_LE(Breite(*w, titel->text()), w->width()) << fall << " caption " << id;
        if (auto* info = dynamic_cast<CLabel*>(w); info && id != V::kIdcHinweis) {
            const QString text = QString::fromStdU16String(info->text());
            const QRect noetig = QFontMetrics(QFont(ui::toQFont(info->fontSpec())))
                                     .boundingRect(QRect(0, 0, w->width(), 10000), Qt::TextWordWrap, text);
            EXPECT_LE(noetig.height(), w->height()) << fall << " info " << id << ": " << text.toStdString();
        }
    }
}

void PruefeUeberlappung(CKelvoView1& view, const std::string& fall) {
    const std::vector<SPlatz> plaetze = Plaetze(view);
    for (std::size_t i = 0; i < plaetze.size(); ++i) {
        EXPECT_TRUE(view.rect().contains(plaetze[i].r)) << fall << " control " << plaetze[i].id << " leaves the window";
        for (std::size_t j = i + 1; j < plaetze.size(); ++j)
            EXPECT_FALSE(plaetze[i].r.intersects(plaetze[j].r))
                << fall << " controls " << plaetze[i].id << " and " << plaetze[j].id << " overlap";
    }
}

class AnordnungTest : public ProjektFensterTest {
  protected:
    // Every sample project in both layouts at the layout's own size, the size of the tests'
    // main window, a large screen, a wide and low and a narrow and high frame: nothing
    // overlaps, and every text fits. The default layout keeps its fields where they are
    // and only its hint line follows the bottom.
    void PruefeAlle(const std::string& sprache) {
        Frame().resize(3000, 2200);
        CVRMStringArray beispiele;
        for (const char16_t* teil : {u"ground probe monovalent", u"ground probe solar", u"air monoenergetic",
                                     u"ground water bivalent"})
            beispiele.push_back(Projekt(teil));
        const std::pair<double, double> faktoren[] = {{1.0, 1.0}, {1.25, 1.45}, {2.4, 1.9}, {2.6, 1.05}, {1.05, 2.2}};
        for (int klassisch : {0, 1}) {
            for (const CVRMString& projekt : beispiele) {
                CKelvoView1* view = Oeffne(projekt, klassisch);
                ASSERT_NE(view, nullptr);
                ASSERT_EQ(view->IstKlassisch(), klassisch == 1);
                const QSize basis = VorlagenGroesse(*view);
                std::vector<SPlatz> anfang;
                for (const auto& [fx, fy] : faktoren) {
                    const QSize groesse = SetzeGroesse(
                        *view, {static_cast<int>(basis.width() * fx), static_cast<int>(basis.height() * fy)});
                    const std::string fall = sprache + (klassisch ? " classic " : " default ") + projekt.toUtf8() +
                                             " at " + std::to_string(groesse.width()) + "x" +
                                             std::to_string(groesse.height());
                    PruefeUeberlappung(*view, fall);
                    PruefeTexte(*view, fall);
                    if (klassisch) continue;
                    const std::vector<SPlatz> plaetze = Plaetze(*view);
                    if (anfang.empty()) anfang = plaetze;
                    ASSERT_EQ(plaetze.size(), anfang.size());
                    for (std::size_t i = 0; i < plaetze.size(); ++i) {
                        if (plaetze[i].id != V::kIdcHinweis)
                            EXPECT_EQ(plaetze[i].r, anfang[i].r) << fall << " control " << plaetze[i].id << " moved";
                        else
                            EXPECT_GE(plaetze[i].r.bottom(), groesse.height() * 95 / 100) << fall;
                    }
                }
                SchliesseAlle();
            }
        }
    }
};

TEST_F(AnordnungTest, EnglischOhneUeberdeckungInJederGroesse) {
    Starte();
    PruefeAlle("English");
}

TEST_F(AnordnungTest, DeutschOhneUeberdeckungInJederGroesse) {
    Starte(true);
    PruefeAlle("German");
    // The classic layout in German, in the main window, for a person to look at.
    Frame().resize(1100, 800);
    Oeffne(Projekt(u"ground probe solar"), 1);
    uitest::saveArtifact(Frame(), "project-window-classic-de");
}

// Default: picture buttons without text but with their tooltips, help as text only over
// the picture; classic: texts, the tooltips of seven buttons, none for cooling, no picture.
TEST_F(ProjektFensterTest, KnopfgesichterUndTooltipsJeAnordnung) {
    Starte();
    struct Knopf {
        int id;
        std::u16string tooltip;
        QString klassischText;
    };
    const Knopf knoepfe[] = {
        {V::kIdcHausDaten, u"Click here to edit building data", QStringLiteral("Building data")},
        {V::kIdcTarifDaten, u"Click here to edit tariff data", QStringLiteral("Tariff data")},
        {V::kIdcWawaDaten, u"Click here to edit hot-water data", QStringLiteral("Hot water\n data")},
        {V::kIdcQuellDaten, u"Click here to edit heat source data", QStringLiteral("Heat source data")},
        {V::kIdcWPumpeDaten, u"Click here to edit heat pump data", QStringLiteral("Heat pump data")},
        {V::kIdcProjektDaten, u"Click here to edit project data", QStringLiteral("Project data")},
        {V::kIdcSolarDaten, u"Click here to edit solar system data", QStringLiteral("Solar data")},
        {V::kIdcKuehlDaten, u"Click here to edit cooling system data", QStringLiteral("Cool")},
    };
    const CVRMString projekt = Projekt(u"ground probe monovalent");
    for (int klassisch : {0, 1}) {
        CKelvoView1* view = Oeffne(projekt, klassisch);
        ASSERT_NE(view, nullptr);
        for (const Knopf& k : knoepfe) {
            auto* knopf = dynamic_cast<CButtonST*>(ui::child(view, k.id));
            ASSERT_NE(knopf, nullptr) << k.id;
            const bool bild = !knopf->bitmap(0).image.isNull() || !knopf->bitmap(1).image.isNull();
            EXPECT_EQ(bild, !klassisch) << k.id;
            EXPECT_EQ(knopf->text().remove(QLatin1Char('\r')), klassisch ? k.klassischText : QString()) << k.id;
            const bool ohneTooltip = klassisch && k.id == V::kIdcKuehlDaten;
            const std::u16string tooltip = knopf->tooltip() ? knopf->tooltip()->text() : u"";
            EXPECT_EQ(tooltip, ohneTooltip ? u"" : k.tooltip) << k.id;
        }
        auto* hilfe = dynamic_cast<CButtonST*>(ui::child(view, V::kIdcHilfe));
        EXPECT_EQ(hilfe->text(), QStringLiteral("Help"));
        EXPECT_EQ(hilfe->isTransparent(), !klassisch);
        EXPECT_EQ(ui::child(view, V::kIdcHinweis) != nullptr, !klassisch);
        SchliesseAlle();
    }
}

}  // namespace
