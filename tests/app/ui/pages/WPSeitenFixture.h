#pragma once
// The real program with the heat-pump pages of its master-data sheet: a heat pump of the
// user database made from a library heat pump of a given kind (the library's own cannot
// be changed), the sheet opened for it as Master data > Heat pumps does, and the grid
// typed into cell by cell.
#include <QApplication>
#include <QComboBox>

#include "app/base/KVSDatenSheet.h"
#include "controls/grid/GridCtrl.h"
#include "core/db/Lists.h"
#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwerteListe.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/heatpump/WPDatenArray.h"
#include "model/heatpump/WPumpe2.h"
#include "pages/WP1Page.h"
#include "pages/WP2Page.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace wptest {

class WPSeitenFixture : public seitentest::SeitenFixture {
  protected:
    // The first library heat pump of `kind` (373).
    CVRMString BiboWPumpe(int kind) {
        CVRMStringArray namen;
        CVRMdatenProvider::get().getListe(namen, LISTE_WPUMPEN, true, nullptr, true);
        for (const CVRMString& n : namen) {
            CWPumpe2 wp;
            CVRMdatenProvider::get().fill(wp, n);
            if (CVRMdatenProvider::get().getWerte(n).get(ID_MedienTyp).GetIntVal() == kind) return n;
        }
        ADD_FAILURE() << "no library heat pump of kind " << kind;
        return {};
    }
    // A user heat pump `name`: the values and records of the library's first one of `kind`,
    // then `aenderung` on its values, written to the user database.
    CVRMString EigeneWPumpe(const CVRMString& name, int kind,
                            const std::function<void(CVRMwerteListe&)>& aenderung = {}) {
        CVRMdatenProvider& store = CVRMdatenProvider::get();
        const CVRMString vorlage = BiboWPumpe(kind);
        {
            // Every value a heat pump has, defaults for those the record lacks.
            CWPumpe2 wp;
            store.fill(wp, vorlage);
        }
        CVRMwerteListe werte(name);
        werte.copy(store.getWerte(vorlage));
        if (aenderung) aenderung(werte);
        store.save(werte, true);
        EXPECT_TRUE(app->AddUniqueString(LISTE_WPUMPEN, name));
        CWPDatenArray saetze(8);
        CVRMdatenProvider2::Get().GetWPLeistDaten(vorlage, saetze, 60);
        CVRMdatenProvider2::Get().SaveWPLeistDaten(name, saetze, true);
        return name;
    }
    // Master data > Heat pumps with `name` chosen, as the menu does it; the data page shown.
    CWP2Page& ZeigeWP(const CVRMString& name) {
        EXPECT_TRUE(app->ZeigeStammdaten(CKVSDatenSheetProtokoll::kWP2, 1, name));
        uitest::processEvents();
        return WP2();
    }
    CKVSDatenSheet& Stammdaten() { return app->GetStammdatenSheet(); }
    CWP2Page& WP2() { return *dynamic_cast<CWP2Page*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kWP2)); }
    CWP1Page& WP1() { return *dynamic_cast<CWP1Page*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kWP1)); }
    CWP1Page& ZeigeWP1() {
        Stammdaten().setActivePage(Stammdaten().indexOf(&WP1()));
        uitest::processEvents();
        return WP1();
    }
    static QComboBox& Liste(QWidget& seite, int id = CWPSeite::kIdListe) { return Element<QComboBox>(seite, id); }
    // Chooses `text` in a drop-down list as the keyboard does: the list has the focus, the
    // keys move to the entry.
    static void Waehle(QWidget& seite, int id, const QString& text) {
        QComboBox& box = Liste(seite, id);
        const int ziel = box.findText(text, Qt::MatchExactly);
        ASSERT_GE(ziel, 0) << text.toStdString();
        box.setFocus();
        while (box.currentIndex() != ziel) {
            const int vorher = box.currentIndex();
            uitest::key(box, vorher < ziel ? Qt::Key_Down : Qt::Key_Up);
            uitest::processEvents();
            if (box.currentIndex() == vorher) break;  // the page refused the step
        }
    }
    // Clicks the cell, types `text` over what it holds and ends the entry with Return; an
    // empty text clears the cell with Delete.
    static void TippeZelle(CGridCtrl& tabelle, int zeile, int spalte, const QString& text) {
        grid::Rect r;
        ASSERT_TRUE(tabelle.GetCellRect(zeile, spalte, &r));
        uitest::click(tabelle, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        uitest::processEvents();
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr);
        if (fokus != &tabelle) {
            // The click opened the cell's editor: its text is selected and typed over.
            uitest::key(*fokus, Qt::Key_Home);
            uitest::key(*fokus, Qt::Key_End, Qt::ShiftModifier);
            if (text.isEmpty()) uitest::key(*fokus, Qt::Key_Delete);
            uitest::type(*fokus, text);
            uitest::key(*fokus, Qt::Key_Return);
        } else if (text.isEmpty()) {
            uitest::key(tabelle, Qt::Key_Delete);
        } else {
            uitest::type(tabelle, text.left(1));
            QWidget* editor = QApplication::focusWidget();
            ASSERT_NE(editor, nullptr);
            ASSERT_NE(editor, &tabelle);
            uitest::type(*editor, text.mid(1));
            uitest::key(*editor, Qt::Key_Return);
        }
        uitest::processEvents();
        ASSERT_EQ(tabelle.GetItemText(zeile, spalte), text.toStdU16String());
    }
    // The data rows of the grid as shown (rows 2 to 9).
    static std::vector<std::vector<std::u16string>> Zeilen(CGridCtrl& tabelle) {
        std::vector<std::vector<std::u16string>> zeilen;
        for (int z = CWP2Page::kErsteDatenZeile; z < tabelle.GetRowCount(); ++z) {
            std::vector<std::u16string> zeile;
            for (int s = 0; s < tabelle.GetColumnCount(); ++s) zeile.push_back(tabelle.GetItemText(z, s));
            zeilen.push_back(zeile);
        }
        return zeilen;
    }
    // The records the user database file holds for the heat pump, read by the model's own
    // record reader, key by key ("LeistDaten0" ...).
    std::vector<std::optional<std::u16string>> LeistDaten(const CVRMString& wp) const {
        std::vector<std::optional<std::u16string>> saetze;
        for (int i = 0; i < 8; ++i)
            saetze.push_back(Eintrag(wp, u"LeistDaten" + QString::number(i).toStdU16String()));
        return saetze;
    }
};

}  // namespace wptest
