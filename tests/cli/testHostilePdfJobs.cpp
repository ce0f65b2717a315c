// PDF files made to hurt: a page whose drawing passes its memory bound is refused as a job
// that passes a bound (exit 1, the bound named), a page drawn while poppler complains gives a
// warning, and a file with a damaged page gives its readable pages everywhere.

#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliTestSupport.h"
#include "cli/ExitCode.h"
#include "cli/InfoCommand.h"
#include "cli/RunCommand.h"
#include "imaging/PdfDecoder.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "tests/support/HostilePdfs.h"

using namespace clitest;
using nlohmann::json;

namespace {

class HostilePdfJobTest : public testing::Test {
protected:
    void SetUp() override { m_dir = FreshDir(); }

    std::string Pdf(const std::string& name, const std::string& bytes)
    {
        WriteFile(m_dir / name, bytes);
        return (m_dir / name).string();
    }

    Outcome Run(const json& job) { return RunCli<CRunCommand>("run", {WriteJob(m_dir, job).string()}); }

    fs::path m_dir;
};

TEST_F(HostilePdfJobTest, APagePastItsMemoryBoundIsRefusedWithExitOne)
{
    const Outcome outcome = Run({{"image", Pdf("long.pdf", hostilepdf::LongPath())}, {"dpi", 300}});
    EXPECT_EQ(outcome.code, kExitRefused);
    const long long nMegabytes = static_cast<long long>(PLPdfDecoder::MemoryBound({200, 100}, 300) >> 20);
    EXPECT_NE(outcome.err.find(FormatWithInts(CStringTable::Get(IDS_PDF_TOO_MUCH_MEMORY), {nMegabytes})),
              std::string::npos)
        << outcome.err;
}

TEST_F(HostilePdfJobTest, APageDrawnWhilePopplerComplainsIsKeptWithAWarning)
{
    const Outcome outcome =
        Run({{"image", Pdf("missing.pdf", hostilepdf::MissingImage())}, {"save", "out.pvd"}});
    EXPECT_EQ(outcome.code, kExitOk) << outcome.err;
    EXPECT_EQ(outcome.err.find("poppler"), std::string::npos) << "poppler's own words stay unsaid";
    EXPECT_NE(outcome.err.find("warning: " + CStringTable::Get(IDS_PDF_INCOMPLETE)), std::string::npos)
        << outcome.err;
    EXPECT_TRUE(fs::exists(m_dir / "out.pvd"));
}

TEST_F(HostilePdfJobTest, APageOfAFileWithAMissingPageIsReadableEverywhere)
{
    const std::string pdf = Pdf("missing.pdf", hostilepdf::MissingSecondPage());
    EXPECT_EQ(Run({{"image", pdf}}).code, kExitOk);
    EXPECT_EQ(Run({{"image", pdf}, {"page", 1}}).code, kExitOk);
    const Outcome second = Run({{"image", pdf}, {"page", 2}});
    EXPECT_EQ(second.code, kExitUnreadable);
    EXPECT_NE(second.err.find(CStringTable::Get(IDS_PDF_PAGE_DAMAGED)), std::string::npos) << second.err;

    const Outcome text = RunCli<CInfoCommand>("info", {pdf});
    EXPECT_EQ(text.code, kExitOk) << text.err;
    EXPECT_NE(text.out.find("pages: 2\npage 1: 200 x 100 points\npage 2: damaged\n"), std::string::npos)
        << text.out;
    const Outcome jsonOut = RunCli<CInfoCommand>("info", {pdf, "--json"});
    const json pages = json::parse(jsonOut.out)["pages"];
    EXPECT_EQ(pages[0]["width"], 200.0);
    EXPECT_EQ(pages[1], json({{"page", 2}, {"damaged", true}}));
}

TEST_F(HostilePdfJobTest, AFileWhosePageSizeIsNoNumberIsRefused)
{
    const std::string pdf = Pdf("endless.pdf", hostilepdf::EndlessMediaBox());
    const Outcome info = RunCli<CInfoCommand>("info", {pdf, "--json"});
    EXPECT_EQ(info.code, kExitUnreadable);
    EXPECT_EQ(info.out, "");
    EXPECT_NE(info.err.find(CStringTable::Get(IDS_PDF_DAMAGED)), std::string::npos) << info.err;
    EXPECT_EQ(Run({{"image", pdf}}).code, kExitUnreadable);
}

}  // namespace
