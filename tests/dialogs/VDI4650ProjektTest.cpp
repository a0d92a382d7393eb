// The VDI 4650 calculator opened from each shipped sample project in the real program,
// with the heat pump from the list and with free input: its three factors, read off the
// window, are those the stand-alone calculator gives for the same heat pump and the same
// plant, its COPs taken from the list or typed in with two decimals.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/doc/ErgebnisBefehle.h"
#include "controls/small/Label.h"
#include "dialogs/DlgVDI4650.h"
#include "model/data/Runden.h"
#include "tests/app/ui/ProgrammFixture.h"
#include "tests/dialogs/DialogEingabe.h"

namespace {

using namespace dialogtest;
using C = CDlgVDI4650;

const std::u16string kTitel = u"Seasonal performance factor as per VDI 4650";

std::u16string Zwei(float wert) {
    CVRMString text;
    text.Format(u"%.2f", wert);
    return text;
}

class VDI4650ProjektTest : public programmtest::ProgrammFixture {};

TEST_F(VDI4650ProjektTest, AusJedemBeispielWieDerRechnerMitDerselbenWaermepumpe) {
    Starte();
    struct Fall {
        const char16_t* projekt;
        int art;  // the heat pump's kind for the calculator
        // The notes each opening shows on the way: the project calculation's and the
        // guideline's bound on the brine temperature.
        std::vector<std::u16string_view> hinweise;
    };
    constexpr std::u16string_view kLeistung = u"Heat output of heat pump";
    constexpr std::u16string_view kSole = u"The brine temperature is outside";
    const Fall faelle[] = {
        {u"ground probe monovalent", VDI4650::kSoleWasser, {kLeistung, kSole}},
        {u"air monoenergetic", VDI4650::kLuftWasser, {}},
        {u"ground water bivalent", VDI4650::kWasserWasser, {kLeistung}},
        {u"ground probe solar", VDI4650::kSoleWasser, {kLeistung, kSole}},
    };
    auto& d = uitest::dialogs();
    // Answers the notes of one opening and checks them.
    const auto mitHinweisen = [&d](const Fall& f, const std::function<void()>& oeffne) {
        for (size_t i = 0; i < f.hinweise.size(); ++i) d.expectMessageBox(platform::id::OK);
        oeffne();
        ASSERT_EQ(d.boxes().size(), f.hinweise.size());
        for (size_t i = 0; i < f.hinweise.size(); ++i)
            EXPECT_NE(d.boxes()[i].text.find(f.hinweise[i]), std::u16string::npos) << i;
        d.finishTest();
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(QString::fromStdU16String(f.projekt).toStdString());
        CKelvoDoc* doc = app->OpenDocumentFile(Projekt(f.projekt));
        ASSERT_NE(doc, nullptr);

        // The stand-alone calculator: the project's plant, the COPs, test-bench difference
        // and power of the same heat pump taken from the databases.
        SVDI4650Projektdaten daten;
        mitHinweisen(f, [&] { EXPECT_TRUE(doc->GetVDI4650Daten(daten)); });
        ASSERT_EQ(daten.art, f.art);
        CVDI4650Rechner liste(true, nullptr);
        liste.SetDaten(daten);
        ASSERT_TRUE(liste.GetCOPsVonWP());
        liste.BerechneQuellenpumpenFaktor();
        ASSERT_TRUE(liste.Berechne());
        EXPECT_GT(liste.ergebnisse.betaHeizung, 2.0f);
        EXPECT_GT(liste.ergebnisse.betaAnlage, 2.0f);
        // With free input the COPs stand in their fields with two decimals, as a user types
        // them off the heat pump's data sheet.
        CVDI4650Rechner frei = liste;
        for (float* cop : {&frei.cop1, &frei.cop2, &frei.cop3})
            *cop = static_cast<float>(RundeAufStellen(*cop, 2));
        ASSERT_TRUE(frei.Berechne());

        for (const int befehl : {kBefehlVDI4650, kBefehlVDI4650b}) {
            SCOPED_TRACE(befehl == kBefehlVDI4650 ? "list" : "free input");
            const SVDI4650Ergebnisse& e =
                befehl == kBefehlVDI4650 ? liste.ergebnisse : frei.ergebnisse;
            d.expectDialog(kTitel, [&](QDialog& dlg) {
                Druecke(dlg, C::kIdcAktualisieren);
                const auto ergebnis = [&dlg](int id) {
                    return dynamic_cast<CLabel*>(ui::child(&dlg, id))->text();
                };
                EXPECT_EQ(ergebnis(C::kIdcBetaHeizung), Zwei(e.betaHeizung));
                EXPECT_EQ(ergebnis(C::kIdcBetaWarmwasser), Zwei(e.betaWarmwasser));
                EXPECT_EQ(ergebnis(C::kIdcBetaAnlage), Zwei(e.betaAnlage));
                uitest::key(dlg, Qt::Key_Escape);
            });
            QAction* aktion = Befehl(befehl);
            ASSERT_NE(aktion, nullptr);
            ASSERT_TRUE(aktion->isEnabled());
            mitHinweisen(f, [&] {
                aktion->trigger();
                uitest::processEvents();
                EXPECT_EQ(d.dialogCaptions().size(), 1u);
            });
        }
    }
}

}  // namespace
