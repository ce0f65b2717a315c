#include "cli/RunCommand.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "cli/ExitCode.h"
#include "cli/InfoCommand.h"
#include "tests/support/RequiredTool.h"

using namespace clitest;
using nlohmann::json;

namespace {

Outcome RunJob(const fs::path& job)
{
    return RunCli<CRunCommand>("run", {job.string()});
}

std::vector<std::string> Cells(const std::string& strLine)
{
    std::vector<std::string> cells;
    size_t start = 0;
    for (size_t tab = strLine.find('\t'); tab != std::string::npos; tab = strLine.find('\t', start)) {
        cells.push_back(strLine.substr(start, tab - start));
        start = tab + 1;
    }
    return cells;
}

double Oscillation(double x)
{
    return 50 + 40 * std::exp(-x / 4) * std::cos(x * 1.3);
}

}  // namespace

TEST(RunCommand, BuildsSavesAndExportsTheSampleJob)
{
    const fs::path dir = FreshDir();
    json job = SampleJob();
    // A rubber stroke across columns 620 ... 635 (X 8.39 ... 8.63) leaves the row at 8.5
    // without a value; the pen sets columns 500 ... 510 (X 6.45 ... 6.61) on its own line.
    job["coordinate_systems"][0]["curves"][0]["edits"][1]["stroke"] = json::parse("[[620, 0], [635, 0]]");
    const Outcome outcome = RunJob(WriteJob(dir, job));
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, "");
    ASSERT_TRUE(fs::exists(dir / "out.pvd"));

    const std::vector<std::string> lines = Lines(ReadFile(dir / "out.txt"));
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Graph recognition by Plotvane.");
    EXPECT_EQ(lines[2], "Bitmap file :");
    EXPECT_EQ(lines[3], SampleGraph().string());
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "Oscillation\t\tMeasures\t\tTrend\t\tProfile\t\t");
    EXPECT_EQ(lines[6], "Time\tSignal\tTime\tSignal\tTime\tSignal\tSignal\t\t");

    // Rows: the oscillation from 4 to 9.5 by 0.5 (12), three sorted dots, 11 spline points,
    // the density profile from 45 to 61.47 by 0.5 (33): 33 rows in all.
    ASSERT_EQ(lines.size(), 7u + 33u);
    for (int i = 0; i < 12; ++i) {
        const std::vector<std::string> cells = Cells(lines[7 + i]);
        ASSERT_EQ(cells.size(), 8u) << lines[7 + i];
        const double x = 4 + 0.5 * i;
        EXPECT_DOUBLE_EQ(std::stod(cells[0]), x);
        if (x == 8.5) {
            EXPECT_EQ(cells[1], "") << "the rubber removed the points there";
        } else if (x == 6.5) {
            // Column 503 of the pen's line from (500, 290) to (510, 295), y = 291.
            EXPECT_NEAR(std::stod(cells[1]), (534 - 291) / 4.62, 0.01);
        } else {
            EXPECT_NEAR(std::stod(cells[1]), Oscillation(x), 1.0) << "x = " << x;
        }
    }
    EXPECT_EQ(Cells(lines[7])[2], "1");
    EXPECT_EQ(Cells(lines[7])[3], "19.9134");
    EXPECT_EQ(Cells(lines[8])[2], "2.98387");
    EXPECT_EQ(Cells(lines[9])[2], "7");
    EXPECT_EQ(Cells(lines[10])[2], "") << "three dots only";
    EXPECT_EQ(Cells(lines[7])[4], "1");
    EXPECT_EQ(Cells(lines[17])[4], "9");
    EXPECT_EQ(Cells(lines[17])[5], "69.9134");
    EXPECT_EQ(Cells(lines[18])[4], "");
    EXPECT_EQ(Cells(lines[7])[6], "45");
    EXPECT_EQ(Cells(lines[7 + 32])[6], "61");

    // The profile crosses the solid line (rows 300 ... 302, Y 50.2 ... 50.6): dark there only.
    double dPeak = 0;
    for (int i = 0; i < 33; ++i) {
        const std::vector<std::string> cells = Cells(lines[7 + i]);
        const double y = std::stod(cells[6]);
        const double value = std::stod(cells[7]);
        if (y < 49 || y > 52) {
            EXPECT_NEAR(value, 0, 1e-9) << "y = " << y;
        }
        dPeak = std::max(dPeak, value);
    }
    EXPECT_GT(dPeak, 50);
}

TEST(RunCommand, PathsCountFromTheJobFolderAndTheImageNameKeptIsAbsolute)
{
    const fs::path dir = FreshDir();
    fs::create_directories(dir / "pictures");
    fs::copy_file(SampleGraph(), dir / "pictures" / "graph.png");
    json job = SampleJob();
    job["image"] = "pictures/graph.png";
    job["save"] = "pictures/../doc.pvd";
    job["export"]["path"] = "export.xls";
    fs::create_directories(dir / "jobs");
    job["image"] = "../pictures/graph.png";
    job["save"] = "../doc.pvd";
    job["export"]["path"] = "../export.xls";
    const Outcome outcome = RunJob(WriteJob(dir / "jobs", job));
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    EXPECT_TRUE(fs::exists(dir / "doc.pvd"));
    const std::vector<std::string> lines = Lines(ReadFile(dir / "export.xls"));
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[3], fs::absolute(dir / "pictures" / "graph.png").lexically_normal().string());
}

TEST(RunCommand, AJobWithoutSaveOrExportOnlyValidates)
{
    const fs::path dir = FreshDir();
    json job = SampleJob();
    job.erase("save");
    job.erase("export");
    const Outcome outcome = RunJob(WriteJob(dir, job));
    EXPECT_EQ(outcome.code, kExitOk) << outcome.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "only the job itself";
}

TEST(RunCommand, ExportChoosesAndOrdersCurvesByNameWithTheSeparatorGiven)
{
    const fs::path dir = FreshDir();
    json job = SampleJob();
    job["export"] = {{"path", "out.csv"}, {"separator", "semicolon"}, {"curves", {"Trend", "Measures"}}};
    const Outcome outcome = RunJob(WriteJob(dir, job));
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    const std::vector<std::string> lines = Lines(ReadFile(dir / "out.csv"));
    ASSERT_GT(lines.size(), 7u);
    EXPECT_EQ(lines[5], "Trend;;Measures;;");
    EXPECT_EQ(lines[7], "1;19.9134;1;19.9134;");
    EXPECT_EQ(lines.size(), 7u + 11u);
}

TEST(RunCommand, QuestionsAreAnsweredYesAndPrintedAsWarnings)
{
    const fs::path dir = FreshDir();
    json job = SampleJob();
    job["coordinate_systems"][0]["curves"][2]["name"] = "Measures";
    // More than a thousand rows: the period dialog asks whether to go on.
    job["coordinate_systems"][0]["curves"][0]["period"] = 0.005;
    job.erase("export");
    const Outcome outcome = RunJob(WriteJob(dir, job));
    EXPECT_EQ(outcome.code, kExitOk) << outcome.err;
    EXPECT_NE(
        outcome.err.find("job.json: coordinate_systems[0].curves[2].name: warning: Another curve already has "
                         "the same name. Do you want to continue? (answered Yes)"),
        std::string::npos)
        << outcome.err;
    EXPECT_NE(
        outcome.err.find("job.json: coordinate_systems[0].curves[0].period: warning: This curve will contain "
                         "1101 lines. Continue? (answered Yes)"),
        std::string::npos)
        << outcome.err;
    EXPECT_TRUE(fs::exists(dir / "out.pvd"));
}

// Every refusal ends the run with exit code 1, the job file, the JSON path and the message,
// and writes nothing.
struct RefusalCase {
    const char* name;
    std::function<void(json&)> change;
    const char* expected;
};

void PrintTo(const RefusalCase& refusal, std::ostream* os)
{
    *os << refusal.name;
}

class RunRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(RunRefusal, EndsWithExitOneNamingTheItemAndWritesNothing)
{
    const fs::path dir = FreshDir();
    json job = SampleJob();
    GetParam().change(job);
    const Outcome outcome = RunJob(WriteJob(dir, job));
    EXPECT_EQ(outcome.code, kExitRefused) << outcome.err;
    EXPECT_NE(outcome.err.find(GetParam().expected), std::string::npos) << outcome.err;
    EXPECT_FALSE(fs::exists(dir / "out.pvd"));
    EXPECT_FALSE(fs::exists(dir / "out.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "no file left behind";
}

json& Curve(json& job, int i)
{
    return job["coordinate_systems"][0]["curves"][i];
}

json& XAxis(json& job)
{
    return job["coordinate_systems"][0]["x_axis"];
}

const RefusalCase kRefusals[] = {
    {"UnknownTopKey", [](json& j) { j["imagee"] = "x"; }, "job.json: imagee: unknown key"},
    {"UnknownCurveKey", [](json& j) { Curve(j, 0)["genesys"] = json::array(); },
     "job.json: coordinate_systems[0].curves[0].genesys: unknown key"},
    {"UnknownEditKey", [](json& j) { Curve(j, 0)["edits"][0]["tol"] = "pen"; },
     "coordinate_systems[0].curves[0].edits[0].tol: unknown key"},
    {"UnknownExportKey", [](json& j) { j["export"]["separtor"] = ","; },
     "job.json: export.separtor: unknown key"},
    {"MissingKey", [](json& j) { Curve(j, 0).erase("left"); },
     "coordinate_systems[0].curves[0]: missing key \"left\""},
    {"WrongType", [](json& j) { Curve(j, 0)["left"] = "3.5"; },
     "coordinate_systems[0].curves[0].left: expected a number, found a string"},
    {"UnknownKind", [](json& j) { Curve(j, 1)["kind"] = "scatter"; },
     "coordinate_systems[0].curves[1].kind: expected one of \"continuous\", \"discrete\", \"spline\", "
     "\"density\""},
    {"PointOfThreeNumbers",
     [](json& j) {
         Curve(j, 1)["points"][1] = {1, 2, 3};
     },
     "coordinate_systems[0].curves[1].points[1]: expected a pixel point [x, y], found 3 elements"},
    {"FractionalPixel", [](json& j) { Curve(j, 1)["points"][0][0] = 534.5; },
     "coordinate_systems[0].curves[1].points[0][0]: expected an integer, found a fractional number"},
    {"GenesisOffTheLine",
     [](json& j) {
         Curve(j, 0)["genesis"][0] = {472, 200};
     },
     "job.json: coordinate_systems[0].curves[0].genesis[0]: No curve here !"},
    {"GenesisOutOfLimits",
     [](json& j) {
         Curve(j, 0)["genesis"].push_back({300, 342});
     },
     "job.json: coordinate_systems[0].curves[0].genesis[1]: Out of limits !"},
    {"GenesisOnTheCurveAlready",
     [](json& j) {
         Curve(j, 0)["genesis"].push_back({480, 307});
     },
     "job.json: coordinate_systems[0].curves[0].genesis[1]: The curve already exists here !"},
    {"NoGenesis", [](json& j) { Curve(j, 0)["genesis"] = json::array(); },
     "coordinate_systems[0].curves[0].genesis: expected at least one element"},
    {"LimitsInTheWrongOrder", [](json& j) { Curve(j, 0)["right"] = 2; },
     "coordinate_systems[0].curves[0].right: Right limit must be greater than left limit"},
    {"LogLimitNotPositive",
     [](json& j) {
         XAxis(j)["logarithmic"] = true;
         XAxis(j)["point1"]["value"] = 1;
         XAxis(j)["point2"]["value"] = 100;
         Curve(j, 0)["left"] = 0;
     },
     "coordinate_systems[0].curves[0].left: The limits values must be greater than zero because the scale is "
     "logarithmic."},
    {"LogFirstValueNotPositive",
     [](json& j) {
         XAxis(j)["logarithmic"] = true;
         XAxis(j)["point1"]["value"] = 1;
         XAxis(j)["point2"]["value"] = 100;
         Curve(j, 0)["left"] = 2;
         Curve(j, 0)["right"] = 90;
         Curve(j, 0)["first"] = -1;
     },
     "coordinate_systems[0].curves[0].first: Value must be greater than zero in the case of a logarithmic "
     "axe."},
    {"LogScaleValueNotPositive", [](json& j) { XAxis(j)["logarithmic"] = true; },
     "coordinate_systems[0].x_axis.point1.value: Logarithmic values must be greater than zero"},
    {"ParallelAxes",
     [](json& j) { j["coordinate_systems"][0]["y_axis"]["line"] = json::parse("[[100, 300], [700, 300]]"); },
     "coordinate_systems[0].y_axis.line: The two axes can't be parallel"},
    {"CoincidentScalePoints",
     [](json& j) {
         XAxis(j)["point2"]["at"] = {100, 540};
     },
     "coordinate_systems[0].x_axis.point2.at: The two scale points must be different !"},
    {"EqualScaleValues", [](json& j) { XAxis(j)["point2"]["value"] = 0; },
     "coordinate_systems[0].x_axis.point2.value: The two scale values must be different."},
    {"AxisLineOfNoLength", [](json& j) { XAxis(j)["line"] = json::parse("[[100, 534], [100, 534]]"); },
     "coordinate_systems[0].x_axis.line: the two ends of the axis line must be different"},
    {"AxisOffThePicture",
     [](json& j) {
         XAxis(j)["line"][1] = {900, 534};
     },
     "coordinate_systems[0].x_axis.line[1]: the point lies outside the picture (800 x 600 pixels)"},
    {"ThresholdComponent",
     [](json& j) {
         Curve(j, 0)["threshold"] = {70, 256, 70};
     },
     "coordinate_systems[0].curves[0].threshold: Colors must be between 0 and 255"},
    {"SmartRange", [](json& j) { Curve(j, 0)["range"] = 33; },
     "coordinate_systems[0].curves[0].range: Range must be between 1 and 32"},
    {"Thickness", [](json& j) { Curve(j, 0)["thickness"] = 0; },
     "coordinate_systems[0].curves[0].thickness: Please enter an integer between 1 and 32."},
    {"DashDistance", [](json& j) { Curve(j, 0)["dash_max_dist"] = 1001; },
     "coordinate_systems[0].curves[0].dash_max_dist: Please enter an integer between 0 and 1000."},
    {"RefineChoice", [](json& j) { Curve(j, 0)["refine"] = "subpixel"; },
     "coordinate_systems[0].curves[0].refine: expected one of \"none\", \"centre\""},
    {"PickedThicknessOffTheLine",
     [](json& j) {
         Curve(j, 0)["pick_thickness"] = {472, 100};
     },
     "coordinate_systems[0].curves[0].pick_thickness: No curve here !"},
    {"EditsEraseEverything",
     [](json& j) {
         Curve(j, 0)["edits"] = json::parse(R"([{"tool": "rubber", "stroke": [[0, 0], [799, 0]]}])");
     },
     "coordinate_systems[0].curves[0].edits: no point of the curve is left after the edits"},
    {"UnknownTool", [](json& j) { Curve(j, 0)["edits"][0]["tool"] = "brush"; },
     "coordinate_systems[0].curves[0].edits[0].tool: expected one of \"pen\", \"rubber\""},
    {"PeriodZero", [](json& j) { Curve(j, 0)["period"] = 0; },
     "coordinate_systems[0].curves[0].period: The period must be greater than zero !"},
    {"NegativeFrequency",
     [](json& j) {
         Curve(j, 0).erase("period");
         Curve(j, 0)["frequency"] = -2;
     },
     "coordinate_systems[0].curves[0].frequency: The period must be greater than zero !"},
    {"PeriodAndFrequency", [](json& j) { Curve(j, 0)["frequency"] = 2; },
     "coordinate_systems[0].curves[0].frequency: give a period or a frequency, not both"},
    {"MillionRows", [](json& j) { Curve(j, 0)["period"] = 1e-6; },
     "coordinate_systems[0].curves[0].period: Nb of points to export is too high!"},
    {"EmptyName", [](json& j) { Curve(j, 1)["name"] = ""; },
     "coordinate_systems[0].curves[1].name: a curve needs a name"},
    {"DiscretePointOffThePicture",
     [](json& j) {
         Curve(j, 1)["points"].push_back({10, 600});
     },
     "coordinate_systems[0].curves[1].points[3]: the point lies outside the picture"},
    {"NoDiscretePoint", [](json& j) { Curve(j, 1)["points"] = json::array(); },
     "coordinate_systems[0].curves[1].points: expected at least one element"},
    {"SplineOfOneNode", [](json& j) { Curve(j, 2)["nodes"].erase(1); },
     "coordinate_systems[0].curves[2].nodes: a spline curve needs at least two nodes"},
    {"PointsPerSegmentZero", [](json& j) { Curve(j, 2)["points_per_segment"] = 0; },
     "coordinate_systems[0].curves[2].points_per_segment: Please enter an integer between 1 and 1000."},
    {"PointsPerSegmentTooMany", [](json& j) { Curve(j, 2)["points_per_segment"] = 1001; },
     "coordinate_systems[0].curves[2].points_per_segment: Please enter an integer between 1 and 1000."},
    {"DensitySegmentOfNoLength",
     [](json& j) {
         Curve(j, 3)["segment"][1] = {472, 350};
     },
     "coordinate_systems[0].curves[3].segment: the two ends of the segment must be different"},
    {"DensitySameColors",
     [](json& j) {
         Curve(j, 3)["bottom_color"] = {0, 0, 0};
     },
     "coordinate_systems[0].curves[3].bottom_color: The two scale colors must be different !"},
    {"DensitySameValues", [](json& j) { Curve(j, 3)["bottom_value"] = 100; },
     "coordinate_systems[0].curves[3].top_value: The two scale values must be different !"},
    {"DensityColorComponent",
     [](json& j) {
         Curve(j, 3)["top_color"] = {-1, 0, 0};
     },
     "coordinate_systems[0].curves[3].top_color: Colors must be between 0 and 255"},
    {"DensityFirstOutsideTheSegment", [](json& j) { Curve(j, 3)["first_y"] = 90; },
     "coordinate_systems[0].curves[3].first_y: The value is outside the range !"},
    {"DensityXOnAVerticalSegment", [](json& j) { Curve(j, 3)["display"] = "both"; },
     "coordinate_systems[0].curves[3].display: the segment runs parallel to the Y axis: only Y can be used"},
    {"DensityPeriodZero", [](json& j) { Curve(j, 3)["y_period"] = 0; },
     "coordinate_systems[0].curves[3].y_period: The period must be greater than zero !"},
    {"DensityMillionRows", [](json& j) { Curve(j, 3)["y_period"] = 1e-6; },
     "coordinate_systems[0].curves[3].y_period: Nb of points to export is too high!"},
    {"DensityTwoPeriods", [](json& j) { Curve(j, 3)["y_frequency"] = 2; },
     "coordinate_systems[0].curves[3].y_frequency: give one of x_period, y_period, x_frequency and "
     "y_frequency"},
    {"ExportedContinuousCurveWithoutPeriod", [](json& j) { Curve(j, 0).erase("period"); },
     "job.json: export: curve \"Oscillation\": no period is defined for this curve"},
    {"ExportedDensityCurveWithoutPeriod", [](json& j) { Curve(j, 3).erase("y_period"); },
     "job.json: export: curve \"Profile\": no period is defined for this curve"},
    {"ExportedCurveUnknown",
     [](json& j) {
         j["export"]["curves"] = {"Measures", "Mesures"};
     },
     "job.json: export: no curve is named \"Mesures\""},
    {"BadSeparator", [](json& j) { j["export"]["separator"] = "tabs"; },
     "job.json: export.separator: expected \"tab\", \"semicolon\", \"comma\", \"space\" or a single "
     "character"},
    {"SaveOverTheExport", [](json& j) { j["save"] = "out.txt"; },
     "job.json: export.path: the export would replace the document saved by the job"},
    {"SaveOverThePicture", [](json& j) { j["save"] = j["image"]; },
     "job.json: save: this would replace the job's picture"},
    {"ExportOverTheJob", [](json& j) { j["export"]["path"] = "job.json"; },
     "job.json: export.path: this would replace the job file itself"},
    // Text that no dialog could type: a NUL cuts a path short, a line break breaks the export.
    {"NulInAnOutputPath", [](json& j) { j["save"] = std::string("out.pvd\0x", 9); },
     "job.json: save: the text holds a control character (code 0)"},
    {"LineBreakInACurveName", [](json& j) { Curve(j, 1)["name"] = "Mea\r\nsures"; },
     "coordinate_systems[0].curves[1].name: the text holds a control character (code 13)"},
    {"TooManyGenesisPoints",
     [](json& j) {
         Curve(j, 0)["genesis"] = json::array();
         for (int i = 0; i < 1001; ++i)
             Curve(j, 0)["genesis"].push_back({472, 300});
     },
     "coordinate_systems[0].curves[0].genesis: too many genesis points: at most 1000 on one curve and 3000 "
     "in a job"},
    {"SaveIntoAFolderThatIsNot",
     [](json& j) {
         j["save"] = "missing/out.pvd";
         j["export"]["path"] = "missing/out.txt";
     },
     "job.json: save: "},
};

INSTANTIATE_TEST_SUITE_P(Cases, RunRefusal, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<RefusalCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(RunCommand, ARefusedRunLeavesExistingOutputsUntouched)
{
    const fs::path dir = FreshDir();
    WriteFile(dir / "out.pvd", "my document");
    WriteFile(dir / "out.txt", "my export");
    json job = SampleJob();
    // Refused at the very end, once the document is built: no period to export with.
    Curve(job, 3).erase("y_period");
    EXPECT_EQ(RunJob(WriteJob(dir, job)).code, kExitRefused);
    EXPECT_EQ(ReadFile(dir / "out.pvd"), "my document");
    EXPECT_EQ(ReadFile(dir / "out.txt"), "my export");

    // The export cannot be written (its folder is missing): the document stays as it was.
    job = SampleJob();
    job["export"]["path"] = "missing/out.txt";
    const Outcome failed = RunJob(WriteJob(dir, job));
    EXPECT_EQ(failed.code, kExitRefused);
    EXPECT_NE(failed.err.find("Cannot open the file for writing."), std::string::npos) << failed.err;
    EXPECT_EQ(ReadFile(dir / "out.pvd"), "my document");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3)
        << "nothing left behind";

    // A run that succeeds replaces both.
    EXPECT_EQ(RunJob(WriteJob(dir, SampleJob())).code, kExitOk);
    EXPECT_NE(ReadFile(dir / "out.pvd"), "my document");
    EXPECT_EQ(ReadFile(dir / "out.txt").rfind("Graph recognition by Plotvane.\r\n", 0), 0u);
}

TEST(RunCommand, UnreadableInputsExitWithThree)
{
    const fs::path dir = FreshDir();

    const Outcome noJob = RunJob(dir / "absent.json");
    EXPECT_EQ(noJob.code, kExitUnreadable);
    EXPECT_NE(noJob.err.find("absent.json: cannot read the job: No such file or directory"),
              std::string::npos)
        << noJob.err;

    WriteFile(dir / "broken.json", "{\"image\": \"graph.png\",\n \"save\": }");
    const Outcome syntax = RunJob(dir / "broken.json");
    EXPECT_EQ(syntax.code, kExitUnreadable);
    EXPECT_NE(syntax.err.find("broken.json: not valid JSON: parse error at line 2"), std::string::npos)
        << syntax.err;

    WriteFile(dir / "deep.json", std::string(100000, '[') + std::string(100000, ']'));
    const Outcome deep = RunJob(dir / "deep.json");
    EXPECT_EQ(deep.code, kExitUnreadable);
    EXPECT_NE(deep.err.find("nested too deeply"), std::string::npos) << deep.err;

    json job = SampleJob();
    job["image"] = "absent.png";
    const Outcome noImage = RunJob(WriteJob(dir, job));
    EXPECT_EQ(noImage.code, kExitUnreadable);
    EXPECT_NE(noImage.err.find("job.json: image: cannot read " + (dir / "absent.png").string() +
                               ": No such file or directory"),
              std::string::npos)
        << noImage.err;

    WriteFile(dir / "text.png", "this is no picture");
    job["image"] = "text.png";
    const Outcome notAPicture = RunJob(WriteJob(dir, job));
    EXPECT_EQ(notAPicture.code, kExitUnreadable);
    EXPECT_NE(notAPicture.err.find("job.json: image: " + (dir / "text.png").string() +
                                   ": Failed to Open this file ! (Unknown file type.)"),
              std::string::npos)
        << notAPicture.err;
    EXPECT_FALSE(fs::exists(dir / "out.pvd"));

    const Outcome array = RunCli<CRunCommand>("run", {WriteJob(dir, json::array({1, 2})).string()});
    EXPECT_EQ(array.code, kExitRefused);
    EXPECT_NE(array.err.find("job.json: a job is a JSON object"), std::string::npos) << array.err;
}

TEST(RunCommand, ARepeatedKeyIsRefusedWithItsPath)
{
    const fs::path dir = FreshDir();
    std::string strText = SampleJob().dump();
    const std::string strKey = "\"first\":4";
    const size_t at = strText.find(strKey);
    ASSERT_NE(at, std::string::npos);
    strText.insert(at, strKey + ",");
    WriteFile(dir / "job.json", strText);
    const Outcome outcome = RunJob(dir / "job.json");
    EXPECT_EQ(outcome.code, kExitRefused);
    EXPECT_NE(outcome.err.find("job.json: coordinate_systems[0].curves[0].first: the key appears twice"),
              std::string::npos)
        << outcome.err;
}

TEST(RunCommand, ARedundantGenesisPointIsRemovedWithAWarningAndTheRunGoesOn)
{
    // A line that joins another from above: traced from a point on the upper one, following
    // the bottom edge, the part runs on along the lower one through the genesis point
    // clicked there first, which becomes redundant.
    const fs::path dir = FreshDir();
    const std::string strCommand =
        "convert -size 120x80 xc:white -stroke black -strokewidth 3 -draw 'line 10,60 "
        "110,60' -draw 'line 10,20 50,60' '" +
        (dir / "fork.png").string() + "'";
    if (std::system(strCommand.c_str()) != 0)
        SKIP_WITHOUT_TOOL("ImageMagick's convert could not draw the picture");
    const json job = json::parse(R"({
      "image": "fork.png",
      "coordinate_systems": [{
        "x_axis": {"line": [[5, 75], [115, 75]], "point1": {"at": [5, 75], "value": 0},
                   "point2": {"at": [115, 75], "value": 10}},
        "y_axis": {"line": [[5, 75], [5, 5]], "point1": {"at": [5, 75], "value": 0},
                   "point2": {"at": [5, 5], "value": 10}},
        "curves": [{"kind": "continuous", "left": 1, "right": 9, "follow": "bottom",
                    "genesis": [[80, 60], [20, 30]], "period": 1}]
      }],
      "save": "fork.pvd"
    })");
    const Outcome outcome = RunJob(WriteJob(dir, job));
    EXPECT_EQ(outcome.code, kExitOk) << outcome.err;
    EXPECT_EQ(outcome.err, (dir / "job.json").string() +
                               ": coordinate_systems[0].curves[0].genesis[1]: warning: Genesis point with "
                               "coordinate X= 6.818182 Y= 2.142857 is redundant and will be removed.\n");
    EXPECT_TRUE(fs::exists(dir / "fork.pvd"));
}

TEST(RunCommand, ASplineOfMoreThanAMillionRowsIsRefusedWhenExported)
{
    const fs::path dir = FreshDir();
    json job = SampleJob();
    json nodes = json::array();
    for (int i = 0; i < 1002; ++i)
        nodes.push_back({{"anchor", {100 + i % 600, 100 + i / 3}}});
    json& spline = job["coordinate_systems"][0]["curves"][2];
    spline["nodes"] = nodes;
    spline["points_per_segment"] = 1000;
    const Outcome outcome = RunJob(WriteJob(dir, job));
    EXPECT_EQ(outcome.code, kExitRefused);
    EXPECT_EQ(outcome.err, (dir / "job.json").string() +
                               ": export: curve \"Trend\": Nb of points to export is too high!\n");
    EXPECT_FALSE(fs::exists(dir / "out.pvd"));
}

TEST(RunCommand, CurvesTooLargeToBeExportedTogetherAreRefused)
{
    // Eleven splines of 999,001 rows each: each one within the million rows of its dialog,
    // together more than an export holds.
    const fs::path dir = FreshDir();
    json job = SampleJob();
    json nodes = json::array();
    for (int i = 0; i < 1000; ++i)
        nodes.push_back({{"anchor", {100 + i % 600, 100 + i / 3}}});
    json curves = json::array();
    for (int k = 0; k < 11; ++k)
        curves.push_back({{"kind", "spline"}, {"nodes", nodes}, {"points_per_segment", 1000}});
    job["coordinate_systems"][0]["curves"] = curves;
    const Outcome outcome = RunJob(WriteJob(dir, job));
    EXPECT_EQ(outcome.code, kExitRefused);
    EXPECT_EQ(outcome.err,
              (dir / "job.json").string() +
                  ": export: Nb of points to export is too high! (the curves chosen are too large to "
                  "be exported together)\n");
    EXPECT_FALSE(fs::exists(dir / "out.pvd"));
}

TEST(RunCommand, TheCentreLineRefinementIsKeptAndMovesTheRowsBetweenPixels)
{
    // The oscillation without hand edits, traced once plainly and once refined.
    const fs::path dir = FreshDir();
    std::vector<std::string> rows[2];
    for (const char* refine : {"none", "centre"}) {
        json job = SampleJob();
        json& curve = job["coordinate_systems"][0]["curves"][0];
        curve.erase("edits");
        curve["refine"] = refine;
        job["coordinate_systems"][0]["curves"] = json::array({curve});
        job["save"] = std::string(refine) + ".pvd";
        job["export"]["path"] = std::string(refine) + ".txt";
        ASSERT_EQ(RunJob(WriteJob(dir, job)).code, kExitOk);
        const Outcome info =
            RunCli<CInfoCommand>("info", {(dir / job["save"].get<std::string>()).string(), "--json"});
        ASSERT_EQ(info.code, kExitOk) << info.err;
        EXPECT_EQ(json::parse(info.out)["coordinate_systems"][0]["curves"][0]["refine"], refine);
        rows[std::string(refine) == "centre"] =
            Lines(ReadFile(dir / job["export"]["path"].get<std::string>()));
    }
    // Same rows, each within about a pixel (0.22 Y units) of today's, and on the line.
    ASSERT_EQ(rows[0].size(), rows[1].size());
    ASSERT_GT(rows[0].size(), 7u + 10u);
    int nMoved = 0;
    for (size_t i = 7; i < rows[0].size(); ++i) {
        const double plain = std::stod(Cells(rows[0][i])[1]);
        const double refined = std::stod(Cells(rows[1][i])[1]);
        EXPECT_NEAR(refined, plain, 0.25) << rows[1][i];
        EXPECT_NEAR(refined, Oscillation(std::stod(Cells(rows[1][i])[0])), 1.0) << rows[1][i];
        nMoved += refined != plain;
    }
    EXPECT_GT(nMoved, 5);
}
