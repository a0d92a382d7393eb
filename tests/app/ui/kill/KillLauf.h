#pragma once
// A user action killed at each of its file calls: the action runs in a child process armed
// to end before one file call (the calls pass through the kill points of this test
// program); after every kill the user database file is the file from before the action or
// the file the whole action writes, byte for byte, every entry it changes old or every one
// new, and the next load reads it without a doubt.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/db/IniFile.h"
#include "tests/core/db/KillPoints.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace killlauf {

namespace fs = std::filesystem;

// A record's entry that the action changes.
struct Feld {
    CVRMString satz;
    std::u16string key;
};
using Lesen = std::function<std::optional<std::u16string>(const Feld&)>;
using Aktion = std::function<bool()>;

// Eats every paint event.
class KeinMalen : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        return e->type() == QEvent::Paint || e->type() == QEvent::UpdateRequest;
    }
};

// The action in a child armed to end before call `vorAufruf` (-1: never): its exit status
// (0: done, 4: it failed) and, when it was not killed, what it counted.
inline std::pair<int, killpoints::Counts> ImKind(const Aktion& aktion, long vorAufruf) {
    int kanal[2];
    if (::pipe(kanal) != 0) return {-1, {}};
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::close(kanal[0]);
        // Qt's painting threads are not in the child: a window that draws a large image
        // would wait for them for ever. Nothing needs painting here.
        qApp->installEventFilter(new KeinMalen(qApp));
        killpoints::Arm(vorAufruf, -1);
        const bool getan = aktion();
        const killpoints::Counts gezaehlt = killpoints::Disarm();
        int status = getan ? 0 : 4;
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

inline std::set<fs::path> Dateien(const fs::path& ordner) {
    std::set<fs::path> namen;
    for (const auto& e : fs::directory_iterator(ordner)) namen.insert(e.path());
    return namen;
}

// The action done once to learn its file calls and the file it writes (every entry must
// change; to `neu` where it is given), then killed before each call.
inline void KillBeiJedemAufruf(const fs::path& datei, const Aktion& aktion,
                               const std::vector<Feld>& eintraege,
                               const std::vector<std::u16string>& neu, const Lesen& lesen) {
    const fs::path ordner = datei.parent_path();
    const std::string vorher = testsupport::ReadFileBytes(datei);
    const std::set<fs::path> dateienVorher = Dateien(ordner);
    const auto zurueck = [&] {
        for (const fs::path& p : Dateien(ordner))
            if (!dateienVorher.count(p)) fs::remove(p);
        testsupport::WriteFileBytes(datei, vorher);
    };
    const auto werte = [&] {
        std::vector<std::optional<std::u16string>> w;
        for (const Feld& f : eintraege) w.push_back(lesen(f));
        return w;
    };
    const auto alt = werte();

    const auto [status, gesamt] = ImKind(aktion, -1);
    ASSERT_EQ(status, 0);
    const std::string nachher = testsupport::ReadFileBytes(datei);
    const auto gespeichert = werte();
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        SCOPED_TRACE(QString::fromStdU16String(eintraege[i].key).toStdString());
        if (i < neu.size()) {
            ASSERT_EQ(gespeichert[i], std::optional<std::u16string>(neu[i]));
        }
        ASSERT_NE(alt[i], gespeichert[i]);
    }
    ASSERT_GT(gesamt.calls, 3);

    int alteDatei = 0, neueDatei = 0;
    for (long aufruf = 0; aufruf < gesamt.calls; ++aufruf) {
        SCOPED_TRACE("killed before file call " + std::to_string(aufruf));
        zurueck();
        EXPECT_EQ(ImKind(aktion, aufruf).first, killpoints::kKilled);
        const std::string jetzt = testsupport::ReadFileBytes(datei);
        EXPECT_TRUE(jetzt == vorher || jetzt == nachher);
        const auto gelesen = werte();
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

}  // namespace killlauf
