#include <gtest/gtest.h>

#include "tests/doubles/RecordingDrawContext.h"

namespace {

using Kind = CRecordingDrawContext::Kind;

TEST(RecordingDrawContext, EntriesCarryTheStateInForce)
{
    CRecordingDrawContext dc;
    dc.SetPen(RGB(255, 0, 0), 2);
    dc.SetRasterOp(CDrawContext::RasterOp::Invert);
    dc.MoveTo(CPoint(1, 2));
    dc.LineTo(CPoint(5, 6));
    dc.LineTo(CPoint(7, 8));
    dc.SetBrush(true, RGB(0, 0, 255));
    dc.Rectangle(CRect(0, 0, 4, 4));
    dc.SetBrush(false, 0);
    dc.Ellipse(CRect(-1, -1, 1, 1));
    const CPoint bezier[4] = {{0, 0}, {1, 1}, {2, 1}, {3, 0}};
    dc.PolyBezier(bezier, 4);
    dc.SetTextColor(RGB(0, 128, 0));
    dc.TextOut(CPoint(10, 20), "Curve 1", CDrawContext::HAlign::Center, CDrawContext::VAlign::Bottom);

    dc.LineTo(CPoint(9, 9));
    EXPECT_EQ(dc.Count(Kind::LineTo), 3u);
    const auto lineTos = dc.EntriesOf(Kind::LineTo);
    EXPECT_EQ(lineTos[0].points, (std::vector<CPoint>{{1, 2}, {5, 6}}));
    EXPECT_EQ(lineTos[1].points, (std::vector<CPoint>{{5, 6}, {7, 8}}));
    EXPECT_EQ(lineTos[0].color, 0x0000FFu);
    EXPECT_EQ(lineTos[0].width, 2);
    EXPECT_EQ(lineTos[0].op, CDrawContext::RasterOp::Invert);

    const auto text = dc.EntriesOf(Kind::TextOut).at(0);
    EXPECT_EQ(text.text, "Curve 1");
    EXPECT_EQ(text.color, 0x008000u);
    EXPECT_EQ(text.hAlign, CDrawContext::HAlign::Center);
    EXPECT_EQ(text.vAlign, CDrawContext::VAlign::Bottom);
    EXPECT_TRUE(dc.EntriesOf(Kind::Rectangle).at(0).filled);
    EXPECT_FALSE(dc.EntriesOf(Kind::Ellipse).at(0).filled);
    EXPECT_EQ(dc.EntriesOf(Kind::PolyBezier).at(0).points.size(), 4u);
}

TEST(RecordingDrawContext, DumpsOneLinePerCall)
{
    CRecordingDrawContext dc;
    dc.SetPen(RGB(255, 0, 0), 1);
    dc.MoveTo(CPoint(1, 2));
    dc.LineTo(CPoint(5, 6));
    dc.SetBrush(true, RGB(0, 0, 255));
    dc.Rectangle(CRect(0, 0, 4, 4));
    dc.TextOut(CPoint(3, 4), "X", CDrawContext::HAlign::Left, CDrawContext::VAlign::Baseline);
    const uint8_t pixels[4] = {};
    CPixelBufferView view;
    view.bits = pixels;
    view.width = 1;
    view.height = 1;
    view.stride = 4;
    view.bitsPerPixel = 32;
    dc.Blit(view, CRect(0, 0, 1, 1), CDrawContext::RasterOp::Copy);

    const std::vector<std::string> expected = {
        "SetPen 0x0000FF width=1",
        "MoveTo (1,2)",
        "LineTo (1,2)-(5,6) pen=0x0000FF/1 op=Copy",
        "SetBrush 0xFF0000",
        "Rectangle [0,0,4,4] pen=0x0000FF/1 brush=0xFF0000 op=Copy",
        "TextOut (3,4) \"X\" Left/Baseline color=0x000000 op=Copy",
        "Blit [0,0,1,1] bitmap=1x1x32 op=Copy",
    };
    EXPECT_EQ(dc.DumpLines(), expected);
    dc.Clear();
    EXPECT_TRUE(dc.Entries().empty());
    dc.LineTo(CPoint(0, 0));
    EXPECT_EQ(dc.DumpLines().at(0), "LineTo (5,6)-(0,0) pen=0x0000FF/1 op=Copy");  // position kept
}

}  // namespace
