// Every help topic a window of the program opens has its page in the help folder of every
// shipped language module, the contents page links every one of them, and every page the
// contents page links exists. The topics are read from the sources: the lowercase string
// literals of each statement that names a help topic (the help call, a topic constant or
// accessor, and the constructors of the page and option bases that take one).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "core/text/ResManager.h"
#include "tests/support/ProgrammQuellen.h"
#include "tests/support/Sprachmodul.h"

namespace {

namespace fs = std::filesystem;

constexpr uint16_t kHilfeDateiName = 3657;  // help file of the language, e.g. "varmionEn.chm"

// Where each topic was found: the file of its first use.
using Themen = std::map<std::string, std::string>;

// The source without comments; string literals stay as they are.
std::string OhneKommentare(const std::string& quelle) {
    std::string code;
    for (size_t i = 0; i < quelle.size(); ++i) {
        const char c = quelle[i];
        const char n = i + 1 < quelle.size() ? quelle[i + 1] : '\0';
        if (c == '/' && n == '/') {
            while (i < quelle.size() && quelle[i] != '\n') ++i;
            code += '\n';
        } else if (c == '/' && n == '*') {
            const size_t ende = quelle.find("*/", i + 2);
            i = ende == std::string::npos ? quelle.size() : ende + 1;
            code += ' ';
        } else if (c == '"' || c == '\'') {
            code += c;
            for (++i; i < quelle.size() && quelle[i] != c; ++i) {
                if (quelle[i] == '\\') code += quelle[i++];
                code += quelle[i];
            }
            code += c;
        } else {
            code += c;
        }
    }
    return code;
}

// The text from an opening parenthesis to the one that closes it.
std::string Klammer(const std::string& text, size_t auf) {
    int tiefe = 0;
    for (size_t i = auf; i < text.size(); ++i) {
        if (text[i] == '(') ++tiefe;
        if (text[i] == ')' && --tiefe == 0) return text.substr(auf, i + 1 - auf);
    }
    return text.substr(auf);
}

// The topics of one source. A statement ends at ";" or at a brace that closes its line; in a
// statement about the help topic every such literal counts, in a base constructor's call only
// those of its own arguments (the other members it initialises are no topic).
std::set<std::string> ThemenDerQuelle(const std::string& quelle) {
    static const std::regex kBasis(R"(\b(CEingabeSeite|CWPSeite|COptsPage)\()");
    static const std::regex kThema(R"(u"([a-z][a-z0-9]*)\")");
    const std::string code = OhneKommentare(quelle);
    std::set<std::string> themen;
    const auto sammle = [&](const std::string& text) {
        for (std::sregex_iterator it(text.begin(), text.end(), kThema), aus; it != aus; ++it)
            themen.insert((*it)[1]);
    };
    size_t start = 0;
    for (size_t i = 0; i <= code.size(); ++i) {
        bool ende = i == code.size() || code[i] == ';';
        if (!ende && (code[i] == '{' || code[i] == '}')) {
            const size_t naechstes = code.find_first_not_of(" \t\r", i + 1);
            ende = naechstes == std::string::npos || code[naechstes] == '\n';
        }
        if (!ende) continue;
        const std::string satz = code.substr(start, i - start);
        start = i + 1;
        if (satz.find("HilfeThema") != std::string::npos) {
            sammle(satz);
        } else if (std::smatch basis; std::regex_search(satz, basis, kBasis)) {
            sammle(Klammer(satz, static_cast<size_t>(basis.position(0) + basis.length(0) - 1)));
        }
    }
    return themen;
}

std::string Inhalt(const fs::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream text;
    text << ein.rdbuf();
    return text.str();
}

Themen ThemenDesCodes(const fs::path& wurzel) {
    Themen themen;
    for (const fs::path& quelle : testsupport::ProgrammQuellen(wurzel))
        for (const std::string& thema : ThemenDerQuelle(Inhalt(quelle)))
            themen.emplace(thema, fs::relative(quelle, wurzel).string());
    return themen;
}

// The local pages a help page links (web addresses and anchors within the page left out).
std::set<std::string> VerweiseDerSeite(const std::string& html) {
    static const std::regex kVerweis(R"(href="([^"#:]+)(#[^"]*)?")");
    std::set<std::string> ziele;
    for (std::sregex_iterator it(html.begin(), html.end(), kVerweis), aus; it != aus; ++it)
        ziele.insert((*it)[1]);
    return ziele;
}

// The folder the program opens the help pages of the loaded language from.
fs::path HilfeOrdner() {
    const fs::path datei(CResManager::getLangText(kHilfeDateiName).toUtf8());
    return fs::path(VARM_PROGRAM_DIR) / datei.stem() / "html";
}

TEST(HelpTopicCoverage, TheScannerReadsTheTopicOfEveryKindOfStatement) {
    const struct {
        const char* quelle;
        std::set<std::string> themen;
    } faelle[] = {
        {"void X::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u\"wqergs\"); }", {"wqergs"}},
        {"constexpr char16_t kHilfeThema[] = u\"wqtest\";\nint a = f(u\"other\");", {"wqtest"}},
        {"std::u16string HilfeThema() const override { return u\"datendim\"; }", {"datendim"}},
        // a topic chosen by a condition over several lines
        {"    ShowHilfeThema(m == k\n        ? u\"dlgbodentemp\"\n        : u\"dlgklimatemp\");",
         {"dlgbodentemp", "dlgklimatemp"}},
        // the base constructors that take a topic, their body left out
        {"X::X(bool e)\n    : CEingabeSeite({kIDD, 1, 2, 3, u\"datensol\"}, e), m(u\"no\") {\n"
         "    Setze(u\"body\");\n}",
         {"datensol"}},
        {"    : COptsPage((R(), kVorlage), 5179, u\"opts1\"), m_logik(u) {}", {"opts1"}},
        // comments, literals of other statements and names that are no topic
        {"// ShowHilfeThema(u\"comment\");\n/* ShowHilfeThema(u\"block\"); */\n"
         "Zeige(u\"plain\"); ShowHilfeThema(CVRMString(u\"index\")); Text(u\"Index 2\");",
         {"index"}},
        {"auto s = u\"a;b\"; ShowHilfeThema(u\"datentrf\");", {"datentrf"}},
    };
    for (const auto& f : faelle) EXPECT_EQ(ThemenDerQuelle(f.quelle), f.themen) << f.quelle;

    // In the real tree it finds the topics of every kind of statement.
    const Themen themen = ThemenDesCodes(VARM_SOURCE_DIR);
    for (const char* thema : {"index", "datenhaus", "datenwp2", "datendim", "dlgbodentemp",
                              "dlgklimatemp", "opts7", "wqtest", "bkvergleich"})
        EXPECT_EQ(themen.count(thema), 1u) << thema;
}

TEST(HelpTopicCoverage, EveryTopicHasItsPageInEveryLanguageAndTheContentsLinkIt) {
    const Themen themen = ThemenDesCodes(VARM_SOURCE_DIR);
    ASSERT_GT(themen.size(), 40u);
    const auto module = testsupport::AusgelieferteSprachModule();
    ASSERT_FALSE(module.empty());
    for (const testsupport::SprachModul& modul : module) {
        SCOPED_TRACE(modul.datei);
        ASSERT_TRUE(testsupport::LadeSprache(modul));
        const fs::path ordner = HilfeOrdner();
        ASSERT_TRUE(fs::is_regular_file(ordner / "index.htm")) << ordner;
        const std::set<std::string> verweise = VerweiseDerSeite(Inhalt(ordner / "index.htm"));
        for (const auto& [thema, quelle] : themen) {
            const std::string seite = thema + ".htm";
            EXPECT_TRUE(fs::is_regular_file(ordner / seite)) << seite << " (" << quelle << ")";
            // What a page links, its shared stylesheet too, ships beside it.
            if (fs::is_regular_file(ordner / seite)) {
                for (const std::string& ziel : VerweiseDerSeite(Inhalt(ordner / seite))) {
                    EXPECT_TRUE(fs::is_regular_file(ordner / ziel)) << seite << " links " << ziel;
                }
            }
            if (thema != "index") {
                EXPECT_EQ(verweise.count(seite), 1u) << "the contents do not link " << seite;
            }
        }
        for (const std::string& ziel : verweise)
            EXPECT_TRUE(fs::is_regular_file(ordner / ziel)) << "the contents link " << ziel;
    }
    CResManager::freeLangRes();
}

}  // namespace
