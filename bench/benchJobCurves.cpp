// A job of many one-point discrete curves, each named, built by `plotvane-cli run` (validated
// only: no save, no export), at 2,000, 8,000 and 32,000 curves; then the document of as many
// curves saved and exported by `plotvane-cli export`. Each curve's name is checked against
// the others, and each exported curve's flag cleared tells the document: the time per curve
// should not grow with their number.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/ExportCommand.h"
#include "cli/RunCommand.h"
#include "platform/TempFile.h"

namespace {

namespace fs = std::filesystem;

// Writes a job of nCurves named one-point curves on the sample graph (saved as strSave
// when given); returns its path.
std::string WriteJob(int nCurves, const std::string& strSave = std::string())
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
    job << "]}]";
    if (!strSave.empty())
        job << R"(, "save": ")" << strSave << '"';
    job << "}";
    const fs::path path = dir / (strSave.empty() ? "job.json" : "save.json");
    std::ofstream(path) << job.str();
    return path.string();
}

// Runs a command of plotvane-cli in-process, as the program does; false with the error.
template <typename Command>
bool RunCli(std::vector<std::string> args, std::string& strError)
{
    CLI::App app;
    Command command(app);
    std::reverse(args.begin(), args.end());  // CLI11 parses a reversed vector
    app.parse(args);
    std::ostringstream out;
    std::ostringstream err;
    const bool bOk = command.Run(out, err) == 0;
    strError = err.str();
    return bOk;
}

void BM_JobOfNamedCurves(benchmark::State& state)
{
    const int nCurves = static_cast<int>(state.range(0));
    const std::string strJob = WriteJob(nCurves);
    std::string strError;
    for (auto _ : state) {
        if (!RunCli<CRunCommand>({"run", strJob}, strError))
            state.SkipWithError(strError.c_str());
    }
    state.counters["curves"] = nCurves;
    state.counters["per_curve"] =
        benchmark::Counter(static_cast<double>(nCurves),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ExportOfOnePointCurves(benchmark::State& state)
{
    const int nCurves = static_cast<int>(state.range(0));
    const std::string strJob = WriteJob(nCurves, "curves.pvd");
    const std::string strDocument = (fs::path(strJob).parent_path() / "curves.pvd").string();
    const std::string strExport = (fs::path(strJob).parent_path() / "curves.txt").string();
    std::string strError;
    if (!RunCli<CRunCommand>({"run", strJob}, strError))
        state.SkipWithError(strError.c_str());
    for (auto _ : state) {
        if (!RunCli<CExportCommand>({"export", strDocument, "-o", strExport}, strError))
            state.SkipWithError(strError.c_str());
    }
    state.counters["curves"] = nCurves;
}

}  // namespace

BENCHMARK(BM_ExportOfOnePointCurves)->Arg(2000)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JobOfNamedCurves)->Arg(2000)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond);
