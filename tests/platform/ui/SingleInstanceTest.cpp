// One copy of the program: a later copy reaches the first through its socket, never takes
// a socket that somebody answers on, and the program folder's lock lets only one go on.
#include "platform/ui/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <cstring>

#include "tests/support/ui/UiTest.h"

namespace {

using ui::SingleInstance;

std::u16string eindeutigerSchluessel() {
    static std::atomic<int> zaehler{0};
    return u"VarmionInstanzTest-" + QString::number(::getpid()).toStdU16String() + u"-" +
           QString::number(++zaehler).toStdU16String();
}

// Waits for the queued reads of the listening side.
template <class Fertig>
void warteBis(Fertig fertig) {
    QElapsedTimer uhr;
    uhr.start();
    while (!fertig() && uhr.elapsed() < 3000) uitest::processEvents();
}

class SingleInstanceTest : public uitest::Fixture {
  protected:
    std::u16string schluessel = eindeutigerSchluessel();
};

// A copy that fails to listen because the first one does must leave the first one's
// socket alone: the first stays reachable, and only one of them listens.
TEST_F(SingleInstanceTest, DerSocketEinerLaufendenKopieBleibtIhrer) {
    SingleInstance erste(schluessel);
    int aktiviert = 0;
    ASSERT_TRUE(erste.lausche([&] { ++aktiviert; }));
    // Another user cannot reach it.
    const auto rechte = QFile::permissions(QDir(QDir::tempPath()).filePath(erste.name()));
    EXPECT_FALSE(rechte & (QFile::WriteGroup | QFile::WriteOther | QFile::ReadOther));
    SingleInstance zweite(schluessel);
    EXPECT_FALSE(zweite.lausche([] { ADD_FAILURE() << "the second copy was reached"; }));
    EXPECT_FALSE(zweite.lauscht());

    SingleInstance dritte(schluessel);
    ASSERT_TRUE(dritte.aktiviereLaufende());
    warteBis([&] { return aktiviert == 1; });
    EXPECT_EQ(aktiviert, 1);
}

// A copy that crashed leaves its socket file behind; nobody answers on it, so the next
// copy takes it over.
TEST_F(SingleInstanceTest, EinVerwaisterSocketWirdUebernommen) {
    SingleInstance neue(schluessel);
    const QByteArray pfad = QDir(QDir::tempPath()).filePath(neue.name()).toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(pfad.size()), sizeof(adresse.sun_path));
    std::memcpy(adresse.sun_path, pfad.constData(), static_cast<std::size_t>(pfad.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof(adresse)), 0);
    ::close(fd);  // the file stays, as after a crash

    EXPECT_FALSE(neue.aktiviereLaufende(200));
    int aktiviert = 0;
    ASSERT_TRUE(neue.lausche([&] { ++aktiviert; }));
    SingleInstance spaetere(schluessel);
    ASSERT_TRUE(spaetere.aktiviereLaufende());
    warteBis([&] { return aktiviert == 1; });
    EXPECT_EQ(aktiviert, 1);
}

// The folder's lock: one holder at a time, free again when the holder goes.
TEST_F(SingleInstanceTest, NurEineKopieHaeltDenOrdner) {
    QTemporaryDir ordner;
    const std::filesystem::path datei =
        ordner.filePath(QStringLiteral("varmion.lock")).toStdString();
    auto erste = std::make_unique<SingleInstance>(schluessel);
    SingleInstance zweite(schluessel);
    EXPECT_TRUE(erste->sperre(datei));
    EXPECT_TRUE(erste->sperre(datei));  // its own lock again
    EXPECT_FALSE(zweite.sperre(datei));
    erste.reset();
    EXPECT_TRUE(zweite.sperre(datei));
}

}  // namespace
