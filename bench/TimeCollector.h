#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace trevalo::bench {

// Keeps the time per iteration of every repetition of every benchmark, by
// the name it was registered under, so the spread (min, median, max over the
// repetitions) can be printed in the shared table rather than Google
// Benchmark's own format.
class TimeCollector final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration, one value per repetition; empty when the
    // benchmark did not run (filtered out, or failed).
    const std::vector<double>& seconds(const std::string& name) const;

private:
    std::map<std::string, std::vector<double>> m_seconds;
};

}
