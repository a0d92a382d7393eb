// The running-cost prices the library ships are dated examples: the help pages of the options
// and of the cost comparison name each shipped price with the period its source row gives,
// and say that the night-storage price is a heat-pump low tariff, in every language.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "LibraryFixture.h"
#include "platform/text/Text.h"

namespace librarytest {
namespace {

using LibraryPreiseHilfeTest = LibraryFixture;

struct Sprache {
    const char* ordner;
    char komma;
    std::vector<std::string> monate;
    std::map<std::string, std::string> jahreszeiten;
    std::string niedertarif;  // how the page says that night storage takes a heat-pump low tariff
};

const std::vector<Sprache>& Sprachen() {
    static const std::vector<Sprache> s = {
        {"eng", '.',
         {"January", "February", "March", "April", "May", "June", "July", "August", "September",
          "October", "November", "December"},
         {{"spring", "spring"}, {"summer", "summer"}, {"autumn", "autumn"}, {"winter", "winter"}},
         "low-tariff price of a heat-pump electricity tariff"},
        {"deu", ',',
         {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
          "Oktober", "November", "Dezember"},
         {{"spring", "Frühjahr"}, {"summer", "Sommer"}, {"autumn", "Herbst"}, {"winter", "Winter"}},
         "Niedertarifpreis eines Wärmepumpen-Stromtarifs"},
    };
    return s;
}

// The page's text with each run of white space one blank, as a reader sees it.
std::string Seite(const std::string& sprache, const std::string& thema) {
    std::ifstream in(std::string(VARM_SOURCE_DIR) + "/resources/help/" + sprache + "/" + thema + ".htm");
    std::stringstream roh;
    roh << in.rdbuf();
    std::string text;
    for (char c : roh.str()) {
        const bool leer = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!leer) text += c;
        else if (!text.empty() && text.back() != ' ') text += ' ';
    }
    return text;
}

// "2024-09" -> "September 2024", "2024 (spring)" -> "spring 2024", in the page's language.
std::string Zeitraum(const std::string& periode, const Sprache& s) {
    const std::string jahr = periode.substr(0, 4);
    if (periode.size() == 7 && periode[4] == '-')
        return s.monate.at(static_cast<size_t>(std::stoi(periode.substr(5)) - 1)) + " " + jahr;
    const size_t auf = periode.find('(');
    const std::string zeit = periode.substr(auf + 1, periode.find(')') - auf - 1);
    return s.jahreszeiten.at(zeit) + " " + jahr;
}

std::vector<std::string> Preise(const CVRMString& bkostenDaten, char komma) {
    std::vector<std::string> preise;
    std::stringstream teile(platform::toUtf8(bkostenDaten));
    std::string teil;
    for (int i = 0; std::getline(teile, teil, '#'); ++i) {
        if (i % 2 != 0) continue;
        for (char& c : teil)
            if (c == '.') c = komma;
        preise.push_back(teil);
    }
    return preise;
}

TEST_F(LibraryPreiseHilfeTest, HelpNamesEachShippedPriceWithItsPeriod) {
    const CVRMString optionen = Lies(u"Optionen", u"BKostenDaten");
    ASSERT_FALSE(optionen.empty());
    for (const Sprache& s : Sprachen()) {
        for (const std::string thema : {"opts4", "bkvergleich"}) {
            const std::string seite = Seite(s.ordner, thema);
            const std::string wo = std::string(s.ordner) + "/" + thema;
            ASSERT_FALSE(seite.empty()) << wo;
            for (const std::string& preis : Preise(optionen, s.komma))
                EXPECT_NE(seite.find("(" + preis + " "), std::string::npos) << wo << ": " << preis;
            for (const libgen::CsvRow& r : Daten().Tabelle("running_costs").Rows()) {
                if (r.Has("tariff_row")) {
                    EXPECT_NE(seite.find(s.niedertarif), std::string::npos) << wo << ": " << r["system"];
                } else {
                    const std::string zeit = Zeitraum(r["period"], s);
                    EXPECT_NE(seite.find(zeit), std::string::npos) << wo << ": " << zeit;
                }
            }
        }
    }
}

}  // namespace
}  // namespace librarytest
