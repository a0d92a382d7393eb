// The hot-water page and its losses dialog in the running program: the checks of a save,
// the tank types and the service rules, the three Calculate buttons of the losses dialog
// with OK saving the page at once, the losses taken back when that save is refused, and a
// user who edits tariff and hot water of a new project.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "app/frame/MainFrame.h"
#include "controls/small/PicStatic.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/KelvoView1.h"
#include "evaluation/binding/Solar.h"
#include "model/house/Haus2.h"
#include "pages/TarifPage.h"
#include "pages/WW2Page.h"
#include "pages/WWPage.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace {

using platform::id::OK;
using W = CWWPage;
using D = CWW2Page;

// The text as the message boxes and controls show it.
std::u16string Sprachtext(unsigned id) {
    CVRMString text;
    text.LoadStringW(id);
    return text;
}

class WWPageTest : public seitentest::SeitenFixture {
  protected:
    W& Seite() { return Zeige<W>(CKelvoDoc::kWWSeite); }
    CVRMString Haus() { return dokument->Haus().getConsumerName(); }
    // Chooses in a drop-down as the user does; the boxes that follow are answered OK.
    void Waehle(W& seite, int id, int index, std::size_t boxen = 0) {
        for (std::size_t i = 0; i < boxen; ++i) uitest::dialogs().expectMessageBox(OK);
        auto& box = Element<QComboBox>(seite, id);
        box.setCurrentIndex(index);
        emit box.activated(index);
        uitest::processEvents();
    }
    std::vector<std::u16string> BoxTexteAb(std::size_t ab) const {
        const auto alle = BoxTexte();
        return {alle.begin() + static_cast<std::ptrdiff_t>(std::min(ab, alle.size())), alle.end()};
    }
    float GespeicherterWert(TKelvoDatenID id) { return CVRMdatenProvider::get().getWerte(Haus()).get(id).GetFloatVal(); }
};

// Each case sets the tank type and temperatures of the same page and saves.
TEST_F(WWPageTest, PruefungenBeimSpeichern) {
    NeuesProjekt(QStringLiteral("Meier"));
    W& seite = Seite();
    struct Fall {
        const char* was;
        int typ;
        const char* bedarf; const char* soll; const char* kalt; const char* eintritt;
        unsigned meldung;  // 0: saved
    };
    const Fall faelle[] = {
        {"type 1, target 50, cold 50", 0, "200", "50", "50", "25", 3227},
        {"type 1, target 51, cold 50", 0, "200", "51", "50", "25", 0},
        {"type 3, target not above the inlet", 2, "200", "50", "12", "50", 3227},
        {"type 3, inlet 10 below cold 12", 2, "200", "50", "12", "10", 3666},
        {"type 3, inlet 12 as cold 12", 2, "200", "50", "12", "12", 0},
        {"no daily need", 1, "0", "50", "10", "25", 3816},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        // Type 3 tells where its heating starts.
        Waehle(seite, W::kIdTyp, f.typ, f.typ == W::kTypEintritt ? 1 : 0);
        Tippe(seite, W::kIdBedarf, QString::fromUtf8(f.bedarf));
        Tippe(seite, W::kIdSoll, QString::fromUtf8(f.soll));
        Tippe(seite, W::kIdKalt, QString::fromUtf8(f.kalt));
        if (f.typ == W::kTypEintritt) Tippe(seite, W::kIdEintritt, QString::fromUtf8(f.eintritt));
        const std::size_t vorher = BoxTexte().size();
        const auto datei = Bytes();
        if (f.meldung) uitest::dialogs().expectMessageBox(OK);
        Druecke(seite, CEingabeSeite::kIdSpeichern);
        const auto texte = BoxTexteAb(vorher);
        if (f.meldung) {
            ASSERT_EQ(texte.size(), 1u);
            EXPECT_EQ(texte[0], Sprachtext(f.meldung));
            EXPECT_EQ(seite.m_modified, 1);
            EXPECT_EQ(Bytes(), datei);
            continue;
        }
        EXPECT_TRUE(texte.empty());
        EXPECT_EQ(seite.m_modified, 0);
        EXPECT_EQ(Eintrag(Haus(), u"WWSollTemp"), std::optional<std::u16string>(QString::fromUtf8(f.soll).toStdU16String()));
        EXPECT_EQ(Eintrag(Haus(), u"KaltWTemp"), std::optional<std::u16string>(QString::fromUtf8(f.kalt).toStdU16String()));
        EXPECT_EQ(Eintrag(Haus(), u"WWSpTyp"), std::optional<std::u16string>(QString::number(f.typ).toStdU16String()));
    }
}

// The tank types bring their exchanger losses; only type 3 shows the inlet temperature.
TEST_F(WWPageTest, SpeichertypBestimmtVerluste) {
    NeuesProjekt(QStringLiteral("Meier"));
    W& seite = Seite();
    struct Fall {
        int typ;
        const char* verluste;
        bool eintritt;
    };
    for (const Fall& f : {Fall{0, "7", false}, Fall{1, "3", false}, Fall{2, "5", true}}) {
        SCOPED_TRACE(f.typ);
        Tippe(seite, W::kIdVerluste, QStringLiteral("9"));
        Waehle(seite, W::kIdTyp, f.typ, f.eintritt ? 1 : 0);
        EXPECT_EQ(Text(seite, W::kIdVerluste), QString::fromUtf8(f.verluste));
        EXPECT_EQ(Element(seite, W::kIdEintritt).isVisible(), f.eintritt);
        EXPECT_FALSE(Element(seite, W::kIdBWW).isVisible());
        EXPECT_EQ(seite.m_modified, 1);
    }
    EXPECT_NE(BoxTexte().back().find(u"(25°C)"), std::u16string::npos);
}

// The service against the tank heat pump and the heat source: a tank heat pump switches
// an electric service to "with heat pump"; a house without heating load and a monovalent
// source refuse what they cannot serve and keep the service.
TEST_F(WWPageTest, WarmwasserDienstRegeln) {
    CKelvoDoc& doc = Beispiel(u"ground probe monovalent");
    W& seite = Seite();
    Waehle(seite, W::kIdDienst, W::kElektrisch);
    EXPECT_EQ(seite.m_dienst, W::kElektrisch);
    std::size_t vorher = BoxTexte().size();
    Waehle(seite, W::kIdTyp, W::kTypWWWP, 1);
    EXPECT_EQ(BoxTexteAb(vorher), std::vector<std::u16string>{Sprachtext(5100)});
    EXPECT_EQ(Element<QComboBox>(seite, W::kIdDienst).currentIndex(), W::kMitWP);
    EXPECT_TRUE(Element(seite, W::kIdBWW).isVisible());

    // Hot water from a second source needs a bivalent mode.
    vorher = BoxTexte().size();
    Waehle(seite, W::kIdDienst, W::kZweiteQuelle, 1);
    EXPECT_EQ(BoxTexteAb(vorher), std::vector<std::u16string>{Sprachtext(5618)});
    EXPECT_EQ(Element<QComboBox>(seite, W::kIdDienst).currentIndex(), W::kMitWP);

    // Without a heating load only the heat pump of a monovalent source makes hot water.
    doc.Haus().GetWert(ID_NormwaermeBedarf) = 0.0f;
    vorher = BoxTexte().size();
    Waehle(seite, W::kIdDienst, W::kElektrisch, 1);
    EXPECT_EQ(BoxTexteAb(vorher), std::vector<std::u16string>{Sprachtext(5618)});
    EXPECT_EQ(Element<QComboBox>(seite, W::kIdDienst).currentIndex(), W::kMitWP);
    EXPECT_EQ(seite.m_dienst, W::kMitWP);
}

// "No hot water service" clears the daily need and closes the fields; the save then
// skips the checks of need and tank. The project has no solar plant (any more) while the
// solar library is bound: the save tells no plant the target temperature and still
// succeeds.
TEST_F(WWPageTest, KeinWarmwasser) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    ASSERT_TRUE(ISolar::IstGeladen());
    doc.LoeseVerknuepfung(ID_Solar);
    ASSERT_TRUE(doc.ProjektText(ID_Solar).empty());
    W& seite = Seite();
    Waehle(seite, W::kIdDienst, W::kKeinWW);
    EXPECT_EQ(Text(seite, W::kIdBedarf), QStringLiteral("0"));
    for (int id : {W::kIdBedarf, W::kIdSoll, W::kIdVolumen, W::kIdTyp, W::kIdVerlusteDlg})
        EXPECT_FALSE(Element(seite, id).isEnabled()) << id;
    Druecke(seite, CEingabeSeite::kIdSpeichern);
    EXPECT_EQ(seite.m_modified, 0);
    EXPECT_EQ(Eintrag(Haus(), u"WWmitWP"), std::optional<std::u16string>(u"0"));
    EXPECT_EQ(Eintrag(Haus(), u"WWproTag"), std::optional<std::u16string>(u"0"));
}

// The losses dialog over the page's tank (300 litres, 60 °C): its three Calculate buttons,
// the length check, and OK that saves the page at once.
TEST_F(WWPageTest, VerlusteBerechnenUndSpeichern) {
    NeuesProjekt(QStringLiteral("Meier"));
    W& seite = Seite();
    Tippe(seite, W::kIdVolumen, QStringLiteral("300"));
    Tippe(seite, W::kIdSoll, QStringLiteral("60"));
    uitest::dialogs().expectDialog(Sprachtext(5196), [&](QDialog& d) {
        EXPECT_EQ(Text(d, D::kIdVolumen), QStringLiteral("300"));
        EXPECT_EQ(Text(d, D::kIdSoll), QStringLiteral("60"));
        Druecke(d, D::kIdRechneBereitschaft);
        EXPECT_EQ(Text(d, D::kIdBereitschaft), QStringLiteral("2.4"));  // 2.358
        Tippe(d, D::kIdBereitschaft, QStringLiteral("2.0"));
        Druecke(d, D::kIdAussen);
        Druecke(d, D::kIdRechneSpeicher);
        EXPECT_EQ(Text(d, D::kIdSpeicherVerlust), QStringLiteral("877"));
        Druecke(d, D::kIdInnen);
        Druecke(d, D::kIdRechneSpeicher);
        EXPECT_EQ(Text(d, D::kIdSpeicherVerlust), QStringLiteral("453"));
        EXPECT_FALSE(Element(d, D::kIdLaenge).isEnabled());
        Druecke(d, D::kIdZirkulation);
        EXPECT_TRUE(Element(d, D::kIdLaenge).isEnabled());
        Tippe(d, D::kIdLaenge, QStringLiteral("20"));
        Tippe(d, D::kIdLaengeInnen, QStringLiteral("21"));
        Tippe(d, D::kIdLeitwert, QStringLiteral("0.2"));
        Tippe(d, D::kIdLaufzeit, QStringLiteral("4"));
        uitest::dialogs().expectMessageBox(OK);
        Druecke(d, D::kIdRechneZirk);
        EXPECT_EQ(BoxTexte().back(), Sprachtext(3817));
        Tippe(d, D::kIdLaengeInnen, QStringLiteral("20"));
        Druecke(d, D::kIdRechneZirk);  // the whole pipe inside: 123
        EXPECT_EQ(Text(d, D::kIdZirkVerlust), QStringLiteral("123"));
        Tippe(d, D::kIdLaengeInnen, QStringLiteral("10"));
        Druecke(d, D::kIdRechneZirk);
        EXPECT_EQ(Text(d, D::kIdZirkVerlust), QStringLiteral("193"));
        // A running time above a day is refused; OK keeps the dialog.
        Tippe(d, D::kIdLaufzeit, QStringLiteral("25"));
        uitest::dialogs().expectMessageBox(OK);
        Druecke(d, ui::kIdOk);
        EXPECT_TRUE(d.isVisible());
        Tippe(d, D::kIdLaufzeit, QStringLiteral("4"));
        Druecke(d, ui::kIdOk);
    });
    Druecke(seite, W::kIdVerlusteDlg);
    EXPECT_EQ(seite.m_modified, 0);
    const CVRMString haus = Haus();
    EXPECT_EQ(Eintrag(haus, u"BWV"), std::optional<std::u16string>(u"2.000000"));
    EXPECT_EQ(Eintrag(haus, u"GSV"), std::optional<std::u16string>(u"453"));
    EXPECT_EQ(Eintrag(haus, u"ZIV"), std::optional<std::u16string>(u"193"));
    EXPECT_EQ(Eintrag(haus, u"LZI"), std::optional<std::u16string>(u"10"));
    EXPECT_EQ(Eintrag(haus, u"WWSpeicherVolumen"), std::optional<std::u16string>(u"300"));
    EXPECT_EQ(Eintrag(haus, u"SMZ"), std::optional<std::u16string>(u"1"));
}

// The page's save after the dialog is refused (target not above cold water): the losses
// typed in the dialog are neither in the shared record nor in the file.
TEST_F(WWPageTest, VerweigertesSpeichernNimmtVerlusteZurueck) {
    NeuesProjekt(QStringLiteral("Meier"));
    W& seite = Seite();
    const float vorher = GespeicherterWert(ID_BWV);
    const auto gsv = CVRMdatenProvider::get().getWerte(Haus()).get(ID_GSV).GetUIntVal();
    Tippe(seite, W::kIdSoll, QStringLiteral("40"));
    Tippe(seite, W::kIdKalt, QStringLiteral("45"));
    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        Tippe(d, D::kIdBereitschaft, QStringLiteral("3.5"));
        Tippe(d, D::kIdSpeicherVerlust, QStringLiteral("999"));
        Druecke(d, ui::kIdOk);
    });
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, W::kIdVerlusteDlg);
    EXPECT_EQ(BoxTexte().back(), Sprachtext(3227));
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_FLOAT_EQ(GespeicherterWert(ID_BWV), vorher);
    EXPECT_EQ(CVRMdatenProvider::get().getWerte(Haus()).get(ID_GSV).GetUIntVal(), gsv);
    // A house read from the store now gets the values as they were.
    CHaus2 frisch;
    CVRMdatenProvider::get().fill(frisch, Haus());
    EXPECT_FLOAT_EQ(frisch.GetWert(ID_BWV).GetFloatVal(), vorher);
    EXPECT_NE(Eintrag(Haus(), u"BWV"), std::optional<std::u16string>(u"3.500000"));
    EXPECT_NE(Eintrag(Haus(), u"GSV"), std::optional<std::u16string>(u"999"));
}

// The same for a house of the program's library, which the save refuses: the store keeps
// the library's values and the user database stays as it was.
TEST_F(WWPageTest, BibliotheksHausNimmtVerlusteZurueck) {
    Beispiel(u"ground probe monovalent");
    W& seite = Seite();
    const float vorher = GespeicherterWert(ID_BWV);
    const auto datei = Bytes();
    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        Tippe(d, D::kIdBereitschaft, QStringLiteral("3.5"));
        Druecke(d, ui::kIdOk);
    });
    const std::size_t boxen = BoxTexte().size();
    uitest::dialogs().expectMessageBox(OK);
    Druecke(seite, W::kIdVerlusteDlg);
    EXPECT_EQ(BoxTexte().size(), boxen + 1);
    EXPECT_EQ(seite.m_modified, 1);
    EXPECT_FLOAT_EQ(GespeicherterWert(ID_BWV), vorher);
    EXPECT_NE(vorher, 3.5f);
    EXPECT_EQ(Bytes(), datei);
}

// A record that cannot take the values: OK reports it and the dialog stays open.
TEST_F(WWPageTest, VerlusteNichtGeschriebenDialogBleibt) {
    Starte();
    CVRMwerteListe leer(u"Leer");
    CWW2Page dlg(leer, 300, 60, app->GetMainFrame());
    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        uitest::dialogs().expectMessageBox(OK);
        Druecke(d, ui::kIdOk);
        EXPECT_EQ(BoxTexte().size(), 1u);
        EXPECT_TRUE(d.isVisible());
        Druecke(d, ui::kIdCancel);
    });
    EXPECT_EQ(dlg.doModal(), ui::kIdCancel);
    EXPECT_EQ(leer.GetCount(), 0);
}

// The three sketch buttons open their picture under their caption.
TEST_F(WWPageTest, Skizzen) {
    NeuesProjekt(QStringLiteral("Meier"));
    W& seite = Seite();
    for (int i = 0; i < 3; ++i) {
        uitest::dialogs().expectDialog(Sprachtext(5055u + static_cast<unsigned>(i)), [&](QDialog& d) {
            auto* bild = dynamic_cast<CPicStatic*>(ui::child(&d, 1000));
            ASSERT_NE(bild, nullptr);
            EXPECT_FALSE(bild->image().isNull());
            EXPECT_EQ(Text(d, ui::kIdOk), QString::fromStdU16String(Sprachtext(3717)));
            Druecke(d, ui::kIdOk);
        });
        Druecke(seite, W::kIdSkizze[i]);
    }
    EXPECT_EQ(uitest::dialogs().dialogCaptions().size(), 4u);  // the name dialog and the three
}

// A user creates a project, a tariff of his own through File > New tariff with its night
// price, opens the hot-water page from the project window, enters the daily need and
// lets the losses dialog compute the standby loss: the user database holds all of it.
TEST_F(WWPageTest, NutzerBearbeitetTarifUndWarmwasser) {
    Starte();
    CMainFrame& frame = *app->GetMainFrame();
    const auto menu = [&](int id) {
        frame.Router().updateActions(frame.menuBar()->actions());
        QAction* aktion = ui::findAction(frame.menuBar(), id);
        ASSERT_NE(aktion, nullptr);
        aktion->trigger();
        uitest::processEvents();
    };
    const auto name = [](const QString& text) {
        uitest::dialogs().expectDialog({}, [text](QDialog& d) {
            uitest::type(*ui::child(&d, 1033), text);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
    };
    name(QStringLiteral("Haus Meier"));
    menu(57600);
    dokument = app->GetAktivesKelvoDoc(true);
    ASSERT_NE(dokument, nullptr);

    name(QStringLiteral("Meier Strom"));
    menu(32833);
    auto* tarif = dynamic_cast<CTarifPage*>(app->GetStammSeite(CKVSDatenSheetProtokoll::kTarif));
    ASSERT_NE(tarif, nullptr);
    Tippe(*tarif, CTarifPage::kIdPreis2, QStringLiteral("21.5"));
    Druecke(*tarif, CEingabeSeite::kIdSpeichern);
    Druecke(*tarif, CEingabeSeite::kIdSchliessen);
    EXPECT_EQ(Eintrag(u"Meier Strom", u"Preis2"), std::optional<std::u16string>(u"21.500000"));

    auto* view = dynamic_cast<CKelvoView1*>(frame.Arbeitsflaeche()->currentSubWindow()->widget());
    ASSERT_NE(view, nullptr);
    auto& knopf = Element<QWidget>(*view, CKelvoView1::kIdcWawaDaten);
    ASSERT_TRUE(knopf.isEnabled());
    uitest::click(knopf, knopf.rect().center());
    uitest::processEvents();
    auto* seite = dynamic_cast<W*>(dokument->GetSeite(CKelvoDoc::kWWSeite));
    ASSERT_NE(seite, nullptr);
    ASSERT_TRUE(seite->isVisible());
    Tippe(*seite, W::kIdBedarf, QStringLiteral("160"));
    uitest::dialogs().expectDialog({}, [&](QDialog& d) {
        Druecke(d, D::kIdRechneBereitschaft);
        Druecke(d, ui::kIdOk);
    });
    Druecke(*seite, W::kIdVerlusteDlg);
    EXPECT_EQ(seite->m_modified, 0);
    const CVRMString haus = dokument->Haus().getConsumerName();
    EXPECT_EQ(Eintrag(haus, u"WWproTag"), std::optional<std::u16string>(u"160"));
    // 300 litres: 2.358, shown and kept with one decimal.
    EXPECT_EQ(Eintrag(haus, u"BWV"), std::optional<std::u16string>(u"2.400000"));
    Druecke(*seite, CEingabeSeite::kIdSchliessen);
    EXPECT_FALSE(Sheet().isVisible());
}

}  // namespace
