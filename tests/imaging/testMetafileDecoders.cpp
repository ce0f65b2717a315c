// WMF and EMF decoders on small metafiles built here record by record: a filled rectangle
// must come out in its exact colour where it was drawn, on white elsewhere, with the
// margins of the picture frame kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "imaging/Bmp.h"
#include "imaging/EmfDecoder.h"
#include "imaging/TextException.h"
#include "imaging/WmfDecoder.h"
#include "tests/imaging/OwnDecoderSupport.h"
#include "tests/support/RequiredTool.h"

namespace {

using owntest::Rgb;

class Bytes {
public:
    void U16(uint32_t v)
    {
        m_Data.push_back(static_cast<uint8_t>(v));
        m_Data.push_back(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void SetU32(size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i) {
            m_Data[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    }
    size_t Size() const { return m_Data.size(); }
    const std::vector<uint8_t>& Data() const { return m_Data; }

private:
    std::vector<uint8_t> m_Data;
};

uint32_t ColorRef(uint8_t r, uint8_t g, uint8_t b)
{
    return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16;
}

// A placeable WMF of width x height units at 96 units an inch, so one unit is one pixel at
// 96 dpi, with one rectangle filled in colour and no outline.
std::vector<uint8_t> MakeWmf(int width, int height, int left, int top, int right, int bottom, uint32_t color,
                             bool placeableHeader = true, const char* text = nullptr)
{
    Bytes placeable;
    placeable.U32(0x9AC6CDD7);
    placeable.U16(0);
    for (const int v : {0, 0, width, height}) {
        placeable.U16(static_cast<uint16_t>(v));
    }
    placeable.U16(96);
    placeable.U32(0);
    uint16_t checksum = 0;
    for (size_t i = 0; i < 20; i += 2) {
        checksum ^= static_cast<uint16_t>(placeable.Data()[i] | placeable.Data()[i + 1] << 8);
    }
    placeable.U16(checksum);

    Bytes records;
    size_t largest = 0;
    auto record = [&records, &largest](uint16_t function, std::initializer_list<uint16_t> words) {
        largest = std::max(largest, 3 + words.size());
        records.U32(static_cast<uint32_t>(3 + words.size()));
        records.U16(function);
        for (const uint16_t w : words) {
            records.U16(w);
        }
    };
    record(0x020B, {0, 0});                                                   // SETWINDOWORG y, x
    record(0x020C, {uint16_t(height), uint16_t(width)});                      // SETWINDOWEXT y, x
    record(0x02FC, {0, uint16_t(color & 0xFFFF), uint16_t(color >> 16), 0});  // CREATEBRUSHINDIRECT solid
    record(0x012D, {0});                                                      // SELECTOBJECT brush
    record(0x02FA, {5, 0, 0, 0, 0});                                          // CREATEPENINDIRECT null pen
    record(0x012D, {1});                                                      // SELECTOBJECT pen
    record(0x041B, {uint16_t(bottom), uint16_t(right), uint16_t(top), uint16_t(left)});  // RECTANGLE
    if (text) {
        std::vector<uint16_t> words{static_cast<uint16_t>(std::strlen(text))};
        for (size_t i = 0; text[i]; i += 2) {
            words.push_back(
                static_cast<uint16_t>(uint8_t(text[i]) | (text[i + 1] ? uint8_t(text[i + 1]) << 8 : 0)));
            if (!text[i + 1]) {
                break;
            }
        }
        words.push_back(uint16_t(top + 5));  // y, then x
        words.push_back(uint16_t(left + 5));
        largest = std::max(largest, 3 + words.size());
        records.U32(static_cast<uint32_t>(3 + words.size()));
        records.U16(0x0521);  // TEXTOUT, in the default font
        for (const uint16_t w : words) {
            records.U16(w);
        }
    }
    record(0x0000, {});  // EOF

    Bytes header;
    header.U16(1);       // in memory
    header.U16(9);       // header words
    header.U16(0x0300);  // version
    header.U32(static_cast<uint32_t>((18 + records.Size()) / 2));
    header.U16(2);                               // objects
    header.U32(static_cast<uint32_t>(largest));  // words
    header.U16(0);

    std::vector<uint8_t> file = placeableHeader ? placeable.Data() : std::vector<uint8_t>();
    file.insert(file.end(), header.Data().begin(), header.Data().end());
    file.insert(file.end(), records.Data().begin(), records.Data().end());
    return file;
}

// An EMF whose frame is width x height pixels at 96 dpi, with one filled rectangle.
std::vector<uint8_t> MakeEmf(int width, int height, int left, int top, int right, int bottom, uint32_t color)
{
    Bytes emf;
    emf.U32(1);   // EMR_HEADER
    emf.U32(88);  // its size
    for (const int v : {0, 0, width - 1, height - 1}) {
        emf.U32(static_cast<uint32_t>(v));  // bounds, device pixels
    }
    for (const int v : {0, 0, width * 2540 / 96, height * 2540 / 96}) {
        emf.U32(static_cast<uint32_t>(v));  // frame, 0.01 mm
    }
    emf.U32(0x464D4520);  // " EMF"
    emf.U32(0x10000);
    emf.U32(0);  // file size, set below
    emf.U32(6);  // records
    emf.U16(2);  // handles
    emf.U16(0);
    emf.U32(0);  // description
    emf.U32(0);
    emf.U32(0);        // palette entries
    emf.U32(96 * 10);  // reference device: 10 x 10 inches at 96 dpi
    emf.U32(96 * 10);
    emf.U32(254);  // its size in millimetres
    emf.U32(254);

    emf.U32(39);  // EMR_CREATEBRUSHINDIRECT
    emf.U32(24);
    emf.U32(1);  // handle
    emf.U32(0);  // BS_SOLID
    emf.U32(color);
    emf.U32(0);
    emf.U32(37);  // EMR_SELECTOBJECT
    emf.U32(12);
    emf.U32(1);
    emf.U32(37);  // EMR_SELECTOBJECT NULL_PEN (a stock object)
    emf.U32(12);
    emf.U32(0x80000008);
    emf.U32(43);  // EMR_RECTANGLE
    emf.U32(24);
    for (const int v : {left, top, right, bottom}) {
        emf.U32(static_cast<uint32_t>(v));
    }
    emf.U32(14);  // EMR_EOF
    emf.U32(20);
    emf.U32(0);
    emf.U32(16);
    emf.U32(20);
    emf.SetU32(48, static_cast<uint32_t>(emf.Size()));
    return emf.Data();
}

void Decode(PLPicDecoder& decoder, const std::vector<uint8_t>& bytes, PLBmp& bmp)
{
    decoder.Decode(bytes.data(), bytes.size(), bmp);
}

// The rectangle (60, 30)-(180, 90) in a 240 x 120 picture: its inside is in its colour
// (a few pixels in from the edges, where anti-aliasing may blend), its outside white.
void ExpectRectangle(const PLBmp& bmp, const Rgb& color)
{
    ASSERT_EQ(bmp.GetBitsPerPixel(), 32);
    ASSERT_NEAR(bmp.GetWidth(), 240, 1);
    ASSERT_NEAR(bmp.GetHeight(), 120, 1);
    const Rgb white{255, 255, 255};
    for (const auto& [x, y] : {std::pair<int, int>{120, 60}, {63, 33}, {176, 86}, {63, 86}}) {
        EXPECT_EQ(owntest::PixelOf(bmp, x, y), color) << x << "," << y;
    }
    for (const auto& [x, y] :
         {std::pair<int, int>{5, 5}, {56, 60}, {184, 60}, {120, 26}, {120, 94}, {230, 110}}) {
        EXPECT_EQ(owntest::PixelOf(bmp, x, y), white) << x << "," << y;
    }
    for (int y = 0; y < bmp.GetHeight(); ++y) {
        for (int x = 0; x < bmp.GetWidth(); ++x) {
            ASSERT_EQ(bmp.GetRow(y)[x * 4 + 3], 0xFF);
        }
    }
}

TEST(WmfDecoder, RendersAFilledRectangle)
{
    const std::vector<uint8_t> wmf = MakeWmf(240, 120, 60, 30, 180, 90, ColorRef(200, 30, 40));
    PLWmfDecoder decoder;
    PLBmp bmp;
    Decode(decoder, wmf, bmp);
    ExpectRectangle(bmp, Rgb{200, 30, 40});
}

// Without the placeable header libwmf knows only the drawing's extent, which becomes the
// picture; text needs libwmf's fonts.
TEST(WmfDecoder, RendersFilesWithoutPlaceableHeaderAndText)
{
    const std::vector<uint8_t> bare = MakeWmf(240, 120, 60, 30, 180, 90, ColorRef(0, 128, 0), false);
    PLWmfDecoder decoder;
    PLBmp bmp;
    Decode(decoder, bare, bmp);
    ASSERT_GT(bmp.GetWidth(), 2);
    ASSERT_GT(bmp.GetHeight(), 2);
    EXPECT_EQ(owntest::PixelOf(bmp, bmp.GetWidth() / 2, bmp.GetHeight() / 2), (Rgb{0, 128, 0}));

    const std::vector<uint8_t> text =
        MakeWmf(240, 120, 60, 30, 180, 90, ColorRef(0, 128, 0), true, "Graph 1");
    Decode(decoder, text, bmp);
    EXPECT_EQ(bmp.GetWidth(), 240);
    // The text is drawn in black (smoothed) on white over the rectangle's top left corner.
    int dark = 0;
    for (int y = 30; y < 60; ++y) {
        for (int x = 60; x < 120; ++x) {
            const Rgb c = owntest::PixelOf(bmp, x, y);
            dark += c.r < 80 && c.g < 80 && c.b < 80;
        }
    }
    EXPECT_GT(dark, 20);
}

TEST(EmfDecoder, RendersAFilledRectangle)
{
    const std::vector<uint8_t> emf = MakeEmf(240, 120, 60, 30, 180, 90, ColorRef(20, 90, 210));
    PLEmfDecoder decoder;
    PLBmp bmp;
    Decode(decoder, emf, bmp);
    ExpectRectangle(bmp, Rgb{20, 90, 210});
}

TEST(MetafileDecoders, RefuseDamagedFiles)
{
    PLWmfDecoder wmfDecoder;
    PLEmfDecoder emfDecoder;
    PLBmp bmp;
    const std::vector<uint8_t> wmf = MakeWmf(240, 120, 60, 30, 180, 90, 0);
    const std::vector<uint8_t> emf = MakeEmf(240, 120, 60, 30, 180, 90, 0);
    const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'm', 'e', 't', 'a', 'f', 'i', 'l', 'e'};
    EXPECT_THROW(Decode(wmfDecoder, text, bmp), PLTextException);
    EXPECT_THROW(Decode(emfDecoder, text, bmp), PLTextException);
    EXPECT_THROW(Decode(emfDecoder, wmf, bmp), PLTextException);
    // A header announcing a largest record of gigabytes (libwmf would allocate it), and a
    // record passing the end of the file.
    std::vector<uint8_t> lying = wmf;
    lying[22 + 15] = 0x7F;
    EXPECT_THROW(Decode(wmfDecoder, lying, bmp), PLTextException);
    lying = wmf;
    lying[22 + 18 + 3] = 0x01;
    EXPECT_THROW(Decode(wmfDecoder, lying, bmp), PLTextException);
    // Cut anywhere, or with any byte changed: a picture or the layer's error, nothing else.
    for (size_t cut = 0; cut < wmf.size(); ++cut) {
        const std::vector<uint8_t> part(wmf.begin(), wmf.begin() + static_cast<long>(cut));
        try {
            Decode(wmfDecoder, part, bmp);
        } catch (const PLTextException&) {
        }
    }
    for (size_t cut = 0; cut < emf.size(); ++cut) {
        const std::vector<uint8_t> part(emf.begin(), emf.begin() + static_cast<long>(cut));
        EXPECT_THROW(Decode(emfDecoder, part, bmp), PLTextException) << cut;
    }
    for (size_t at = 0; at < emf.size(); ++at) {
        std::vector<uint8_t> damaged = emf;
        damaged[at] ^= 0xA5;
        try {
            Decode(emfDecoder, damaged, bmp);
        } catch (const PLTextException&) {
        }
    }
}

// A frame of 2^31 hundredths of a millimetre would be 8 million pixels wide: the bitmap
// is held to the canvas's largest side instead.
TEST(EmfDecoder, BoundsAHugeFrame)
{
    std::vector<uint8_t> emf = MakeEmf(240, 120, 60, 30, 180, 90, ColorRef(20, 90, 210));
    emf[32 + 3] = 0x7F;  // frame right
    PLEmfDecoder decoder;
    PLBmp bmp;
    Decode(decoder, emf, bmp);
    EXPECT_EQ(bmp.GetWidth(), 4096);
    EXPECT_GE(bmp.GetHeight(), 1);
}

// A star of `points` points around the centre of a 400 x 400 frame, each line crossing
// the picture: one polygon record (EMR_POLYGON16) before the end record.
std::vector<uint8_t> MakeEmfStar(int points)
{
    std::vector<uint8_t> emf = MakeEmf(400, 400, 0, 0, 1, 1, 0);
    emf.resize(emf.size() - 20);  // without its end record
    Bytes star;
    star.U32(86);
    star.U32(static_cast<uint32_t>(28 + 4 * points));
    for (const int v : {0, 0, 400, 400, points}) {
        star.U32(static_cast<uint32_t>(v));
    }
    for (int i = 0; i < points; ++i) {
        const double angle = 2 * 3.14159265358979 * double((i * (points / 2 - 1)) % points) / points;
        star.U16(static_cast<uint16_t>(200 + 190 * std::cos(angle)));
        star.U16(static_cast<uint16_t>(200 + 190 * std::sin(angle)));
    }
    for (const uint32_t v : {14u, 20u, 0u, 16u, 20u}) {
        star.U32(v);
    }
    emf.insert(emf.end(), star.Data().begin(), star.Data().end());
    Bytes size;
    size.U32(static_cast<uint32_t>(emf.size()));
    std::copy(size.Data().begin(), size.Data().end(), emf.begin() + 48);
    return emf;
}

// Drawing a figure that crosses itself costs time for every crossing: a star of a few
// hundred points is drawn, one of thousands (minutes of drawing) is refused.
TEST(EmfDecoder, RefusesFiguresWithTooManyCrossings)
{
    PLEmfDecoder decoder;
    PLBmp bmp;
    Decode(decoder, MakeEmfStar(300), bmp);
    EXPECT_EQ(bmp.GetWidth(), 400);
    EXPECT_EQ(owntest::PixelOf(bmp, 5, 5), (Rgb{255, 255, 255}));
    try {
        Decode(decoder, MakeEmfStar(4000), bmp);
        ADD_FAILURE() << "drawn";
    } catch (const PLTextException& e) {
        EXPECT_STREQ(e.what(), "The drawing has too many lines and points.");
    }
}

}  // namespace

// Metafiles written by a tool we did not write: Inkscape exports a drawing of a red
// rectangle on a white page as EMF and as WMF.
class InkscapeMetafiles : public ::testing::TestWithParam<const char*> {};

TEST_P(InkscapeMetafiles, RenderTheRedRectangleOnWhite)
{
    if (!owntest::HaveCommand("inkscape"))
        SKIP_WITHOUT_TOOL("inkscape is not installed");
    const std::string type = GetParam();
    const std::string svg = owntest::WorkPath("inkscape.svg");
    const std::string out = owntest::WorkPath("inkscape." + type);
    {
        std::ofstream file(svg);
        file << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"100\" "
                "viewBox=\"0 0 200 100\"><rect x=\"0\" y=\"0\" width=\"200\" height=\"100\" "
                "fill=\"#ffffff\"/><rect x=\"40\" y=\"20\" width=\"120\" height=\"60\" "
                "fill=\"#cc1a1a\"/></svg>";
    }
    ASSERT_TRUE(owntest::RunTool("HOME=/tmp inkscape '" + svg + "' --export-type=" + type +
                                 " --export-filename='" + out + "'"));

    PLBmp bmp;
    const std::vector<uint8_t> bytes = owntest::ReadFile(out);
    if (type == "emf") {
        PLEmfDecoder().Decode(bytes.data(), bytes.size(), bmp);
    } else {
        PLWmfDecoder().Decode(bytes.data(), bytes.size(), bmp);
    }
    ASSERT_EQ(bmp.GetBitsPerPixel(), 32);
    const int w = bmp.GetWidth();
    const int h = bmp.GetHeight();
    // Find the red rectangle and check it sits in the middle of the page, as drawn.
    int minx = w, maxx = -1, miny = h, maxy = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Rgb c = owntest::PixelOf(bmp, x, y);
            if (c.r > 180 && c.g < 60 && c.b < 60) {
                minx = std::min(minx, x);
                maxx = std::max(maxx, x);
                miny = std::min(miny, y);
                maxy = std::max(maxy, y);
            }
        }
    }
    ASSERT_GE(maxx, 0) << "no red in a " << w << "x" << h << " picture";
    const Rgb centre = owntest::PixelOf(bmp, (minx + maxx) / 2, (miny + maxy) / 2);
    EXPECT_EQ(centre.r, 0xCC);
    EXPECT_EQ(centre.g, 0x1A);
    EXPECT_EQ(centre.b, 0x1A);
    EXPECT_NEAR(double(maxx - minx + 1) / (maxy - miny + 1), 2.0, 0.2);
    const Rgb corner = owntest::PixelOf(bmp, minx / 2, miny / 2);
    EXPECT_EQ(corner.r, 255);
    EXPECT_EQ(corner.g, 255);
    EXPECT_EQ(corner.b, 255);
}

INSTANTIATE_TEST_SUITE_P(Formats, InkscapeMetafiles, ::testing::Values("emf", "wmf"));
