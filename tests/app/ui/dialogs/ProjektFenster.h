#pragma once
// What the project window's tests share: the real program with its main frame, the active
// project window, projects of the user database with links of the test's choosing, and
// choosing a combo entry as a user does.
#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <utility>
#include <vector>

#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/KelvoDoc.h"
#include "core/db/Global.h"
#include "dialogs/KelvoView1.h"
#include "dialogs/ProjektDlg.h"
#include "model/app/OptionIds.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/ProgrammFixture.h"
#include "tests/app/ui/base/TestDatenPage.h"

namespace projektfenster {

class ProjektFensterTest : public programmtest::ProgrammFixture {
  protected:
    // The window's buttons need their input pages; test pages stand in for them.
    static constexpr int kSeitenArten[] = {0, 1, 2, 3, 4, 8, 9};
    ProjektFensterTest() { MitSeiten(true); }
    ~ProjektFensterTest() override { MitSeiten(false); }
    static void MitSeiten(bool mit) {
        for (int kind : kSeitenArten) {
            if (!mit) {
                RegistriereDatenSeite(kind, {});
                continue;
            }
            RegistriereDatenSeite(kind, [](const SSeitenWunsch& w) {
                return std::unique_ptr<CKVSDatenPage>(std::make_unique<testsupport::TestDatenPage>(w.kind));
            });
        }
    }
    CKelvoView1* AktiverView() {
        QMdiSubWindow* kind = Frame().Arbeitsflaeche()->currentSubWindow();
        return kind ? dynamic_cast<CKelvoView1*>(kind->widget()) : nullptr;
    }
    static QComboBox* Combo(QWidget* w, int id) { return qobject_cast<QComboBox*>(ui::child(w, id)); }
    // Opens `name` in the default (0) or the classic (1) layout.
    CKelvoView1* Oeffne(const CVRMString& name, int klassisch) {
        app->GetOptionsManager().SetLongWert(OPT_CLASSIC, klassisch);
        app->OpenDocumentFile(name);
        return AktiverView();
    }
    void SchliesseAlle() {
        Frame().Arbeitsflaeche()->closeAllSubWindows();
        uitest::processEvents();
    }
    // A project of the user database holding only the given values (key, text).
    void EigenesProjekt(const CVRMString& name,
                        const std::vector<std::pair<std::u16string, std::u16string>>& werte) {
        ASSERT_EQ(app->AddUniqueString(0, name), 1);
        for (const auto& [key, wert] : werte) IGlobal::WriteIniString(name, key, wert, 1);
    }
    // Chooses `name` in the open project choice and presses OK.
    static void Waehle(QDialog& d, const CVRMString& name) {
        auto* box = qobject_cast<QComboBox*>(ui::child(&d, CProjektDlg::kIdcProjekt));
        const int index = box->findText(QString::fromStdU16String(name));
        ASSERT_GE(index, 0);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Selects the combo entry `text` as a user does.
    static void WaehleEintrag(QComboBox& box, const QString& text) {
        const int index = box.findText(text);
        ASSERT_GE(index, 0);
        box.setCurrentIndex(index);
        emit box.activated(index);
    }
};

}  // namespace projektfenster
