// Targa, PCX, PGM, PPM, PSD and PICT decoders against files written by ImageMagick and
// netpbm from pictures drawn here; every pixel is compared with the drawing.
#include <gtest/gtest.h>

#include <memory>

#include "imaging/PcxDecoder.h"
#include "imaging/PgmDecoder.h"
#include "imaging/PictDecoder.h"
#include "imaging/PpmDecoder.h"
#include "imaging/PsdDecoder.h"
#include "imaging/TextException.h"
#include "imaging/TgaDecoder.h"
#include "tests/imaging/OwnDecoderSupport.h"

using namespace owntest;

namespace {

enum class Kind { Tga, Pcx, Pgm, Ppm, Psd, Pict };

std::unique_ptr<PLPicDecoder> MakeDecoder(Kind kind)
{
    switch (kind) {
        case Kind::Tga:
            return std::make_unique<PLTgaDecoder>();
        case Kind::Pcx:
            return std::make_unique<PLPcxDecoder>();
        case Kind::Pgm:
            return std::make_unique<PLPgmDecoder>();
        case Kind::Ppm:
            return std::make_unique<PLPpmDecoder>();
        case Kind::Psd:
            return std::make_unique<PLPsdDecoder>();
        case Kind::Pict:
            return std::make_unique<PLPictDecoder>();
    }
    return nullptr;
}

struct ToolCase {
    const char* name;
    Kind kind;
    const char* tools;    // every command the case needs, space-separated
    const char* command;  // $S: source picture, $O: output file
    Picture picture;
    int expectedBpp;
    // Header bytes that prove the tool wrote the variant the case is about: offset and
    // value, or -1.
    int checkOffset;
    int checkValue;
};

void PrintTo(const ToolCase& c, std::ostream* os)
{
    *os << c.name;
}

class OwnDecoderFromTools : public ::testing::TestWithParam<ToolCase> {};

}  // namespace

TEST_P(OwnDecoderFromTools, DecodesEveryPixel)
{
    const ToolCase& c = GetParam();
    std::istringstream tools(c.tools);
    for (std::string tool; tools >> tool;) {
        OWN_REQUIRE_TOOL(tool);
    }
    const std::string source = WritePpm(std::string(c.name) + ".ppm", c.picture);
    const std::string file = WorkPath(std::string(c.name) + ".out");
    const std::string command = Expand(c.command, source, file);
    ASSERT_TRUE(RunTool(command)) << command;
    const std::vector<uint8_t> bytes = ReadFile(file);
    ASSERT_GT(bytes.size(), 16u) << command;
    if (c.checkOffset >= 0) {
        ASSERT_EQ(bytes.at(static_cast<size_t>(c.checkOffset)), c.checkValue) << command;
    }

    PLBmp bmp;
    MakeDecoder(c.kind)->Decode(bytes.data(), bytes.size(), bmp);
    EXPECT_EQ(bmp.GetBitsPerPixel(), c.expectedBpp);
    EXPECT_TRUE(Matches(bmp, c.picture));
}

// Targa: byte 2 is the image type (1 mapped, 2 true colour, 3 grey; +8 run-length),
// byte 16 the pixel depth. The ImageMagick here writes its rows top first whatever the
// origin bit says, so its files are asked for with the top-left origin.
INSTANTIATE_TEST_SUITE_P(
    Targa, OwnDecoderFromTools,
    ::testing::Values(
        ToolCase{"tga24", Kind::Tga, "convert", "convert $S -orient TopLeft tga:$O", EightColors, 32, 2, 2},
        ToolCase{"tga24rle", Kind::Tga, "convert", "convert $S -orient TopLeft -compress RLE tga:$O",
                 EightColors, 32, 2, 10},
        ToolCase{"tga32", Kind::Tga, "convert", "convert $S -orient TopLeft -alpha on tga:$O", EightColors,
                 32, 16, 32},
        ToolCase{"tgamapped", Kind::Tga, "convert", "convert $S -orient TopLeft -type Palette tga:$O",
                 ManyColors, 8, 2, 1},
        ToolCase{"tgamappedrle", Kind::Tga, "convert",
                 "convert $S -orient TopLeft -type Palette -compress RLE tga:$O", ManyColors, 8, 2, 9},
        // netpbm writes the bottom row first.
        ToolCase{"tgacmap", Kind::Tga, "pamtotga", "pamtotga -cmap $S > $O", ManyColors, 8, 2, 9},
        ToolCase{"tgargb", Kind::Tga, "pamtotga", "pamtotga -rgb -norle $S > $O", EightColors, 32, 2, 2},
        ToolCase{"tgargbrle", Kind::Tga, "pamtotga", "pamtotga -rgb $S > $O", EightColors, 32, 2, 10},
        ToolCase{"tgagrey", Kind::Tga, "pamtotga ppmtopgm", "ppmtopgm $S | pamtotga -mono > $O", Greys, 8, 2,
                 11}),
    [](const ::testing::TestParamInfo<ToolCase>& info) { return std::string(info.param.name); });

// PCX: byte 3 is the bits per pixel, byte 65 the plane count.
INSTANTIATE_TEST_SUITE_P(
    Pcx, OwnDecoderFromTools,
    ::testing::Values(
        ToolCase{"pcx1", Kind::Pcx, "ppmtopcx", "ppmtopcx $S > $O", TwoColors, 1, 65, 1},
        ToolCase{"pcx2planes", Kind::Pcx, "ppmtopcx", "ppmtopcx -planes 2 $S > $O", FourColors, 8, 65, 2},
        ToolCase{"pcx3planes", Kind::Pcx, "ppmtopcx", "ppmtopcx -planes 3 $S > $O", EightColors, 8, 65, 3},
        ToolCase{"pcx4planes", Kind::Pcx, "ppmtopcx", "ppmtopcx -planes 4 $S > $O", EightColors, 8, 65, 4},
        ToolCase{"pcxpacked4", Kind::Pcx, "ppmtopcx", "ppmtopcx -packed $S > $O", EightColors, 8, 3, 4},
        ToolCase{"pcxpacked2", Kind::Pcx, "ppmtopcx", "ppmtopcx -packed $S > $O", FourColors, 8, 3, 2},
        ToolCase{"pcx8", Kind::Pcx, "ppmtopcx", "ppmtopcx -8bit $S > $O", ManyColors, 8, 3, 8},
        ToolCase{"pcx24", Kind::Pcx, "ppmtopcx", "ppmtopcx -24bit $S > $O", EightColors, 32, 65, 3},
        ToolCase{"pcxmagick24", Kind::Pcx, "convert", "convert $S pcx:$O", EightColors, 32, 65, 3},
        ToolCase{"pcxmagick8", Kind::Pcx, "convert", "convert $S -type Palette pcx:$O", ManyColors, 8, 65,
                 1}),
    [](const ::testing::TestParamInfo<ToolCase>& info) { return std::string(info.param.name); });

// Netpbm: byte 1 is the variant digit.
INSTANTIATE_TEST_SUITE_P(
    Netpbm, OwnDecoderFromTools,
    ::testing::Values(
        ToolCase{"pgm5", Kind::Pgm, "ppmtopgm", "ppmtopgm $S > $O", Greys, 8, 1, '5'},
        ToolCase{"pgm2", Kind::Pgm, "ppmtopgm pnmtoplainpnm", "ppmtopgm $S | pnmtoplainpnm > $O", Greys, 8, 1,
                 '2'},
        ToolCase{"pgm16", Kind::Pgm, "ppmtopgm pamdepth", "ppmtopgm $S | pamdepth 65535 > $O", Greys, 8, 1,
                 '5'},
        ToolCase{"pgm1000plain", Kind::Pgm, "ppmtopgm pamdepth pnmtoplainpnm",
                 "ppmtopgm $S | pamdepth 1000 | pnmtoplainpnm > $O", Greys, 8, 1, '2'},
        ToolCase{"ppm6", Kind::Ppm, "pamtopnm", "pamtopnm $S > $O", EightColors, 32, 1, '6'},
        ToolCase{"ppm3", Kind::Ppm, "pnmtoplainpnm", "pnmtoplainpnm $S > $O", EightColors, 32, 1, '3'},
        ToolCase{"ppm16", Kind::Ppm, "pamdepth", "pamdepth 65535 $S > $O", ManyColors, 32, 1, '6'},
        ToolCase{"ppm16plain", Kind::Ppm, "pamdepth pnmtoplainpnm", "pamdepth 65535 $S | pnmtoplainpnm > $O",
                 ManyColors, 32, 1, '3'}),
    [](const ::testing::TestParamInfo<ToolCase>& info) { return std::string(info.param.name); });

// PSD: byte 25 is the colour mode, byte 23 the bits per channel.
INSTANTIATE_TEST_SUITE_P(
    Psd, OwnDecoderFromTools,
    ::testing::Values(
        ToolCase{"psdrgb", Kind::Psd, "convert", "convert $S -compress RLE psd:$O", EightColors, 32, 25, 3},
        ToolCase{"psdindexed", Kind::Psd, "convert", "convert $S -type Palette -compress RLE psd:$O",
                 ManyColors, 8, 25, 2},
        ToolCase{"psdrgb16", Kind::Psd, "convert", "convert $S -depth 16 -compress RLE psd:$O", EightColors,
                 32, 23, 16},
        ToolCase{"psdgrey", Kind::Psd, "convert ppmtopgm",
                 "ppmtopgm $S > $O.pgm && convert $O.pgm -compress RLE psd:$O", Greys, 8, 25, 1}),
    [](const ::testing::TestParamInfo<ToolCase>& info) { return std::string(info.param.name); });

// PICT: bytes 522 and 523 are the version opcode 0x0011 of version 2.
INSTANTIATE_TEST_SUITE_P(
    Pict, OwnDecoderFromTools,
    ::testing::Values(
        ToolCase{"pictdirect", Kind::Pict, "convert", "convert $S pict:$O", EightColors, 32, 523, 0x11},
        ToolCase{"pictindexed", Kind::Pict, "convert", "convert $S -type Palette pict:$O", ManyColors, 8, 523,
                 0x11},
        ToolCase{"ppmtopict", Kind::Pict, "ppmtopict", "ppmtopict $S > $O", ManyColors, 8, 523, 0x11}),
    [](const ::testing::TestParamInfo<ToolCase>& info) { return std::string(info.param.name); });

TEST(NetpbmDecoders, CommentsAnywhereInTheHeader)
{
    OWN_REQUIRE_TOOL("ppmtopgm");
    const std::string source = WritePpm("pgmcomments.ppm", Greys);
    const std::string file = WorkPath("pgmcomments.pgm");
    ASSERT_TRUE(RunTool("ppmtopgm " + source + " > " + file));
    std::vector<uint8_t> bytes = ReadFile(file);
    const std::string header = "P5\n301 9\n255\n";
    ASSERT_EQ(std::string(bytes.begin(), bytes.begin() + static_cast<long>(header.size())), header);
    const std::string commented = "P5# right after the magic\n301\t# between the sizes\r9\n#a line\n255\n";
    bytes.erase(bytes.begin(), bytes.begin() + static_cast<long>(header.size()));
    bytes.insert(bytes.begin(), commented.begin(), commented.end());

    PLPgmDecoder decoder;
    PLBmp bmp;
    decoder.Decode(bytes.data(), bytes.size(), bmp);
    EXPECT_TRUE(Matches(bmp, Greys));
}

TEST(NetpbmDecoders, WrongIdentifiersAndBadSamples)
{
    PLBmp bmp;
    const std::string ppmAsPgm = "P6\n1 1\n255\nabc";
    try {
        PLPgmDecoder().Decode(reinterpret_cast<const uint8_t*>(ppmAsPgm.data()), ppmAsPgm.size(), bmp);
        FAIL() << "no error";
    } catch (const PLTextException& e) {
        EXPECT_STREQ(e.what(), "PGM decoder: Is not the correct identifier P5 or P2.");
    }
    const std::string pgmAsPpm = "P5\n1 1\n255\na";
    try {
        PLPpmDecoder().Decode(reinterpret_cast<const uint8_t*>(pgmAsPpm.data()), pgmAsPpm.size(), bmp);
        FAIL() << "no error";
    } catch (const PLTextException& e) {
        EXPECT_STREQ(e.what(), "PPM decoder: Is not the correct identifier P3 or P6.");
    }
    // A sample above the maximum, a maximum above 65535, a missing number.
    for (const std::string bad : {"P2 2 1 100 5 101", "P2 1 1 65536 0", "P2 1 1 # no maximum\n"}) {
        EXPECT_THROW(PLPgmDecoder().Decode(reinterpret_cast<const uint8_t*>(bad.data()), bad.size(), bmp),
                     PLTextException)
            << bad;
    }
    const std::string plain = "P3 2 1 4 4 0 0 0 2 4";
    PLPpmDecoder().Decode(reinterpret_cast<const uint8_t*>(plain.data()), plain.size(), bmp);
    EXPECT_TRUE(PixelOf(bmp, 0, 0) == (Rgb{255, 0, 0}));
    EXPECT_TRUE(PixelOf(bmp, 1, 0) == (Rgb{0, 128, 255}));
}

TEST(PsdDecoder, RefusesOtherCompressionsAndColourModes)
{
    OWN_REQUIRE_TOOL("convert");
    const std::string source = WritePpm("psdrefuse.ppm", EightColors);
    PLBmp bmp;
    const struct {
        const char* options;
        const char* message;
    } cases[] = {
        {"-compress None", "PSD decoder: Compression type not supported."},
        {"-colorspace CMYK -compress RLE", "This PSD color mode is not supported."},
    };
    for (const auto& c : cases) {
        const std::string file = WorkPath("psdrefuse.psd");
        ASSERT_TRUE(RunTool("convert " + source + " " + c.options + " psd:" + file));
        try {
            DecodeFile(*MakeDecoder(Kind::Psd), file, bmp);
            FAIL() << "no error for " << c.options;
        } catch (const PLTextException& e) {
            EXPECT_STREQ(e.what(), c.message);
            EXPECT_EQ(e.GetCode(), PL_ERRFORMAT_NOT_SUPPORTED);
        }
    }
}

TEST(PcxDecoder, RefusesMoreThanFourPlanes)
{
    std::vector<uint8_t> header(128 + 16, 0);
    header[0] = 0x0A;
    header[1] = 5;
    header[2] = 1;
    header[3] = 1;
    header[8] = 7;  // x max: 8 pixels wide, 1 high
    header[65] = 5;
    header[66] = 2;
    PLBmp bmp;
    try {
        PLPcxDecoder().Decode(header.data(), header.size(), bmp);
        FAIL() << "no error";
    } catch (const PLTextException& e) {
        EXPECT_STREQ(e.what(), "Can't handle more than 4 planes.");
    }
}
