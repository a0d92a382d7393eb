#pragma once
// The window tests of the calculation dialogs over the shipped library database: an empty
// user database in a folder of its own, the program's options, and a fake application
// whose active document holds a sample project of the library, as the document holds it.
#include <memory>

#include "app/options/OptionsManager.h"
#include "core/value/VRMStringArray.h"
#include "tests/support/BeispielProjekt.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/ui/UiTest.h"

namespace dialogtest {

inline constexpr const char16_t* kSonde = u"Sample ground probe monovalent_(bib)";

// The core library with both databases, from the first member to the last.
class Datenbanken {
  public:
    Datenbanken();
    ~Datenbanken();
    Datenbanken(const Datenbanken&) = delete;
    Datenbanken& operator=(const Datenbanken&) = delete;
    testsupport::TempFolder ordner;
};

class BibliothekFixture : public uitest::Fixture {
  protected:
    BibliothekFixture();

    std::unique_ptr<testsupport::BeispielProjekt> Lade(const CVRMString& name);
    // The heat pumps of the databases as the lists show them.
    static CVRMStringArray Waermepumpen();

    Datenbanken datenbanken;
    COptionsManager optionen;
    testsupport::BeispielDokument dok;
    testsupport::FakeKelvoApp app;
};

}  // namespace dialogtest
