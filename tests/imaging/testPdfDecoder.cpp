// PDF pages drawn by matplotlib, opened through the image layer: the page chosen at the
// resolution chosen, and the refusals of pages that cannot or must not be drawn.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/PdfDecoder.h"
#include "imaging/TextException.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "tests/imaging/OwnDecoderSupport.h"
#include "tests/support/PdfFigures.h"
#include "tests/support/RequiredTool.h"

namespace fs = std::filesystem;

namespace {

bool IsDark(const PLBmp& bmp, int x, int y)
{
    const uint8_t* p = bmp.GetRow(y) + static_cast<size_t>(x) * 4;
    return p[0] < 128 && p[1] < 128 && p[2] < 128;
}

class PdfDecoderTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = fs::path(PLOTVANE_TEST_WORK) / "pdf-decoder";
        s_bDrawn = pdftest::MakePdfFigures(s_dir);
    }

    void SetUp() override
    {
        if (!s_bDrawn)
            SKIP_WITHOUT_TOOL("matplotlib (Debian's /usr/bin/python3) is not available");
    }

    static std::vector<uint8_t> Bytes(const std::string& name)
    {
        return owntest::ReadFile((s_dir / name).string());
    }

    // Decodes page of the file at dpi through the format dispatch.
    static void Open(const std::vector<uint8_t>& bytes, int page, int dpi, PLBmp& bmp)
    {
        PLAnyPicDecoder decoder;
        decoder.SetPdfPage(page, dpi);
        decoder.MakeBmpFromMemory("figure.pdf", bytes.data(), bytes.size(), bmp);
        EXPECT_EQ(decoder.GetLastFormat(), PLAnyPicDecoder::Format::PDF);
    }

    // The message of the refusal of page at dpi; empty when the page is drawn.
    static std::string Refusal(const std::vector<uint8_t>& bytes, int page = 1, int dpi = 30)
    {
        PLBmp bmp;
        try {
            Open(bytes, page, dpi, bmp);
        } catch (const PLTextException& e) {
            EXPECT_TRUE(bmp.IsEmpty());
            return e.what();
        }
        return std::string();
    }

    static fs::path s_dir;
    static bool s_bDrawn;
};

fs::path PdfDecoderTest::s_dir;
bool PdfDecoderTest::s_bDrawn = false;

TEST(PdfDetection, TheSignatureComesBeforeUnknownFileType)
{
    const std::string pdf = "%PDF-1.7\n";
    const std::string almost = "%PDF1.7\n";
    using Format = PLAnyPicDecoder::Format;
    EXPECT_EQ(PLAnyPicDecoder::Detect("a", reinterpret_cast<const uint8_t*>(pdf.data()), pdf.size()),
              Format::PDF);
    EXPECT_EQ(PLAnyPicDecoder::Detect("a", reinterpret_cast<const uint8_t*>(almost.data()), almost.size()),
              Format::Unknown);
    EXPECT_STREQ(PLAnyPicDecoder::FormatName(Format::PDF), "PDF");
}

TEST(PdfPageSize, NonFiniteAndHugeSizesAreTooLarge)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // 400 megapixels at 300 dpi: 20000 x 20000 pixels, 4800 points square.
    EXPECT_FALSE(PLPdfDecoder::IsTooLarge({4700, 4700}, 300));
    EXPECT_TRUE(PLPdfDecoder::IsTooLarge({4900, 4900}, 300));
    EXPECT_FALSE(PLPdfDecoder::IsTooLarge({4900, 4900}, 72));
    EXPECT_TRUE(PLPdfDecoder::IsTooLarge({1e300, 1e-300}, 300)) << "one side alone";
    EXPECT_TRUE(PLPdfDecoder::IsTooLarge({inf, 10}, 30));
    EXPECT_TRUE(PLPdfDecoder::IsTooLarge({10, nan}, 30));
}

TEST_F(PdfDecoderTest, AFigureAt100DpiHasTheFiguresPixelSize)
{
    PLBmp bmp;
    Open(Bytes("curve.pdf"), 1, 100, bmp);
    ASSERT_EQ(bmp.GetWidth(), 600);
    ASSERT_EQ(bmp.GetHeight(), 400);
    EXPECT_EQ(bmp.GetBitsPerPixel(), 32);
    EXPECT_EQ(bmp.GetResolutionX(), 100);
    // sin(5) = -0.959 in column 300: row (1.5 + 0.959) * 400 / 3 = 328; the 3-pixel line
    // is dark there and nowhere near the top of the column.
    EXPECT_TRUE(IsDark(bmp, 300, 328));
    EXPECT_FALSE(IsDark(bmp, 300, 200));
    EXPECT_FALSE(IsDark(bmp, 300, 334));
    EXPECT_EQ(bmp.GetRow(0)[3], 0xFF);

    PLBmp twice;
    Open(Bytes("curve.pdf"), 1, 200, twice);
    EXPECT_EQ(twice.GetWidth(), 1200);
    EXPECT_EQ(twice.GetHeight(), 800);
}

TEST_F(PdfDecoderTest, TheChosenPageIsTheOneDrawn)
{
    const std::vector<uint8_t> bytes = Bytes("pages.pdf");
    PLBmp first;
    PLBmp second;
    PLBmp third;
    Open(bytes, 1, 50, first);
    Open(bytes, 2, 50, second);
    Open(bytes, 3, 50, third);
    ASSERT_EQ(first.GetWidth(), 200);
    ASSERT_EQ(second.GetWidth(), 200);
    EXPECT_TRUE(IsDark(first, 50, 75) && !IsDark(first, 150, 75));
    EXPECT_TRUE(!IsDark(second, 50, 75) && IsDark(second, 150, 75));
    ASSERT_EQ(third.GetWidth(), 150);
    ASSERT_EQ(third.GetHeight(), 100);
    EXPECT_TRUE(!IsDark(third, 75, 25) && IsDark(third, 75, 75));

    const std::vector<PLPdfDecoder::PageSize> sizes = PLPdfDecoder::ReadPageSizes(bytes.data(), bytes.size());
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_DOUBLE_EQ(sizes[0].width, 288);
    EXPECT_DOUBLE_EQ(sizes[0].height, 216);
    EXPECT_DOUBLE_EQ(sizes[2].width, 216);
    EXPECT_DOUBLE_EQ(sizes[2].height, 144);
}

TEST_F(PdfDecoderTest, PagesThatCannotOrMustNotBeDrawnAreRefusedWithTheirOwnMessage)
{
    const std::vector<uint8_t> pages = Bytes("pages.pdf");
    EXPECT_EQ(Refusal(pages, 4), "There is no page 4: the PDF file has 3 pages.");
    EXPECT_EQ(Refusal(pages, 0), "There is no page 0: the PDF file has 3 pages.");
    EXPECT_EQ(Refusal(Bytes("enormous.pdf")), CStringTable::Get(IDS_PDF_PAGE_TOO_LARGE));
    const std::string garbage = "%PDF-1.4\nnothing else";
    EXPECT_EQ(Refusal(std::vector<uint8_t>(garbage.begin(), garbage.end())),
              CStringTable::Get(IDS_PDF_DAMAGED));
    if (!fs::exists(s_dir / "locked.pdf"))
        SKIP_WITHOUT_TOOL("qpdf is not available");
    EXPECT_EQ(Refusal(Bytes("locked.pdf")), CStringTable::Get(IDS_PDF_LOCKED));
}

TEST_F(PdfDecoderTest, TruncatedFilesGiveAPageOrTheLayersError)
{
    const std::vector<uint8_t> bytes = Bytes("pages.pdf");
    ASSERT_GT(bytes.size(), 1000u);
    int nRefused = 0;
    for (size_t i = 1; i < 64; ++i) {
        const size_t size = bytes.size() * i / 64;
        const std::vector<uint8_t> part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        if (!Refusal(part, 2).empty())
            ++nRefused;
    }
    // The page tree is written last: most cut files have no page 2 to give.
    EXPECT_GT(nRefused, 32);
}

}  // namespace
