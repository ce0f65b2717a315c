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

TEST(LabelImage, GivesBlackTextOnAWhiteGround)
{
    // A light grey mark on a dark grey ground, as a dark style draws its labels: inverted, and
    // stretched to full contrast.
    CLabelDrawing drawing(60, 60, 20);
    drawing.Fill(CRect(30, 30, 31, 31), 230);
    const CLabelImage image(drawing.View(), CRect(0, 0, 60, 60));
    ASSERT_EQ(image.GetScale(), 1);
    const int32_t m = image.GetMargin();
    EXPECT_EQ(image.GetBits()[(30 + m) * image.GetWidth() + 30 + m], 0);    // the mark
    EXPECT_EQ(image.GetBits()[(10 + m) * image.GetWidth() + 10 + m], 255);  // the ground
    EXPECT_EQ(image.GetBits()[0], 255);                                     // the margin
}

TEST(LabelImage, LeavesOutTheInkTheRegionCutsThrough)
{
    // A label with a tick mark beside it that runs out of the region, as a label cut with a
    // few pixels of room often meets its tick or the frame.
    CLabelDrawing drawing(60, 60);
    drawing.Fill(CRect(20, 20, 30, 30), 0);  // the label's ink
    drawing.Fill(CRect(36, 10, 38, 50), 0);  // the tick, through the region's right edge
    const CLabelImage image(drawing.View(), CRect(15, 15, 37, 35));
    ASSERT_EQ(image.GetScale(), 3);
    auto at = [&](int32_t x, int32_t y) {
        const int32_t m = image.GetMargin();
        return image.GetBits()[(y * 3 + 1 + m) * image.GetWidth() + x * 3 + 1 + m];
    };
    EXPECT_EQ(at(25 - 15, 25 - 15), 0);    // the label stays
    EXPECT_EQ(at(36 - 15, 25 - 15), 255);  // the tick is gone
}
