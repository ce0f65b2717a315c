#include "cli/InfoCommand.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "cli/ExitCode.h"
#include "cli/RunCommand.h"

namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome RunInfo(std::vector<std::string> args)
{
    CLI::App app;
    CInfoCommand info(app);
    args.insert(args.begin(), "info");
    std::reverse(args.begin(), args.end());  // CLI11 parses a reversed vector
    app.parse(args);
    std::ostringstream out, err;
    const int code = info.Run(out, err);
    return {code, out.str(), err.str()};
}

const std::string kSample = std::string(PLOTVANE_TEST_DATA) + "/../../examples/sample-graph.png";

}  // namespace

TEST(InfoCommand, DescribesTheSampleGraphAsTextAndJson)
{
    const Outcome text = RunInfo({kSample});
    EXPECT_EQ(text.code, kExitOk);
    EXPECT_NE(text.out.find("format: PNG\n"), std::string::npos);
    EXPECT_NE(text.out.find("width: 800\nheight: 600\n"), std::string::npos);
    EXPECT_TRUE(text.err.empty());

    const Outcome json = RunInfo({kSample, "--json"});
    ASSERT_EQ(json.code, kExitOk);
    const auto j = nlohmann::json::parse(json.out);
    EXPECT_EQ(j["format"], "PNG");
    EXPECT_EQ(j["width"], 800);
    EXPECT_EQ(j["height"], 600);
    EXPECT_EQ(j["bits_per_pixel"], 32);
}

TEST(InfoCommand, UnreadableFilesExitWithThreeAndTheReasonOnStderr)
{
    const Outcome missing = RunInfo({"/nonexistent/graph.png"});
    EXPECT_EQ(missing.code, kExitUnreadable);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_NE(missing.err.find("Failed to open given file"), std::string::npos);

    const Outcome notAnImage = RunInfo({std::string(PLOTVANE_TEST_DATA) + "/../CMakeLists.txt"});
    EXPECT_EQ(notAnImage.code, kExitUnreadable);
    EXPECT_NE(notAnImage.err.find("Unknown file type."), std::string::npos);
}

namespace {

// The sample job of the other cli tests, run into a document in a fresh folder.
std::string SampleDocument()
{
    const clitest::fs::path dir = clitest::FreshDir();
    nlohmann::json job = clitest::SampleJob();
    job.erase("export");
    const clitest::Outcome run = clitest::RunCli<CRunCommand>("run", {clitest::WriteJob(dir, job).string()});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    return (dir / "out.pvd").string();
}

}  // namespace

TEST(InfoCommand, DescribesADocumentAsOneJsonObjectWithItsPoints)
{
    const std::string strDoc = SampleDocument();
    const Outcome outcome = RunInfo({strDoc, "--json", "--points"});
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    const auto j = nlohmann::json::parse(outcome.out);

    EXPECT_EQ(j["image"]["name"], clitest::SampleGraph().string());
    EXPECT_EQ(j["image"]["width"], 800);
    EXPECT_EQ(j["image"]["height"], 600);
    ASSERT_EQ(j["coordinate_systems"].size(), 1u);
    const auto& cs = j["coordinate_systems"][0];
    EXPECT_EQ(cs["number"], 1);
    EXPECT_EQ(cs["transform_valid"], true);
    EXPECT_EQ(cs["x_axis"]["name"], "Time");
    EXPECT_EQ(cs["x_axis"]["logarithmic"], false);
    EXPECT_EQ(cs["x_axis"]["line"], nlohmann::json::parse("[[100, 534], [720, 534]]"));
    EXPECT_EQ(cs["x_axis"]["point2"]["at"], nlohmann::json::parse("[720, 534]"));
    EXPECT_EQ(cs["x_axis"]["point2"]["value"], 10.0);
    EXPECT_EQ(cs["y_axis"]["point2"]["value"], 100.0);

    const auto& curves = cs["curves"];
    ASSERT_EQ(curves.size(), 4u);
    const char* const kinds[] = {"continuous", "discrete", "spline", "density"};
    const char* const names[] = {"Oscillation", "Measures", "Trend", "Profile"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(curves[i]["kind"], kinds[i]);
        EXPECT_EQ(curves[i]["name"], names[i]);
        EXPECT_EQ(curves[i]["number"], static_cast<int>(i) + 1);
        EXPECT_EQ(curves[i]["point_count"], curves[i]["points"].size());
    }
    // The traced line covers the columns from the left limit (3.5, column 317, within
    // rounding) to the right one (9.5, column 689), once each.
    EXPECT_GT(curves[0]["point_count"].get<int>(), 360);
    EXPECT_NEAR(curves[0]["points"][0][0].get<int>(), 317, 1);
    EXPECT_EQ(curves[0]["genesis"], nlohmann::json::parse("[[472, 300]]"));
    EXPECT_EQ(curves[0]["results"]["first"], 4.0);
    EXPECT_EQ(curves[0]["results"]["period"], 0.5);
    EXPECT_EQ(curves[0]["hand_modified"], true);
    EXPECT_EQ(curves[1]["points"], nlohmann::json::parse("[[162, 442], [285, 371], [534, 248]]"))
        << "sorted by X";
    EXPECT_EQ(curves[2]["points"][0],
              nlohmann::json::parse(
                  R"({"anchor": [162, 442], "front": [0, 0], "back": [60, -40], "smooth": true})"));
    EXPECT_EQ(curves[2]["results"]["points_per_segment"], 10);
    EXPECT_EQ(curves[3]["points"], nlohmann::json::parse("[[472, 350], [472, 250]]"));
    EXPECT_EQ(curves[3]["results"]["display"], "y");
    EXPECT_EQ(curves[3]["results"]["first_y"], 45.0);
    EXPECT_EQ(curves[3]["results"]["y_period"], 0.5);

    // Without --points the lists are left out; the text form tells the same.
    const auto brief = nlohmann::json::parse(RunInfo({strDoc, "--json"}).out);
    EXPECT_FALSE(brief["coordinate_systems"][0]["curves"][0].contains("points"));
    EXPECT_EQ(brief["coordinate_systems"][0]["curves"][1]["point_count"], 3);
    const Outcome text = RunInfo({strDoc});
    EXPECT_EQ(text.code, kExitOk);
    EXPECT_NE(text.out.find("\n    curves:\n      - kind: continuous\n        name: Oscillation\n"),
              std::string::npos)
        << text.out;
}

TEST(InfoCommand, ADocumentIsRecognisedWhateverItsNameAndADamagedOneIsExplained)
{
    const std::string strDoc = SampleDocument();
    const std::string strOther = strDoc + ".bin";
    clitest::fs::copy_file(strDoc, strOther);
    EXPECT_EQ(RunInfo({strOther, "--json"}).code, kExitOk);

    std::string strBytes = clitest::ReadFile(strDoc);
    clitest::WriteFile(strDoc, strBytes.substr(0, strBytes.size() - 3));
    const Outcome cut = RunInfo({strDoc});
    EXPECT_EQ(cut.code, kExitUnreadable);
    EXPECT_EQ(cut.out, "");
    EXPECT_EQ(cut.err.rfind(strDoc + ": cannot read the document: ", 0), 0u) << cut.err;

    clitest::WriteFile(strOther, strBytes.substr(0, 100));
    const Outcome cutOther = RunInfo({strOther});
    EXPECT_EQ(cutOther.code, kExitUnreadable);
    EXPECT_NE(cutOther.err.find("Unknown file type. Not a document either: "), std::string::npos)
        << cutOther.err;
}

TEST(InfoCommand, APictureTooLargeForTheMemoryIsRefusedWithExitOneInInfoAndRun)
{
    const clitest::fs::path dir = clitest::FreshDir();
    const std::string strHuge = (dir / "huge.pgm").string();
    clitest::WriteFile(strHuge, "P5\n40000 30000\n255\n");
    const Outcome info = RunInfo({strHuge});
    EXPECT_EQ(info.code, kExitRefused);
    EXPECT_EQ(info.err, strHuge + ": Not enough memory ! (PGM decoder: Image too large.)\n");

    nlohmann::json job = clitest::SampleJob();
    job["image"] = "huge.pgm";
    const clitest::Outcome run = clitest::RunCli<CRunCommand>("run", {clitest::WriteJob(dir, job).string()});
    EXPECT_EQ(run.code, kExitRefused);
    EXPECT_EQ(run.err, (dir / "job.json").string() + ": image: " + strHuge +
                           ": Not enough memory ! (PGM decoder: Image too large.)\n");
    EXPECT_FALSE(clitest::fs::exists(dir / "out.pvd"));
}

TEST(InfoCommand, ANonAsciiPictureNameIsOneTextInTheDocumentInfoAndExport)
{
    const clitest::fs::path dir = clitest::FreshDir();
    // "café €.png": Windows-1252 holds both characters; the document and the export (both
    // Windows-1252) hold them as single bytes and info prints them in UTF-8.
    const clitest::fs::path picture = dir / "caf\xC3\xA9 \xE2\x82\xAC.png";
    clitest::fs::copy_file(clitest::SampleGraph(), picture);
    nlohmann::json job = clitest::SampleJob();
    job["image"] = picture.filename().string();
    const clitest::Outcome run = clitest::RunCli<CRunCommand>("run", {clitest::WriteJob(dir, job).string()});
    ASSERT_EQ(run.code, kExitOk) << run.err;

    const Outcome info = RunInfo({(dir / "out.pvd").string(), "--json"});
    ASSERT_EQ(info.code, kExitOk) << info.err;
    EXPECT_EQ(nlohmann::json::parse(info.out)["image"]["name"], picture.string());
    const std::vector<std::string> lines = clitest::Lines(clitest::ReadFile(dir / "out.txt"));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[3], dir.string() + "/caf\xE9 \x80.png");
}
