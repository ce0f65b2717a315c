#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "LabelDrawing.h"
#include "detect/AxesDetector.h"
#include "OcrTest.h"

namespace {

constexpr int kTextSize = 13;

// Draws plots as a plotting program does: a frame, ticks out of it and labels beside them,
// the whole turned by `slope` about the picture's top left corner (text stays upright).
class CFigure {
public:
    CFigure(int32_t width, int32_t height, double slope = 0.0) : m_Drawing(width, height), m_dSlope(slope) {}

    // A plot whose bottom left corner is at (x0, y0), with X labels every dx pixels from
    // xValue0 by xStep, and Y labels every dy pixels upwards from yValue0 by yStep.
    void Plot(int32_t x0, int32_t y0, int32_t width, int32_t height, int32_t dx, double xValue0, double xStep,
              int32_t dy, double yValue0, double yStep)
    {
        Line(x0, y0, x0 + width, y0);
        Line(x0, y0 - height, x0 + width, y0 - height);
        Line(x0, y0 - height, x0, y0);
        Line(x0 + width, y0 - height, x0 + width, y0);
        for (int32_t x = x0, i = 0; x <= x0 + width; x += dx, ++i) {
            Line(x, y0 + 1, x, y0 + 6);
            Text(Number(xValue0 + xStep * i), x, y0 + 10, false);
        }
        for (int32_t y = y0, i = 0; y >= y0 - height; y -= dy, ++i) {
            Line(x0 - 6, y, x0 - 1, y);
            Text(Number(yValue0 + yStep * i), x0 - 9, y, true);
        }
    }

    CPixelBufferView View() const { return m_Drawing.View(); }
    CLabelDrawing& Drawing() { return m_Drawing; }

    // Where a point of the unturned drawing lands.
    double X(double x, double y) const { return x - m_dSlope * y; }
    double Y(double x, double y) const { return y + m_dSlope * x; }

private:
    static std::u32string Number(double v)
    {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
        return std::u32string(s.begin(), s.end());
    }

    void Line(int32_t xa, int32_t ya, int32_t xb, int32_t yb)
    {
        const int32_t n = std::max(std::abs(xb - xa), std::abs(yb - ya));
        for (int32_t i = 0; i <= n; ++i) {
            const double x = xa + (xb - xa) * static_cast<double>(i) / std::max(n, 1);
            const double y = ya + (yb - ya) * static_cast<double>(i) / std::max(n, 1);
            const auto px = static_cast<int32_t>(std::lround(X(x, y)));
            const auto py = static_cast<int32_t>(std::lround(Y(x, y)));
            m_Drawing.Fill(CRect(px, py, px + 1, py + 1), 0);
        }
    }

    // Text centred under (x, y), or ending left of it and centred on its row.
    void Text(const std::u32string& text, int32_t x, int32_t y, bool leftOf)
    {
        CLabelDrawing scratch(400, 40);
        int32_t right = 0;
        scratch.Draw(kFont, text, kTextSize, 0, 30, 0, &right);
        const auto tx = static_cast<int32_t>(std::lround(X(x, y))) - (leftOf ? right : right / 2);
        const auto ty = static_cast<int32_t>(std::lround(Y(x, y)));
        m_Drawing.Draw(kFont, text, kTextSize, tx, leftOf ? ty + kTextSize * 4 / 10 : ty + kTextSize, 0);
    }

    CLabelDrawing m_Drawing;
    double m_dSlope;
};

class AxesDetectorTest : public OcrTest {
protected:
    static CAxesDetection Detect(const CFigure& figure)
    {
        return CAxesDetector(*s_pReader).Detect(figure.View());
    }
};

// The value the axis's two scale points give at a position along it.
double ValueAt(const CDetectedAxis& axis, double at, bool vertical)
{
    const double a1 = vertical ? axis.at1.y : axis.at1.x;
    const double a2 = vertical ? axis.at2.y : axis.at2.x;
    return axis.value1 + (axis.value2 - axis.value1) * (at - a1) / (a2 - a1);
}

}  // namespace

TEST_F(AxesDetectorTest, FindsTwoPlotsSideBySide)
{
    CFigure figure(900, 420);
    figure.Plot(70, 360, 330, 300, 55, 0, 10, 60, 0, 0.5);
    figure.Plot(520, 360, 330, 300, 110, 100, -50, 100, -30, 10);
    const CAxesDetection detection = Detect(figure);
    ASSERT_EQ(detection.plots.size(), 2u);
    ASSERT_EQ(detection.FoundCount(), 2u) << detection.plots[0].reason << " / " << detection.plots[1].reason;

    const CDetectedPlot& left = detection.plots[0];
    EXPECT_EQ(left.x.lineStart, CPoint(70, 360));
    EXPECT_EQ(left.x.lineEnd, CPoint(400, 360));
    EXPECT_EQ(left.y.lineEnd, CPoint(70, 60));
    // The labels' values at their ticks, to a twentieth of a pixel.
    EXPECT_NEAR(ValueAt(left.x, 345, false), 50.0, 10.0 / 55 / 20);
    EXPECT_NEAR(ValueAt(left.y, 120, true), 2.0, 0.5 / 60 / 20);
    EXPECT_FALSE(left.x.logarithmic);

    // The second plot's X axis falls from 100 to -50.
    const CDetectedPlot& right = detection.plots[1];
    EXPECT_NEAR(ValueAt(right.x, 850, false), -50.0, 50.0 / 110 / 20);
    EXPECT_NEAR(ValueAt(right.y, 60, true), 0.0, 10.0 / 100 / 20);
}

TEST_F(AxesDetectorTest, FindsTurnedAxesToAFractionOfAPixel)
{
    // Turned by two degrees, as a scan.
    const double slope = std::tan(2 * M_PI / 180);
    CFigure figure(640, 480, slope);
    figure.Plot(80, 400, 500, 340, 100, 0, 2, 85, 0, 25);
    const CAxesDetection detection = Detect(figure);
    ASSERT_EQ(detection.FoundCount(), 1u) << detection.reason;
    const CDetectedPlot& plot = detection.plots[0];
    // The tick of X = 6 is at (380, 400) before the turn; of Y = 75 at (80, 145).
    // Within half a pixel: the turned marks are drawn on whole pixels.
    EXPECT_NEAR(ValueAt(plot.x, figure.X(380, 400), false), 6.0, 0.5 * 2 / 100);
    EXPECT_NEAR(ValueAt(plot.y, figure.Y(80, 145), true), 75.0, 0.5 * 25 / 85);
}

TEST_F(AxesDetectorTest, RefusesPicturesWithoutNumberedAxes)
{
    // A frame with ticks but no labels, and a page of text.
    CFigure frame(500, 400);
    frame.Drawing().Fill(CRect(60, 340, 460, 341), 0);
    frame.Drawing().Fill(CRect(60, 40, 61, 341), 0);
    for (int32_t x = 60; x <= 460; x += 80)
        frame.Drawing().Fill(CRect(x, 341, x + 1, 347), 0);
    const CAxesDetection unlabelled = Detect(frame);
    EXPECT_EQ(unlabelled.FoundCount(), 0u);
    EXPECT_FALSE(unlabelled.reason.empty());

    CFigure page(500, 400);
    for (int32_t row = 0; row < 12; ++row)
        page.Drawing().Draw(kFont, U"12 apples, 30 pears and 7.5 kg of plums", kTextSize, 20, 30 + 28 * row,
                            0);
    const CAxesDetection text = Detect(page);
    EXPECT_EQ(text.FoundCount(), 0u);
    EXPECT_EQ(text.reason, "no axis lines found");

    // An offset text under the X axis's right end that reads as no number ("+e5", its digit
    // lost) leaves the values of the labels unknown.
    CFigure offset(640, 480);
    offset.Plot(80, 400, 500, 340, 100, 0, 2, 85, 0, 25);
    offset.Drawing().Draw(kFont, U"+e5", kTextSize, 550, 445, 0);
    const CAxesDetection unread = Detect(offset);
    EXPECT_EQ(unread.FoundCount(), 0u);
    EXPECT_NE(unread.reason.find("offset or multiplier text"), std::string::npos) << unread.reason;
}
