// What every decoder's result goes through: a 1-bit picture stays 1 bit only when its two
// colours are black and white (the 1-bit reader counts only black as ink).
#include <gtest/gtest.h>

#include "imaging/Bmp.h"
#include "imaging/PicDecoder.h"
#include "tests/imaging/OwnDecoderSupport.h"

namespace {

using owntest::Rgb;

// Decodes any data into a 3 x 2 picture of the two colours, alternating.
struct TwoColourDecoder : PLPicDecoder {
    Rgb first, second;
    TwoColourDecoder(Rgb a, Rgb b) : first(a), second(b) {}
    void DecodeFormat(const uint8_t*, size_t, PLBmp& bmp) override
    {
        bmp.Create(3, 2, 1);
        bmp.SetPaletteEntry(0, first.r, first.g, first.b);
        bmp.SetPaletteEntry(1, second.r, second.g, second.b);
        bmp.GetRow(0)[0] = 0x40;  // 0 1 0
        bmp.GetRow(1)[0] = 0xA0;  // 1 0 1
        bmp.SetResolution(300, 150);
    }
};

}  // namespace

TEST(PicDecoder, KeepsOneBitOnlyForBlackAndWhite)
{
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    const struct {
        Rgb first, second;
        int bpp;
    } cases[] = {{black, white, 1}, {white, black, 1},        {Rgb{128, 128, 128}, white, 8},
                 {black, black, 8}, {Rgb{0, 0, 1}, white, 8}, {black, Rgb{255, 255, 254}, 8}};
    for (const auto& c : cases) {
        TwoColourDecoder decoder(c.first, c.second);
        PLBmp bmp;
        decoder.Decode(nullptr, 0, bmp);
        ASSERT_EQ(bmp.GetBitsPerPixel(), c.bpp) << int(c.first.b) << " " << int(c.second.b);
        EXPECT_TRUE(owntest::Matches(
            bmp, [&c](int x, int y) { return (x + y) % 2 ? c.second : c.first; }, 3, 2));
        EXPECT_EQ(bmp.GetResolutionY(), 150);
    }
}
