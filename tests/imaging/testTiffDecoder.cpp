// TIFF decoder against files written by netpbm, libtiff's tools, ImageMagick and PIL from
// pictures drawn here: compressions, strips and tiles, planar layouts, byte orders,
// photometrics, orientations. Lossless files must give the drawing back exactly; JPEG and
// CIE L*a*b* files are compared with libtiff's own RGBA rendering (tiff2rgba).
#include <gtest/gtest.h>

#include "imaging/EpsTiffDecoder.h"
#include "imaging/TiffDecoder.h"
#include "tests/imaging/LibraryDecoderSupport.h"

using namespace libtest;

namespace {

Rgb Smooth(int x, int y)
{
    return {static_cast<uint8_t>(x * 6), static_cast<uint8_t>(250 - y * 10),
            static_cast<uint8_t>((x + y) * 4)};
}

enum class Geometry { AsDrawn, Mirrored, UpsideDown, Rotated };

Picture Transformed(const Picture& picture, Geometry geometry)
{
    switch (geometry) {
        case Geometry::Mirrored:
            return [picture](int x, int y) { return picture(kWidth - 1 - x, y); };
        case Geometry::UpsideDown:
            return [picture](int x, int y) { return picture(x, kHeight - 1 - y); };
        case Geometry::Rotated:
            return [picture](int x, int y) { return picture(kWidth - 1 - x, kHeight - 1 - y); };
        case Geometry::AsDrawn:
            break;
    }
    return picture;
}

struct TiffCase {
    const char* name;
    const char* tools;
    Picture picture;
    bool grey;
    int maxval;
    const char* command;  // $S source PNM, $O the TIFF
    const char* tag;      // a line tiffinfo must print for the file, or nullptr
    int expectedBpp;
    Geometry geometry;
    int tolerance;  // -1: exact against the drawing; else against tiff2rgba's rendering
    // With a tolerance: how far from the drawing the rendering may be (the encoder's
    // losses, or PIL's and libtiff's different L*a*b* conversions), 0 not to look.
    int drawingTolerance = 0;
};

void PrintTo(const TiffCase& c, std::ostream* os)
{
    *os << c.name;
}

class TiffFromTools : public ::testing::TestWithParam<TiffCase> {};

TEST_P(TiffFromTools, DecodesEveryPixel)
{
    const TiffCase& c = GetParam();
    LIB_REQUIRE_TOOLS(std::string(c.tools) + " tiffinfo");
    const std::string source =
        WritePnm(std::string(c.name) + (c.grey ? ".pgm" : ".ppm"), c.picture, c.grey, c.maxval);
    const std::string file = Work(std::string(c.name) + ".tif");
    ASSERT_TRUE(Make(c.command, source, file)) << c.command;
    if (c.tag) {
        ASSERT_TRUE(Make(std::string("tiffinfo $S 2>/dev/null | grep -q '") + c.tag + "'", file, ""))
            << "the tool did not write " << c.tag;
    }
    PLTiffDecoder decoder;
    PLBmp bmp;
    Decode(decoder, owntest::ReadFile(file), bmp);
    EXPECT_EQ(bmp.GetBitsPerPixel(), c.expectedBpp);
    EXPECT_TRUE(FourthBytesOpaque(bmp));
    if (c.tolerance < 0) {
        EXPECT_TRUE(owntest::Matches(bmp, Transformed(c.picture, c.geometry), kWidth, kHeight));
        return;
    }
    LIB_REQUIRE_TOOLS("tiff2rgba");
    const std::string reference = Work(std::string(c.name) + "_rgba.tif");
    ASSERT_TRUE(Make("tiff2rgba -c none $S $O", file, reference));
    PLBmp expected;
    Decode(decoder, owntest::ReadFile(reference), expected);
    EXPECT_LE(MaxDifference(bmp, [&](int x, int y) { return owntest::PixelOf(expected, x, y); }),
              c.tolerance);
    if (c.drawingTolerance > 0) {
        EXPECT_LE(MaxDifference(bmp, Transformed(c.picture, c.geometry)), c.drawingTolerance);
    }
}

// pnmtotiff writes an uncompressed file; tiffcp rewrites it.
#define VIA_TIFFCP(options) "pnmtotiff $S > $O.in.tif && tiffcp " options " $O.in.tif $O"

INSTANTIATE_TEST_SUITE_P(
    Rgb, TiffFromTools,
    ::testing::Values(
        TiffCase{"tiff_rgb", "pnmtotiff", ManyColors, false, 255, "pnmtotiff $S > $O", "RGB color", 32,
                 Geometry::AsDrawn, -1},
        TiffCase{"tiff_lzw", "pnmtotiff tiffcp", ManyColors, false, 255, VIA_TIFFCP("-c lzw"), "LZW", 32,
                 Geometry::AsDrawn, -1},
        TiffCase{"tiff_lzw_predictor", "pnmtotiff tiffcp", ManyColors, false, 255, VIA_TIFFCP("-c lzw:2"),
                 "Predictor", 32, Geometry::AsDrawn, -1},
        TiffCase{"tiff_deflate", "pnmtotiff tiffcp", ManyColors, false, 255, VIA_TIFFCP("-c zip"), "Deflate",
                 32, Geometry::AsDrawn, -1},
        TiffCase{"tiff_packbits", "pnmtotiff tiffcp", ManyColors, false, 255, VIA_TIFFCP("-c packbits"),
                 "PackBits", 32, Geometry::AsDrawn, -1},
        TiffCase{"tiff_strips", "pnmtotiff tiffcp", ManyColors, false, 255, VIA_TIFFCP("-c lzw -r 4"),
                 "Rows/Strip: 4", 32, Geometry::AsDrawn, -1},
        TiffCase{"tiff_tiled", "pnmtotiff tiffcp", ManyColors, false, 255,
                 VIA_TIFFCP("-c zip -t -w 16 -l 16"), "Tile Width: 16", 32, Geometry::AsDrawn, -1},
        TiffCase{"tiff_separate", "pnmtotiff tiffcp", ManyColors, false, 255, VIA_TIFFCP("-p separate -r 5"),
                 "separate image planes", 32, Geometry::AsDrawn, -1},
        TiffCase{"tiff_separate_tiled", "pnmtotiff tiffcp", ManyColors, false, 255,
                 VIA_TIFFCP("-p separate -c lzw -t -w 16 -l 32"), "separate image planes", 32,
                 Geometry::AsDrawn, -1},
        TiffCase{"tiff_big_endian", "pnmtotiff tiffcp", ManyColors, false, 255,
                 VIA_TIFFCP("-B -c packbits") " && head -c 2 $O | grep -q MM", "PackBits", 32,
                 Geometry::AsDrawn, -1},
        TiffCase{"tiff_rgb16", "convert tiffcp", ManyColors, false, 65535,
                 "convert $S -depth 16 -compress none $O.in.tif && tiffcp -B $O.in.tif $O", "Bits/Sample: 16",
                 32, Geometry::AsDrawn, -1},
        TiffCase{"tiff_rgb16_separate", "convert tiffcp", ManyColors, false, 65535,
                 "convert $S -depth 16 -interlace Plane -compress lzw -define tiff:predictor=2 $O",
                 "separate image planes", 32, Geometry::AsDrawn, -1},
        TiffCase{"tiff_cmyk", "pil", ManyColors, false, 255,
                 "$P -c 'from PIL import Image; Image.open(\"$S\").convert(\"CMYK\").save(\"$O\")'",
                 "separated", 32, Geometry::AsDrawn, -1},
        TiffCase{"tiff_jpeg", "pnmtotiff tiffcp", Smooth, false, 255, VIA_TIFFCP("-c jpeg"), "YCbCr", 32,
                 Geometry::AsDrawn, 2, 40},
        TiffCase{"tiff_jpeg_tiled", "pnmtotiff tiffcp", Smooth, false, 255,
                 VIA_TIFFCP("-c jpeg -t -w 16 -l 16"), "YCbCr", 32, Geometry::AsDrawn, 2},
        TiffCase{"tiff_lab", "pil", Smooth, false, 255,
                 "$P -c 'from PIL import Image; Image.open(\"$S\").convert(\"LAB\").save(\"$O\")'",
                 "L\\*a\\*b", 32, Geometry::AsDrawn, 0}),
    [](const ::testing::TestParamInfo<TiffCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    GreyAndPalette, TiffFromTools,
    ::testing::Values(TiffCase{"tiff_grey8", "pnmtotiff", Greys, true, 255, "pnmtotiff $S > $O",
                               "min-is-black", 8, Geometry::AsDrawn, -1},
                      TiffCase{"tiff_grey16", "pnmtotiff tiffcp", Greys, true, 65535, VIA_TIFFCP("-c zip"),
                               "Bits/Sample: 16", 8, Geometry::AsDrawn, -1},
                      TiffCase{"tiff_grey4", "pnmtotiff", Grey16Levels, true, 15, "pnmtotiff $S > $O",
                               "Bits/Sample: 4", 8, Geometry::AsDrawn, -1},
                      TiffCase{"tiff_grey_miniswhite", "pnmtotiff", Greys, true, 255,
                               "pnmtotiff -miniswhite $S > $O", "min-is-white", 8, Geometry::AsDrawn, -1},
                      TiffCase{"tiff_bilevel_g4", "pnmtotiff", BlackWhite, true, 1, "pnmtotiff -g4 $S > $O",
                               "Group 4", 1, Geometry::AsDrawn, -1},
                      TiffCase{"tiff_bilevel_minisblack", "pnmtotiff", BlackWhite, true, 1,
                               "pnmtotiff -minisblack $S > $O", "min-is-black", 1, Geometry::AsDrawn, -1},
                      TiffCase{"tiff_bilevel_tiled", "pnmtotiff tiffcp", BlackWhite, true, 1,
                               VIA_TIFFCP("-t -w 16 -l 16"), "Tile Width: 16", 1, Geometry::AsDrawn, -1},
                      TiffCase{"tiff_palette8", "pnmtotiff", PaletteColors, false, 255, "pnmtotiff $S > $O",
                               "palette", 8, Geometry::AsDrawn, -1},
                      TiffCase{"tiff_palette4", "pnmtotiff tiffcp", TenColors, false, 255,
                               "pnmtotiff -indexbits=4 $S > $O.in.tif && tiffcp -c lzw $O.in.tif $O",
                               "Bits/Sample: 4", 8, Geometry::AsDrawn, -1},
                      TiffCase{"tiff_palette1", "pnmtotiff", RedBlue, false, 255,
                               "pnmtotiff -indexbits=1 $S > $O", "palette", 8, Geometry::AsDrawn, -1}),
    [](const ::testing::TestParamInfo<TiffCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Orientation, TiffFromTools,
    ::testing::Values(
        TiffCase{"tiff_bottom_left", "pnmtotiff tiffset", ManyColors, false, 255,
                 "pnmtotiff $S > $O && tiffset -s 274 4 $O", "Orientation: row 0 bottom", 32,
                 Geometry::UpsideDown, -1},
        TiffCase{"tiff_top_right_grey", "pnmtotiff tiffset", Greys, true, 255,
                 "pnmtotiff $S > $O && tiffset -s 274 2 $O", "Orientation: row 0 top, col 0 rhs", 8,
                 Geometry::Mirrored, -1},
        TiffCase{"tiff_bottom_right_bilevel", "pnmtotiff tiffset", BlackWhite, true, 1,
                 "pnmtotiff $S > $O && tiffset -s 274 3 $O", "Orientation: row 0 bottom", 1,
                 Geometry::Rotated, -1},
        TiffCase{"tiff_bottom_left_lab", "pil tiffset", Smooth, false, 255,
                 "$P -c 'from PIL import Image; Image.open(\"$S\").convert(\"LAB\").save(\"$O\")' && "
                 "tiffset -s 274 4 $O",
                 "Orientation: row 0 bottom", 32, Geometry::UpsideDown, 0}),
    [](const ::testing::TestParamInfo<TiffCase>& info) { return std::string(info.param.name); });

// CMYK with black ink: libtiff's RGBA rendering truncates where we round.
TEST(TiffDecoder, ConvertsCmykWithBlack)
{
    LIB_REQUIRE_TOOLS("pil tiff2rgba");
    const std::string file = Work("tiff_cmyk_black.tif");
    const std::string script =
        "$P -c 'from PIL import Image\n"
        "im = Image.new(\"CMYK\", (37, 23))\n"
        "im.putdata([((x * 7) % 256, (y * 11) % 256, (x * y) % 256, (x + y * 5) % 256) for y in range(23) "
        "for x in "
        "range(37)])\n"
        "im.save(\"$O\")'";
    ASSERT_TRUE(Make(script, "", file));
    const std::string reference = Work("tiff_cmyk_black_rgba.tif");
    ASSERT_TRUE(Make("tiff2rgba -c none $S $O", file, reference));
    PLTiffDecoder decoder;
    PLBmp bmp;
    PLBmp expected;
    Decode(decoder, owntest::ReadFile(file), bmp);
    Decode(decoder, owntest::ReadFile(reference), expected);
    EXPECT_LE(MaxDifference(bmp, [&](int x, int y) { return owntest::PixelOf(expected, x, y); }), 1);
}

TEST(TiffDecoder, ReadsTheFirstPageAndTheResolution)
{
    LIB_REQUIRE_TOOLS("pnmtotiff tiffcp tiffset");
    const std::string first = Work("tiff_page1.tif");
    const std::string second = Work("tiff_page2.tif");
    const std::string both = Work("tiff_pages.tif");
    ASSERT_TRUE(Make("pnmtotiff $S > $O && tiffset -s 282 200 $O && tiffset -s 283 200 $O",
                     WritePnm("tiff_page1.ppm", ManyColors, false), first));
    ASSERT_TRUE(Make("pnmtotiff $S > $O", WritePnm("tiff_page2.pgm", Greys, true), second));
    ASSERT_TRUE(Make("tiffcp $S $O", first + " " + second, both));
    PLTiffDecoder decoder;
    PLBmp bmp;
    Decode(decoder, owntest::ReadFile(both), bmp);
    EXPECT_TRUE(owntest::Matches(bmp, ManyColors, kWidth, kHeight));
    EXPECT_EQ(bmp.GetResolutionX(), 200);
}

TEST(TiffDecoder, RefusesWhatItCannotShow)
{
    PLTiffDecoder decoder;
    PLBmp bmp;
    const std::vector<uint8_t> header = {'I', 'I', 42, 0, 8, 0, 0, 0};
    EXPECT_THROW(Decode(decoder, header, bmp), PLTextException);
    const std::vector<uint8_t> notTiff = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
    EXPECT_THROW(Decode(decoder, notTiff, bmp), PLTextException);

    if (!HaveTools("convert tiffinfo")) {
        return;
    }
    // Floating-point samples: libtiff's RGBA interface does not take them either.
    const std::string file = Work("tiff_float.tif");
    // convert complains about a tag but writes the file.
    ASSERT_TRUE(Make("convert $S -define quantum:format=floating-point -depth 32 $O; test -s $O",
                     WritePnm("tiff_float.ppm", ManyColors, false), file));
    ASSERT_TRUE(Make("tiffinfo $S 2>/dev/null | grep -q 'IEEE floating point'", file, ""));
    EXPECT_THROW(Decode(decoder, owntest::ReadFile(file), bmp), PLTextException);
    EXPECT_TRUE(bmp.IsEmpty());
}

// ---- EPS with a TIFF preview ----

std::vector<uint8_t> MakeEps(const std::vector<uint8_t>& tiff, bool reversedMagic)
{
    const std::string postscript = "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 37 23\nshowpage\n";
    std::vector<uint8_t> eps(30, 0);
    const uint8_t magic[4] = {0xC5, 0xD0, 0xD3, 0xC6};
    for (int i = 0; i < 4; ++i) {
        eps[i] = reversedMagic ? magic[3 - i] : magic[i];
    }
    auto put32 = [&eps](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            eps[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    put32(4, 30);
    put32(8, static_cast<uint32_t>(postscript.size()));
    put32(20, static_cast<uint32_t>(30 + postscript.size()));
    put32(24, static_cast<uint32_t>(tiff.size()));
    eps[28] = eps[29] = 0xFF;
    eps.insert(eps.end(), postscript.begin(), postscript.end());
    eps.insert(eps.end(), tiff.begin(), tiff.end());
    return eps;
}

TEST(EpsTiffDecoder, DecodesThePreview)
{
    LIB_REQUIRE_TOOLS("pnmtotiff");
    const std::string file = Work("eps_preview.tif");
    ASSERT_TRUE(Make("pnmtotiff $S > $O", WritePnm("eps_preview.ppm", ManyColors, false), file));
    const std::vector<uint8_t> tiff = owntest::ReadFile(file);
    for (const bool reversed : {false, true}) {
        const std::vector<uint8_t> eps = MakeEps(tiff, reversed);
        ASSERT_TRUE(PLEpsTiffDecoder::HasTiffPreview(eps.data(), eps.size()));
        PLEpsTiffDecoder decoder;
        PLBmp bmp;
        Decode(decoder, eps, bmp);
        EXPECT_TRUE(owntest::Matches(bmp, ManyColors, kWidth, kHeight));
    }
}

TEST(EpsTiffDecoder, RefusesAPreviewOutsideTheFile)
{
    const std::vector<uint8_t> tiff(100, 0);
    std::vector<uint8_t> eps = MakeEps(tiff, false);
    PLEpsTiffDecoder decoder;
    PLBmp bmp;
    eps[24] = 101;  // one byte more than there is
    EXPECT_THROW(Decode(decoder, eps, bmp), PLTextException);
    eps[24] = 100;
    eps[23] = 0xFF;  // offset far beyond the end
    EXPECT_THROW(Decode(decoder, eps, bmp), PLTextException);
    eps[20] = eps[21] = eps[22] = 0xFF;  // offset + length wraps around 32 bits
    EXPECT_THROW(Decode(decoder, eps, bmp), PLTextException);
    // Zero offset or length: no preview.
    std::vector<uint8_t> none = MakeEps(tiff, false);
    none[24] = none[25] = 0;
    EXPECT_FALSE(PLEpsTiffDecoder::HasTiffPreview(none.data(), none.size()));
    EXPECT_THROW(Decode(decoder, none, bmp), PLTextException);
    EXPECT_FALSE(PLEpsTiffDecoder::HasTiffPreview(none.data(), 27));
}

}  // namespace
