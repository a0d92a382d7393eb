#include "tests/core/db/IniFileFixture.h"

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kSections = 2000;
constexpr int kKeys = 20;

// A database of about 2 MB whose every section holds the same marker entry.
std::vector<std::u16string> LargeDatabase(const std::u16string& marker) {
    std::vector<std::u16string> lines;
    for (int s = 0; s < kSections; ++s) {
        lines.push_back(u"[Projekt " + platform::u16(std::to_string(s)) + u"]");
        for (int k = 0; k < kKeys; ++k)
            lines.push_back(u"wert" + platform::u16(std::to_string(k)) +
                            u"=ein Wert mit etwas Text " + marker);
    }
    return lines;
}

// Every section complete and of one generation: "alt" from the file, "A"/"B" from the child.
std::u16string GenerationOf(const CIniFile& file) {
    if (file.Sections().size() != kSections) return u"broken: sections";
    std::u16string generation;
    for (const auto& section : file.Sections()) {
        if (section.entries.size() != kKeys) return u"broken: entries";
        for (const auto& [key, value] : section.entries) {
            const std::u16string marker = value.substr(value.rfind(u' ') + 1);
            if (generation.empty()) generation = marker;
            if (marker != generation) return u"broken: mixed";
        }
    }
    return generation;
}

bool TemporaryFileExists(const testsupport::TempFolder& folder) {
    for (const auto& name : folder.fileNames())
        if (name != "user.dat") return true;
    return false;
}

// A child flushes the whole image again and again and is killed while a flush is on its
// way to disk: the file is always one whole generation, never a mixture or a torn end.
TEST_F(IniFileTest, KilledFlushLeavesOldOrNewFile) {
    testsupport::WriteDatabaseFile(folder.file("user.dat"), LargeDatabase(u"alt"));
    int killedMidWrite = 0;
    for (int round = 0; round < 5; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CIniFile file(0);
            file.Init(PathOf("user.dat"), false);
            for (int i = 0;; ++i) {
                const char16_t* marker = i % 2 ? u"A" : u"B";
                for (auto& section : file.Sections())
                    for (const auto& [key, value] : section.entries)
                        file.WriteIniString(section.key.substr(1, section.key.size() - 2), key,
                                            value.substr(0, value.rfind(u' ') + 1) + marker, false);
                file.Flush(u"", nullptr, nullptr);
            }
        }
        // Wait until the child is writing its temporary file, then kill it.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!TemporaryFileExists(folder) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::milliseconds(round));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        if (TemporaryFileExists(folder)) ++killedMidWrite;

        auto file = LoadExisting("user.dat");
        const std::u16string generation = GenerationOf(*file);
        EXPECT_TRUE(generation == u"alt" || generation == u"A" || generation == u"B")
            << platform::toUtf8(generation);
        // Loading clears away what the killed flush left behind.
        EXPECT_FALSE(TemporaryFileExists(folder));
    }
    EXPECT_GT(killedMidWrite, 0);
}

}  // namespace
