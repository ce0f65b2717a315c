// Hand-made Macintosh pictures for what the tools here do not write: version 1, 16-bit
// direct pixels, several images with different colour tables, scaling, region variants
// and the opcodes that must be skipped or refused.
#include <gtest/gtest.h>

#include "imaging/PictDecoder.h"
#include "imaging/TextException.h"
#include "imaging/TgaDecoder.h"
#include "tests/imaging/OwnDecoderSupport.h"

using namespace owntest;

namespace {

class Writer {
public:
    Writer& U8(unsigned v)
    {
        bytes.push_back(static_cast<uint8_t>(v));
        return *this;
    }
    Writer& U16(unsigned v) { return U8(v >> 8).U8(v); }
    Writer& U32(uint32_t v) { return U16(v >> 16).U16(v & 0xFFFF); }
    Writer& Rect(int top, int left, int bottom, int right)
    {
        return U16(unsigned(top)).U16(unsigned(left)).U16(unsigned(bottom)).U16(unsigned(right));
    }
    // Version 2 opcodes start on even offsets.
    Writer& Align()
    {
        if (bytes.size() % 2) {
            U8(0);
        }
        return *this;
    }
    Writer& Bytes(const std::vector<uint8_t>& v)
    {
        bytes.insert(bytes.end(), v.begin(), v.end());
        return *this;
    }
    std::vector<uint8_t> bytes;
};

// The 512-byte file header, the size word and the frame.
Writer Start(int top, int left, int bottom, int right)
{
    Writer w;
    w.bytes.assign(512, 0);
    w.U16(0).Rect(top, left, bottom, right);
    return w;
}

Writer StartVersion2(int top, int left, int bottom, int right)
{
    Writer w = Start(top, left, bottom, right);
    w.U16(0x0011).U16(0x02FF);
    w.U16(0x0C00).U16(0xFFFF).U16(0xFFFF).Rect(0, 0, 0, 0).U32(0).U32(0).U32(0);  // header, version -1
    return w;
}

// A pixel map header after rowBytes and bounds: version, packType, packSize, hRes, vRes,
// pixelType, pixelSize, cmpCount, cmpSize, planeBytes, pmTable, reserved.
void PixMapFields(Writer& w, unsigned packType, unsigned pixelType, unsigned pixelSize, unsigned cmpCount,
                  unsigned cmpSize)
{
    w.U16(0).U16(packType).U32(0).U32(72u << 16).U32(72u << 16);
    w.U16(pixelType).U16(pixelSize).U16(cmpCount).U16(cmpSize).U32(0).U32(0).U32(0);
}

void ColorTable(Writer& w, const std::vector<Rgb>& colors)
{
    w.U32(0).U16(0x8000).U16(unsigned(colors.size() - 1));
    for (size_t i = 0; i < colors.size(); ++i) {
        w.U16(unsigned(i)).U16(colors[i].r * 257u).U16(colors[i].g * 257u).U16(colors[i].b * 257u);
    }
}

void Decode(const std::vector<uint8_t>& bytes, PLBmp& bmp)
{
    PLPictDecoder decoder;
    decoder.Decode(bytes.data(), bytes.size(), bmp);
}

const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};

}  // namespace

TEST(PictDecoder, Version1BitsRectAmongSkippedOpcodes)
{
    Writer w = Start(0, 0, 3, 10);
    w.U8(0x11).U8(0x01);
    w.U8(0x01).U16(10).Rect(0, 0, 3, 10);                    // clip region
    w.U8(0xA0).U16(100);                                     // short comment
    w.U8(0x03).U16(4);                                       // text font
    w.U8(0x28).U16(1).U16(1).U8(3).U8('a').U8('b').U8('c');  // long text
    w.U8(0x30).Rect(0, 0, 2, 2);                             // frame rectangle
    w.U8(0x90).U16(2).Rect(0, 0, 3, 10);                     // BitsRect: a bitmap, 2 bytes a row
    w.Rect(0, 0, 3, 10).Rect(0, 0, 3, 10).U16(0);
    w.U8(0xF0).U8(0x40).U8(0x00).U8(0x00).U8(0xFF).U8(0xC0);
    w.U8(0xFF);

    PLBmp bmp;
    Decode(w.bytes, bmp);
    ASSERT_EQ(bmp.GetBitsPerPixel(), 1);
    EXPECT_TRUE(Matches(
        bmp,
        [](int x, int y) {
            const bool black = (y == 0 && (x < 4 || x == 9)) || y == 2;
            return black ? kBlack : kWhite;
        },
        10, 3));
}

TEST(PictDecoder, ImagesWithDifferentColourTablesBecomeTrueColour)
{
    // A frame away from the origin; two packed 8-bit bands of 8 x 2 pixels, each with its
    // own table, stacked.
    Writer w = StartVersion2(10, 20, 14, 28);
    w.U16(0x001E);                                            // default highlight
    w.U16(0x001A).U16(0xFFFF).U16(0).U16(0);                  // foreground colour
    w.U16(0x00A1).U16(100).U16(3).U8(1).U8(2).U8(3).Align();  // long comment, odd length
    const std::vector<std::vector<Rgb>> tables = {{{255, 0, 0}, {0, 255, 0}}, {{0, 0, 255}, {255, 255, 0}}};
    for (int band = 0; band < 2; ++band) {
        const int top = 10 + band * 2;
        w.U16(0x0098).U16(0x8000 | 8).Rect(top, 20, top + 2, 28);
        PixMapFields(w, 0, 0, 8, 1, 8);
        ColorTable(w, tables[band]);
        w.Rect(top, 20, top + 2, 28).Rect(top, 20, top + 2, 28).U16(0);
        // Row 1: a literal of 4 then a run of 4; row 2: a run of 8.
        w.U8(7).U8(3).U8(0).U8(1).U8(0).U8(1).U8(0xFD).U8(1);
        w.U8(2).U8(0xF9).U8(0).Align();
    }
    w.U16(0x00FF);

    PLBmp bmp;
    Decode(w.bytes, bmp);
    ASSERT_EQ(bmp.GetBitsPerPixel(), 32);
    EXPECT_TRUE(Matches(
        bmp,
        [&](int x, int y) {
            const int index = (y % 2 == 0) ? ((x < 4 && x % 2 == 0) ? 0 : 1) : 0;
            return tables[y / 2][index];
        },
        8, 4));
}

TEST(PictDecoder, SixteenBitDirectRegionScaledUp)
{
    // A 4 x 1 source of 16-bit pixels, drawn into a 8 x 2 destination through a region.
    Writer w = StartVersion2(0, 0, 2, 8);
    w.U16(0x8200).U32(3).U8(1).U8(2).U8(3).Align();  // QuickTime data we skip
    w.U16(0x009B).U32(0xFF).U16(0x8000 | 8).Rect(0, 0, 1, 4);
    PixMapFields(w, 3, 16, 16, 3, 5);
    w.Rect(0, 0, 1, 4).Rect(0, 0, 2, 8).U16(0);
    w.U16(10).Rect(0, 0, 2, 8);  // the mask region
    // x R5 G5 B5: red, green; then a run of two blues, as 16-bit PackBits.
    w.U8(8).U8(1).U16(0x7C00).U16(0x03E0).U8(0xFF).U16(0x001F).Align();
    w.U16(0x00FF);

    PLBmp bmp;
    Decode(w.bytes, bmp);
    ASSERT_EQ(bmp.GetBitsPerPixel(), 32);
    const Rgb colors[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 0, 255}};
    EXPECT_TRUE(Matches(
        bmp, [&](int x, int) { return colors[x / 2]; }, 8, 2));
}

TEST(PictDecoder, Refusals)
{
    PLBmp bmp;
    std::vector<uint8_t> noVersion(600, 0);
    try {
        Decode(noVersion, bmp);
        FAIL() << "no error";
    } catch (const PLTextException& e) {
        EXPECT_STREQ(e.what(), "Error decoding pict: Version number missing.");
    }

    Writer v1 = Start(0, 0, 2, 2);
    v1.U8(0x11).U8(0x01).U8(0x12).U8(0).U8(0).U8(0xFF);  // a version 2 opcode in version 1
    EXPECT_THROW(Decode(v1.bytes, bmp), PLTextException);

    Writer empty = StartVersion2(0, 0, 2, 2);
    empty.U16(0x0030).Rect(0, 0, 1, 1).U16(0x00FF);  // drawing, but no bitmap
    EXPECT_THROW(Decode(empty.bytes, bmp), PLTextException);

    Writer unfinished = StartVersion2(0, 0, 2, 2);
    unfinished.U16(0x0030).Rect(0, 0, 1, 1);
    EXPECT_THROW(Decode(unfinished.bytes, bmp), PLTextException);
}

TEST(TgaDecoder, SixteenBitPixelsFromTheRightAndTop)
{
    // 2 x 2, true colour 16 bits, origin top right: the file's first pixel is the top-right one.
    std::vector<uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 16, 0x30};
    for (unsigned v : {0x7C00u, 0x03E0u, 0x001Fu, 0x7FFFu}) {
        tga.push_back(static_cast<uint8_t>(v));
        tga.push_back(static_cast<uint8_t>(v >> 8));
    }
    PLBmp bmp;
    PLTgaDecoder().Decode(tga.data(), tga.size(), bmp);
    const Rgb expected[2][2] = {{{0, 255, 0}, {255, 0, 0}}, {{255, 255, 255}, {0, 0, 255}}};
    EXPECT_TRUE(Matches(
        bmp, [&](int x, int y) { return expected[y][x]; }, 2, 2));
}
