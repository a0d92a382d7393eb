// The cost of keeping a 5 MB user database on disk. A flush of one changed value (the file
// written whole, synced, renamed over the old one) should cost at most 1.5 times a synced
// copy of the same file; loading it at most 5 times reading its bytes.
//
// On a machine shared with others the disk's answer to a sync varies from one moment to the
// next by more than the difference measured. So the ratio compares flushes and copies made
// in turns: the median of each flush over the copy that follows it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include <unistd.h>

#include "core/db/IniFile.h"
#include "core/text/ResManager.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/text/Text.h"
#include "benchmarks/support/TimeCollector.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kTargetBytes = 5 * 1024 * 1024;

// A user database like the program's: project, house and heat-pump records with their
// keyed values, and the numbered list sections that name them.
std::u16string GenerateDatabase() {
    std::u16string text;
    std::u16string list = u"[Projekte]\n";
    int record = 0;
    while (text.size() * 2 < kTargetBytes) {
        const std::u16string name = u"Projekt " + platform::u16(std::to_string(++record));
        list += u"projekt" + platform::u16(std::to_string(record)) + u"=" + name + u"\n";
        text += u"[" + name + u"]\n";
        for (int k = 0; k < 40; ++k)
            text += u"wert" + platform::u16(std::to_string(k)) + u"=" +
                    platform::u16(std::to_string(k * 1.25)) + u"\n";
    }
    return list + text;
}

struct Files {
    Files() {
        folder = fs::temp_directory_path() / ("bench-inifile-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        database = folder / "user.dat";
        copy = folder / "copy.dat";
        const std::string bytes = "\xFF\xFE" + platform::toUtf16LE(GenerateDatabase());
        std::ofstream(database, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        size = bytes.size();
    }
    ~Files() { fs::remove_all(folder); }
    fs::path folder, database, copy;
    size_t size = 0;
};

Files& files() {
    static Files f;
    return f;
}

// A database is loaded once, at start-up, into a process that has not touched the memory
// yet: the load and the raw read are each timed in a fresh child process, so that both
// pay for their first use of memory alike.
template <class Work>
double MillisInChild(const Work& work) {
    int channel[2];
    if (::pipe(channel) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const double millis =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        const bool sent = ::write(channel[1], &millis, sizeof millis) == sizeof millis;
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    double millis = -1;
    if (::read(channel[0], &millis, sizeof millis) != sizeof millis) millis = -1;
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return millis;
}

template <class Work>
void TimeInChildren(benchmark::State& state, const Work& work) {
    for (auto _ : state) {
        const double millis = MillisInChild(work);
        if (millis < 0) state.SkipWithError("the child process failed");
        state.SetIterationTime(millis / 1000);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files().size));
}

void BM_Load(benchmark::State& state) {
    TimeInChildren(state, [] {
        CIniFile db(0);
        db.Init(CVRMString::fromUtf8(files().database.string()), false);
        benchmark::DoNotOptimize(db.Sections().size());
    });
}

// Only the bytes into memory: what any load costs at least.
void BM_RawRead(benchmark::State& state) {
    TimeInChildren(state, [] {
        std::ifstream in(files().database, std::ios::binary);
        std::string bytes(files().size, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    });
}

void BM_WriteWithFlush(benchmark::State& state) {
    CIniFile db(0);
    db.Init(CVRMString::fromUtf8(files().database.string()), false);
    int n = 0;
    for (auto _ : state)
        db.WriteIniString(u"Projekt 7", u"wert3", platform::u16(std::to_string(++n)), true);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files().size));
}

// The same copy made durable, as the flush must be: what a crash-safe copy costs.
void SyncedCopy() {
    fs::copy_file(files().database, files().copy, fs::copy_options::overwrite_existing);
    const int fd = ::open(files().copy.c_str(), O_WRONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void BM_PlainCopySynced(benchmark::State& state) {
    for (auto _ : state) SyncedCopy();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * files().size));
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// A flush, then a synced copy, in turns: both meet the disk in the same moments.
void BM_FlushBesideCopy(benchmark::State& state) {
    CIniFile db(0);
    db.Init(CVRMString::fromUtf8(files().database.string()), false);
    std::vector<double> flushes, copies, ratios;
    int n = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        db.WriteIniString(u"Projekt 7", u"wert3", platform::u16(std::to_string(++n)), true);
        auto mitte = std::chrono::steady_clock::now();
        SyncedCopy();
        auto ende = std::chrono::steady_clock::now();
        flushes.push_back(std::chrono::duration<double, std::milli>(mitte - start).count());
        copies.push_back(std::chrono::duration<double, std::milli>(ende - mitte).count());
        ratios.push_back(flushes.back() / copies.back());
    }
    state.counters["flush_ms"] = Median(flushes);
    state.counters["copy_ms"] = Median(copies);
    state.counters["ratio"] = Median(ratios);
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_WriteWithFlush)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopySynced)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlushBesideCopy)->Unit(benchmark::kMillisecond)->Iterations(60);

// Prints as usual and remembers each benchmark's time for the comparison at the end.
}  // namespace

int main(int argc, char** argv) {
    platform::RecordingPresenter boxes;  // a failed flush must not wait for an answer
    platform::setMessageBoxPresenter(&boxes);
    CResManager::setEntry(3367, u"%lu");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::cout << "database: " << files().size / 1024 << " KB\n";
    bench::TimeCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    auto& inTurns = collector.counters["BM_FlushBesideCopy"];
    const double flush = inTurns["flush_ms"];
    const double synced = inTurns["copy_ms"];
    const double ratio = inTurns["ratio"];
    const double load = collector.realByFunction["BM_Load"];
    const double raw = collector.realByFunction["BM_RawRead"];
    if (flush > 0 && synced > 0 && load > 0 && raw > 0)
        std::cout << "flush " << flush << " ms beside a synced copy " << synced
                  << " ms (medians in turns), flush / synced copy: " << ratio
                  << " (limit 1.5)   load / raw read: " << load / raw << " (limit 5)\n";
    for (const auto& box : boxes.shown) std::cout << "box: " << platform::toUtf8(box.text) << "\n";
    benchmark::Shutdown();
    return boxes.shown.empty() ? 0 : 1;
}
