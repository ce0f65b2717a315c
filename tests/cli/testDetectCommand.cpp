#include <gtest/gtest.h>

#include <cmath>

#include "CliTestSupport.h"
#include "cli/DetectCommand.h"
#include "cli/RunCommand.h"
#include "detect/LabelReader.h"
#include "tests/support/RequiredTool.h"

using namespace clitest;

namespace {

class DetectCommand : public testing::Test {
protected:
    void SetUp() override
    {
        if (!CLabelReader().IsReady())
            SKIP_WITHOUT_TOOL("Tesseract's English data (tesseract-ocr-eng) cannot be loaded");
        m_Dir = FreshDir();
    }

    static Outcome Detect(std::vector<std::string> args)
    {
        return RunCli<CDetectCommand>("detect", std::move(args));
    }

    // The exported rows of the sample's dots measured with the coordinate system of a job.
    std::vector<std::string> MeasureDots(nlohmann::json job, const std::string& strName)
    {
        job["coordinate_systems"][0]["curves"] = nlohmann::json::array({SampleCurves()[1]});
        job["export"] = {{"path", strName + ".txt"}, {"separator", "tab"}};
        const Outcome run = RunCli<CRunCommand>("run", {WriteJob(m_Dir, job, strName + ".json").string()});
        EXPECT_EQ(run.code, 0) << run.err;
        const std::vector<std::string> lines = Lines(ReadFile(m_Dir / (strName + ".txt")));
        return std::vector<std::string>(lines.begin() + std::min<size_t>(lines.size(), 7), lines.end());
    }

    fs::path m_Dir;
};

}  // namespace

TEST_F(DetectCommand, WritesAJobThatRunMeasuresTheSampleWith)
{
    const fs::path jobPath = m_Dir / "sub" / "detected.json";
    fs::create_directories(jobPath.parent_path());
    const Outcome detect = Detect({SampleGraph().string(), "-o", jobPath.string()});
    ASSERT_EQ(detect.code, 0) << detect.err;
    EXPECT_TRUE(detect.out.empty());
    nlohmann::json job = nlohmann::json::parse(ReadFile(jobPath));
    // The picture is named from the job's folder.
    EXPECT_EQ(job["image"], SampleGraph().lexically_relative(jobPath.parent_path()).generic_string());
    ASSERT_EQ(job["coordinate_systems"].size(), 1u);
    job["image"] = SampleGraph().string();

    nlohmann::json sample;
    sample["image"] = SampleGraph().string();
    sample["coordinate_systems"] = nlohmann::json::array({SampleCoordSyst()});
    const std::vector<std::string> found = MeasureDots(job, "found");
    const std::vector<std::string> truth = MeasureDots(sample, "truth");
    ASSERT_EQ(found.size(), truth.size());
    ASSERT_FALSE(found.empty());
    for (size_t i = 0; i < found.size(); ++i) {
        double xf = 0, yf = 0, xt = 0, yt = 0;
        ASSERT_EQ(std::sscanf(found[i].c_str(), "%lf\t%lf", &xf, &yf), 2) << found[i];
        ASSERT_EQ(std::sscanf(truth[i].c_str(), "%lf\t%lf", &xt, &yt), 2) << truth[i];
        // Within one pixel's worth: 10 over 620 pixels, 100 over 462.
        EXPECT_NEAR(xf, xt, 10.0 / 620) << i;
        EXPECT_NEAR(yf, yt, 100.0 / 462) << i;
    }
}

TEST_F(DetectCommand, ReportsOnStdoutAndRefusesPicturesWithoutAxes)
{
    const Outcome report = Detect({SampleGraph().string(), "--json", "-o", (m_Dir / "job.json").string()});
    ASSERT_EQ(report.code, 0) << report.err;
    const nlohmann::json j = nlohmann::json::parse(report.out);
    EXPECT_EQ(j["found"], 1);
    EXPECT_EQ(j["plots"][0]["x_axis"]["labels"].size(), 6u);
    EXPECT_TRUE(fs::exists(m_Dir / "job.json"));

    // A blank picture: exit 1, the reason, no job.
    const fs::path blank = m_Dir / "blank.pgm";
    WriteFile(blank, "P5 120 90 255\n" + std::string(120 * 90, '\xff'));
    const fs::path none = m_Dir / "none.json";
    const Outcome refused = Detect({blank.string(), "-o", none.string()});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("no axis lines found"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(none));
}
