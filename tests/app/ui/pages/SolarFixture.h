#pragma once
// The real program with the solar sample project of the library, or with a copy of it in
// the user database ("Solar Meier": its own project, house and solar plant, the library's
// heat pump, heat source and tariff), for the tests of the solar page and its dialogs.
#include <QMenu>

#include "app/options/OptionsManager.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridMenu.h"
#include "core/records/SolareGewinne.h"
#include "core/value/VRMwerteListe.h"
#include "model/data/NeuesObjekt.h"
#include "pages/SolarPage.h"
#include "platform/ui/Menu.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace solartest {

inline constexpr const char16_t* kBeispiel = u"Sample ground probe solar";
inline constexpr const char16_t* kMeier = u"Solar Meier";
inline constexpr const char16_t* kMeierHaus = u"Solar Meier Haus";
inline constexpr const char16_t* kMeierAnlage = u"Solar Meier Anlage";

class SolarFixture : public seitentest::SeitenFixture {
  protected:
    ~SolarFixture() override { SetGridMenuTracker({}); }

    // The copy of the sample in the user database, opened.
    CKelvoDoc& Meier(bool deutsch = false) {
        Starte(deutsch);
        CKelvoDoc* bib = app->OpenDocumentFile(Projekt(kBeispiel));
        EXPECT_NE(bib, nullptr);
        if (!bib) return *bib;
        CVRMdatenProvider& store = CVRMdatenProvider::get();
        const CVRMString haus = bib->ProjektText(ID_Haus);
        const CVRMString anlage = bib->ProjektText(ID_Solar);
        for (auto [art, name] : {std::pair{7, kMeier}, {0, kMeierHaus}, {9, kMeierAnlage}}) {
            CVRMString n(name);
            EXPECT_EQ(AddNeuesObjekt(art, n), 1) << art;
        }
        CVRMwerteListe h;
        h.copy(store.getWerte(haus));
        h.setName(CVRMString(kMeierHaus));
        store.save(h, false);
        for (TKelvoDatenID id : {ID_KFlaeche, ID_KNeigung, ID_KAusrichtung, ID_SolSollTemp,
                                 ID_SolTauschVerlust, ID_SolSollTempH, ID_SolTauschVerlustH,
                                 ID_SolTauschVerlustE, ID_PufferVolumen, ID_PufferUeTemp})
            ISolar::set(CVRMString(kMeierAnlage), id, ISolar::get(anlage, id), 0);
        ISolar::SaveDaten(CVRMString(kMeierAnlage));
        ISolar::InitSolarAnlage(CVRMString(kMeierAnlage));
        // The library hears of the collector of a plant it knows.
        ISolar::set(CVRMString(kMeierAnlage), ID_SolKollBez, ISolar::get(anlage, ID_SolKollBez), 1);
        for (unsigned short art = 1; art <= 3; ++art) {
            CSolareGewinne g(1);
            ISolar::GetSolareGewinne(anlage, art, g);
            ISolar::SetSolareGewinne(CVRMString(kMeierAnlage), art, g);
        }
        CVRMwerteListe p;
        p.copy(store.getWerte(bib->GetPathName()));
        p.setName(CVRMString(kMeier));
        p.get(ID_Haus) = CVRMVariant(CVRMString(kMeierHaus));
        p.get(ID_Solar) = CVRMVariant(CVRMString(kMeierAnlage));
        store.save(p, true);
        dokument = app->OpenDocumentFile(CVRMString(kMeier));
        EXPECT_NE(dokument, nullptr);
        // The feed temperatures the house page gives the plant when the house is saved.
        ISolar::set(CVRMString(kMeierAnlage), ID_SolSollTemp,
                    CVRMVariant(bib->Haus().GetWert(ID_WWSollTemp).GetUIntVal()), 0);
        ISolar::set(CVRMString(kMeierAnlage), ID_SolSollTempH,
                    CVRMVariant(static_cast<unsigned>(bib->Haus().GetWert(ID_HeizVorlauf).GetFloatVal())), 1);
        return *dokument;
    }

    CSolarPage& Seite() { return Zeige<CSolarPage>(CKelvoDoc::kSolarSeite); }

    // The program started again on the same folder, the copy opened.
    void Neustart() {
        dokument = nullptr;
        SeitenFixture::Neustart();
        dokument = app->OpenDocumentFile(CVRMString(kMeier));
        ASSERT_NE(dokument, nullptr);
    }

    static QPoint Mitte(CGridCtrl& grid, int zeile, int spalte) {
        grid::Rect r;
        EXPECT_TRUE(grid.GetCellRect(zeile, spalte, &r));
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // Right click into the cell, the context menu's command chosen.
    static void Kontextmenue(CGridCtrl& grid, int zeile, int spalte, int befehl) {
        SetGridMenuTracker([befehl](QMenu& menu, QPoint) { return ui::findAction(&menu, befehl); });
        uitest::click(grid, Mitte(grid, zeile, spalte), Qt::RightButton);
        uitest::processEvents();
        SetGridMenuTracker({});
    }

    // A value of the user database file, empty when the entry is not there.
    std::u16string Datei(const std::u16string& satz, const std::u16string& key) const {
        return Eintrag(satz, key).value_or(u"");
    }
    // The three destination arrays of the copy's house as the file holds them.
    std::array<std::u16string, 3> DateiWohin() const {
        return {Datei(kMeierHaus, u"SolarWohin1"), Datei(kMeierHaus, u"SolarWohin2"),
                Datei(kMeierHaus, u"SolarWohin3")};
    }
    // The plant's gains of the three kinds as the file holds them, month by month.
    std::vector<std::u16string> DateiGewinne() const {
        std::vector<std::u16string> werte;
        for (const char16_t* art : {u"SolarGewinnW", u"SolarGewinnH", u"SolarGewinnE"})
            for (int m = 0; m < 12; ++m)
                werte.push_back(Datei(kMeierAnlage, art + QString::number(m).toStdU16String()));
        return werte;
    }
};

// "1#2#0#..." of an order array.
inline std::u16string WohinText(const std::vector<unsigned>& wohin) {
    std::u16string text;
    for (unsigned z : wohin) text += QString::number(z).toStdU16String() + u"#";
    return text;
}

}  // namespace solartest
