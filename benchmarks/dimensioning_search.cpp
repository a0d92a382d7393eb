// The dimensioning page's search over a catalogue of 2000 generated heat pumps with eight
// performance records each, beside one pass that only loads the same heat pumps. The
// search should take under 50 ms, so that its progress dialog never needs to show.
#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/options/OptionsManager.h"
#include "core/db/VRMglobApp.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/dim/DimPageLogik.h"
#include "model/app/OptionIds.h"
#include "model/errors/GlobaleTexte.h"
#include "model/heatpump/WPumpe2.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "platform/text/Text.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/FixtureDatabase.h"
#include "benchmarks/support/TimeCollector.h"

namespace {

constexpr int kWaermepumpen = 2000;
constexpr double kZielMillisekunden = 50.0;

std::u16string Zahl(double wert) {
    return platform::fromUtf8(std::to_string(wert));
}

// Fifty makers, each with its own first five letters.
std::u16string Name(int nr) {
    const int hersteller = nr % 50;
    return platform::fromUtf8("Mk" + std::to_string(hersteller / 10) +
                              std::to_string(hersteller % 10) + "_ " + std::to_string(nr));
}

// One heat pump: the medium cycles through brine, air and water; sizes from 4 to 24 kW;
// records from -20 to 15 °C with the source side the heating less the electric power.
void Erzeuge(int nr, std::vector<std::u16string>& zeilen) {
    const int medium = nr % 3 == 2 ? 2 : nr % 3;
    const double groesse = 4.0 + (nr * 7 % 200) / 10.0;
    zeilen.push_back(u"[" + Name(nr) + u"]");
    zeilen.push_back(u"MedienTyp=" + platform::fromUtf8(std::to_string(medium)));
    zeilen.push_back(u"Auslegung=1");
    zeilen.push_back(u"MinLuftTemp=-20");
    zeilen.push_back(u"MaxInterpolTempSO=20");
    zeilen.push_back(u"MinInterpolTempVL=30");
    zeilen.push_back(u"TempDiffVerfluess=5");
    for (int r = 0; r < 8; ++r) {
        const double quelle = -20.0 + 5.0 * r;
        const double heiz35 = groesse * (0.7 + 0.03 * r), heiz2 = heiz35 * 0.9;
        const double el35 = groesse * 0.22, el2 = el35 * 1.35;
        std::u16string zeile = u"LeistDaten" + platform::fromUtf8(std::to_string(r)) + u"=";
        for (double v : {quelle, heiz35, heiz2, el35, el2, heiz35 - el35, heiz2 - el2, 55.0,
                         55.0 + r})
            zeile += Zahl(v) + u"#";
        zeilen.push_back(zeile);
    }
}

struct Umgebung {
    Umgebung() {
        std::vector<std::u16string> user;
        for (int i = 0; i < kWaermepumpen; ++i) {
            Erzeuge(i, user);
            katalog.Add(Name(i));
        }
        testsupport::WriteDatabaseFile(ordner.file("user.dat"), user);
        testsupport::WriteDatabaseFile(ordner.file("bibo.ini"), {u"[BiboInfo]", u"Version=1.00"});
        modul = platform::loadModule(std::string(VARM_PROGRAM_DIR) + "/Varmcore.so");
        auto pfad = [&](const char* n) { return platform::fromUtf8(ordner.file(n).string()); };
        if (CVRMglobApp::Get().Init(modul, nullptr, 0) != 1 ||
            CVRMglobApp::Get().SetDatenDatei(pfad("user.dat")) != 1 ||
            CVRMglobApp::Get().SetBiboDatei(pfad("bibo.ini"), 0) != 1)
            throw std::runtime_error("the databases do not open");
        InitGlobaleTexte();
        optionen.AddLongOption(OPT_WARN_QTEMP1, u"WarnQTemp1", 0, 1);
        app.optionsManager = &optionen;
        app.dokument = &dok;
    }
    ~Umgebung() {
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        platform::freeModule(modul);
    }

    testsupport::TempFolder ordner;
    platform::ModuleHandle modul = nullptr;
    COptionsManager optionen;
    testsupport::FakeKelvoDoc dok;
    testsupport::FakeKelvoApp app;
    CVRMStringArray katalog;
};

Umgebung& umgebung() {
    static Umgebung u;
    return u;
}

// A brine design at -2 °C, 35 °C flow, 9 kW: about a third of the catalogue fits.
void BM_Suche(benchmark::State& state) {
    Umgebung& u = umgebung();
    CDimPageLogik seite(u.dok);
    seite.katalog = u.katalog;
    seite.betriebsweise = 3;
    seite.quellArt = 0;
    SAuslegungsWerte w;
    w.quellTemp = -2.0f;
    w.vorlaufTemp1 = w.vorlaufTemp2 = 35.0f;
    w.ruecklaufTemp = 28.0f;
    w.leistung = 9.0f;
    for (auto _ : state) {
        const bool gefunden = seite.Dimensioniere(w);
        benchmark::DoNotOptimize(gefunden);
        u.app.progressDialoge.clear();
    }
    state.counters["listed"] = static_cast<double>(seite.kandidaten.size());
}

// The same heat pumps loaded with their records, nothing asked of them.
void BM_Durchlauf(benchmark::State& state) {
    Umgebung& u = umgebung();
    for (auto _ : state) {
        for (const CVRMString& name : u.katalog) {
            CWPumpe2 wp;
            CVRMdatenProvider::get().fill(wp, name);
            benchmark::DoNotOptimize(wp);
        }
    }
}

BENCHMARK(BM_Suche)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Durchlauf)->Unit(benchmark::kMillisecond);

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
    const double suche = sammler.real["BM_Suche"];
    const double durchlauf = sammler.real["BM_Durchlauf"];
    if (suche > 0)
        std::cout << "search over " << kWaermepumpen << " heat pumps: " << suche << " ms, limit "
                  << kZielMillisekunden << " ms (ratio " << suche / kZielMillisekunden
                  << "); one pass loading them: " << durchlauf << " ms\n";
    for (const auto& box : boxes.shown) std::cout << "box: " << platform::toUtf8(box.text) << "\n";
    benchmark::Shutdown();
    return boxes.shown.empty() ? 0 : 1;
}
