#include <gtest/gtest.h>

#include "LabelDrawing.h"
#include "detect/LabelImage.h"

TEST(LabelImage, EnlargesLowRegionsAndFramesThem)
{
    const CLabelDrawing drawing(100, 100);
    const CLabelImage low(drawing.View(), CRect(10, 10, 50, 22));  // 12 rows: 4 times
    EXPECT_EQ(low.GetScale(), 4);
    EXPECT_EQ(low.GetWidth(), 40 * 4 + 2 * low.GetMargin());
    EXPECT_EQ(low.GetHeight(), 12 * 4 + 2 * low.GetMargin());

    const CLabelImage tall(drawing.View(), CRect(0, 0, 30, CLabelImage::kMinHeight));
    EXPECT_EQ(tall.GetScale(), 1);
    const CLabelImage tiny(drawing.View(), CRect(0, 0, 30, 2));
    EXPECT_EQ(tiny.GetScale(), CLabelImage::kMaxScale);

    // Clipped to the picture; nothing left is an empty image.
    EXPECT_EQ(CLabelImage(drawing.View(), CRect(90, 0, 200, 60)).GetWidth(), 10 + 2 * tall.GetMargin());
    EXPECT_TRUE(CLabelImage(drawing.View(), CRect(100, 0, 120, 60)).IsEmpty());
}

TEST(LabelImage, GivesDarkTextOnALightGround)
{
    // A light mark on a dark ground, as a dark style draws its labels.
    CLabelDrawing drawing(60, 60, 20);
    drawing.Fill(CRect(30, 30, 31, 31), 230);
    const CLabelImage image(drawing.View(), CRect(0, 0, 60, 60));
    ASSERT_EQ(image.GetScale(), 1);
    const int32_t m = image.GetMargin();
    EXPECT_EQ(image.GetBits()[(30 + m) * image.GetWidth() + 30 + m], 255 - 230);  // the mark, now dark
    EXPECT_EQ(image.GetBits()[(10 + m) * image.GetWidth() + 10 + m], 255 - 20);   // the ground, now light
    EXPECT_EQ(image.GetBits()[0], 255 - 20);                                      // the margin, ground
}
