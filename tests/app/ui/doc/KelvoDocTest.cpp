// The project document in the running program: opening by name, the pages it builds and
// reloads by hint, the edits with their refusals and hints, a saved component, the
// exchange of the heat pump, and the application's ways of opening a project.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <map>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoView.h"
#include "core/db/Global.h"
#include "model/data/VRMdatenProvider2.h"
#include "platform/errors/UserException.h"
#include "platform/errors/UserException.h"
#include "tests/app/ui/ProgrammFixture.h"
#include "tests/app/ui/base/TestDatenPage.h"

namespace {

using programmtest::ProgrammFixture;

// A page that records its loads and titles.
class LadeSeite : public testsupport::TestDatenPage {
  public:
    using TestDatenPage::TestDatenPage;
    void LoadKomponente(const CVRMString& key, const CVRMString&, const CVRMString&) override {
        aufrufe.push_back("Load:" + key.toUtf8());
    }
    void SetPageTitle(const CVRMString& name) override { aufrufe.push_back("Title:" + name.toUtf8()); }
};

class HinweisView : public IKelvoView {
  public:
    void OnUpdate(IKelvoView*, int hint, void*) override { hinweise.push_back(hint); }
    std::vector<int> hinweise;
};

class KelvoDocTest : public ProgrammFixture {
  protected:
    ~KelvoDocTest() override {
        for (int kind : {0, 1, 4, 5, 8, 9}) RegistriereDatenSeite(kind, {});
    }
    // Pages for every kind of the project sheet, each remembered by kind.
    void MitSeiten() {
        for (int kind : {0, 1, 4, 5, 8, 9})
            RegistriereDatenSeite(kind, [this](const SSeitenWunsch& w) {
                auto seite = std::make_unique<LadeSeite>(w.kind);
                seiten[w.kind] = seite.get();
                return std::unique_ptr<CKVSDatenPage>(std::move(seite));
            });
    }
    CKelvoDoc& Oeffne(const CVRMString& name) {
        CKelvoDoc* doc = app->OpenDocumentFile(name);
        EXPECT_NE(doc, nullptr);
        doc->AddView(&view);
        return *doc;
    }
    // A project of the user database, filled from the defaults.
    CKelvoDoc& NeuesProjekt(const CVRMString& name) {
        uitest::dialogs().expectDialog(u"Enter new name", [&](QDialog& d) {
            uitest::type(*ui::child(&d, 1033), QString::fromStdU16String(name));
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        app->OnFileNew();
        CKelvoDoc* doc = app->GetAktivesKelvoDoc(true);
        EXPECT_NE(doc, nullptr);
        doc->AddView(&view);
        return *doc;
    }
    std::vector<std::string> Aufrufe(int kind) { return seiten.at(kind)->aufrufe; }
    void VergissAufrufe() {
        for (auto& [kind, seite] : seiten) seite->aufrufe.clear();
    }

    std::map<int, LadeSeite*> seiten;
    HinweisView view;
};

TEST_F(KelvoDocTest, BeispielprojektFuelltKomponentenUndSeiten) {
    Starte();
    MitSeiten();
    CKelvoDoc& doc = Oeffne(Projekt(u"ground probe monovalent"));
    EXPECT_TRUE(doc.Haus().IstInitialisiert());
    EXPECT_TRUE(doc.WPumpe().IstGueltig());
    EXPECT_TRUE(doc.Tarif().IstGueltig());
    ASSERT_TRUE(doc.KombiWQuelle().IstGueltig());
    // The first source takes the house's climate location.
    EXPECT_EQ(doc.GetWQuelle(1)->GetWert(ID_WQuelleOrt).GetStringVal(),
              CVRMdatenProvider2::Get().GetKlimaortName(doc.Haus().GetWert(ID_Klimaort).GetStringVal()));
    // Project, house, hot water and the first source's two pages; a hidden sheet window.
    for (int kind : {8, 0, 1, 4, 5}) EXPECT_NE(doc.GetSeite(kind), nullptr) << kind;
    EXPECT_EQ(doc.GetSeite(CKelvoDoc::kSolarSeite), nullptr);
    EXPECT_TRUE(doc.HatSheetFenster());
    EXPECT_FALSE(doc.DatenSheet().isVisible());
    const std::string haus = "Load:" + doc.Haus().getConsumerName().toUtf8();
    EXPECT_EQ(Aufrufe(0), std::vector<std::string>{haus});
    EXPECT_EQ(Aufrufe(1), std::vector<std::string>{haus});
    EXPECT_EQ(Aufrufe(8), std::vector<std::string>{"Title:" + doc.GetPathName().toUtf8()});
    EXPECT_TRUE(BoxTexte().empty());
}

// A kind above 9 is a program error only where there are pages to choose from: a sheet
// without pages shows nothing and raises nothing, whatever the kind.
TEST_F(KelvoDocTest, SeitenwahlOhneSeitenBleibtStill) {
    Starte();
    for (int kind = 0; kind <= CKelvoDoc::kSolarSeite; ++kind) RegistriereDatenSeite(kind, {});
    CKelvoDoc& ohne = Oeffne(Projekt(u"ground probe monovalent"));
    ASSERT_EQ(ohne.DatenSheet().AnzahlSeiten(), 0);
    for (int kind : {0, 9, 10, 99}) {
        EXPECT_NO_THROW(ohne.OnEditDatenPage(kind)) << kind;
        EXPECT_FALSE(ohne.DatenSheet().isVisible()) << kind;
    }
    EXPECT_TRUE(BoxTexte().empty());

    MitSeiten();
    CKelvoDoc& mit = Oeffne(Projekt(u"ground probe solar"));
    ASSERT_GT(mit.DatenSheet().AnzahlSeiten(), 0);
    uitest::dialogs().expectMessageBox(1);
    EXPECT_THROW(mit.OnEditDatenPage(10), platform::UserException);
    ASSERT_EQ(BoxTexte().size(), 1u);
    EXPECT_EQ(BoxTexte()[0], u"Switch constant wrong\n(CKelvoDoc::OnEditDatenPage)");
}

// Each hint reloads its own pages and leaves the others alone.
TEST_F(KelvoDocTest, HinweiseLadenNurIhreSeiten) {
    Starte();
    MitSeiten();
    CKelvoDoc& doc = Oeffne(Projekt(u"ground probe monovalent"));
    struct Fall {
        int hint;
        std::vector<int> geladen;  // kinds whose page is loaded or titled again
    };
    const Fall faelle[] = {
        {20, {8}}, {22, {8}}, {19, {8, 0, 1}}, {21, {4, 5}}, {60, {8, 0, 1, 4, 5}}, {24, {}}, {35, {}},
    };
    for (const Fall& f : faelle) {
        VergissAufrufe();
        doc.UpdateProjektBearbeiten(f.hint);
        for (int kind : {8, 0, 1, 4, 5}) {
            const bool erwartet = std::find(f.geladen.begin(), f.geladen.end(), kind) != f.geladen.end();
            EXPECT_EQ(!Aufrufe(kind).empty(), erwartet) << "hint " << f.hint << " page " << kind;
        }
    }
}

// A library project without any link: no page, no sheet window, no message; and no write
// of the first source's location, which it does not have.
TEST_F(KelvoDocTest, ProjektOhneVerknuepfungOeffnetOhneSeiteUndFehler) {
    Starte();
    MitSeiten();
    const CVRMString name = u"Ohne Links (bib)";
    CVRMdatenProvider::get().addToListe(LISTE_PROJEKTE, name);
    CKelvoDoc& doc = Oeffne(name);
    EXPECT_FALSE(doc.HatEineSeite());
    EXPECT_FALSE(doc.HatSheetFenster());
    EXPECT_FALSE(doc.KombiWQuelle().IstGueltig());
    EXPECT_TRUE(BoxTexte().empty());
    EXPECT_EQ(app->GetAktProjektName(), name);
}

TEST_F(KelvoDocTest, SetProjektDatenVerweigertFalscheIdsUndBibliotheksprojekt) {
    Starte();
    CKelvoDoc& doc = NeuesProjekt(u"Meier");
    auto& d = uitest::dialogs();
    struct Fall {
        TKelvoDatenID id;
        std::u16string ort;
    };
    const Fall faelle[] = {{ID_Solar, u"CKelvoDoc::SetProjektDaten"},
                           {static_cast<TKelvoDatenID>(513), u"CKelvoDoc::SetProjektDaten(ID_PRW)"},
                           {static_cast<TKelvoDatenID>(600), u"CKelvoDoc::SetProjektDaten"}};
    for (const Fall& f : faelle) {
        d.expectMessageBox(1);
        EXPECT_EQ(doc.SetProjektDaten(f.id, u"x", 1), 0);
        EXPECT_EQ(d.boxes().back().text, u"Switch constant wrong\n(" + f.ort + u")");
    }
    d.expectMessageBox(1);
    EXPECT_EQ(doc.SetProjektDaten2(ID_Zinssatz, 3, 1), 0);
    EXPECT_EQ(d.boxes().back().text, u"Switch constant wrong\n(CKelvoDoc::SetProjektDaten2)");
    // An empty link is no change at all.
    view.hinweise.clear();
    EXPECT_EQ(doc.SetProjektDaten(ID_Tarif, u"", 1), 0);
    EXPECT_TRUE(view.hinweise.empty());

    // A library project is refused with its own box and nothing else.
    CKelvoDoc& bib = Oeffne(Projekt(u"ground probe monovalent"));
    const std::size_t vorher = d.boxes().size();
    d.expectMessageBox(1);
    EXPECT_EQ(bib.SetProjektDaten(ID_Notiz, u"neu", 1), 0);
    ASSERT_EQ(d.boxes().size(), vorher + 1);
    EXPECT_EQ(d.boxes().back().text.substr(0, 37), u"This is a project from the program da");
}

TEST_F(KelvoDocTest, TarifWechselSchreibtProjektUndMeldetHinweis20) {
    Starte();
    CKelvoDoc& doc = NeuesProjekt(u"Meier");
    CVRMStringArray tarife;
    app->GetListe2(tarife, 1);
    ASSERT_GE(tarife.size(), 2u);
    const CVRMString neu = tarife.back() == doc.ProjektText(ID_Tarif) ? tarife.front() : tarife.back();
    view.hinweise.clear();
    EXPECT_EQ(doc.SetProjektDaten(ID_Tarif, neu, 1), 1);
    EXPECT_EQ(view.hinweise, std::vector<int>{20});
    EXPECT_EQ(doc.Tarif().getConsumerName(), neu);
    EXPECT_EQ(Eintrag(u"Meier", u"Tarif"), std::optional<std::u16string>(neu));

    // Plain values store without a hint; the number of units tells the views (35).
    view.hinweise.clear();
    EXPECT_EQ(doc.SetProjektDaten2(ID_SolarPumpe, 40, 1), 1);
    EXPECT_TRUE(view.hinweise.empty());
    EXPECT_EQ(doc.SetProjektDaten2(ID_AnzahlWP, 2, 1), 1);
    EXPECT_EQ(view.hinweise, std::vector<int>{35});
    EXPECT_EQ(Eintrag(u"Meier", u"AnzahlWP"), std::optional<std::u16string>(u"2"));
}

TEST_F(KelvoDocTest, KomponenteGeaendertNurFuerEigeneKomponente) {
    Starte();
    CKelvoDoc& doc = Oeffne(Projekt(u"ground probe monovalent"));
    const CVRMString haus = doc.Haus().getConsumerName();
    struct Fall {
        int kind;
        CVRMString key;
        std::vector<int> hinweise;
    };
    const Fall faelle[] = {
        {1, u"anderes Haus", {}}, {1, haus, {1}}, {5, u"anderes Haus", {}}, {5, haus, {5}},
        {4, u"andere WP", {}},    {4, doc.WPumpe().getConsumerName(), {4}}, {9, u"", {9}},
    };
    for (const Fall& f : faelle) {
        view.hinweise.clear();
        doc.KomponenteGeaendert(f.kind, f.key);
        EXPECT_EQ(view.hinweise, f.hinweise) << f.kind << " " << f.key.toUtf8();
    }
    // While busy nothing is calculated or told.
    view.hinweise.clear();
    doc.SetBeschaeftigt(1);
    doc.KomponenteGeaendert(9, u"");
    doc.SetBeschaeftigt(0);
    EXPECT_TRUE(view.hinweise.empty());
}

TEST_F(KelvoDocTest, WechsleWPumpeVerweigertUnpassendeWaermepumpe) {
    Starte();
    CKelvoDoc& doc = Oeffne(Projekt(u"ground probe monovalent"));
    const CVRMString vorher = doc.WPumpe().getConsumerName();
    CVRMStringArray pumpen;
    app->GetListe(pumpen, 1);
    CVRMString luft;
    for (const CVRMString& p : pumpen)
        if (p.find(u"air/water") != CVRMString::npos) luft = p;
    ASSERT_FALSE(luft.empty());
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    view.hinweise.clear();
    EXPECT_FALSE(doc.WechsleWPumpe(luft, 1));
    EXPECT_EQ(d.boxes().back().text.substr(0, 45), u"This heat pump does not go with the heat sour");
    EXPECT_EQ(doc.WPumpe().getConsumerName(), vorher);
    EXPECT_EQ(doc.IstBeschaeftigt(), 0);
    EXPECT_TRUE(view.hinweise.empty());
    EXPECT_FALSE(doc.WechsleWPumpe(u"", 1));
    EXPECT_FALSE(doc.WechsleWPumpe(vorher, 0));
}

TEST_F(KelvoDocTest, OeffnenNachNamenMeldetFehlendesProjektUndHoltOffenesNachVorn) {
    Starte();
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    EXPECT_THROW(app->OpenDocumentFile(u"C:\\Projekte\\Nicht da"), platform::UserException);
    EXPECT_EQ(d.boxes().back().text,
              u"Project 'Nicht da' not found in\r\ndatabase '" + app->GetAktDatenbank() + u"' !");

    const CVRMString name = Projekt(u"ground probe monovalent");
    CKelvoDoc* erstes = app->OpenDocumentFile(name);
    CKelvoDoc* zweites = app->OpenDocumentFile(u"D:\\irgendwo\\" + name);
    EXPECT_EQ(erstes, zweites);
    EXPECT_EQ(app->Dokumente().size(), 1u);
    EXPECT_EQ(app->GetAktivesKelvoDoc(true), erstes);
    EXPECT_EQ(app->GetMainFrame()->Arbeitsflaeche()->subWindowList().size(), 1);
    EXPECT_TRUE(app->GetMainFrame()->Arbeitsflaeche()->subWindowList().front()->isMaximized());
}

// A project whose record cannot be opened (a heat pump with zero units) is told with its
// reason and then 3584; no window opens and its values stay as they were.
TEST_F(KelvoDocTest, ProjektDasNichtAufgehtMeldet3584) {
    Starte();
    CVRMStringArray pumpen;
    app->GetListe(pumpen, 1);
    ASSERT_FALSE(pumpen.empty());
    ASSERT_EQ(app->AddUniqueString(0, u"Kaputt"), 1);
    IGlobal::WriteIniString(u"Kaputt", u"WPumpe", pumpen.front(), 1);
    IGlobal::WriteIniString(u"Kaputt", u"AnzahlWP", u"0", 1);
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    d.expectMessageBox(1);
    EXPECT_THROW(app->OpenDocumentFile(u"Kaputt"), platform::UserException);
    ASSERT_EQ(d.boxes().size(), 2u);
    EXPECT_EQ(d.boxes().back().text, u"Could not open project!");
    EXPECT_TRUE(app->Dokumente().empty());
    EXPECT_TRUE(app->GetMainFrame()->Arbeitsflaeche()->subWindowList().empty());
    EXPECT_TRUE(app->GetRecentFileList().empty());
    EXPECT_EQ(Eintrag(u"Kaputt", u"AnzahlWP"), std::optional<std::u16string>(u"0"));
}

// A project whose section header is damaged in the file keeps its values only in the copy
// the database keeps of the file: opening it is refused with its name, and nothing is
// written in place of its record.
TEST_F(KelvoDocTest, ProjektOhneLesbarenRecordWirdAbgelehnt) {
    Starte();
    CKelvoDoc& doc = NeuesProjekt(u"Meier");
    ASSERT_EQ(doc.SetProjektDaten(ID_Notiz, CVRMString(u"mein Haus"), 1), 1);
    const std::filesystem::path datei(app->GetAktDatenbank().toUtf8());
    Beende();
    // The header line loses its closing bracket, in whatever encoding the file is written.
    std::string bytes = testsupport::ReadFileBytes(datei);
    const QString kopf = QStringLiteral("[meier]");
    const std::string utf8 = kopf.toStdString();
    const std::string utf16(reinterpret_cast<const char*>(kopf.utf16()), static_cast<size_t>(kopf.size()) * 2);
    const bool breit = bytes.find(utf16) != std::string::npos;
    const std::string& alt = breit ? utf16 : utf8;
    const std::size_t pos = bytes.find(alt);
    ASSERT_NE(pos, std::string::npos);
    bytes.erase(pos + alt.size() - (breit ? 2 : 1), breit ? 2 : 1);
    testsupport::WriteFileBytes(datei, bytes);

    auto& d = uitest::dialogs();
    d.expectMessageBox(1);  // the damaged file, kept beside it
    app = std::make_unique<CKelvoApp>();
    ASSERT_TRUE(app->InitInstance(umgebung));
    ASSERT_EQ(d.boxes().size(), 1u);
    const std::string vorher = testsupport::ReadFileBytes(datei);
    d.expectMessageBox(1);
    d.expectMessageBox(1);
    EXPECT_THROW(app->OpenDocumentFile(u"Meier"), platform::UserException);
    ASSERT_EQ(d.boxes().size(), 3u);
    EXPECT_EQ(d.boxes()[1].text, u"Could not initialize project 'Meier'!");
    EXPECT_TRUE(app->Dokumente().empty());
    EXPECT_EQ(testsupport::ReadFileBytes(datei), vorher);
    EXPECT_EQ(Eintrag(u"Meier", u"Notiz"), std::nullopt);
}

// Open project without any project in either database: 3278 and no dialog.
TEST_F(KelvoDocTest, OeffnenOhneProjekteMeldet3278OhneDialog) {
    Starte();
    // The program refuses to start on such databases: they are laid under the running one.
    const CVRMString benutzer = app->GetAktDatenbank();
    const platform::ModuleHandle modul = platform::currentResourceModule();
    CVRMglobApp::ResetForTests();
    ASSERT_EQ(CVRMglobApp::Get().Init(modul, nullptr, 0), 1);
    ASSERT_EQ(CVRMglobApp::Get().SetDatenDatei(benutzer), 1);
    testsupport::WriteDatabaseFile(ordner.file("leer.ini"), {u"[Info]", u"Version=1"});
    ASSERT_EQ(CVRMglobApp::Get().SetBiboDatei(CVRMString::fromUtf8(ordner.file("leer.ini").string()), 0), 1);
    CVRMStringArray projekte;
    CVRMdatenProvider::get().getListe(projekte, LISTE_PROJEKTE, true, nullptr, true);
    ASSERT_TRUE(projekte.empty());
    auto& d = uitest::dialogs();
    d.expectMessageBox(1);
    app->OnFileOpen();
    ASSERT_EQ(d.boxes().size(), 1u);
    EXPECT_EQ(d.boxes().back().text, u"User database and program database are without any project!");
    EXPECT_TRUE(app->Dokumente().empty());
}

TEST_F(KelvoDocTest, OhneProjektMeldet3091UndLiefertKeinenNamen) {
    Starte();
    auto& d = uitest::dialogs();
    EXPECT_EQ(app->GetAktProjektName(), u"");
    EXPECT_EQ(app->IstProjektOffen(), 0);
    EXPECT_EQ(app->GetAktDokument(true), nullptr);
    EXPECT_TRUE(d.boxes().empty());
    d.expectMessageBox(1);
    EXPECT_THROW(app->GetAktDokument(false), platform::UserException);
    EXPECT_EQ(d.boxes().back().text, u"No current project");
}

// The recent list holds bare names, keeps its order for a name it has and ends at four.
TEST_F(KelvoDocTest, ZuletztGeoeffneteHaeltNamenOhnePfad) {
    Starte();
    for (const char16_t* pfad : {u"C:\\a\\Eins", u"Zwei", u"x\\Eins", u"Drei", u"Vier", u"Fuenf"})
        app->AddToRecentFileList(pfad);
    EXPECT_EQ(app->GetRecentFileList(),
              (std::vector<CVRMString>{u"Fuenf", u"Vier", u"Drei", u"Zwei"}));
}

}  // namespace
