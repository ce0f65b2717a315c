#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Dm/24BitsBmpReader.h"
#include "Dm/Color256BmpReader.h"
#include "Dm/MonochromaticBmpReader.h"
#include "Dm/RealColorBmpReader.h"
#include "Dm/WinBmpEx.h"
#include "PackedDib.h"
#include "imaging/TextException.h"
#include "tests/doubles/RecordingDrawContext.h"

namespace {

void Put32(PLBmp& bmp, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 0)
{
    uint8_t* p = bmp.GetRow(y) + 4 * x;
    p[0] = b;
    p[1] = g;
    p[2] = r;
    p[3] = a;
}

}  // namespace

TEST(BmpReaders, TrueColourInkTestComparesEachComponent)
{
    PLBmp bmp;
    bmp.Create(3, 2, 32);
    Put32(bmp, 1, 1, 100, 100, 100, 0x80);
    CRealColorBmpReader reader(bmp);
    EXPECT_EQ(reader.GetColor(1, 1), 0x80646464u);
    EXPECT_TRUE(reader.IsInk({1, 1}, 0x646464));
    EXPECT_FALSE(reader.IsInk({1, 1}, 0x63FFFF));  // red 99 is darker than the pixel
    EXPECT_FALSE(reader.IsInk({1, 1}, 0xFF63FF));
    EXPECT_FALSE(reader.IsInk({1, 1}, 0xFFFF63));
    EXPECT_TRUE(reader.IsInk({0, 0}, 0));  // black
}

TEST(BmpReaders, MonochromeInkIsTheBlackPaletteEntryWhateverTheThreshold)
{
    PLBmp bmp;
    bmp.Create(10, 2, 1);
    bmp.SetPaletteEntry(0, 255, 255, 255);
    bmp.SetPaletteEntry(1, 0, 0, 0);
    bmp.GetRow(1)[1] = 0x40;  // x = 9: bit 6 of byte 1
    bmp.GetRow(0)[0] = 0x80;  // x = 0: bit 7 of byte 0
    CMonochromaticBmpReader reader(bmp);
    EXPECT_TRUE(reader.IsInk({9, 1}, 0));
    EXPECT_TRUE(reader.IsInk({0, 0}, 0xFFFFFF));
    EXPECT_FALSE(reader.IsInk({8, 1}, 0xFFFFFF));
    EXPECT_EQ(reader.GetColor(9, 1), 0u);
    EXPECT_EQ(reader.GetColor(1, 0), 0x00FFFFFFu);

    bmp.SetPaletteEntry(0, 0, 0, 0);
    bmp.SetPaletteEntry(1, 255, 255, 255);
    CMonochromaticBmpReader inverted(bmp);
    EXPECT_FALSE(inverted.IsInk({9, 1}, 0xFFFFFF));
    EXPECT_TRUE(inverted.IsInk({8, 1}, 0));
}

TEST(BmpReaders, PaletteAndTwentyFourBitColours)
{
    PLBmp indexed;
    indexed.Create(4, 1, 8);
    indexed.SetPaletteEntry(7, 10, 20, 30);
    indexed.GetRow(0)[3] = 7;
    CColor256BmpReader palette(indexed);
    EXPECT_EQ(palette.GetColor(3, 0), 0x000A141Eu);
    EXPECT_TRUE(palette.IsInk({3, 0}, 0x0A141E));
    EXPECT_FALSE(palette.IsInk({3, 0}, 0x0A141D));

    PLBmp rgb;
    rgb.Create(5, 2, 24);
    uint8_t* p = rgb.GetRow(1) + 3 * 4;
    p[0] = 0x33;  // blue
    p[1] = 0x22;
    p[2] = 0x11;
    C24BitsBmpReader reader(rgb);
    EXPECT_EQ(reader.GetColor(4, 1), 0xFF112233u);
    EXPECT_TRUE(reader.IsInk({4, 1}, 0x112233));
    EXPECT_FALSE(reader.IsInk({4, 1}, 0x102233));
}

TEST(BmpReaders, AColumnReadAtOnceHasThePixelsColours)
{
    // Every depth, every byte of the rows different, and a part of each column read from
    // each row: the same colours as pixel by pixel.
    auto check = [](const CAbstractBmpReader& reader, const PLBmp& bmp) {
        for (int x = 0; x < bmp.GetWidth(); ++x) {
            for (int y = 0; y < bmp.GetHeight(); ++y) {
                std::vector<uint32_t> column(static_cast<size_t>(bmp.GetHeight() - y));
                reader.GetColumn(x, y, static_cast<int>(column.size()), column.data());
                for (size_t k = 0; k < column.size(); ++k)
                    ASSERT_EQ(column[k], reader.GetColor(x, y + static_cast<int>(k))) << x << "," << y + k;
            }
        }
    };
    for (const int bpp : {1, 8, 24, 32}) {
        PLBmp bmp;
        bmp.Create(11, 5, bpp);
        for (int i = 0; i < (bpp == 1 ? 2 : bpp == 8 ? 256 : 0); ++i)
            bmp.SetPaletteEntry(i, static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i),
                                static_cast<uint8_t>(i * 7));
        for (int y = 0; y < 5; ++y)
            for (size_t b = 0; b < static_cast<size_t>(11 * bpp + 7) / 8; ++b)
                bmp.GetRow(y)[b] = static_cast<uint8_t>(37 * y + 11 * b + 5);
        if (bpp == 1)
            check(CMonochromaticBmpReader(bmp), bmp);
        else if (bpp == 8)
            check(CColor256BmpReader(bmp), bmp);
        else if (bpp == 24)
            check(C24BitsBmpReader(bmp), bmp);
        else
            check(CRealColorBmpReader(bmp), bmp);
    }
}

TEST(WinBmpEx, PackedDibRowsBecomeTopDown)
{
    // 2 x 2 at 24 bits, bottom-up: the first row of the data is the bottom one.
    const std::vector<uint8_t> bits = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    const auto bottomUp = PackedDib(2, 2, 24, {}, bits);
    CWinBmpEx bmp;
    bmp.CreateFromPackedDib(bottomUp.data(), bottomUp.size());
    ASSERT_EQ(bmp.GetBitsPerPixel(), 24);
    EXPECT_EQ(bmp.GetRow(0)[0], 7);
    EXPECT_EQ(bmp.GetRow(1)[5], 6);
    EXPECT_EQ(bmp.GetResolutionX(), 300);

    const auto topDown = PackedDib(2, -2, 24, {}, bits);
    bmp.CreateFromPackedDib(topDown.data(), topDown.size());
    EXPECT_EQ(bmp.GetRow(0)[0], 1);

    CWinBmpEx wide;
    wide.CreateCopyAs32Bits(bmp);
    EXPECT_EQ(CRealColorBmpReader(wide).GetColor(1, 1), 0xFF0C0B0Au);
}

TEST(WinBmpEx, PackedDibPaletteHonoursColoursUsed)
{
    // Two palette entries announced for an 8-bit picture: the bits follow at once.
    const std::vector<uint8_t> palette = {255, 255, 255, 0, 0, 0, 255, 0};
    const auto dib = PackedDib(3, 1, 8, palette, {1, 0, 1, 0}, 0, 2);
    CWinBmpEx bmp;
    bmp.CreateFromPackedDib(dib.data(), dib.size());
    CColor256BmpReader reader(bmp);
    EXPECT_EQ(reader.GetColor(0, 0), 0x00FF0000u);
    EXPECT_EQ(reader.GetColor(1, 0), 0x00FFFFFFu);
}

TEST(WinBmpEx, DamagedPackedDibsAreRefused)
{
    const std::vector<uint8_t> bits(8, 0);
    const auto good = PackedDib(2, 2, 24, {}, std::vector<uint8_t>(16, 0));
    CWinBmpEx bmp;
    for (size_t cut : {size_t(0), size_t(39), size_t(40), good.size() - 1}) {
        EXPECT_THROW(bmp.CreateFromPackedDib(good.data(), cut), PLTextException) << cut;
    }
    // A lying image size or dimensions never allocate beyond the data.
    const auto lyingSize = PackedDib(2, 2, 24, {}, bits, 0x7FFFFFFF);
    EXPECT_THROW(bmp.CreateFromPackedDib(lyingSize.data(), lyingSize.size()), PLTextException);
    const auto lyingHeight = PackedDib(2, 30000, 24, {}, bits);
    EXPECT_THROW(bmp.CreateFromPackedDib(lyingHeight.data(), lyingHeight.size()), PLTextException);
    const auto negative = PackedDib(-2, 2, 24, {}, bits);
    EXPECT_THROW(bmp.CreateFromPackedDib(negative.data(), negative.size()), PLTextException);

    const auto huge = PackedDib(1 << 20, 1 << 20, 1, {}, bits);
    try {
        bmp.CreateFromPackedDib(huge.data(), huge.size());
        FAIL() << "a picture beyond the pixel limit was made";
    } catch (const PLTextException& e) {
        EXPECT_STREQ(e.what(), "Out of memory creating bitmap.");
    }
}

TEST(WinBmpEx, DrawsOnlyTheBitmapPartOfTheClip)
{
    CWinBmpEx bmp;
    bmp.Create(20, 10, 8);
    CRecordingDrawContext dc;
    bmp.Draw(dc, CRect(-5, 3, 1000, 1000));
    bmp.Draw(dc, CRect(25, 0, 40, 10));
    const auto blits = dc.EntriesOf(CRecordingDrawContext::Kind::Blit);
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].rect, CRect(0, 3, 20, 10));
    EXPECT_EQ(blits[0].bitmapWidth, 20);
    EXPECT_EQ(blits[0].op, CDrawContext::RasterOp::Copy);
}

TEST(WinBmpEx, RandomDamageGivesABitmapOrAnError)
{
    std::vector<uint8_t> bits(3 * 8, 0x5A);
    const auto good = PackedDib(5, 3, 8, std::vector<uint8_t>(1024, 7), bits);
    uint32_t seed = 7;
    for (int round = 0; round < 2000; ++round) {
        auto damaged = good;
        for (int i = 0; i < 2; ++i) {
            seed = seed * 1664525u + 1013904223u;
            damaged[(seed >> 8) % 48] = static_cast<uint8_t>(seed >> 24);  // within the header
        }
        CWinBmpEx bmp;
        try {
            bmp.CreateFromPackedDib(damaged.data(), damaged.size());
            EXPECT_LE(bmp.GetStride() * static_cast<size_t>(bmp.GetHeight()), damaged.size());
        } catch (const PLTextException&) {
        }
    }
}
