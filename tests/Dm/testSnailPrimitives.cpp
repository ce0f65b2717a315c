// The column primitives of line following on hand-made pictures: snapping to an edge,
// stepping to the next column (directly and through the climbing search), and the search
// for the next dash with its order of candidates.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "Dm/BmpManager.h"
#include "SnailTestSupport.h"

namespace {

constexpr uint32_t kT = kSnailThreshold;

std::vector<std::string> Blank(int width, int height)
{
    return std::vector<std::string>(static_cast<size_t>(height),
                                    std::string(static_cast<size_t>(width), '.'));
}

}  // namespace

TEST(SnailPrimitivesTest, SnapToEdgeMovesAlongTheRunThroughThePixelOnly)
{
    const auto bmp = MakeSnailBitmap({
        ".....",
        "..#..",
        "..#..",
        "..#..",
        ".....",
        "..#..",
    });
    ASSERT_NE(bmp, nullptr);
    CPoint p(2, 2);
    EXPECT_TRUE(bmp->SnapToEdge(p, true, kT));
    EXPECT_EQ(p, CPoint(2, 1));
    p = CPoint(2, 2);
    EXPECT_TRUE(bmp->SnapToEdge(p, false, kT));
    EXPECT_EQ(p, CPoint(2, 3));
    // The run below the gap is another run.
    p = CPoint(2, 5);
    EXPECT_TRUE(bmp->SnapToEdge(p, true, kT));
    EXPECT_EQ(p, CPoint(2, 5));

    for (const CPoint& q : {CPoint(2, 0), CPoint(2, 4), CPoint(-1, 2), CPoint(5, 2), CPoint(2, -1),
                            CPoint(2, 6), CPoint(INT_MIN, INT_MIN), CPoint(INT_MAX, INT_MAX)}) {
        p = q;
        EXPECT_FALSE(bmp->SnapToEdge(p, true, kT));
        EXPECT_EQ(p, q);
    }
}

TEST(SnailPrimitivesTest, TheFollowersThresholdDecidesWhatIsInk)
{
    // At a white threshold the white background is ink as well: the run reaches the border.
    const auto bmp = MakeSnailBitmap(3, 4, 32, [](int32_t x, int32_t y) { return x == 1 && y == 2; });
    ASSERT_NE(bmp, nullptr);
    CPoint p(1, 2);
    EXPECT_TRUE(bmp->SnapToEdge(p, true, kT));
    EXPECT_EQ(p, CPoint(1, 2));
    EXPECT_TRUE(bmp->SnapToEdge(p, true, 0xFFFFFF));
    EXPECT_EQ(p, CPoint(1, 0));
    p = CPoint(0, 0);
    EXPECT_FALSE(bmp->SnapToEdge(p, true, 0xFEFFFF));
}

TEST(SnailPrimitivesTest, StepOnAThickLineReachesTheFollowedEdgeOfTheNextColumn)
{
    const auto bmp = MakeSnailBitmap({
        "........",
        "........",
        "######..",
        "######..",
        "######..",
        "........",
    });
    ASSERT_NE(bmp, nullptr);
    struct Case {
        CPoint from;
        bool bLeftwards;
        bool bTop;
        CPoint to;
    };
    for (const Case& c : {Case{{0, 3}, false, true, {1, 2}}, Case{{0, 3}, false, false, {1, 4}},
                          Case{{5, 2}, true, false, {4, 4}}, Case{{3, 4}, true, true, {2, 2}},
                          // From beside the end of the line.
                          Case{{6, 4}, true, true, {5, 2}}}) {
        CPoint p = c.from;
        EXPECT_TRUE(bmp->StepToNextColumn(p, c.bLeftwards, c.bTop, kT)) << c.from.x << "," << c.from.y;
        EXPECT_EQ(p, c.to) << c.from.x << "," << c.from.y;
    }
    // The line ends, and the borders stop the step; the point is left as it was.
    for (const Case& c :
         {Case{{5, 2}, false, true, {}}, Case{{0, 2}, true, true, {}}, Case{{7, 0}, false, true, {}},
          Case{{INT_MAX, 3}, false, true, {}}, Case{{INT_MIN, 3}, true, false, {}}}) {
        CPoint p = c.from;
        EXPECT_FALSE(bmp->StepToNextColumn(p, c.bLeftwards, c.bTop, kT)) << c.from.x << "," << c.from.y;
        EXPECT_EQ(p, c.from);
    }
}

TEST(SnailPrimitivesTest, StepOnASteepLineFindsTheFirstInkOfTheNextColumn)
{
    const auto bmp = MakeSnailBitmap({
        "#....",
        "#....",
        "#....",
        ".#...",
        ".#...",
        ".#...",
        "..#..",
        "..#..",
        "..#..",
    });
    ASSERT_NE(bmp, nullptr);
    CPoint p(0, 0);
    ASSERT_TRUE(bmp->StepToNextColumn(p, false, true, kT));
    EXPECT_EQ(p, CPoint(1, 3));
    ASSERT_TRUE(bmp->StepToNextColumn(p, false, true, kT));
    EXPECT_EQ(p, CPoint(2, 6));
    EXPECT_FALSE(bmp->StepToNextColumn(p, false, true, kT));

    p = CPoint(2, 8);
    ASSERT_TRUE(bmp->StepToNextColumn(p, true, false, kT));
    EXPECT_EQ(p, CPoint(1, 5));
    ASSERT_TRUE(bmp->StepToNextColumn(p, true, false, kT));
    EXPECT_EQ(p, CPoint(0, 2));
}

TEST(SnailPrimitivesTest, ClimbFollowsTheColumnsBehindFiveLevelsDeepAtMost)
{
    // A vertical line in column 0 and a floor in the last row from column 0 to column
    // depth + 1: from the top of column depth + 1 the search must go back depth columns to
    // meet the vertical line, then down it to the floor.
    for (int depth = 0; depth <= 6; ++depth) {
        const int width = depth + 3;
        const auto bmp = MakeSnailBitmap(
            width, 10, 1, [depth](int32_t x, int32_t y) { return x == 0 || (y == 9 && x <= depth + 1); });
        ASSERT_NE(bmp, nullptr);
        CPoint q(depth + 1, 0);
        const bool bFound = bmp->ClimbEdge(0, q, 1, -1, kT);
        if (depth <= 4) {
            EXPECT_TRUE(bFound) << depth;
            EXPECT_EQ(q, CPoint(depth + 1, 9)) << depth;
        } else {
            EXPECT_FALSE(bFound) << depth;
        }
    }
    const auto bmp = MakeSnailBitmap({"##", "##"});
    CPoint q(1, 1);
    EXPECT_TRUE(bmp->ClimbEdge(4, q, 1, -1, kT));
    EXPECT_FALSE(bmp->ClimbEdge(5, q, 1, -1, kT));
}

TEST(SnailPrimitivesTest, StepUsesTheClimbWhenTheColumnBehindEndsFirst)
{
    // From (1, 0) the ink beside the next column's rows ends in row 0; the column before
    // that leads down to row 4, from where the next column's line begins in row 5.
    const auto bmp = MakeSnailBitmap({
        "##..",
        "#...",
        "#...",
        "#...",
        "##..",
        "..#.",
    });
    CPoint p(1, 0);
    ASSERT_TRUE(bmp->StepToNextColumn(p, false, true, kT));
    EXPECT_EQ(p, CPoint(2, 5));
}

TEST(SnailPrimitivesTest, NextDashIsSearchedOnGrowingHalfCirclesInTheirOrder)
{
    // The dash ends at (4, 5); the search is centred on (5, 5). Radius 2 candidates, in
    // order: upper arc (5,3) (6,3) (7,4) (7,5), front column (7,5), lower arc (7,5) (7,6)
    // (6,7) (5,7).
    auto picture = Blank(12, 10);
    for (int x = 0; x <= 4; ++x)
        picture[5][static_cast<size_t>(x)] = '#';
    const CPoint end(4, 5);
    struct Case {
        std::vector<CPoint> ink;
        CPoint expected;
    };
    for (const Case& c :
         {Case{{{6, 7}}, {6, 7}}, Case{{{6, 7}, {7, 6}}, {7, 6}}, Case{{{6, 7}, {7, 4}}, {7, 4}},
          Case{{{7, 4}, {5, 3}}, {5, 3}}, Case{{{5, 7}, {6, 3}}, {6, 3}},
          // Radius 1 comes before radius 2: the one-pixel gap.
          Case{{{6, 5}, {5, 3}}, {6, 5}}}) {
        auto rows = picture;
        for (const CPoint& p : c.ink)
            rows[static_cast<size_t>(p.y)][static_cast<size_t>(p.x)] = '#';
        const auto bmp = MakeSnailBitmap(rows);
        EXPECT_EQ(bmp->FindNextDash(end, false, 3, kT), c.expected) << c.expected.x << "," << c.expected.y;
        // Radius 2 is beyond a distance of 2.
        if (c.expected != CPoint(6, 5)) {
            EXPECT_EQ(bmp->FindNextDash(end, false, 2, kT), end);
        }

        // The same picture mirrored, searched leftwards.
        auto mirrored = rows;
        for (auto& row : mirrored)
            row.assign(row.rbegin(), row.rend());
        const auto left = MakeSnailBitmap(mirrored);
        EXPECT_EQ(left->FindNextDash(CPoint(11 - end.x, end.y), true, 3, kT),
                  CPoint(11 - c.expected.x, c.expected.y));
    }
}

TEST(SnailPrimitivesTest, NextDashNeedsADistanceOfTwoForAOnePixelGap)
{
    const auto bmp = MakeSnailBitmap({"#####.#####"});
    EXPECT_EQ(bmp->FindNextDash(CPoint(4, 0), false, 2, kT), CPoint(6, 0));
    EXPECT_EQ(bmp->FindNextDash(CPoint(6, 0), true, 2, kT), CPoint(4, 0));
    for (int maxDist : {1, 0, -7, INT_MIN})
        EXPECT_EQ(bmp->FindNextDash(CPoint(4, 0), false, maxDist, kT), CPoint(4, 0)) << maxDist;
}

TEST(SnailPrimitivesTest, NextDashAheadOnlyPassesOverInkInTheOwnColumn)
{
    // (5, 5) is the end of a bridge one pixel off the line: the steps into its column fail,
    // the search is centred on the column itself and meets (5, 3) straight above first.
    auto rows = Blank(10, 9);
    for (int x = 0; x <= 4; ++x)
        rows[5][static_cast<size_t>(x)] = '#';
    rows[3][5] = '#';
    rows[5][7] = '#';
    const auto bmp = MakeSnailBitmap(rows);
    EXPECT_EQ(bmp->FindNextDash(CPoint(5, 5), false, 5, kT), CPoint(5, 3));
    EXPECT_EQ(bmp->FindNextDash(CPoint(5, 5), false, 5, kT, true), CPoint(7, 5));
    EXPECT_EQ(bmp->FindNextDash(CPoint(5, 5), false, 2, kT, true), CPoint(5, 5));
}

TEST(SnailPrimitivesTest, NextDashWithAHugeDistanceSearchesOnlyAsFarAsTheBitmap)
{
    // Without a bound the search would visit about 2^62 candidates.
    auto rows = Blank(30, 20);
    rows[10] = "#####.........................";
    const auto bmp = MakeSnailBitmap(rows);
    EXPECT_EQ(bmp->FindNextDash(CPoint(4, 10), false, INT_MAX, kT), CPoint(4, 10));
    for (int y = 17; y < 20; ++y)
        rows[static_cast<size_t>(y)].replace(27, 3, "###");
    const auto corner = MakeSnailBitmap(rows);
    const CPoint found = corner->FindNextDash(CPoint(4, 10), false, INT_MAX, kT);
    EXPECT_GE(found.x, 27);
    EXPECT_GE(found.y, 17);
    // From one corner of the bitmap the opposite corner is found as well.
    rows = Blank(30, 20);
    for (int y = 0; y < 3; ++y)
        rows[static_cast<size_t>(y)].replace(0, 3, "###");
    rows[19][29] = '#';
    const auto corners = MakeSnailBitmap(rows);
    const CPoint back = corners->FindNextDash(CPoint(29, 19), true, INT_MAX, kT);
    EXPECT_LT(back.x, 3);
    EXPECT_LT(back.y, 3);
}

TEST(SnailPrimitivesTest, WithoutABitmapEveryPrimitiveFails)
{
    CBmpManager empty;
    CPoint p(0, 0);
    EXPECT_FALSE(empty.SnapToEdge(p, true, kT));
    EXPECT_FALSE(empty.StepToNextColumn(p, false, true, kT));
    EXPECT_FALSE(empty.ClimbEdge(0, p, 1, -1, kT));
    EXPECT_EQ(empty.FindNextDash(CPoint(3, 4), false, 20, kT), CPoint(3, 4));
    EXPECT_EQ(p, CPoint(0, 0));
}
