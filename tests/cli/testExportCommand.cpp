#include "cli/ExportCommand.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "cli/ExitCode.h"
#include "cli/RunCommand.h"

using namespace clitest;
using nlohmann::json;

namespace {

Outcome Export(std::vector<std::string> args)
{
    return RunCli<CExportCommand>("export", std::move(args));
}

// Runs job in dir; the document is dir/out.pvd.
void MakeDocument(const fs::path& dir, const json& job)
{
    const Outcome outcome = RunCli<CRunCommand>("run", {WriteJob(dir, job).string()});
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
}

// The sample job with the oscillation's results left without a period, saved only.
json JobWithoutPeriod()
{
    json job = SampleJob();
    job["coordinate_systems"][0]["curves"][0].erase("period");
    job.erase("export");
    return job;
}

}  // namespace

TEST(ExportCommand, GivesTheSameBytesAsTheRunThatSavedTheDocument)
{
    const fs::path dir = FreshDir();
    MakeDocument(dir, SampleJob());
    const std::string strRunExport = ReadFile(dir / "out.txt");

    const Outcome toFile =
        Export({(dir / "out.pvd").string(), "-o", (dir / "again.txt").string(), "--separator", "tab"});
    ASSERT_EQ(toFile.code, kExitOk) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(ReadFile(dir / "again.txt"), strRunExport);

    // Without -o the text goes to stdout; the settings' separator is Tab.
    const Outcome toStdout = Export({(dir / "out.pvd").string()});
    ASSERT_EQ(toStdout.code, kExitOk) << toStdout.err;
    EXPECT_EQ(toStdout.out, strRunExport);
    EXPECT_EQ(toStdout.err, "");
}

TEST(ExportCommand, CurvesAreChosenAndOrderedByNameWithAnySeparator)
{
    const fs::path dir = FreshDir();
    MakeDocument(dir, SampleJob());
    const std::string strDoc = (dir / "out.pvd").string();

    const Outcome two = Export({strDoc, "--curve", "Trend", "--curve", "Measures", "--separator", "comma"});
    ASSERT_EQ(two.code, kExitOk) << two.err;
    std::vector<std::string> lines = Lines(two.out);
    ASSERT_EQ(lines.size(), 7u + 11u);
    EXPECT_EQ(lines[5], "Trend,,Measures,,");
    EXPECT_EQ(lines[6], "Time,Signal,Time,Signal,");
    EXPECT_EQ(lines[8], "1.43548,23.3766,2.98387,35.2814,");
    EXPECT_EQ(lines[10], "2.96774,34.1991,,,");

    const Outcome other = Export({strDoc, "--curve", "Measures", "--separator", "|"});
    ASSERT_EQ(other.code, kExitOk) << other.err;
    EXPECT_EQ(Lines(other.out)[7], "1|19.9134|");
    const Outcome space = Export({strDoc, "--curve", "Measures", "--separator", "space"});
    EXPECT_EQ(Lines(space.out)[7], "1 19.9134 ");

    const Outcome unknown = Export({strDoc, "--curve", "Mesures"});
    EXPECT_EQ(unknown.code, kExitRefused);
    EXPECT_EQ(unknown.err, strDoc + ": no curve is named \"Mesures\"\n");
    EXPECT_EQ(unknown.out, "");
    const Outcome twice = Export({strDoc, "--curve", "Trend", "--curve", "Trend"});
    EXPECT_EQ(twice.code, kExitRefused);
    EXPECT_NE(twice.err.find("the curve \"Trend\" is chosen twice"), std::string::npos) << twice.err;

    const Outcome badSeparator = Export({strDoc, "--separator", "ab"});
    EXPECT_EQ(badSeparator.code, kExitUsage);
    EXPECT_EQ(badSeparator.out, "");
}

TEST(ExportCommand, AContinuousCurveWithoutPeriodNeedsOneFromTheCommandLine)
{
    const fs::path dir = FreshDir();
    MakeDocument(dir, JobWithoutPeriod());
    const std::string strDoc = (dir / "out.pvd").string();

    const Outcome refused = Export({strDoc, "-o", (dir / "x.txt").string()});
    EXPECT_EQ(refused.code, kExitRefused);
    EXPECT_EQ(refused.err,
              strDoc +
                  ": curve \"Oscillation\": no period is defined for this curve; give --period or "
                  "--frequency\n");
    EXPECT_FALSE(fs::exists(dir / "x.txt"));

    // A period for the curves that have none; the first value stays the one stored (4).
    const Outcome period = Export({strDoc, "--curve", "Oscillation", "--period", "0.5"});
    ASSERT_EQ(period.code, kExitOk) << period.err;
    const std::vector<std::string> lines = Lines(period.out);
    ASSERT_EQ(lines.size(), 7u + 12u);
    EXPECT_EQ(lines[7].substr(0, 2), "4\t");
    EXPECT_EQ(lines[18].substr(0, 4), "9.5\t");
    const Outcome frequency = Export({strDoc, "--curve", "Oscillation", "--frequency", "2"});
    EXPECT_EQ(frequency.out, period.out);

    const Outcome zero = Export({strDoc, "--period", "0"});
    EXPECT_EQ(zero.code, kExitRefused);
    EXPECT_EQ(zero.err, "--period: The period must be greater than zero !\n");
    const Outcome tooMany = Export({strDoc, "--frequency", "1e9"});
    EXPECT_EQ(tooMany.code, kExitRefused);
    EXPECT_NE(tooMany.err.find("curve \"Oscillation\": Nb of points to export is too high!"),
              std::string::npos)
        << tooMany.err;
}

TEST(ExportCommand, ADensityCurveWithoutPeriodIsRefusedWhateverTheCommandLine)
{
    const fs::path dir = FreshDir();
    json job = SampleJob();
    job["coordinate_systems"][0]["curves"][3].erase("y_period");
    job.erase("export");
    MakeDocument(dir, job);
    const std::string strDoc = (dir / "out.pvd").string();
    const Outcome refused = Export({strDoc, "--period", "1"});
    EXPECT_EQ(refused.code, kExitRefused);
    EXPECT_NE(refused.err.find("curve \"Profile\": no period is defined for this curve"), std::string::npos)
        << refused.err;
    // The other curves export.
    EXPECT_EQ(Export({strDoc, "--curve", "Measures"}).code, kExitOk);
}

TEST(ExportCommand, AFailedExportLeavesTheFileAsItWas)
{
    const fs::path dir = FreshDir();
    MakeDocument(dir, JobWithoutPeriod());
    WriteFile(dir / "mine.txt", "my numbers");
    const Outcome refused = Export({(dir / "out.pvd").string(), "-o", (dir / "mine.txt").string()});
    EXPECT_EQ(refused.code, kExitRefused);
    EXPECT_EQ(ReadFile(dir / "mine.txt"), "my numbers");

    const Outcome overTheDocument =
        Export({(dir / "out.pvd").string(), "--period", "1", "-o", (dir / "out.pvd").string()});
    EXPECT_EQ(overTheDocument.code, kExitRefused);
    EXPECT_NE(overTheDocument.err.find("the export would replace the document itself"), std::string::npos);

    const Outcome unwritable =
        Export({(dir / "out.pvd").string(), "--period", "1", "-o", (dir / "missing" / "x.txt").string()});
    EXPECT_EQ(unwritable.code, kExitRefused);
    EXPECT_NE(unwritable.err.find("x.txt: Cannot open the file for writing."), std::string::npos)
        << unwritable.err;
}

TEST(ExportCommand, UnreadableDocumentsExitWithThree)
{
    const fs::path dir = FreshDir();
    const Outcome missing = Export({(dir / "absent.pvd").string()});
    EXPECT_EQ(missing.code, kExitUnreadable);
    EXPECT_NE(missing.err.find("absent.pvd: cannot read the document: "), std::string::npos) << missing.err;

    // A picture is not a document.
    const Outcome picture = Export({SampleGraph().string()});
    EXPECT_EQ(picture.code, kExitUnreadable);
    EXPECT_NE(picture.err.find("sample-graph.png: cannot read the document: "), std::string::npos)
        << picture.err;
    EXPECT_EQ(picture.out, "");
}
