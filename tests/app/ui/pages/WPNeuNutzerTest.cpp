// Master data > New heat pump as a user meets it: the name asked in a prompt over the
// master-data sheet, the heat pump shown copied under it into the user database and shown
// on both pages for editing; a project takes it at once, and Delete components removes it
// only while no project uses it. Every state is reached through the windows; the user
// database file is read back.
#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include "core/db/Global.h"
#include "core/text/ResManager.h"
#include "dialogs/DelKompDlg.h"
#include "dialogs/KelvoView1.h"
#include "tests/app/ui/pages/WPSeitenFixture.h"

namespace {

using platform::id::OK;
using platform::id::YES;

constexpr int kWPumpen = 32834, kNeueWP = 32832, kNeuesProjekt = 57600, kKomponentenLoeschen = 32840;
constexpr unsigned kNameVergeben = 3277;  // "Name '%s'\nis already used or not allowed!"

class WPNeuNutzerTest : public wptest::WPSeitenFixture {
  protected:
    // Master data > New heat pump; the prompt gets `name` and OK, or Cancel when `name` is
    // empty. The window that owns the prompt is kept.
    void NeueWP(const QString& name) {
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            besitzer = d.parentWidget() ? d.parentWidget()->window() : nullptr;
            uitest::type(*ui::child(&d, 1033), name);
            uitest::click(*ui::child(&d, name.isEmpty() ? 2 : 1), {5, 5});
        });
        Befehl(kNeueWP)->trigger();
        uitest::processEvents();
    }
    // File > New project with `name` typed into the prompt; its project window.
    CKelvoView1& NeuesProjekt(const QString& name) {
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            uitest::type(*ui::child(&d, 1033), name);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        Befehl(kNeuesProjekt)->trigger();
        uitest::processEvents();
        return *dynamic_cast<CKelvoView1*>(Frame().Arbeitsflaeche()->currentSubWindow()->widget());
    }
    // Whether the user database file's heat-pump list names `name`.
    bool ImListe(const std::u16string& name) const {
        bool drin = false;
        for (const std::u16string& zeile :
             testsupport::ReadDatabaseLines(std::filesystem::path(app->GetAktDatenbank().toUtf8()))) {
            if (!zeile.empty() && zeile.front() == u'[') {
                drin = QString::fromStdU16String(zeile).compare(QStringLiteral("[WPumpen]"), Qt::CaseInsensitive) == 0;
                continue;
            }
            if (drin && zeile.ends_with(u"=" + name)) return true;
        }
        return false;
    }

    QWidget* besitzer = nullptr;
};

// Cancel and a name already in use create nothing; a new name gets a copy of the heat pump
// shown (values and performance records), shown on both pages and saved as typed.
TEST_F(WPNeuNutzerTest, NeueWaermepumpeAusDerGezeigten) {
    Starte();
    Befehl(kWPumpen)->trigger();
    uitest::processEvents();
    ASSERT_TRUE(Stammdaten().isVisible());
    const CVRMString vorlage = WP2().Geladen();
    ASSERT_TRUE(IGlobal::IstBiboName(vorlage));
    const auto zeilen = CVRMdatenProvider2::Get().LeseLeistDatenZeilen(vorlage);
    ASSERT_FALSE(zeilen[0].empty());
    const int kind = CVRMdatenProvider::get().getWerte(vorlage).get(ID_MedienTyp).GetIntVal();

    struct Fall {
        const char* was;
        QString name;
        bool vergeben;  // the name is refused with a message
        bool neu;
    };
    const Fall faelle[] = {
        {"cancelled", QString(), false, false},
        {"a library heat pump's name", QString::fromStdU16String(vorlage), true, false},
        {"a new name", QStringLiteral("Eigene WP"), false, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const auto datei = Bytes();
        if (f.vergeben) uitest::dialogs().expectMessageBox(OK);
        NeueWP(f.name);
        // The prompt belongs to the sheet it was asked from.
        EXPECT_EQ(besitzer, &Stammdaten());
        if (f.vergeben) {
            CVRMString text;
            text.Format(kNameVergeben, vorlage);
            EXPECT_EQ(BoxTexte().back(), text);
        }
        const CVRMString gezeigt = f.neu ? CVRMString(f.name.toStdU16String()) : vorlage;
        EXPECT_EQ(WP2().Geladen(), gezeigt);
        EXPECT_EQ(WP1().Geladen(), gezeigt);
        EXPECT_EQ(Liste(WP2()).currentText().toStdU16String(), gezeigt);
        if (!f.neu) {
            EXPECT_EQ(Bytes(), datei);
        }
    }

    const std::u16string name = u"Eigene WP";
    EXPECT_TRUE(ImListe(name));
    EXPECT_EQ(Eintrag(name, u"MedienTyp"), std::optional(QString::number(kind).toStdU16String()));
    const auto kopiert = LeistDaten(name);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::optional<std::u16string> erwartet =
            zeilen[i].empty() ? std::nullopt : std::optional<std::u16string>(zeilen[i]);
        EXPECT_EQ(kopiert[i], erwartet) << i;
    }
    // Its own: typed and saved without a word about the library.
    const std::size_t boxen = BoxTexte().size();
    Tippe(WP2(), CWP2Page::kIdLeistungSP, QStringLiteral("45"));
    Druecke(WP2(), CWPSeite::kIdSpeichern);
    EXPECT_EQ(WP2().m_modified, 0);
    EXPECT_EQ(BoxTexte().size(), boxen);
    EXPECT_EQ(Eintrag(name, u"LeistungSP"), std::optional<std::u16string>(u"45"));
}

// Two new heat pumps while a project is open: its project window offers them at once and
// takes one; after a restart Delete components refuses the one the project uses and
// deletes the other with its record.
TEST_F(WPNeuNutzerTest, ImProjektGewaehltUndNurUngenutztGeloescht) {
    Starte();
    CKelvoView1* view = &NeuesProjekt(QStringLiteral("Meier"));
    Befehl(kWPumpen)->trigger();
    uitest::processEvents();
    NeueWP(QStringLiteral("WP Genutzt"));
    NeueWP(QStringLiteral("WP Frei"));
    Druecke(WP2(), CWPSeite::kIdSchliessen);

    QComboBox* box = qobject_cast<QComboBox*>(ui::child(view, CKelvoView1::kIdcWPumpe));
    ASSERT_NE(box, nullptr);
    EXPECT_GE(box->findText(QStringLiteral("WP Frei")), 0);
    // The project takes the heat pump typed into its field when the field is left (a
    // project without a heat source only reminds of the power consumption).
    uitest::dialogs().expectMessageBox(OK);
    box->lineEdit()->setText(QStringLiteral("WP Genutzt"));
    QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box->lineEdit(), &weg);
    uitest::processEvents();
    EXPECT_EQ(Eintrag(u"Meier", u"WPumpe"), std::optional<std::u16string>(u"WP Genutzt"));

    Neustart();
    const std::size_t vorher = BoxTexte().size();
    struct Fall {
        const char16_t* name;
        int antwort;  // to the box of the Delete button
        bool bleibt;
    };
    const Fall faelle[] = {{u"WP Genutzt", OK, true}, {u"WP Frei", YES, false}};
    uitest::dialogs().expectDialog(CResManager::getLangText(4586), [&](QDialog& d) {
        auto& dlg = static_cast<CDelKompDlg&>(d);
        QTreeWidgetItem* gruppe = dlg.Gruppe(LISTE_WPUMPEN);
        ASSERT_NE(gruppe, nullptr);
        for (const Fall& f : faelle) {
            QTreeWidgetItem* eintrag = nullptr;
            for (int i = 0; i < gruppe->childCount(); ++i)
                if (gruppe->child(i)->text(0).toStdU16String() == f.name) eintrag = gruppe->child(i);
            ASSERT_NE(eintrag, nullptr);
            dlg.Baum()->setCurrentItem(eintrag);
            uitest::dialogs().expectMessageBox(f.antwort);
            uitest::click(*ui::child(&dlg, CDelKompDlg::kIdcLoeschen), {5, 5});
        }
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    Befehl(kKomponentenLoeschen)->trigger();
    uitest::processEvents();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(QString::fromStdU16String(f.name).toStdString());
        EXPECT_EQ(ImListe(f.name), f.bleibt);
        EXPECT_EQ(Eintrag(f.name, u"MedienTyp").has_value(), f.bleibt);
        EXPECT_EQ(LeistDaten(f.name)[0].has_value(), f.bleibt);
    }
    // The refusal names the project that uses the heat pump.
    ASSERT_GT(BoxTexte().size(), vorher);
    EXPECT_NE(BoxTexte()[vorher].find(u"Meier"), std::u16string::npos);
}

}  // namespace
