// The VDI 4650 calculator as its user works with it: values typed in, the three factors
// read off the window, the controls that follow the kind of heat pump, the refused entries,
// the project's values and the two child windows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <vector>

#include "controls/small/Label.h"
#include "core/text/ResManager.h"
#include "dialogs/DlgVDI4650.h"
#include "dialogs/DlgVDI4650b.h"
#include "dialogs/DlgVDIopt.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/DialogEingabe.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/Sprachmodul.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace {

using namespace dialogtest;
using namespace VDI4650;
using C = CDlgVDI4650;

constexpr int kSchliessen = C::kIdcSchliessen;
const std::u16string kTitel = u"Seasonal performance factor as per VDI 4650";

std::u16string Ergebnis(QDialog& dlg, int id) {
    auto* label = dynamic_cast<CLabel*>(ui::child(&dlg, id));
    return label ? label->text() : u"?";
}

std::u16string Zwei(float wert) {
    CVRMString text;
    text.Format(u"%.2f", wert);
    return text;
}

std::u16string Drei(float wert) {
    CVRMString text;
    text.Format(u"%.3f", wert);
    return text;
}

// One worked case of the calculator's logic tests, as a user enters it: the kind first,
// then the typed values, then the choices of the lists and boxes.
struct SFall {
    const char* name;
    int art;
    std::vector<std::pair<int, QString>> getippt;
    int warmwasser;
    std::vector<std::pair<int, QString>> danachGetippt;
    int betriebsweise;
    std::vector<std::pair<int, int>> auswahl;  // list box, entry
    std::vector<int> haken;
    int hinweise;  // notes the calculator shows on the way
    // The same case handed to the logic.
    SVDI4650Projektdaten logik;
    float cop4 = 4.0f;
    // The factors worked by hand in the logic tests.
    const char16_t *heizung, *warmwasserFaktor, *anlage;
};

SVDI4650Projektdaten Logik(int art, float cop1, float cop2, float cop3, float betrieb, float tQuelle,
                           float tVorlauf, float heizgrenze, float tNorm, float leistung, bool wt,
                           int warmwasser, int betriebsweise, float tBiv, int prozent) {
    SVDI4650Projektdaten d;
    d.art = art;
    d.cop1 = cop1;
    d.cop2 = cop2;
    d.cop3 = cop3;
    d.pruef = 5.0f;
    d.betrieb = betrieb;
    d.tQuelle = tQuelle;
    d.tVorlauf = tVorlauf;
    d.heizgrenze = heizgrenze;
    d.tNorm = tNorm;
    d.leistung = leistung;
    d.zwischenWT = wt;
    d.warmwasser = warmwasser;
    d.betriebsweise = betriebsweise;
    d.tBiv = tBiv;
    d.prozentHeizung = prozent;
    d.pumpenLeistung = 350;
    d.leistungAuslegung = leistung;
    return d;
}

const SFall kFaelle[] = {
    {"brine/water, hot water by the heat pump, monovalent",
     kSoleWasser,
     {{C::kIdcLeistung, "8"}, {C::kIdcCop2, "4.5"}, {C::kIdcPruef, "5"}, {C::kIdcBetrieb, "5"},
      {C::kIdcVorlauf, "35"}},
     kWarmwasserMitWP,
     {},
     kMonovalent,
     {},
     {},
     0,
     Logik(kSoleWasser, 3, 4.5f, 5, 5, 0, 35, 15, -12, 8, false, kWarmwasserMitWP, kMonovalent, 0, 82),
     4.0f,
     u"4.55",
     u"3.92",
     u"4.42"},
    {"water/water behind an exchanger, hot water by electricity, parallel",
     kWasserWasser,
     {{C::kIdcLeistung, "15"}, {C::kIdcCop3, "5.5"}, {C::kIdcPruef, "5"}, {C::kIdcBetrieb, "7"},
      {C::kIdcQuelle, "13"}, {C::kIdcVorlauf, "40"}, {C::kIdcProzentHeizung, "80"}},
     kWarmwasserElektrisch,
     {},
     kMonoenergetischParallel,
     {{C::kIdcBivalenz, 7}},  // -5 °C
     {C::kIdcZwischenWT},
     0,
     Logik(kWasserWasser, 3, 4, 5.5f, 7, 13, 40, 15, -12, 15, true, kWarmwasserElektrisch,
           kMonoenergetischParallel, -5, 80),
     4.0f,
     u"4.47",
     u"0.00",
     u"2.56"},
    {"air/water with a second hot-water heat pump, alternative",
     kLuftWasser,
     {{C::kIdcCop1, "2.8"}, {C::kIdcCop2, "3.6"}, {C::kIdcCop3, "4.4"}, {C::kIdcPruef, "5"},
      {C::kIdcBetrieb, "8"}, {C::kIdcVorlauf, "30"}, {C::kIdcProzentHeizung, "70"}},
     kWarmwasserZweiteWP,
     {{C::kIdcCop4, "3"}},
     kMonoenergetischAlternativ,
     {{C::kIdcBivalenz, 4}, {C::kIdcHeizgrenze, 1}, {C::kIdcNormTemp, 0}},  // -2, 12, -10 °C
     {},
     1,  // the flow temperature of the alternative mode
     Logik(kLuftWasser, 2.8f, 3.6f, 4.4f, 8, 0, 30, 12, -10, 6, false, kWarmwasserZweiteWP,
           kMonoenergetischAlternativ, -2, 70),
     3.0f,
     u"4.19",
     u"2.70",
     u"2.29"},
};

class DlgVDI4650Test : public uitest::Fixture {
  protected:
    DlgVDI4650Test() { SetOptionen(false, false); }
    ~DlgVDI4650Test() override { SetOptionen(false, false); }

    // Enters the case as a user and presses Update where the window still offers it.
    static void GibEin(QDialog& dlg, const SFall& f) {
        Waehle(dlg, C::kIdcArt, f.art);
        for (const auto& [id, text] : f.getippt) Tippe(dlg, id, text);
        Waehle(dlg, C::kIdcWarmwasser, f.warmwasser);
        for (const auto& [id, text] : f.danachGetippt) Tippe(dlg, id, text);
        Waehle(dlg, C::kIdcBetriebsweise, f.betriebsweise);
        for (int id : f.haken) Druecke(dlg, id);
        for (const auto& [id, index] : f.auswahl) Waehle(dlg, id, index);
        if (Aktiv(dlg, C::kIdcAktualisieren)) Druecke(dlg, C::kIdcAktualisieren);
    }

    testsupport::FakeKelvoApp app;
};

TEST_F(DlgVDI4650Test, DieDreiFaktorenWieDieRechnungSieErgibt) {
    for (const SFall& f : kFaelle) {
        SCOPED_TRACE(f.name);
        for (int i = 0; i < f.hinweise; ++i) uitest::dialogs().expectMessageBox(1);
        // What the logic makes of the same inputs.
        CVDI4650Rechner logik(false, nullptr);
        logik.SetDaten(f.logik);
        logik.cop4 = f.cop4;
        ASSERT_TRUE(logik.Berechne());

        uitest::dialogs().expectDialog(kTitel, [&](QDialog& dlg) {
            EXPECT_TRUE(ui::child(&dlg, C::kIdcWPFreitext)->isVisible());
            EXPECT_FALSE(ui::child(&dlg, C::kIdcWPName)->isVisible());
            GibEin(dlg, f);
            EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaHeizung), Zwei(logik.ergebnisse.betaHeizung));
            EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaWarmwasser), Zwei(logik.ergebnisse.betaWarmwasser));
            EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaAnlage), Zwei(logik.ergebnisse.betaAnlage));
            EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaHeizung), f.heizung);
            EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaWarmwasser), f.warmwasserFaktor);
            EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaAnlage), f.anlage);
            EXPECT_FALSE(Aktiv(dlg, C::kIdcAktualisieren));
            EXPECT_EQ(ui::childText(&dlg, C::kIdcFp), Drei(logik.fp));
            if (f.art == kSoleWasser) uitest::saveArtifact(dlg, "vdi4650");
            Druecke(dlg, kSchliessen);
        });
        CDlgVDI4650 dlg(1, nullptr);
        EXPECT_EQ(dlg.doModal(), 1);
        ASSERT_EQ(uitest::dialogs().boxes().size(), static_cast<size_t>(f.hinweise));
        if (f.hinweise) {
            EXPECT_EQ(uitest::dialogs().boxes().back().text, CResManager::getLangText(5891));
        }
        uitest::dialogs().finishTest();
    }
}

TEST_F(DlgVDI4650Test, DeutscheOberflaeche) {
    ASSERT_TRUE(testsupport::LadeSprache({"Varmtext.so", IDR_LNG_DEU}));
    uitest::dialogs().expectDialog(u"Jahresarbeitszahl nach VDI 4650", [&](QDialog& dlg) {
        GibEin(dlg, kFaelle[0]);
        EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaAnlage), u"4.42");
        uitest::saveArtifact(dlg, "vdi4650-de");
        Druecke(dlg, kSchliessen);
    });
    CDlgVDI4650 dlg(1, nullptr);
    dlg.doModal();
    testsupport::LadeSprache();
}

// What each kind of heat pump leaves open to the user.
TEST_F(DlgVDI4650Test, SteuerelementeFolgenDerArt) {
    const struct {
        int art;
        bool cop1, cop2, cop3, quelle, wt, vorplanung, klima;
        const char16_t* cop2Text;
        float quelleDanach;
    } faelle[] = {
        {kLuftWasser, true, true, true, false, false, false, true, u"COP (2/35)", 0.0f},
        {kWasserWasser, false, false, true, true, true, true, false, u"COP (0/35)", 10.0f},
        {kDirektverdampfung, false, true, false, true, false, false, false, u"COP (-1/35)", -1.0f},
        {kSoleWasser, false, true, false, true, false, true, false, u"COP (0/35)", 0.0f},
    };
    uitest::dialogs().expectDialog(kTitel, [&](QDialog& dlg) {
        for (const auto& f : faelle) {
            SCOPED_TRACE(f.art);
            Waehle(dlg, C::kIdcArt, f.art);
            EXPECT_EQ(Aktiv(dlg, C::kIdcCop1), f.cop1);
            EXPECT_EQ(Aktiv(dlg, C::kIdcCop2), f.cop2);
            EXPECT_EQ(Aktiv(dlg, C::kIdcCop3), f.cop3);
            EXPECT_EQ(Aktiv(dlg, C::kIdcQuelle), f.quelle);
            EXPECT_EQ(Aktiv(dlg, C::kIdcZwischenWT), f.wt);
            EXPECT_EQ(Aktiv(dlg, C::kIdcVorplanung), f.vorplanung);
            EXPECT_EQ(Aktiv(dlg, C::kIdcHeizgrenze), f.klima);
            EXPECT_EQ(Aktiv(dlg, C::kIdcNormTemp), f.klima);
            EXPECT_EQ(ui::childText(&dlg, C::kIdcCop2Text), f.cop2Text);
            EXPECT_EQ(QString::fromStdU16String(ui::childText(&dlg, C::kIdcQuelle)).toFloat(),
                      f.quelleDanach);
            // The source pump's power only counts without the pre-planning factor.
            EXPECT_FALSE(Aktiv(dlg, C::kIdcPumpenLeistung));
        }
        Druecke(dlg, C::kIdcVorplanung);  // brine: the pump's power is asked for
        EXPECT_TRUE(Aktiv(dlg, C::kIdcPumpenLeistung));
        Tippe(dlg, C::kIdcPumpenLeistung, "500");
        Tippe(dlg, C::kIdcLeistung, "10");
        EXPECT_EQ(ui::childText(&dlg, C::kIdcFp), u"1.200");  // 1 + 0.5 / (10 / 4)

        // Hot water: the second heat pump's fields only for that choice.
        EXPECT_FALSE(ui::child(&dlg, C::kIdcCop4)->isVisible());
        Waehle(dlg, C::kIdcWarmwasser, kWarmwasserZweiteWP);
        EXPECT_TRUE(ui::child(&dlg, C::kIdcCop4)->isVisible());
        EXPECT_TRUE(ui::child(&dlg, C::kIdcWarmwasserTemp)->isVisible());
        EXPECT_TRUE(Aktiv(dlg, C::kIdcBetaWarmwasser));
        Waehle(dlg, C::kIdcWarmwasser, kWarmwasserElektrisch);
        EXPECT_FALSE(ui::child(&dlg, C::kIdcCop4)->isVisible());
        EXPECT_FALSE(Aktiv(dlg, C::kIdcBetaWarmwasser));
        EXPECT_FALSE(Aktiv(dlg, C::kIdcBivalenz));  // monovalent
        Druecke(dlg, kSchliessen);
    });
    CDlgVDI4650 dlg(1, nullptr);
    dlg.doModal();
}

// A value the window cannot take is refused with the framework's message and nothing is
// calculated; a value the guideline does not cover is refused by the calculation.
TEST_F(DlgVDI4650Test, AbgelehnteEingaben) {
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    d.expectMessageBox(1);
    d.expectMessageBox(1);
    d.expectDialog(kTitel, [&](QDialog& dlg) {
        Tippe(dlg, C::kIdcVorlauf, "60");
        Druecke(dlg, C::kIdcAktualisieren);
        EXPECT_TRUE(Aktiv(dlg, C::kIdcAktualisieren));
        EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaAnlage), u"");
        Tippe(dlg, C::kIdcVorlauf, "35");
        Tippe(dlg, C::kIdcLeistung, "x");
        Druecke(dlg, C::kIdcAktualisieren);
        EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaAnlage), u"");
        Tippe(dlg, C::kIdcLeistung, "6");
        Tippe(dlg, C::kIdcQuelle, "6");  // brine above +5 °C
        Druecke(dlg, C::kIdcAktualisieren);
        EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaAnlage), u"");
        EXPECT_TRUE(Aktiv(dlg, C::kIdcAktualisieren));
        Druecke(dlg, kSchliessen);
    });
    CDlgVDI4650 dlg(1, nullptr);
    dlg.doModal();
    ASSERT_EQ(d.boxes().size(), 3u);
    EXPECT_EQ(d.boxes()[0].text, u"Please enter a number between 30 and 55.");
    EXPECT_EQ(d.boxes()[1].text, u"Please enter a number.");
    EXPECT_EQ(d.boxes()[2].text, CResManager::getLangText(5677));
}

// From a project the project's values stand read-only, and closing stores the source-pump
// factor and the hot-water test temperature in the project; Esc stores nothing.
TEST_F(DlgVDI4650Test, AusDemProjekt) {
    testsupport::FakeKelvoDoc doc;
    SVDI4650Projektdaten daten = kFaelle[0].logik;
    daten.wpName = u"Brine 8 kW";
    CVDI4650Rechner logik(false, &doc);
    logik.SetDaten(daten);
    ASSERT_TRUE(logik.Berechne());

    uitest::dialogs().expectDialog(kTitel, [&](QDialog& dlg) {
        EXPECT_EQ(ui::childText(&dlg, C::kIdcWPFreitext), u"Brine 8 kW");
        for (int id : {C::kIdcArt, C::kIdcZwischenWT, C::kIdcWarmwasser, C::kIdcHeizgrenze})
            EXPECT_FALSE(Aktiv(dlg, id)) << id;
        for (int id : {C::kIdcLeistung, C::kIdcProzentHeizung, C::kIdcCop1, C::kIdcCop2, C::kIdcCop3,
                       C::kIdcPruef, C::kIdcBetrieb, C::kIdcPumpenLeistung})
            EXPECT_TRUE(qobject_cast<QLineEdit*>(ui::child(&dlg, id))->isReadOnly()) << id;
        EXPECT_FALSE(qobject_cast<QLineEdit*>(ui::child(&dlg, C::kIdcVorlauf))->isReadOnly());
        Druecke(dlg, C::kIdcAktualisieren);
        EXPECT_EQ(Ergebnis(dlg, C::kIdcBetaAnlage), Zwei(logik.ergebnisse.betaAnlage));
        Druecke(dlg, kSchliessen);
    });
    CDlgVDI4650 dlg(1, &doc);
    dlg.SetDaten(daten);
    EXPECT_EQ(dlg.doModal(), 1);
    ASSERT_EQ(doc.projektDaten4.size(), 2u);
    EXPECT_EQ(doc.projektDaten4[0], std::make_pair(ID_VPF, 1.075f));
    EXPECT_EQ(doc.projektDaten4[1], std::make_pair(ID_WTM, 50.0f));

    doc.projektDaten4.clear();
    uitest::dialogs().expectDialog(kTitel, [](QDialog& dlg) { uitest::key(dlg, Qt::Key_Escape); });
    CDlgVDI4650 abgebrochen(1, &doc);
    abgebrochen.SetDaten(daten);
    EXPECT_EQ(abgebrochen.doModal(), 2);
    EXPECT_TRUE(doc.projektDaten4.empty());
}

// The correction factors of the calculation, each row only where it applies, out-of-range
// factors on red; the improvements beside the guideline's recommendations; help on F1.
TEST_F(DlgVDI4650Test, KorrekturfaktorenOptimierungUndHilfe) {
    auto& d = uitest::dialogs();
    const auto wert = [](QDialog& dlg, int zeile) {
        return dynamic_cast<CLabel*>(ui::child(&dlg, CDlgVDI4650b::kIdcWert + zeile))->text();
    };
    d.expectDialog(kTitel, [&](QDialog& dlg) {
        GibEin(dlg, kFaelle[0]);
        d.expectDialog(kTitel, [&](QDialog& faktoren) {
            EXPECT_EQ(wert(faktoren, 0), u"1.000");   // table 1 (5 K, 5 K)
            EXPECT_EQ(wert(faktoren, 1), u"1.087");   // table 2 (0 °C, 35 °C)
            EXPECT_EQ(wert(faktoren, 6), u"0.890");   // table 5 (0 °C)
            EXPECT_EQ(wert(faktoren, 10), u"1.051");  // table 1 (5 K, 10 K)
            EXPECT_EQ(wert(faktoren, 11), u"1.075");  // F_P
            const bool aktiv[CDlgVDI4650b::kZeilen] = {true, true, false, false, false, false,
                                                       true, false, true, false, true, true};
            for (int i = 0; i < CDlgVDI4650b::kZeilen; ++i)
                EXPECT_EQ(Aktiv(faktoren, CDlgVDI4650b::kIdcWert + i), aktiv[i]) << i;
            EXPECT_FALSE(ui::child(&faktoren, CDlgVDI4650b::kIdcHinweis)->isVisible());
            uitest::saveArtifact(faktoren, "vdi4650-factors");
            Druecke(faktoren, CDlgVDI4650b::kIdcSchliessen);
        });
        Druecke(dlg, C::kIdcKorrekturfaktoren);

        d.expectDialog(u"Possible optimizations as per VDI 4650", [&](QDialog& opt) {
            EXPECT_EQ(ui::childText(&opt, CDlgVDIopt::kIdcQuelleWert), u"0.0");
            EXPECT_EQ(ui::childText(&opt, CDlgVDIopt::kIdcQuelleEmpfohlen), u"2");  // probe
            Druecke(opt, CDlgVDIopt::kIdcFlach);
            EXPECT_EQ(ui::childText(&opt, CDlgVDIopt::kIdcQuelleEmpfohlen), u"0");
            EXPECT_EQ(ui::childText(&opt, CDlgVDIopt::kIdcFpEmpfohlen), u"1.075");
            EXPECT_EQ(ui::childText(&opt, CDlgVDIopt::kIdcBetriebsweise), u"monovalent");
            EXPECT_EQ(ui::childText(&opt, CDlgVDIopt::kIdcBetriebsweiseHinweis),
                      CResManager::getLangText(5877) + u"\n" + CResManager::getLangText(5890));
            EXPECT_FALSE(Aktiv(opt, CDlgVDIopt::kIdcAnteil));  // no project: no power share
            uitest::saveArtifact(opt, "vdi4650-optimize");
            Druecke(opt, 1);
        });
        Druecke(dlg, C::kIdcOptimieren);

        // A brine temperature above the table: refused, and its rows on red.
        d.expectMessageBox(1);
        Tippe(dlg, C::kIdcQuelle, "6");
        d.expectDialog(kTitel, [&](QDialog& faktoren) {
            for (int zeile : {1, 6}) {
                auto* label = dynamic_cast<CLabel*>(ui::child(&faktoren, CDlgVDI4650b::kIdcWert + zeile));
                const QImage bild = uitest::render(*label);
                EXPECT_EQ(bild.pixelColor(4, bild.height() / 2), QColor(255, 0, 0)) << zeile;
            }
            EXPECT_TRUE(ui::child(&faktoren, CDlgVDI4650b::kIdcHinweis)->isVisible());
            Druecke(faktoren, CDlgVDI4650b::kIdcSchliessen);
        });
        Druecke(dlg, C::kIdcKorrekturfaktoren);

        uitest::key(*ui::child(&dlg, C::kIdcVorlauf), Qt::Key_F1);
        Druecke(dlg, kSchliessen);
    });
    CDlgVDI4650 dlg(1, nullptr);
    dlg.doModal();
    ASSERT_EQ(app.hilfeThemen.size(), 1u);
    EXPECT_EQ(app.hilfeThemen[0], u"dlgvdi4650");
}

}  // namespace
