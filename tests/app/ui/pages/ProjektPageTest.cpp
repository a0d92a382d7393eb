// The project page in the running program: the tariff shares and their checks, a tariff
// without a night window, the defrosting energy typed as text, a library project that is
// never written, document hints while the page holds unsaved entries, and the controller
// values outside country 0.
#include <gtest/gtest.h>

#include "core/text/ResManager.h"
#include "pages/ProjektPage.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace {

using platform::id::CANCEL;
using platform::id::NO;
using platform::id::OK;
using platform::id::YES;

std::u16string Sprachtext(unsigned id) { return CResManager::getLangText(static_cast<uint16_t>(id)); }

constexpr const char16_t* kEinTarif = u"Heat-pump tariff single-rate (DE example 2021)_(bib)";
constexpr const char16_t* kLuftWP = u"Generic air/water 12 kW_(bib)";

class ProjektPageTest : public seitentest::SeitenFixture {
  protected:
    CProjektPage& Seite() { return Zeige<CProjektPage>(CKelvoDoc::kProjektSeite); }
    // Sets the check box by clicking it as often as needed.
    void Setze(CProjektPage& seite, int id, bool an) {
        if (Element<QCheckBox>(seite, id).isChecked() != an) Druecke(seite, id);
    }
    // Leaves the field as the user does: Tab to the next one.
    void Verlasse(CProjektPage& seite, int id) {
        uitest::key(Element<QLineEdit>(seite, id), Qt::Key_Tab);
        uitest::processEvents();
    }
};

// Typed shares must add up to 100; a share below 20 % of a tariff in use is asked about.
TEST_F(ProjektPageTest, AnteileWerdenBeimSpeichernGeprueft) {
    NeuesProjekt(QStringLiteral("Meier"));
    CProjektPage& seite = Seite();
    Setze(seite, CProjektPage::kIdBerechneAnteile, false);
    EXPECT_TRUE(Element(seite, CProjektPage::kIdTag).isEnabled());
    EXPECT_TRUE(Element(seite, CProjektPage::kIdNacht).isEnabled());
    struct Fall {
        QString tag, nacht;
        int antwort;          // 0: no box
        unsigned box;         // the text of the box
        bool gespeichert;
    };
    const Fall faelle[] = {
        {QStringLiteral("80"), QStringLiteral("20"), 0, 0, true},
        {QStringLiteral("85"), QStringLiteral("15"), NO, 3248, false},
        {QStringLiteral("85"), QStringLiteral("15"), YES, 3248, true},
        {QStringLiteral("70"), QStringLiteral("20"), OK, 3247, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE((f.tag + "/" + f.nacht).toStdString());
        const auto vorher = Eintrag(u"Meier", u"TAnteil1");
        Tippe(seite, CProjektPage::kIdTag, f.tag);
        Tippe(seite, CProjektPage::kIdNacht, f.nacht);
        const std::size_t boxen = uitest::dialogs().boxes().size();
        if (f.antwort) uitest::dialogs().expectMessageBox(f.antwort);
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        ASSERT_EQ(uitest::dialogs().boxes().size(), boxen + (f.antwort ? 1 : 0));
        if (f.antwort) {
            EXPECT_EQ(uitest::dialogs().boxes().back().text, Sprachtext(f.box));
            EXPECT_EQ(uitest::dialogs().boxes().back().caption, Sprachtext(3385));
        }
        EXPECT_EQ(Eintrag(u"Meier", u"TAnteil1"),
                  f.gespeichert ? std::optional<std::u16string>(f.tag.toStdU16String()) : vorher);
        EXPECT_EQ(seite.m_modified, f.gespeichert ? 0 : 1);
    }
    EXPECT_EQ(Eintrag(u"Meier", u"TAnteil2"), std::optional<std::u16string>(u"15"));
}

// A tariff without a second window forces all running time into the day and leaves the
// night share nothing to edit.
TEST_F(ProjektPageTest, TarifOhneNachtfenster) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    ASSERT_EQ(doc.SetProjektDaten(ID_Tarif, kEinTarif, 1, 1), 1);
    CProjektPage& seite = Seite();
    Setze(seite, CProjektPage::kIdBerechneAnteile, false);
    EXPECT_EQ(Text(seite, CProjektPage::kIdTag), QStringLiteral("100"));
    EXPECT_EQ(Text(seite, CProjektPage::kIdNacht), QStringLiteral("0"));
    EXPECT_TRUE(Element(seite, CProjektPage::kIdTag).isEnabled());
    EXPECT_FALSE(Element(seite, CProjektPage::kIdNacht).isEnabled());
    // Computed, both follow the tariff and neither can be typed.
    Setze(seite, CProjektPage::kIdBerechneAnteile, true);
    EXPECT_FALSE(Element(seite, CProjektPage::kIdTag).isEnabled());
    EXPECT_FALSE(Element(seite, CProjektPage::kIdNacht).isEnabled());
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(Eintrag(u"Meier", u"TAnteil1"), std::optional<std::u16string>(u"100"));
}

// The field keeps only the leading digits when it is left; the record takes the number
// only when the page is saved, so "No" to the question brings the stored value back.
TEST_F(ProjektPageTest, AbtauenergieErstBeimSpeichern) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    ASSERT_TRUE(doc.WechsleWPumpe(kLuftWP, 1));
    CProjektPage& seite = Seite();
    Setze(seite, CProjektPage::kIdBerechneAbtauen, false);
    ASSERT_TRUE(Element(seite, CProjektPage::kIdAbtauen).isEnabled());
    const unsigned gespeichert = doc.Projekt().GetWert(ID_StromAbtauen).GetUIntVal();
    const std::pair<QString, QString> faelle[] = {
        {QStringLiteral("12abc"), QStringLiteral("12")},
        {QStringLiteral("abc"), QStringLiteral("0")},
        {QStringLiteral("99999999999"), QStringLiteral("4294967295")},
    };
    for (const auto& [getippt, gezeigt] : faelle) {
        Tippe(seite, CProjektPage::kIdAbtauen, getippt);
        Verlasse(seite, CProjektPage::kIdAbtauen);
        EXPECT_EQ(Text(seite, CProjektPage::kIdAbtauen), gezeigt);
        EXPECT_EQ(doc.Projekt().GetWert(ID_StromAbtauen).GetUIntVal(), gespeichert);
    }
    uitest::dialogs().expectMessageBox(NO);
    Druecke(seite, CEingabeSeite::kIdSchliessen);
    EXPECT_FALSE(Sheet().isVisible());
    EXPECT_EQ(doc.Projekt().GetWert(ID_StromAbtauen).GetUIntVal(), gespeichert);

    Seite();
    EXPECT_EQ(Text(seite, CProjektPage::kIdAbtauen), QString::number(gespeichert));
    EXPECT_FALSE(Element(seite, CProjektPage::kIdAbtauen).isEnabled());  // the estimate is back
    Setze(seite, CProjektPage::kIdBerechneAbtauen, false);
    Tippe(seite, CProjektPage::kIdAbtauen, QStringLiteral("1500 kWh"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(Eintrag(u"Meier", u"StromAbtauen"), std::optional<std::u16string>(u"1500"));
    EXPECT_EQ(Eintrag(u"Meier", u"BerechAT"), std::optional<std::u16string>(u"0"));
}

// A project of the library is never written: not the shares the page computes on its own,
// not what the user saves (4295).
TEST_F(ProjektPageTest, BibliotheksprojektBleibtUnveraendert) {
    CKelvoDoc& doc = Beispiel(u"ground probe monovalent");
    const auto bytes = Bytes();
    CProjektPage& seite = Seite();
    Setze(seite, CProjektPage::kIdBerechneAnteile, true);
    seite.RecalcTarifVerteilung(40.0f);
    Sheet().setActivePage(1);
    Seite();
    EXPECT_EQ(Bytes(), bytes);

    Tippe(seite, CProjektPage::kIdName, QStringLiteral("Erika Meier"));
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_NE(uitest::dialogs().boxes().back().text.find(u"program database"), std::u16string::npos);
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_EQ(Bytes(), bytes);
    EXPECT_NE(doc.Haus().GetWert(ID_AdrName).GetStringVal(), u"Erika Meier");
}

// A change of tariff in the project window while the page holds unsaved entries: no
// question, the entries stay, and saving writes them; unmodified, the page follows.
TEST_F(ProjektPageTest, HinweisBehaeltUngespeicherteEingaben) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    CProjektPage& seite = Seite();
    Tippe(seite, CProjektPage::kIdName, QStringLiteral("Erika Meier"));
    Tippe(seite, CProjektPage::kIdLaufzeitHUP, QStringLiteral("4000"));
    ASSERT_EQ(doc.SetProjektDaten(ID_Tarif, kEinTarif, 1, 1), 1);
    EXPECT_EQ(Text(seite, CProjektPage::kIdName), QStringLiteral("Erika Meier"));
    EXPECT_EQ(Text(seite, CProjektPage::kIdLaufzeitHUP), QStringLiteral("4000"));
    EXPECT_EQ(seite.m_modified, 1);
    Setze(seite, CProjektPage::kIdBerechneAnteile, true);
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Eintrag(u"Meier", u"LaufzeitHUP"), std::optional<std::u16string>(u"4000"));
    EXPECT_EQ(Eintrag(doc.Haus().getConsumerName(), u"AdrName"), std::optional<std::u16string>(u"Erika Meier"));
    EXPECT_TRUE(uitest::dialogs().boxes().empty());
    // Unmodified, the page follows the next change.
    ASSERT_EQ(doc.SetProjektDaten(ID_Tarif, u"Heat-pump tariff two-rate with blocking (DE example)_(bib)", 1, 1), 1);
    Setze(seite, CProjektPage::kIdBerechneAnteile, false);
    EXPECT_TRUE(Element(seite, CProjektPage::kIdNacht).isEnabled());
}

// A change of heat pump in the project window while the page holds unsaved entries asks
// about them: Yes saves them, No drops them, Cancel keeps them for a later save. In every
// case the file ends with the new heat pumps' source-pump power, never the one the page
// loaded before the change.
TEST_F(ProjektPageTest, WaermepumpenWechselFragtNachUngespeichertenEingaben) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    CProjektPage& seite = Seite();
    struct Fall {
        int antwort;
        const char16_t* wp;
        unsigned anzahl;
        QString laufzeit;
        bool gespeichert;  // the typed running time reaches the file
    };
    const Fall faelle[] = {{YES, kLuftWP, 1, QStringLiteral("4000"), true},
                           {NO, u"Generic brine/water 15 kW_(bib)", 2, QStringLiteral("4100"), false},
                           {CANCEL, kLuftWP, 3, QStringLiteral("4200"), true}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.antwort);
        const QString vorher = Text(seite, CProjektPage::kIdLaufzeitHUP);
        Tippe(seite, CProjektPage::kIdLaufzeitHUP, f.laufzeit);
        uitest::dialogs().expectMessageBox(f.antwort);
        ASSERT_TRUE(doc.WechsleWPumpe(f.wp, f.anzahl));
        ASSERT_FALSE(uitest::dialogs().boxes().empty());
        EXPECT_EQ(uitest::dialogs().boxes().back().text, Sprachtext(3408));
        if (f.antwort == CANCEL) {
            EXPECT_EQ(Text(seite, CProjektPage::kIdLaufzeitHUP), f.laufzeit);
            Druecke(seite, CEingabeSeite::kIdSpeichern);
        }
        EXPECT_EQ(seite.m_modified, 0);
        const QString erwartet = f.gespeichert ? f.laufzeit : vorher;
        EXPECT_EQ(Text(seite, CProjektPage::kIdLaufzeitHUP), erwartet);
        EXPECT_EQ(Eintrag(u"Meier", u"LaufzeitHUP"), std::optional<std::u16string>(erwartet.toStdU16String()));
        // Neither library record gives a source-pump power: the default 350 W per heat pump.
        EXPECT_EQ(Eintrag(u"Meier", u"LeistungSP2"),
                  std::optional<std::u16string>(QString::number(350 * f.anzahl).toStdU16String()));
    }
}

// Outside country 0 the controller group is hidden and its values are saved as loaded.
TEST_F(ProjektPageTest, ReglerNurImLand0) {
    NeuesProjekt(QStringLiteral("Meier"));
    ASSERT_NE(app->GetLandCode(), 0);
    CProjektPage& seite = Seite();
    for (int id : {2237, 1824, CProjektPage::kIdRleist, CProjektPage::kIdRlauf})
        EXPECT_FALSE(Element(seite, id).isVisible()) << id;
    const auto rleist = Eintrag(u"Meier", u"Rleist");
    const auto rlauf = Eintrag(u"Meier", u"Rlauf");
    Tippe(seite, CProjektPage::kIdLaufzeitHUP, QStringLiteral("5000"));
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(Eintrag(u"Meier", u"LaufzeitHUP"), std::optional<std::u16string>(u"5000"));
    EXPECT_EQ(Eintrag(u"Meier", u"Rleist"), rleist);
    EXPECT_EQ(Eintrag(u"Meier", u"Rlauf"), rlauf);
}

}  // namespace
