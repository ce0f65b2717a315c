// The built program itself, for what only a process shows: its exit codes with the command
// line parser in front, and its streams.

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "cli/ExitCode.h"

#ifdef PLOTVANE_CLI_BINARY

using namespace clitest;

namespace {

// Runs plotvane-cli with the arguments (shell words); stdout goes to strStdout (a file in dir
// by default), stderr to a file in dir.
int RunProgram(const fs::path& dir, const std::string& strArgs, std::string strStdout = std::string())
{
    if (strStdout.empty())
        strStdout = (dir / "stdout").string();
    const std::string strCommand = std::string("'") + PLOTVANE_CLI_BINARY + "' " + strArgs + " >'" +
                                   strStdout + "' 2>'" + (dir / "stderr").string() + "'";
    const int nStatus = std::system(strCommand.c_str());
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

}  // namespace

TEST(CliBinary, ExitCodesOfTheWholeProgram)
{
    const fs::path dir = FreshDir();
    const std::string strJob = WriteJob(dir, SampleJob()).string();

    EXPECT_EQ(RunProgram(dir, "--help"), kExitOk);
    EXPECT_NE(ReadFile(dir / "stdout").find("run"), std::string::npos);
    EXPECT_EQ(RunProgram(dir, "export --help"), kExitOk);
    EXPECT_NE(ReadFile(dir / "stdout").find("--frequency"), std::string::npos);

    EXPECT_EQ(RunProgram(dir, ""), kExitUsage);
    EXPECT_EQ(RunProgram(dir, "frobnicate"), kExitUsage);
    EXPECT_EQ(RunProgram(dir, "run"), kExitUsage) << "missing file argument";
    EXPECT_EQ(RunProgram(dir, "info --colour '" + strJob + "'"), kExitUsage) << "unknown option";
    EXPECT_EQ(RunProgram(dir, "render '" + strJob + "'"), kExitUsage) << "no -o";
    EXPECT_EQ(RunProgram(dir, "export x.pvd --period 1 --frequency 1"), kExitUsage);

    ASSERT_EQ(RunProgram(dir, "run '" + strJob + "'"), kExitOk) << ReadFile(dir / "stderr");
    EXPECT_EQ(ReadFile(dir / "stdout"), "");
    EXPECT_EQ(ReadFile(dir / "stderr"), "");
    EXPECT_EQ(RunProgram(dir, "export '" + (dir / "out.pvd").string() + "'"), kExitOk);
    EXPECT_EQ(ReadFile(dir / "stdout"), ReadFile(dir / "out.txt"));
    EXPECT_EQ(RunProgram(dir, "info --json --points '" + (dir / "out.pvd").string() + "'"), kExitOk);
    EXPECT_NE(ReadFile(dir / "stdout").find("\"coordinate_systems\""), std::string::npos);

    // A failed write to stdout is a failure, said on stderr.
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(RunProgram(dir, "info '" + (dir / "out.pvd").string() + "'", "/dev/full"), kExitUnreadable);
        EXPECT_EQ(ReadFile(dir / "stderr").rfind("standard output: Cannot write into the file.", 0), 0u);
    }
    EXPECT_EQ(RunProgram(dir, "render '" + strJob + "' -o ''"), kExitUsage);
    EXPECT_EQ(RunProgram(dir, "export '" + (dir / "out.pvd").string() + "' -o ''"), kExitUsage);

    WriteFile(dir / "bad.json", "{\"image\": ");
    EXPECT_EQ(RunProgram(dir, "run '" + (dir / "bad.json").string() + "'"), kExitUnreadable);
    nlohmann::json job = SampleJob();
    job["coordinate_systems"][0]["curves"][0]["left"] = 20;
    EXPECT_EQ(RunProgram(dir, "run '" + WriteJob(dir, job, "refused.json").string() + "'"), kExitRefused);
    EXPECT_EQ(ReadFile(dir / "stderr"),
              (dir / "refused.json").string() +
                  ": coordinate_systems[0].curves[0].right: Right limit must be greater than left limit\n");
}

#endif
