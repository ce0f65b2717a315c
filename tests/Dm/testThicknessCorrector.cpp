#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Dm/ContinuousCurve.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/SmartThicknessCorrector.h"
#include "platform/Archive.h"

namespace {

using PointList = CAbstractThicknessCorrector::PointList;

PointList Line(int x0, int x1, int (*y)(int))
{
    PointList points;
    for (int x = x0; x <= x1; ++x)
        points.emplace_back(x, y(x));
    return points;
}

std::vector<CPoint> Vec(const PointList& points)
{
    return std::vector<CPoint>(points.begin(), points.end());
}

// Corrects a copy of points with a corrector of the given thickness.
template <class Corrector>
std::vector<CPoint> Corrected(PointList points, int nThickness, bool bFollowTop, int* pResult = nullptr)
{
    Corrector corrector(nullptr);
    corrector.SetThickness(nThickness);
    const int result = corrector.Correct(points, bFollowTop);
    if (pResult != nullptr)
        *pResult = result;
    return Vec(points);
}

// Output invariant of the smart corrector: strictly ascending x.
void ExpectAscending(const std::vector<CPoint>& points)
{
    for (size_t i = 1; i < points.size(); ++i)
        EXPECT_LT(points[i - 1].x, points[i].x) << "at index " << i;
}

int Wave(int x)
{
    return (x * x) % 7 - 3 * (x % 4);
}

}  // namespace

TEST(ThicknessCorrector, ThicknessOneChangesNothing)
{
    const PointList wave = Line(0, 30, Wave);
    int result = -1;
    EXPECT_EQ(Corrected<CFlatThicknessCorrector>(wave, 1, true, &result), Vec(wave));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Corrected<CSmartThicknessCorrector>(wave, 1, false, &result), Vec(wave));
    EXPECT_EQ(result, 0);
}

TEST(ThicknessCorrector, FlatMovesEveryPointByHalfTheThickness)
{
    const PointList wave = Line(0, 20, Wave);
    int result = 0;
    const std::vector<CPoint> down = Corrected<CFlatThicknessCorrector>(wave, 5, true, &result);
    EXPECT_EQ(result, 2);
    const std::vector<CPoint> up = Corrected<CFlatThicknessCorrector>(wave, 5, false, &result);
    EXPECT_EQ(result, -2);
    const std::vector<CPoint> two = Corrected<CFlatThicknessCorrector>(wave, 2, true);
    const std::vector<CPoint> three = Corrected<CFlatThicknessCorrector>(wave, 3, true);
    size_t i = 0;
    for (const CPoint& p : wave) {
        EXPECT_EQ(down[i], CPoint(p.x, p.y + 2));
        EXPECT_EQ(up[i], CPoint(p.x, p.y - 2));
        EXPECT_EQ(two[i], CPoint(p.x, p.y + 1));
        EXPECT_EQ(three[i], CPoint(p.x, p.y + 1));
        ++i;
    }
}

TEST(ThicknessCorrector, SmartOnAHorizontalEdgeIsFlat)
{
    const PointList flat = Line(3, 40, [](int) { return 17; });
    for (bool bTop : {true, false}) {
        for (int nThickness : {2, 3, 6, 9}) {
            EXPECT_EQ(Corrected<CSmartThicknessCorrector>(flat, nThickness, bTop),
                      Corrected<CFlatThicknessCorrector>(flat, nThickness, bTop));
        }
    }
}

TEST(ThicknessCorrector, SmartSinglePointMovesVertically)
{
    const PointList one{CPoint(8, 8)};
    EXPECT_EQ(Corrected<CSmartThicknessCorrector>(one, 7, true), std::vector<CPoint>{CPoint(8, 11)});
    EXPECT_EQ(Corrected<CSmartThicknessCorrector>(one, 7, false), std::vector<CPoint>{CPoint(8, 5)});
    int result = -1;
    PointList none;
    CSmartThicknessCorrector corrector(nullptr);
    corrector.SetThickness(4);
    EXPECT_EQ(corrector.Correct(none, true), 2);
    EXPECT_TRUE(none.empty());
    (void)result;
}

TEST(ThicknessCorrector, SmartOnADiagonalAndASteepEdgeShiftsSideways)
{
    // y = x with half thickness 2 at 45 degrees: (-1, +1) from every point.
    std::vector<CPoint> expected;
    for (int x = 10; x <= 19; ++x)
        expected.emplace_back(x - 1, x + 1);
    EXPECT_EQ(Corrected<CSmartThicknessCorrector>(Line(10, 19, [](int x) { return x; }), 4, true), expected);

    // y = 3x: the top edge moves 2 left and 1 down, the bottom edge 2 right and 1 up.
    const PointList steep = Line(0, 5, [](int x) { return 3 * x; });
    std::vector<CPoint> top;
    std::vector<CPoint> bottom;
    for (int x = 0; x <= 5; ++x) {
        top.emplace_back(x - 2, 3 * x + 1);
        bottom.emplace_back(x + 2, 3 * x - 1);
    }
    EXPECT_EQ(Corrected<CSmartThicknessCorrector>(steep, 4, true), top);
    EXPECT_EQ(Corrected<CSmartThicknessCorrector>(steep, 4, false), bottom);
}

TEST(ThicknessCorrector, SmartAtAPeakMovesVerticallyAndFillsTheOpenedColumns)
{
    // A valley of the top edge (lowest on screen at x = 5): the sides move outwards, the
    // extremum straight down, and the two columns left empty by the sideways moves are filled.
    const PointList valley = Line(0, 10, [](int x) { return 5 - (x < 5 ? 5 - x : x - 5); });
    const std::vector<CPoint> expected{{-1, 1}, {0, 2}, {1, 3}, {2, 4}, {3, 5},  {4, 5}, {5, 6},
                                       {6, 6},  {7, 5}, {8, 4}, {9, 3}, {10, 2}, {11, 1}};
    EXPECT_EQ(Corrected<CSmartThicknessCorrector>(valley, 3, true), expected);
}

TEST(ThicknessCorrector, SmartChordSpansItsRangeThroughZeroSteps)
{
    // A staircase one row down every three columns, 10 pixels thick, range 3: the chord over
    // three points on each side runs through the flat steps and sees the slope of 1/3, so
    // the points move 2 left and 5 down (5 sin and 5 cos of atan(1/3), rounded). A chord cut
    // at two points, or stopped by a flat step, sees a flatter or a steeper edge.
    const PointList stairs = Line(0, 11, [](int x) { return x / 3; });
    CSmartThicknessCorrector corrector(nullptr, 3);
    corrector.SetThickness(10);
    PointList points = stairs;
    corrector.Correct(points, true);
    const std::vector<CPoint> expected{{-2, 5}, {-1, 5}, {0, 5}, {1, 6}, {2, 6}, {3, 6},
                                       {4, 7},  {5, 7},  {6, 7}, {7, 7}, {8, 8}, {9, 8}};
    EXPECT_EQ(Vec(points), expected);
}

TEST(ThicknessCorrector, SmartKeepsOrderAndStaysInsideTheStroke)
{
    // An edge that steepens and flattens again, so that sideways moves of different sizes
    // put two candidates into one column or open columns between them.
    PointList edge;
    int y = 0;
    for (int x = 0; x < 60; ++x) {
        edge.emplace_back(x, y);
        y += (x / 6) % 5;
    }
    for (bool bTop : {true, false}) {
        for (int nThickness : {2, 5, 8, 13}) {
            CSmartThicknessCorrector corrector(nullptr, 3);
            corrector.SetThickness(nThickness);
            PointList points = edge;
            corrector.Correct(points, bTop);
            const std::vector<CPoint> out = Vec(points);
            ExpectAscending(out);
            const int h = nThickness / 2;
            for (const CPoint& p : out) {
                // Without input gaps the output has none either, and in every column that has
                // an input point the output lies at least half a thickness inside the stroke.
                if (&p != &out.front()) {
                    EXPECT_EQ((&p - 1)->x + 1, p.x);
                }
                if (p.x >= 0 && p.x < 60) {
                    const CPoint& in = *std::next(edge.begin(), p.x);
                    EXPECT_GE((p.y - in.y) * (bTop ? 1 : -1), h) << "column " << p.x;
                }
            }
        }
    }
}

TEST(ThicknessCorrector, SmartLeavesTheGapsOfItsInput)
{
    PointList gapped = Line(0, 5, [](int) { return 9; });
    for (int x = 12; x <= 16; ++x)
        gapped.emplace_back(x, 9);
    std::vector<CPoint> expected;
    for (const CPoint& p : gapped)
        expected.emplace_back(p.x, p.y + 3);
    EXPECT_EQ(Corrected<CSmartThicknessCorrector>(gapped, 7, true), expected);
}

TEST(ThicknessCorrector, ParametersCloneAndModifiedFlag)
{
    CContinuousCurve curve;
    CSmartThicknessCorrector smart(&curve, 5);
    curve.SetModified(false);
    smart.SetThickness(9);
    EXPECT_TRUE(curve.GetModified());
    curve.SetModified(false);
    smart.SetRange(7);
    EXPECT_TRUE(curve.GetModified());

    CContinuousCurve other;
    std::unique_ptr<CAbstractThicknessCorrector> pClone(smart.Clone(&other));
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CSmartThicknessCorrector)));
    EXPECT_EQ(pClone->GetCurve(), &other);
    EXPECT_EQ(pClone->GetThickness(), 9);
    EXPECT_EQ(static_cast<CSmartThicknessCorrector*>(pClone.get())->GetRange(), 7);

    CFlatThicknessCorrector flat(&curve);
    EXPECT_EQ(flat.GetThickness(), 1);
    flat.SetThickness(4);
    std::unique_ptr<CAbstractThicknessCorrector> pFlat(flat.Clone(&other));
    EXPECT_TRUE(pFlat->IsKindOf(RUNTIME_CLASS(CFlatThicknessCorrector)));
    EXPECT_EQ(pFlat->GetThickness(), 4);
}

TEST(ThicknessCorrector, RecordsAndRoundTrip)
{
    CSmartThicknessCorrector smart(nullptr, 6);
    smart.SetThickness(3);
    CFlatThicknessCorrector flat(nullptr);
    flat.SetThickness(11);
    std::ostringstream out;
    {
        CArchive ar(out);
        ar.WriteObject(&smart);
        ar.WriteObject(&flat);
    }
    const std::string bytes = out.str();
    const std::string smartName = "CSmartThicknessCorrector";
    const std::string flatName = "CFlatThicknessCorrector";
    ASSERT_EQ(bytes.size(), 6 + smartName.size() + 8 + 6 + flatName.size() + 4);
    EXPECT_EQ(bytes.substr(6, smartName.size()), smartName);
    EXPECT_EQ(bytes.substr(6 + smartName.size(), 8), std::string("\x03\0\0\0\x06\0\0\0", 8));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\x0B\0\0\0", 4));

    CArchive ar(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    std::unique_ptr<CObject> pSmart(ar.ReadObject(RUNTIME_CLASS(CAbstractThicknessCorrector)));
    std::unique_ptr<CObject> pFlat(ar.ReadObject(RUNTIME_CLASS(CAbstractThicknessCorrector)));
    ASSERT_TRUE(pSmart->IsKindOf(RUNTIME_CLASS(CSmartThicknessCorrector)));
    EXPECT_EQ(static_cast<CSmartThicknessCorrector*>(pSmart.get())->GetThickness(), 3);
    EXPECT_EQ(static_cast<CSmartThicknessCorrector*>(pSmart.get())->GetRange(), 6);
    ASSERT_TRUE(pFlat->IsKindOf(RUNTIME_CLASS(CFlatThicknessCorrector)));
    EXPECT_EQ(static_cast<CFlatThicknessCorrector*>(pFlat.get())->GetThickness(), 11);
}

TEST(ThicknessCorrector, ExtremeValuesFromADocumentStayBounded)
{
    // Points at the ends of the coordinate range and a thickness no dialog allows.
    PointList points{CPoint(INT32_MAX - 1, INT32_MAX - 1), CPoint(INT32_MAX, INT32_MIN)};
    CFlatThicknessCorrector flat(nullptr);
    flat.SetThickness(INT32_MAX);
    PointList flatPoints = points;
    flat.Correct(flatPoints, true);
    EXPECT_EQ(flatPoints.front().y, INT32_MAX);

    CSmartThicknessCorrector smart(nullptr, INT32_MAX);
    smart.SetThickness(INT32_MAX);
    PointList smartPoints = points;
    smart.Correct(smartPoints, false);
    ExpectAscending(Vec(smartPoints));
    EXPECT_LE(smartPoints.size(), 2u + 2u * 1000u);

    CSmartThicknessCorrector negative(nullptr, -3);
    negative.SetThickness(-8);
    PointList same = points;
    EXPECT_EQ(negative.Correct(same, true), 0);
    EXPECT_EQ(Vec(same), Vec(points));
}
