// The dimensioning wizard of a project: its preconditions in their order, the pages it
// shows, Finish with the takeover of the design by operating mode, Cancel, a page that
// fails, and the takeover's refusals (a wrong source kind before anything is written,
// outside the wizard).
#include <gtest/gtest.h>

#include <QAction>
#include <functional>
#include <QPushButton>

#include "app/doc/ProjektAblaufBefehle.h"
#include "app/frame/MainFrame.h"
#include "platform/ui/PropertySheet.h"
#include "tests/app/ui/doc/ProjektAblauf.h"

namespace {

using projektablauf::AblaufSeite;
using projektablauf::ProjektAblaufTest;

constexpr std::u16string_view kKomponentenFehlen = u"First you have to select a building, a tariff";
constexpr std::u16string_view kZweiQuellen = u"The program cannot design projects with combined heat sources.";
constexpr std::u16string_view kSeitenOffen = u"Please, first close the data page(s).";
constexpr std::u16string_view kPumpen = u"Please check, if the power consumption of the pumps";
constexpr std::u16string_view kZweiteQuelle = u"Please select the second heat source.";

class DimWizardTest : public ProjektAblaufTest {
  protected:
    // The wizard's pages in their order, each with its kind and wizard flag.
    static std::vector<std::pair<int, int>> Schritte(QDialog& d) {
        std::vector<std::pair<int, int>> schritte;
        auto& sheet = dynamic_cast<ui::PropertySheet&>(d);
        for (int i = 0; i < sheet.pageCount(); ++i) {
            auto* seite = dynamic_cast<AblaufSeite*>(sheet.page(i));
            schritte.emplace_back(seite ? seite->GetPageKind() : -1, seite ? seite->wizardFlag : -1);
        }
        return schritte;
    }
    static void Druecke(QDialog& d, int id) {
        auto* knopf = qobject_cast<QPushButton*>(ui::child(&d, id));
        ASSERT_NE(knopf, nullptr);
        ASSERT_TRUE(knopf->isVisible() && knopf->isEnabled()) << id;
        uitest::click(*knopf, {5, 5});
    }
    // Steps through the wizard with Next and ends it with `ende` on the last page.
    void Durchlaufe(int ende, std::vector<std::pair<int, int>>* schritte = nullptr) {
        uitest::dialogs().expectDialog(kName, [=](QDialog& d) {
            if (schritte) *schritte = Schritte(d);
            auto& sheet = dynamic_cast<ui::PropertySheet&>(d);
            while (sheet.activeIndex() < sheet.pageCount() - 1) Druecke(d, ui::kIdNext);
            Druecke(d, ende);
        });
    }
    void Design(int art, int betrWeise) {
        dimDaten = SDimDaten{};
        dimDaten.wpName = doc->ProjektText(ID_WPumpe);
        dimDaten.anzahl = 2;
        dimDaten.quellArt = art;
        dimDaten.quelle.sondenLaenge = 120;
        dimDaten.quelle.anzahl = 3;
        dimDaten.quelle.aussen = 32.0f;
        dimDaten.quelle.betrWeise = betrWeise;
        dimDaten.quelle.dimPunktTemp = -9;
    }
    std::vector<std::u16string> Texte(std::size_t ab) const {
        const auto alle = BoxTexte();
        return {alle.begin() + static_cast<std::ptrdiff_t>(std::min(ab, alle.size())), alle.end()};
    }
    // The normal pages are back, none of them a wizard page.
    void PruefeNormaleSeiten(const char* fall) {
        for (int kind : {CKelvoDoc::kProjektSeite, CKelvoDoc::kHausSeite, CKelvoDoc::kWQ1Seite}) {
            AblaufSeite* seite = Seite(*doc, kind);
            ASSERT_NE(seite, nullptr) << fall << " " << kind;
            EXPECT_EQ(seite->wizardFlag, 0) << fall << " " << kind;
        }
        EXPECT_EQ(doc->IstBeschaeftigt(), 0) << fall;
    }

    CKelvoDoc* doc = nullptr;
};

// Finish takes the design over: the heat pump and its number, the first source's size, mode
// and design point in the user database; then the reminder by mode and its page.
TEST_F(DimWizardTest, FertigUebernimmtAuslegungNachBetriebsweise) {
    StarteMitSeiten();
    doc = &EigenesProjekt();
    struct Fall {
        int betrWeise;
        std::u16string_view meldung;
        int seite;
    };
    const Fall faelle[] = {
        {1, kPumpen, CKelvoDoc::kProjektSeite},  {3, kPumpen, CKelvoDoc::kProjektSeite},
        {2, kZweiteQuelle, CKelvoDoc::kWQ2Seite}, {4, kZweiteQuelle, CKelvoDoc::kWQ2Seite},
        {6, kZweiteQuelle, CKelvoDoc::kWQ2Seite}, {8, kZweiteQuelle, CKelvoDoc::kWQ2Seite},
    };
    auto& d = uitest::dialogs();
    for (const Fall& f : faelle) {
        Design(0, f.betrWeise);
        std::vector<std::pair<int, int>> schritte;
        Durchlaufe(ui::kIdFinish, &schritte);
        d.expectMessageBox(platform::id::OK);
        const std::size_t vorher = d.boxes().size();
        Befehl(kBefehlDimensionieren)->trigger();
        uitest::processEvents();
        const std::vector<std::pair<int, int>> erwartet = {{0, 1}, {1, 1}, {2, 1}, {4, 1}, {kDimSeitenArt, 1}};
        EXPECT_EQ(schritte, erwartet) << f.betrWeise;
        ASSERT_EQ(Texte(vorher).size(), 1u) << f.betrWeise;
        EXPECT_EQ(Texte(vorher)[0].find(f.meldung), 0u) << f.betrWeise;
        PruefeNormaleSeiten("finish");
        EXPECT_EQ(doc->DatenSheet().activePage(), doc->GetSeite(f.seite)) << f.betrWeise;
        EXPECT_TRUE(doc->DatenSheet().isVisible());
        // Written: mode, design point, probe length 120 m and 3 probes, 2 heat pumps.
        EXPECT_EQ(QuellWert(kQuelle1, ID_BetrWeiseIdx), std::optional<std::u16string>(QString::number(f.betrWeise).toStdU16String()));
        EXPECT_EQ(doc->GetWQuelle(1)->GetWert(ID_DimPunktTemp).GetIntVal(), -9);
        EXPECT_EQ(QuellWert(kQuelle1, ID_WQuelleLaenge), std::optional<std::u16string>(u"120"));
        EXPECT_EQ(QuellWert(kQuelle1, ID_SoleKreise), std::optional<std::u16string>(u"3"));
        EXPECT_EQ(Eintrag(kName, CVRMwerteListe::getKey(ID_AnzahlWP)), std::optional<std::u16string>(u"2"));
        doc->DatenSheet().hide();
    }
}

// Cancel and a page that fails to load both end in the rebuilt normal sheet with the busy
// flag down; the failure says "Design aborted!" and no wizard shows; nothing is written.
TEST_F(DimWizardTest, AbbruchUndFehlerBauenNormaleSeitenWiederAuf) {
    StarteMitSeiten();
    doc = &EigenesProjekt();
    Design(0, 1);
    auto& d = uitest::dialogs();
    const std::string datei = DateiInhalt();

    Durchlaufe(ui::kIdCancel);
    std::size_t vorher = d.boxes().size();
    doc->DoDimensionierung();
    EXPECT_TRUE(Texte(vorher).empty());
    PruefeNormaleSeiten("cancel");
    EXPECT_FALSE(doc->DatenSheet().isVisible());

    wirftArt = 2;  // the tariff page
    d.expectMessageBox(platform::id::OK);
    d.expectMessageBox(platform::id::OK);
    vorher = d.boxes().size();
    doc->DoDimensionierung();
    const auto texte = Texte(vorher);
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0], u"page broken");
    EXPECT_EQ(texte[1], u"Design aborted!");
    PruefeNormaleSeiten("failed page");
    EXPECT_EQ(DateiInhalt(), datei);
}

// Each precondition stops the wizard with its own message, in the order of the checks: the
// components before the second source before open pages. The project is left as it was.
TEST_F(DimWizardTest, VorbedingungenInIhrerReihenfolge) {
    StarteMitSeiten();
    doc = &EigenesProjekt();
    auto& d = uitest::dialogs();
    // Everything wrong at once: no tariff, two sources, a page with changes in the sheet.
    const CVRMString tarif = doc->ProjektText(ID_Tarif);
    d.expectMessageBox(platform::id::OK);
    doc->OnAddWQuelle2();
    ASSERT_EQ(doc->KombiWQuelle().GetAnzahlWQuellen(), 2);
    doc->OnEditDatenPage(CKelvoDoc::kHausSeite);
    Seite(*doc, CKelvoDoc::kHausSeite)->Aendere();
    doc->Projekt().GetWert(ID_Tarif) = u"";
    struct Fall {
        std::u16string_view meldung;
        std::function<void()> behebe;
    };
    const Fall faelle[] = {
        {kKomponentenFehlen, [&] { doc->Projekt().GetWert(ID_Tarif) = tarif; }},
        {kZweiQuellen, [&] { doc->KombiWQuelle().LoescheZweiteWQuelle(); }},
        {kSeitenOffen, [] {}},
    };
    for (const Fall& f : faelle) {
        const std::size_t seiten = erzeugt.size();
        const std::string datei = DateiInhalt();
        d.expectMessageBox(platform::id::OK);
        Befehl(kBefehlDimensionieren)->trigger();
        EXPECT_EQ(DateiInhalt(), datei);
        ASSERT_EQ(d.boxes().back().text.find(f.meldung), 0u);
        EXPECT_EQ(d.boxes().back().caption, u"Varmion");
        EXPECT_EQ(erzeugt.size(), seiten) << "no wizard page";
        EXPECT_EQ(doc->IstBeschaeftigt(), 0);
        f.behebe();
    }
    // A library project may not change: its own message, and no wizard.
    CKelvoDoc* bib = app->OpenDocumentFile(Projekt(u"ground probe solar"));
    d.expectMessageBox(platform::id::OK);
    const std::size_t seiten = erzeugt.size();
    bib->DoDimensionierung();
    EXPECT_EQ(erzeugt.size(), seiten);
}

// A source kind without a source temperature is refused before the heat pump is exchanged
// or any value is written: the wizard stays open and the file keeps every byte. Outside the
// wizard the takeover is refused as such.
TEST_F(DimWizardTest, UebernahmeVerweigert) {
    StarteMitSeiten();
    doc = &EigenesProjekt();
    auto& d = uitest::dialogs();
    const std::string datei = DateiInhalt();
    const CVRMString wpumpe = doc->ProjektText(ID_WPumpe);
    const unsigned anzahl = doc->Projekt().GetWert(ID_AnzahlWP).GetUIntVal();
    const float vpf = doc->Projekt().GetWert(ID_VPF).GetFloatVal();
    Design(7, 1);
    dimDaten.wpName = u"Generic air/water 12 kW";
    d.expectDialog(kName, [&](QDialog& dlg) {
        auto& sheet = dynamic_cast<ui::PropertySheet&>(dlg);
        while (sheet.activeIndex() < sheet.pageCount() - 1) Druecke(dlg, ui::kIdNext);
        d.expectMessageBox(platform::id::OK);
        Druecke(dlg, ui::kIdFinish);
        EXPECT_TRUE(dlg.isVisible()) << "the wizard stays open";
        EXPECT_EQ(d.boxes().back().text, u"Switch constant wrong\n(CKelvoDoc::BroadcastDimDaten)");
        Druecke(dlg, ui::kIdCancel);
    });
    doc->DoDimensionierung();
    EXPECT_EQ(DateiInhalt(), datei);
    EXPECT_EQ(doc->ProjektText(ID_WPumpe), wpumpe);
    EXPECT_EQ(doc->Projekt().GetWert(ID_AnzahlWP).GetUIntVal(), anzahl);
    EXPECT_EQ(doc->Projekt().GetWert(ID_VPF).GetFloatVal(), vpf);
    PruefeNormaleSeiten("refused kind");

    Design(0, 1);
    d.expectMessageBox(platform::id::OK);
    EXPECT_THROW(doc->BroadcastDimDaten(dimDaten), platform::UserException);
    EXPECT_EQ(d.boxes().back().text, u"Program not in design mode!\n(CKelvoDoc::BroadcastDimDaten)");
    EXPECT_EQ(DateiInhalt(), datei);
}

}  // namespace
