// The sunshine dialog in the real program over the shipped library: a library location
// shows no hours, a new location of the user keeps the hours typed for it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "dialogs/NameDlg.h"
#include "dialogs/SonnenDlg.h"
#include "model/data/VRMdatenProvider2.h"
#include "tests/app/ui/pages/SolarFixture.h"

namespace {

class SonnenDlgTest : public solartest::SolarFixture {
  protected:
    void Dialog(const std::function<void(CSonnenDlg&)>& skript) {
        bool gelaufen = false;
        uitest::dialogs().expectDialog(u"Locations with data of hours of bright sunshine", [&](QDialog& d) {
            auto* dlg = dynamic_cast<CSonnenDlg*>(&d);
            ASSERT_NE(dlg, nullptr);
            gelaufen = true;
            skript(*dlg);
            if (d.isVisible()) Druecke(d, ui::kIdCancel);
        });
        CSonnenDlg dlg(app->GetMainFrame());
        dlg.doModal();
        EXPECT_TRUE(gelaufen);
    }
};

TEST_F(SonnenDlgTest, ALibraryLocationShowsNoHours) {
    Starte();
    Dialog([&](CSonnenDlg& d) {
        auto& orte = Element<QComboBox>(d, CSonnenDlg::kIdOrt);
        ASSERT_GT(orte.count(), 0);
        EXPECT_NE(d.m_ort.find(u"(bib)"), std::u16string::npos);
        EXPECT_FALSE(Element<QWidget>(d, CSonnenDlg::kIdMonat[0]).isVisible());
        EXPECT_TRUE(Element<QWidget>(d, CSonnenDlg::kIdHinweis).isVisible());
        EXPECT_TRUE(Element<QWidget>(d, ui::kIdOk).isEnabled());
        uitest::saveArtifact(d, "sunshine");
    });
    EXPECT_TRUE(BoxTexte().empty());
}

TEST_F(SonnenDlgTest, ANewLocationKeepsTheHoursTypedForIt) {
    Starte();
    const CVRMString name(u"Sonnenhausen 12345");
    Dialog([&](CSonnenDlg& d) {
        uitest::dialogs().expectDialog({}, [&](QDialog& n) {
            uitest::type(*ui::child(&n, dialogs::CNameDlg::kIdcName), QString::fromStdU16String(name));
            uitest::click(*ui::child(&n, 1), {5, 5});
        });
        Druecke(d, CSonnenDlg::kIdNeu);
        EXPECT_EQ(d.m_ort, name);
        ASSERT_TRUE(Element<QWidget>(d, CSonnenDlg::kIdMonat[0]).isVisible());
        Tippe(d, CSonnenDlg::kIdMonat[0], "123");
        Tippe(d, CSonnenDlg::kIdMonat[6], "250.5");
        Druecke(d, ui::kIdOk);
        EXPECT_FALSE(d.isVisible());
    });
    std::array<float, 12> stunden{};
    CVRMdatenProvider2::Get().LeseSonnenMonatsStd(name, stunden);
    EXPECT_FLOAT_EQ(stunden[0], 123.0f);
    EXPECT_FLOAT_EQ(stunden[6], 250.5f);
    bool gespeichert = false;
    for (const std::u16string& zeile :
         testsupport::ReadDatabaseLines(std::filesystem::path(app->GetAktDatenbank().toUtf8())))
        gespeichert = gespeichert || QString::fromStdU16String(zeile).contains(u"sonnenhausen", Qt::CaseInsensitive);
    EXPECT_TRUE(gespeichert);
}

}  // namespace
