// JPEG decoder against files written by cjpeg and ImageMagick. Decoding uses the same
// integer IDCT and fancy upsampling as djpeg, so the pixels must equal djpeg's output
// exactly; CMYK files are compared with ImageMagick's conversion to RGB.
#include <gtest/gtest.h>

#include "imaging/JpegDecoder.h"
#include "tests/imaging/LibraryDecoderSupport.h"

using namespace libtest;

namespace {

// Every pixel different, but smooth enough for chroma subsampling to keep it close.
Rgb Smooth(int x, int y)
{
    return {static_cast<uint8_t>(x * 6), static_cast<uint8_t>(250 - y * 10),
            static_cast<uint8_t>((x + y) * 4)};
}

struct JpegCase {
    const char* name;
    const char* options;  // cjpeg's
    int expectedBpp;
};

void PrintTo(const JpegCase& c, std::ostream* os)
{
    *os << c.name;
}

class JpegFromCjpeg : public ::testing::TestWithParam<JpegCase> {};

TEST_P(JpegFromCjpeg, EqualsDjpeg)
{
    const JpegCase& c = GetParam();
    LIB_REQUIRE_TOOLS("cjpeg djpeg");
    const std::string source = WritePnm(std::string(c.name) + ".ppm", Smooth, false);
    const std::string file = Work(std::string(c.name) + ".jpg");
    const std::string reference = Work(std::string(c.name) + "_djpeg.pnm");
    ASSERT_TRUE(Make(std::string("cjpeg ") + c.options + " $S > $O", source, file));
    ASSERT_TRUE(Make("djpeg -pnm $S > $O", file, reference));
    Pnm expected;
    ASSERT_TRUE(ReadPnm(reference, expected));

    PLJpegDecoder decoder;
    PLBmp bmp;
    Decode(decoder, owntest::ReadFile(file), bmp);
    EXPECT_EQ(bmp.GetBitsPerPixel(), c.expectedBpp);
    EXPECT_TRUE(owntest::Matches(bmp, PictureOf(expected), kWidth, kHeight));
    EXPECT_TRUE(FourthBytesOpaque(bmp));
    // And close to the drawing itself: the file is what it claims to be.
    if (c.expectedBpp == 32) {
        EXPECT_LT(MaxDifference(bmp, Smooth), 20);
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, JpegFromCjpeg,
                         ::testing::Values(JpegCase{"jpeg_420", "-quality 90", 32},
                                           JpegCase{"jpeg_444", "-quality 95 -sample 1x1", 32},
                                           JpegCase{"jpeg_422", "-sample 2x1", 32},
                                           JpegCase{"jpeg_grey", "-grayscale", 8},
                                           JpegCase{"jpeg_progressive", "-progressive", 32},
                                           JpegCase{"jpeg_arithmetic", "-arithmetic", 32},
                                           JpegCase{"jpeg_restart_optimized", "-restart 1B -optimize", 32},
                                           JpegCase{"jpeg_rgb", "-rgb", 32}),
                         [](const ::testing::TestParamInfo<JpegCase>& info) {
                             return std::string(info.param.name);
                         });

// Adobe CMYK (inverted inks) as ImageMagick writes it.
TEST(JpegDecoder, ConvertsCmykToRgb)
{
    LIB_REQUIRE_TOOLS("convert");
    const std::string source = WritePnm("jpeg_cmyk.ppm", PaletteColors, false);
    const std::string file = Work("jpeg_cmyk.jpg");
    const std::string reference = Work("jpeg_cmyk_rgb.ppm");
    ASSERT_TRUE(Make("convert $S -quality 100 -colorspace CMYK $O", source, file));
    ASSERT_TRUE(Make("convert $S -colorspace sRGB -depth 8 $O", file, reference));
    const std::vector<uint8_t> bytes = owntest::ReadFile(file);
    Pnm expected;
    ASSERT_TRUE(ReadPnm(reference, expected));

    PLJpegDecoder decoder;
    PLBmp bmp;
    Decode(decoder, bytes, bmp);
    EXPECT_EQ(bmp.GetBitsPerPixel(), 32);
    EXPECT_LE(MaxDifference(bmp, PictureOf(expected)), 2);
    EXPECT_LT(MaxDifference(bmp, PaletteColors), 40);
    EXPECT_TRUE(FourthBytesOpaque(bmp));
}

TEST(JpegDecoder, ReadsTheDensity)
{
    LIB_REQUIRE_TOOLS("convert");
    const std::string source = WritePnm("jpeg_dpi.ppm", ManyColors, false);
    const std::string file = Work("jpeg_dpi.jpg");
    ASSERT_TRUE(Make("convert $S -units PixelsPerInch -density 300 $O", source, file));
    PLJpegDecoder decoder;
    PLBmp bmp;
    Decode(decoder, owntest::ReadFile(file), bmp);
    EXPECT_EQ(bmp.GetResolutionX(), 300);
    EXPECT_EQ(bmp.GetResolutionY(), 300);
}

TEST(JpegDecoder, RefusesOtherData)
{
    PLJpegDecoder decoder;
    PLBmp bmp;
    const std::vector<uint8_t> notJpeg = {'B', 'M', 0, 0};
    EXPECT_THROW(Decode(decoder, notJpeg, bmp), PLTextException);
    // A start marker and nothing else.
    const std::vector<uint8_t> bare = {0xFF, 0xD8, 0xFF};
    EXPECT_THROW(Decode(decoder, bare, bmp), PLTextException);
    EXPECT_TRUE(bmp.IsEmpty());
}

}  // namespace
