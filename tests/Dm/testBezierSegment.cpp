#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "BezierTestCurve.h"
#include "Dm/BezierSegment.h"

using namespace beziertest;

TEST(BezierSegment, HandlesAlongTheChordGiveEvenlySpacedPoints)
{
    auto pCurve = MakeCurve(nullptr, StraightPair());
    ASSERT_EQ(pCurve->GetSegmentList().size(), 1u);
    const CSplineSegment* pSegment = SegmentAt(*pCurve, 0);
    EXPECT_EQ(pSegment->GetResolution(), 30);
    std::vector<CPoint> expected;
    for (int i = 0; i <= 30; ++i)
        expected.emplace_back(i, 0);
    EXPECT_EQ(pSegment->GetPointList(), expected);

    // GetPoints appends.
    std::vector<CPoint> points{{-1, -1}};
    pSegment->GetPoints(points);
    ASSERT_EQ(points.size(), 32u);
    EXPECT_EQ(points[1], CPoint(0, 0));
    EXPECT_EQ(points[31], CPoint(30, 0));
}

TEST(BezierSegment, ZeroHandlesCrowdThePointsTowardsBothEnds)
{
    auto pCurve = MakeCurve(nullptr, {{{0, 0}, {0, 0}, {0, 0}}, {{30, 0}, {0, 0}, {0, 0}}});
    const std::vector<CPoint>& points = SegmentAt(*pCurve, 0)->GetPointList();
    ASSERT_EQ(points.size(), 31u);
    const int head[] = {0, 0, 0, 1, 1, 2, 3};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(points[i].x, head[i]) << i;
        // Symmetric about the middle: x(1 - t) = 30 - x(t).
        EXPECT_EQ(points[30 - i].x, 30 - head[i]) << i;
    }
    EXPECT_EQ(points[15], CPoint(15, 0));
}

TEST(BezierSegment, PointsOnHalfPixelsRoundAwayFromZero)
{
    // x = 15t + ... : a chord of 15 pixels puts every odd point on a half pixel.
    auto pCurve = MakeCurve(nullptr, {{{0, 0}, {0, 0}, {5, 0}}, {{15, 0}, {-5, 0}, {0, 0}}});
    const std::vector<CPoint>& points = SegmentAt(*pCurve, 0)->GetPointList();
    EXPECT_EQ(points[1].x, 1);  // 0.5
    EXPECT_EQ(points[3].x, 2);  // 1.5

    auto pNegative = MakeCurve(nullptr, {{{0, 0}, {0, 0}, {-5, 0}}, {{-15, 0}, {5, 0}, {0, 0}}});
    const std::vector<CPoint>& mirrored = SegmentAt(*pNegative, 0)->GetPointList();
    EXPECT_EQ(mirrored[1].x, -1);
    EXPECT_EQ(mirrored[3].x, -2);
}

TEST(BezierSegment, HitTestGivesTheCurveParameter)
{
    auto pCurve = MakeCurve(nullptr, StraightPair());
    CSplineSegment* pSegment = SegmentAt(*pCurve, 0);

    double t = -1.0;
    EXPECT_TRUE(pSegment->HitTest({15, 1}, &t));
    EXPECT_DOUBLE_EQ(t, 0.5);
    EXPECT_TRUE(pSegment->HitTest({6, -2}, &t));
    EXPECT_DOUBLE_EQ(t, 0.2);
    EXPECT_TRUE(pSegment->HitTest({15, 2}));

    // Beyond the pick radius.
    t = -1.0;
    EXPECT_FALSE(pSegment->HitTest({15, 3}, &t));
    EXPECT_DOUBLE_EQ(t, -1.0);
    EXPECT_FALSE(pSegment->HitTest({-5, 0}));
    EXPECT_FALSE(pSegment->HitTest({40, 0}));

    // Within two pixels of an end point the node is hit, not the segment.
    EXPECT_FALSE(pSegment->HitTest({1, 1}));
    EXPECT_FALSE(pSegment->HitTest({2, 0}));
    EXPECT_FALSE(pSegment->HitTest({28, 0}));
    EXPECT_FALSE(pSegment->HitTest({29, -1}));
    EXPECT_TRUE(pSegment->HitTest({3, 0}));
    EXPECT_TRUE(pSegment->HitTest({27, 0}));
}

TEST(BezierSegment, HitTestSeesTheCurrentNodes)
{
    auto pCurve = MakeCurve(nullptr, StraightPair());
    CSplineSegment* pSegment = SegmentAt(*pCurve, 0);
    // Moving a node without recomputing: the hit test recomputes the polyline itself.
    NodeAt(*pCurve, 1)->SetGrab(CBezierNode::kGrabAnchor);
    NodeAt(*pCurve, 1)->Move({30, 40}, false, false);
    EXPECT_FALSE(pSegment->HitTest({15, 0}));
    double t = 0.0;
    EXPECT_TRUE(pSegment->HitTest({15, 20}, &t));
    EXPECT_NEAR(t, 0.5, 0.05);
    EXPECT_EQ(pSegment->GetPointList().back(), CPoint(30, 40));
}

TEST(BezierSegment, LinksItselfIntoItsNodesUnlessTemporary)
{
    CBezierNode front(nullptr, {0, 0});
    CBezierNode back(nullptr, {10, 0});
    {
        CBezierSegment temporary(nullptr, 5, &front, &back, true);
        temporary.ComputePolyline();
        EXPECT_EQ(temporary.GetPointList().size(), 6u);
        EXPECT_EQ(front.GetBackSegment(), nullptr);
        EXPECT_EQ(back.GetFrontSegment(), nullptr);
    }
    {
        CBezierSegment linked(nullptr, 30, &front, &back, false);
        EXPECT_EQ(front.GetBackSegment(), &linked);
        EXPECT_EQ(back.GetFrontSegment(), &linked);
        EXPECT_EQ(front.GetFrontSegment(), nullptr);
    }
    EXPECT_EQ(front.GetBackSegment(), nullptr);
    EXPECT_EQ(back.GetFrontSegment(), nullptr);
}

TEST(BezierSegment, WithoutBothNodesNothingIsComputedOrHit)
{
    CBezierNode front(nullptr, {0, 0});
    CBezierSegment segment(nullptr, 30, &front, nullptr, false);
    segment.ComputePolyline();
    EXPECT_TRUE(segment.GetPointList().empty());
    EXPECT_FALSE(segment.HitTest({0, 0}));

    // A resolution below 1 counts as 1: two points, never a division by zero.
    CBezierNode back(nullptr, {8, 0});
    CBezierSegment coarse(nullptr, 0, &front, &back, true);
    coarse.ComputePolyline();
    EXPECT_EQ(coarse.GetPointList(), (std::vector<CPoint>{{0, 0}, {8, 0}}));
}
