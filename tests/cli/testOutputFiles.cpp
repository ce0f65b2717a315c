// The files the commands write are never one they read.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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

}  // namespace

TEST(OutputFiles, NoCommandReplacesAFileItReads)
{
    const fs::path dir = FreshDir();
    fs::copy_file(SampleGraph(), dir / "graph.png");
    fs::create_directory_symlink(".", dir / "same");
    json job = SampleJob();
    job["image"] = "graph.png";
    job.erase("export");
    const std::string strJob = WriteJob(dir, job).string();
    ASSERT_EQ(RunCli<CRunCommand>("run", {strJob}).code, kExitOk);
    job["save"] = "new.pvd";  // and its export onto it, neither made yet
    job["export"]["path"] = "same/new.pvd";
    const std::string strNewJob = WriteJob(dir, job, "new.json").string();
    const std::vector<std::string> before = Listing(dir);

    std::vector<std::pair<Outcome, std::string>> cases = {
        {RunCli<CExportCommand>("export",
                                {(dir / "out.pvd").string(), "-o", (dir / "same" / "out.pvd").string()}),
         "the export would replace the document itself"},
        {RunCli<CRunCommand>("run", {strNewJob}),
         "export.path: the export would replace the document saved by the job"}};
    if (CDocumentRenderer::IsAvailable()) {
        for (const fs::path& output : {dir / "graph.png", dir / "same" / "graph.png"})
            cases.emplace_back(RunCli<CRenderCommand>("render", {strJob, "-o", output.string()}),
                               output.string() + ": this would replace the job's picture\n");
    }
    for (const auto& [outcome, strRefusal] : cases) {
        EXPECT_EQ(outcome.code, kExitRefused) << strRefusal;
        EXPECT_NE(outcome.err.find(strRefusal), std::string::npos) << outcome.err;
    }
    EXPECT_EQ(Listing(dir), before);
}
