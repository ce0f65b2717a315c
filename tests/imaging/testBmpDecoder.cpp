// The Windows/OS/2 bitmap decoder against files written by ImageMagick and netpbm, and
// against hand-made run-length data for the escapes no tool writes.
#include <gtest/gtest.h>

#include <cstring>

#include "imaging/BmpDecoder.h"
#include "imaging/TextException.h"
#include "tests/imaging/OwnDecoderSupport.h"

using namespace owntest;

namespace {

struct BmpCase {
    const char* name;
    const char* tool;
    const char* command;  // $S: source picture, $O: output file
    Picture picture;
    int expectedBpp;
    uint32_t headerSize;
    uint32_t compression;
};

void PutLe16(std::vector<uint8_t>& d, uint32_t v)
{
    d.push_back(uint8_t(v));
    d.push_back(uint8_t(v >> 8));
}

void PutLe32(std::vector<uint8_t>& d, uint32_t v)
{
    PutLe16(d, v & 0xFFFF);
    PutLe16(d, v >> 16);
}

// A bitmap file with a 40-byte header, the given palette (red, green, blue) and bits.
std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, int bpp, uint32_t compression,
                             const std::vector<Rgb>& palette, const std::vector<uint8_t>& bits)
{
    std::vector<uint8_t> d = {'B', 'M'};
    const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(palette.size());
    PutLe32(d, offset + static_cast<uint32_t>(bits.size()));
    PutLe32(d, 0);
    PutLe32(d, offset);
    PutLe32(d, 40);
    PutLe32(d, static_cast<uint32_t>(width));
    PutLe32(d, static_cast<uint32_t>(height));
    PutLe16(d, 1);
    PutLe16(d, static_cast<uint32_t>(bpp));
    PutLe32(d, compression);
    PutLe32(d, static_cast<uint32_t>(bits.size()));
    PutLe32(d, 2835);
    PutLe32(d, 2835);
    PutLe32(d, static_cast<uint32_t>(palette.size()));
    PutLe32(d, 0);
    for (const Rgb& c : palette) {
        d.insert(d.end(), {c.b, c.g, c.r, 0});
    }
    d.insert(d.end(), bits.begin(), bits.end());
    return d;
}

void PrintTo(const BmpCase& c, std::ostream* os)
{
    *os << c.name;
}

class BmpFromTools : public ::testing::TestWithParam<BmpCase> {};

}  // namespace

TEST_P(BmpFromTools, DecodesEveryPixel)
{
    const BmpCase& c = GetParam();
    OWN_REQUIRE_TOOL(c.tool);
    const std::string source = WritePpm(std::string(c.name) + ".ppm", c.picture);
    const std::string file = WorkPath(std::string(c.name) + ".bmp");
    ASSERT_TRUE(RunTool(Expand(c.command, source, file))) << Expand(c.command, source, file);
    const std::vector<uint8_t> bytes = ReadFile(file);
    ASSERT_GT(bytes.size(), 54u);
    // Make sure the tool wrote the variant this case is about.
    ASSERT_EQ(Le32(bytes, 14), c.headerSize);
    if (c.headerSize > 12) {
        ASSERT_EQ(Le32(bytes, 30), c.compression);
    }

    PLBmpDecoder decoder;
    PLBmp bmp;
    decoder.Decode(bytes.data(), bytes.size(), bmp);
    EXPECT_EQ(bmp.GetBitsPerPixel(), c.expectedBpp);
    EXPECT_TRUE(Matches(bmp, c.picture));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, BmpFromTools,
    ::testing::Values(
        BmpCase{"bmp24", "convert", "convert $S BMP3:$O", EightColors, 32, 40, 0},
        BmpCase{"bmp1", "ppmtobmp", "ppmtobmp -bpp 1 $S > $O", TwoColors, 1, 40, 0},
        BmpCase{"bmp4", "ppmtobmp", "ppmtobmp -bpp 4 $S > $O", EightColors, 8, 40, 0},
        BmpCase{"bmp8", "ppmtobmp", "ppmtobmp -bpp 8 $S > $O", ManyColors, 8, 40, 0},
        BmpCase{"bmpos2", "ppmtobmp", "ppmtobmp -os2 -bpp 8 $S > $O", ManyColors, 8, 12, 0},
        BmpCase{"bmpos2rgb", "ppmtobmp", "ppmtobmp -os2 -bpp 24 $S > $O", EightColors, 32, 12, 0},
        BmpCase{"bmprle8", "convert", "convert $S -type Palette -compress RLE BMP3:$O", ManyColors, 8, 40, 1},
        BmpCase{"bmp565", "convert", "convert $S -define bmp:subtype=RGB565 $O", PrimaryColors, 32, 124, 3},
        BmpCase{"bmp555", "convert", "convert $S -define bmp:subtype=RGB555 $O", PrimaryColors, 32, 124, 3},
        // ImageMagick leaves out the masks that its bit-fields header announces.
        BmpCase{"bmp555nomasks", "convert", "convert $S -define bmp:subtype=RGB555 BMP3:$O", PrimaryColors,
                32, 40, 3},
        BmpCase{"bmp32", "convert", "convert $S -alpha on $O", EightColors, 32, 124, 3}),
    [](const ::testing::TestParamInfo<BmpCase>& info) { return std::string(info.param.name); });

TEST(BmpDecoder, TopDownRowsAndResolution)
{
    OWN_REQUIRE_TOOL("convert");
    const std::string source = WritePpm("bmptd.ppm", EightColors);
    const std::string file = WorkPath("bmptd.bmp");
    ASSERT_TRUE(RunTool("convert " + source + " -units PixelsPerInch -density 300 BMP3:" + file));
    std::vector<uint8_t> bytes = ReadFile(file);
    // Turn the bottom-up file into a top-down one: negative height, rows reversed.
    const uint32_t offset = Le32(bytes, 10);
    const size_t stride = (kWidth * 3 + 3) / 4 * 4;
    std::vector<uint8_t> flipped(bytes.begin(), bytes.begin() + offset);
    for (int row = kHeight - 1; row >= 0; --row) {
        const auto begin = bytes.begin() + offset + static_cast<long>(row * stride);
        flipped.insert(flipped.end(), begin, begin + static_cast<long>(stride));
    }
    const uint32_t negative = static_cast<uint32_t>(-kHeight);
    std::memcpy(&flipped[22], &negative, 4);  // little-endian host, as the file

    PLBmpDecoder decoder;
    PLBmp bmp;
    decoder.Decode(flipped.data(), flipped.size(), bmp);
    EXPECT_TRUE(Matches(bmp, EightColors));
    EXPECT_EQ(bmp.GetResolutionX(), 300);
    EXPECT_EQ(bmp.GetResolutionY(), 300);
}

TEST(BmpDecoder, Rle4RunsAbsoluteDeltaAndEscapes)
{
    const std::vector<Rgb> palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    // 7 x 4, rows from the bottom. Unreached pixels keep index 0.
    const std::vector<uint8_t> rle = {
        5, 0x12,              // bottom row: 1 2 1 2 1
        0, 0,                 // end of line
        0, 3,    0x32, 0x10,  // absolute: 3 2 1 (padded to a word)
        0, 2,    2,    1,     // jump 2 right, 1 up: row 2, x 5
        9, 0x33,              // runs past the width: 3 3, the rest is dropped
        0, 0,                 // end of line: row 3
        3, 0x21,              // 2 1 2
        0, 1,                 // end of bitmap
    };
    const std::vector<uint8_t> file = MakeBmp(7, 4, 4, 2, palette, rle);
    PLBmpDecoder decoder;
    PLBmp bmp;
    decoder.Decode(file.data(), file.size(), bmp);
    ASSERT_EQ(bmp.GetBitsPerPixel(), 8);
    const int expected[4][7] = {
        {2, 1, 2, 0, 0, 0, 0},  // top row (row 3 from the bottom)
        {0, 0, 0, 0, 0, 3, 3},
        {3, 2, 1, 0, 0, 0, 0},
        {1, 2, 1, 2, 1, 0, 0},
    };
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(bmp.GetRow(y)[x], expected[y][x]) << x << "," << y;
        }
    }
    EXPECT_TRUE(PixelOf(bmp, 5, 1) == (Rgb{0, 0, 255}));
}

TEST(BmpDecoder, Rle8EscapesNeverWriteOutsideTheBitmap)
{
    const std::vector<Rgb> palette(256, Rgb{1, 2, 3});
    // Each escape tries to leave the bitmap: long runs, a jump past the right edge and
    // one far above the top; the decoder clips and stops.
    const std::vector<uint8_t> rle = {
        255, 7,                        // bottom row: clipped to 3 pixels
        0,   5, 1,   2,   3, 4, 5, 0,  // absolute, all beyond the edge, then the pad byte
        0,   0,                        // end of line: the top row
        0,   2, 250, 0,                // jump far right
        200, 9,                        // nothing left to write in this row
        0,   2, 0,   200,              // jump far above the top: done
        4,   4,
    };
    const std::vector<uint8_t> file = MakeBmp(3, 2, 8, 1, palette, rle);
    PLBmpDecoder decoder;
    PLBmp bmp;
    decoder.Decode(file.data(), file.size(), bmp);
    EXPECT_EQ(bmp.GetRow(1)[0], 7);
    EXPECT_EQ(bmp.GetRow(1)[2], 7);
    EXPECT_EQ(bmp.GetRow(0)[0], 0);
    EXPECT_EQ(bmp.GetRow(0)[2], 0);
}

TEST(BmpDecoder, SignaturesAndRefusals)
{
    PLBmpDecoder decoder;
    PLBmp bmp;
    const std::vector<uint8_t> notBmp = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    try {
        decoder.Decode(notBmp.data(), notBmp.size(), bmp);
        FAIL() << "no error";
    } catch (const PLTextException& e) {
        EXPECT_STREQ(e.what(), "Bitmap decoder: This isn't a bitmap.");
        EXPECT_EQ(e.GetCode(), PL_ERRWRONG_SIGNATURE);
    }

    std::vector<uint8_t> file = MakeBmp(2, 2, 8, 0, {{9, 8, 7}, {6, 5, 4}}, {0, 1, 0, 0, 1, 0, 0, 0});
    std::vector<uint8_t> icon = file;
    icon[0] = 'C';
    icon[1] = 'I';
    try {
        decoder.Decode(icon.data(), icon.size(), bmp);
        FAIL() << "no error";
    } catch (const PLTextException& e) {
        EXPECT_EQ(e.GetCode(), PL_ERRFORMAT_NOT_SUPPORTED);
    }

    // An OS/2 bitmap array: its header, then the first bitmap, whose bits offset counts
    // from the start of the file.
    std::vector<uint8_t> array = {'B', 'A', 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    array.insert(array.end(), file.begin(), file.end());
    array[14 + 10] = static_cast<uint8_t>(array[14 + 10] + 28);  // the array header and the filler below
    array.insert(array.end() - 8,
                 {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
    decoder.Decode(array.data(), array.size(), bmp);
    EXPECT_TRUE(PixelOf(bmp, 1, 1) == (Rgb{6, 5, 4}));
    EXPECT_TRUE(PixelOf(bmp, 0, 1) == (Rgb{9, 8, 7}));
    EXPECT_EQ(bmp.GetResolutionX(), 72);
}
