// The program's start-up, from the application object to the shown main window on the
// offscreen platform, next to what it cannot avoid: reading the two databases and the
// language table. Goal: under 0.5 s, and at most twice the reading.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <unistd.h>

#include "app/shell/KelvoApp.h"
#include "core/db/Global.h"
#include "core/db/VRMglobApp.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/Basis.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "platform/text/Text.h"
#include "resources/ResourceIds.h"
#include "benchmarks/support/TimeCollector.h"

namespace {

namespace fs = std::filesystem;

// A program folder like the one ./run lays out, in the temporary folder.
struct Programmordner {
    Programmordner() {
        pfad = fs::temp_directory_path() / ("bench-startup-" + std::to_string(::getpid()));
        fs::create_directories(pfad);
        const fs::path bin = VARM_PROGRAM_DIR;
        for (const char* datei : {"Varmtexteng.so", "Varmregio.so", "varmionDeng.bib"})
            fs::copy_file(bin / datei, pfad / datei, fs::copy_options::overwrite_existing);
    }
    ~Programmordner() { fs::remove_all(pfad); }
    fs::path pfad;
};

Programmordner& ordner() {
    static Programmordner o;
    return o;
}

void Aufraeumen() {
    CVRMdatenProvider::remove();
    CVRMglobApp::ResetForTests();
    IBasis::Leeren();
}

void BM_StartBisHauptfenster(benchmark::State& state) {
    int lauf = 0;
    for (auto _ : state) {
        SStartUmgebung umgebung;
        umgebung.programmDatei = ordner().pfad / "Varmion";
        umgebung.instanzSchluessel =
            (QStringLiteral("VarmionBench-%1-%2").arg(::getpid()).arg(++lauf)).toStdU16String();
        // Only the start itself counts: construction and shutdown are outside it.
        state.PauseTiming();
        {
            CKelvoApp app;
            state.ResumeTiming();
            const bool ok = app.InitInstance(umgebung);
            state.PauseTiming();
            if (!ok) state.SkipWithError("start-up failed");
            app.ExitInstance();
        }
        state.ResumeTiming();
        state.PauseTiming();
        Aufraeumen();
        state.ResumeTiming();
    }
}

void BM_DatenbankenUndSprachtabelle(benchmark::State& state) {
    const CVRMString programm = CVRMString::fromUtf8(ordner().pfad.string() + "/");
    for (auto _ : state) {
        platform::ModuleHandle modul = platform::loadModule(ordner().pfad / "Varmtexteng.so");
        platform::setCurrentResourceModule(modul);
        CResManager::setLang(IDR_LNG_ENG);
        IGlobal::InitInterface(0, nullptr);
        IGlobal::SetDatenDatei(programm + u"varmionDeng.dat");
        IGlobal::SetBiboDatei(programm + u"varmionDeng.bib", 0);
        state.PauseTiming();
        Aufraeumen();
        platform::setCurrentResourceModule(nullptr);
        platform::freeModule(modul);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_StartBisHauptfenster)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_DatenbankenUndSprachtabelle)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    platform::RecordingPresenter boxes;  // a failing start must not wait for an answer
    platform::setMessageBoxPresenter(&boxes);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    bench::TimeCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    const double start = collector.real["BM_StartBisHauptfenster/iterations:20"];
    const double lesen = collector.real["BM_DatenbankenUndSprachtabelle/iterations:20"];
    if (start > 0 && lesen > 0)
        std::cout << "start-up to the main window: " << start << " ms (limit 500 ms, ratio "
                  << start / 500.0 << ")   reading databases and language table: " << lesen
                  << " ms (ratio " << start / lesen << ", limit 2)\n";
    for (const auto& box : boxes.shown) std::cout << "box: " << platform::toUtf8(box.text) << "\n";
    benchmark::Shutdown();
    return boxes.shown.empty() ? 0 : 1;
}
