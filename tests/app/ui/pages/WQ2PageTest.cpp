// The second heat-source page in the running program: the brine fields and when their
// change counts, the input checks of the tubes and the operating mode, the flow warning,
// the second energy source's investment, the heating-system values copied to the second
// source, and the computed minimum flow.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "app/doc/ProjektAblaufBefehle.h"
#include "app/options/OptionenUmgebung.h"
#include "model/app/OptionIds.h"
#include "core/text/ResManager.h"
#include "model/source/WQuelle2.h"
#include "pages/WQ2PageLogik.h"
#include "tests/app/ui/pages/QuellenSeitenFixture.h"

namespace {

using platform::id::OK;
using P = CWQ2Page;

class WQ2PageTest : public quellentest::QuellenSeitenFixture {
  protected:
    // A new project whose source has the tubes a save needs.
    P& VollstaendigeSeite() {
        BeispielConf(u"ground probe monovalent");
        return Seite2();
    }
};

// A brine change counts from 0.01 (density, concentration, inner diameter), 0.001
// (specific heat, viscosity) and 0.0001 (heat conductivity) on.
TEST_F(WQ2PageTest, SoleAenderungZaehltAbSchwelle) {
    const SSoleFelder basis{1030.0f, 25.0f, 26.2f, 3.8f, 4.5f, 0.48f};
    struct Fall {
        const char* name;
        SSoleFelder neu;
        bool geaendert;
    };
    auto mit = [&](auto aendere) {
        SSoleFelder s = basis;
        aendere(s);
        return s;
    };
    const Fall faelle[] = {
        {"nichts", basis, false},
        {"Dichte +0.005", mit([](SSoleFelder& s) { s.dichte += 0.005f; }), false},
        {"Dichte +0.02", mit([](SSoleFelder& s) { s.dichte += 0.02f; }), true},
        {"Konzentration +0.01", mit([](SSoleFelder& s) { s.konzentration += 0.0101f; }), true},
        {"spez. Waerme +0.0005", mit([](SSoleFelder& s) { s.spezWaerme += 0.0005f; }), false},
        {"Viskositaet -0.002", mit([](SSoleFelder& s) { s.viskositaet -= 0.002f; }), true},
        {"Waermeleitung +0.00005", mit([](SSoleFelder& s) { s.waermeleit += 0.00005f; }), false},
        {"Waermeleitung +0.0002", mit([](SSoleFelder& s) { s.waermeleit += 0.0002f; }), true},
    };
    for (const Fall& f : faelle) EXPECT_EQ(SoleGeaendert(basis, f.neu), f.geaendert) << f.name;
    EXPECT_EQ(InvestIndexZweiterET(0), 5);
    EXPECT_EQ(InvestIndexZweiterET(1), 3);
    EXPECT_EQ(InvestIndexZweiterET(2), 8);
    EXPECT_EQ(InvestIndexZweiterET(3), 9);
    EXPECT_EQ(InvestIndexZweiterET(4), 7);
    EXPECT_FALSE(InvestIndexZweiterET(5).has_value());
}

// Another concentration marks the page and gives the amount of concentrate for it; a
// brine value that moved by less than its step (density by 0.005) is no change.
TEST_F(WQ2PageTest, SoleFelderVerlassen) {
    Beispiel(u"ground probe monovalent");
    P& seite = Seite2();
    const QString menge = Text(seite, P::kIdKonzMenge);
    const float dichte = seite.m_dichte;
    ui::setChildText(&seite, P::kIdDichte, QString::number(static_cast<double>(dichte) + 0.005, 'f', 3).toStdU16String());
    Verlasse(seite, P::kIdDichte);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(seite.m_konzMenge, menge.toUInt());

    Tippe(seite, P::kIdKonzentration, QStringLiteral("33"));
    Verlasse(seite, P::kIdKonzentration);
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_GT(Text(seite, P::kIdKonzMenge).toUInt(), menge.toUInt());
}

// The input checks of the tubes and the operating mode: each refuses with its message and
// writes nothing.
TEST_F(WQ2PageTest, DatenOK) {
    P& seite = VollstaendigeSeite();
    struct Fall {
        const char* name;
        std::function<void()> eingabe;
        std::u16string meldung;
    };
    const Fall faelle[] = {
        {"Durchfluss unter 0,1",
         [&] {
             Tippe(seite, P::kIdVolStrom, QStringLiteral("0.05"));
             uitest::dialogs().expectMessageBox(OK);  // below the unit's nominal flow: a warning first
         },
         Sprachtext(3530)},
        {"Innendurchmesser unter 1",
         [&] {
             Tippe(seite, P::kIdVolStrom, QStringLiteral("3.5"));
             Tippe(seite, P::kIdInnen, QStringLiteral("0.5"));
         },
         Sprachtext(3348)},
        {"innen nicht kleiner als aussen", [&] { Tippe(seite, P::kIdInnen, QStringLiteral("32")); }, Sprachtext(3050)},
        {"Bivalenztemperatur 13",
         [&] {
             Tippe(seite, P::kIdInnen, QStringLiteral("26.2"));
             WaehleIndex(seite, P::kIdModus, 2);
             Tippe(seite, P::kIdBivTemp, QStringLiteral("13"));
         },
         u"The maximum bivalent temperature is 12 °C."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        f.eingabe();
        uitest::dialogs().expectMessageBox(OK);
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        EXPECT_TRUE(Enthaelt(BoxTexte().back(), f.meldung)) << QString::fromStdU16String(BoxTexte().back()).toStdString();
        EXPECT_EQ(seite.m_modified, 1);
        EXPECT_NE(Gespeichert(Quelle(), ID_BetrWeiseIdx).GetIntVal(), 2);
    }
    Tippe(seite, P::kIdBivTemp, QStringLiteral("12"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Gespeichert(Quelle(), ID_BetrWeiseIdx).GetIntVal(), 2);
}

// A second energy source chosen anew puts the investment of its comparison heating into the
// project's last investment pair (oil: pair 3).
TEST_F(WQ2PageTest, ZweiterEnergietraegerInvestition) {
    P& seite = VollstaendigeSeite();
    CProjekt2& projekt = dokument->Projekt();
    CProjekt2::InvestKosten vorher{};
    projekt.GetInvestKosten(vorher);
    vorher[3] = {4711, 815};
    projekt.SetInvestKosten(vorher);
    WaehleIndex(seite, P::kIdModus, 2);
    ASSERT_TRUE(Element(seite, P::kIdZweiterET).isVisible());
    WaehleIndex(seite, P::kIdZweiterET, 1);
    Tippe(seite, P::kIdBivTemp, QStringLiteral("-2"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    ASSERT_EQ(seite.m_modified, 0);
    CProjekt2::InvestKosten nachher{};
    projekt.GetInvestKosten(nachher);
    EXPECT_EQ(nachher[13].erster, 4711u);
    EXPECT_EQ(nachher[13].zweiter, 815u);
    EXPECT_EQ(Gespeichert(Quelle(), ID_ZweiterETIdx).GetIntVal(), 1);
}

// The own heating's name is an option: renamed on the options pages, it shows at once as
// the last second energy source of the open page, the choice kept.
TEST_F(WQ2PageTest, UmbenannteEigeneHeizungErscheintSofort) {
    P& seite = VollstaendigeSeite();
    WaehleIndex(seite, P::kIdModus, 2);
    auto* box = dynamic_cast<QComboBox*>(&Element(seite, P::kIdZweiterET));
    ASSERT_NE(box, nullptr);
    ASSERT_GT(box->count(), 1);
    WaehleIndex(seite, P::kIdZweiterET, 1);
    const CVRMString name(u"Kachelofen");
    app->GetOptionsManager().SetStringWert(OPT_NAME_ZET, &name);
    app->OptionenGeaendert(kHintOptionenGeaendert);
    EXPECT_EQ(box->itemText(box->count() - 1), QStringLiteral("Kachelofen"));
    EXPECT_EQ(box->currentIndex(), 1);
}

// Embedded in the design wizard, the choice of the second heater takes its investment
// costs over in memory only: the project's record in the file stays as it was until the
// design is finished.
TEST_F(WQ2PageTest, EingebettetSchreibtKeineInvestitionskosten) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    // The design cancelled gives the new project its first source.
    uitest::dialogs().expectDialog({}, [](QDialog& dlg) {
        for (QPushButton* knopf : dlg.findChildren<QPushButton*>())
            if (knopf->isVisible() && knopf->text() == QStringLiteral("Cancel")) uitest::click(*knopf, {5, 5});
    });
    Befehl(kBefehlDimensionieren)->trigger();
    uitest::processEvents();
    ASSERT_NE(doc.GetWQuelle(1), nullptr);
    CProjekt2::InvestKosten kosten{};
    doc.Projekt().GetInvestKosten(kosten);
    kosten[3] = {4711, 815};
    doc.Projekt().SetInvestKosten(kosten);
    const std::u16string key = CVRMwerteListe::getKey(ID_Wirtschaft);
    const auto vorher = Eintrag(doc.GetProjektName(), key);
    ASSERT_TRUE(vorher.has_value());

    auto* seite = new P(true, 1);
    doc.DatenSheet().AddDatenPage(seite);
    seite->LoadKomponente(Quelle(), doc.GetProjektName(), CVRMString());
    doc.DatenSheet().setActivePage(doc.DatenSheet().indexOf(seite));
    doc.DatenSheet().show();
    uitest::processEvents();
    WaehleIndex(*seite, P::kIdModus, 2);
    WaehleIndex(*seite, P::kIdZweiterET, 1);
    Tippe(*seite, P::kIdBivTemp, QStringLiteral("-2"));
    seite->onOK();
    EXPECT_EQ(seite->m_modified, 0);
    CProjekt2::InvestKosten uebernommen{};
    doc.Projekt().GetInvestKosten(uebernommen);
    EXPECT_EQ(uebernommen[13].erster, 4711u);
    EXPECT_EQ(Eintrag(doc.GetProjektName(), key), vorher);
}

// A flow below the heat pump maker's recommendation warns with the required flow and
// still saves.
TEST_F(WQ2PageTest, DurchflussWarnung) {
    CKelvoDoc& doc = BeispielConf(u"ground probe monovalent");
    P& seite = Seite2();
    // The nominal source flow the sample's unit holds, per unit.
    const float nenn = doc.WPumpe().GetWert(ID_VolStromSole).GetFloatVal();
    ASSERT_GT(nenn, 0.2f);
    const float gefordert = nenn * static_cast<float>(std::max(1u, doc.Projekt().GetWert(ID_AnzahlWP).GetUIntVal()));
    Tippe(seite, P::kIdVolStrom, QStringLiteral("0.2"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    CVRMString erwartet;
    erwartet.Format(3376u, static_cast<double>(gefordert));
    EXPECT_EQ(BoxTexte().back(), erwartet);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_FLOAT_EQ(Gespeichert(Quelle(), ID_VolStrom).GetFloatVal(), 0.2f);
}

// The computed minimum flow is shown; it is written at once only into a record that may
// be changed, never into the library's.
TEST_F(WQ2PageTest, MindestDurchflussNurInAenderbareSaetze) {
    CKelvoDoc& doc = Beispiel(u"ground probe monovalent");
    P& seite = Seite2();
    const auto bytes = Bytes();
    Druecke(seite, P::kIdBerechne);
    EXPECT_EQ(seite.m_berechne, 1);
    EXPECT_GT(seite.m_volStrom, 0.1f);
    EXPECT_EQ(Text(seite, P::kIdVolStrom), QString::number(static_cast<double>(seite.m_volStrom), 'f', 1));
    EXPECT_EQ(Bytes(), bytes);  // nothing written
    EXPECT_FALSE(Element(seite, P::kIdVolStrom).isEnabled());
    (void)doc;
}

}  // namespace
