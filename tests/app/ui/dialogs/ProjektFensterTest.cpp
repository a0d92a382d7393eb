// The project choice, the project window with its button rules and pictures, and a user
// who starts the program, opens a project through the menu and works in its window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <algorithm>
#include <optional>

#include "app/doc/KelvoDoc.h"
#include "controls/buttons/ButtonST.h"
#include "controls/small/Label.h"
#include "dialogs/KelvoView1.h"
#include "dialogs/KelvoView1Logik.h"
#include "dialogs/NameDlg.h"
#include "dialogs/ProjektDlg.h"
#include "model/app/OptionIds.h"
#include "platform/errors/UserException.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/dialogs/ProjektFenster.h"

namespace {

using projektfenster::ProjektFensterTest;

TEST(KelvoView1LogikTest, KnoepfeNachIhrenRegeln) {
    const auto ohne = [](bool SSeiten::*seite) {
        SSeiten s;
        s.*seite = false;
        return s;
    };
    struct Fall {
        SProjektZustand z;
        SProjektKnoepfe k;  // tarif, wpumpe, haus, projekt, solar, wquelle, wawa
    };
    const Fall faelle[] = {
        {{}, {}},
        // A valid tariff counts only with its name shown; the project button needs house and tariff.
        {{true, false, false, false, u"", u"", u""}, {}},
        {{true, false, false, false, u"T", u"", u""}, {true, false, false, false, false, false, false}},
        {{true, false, true, false, u"T", u"", u""}, {true, false, true, true, false, false, true}},
        // Solar needs its plant name, the house and the heat pump.
        {{false, true, true, false, u"", u"W", u""}, {false, true, true, false, false, false, true}},
        {{false, true, true, false, u"", u"W", u"Solar"}, {false, true, true, false, true, false, true}},
        {{false, true, false, false, u"", u"W", u"Solar"}, {false, true, false, false, false, false, false}},
        {{false, false, false, true, u"", u"", u""}, {false, false, false, false, false, true, false}},
        // Each button stays off while its page is missing, whatever the project holds.
        {{true, true, true, true, u"T", u"W", u"Solar", ohne(&SSeiten::tarif)}, {false, true, true, true, true, true, true}},
        {{true, true, true, true, u"T", u"W", u"Solar", ohne(&SSeiten::wpumpe)}, {true, false, true, true, true, true, true}},
        {{true, true, true, true, u"T", u"W", u"Solar", ohne(&SSeiten::haus)}, {true, true, false, true, true, true, true}},
        {{true, true, true, true, u"T", u"W", u"Solar", ohne(&SSeiten::wawa)}, {true, true, true, true, true, true, false}},
        {{true, true, true, true, u"T", u"W", u"Solar", ohne(&SSeiten::projekt)}, {true, true, true, false, true, true, true}},
        {{true, true, true, true, u"T", u"W", u"Solar", ohne(&SSeiten::solar)}, {true, true, true, true, false, true, true}},
        {{true, true, true, true, u"T", u"W", u"Solar", ohne(&SSeiten::wquelle)}, {true, true, true, true, true, false, true}},
    };
    for (std::size_t i = 0; i < std::size(faelle); ++i) {
        const Fall& f = faelle[i];
        const SProjektKnoepfe k = ProjektKnoepfe(f.z);
        EXPECT_EQ(k.tarif, f.k.tarif) << i;
        EXPECT_EQ(k.wpumpe, f.k.wpumpe) << i;
        EXPECT_EQ(k.haus, f.k.haus) << i;
        EXPECT_EQ(k.projekt, f.k.projekt) << i;
        EXPECT_EQ(k.solar, f.k.solar) << i;
        EXPECT_EQ(k.wquelle, f.k.wquelle) << i;
        EXPECT_EQ(k.wawa, f.k.wawa) << i;
    }
}

TEST(KelvoView1LogikTest, BildNachArtDerWaermequelle) {
    const std::pair<int, unsigned> tabelle[] = {{0, 300}, {1, 298}, {2, 299}, {3, 301}, {4, 345},
                                                {5, 230}, {6, 299}, {7, 230}, {-1, 230}};
    for (const auto& [art, bild] : tabelle) EXPECT_EQ(HintergrundBild(true, art), bild) << art;
    EXPECT_EQ(HintergrundBild(false, 0), 230u);
}

TEST_F(ProjektFensterTest, AuswahlZeigtNotizUndWaermepumpeSortiert) {
    Starte();
    const CVRMString luft = Projekt(u"air monoenergetic");
    uitest::dialogs().expectDialog(u"Project selection", [&](QDialog& d) {
        auto* box = qobject_cast<QComboBox*>(ui::child(&d, CProjektDlg::kIdcProjekt));
        ASSERT_GT(box->count(), 1);
        for (int i = 1; i < box->count(); ++i)
            EXPECT_LE(box->itemText(i - 1).compare(box->itemText(i), Qt::CaseInsensitive), 0);
        EXPECT_TRUE(ui::child(&d, 1)->isEnabled());
        Waehle(d, luft);
        EXPECT_TRUE(qobject_cast<QLabel*>(ui::child(&d, CProjektDlg::kIdcWPumpe))
                        ->text()
                        .startsWith(QStringLiteral("Generic air/water 12 kW")));
        EXPECT_TRUE(qobject_cast<QLabel*>(ui::child(&d, CProjektDlg::kIdcNotiz))->text().contains(QStringLiteral("Hof")));
        uitest::saveArtifact(d, "project-choice");
        uitest::click(*ui::child(&d, 2), {5, 5});
    });
    CProjektDlg dlg(&Frame());
    EXPECT_EQ(dlg.doModal(), 2);
}

TEST_F(ProjektFensterTest, FensterZeigtProjektUndSchaltetKnoepfe) {
    Starte();
    // The program sets "Classic" at every start; the default layout is the other one.
    app->GetOptionsManager().SetLongWert(OPT_CLASSIC, 0);
    CKelvoDoc* doc = app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
    ASSERT_NE(doc, nullptr);
    CKelvoView1* view = AktiverView();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->IstKlassisch());
    EXPECT_EQ(Combo(view, CKelvoView1::kIdcTarif)->currentText().toStdU16String(), doc->ProjektText(ID_Tarif));
    EXPECT_EQ(Combo(view, CKelvoView1::kIdcWPumpe)->currentText().toStdU16String(), doc->ProjektText(ID_WPumpe));
    EXPECT_EQ(Combo(view, CKelvoView1::kIdcAnzahl)->currentText(), QStringLiteral("1"));
    // Probes: picture 300; every button but solar (no plant) enabled.
    EXPECT_EQ(view->BildId(), 300u);
    for (int id : {CKelvoView1::kIdcTarifDaten, CKelvoView1::kIdcWPumpeDaten, CKelvoView1::kIdcHausDaten,
                   CKelvoView1::kIdcWawaDaten, CKelvoView1::kIdcProjektDaten, CKelvoView1::kIdcQuellDaten})
        EXPECT_TRUE(ui::child(view, id)->isEnabled()) << id;
    EXPECT_FALSE(ui::child(view, CKelvoView1::kIdcSolarDaten)->isEnabled());
    for (int id : {CKelvoView1::kIdcOrtInfo, CKelvoView1::kIdcQuelleInfo, CKelvoView1::kIdcWawaInfo})
        EXPECT_FALSE(dynamic_cast<CLabel*>(ui::child(view, id))->text().empty()) << id;
    EXPECT_EQ(Frame().Arbeitsflaeche()->currentSubWindow()->windowTitle().toStdU16String(), doc->GetPathName());
    uitest::saveArtifact(Frame(), "project-window");

    // The air sample shows the air picture.
    app->OpenDocumentFile(Projekt(u"air monoenergetic"));
    EXPECT_EQ(AktiverView()->BildId(), 299u);
}

// A button whose input page the program does not have yet stays off: nothing to click
// that would open nothing or the wrong page.
TEST_F(ProjektFensterTest, KnopfOhneSeiteBleibtAus) {
    Starte();
    MitSeiten(false);
    CKelvoView1* view = Oeffne(Projekt(u"ground probe solar"), 0);
    ASSERT_NE(view, nullptr);
    for (int id : {CKelvoView1::kIdcTarifDaten, CKelvoView1::kIdcWPumpeDaten, CKelvoView1::kIdcHausDaten,
                   CKelvoView1::kIdcWawaDaten, CKelvoView1::kIdcProjektDaten, CKelvoView1::kIdcQuellDaten,
                   CKelvoView1::kIdcSolarDaten})
        EXPECT_FALSE(ui::child(view, id)->isEnabled()) << id;
    SchliesseAlle();
    MitSeiten(true);
    view = Oeffne(Projekt(u"ground probe solar"), 0);
    for (int id : {CKelvoView1::kIdcTarifDaten, CKelvoView1::kIdcWPumpeDaten, CKelvoView1::kIdcHausDaten,
                   CKelvoView1::kIdcWawaDaten, CKelvoView1::kIdcProjektDaten, CKelvoView1::kIdcQuellDaten,
                   CKelvoView1::kIdcSolarDaten})
        EXPECT_TRUE(ui::child(view, id)->isEnabled()) << id;
}

TEST_F(ProjektFensterTest, KlassischeAnordnungMitTexten) {
    Starte();
    app->OpenDocumentFile(Projekt(u"ground water bivalent"));
    CKelvoView1* view = AktiverView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->IstKlassisch());
    EXPECT_EQ(view->BildId(), 301u);
    EXPECT_EQ(dynamic_cast<CButtonST*>(ui::child(view, CKelvoView1::kIdcTarifDaten))->text(),
              QStringLiteral("Tariff data"));
    uitest::saveArtifact(Frame(), "project-window-classic");
}

TEST_F(ProjektFensterTest, DeutschesFenster) {
    Starte(true);
    app->GetOptionsManager().SetLongWert(OPT_CLASSIC, 0);
    app->OpenDocumentFile(Projekt(u"ground probe solar"));
    ASSERT_NE(AktiverView(), nullptr);
    EXPECT_TRUE(ui::child(AktiverView(), CKelvoView1::kIdcSolarDaten)->isEnabled());
    uitest::saveArtifact(Frame(), "project-window-de");
}

// The notice: an emptied notice is saved like any other, so that it can be removed.
TEST_F(ProjektFensterTest, NotizWirdBeimVerlassenGespeichertAuchLeer) {
    Starte();
    // A record of its own (a listed project without one is not opened), without a notice.
    EigenesProjekt(u"Meier", {{u"AnzahlWP", u"1"}});
    app->OpenDocumentFile(u"Meier");
    CKelvoView1* view = AktiverView();
    auto* notiz = qobject_cast<QLineEdit*>(ui::child(view, CKelvoView1::kIdcNotiz));
    EXPECT_EQ(notiz->text(), QStringLiteral("<no notice>"));
    QApplication::setActiveWindow(&Frame());
    for (const QString& text : {QStringLiteral("Altbau, Heizkoerper"), QString()}) {
        notiz->setFocus();
        notiz->selectAll();
        if (text.isEmpty())
            uitest::key(*notiz, Qt::Key_Delete);
        else
            uitest::type(*notiz, text);
        // Leaving the field.
        QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(notiz, &weg);
        uitest::processEvents();
        EXPECT_EQ(Eintrag(u"Meier", u"Notiz"), std::optional<std::u16string>(text.toStdU16String()));
    }
}

// Links the lists do not hold: each is told once with the project's name as caption; the
// window then shows no heat pump (its data button off) and the default tariff.
TEST_F(ProjektFensterTest, FehlendeKomponentenWerdenGemeldet) {
    Starte();
    CVRMString vorgabeTarif;
    app->GetOptionsManager().GetStringWert(OPT_DEF_TARIF, vorgabeTarif);
    EigenesProjekt(u"Meier", {{u"WPumpe", u"Verschwunden"}, {u"Tarif", u"Verschwunden"}, {u"AnzahlWP", u"1"}});
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    d.expectMessageBox(1);
    CKelvoView1* view = Oeffne(u"Meier", 0);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(d.boxes().size(), 2u);
    for (const auto& box : d.boxes()) {
        EXPECT_EQ(box.text, u"Project component 'Verschwunden'\r\nnot found in user database nor program database.");
        EXPECT_EQ(box.caption, u"Meier");
    }
    EXPECT_EQ(Combo(view, CKelvoView1::kIdcWPumpe)->currentText(), QString());
    EXPECT_EQ(Combo(view, CKelvoView1::kIdcTarif)->currentText().toStdU16String(), vorgabeTarif);
    EXPECT_EQ(view->GetDocument().ProjektText(ID_WPumpe), u"");
    EXPECT_FALSE(ui::child(view, CKelvoView1::kIdcWPumpeDaten)->isEnabled());
    EXPECT_EQ(Eintrag(u"Meier", u"Tarif"), std::optional<std::u16string>(vorgabeTarif));
}

// Leaving the heat-pump field: unchanged does nothing; a heat pump that does not go with
// the source is refused (4476) and the old one shown again; an accepted one asks to check
// the pumps (3649) and is stored.
TEST_F(ProjektFensterTest, WaermepumpeWechseltBeimVerlassenDesFeldes) {
    Starte();
    CVRMStringArray pumpen;
    app->GetListe(pumpen, 1);
    CVRMString luft;
    for (const CVRMString& p : pumpen)
        if (p.find(u"air/water") != CVRMString::npos) luft = p;
    ASSERT_FALSE(luft.empty());
    const auto verlasse = [](QComboBox& box, const QString& text) {
        box.lineEdit()->setText(text);
        QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box.lineEdit(), &weg);
        uitest::processEvents();
    };
    auto& d = uitest::dialogs();

    CKelvoView1* view = Oeffne(Projekt(u"ground probe monovalent"), 0);
    QComboBox* box = Combo(view, CKelvoView1::kIdcWPumpe);
    const QString sonde = box->currentText();
    verlasse(*box, sonde);
    EXPECT_TRUE(d.boxes().empty());
    d.expectMessageBox(1);
    verlasse(*box, QString::fromStdU16String(luft));
    ASSERT_EQ(d.boxes().size(), 1u);
    EXPECT_EQ(d.boxes().back().text.substr(0, 45), u"This heat pump does not go with the heat sour");
    EXPECT_EQ(box->currentText(), sonde);
    EXPECT_EQ(view->GetDocument().ProjektText(ID_WPumpe), sonde.toStdU16String());

    // A project of the user's without a heat source takes any heat pump.
    EigenesProjekt(u"Meier", {{u"AnzahlWP", u"1"}});
    view = Oeffne(u"Meier", 0);
    box = Combo(view, CKelvoView1::kIdcWPumpe);
    d.expectMessageBox(1);
    verlasse(*box, QString::fromStdU16String(luft));
    EXPECT_EQ(d.boxes().back().text.substr(0, 40), u"Please check, if the power consumption o");
    EXPECT_EQ(box->currentText().toStdU16String(), luft);
    EXPECT_EQ(Eintrag(u"Meier", u"WPumpe"), std::optional<std::u16string>(luft));
    EXPECT_TRUE(ui::child(view, CKelvoView1::kIdcWPumpeDaten)->isEnabled());
}

// Every hint renews the short infos; only the hints of the window's own values (and the
// new names, which join their lists) set the buttons again.
TEST_F(ProjektFensterTest, HinweiseErneuernKurzinfosUndNurEigeneSchaltenKnoepfe) {
    Starte();
    CKelvoView1* view = Oeffne(Projekt(u"ground probe monovalent"), 0);
    ASSERT_NE(view, nullptr);
    auto* ort = dynamic_cast<CLabel*>(ui::child(view, CKelvoView1::kIdcOrtInfo));
    const std::u16string ortText = ort->text();
    QWidget* tarifKnopf = ui::child(view, CKelvoView1::kIdcTarifDaten);
    struct Fall {
        int hint;
        bool schaltet;
        int combo;  // the combo a new name joins, or 0
    };
    const Fall faelle[] = {{19, false, 0}, {60, false, 0}, {0, false, 0},  {21, false, 0}, {20, true, 0},
                           {24, true, 0},  {35, true, 0},  {39, true, CKelvoView1::kIdcTarif},
                           {40, true, CKelvoView1::kIdcWPumpe}};
    for (const Fall& f : faelle) {
        ort->SetText(u"alt");
        tarifKnopf->setEnabled(false);
        CVRMStringArray neu{CVRMString(u"Neu " + QString::number(f.hint).toStdU16String())};
        const int vorher = f.combo ? Combo(view, f.combo)->count() : 0;
        view->OnUpdate(nullptr, f.hint, f.combo ? &neu : nullptr);
        EXPECT_EQ(ort->text(), ortText) << f.hint;
        EXPECT_EQ(tarifKnopf->isEnabled(), f.schaltet) << f.hint;
        if (f.combo) {
            EXPECT_EQ(Combo(view, f.combo)->count(), vorher + 1) << f.hint;
            EXPECT_GE(Combo(view, f.combo)->findText(QString::fromStdU16String(neu.front())), 0) << f.hint;
        }
    }
}

// A new project has a house but no heat source yet: whatever the five lines held before,
// every hint renews them from the components, and the source's line is empty.
TEST_F(ProjektFensterTest, KurzinfosFolgenJedemHinweisAuchOhneQuelle) {
    Starte();
    EigenesProjekt(u"Meier", {{u"AnzahlWP", u"1"}});
    CKelvoView1* view = Oeffne(u"Meier", 0);
    ASSERT_NE(view, nullptr);
    CKelvoDoc& doc = view->GetDocument();
    ASSERT_TRUE(doc.Haus().IstInitialisiert());
    ASSERT_FALSE(doc.KombiWQuelle().IstGueltig());
    const auto label = [&](int id) { return dynamic_cast<CLabel*>(ui::child(view, id)); };
    const std::pair<int, std::u16string> erwartet[] = {
        {CKelvoView1::kIdcSolarInfo, doc.Haus().GetSolarKurzInfo(doc.ProjektText(ID_Solar))},
        {CKelvoView1::kIdcKuehlInfo, doc.Haus().GetKuehlKurzInfo(doc.ProjektText(ID_Kuehl))},
        {CKelvoView1::kIdcOrtInfo, doc.Haus().GetOrtKurzInfo()},
        {CKelvoView1::kIdcWawaInfo, doc.Haus().GetWawaKurzInfo()},
        {CKelvoView1::kIdcQuelleInfo, u""},
    };
    for (int hint : {19, 21, 60, 0}) {
        for (const auto& [id, text] : erwartet) label(id)->SetText(u"alt");
        view->OnUpdate(nullptr, hint, nullptr);
        for (const auto& [id, text] : erwartet) EXPECT_EQ(label(id)->text(), text) << hint << " " << id;
    }
}

// The window saves only the notice itself; any other value is a program error.
TEST_F(ProjektFensterTest, NurDieNotizSpeichertDasFensterSelbst) {
    Starte();
    CKelvoView1* view = Oeffne(Projekt(u"ground probe monovalent"), 1);
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    EXPECT_THROW(view->SaveKomponente(ID_Tarif, u""), platform::UserException);
    EXPECT_EQ(d.boxes().back().text, u"Switch constant wrong\n(CKelvoView1::SaveKomponente)");
}

// The window speaks to its document until its last moment: closing the frame deletes the
// window while the document is still open, and only then the document.
TEST_F(ProjektFensterTest, FensterGehtVorSeinemDokument) {
    Starte();
    CKelvoView1* view = Oeffne(Projekt(u"ground probe monovalent"), 0);
    ASSERT_NE(view, nullptr);
    const CKelvoDoc* dokument = &view->GetDocument();
    std::optional<bool> dokumentNochOffen;
    QObject::connect(view, &QObject::destroyed, [&] {
        const auto offen = app->Dokumente();
        dokumentNochOffen = std::find(offen.begin(), offen.end(), dokument) != offen.end();
    });
    SchliesseAlle();
    ASSERT_TRUE(dokumentNochOffen.has_value());
    EXPECT_TRUE(*dokumentNochOffen);
    EXPECT_TRUE(app->Dokumente().empty());
}

// A user starts the program, opens the sample project through File > Open project, tries
// its tariff (a library project refuses), creates a project of his own through File > New
// project and the name dialog, changes its tariff and units; the user database holds them.
TEST_F(ProjektFensterTest, NutzerOeffnetProjektUndWechseltTarif) {
    Starte();
    auto& d = uitest::dialogs();
    const CVRMString beispiel = Projekt(u"ground probe monovalent");
    d.expectDialog(u"Project selection", [&](QDialog& dlg) {
        Waehle(dlg, beispiel);
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    ASSERT_TRUE(Befehl(57601)->isEnabled());
    Befehl(57601)->trigger();
    uitest::processEvents();
    CKelvoView1* view = AktiverView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument().GetPathName(), beispiel);
    EXPECT_EQ(app->GetRecentFileList().front(), beispiel);

    QComboBox* tarif = Combo(view, CKelvoView1::kIdcTarif);
    const QString alt = tarif->currentText();
    const QString neu = tarif->itemText(tarif->currentIndex() == 0 ? 1 : 0);
    d.expectMessageBox(1);  // the library project may not be changed
    WaehleEintrag(*tarif, neu);
    EXPECT_EQ(tarif->currentText(), alt);
    EXPECT_EQ(Eintrag(beispiel, u"Tarif"), std::nullopt);

    d.expectDialog(u"Enter new name", [&](QDialog& dlg) {
        uitest::type(*qobject_cast<QLineEdit*>(ui::child(&dlg, dialogs::CNameDlg::kIdcName)),
                     QStringLiteral("Haus Meier"));
        uitest::click(*ui::child(&dlg, 1), {5, 5});
    });
    Befehl(57600)->trigger();
    uitest::processEvents();
    view = AktiverView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument().GetPathName(), u"Haus Meier");
    EXPECT_EQ(app->Dokumente().size(), 2u);
    tarif = Combo(view, CKelvoView1::kIdcTarif);
    const QString anderer = tarif->itemText(tarif->currentIndex() == 0 ? 1 : 0);
    WaehleEintrag(*tarif, anderer);
    d.expectMessageBox(1);  // check the pumps' power
    WaehleEintrag(*Combo(view, CKelvoView1::kIdcAnzahl), QStringLiteral("2"));
    EXPECT_EQ(Eintrag(u"Haus Meier", u"Tarif"), std::optional<std::u16string>(anderer.toStdU16String()));
    EXPECT_EQ(Eintrag(u"Haus Meier", u"AnzahlWP"), std::optional<std::u16string>(u"2"));
    EXPECT_TRUE(Eintrag(u"Haus Meier", u"Haus").has_value());
}

}  // namespace
