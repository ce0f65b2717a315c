// The any-format decoder: format detection rule by rule and in order, short files, and
// reading files from disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "imaging/AnyPicDecoder.h"
#include "imaging/Bmp.h"
#include "imaging/TextException.h"
#include "tests/imaging/LibraryDecoderSupport.h"

using Format = PLAnyPicDecoder::Format;

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> bytes, size_t size = 0)
{
    std::vector<uint8_t> data;
    for (const int b : bytes) {
        data.push_back(static_cast<uint8_t>(b));
    }
    if (data.size() < size) {
        data.resize(size, 0);
    }
    return data;
}

std::vector<uint8_t> Text(const std::string& text, size_t size = 0)
{
    std::vector<uint8_t> data(text.begin(), text.end());
    if (data.size() < size) {
        data.resize(size, 0);
    }
    return data;
}

Format Detect(const std::vector<uint8_t>& data, const std::string& name = "picture.img")
{
    return PLAnyPicDecoder::Detect(name, data.data(), data.size());
}

// A Targa header: no image id, colour map type, image type, map entry size at 7, depth
// at 16.
std::vector<uint8_t> Targa(int mapType, int imageType, int mapDepth, int depth)
{
    std::vector<uint8_t> data(18, 0);
    data[1] = static_cast<uint8_t>(mapType);
    data[2] = static_cast<uint8_t>(imageType);
    data[7] = static_cast<uint8_t>(mapDepth);
    data[16] = static_cast<uint8_t>(depth);
    return data;
}

std::vector<uint8_t> Pict(size_t size, std::initializer_list<int> opcode)
{
    std::vector<uint8_t> data(size, 0);
    size_t at = 522;
    for (const int b : opcode) {
        data[at++] = static_cast<uint8_t>(b);
    }
    return data;
}

TEST(AnyPicDecoderDetect, MetafilesByNameFirst)
{
    const std::vector<uint8_t> png = Bytes({0x89, 'P', 'N', 'G', 13, 10, 26, 10});
    EXPECT_EQ(Detect(png, "graph.wmf"), Format::WMF);
    EXPECT_EQ(Detect(png, "C:\\Graphs\\Graph.Wmf"), Format::WMF);
    EXPECT_EQ(Detect(png, "graph.EMF"), Format::EMF);
    // Only the last extension of the file's own name counts; before the content.
    EXPECT_EQ(Detect(Text("BM"), "a.png.emf"), Format::EMF);
    for (const char* other : {"old.wmf.backup", "chart.emf.png", "proj.wmf-exports/graph.png",
                              "C:\\proj.emf\\graph.png", "proj.wmf/graph", "wmf", "graph_wmf.png"}) {
        EXPECT_EQ(Detect(png, other), Format::PNG) << other;
    }
    EXPECT_EQ(PLAnyPicDecoder::Detect("x.wmf", nullptr, 0), Format::WMF);
}

TEST(AnyPicDecoderDetect, EachSignature)
{
    for (const char* bmp : {"BA", "IC", "CI", "BM", "CP"}) {
        EXPECT_EQ(Detect(Text(bmp)), Format::BMP) << bmp;
    }
    EXPECT_EQ(Detect(Bytes({0x49, 0x49, 0x2A, 0x00})), Format::TIFF);
    EXPECT_EQ(Detect(Bytes({0x4D, 0x4D, 0x00, 0x2A})), Format::TIFF);
    EXPECT_EQ(Detect(Bytes({0x49, 0x49, 0x00, 0x2A})), Format::Unknown);
    EXPECT_EQ(Detect(Text("GIF87a")), Format::GIF);
    EXPECT_EQ(Detect(Text("GIF89a")), Format::GIF);
    EXPECT_EQ(Detect(Bytes({0xFF, 0xD8, 0xFF, 0xE0})), Format::JPEG);
    EXPECT_EQ(Detect(Bytes({0xFF, 0xD8, 0xFE})), Format::Unknown);
    EXPECT_EQ(Detect(Bytes({0x89, 'P', 'N', 'G'})), Format::PNG);
    EXPECT_EQ(Detect(Bytes({0x0A, 5, 1, 8})), Format::PCX);
    EXPECT_EQ(Detect(Bytes({0x0A, 5, 0, 8})), Format::Unknown);
    EXPECT_EQ(Detect(Text("P2\n")), Format::PGM);
    EXPECT_EQ(Detect(Text("P5\n")), Format::PGM);
    EXPECT_EQ(Detect(Text("P3\n")), Format::PPM);
    EXPECT_EQ(Detect(Text("P6\n")), Format::PPM);
    EXPECT_EQ(Detect(Text("P4\n")), Format::Unknown);
    EXPECT_EQ(Detect(Text("8BPS")), Format::PSD);
    EXPECT_EQ(Detect(Text("%!PS-Adobe-3.0")), Format::Unknown);
}

TEST(AnyPicDecoderDetect, TargaHeuristic)
{
    EXPECT_EQ(Detect(Targa(0, 2, 0, 24)), Format::TGA);
    EXPECT_EQ(Detect(Targa(1, 1, 24, 8)), Format::TGA);
    EXPECT_EQ(Detect(Targa(0, 10, 0, 32)), Format::TGA);
    EXPECT_EQ(Detect(Targa(0, 3, 0, 8)), Format::TGA);
    EXPECT_EQ(Detect(Targa(1, 9, 16, 8)), Format::TGA);
    EXPECT_EQ(Detect(Targa(0, 11, 15, 16)), Format::TGA);
    // Each condition broken in turn.
    EXPECT_EQ(Detect(Targa(2, 2, 0, 24)), Format::Unknown);  // map type
    EXPECT_EQ(Detect(Targa(0, 4, 0, 24)), Format::Unknown);  // image type
    EXPECT_EQ(Detect(Targa(0, 8, 0, 24)), Format::Unknown);
    EXPECT_EQ(Detect(Targa(0, 12, 0, 24)), Format::Unknown);
    EXPECT_EQ(Detect(Targa(0, 2, 12, 24)), Format::Unknown);  // map entry size
    EXPECT_EQ(Detect(Targa(0, 2, 0, 12)), Format::Unknown);   // depth
    EXPECT_EQ(Detect(Targa(0, 2, 0, 0)), Format::Unknown);
    // Byte 16 must exist: a 16-byte file cannot be a Targa.
    std::vector<uint8_t> cut = Targa(0, 2, 0, 24);
    cut.resize(16);
    EXPECT_EQ(Detect(cut), Format::Unknown);
    cut.resize(17);
    EXPECT_EQ(Detect(cut), Format::Unknown);  // byte 16 is now 0
    cut[16] = 24;
    EXPECT_EQ(Detect(cut), Format::TGA);
}

TEST(AnyPicDecoderDetect, PictAtOffset522InFilesLongerThan540)
{
    EXPECT_EQ(Detect(Pict(541, {0x00, 0x11, 0x02, 0xFF})), Format::PICT);
    EXPECT_EQ(Detect(Pict(541, {0x00, 0x11, 0x01})), Format::PICT);
    EXPECT_EQ(Detect(Pict(541, {0x11, 0x01, 0x01, 0x00})), Format::PICT);
    EXPECT_EQ(Detect(Pict(540, {0x00, 0x11, 0x02, 0xFF})), Format::Unknown);
    EXPECT_EQ(Detect(Pict(600, {0x00, 0x11, 0x02, 0xFE})), Format::Unknown);
    EXPECT_EQ(Detect(Pict(600, {0x11, 0x01, 0x01, 0x01})), Format::Unknown);
}

TEST(AnyPicDecoderDetect, EpsNeedsAPreview)
{
    std::vector<uint8_t> eps = Bytes({0xC5, 0xD0, 0xD3, 0xC6}, 30);
    EXPECT_EQ(Detect(eps), Format::Unknown);
    eps[20] = 30;
    EXPECT_EQ(Detect(eps), Format::Unknown);
    eps[25] = 1;
    EXPECT_EQ(Detect(eps), Format::EPSTIFF);
    std::vector<uint8_t> reversed = eps;
    std::reverse(reversed.begin(), reversed.begin() + 4);
    EXPECT_EQ(Detect(reversed), Format::EPSTIFF);
    eps.resize(27);
    EXPECT_EQ(Detect(eps), Format::Unknown);
}

// Where two rules match, the earlier one wins.
TEST(AnyPicDecoderDetect, RulesInOrder)
{
    // "BM" in a Targa-looking header.
    std::vector<uint8_t> tga = Targa(0, 2, 0, 24);
    tga[0] = 'B';
    tga[1] = 'M';
    EXPECT_EQ(Detect(tga), Format::BMP);
    // A PCX version 0 header (0x0A, 0, 1) that also passes the Targa heuristic.
    std::vector<uint8_t> pcx = Bytes({0x0A, 0x00, 0x01}, 128);
    EXPECT_EQ(Detect(pcx), Format::PCX);
    pcx[16] = 8;
    EXPECT_EQ(Detect(pcx), Format::TGA);
    // A JPEG or a PNG whose bytes 522 on look like a PICT opcode: PICT comes first.
    std::vector<uint8_t> jpeg = Pict(600, {0x00, 0x11, 0x02, 0xFF});
    jpeg[0] = 0xFF;
    jpeg[1] = 0xD8;
    jpeg[2] = 0xFF;
    EXPECT_EQ(Detect(jpeg), Format::PICT);
    std::vector<uint8_t> gif = Pict(600, {0x00, 0x11, 0x02, 0xFF});
    gif[0] = 'G';
    gif[1] = 'I';
    gif[2] = 'F';
    gif[3] = '8';
    EXPECT_EQ(Detect(gif), Format::GIF);
    // A TIFF header with a Targa-like byte 16 is still a TIFF: 'I' is no map type.
    std::vector<uint8_t> tiff = Bytes({0x49, 0x49, 0x2A, 0x00}, 20);
    tiff[16] = 24;
    EXPECT_EQ(Detect(tiff), Format::TIFF);
}

TEST(AnyPicDecoderDetect, ShortFilesMatchNothingTheyCannotHold)
{
    EXPECT_EQ(Detect({}), Format::Unknown);
    EXPECT_EQ(PLAnyPicDecoder::Detect("picture.img", nullptr, 0), Format::Unknown);
    EXPECT_EQ(Detect(Text("B")), Format::Unknown);
    EXPECT_EQ(Detect(Bytes({0xFF, 0xD8})), Format::Unknown);
    EXPECT_EQ(Detect(Bytes({0x89, 'P', 'N'})), Format::Unknown);
    EXPECT_EQ(Detect(Text("GIF")), Format::Unknown);
    EXPECT_EQ(Detect(Bytes({0x0A, 5})), Format::Unknown);
    EXPECT_EQ(Detect(Text("P")), Format::Unknown);
    EXPECT_EQ(Detect(Text("8BP")), Format::Unknown);
    EXPECT_EQ(Detect(Bytes({0x49, 0x49, 0x2A})), Format::Unknown);
}

TEST(AnyPicDecoder, FormatNames)
{
    EXPECT_STREQ(PLAnyPicDecoder::FormatName(Format::BMP), "BMP");
    EXPECT_STREQ(PLAnyPicDecoder::FormatName(Format::JPEG), "JPEG");
    EXPECT_STREQ(PLAnyPicDecoder::FormatName(Format::PNG), "PNG");
    EXPECT_STREQ(PLAnyPicDecoder::FormatName(Format::TIFF), "TIFF");
    EXPECT_STREQ(PLAnyPicDecoder::FormatName(Format::EPSTIFF), "EPS");
    EXPECT_STREQ(PLAnyPicDecoder::FormatName(Format::Unknown), "Unknown");
}

TEST(AnyPicDecoder, EveryFormatDecodedHasItsFileExtensions)
{
    for (int n = static_cast<int>(Format::Unknown) + 1; n <= static_cast<int>(Format::PDF); ++n)
        EXPECT_FALSE(PLAnyPicDecoder::FormatExtensions(static_cast<Format>(n)).empty()) << n;
    EXPECT_TRUE(PLAnyPicDecoder::FormatExtensions(Format::Unknown).empty());
    const std::vector<std::string> all = PLAnyPicDecoder::FileExtensions();
    EXPECT_EQ(std::count(all.begin(), all.end(), "pnm"), 1) << "once, although two formats use it";
}

TEST(AnyPicDecoder, ReadsFilesAndRecordsTheFormat)
{
    LIB_REQUIRE_TOOLS("pnmtopng");
    const std::string file = libtest::Work("any_file.png");
    ASSERT_TRUE(libtest::Make("pnmtopng $S > $O",
                              libtest::WritePnm("any_file.ppm", libtest::ManyColors, false), file));
    PLAnyPicDecoder decoder;
    PLBmp bmp;
    decoder.MakeBmpFromFile(file, bmp);
    EXPECT_EQ(decoder.GetLastFormat(), Format::PNG);
    EXPECT_TRUE(owntest::Matches(bmp, libtest::ManyColors, libtest::kWidth, libtest::kHeight));
    // The extension means nothing but for metafiles.
    const std::string renamed = libtest::Work("any_file.jpg");
    ASSERT_EQ(std::rename(file.c_str(), renamed.c_str()), 0);
    decoder.MakeBmpFromFile(renamed, bmp);
    EXPECT_EQ(decoder.GetLastFormat(), Format::PNG);
}

TEST(AnyPicDecoder, Failures)
{
    PLAnyPicDecoder decoder;
    PLBmp bmp;
    auto message = [&](const std::string& path) -> std::string {
        try {
            decoder.MakeBmpFromFile(path, bmp);
        } catch (const PLTextException& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(message(libtest::Work("does_not_exist.png")), "Failed to open given file");
    EXPECT_EQ(message(PLOTVANE_TEST_WORK), "This is not a regular file.");

    const std::string empty = libtest::Work("any_empty.bin");
    owntest::WriteFile(empty, {});
    EXPECT_EQ(message(empty), "Unknown file type.");
    EXPECT_EQ(decoder.GetLastFormat(), Format::Unknown);

    const std::string text = libtest::Work("any_text.txt");
    owntest::WriteFile(text, Text("just some text, no picture"));
    EXPECT_EQ(message(text), "Unknown file type.");

    // A recognised but damaged file: the decoder's own error, the format recorded.
    const std::string broken = libtest::Work("any_broken.png");
    owntest::WriteFile(broken, Bytes({0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0}));
    EXPECT_NE(message(broken).find("PNG"), std::string::npos);
    EXPECT_EQ(decoder.GetLastFormat(), Format::PNG);
    EXPECT_TRUE(bmp.IsEmpty());

    // Not a regular file: read whole rather than mapped.
    EXPECT_EQ(message("/proc/self/cmdline"), "Unknown file type.");
}

}  // namespace
