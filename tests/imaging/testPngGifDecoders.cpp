// PNG and GIF decoders against files written by netpbm, ImageMagick and PIL from pictures
// drawn here: every pixel is compared with the drawing, and the header bytes prove that
// the tool wrote the variant the case is about.
#include <gtest/gtest.h>

#include <memory>

#include "imaging/GifDecoder.h"
#include "imaging/PngDecoder.h"
#include "tests/imaging/LibraryDecoderSupport.h"

using namespace libtest;

namespace {

Rgb Grey4Levels(int x, int y)
{
    const auto v = static_cast<uint8_t>(((x / 2 + y) % 4) * 85);
    return {v, v, v};
}

const char kPilRgba[] =
    "$P -c 'from PIL import Image; im = Image.open(\"$S\").convert(\"RGBA\"); "
    "im.putalpha(Image.linear_gradient(\"L\").resize(im.size)); im.save(\"$O\", dpi=(150, 150))'";
const char kPilGreyAlpha[] =
    "$P -c 'from PIL import Image; im = Image.open(\"$S\").convert(\"LA\"); "
    "im.putalpha(Image.linear_gradient(\"L\").resize(im.size)); im.save(\"$O\")'";

struct PngCase {
    const char* name;
    const char* tools;
    Picture picture;
    bool grey;   // source written as PGM
    int maxval;  // of the source
    const char* command;
    int colorType;  // IHDR byte 25
    int bitDepth;   // IHDR byte 24
    int interlace;  // IHDR byte 28
    int expectedBpp;
};

void PrintTo(const PngCase& c, std::ostream* os)
{
    *os << c.name;
}

class PngFromTools : public ::testing::TestWithParam<PngCase> {};

TEST_P(PngFromTools, DecodesEveryPixel)
{
    const PngCase& c = GetParam();
    LIB_REQUIRE_TOOLS(c.tools);
    const std::string source =
        WritePnm(std::string(c.name) + (c.grey ? ".pgm" : ".ppm"), c.picture, c.grey, c.maxval);
    const std::string file = Work(std::string(c.name) + ".png");
    ASSERT_TRUE(Make(c.command, source, file)) << c.command;
    const std::vector<uint8_t> bytes = owntest::ReadFile(file);
    ASSERT_GT(bytes.size(), 29u);
    ASSERT_EQ(bytes[25], c.colorType) << "the tool wrote another colour type";
    ASSERT_EQ(bytes[24], c.bitDepth) << "the tool wrote another bit depth";
    ASSERT_EQ(bytes[28], c.interlace);

    PLPngDecoder decoder;
    PLBmp bmp;
    Decode(decoder, bytes, bmp);
    EXPECT_EQ(bmp.GetBitsPerPixel(), c.expectedBpp);
    EXPECT_TRUE(owntest::Matches(bmp, c.picture, kWidth, kHeight));
    EXPECT_TRUE(FourthBytesOpaque(bmp));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, PngFromTools,
    ::testing::Values(
        PngCase{"png_rgb8", "pnmtopng", ManyColors, false, 255, "pnmtopng $S > $O", 2, 8, 0, 32},
        PngCase{"png_rgb16", "pnmtopng", ManyColors, false, 65535, "pnmtopng $S > $O", 2, 16, 0, 32},
        PngCase{"png_interlaced", "pnmtopng", ManyColors, false, 255, "pnmtopng -interlace $S > $O", 2, 8, 1,
                32},
        PngCase{"png_palette8", "pnmtopng", PaletteColors, false, 255, "pnmtopng $S > $O", 3, 8, 0, 8},
        PngCase{"png_palette4", "pnmtopng", TenColors, false, 255, "pnmtopng $S > $O", 3, 4, 0, 8},
        PngCase{"png_palette2", "pnmtopng", FewColors, false, 255, "pnmtopng $S > $O", 3, 2, 0, 8},
        // Two colours other than black and white get 8 bits, so that either can be ink.
        PngCase{"png_palette1", "pnmtopng", RedBlue, false, 255, "pnmtopng $S > $O", 3, 1, 0, 8},
        PngCase{"png_palette_interlaced", "pnmtopng", TenColors, false, 255, "pnmtopng -interlace $S > $O", 3,
                4, 1, 8},
        PngCase{"png_grey8", "pnmtopng", Greys, true, 255, "pnmtopng $S > $O", 0, 8, 0, 8},
        PngCase{"png_grey16", "pnmtopng", Greys, true, 65535, "pnmtopng $S > $O", 0, 16, 0, 8},
        PngCase{"png_grey4", "pnmtopng", Grey16Levels, true, 15, "pnmtopng $S > $O", 0, 4, 0, 8},
        PngCase{"png_grey2", "pnmtopng", Grey4Levels, true, 3, "pnmtopng $S > $O", 0, 2, 0, 8},
        PngCase{"png_grey1", "pnmtopng", BlackWhite, true, 1, "pnmtopng $S > $O", 0, 1, 0, 1},
        PngCase{"png_grey1_interlaced", "pnmtopng", BlackWhite, true, 1, "pnmtopng -interlace $S > $O", 0, 1,
                1, 1},
        PngCase{"png_rgba", "pil", ManyColors, false, 255, kPilRgba, 6, 8, 0, 32},
        PngCase{"png_grey_alpha", "pil", Greys, true, 255, kPilGreyAlpha, 4, 8, 0, 8},
        PngCase{"png_rgba16", "convert", ManyColors, false, 65535, "convert $S -alpha set -depth 16 PNG64:$O",
                6, 16, 0, 32}),
    [](const ::testing::TestParamInfo<PngCase>& info) { return std::string(info.param.name); });

TEST(PngDecoder, ReadsTheResolution)
{
    LIB_REQUIRE_TOOLS("pil");
    const std::string source = WritePnm("png_dpi.ppm", ManyColors, false);
    const std::string file = Work("png_dpi.png");
    ASSERT_TRUE(Make(kPilRgba, source, file));
    PLPngDecoder decoder;
    PLBmp bmp;
    Decode(decoder, owntest::ReadFile(file), bmp);
    EXPECT_EQ(bmp.GetResolutionX(), 150);
    EXPECT_EQ(bmp.GetResolutionY(), 150);
}

TEST(PngDecoder, RefusesOtherData)
{
    PLPngDecoder decoder;
    PLBmp bmp;
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0};
    EXPECT_THROW(Decode(decoder, gif, bmp), PLTextException);
    EXPECT_THROW(decoder.Decode(nullptr, 0, bmp), PLTextException);
    EXPECT_TRUE(bmp.IsEmpty());
}

// ---- GIF ----

struct GifCase {
    const char* name;
    const char* tools;
    Picture picture;
    const char* command;
    bool interlaced;
    int expectedBpp;
};

void PrintTo(const GifCase& c, std::ostream* os)
{
    *os << c.name;
}

// Offset of the first image descriptor (0x2C) of a GIF, or 0.
size_t FirstImageDescriptor(const std::vector<uint8_t>& gif)
{
    if (gif.size() < 13) {
        return 0;
    }
    size_t at = 13;
    if (gif[10] & 0x80) {
        at += 3u << ((gif[10] & 7) + 1);
    }
    while (at < gif.size() && gif[at] == 0x21) {
        at += 2;  // introducer and label, then sub-blocks up to the empty one
        while (at < gif.size() && gif[at] != 0) {
            at += gif[at] + 1u;
        }
        ++at;
    }
    return at < gif.size() && gif[at] == 0x2C ? at : 0;
}

class GifFromTools : public ::testing::TestWithParam<GifCase> {};

TEST_P(GifFromTools, DecodesEveryPixel)
{
    const GifCase& c = GetParam();
    LIB_REQUIRE_TOOLS(c.tools);
    const std::string source = WritePnm(std::string(c.name) + ".ppm", c.picture, false);
    const std::string file = Work(std::string(c.name) + ".gif");
    ASSERT_TRUE(Make(c.command, source, file)) << c.command;
    const std::vector<uint8_t> bytes = owntest::ReadFile(file);
    const size_t descriptor = FirstImageDescriptor(bytes);
    ASSERT_NE(descriptor, 0u);
    ASSERT_EQ((bytes[descriptor + 9] & 0x40) != 0, c.interlaced) << "the tool wrote another interlacing";

    PLGifDecoder decoder;
    PLBmp bmp;
    Decode(decoder, bytes, bmp);
    EXPECT_EQ(bmp.GetBitsPerPixel(), c.expectedBpp);
    EXPECT_TRUE(owntest::Matches(bmp, c.picture, kWidth, kHeight));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, GifFromTools,
    ::testing::Values(
        GifCase{"gif_convert", "convert", PaletteColors, "convert $S $O", false, 8},
        GifCase{"gif_netpbm", "ppmtogif", PaletteColors, "ppmtogif $S > $O", false, 8},
        GifCase{"gif_interlaced", "ppmtogif", PaletteColors, "ppmtogif -interlace $S > $O", true, 8},
        GifCase{"gif_interlaced_convert", "convert", TenColors, "convert $S -interlace Line $O", true, 8},
        GifCase{"gif_two_colours", "ppmtogif", RedBlue, "ppmtogif $S > $O", false, 8}),
    [](const ::testing::TestParamInfo<GifCase>& info) { return std::string(info.param.name); });

// An image placed inside a larger logical screen lands at its position, the rest of the
// screen taking the background colour.
TEST(GifDecoder, PlacesTheImageOnTheLogicalScreen)
{
    LIB_REQUIRE_TOOLS("ppmtogif");
    const std::string source = WritePnm("gif_screen.ppm", PaletteColors, false);
    const std::string file = Work("gif_screen.gif");
    ASSERT_TRUE(Make("ppmtogif $S > $O", source, file));
    std::vector<uint8_t> bytes = owntest::ReadFile(file);
    const size_t descriptor = FirstImageDescriptor(bytes);
    ASSERT_NE(descriptor, 0u);
    const int left = 5;
    const int top = 3;
    const int width = kWidth + 9;
    const int height = kHeight + 4;
    bytes[6] = width;
    bytes[7] = 0;
    bytes[8] = height;
    bytes[9] = 0;
    bytes[11] = 7;  // background index
    bytes[descriptor + 1] = left;
    bytes[descriptor + 3] = top;

    PLGifDecoder decoder;
    PLBmp bmp;
    Decode(decoder, bytes, bmp);
    ASSERT_EQ(bmp.GetWidth(), width);
    ASSERT_EQ(bmp.GetHeight(), height);
    const uint8_t* entry = bmp.GetPalette() + 7 * 4;
    const Rgb background{entry[2], entry[1], entry[0]};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inside = x >= left && x < left + kWidth && y >= top && y < top + kHeight;
            const Rgb want = inside ? PaletteColors(x - left, y - top) : background;
            ASSERT_EQ(owntest::PixelOf(bmp, x, y), want) << x << "," << y;
        }
    }
}

// A logical screen of 30000 x 30000 around a 37 x 23 image is no drawing; the image is
// shown on its own rather than on a gigabyte of background.
TEST(GifDecoder, IgnoresAScreenThatDwarfsTheImage)
{
    LIB_REQUIRE_TOOLS("ppmtogif");
    const std::string file = Work("gif_big_screen.gif");
    ASSERT_TRUE(Make("ppmtogif $S > $O", WritePnm("gif_big_screen.ppm", PaletteColors, false), file));
    std::vector<uint8_t> bytes = owntest::ReadFile(file);
    bytes[6] = bytes[8] = 0x30;
    bytes[7] = bytes[9] = 0x75;
    PLGifDecoder decoder;
    PLBmp bmp;
    Decode(decoder, bytes, bmp);
    EXPECT_TRUE(owntest::Matches(bmp, PaletteColors, kWidth, kHeight));
}

TEST(GifDecoder, RefusesOtherData)
{
    PLGifDecoder decoder;
    PLBmp bmp;
    const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    EXPECT_THROW(Decode(decoder, png, bmp), PLTextException);
    // A header and nothing else: no image.
    const std::vector<uint8_t> empty = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B};
    EXPECT_THROW(Decode(decoder, empty, bmp), PLTextException);
}

}  // namespace
