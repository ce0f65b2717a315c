// The image layer's bitmap: its layout and the limits it enforces.
#include <gtest/gtest.h>

#include "imaging/Bmp.h"
#include "imaging/TextException.h"

TEST(Bmp, LayoutLimitsAndPalettes)
{
    PLBmp bmp;
    bmp.Create(13, 3, 1);
    EXPECT_EQ(bmp.GetStride(), 4u);
    EXPECT_EQ(bmp.GetPaletteEntries(), 2);
    bmp.Create(13, 3, 8);
    EXPECT_EQ(bmp.GetStride(), 16u);
    EXPECT_EQ(bmp.GetPaletteEntries(), 256);
    bmp.Create(13, 3, 24);
    EXPECT_EQ(bmp.GetStride(), 40u);
    EXPECT_EQ(bmp.GetPaletteEntries(), 0);
    bmp.Create(13, 3, 32);
    EXPECT_EQ(bmp.GetStride(), 52u);
    EXPECT_EQ(bmp.GetLineArray()[2], bmp.GetBits() + 104);
    const CPixelBufferView view = bmp.View();
    EXPECT_EQ(view.Row(1), bmp.GetRow(1));
    EXPECT_EQ(view.bitsPerPixel, 32);

    bmp.Create(2, 2, 8);
    bmp.SetGrayPalette();
    EXPECT_EQ(bmp.GetPalette()[4 * 128], 128);
    EXPECT_EQ(bmp.GetPalette()[4 * 255 + 2], 255);
    bmp.SetPaletteEntry(7, 10, 20, 30);
    EXPECT_EQ(bmp.GetPalette()[28], 30);  // blue first
    EXPECT_EQ(bmp.GetPalette()[30], 10);
    EXPECT_THROW(bmp.SetPaletteEntry(256, 0, 0, 0), PLTextException);

    // Refused before anything is allocated: 65536 x 65536 is 4 gigapixels.
    try {
        bmp.Create(65536, 65536, 32);
        FAIL() << "no error";
    } catch (const PLTextException& e) {
        EXPECT_EQ(e.GetCode(), PL_ERRNO_MEMORY);
    }
    EXPECT_THROW(bmp.Create(0, 5, 8), PLTextException);
    EXPECT_THROW(bmp.Create(5, -1, 8), PLTextException);
    EXPECT_THROW(bmp.Create(5, 5, 4), PLTextException);
}
