// A planner's solar project whose heat pump would run longer than the year has hours: the
// house page takes a heat load far above the unit, and the yearly results from the menu
// warn of the running time once, though the calculation before them evaluates the year
// as well (its design test with the solar gains).
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/frame/MainFrame.h"
#include "dialogs/KelvoView1.h"
#include "pages/HausPage.h"
#include "tests/app/ui/pages/SolarFixture.h"

namespace {

using platform::id::OK;

constexpr int kJahresergebnisse = 32853;
constexpr std::u16string_view kLaufzeitJahr = u"greater than the annual available time";

class LaufzeitNutzerTest : public solartest::SolarFixture {
  protected:
    // The copy of the solar sample with a heat source of its own as well (the house page
    // writes the source's location too, which the library's record would refuse), opened
    // by the program started again on its user database.
    CKelvoDoc& MeierMitQuelle() {
        CKelvoDoc& bib = Meier();
        CVRMdatenProvider& store = CVRMdatenProvider::get();
        // A single source keeps its values in the combination's own record.
        CVRMString kombi = u"Solar Meier_WQX";
        EXPECT_EQ(AddNeuesObjekt(2, kombi), 1);
        CVRMwerteListe k;
        k.copy(store.getWerte(bib.ProjektText(ID_WQuelle)));
        k.setName(kombi);
        store.save(k, false);
        CVRMwerteListe p;
        p.copy(store.getWerte(CVRMString(solartest::kMeier)));
        p.setName(CVRMString(solartest::kMeier));
        p.get(ID_WQuelle) = CVRMVariant(kombi);
        store.save(p, true);
        Neustart();
        EXPECT_EQ(dokument->GetWQuelle(1)->getConsumerName(), kombi);
        return *dokument;
    }
    std::vector<std::u16string> BoxTexteAb(size_t ab) const {
        const auto alle = BoxTexte();
        return {alle.begin() + static_cast<std::ptrdiff_t>(std::min(ab, alle.size())), alle.end()};
    }
};

TEST_F(LaufzeitNutzerTest, JahresergebnisseWarnenEinmalVorZuLangerLaufzeit) {
    CKelvoDoc& doc = MeierMitQuelle();
    ASSERT_TRUE(doc.Haus().HatSolarAnlage());

    // The project window's House button, a heat load of 44 kW typed and saved: the 14 kW
    // unit then runs about 7570 hours, more than the tariff's (24 - 6 blocked) x 365 = 6570.
    auto* view = dynamic_cast<CKelvoView1*>(Frame().Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);
    auto& hausKnopf = Element<QWidget>(*view, CKelvoView1::kIdcHausDaten);
    uitest::click(hausKnopf, hausKnopf.rect().center());
    uitest::processEvents();
    auto* seite = dynamic_cast<CHausPage*>(doc.GetSeite(CKelvoDoc::kHausSeite));
    ASSERT_TRUE(seite && seite->isVisible());
    Tippe(*seite, CHausPage::kIdHeizlast, QStringLiteral("44"));
    Druecke(*seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(Datei(solartest::kMeierHaus, u"NormwaermeBedarf"), u"44.000000");
    Druecke(*seite, CEingabeSeite::kIdSchliessen);

    // Results > Yearly results: the design notes of the calculation (its source test repeats
    // with the solar gains and evaluates the year), then the command's own evaluation with
    // the two running-time limits, each box answered OK; then the evaluation dialog.
    const size_t vorher = BoxTexte().size();
    for (int i = 0; i < 4; ++i) uitest::dialogs().expectMessageBox(OK);
    bool gezeigt = false;
    uitest::dialogs().expectDialog(u"Evaluation - " + doc.GetPathName(), [&](QDialog& dlg) {
        gezeigt = true;
        dlg.reject();
    });
    Befehl(kJahresergebnisse)->trigger();
    uitest::processEvents();
    EXPECT_TRUE(gezeigt);
    const auto texte = BoxTexteAb(vorher);
    ASSERT_EQ(texte.size(), 4u);
    EXPECT_NE(texte[0].find(u"Heat output of heat pump"), std::u16string::npos);
    EXPECT_EQ(texte[1], u"Heat source is designed to small");
    EXPECT_EQ(std::count_if(texte.begin(), texte.end(),
                            [](const std::u16string& t) { return t.find(kLaufzeitJahr) != std::u16string::npos; }),
              1);
    EXPECT_NE(texte[3].find(u"greater than 2000 hours"), std::u16string::npos);
}

}  // namespace
