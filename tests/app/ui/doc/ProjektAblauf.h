#pragma once
// What the tests of closing, the second heat source and the dimensioning wizard share: the
// real program with a project of the user database made from a sample project (a house and
// a combined heat source of its own, so that it may be changed), and test pages standing in
// for the input pages, recording what the document does with them.
#include <QMdiSubWindow>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/DimWizard.h"
#include "app/doc/KelvoDoc.h"
#include "app/doc/KelvoDocTemplate.h"
#include "app/frame/ChildFrame.h"
#include "core/db/Global.h"
#include "core/value/VRMdatenProvider.h"
#include "platform/errors/UserException.h"
#include "tests/app/ui/dialogs/ProjektFenster.h"

namespace projektablauf {

// A page that records its loads and titles, can hold changes and can fail to load.
class AblaufSeite : public testsupport::TestDatenPage {
  public:
    AblaufSeite(int kind, int wizard) : TestDatenPage(kind, wizard), wizardFlag(wizard) {}
    void LoadKomponente(const CVRMString& key, const CVRMString&, const CVRMString&) override {
        if (wirftBeimLaden) throw std::runtime_error("page broken");
        aufrufe.push_back("Load:" + key.toUtf8());
    }
    void SetPageTitle(const CVRMString& name) override { aufrufe.push_back("Title:" + name.toUtf8()); }
    int SaveModifiedData() override {
        if (wirftBeimSpeichern) throw std::runtime_error("disk full");
        return TestDatenPage::SaveModifiedData();
    }
    void Aendere() { m_modified = 1; }

    int wizardFlag;
    bool wirftBeimLaden = false;
    bool wirftBeimSpeichern = false;
};

// The dimensioning page's stand-in: Finish hands the design the test chose to the document;
// a refused takeover keeps the wizard open.
class TestDimSeite : public AblaufSeite {
  public:
    TestDimSeite(int wizard, const SDimDaten& daten) : AblaufSeite(kDimSeitenArt, wizard), m_daten(daten) {}
    bool onWizardFinish() override {
        auto& doc = dynamic_cast<CKelvoDoc&>(GetDatenSheet().GetDokument());
        try {
            doc.BroadcastDimDaten(m_daten);
            return true;
        } catch (const platform::UserException&) {
            abgelehnt = true;
            return false;
        }
    }
    bool abgelehnt = false;

  private:
    const SDimDaten& m_daten;
};

class ProjektAblaufTest : public projektfenster::ProjektFensterTest {
  protected:
    static constexpr int kArten[] = {0, 1, 2, 4, 5, 8, kDimSeitenArt};
    ~ProjektAblaufTest() override {
        for (int kind : kArten) RegistriereDatenSeite(kind, {});
    }

    // The program with test pages for every kind that `ohne` does not name.
    void StarteMitSeiten(std::vector<int> ohne = {}) {
        Starte();
        for (int kind : kArten) {
            if (std::find(ohne.begin(), ohne.end(), kind) != ohne.end()) {
                RegistriereDatenSeite(kind, {});
                continue;
            }
            RegistriereDatenSeite(kind, [this](const SSeitenWunsch& w) -> std::unique_ptr<CKVSDatenPage> {
                std::unique_ptr<AblaufSeite> seite =
                    w.kind == kDimSeitenArt ? std::make_unique<TestDimSeite>(w.wizard, dimDaten)
                                            : std::make_unique<AblaufSeite>(w.kind, w.wizard);
                if (w.kind == wirftArt) seite->wirftBeimLaden = true;
                erzeugt.push_back(seite.get());
                return seite;
            });
        }
    }

    // "Meier": a new project of the user database (made as the user makes one) with the
    // sample project's house, tariff and heat pump, and a combined heat source of its own
    // whose first source is a copy of the sample's; opened, and the active project.
    CKelvoDoc& EigenesProjekt() {
        CKelvoDoc* muster = app->OpenDocumentFile(Projekt(u"ground probe monovalent"));
        EXPECT_NE(muster, nullptr);
        CVRMdatenProvider& werte = CVRMdatenProvider::get();
        CVRMwerteListe kopie{CVRMString(kQuelle1)};
        kopie.copy(werte.getWerte(muster->GetWQuelle(1)->getConsumerName()));
        werte.save(kopie, true);
        IGlobal::WriteIniString(kKombi, CVRMwerteListe::getKey(ID_KQuelle1), kQuelle1, 1);
        app->AddUniqueString(LISTE_WQUELLEN, kKombi);
        uitest::dialogs().expectDialog(u"Enter new name", [](QDialog& d) {
            uitest::type(*ui::child(&d, 1033), QString::fromStdU16String(kName));
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        app->OnFileNew();
        CKelvoDoc* doc = app->GetAktivesKelvoDoc(true);
        EXPECT_NE(doc, nullptr);
        EXPECT_EQ(doc->GetPathName(), kName);
        for (const auto& [id, wert] : {std::pair{ID_Haus, muster->ProjektText(ID_Haus)},
                                       {ID_WQuelle, CVRMString(kKombi)},
                                       {ID_Tarif, muster->ProjektText(ID_Tarif)},
                                       {ID_WPumpe, muster->ProjektText(ID_WPumpe)}})
            EXPECT_EQ(doc->SetProjektDaten(id, wert, 1), 1) << id;
        EXPECT_EQ(doc->KombiWQuelle().GetAnzahlWQuellen(), 1);
        return *doc;
    }

    // The page of `kind` the document holds now.
    AblaufSeite* Seite(CKelvoDoc& doc, int kind) { return dynamic_cast<AblaufSeite*>(doc.GetSeite(kind)); }
    std::string DateiInhalt() const {
        std::ifstream in(app->GetAktDatenbank().toUtf8(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::optional<std::u16string> QuellWert(const CVRMString& quelle, TKelvoDatenID id) const {
        return Eintrag(quelle, CVRMwerteListe::getKey(id));
    }
    bool IstOffen(const CKelvoDoc* doc) const {
        const auto offen = app->Dokumente();
        return std::find(offen.begin(), offen.end(), doc) != offen.end();
    }

    static constexpr const char16_t* kName = u"Meier";
    static constexpr const char16_t* kKombi = u"MeierWQ";
    static constexpr const char16_t* kQuelle1 = u"MeierWQ_(1)";
    static constexpr const char16_t* kQuelle2 = u"MeierWQ_(2)";

    SDimDaten dimDaten;
    int wirftArt = -1;
    std::vector<AblaufSeite*> erzeugt;
};

}  // namespace projektablauf
