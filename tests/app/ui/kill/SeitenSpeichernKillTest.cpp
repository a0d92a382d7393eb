// A page's save is one write of the user database. The save runs in a child process that is
// killed before each of its file calls in turn (the file calls pass through the kill points
// of this test program); after every kill the user database file is the file from before
// the save or the file the whole save writes, byte for byte, with every record it changes
// old or every one new, and the next load reads it without a doubt.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/db/IniFile.h"
#include "pages/HausPage.h"
#include "tests/app/ui/pages/SolarFixture.h"
#include "tests/core/db/KillPoints.h"

namespace {

namespace fs = std::filesystem;

// A record's entry that the save changes.
struct Feld {
    CVRMString satz;
    std::u16string key;
};

class SeitenSpeichernKillTest : public solartest::SolarFixture {
  protected:
    // The page's save in a child armed to end before call `vorAufruf` (-1: never): its exit
    // status and, when it was not killed, what it counted.
    static std::pair<int, killpoints::Counts> SpeichereImKind(CEingabeSeite& seite,
                                                               long vorAufruf) {
        int kanal[2];
        if (::pipe(kanal) != 0) return {-1, {}};
        const pid_t kind = ::fork();
        if (kind == 0) {
            ::close(kanal[0]);
            killpoints::Arm(vorAufruf, -1);
            const int gespeichert = seite.SaveModifiedData();
            const killpoints::Counts gezaehlt = killpoints::Disarm();
            int status = gespeichert ? 0 : 4;
            if (::write(kanal[1], &gezaehlt, sizeof gezaehlt) != sizeof gezaehlt) status = 3;
            ::_exit(status);
        }
        ::close(kanal[1]);
        killpoints::Counts gezaehlt;
        const bool gemeldet = ::read(kanal[0], &gezaehlt, sizeof gezaehlt) == sizeof gezaehlt;
        ::close(kanal[0]);
        int status = 0;
        ::waitpid(kind, &status, 0);
        if (!gemeldet) gezaehlt = {};
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, gezaehlt};
    }

    static std::set<fs::path> Dateien(const fs::path& ordner) {
        std::set<fs::path> namen;
        for (const auto& e : fs::directory_iterator(ordner)) namen.insert(e.path());
        return namen;
    }

    std::vector<std::optional<std::u16string>> Werte(const std::vector<Feld>& eintraege) const {
        std::vector<std::optional<std::u16string>> werte;
        for (const Feld& f : eintraege) werte.push_back(Eintrag(f.satz, f.key));
        return werte;
    }

    // The modified page saved once to learn its file calls and the file it writes (every
    // entry must change, to `neu`), then killed before each call.
    void KillBeiJedemAufruf(CEingabeSeite& seite, const std::vector<Feld>& eintraege,
                            const std::vector<std::u16string>& neu) {
        ASSERT_EQ(seite.m_modified, 1);
        const fs::path datei(app->GetAktDatenbank().toUtf8());
        const fs::path ordner = datei.parent_path();
        const std::string vorher = testsupport::ReadFileBytes(datei);
        const std::set<fs::path> dateienVorher = Dateien(ordner);
        const auto zurueck = [&] {
            for (const fs::path& p : Dateien(ordner))
                if (!dateienVorher.count(p)) fs::remove(p);
            testsupport::WriteFileBytes(datei, vorher);
        };
        const auto alt = Werte(eintraege);

        const auto [status, gesamt] = SpeichereImKind(seite, -1);
        ASSERT_EQ(status, 0);
        const std::string nachher = testsupport::ReadFileBytes(datei);
        const auto gespeichert = Werte(eintraege);
        for (std::size_t i = 0; i < eintraege.size(); ++i) {
            SCOPED_TRACE(QString::fromStdU16String(eintraege[i].key).toStdString());
            ASSERT_EQ(gespeichert[i], std::optional<std::u16string>(neu[i]));
            ASSERT_NE(alt[i], gespeichert[i]);
        }
        ASSERT_GT(gesamt.calls, 3);

        int alteDatei = 0, neueDatei = 0;
        for (long aufruf = 0; aufruf < gesamt.calls; ++aufruf) {
            SCOPED_TRACE("killed before file call " + std::to_string(aufruf));
            zurueck();
            EXPECT_EQ(SpeichereImKind(seite, aufruf).first, killpoints::kKilled);
            const std::string jetzt = testsupport::ReadFileBytes(datei);
            EXPECT_TRUE(jetzt == vorher || jetzt == nachher);
            const auto gelesen = Werte(eintraege);
            EXPECT_TRUE(gelesen == alt || gelesen == gespeichert);
            (jetzt == vorher ? alteDatei : neueDatei) += 1;
            // The next load reads the file whole: no doubt, no box.
            const std::size_t boxen = uitest::dialogs().boxes().size();
            CIniFile geladen(0);
            geladen.Init(CVRMString::fromUtf8(datei.string()), false);
            EXPECT_EQ(uitest::dialogs().boxes().size(), boxen);
        }
        // The kills fell before and after the file was replaced.
        EXPECT_GT(alteDatei, 0);
        EXPECT_GT(neueDatei, 0);
        zurueck();
    }
};

// The house page gives the project's solar plant the new flow temperature and stores the
// house: two records.
TEST_F(SeitenSpeichernKillTest, HausSeiteSchreibtHausUndSolaranlageZusammen) {
    CKelvoDoc& doc = NeuesProjekt(QStringLiteral("Meier"));
    const CVRMString anlage = doc.ProjektText(ID_Solar);
    ASSERT_FALSE(anlage.empty());
    CHausPage& seite = Zeige<CHausPage>(CKelvoDoc::kHausSeite);
    Tippe(seite, CHausPage::kIdVorlauf, QStringLiteral("46"));
    KillBeiJedemAufruf(seite, {{doc.Haus().getConsumerName(), u"HeizVorlauf"}, {anlage, u"SolSollTempH"}},
                       {u"46.000000", u"46"});
}

// The solar page stores the house, the plant and the project: the plant's collector area
// and the project's solar pump power change.
TEST_F(SeitenSpeichernKillTest, SolarSeiteSchreibtAnlageUndProjektZusammen) {
    Meier();
    CSolarPage& seite = Seite();
    Tippe(seite, CSolarPage::kIdFlaeche, QStringLiteral("13"));
    Tippe(seite, CSolarPage::kIdPumpe, QStringLiteral("77"));
    KillBeiJedemAufruf(seite, {{CVRMString(solartest::kMeierAnlage), u"KFlaeche"},
                               {CVRMString(solartest::kMeier), u"SolarPumpe"}},
                       {u"13.000000", u"77"});
}

}  // namespace
