// The solid and the dashed line followers on hand-made pictures: edges of thick lines,
// steep lines, gaps and dashes in both directions, the bridge and its backward correction,
// and walks that must end.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "Dm/DashedSnail.h"
#include "Dm/SimpleSnail.h"
#include "SnailTestSupport.h"

namespace {

constexpr uint32_t kT = kSnailThreshold;

std::vector<std::string> Blank(int width, int height)
{
    return std::vector<std::string>(static_cast<size_t>(height),
                                    std::string(static_cast<size_t>(width), '.'));
}

// Columns from first to last (inclusive, either order), all on row y.
std::vector<CPoint> Columns(int first, int last, int y)
{
    std::vector<CPoint> points;
    const int step = last >= first ? 1 : -1;
    for (int x = first;; x += step) {
        points.emplace_back(x, y);
        if (x == last)
            break;
    }
    return points;
}

void ExpectOnePointPerColumn(const std::vector<CPoint>& points, bool bLeftwards)
{
    for (size_t i = 1; i < points.size(); ++i)
        ASSERT_EQ(points[i].x - points[i - 1].x, bLeftwards ? -1 : 1) << "at point " << i;
}

}  // namespace

TEST(SnailFollowersTest, ThickLineGivesItsTopOrBottomRowUntilItEnds)
{
    auto rows = Blank(16, 9);
    for (int y = 3; y <= 5; ++y)
        rows[static_cast<size_t>(y)].replace(2, 11, std::string(11, '#'));
    for (int bpp : {1, 8, 32}) {
        const auto bmp =
            MakeSnailBitmap(16, 9, bpp, [&rows](int32_t x, int32_t y) { return rows[y][x] == '#'; });
        ASSERT_NE(bmp, nullptr);
        for (bool bTop : {true, false}) {
            const int edge = bTop ? 3 : 5;
            CSimpleSnail simple(*bmp, kT, bTop);
            CDashedSnail dashed(*bmp, kT, bTop, 4);
            for (CSnailAlgorithm* snail :
                 {static_cast<CSnailAlgorithm*>(&simple), static_cast<CSnailAlgorithm*>(&dashed)}) {
                EXPECT_EQ(SnailWalk(*snail, CPoint(7, 4), false), Columns(7, 12, edge)) << bpp << bTop;
                EXPECT_EQ(SnailWalk(*snail, CPoint(7, 4), true), Columns(7, 2, edge)) << bpp << bTop;
            }
        }
    }
}

TEST(SnailFollowersTest, LinesOnTheTopAndBottomBordersKeepTheBorderRow)
{
    auto rows = Blank(10, 6);
    rows[0] = "##########";
    rows[1] = "##########";
    rows[4] = "..#######.";
    rows[5] = "..#######.";
    const auto bmp = MakeSnailBitmap(rows);
    CSimpleSnail top(*bmp, kT, true);
    EXPECT_EQ(SnailWalk(top, CPoint(4, 1), false), Columns(4, 9, 0));
    EXPECT_EQ(SnailWalk(top, CPoint(4, 1), true), Columns(4, 0, 0));
    CDashedSnail bottom(*bmp, kT, false, 3);
    EXPECT_EQ(SnailWalk(bottom, CPoint(5, 4), false), Columns(5, 8, 5));
    EXPECT_EQ(SnailWalk(bottom, CPoint(5, 4), true), Columns(5, 2, 5));
}

TEST(SnailFollowersTest, SteepLinesAreFollowedThroughTheClimb)
{
    // Thin and eight-connected: column x holds rows 4x to 4x + 3. Following the top to the
    // right, each new column gives the first ink met walking down; the bottom to the left
    // mirrors it.
    const auto thin =
        MakeSnailBitmap(6, 24, 1, [](int32_t x, int32_t y) { return y >= 4 * x && y <= 4 * x + 3; });
    CSimpleSnail top(*thin, kT, true);
    EXPECT_EQ(SnailRows(SnailWalk(top, CPoint(0, 2), false)), (std::vector<int32_t>{0, 4, 8, 12, 16, 20}));
    CDashedSnail bottom(*thin, kT, false, 6);
    EXPECT_EQ(SnailRows(SnailWalk(bottom, CPoint(5, 21), true)),
              (std::vector<int32_t>{23, 19, 15, 11, 7, 3}));

    // Runs that overlap by two rows (rows 3x to 3x + 4) are followed on both edges in both
    // directions.
    const auto thick =
        MakeSnailBitmap(7, 24, 8, [](int32_t x, int32_t y) { return y >= 3 * x && y <= 3 * x + 4; });
    for (bool bTop : {true, false}) {
        const int offset = bTop ? 0 : 4;
        std::vector<int32_t> right;
        std::vector<int32_t> left;
        for (int x = 3; x < 7; ++x)
            right.push_back(3 * x + offset);
        for (int x = 3; x >= 0; --x)
            left.push_back(3 * x + offset);
        CSimpleSnail simple(*thick, kT, bTop);
        CDashedSnail dashed(*thick, kT, bTop, 5);
        for (CSnailAlgorithm* snail :
             {static_cast<CSnailAlgorithm*>(&simple), static_cast<CSnailAlgorithm*>(&dashed)}) {
            EXPECT_EQ(SnailRows(SnailWalk(*snail, CPoint(3, 11), false)), right) << bTop;
            EXPECT_EQ(SnailRows(SnailWalk(*snail, CPoint(3, 11), true)), left) << bTop;
        }
    }
}

TEST(SnailFollowersTest, OnePixelGapStopsTheSolidFollowerAndIsBridgedFromADistanceOfTwo)
{
    const auto bmp = MakeSnailBitmap({"#####.#####"});
    for (bool bTop : {true, false}) {
        CSimpleSnail simple(*bmp, kT, bTop);
        EXPECT_EQ(SnailWalk(simple, CPoint(1, 0), false), Columns(1, 4, 0));
        EXPECT_EQ(SnailWalk(simple, CPoint(8, 0), true), Columns(8, 6, 0));

        CDashedSnail two(*bmp, kT, bTop, 2);
        EXPECT_EQ(SnailWalk(two, CPoint(1, 0), false), Columns(1, 10, 0));
        EXPECT_EQ(SnailWalk(two, CPoint(8, 0), true), Columns(8, 0, 0));

        CDashedSnail one(*bmp, kT, bTop, 1);
        EXPECT_EQ(SnailWalk(one, CPoint(1, 0), false), Columns(1, 4, 0));
        EXPECT_EQ(SnailWalk(one, CPoint(8, 0), true), Columns(8, 6, 0));
    }
}

TEST(SnailFollowersTest, DashedLineIsBridgedInBothDirections)
{
    // Dashes of 6 columns with gaps of 3 on a gentle slope: one row down every 4 columns,
    // 2 pixels thick.
    const auto bmp = MakeSnailBitmap(60, 30, 8, [](int32_t x, int32_t y) {
        const int mid = 5 + x / 4;
        return x % 9 < 6 && y >= mid && y <= mid + 1;
    });
    for (bool bTop : {true, false}) {
        CDashedSnail dashed(*bmp, kT, bTop, 6);
        const auto right = SnailWalk(dashed, CPoint(20, 10), false);
        const auto left = SnailWalk(dashed, CPoint(20, 10), true);
        ExpectOnePointPerColumn(right, false);
        ExpectOnePointPerColumn(left, true);
        ASSERT_FALSE(right.empty());
        ASSERT_FALSE(left.empty());
        EXPECT_EQ(right.back().x, 59);
        EXPECT_EQ(left.back().x, 0);
        for (const auto* walk : {&right, &left}) {
            for (const CPoint& p : *walk) {
                const int edge = 5 + p.x / 4 + (bTop ? 0 : 1);
                // A bridge over a gap where the line steps down may sit one row off.
                EXPECT_LE(std::abs(p.y - edge), 1) << p.x << "," << p.y;
                if (p.x % 9 < 6) {
                    EXPECT_EQ(p.y, edge) << p.x;
                }
            }
        }
    }
}

TEST(SnailFollowersTest, BridgeRunsStraightAndTruncatesTowardsTheStart)
{
    std::deque<CPoint> path{CPoint(10, 20)};
    CDashedSnail::Bridge(path, CPoint(13, 22));
    EXPECT_EQ(path, (std::deque<CPoint>{{10, 20}, {11, 20}, {12, 21}, {13, 22}}));
    path = {CPoint(10, 20)};
    CDashedSnail::Bridge(path, CPoint(13, 18));
    EXPECT_EQ(path, (std::deque<CPoint>{{10, 20}, {11, 20}, {12, 19}, {13, 18}}));
    path = {CPoint(10, 20)};
    CDashedSnail::Bridge(path, CPoint(7, 23));
    EXPECT_EQ(path, (std::deque<CPoint>{{10, 20}, {9, 21}, {8, 22}, {7, 23}}));
    // 997 rows over 7 columns: the product falls just short, the end is one row nearer.
    path = {CPoint(0, 1005)};
    CDashedSnail::Bridge(path, CPoint(7, 8));
    ASSERT_EQ(path.size(), 8u);
    EXPECT_EQ(path.back(), CPoint(7, 9));
    // Nothing into the own column, nothing from an empty path.
    CDashedSnail::Bridge(path, CPoint(7, 500));
    EXPECT_EQ(path.size(), 8u);
    std::vector<CPoint> none;
    CDashedSnail::Bridge(none, CPoint(3, 3));
    EXPECT_TRUE(none.empty());
}

TEST(SnailFollowersTest, BackCheckReplacesTheBridgeByTheWayBackToTheQueuedPoints)
{
    // Following the top: the first dash in row 10 ends at column 9, the next one, higher,
    // starts at column 11 in row 7. The search finds (11, 7); the bridge (10, 9) is
    // corrected by following the new dash back: from (11, 7) the search backwards meets the
    // queued (8, 10), and the straight way between them replaces the bridge.
    auto rows = Blank(32, 14);
    rows[10].replace(0, 10, std::string(10, '#'));
    rows[7].replace(11, 20, std::string(20, '#'));
    const auto bmp = MakeSnailBitmap(rows);
    CDashedSnail dashed(*bmp, kT, true, 10);
    const auto walk = SnailWalk(dashed, CPoint(0, 10), false);
    std::vector<int32_t> expected(9, 10);
    expected.push_back(9);
    expected.push_back(8);
    expected.insert(expected.end(), 20, 7);
    EXPECT_EQ(SnailRows(walk), expected);
    ExpectOnePointPerColumn(walk, false);
}

TEST(SnailFollowersTest, BackCheckTakesALevelWayBackAndNoMoreThanHalfTheDistance)
{
    // Following the bottom leftwards: from the dash on row 2 the search finds (11, 2), then
    // (9, 3) on the lower dash, and the bridge passes (10, 2). Followed back, the lower dash
    // climbs to (11, 2), and from there the search meets the queued (13, 2) on the same row:
    // the way back replaces the bridge, so column 10 takes the ink of row 3.
    const auto level = MakeSnailBitmap({"................", "...........#.###", "........###....."});
    CDashedSnail bottom(*level, kT, false, 12);
    EXPECT_EQ(SnailWalk(bottom, CPoint(13, 1), true),
              (std::vector<CPoint>{{13, 1}, {12, 1}, {11, 1}, {10, 2}, {9, 2}, {8, 2}}));

    // Following the top rightwards with a distance of 11: the dash on row 0 is found from
    // (10, 3) and bridged; followed back, it ends at once and the search back meets the
    // queued (9, 2), 7 columns away, beyond half the distance: the bridge stays.
    const auto far = MakeSnailBitmap(
        {"................###.", "....................", "......####..........", "..........#........."});
    CDashedSnail top(*far, kT, true, 11);
    const std::vector<CPoint> walk = SnailWalk(top, CPoint(6, 2), false);
    ExpectOnePointPerColumn(walk, false);  // from column 6
    EXPECT_EQ(SnailRows(walk), (std::vector<int32_t>{2, 2, 2, 2, 3, 3, 2, 2, 1, 1, 0, 0, 0}));
}

TEST(SnailFollowersTest, DashedWalkHandsOutEveryQueuedPointAfterTheSearchFailed)
{
    const auto bmp = MakeSnailBitmap({"...##########.."});
    CDashedSnail dashed(*bmp, kT, true, 20);
    CPoint p(5, 0);
    ASSERT_TRUE(dashed.Start(p, false));
    // The whole rest of the line fits in the look-ahead: the search has already failed.
    EXPECT_TRUE(dashed.IsFinished());
    EXPECT_EQ(dashed.GetQueuedCount(), 7u);
    size_t count = 0;
    while (dashed.Next(p))
        ++count;
    EXPECT_EQ(count, 7u);
    EXPECT_EQ(p, CPoint(12, 0));
    EXPECT_FALSE(dashed.Next(p));
    EXPECT_EQ(p, CPoint(12, 0));
}

TEST(SnailFollowersTest, NewStartDiscardsThePreviousWalk)
{
    const auto bmp = MakeSnailBitmap({"##########", "..........", "...####..."});
    CDashedSnail dashed(*bmp, kT, true, 2);
    CSimpleSnail simple(*bmp, kT, true);
    for (CSnailAlgorithm* snail :
         {static_cast<CSnailAlgorithm*>(&dashed), static_cast<CSnailAlgorithm*>(&simple)}) {
        CPoint p(5, 0);
        ASSERT_TRUE(snail->Start(p, false));
        ASSERT_TRUE(snail->Next(p));
        EXPECT_EQ(p, CPoint(6, 0));
        // Half-way through, a new walk on another line in the other direction.
        p = CPoint(5, 2);
        ASSERT_TRUE(snail->Start(p, true));
        EXPECT_TRUE(snail->IsLeftwards());
        std::vector<CPoint> rest;
        while (snail->Next(p))
            rest.push_back(p);
        EXPECT_EQ(rest, Columns(4, 3, 2));
    }
}

TEST(SnailFollowersTest, StartOffTheInk)
{
    // The solid follower steps on from the point as it is; the dashed one has no walk.
    const auto bmp = MakeSnailBitmap({"......", "...###", "...###"});
    CSimpleSnail simple(*bmp, kT, true);
    CPoint p(2, 2);
    EXPECT_FALSE(simple.Start(p, false));
    EXPECT_EQ(p, CPoint(2, 2));
    ASSERT_TRUE(simple.Next(p));
    EXPECT_EQ(p, CPoint(3, 1));

    CDashedSnail dashed(*bmp, kT, true, 10);
    p = CPoint(2, 2);
    EXPECT_FALSE(dashed.Start(p, false));
    EXPECT_EQ(p, CPoint(2, 2));
    EXPECT_FALSE(dashed.Next(p));
    EXPECT_EQ(p, CPoint(2, 2));
}

TEST(SnailFollowersTest, BridgeEndOffTheLineDoesNotRepeatTheSameSearchForEver)
{
    // The first dash ends at (5, 1005); the next one, 997 rows higher, begins at (12, 8).
    // The bridge ends one row short, at (12, 9), beside the dash and not on it. From there
    // no step into the next column succeeds, and the nearest ink the search meets is (12, 8)
    // straight above, in the bridge end's own column: bridging to it adds no point, so taken
    // literally the follower would search from (12, 9) again and again.
    auto rows = Blank(40, 1010);
    rows[1005].replace(0, 6, std::string(6, '#'));
    rows[8].replace(12, 19, std::string(19, '#'));
    const auto bmp = MakeSnailBitmap(rows);
    EXPECT_EQ(bmp->FindNextDash(CPoint(12, 9), false, 1000, kT), CPoint(12, 8));

    CDashedSnail dashed(*bmp, kT, true, 1000);
    const auto walk = SnailWalk(dashed, CPoint(0, 1005), false, 1000);
    ExpectOnePointPerColumn(walk, false);
    ASSERT_EQ(walk.size(), 31u);
    EXPECT_EQ(walk[0], CPoint(0, 1005));
    for (size_t i = 12; i < walk.size(); ++i)
        EXPECT_EQ(walk[i].y, 8) << i;
    EXPECT_TRUE(dashed.IsFinished());
}

TEST(SnailFollowersTest, DashDistanceOfZeroOrLessStillFollowsTheDash)
{
    const auto bmp = MakeSnailBitmap({"..######.####"});
    for (int maxDist : {0, -1, INT_MIN}) {
        CDashedSnail dashed(*bmp, kT, true, maxDist);
        EXPECT_EQ(SnailWalk(dashed, CPoint(4, 0), false), Columns(4, 7, 0)) << maxDist;
        EXPECT_EQ(SnailWalk(dashed, CPoint(4, 0), true), Columns(4, 2, 0)) << maxDist;
    }
}

TEST(SnailFollowersTest, LongWalksMatchBetweenTheFollowersOnASolidLine)
{
    // Thousands of points pass through the dashed follower's look-ahead queue.
    const auto mid = [](int32_t x) { return 20 + static_cast<int>(10.0 * std::sin(x / 150.0)); };
    const auto bmp = MakeSnailBitmap(
        5000, 40, 32, [&mid](int32_t x, int32_t y) { return y >= mid(x) - 1 && y <= mid(x) + 1; });
    for (bool bLeftwards : {false, true}) {
        const int32_t x = bLeftwards ? 4999 : 0;
        const CPoint start(x, mid(x));
        CSimpleSnail simple(*bmp, kT, false);
        CDashedSnail dashed(*bmp, kT, false, 25);
        const auto a = SnailWalk(simple, start, bLeftwards);
        EXPECT_EQ(a.size(), 5000u);
        EXPECT_EQ(a, SnailWalk(dashed, start, bLeftwards));
    }
}
