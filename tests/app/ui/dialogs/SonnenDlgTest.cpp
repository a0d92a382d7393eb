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

// Two locations of the user; the hours of the second are typed, one beyond the range of
// 0 to 400, and the first is chosen: the save is refused with its message, and the second
// location stays shown with what was typed.
TEST_F(SonnenDlgTest, AFailedSaveKeepsTheLocationAndItsHours) {
    Starte();
    const CVRMString erster(u"Sonnenhausen 12345"), zweiter(u"Sonnendorf 12345");
    std::array<float, 12> gespeichert{};
    Dialog([&](CSonnenDlg& d) {
        for (const CVRMString& name : {erster, zweiter}) {
            uitest::dialogs().expectDialog({}, [&](QDialog& n) {
                uitest::type(*ui::child(&n, dialogs::CNameDlg::kIdcName), QString::fromStdU16String(name));
                uitest::click(*ui::child(&n, 1), {5, 5});
            });
            Druecke(d, CSonnenDlg::kIdNeu);
        }
        ASSERT_EQ(d.m_ort, zweiter);
        CVRMdatenProvider2::Get().LeseSonnenMonatsStd(zweiter, gespeichert);
        Tippe(d, CSonnenDlg::kIdMonat[0], "123");
        Tippe(d, CSonnenDlg::kIdMonat[1], "999");
        auto& orte = Element<QComboBox>(d, CSonnenDlg::kIdOrt);
        const int index = orte.findText(QString::fromStdU16String(erster));
        ASSERT_GE(index, 0);
        uitest::dialogs().expectMessageBox(platform::id::OK);  // the range of the month
        orte.setCurrentIndex(index);
        emit orte.activated(index);
        uitest::processEvents();
        EXPECT_EQ(BoxTexte().size(), 1u);
        EXPECT_EQ(d.m_ort, zweiter);
        EXPECT_EQ(orte.currentText(), QString::fromStdU16String(zweiter));
        EXPECT_EQ(Text(d, CSonnenDlg::kIdMonat[0]), QStringLiteral("123"));
        EXPECT_EQ(Text(d, CSonnenDlg::kIdMonat[1]), QStringLiteral("999"));
    });
    std::array<float, 12> stunden{};
    CVRMdatenProvider2::Get().LeseSonnenMonatsStd(zweiter, stunden);
    EXPECT_EQ(stunden, gespeichert);  // nothing of the refused save
}

// With the "conf" switch a library location shows its hours for editing, but the user
// database cannot take them: OK says so in one box naming the location (4328) and the
// dialog stays, nothing written.
TEST_F(SonnenDlgTest, WithConfALibraryLocationIsNotReportedAsSaved) {
    uitest::dialogs().expectDialog(u"Program options",
                                   [](QDialog& dlg) { uitest::click(*ui::child(&dlg, ui::kIdCancel), {5, 5}); });
    Starte(false, {u"-conf"});
    const auto datei = Bytes();
    Dialog([&](CSonnenDlg& d) {
        ASSERT_NE(d.m_ort.find(u"(bib)"), std::u16string::npos);
        ASSERT_TRUE(Element<QWidget>(d, CSonnenDlg::kIdMonat[0]).isVisible());
        Tippe(d, CSonnenDlg::kIdMonat[0], "123");
        ASSERT_EQ(d.m_modified, 1);
        uitest::dialogs().expectMessageBox(platform::id::OK);
        Druecke(d, ui::kIdOk);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.m_modified, 1);
        ASSERT_EQ(BoxTexte().size(), 1u);
        EXPECT_EQ(BoxTexte()[0].find(u"This is a component from the program database."), 0u);
        EXPECT_NE(BoxTexte()[0].find(d.m_ort + u")"), std::u16string::npos);
    });
    EXPECT_EQ(Bytes(), datei);
}

}  // namespace
