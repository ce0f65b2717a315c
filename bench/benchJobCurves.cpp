// A job of many one-point discrete curves, each named, built by `plotvane-cli run` (validated
// only: no save, no export), at 2,000, 8,000 and 32,000 curves. Each curve's name is checked
// against every curve before it: the time per curve should not grow with their number.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/RunCommand.h"
#include "platform/TempFile.h"

namespace {

namespace fs = std::filesystem;

// Writes a job of nCurves named one-point curves on the sample graph; returns its path.
std::string WriteJob(int nCurves)
{
    const fs::path dir =
        fs::path(CTempFile::Directory()) / ("plotvane-bench-curves-" + std::to_string(nCurves));
    fs::create_directories(dir);
    std::ostringstream job;
    job << R"({"image": ")" << PLOTVANE_SAMPLE_GRAPH << R"(", "coordinate_systems": [{)"
        << R"("x_axis": {"line": [[100, 534], [720, 534]], "point1": {"at": [100, 534], "value": 0},)"
        << R"( "point2": {"at": [720, 534], "value": 10}},)"
        << R"("y_axis": {"line": [[100, 534], [100, 72]], "point1": {"at": [100, 534], "value": 0},)"
        << R"( "point2": {"at": [100, 72], "value": 100}}, "curves": [)";
    for (int i = 0; i < nCurves; ++i)
        job << (i == 0 ? "" : ",") << R"({"kind": "discrete", "name": "c)" << i
            << R"(", "points": [[200, 300]]})";
    job << "]}]}";
    const fs::path path = dir / "job.json";
    std::ofstream(path) << job.str();
    return path.string();
}

void BM_JobOfNamedCurves(benchmark::State& state)
{
    const int nCurves = static_cast<int>(state.range(0));
    const std::string strJob = WriteJob(nCurves);
    for (auto _ : state) {
        CLI::App app;
        CRunCommand command(app);
        std::vector<std::string> args = {strJob, "run"};  // CLI11 parses a reversed vector
        app.parse(args);
        std::ostringstream out;
        std::ostringstream err;
        if (command.Run(out, err) != 0)
            state.SkipWithError(err.str().c_str());
    }
    state.counters["curves"] = nCurves;
    state.counters["per_curve"] =
        benchmark::Counter(static_cast<double>(nCurves),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_JobOfNamedCurves)->Arg(2000)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond);
