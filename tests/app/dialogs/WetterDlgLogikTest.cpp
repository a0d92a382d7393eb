// The weather-location dialog's logic over real database files: the days of a class reach
// the frequencies before another class or a save, the whole record is stored (read back),
// the question before a location is left, and library locations hidden unless "conf".
#include "dialogs/WetterDlgLogik.h"

#include <gtest/gtest.h>

#include <QString>

#include "tests/app/dialogs/StandortFixture.h"

namespace {

using platform::id::NO;
using platform::id::YES;

constexpr const char16_t* kEigenes = u"80 Eigenes Wetter (D)";
constexpr const char16_t* kWuerzburg = u"97 Würzburg (D)_(bib)";

class WetterDlgLogikTest : public standorttest::StandortFixture {
  protected:
    CWetterDlgLogik Wetter(bool conf = false) {
        CWetterDlgLogik logik(false, conf);
        logik.Init();
        return logik;
    }
    // The days typed into the field of the class shown.
    static void tippe(CWetterDlgLogik& logik, float tage) {
        logik.m_tage = tage;
        logik.SetGeaendert();
    }
    // Token `klasse` of the weather record as the user database holds it.
    std::u16string gespeichert(const std::u16string& name, int klasse) {
        const std::u16string reihe = CVRMdatenProvider::get().getWert(name, ID_210).GetStringVal();
        size_t anfang = 0;
        for (int k = 0; k < klasse; ++k) anfang = reihe.find(u'#', anfang) + 1;
        return reihe.substr(anfang, reihe.find(u'#', anfang) - anfang);
    }
};

// A location whose classes cannot be read (the record lost its row) shows the read error
// and stays read-only: the zeros in place of its classes never reach the file.
TEST_F(WetterDlgLogikTest, UnlesbarerOrtZeigtDenFehlerUndBleibtNurLesbar) {
    standorttest::Lines user = standorttest::kUser;
    for (const char16_t* zeile : {u"[Wetterorte]", u"WOrt2=80 Kaputtes Wetter (D)", u"[Wetterdaten]",
                                  u"80 Kaputtes Wetter (D)ANZ=1"})
        user.push_back(zeile);
    neuLaden(user);
    CWetterDlgLogik logik = Wetter();
    const std::string vorher = userBytes();
    ASSERT_TRUE(logik.OrtGewaehlt(u"80 Kaputtes Wetter (D)"));
    ASSERT_EQ(boxTexts().size(), 1u);
    EXPECT_NE(boxTexts()[0].find(u"Required data missing"), std::u16string::npos)
        << QString::fromStdU16String(boxTexts()[0]).toStdString();
    EXPECT_TRUE(logik.Freigabe().nurLesen);
    tippe(logik, 3.0f);
    EXPECT_TRUE(logik.Speichern(true));
    tippe(logik, 3.0f);
    EXPECT_TRUE(logik.Abbrechen([] { return true; }));
    tippe(logik, 3.0f);
    EXPECT_TRUE(logik.OrtGewaehlt(kEigenes));
    EXPECT_EQ(userBytes(), vorher);
    EXPECT_EQ(boxTexts().size(), 1u) << "no question for classes never read";
    // A readable location is editable again.
    EXPECT_FALSE(logik.Freigabe().nurLesen);
}

TEST_F(WetterDlgLogikTest, TageErreichenIhreKlasseVorKlassenwechselUndSpeichern) {
    CWetterDlgLogik logik = Wetter();
    ASSERT_TRUE(logik.OrtGewaehlt(kEigenes));
    EXPECT_EQ(logik.m_klasse, 0);
    logik.KlasseGewaehlt(10);
    EXPECT_FLOAT_EQ(logik.m_tage, 3.0f);  // 10 % 7
    tippe(logik, 5.5f);
    logik.KlasseGewaehlt(11);  // the field was not left: the change still counts for 10
    EXPECT_FLOAT_EQ(logik.m_haeufigkeiten[10], 5.5f);
    EXPECT_FLOAT_EQ(logik.m_tage, 4.0f);
    // Days confirmed with Enter go to OK without leaving the field.
    tippe(logik, 7.25f);
    EXPECT_TRUE(logik.Speichern(true));
    EXPECT_EQ(gespeichert(kEigenes, 10), u"5.50");
    EXPECT_EQ(gespeichert(kEigenes, 11), u"7.25");
    EXPECT_EQ(gespeichert(kEigenes, 12), u"5.00");
    EXPECT_EQ(gespeichert(kEigenes, 62), u"6.00");
    EXPECT_TRUE(userSectionHolds(u"[Wetterdaten]", u"80 Eigenes Wetter (D)ANZ=1"));
    EXPECT_EQ(app.resetAuswertungenAufrufe, 1);
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(WetterDlgLogikTest, VerlassenFragtNeinBehaeltJaSpeichertUnterDemAltenNamen) {
    for (int antwort : {NO, YES}) {
        SCOPED_TRACE(antwort);
        neuLaden();
        const std::string vorher = userBytes();
        CWetterDlgLogik logik = Wetter();
        ASSERT_TRUE(logik.OrtGewaehlt(kEigenes));
        tippe(logik, 9.0f);
        antworten({antwort});
        EXPECT_TRUE(logik.OrtGewaehlt(kWuerzburg));
        EXPECT_EQ(boxTexts(),
                  std::vector<std::u16string>{u"Save changed weather data of 80 Eigenes Wetter (D)?"});
        if (antwort == NO) {
            EXPECT_EQ(userBytes(), vorher);
        } else {
            EXPECT_EQ(gespeichert(kEigenes, 0), u"9.00");
        }
        EXPECT_EQ(logik.m_name, kWuerzburg);
        EXPECT_FALSE(logik.IstGeaendert());
    }
}

// A library location shows no values unless "conf" is on; then it is edited and saved like
// any other (in the library's transformed form).
TEST_F(WetterDlgLogikTest, BibliotheksortNurMitConfSichtbarUndDannSpeicherbar) {
    for (bool conf : {false, true}) {
        SCOPED_TRACE(conf);
        CWetterDlgLogik logik = Wetter(conf);
        EXPECT_EQ(logik.m_name, kWuerzburg);  // first of the list
        EXPECT_EQ(logik.Freigabe().werteSichtbar, conf);
        EXPECT_TRUE(logik.Freigabe().okAktiv);
        // Stored 1..8 at positions 0..7 end at +12 °C: position 7 (8 stored) is 8/2 - 1.
        EXPECT_FLOAT_EQ(logik.m_haeufigkeiten[62], 3.0f);
    }
    CWetterDlgLogik logik = Wetter(true);
    logik.KlasseGewaehlt(62);
    tippe(logik, 4.0f);
    EXPECT_TRUE(logik.Speichern(true));
    std::array<float, 63> gelesen;
    CVRMdatenProvider2::Get().GetTempHaeufigkeiten(kWuerzburg, gelesen, u"97 Würzburg (D) (bib)");
    EXPECT_NEAR(gelesen[62], 4.0f, 0.005f);
    EXPECT_TRUE(userSectionHolds(u"[Wetterdaten]", u"97 Würzburg (D)_(bib)ANZ=1"));
}

TEST_F(WetterDlgLogikTest, LeereOrtslisteOhneNamenOhneKlasseOhneOk) {
    CWetterDlgLogik logik = Wetter();
    ASSERT_TRUE(logik.LandGewaehlt(1));  // Switzerland: no weather location
    EXPECT_TRUE(logik.m_name.empty());
    EXPECT_EQ(logik.m_klasse, -1);
    EXPECT_EQ(logik.m_tage, 0.0f);
    EXPECT_FALSE(logik.Freigabe().okAktiv);
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(WetterDlgLogikTest, NeuerOrtAusVerborgenemBibliotheksortBeginntMitNullen) {
    CWetterDlgLogik logik = Wetter();
    ASSERT_FALSE(logik.Freigabe().werteSichtbar);
    app.nameAntworten.push_back(CVRMString(u"97 Eigener Ort (D)"));
    ASSERT_TRUE(logik.NeuerOrt());
    EXPECT_EQ(app.addUniqueAufrufe.at(0).first, LISTE_WETTERORTE);
    EXPECT_EQ(logik.m_name, u"97 Eigener Ort (D)");
    EXPECT_TRUE(logik.Freigabe().werteSichtbar);
    for (float tage : logik.m_haeufigkeiten) EXPECT_EQ(tage, 0.0f);
    EXPECT_TRUE(userSectionHolds(u"[Wetterdaten]", u"97 Eigener Ort (D)ANZ=1"));
}

}  // namespace
