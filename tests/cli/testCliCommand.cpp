// What every command shares: the one handler of failures, the bounds on the work a job may
// cost.
#include "cli/CliCommand.h"

#include <functional>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "cli/CliError.h"
#include "cli/ExitCode.h"
#include "cli/RunCommand.h"
#include "cli/StderrMessageService.h"
#include "platform/MessageService.h"

using namespace clitest;
using nlohmann::json;

TEST(CliCommand, EveryFailureEndsInItsExitCodeAfterTheWarnings)
{
    const struct {
        std::function<void()> fail;
        int code;
        std::string strLast;
    } cases[] = {
        {[] { throw CCliError(kExitRefused, "doc.pvd: refused"); }, kExitRefused, "refused"},
        {[] { throw std::bad_alloc(); }, kExitRefused, "Not enough memory !"},
        {[] { throw std::runtime_error("odd"); }, kExitUnreadable,
         "An unexpected error ended the command: odd"},
        {[] { throw 7; }, kExitUnreadable, "An unexpected error ended the command."},
    };
    for (const auto& c : cases) {
        std::ostringstream err;
        CStderrMessageService messages(err);
        const int nCode = CCliCommand::Guard(err, "doc.pvd", &messages, [&c]() {
            AfxMessageBox("Shown before", CMessageService::Icon::Information);
            c.fail();
            return 0;
        });
        EXPECT_EQ(nCode, c.code) << c.strLast;
        EXPECT_EQ(err.str(), "doc.pvd: warning: Shown before\ndoc.pvd: " + c.strLast + "\n");
    }
}

TEST(CliCommand, TheStrokesOfAJobCostAtMostABoundedWork)
{
    // A picture 100,000 pixels wide with one line across: its strokes may hold 1000 points.
    const fs::path dir = FreshDir();
    const std::string strWhite(200000, '\xFF');
    WriteFile(dir / "wide.pgm",
              "P5\n100000 4\n255\n" + strWhite + std::string(100000, '\0') + strWhite.substr(100000));
    json job = json::parse(R"({"image": "wide.pgm", "coordinate_systems": [{
      "x_axis": {"line": [[1, 3], [99999, 3]], "point1": {"at": [1, 3], "value": 0},
                 "point2": {"at": [99999, 3], "value": 1}},
      "y_axis": {"line": [[1, 3], [1, 1]], "point1": {"at": [1, 3], "value": 0},
                 "point2": {"at": [1, 1], "value": 1}},
      "curves": [{"kind": "continuous", "left": 0.001, "right": 0.999, "genesis": [[500, 2]],
                  "edits": [{"tool": "pen", "stroke": []}]}]}]})");
    json& stroke = job["coordinate_systems"][0]["curves"][0]["edits"][0]["stroke"];
    Outcome outcome;
    for (const int nPoints : {10, 1001}) {
        while (static_cast<int>(stroke.size()) < nPoints)
            stroke.push_back({200 + stroke.size(), 1 + stroke.size() % 2});
        outcome = RunCli<CRunCommand>("run", {WriteJob(dir, job).string()});
        EXPECT_EQ(outcome.code, nPoints == 10 ? kExitOk : kExitRefused) << outcome.err;
    }
    EXPECT_NE(
        outcome.err.find("edits[0].stroke: the edits of this job would take too long: on a picture 100000 "
                         "pixels wide, the strokes of a job may hold at most 1000 points in all"),
        std::string::npos)
        << outcome.err;
}
