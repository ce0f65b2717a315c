// Jobs and descriptions of PDF pictures drawn by matplotlib: the curve of a PDF figure is
// traced as well as the same figure's PNG, the page chosen is the one kept, and the keys
// that choose a page and a resolution are checked.

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "cli/ExitCode.h"
#include "cli/InfoCommand.h"
#include "cli/RunCommand.h"
#include "tests/support/PdfFigures.h"
#include "tests/support/RequiredTool.h"

using namespace clitest;
using nlohmann::json;

namespace {

class PdfJobTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = fs::path(PLOTVANE_TEST_WORK) / "cli-pdf";
        s_bDrawn = pdftest::MakePdfFigures(s_dir);
    }

    void SetUp() override
    {
        if (!s_bDrawn)
            SKIP_WITHOUT_TOOL("matplotlib (Debian's /usr/bin/python3) is not available");
        m_dir = FreshDir();
    }

    static fs::path Figure(const std::string& name) { return s_dir / name; }

    Outcome Run(const json& job) { return RunCli<CRunCommand>("run", {WriteJob(m_dir, job).string()}); }

    // The sine of the figure traced from column 300 and exported from X 1 to 9 by 0.25;
    // the largest distance of the exported Y from sin(X), or a negative value when the run
    // fails.
    double SineError(const fs::path& picture, int dpi)
    {
        json job = json::parse(R"({
          "coordinate_systems": [{
            "x_axis": {"line": [[10, 390], [590, 390]],
                       "point1": {"at": [60, 390], "value": 1}, "point2": {"at": [540, 390], "value": 9}},
            "y_axis": {"line": [[10, 390], [10, 10]],
                       "point1": {"at": [10, 350], "value": -1.125}, "point2": {"at": [10, 50], "value": 1.125}},
            "curves": [{"kind": "continuous", "name": "Sine", "left": 0.5, "right": 9.5,
                        "genesis": [[300, 328]], "pick_thickness": [300, 328], "first": 1, "period": 0.25}]
          }],
          "export": {"path": "out.txt"}
        })");
        job["image"] = picture.string();
        if (dpi != 0)
            job["dpi"] = dpi;
        const Outcome outcome = Run(job);
        EXPECT_EQ(outcome.code, kExitOk) << outcome.err;
        if (outcome.code != kExitOk)
            return -1;
        double dError = 0;
        int nRows = 0;
        for (const std::string& line : Lines(ReadFile(m_dir / "out.txt"))) {
            std::istringstream cells(line);
            double x = 0;
            double y = 0;
            if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0])) || !(cells >> x >> y))
                continue;
            dError = std::max(dError, std::fabs(y - std::sin(x)));
            ++nRows;
        }
        EXPECT_GE(nRows, 30) << "X from 1 to about 9.5 by 0.25";
        return dError;
    }

    static fs::path s_dir;
    static bool s_bDrawn;
    fs::path m_dir;
};

fs::path PdfJobTest::s_dir;
bool PdfJobTest::s_bDrawn = false;

TEST_F(PdfJobTest, TheCurveOfAPdfFigureIsTracedAsWellAsOnTheSameFigureAsPng)
{
    const double dPng = SineError(Figure("curve.png"), 0);
    const double dPdf = SineError(Figure("curve.pdf"), 100);
    ASSERT_GE(dPng, 0);
    ASSERT_GE(dPdf, 0);
    EXPECT_LT(dPng, 0.05);
    // One pixel is 0.0075 in Y.
    EXPECT_LE(dPdf, dPng + 0.0075) << "PNG " << dPng;
}

TEST_F(PdfJobTest, TheChosenPageIsKeptInTheDocumentWithoutThePdfFile)
{
    fs::copy_file(Figure("pages.pdf"), m_dir / "pages.pdf");
    json job = {{"image", "pages.pdf"}, {"page", 2}, {"dpi", 50}, {"save", "out.pvd"}};
    const Outcome run = Run(job);
    ASSERT_EQ(run.code, kExitOk) << run.err;
    fs::remove(m_dir / "pages.pdf");

    const Outcome info = RunCli<CInfoCommand>("info", {(m_dir / "out.pvd").string(), "--json"});
    ASSERT_EQ(info.code, kExitOk) << info.err;
    const json j = json::parse(info.out);
    EXPECT_EQ(j["image"]["name"], "pages.pdf, page 2");
    EXPECT_EQ(j["image"]["width"], 200);
    EXPECT_EQ(j["image"]["height"], 150);
}

TEST_F(PdfJobTest, PageAndResolutionAreCheckedAndOnlyForPdf)
{
    const std::string pages = Figure("pages.pdf").string();
    const struct {
        json job;
        std::string message;
    } cases[] = {
        {{{"image", pages}, {"page", 4}}, "job.json: page: expected a page from 1 to 3"},
        {{{"image", pages}, {"page", 0}}, "job.json: page: expected an integer between 1 and"},
        {{{"image", pages}, {"dpi", 29}}, "job.json: dpi: expected an integer between 30 and 1200"},
        {{{"image", pages}, {"dpi", 1201}}, "job.json: dpi: expected an integer between 30 and 1200"},
        {{{"image", Figure("curve.png").string()}, {"page", 1}},
         "job.json: page: only a PDF picture has pages and a resolution"},
        {{{"image", Figure("curve.png").string()}, {"dpi", 300}},
         "job.json: dpi: only a PDF picture has pages and a resolution"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Run(c.job);
        EXPECT_EQ(outcome.code, kExitRefused) << c.job.dump();
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    }
}

TEST_F(PdfJobTest, UnreadablePdfFilesExitWithThreeAndTheirReason)
{
    const Outcome enormous = Run({{"image", Figure("enormous.pdf").string()}});
    EXPECT_EQ(enormous.code, kExitUnreadable);
    EXPECT_NE(enormous.err.find("The page is too large at this resolution."), std::string::npos)
        << enormous.err;
    const Outcome info = RunCli<CInfoCommand>("info", {Figure("locked.pdf").string()});
    if (!fs::exists(Figure("locked.pdf")))
        return;
    EXPECT_EQ(info.code, kExitUnreadable);
    EXPECT_NE(info.err.find("The PDF file is protected by a password."), std::string::npos) << info.err;
}

TEST_F(PdfJobTest, InfoListsThePagesWithTheirSizesInPoints)
{
    const Outcome text = RunCli<CInfoCommand>("info", {Figure("pages.pdf").string()});
    ASSERT_EQ(text.code, kExitOk) << text.err;
    EXPECT_NE(text.out.find("format: PDF\npages: 3\npage 1: 288 x 216 points\npage 2: 288 x 216 points\n"
                            "page 3: 216 x 144 points\n"),
              std::string::npos)
        << text.out;
    const Outcome jsonOut = RunCli<CInfoCommand>("info", {Figure("pages.pdf").string(), "--json"});
    ASSERT_EQ(jsonOut.code, kExitOk) << jsonOut.err;
    const json j = json::parse(jsonOut.out);
    EXPECT_EQ(j["format"], "PDF");
    ASSERT_EQ(j["pages"].size(), 3u);
    EXPECT_EQ(j["pages"][2]["page"], 3);
    EXPECT_DOUBLE_EQ(j["pages"][2]["width"].get<double>(), 216);
    EXPECT_DOUBLE_EQ(j["pages"][2]["height"].get<double>(), 144);
}

}  // namespace
