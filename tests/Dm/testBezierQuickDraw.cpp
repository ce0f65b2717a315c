#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BezierTestCurve.h"
#include "Dm/BezierQuickDraw.h"
#include "tests/doubles/RecordingDrawContext.h"

using namespace beziertest;
using Kind = CRecordingDrawContext::Kind;

namespace {

std::vector<NodeSpec> ThreeNodes()
{
    return {{{0, 0}, {}, {10, 5}}, {{40, 0}, {-10, -5}, {10, 5}}, {{80, 0}, {-10, 0}, {}}};
}

std::vector<CPoint> PolyBezierPoints(const CRecordingDrawContext& dc, size_t index)
{
    return dc.EntriesOf(Kind::PolyBezier).at(index).points;
}

}  // namespace

TEST(BezierQuickDraw, PreviewOfAMiddleNodeIsTwoPiecesInInvertedInk)
{
    auto pCurve = MakeCurve(nullptr, ThreeNodes());
    ASSERT_TRUE(pCurve->SelectNodeAt({40, 0}));
    CRecordingDrawContext dc;
    pCurve->QuickDraw(dc, {40, 0});
    ASSERT_NE(pCurve->GetQuickDraw(), nullptr);
    EXPECT_TRUE(pCurve->GetQuickDraw()->IsOnScreen());

    // From the next node, through the node, to the previous node.
    ASSERT_EQ(dc.Count(Kind::PolyBezier), 1u);
    EXPECT_EQ(PolyBezierPoints(dc, 0),
              (std::vector<CPoint>{{80, 0}, {70, 0}, {50, 5}, {40, 0}, {30, -5}, {10, 5}, {0, 0}}));
    // The node itself: handle lines, marker and circles.
    EXPECT_EQ(dc.Count(Kind::Rectangle), 1u);
    EXPECT_EQ(dc.Count(Kind::Ellipse), 2u);
    for (const auto& entry : dc.Entries()) {
        if (entry.kind != Kind::SetRasterOp) {
            EXPECT_EQ(entry.op, CDrawContext::RasterOp::Invert) << CRecordingDrawContext::ToString(entry);
        }
    }
    EXPECT_EQ(dc.Entries().front().kind, Kind::SetRasterOp);
    EXPECT_EQ(dc.Entries().back().kind, Kind::SetRasterOp);
    EXPECT_EQ(dc.Entries().back().op, CDrawContext::RasterOp::Copy);
}

TEST(BezierQuickDraw, DrawingAgainFirstErasesWhatIsOnTheScreen)
{
    auto pCurve = MakeCurve(nullptr, ThreeNodes());
    ASSERT_TRUE(pCurve->SelectNodeAt({40, 0}));
    CRecordingDrawContext first;
    pCurve->QuickDraw(first, {40, 0});
    const std::vector<std::string> once = first.DumpLines();

    // Without a move: the same picture twice, so the screen is back to the preview.
    CRecordingDrawContext second;
    pCurve->QuickDraw(second, {40, 0});
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(second.DumpLines(), twice);

    // After a move the erase repeats the old picture and the new one follows the node;
    // the neighbours' points are those of the build.
    ASSERT_TRUE(pCurve->MoveActiveNode({40, 10}, false, false));
    NodeAt(*pCurve, 2)->SetFrontHandle({-20, 0});
    CRecordingDrawContext third;
    pCurve->QuickDraw(third, {40, 10});
    const std::vector<std::string> lines = third.DumpLines();
    ASSERT_EQ(lines.size(), 2 * once.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(once.size())), once);
    EXPECT_EQ(PolyBezierPoints(third, 1),
              (std::vector<CPoint>{{80, 0}, {70, 0}, {50, 15}, {40, 10}, {30, 5}, {10, 5}, {0, 0}}));
    EXPECT_EQ(third.EntriesOf(Kind::Rectangle)[1].rect, CRect(38, 8, 43, 13));
}

TEST(BezierQuickDraw, EndNodesHaveOnePieceAndALoneNodeNone)
{
    CBezierCurve curve(nullptr);
    curve.AddBack({0, 0});
    CRecordingDrawContext lone;
    curve.QuickDraw(lone, {0, 0});
    EXPECT_EQ(curve.GetQuickDraw()->GetPointCount(), 1u);
    EXPECT_EQ(lone.Count(Kind::PolyBezier), 0u);
    EXPECT_EQ(lone.Count(Kind::Rectangle), 1u);
    curve.ReleaseQuickDraw();
    curve.EndMove();

    // A node added at the back: from it to the previous node.
    curve.AddBack({30, 0});
    curve.MoveActiveNode({40, 0}, false, false);
    CRecordingDrawContext back;
    curve.QuickDraw(back, {40, 0});
    EXPECT_EQ(PolyBezierPoints(back, 0), (std::vector<CPoint>{{30, 0}, {20, 0}, {0, 0}, {0, 0}}));
    curve.ReleaseQuickDraw();
    curve.EndMove();

    // A node added at the front: from the next node to it.
    curve.AddFront({-30, 0});
    curve.MoveActiveNode({-40, 0}, false, false);
    CRecordingDrawContext front;
    curve.QuickDraw(front, {-40, 0});
    EXPECT_EQ(PolyBezierPoints(front, 0), (std::vector<CPoint>{{0, 0}, {0, 0}, {-20, 0}, {-30, 0}}));
}

TEST(BezierQuickDraw, NothingWithoutAnActiveNodeAndReleaseDoesNotDraw)
{
    auto pCurve = MakeCurve(nullptr, ThreeNodes());
    CRecordingDrawContext dc;
    pCurve->BuildQuickDraw();
    pCurve->QuickDraw(dc, {40, 0});
    EXPECT_TRUE(dc.Entries().empty());
    EXPECT_EQ(pCurve->GetQuickDraw(), nullptr);

    ASSERT_TRUE(pCurve->SelectNodeAt({80, 0}));
    pCurve->QuickDraw(dc, {80, 0});
    const size_t nDrawn = dc.Entries().size();
    pCurve->ReleaseQuickDraw();
    EXPECT_EQ(pCurve->GetQuickDraw(), nullptr);
    EXPECT_EQ(dc.Entries().size(), nDrawn);

    // A preview of another node is not reused: selecting a new node starts a new preview.
    pCurve->QuickDraw(dc, {80, 0});
    pCurve->EndMove();
    ASSERT_TRUE(pCurve->SelectNodeAt({0, 0}));
    CRecordingDrawContext other;
    pCurve->QuickDraw(other, {0, 0});
    EXPECT_EQ(pCurve->GetQuickDraw()->GetNode(), NodeAt(*pCurve, 0));
    EXPECT_EQ(other.Count(Kind::Rectangle), 1u) << "a new preview has nothing to erase";
}
