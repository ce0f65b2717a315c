// What every decoder's result goes through: a 1-bit picture stays 1 bit only when its two
// colours are black and white; a failed decode leaves no picture.
#include <gtest/gtest.h>

#include "imaging/Bmp.h"
#include "imaging/PicDecoder.h"
#include "imaging/TextException.h"
#include "tests/imaging/OwnDecoderSupport.h"

namespace {

using owntest::Rgb;

// Decodes any data into a 3 x 2 picture of the two colours, alternating, or fails after
// having made it.
class TwoColourDecoder : public PLPicDecoder {
public:
    TwoColourDecoder(Rgb first, Rgb second, bool fail = false)
        : m_First(first), m_Second(second), m_bFail(fail)
    {
    }

private:
    void DecodeFormat(const uint8_t*, size_t, PLBmp& bmp) override
    {
        bmp.Create(3, 2, 1);
        bmp.SetPaletteEntry(0, m_First.r, m_First.g, m_First.b);
        bmp.SetPaletteEntry(1, m_Second.r, m_Second.g, m_Second.b);
        bmp.GetRow(0)[0] = 0x40;  // 0 1 0
        bmp.GetRow(1)[0] = 0xA0;  // 1 0 1
        bmp.SetResolution(300, 150);
        if (m_bFail) {
            throw PLTextException(PL_ERRBAD_FORMAT, "damaged");
        }
    }

    Rgb m_First;
    Rgb m_Second;
    bool m_bFail;
};

}  // namespace

TEST(PicDecoder, KeepsOneBitOnlyForBlackAndWhite)
{
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    const Rgb grey{128, 128, 128};
    const Rgb nearBlack{0, 0, 1};
    const struct {
        Rgb first, second;
        int bpp;
    } cases[] = {{black, white, 1}, {white, black, 1}, {grey, white, 8},      {white, grey, 8},
                 {black, grey, 8},  {black, black, 8}, {nearBlack, white, 8}, {white, Rgb{200, 0, 0}, 8}};
    for (const auto& c : cases) {
        TwoColourDecoder decoder(c.first, c.second);
        PLBmp bmp;
        decoder.Decode(nullptr, 0, bmp);
        ASSERT_EQ(bmp.GetBitsPerPixel(), c.bpp) << int(c.first.r) << " " << int(c.second.r);
        EXPECT_TRUE(owntest::Matches(
            bmp, [&c](int x, int y) { return (x + y) % 2 ? c.second : c.first; }, 3, 2));
        EXPECT_EQ(bmp.GetResolutionX(), 300);
        EXPECT_EQ(bmp.GetResolutionY(), 150);
    }
}

TEST(PicDecoder, FailureLeavesNoPicture)
{
    PLBmp bmp;
    bmp.Create(5, 5, 32);
    TwoColourDecoder decoder(Rgb{0, 0, 0}, Rgb{255, 255, 255}, true);
    EXPECT_THROW(decoder.Decode(nullptr, 0, bmp), PLTextException);
    EXPECT_TRUE(bmp.IsEmpty());
}
