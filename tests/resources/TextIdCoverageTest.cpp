// Every text id the code hands to the language table has an entry in every language module
// the build ships. The ids are read from the sources: every whole number from 3000 to 9999
// outside comments and string literals, wherever it stands (the shared constants, a file's
// own constants, the literals at the calls and in tables). A number in that range that is
// not a text id carries the comment "not a text id" on its line.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/text/ResManager.h"
#include "tests/support/ProgrammQuellen.h"
#include "tests/support/Sprachmodul.h"

namespace {

namespace fs = std::filesystem;

constexpr unsigned kErsteTextId = 3000;
constexpr unsigned kLetzteTextId = 9999;
constexpr std::string_view kKeinText = "not a text id";

// Where each id was found: "file:line" of its first use.
using Fundstellen = std::map<unsigned, std::string>;

// The line without comments and string or character literals; `imKommentar` carries a
// block comment over to the next line.
std::string OhneKommentarUndText(const std::string& zeile, bool& imKommentar) {
    std::string code;
    for (size_t i = 0; i < zeile.size(); ++i) {
        const char c = zeile[i];
        const char n = i + 1 < zeile.size() ? zeile[i + 1] : '\0';
        if (imKommentar) {
            if (c == '*' && n == '/') {
                imKommentar = false;
                ++i;
            }
            continue;
        }
        if (c == '/' && n == '/') break;
        if (c == '/' && n == '*') {
            imKommentar = true;
            ++i;
            continue;
        }
        if (c == '"' || c == '\'') {
            for (++i; i < zeile.size() && zeile[i] != c; ++i)
                if (zeile[i] == '\\') ++i;
            code += ' ';
            continue;
        }
        code += c;
    }
    return code;
}

// The whole decimal numbers of a code line (with an optional u or l suffix) in the range.
std::vector<unsigned> TextIdsDerZeile(const std::string& code) {
    std::vector<unsigned> ids;
    const auto teilDesWorts = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '\'';
    };
    for (size_t i = 0; i < code.size();) {
        if (!teilDesWorts(code[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < code.size() && teilDesWorts(code[i])) ++i;
        const std::string wort = code.substr(start, i - start);
        size_t ziffern = 0;
        while (ziffern < wort.size() && std::isdigit(static_cast<unsigned char>(wort[ziffern])))
            ++ziffern;
        if (ziffern == 0 || wort[0] == '0') continue;
        if (wort.find_first_not_of("uUlL", ziffern) != std::string::npos) continue;
        if (ziffern > 5) continue;
        const unsigned zahl = static_cast<unsigned>(std::stoul(wort.substr(0, ziffern)));
        if (zahl >= kErsteTextId && zahl <= kLetzteTextId) ids.push_back(zahl);
    }
    return ids;
}

Fundstellen TextIdsDesCodes(const fs::path& wurzel) {
    Fundstellen ids;
    for (const fs::path& quelle : testsupport::ProgrammQuellen(wurzel)) {
        std::ifstream datei(quelle);
        bool imKommentar = false;
        int nummer = 0;
        for (std::string zeile; std::getline(datei, zeile);) {
            ++nummer;
            const std::string code = OhneKommentarUndText(zeile, imKommentar);
            if (zeile.find(kKeinText) != std::string::npos) continue;
            for (unsigned id : TextIdsDerZeile(code))
                ids.emplace(id, fs::relative(quelle, wurzel).string() + ":" + std::to_string(nummer));
        }
    }
    return ids;
}

TEST(TextIdCoverage, TheScannerReadsConstantsAndLiteralsAndSkipsTheRest) {
    bool imKommentar = false;
    const struct {
        const char* zeile;
        std::vector<unsigned> ids;
    } faelle[] = {
        {"inline constexpr unsigned kDatenFehlen = 3105;  // 3999", {3105}},
        {"ThrowFehler(3124, u\"3125\"); text.Format(5359u, x, 3360U);", {3124, 5359, 3360}},
        {"return {5877, 5890};", {5877, 5890}},
        {"x = 3000.0f * 4000e1 + 0x3100 + 03100 + 2999 + 10000 + k3101 + 3'101;", {}},
        {"int a = 4096; /* 3102 */ int b = 3103;", {4096, 3103}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(TextIdsDerZeile(OhneKommentarUndText(f.zeile, imKommentar)), f.ids) << f.zeile;
    }
    // A block comment over lines hides what it holds.
    EXPECT_EQ(OhneKommentarUndText("a /* 3104", imKommentar), "a ");
    EXPECT_EQ(OhneKommentarUndText("3105 */ 3106", imKommentar), " 3106");
    EXPECT_FALSE(imKommentar);

    // In the real tree it finds the shared constants and the literals in files of their own.
    const Fundstellen ids = TextIdsDesCodes(VARM_SOURCE_DIR);
    for (unsigned id : {3101u, 3168u, 3812u, 5399u, 3437u, 3444u})
        EXPECT_EQ(ids.count(id), 1u) << id;
}

TEST(TextIdCoverage, EveryTextIdOfTheCodeIsInEveryShippedLanguageModule) {
    const Fundstellen ids = TextIdsDesCodes(VARM_SOURCE_DIR);
    ASSERT_GT(ids.size(), 100u);
    const auto module = testsupport::AusgelieferteSprachModule();
    ASSERT_FALSE(module.empty());
    for (const testsupport::SprachModul& modul : module) {
        SCOPED_TRACE(modul.datei);
        ASSERT_TRUE(testsupport::LadeSprache(modul));
        std::ostringstream fehlend;
        for (const auto& [id, ort] : ids) {
            const CVRMString fehlt = u"Msg: " + CVRMString::fromUtf8(std::to_string(id));
            if (CResManager::getLangText(static_cast<uint16_t>(id)) == fehlt)
                fehlend << "\n  " << id << " (" << ort << ")";
        }
        EXPECT_TRUE(fehlend.str().empty()) << "text ids without an entry:" << fehlend.str();
    }
    CResManager::freeLangRes();
}

}  // namespace
