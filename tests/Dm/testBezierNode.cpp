#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <sstream>
#include <string>

#include "Dm/BezierNode.h"
#include "platform/Archive.h"
#include "tests/doubles/RecordingDrawContext.h"

namespace {

// A node at (100, 100) with the given handles, being moved in the given mode by the given part.
std::unique_ptr<CBezierNode> MakeNode(CPoint front, CPoint back, int nMode, int nGrab, bool bSmooth = true)
{
    auto pNode = std::make_unique<CBezierNode>(nullptr, CPoint(100, 100), front, back);
    pNode->SetMode(nMode);
    pNode->SetGrab(nGrab);
    pNode->SetSmooth(bSmooth);
    return pNode;
}

std::string Store(const CBezierNode& node)
{
    std::ostringstream out;
    CArchive ar(out);
    const_cast<CBezierNode&>(node).Serialize(ar);
    return out.str();
}

}  // namespace

TEST(BezierNode, DraggingTheAnchorCarriesTheHandles)
{
    auto pNode = MakeNode({-4, 0}, {6, 1}, CBezierNode::kModifying, CBezierNode::kGrabAnchor);
    CBezierNode& node = *pNode;
    EXPECT_TRUE(node.Move({120, 90}, false, false));
    EXPECT_EQ(node.GetAnchor(), CPoint(120, 90));
    EXPECT_EQ(node.GetFrontHandleEnd(), CPoint(116, 90));
    EXPECT_EQ(node.GetBackHandleEnd(), CPoint(126, 91));
    EXPECT_FALSE(node.Move({120, 90}, true, true));

    // A grab the node never sets moves nothing.
    node.SetGrab(7);
    EXPECT_FALSE(node.Move({0, 0}, false, false));
    EXPECT_EQ(node.GetAnchor(), CPoint(120, 90));
}

TEST(BezierNode, CreatingASmoothNodeMirrorsTheHandleAndCtrlMakesACorner)
{
    auto pNode = MakeNode({}, {}, CBezierNode::kCreating, CBezierNode::kGrabBackHandle);
    CBezierNode& node = *pNode;
    EXPECT_TRUE(node.Move({110, 105}, false, false));
    EXPECT_EQ(node.GetBackHandle(), CPoint(10, 5));
    EXPECT_EQ(node.GetFrontHandle(), CPoint(-10, -5));

    // Ctrl: a corner; the front handle stays where it was.
    EXPECT_TRUE(node.Move({100, 120}, false, true));
    EXPECT_FALSE(node.IsSmooth());
    EXPECT_EQ(node.GetBackHandle(), CPoint(0, 20));
    EXPECT_EQ(node.GetFrontHandle(), CPoint(-10, -5));

    // Shift: smooth again, and a node being created mirrors exactly.
    EXPECT_TRUE(node.Move({100, 120}, true, false));
    EXPECT_TRUE(node.IsSmooth());
    EXPECT_EQ(node.GetFrontHandle(), CPoint(0, -20));

    // Nothing changes when the mouse stays put.
    EXPECT_FALSE(node.Move({100, 120}, false, false));
}

TEST(BezierNode, ModifyingASmoothNodeTurnsTheOppositeHandleKeepingItsLength)
{
    auto pNode = MakeNode({-5, 0}, {10, 0}, CBezierNode::kModifying, CBezierNode::kGrabBackHandle);
    CBezierNode& node = *pNode;
    EXPECT_TRUE(node.Move({100, 120}, false, false));
    EXPECT_EQ(node.GetBackHandle(), CPoint(0, 20));
    EXPECT_EQ(node.GetFrontHandle(), CPoint(0, -5));

    // Length 5 along (3, 4) / 5 * 5: exactly (-3, -4); along (1, 1) it rounds half away.
    EXPECT_TRUE(node.Move({130, 140}, false, false));
    EXPECT_EQ(node.GetFrontHandle(), CPoint(-3, -4));
    node.SetGrab(CBezierNode::kGrabFrontHandle);
    EXPECT_TRUE(node.Move({90, 90}, false, false));
    EXPECT_EQ(node.GetFrontHandle(), CPoint(-10, -10));
    // |back| = 50: 50 / sqrt(2) = 35.36 per axis.
    EXPECT_EQ(node.GetBackHandle(), CPoint(35, 35));

    // Shift mirrors exactly instead.
    EXPECT_TRUE(node.Move({90, 97}, true, false));
    EXPECT_EQ(node.GetBackHandle(), CPoint(10, 3));
}

TEST(BezierNode, CtrlMakesACornerAndShiftWithCtrlLeavesTheFlag)
{
    auto pNode = MakeNode({-5, 0}, {10, 0}, CBezierNode::kModifying, CBezierNode::kGrabFrontHandle);
    CBezierNode& node = *pNode;
    EXPECT_TRUE(node.Move({100, 80}, false, true));
    EXPECT_FALSE(node.IsSmooth());
    EXPECT_EQ(node.GetFrontHandle(), CPoint(0, -20));
    EXPECT_EQ(node.GetBackHandle(), CPoint(10, 0));

    // Both keys on a corner: still a corner, no mirror.
    EXPECT_TRUE(node.Move({90, 100}, true, true));
    EXPECT_FALSE(node.IsSmooth());
    EXPECT_EQ(node.GetBackHandle(), CPoint(10, 0));

    // Both keys on a smooth node: still smooth, the opposite handle turned, not mirrored.
    auto pSmooth = MakeNode({-5, 0}, {10, 0}, CBezierNode::kModifying, CBezierNode::kGrabFrontHandle);
    CBezierNode& smooth = *pSmooth;
    EXPECT_TRUE(smooth.Move({100, 80}, true, true));
    EXPECT_TRUE(smooth.IsSmooth());
    EXPECT_EQ(smooth.GetFrontHandle(), CPoint(0, -20));
    EXPECT_EQ(smooth.GetBackHandle(), CPoint(0, 10));
}

TEST(BezierNode, AHandleDraggedOntoItsAnchorCollapses)
{
    // Modifying a smooth node without keys: the opposite handle is left as it was.
    auto pNode = MakeNode({-5, 0}, {10, 0}, CBezierNode::kModifying, CBezierNode::kGrabBackHandle);
    CBezierNode& node = *pNode;
    EXPECT_TRUE(node.Move({102, 100}, false, false));
    EXPECT_EQ(node.GetBackHandle(), CPoint());
    EXPECT_EQ(node.GetFrontHandle(), CPoint(-5, 0));
    node.SetGrab(CBezierNode::kGrabFrontHandle);
    EXPECT_TRUE(node.Move({99, 101}, false, false));
    EXPECT_EQ(node.GetFrontHandle(), CPoint());

    // Just beyond the radius the handle stays.
    node.SetGrab(CBezierNode::kGrabBackHandle);
    EXPECT_TRUE(node.Move({102, 101}, false, false));
    EXPECT_EQ(node.GetBackHandle(), CPoint(2, 1));

    // Creating a smooth node, the mirror collapses too.
    auto pCreated = MakeNode({}, {}, CBezierNode::kCreating, CBezierNode::kGrabBackHandle);
    CBezierNode& created = *pCreated;
    EXPECT_TRUE(created.Move({120, 100}, false, false));
    EXPECT_TRUE(created.Move({101, 101}, false, false));
    EXPECT_EQ(created.GetBackHandle(), CPoint());
    EXPECT_EQ(created.GetFrontHandle(), CPoint());
}

TEST(BezierNode, HitOnTheAnchorOrEitherHandleEnd)
{
    CBezierNode node(nullptr, {50, 50}, {-20, 0}, {0, 20});
    EXPECT_TRUE(node.HitTest({50, 50}));
    EXPECT_TRUE(node.HitTest({52, 50}));
    EXPECT_TRUE(node.HitTest({51, 51}));
    EXPECT_FALSE(node.HitTest({52, 51}));  // sqrt(5) > 2
    EXPECT_TRUE(node.HitTest({30, 52}));
    EXPECT_TRUE(node.HitTest({49, 71}));
    EXPECT_FALSE(node.HitTest({40, 50}));
}

TEST(BezierNode, DrawsHandleLinesMarkerAndCircles)
{
    CBezierNode node(nullptr, {50, 50}, {-20, 0}, {0, 20});
    CRecordingDrawContext dc;
    node.Draw(dc);
    using Kind = CRecordingDrawContext::Kind;
    const auto& e = dc.Entries();
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(e[0].kind, Kind::MoveTo);
    EXPECT_EQ(e[0].points.back(), CPoint(50, 70));
    EXPECT_EQ(e[1].kind, Kind::LineTo);
    EXPECT_EQ(e[1].points.back(), CPoint(50, 50));
    EXPECT_EQ(e[2].kind, Kind::LineTo);
    EXPECT_EQ(e[2].points.back(), CPoint(30, 50));
    EXPECT_EQ(e[3].kind, Kind::Rectangle);
    EXPECT_EQ(e[3].rect, CRect(48, 48, 53, 53));
    EXPECT_EQ(e[4].kind, Kind::Ellipse);
    EXPECT_EQ(e[4].rect, CRect(48, 68, 53, 73));
    EXPECT_EQ(e[5].kind, Kind::Ellipse);
    EXPECT_EQ(e[5].rect, CRect(28, 48, 33, 53));

    // Handles of length 0 are drawn too: circles centred on the anchor.
    CBezierNode sharp(nullptr, {5, 5});
    CRecordingDrawContext dc2;
    sharp.Draw(dc2);
    EXPECT_EQ(dc2.Count(Kind::Ellipse), 2u);
    EXPECT_EQ(dc2.EntriesOf(Kind::Ellipse)[0].rect, CRect(3, 3, 8, 8));
}

TEST(BezierNode, RecordIsAnchorSecondHandleFirstHandleAndFlag)
{
    CBezierNode node(nullptr, {10, 20}, /*front*/ {-5, 6}, /*back*/ {3, -4});
    node.SetSmooth(false);
    const std::string expected(
        "\x0A\x00\x00\x00\x14\x00\x00\x00"  // anchor
        "\x03\x00\x00\x00\xFC\xFF\xFF\xFF"  // back handle
        "\xFB\xFF\xFF\xFF\x06\x00\x00\x00"  // front handle
        "\x00\x00\x00\x00",                 // corner
        28);
    EXPECT_EQ(Store(node), expected);

    std::string smooth = expected;
    smooth[24] = 0x7F;  // any non-zero flag reads as smooth
    CArchive in(reinterpret_cast<const uint8_t*>(smooth.data()), smooth.size());
    CBezierNode loaded;
    loaded.SetGrab(CBezierNode::kGrabAnchor);
    loaded.Serialize(in);
    EXPECT_EQ(loaded.GetAnchor(), CPoint(10, 20));
    EXPECT_EQ(loaded.GetBackHandle(), CPoint(3, -4));
    EXPECT_EQ(loaded.GetFrontHandle(), CPoint(-5, 6));
    EXPECT_TRUE(loaded.IsSmooth());
    EXPECT_EQ(loaded.GetGrab(), CBezierNode::kGrabNone);

    CArchive truncated(reinterpret_cast<const uint8_t*>(smooth.data()), 20);
    EXPECT_THROW(loaded.Serialize(truncated), CArchiveException);
}

TEST(BezierNode, ExtremeStoredCoordinatesAreBroughtWithinTheModelsLimits)
{
    std::ostringstream out;
    {
        CArchive ar(out);
        ar.WritePoint({INT32_MAX, INT32_MIN});
        ar.WritePoint({INT32_MAX, INT32_MAX});
        ar.WritePoint({INT32_MIN, INT32_MIN});
        ar.WriteDword(1);
    }
    const std::string bytes = out.str();
    CArchive in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    CBezierNode node;
    node.Serialize(in);
    EXPECT_EQ(node.GetAnchor(), CPoint(CSplineNode::kAnchorLimit, -CSplineNode::kAnchorLimit));
    EXPECT_EQ(node.GetBackHandle(), CPoint(CSplineNode::kHandleLimit, CSplineNode::kHandleLimit));
    // Handle ends and a negated handle stay within 32 bits.
    EXPECT_EQ(node.GetBackHandleEnd().x, CSplineNode::kAnchorLimit + CSplineNode::kHandleLimit);
    EXPECT_EQ(node.GetFrontHandleEnd().y, -CSplineNode::kAnchorLimit - CSplineNode::kHandleLimit);
    node.SetMode(CBezierNode::kModifying);
    node.SetGrab(CBezierNode::kGrabFrontHandle);
    EXPECT_TRUE(node.Move({INT32_MIN, INT32_MAX}, false, false));
    EXPECT_TRUE(node.HitTest(node.GetFrontHandleEnd()));
}
