// The shipped library names no electricity supplier: the example tariffs are built from
// supplier tariffs, and neither a supplier's name nor its tariff's name may reach a record.
// The names are taken from the project's shared source data, which the repository does
// not copy; without it the check is skipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Csv.h"
#include "core/db/TextCompare.h"
#include "core/value/VRMString.h"
#include "platform/text/Text.h"

namespace {

CVRMString Klein(const std::string& utf8) {
    CVRMString text(platform::fromUtf8(utf8));
    MakeStringLower(text);
    return text;
}

// The words of a name that could identify it: four characters or more.
std::vector<std::string> Woerter(const std::string& name) {
    std::vector<std::string> woerter;
    std::string wort;
    for (char c : name + " ") {
        if (c == ' ' || c == '(' || c == ')' || c == ',' || c == '/') {
            if (wort.size() >= 4) woerter.push_back(wort);
            wort.clear();
        } else {
            wort += c;
        }
    }
    return woerter;
}

TEST(LibrarySupplierNames, NoSupplierOrTariffNameOfTheSourcesIsShipped) {
    const std::filesystem::path quelle =
        std::filesystem::path(VARM_SOURCE_DIR) / ".." / "shared" / "data" / "tariffs.csv";
    if (!std::filesystem::exists(quelle)) GTEST_SKIP() << "no shared source data beside the tree";
    const libgen::CsvTable tarife = libgen::CsvTable::Read(quelle);
    ASSERT_GT(tarife.Size(), 0u);

    std::ifstream in(VARM_LIBRARY_DB, std::ios::binary);
    ASSERT_TRUE(in);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 2u);
    CVRMString bibliothek(platform::fromUtf16LE(std::string_view(bytes).substr(2)));
    MakeStringLower(bibliothek);

    for (const libgen::CsvRow& r : tarife.Rows()) {
        std::vector<std::string> namen = Woerter(r["supplier"]);
        if (r.Has("tariff")) namen.push_back(r["tariff"]);
        ASSERT_FALSE(namen.empty()) << "row " << r.Index() + 1 << " names no supplier";
        for (const std::string& name : namen)
            EXPECT_EQ(bibliothek.find(Klein(name)), CVRMString::npos)
                << "row " << r.Index() + 1 << " of the source tariffs";
    }
}

}  // namespace
