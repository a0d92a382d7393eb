// One yearly evaluation of each sample project of the shipped library, beside the time to
// load that project's records from the database. An evaluation (initialisation, twelve
// months, year end, results) should take under 20 µs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include <unistd.h>

#include "app/options/OptionsManager.h"
#include "core/db/Lists.h"
#include "core/db/VRMglobApp.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/AuswertManager.h"
#include "model/errors/GlobaleTexte.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "platform/text/Text.h"
#include "tests/support/BeispielProjekt.h"
#include "tests/support/Sprachmodul.h"
#include "benchmarks/support/TimeCollector.h"

namespace {

namespace fs = std::filesystem;

constexpr double kZielMikrosekunden = 20.0;
const char16_t* const kProjekte[] = {
    u"Sample ground probe monovalent_(bib)",
    u"Sample air monoenergetic_(bib)",
    u"Sample ground water bivalent_(bib)",
};

using Projekt = testsupport::BeispielProjekt;

// The program as it stands after start-up: English texts, the library and an empty user
// database, the options, an application and a document.
struct Umgebung {
    Umgebung() {
        ordner = fs::temp_directory_path() / ("bench-evaluation-" + std::to_string(::getpid()));
        fs::create_directories(ordner);
        if (!testsupport::LadeSprache()) throw std::runtime_error("no English language table");
        modul = platform::loadModule(std::string(VARM_PROGRAM_DIR) + "/Varmcore.so");
        const CVRMString user(platform::fromUtf8((ordner / "user.dat").string()));
        if (CVRMglobApp::Get().Init(modul, nullptr, 0) != 1 ||
            CVRMglobApp::Get().SetDatenDatei(user) != 1 ||
            CVRMglobApp::Get().SetBiboDatei(CVRMString(platform::fromUtf8(VARM_LIBRARY_DB)), 0) != 1)
            throw std::runtime_error("the databases do not open");
        InitGlobaleTexte();
        optionen.SetUmgebung(platform::fromUtf8(ordner.string() + "/"), {});
        optionen.LoadOptions();
        app.optionsManager = &optionen;
        app.dokument = &dok;
        // The project checks its links to heat pump and tariff against these lists.
        CVRMdatenProvider::get().getListe(app.wpListe, LISTE_WPUMPEN, true, nullptr, true);
        CVRMdatenProvider::get().getListe(app.tarifListe, LISTE_TARIFE, true, nullptr, true);
    }
    ~Umgebung() {
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        platform::freeModule(modul);
        fs::remove_all(ordner);
    }

    std::unique_ptr<Projekt> Lade(const CVRMString& name) {
        return testsupport::LadeBeispielProjekt(name, dok);
    }

    fs::path ordner;
    platform::ModuleHandle modul = nullptr;
    COptionsManager optionen;
    testsupport::BeispielDokument dok;
    testsupport::FakeKelvoApp app;
};

Umgebung& umgebung() {
    static Umgebung u;
    return u;
}

// Loading reads the records afresh: the value store's cache is dropped each time.
void BM_Laden(benchmark::State& state) {
    const CVRMString name(kProjekte[state.range(0)]);
    for (auto _ : state) {
        CVRMdatenProvider::remove();
        auto p = umgebung().Lade(name);
        benchmark::DoNotOptimize(p.get());
    }
}

void BM_Auswertung(benchmark::State& state) {
    const CVRMString name(kProjekte[state.range(0)]);
    std::unique_ptr<Projekt> p;
    try {
        p = umgebung().Lade(name);
    } catch (const std::exception&) {
        state.SkipWithError("the project does not load");
        return;
    }
    const CVRMString solar = p->Solar();
    CAuswertManager engine;
    CKelvoErgebnisse erg;
    for (auto _ : state) {
        engine.InitAuswertung(0, &p->projekt, &p->kombi, &p->wpumpe, &p->haus, &p->tarif, solar,
                              0);
        engine.DoAuswertung();
        engine.GetErgebnisse(erg);
        benchmark::DoNotOptimize(erg);
    }
}

BENCHMARK(BM_Laden)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Auswertung)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    platform::RecordingPresenter boxes;
    platform::setMessageBoxPresenter(&boxes);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    try {
        umgebung();
    } catch (const std::exception&) {
        for (const auto& box : boxes.shown)
            std::cout << "box: " << platform::toUtf8(box.text) << "\n";
        return 1;
    }
    bench::TimeCollector sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    for (int i = 0; i < 3; ++i) {
        const std::string nr = std::to_string(i);
        const double laden = sammler.real["BM_Laden/" + nr];
        const double auswertung = sammler.real["BM_Auswertung/" + nr];
        if (auswertung <= 0) continue;
        std::cout << platform::toUtf8(kProjekte[i]) << ": evaluation " << auswertung
                  << " us, limit " << kZielMikrosekunden << " us (ratio "
                  << auswertung / kZielMikrosekunden << "); load " << laden << " us\n";
    }
    for (const auto& box : boxes.shown) std::cout << "box: " << platform::toUtf8(box.text) << "\n";
    benchmark::Shutdown();
    return boxes.shown.empty() ? 0 : 1;
}
