// The soil-type edit dialog's logic over real database files: the preselected name, the
// three values written (read back), the question when another soil type is chosen, and
// library soil types that are never written.
#include "dialogs/BodenartDlgEditLogik.h"

#include <gtest/gtest.h>

#include "tests/app/dialogs/StandortFixture.h"

namespace {

using platform::id::NO;
using platform::id::YES;

class BodenartDlgEditLogikTest : public standorttest::StandortFixture {};

TEST_F(BodenartDlgEditLogikTest, VorauswahlSonstDieErsteUndEinFehlenderNameKommtDazu) {
    struct Fall {
        const char16_t* vorauswahl;
        const char16_t* name;
        size_t anzahl;
    };
    const Fall faelle[] = {{u"", u"Lehm_(bib)", 2},
                           {u"Mein Boden", u"Mein Boden", 2},
                           {u"Verschwunden", u"Verschwunden", 3}};
    for (const Fall& f : faelle) {
        CBodenartDlgEditLogik logik(f.vorauswahl);
        logik.Init();
        EXPECT_EQ(logik.m_name, f.name);
        EXPECT_EQ(logik.Arten().size(), f.anzahl);
    }
}

TEST_F(BodenartDlgEditLogikTest, OkSchreibtDieDreiWerte) {
    CBodenartDlgEditLogik logik(u"Mein Boden");
    logik.Init();
    EXPECT_FLOAT_EQ(logik.m_waermeleitzahl, 2.5f);
    EXPECT_FLOAT_EQ(logik.m_spezWaerme, 2.2f);
    EXPECT_FLOAT_EQ(logik.m_dichte, 2000.0f);
    EXPECT_FALSE(logik.Freigabe().nurLesen);
    logik.m_waermeleitzahl = 2.75f;
    logik.m_dichte = 1950.0f;
    logik.SetGeaendert();
    logik.Speichern(true);
    EXPECT_TRUE(userSectionHolds(u"[Mein Boden]", u"Wärmeleitzahl=2.750000"));
    EXPECT_TRUE(userSectionHolds(u"[Mein Boden]", u"SpezWärme=2.200000"));
    EXPECT_TRUE(userSectionHolds(u"[Mein Boden]", u"Dichte=1950.000000"));
    EXPECT_EQ(app.resetAuswertungenAufrufe, 1);
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(BodenartDlgEditLogikTest, AndereBodenartFragtNachDerBisherigen) {
    for (int antwort : {NO, YES}) {
        SCOPED_TRACE(antwort);
        neuLaden();
        const std::string vorher = userBytes();
        CBodenartDlgEditLogik logik(u"Mein Boden");
        logik.Init();
        logik.m_spezWaerme = 1.9f;
        logik.SetGeaendert();
        antworten({antwort});
        logik.ArtGewaehlt(u"Lehm_(bib)");
        EXPECT_EQ(boxTexts(), std::vector<std::u16string>{u"Save changed data for\r\nMein Boden ?"});
        if (antwort == NO) {
            EXPECT_EQ(userBytes(), vorher);
        } else {
            EXPECT_TRUE(userSectionHolds(u"[Mein Boden]", u"SpezWärme=1.900000"));
        }
        EXPECT_EQ(logik.m_name, u"Lehm_(bib)");
        EXPECT_FLOAT_EQ(logik.m_spezWaerme, 2.4f);
        EXPECT_FALSE(logik.IstGeaendert());
    }
}

TEST_F(BodenartDlgEditLogikTest, BibliotheksbodenNurLesbarUndNieGeschrieben) {
    CBodenartDlgEditLogik logik(u"Lehm_(bib)");
    logik.Init();
    EXPECT_TRUE(logik.Freigabe().nurLesen);
    EXPECT_TRUE(logik.Freigabe().okAktiv);
    const std::string vorher = userBytes();
    logik.m_dichte = 1.0f;
    logik.SetGeaendert();
    logik.Speichern(true);
    EXPECT_EQ(userBytes(), vorher);

    // A new soil type starts from the values shown and can be edited.
    logik.ArtGewaehlt(u"Mein Boden");
    logik.ArtGewaehlt(u"Lehm_(bib)");
    app.nameAntworten.push_back(CVRMString(u"Mein Lehm"));
    ASSERT_TRUE(logik.NeueArt());
    EXPECT_EQ(app.addUniqueAufrufe.at(0).first, LISTE_BODENARTEN);
    EXPECT_EQ(logik.m_name, u"Mein Lehm");
    EXPECT_FALSE(logik.Freigabe().nurLesen);
    EXPECT_FLOAT_EQ(logik.m_waermeleitzahl, 1.8f);
    EXPECT_TRUE(userSectionHolds(u"[Mein Lehm]", u"Dichte=2100.000000"));
}

}  // namespace
