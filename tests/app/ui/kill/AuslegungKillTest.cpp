// The design wizard's Finish is one write of the user database: killed at any of its file
// calls, the user database is the old file or the whole new design byte for byte (the
// source no longer the copied 100 m probe), never half designed.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "app/doc/ProjektAblaufBefehle.h"
#include "pages/DimPage.h"
#include "platform/ui/PropertySheet.h"
#include "tests/app/ui/doc/ProjektAblauf.h"
#include "tests/app/ui/kill/KillLauf.h"

namespace {

using killlauf::Feld;

class AuslegungKillTest : public projektablauf::ProjektAblaufTest {
  protected:
    static void Druecke(QDialog& d, int id) {
        auto* knopf = qobject_cast<QPushButton*>(ui::child(&d, id));
        ASSERT_NE(knopf, nullptr);
        uitest::click(*knopf, {5, 5});
    }
};

TEST_F(AuslegungKillTest, FertigSchreibtDieGanzeAuslegung) {
    Starte();
    // The program's own pages.
    for (int kind : {1, 2, 3, 4, 5, 9}) RegistriereDatenSeite(kind, {});
    CKelvoDoc& doc = EigenesProjekt();
    // The design: the first unit the wizard offers, the source sized for it.
    const auto auslegen = [&] {
        uitest::dialogs().expectDialog(kName, [&](QDialog& dlg) {
            Druecke(dlg, ui::kIdNext);
            auto* kandidaten = qobject_cast<QListWidget*>(ui::child(&dlg, CDimPage::kIdcKandidaten));
            if (!kandidaten || kandidaten->count() < 1) return;
            QListWidgetItem* eintrag = kandidaten->item(0);
            uitest::click(*kandidaten->viewport(), kandidaten->visualItemRect(eintrag).center());
            uitest::dialogs().expectMessageBox(platform::id::OK);
            Druecke(dlg, ui::kIdFinish);
        });
        Befehl(kBefehlDimensionieren)->trigger();
        uitest::processEvents();
        return doc.IstBeschaeftigt() == 0;
    };
    killlauf::KillBeiJedemAufruf(
        app->GetAktDatenbank().toUtf8(), auslegen,
        {{CVRMString(kQuelle1), CVRMwerteListe::getKey(ID_WQuelleLaenge)}},
        {}, [this](const Feld& f) { return Eintrag(f.satz, f.key); });
}

}  // namespace
