// Damaged files for every decoder of our own: cut short at every length, bytes changed at
// random, and headers that claim huge pictures. Each must end in the image layer's error
// or a picture, never in a crash, another exception, or a huge allocation.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include "imaging/BmpDecoder.h"
#include "imaging/PcxDecoder.h"
#include "imaging/PgmDecoder.h"
#include "imaging/PictDecoder.h"
#include "imaging/PpmDecoder.h"
#include "imaging/PsdDecoder.h"
#include "imaging/TextException.h"
#include "imaging/TgaDecoder.h"
#include "tests/imaging/OwnDecoderSupport.h"
#include "tests/support/RequiredTool.h"

// The largest single allocation since the last reset, so that the tests can tell a
// header refused up front from one that made us allocate gigabytes first.
namespace {
std::atomic<size_t> g_nLargestAllocation{0};
}

void* operator new(std::size_t size)
{
    size_t largest = g_nLargestAllocation.load(std::memory_order_relaxed);
    while (size > largest && !g_nLargestAllocation.compare_exchange_weak(largest, size)) {
    }
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

// GCC cannot see that these frees pair with the malloc above.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

using namespace owntest;

namespace {

// More than any of the small fixtures or a refused header may need.
constexpr size_t kAllocationLimit = size_t(64) << 20;

std::unique_ptr<PLPicDecoder> MakeDecoder(const std::string& format)
{
    if (format == "bmp")
        return std::make_unique<PLBmpDecoder>();
    if (format == "tga")
        return std::make_unique<PLTgaDecoder>();
    if (format == "pcx")
        return std::make_unique<PLPcxDecoder>();
    if (format == "pgm")
        return std::make_unique<PLPgmDecoder>();
    if (format == "ppm")
        return std::make_unique<PLPpmDecoder>();
    if (format == "psd")
        return std::make_unique<PLPsdDecoder>();
    return std::make_unique<PLPictDecoder>();
}

enum class Outcome { Decoded, Refused, Other };

Outcome TryDecode(PLPicDecoder& decoder, const std::vector<uint8_t>& bytes)
{
    PLBmp bmp;
    bmp.Create(3, 3, 8);  // a previous picture, which a failed decode must not leave behind
    try {
        decoder.Decode(bytes.data(), bytes.size(), bmp);
        return Outcome::Decoded;
    } catch (const PLTextException&) {
        return bmp.IsEmpty() ? Outcome::Refused : Outcome::Other;
    } catch (...) {
        return Outcome::Other;
    }
}

struct Fixture {
    const char* name;
    const char* format;
    const char* tools;
    const char* command;  // $S source, $O output
    Picture picture;
    // How many bytes at the end a decoder may do without: padding of the last row, the
    // last digits of a plain netpbm file, a palette that has a fallback.
    size_t tolerated;
};

void PrintTo(const Fixture& f, std::ostream* os)
{
    *os << f.name;
}

class DamagedFiles : public ::testing::TestWithParam<Fixture> {
protected:
    // Makes the fixture; false (and a skip) when a tool is missing.
    bool Make(std::vector<uint8_t>& bytes)
    {
        const Fixture& f = GetParam();
        std::istringstream tools(f.tools);
        for (std::string tool; tools >> tool;) {
            if (!HaveCommand(tool)) {
                return false;
            }
        }
        const std::string source = WritePpm(std::string("damaged_") + f.name + ".ppm", f.picture);
        const std::string file = WorkPath(std::string("damaged_") + f.name + ".out");
        EXPECT_TRUE(RunTool(Expand(f.command, source, file)));
        bytes = ReadFile(file);
        return !bytes.empty();
    }
};

}  // namespace

TEST_P(DamagedFiles, CutShortAtEveryLength)
{
    std::vector<uint8_t> bytes;
    if (!Make(bytes)) {
        SKIP_WITHOUT_TOOL("tool missing: " << GetParam().tools);
    }
    const Fixture& f = GetParam();
    auto decoder = MakeDecoder(f.format);
    ASSERT_EQ(TryDecode(*decoder, bytes), Outcome::Decoded);
    for (size_t length = 0; length < bytes.size(); ++length) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
        g_nLargestAllocation = 0;
        const Outcome outcome = TryDecode(*decoder, cut);
        ASSERT_NE(outcome, Outcome::Other) << "length " << length;
        ASSERT_LT(g_nLargestAllocation.load(), kAllocationLimit) << "length " << length;
        if (length + f.tolerated < bytes.size()) {
            ASSERT_EQ(outcome, Outcome::Refused) << "length " << length << " of " << bytes.size();
        }
    }
}

TEST_P(DamagedFiles, BytesChangedAtRandom)
{
    std::vector<uint8_t> bytes;
    if (!Make(bytes)) {
        SKIP_WITHOUT_TOOL("tool missing: " << GetParam().tools);
    }
    auto decoder = MakeDecoder(GetParam().format);
    uint32_t seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    // Most changes go to the headers, where they hurt most.
    const size_t headerSpan = std::min<size_t>(bytes.size(), 700);
    for (int round = 0; round < 1500; ++round) {
        std::vector<uint8_t> damaged = bytes;
        const int changes = 1 + static_cast<int>(next() % 4);
        for (int i = 0; i < changes; ++i) {
            const size_t at = (next() % 3 == 0) ? next() % damaged.size() : next() % headerSpan;
            const uint32_t kind = next() % 4;
            damaged[at] = kind == 0   ? 0xFF
                          : kind == 1 ? 0x00
                          : kind == 2 ? damaged[at] ^ (1u << (next() % 8))
                                      : static_cast<uint8_t>(next());
        }
        g_nLargestAllocation = 0;
        ASSERT_NE(TryDecode(*decoder, damaged), Outcome::Other) << "round " << round;
        ASSERT_LT(g_nLargestAllocation.load(), kAllocationLimit) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DamagedFiles,
    ::testing::Values(
        Fixture{"bmp24", "bmp", "convert", "convert $S BMP3:$O", EightColors, 3},
        Fixture{"bmp4", "bmp", "ppmtobmp", "ppmtobmp -bpp 4 $S > $O", EightColors, 3},
        Fixture{"bmp1", "bmp", "ppmtobmp", "ppmtobmp -bpp 1 $S > $O", TwoColors, 3},
        Fixture{"bmpos2", "bmp", "ppmtobmp", "ppmtobmp -os2 -bpp 8 $S > $O", ManyColors, 3},
        Fixture{"bmprle8", "bmp", "convert", "convert $S -type Palette -compress RLE BMP3:$O", ManyColors, 2},
        Fixture{"bmp565", "bmp", "convert", "convert $S -define bmp:subtype=RGB565 BMP:$O", PrimaryColors, 3},
        Fixture{"tgarle", "tga", "pamtotga", "pamtotga -cmap $S > $O", ManyColors, 0},
        Fixture{"tgargb", "tga", "convert", "convert $S -orient TopLeft -compress RLE tga:$O", EightColors,
                0},
        Fixture{"pcx1", "pcx", "ppmtopcx", "ppmtopcx $S > $O", TwoColors, 0},
        Fixture{"pcx4planes", "pcx", "ppmtopcx", "ppmtopcx -planes 4 $S > $O", EightColors, 0},
        Fixture{"pcx8", "pcx", "ppmtopcx", "ppmtopcx -8bit $S > $O", ManyColors, 769},
        Fixture{"pcx24", "pcx", "ppmtopcx", "ppmtopcx -24bit $S > $O", EightColors, 0},
        Fixture{"pgm5", "pgm", "ppmtopgm pamdepth", "ppmtopgm $S | pamdepth 65535 > $O", Greys, 0},
        Fixture{"pgm2", "pgm", "ppmtopgm pnmtoplainpnm", "ppmtopgm $S | pnmtoplainpnm > $O", Greys, 4},
        Fixture{"ppm6", "ppm", "pamtopnm", "pamtopnm $S > $O", EightColors, 0},
        Fixture{"ppm3", "ppm", "pnmtoplainpnm", "pnmtoplainpnm $S > $O", EightColors, 4},
        Fixture{"psdrgb", "psd", "convert", "convert $S -compress RLE psd:$O", EightColors, 0},
        Fixture{"psdindexed", "psd", "convert", "convert $S -type Palette -compress RLE psd:$O", ManyColors,
                0},
        Fixture{"pictdirect", "pict", "convert", "convert $S pict:$O", EightColors, 0},
        Fixture{"pictindexed", "pict", "ppmtopict", "ppmtopict $S > $O", ManyColors, 0}),
    [](const ::testing::TestParamInfo<Fixture>& info) { return std::string(info.param.name); });

namespace {

void Put16(std::vector<uint8_t>& d, size_t at, uint32_t v, bool bigEndian)
{
    d[at + (bigEndian ? 1 : 0)] = static_cast<uint8_t>(v);
    d[at + (bigEndian ? 0 : 1)] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& d, size_t at, uint32_t v, bool bigEndian)
{
    Put16(d, at + (bigEndian ? 2 : 0), v & 0xFFFF, bigEndian);
    Put16(d, at + (bigEndian ? 0 : 2), v >> 16, bigEndian);
}

::testing::AssertionResult RefusedCheaply(const char* format, const std::vector<uint8_t>& bytes)
{
    auto decoder = MakeDecoder(format);
    g_nLargestAllocation = 0;
    const Outcome outcome = TryDecode(*decoder, bytes);
    const size_t largest = g_nLargestAllocation.load();
    if (outcome != Outcome::Refused) {
        return ::testing::AssertionFailure()
               << format << (outcome == Outcome::Decoded ? " decoded" : " threw");
    }
    if (largest > (size_t(1) << 20)) {
        return ::testing::AssertionFailure() << format << " allocated " << largest << " bytes first";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Decodes(const char* format, const std::vector<uint8_t>& bytes)
{
    auto decoder = MakeDecoder(format);
    if (TryDecode(*decoder, bytes) != Outcome::Decoded) {
        return ::testing::AssertionFailure() << "the sound " << format << " file is refused";
    }
    return ::testing::AssertionSuccess();
}

std::vector<uint8_t> FromText(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

TEST(DamagedHeaders, HugeOrInvalidSizesAreRefusedBeforeAllocating)
{
    // Bitmap: 40-byte header, 24 bits, with a little data (or a palette, at 8 bits).
    std::vector<uint8_t> bmp(54 + 1024 + 64, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    Put32(bmp, 10, 54, false);
    Put32(bmp, 14, 40, false);
    Put16(bmp, 26, 1, false);
    Put16(bmp, 28, 24, false);
    Put32(bmp, 18, 4, false);
    Put32(bmp, 22, 4, false);
    ASSERT_TRUE(Decodes("bmp", bmp));
    const int64_t sizes[][2] = {
        {0x7FFFFFFF, 0x7FFFFFFF}, {30000, 30000}, {0, 5}, {5, 0}, {-5, 5}, {5, INT32_MIN}};
    for (const auto& size : sizes) {
        for (uint32_t compression : {0u, 1u}) {
            std::vector<uint8_t> file = bmp;
            Put32(file, 18, static_cast<uint32_t>(size[0]), false);
            Put32(file, 22, static_cast<uint32_t>(size[1]), false);
            Put32(file, 30, compression, false);
            Put16(file, 28, compression ? 8 : 24, false);
            EXPECT_TRUE(RefusedCheaply("bmp", file))
                << size[0] << "x" << size[1] << " compression " << compression;
        }
    }
    std::vector<uint8_t> badHeader = bmp;
    Put32(badHeader, 14, 0xFFFFFFF0u, false);
    EXPECT_TRUE(RefusedCheaply("bmp", badHeader));

    // Targa: 65535 x 65535 raw and 30000 x 30000 run-length, true colour.
    std::vector<uint8_t> tga(18 + 64, 0);
    tga[2] = 2;
    tga[12] = 4;
    tga[14] = 4;
    tga[16] = 24;
    ASSERT_TRUE(Decodes("tga", tga));
    for (uint8_t type : {2, 10}) {
        for (uint32_t side : {65535u, 30000u}) {
            std::vector<uint8_t> file = tga;
            file[2] = type;
            Put16(file, 12, side, false);
            Put16(file, 14, side, false);
            EXPECT_TRUE(RefusedCheaply("tga", file)) << int(type) << " " << side;
        }
    }

    // PCX: 65535 x 65535 and 30000 x 30000, run-length, 8 bits.
    std::vector<uint8_t> pcx(128 + 64, 0xC1);
    std::fill(pcx.begin(), pcx.begin() + 128, 0);
    pcx[0] = 0x0A;
    pcx[1] = 5;
    pcx[2] = 1;
    pcx[3] = 8;
    pcx[65] = 1;
    pcx[8] = 3;
    pcx[10] = 3;
    pcx[66] = 4;
    ASSERT_TRUE(Decodes("pcx", pcx));
    for (uint32_t side : {65534u, 29999u}) {
        std::vector<uint8_t> file = pcx;
        Put16(file, 8, side, false);
        Put16(file, 10, side, false);
        Put16(file, 66, side + 1, false);
        EXPECT_TRUE(RefusedCheaply("pcx", file)) << side;
    }
    std::vector<uint8_t> upsideDown = pcx;
    Put16(upsideDown, 4, 10, false);  // x min beyond x max
    EXPECT_TRUE(RefusedCheaply("pcx", upsideDown));

    // Netpbm.
    EXPECT_TRUE(RefusedCheaply("pgm", FromText("P5 30000 30000 255\nabcdef")));
    EXPECT_TRUE(RefusedCheaply("pgm", FromText("P2 30000 30000 255\n1 2 3")));
    EXPECT_TRUE(RefusedCheaply("pgm", FromText("P5 99999999999999999999 1 255\na")));
    EXPECT_TRUE(RefusedCheaply("ppm", FromText("P6 1 2147483647 65535\nabcdef")));
    EXPECT_TRUE(RefusedCheaply("ppm", FromText("P6 0 5 255\n")));

    // PSD: 4 x 4 RGB, run-length, each row a run of four; then 30000 x 30000.
    std::vector<uint8_t> psd = {'8', 'B', 'P', 'S', 0, 1, 0, 0, 0, 0, 0, 0, 0, 3};
    psd.resize(26 + 12 + 2, 0);
    Put32(psd, 14, 4, true);
    Put32(psd, 18, 4, true);
    Put16(psd, 22, 8, true);
    Put16(psd, 24, 3, true);
    Put16(psd, 38, 1, true);
    for (int row = 0; row < 12; ++row) {
        psd.insert(psd.end(), {0, 2});
    }
    for (int row = 0; row < 12; ++row) {
        psd.insert(psd.end(), {0xFD, 0x80});
    }
    ASSERT_TRUE(Decodes("psd", psd));
    Put32(psd, 14, 30000, true);
    Put32(psd, 18, 30000, true);
    EXPECT_TRUE(RefusedCheaply("psd", psd));

    // PICT version 2: a 30000 x 30000 frame around a 2 x 1 picture, then a 30000 x 30000
    // picture in a small frame.
    std::vector<uint8_t> pict(512, 0);
    auto be16 = [&pict](uint32_t v) {
        pict.push_back(static_cast<uint8_t>(v >> 8));
        pict.push_back(static_cast<uint8_t>(v));
    };
    auto rect = [&be16](uint32_t bottom, uint32_t right) {
        be16(0);
        be16(0);
        be16(bottom);
        be16(right);
    };
    be16(0);
    rect(1, 2);
    be16(0x0011);
    be16(0x02FF);
    be16(0x0098);
    be16(0x8000 | 2);
    rect(1, 2);
    for (int i = 0; i < 18; ++i) {
        be16(i == 9 ? 8 : 0);  // pixel size 8 among the pixel map fields
    }
    be16(0);
    be16(0);  // colour table seed
    be16(0x8000);
    be16(0);  // one colour
    be16(0);
    be16(0);
    be16(0);
    be16(0);
    rect(1, 2);
    rect(1, 2);
    be16(0);
    be16(0x0102);  // the two pixels
    be16(0x00FF);
    ASSERT_TRUE(Decodes("pict", pict));
    std::vector<uint8_t> hugeFrame = pict;
    Put16(hugeFrame, 514 + 4, 30000, true);
    Put16(hugeFrame, 514 + 6, 30000, true);
    EXPECT_TRUE(RefusedCheaply("pict", hugeFrame));
    std::vector<uint8_t> hugePixmap = pict;
    Put16(hugePixmap, 528, 0x8000 | 30000, true);  // row bytes: packed rows
    Put16(hugePixmap, 528 + 6, 30000, true);       // pixel map bounds
    Put16(hugePixmap, 528 + 8, 30000, true);
    EXPECT_TRUE(RefusedCheaply("pict", hugePixmap));
}
