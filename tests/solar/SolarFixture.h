#pragma once
// The solar library over a fresh value store: a library database with the standard
// collector, a user database with collectors and a plant, and an application object of
// the library's own, initialised with the first call unless a test wants it bare.
#include <initializer_list>
#include <string>
#include <vector>

#include "core/value/VRMString.h"
#include "solar/SolarApp.h"
#include "tests/support/ValueStoreFixture.h"

namespace solartest {

// A yield record "key#y1#...#y12#": January takes `januar`, the other months `rest`.
std::u16string Ertrag(int key, double januar, double rest);
// The token list of the texts, each followed by "§#§".
CVRMString Tokens(std::initializer_list<std::u16string_view> tokens);
std::vector<std::u16string> Zerlege(const CVRMString& liste);

// The standard collector of the library database: keys 20 and 60.
inline constexpr const char16_t* kStdKollektor = u"StdCollector-Germany_(bib)";

class SolarFixture : public testsupport::ValueStoreFixture {
  protected:
    // Loads the databases below with `user` added to the user database.
    void Lade(const std::vector<std::u16string>& user = {});
    int Rufe(int32_t code, const CVRMString& param);
    // The app after code 11 (the library as the program finds it once bound).
    void Initialisiere();

    static std::vector<std::u16string> Bibo();
    static std::vector<std::u16string> User();

    CVRMsolarApp app;
    CVRMString ergebnis;
};

}  // namespace solartest
