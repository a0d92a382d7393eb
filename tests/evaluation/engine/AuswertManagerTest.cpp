// The yearly evaluation on the sample projects changed in memory: refusals, the limits
// and notices as the user sees them, one and two sources, the summer smoothing, and
// months that give nothing to divide by.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "EngineFixture.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/heatpump/WPLeistDaten.h"
#include "model/data/Spline.h"
#include "platform/errors/UserException.h"
#include "platform/text/Text.h"

namespace enginetest {
namespace {

class AuswertManagerTest : public EngineFixture {
  protected:
    // The texts of the boxes shown, in order.
    std::vector<std::string> Boxen() const {
        std::vector<std::string> texte;
        for (const auto& box : boxes.shown) texte.push_back(platform::toUtf8(box.text));
        return texte;
    }
    bool AllesEndlich() const {
        for (int r = 1; r <= CKelvoErgebnisse::kReihen; ++r) {
            for (float w : erg.Reihe(static_cast<TErgebnisReihe>(r)))
                if (!std::isfinite(w)) return false;
        }
        return true;
    }
};

bool Enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

// Without a heat pump, or with a combined source that holds no source (the months work on
// the first one), the year is refused with the error layer's own text and the engine stays
// uninitialised.
TEST_F(AuswertManagerTest, RefusesToRunWithoutItsComponentsOrInitialisation) {
    auto p = Lade(kSonde);
    EXPECT_THROW(engine.DoAuswertung(), platform::UserException);
    CKombiWQuelle2 leer;
    struct Fall {
        const char* name;
        CKombiWQuelle2* kombi;
        CWPumpe2* wpumpe;
    };
    for (const Fall& f : {Fall{"no heat pump", &p->kombi, nullptr},
                          Fall{"no heat source", &leer, &p->wpumpe}}) {
        SCOPED_TRACE(f.name);
        EXPECT_THROW(engine.InitAuswertung(0, &p->projekt, f.kombi, f.wpumpe, &p->haus, &p->tarif,
                                           p->Solar(), 0),
                     platform::UserException);
        // A failed initialisation leaves the engine uninitialised.
        EXPECT_THROW(engine.DoAuswertung(), platform::UserException);
    }
    const auto texte = Boxen();
    ASSERT_EQ(texte.size(), 5u) << BoxTexte();
    for (size_t i : {0u, 2u, 4u}) {
        EXPECT_TRUE(Enthaelt(texte[i], "Object not initialized")) << texte[i];
        EXPECT_TRUE(Enthaelt(texte[i], "CAuswertManager::DoAuswertung")) << texte[i];
    }
    for (size_t i : {1u, 3u}) EXPECT_EQ(texte[i], "Exception");
    EXPECT_FALSE(engine.IstAusgewertet(0));
}

// Earth-air tubes (kind 4) go through the year like the other ground kinds; the engine does
// not refuse them. The model has no source temperature of its own for them: without
// temperatures given by the user the source says so at initialisation, with them its monthly
// temperature does in the first month, and the year ends aborted.
TEST_F(AuswertManagerTest, EarthAirTubesMeetTheModelsOwnLimitsNotARefusalOfTheEngine) {
    auto p = Lade(kSonde);
    p->Quelle1().SetzeWert(ID_QuellMediumIdx, CVRMVariant(4));
    EXPECT_THROW(engine.InitAuswertung(0, &p->projekt, &p->kombi, &p->wpumpe, &p->haus,
                                       &p->tarif, p->Solar(), 0),
                 platform::UserException);
    ASSERT_EQ(Boxen().size(), 1u) << BoxTexte();
    EXPECT_TRUE(Enthaelt(Boxen()[0], "Switch constant wrong")) << BoxTexte();
    EXPECT_TRUE(Enthaelt(Boxen()[0], "CWQuelle2::GetQuellenTempsU")) << BoxTexte();

    boxes.shown.clear();
    const std::array<float, 12> gegeben{8, 8, 8, 9, 10, 11, 12, 12, 11, 10, 9, 8};
    // The sample's source is a library record, which the user database does not take: the
    // temperatures are given in memory and read as the source reads its record.
    std::u16string temps;
    for (const float t : gegeben) temps += platform::u16(std::to_string(static_cast<int>(t))) + u"#";
    p->Quelle1().SetzeWert(ID_QuellenTemps, CVRMVariant(CVRMString(temps)));
    CVRMdatenProvider::get().fill(p->Quelle1(), p->Quelle1().getConsumerName());
    p->Quelle1().SetzeWert(ID_UserQuellTemp, CVRMVariant(true));
    ASSERT_NO_THROW(engine.InitAuswertung(0, &p->projekt, &p->kombi, &p->wpumpe, &p->haus,
                                          &p->tarif, p->Solar(), 0))
        << BoxTexte();
    engine.GetErgebnisse(erg);
    EXPECT_EQ(erg.Reihe(ER_UngestoertTemp1), gegeben);
    EXPECT_THROW(engine.DoAuswertung(), platform::UserException);
    const auto texte = Boxen();
    ASSERT_EQ(texte.size(), 2u) << BoxTexte();
    EXPECT_TRUE(Enthaelt(texte[0], "CWQBerechnung::QuellenTemp2")) << texte[0];
    EXPECT_EQ(texte[1], "Evaluation aborted");
    EXPECT_FALSE(engine.IstAusgewertet(0));
}

TEST_F(AuswertManagerTest, TheEvaluatedFlagHoldsForItsKeyUntilResetFromOutside) {
    auto p = Lade(kSonde);
    Werte(*p);
    EXPECT_TRUE(engine.IstAusgewertet(0));
    EXPECT_FALSE(engine.IstAusgewertet(CAuswertManager::kOhneSolar));
    engine.ResetAusgewertet();
    EXPECT_FALSE(engine.IstAusgewertet(0));
    ResetAlleBerechnungen();
    EXPECT_EQ(app.resetAuswertungenAufrufe, 1);
}

// A year evaluated under key 0, then a year under key 1 whose months fail (a probe of 5 m
// cools its brine below -10 °C): neither key counts as evaluated, so the document asks
// again instead of showing the empty series of the failed year.
TEST_F(AuswertManagerTest, AFailedYearUnderANewKeyIsNotEvaluated) {
    auto p = Lade(kSonde);
    Werte(*p);
    ASSERT_TRUE(engine.IstAusgewertet(0));
    p->Quelle1().SetzeWert(ID_WQuelleLaenge, CVRMVariant(5u));
    engine.InitAuswertung(CAuswertManager::kOhneSolar, &p->projekt, &p->kombi, &p->wpumpe,
                          &p->haus, &p->tarif, p->Solar(), 0);
    EXPECT_FALSE(engine.IstAusgewertet(CAuswertManager::kOhneSolar));
    EXPECT_THROW(engine.DoAuswertung(), platform::UserException);
    EXPECT_FALSE(engine.IstAusgewertet(CAuswertManager::kOhneSolar));
    EXPECT_FALSE(engine.IstAusgewertet(0));
    EXPECT_EQ(Boxen().back(), "Evaluation aborted");
}

// The engine reads the heat pump, the climate and the weather bins once per evaluation:
// what is edited between two evaluations (a heat pump's performance records in the
// database, its unit count, a location's monthly climate and its weather bins) the next
// one sees. Library records cannot be edited: the heat pump and the locations are the
// user's copies of the air sample's, whose heat pump runs bivalent below +6 °C and stops
// below +2 °C, so that January needs the backup heater.
TEST_F(AuswertManagerTest, EditsBetweenTwoEvaluationsAreSeenByTheNext) {
    auto p = Lade(kLuft);
    p->Quelle1().SetzeWert(ID_DimPunktTemp, CVRMVariant(6));
    CVRMdatenProvider& werte = CVRMdatenProvider::get();
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();

    const CVRMString wpName(u"Own heat pump");
    CWordArray ids;
    p->wpumpe.GetDatenIDs(ids);
    for (uint16_t id : ids) {
        CVRMwert wert = p->wpumpe.GetWert(static_cast<TKelvoDatenID>(id));
        werte.save(wpName, static_cast<TKelvoDatenID>(id), wert, false);
    }
    auto zeilen = daten.LeseLeistDatenZeilen(p->wpumpe.getConsumerName());
    daten.SpeichereLeistDatenZeilen(wpName, zeilen, true);
    CWPumpe2 wpumpe;
    werte.fill(wpumpe, wpName);
    wpumpe.GetWert(ID_MinLuftTemp) = 2;
    dok.wpumpe = &wpumpe;

    const CVRMString klimaort(u"Own climate"), wetterort(u"Own weather");
    std::array<float, 12> klima{};
    daten.GetMonatsWerte(p->haus.GetWert(ID_Klimaort).GetStringVal(), klima);
    daten.SaveKlimaMonatsTemps(klimaort, klima);
    std::array<float, 63> bins{};
    daten.GetTempHaeufigkeiten(p->haus.GetWert(ID_Wetterort).GetStringVal(), bins,
                               p->haus.GetWert(ID_Klimaort).GetStringVal());
    daten.SaveWetterWerte(wetterort, bins);
    p->haus.GetWert(ID_Klimaort) = klimaort;
    p->haus.GetWert(ID_Wetterort) = wetterort;

    auto werteAus = [&] {
        engine.InitAuswertung(0, &p->projekt, &p->kombi, &wpumpe, &p->haus, &p->tarif,
                              p->Solar(), 0);
        engine.DoAuswertung();
        engine.GetErgebnisse(erg);
    };
    ASSERT_NO_THROW(werteAus()) << BoxTexte();
    const int januar = 0;
    const CKelvoErgebnisse vorher = erg;
    ASSERT_GT(vorher.Reihe(ER_HeizLaufzeit)[januar], 0.0f);
    ASSERT_GT(vorher.Reihe(ER_HeizWaerme)[januar] - vorher.Reihe(ER_HeizWPWaerme)[januar], 0.01f)
        << "no backup heat in January";

    // Every capacity of every record twice as large, as the heat pump's data dialog saves
    // them; the document fills its heat pump anew. The same heat needs fewer hours.
    for (CVRMString& zeile : zeilen) {
        if (zeile.IsEmpty()) continue;
        CWPLeistDaten satz(zeile.view(), {u"WP", u"LeistDaten"});
        for (float* feld : {&satz.heiz35, &satz.heiz2, &satz.elektro35, &satz.elektro2,
                            &satz.quelle35, &satz.quelle2})
            *feld *= 2.0f;
        zeile = satz.Format();
    }
    daten.SpeichereLeistDatenZeilen(wpName, zeilen, true);
    werte.fill(wpumpe, wpName);
    wpumpe.GetWert(ID_MinLuftTemp) = 2;
    werteAus();
    const float doppelt = erg.Reihe(ER_HeizLaufzeit)[januar];
    EXPECT_LT(doppelt, 0.75f * vorher.Reihe(ER_HeizLaufzeit)[januar]);

    // Two units of it: fewer hours again.
    wpumpe.SetAnzahl(2);
    werteAus();
    EXPECT_LT(erg.Reihe(ER_HeizLaufzeit)[januar], 0.75f * doppelt);

    // A January 5 K colder: more heat to deliver, the demand the house now computes.
    klima[januar] -= 5.0f;
    daten.SaveKlimaMonatsTemps(klimaort, klima);
    const float heizVorher = erg.Reihe(ER_HeizWaerme)[januar];
    werteAus();
    float bedarf = 0.0f;
    p->haus.MomentanerHeizbedarf(januar, 1, bedarf);
    EXPECT_GT(bedarf, heizVorher);
    EXPECT_FLOAT_EQ(erg.Reihe(ER_HeizWaerme)[januar], bedarf);

    // Weather bins without a day below +12 °C: no backup heater any more.
    std::array<float, 63> warm{};
    warm.back() = 365.0f;
    daten.SaveWetterWerte(wetterort, warm);
    werteAus();
    EXPECT_EQ(erg.Reihe(ER_HeizWPWaerme)[januar], erg.Reihe(ER_HeizWaerme)[januar]);
    EXPECT_TRUE(boxes.shown.empty()) << BoxTexte();
}

// A failure that is not the error layer's (here the options cannot be read when the year
// checks the ground limit) still ends in "Evaluation aborted" and the error layer's
// exception; the year is not evaluated.
TEST_F(AuswertManagerTest, AnyFailureInsideTheYearEndsInEvaluationAborted) {
    auto p = Lade(kSonde);
    engine.InitAuswertung(0, &p->projekt, &p->kombi, &p->wpumpe, &p->haus, &p->tarif,
                          p->Solar(), 0);
    app.optionsFehler = std::make_exception_ptr(std::runtime_error("options unreadable"));
    EXPECT_THROW(engine.DoAuswertung(), platform::UserException);
    app.optionsFehler = nullptr;
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(Boxen().back(), "Evaluation aborted");
    EXPECT_FALSE(engine.IstAusgewertet(0));
}

struct GrenzFall {
    const char* name;
    const char16_t* projekt;
    TKelvoDatenID id;
    int wert;
    const char* text;
    const char* ort;
};

// A probe of 5 m gives far too little heat: its brine falls below -10 °C; ground water of
// 2 °C behind an intermediate exchanger that costs 3 K freezes. The month's error is followed by the evaluation's abort, and the year does
// not count as evaluated.
TEST_F(AuswertManagerTest, SourcesCooledBelowTheirLimitsAbortTheYear) {
    const GrenzFall faelle[] = {
        {"probe", kSonde, ID_WQuelleLaenge, 5, "Brine is cooled down too much", "Below -10 °C"},
        {"ground water", kWasser, ID_WasserTemp, 2, "Water is cooled down too much",
         "Below 0 °C"},
    };
    for (const GrenzFall& f : faelle) {
        SCOPED_TRACE(f.name);
        boxes.shown.clear();
        auto p = Lade(f.projekt);
        p->Quelle1().SetzeWert(f.id, CVRMVariant(static_cast<unsigned>(f.wert)));
        p->Quelle1().SetzeWert(ID_ZwkWt, CVRMVariant(true));
        p->projekt.GetWert(ID_ZKWTV2) = 3u;
        CAuswertManager neu;
        neu.InitAuswertung(0, &p->projekt, &p->kombi, &p->wpumpe, &p->haus, &p->tarif,
                           p->Solar(), 0);
        EXPECT_THROW(neu.DoAuswertung(), platform::UserException);
        const auto texte = Boxen();
        ASSERT_EQ(texte.size(), 2u) << BoxTexte();
        EXPECT_TRUE(Enthaelt(texte[0], f.text)) << texte[0];
        EXPECT_TRUE(Enthaelt(texte[0], f.ort)) << texte[0];
        EXPECT_TRUE(Enthaelt(texte[1], "Evaluation aborted")) << texte[1];
        EXPECT_FALSE(neu.IstAusgewertet(0));
    }
}

// The ground limit is a notice, once per source, and only strictly above the limit.
TEST_F(AuswertManagerTest, TheGroundLimitNoticeComesOnceWhenAMonthIsWarmer) {
    auto p = Lade(kSonde);
    Werte(*p);
    const auto& temps = erg.Reihe(ER_QuellTemp1);
    const float hoechste = *std::max_element(temps.begin(), temps.end());
    ASSERT_NE(std::floor(hoechste), hoechste);
    struct Fall {
        int grenze;
        size_t boxen;
    };
    for (const Fall f : {Fall{static_cast<int>(std::ceil(hoechste)), 0u},
                         Fall{static_cast<int>(std::floor(hoechste)), 1u}, Fall{0, 1u}}) {
        SCOPED_TRACE(f.grenze);
        boxes.shown.clear();
        optionen.SetLongWert(OPT_GRENZ_ERD_T, f.grenze);
        ASSERT_NO_THROW(Werte(*p));
        ASSERT_EQ(boxes.shown.size(), f.boxen) << BoxTexte();
        if (f.boxen == 0) continue;
        const std::string text = platform::toUtf8(boxes.shown[0].text);
        EXPECT_TRUE(Enthaelt(text, "(" + std::to_string(f.grenze) + " °C)")) << text;
        EXPECT_EQ(boxes.shown[0].style & platform::mb::ICONMASK, platform::mb::ICONINFORMATION);
        EXPECT_TRUE(engine.IstAusgewertet(0));
    }
}

void Kopiere(CWQuelle2& von, CWQuelle2& nach) {
    CWordArray ids;
    von.GetDatenIDs(ids);
    for (uint16_t id : ids) {
        const auto datenId = static_cast<TKelvoDatenID>(id);
        nach.SetzeWert(datenId, von.GetWert(datenId));
    }
}

// Two probes, the second of 50 m beside the sample's: the shares follow the
// extraction-limit powers and add up to 1; both sources are followed, and the brine mixes
// them by their volume flows, equally when neither names one.
TEST_F(AuswertManagerTest, TwoSourcesShareByTheirExtractionLimits) {
    auto p = Lade(kSonde);
    Werte(*p);
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(erg.Reihe(ER_QuellTemp2)[m], 0.0f);
        EXPECT_EQ(erg.Reihe(ER_UngestoertTemp2)[m], 0.0f);
        EXPECT_EQ(erg.Reihe(ER_Einspeisung2)[m], 0.0f);
    }
    const CKelvoErgebnisse einzeln = erg;

    // The two source records and the combined record that names them, in the user
    // database.
    CVRMdatenProvider& werte = CVRMdatenProvider::get();
    app.defAbsMaterial = p->Quelle1().GetWert(ID_AbsMaterial).GetStringVal();
    app.defAbsUmhuell = p->Quelle1().GetWert(ID_AbsUmhuell).GetStringVal();
    app.defFSMittel = p->Quelle1().GetWert(ID_FSMittel).GetStringVal();
    const CVRMString kombiName(u"Two probes");
    for (int nr : {1, 2}) {
        const CVRMString name = kombiName + (nr == 1 ? u"_(1)" : u"_(2)");
        CWQuelle2 quelle;
        werte.fill(quelle, name);
        Kopiere(p->Quelle1(), quelle);
        if (nr == 2) quelle.SetzeWert(ID_WQuelleLaenge, CVRMVariant(50u));
        quelle.Speichern(true);
        CVRMwert link(name);
        werte.save(kombiName, nr == 1 ? ID_KQuelle1 : ID_KQuelle2, link, true);
    }
    CKombiWQuelle2 kombi;
    ASSERT_NO_THROW(werte.fill(kombi, kombiName)) << BoxTexte();
    CWQuelle2* erste = kombi.GetErsteWQuelle();
    CWQuelle2* zweite = kombi.GetZweiteWQuelle();
    ASSERT_EQ(kombi.GetAnzahlWQuellen(), 2);

    const float a1 = CAuswertManager::GetQuellenAnteil(kombi, erste, p->haus, false);
    const float a2 = CAuswertManager::GetQuellenAnteil(kombi, zweite, p->haus, false);
    const CVRMString ort = p->haus.GetWert(ID_Klimaort).GetStringVal();
    const float g1 = erste->GetMSEGrenzLeistung(ort, false);
    const float g2 = zweite->GetMSEGrenzLeistung(ort, false);
    EXPECT_NEAR(a1, g1 / (g1 + g2), 1e-6f);
    EXPECT_NEAR(a1 + a2, 1.0f, 1e-6f);
    EXPECT_GT(a1, a2);  // the first probe is the longer one

    dok.kombiQuelle = &kombi;
    dok.quelle1 = erste;
    dok.quelle2 = zweite;
    for (float volStrom : {1.0f, 0.0f}) {
        SCOPED_TRACE(volStrom);
        erste->SetzeWert(ID_VolStrom, CVRMVariant(volStrom));
        zweite->SetzeWert(ID_VolStrom, CVRMVariant(volStrom));
        boxes.shown.clear();
        engine.InitAuswertung(0, &p->projekt, &kombi, &p->wpumpe, &p->haus, &p->tarif,
                              p->Solar(), 0);
        ASSERT_NO_THROW(engine.DoAuswertung()) << BoxTexte();
        engine.GetErgebnisse(erg);
        EXPECT_TRUE(AllesEndlich());
        std::array<float, 12> ungestoert2{};
        zweite->GetQuellenTempsU(ungestoert2, p->haus.GetWert(ID_MittlRaumTemp).GetFloatVal(),
                                 -1, true, ort);
        EXPECT_EQ(erg.Reihe(ER_UngestoertTemp2), ungestoert2);
        for (int m = 0; m < 12; ++m) EXPECT_NE(erg.Reihe(ER_QuellTemp2)[m], 0.0f) << m;
        // Sharing the load, the first probe stays warmer in winter than it was alone.
        EXPECT_GT(erg.Reihe(ER_QuellTemp1)[0], einzeln.Reihe(ER_QuellTemp1)[0]);
    }
    // Without a flow no heat crosses the tube wall, so each source's brine is its source
    // temperature, and two sources without a flow weigh the same: the brine is the mean of
    // both. The year end recomputes May to October from one source; the other months show it.
    for (int m : {0, 1, 2, 3, 10, 11}) {
        const float t1 = erg.Reihe(ER_QuellTemp1)[m], t2 = erg.Reihe(ER_QuellTemp2)[m];
        ASSERT_GT(std::fabs(t1 - t2), 0.01f) << m;
        EXPECT_FLOAT_EQ(erg.Reihe(ER_SoleTemp)[m], 0.5f * (t1 + t2)) << m;
    }
}

std::array<double, 2> SplineWerte(const std::array<int, 4>& monate,
                                  const CKelvoErgebnisse::Monatswerte& temps) {
    std::array<double, 4> x{}, y{};
    for (size_t i = 0; i < 4; ++i) {
        x[i] = monate[i];
        y[i] = temps[static_cast<size_t>(monate[i])];
    }
    std::vector<double> xs, ys;
    Spline(x, y, xs, ys, 5, 10000.0, 10000.0);
    return {ys[2], ys[3]};
}

// Probes take July and August from the spline through May, June, September and October
// when the flag asks for it (by default only with solar feed-in, which an unbound solar
// library never gives); horizontal collectors always take June and July from April, May,
// August and September.
TEST_F(AuswertManagerTest, TheSummerSmoothingFollowsTheKindAndTheFlag) {
    auto p = Lade(kSonde);
    Werte(*p);
    const CKelvoErgebnisse vorgabe = erg;
    engine.SetGlaettung(false);
    Werte(*p);
    EXPECT_EQ(erg.Reihe(ER_QuellTemp1), vorgabe.Reihe(ER_QuellTemp1));
    engine.SetGlaettung(true);
    Werte(*p);
    const auto& geglaettet = erg.Reihe(ER_QuellTemp1);
    const auto spline = SplineWerte({4, 5, 8, 9}, geglaettet);
    EXPECT_NEAR(geglaettet[6], spline[0], 1e-4);
    EXPECT_NEAR(geglaettet[7], spline[1], 1e-4);
    for (int m : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11})
        EXPECT_EQ(geglaettet[m], vorgabe.Reihe(ER_QuellTemp1)[m]) << m;
    EXPECT_NE(geglaettet[6], vorgabe.Reihe(ER_QuellTemp1)[6]);

    // The same probe field laid as a horizontal collector.
    p->Quelle1().SetzeWert(ID_QuellMediumIdx, CVRMVariant(1));
    p->Quelle1().SetzeWert(ID_WQuelleFlaeche, CVRMVariant(400u));
    for (bool flag : {false, true}) {
        SCOPED_TRACE(flag);
        boxes.shown.clear();
        engine.SetGlaettung(flag);
        ASSERT_NO_THROW(Werte(*p)) << BoxTexte();
        const auto& kollektor = erg.Reihe(ER_QuellTemp1);
        const auto s = SplineWerte({3, 4, 7, 8}, kollektor);
        EXPECT_NEAR(kollektor[5], s[0], 1e-4);
        EXPECT_NEAR(kollektor[6], s[1], 1e-4);
        EXPECT_TRUE(AllesEndlich());
    }
}

// Nothing to divide by: summer months without heating demand (in every sample), a house
// without hot water, a heat pump whose records all lie far above the month's source.
TEST_F(AuswertManagerTest, MonthsWithoutDemandOrCapacityGiveNoNaN) {
    struct Fall {
        const char* name;
        const char16_t* projekt;
        void (*aendere)(Projekt&);
    };
    const Fall faelle[] = {
        {"no hot water", kLuft, [](Projekt& p) { p.haus.GetWert(ID_WWmitWP) = 0; }},
        {"no hot water, bivalent", kWasser, [](Projekt& p) { p.haus.GetWert(ID_WWmitWP) = 0; }},
        {"bivalence point +6 °C", kWasser,
         [](Projekt& p) { p.Quelle1().SetzeWert(ID_DimPunktTemp, CVRMVariant(6)); }},
        {"bivalence point +12 °C, air", kLuft,
         [](Projekt& p) { p.Quelle1().SetzeWert(ID_DimPunktTemp, CVRMVariant(12)); }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        boxes.shown.clear();
        auto p = Lade(f.projekt);
        f.aendere(*p);
        CAuswertManager neu;
        ASSERT_NO_THROW(neu.InitAuswertung(0, &p->projekt, &p->kombi, &p->wpumpe, &p->haus,
                                           &p->tarif, p->Solar(), 0))
            << BoxTexte();
        ASSERT_NO_THROW(neu.DoAuswertung()) << BoxTexte();
        neu.GetErgebnisse(erg);
        EXPECT_TRUE(AllesEndlich());
        for (int m = 0; m < 12; ++m) {
            float bedarf = 0.0f;
            p->haus.MomentanerHeizbedarf(static_cast<unsigned short>(m), 1, bedarf);
            EXPECT_NEAR(erg.Reihe(ER_HeizWaerme)[m], bedarf, 1e-5f * std::max(1.0f, bedarf));
            EXPECT_LE(erg.Reihe(ER_HeizWPWaerme)[m], erg.Reihe(ER_HeizWaerme)[m] + 1e-6f);
            EXPECT_GE(erg.Reihe(ER_HeizWPWaerme)[m], 0.0f);
        }
    }
}

}  // namespace
}  // namespace enginetest
