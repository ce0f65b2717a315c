// Nothing the followers do reads a pixel outside the bitmap, wherever they start: lines on
// every border and in the corners, bitmaps one pixel wide or high, start points outside,
// every dash distance. The test bitmaps have ink in the padding at the end of each row, so
// a read past the right edge would show as a point outside; reads above or below the rows
// are caught by the sanitizer build.

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "Dm/DashedSnail.h"
#include "Dm/SimpleSnail.h"
#include "SnailTestSupport.h"

namespace {

constexpr uint32_t kT = kSnailThreshold;

struct Picture {
    const char* name;
    int32_t width;
    int32_t height;
    std::function<bool(int32_t, int32_t)> isInk;
};

std::vector<Picture> Pictures()
{
    return {
        {"one pixel", 1, 1, [](int32_t, int32_t) { return true; }},
        {"one blank pixel", 1, 1, [](int32_t, int32_t) { return false; }},
        {"one column", 1, 7, [](int32_t, int32_t) { return true; }},
        {"one row", 9, 1, [](int32_t, int32_t) { return true; }},
        {"dashed row", 9, 1, [](int32_t x, int32_t) { return x % 3 != 1; }},
        {"all ink", 6, 5, [](int32_t, int32_t) { return true; }},
        {"top border", 8, 5, [](int32_t, int32_t y) { return y == 0; }},
        {"bottom border", 8, 5, [](int32_t, int32_t y) { return y == 4; }},
        {"left border", 8, 5, [](int32_t x, int32_t) { return x == 0; }},
        {"right border", 8, 5, [](int32_t x, int32_t) { return x == 7; }},
        {"frame", 8, 5, [](int32_t x, int32_t y) { return x == 0 || y == 0 || x == 7 || y == 4; }},
        {"corners", 8, 5, [](int32_t x, int32_t y) { return (x == 0 || x == 7) && (y == 0 || y == 4); }},
        {"diagonals", 9, 9, [](int32_t x, int32_t y) { return x == y || x + y == 8; }},
        {"steep to the corners", 4, 16, [](int32_t x, int32_t y) { return y / 4 == x || y / 4 == 3 - x; }},
        {"dashes to the borders", 20, 6,
         [](int32_t x, int32_t y) { return (x % 5 < 3 && y == x % 6) || (x % 7 == 0 && y == 5); }},
    };
}

std::vector<CPoint> StartPoints(int32_t width, int32_t height)
{
    std::vector<CPoint> points;
    for (int32_t y = -1; y <= height; ++y) {
        for (int32_t x = -1; x <= width; ++x)
            points.emplace_back(x, y);
    }
    for (int32_t far : {INT_MIN, INT_MIN + 1, -100000, 100000, INT_MAX - 1, INT_MAX}) {
        points.emplace_back(far, 0);
        points.emplace_back(0, far);
        points.emplace_back(far, far);
        points.emplace_back(width - 1, far);
        points.emplace_back(far, height - 1);
    }
    return points;
}

// Every point but a start point that was not found lies inside, one column after the other;
// the points a solid walk produces are ink.
void CheckWalk(const CBmpManager& bmp, CSnailAlgorithm& snail, CPoint start, bool bLeftwards, bool bSolid,
               const std::string& what)
{
    const CPoint given = start;
    const bool bFound = snail.Start(start, bLeftwards);
    if (!bFound) {
        ASSERT_EQ(start, given) << what;
    }
    std::vector<CPoint> points;
    if (bFound)
        points.push_back(start);
    CPoint p;
    while (snail.Next(p)) {
        points.push_back(p);
        ASSERT_LE(points.size(), static_cast<size_t>(bmp.GetWidth()) + 1) << what;
    }
    for (size_t i = 0; i < points.size(); ++i) {
        const CPoint& q = points[i];
        ASSERT_TRUE(q.x >= 0 && q.x < bmp.GetWidth() && q.y >= 0 && q.y < bmp.GetHeight())
            << what << " point " << i << " (" << q.x << "," << q.y << ")";
        if (bSolid) {
            ASSERT_TRUE(bmp.IsInk(q, kT)) << what << " point " << i;
        }
        if (i > 0) {
            ASSERT_EQ(q.x - points[i - 1].x, bLeftwards ? -1 : 1) << what << " point " << i;
        }
    }
}

}  // namespace

TEST(SnailBordersTest, FollowersStayInsideWhateverTheStartAndSettings)
{
    for (const Picture& picture : Pictures()) {
        for (int bpp : {1, 8, 32}) {
            const auto bmp = MakeSnailBitmap(picture.width, picture.height, bpp, picture.isInk);
            ASSERT_NE(bmp, nullptr) << picture.name;
            for (const CPoint& start : StartPoints(picture.width, picture.height)) {
                for (bool bTop : {true, false}) {
                    for (bool bLeftwards : {true, false}) {
                        const std::string what = std::string(picture.name) + " bpp " + std::to_string(bpp) +
                                                 " from (" + std::to_string(start.x) + "," +
                                                 std::to_string(start.y) + ")" + (bTop ? " top" : " bottom") +
                                                 (bLeftwards ? " left" : " right");
                        CSimpleSnail simple(*bmp, kT, bTop);
                        CheckWalk(*bmp, simple, start, bLeftwards, true, what + " simple");
                        for (int maxDist : {INT_MIN, -3, 0, 1, 2, 3, 7, 1000, INT_MAX}) {
                            CDashedSnail dashed(*bmp, kT, bTop, maxDist);
                            CheckWalk(*bmp, dashed, start, bLeftwards, maxDist <= 1,
                                      what + " dashed " + std::to_string(maxDist));
                        }
                    }
                }
            }
        }
    }
}

TEST(SnailBordersTest, PrimitivesStayInsideFromAnyPoint)
{
    for (const Picture& picture : Pictures()) {
        const auto bmp = MakeSnailBitmap(picture.width, picture.height, 1, picture.isInk);
        ASSERT_NE(bmp, nullptr);
        const auto inside = [&](const CPoint& q) {
            return q.x >= 0 && q.x < picture.width && q.y >= 0 && q.y < picture.height;
        };
        for (const CPoint& start : StartPoints(picture.width, picture.height)) {
            for (bool bTop : {true, false}) {
                for (bool bLeftwards : {true, false}) {
                    CPoint p = start;
                    if (bmp->SnapToEdge(p, bTop, kT)) {
                        EXPECT_TRUE(inside(p) && bmp->IsInk(p, kT)) << picture.name;
                    }
                    p = start;
                    if (bmp->StepToNextColumn(p, bLeftwards, bTop, kT)) {
                        EXPECT_TRUE(inside(p) && bmp->IsInk(p, kT)) << picture.name;
                    }
                    p = start;
                    if (bmp->ClimbEdge(0, p, bLeftwards ? -1 : 1, bTop ? -1 : 1, kT)) {
                        EXPECT_TRUE(inside(p) && bmp->IsInk(p, kT)) << picture.name;
                    }
                    for (int maxDist : {INT_MIN, 0, 2, 5, INT_MAX}) {
                        for (bool bAheadOnly : {false, true}) {
                            const CPoint dash = bmp->FindNextDash(start, bLeftwards, maxDist, kT, bAheadOnly);
                            if (dash != start) {
                                EXPECT_TRUE(inside(dash) && bmp->IsInk(dash, kT)) << picture.name;
                            }
                        }
                    }
                }
            }
        }
    }
}
