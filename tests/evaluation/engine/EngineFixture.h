#pragma once
// A sample project of the shipped library loaded as the document holds it, with the
// program's options, an active document whose heat pump answers the house's hot-water
// calculation, and every message box recorded.
#include <memory>
#include <string>

#include "LibraryFixture.h"
#include "app/options/OptionsManager.h"
#include "evaluation/AuswertManager.h"
#include "tests/support/BeispielProjekt.h"
#include "tests/support/FakeKelvoApp.h"

namespace enginetest {

inline constexpr const char16_t* kSonde = u"Sample ground probe monovalent_(bib)";
inline constexpr const char16_t* kLuft = u"Sample air monoenergetic_(bib)";
inline constexpr const char16_t* kWasser = u"Sample ground water bivalent_(bib)";

using Projekt = testsupport::BeispielProjekt;
using Dokument = testsupport::BeispielDokument;

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
