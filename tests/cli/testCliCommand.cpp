// What every command shares: the one handler of failures, the texts from the string table,
// the bounds on the work a job may cost.
#include "cli/CliCommand.h"

#include <new>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "cli/CliError.h"
#include "cli/DocumentRenderer.h"
#include "cli/ExitCode.h"
#include "cli/ExportCommand.h"
#include "cli/RenderCommand.h"
#include "cli/RunCommand.h"
#include "cli/StderrMessageService.h"
#include "platform/MessageService.h"
#include "platform/StringTable.h"

using namespace clitest;
using nlohmann::json;

namespace {

// A command that shows a message through the model's service, then fails as it is told.
template <typename Failure>
class CFailingCommand : public CCliCommand {
public:
    explicit CFailingCommand(CLI::App& parent) : CCliCommand(parent, "fail", "Fails") {}

protected:
    void Execute(std::ostream& /*out*/, CStderrMessageService& /*messages*/) override
    {
        AfxMessageBox("Shown before", CMessageService::Icon::Information);
        throw Failure();
    }
    const std::string& Subject() const override { return m_strSubject; }

private:
    std::string m_strSubject = "doc.pvd";
};

struct Unexpected : std::runtime_error {
    Unexpected() : std::runtime_error("odd") {}
};
struct Refused : CCliError {
    Refused() : CCliError(kExitRefused, "doc.pvd: refused") {}
};
struct Foreign {};

}  // namespace

TEST(CliCommand, EveryFailureEndsInItsExitCodeAfterTheWarnings)
{
    const Outcome refused = RunCli<CFailingCommand<Refused>>("fail", {});
    EXPECT_EQ(refused.code, kExitRefused);
    EXPECT_EQ(refused.err, "doc.pvd: warning: Shown before\ndoc.pvd: refused\n");

    const Outcome memory = RunCli<CFailingCommand<std::bad_alloc>>("fail", {});
    EXPECT_EQ(memory.code, kExitRefused);
    EXPECT_EQ(memory.err, "doc.pvd: warning: Shown before\ndoc.pvd: Not enough memory !\n");

    const Outcome unexpected = RunCli<CFailingCommand<Unexpected>>("fail", {});
    EXPECT_EQ(unexpected.code, kExitUnreadable);
    EXPECT_EQ(unexpected.err,
              "doc.pvd: warning: Shown before\ndoc.pvd: An unexpected error ended the command: odd\n");

    const Outcome foreign = RunCli<CFailingCommand<Foreign>>("fail", {});
    EXPECT_EQ(foreign.code, kExitUnreadable);
    EXPECT_NE(foreign.err.find("doc.pvd: An unexpected error ended the command."), std::string::npos);
}

TEST(CliCommand, MessagesComeFromTheStringTable)
{
    const fs::path dir = FreshDir();
    WriteFile(dir / "fr.lng",
              "62062\tLes deux valeurs doivent \xC3\xAA"
              "tre diff\xC3\xA9rentes.\n"
              "61205\tImpossible d'ouvrir ce fichier !\n"
              "62003\tattention : %s\n");
    ASSERT_TRUE(CStringTable::LoadLanguageFile((dir / "fr.lng").string()));

    json job = SampleJob();
    job["coordinate_systems"][0]["x_axis"]["point2"]["value"] = 0;
    const Outcome axis = RunCli<CRunCommand>("run", {WriteJob(dir, job).string()});
    const Outcome open = RunCli<CExportCommand>("export", {(dir / "absent.pvd").string()});
    CStringTable::ResetToBuiltIn();

    EXPECT_EQ(axis.code, kExitRefused);
    EXPECT_NE(
        axis.err.find("x_axis.point2.value: Les deux valeurs doivent \xC3\xAAtre diff\xC3\xA9rentes.\n"),
        std::string::npos)
        << axis.err;
    EXPECT_NE(open.err.find("absent.pvd: cannot read the document: Impossible d'ouvrir ce fichier !"),
              std::string::npos)
        << open.err;
}

TEST(CliCommand, JobTextsSayWhatIsWrongInTheProgramsOwnWords)
{
    const fs::path dir = FreshDir();
    WriteFile(dir / "huge.json", "{\"image\": 1e999}");
    const Outcome huge = RunCli<CRunCommand>("run", {(dir / "huge.json").string()});
    EXPECT_EQ(huge.code, kExitUnreadable);
    EXPECT_EQ(huge.err,
              (dir / "huge.json").string() + ": not valid JSON: a number is too large to be read\n");

    WriteFile(dir / "cut.json", "{\n  \"image\": [1,\n");
    const Outcome cut = RunCli<CRunCommand>("run", {(dir / "cut.json").string()});
    EXPECT_EQ(cut.err, (dir / "cut.json").string() + ": not valid JSON: parse error at line 3, column 1\n");

    // A document whose first byte happens to be "{" is still a document: its name says so.
    if (CDocumentRenderer::IsAvailable()) {
        WriteFile(dir / "brace.pvd", "{\"image\": \"x.png\"}");
        const Outcome brace = RunCli<CRenderCommand>("render", {(dir / "brace.pvd").string(), "-o", "x.png"});
        EXPECT_EQ(brace.code, kExitUnreadable);
        EXPECT_NE(brace.err.find("brace.pvd: cannot read the document: "), std::string::npos) << brace.err;
    }
}

TEST(CliCommand, TheStrokesOfAJobCostAtMostABoundedWork)
{
    // A picture 100,000 pixels wide with one line across: a stroke may hold 1000 points.
    const fs::path dir = FreshDir();
    const int nWidth = 100000;
    std::string strPgm = "P5\n" + std::to_string(nWidth) + " 4\n255\n";
    for (int y = 0; y < 4; ++y)
        strPgm += std::string(static_cast<size_t>(nWidth), y == 2 ? '\0' : '\xFF');
    WriteFile(dir / "wide.pgm", strPgm);
    json job = json::parse(R"({"image": "wide.pgm", "coordinate_systems": [{
      "x_axis": {"line": [[1, 3], [99999, 3]], "point1": {"at": [1, 3], "value": 0},
                 "point2": {"at": [99999, 3], "value": 1}},
      "y_axis": {"line": [[1, 3], [1, 1]], "point1": {"at": [1, 3], "value": 0},
                 "point2": {"at": [1, 1], "value": 1}},
      "curves": [{"kind": "continuous", "left": 0.001, "right": 0.999, "genesis": [[500, 2]],
                  "edits": [{"tool": "pen", "stroke": []}]}]}]})");
    json& stroke = job["coordinate_systems"][0]["curves"][0]["edits"][0]["stroke"];
    for (int i = 0; i < 10; ++i)
        stroke.push_back({200 + i, 1 + i % 2});
    const Outcome within = RunCli<CRunCommand>("run", {WriteJob(dir, job).string()});
    EXPECT_EQ(within.code, kExitOk) << within.err;

    for (int i = 10; i < 1001; ++i)
        stroke.push_back({200 + i, 1 + i % 2});
    const Outcome beyond = RunCli<CRunCommand>("run", {WriteJob(dir, job).string()});
    EXPECT_EQ(beyond.code, kExitRefused);
    EXPECT_NE(
        beyond.err.find("edits[0].stroke: the edits of this job would take too long: on a picture 100000 "
                        "pixels wide, the strokes of a job may hold at most 1000 points in all"),
        std::string::npos)
        << beyond.err;
}
