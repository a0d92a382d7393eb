// Deleting the user's own components: the tree of the seven kinds, the delete button only
// for an entry, the deletion that leaves the database file without entry and record, and
// the refusal of an entry that a record still links.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/DelKompDlg.h"
#include "dialogs/KomponentenLoeschung.h"
#include "platform/messagebox/MessageBox.h"
#include "tests/dialogs/DialogFixture.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace {

using dialogtest::Text;
using platform::id::NO;
using platform::id::YES;

// A project with its own house and heat source, and what they link; beside them entries
// that nothing links.
const std::vector<std::u16string> kUser = {
    u"[Projekte]",
    u"Projekt1=Haus Meier",
    u"[Haus Meier]",
    u"Haus=Haus Meier_HausX",
    u"WQuelle=Haus Meier_WQX",
    u"Tarif=Mein Tarif",
    u"WPumpe=Meine WP",
    u"[Häuser]",
    u"Haus1=Haus Meier_HausX",
    u"[Haus Meier_HausX]",
    u"Klimaort=Mein Ort",
    u"[WQuellen]",
    u"WQuelle1=Haus Meier_WQX",
    u"[Haus Meier_WQX]",
    u"KQuelle1=Haus Meier_WQX_(1)",
    u"[Haus Meier_WQX_(1)]",
    u"Bodenart=Lehm",
    u"WQuelleOrt=Mein Bodenort",
    u"[Tarife]",
    u"Tarif1=Mein Tarif",
    u"Tarif2=freier Tarif",
    u"[Mein Tarif]",
    u"Preis1=20",
    u"[freier Tarif]",
    u"Preis1=25",
    u"[WPumpen]",
    u"WPumpe1=Meine WP",
    u"WPumpe2=Alte WP",
    u"[Meine WP]",
    u"WPident=1",
    u"[Alte WP]",
    u"WPident=2",
    u"[BodenArten]",
    u"BodenArt1=Lehm",
    u"BodenArt2=Sand",
    u"[Lehm]",
    u"Dichte=2000",
    u"[Sand]",
    u"Dichte=1800",
    u"[Klimaorte]",
    u"Ort1=Mein Ort",
    u"Ort2=Zweiter Ort",
    u"Ort3=Verborgener Ort",
    u"[Klimadaten]",
    u"Mein Ort=1#2#3#",
    u"Mein OrtANZ=1",
    u"Mein OrtWORT=Mein Wetter",
    u"Zweiter Ort=4#5#6#",
    u"Zweiter OrtANZ=1",
    u"Zweiter OrtNAT=-12",
    u"Verborgener Ort=7#",
    u"[Wetterorte]",
    u"WOrt1=Mein Wetter",
    u"WOrt2=Anderes Wetter",
    u"[Wetterdaten]",
    u"Mein Wetter=1#",
    u"Mein WetterANZ=1",
    u"Anderes Wetter=2#",
    u"Anderes WetterANZ=1",
    u"[Bodenorte]",
    u"BOrt1=Mein Bodenort",
    u"[Bodendaten]",
    u"Mein Bodenort=8#",
    u"Mein BodenortANZ=1",
};
const std::vector<std::u16string> kBibo = {
    u"[BiboInfo]",     u"Version=1.0",      u"[Tarife]",
    u"Standard (bib)", u"[Standard (bib)]", u"Preis1=30",
};

class DelKompDlgTest : public dialogtest::DialogFixture {
  protected:
    void Oeffne() {
        dlg = std::make_unique<CDelKompDlg>(nullptr);
        dlg->createModeless(true);
        uitest::processEvents();
    }
    QTreeWidget& Baum() { return *dlg->Baum(); }
    QWidget& Knopf() { return *ui::child(dlg.get(), CDelKompDlg::kIdcLoeschen); }
    QStringList Namen(TKelvoListID liste) {
        QStringList namen;
        const QTreeWidgetItem* gruppe = dlg->Gruppe(liste);
        for (int i = 0; gruppe && i < gruppe->childCount(); ++i) namen << gruppe->child(i)->text(0);
        return namen;
    }
    QTreeWidgetItem* Eintrag(TKelvoListID liste, const QString& name) {
        QTreeWidgetItem* gruppe = dlg->Gruppe(liste);
        for (int i = 0; gruppe && i < gruppe->childCount(); ++i)
            if (gruppe->child(i)->text(0) == name) return gruppe->child(i);
        return nullptr;
    }
    // Clicks the item as the user does (its group expanded first).
    void Waehle(QTreeWidgetItem* item) {
        ASSERT_NE(item, nullptr);
        if (item->parent()) item->parent()->setExpanded(true);
        Baum().scrollToItem(item);
        uitest::processEvents();
        uitest::click(*Baum().viewport(), Baum().visualItemRect(item).center());
        ASSERT_EQ(Baum().currentItem(), item);
    }
    void Loesche(TKelvoListID liste, const QString& name) {
        Waehle(Eintrag(liste, name));
        uitest::click(Knopf(), {5, 5});
    }

    std::unique_ptr<CDelKompDlg> dlg;
};

TEST_F(DelKompDlgTest, BaumMitSiebenGruppenDerEigenenEintraege) {
    LadeDatenbanken(kUser, kBibo);
    Oeffne();
    ASSERT_EQ(Baum().topLevelItemCount(), 1);
    const QTreeWidgetItem* wurzel = Baum().topLevelItem(0);
    EXPECT_EQ(wurzel->text(0).toStdU16String(), Text(3328));
    EXPECT_TRUE(wurzel->isExpanded());
    QStringList gruppen;
    for (int i = 0; i < wurzel->childCount(); ++i) gruppen << wurzel->child(i)->text(0);
    EXPECT_EQ(gruppen, (QStringList{"Kind of soil", "Ground temperature data", "Climate data",
                                    "Project", "Tariff", "Weather data", "Heat pump"}));
    // Alphabetical without case; the library's tariff is not there; a location not marked
    // usable is left out.
    EXPECT_EQ(Namen(LISTE_TARIFE), (QStringList{"freier Tarif", "Mein Tarif"}));
    EXPECT_EQ(Namen(LISTE_WPUMPEN), (QStringList{"Alte WP", "Meine WP"}));
    EXPECT_EQ(Namen(LISTE_KLIMAORTE), (QStringList{"Mein Ort", "Zweiter Ort"}));
    EXPECT_EQ(Namen(LISTE_PROJEKTE), QStringList{"Haus Meier"});
    EXPECT_EQ(dlg->windowTitle().toStdU16String(), Text(4586));
    EXPECT_EQ(ui::childText(dlg.get(), CDelKompDlg::kIdcLoeschen), Text(4587));
    EXPECT_EQ(ui::childText(dlg.get(), 1), Text(3717));
    Waehle(Eintrag(LISTE_TARIFE, "Mein Tarif"));
    uitest::saveArtifact(*dlg, "delete-components");
}

TEST_F(DelKompDlgTest, LoeschenNurFuerEinenEintrag) {
    LadeDatenbanken({u"[Tarife]", u"Tarif1=Mein Tarif", u"[Mein Tarif]", u"Preis1=20"});
    Oeffne();
    QTreeWidgetItem* wurzel = Baum().topLevelItem(0);
    EXPECT_EQ(Baum().currentItem(), wurzel);
    EXPECT_FALSE(Knopf().isEnabled());
    Waehle(dlg->Gruppe(LISTE_TARIFE));
    EXPECT_FALSE(Knopf().isEnabled());
    Waehle(Eintrag(LISTE_TARIFE, "Mein Tarif"));
    EXPECT_TRUE(Knopf().isEnabled());
    Waehle(wurzel);
    EXPECT_FALSE(Knopf().isEnabled());
}

TEST_F(DelKompDlgTest, LeereBenutzerdatenbankZeigtLeereGruppen) {
    LadeDatenbanken({}, kBibo);
    Oeffne();
    const QTreeWidgetItem* wurzel = Baum().topLevelItem(0);
    ASSERT_EQ(wurzel->childCount(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(wurzel->child(i)->childCount(), 0) << i;
    EXPECT_FALSE(Knopf().isEnabled());
}

TEST_F(DelKompDlgTest, UnbenutzterEintragVerschwindetAusDerDatei) {
    LadeDatenbanken(kUser, kBibo);
    Oeffne();
    // No keeps everything.
    uitest::dialogs().expectMessageBox(NO);
    Loesche(LISTE_TARIFE, "freier Tarif");
    EXPECT_TRUE(UserHatSection(u"freier Tarif"));
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_EQ(BoxTexte()[0], u"Tariff 'freier Tarif'\r\nDelete really ?");
    EXPECT_EQ(uitest::dialogs().boxes()[0].style & 0xFF,
              platform::mb::YESNO | platform::mb::ICONQUESTION);

    const struct {
        TKelvoListID liste;
        const char16_t* name;
        const char16_t* listSection;
        const char16_t* listZeile;
    } faelle[] = {
        {LISTE_TARIFE, u"freier Tarif", u"Tarife", u"Tarif2=freier Tarif"},
        {LISTE_WPUMPEN, u"Alte WP", u"WPumpen", u"WPumpe2=Alte WP"},
        {LISTE_BODENARTEN, u"Sand", u"BodenArten", u"BodenArt2=Sand"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(QString::fromStdU16String(f.name).toStdString());
        ASSERT_TRUE(UserHatSection(f.name));
        uitest::dialogs().expectMessageBox(YES);
        Loesche(f.liste, QString::fromStdU16String(f.name));
        EXPECT_FALSE(UserHatSection(f.name));
        EXPECT_FALSE(UserHat(f.listSection, f.listZeile));
        EXPECT_EQ(Eintrag(f.liste, QString::fromStdU16String(f.name)), nullptr);
    }
    // A location's values go with it from the section of its kind.
    uitest::dialogs().expectMessageBox(YES);
    Loesche(LISTE_KLIMAORTE, "Zweiter Ort");
    EXPECT_FALSE(UserHat(u"Klimaorte", u"Ort2=Zweiter Ort"));
    for (const char16_t* zeile :
         {u"Zweiter Ort=4#5#6#", u"Zweiter OrtANZ=1", u"Zweiter OrtNAT=-12"})
        EXPECT_FALSE(UserHat(u"Klimadaten", zeile));
    EXPECT_TRUE(UserHat(u"Klimadaten", u"Mein OrtWORT=Mein Wetter"));
}

// A location keeps its values as keys in the section of its kind; a record of another kind
// that bears its name (section names compare without case) is not the location's and stays.
TEST_F(DelKompDlgTest, OrtNimmtNurSeineEigenenWerteMit) {
    LadeDatenbanken({u"[Projekte]", u"Projekt1=Meier", u"[Meier]", u"Notiz=mein Haus",
                     u"[Tarife]", u"Tarif1=Nord", u"[Nord]", u"Preis1=20",
                     u"[WPumpen]", u"WPumpe1=Sued", u"[Sued]", u"WPident=1",
                     u"[Klimaorte]", u"Ort1=MEIER", u"[Klimadaten]", u"MEIER=1#2#", u"MEIERANZ=1",
                     u"[Wetterorte]", u"WOrt1=nord", u"[Wetterdaten]", u"nord=3#", u"nordANZ=1",
                     u"[Bodenorte]", u"BOrt1=Sued", u"[Bodendaten]", u"Sued=4#", u"SuedANZ=1"},
                    kBibo);
    Oeffne();
    const struct {
        TKelvoListID liste;
        const char* ort;
        const char16_t* daten;
        const char16_t* zeile;
        const char16_t* fremd;
        const char16_t* fremdeZeile;
    } faelle[] = {
        {LISTE_KLIMAORTE, "MEIER", u"Klimadaten", u"MEIERANZ=1", u"Meier", u"Notiz=mein Haus"},
        {LISTE_WETTERORTE, "nord", u"Wetterdaten", u"nordANZ=1", u"Nord", u"Preis1=20"},
        {LISTE_BODENORTE, "Sued", u"Bodendaten", u"SuedANZ=1", u"Sued", u"WPident=1"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.ort);
        ASSERT_TRUE(UserHat(f.daten, f.zeile));
        uitest::dialogs().expectMessageBox(YES);
        Loesche(f.liste, f.ort);
        EXPECT_FALSE(UserHat(f.daten, f.zeile));
        EXPECT_EQ(Eintrag(f.liste, f.ort), nullptr);
        EXPECT_TRUE(UserHat(f.fremd, f.fremdeZeile));
    }
    EXPECT_TRUE(UserHat(u"Projekte", u"Projekt1=Meier"));
    EXPECT_TRUE(UserHat(u"Tarife", u"Tarif1=Nord"));
    EXPECT_TRUE(UserHat(u"WPumpen", u"WPumpe1=Sued"));
}

TEST_F(DelKompDlgTest, VerwendeterEintragWirdNichtGeloescht) {
    LadeDatenbanken(kUser, kBibo);
    const std::string vorher = UserBytes();
    Oeffne();
    const struct {
        TKelvoListID liste;
        const char* name;
        const char16_t* meldung;
    } faelle[] = {
        {LISTE_TARIFE, "Mein Tarif", u"Tariff 'Mein Tarif' is still used by 'Haus Meier'."},
        {LISTE_WPUMPEN, "Meine WP", u"Heat pump 'Meine WP' is still used by 'Haus Meier'."},
        // Linked by the project's own heat source and house: named by the project.
        {LISTE_BODENARTEN, "Lehm", u"Kind of soil 'Lehm' is still used by 'Haus Meier'."},
        {LISTE_BODENORTE, "Mein Bodenort",
         u"Ground temperature data 'Mein Bodenort' is still used by 'Haus Meier'."},
        {LISTE_KLIMAORTE, "Mein Ort", u"Climate data 'Mein Ort' is still used by 'Haus Meier'."},
        // Linked by a climate location.
        {LISTE_WETTERORTE, "Mein Wetter",
         u"Weather data 'Mein Wetter' is still used by 'Mein Ort'."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        uitest::dialogs().expectMessageBox(platform::id::OK);
        Loesche(f.liste, f.name);
        ASSERT_FALSE(BoxTexte().empty());
        EXPECT_EQ(BoxTexte().back(),
                  std::u16string(f.meldung) + u"\r\nAn entry that is in use cannot be deleted.");
        EXPECT_EQ(uitest::dialogs().boxes().back().style & 0xFF, platform::mb::ICONINFORMATION);
        EXPECT_NE(Eintrag(f.liste, f.name), nullptr);
    }
    EXPECT_EQ(UserBytes(), vorher);
}

TEST_F(DelKompDlgTest, ProjektNimmtSeineEigenenRecordsMitUndGibtSeineKomponentenFrei) {
    LadeDatenbanken(kUser, kBibo);
    Oeffne();
    uitest::dialogs().expectMessageBox(YES);
    Loesche(LISTE_PROJEKTE, "Haus Meier");
    for (const char16_t* section :
         {u"Haus Meier", u"Haus Meier_HausX", u"Haus Meier_WQX", u"Haus Meier_WQX_(1)"})
        EXPECT_FALSE(UserHatSection(section)) << QString::fromStdU16String(section).toStdString();
    EXPECT_FALSE(UserHat(u"Projekte", u"Projekt1=Haus Meier"));
    EXPECT_FALSE(UserHat(u"Häuser", u"Haus1=Haus Meier_HausX"));
    EXPECT_FALSE(UserHat(u"WQuellen", u"WQuelle1=Haus Meier_WQX"));
    // What it only linked stays, and may go now.
    EXPECT_TRUE(UserHatSection(u"Mein Tarif"));
    uitest::dialogs().expectMessageBox(YES);
    Loesche(LISTE_TARIFE, "Mein Tarif");
    EXPECT_FALSE(UserHatSection(u"Mein Tarif"));
}

TEST_F(DelKompDlgTest, HilfeUndSchliessen) {
    LadeDatenbanken({});
    Oeffne();
    uitest::click(*ui::child(dlg.get(), CDelKompDlg::kIdcHilfe), {5, 5});
    ASSERT_EQ(app.hilfeThemen.size(), 1u);
    EXPECT_EQ(app.hilfeThemen[0], u"prjkompdel");
    uitest::click(*ui::child(dlg.get(), 1), {5, 5});
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), 1);
}

}  // namespace
