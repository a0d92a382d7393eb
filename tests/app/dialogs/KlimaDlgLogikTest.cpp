// The climate and soil-temperature dialog's logic over real database files: what a save
// writes (read back from the user database), the questions before a location is left, the
// library rules of both modes, the refused save that writes nothing, and new locations.
#include "dialogs/KlimaDlgLogik.h"

#include <gtest/gtest.h>

#include <QString>

#include "tests/app/dialogs/StandortFixture.h"

namespace {

using platform::id::NO;
using platform::id::YES;
using standorttest::StandortFixture;

constexpr const char16_t* kWuerzburg = u"97 Würzburg (D) (bib)";
constexpr const char16_t* kMuenchen = u"80 München (D)";

class KlimaDlgLogikTest : public StandortFixture {
  protected:
    CKlimaDlgLogik Klima(bool tovrel = false) {
        CKlimaDlgLogik logik(CKlimaDlgLogik::kKlimaorte, tovrel);
        logik.Init();
        return logik;
    }
    // München chosen, January set to -5 as typed.
    CKlimaDlgLogik MuenchenGeaendert() {
        CKlimaDlgLogik logik = Klima();
        EXPECT_TRUE(logik.OrtGewaehlt(kMuenchen));
        logik.m_monate[0] = -5.0f;
        logik.SetGeaendert();
        return logik;
    }
    static bool lies() { return true; }
};

TEST_F(KlimaDlgLogikTest, ZeigtDieOrteDesVorgabelandesUndDieZuordnungenDesOrtes) {
    CKlimaDlgLogik logik = Klima();
    const COrtsAuswahl& auswahl = logik.Auswahl();
    ASSERT_EQ(auswahl.Laender().size(), 4u);  // the options' three, then "Other locations"
    EXPECT_EQ(auswahl.Laender()[0].name, u"Deutschland");
    EXPECT_EQ(auswahl.Laender()[1].name, u"Schweiz");
    EXPECT_EQ(auswahl.Laender()[3].name, u"Other locations");
    EXPECT_EQ(auswahl.Laender()[3].nummer, 0u);
    EXPECT_EQ(auswahl.Land(), 0);
    EXPECT_EQ(auswahl.Plz(), COrtsAuswahl::kAllePlz);
    EXPECT_EQ(logik.Orte(), (CVRMStringArray{kWuerzburg, kMuenchen}));
    // The first of the list in list order.
    EXPECT_EQ(logik.m_name, kWuerzburg);
    EXPECT_FLOAT_EQ(logik.m_monate[0], 0.5f);
    EXPECT_FLOAT_EQ(logik.m_monate[11], 1.5f);
    EXPECT_FLOAT_EQ(logik.m_normAussenTemp, -12.0f);
    // Weather as stored; ground and sunshine empty: their fallbacks.
    using Z = CKlimaDlgLogik;
    EXPECT_EQ(logik.ZuordnungsListe(Z::kWetterort).GetAt(logik.m_zuordnung[Z::kWetterort]),
              u"97 Würzburg (D)_(bib)");
    EXPECT_EQ(logik.ZuordnungsListe(Z::kBodenort).GetAt(logik.m_zuordnung[Z::kBodenort]),
              u"<calculated from climate>");
    EXPECT_EQ(logik.ZuordnungsListe(Z::kSonnenort).GetAt(logik.m_zuordnung[Z::kSonnenort]),
              u"StandardS_(IRL)_(bib)");
    EXPECT_FALSE(logik.IstGeaendert());

    // A region narrows the list by the first digit of the name; the assignments stay.
    ASSERT_TRUE(logik.PlzGewaehlt(8));
    EXPECT_EQ(logik.Orte(), CVRMStringArray{kMuenchen});
    EXPECT_EQ(logik.m_name, kMuenchen);
    EXPECT_FLOAT_EQ(logik.m_normAussenTemp, -16.0f);
    EXPECT_TRUE(boxTexts().empty());
}

// The record is written whole or not at all: a missing assignment refuses before the first
// value, from OK and from Cancel's Yes alike, and the dialog stays open.
TEST_F(KlimaDlgLogikTest, FehlendeZuordnungSchreibtNichtsUndLaesstDenDialogOffen) {
    CKlimaDlgLogik logik = MuenchenGeaendert();
    EXPECT_EQ(logik.m_zuordnung[CKlimaDlgLogik::kWetterort], -1);
    const std::string vorher = userBytes();

    EXPECT_FALSE(logik.Speichern(true));
    antworten({YES});
    EXPECT_FALSE(logik.Abbrechen(lies));
    EXPECT_EQ(boxTexts(), (std::vector<std::u16string>{
                              u"No associated weather, ground or sunshine data selected!",
                              u"Save changes of 80 München (D)?",
                              u"No associated weather, ground or sunshine data selected!"}));
    EXPECT_EQ(userBytes(), vorher);
    EXPECT_TRUE(logik.IstGeaendert());
    EXPECT_EQ(app.resetAuswertungenAufrufe, 0);

    // With a weather location chosen the whole record goes out; the sunshine location of
    // another country that the hidden box cannot offer is kept.
    logik.m_zuordnung[CKlimaDlgLogik::kWetterort] = 0;
    EXPECT_TRUE(logik.Speichern(true));
    EXPECT_FALSE(logik.IstGeaendert());
    EXPECT_EQ(app.resetAuswertungenAufrufe, 1);
    const std::u16string s = u"[Klimadaten]";
    EXPECT_TRUE(userSectionHolds(
        s, u"80 München (D)=-5.0#-0.4#3.6#7.6#12.0#15.4#17.3#16.8#13.4#8.4#2.9#-0.8#"));
    EXPECT_TRUE(userSectionHolds(s, u"80 München (D)NAT=-16.000000"));
    EXPECT_TRUE(userSectionHolds(s, u"80 München (D)WORT=97 Würzburg (D)_(bib)"));
    EXPECT_TRUE(userSectionHolds(s, u"80 München (D)BORT=<calculated from climate>"));
    EXPECT_TRUE(userSectionHolds(s, u"80 München (D)SORT=Wien (A)_(bib)"));
    EXPECT_TRUE(userSectionHolds(s, u"80 München (D)ANZ=1"));
}

// Leaving a changed location by any box asks once, naming the location left; Yes stores
// what was shown under that name, No keeps the stored values, and the new choice is shown.
TEST_F(KlimaDlgLogikTest, VerlassenFragtUndSpeichertUnterDemAltenNamen) {
    enum Weg { Ort, Land, Plz };
    for (Weg weg : {Ort, Land, Plz}) {
        for (int antwort : {YES, NO}) {
            SCOPED_TRACE(testing::Message() << weg << " " << antwort);
            neuLaden();
            const std::string vorher = userBytes();
            CKlimaDlgLogik logik = MuenchenGeaendert();
            logik.m_zuordnung[CKlimaDlgLogik::kWetterort] = 0;
            antworten({antwort});
            const bool weiter = weg == Ort    ? logik.OrtGewaehlt(kWuerzburg)
                                : weg == Land ? logik.LandGewaehlt(1)
                                              : logik.PlzGewaehlt(9);
            EXPECT_TRUE(weiter);
            EXPECT_EQ(boxTexts(), std::vector<std::u16string>{u"Save changes of 80 München (D)?"});
            EXPECT_EQ(boxes.shown.at(0).caption, u"Varmion");
            EXPECT_EQ(boxes.shown.at(0).style & (platform::mb::TYPEMASK | platform::mb::ICONMASK),
                      platform::mb::YESNO | platform::mb::ICONQUESTION);
            const bool gespeichert = userSectionHolds(
                u"[Klimadaten]",
                u"80 München (D)=-5.0#-0.4#3.6#7.6#12.0#15.4#17.3#16.8#13.4#8.4#2.9#-0.8#");
            EXPECT_EQ(gespeichert, antwort == YES);
            if (antwort == NO) {
                EXPECT_EQ(userBytes(), vorher);
            }
            EXPECT_EQ(logik.m_name, weg == Land ? u"Bern (CH) (bib)" : kWuerzburg);
            EXPECT_FALSE(logik.IstGeaendert());
        }
    }
}

TEST_F(KlimaDlgLogikTest, AbbrechenFragtEinmalUndNeinSchliesstOhneZuSchreiben) {
    CKlimaDlgLogik logik = MuenchenGeaendert();
    logik.m_zuordnung[CKlimaDlgLogik::kWetterort] = 0;
    const std::string vorher = userBytes();
    int gelesen = 0;
    const auto lesen = [&] {
        ++gelesen;
        return true;
    };
    antworten({NO});
    EXPECT_TRUE(logik.Abbrechen(lesen));
    EXPECT_EQ(gelesen, 0);  // entries that are thrown away are not checked
    EXPECT_EQ(userBytes(), vorher);

    antworten({YES});
    EXPECT_TRUE(logik.Abbrechen(lesen));
    EXPECT_EQ(gelesen, 1);
    EXPECT_TRUE(userSectionHolds(u"[Klimadaten]", u"80 München (D)WORT=97 Würzburg (D)_(bib)"));
    EXPECT_EQ(boxTexts().size(), 2u);

    // A refused entry keeps the dialog open without writing.
    logik.SetGeaendert();
    antworten({YES});
    const std::string danach = userBytes();
    EXPECT_FALSE(logik.Abbrechen([] { return false; }));
    EXPECT_EQ(userBytes(), danach);
}

TEST_F(KlimaDlgLogikTest, Modus2SchreibtBodentemperaturenMitEinerNachkommastelle) {
    CKlimaDlgLogik logik(CKlimaDlgLogik::kBodentemperaturen, false);
    logik.Init();
    EXPECT_EQ(logik.Orte(), CVRMStringArray{u"80 Garten (D)"});
    EXPECT_EQ(logik.m_name, u"80 Garten (D)");
    EXPECT_FLOAT_EQ(logik.m_monate[6], 12.5f);
    logik.m_monate[6] = 12.26f;
    logik.m_monate[0] = -0.04f;
    logik.SetGeaendert();
    EXPECT_TRUE(logik.Speichern(true));
    EXPECT_TRUE(userSectionHolds(
        u"[Bodendaten]", u"80 Garten (D)=-0.0#2.5#4.0#6.0#8.5#11.0#12.3#13.0#12.0#9.5#6.5#3.5#"));
    EXPECT_TRUE(userSectionHolds(u"[Bodendaten]", u"80 Garten (D)ANZ=1"));
    EXPECT_TRUE(boxTexts().empty());
}

// Library records are read-only in mode 1; in mode 2 their values are not even shown
// unless "tovrel" is set; a user record is editable. Nothing is written for a library
// record whatever the members say.
TEST_F(KlimaDlgLogikTest, BibliothekNurLesbarImModus2OhneTovrelVerborgen) {
    struct Fall {
        unsigned short modus;
        bool tovrel;
        int land;  // 0 Germany, 3 other locations
        const char16_t* ort;
        bool nurLesen, sichtbar, hinweis;
    };
    const Fall faelle[] = {
        {CKlimaDlgLogik::kKlimaorte, false, 0, kWuerzburg, true, true, true},
        {CKlimaDlgLogik::kKlimaorte, true, 0, kWuerzburg, true, true, true},
        {CKlimaDlgLogik::kKlimaorte, false, 0, kMuenchen, false, true, false},
        {CKlimaDlgLogik::kBodentemperaturen, false, 3, u"StandardG_(bib)", true, false, false},
        {CKlimaDlgLogik::kBodentemperaturen, true, 3, u"StandardG_(bib)", true, true, true},
        {CKlimaDlgLogik::kBodentemperaturen, false, 0, u"80 Garten (D)", false, true, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(CVRMString(f.ort).toUtf8() + (f.tovrel ? " tovrel" : ""));
        CKlimaDlgLogik logik(f.modus, f.tovrel);
        logik.Init();
        ASSERT_TRUE(logik.LandGewaehlt(f.land));
        ASSERT_TRUE(logik.OrtGewaehlt(f.ort));
        const CKlimaDlgLogik::SFreigabe frei = logik.Freigabe();
        EXPECT_EQ(frei.nurLesen, f.nurLesen);
        EXPECT_EQ(frei.werteSichtbar, f.sichtbar);
        EXPECT_EQ(frei.nurLesenHinweis, f.hinweis);
        EXPECT_TRUE(frei.okAktiv);
        if (!f.nurLesen) continue;
        const std::string vorher = userBytes();
        logik.SetGeaendert();
        EXPECT_TRUE(logik.Speichern(true));
        EXPECT_EQ(userBytes(), vorher);
    }
    // The standard ground record takes its sine from the default climate location.
    CKlimaDlgLogik logik(CKlimaDlgLogik::kBodentemperaturen, true);
    logik.Init();
    logik.LandGewaehlt(3);
    const std::array<float, 12> wuerzburg{0.5f, 1.5f, 5, 9, 13.5f, 16.5f, 18.5f, 18, 14.5f, 9.5f, 4.5f, 1.5f};
    std::array<float, 12> sinus;
    CVRMdatenProvider2::SinusJahresgang(wuerzburg, sinus);
    EXPECT_EQ(logik.m_monate, sinus);
    EXPECT_TRUE(boxTexts().empty());
}

// A location whose record cannot be read (its monthly values are missing) shows the read
// error and stays read-only in both modes: the zeros in place of its values never reach
// the file, from OK, from leaving it or from Cancel.
TEST_F(KlimaDlgLogikTest, UnlesbarerOrtZeigtDenFehlerUndBleibtNurLesbar) {
    standorttest::Lines user = standorttest::kUser;
    for (const char16_t* zeile : {u"[Klimaorte]", u"Ort2=80 Kaputt (D)", u"[Klimadaten]",
                                  u"80 Kaputt (D)NAT=-14", u"80 Kaputt (D)ANZ=1",
                                  u"80 Kaputt (D)WORT=97 Würzburg (D)_(bib)", u"[Bodenorte]",
                                  u"BOrt2=80 Kaputter Boden (D)", u"[Bodendaten]",
                                  u"80 Kaputter Boden (D)ANZ=1"})
        user.push_back(zeile);
    neuLaden(user);
    const struct {
        unsigned short modus;
        const char16_t* ort;
    } faelle[] = {
        {CKlimaDlgLogik::kKlimaorte, u"80 Kaputt (D)"},
        {CKlimaDlgLogik::kBodentemperaturen, u"80 Kaputter Boden (D)"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.modus);
        CKlimaDlgLogik logik(f.modus, false);
        logik.Init();
        const std::string vorher = userBytes();
        const std::size_t boxen = boxTexts().size();
        ASSERT_TRUE(logik.OrtGewaehlt(f.ort));
        ASSERT_EQ(boxTexts().size(), boxen + 1);
        EXPECT_NE(boxTexts().back().find(u"Required data missing"), std::u16string::npos)
            << QString::fromStdU16String(boxTexts().back()).toStdString();
        EXPECT_TRUE(logik.Freigabe().nurLesen);
        EXPECT_TRUE(logik.Freigabe().werteSichtbar);
        logik.m_monate[0] = 4.0f;
        logik.SetGeaendert();
        EXPECT_TRUE(logik.Speichern(true));
        EXPECT_TRUE(logik.Abbrechen(lies));
        EXPECT_TRUE(logik.OrtGewaehlt(logik.Orte().GetAt(0)));
        EXPECT_EQ(userBytes(), vorher);
        EXPECT_EQ(boxTexts().size(), boxen + 1) << "no question for values never read";
    }
}

TEST_F(KlimaDlgLogikTest, LeereOrtslisteOhneNamenNullwerteNurLesbarOhneOk) {
    CKlimaDlgLogik logik = Klima();
    ASSERT_TRUE(logik.LandGewaehlt(2));  // Austria: no climate location
    EXPECT_TRUE(logik.Orte().empty());
    EXPECT_TRUE(logik.m_name.empty());
    for (float m : logik.m_monate) EXPECT_EQ(m, 0.0f);
    EXPECT_EQ(logik.m_normAussenTemp, 0.0f);
    EXPECT_EQ(logik.m_zuordnung, (std::array<int, 3>{-1, -1, -1}));
    const CKlimaDlgLogik::SFreigabe frei = logik.Freigabe();
    EXPECT_TRUE(frei.nurLesen);
    EXPECT_FALSE(frei.okAktiv);
    EXPECT_TRUE(logik.Abbrechen(lies));
    EXPECT_TRUE(boxTexts().empty());
}

TEST_F(KlimaDlgLogikTest, NeuerOrtUebernimmtDieGezeigtenWerteUndWirdGezeigt) {
    CKlimaDlgLogik logik = Klima();
    ASSERT_TRUE(logik.OrtGewaehlt(kMuenchen));
    logik.m_zuordnung[CKlimaDlgLogik::kWetterort] = 0;
    app.nameAntworten.push_back(CVRMString(u"85 Freising (D)"));
    ASSERT_TRUE(logik.NeuerOrt());
    ASSERT_EQ(app.addUniqueAufrufe.size(), 1u);
    EXPECT_EQ(app.addUniqueAufrufe[0].first, LISTE_KLIMAORTE);
    EXPECT_EQ(logik.m_name, u"85 Freising (D)");
    EXPECT_EQ(logik.Auswahl().Land(), 0);
    EXPECT_FLOAT_EQ(logik.m_monate[0], -2.2f);
    EXPECT_FLOAT_EQ(logik.m_normAussenTemp, -16.0f);
    EXPECT_FALSE(logik.Freigabe().nurLesen);
    const std::u16string s = u"[Klimadaten]";
    EXPECT_TRUE(userSectionHolds(
        s, u"85 Freising (D)=-2.2#-0.4#3.6#7.6#12.0#15.4#17.3#16.8#13.4#8.4#2.9#-0.8#"));
    EXPECT_TRUE(userSectionHolds(s, u"85 Freising (D)WORT=97 Würzburg (D)_(bib)"));
    EXPECT_TRUE(userSectionHolds(s, u"85 Freising (D)ANZ=1"));

    // Cancelled at the name prompt: nothing is created.
    const std::string vorher = userBytes();
    EXPECT_FALSE(logik.NeuerOrt());
    EXPECT_EQ(userBytes(), vorher);
}

}  // namespace
