#include "cli/RenderCommand.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "Dm/BmpManager.h"
#include "cli/DocumentRenderer.h"
#include "cli/ExitCode.h"
#include "cli/RunCommand.h"
#include "tests/doubles/RecordingMessageService.h"

using namespace clitest;
using nlohmann::json;

namespace {

Outcome Render(std::vector<std::string> args)
{
    return RunCli<CRenderCommand>("render", std::move(args));
}

}  // namespace

#ifndef PLOTVANE_HAVE_RENDER

// A build without Qt has no drawing: the command says so and draws nothing.
TEST(RenderCommandWithoutQt, IsRefusedAsUnavailable)
{
    const fs::path dir = FreshDir();
    const Outcome outcome = Render({(dir / "any.pvd").string(), "-o", (dir / "view.png").string()});
    EXPECT_EQ(outcome.code, kExitUsage);
    EXPECT_NE(outcome.err.find("built without Qt"), std::string::npos) << outcome.err;
    EXPECT_FALSE(fs::exists(dir / "view.png"));
}

#else

namespace {

class RenderCommand : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CDocumentRenderer::IsAvailable());
        m_Dir = FreshDir();
        json job = SampleJob();
        job.erase("export");
        m_Job = WriteJob(m_Dir, job);
        const Outcome run = RunCli<CRunCommand>("run", {m_Job.string()});
        ASSERT_EQ(run.code, kExitOk) << run.err;
    }

    // The number of pixels of exactly the colour 0xRRGGBB in the rectangle.
    static int CountColor(const CBmpManager& png, uint32_t rgb, const CRect& area)
    {
        int nCount = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                nCount += (png.GetPixelColor(x, y) & 0xFFFFFF) == rgb ? 1 : 0;
        }
        return nCount;
    }

    fs::path m_Dir;
    fs::path m_Job;
};

}  // namespace

TEST_F(RenderCommand, DrawsThePictureTheAxesAndTheCurvesInTheirColours)
{
    const fs::path png = m_Dir / "view.png";
    const Outcome outcome = Render({(m_Dir / "out.pvd").string(), "-o", png.string()});
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    EXPECT_EQ(outcome.err, "");

    CRecordingMessageService messages(true);
    CBmpManager picture;
    ASSERT_TRUE(picture.Load(png.string()));
    EXPECT_EQ(picture.GetWidth(), 800);
    EXPECT_EQ(picture.GetHeight(), 600);
    // The first curve and the coordinate system are red (colour 1), the dots green (2), the
    // spline blue (3), the density segment purple (4); the picture stays where nothing is
    // drawn.
    EXPECT_GT(CountColor(picture, 0xFF0000, CRect(460, 290, 485, 310)), 5) << "the traced line";
    EXPECT_GT(CountColor(picture, 0xFF0000, CRect(300, 530, 400, 538)), 50) << "the X axis";
    EXPECT_GT(CountColor(picture, 0x00FF00, CRect(524, 238, 545, 259)), 5) << "a dot's cross";
    EXPECT_GT(CountColor(picture, 0x0000FF, CRect(300, 300, 420, 420)), 20) << "the spline";
    EXPECT_GT(CountColor(picture, 0x800080, CRect(470, 250, 475, 350)), 50) << "the density segment";
    EXPECT_EQ(picture.GetPixelColor(20, 20) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(picture.GetPixelColor(400, 72) & 0xFFFFFF, 0u) << "the frame of the graph";
}

TEST_F(RenderCommand, ZoomsAndRendersJobsWithoutTheirOutputs)
{
    fs::remove(m_Dir / "out.pvd");
    const fs::path png = m_Dir / "half.png";
    const Outcome outcome = Render({m_Job.string(), "-o", png.string(), "--zoom", "50"});
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    EXPECT_FALSE(fs::exists(m_Dir / "out.pvd")) << "render does not save";

    CRecordingMessageService messages(true);
    CBmpManager picture;
    ASSERT_TRUE(picture.Load(png.string()));
    EXPECT_EQ(picture.GetWidth(), 400);
    EXPECT_EQ(picture.GetHeight(), 300);
    EXPECT_GT(CountColor(picture, 0xFF0000, CRect(225, 140, 245, 160)), 2) << "the traced line";
}

TEST_F(RenderCommand, FailuresLeaveAnExistingPictureUntouched)
{
    const fs::path png = m_Dir / "view.png";
    WriteFile(png, "my picture");

    const Outcome missing = Render({(m_Dir / "absent.pvd").string(), "-o", png.string()});
    EXPECT_EQ(missing.code, kExitUnreadable);
    EXPECT_NE(missing.err.find("absent.pvd: cannot read the document: "), std::string::npos) << missing.err;

    json job = SampleJob();
    job["coordinate_systems"][0]["curves"][0]["genesis"][0] = {472, 200};
    const Outcome refused = Render({WriteJob(m_Dir, job, "bad.json").string(), "-o", png.string()});
    EXPECT_EQ(refused.code, kExitRefused);
    EXPECT_NE(refused.err.find("bad.json: coordinate_systems[0].curves[0].genesis[0]: No curve here !"),
              std::string::npos)
        << refused.err;

    const Outcome zoom = Render({(m_Dir / "out.pvd").string(), "-o", png.string(), "--zoom", "0"});
    EXPECT_EQ(zoom.code, kExitUsage);
    const Outcome huge = Render({(m_Dir / "out.pvd").string(), "-o", png.string(), "--zoom", "1000"});
    EXPECT_EQ(huge.code, kExitRefused);
    EXPECT_NE(huge.err.find("too large at this zoom (8000 x 6000 pixels; at most 33554432 pixels, which a "
                            "zoom of 836 or less gives)"),
              std::string::npos)
        << huge.err;

    const Outcome unwritable =
        Render({(m_Dir / "out.pvd").string(), "-o", (m_Dir / "missing" / "view.png").string()});
    EXPECT_EQ(unwritable.code, kExitRefused);
    EXPECT_TRUE(ReadFile(png) == "my picture");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_Dir), fs::directory_iterator()), 4)
        << "nothing left behind";
}

#endif  // PLOTVANE_HAVE_RENDER
