#pragma once
// Prints the runs as usual and keeps each one's times, so a benchmark program can set its
// figure beside the limit and the reference it is measured against in the same run.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

class TimeCollector : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            real[run.benchmark_name()] = run.GetAdjustedRealTime();
            cpu[run.benchmark_name()] = run.GetAdjustedCPUTime();
            realByFunction[run.run_name.function_name] = run.GetAdjustedRealTime();
            for (const auto& [name, counter] : run.counters)
                counters[run.run_name.function_name][name] = counter.value;
        }
    }
    // By the full benchmark name ("BM_Laden/2", "BM_Start/iterations:20"), in its unit.
    std::map<std::string, double> real;
    std::map<std::string, double> cpu;
    // By the benchmark function alone, when its arguments do not matter.
    std::map<std::string, double> realByFunction;
    // The user counters of each benchmark function's last run.
    std::map<std::string, std::map<std::string, double>> counters;
};

}  // namespace bench
