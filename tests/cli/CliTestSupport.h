#pragma once

// Shared by the plotvane-cli tests: running a command in-process as the program does, a
// fresh folder per test, the sample graph and a job on it that holds one curve of each kind.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace clitest {

namespace fs = std::filesystem;

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

// Parses args as the command's own (the command name first) and runs it.
template <typename Command>
Outcome RunCli(const std::string& strCommand, std::vector<std::string> args)
{
    CLI::App app;
    Command command(app);
    args.insert(args.begin(), strCommand);
    std::reverse(args.begin(), args.end());  // CLI11 parses a reversed vector
    app.parse(args);
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.code = command.Run(out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

// An empty folder of the build tree for the running test.
inline fs::path FreshDir()
{
    const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
    const fs::path dir =
        fs::path(PLOTVANE_TEST_WORK) / "cli" / (std::string(pInfo->test_suite_name()) + "." + pInfo->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

inline std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const fs::path& path, const std::string& strText)
{
    std::ofstream(path, std::ios::binary) << strText;
}

// The bundled sample graph (800 x 600): axes X 0 ... 10 at pixels 100 ... 720 on row 534 and
// Y 0 ... 100 at rows 534 ... 72 on column 100; a solid black damped oscillation (its top
// edge at row 300 in column 472), a dashed exponential, five dots.
inline fs::path SampleGraph()
{
    return fs::absolute(fs::path(PLOTVANE_TEST_DATA) / ".." / ".." / "examples" / "sample-graph.png")
        .lexically_normal();
}

// The two axes of the sample graph.
inline nlohmann::json SampleCoordSyst()
{
    return nlohmann::json::parse(R"({
      "x_axis": {"name": "Time", "line": [[100, 534], [720, 534]],
                 "point1": {"at": [100, 534], "value": 0}, "point2": {"at": [720, 534], "value": 10}},
      "y_axis": {"name": "Signal", "line": [[100, 534], [100, 72]],
                 "point1": {"at": [100, 534], "value": 0}, "point2": {"at": [100, 72], "value": 100}},
      "curves": []
    })");
}

// One curve of each kind on the sample graph: the solid line traced and touched up by hand,
// the dots, a spline, a density profile across the solid line.
inline nlohmann::json SampleCurves()
{
    return nlohmann::json::parse(R"([
      {"kind": "continuous", "name": "Oscillation", "left": 3.5, "right": 9.5, "genesis": [[472, 300]],
       "follow": "top", "pick_thickness": [472, 300], "compensation": "smart", "range": 2,
       "threshold": [70, 70, 70], "dashed": false, "dash_max_dist": 20,
       "edits": [{"tool": "pen", "stroke": [[500, 290], [505, 292], [510, 295]]},
                 {"tool": "rubber", "stroke": [[700, 0], [710, 0]]}],
       "first": 4, "period": 0.5},
      {"kind": "discrete", "name": "Measures", "points": [[534, 248], [162, 442], [285, 371]], "sort": true},
      {"kind": "spline", "name": "Trend",
       "nodes": [{"anchor": [162, 442], "front": [0, 0], "back": [60, -40], "smooth": true},
                 {"anchor": [658, 211], "front": [-60, 10], "back": [0, 0], "smooth": true}],
       "points_per_segment": 10},
      {"kind": "density", "name": "Profile", "segment": [[472, 350], [472, 250]],
       "top_color": [0, 0, 0], "bottom_color": [255, 255, 255], "top_value": 100, "bottom_value": 0,
       "display": "y", "first_y": 45, "y_period": 0.5}
    ])");
}

// The sample job: the sample graph, its axes and SampleCurves, saved as out.pvd and exported
// as out.txt (tab-separated) beside the job.
inline nlohmann::json SampleJob()
{
    nlohmann::json job;
    job["image"] = SampleGraph().string();
    job["coordinate_systems"] = nlohmann::json::array({SampleCoordSyst()});
    job["coordinate_systems"][0]["curves"] = SampleCurves();
    job["save"] = "out.pvd";
    job["export"] = {{"path", "out.txt"}, {"separator", "tab"}};
    return job;
}

inline fs::path WriteJob(const fs::path& dir, const nlohmann::json& job,
                         const std::string& strName = "job.json")
{
    const fs::path path = dir / strName;
    WriteFile(path, job.dump(2));
    return path;
}

// The lines of an export text (CR LF ends), without their ends.
inline std::vector<std::string> Lines(const std::string& strText)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < strText.size()) {
        const size_t end = strText.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(strText.substr(start));
            break;
        }
        lines.push_back(strText.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace clitest
