// Backup and restore of the user database file: a restore takes only a user database that
// reads whole, and whatever it refuses leaves the database byte for byte as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/text/ResManager.h"
#include "dialogs/DatenSicherung.h"
#include "resources/ResourceIds.h"
#include "tests/support/FixtureDatabase.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFileBytes;
using testsupport::WriteDatabaseFile;
using testsupport::WriteFileBytes;
using Ergebnis = CDatenSicherung::Ergebnis;

class DatenSicherungTest : public testing::Test {
  protected:
    DatenSicherungTest() {
        CResManager::setLang(IDR_LNG_ENG);
        fs::create_directory(programm);
        fs::create_directory(sicherung);
        WriteDatabaseFile(datenbank,
                          {u"[Projekte]", u"projekt1=Haus Meier", u"[Haus Meier]", u"notiz=jetzt"});
        jetzt = ReadFileBytes(datenbank);
    }
    // The files beside the database: nothing is left there but what the case leaves.
    std::vector<std::string> Programmordner() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(programm)) namen.push_back(e.path().filename());
        std::ranges::sort(namen);
        return namen;
    }

    testsupport::TempFolder ordner;
    fs::path programm = ordner.file("programm");
    fs::path sicherung = ordner.file("sicherung");
    fs::path datenbank = programm / "varmionDeng.dat";
    CDatenSicherung daten{datenbank};
    std::string jetzt;
};

TEST_F(DatenSicherungTest, SicherungIstEineKopieUnterDemNamenDerDatenbank) {
    WriteFileBytes(sicherung / "varmionDeng.dat", "an older backup");
    const auto antwort = daten.Sichere(sicherung);
    EXPECT_EQ(antwort.ergebnis, Ergebnis::Ok) << antwort.fehler;
    EXPECT_EQ(ReadFileBytes(sicherung / "varmionDeng.dat"), jetzt);
    EXPECT_EQ(Programmordner(), std::vector<std::string>{"varmionDeng.dat"});

    // Into its own folder it would be a copy of itself.
    EXPECT_EQ(daten.Sichere(programm).ergebnis, Ergebnis::GleicheDatei);
    // A folder that is not there is a failure with its reason.
    const auto fehlt = daten.Sichere(ordner.file("gibt es nicht"));
    EXPECT_EQ(fehlt.ergebnis, Ergebnis::Fehler);
    EXPECT_FALSE(fehlt.fehler.empty());
}

TEST_F(DatenSicherungTest, GesicherteDatenbankKommtZurueckUndDieBisherigeBleibtDaneben) {
    ASSERT_EQ(daten.Sichere(sicherung).ergebnis, Ergebnis::Ok);
    WriteDatabaseFile(datenbank, {u"[Projekte]", u"projekt1=Haus Meier", u"[Haus Meier]",
                                  u"notiz=spaeter geaendert"});
    const std::string spaeter = ReadFileBytes(datenbank);

    const auto antwort = daten.StelleWiederHer(sicherung);
    ASSERT_EQ(antwort.ergebnis, Ergebnis::Ok) << antwort.fehler;
    EXPECT_EQ(ReadFileBytes(datenbank), jetzt);
    EXPECT_EQ(antwort.kopie, programm / "varmionDeng.dat.before-restore");
    EXPECT_EQ(ReadFileBytes(antwort.kopie), spaeter);
    EXPECT_EQ(Programmordner(),
              (std::vector<std::string>{"varmionDeng.dat", "varmionDeng.dat.before-restore"}));

    // A second restore keeps the first copy and adds one of its own.
    WriteDatabaseFile(datenbank, {u"[Optionen]", u"x=3"});
    const auto zweite = daten.StelleWiederHer(sicherung);
    ASSERT_EQ(zweite.ergebnis, Ergebnis::Ok);
    EXPECT_EQ(zweite.kopie, programm / "varmionDeng.dat.before-restore-2");
    EXPECT_EQ(ReadFileBytes(antwort.kopie), spaeter);
}

TEST_F(DatenSicherungTest, OhneBisherigeDatenbankWirdNurWiederhergestellt) {
    ASSERT_EQ(daten.Sichere(sicherung).ergebnis, Ergebnis::Ok);
    fs::remove(datenbank);
    const auto antwort = daten.StelleWiederHer(sicherung);
    ASSERT_EQ(antwort.ergebnis, Ergebnis::Ok) << antwort.fehler;
    EXPECT_TRUE(antwort.kopie.empty());
    EXPECT_EQ(ReadFileBytes(datenbank), jetzt);
}

TEST_F(DatenSicherungTest, FremdeUndBeschaedigteDateienWerdenAbgelehnt) {
    const std::string utf16 = [] {
        testsupport::TempFolder f;
        WriteDatabaseFile(f.file("x"), {u"[Projekte]", u"projekt1=Haus Meier"});
        return ReadFileBytes(f.file("x"));
    }();
    const struct {
        const char* fall;
        std::string bytes;
        unsigned grund;
    } faelle[] = {
        {"a picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 7132},
        {"a text without sections", "Dear customer,\nhere is your offer.\n", 7134},
        {"a note before the first section", "hello\n[Projekte]\nprojekt1=A\n", 7133},
        {"cut short in its last line", utf16.substr(0, utf16.size() - 2), 7135},
        {"a section line without its end", "[Projekte\nprojekt1=A\n", 7136},
        {"the library database", "[BiboInfo]\nVersion=1.0\n[Projekte]\nA\n",
         CDatenSicherung::kGrundBibliothek},
        {"a settings file of another kind", "[config]\nlang_pri=9\n",
         CDatenSicherung::kGrundKeineDaten},
        {"an empty file", "", CDatenSicherung::kGrundKeineDaten},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        WriteFileBytes(sicherung / "varmionDeng.dat", f.bytes);
        EXPECT_EQ(daten.Pruefe(sicherung).grundTextId, f.grund);
        const auto antwort = daten.StelleWiederHer(sicherung);
        EXPECT_EQ(antwort.ergebnis, Ergebnis::KeineDatenbank);
        EXPECT_EQ(antwort.grundTextId, f.grund);
        EXPECT_EQ(ReadFileBytes(datenbank), jetzt);
        EXPECT_EQ(Programmordner(), std::vector<std::string>{"varmionDeng.dat"});
    }
}

TEST_F(DatenSicherungTest, OhneSicherungOderAusDemEigenenOrdnerBleibtAllesWieEsWar) {
    EXPECT_EQ(daten.Pruefe(sicherung).ergebnis, Ergebnis::KeineQuelle);
    EXPECT_EQ(daten.StelleWiederHer(sicherung).ergebnis, Ergebnis::KeineQuelle);
    EXPECT_EQ(daten.StelleWiederHer(programm).ergebnis, Ergebnis::GleicheDatei);
    EXPECT_EQ(ReadFileBytes(datenbank), jetzt);
    EXPECT_EQ(Programmordner(), std::vector<std::string>{"varmionDeng.dat"});
}

}  // namespace
