#include "tests/core/db/IniFileFixture.h"
#include "tests/core/db/KillPoints.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
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

// ---- a kill at every file call and at a spread of byte offsets ----

namespace fs = std::filesystem;

// One way a database reaches the disk, replayed in a child that ends at a kill point.
struct WritePath {
    const char* name;
    const char* target;           // the file that is written, relative to the folder
    const char* databasePath;     // the database as the program names it
    bool bareName;                // the child works in the folder and names the file bare
    std::function<void(const fs::path&)> prepare;   // lays out the folder before each run
    std::function<void(CIniFile&, const fs::path&)> write;  // runs armed
    std::vector<std::string> files;  // what the folder holds afterwards, leftovers cleared
};

std::vector<std::u16string> SmallDatabase() {
    std::vector<std::u16string> lines;
    for (int s = 0; s < 100; ++s) {
        lines.push_back(u"[Projekt " + platform::u16(std::to_string(s)) + u"]");
        for (int k = 0; k < 5; ++k)
            lines.push_back(u"wert" + platform::u16(std::to_string(k)) + u"=ein Wert " +
                            platform::u16(std::to_string(s * k)));
    }
    return lines;
}

std::optional<std::string> BytesOf(const fs::path& file) {
    if (!fs::exists(file)) return std::nullopt;
    return testsupport::ReadFileBytes(file);
}

// Runs the write path in a child, armed as asked; answers the exit status and, through a
// pipe, what was counted when the child was not killed.
std::pair<int, killpoints::Counts> RunChild(const WritePath& path, const fs::path& folder,
                                            long beforeCall, long afterBytes) {
    int channel[2];
    if (::pipe(channel) != 0) return {-1, {}};
    const pid_t child = fork();
    if (child == 0) {
        ::close(channel[0]);
        int status = 1;
        try {
            if (path.bareName && ::chdir(folder.c_str()) != 0) ::_exit(2);
            const CVRMString name = CVRMString::fromUtf8(
                path.bareName ? std::string(path.databasePath)
                              : (folder / path.databasePath).string());
            CIniFile file(0);
            file.Init(name, false);
            killpoints::Arm(beforeCall, afterBytes);
            path.write(file, folder);
            const killpoints::Counts counts = killpoints::Disarm();
            status = ::write(channel[1], &counts, sizeof counts) == sizeof counts ? 0 : 3;
        } catch (...) {
        }
        ::_exit(status);
    }
    ::close(channel[1]);
    killpoints::Counts counts;
    const bool reported = ::read(channel[0], &counts, sizeof counts) == sizeof counts;
    ::close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!reported) counts = {};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, counts};
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (!entry.is_directory()) names.push_back(entry.path().lexically_relative(folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

// Each write path killed before each of its file calls and after a spread of bytes leaves
// the old or the new file, never a mixture; the next load (or export) clears what the
// kill left behind and reads the file without a doubt.
TEST_F(IniFileTest, AKillAtAnyFileCallOrByteLeavesTheOldOrTheNewFile) {
    const auto prepareDatabase = [](const fs::path& at) {
        fs::remove_all(at);
        fs::create_directories(at);
        testsupport::WriteDatabaseFile(at / "user.dat", SmallDatabase());
    };
    const auto edit = [](CIniFile& file, const fs::path&) {
        file.WriteIniString(u"Projekt 7", u"wert1", u"neu", true);
    };
    const WritePath paths[] = {
        {"replace", "user.dat", "user.dat", false, prepareDatabase, edit, {"user.dat"}},
        {"a new file", "user.dat", "user.dat", false,
         [](const fs::path& at) {
             fs::remove_all(at);
             fs::create_directories(at);
         },
         [](CIniFile& file, const fs::path&) {
             for (const auto& line : SmallDatabase())
                 if (line.front() != u'[') file.WriteIniString(u"Neu", line.substr(0, 5), line, false);
             file.Flush(u"", nullptr, nullptr);
         },
         {"user.dat"}},
        {"a bare relative name", "user.dat", "user.dat", true, prepareDatabase, edit, {"user.dat"}},
        {"a symbolic link", "daten/echt.dat", "user.dat", false,
         [](const fs::path& at) {
             fs::remove_all(at);
             fs::create_directories(at / "daten");
             testsupport::WriteDatabaseFile(at / "daten/echt.dat", SmallDatabase());
             fs::create_symlink("daten/echt.dat", at / "user.dat");
         },
         edit, {"daten/echt.dat", "user.dat"}},
        {"an export", "export.dat", "user.dat", false,
         [&prepareDatabase](const fs::path& at) {
             prepareDatabase(at);
             testsupport::WriteDatabaseFile(at / "export.dat", {u"[alt]", u"k=v"});
         },
         [](CIniFile& file, const fs::path& at) {
             file.Flush(CVRMString::fromUtf8((at / "export.dat").string()), nullptr, nullptr);
         },
         {"export.dat", "user.dat"}},
    };
    for (const WritePath& path : paths) {
        SCOPED_TRACE(path.name);
        const fs::path at = folder.path() / "run";
        const fs::path target = at / path.target;
        path.prepare(at);
        const std::optional<std::string> before = BytesOf(target);
        const auto [dryStatus, total] = RunChild(path, at, -1, -1);
        ASSERT_EQ(dryStatus, 0);
        const std::optional<std::string> after = BytesOf(target);
        ASSERT_TRUE(after && after != before);
        ASSERT_GT(total.calls, 3);

        std::vector<std::pair<long, long>> kills;  // (before call, after bytes)
        for (long call = 0; call < total.calls; ++call) kills.emplace_back(call, -1);
        for (const long bytes : {0L, 1L, 2L, 3L, total.bytes - 2, total.bytes - 1})
            kills.emplace_back(-1, bytes);
        for (long part = 1; part < 8; ++part) kills.emplace_back(-1, total.bytes * part / 8);
        for (const auto& [call, bytes] : kills) {
            SCOPED_TRACE("killed before call " + std::to_string(call) + " / after byte " +
                         std::to_string(bytes));
            path.prepare(at);
            const int status = RunChild(path, at, call, bytes).first;
            EXPECT_EQ(status, killpoints::kKilled);
            const std::optional<std::string> now = BytesOf(target);
            EXPECT_TRUE(now == before || now == after);
            if (std::string(path.name) == "a symbolic link") {
                EXPECT_TRUE(fs::is_symlink(at / "user.dat"));
            }
            // The next load of the database, or the next export, clears the leftovers.
            boxes.shown.clear();
            CIniFile reloaded(0);
            if (now) reloaded.Init(CVRMString::fromUtf8(target.string()), false);
            reloaded.Init(CVRMString::fromUtf8((at / path.databasePath).string()), false);
            EXPECT_TRUE(boxes.shown.empty());
            std::vector<std::string> expected = path.files;
            if (!now) std::erase(expected, std::string(path.target));
            EXPECT_EQ(Names(at), expected);
        }
    }
}

}  // namespace
