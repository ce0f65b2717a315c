// Damaged documents given to the commands that read them: every one ends with exit code 3
// and a reason (or, when the damage leaves a readable document, works), never with a crash,
// a hang or a huge allocation.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "cli/DocumentRenderer.h"
#include "cli/ExitCode.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/RenderCommand.h"
#include "cli/RunCommand.h"
#include "tests/support/RequiredTool.h"

using namespace clitest;
using nlohmann::json;

namespace {

class DamagedDocuments : public testing::Test {
protected:
    // A small document: a 60 x 40 picture with a slanted line and a dot, one curve of each
    // kind on it. Made in each test's own folder: the tests may run in parallel processes.
    void SetUp() override
    {
        m_Dir = FreshDir();
        m_Bytes.clear();
        const std::string strCommand =
            "convert -size 60x40 xc:white -stroke black -strokewidth 2 -draw 'line 5,30 55,10' "
            "-draw 'point 20,8' '" +
            (m_Dir / "small.png").string() + "'";
        if (std::system(strCommand.c_str()) != 0)
            SKIP_WITHOUT_TOOL("ImageMagick's convert could not draw the picture");
        const json job = json::parse(R"({
          "image": "small.png",
          "coordinate_systems": [{
            "x_axis": {"line": [[2, 38], [58, 38]], "point1": {"at": [2, 38], "value": 0},
                       "point2": {"at": [58, 38], "value": 10}},
            "y_axis": {"line": [[2, 38], [2, 2]], "point1": {"at": [2, 38], "value": 0},
                       "point2": {"at": [2, 2], "value": 10}},
            "curves": [
              {"kind": "continuous", "left": 1, "right": 9, "genesis": [[30, 20]], "period": 1},
              {"kind": "discrete", "points": [[20, 8]]},
              {"kind": "spline", "nodes": [{"anchor": [10, 30], "back": [10, -5]}, {"anchor": [50, 10]}]},
              {"kind": "density", "segment": [[5, 35], [55, 35]], "display": "x", "first_x": 1, "x_period": 1}
            ]
          }],
          "save": "small.pvd"
        })");
        const Outcome outcome = RunCli<CRunCommand>("run", {WriteJob(m_Dir, job).string()});
        ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
        m_Bytes = ReadFile(m_Dir / "small.pvd");
    }

    std::string Damaged(const std::string& strBytes, const std::string& strName = "damaged.pvd")
    {
        const fs::path path = m_Dir / strName;
        WriteFile(path, strBytes);
        return path.string();
    }

    fs::path m_Dir;
    std::string m_Bytes;
};

}  // namespace

TEST_F(DamagedDocuments, TheSoundDocumentIsReadByEveryCommand)
{
    const std::string strPath = Damaged(m_Bytes, "sound.pvd");
    EXPECT_EQ(RunCli<CInfoCommand>("info", {strPath}).code, kExitOk);
    const Outcome exported = RunCli<CExportCommand>("export", {strPath});
    EXPECT_EQ(exported.code, kExitOk) << exported.err;
    // The spline's 51 rows (50 per segment by default) are the longest column.
    EXPECT_EQ(Lines(exported.out).size(), 7u + 51u);
}

TEST_F(DamagedDocuments, EveryTruncationIsRefusedWithExitThreeAndAReason)
{
    for (size_t n = 0; n < m_Bytes.size(); ++n) {
        const std::string strPath = Damaged(m_Bytes.substr(0, n));
        const Outcome info = RunCli<CInfoCommand>("info", {strPath, "--json"});
        ASSERT_EQ(info.code, kExitUnreadable) << "cut at " << n << ": " << info.out;
        EXPECT_EQ(info.out, "");
        EXPECT_EQ(info.err.rfind(strPath + ": cannot read the document: ", 0), 0u) << info.err;
        EXPECT_GT(info.err.size(), strPath.size() + 30) << info.err;
        if (n % 16 == 0) {
            const Outcome exported = RunCli<CExportCommand>("export", {strPath});
            ASSERT_EQ(exported.code, kExitUnreadable) << "cut at " << n;
            EXPECT_EQ(exported.out, "");
        }
    }
}

TEST_F(DamagedDocuments, ChangedBytesGiveADocumentOrARefusalNeverACrash)
{
    for (size_t i = 0; i < m_Bytes.size(); ++i) {
        // All bits of a byte, or its lowest one (a count or a flag one off).
        for (const unsigned char mask : {0xFFu, 0x01u}) {
            std::string strBytes = m_Bytes;
            strBytes[i] = static_cast<char>(static_cast<unsigned char>(strBytes[i]) ^ mask);
            const std::string strPath = Damaged(strBytes);
            const Outcome info = RunCli<CInfoCommand>("info", {strPath, "--json", "--points"});
            ASSERT_TRUE(info.code == kExitOk || info.code == kExitUnreadable)
                << "byte " << i << ": " << info.err;
            if (info.code == kExitOk) {
                EXPECT_TRUE(json::accept(info.out)) << "byte " << i;
            }
            if (i % 4 == 0) {
                const Outcome exported = RunCli<CExportCommand>("export", {strPath, "--period", "1"});
                ASSERT_TRUE(exported.code == kExitOk || exported.code == kExitRefused ||
                            exported.code == kExitUnreadable)
                    << "byte " << i << ": " << exported.err;
            }
            if (CDocumentRenderer::IsAvailable() && i % 16 == 0) {
                const Outcome rendered =
                    RunCli<CRenderCommand>("render", {strPath, "-o", (m_Dir / "damaged.png").string()});
                ASSERT_TRUE(rendered.code == kExitOk || rendered.code == kExitUnreadable)
                    << "byte " << i << ": " << rendered.err;
            }
        }
    }
}

TEST_F(DamagedDocuments, HugeCountsAnywhereAreRefusedWithoutAllocating)
{
    for (size_t i = 0; i + 4 <= m_Bytes.size(); ++i) {
        for (const uint32_t huge : {0x7FFFFFFFu, 0xFFFFFFFFu}) {
            std::string strBytes = m_Bytes;
            for (int k = 0; k < 4; ++k)
                strBytes[i + k] = static_cast<char>((huge >> (8 * k)) & 0xFF);
            const std::string strPath = Damaged(strBytes);
            const Outcome info = RunCli<CInfoCommand>("info", {strPath});
            ASSERT_TRUE(info.code == kExitOk || info.code == kExitUnreadable)
                << "offset " << i << ": " << info.err;
            if (i % 8 == 0) {
                const Outcome exported = RunCli<CExportCommand>("export", {strPath, "--period", "1"});
                ASSERT_TRUE(exported.code == kExitOk || exported.code == kExitRefused ||
                            exported.code == kExitUnreadable)
                    << "offset " << i << ": " << exported.err;
            }
        }
    }

    // The number of coordinate systems follows the image record (name, length, bytes).
    const size_t nNameLength = static_cast<unsigned char>(m_Bytes[0]);
    const size_t nImageLength = static_cast<unsigned char>(m_Bytes[1 + nNameLength]) |
                                static_cast<size_t>(static_cast<unsigned char>(m_Bytes[2 + nNameLength]))
                                    << 8;
    std::string strBytes = m_Bytes;
    const size_t nCountAt = 1 + nNameLength + 4 + nImageLength;
    ASSERT_EQ(strBytes[nCountAt], 1);
    strBytes.replace(nCountAt, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    const Outcome outcome = RunCli<CInfoCommand>("info", {Damaged(strBytes)});
    EXPECT_EQ(outcome.code, kExitUnreadable);
    EXPECT_NE(outcome.err.find("cannot read the document"), std::string::npos) << outcome.err;
}
