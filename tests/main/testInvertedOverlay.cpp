#include <gtest/gtest.h>

#include "tests/doubles/RecordingDrawContext.h"
#include "main/view/InvertedOverlay.h"

using Kind = CRecordingDrawContext::Kind;
using Op = CDrawContext::RasterOp;

TEST(InvertedOverlay, DrawingAShapeAgainTakesItAwayAndOnlyInvertedInkIsHeld)
{
    CInvertedOverlay overlay;
    overlay.SetRasterOp(Op::Copy);
    overlay.MoveTo({0, 0});
    overlay.LineTo({50, 50});
    EXPECT_TRUE(overlay.IsEmpty()) << "copying ink belongs to the repaint";
    EXPECT_TRUE(overlay.TakeChangedArea().IsEmpty());

    overlay.SetRasterOp(Op::Invert);
    const CPoint chain[] = {{10, 10}, {20, 0}, {30, 0}, {40, 10}};
    overlay.PolyBezier(chain, 4);
    overlay.Ellipse({38, 8, 43, 13});
    overlay.MoveTo({40, 10});
    overlay.LineTo({60, 30});
    EXPECT_EQ(overlay.GetShapeCount(), 3u);
    const CRect first = overlay.TakeChangedArea();
    EXPECT_LE(first.left, 10);
    EXPECT_LE(first.top, 0);
    EXPECT_GE(first.right, 61);
    EXPECT_GE(first.bottom, 31);
    EXPECT_TRUE(overlay.TakeChangedArea().IsEmpty()) << "taken once";

    // Erasing the line as the preview does: the same line drawn again goes, the area is
    // the line's alone.
    overlay.MoveTo({40, 10});
    overlay.LineTo({60, 30});
    EXPECT_EQ(overlay.GetShapeCount(), 2u);
    const CRect erased = overlay.TakeChangedArea();
    EXPECT_GE(erased.left, 38);
    EXPECT_LE(erased.right, 63);

    CRecordingDrawContext dc;
    overlay.Replay(dc);
    ASSERT_EQ(dc.Count(Kind::PolyBezier), 1u);
    EXPECT_EQ(dc.EntriesOf(Kind::PolyBezier).front().op, Op::Invert);
    EXPECT_EQ(dc.EntriesOf(Kind::Ellipse).front().rect, CRect(38, 8, 43, 13));
    EXPECT_EQ(dc.Count(Kind::LineTo), 0u);

    overlay.Clear();
    EXPECT_TRUE(overlay.IsEmpty());
    EXPECT_FALSE(overlay.TakeChangedArea().IsEmpty()) << "what was held is repainted";
}
