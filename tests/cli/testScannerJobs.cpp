// Jobs that take their picture from a scanner: the test backend of the scanner library,
// configured by the tests' own folder (tests/data/sane), never the computer's. The library
// reads that folder once per process, as CTest runs each test.

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "Dm/BmpManager.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/WinBmpEx.h"
#include "cli/ExitCode.h"
#include "cli/RunCommand.h"
#include "cli/ScannersCommand.h"
#include "imaging/SaneSession.h"
#include "tests/support/RequiredTool.h"
#include "tests/support/ScannedDocument.h"

using namespace clitest;
using nlohmann::json;

namespace {

class ScannerJobTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SANE_CONFIG_DIR", PLOTVANE_TEST_DATA "/sane", 1);
        CSaneSession session;
        std::vector<CScannerDevice> devices;
        session.ListDevices(true, devices);
        if (devices.empty())
            SKIP_WITHOUT_TOOL("the scanner library's \"test\" backend is not installed (package libsane1)");
        m_dir = FreshDir();
    }
    Outcome Run(const json& job) { return RunCli<CRunCommand>("run", {WriteJob(m_dir, job).string()}); }

    fs::path m_dir;
};

TEST_F(ScannerJobTest, AJobScansItsPictureAsImportDoesAndSavesItAsABmp)
{
    const Outcome outcome = Run({{"scanner", "test:0"}, {"scan_dpi", 50}, {"save", "out.pvd"}});
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;

    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument((m_dir / "out.pvd").string()));
    const CBmpManager& bmp = *doc.GetBmpManager();
    EXPECT_EQ(bmp.GetFileName(), "Scanned graphic");
    EXPECT_EQ(bmp.GetBitmap()->GetBitsPerPixel(), 32);
    // 40 x 30 mm at 50 dpi.
    EXPECT_EQ(bmp.GetWidth(), 78);
    EXPECT_EQ(bmp.GetHeight(), 59);
    EXPECT_TRUE(EmbedsScannedBmp(ReadFile(m_dir / "out.pvd")));
}

TEST_F(ScannerJobTest, TheScannerKeysAreCheckedAndAFailedScanWritesNothing)
{
    struct Case {
        json job;
        int code;
        std::string strError;
    };
    const Case cases[] = {
        {{{"scanner", "test:0"}, {"image", "x.png"}},
         kExitRefused,
         "scanner: give either \"image\" or \"scanner\""},
        {{{"save", "out.pvd"}}, kExitRefused, "give either \"image\" or \"scanner\""},
        {{{"scanner", "test:0"}, {"scan_dpi", 0}},
         kExitRefused,
         "scan_dpi: expected a resolution from 1 to 9600"},
        {{{"scanner", "test:0"}, {"scan_dpi", 5000}},
         kExitRefused,
         "scan_dpi: it does not offer this resolution"},
        {{{"image", "x.png"}, {"scan_dpi", 50}}, kExitRefused, "scan_dpi: only a picture from a scanner"},
        {{{"scanner", "test:9"}, {"save", "out.pvd"}},
         kExitUnreadable,
         "scanner: test:9: it cannot be found"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Run(c.job);
        EXPECT_EQ(outcome.code, c.code) << c.job.dump();
        EXPECT_NE(outcome.err.find(c.strError), std::string::npos) << outcome.err;
    }
    EXPECT_FALSE(fs::exists(m_dir / "out.pvd"));
}

TEST_F(ScannerJobTest, ScannersListsTheDevicesAsJson)
{
    const Outcome outcome = RunCli<CScannersCommand>("scanners", {"--json"});
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    const json expected = {{"scanners",
                            {{{"name", "test:0"},
                              {"vendor", "Noname"},
                              {"model", "frontend-tester"},
                              {"type", "virtual device"}}}}};
    EXPECT_EQ(json::parse(outcome.out), expected);
}

}  // namespace

namespace {

// The tests' own "hostile" backend (tests/sanebackend), whose devices have a name of
// non-ASCII UTF-8 and one holding control characters.
class NamedScannerJobTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SANE_CONFIG_DIR", PLOTVANE_TEST_DATA "/sane-hostile", 1);
        setenv("LD_LIBRARY_PATH", PLOTVANE_TEST_SANE_BACKENDS, 1);
        unsetenv("PLOTVANE_HOSTILE_SANE");
        m_dir = FreshDir();
    }
    fs::path m_dir;
};

TEST_F(NamedScannerJobTest, TheNameScannersPrintsOpensTheDeviceAndControlCharactersArePrintedEscaped)
{
    const Outcome listed = RunCli<CScannersCommand>("scanners", {});
    ASSERT_EQ(listed.code, kExitOk) << listed.err;
    EXPECT_NE(listed.out.find("hostile:B\xC3\xBCro: Hostile tester (virtual device)\n"), std::string::npos)
        << listed.out;
    EXPECT_NE(listed.out.find("hostile:esc\\u001B[2Jbell\\u0007: "), std::string::npos) << listed.out;
    EXPECT_EQ(listed.out.find('\x1B'), std::string::npos);

    const Outcome outcome = RunCli<CRunCommand>(
        "run", {WriteJob(m_dir, {{"scanner", "hostile:B\xC3\xBCro"}, {"save", "out.pvd"}}).string()});
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    CPlotvaneDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument((m_dir / "out.pvd").string()));
    EXPECT_EQ(doc.GetBmpManager()->GetWidth(), 100);
}

}  // namespace
