// The library-based decoders on damaged files: valid files cut at every offset or with
// bytes changed, and headers announcing huge pictures. The only acceptable failure is the
// layer's text error; a picture far larger than its data is refused before the bitmap is
// allocated (the message says why).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "imaging/AnyPicDecoder.h"
#include "imaging/GifDecoder.h"
#include "imaging/JpegDecoder.h"
#include "imaging/PngDecoder.h"
#include "imaging/TiffDecoder.h"
#include "tests/imaging/LibraryDecoderSupport.h"

using namespace libtest;

namespace {

struct Fixture {
    const char* name;
    const char* tools;
    const char* command;  // from a PPM of ManyColors ($S) to the file ($O)
    std::function<std::unique_ptr<PLPicDecoder>()> make;
    // Cuts shorter than size - tailSlack bytes must all fail: the last bytes (end
    // markers, the last tags of a TIFF directory at the end) may not be needed for the
    // picture. A cut file that decodes must give the whole picture.
    size_t tailSlack;
};

void PrintTo(const Fixture& f, std::ostream* os)
{
    *os << f.name;
}

std::vector<uint8_t> MakeFixture(const Fixture& f)
{
    const std::string source = WritePnm(std::string(f.name) + ".ppm", ManyColors, false);
    const std::string file = Work(std::string(f.name) + ".bin");
    if (!Make(f.command, source, file)) {
        ADD_FAILURE() << f.command;
        return {};
    }
    return owntest::ReadFile(file);
}

// Decodes; true when a picture came out. Any exception but the layer's fails the test.
bool TryDecode(PLPicDecoder& decoder, const std::vector<uint8_t>& data, PLBmp& bmp)
{
    try {
        decoder.Decode(data.data(), data.size(), bmp);
        return true;
    } catch (const PLTextException&) {
        EXPECT_TRUE(bmp.IsEmpty());
        return false;
    }
}

class LibraryDamagedFiles : public ::testing::TestWithParam<Fixture> {};

TEST_P(LibraryDamagedFiles, EveryTruncationFails)
{
    const Fixture& f = GetParam();
    LIB_REQUIRE_TOOLS(f.tools);
    const std::vector<uint8_t> bytes = MakeFixture(f);
    ASSERT_GT(bytes.size(), f.tailSlack);
    std::unique_ptr<PLPicDecoder> decoder = f.make();
    PLBmp whole;
    ASSERT_TRUE(TryDecode(*decoder, bytes, whole));
    const size_t pixelBytes = whole.GetStride() * static_cast<size_t>(whole.GetHeight());
    PLBmp bmp;
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        // Copied, so that reading past the cut is an error the sanitizers see.
        const std::vector<uint8_t> part(bytes.begin(), bytes.begin() + static_cast<long>(cut));
        const bool decoded = TryDecode(*decoder, part, bmp);
        if (cut + f.tailSlack < bytes.size()) {
            EXPECT_FALSE(decoded) << "cut at " << cut << " of " << bytes.size();
        } else if (decoded) {
            ASSERT_EQ(bmp.GetStride() * static_cast<size_t>(bmp.GetHeight()), pixelBytes);
            EXPECT_EQ(std::memcmp(bmp.GetBits(), whole.GetBits(), pixelBytes), 0) << "cut at " << cut;
        }
    }
}

TEST_P(LibraryDamagedFiles, ChangedBytesGiveAPictureOrTheLayersError)
{
    const Fixture& f = GetParam();
    LIB_REQUIRE_TOOLS(f.tools);
    const std::vector<uint8_t> bytes = MakeFixture(f);
    ASSERT_FALSE(bytes.empty());
    std::unique_ptr<PLPicDecoder> decoder = f.make();
    std::mt19937 random(12345);
    PLBmp bmp;
    for (int trial = 0; trial < 400; ++trial) {
        std::vector<uint8_t> damaged = bytes;
        const int changes = 1 + trial % 4;
        for (int i = 0; i < changes; ++i) {
            // Mostly in the headers, where the sizes are.
            const size_t limit = trial % 2 ? damaged.size() : std::min<size_t>(damaged.size(), 200);
            damaged[random() % limit] ^= static_cast<uint8_t>(1 + random() % 255);
        }
        TryDecode(*decoder, damaged, bmp);
        if (!bmp.IsEmpty()) {
            EXPECT_LE(uint64_t(bmp.GetWidth()) * bmp.GetHeight(), PLBmp::kMaxPixels);
        }
    }
}

template <typename Decoder>
std::function<std::unique_ptr<PLPicDecoder>()> Maker()
{
    return [] { return std::make_unique<Decoder>(); };
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LibraryDamagedFiles,
    ::testing::Values(
        Fixture{"damaged_png", "pnmtopng", "pnmtopng $S > $O", Maker<PLPngDecoder>(), 0},
        Fixture{"damaged_png_interlaced", "pnmtopng", "pnmtopng -interlace $S > $O", Maker<PLPngDecoder>(),
                0},
        Fixture{"damaged_jpeg", "cjpeg", "cjpeg $S > $O", Maker<PLJpegDecoder>(), 2},
        Fixture{"damaged_jpeg_progressive", "cjpeg", "cjpeg -progressive $S > $O", Maker<PLJpegDecoder>(), 0},
        Fixture{"damaged_gif", "ppmtogif", "ppmquant 200 $S | ppmtogif > $O", Maker<PLGifDecoder>(), 1},
        Fixture{"damaged_tiff", "pnmtotiff", "pnmtotiff $S > $O", Maker<PLTiffDecoder>(), 120},
        Fixture{"damaged_tiff_lzw_tiled", "pnmtotiff tiffcp",
                "pnmtotiff $S > $O.in && tiffcp -c lzw -t -w 16 -l 16 $O.in $O", Maker<PLTiffDecoder>(), 120},
        Fixture{"damaged_tiff_separate", "pnmtotiff tiffcp",
                "pnmtotiff $S > $O.in && tiffcp -c zip -p separate -r 3 $O.in $O", Maker<PLTiffDecoder>(),
                120}),
    [](const ::testing::TestParamInfo<Fixture>& info) { return std::string(info.param.name); });

// ---- huge pictures in small files ----

uint32_t Crc32(const uint8_t* data, size_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        }
    }
    return ~crc;
}

void PutBE32(std::vector<uint8_t>& data, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        data[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
    }
}

std::string ErrorOf(PLPicDecoder& decoder, const std::vector<uint8_t>& data)
{
    PLBmp bmp;
    try {
        decoder.Decode(data.data(), data.size(), bmp);
    } catch (const PLTextException& e) {
        return e.what();
    }
    return "decoded " + std::to_string(bmp.GetWidth()) + "x" + std::to_string(bmp.GetHeight());
}

TEST(LibraryHugePictures, PngHeaderOfGigapixels)
{
    LIB_REQUIRE_TOOLS("pnmtopng");
    const std::string file = Work("huge.png");
    ASSERT_TRUE(Make("pnmtopng $S > $O", WritePnm("huge.pgm", Greys, true), file));
    std::vector<uint8_t> png = owntest::ReadFile(file);
    ASSERT_EQ(png[25], 0);  // grey, 8 bits
    PLPngDecoder decoder;
    for (const uint32_t side : {30000u, 40000u, 1000000u}) {
        PutBE32(png, 16, side);
        PutBE32(png, 20, side);
        PutBE32(png, 29, Crc32(png.data() + 12, 17));
        EXPECT_NE(ErrorOf(decoder, png).find("too short"), std::string::npos)
            << side << ": " << ErrorOf(decoder, png);
    }
}

TEST(LibraryHugePictures, JpegFrameOfGigapixels)
{
    LIB_REQUIRE_TOOLS("cjpeg");
    const std::string file = Work("huge.jpg");
    ASSERT_TRUE(Make("cjpeg $S > $O", WritePnm("huge_jpeg.ppm", ManyColors, false), file));
    std::vector<uint8_t> jpeg = owntest::ReadFile(file);
    size_t sof = 0;
    for (size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            sof = i;
            break;
        }
    }
    ASSERT_NE(sof, 0u);
    PLJpegDecoder decoder;
    auto setSize = [&](int width, int height) {
        jpeg[sof + 5] = static_cast<uint8_t>(height >> 8);
        jpeg[sof + 6] = static_cast<uint8_t>(height);
        jpeg[sof + 7] = static_cast<uint8_t>(width >> 8);
        jpeg[sof + 8] = static_cast<uint8_t>(width);
    };
    setSize(30000, 30000);
    EXPECT_NE(ErrorOf(decoder, jpeg).find("too short"), std::string::npos) << ErrorOf(decoder, jpeg);
    setSize(65500, 65500);
    EXPECT_NE(ErrorOf(decoder, jpeg).find("too large"), std::string::npos) << ErrorOf(decoder, jpeg);
}

TEST(LibraryHugePictures, TiffTagsOfGigapixels)
{
    LIB_REQUIRE_TOOLS("pnmtotiff tiffcp tiffset");
    PLTiffDecoder decoder;
    for (const char* options : {"-c none", "-c lzw", "-c zip -t -w 16 -l 16", "-c packbits -p separate"}) {
        const std::string file = Work("huge.tif");
        ASSERT_TRUE(Make(std::string("pnmtotiff $S > $O.in && tiffcp ") + options +
                             " $O.in $O && tiffset -s 256 30000 $O && tiffset -s 257 30000 $O",
                         WritePnm("huge_tiff.ppm", ManyColors, false), file));
        const std::string error = ErrorOf(decoder, owntest::ReadFile(file));
        EXPECT_EQ(error.rfind("TIFF decoder: ", 0), 0u) << options << ": " << error;
    }
    const std::string file = Work("huge_none.tif");
    ASSERT_TRUE(Make("pnmtotiff $S > $O && tiffset -s 256 40000 $O && tiffset -s 257 40000 $O",
                     WritePnm("huge_none.ppm", ManyColors, false), file));
    EXPECT_NE(ErrorOf(decoder, owntest::ReadFile(file)).find("too large"), std::string::npos);
}

TEST(LibraryHugePictures, GifScreenAndImageOfGigapixels)
{
    LIB_REQUIRE_TOOLS("ppmtogif");
    const std::string file = Work("huge.gif");
    ASSERT_TRUE(Make("ppmtogif $S > $O", WritePnm("huge_gif.ppm", PaletteColors, false), file));
    std::vector<uint8_t> gif = owntest::ReadFile(file);
    size_t descriptor = 13 + ((gif[10] & 0x80) ? 3u << ((gif[10] & 7) + 1) : 0u);
    while (gif[descriptor] == 0x21) {
        descriptor += 2;
        while (gif[descriptor] != 0) {
            descriptor += gif[descriptor] + 1u;
        }
        ++descriptor;
    }
    ASSERT_EQ(gif[descriptor], 0x2C);
    for (const size_t at : {size_t(6), size_t(8), descriptor + 5, descriptor + 7}) {
        gif[at] = 0xFF;
        gif[at + 1] = 0x7F;
    }
    PLGifDecoder decoder;
    EXPECT_NE(ErrorOf(decoder, gif).find("too short"), std::string::npos) << ErrorOf(decoder, gif);
}

// Through the any-format decoder too, the failure is the layer's error.
TEST(LibraryHugePictures, ThroughTheAnyFormatDecoder)
{
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0,
                                0,    0,   0,   0,   0,  0,  0,  8,  6, 0, 0, 0,  0,   0,   0,   0};
    PutBE32(png, 16, 40000);
    PutBE32(png, 20, 40000);
    PutBE32(png, 29, Crc32(png.data() + 12, 17));
    PLAnyPicDecoder decoder;
    PLBmp bmp;
    EXPECT_THROW(decoder.MakeBmpFromMemory("bomb.png", png.data(), png.size(), bmp), PLTextException);
    EXPECT_TRUE(bmp.IsEmpty());
}

}  // namespace
