#pragma once
// A sample project of the shipped library loaded as the document holds it, with the
// program's options, an active document whose heat pump answers the house's hot-water
// calculation, and every message box recorded.
#include <memory>
#include <string>

#include "LibraryFixture.h"
#include "app/options/OptionsManager.h"
#include "evaluation/AuswertManager.h"
#include "model/heatpump/WPumpe2.h"
#include "model/app/OptionIds.h"
#include "model/house/Haus2.h"
#include "model/project/Projekt2.h"
#include "model/source/KombiWQuelle2.h"
#include "model/source/WQuelle2.h"
#include "model/tariff/Tarif2.h"
#include "tests/support/FakeKelvoApp.h"

namespace enginetest {

inline constexpr const char16_t* kSonde = u"Sample ground probe monovalent_(bib)";
inline constexpr const char16_t* kLuft = u"Sample air monoenergetic_(bib)";
inline constexpr const char16_t* kWasser = u"Sample ground water bivalent_(bib)";

struct Projekt {
    CProjekt2 projekt;
    CHaus2 haus;
    CWPumpe2 wpumpe;
    CKombiWQuelle2 kombi;
    CTarif2 tarif;

    CWQuelle2& Quelle1() { return *kombi.GetErsteWQuelle(); }
    CVRMString Solar() { return projekt.GetWert(ID_Solar).GetStringVal(); }
};

// The document's heat pump at any point, all units, as the document answers it.
class Dokument : public testsupport::FakeKelvoDoc {
  public:
    void WPLeistungOhneKorr(int kind, float quellTemp, float vorlaufTemp, float& wert) override {
        wpumpe->GetLeistungAnzahl(kind, quellTemp, vorlaufTemp, wert);
    }
};

class EngineFixture : public librarytest::LibraryFixture {
  protected:
    EngineFixture();

    std::unique_ptr<Projekt> Lade(const CVRMString& name);
    // Initialises and evaluates `p` with the key 0.
    void Werte(Projekt& p);
    std::string BoxTexte() const;

    COptionsManager optionen;
    Dokument dok;
    testsupport::FakeKelvoApp app;
    CAuswertManager engine;
    CKelvoErgebnisse erg;
};

}  // namespace enginetest
