// The files the commands write: never one they read, and all of a job's or none.

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/resource.h>

#include "CliTestSupport.h"
#include "cli/DocumentRenderer.h"
#include "cli/ExitCode.h"
#include "cli/ExportCommand.h"
#include "cli/RenderCommand.h"
#include "cli/RunCommand.h"

using namespace clitest;
using nlohmann::json;

namespace {

std::vector<std::string> Listing(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string() + "=" +
                        (fs::is_regular_file(entry.path()) ? ReadFile(entry.path()) : std::string()));
    std::sort(names.begin(), names.end());
    return names;
}

// Runs the job with files limited to nLimit bytes; 0 when it failed naming the system's
// reason. For a child process.
int RunUnderFileSizeLimit(const fs::path& job, rlim_t nLimit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{nLimit, nLimit};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 6;
    const Outcome outcome = RunCli<CRunCommand>("run", {job.string()});
    if (outcome.code != kExitRefused)
        return 2;
    return outcome.err.find("Reason: File too large.") != std::string::npos ? 0 : 3;
}

}  // namespace

TEST(OutputFiles, NoCommandReplacesAFileItReads)
{
    const fs::path dir = FreshDir();
    fs::copy_file(SampleGraph(), dir / "graph.png");
    fs::create_directory_symlink(".", dir / "same");
    json job = SampleJob();
    job["image"] = "graph.png";
    job.erase("export");
    const fs::path jobPath = WriteJob(dir, job);
    ASSERT_EQ(RunCli<CRunCommand>("run", {jobPath.string()}).code, kExitOk);
    const std::vector<std::string> before = Listing(dir);

    if (CDocumentRenderer::IsAvailable()) {
        for (const fs::path& output : {dir / "graph.png", dir / "same" / "graph.png"}) {
            const Outcome render =
                RunCli<CRenderCommand>("render", {jobPath.string(), "-o", output.string()});
            EXPECT_EQ(render.code, kExitRefused);
            EXPECT_EQ(render.err, output.string() + ": this would replace the job's picture\n");
        }
    }

    // The document, reached through a linked folder.
    const Outcome exported = RunCli<CExportCommand>(
        "export", {(dir / "out.pvd").string(), "-o", (dir / "same" / "out.pvd").string()});
    EXPECT_EQ(exported.code, kExitRefused);
    EXPECT_NE(exported.err.find("the export would replace the document itself"), std::string::npos);

    // A job's export onto the document it saves, neither made yet.
    job = SampleJob();
    job["save"] = "new.pvd";
    job["export"]["path"] = "same/new.pvd";
    const Outcome run = RunCli<CRunCommand>("run", {WriteJob(dir, job, "new.json").string()});
    EXPECT_EQ(run.code, kExitRefused);
    EXPECT_NE(run.err.find("export.path: the export would replace the document saved by the job"),
              std::string::npos);

    fs::remove(dir / "new.json");
    EXPECT_EQ(Listing(dir), before);
}

TEST(OutputFiles, AJobReplacesAllItsOutputsOrNone)
{
    // The sizes of the sample job's document and export.
    const fs::path dir = FreshDir();
    json job = SampleJob();
    ASSERT_EQ(RunCli<CRunCommand>("run", {WriteJob(dir, job).string()}).code, kExitOk);
    const auto docSize = fs::file_size(dir / "out.pvd");
    const auto exportSize = fs::file_size(dir / "out.txt");
    ASSERT_LT(exportSize * 2, docSize);
    fs::remove(dir / "out.pvd");
    fs::remove(dir / "out.txt");

    // The document fails: no export appears.
    const fs::path jobPath = WriteJob(dir, job);
    EXPECT_EXIT(std::_Exit(RunUnderFileSizeLimit(jobPath, (exportSize + docSize) / 2)),
                testing::ExitedWithCode(0), "");
    EXPECT_EQ(Listing(dir), std::vector<std::string>{"job.json=" + ReadFile(jobPath)});

    // The export, made larger than the document, fails: the document stays as it was.
    WriteFile(dir / "out.pvd", "my document");
    job["coordinate_systems"][0]["curves"][0]["period"] = 0.0005;
    WriteJob(dir, job);
    const std::vector<std::string> before = Listing(dir);
    EXPECT_EXIT(std::_Exit(RunUnderFileSizeLimit(jobPath, docSize + 1000)), testing::ExitedWithCode(0), "");
    EXPECT_EQ(Listing(dir), before);
}
