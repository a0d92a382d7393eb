// The plant expenditure factor without a window, over the kinds of heating control, the
// placement and the hot-water modes, and the buffer's stand-by loss from its volume.
#include "dialogs/DlgAufwandszahlLogik.h"

#include <gtest/gtest.h>

namespace {

// A house of 150 m² (hot water Qw = 12.5 x 150 = 1875 kWh), 12000 kWh of heating at a
// factor of 4 and hot water at 3, 500 kWh of hot-water losses, 100 kWh of further
// electricity; floor heating 35/28 °C; a buffer losing 2 kWh a day; the plant outside.
SAufwandszahlEingabe Haus() {
    SAufwandszahlEingabe e;
    e.flaeche = 150.0f;
    e.wwModus = 1;
    e.heizWaerme = 12000.0f;
    e.heizZahl = 4.0f;
    e.wwZahl = 3.0f;
    e.wwVerluste = 500.0f;
    e.weitere = 100.0f;
    e.vorlauf = 35.0f;
    e.ruecklauf = 28.0f;
    return e;
}

SAnlagenDetails Anlage() {
    SAnlagenDetails d;
    d.aufstellung = 0;
    d.wwBereitung = 0;
    d.regelung = 0;
    d.bereitschaft = 2.0f;
    return d;
}

// Working of the first case: heating 12000 / 4 = 3000; hot water 1875 / 3 = 625; losses
// 500 / 3 + 100 = 266.667; control 150 x 3.3 = 495; distribution outside
// (P = 0.05 x 150 + 28.5 = 36, Q = (35 - 13) x 0.225 = 4.95; 36 x 4.95 + 15 x 150 x 0.0043875)
// x 4.44 = 835.039; buffer (31.5 - 5) x 2 x 4.9333 = 261.467; (495 + 835.039 + 261.467) / 4
// = 397.876; E = 4289.543; factor 2.6 x 4289.543 / (12000 + 1875) = 0.80381.
TEST(DlgAufwandszahlLogikTest, FaktorNachRegelungAufstellungUndWarmwasser) {
    struct Fall {
        const char* name;
        int wwModus, regelung, aufstellung, wwBereitung;
        float wwVerluste;
        float faktor;  // tolerance 1e-4
    };
    const Fall faelle[] = {
        {"thermostat 2 K", 1, 0, 0, 0, 500, 0.80381f},
        {"thermostat 1 K: control 165", 1, 1, 0, 0, 500, 0.78835f},
        {"electronic: control 105", 1, 2, 0, 0, 500, 0.78554f},
        {"optimised: control 60", 1, 3, 0, 0, 500, 0.78343f},
        {"unknown control counts as 2 K", 1, 7, 0, 0, 500, 0.80381f},
        // inside: P = 31.25, Q = 0.7425, distribution 146.853; buffer (31.5-20) x 0.15 x 2
        // x 4.9333 = 17.02
        {"inside the envelope", 1, 0, 1, 0, 500, 0.76012f},
        {"mode 3 as mode 1", 3, 0, 0, 0, 500, 0.80381f},
        // without the heat pump the hot water counts whole: 1875, losses 500 + 100
        {"electric tank", 2, 0, 0, 0, 500, 1.10050f},
        // no losses entered: a tenth of the hot water, 187.5 + 100
        {"electric tank without losses", 2, 0, 0, 0, 0, 1.04194f},
        {"flow heater", 2, 0, 0, 1, 500, 1.10050f},
        {"no hot-water choice: no losses", 2, 0, 0, -1, 500, 1.00681f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SAufwandszahlEingabe e = Haus();
        e.wwModus = f.wwModus;
        e.wwVerluste = f.wwVerluste;
        SAnlagenDetails d = Anlage();
        d.regelung = f.regelung;
        d.aufstellung = f.aufstellung;
        d.wwBereitung = f.wwBereitung;
        EXPECT_NEAR(CDlgAufwandszahlLogik::Aufwandszahl(e, d, 2.6f), f.faktor, 1e-4f);
    }
}

TEST(DlgAufwandszahlLogikTest, OhneHeizZahlUndOhneEnergie) {
    // A heating factor of 0.1 or less counts neither the heating nor the plant: hot water
    // 625 + losses 266.667 = 891.667; 2.6 x 891.667 / 13875 = 0.16709.
    SAufwandszahlEingabe e = Haus();
    e.heizZahl = 0.1f;
    EXPECT_NEAR(CDlgAufwandszahlLogik::Aufwandszahl(e, Anlage(), 2.6f), 0.16709f, 1e-4f);

    // No area and no heat: nothing below 0.1 kWh gives the factor 0.
    SAufwandszahlEingabe leer;
    EXPECT_EQ(CDlgAufwandszahlLogik::Aufwandszahl(leer, Anlage(), 2.6f), 0.0f);
    EXPECT_EQ(CDlgAufwandszahlLogik::AufwandszahlText(leer, Anlage(), 2.6f), u"0.00");

    // Energy without useful heat has no factor to show.
    leer.weitere = 50.0f;
    EXPECT_EQ(CDlgAufwandszahlLogik::AufwandszahlText(leer, Anlage(), 2.6f), u"-");
    EXPECT_EQ(CDlgAufwandszahlLogik::AufwandszahlText(Haus(), Anlage(), 2.6f), u"0.80");
}

// 0.25 x V^0.4 + 0.5, cut: 500 l -> 3.003 + 0.5 -> 3; 100 l -> 1.577 + 0.5 -> 2;
// 2000 l -> 5.228 + 0.5 -> 5; 0 l -> 0.
TEST(DlgAufwandszahlLogikTest, BereitschaftsverlustAusDemVolumen) {
    const std::pair<unsigned, float> faelle[] = {{500, 3.0f}, {100, 2.0f}, {2000, 5.0f}, {0, 0.0f}};
    for (auto [volumen, verlust] : faelle)
        EXPECT_EQ(CDlgAufwandszahlLogik::Bereitschaftsverlust(volumen), verlust) << volumen;
}

TEST(DlgAufwandszahlLogikTest, WarmwasserWahlBeimOeffnen) {
    SAufwandszahlEingabe e = Haus();
    e.wwModus = 2;
    e.wwVerluste = 0.05f;
    EXPECT_EQ(CDlgAufwandszahlLogik::WWBereitungAnfang(e, 0), 1);  // the flow heater
    e.wwVerluste = 0.1f;
    EXPECT_EQ(CDlgAufwandszahlLogik::WWBereitungAnfang(e, 0), 0);
    e.wwModus = 1;
    e.wwVerluste = 0.0f;
    EXPECT_EQ(CDlgAufwandszahlLogik::WWBereitungAnfang(e, 0), 0);
}

}  // namespace
