#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "BezierTestCurve.h"
#include "Dm/BezierSegment.h"
#include "Dm/SplineResults.h"
#include "FakeDocumentLink.h"
#include "tests/doubles/RecordingDrawContext.h"

using namespace beziertest;

namespace {

// Dense samples of the continuous curve (not the rounded polylines), segment by segment.
std::vector<std::pair<double, double>> DenseSamples(const CSplineCurve& curve, int nPerSegment)
{
    std::vector<std::pair<double, double>> samples;
    for (const auto& pSegment : curve.GetSegmentList()) {
        auto* pBezier = dynamic_cast<CBezierSegment*>(pSegment.get());
        pBezier->ComputeCoefficients();
        for (int i = 0; i <= nPerSegment; ++i) {
            double x = 0.0;
            double y = 0.0;
            pBezier->Evaluate(static_cast<double>(i) / nPerSegment, x, y);
            samples.emplace_back(x, y);
        }
    }
    return samples;
}

double DistanceToSamples(const std::pair<double, double>& p,
                         const std::vector<std::pair<double, double>>& samples)
{
    double best = std::numeric_limits<double>::infinity();
    for (const auto& q : samples)
        best = std::min(best, std::hypot(p.first - q.first, p.second - q.second));
    return best;
}

std::vector<CPoint> Anchors(const CSplineCurve& curve)
{
    std::vector<CPoint> anchors;
    for (const auto& pNode : curve.GetNodeList())
        anchors.push_back(pNode->GetAnchor());
    return anchors;
}

// Every segment joins the nodes at its index and the next, both ways.
void ExpectConsistent(const CSplineCurve& curve)
{
    const size_t nNodes = curve.GetNodeCount();
    ASSERT_EQ(curve.GetSegmentList().size(), nNodes < 2 ? 0 : nNodes - 1);
    for (size_t i = 0; i + 1 < nNodes; ++i) {
        CSplineSegment* pSegment = SegmentAt(curve, i);
        EXPECT_EQ(pSegment->GetFrontNode(), NodeAt(curve, i)) << i;
        EXPECT_EQ(pSegment->GetBackNode(), NodeAt(curve, i + 1)) << i;
        EXPECT_EQ(NodeAt(curve, i)->GetBackSegment(), pSegment) << i;
        EXPECT_EQ(NodeAt(curve, i + 1)->GetFrontSegment(), pSegment) << i;
        EXPECT_EQ(pSegment->GetPointList().size(), 31u) << i;
    }
    if (nNodes > 0) {
        EXPECT_EQ(NodeAt(curve, 0)->GetFrontSegment(), nullptr);
        EXPECT_EQ(NodeAt(curve, nNodes - 1)->GetBackSegment(), nullptr);
    }
}

}  // namespace

TEST(SplineCurve, AddingAtTheBackAndTheFront)
{
    CFakeDocumentLink doc;
    CCoordSyst cs(&doc);
    BuildIdentity(cs);
    CBezierCurve curve(&cs);
    EXPECT_FALSE(curve.IsContinuous());
    EXPECT_FALSE(curve.IsDiscrete());

    ASSERT_TRUE(curve.AddBack({10, 10}));
    EXPECT_TRUE(curve.GetModified());
    EXPECT_EQ(curve.GetNodeCount(), 1u);
    EXPECT_TRUE(curve.GetSegmentList().empty());
    std::vector<CLogicPoint> samples(3);
    curve.GetSamplePoints(10, samples);
    EXPECT_EQ(samples.size(), 3u) << "fewer than two nodes leave the output alone";
    auto* pFirst = NodeAt(curve, 0);
    EXPECT_EQ(curve.GetActiveNode(), pFirst);
    EXPECT_EQ(pFirst->GetGrab(), CBezierNode::kGrabBackHandle);
    EXPECT_EQ(pFirst->GetMode(), CBezierNode::kCreating);
    curve.EndMove();
    EXPECT_EQ(curve.GetActiveNode(), nullptr);
    EXPECT_EQ(pFirst->GetGrab(), CBezierNode::kGrabNone);
    EXPECT_EQ(pFirst->GetMode(), CBezierNode::kIdle);

    ASSERT_TRUE(curve.AddBack({40, 10}));
    ASSERT_EQ(curve.GetSegmentList().size(), 1u);
    ExpectConsistent(curve);
    EXPECT_EQ(SegmentAt(curve, 0)->GetPointList().front(), CPoint(10, 10));
    EXPECT_EQ(SegmentAt(curve, 0)->GetPointList().back(), CPoint(40, 10));
    curve.EndMove();

    ASSERT_TRUE(curve.AddFront({0, 30}));
    auto* pNew = NodeAt(curve, 0);
    EXPECT_EQ(pNew->GetAnchor(), CPoint(0, 30));
    EXPECT_EQ(curve.GetActiveNode(), pNew);
    EXPECT_EQ(pNew->GetGrab(), CBezierNode::kGrabFrontHandle);
    EXPECT_EQ(pNew->GetMode(), CBezierNode::kCreating);
    ExpectConsistent(curve);
    EXPECT_EQ(Anchors(curve), (std::vector<CPoint>{{0, 30}, {10, 10}, {40, 10}}));
}

TEST(SplineCurve, DraggingANewNodePullsItsHandleAndReshapesTheSegment)
{
    CBezierCurve curve(nullptr);
    curve.AddBack({0, 0});
    curve.EndMove();
    curve.AddBack({30, 0});
    const std::vector<CPoint> straight = SegmentAt(curve, 0)->GetPointList();

    // The back handle follows the mouse, the front handle mirrors it and bends the segment.
    EXPECT_TRUE(curve.MoveActiveNode({40, 10}, false, false));
    auto* pNode = NodeAt(curve, 1);
    EXPECT_EQ(pNode->GetBackHandle(), CPoint(10, 10));
    EXPECT_EQ(pNode->GetFrontHandle(), CPoint(-10, -10));
    EXPECT_NE(SegmentAt(curve, 0)->GetPointList(), straight);
    EXPECT_FALSE(curve.MoveActiveNode({40, 10}, false, false));
    curve.EndMove();
    EXPECT_FALSE(curve.MoveActiveNode({50, 10}, false, false)) << "no active node";
}

TEST(SplineCurve, InsertingOnTheStraightSegmentOfTheExample)
{
    auto pCurve = MakeCurve(nullptr, StraightPair());
    ASSERT_TRUE(pCurve->InsertNodeAt({15, 1}));
    ASSERT_EQ(pCurve->GetNodeCount(), 3u);
    ExpectConsistent(*pCurve);

    CBezierNode* pNew = NodeAt(*pCurve, 1);
    EXPECT_EQ(pNew->GetAnchor(), CPoint(15, 0));
    EXPECT_EQ(pNew->GetFrontHandle(), CPoint(-5, 0));
    EXPECT_EQ(pNew->GetBackHandle(), CPoint(5, 0));
    EXPECT_TRUE(pNew->IsSmooth());
    EXPECT_EQ(NodeAt(*pCurve, 0)->GetBackHandle(), CPoint(5, 0));
    EXPECT_EQ(NodeAt(*pCurve, 2)->GetFrontHandle(), CPoint(-5, 0));

    // The new node is active with its anchor following the mouse.
    EXPECT_EQ(pCurve->GetActiveNode(), pNew);
    EXPECT_EQ(pNew->GetGrab(), CBezierNode::kGrabAnchor);
    EXPECT_TRUE(pCurve->MoveActiveNode({15, 12}, false, false));
    EXPECT_EQ(pNew->GetAnchor(), CPoint(15, 12));
    EXPECT_EQ(SegmentAt(*pCurve, 0)->GetPointList().back(), CPoint(15, 12));
    EXPECT_EQ(SegmentAt(*pCurve, 1)->GetPointList().front(), CPoint(15, 12));
}

TEST(SplineCurve, InsertionKeepsTheShapeOfACurvedSegment)
{
    auto pCurve = MakeCurve(
        nullptr,
        {{{0, 0}, {0, 0}, {40, -60}}, {{100, 20}, {-30, -70}, {0, 0}}, {{160, 60}, {-20, 10}, {0, 0}}});
    const auto before = DenseSamples(*pCurve, 400);
    const std::vector<CPoint> secondSegment = SegmentAt(*pCurve, 1)->GetPointList();

    double t = 0.0;
    const CPoint click = SegmentAt(*pCurve, 0)->GetPointList()[11];
    ASSERT_TRUE(SegmentAt(*pCurve, 0)->HitTest(click, &t));
    ASSERT_TRUE(pCurve->InsertNodeAt(click));
    ASSERT_EQ(pCurve->GetNodeCount(), 4u);
    ExpectConsistent(*pCurve);
    // The anchor lies on the old curve near the click.
    EXPECT_LE(
        std::hypot(NodeAt(*pCurve, 1)->GetAnchor().x - click.x, NodeAt(*pCurve, 1)->GetAnchor().y - click.y),
        2.0);

    // Every point of the old curve is within a pixel of the new one, and back.
    const auto after = DenseSamples(*pCurve, 400);
    double worst = 0.0;
    for (const auto& p : before)
        worst = std::max(worst, DistanceToSamples(p, after));
    for (const auto& p : after)
        worst = std::max(worst, DistanceToSamples(p, before));
    EXPECT_LT(worst, 1.0);
    // The segment that was not split is untouched.
    EXPECT_EQ(SegmentAt(*pCurve, 2)->GetPointList(), secondSegment);
}

TEST(SplineCurve, ShortHandlesCollapseWhenASegmentIsSplit)
{
    // Halving a handle of length 3 leaves 2, which collapses; halving one of length 6 leaves 3.
    auto pCurve = MakeCurve(nullptr, {{{0, 0}, {0, 0}, {3, 0}}, {{60, 0}, {-6, 0}, {0, 0}}});
    CSplineNode* pNew = pCurve->InsertNodeOnSegment(SegmentAt(*pCurve, 0), 0.5);
    ASSERT_NE(pNew, nullptr);
    EXPECT_EQ(NodeAt(*pCurve, 0)->GetBackHandle(), CPoint(0, 0));
    EXPECT_EQ(NodeAt(*pCurve, 2)->GetFrontHandle(), CPoint(-3, 0));
    ExpectConsistent(*pCurve);
}

TEST(SplineCurve, RefusedInsertionsLeaveTheCurveAlone)
{
    auto pCurve = MakeCurve(nullptr, StraightPair());
    CSplineSegment* pSegment = SegmentAt(*pCurve, 0);
    // On a node, beside the segment, or with nothing to split.
    EXPECT_FALSE(pCurve->InsertNodeAt({0, 1}));
    EXPECT_FALSE(pCurve->InsertNodeAt({30, 0}));
    EXPECT_FALSE(pCurve->InsertNodeAt({15, 5}));
    for (double t : {0.0, 1.0, -0.5, 1.5, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(pCurve->InsertNodeOnSegment(pSegment, t), nullptr) << t;
    EXPECT_EQ(pCurve->InsertNodeOnSegment(nullptr, 0.5), nullptr);

    // A segment of another curve is not split.
    auto pOther = MakeCurve(nullptr, StraightPair());
    EXPECT_EQ(pCurve->InsertNodeOnSegment(SegmentAt(*pOther, 0), 0.5), nullptr);
    EXPECT_EQ(NodeAt(*pOther, 0)->GetBackHandle(), CPoint(10, 0));

    EXPECT_EQ(pCurve->GetNodeCount(), 2u);
    EXPECT_EQ(SegmentAt(*pCurve, 0), pSegment);
    EXPECT_EQ(NodeAt(*pCurve, 0)->GetBackHandle(), CPoint(10, 0));
    EXPECT_EQ(pCurve->GetActiveNode(), nullptr);
}

TEST(SplineCurve, RemovingNodes)
{
    const std::vector<NodeSpec> four{
        {{0, 0}, {}, {}}, {{30, 0}, {}, {}}, {{60, 0}, {}, {}}, {{90, 0}, {}, {}}};

    // The first: one segment goes, none is made.
    auto pCurve = MakeCurve(nullptr, four);
    CSplineSegment* pKept = SegmentAt(*pCurve, 1);
    EXPECT_TRUE(pCurve->RemoveNodeAt({1, 1}));
    EXPECT_EQ(Anchors(*pCurve), (std::vector<CPoint>{{30, 0}, {60, 0}, {90, 0}}));
    ExpectConsistent(*pCurve);
    EXPECT_EQ(SegmentAt(*pCurve, 0), pKept);

    // The last.
    EXPECT_TRUE(pCurve->RemoveNodeAt({90, 2}));
    EXPECT_EQ(Anchors(*pCurve), (std::vector<CPoint>{{30, 0}, {60, 0}}));
    ExpectConsistent(*pCurve);

    // A middle one: its two segments become one, in its place.
    auto pMiddle = MakeCurve(nullptr, four);
    CSplineSegment* pLast = SegmentAt(*pMiddle, 2);
    EXPECT_TRUE(pMiddle->RemoveNodeAt({30, 0}));
    EXPECT_EQ(Anchors(*pMiddle), (std::vector<CPoint>{{0, 0}, {60, 0}, {90, 0}}));
    ExpectConsistent(*pMiddle);
    EXPECT_EQ(SegmentAt(*pMiddle, 1), pLast);
    EXPECT_EQ(SegmentAt(*pMiddle, 0)->GetPointList()[15], CPoint(30, 0));

    // Nothing at the point: nothing changes.
    EXPECT_FALSE(pMiddle->RemoveNodeAt({45, 0}));
    EXPECT_EQ(pMiddle->GetNodeCount(), 3u);

    // Down to nothing.
    EXPECT_TRUE(pMiddle->RemoveNodeAt({0, 0}));
    EXPECT_TRUE(pMiddle->RemoveNodeAt({60, 0}));
    EXPECT_TRUE(pMiddle->RemoveNodeAt({90, 0}));
    EXPECT_EQ(pMiddle->GetNodeCount(), 0u);
    EXPECT_TRUE(pMiddle->GetSegmentList().empty());
}

TEST(SplineCurve, RemovingTheActiveNodeForgetsItAndItsPreview)
{
    auto pCurve = MakeCurve(nullptr, StraightPair());
    ASSERT_TRUE(pCurve->SelectNodeAt({30, 0}));
    CRecordingDrawContext dc;
    pCurve->QuickDraw(dc, {30, 0});
    ASSERT_NE(pCurve->GetQuickDraw(), nullptr);
    EXPECT_TRUE(pCurve->RemoveNodeAt({30, 0}));
    EXPECT_EQ(pCurve->GetActiveNode(), nullptr);
    EXPECT_EQ(pCurve->GetQuickDraw(), nullptr);
    EXPECT_FALSE(pCurve->MoveActiveNode({5, 5}, false, false));
}

TEST(SplineCurve, SelectingTriesHandlesBeforeAnchors)
{
    // A node without handles is grabbed by its anchor: its handles of length 0 lie there.
    auto pCurve = MakeCurve(nullptr, {{{0, 0}, {}, {}}, {{30, 0}, {-10, 0}, {10, 10}}, {{60, 0}, {}, {}}});
    ASSERT_TRUE(pCurve->SelectNodeAt({1, 0}));
    EXPECT_EQ(pCurve->GetActiveNode(), NodeAt(*pCurve, 0));
    EXPECT_EQ(NodeAt(*pCurve, 0)->GetGrab(), CBezierNode::kGrabAnchor);
    EXPECT_EQ(NodeAt(*pCurve, 0)->GetMode(), CBezierNode::kModifying);
    // Asked to, its front handle is pulled out of the anchor.
    ASSERT_TRUE(pCurve->SelectHandleOutOfAnchorAt({1, 0}));
    EXPECT_EQ(NodeAt(*pCurve, 0)->GetGrab(), CBezierNode::kGrabFrontHandle);
    EXPECT_EQ(NodeAt(*pCurve, 0)->GetMode(), CBezierNode::kCreating);
    EXPECT_FALSE(pCurve->SelectHandleOutOfAnchorAt({45, 30}));
    EXPECT_EQ(pCurve->GetActiveNode(), nullptr);

    // Handle ends of the middle node.
    ASSERT_TRUE(pCurve->SelectNodeAt({40, 11}));
    EXPECT_EQ(pCurve->GetActiveNode(), NodeAt(*pCurve, 1));
    EXPECT_EQ(NodeAt(*pCurve, 1)->GetGrab(), CBezierNode::kGrabBackHandle);
    ASSERT_TRUE(pCurve->SelectNodeAt({20, 0}));
    EXPECT_EQ(NodeAt(*pCurve, 1)->GetGrab(), CBezierNode::kGrabFrontHandle);

    // Its anchor, since neither handle is there.
    ASSERT_TRUE(pCurve->SelectNodeAt({31, 1}));
    EXPECT_EQ(pCurve->GetActiveNode(), NodeAt(*pCurve, 1));
    EXPECT_EQ(NodeAt(*pCurve, 1)->GetGrab(), CBezierNode::kGrabAnchor);

    // Nothing there: no active node.
    EXPECT_FALSE(pCurve->SelectNodeAt({45, 30}));
    EXPECT_EQ(pCurve->GetActiveNode(), nullptr);
}

TEST(SplineCurve, ModifyingHandlesSmoothAndCorner)
{
    auto pCurve = MakeCurve(nullptr, {{{0, 0}, {}, {}}, {{30, 0}, {-10, 0}, {10, 0}}, {{60, 0}, {}, {}}});
    CBezierNode* pNode = NodeAt(*pCurve, 1);

    // Smooth: the opposite handle turns and keeps its length.
    ASSERT_TRUE(pCurve->SelectNodeAt({40, 0}));
    EXPECT_TRUE(pCurve->MoveActiveNode({30, 20}, false, false));
    EXPECT_EQ(pNode->GetBackHandle(), CPoint(0, 20));
    EXPECT_EQ(pNode->GetFrontHandle(), CPoint(0, -10));
    // Both segments follow.
    EXPECT_EQ(SegmentAt(*pCurve, 0)->GetPointList()[29].y < 0, true);
    EXPECT_EQ(SegmentAt(*pCurve, 1)->GetPointList()[1].y > 0, true);

    // Ctrl: a corner; Shift + Ctrl keeps it a corner and mirrors nothing.
    EXPECT_TRUE(pCurve->MoveActiveNode({40, 10}, false, true));
    EXPECT_FALSE(pNode->IsSmooth());
    EXPECT_EQ(pNode->GetFrontHandle(), CPoint(0, -10));
    EXPECT_TRUE(pCurve->MoveActiveNode({50, 10}, true, true));
    EXPECT_FALSE(pNode->IsSmooth());
    EXPECT_EQ(pNode->GetFrontHandle(), CPoint(0, -10));

    // Shift: smooth, and the handles mirror exactly.
    EXPECT_TRUE(pCurve->MoveActiveNode({50, 10}, true, false));
    EXPECT_TRUE(pNode->IsSmooth());
    EXPECT_EQ(pNode->GetFrontHandle(), CPoint(-20, -10));

    // Dragged onto the anchor: collapsed, the opposite handle kept.
    EXPECT_TRUE(pCurve->MoveActiveNode({31, 1}, false, false));
    EXPECT_EQ(pNode->GetBackHandle(), CPoint(0, 0));
    EXPECT_EQ(pNode->GetFrontHandle(), CPoint(-20, -10));
    pCurve->EndMove();
    EXPECT_EQ(pNode->GetMode(), CBezierNode::kIdle);
}

TEST(SplineCurve, SamplingGivesPointsPerSegmentPlusTheLastAnchor)
{
    CCoordSyst cs;
    BuildIdentity(cs);
    auto pCurve =
        MakeCurve(&cs, {{{100, 400}, {}, {10, 0}}, {{130, 400}, {-10, 0}, {10, 0}}, {{160, 370}, {}, {}}});
    std::vector<CLogicPoint> points(5);
    pCurve->GetSamplePoints(10, points);
    ASSERT_EQ(points.size(), 21u);
    // Graph X = pixel x, graph Y = 400 - pixel y; the first segment runs evenly.
    for (int i = 0; i <= 10; ++i) {
        EXPECT_NEAR(points[i].x, 100 + 3 * i, 1e-9) << i;
        EXPECT_NEAR(points[i].y, 0, 1e-9) << i;
    }
    EXPECT_NEAR(points[20].x, 160, 1e-9);
    EXPECT_NEAR(points[20].y, 30, 1e-9);
    for (size_t i = 1; i < points.size(); ++i)
        EXPECT_GE(points[i].x, points[i - 1].x) << i;
    // Temporary segments leave the curve's own links alone.
    ExpectConsistent(*pCurve);

    // Sampling again replaces the output.
    pCurve->GetSamplePoints(1, points);
    EXPECT_EQ(points.size(), 3u);

    // Counts no dialog gives, or no coordinate system: the output is left alone.
    pCurve->GetSamplePoints(0, points);
    pCurve->GetSamplePoints(-3, points);
    pCurve->GetSamplePoints(1001, points);
    EXPECT_EQ(points.size(), 3u);
    auto pLoose = MakeCurve(nullptr, StraightPair());
    pLoose->GetSamplePoints(10, points);
    EXPECT_EQ(points.size(), 3u);
}

TEST(SplineCurve, HitTestFindsNodesHandlesAndSegments)
{
    auto pCurve = MakeCurve(nullptr, {{{0, 0}, {}, {10, 0}}, {{30, 0}, {-10, 0}, {0, 25}}});
    EXPECT_TRUE(pCurve->HitTest(0, 1));    // anchor
    EXPECT_TRUE(pCurve->HitTest(30, 24));  // back handle end
    EXPECT_TRUE(pCurve->HitTest(9, -1));   // segment (and a handle end)
    EXPECT_TRUE(pCurve->HitTest(17, 2));   // segment
    EXPECT_FALSE(pCurve->HitTest(17, 5));
    EXPECT_FALSE(pCurve->HitTest(30, 12));
}

TEST(SplineCurve, DrawsSegmentsThenNodesWithTheCurvePen)
{
    auto pCurve = MakeCurve(nullptr, StraightPair());
    pCurve->SetColor(0x123456);
    using Kind = CRecordingDrawContext::Kind;
    CRecordingDrawContext dc;
    pCurve->Draw(dc);
    const auto& e = dc.Entries();
    ASSERT_GE(e.size(), 2u);
    EXPECT_EQ(e[0].kind, Kind::SetPen);
    EXPECT_EQ(e[0].color, 0x123456u);
    EXPECT_EQ(e[0].width, 1);
    EXPECT_EQ(dc.Count(Kind::Rectangle), 2u);
    EXPECT_EQ(dc.Count(Kind::Ellipse), 4u);
    EXPECT_FALSE(dc.EntriesOf(Kind::Rectangle)[0].filled);

    // The polyline first: a move to (0, 0) and 30 lines along the axis.
    const auto lines = dc.EntriesOf(Kind::LineTo);
    ASSERT_EQ(lines.size(), 30u + 2 * 2);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(lines[static_cast<size_t>(i)].points.back(), CPoint(i + 1, 0));
    const auto moves = dc.EntriesOf(Kind::MoveTo);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0].points.back(), CPoint(0, 0));
    EXPECT_EQ(moves[1].points.back(), CPoint(10, 0));  // first node's back-handle end
    EXPECT_EQ(dc.EntriesOf(Kind::Rectangle)[1].rect, CRect(28, -2, 33, 3));
    for (const auto& entry : e)
        EXPECT_EQ(entry.op, CDrawContext::RasterOp::Copy);

    pCurve->SetSelected(true);
    CRecordingDrawContext wide;
    pCurve->Draw(wide);
    EXPECT_EQ(wide.EntriesOf(Kind::LineTo)[0].width, 2);
}

TEST(SplineCurve, CloneIsADeepCopyWhoseResultsBelongToIt)
{
    CCoordSyst cs;
    auto pCurve = MakeCurve(&cs, {{{0, 0}, {}, {10, 0}}, {{30, 0}, {-10, 0}, {}, false}, {{60, 30}, {}, {}}});
    static_cast<CSplineResults*>(pCurve->GetResults())->SetPointsPerSegment(7);
    pCurve->SetName("Upper envelope");
    ASSERT_TRUE(pCurve->SelectNodeAt({30, 0}));

    EXPECT_EQ(pCurve->GetResults(), pCurve->PeekResults()) << "made once, then kept";

    std::unique_ptr<CBezierCurve> pClone = StaticDowncast<CBezierCurve>(pCurve->Clone());
    ASSERT_EQ(pClone->GetRuntimeClass(), RUNTIME_CLASS(CBezierCurve));
    EXPECT_EQ(pClone->GetName(), "Upper envelope");
    EXPECT_EQ(pClone->GetCoordSyst(), &cs);
    EXPECT_EQ(pClone->GetActiveNode(), nullptr);
    EXPECT_EQ(pClone->GetQuickDraw(), nullptr);
    EXPECT_TRUE(pClone->GetSegmentList().empty()) << "segments wait for EnsureSegments";
    ASSERT_EQ(pClone->GetNodeCount(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NE(NodeAt(*pClone, i), NodeAt(*pCurve, i));
        EXPECT_EQ(NodeAt(*pClone, i)->GetAnchor(), NodeAt(*pCurve, i)->GetAnchor());
        EXPECT_EQ(NodeAt(*pClone, i)->GetFrontHandle(), NodeAt(*pCurve, i)->GetFrontHandle());
        EXPECT_EQ(NodeAt(*pClone, i)->GetBackHandle(), NodeAt(*pCurve, i)->GetBackHandle());
        EXPECT_EQ(NodeAt(*pClone, i)->IsSmooth(), NodeAt(*pCurve, i)->IsSmooth());
        EXPECT_EQ(NodeAt(*pClone, i)->GetCurve(), pClone.get());
        EXPECT_EQ(NodeAt(*pClone, i)->GetGrab(), CBezierNode::kGrabNone);
    }
    pClone->EnsureSegments();
    ExpectConsistent(*pClone);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(SegmentAt(*pClone, i)->GetPointList(), SegmentAt(*pCurve, i)->GetPointList());

    auto* pResults = dynamic_cast<CSplineResults*>(pClone->PeekResults());
    ASSERT_NE(pResults, nullptr);
    EXPECT_NE(pResults, pCurve->PeekResults());
    EXPECT_EQ(pResults->GetCurve(), pClone.get());
    EXPECT_EQ(pResults->GetPointsPerSegment(), 7);

    // Changing the original leaves the clone alone, and the other way round.
    ASSERT_TRUE(pCurve->MoveActiveNode({30, 10}, false, false));
    EXPECT_EQ(NodeAt(*pCurve, 1)->GetAnchor(), CPoint(30, 10));
    EXPECT_EQ(NodeAt(*pClone, 1)->GetAnchor(), CPoint(30, 0));
    EXPECT_TRUE(pClone->RemoveNodeAt({30, 0}));
    pResults->SetPointsPerSegment(3);
    EXPECT_EQ(pCurve->GetNodeCount(), 3u);
    ExpectConsistent(*pCurve);
    EXPECT_EQ(static_cast<CSplineResults*>(pCurve->GetResults())->GetPointsPerSegment(), 7);
}

TEST(SplineCurve, EditingACloneBeforeEnsureSegmentsBuildsThemFirst)
{
    auto pCurve = MakeCurve(nullptr, StraightPair());
    std::unique_ptr<CBezierCurve> pClone = StaticDowncast<CBezierCurve>(pCurve->Clone());
    EXPECT_TRUE(pClone->HitTest(15, 1));
    ExpectConsistent(*pClone);
    EXPECT_TRUE(pClone->AddBack({60, 0}));
    ExpectConsistent(*pClone);

    std::unique_ptr<CBezierCurve> pSecond = StaticDowncast<CBezierCurve>(pClone->Clone());
    EXPECT_TRUE(pSecond->InsertNodeAt({15, 1}));
    ExpectConsistent(*pSecond);
}

TEST(SplineCurve, ClearEmptiesTheCurve)
{
    CFakeDocumentLink doc;
    CCoordSyst cs(&doc);
    auto pCurve = MakeCurve(&cs, StraightPair());
    pCurve->SetModified(false);
    ASSERT_TRUE(pCurve->SelectNodeAt({0, 0}));
    pCurve->Clear();
    EXPECT_EQ(pCurve->GetNodeCount(), 0u);
    EXPECT_TRUE(pCurve->GetSegmentList().empty());
    EXPECT_EQ(pCurve->GetActiveNode(), nullptr);
    EXPECT_TRUE(pCurve->GetModified());
    EXPECT_TRUE(pCurve->AddBack({3, 3}));
    EXPECT_TRUE(pCurve->AddBack({9, 3}));
    ExpectConsistent(*pCurve);
}
