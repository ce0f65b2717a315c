// The sub-pixel centre line of continuous curves, on strokes painted here with a known centre:
// anti-aliased ones (each pixel as dark as the share of it the stroke covers) and 1-pixel
// lines drawn pixel by pixel. The pixel coordinate system makes graph X the pixel column and
// graph Y the pixel row, so the export rows read the centre line directly.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ContinuousCurveFixture.h"
#include "Dm/AbstractThicknessCorrector.h"
#include "Dm/CentreLineRefiner.h"
#include "Dm/ContinuousResults.h"
#include "platform/Archive.h"

namespace {

using Centre = std::function<double(double)>;

// Darkens the canvas with a stroke of the given thickness around the centre line y = f(x)
// (pixel (x, y)'s middle at x, y). Anti-aliased: each pixel by the share of it within half
// the thickness of the line, from 8 x 8 samples; otherwise the pixels whose middle is.
void PaintStroke(CInkCanvas& canvas, const Centre& f, double dThickness, bool bAntiAliased)
{
    // The centre line as dense samples: distances to them stand for distances to the line.
    std::vector<double> xs;
    std::vector<double> ys;
    for (double x = -dThickness - 1; x <= canvas.Width() + dThickness + 1; x += 0.05) {
        xs.push_back(x);
        ys.push_back(f(x));
    }
    const double r = dThickness / 2;
    auto inside = [&](double px, double py) {
        const auto first = std::lower_bound(xs.begin(), xs.end(), px - r);
        for (auto it = first; it != xs.end() && *it <= px + r; ++it) {
            const double dy = ys[static_cast<size_t>(it - xs.begin())] - py;
            if ((*it - px) * (*it - px) + dy * dy < r * r)
                return true;
        }
        return false;
    };
    for (int x = 0; x < canvas.Width(); ++x) {
        const double lo = std::min({f(x - 1.0), f(x), f(x + 1.0)}) - r - 2;
        const double hi = std::max({f(x - 1.0), f(x), f(x + 1.0)}) + r + 2;
        for (int y = std::max(0, static_cast<int>(lo)); y <= std::min<double>(canvas.Height() - 1, hi); ++y) {
            double dCoverage = 0;
            if (bAntiAliased) {
                for (int i = 0; i < 8; ++i)
                    for (int j = 0; j < 8; ++j)
                        dCoverage +=
                            inside(x - 0.5 + (i + 0.5) / 8, y - 0.5 + (j + 0.5) / 8) ? 1.0 / 64 : 0.0;
            } else {
                dCoverage = inside(x, y) ? 1.0 : 0.0;
            }
            if (dCoverage > 0)
                canvas.Darken(x, y, static_cast<uint8_t>(std::lround(255 * (1 - dCoverage))));
        }
    }
}

// A 1-pixel line drawn pixel by pixel: one pixel in each column at the rounded centre, and
// where the line climbs or falls by more than a row, the rows between in the column left of
// the jump, so that the pixels of neighbouring columns touch at a corner only.
void PaintPixelLine(CInkCanvas& canvas, const Centre& f)
{
    for (int x = 0; x < canvas.Width(); ++x) {
        const int y = static_cast<int>(std::lround(f(x)));
        const int next = static_cast<int>(std::lround(f(x + 1.0)));
        canvas.Set(x, y);
        for (int k = y + 1; k < next; ++k)
            canvas.Set(x, k);
        for (int k = y - 1; k > next; --k)
            canvas.Set(x, k);
    }
}

using Inked = std::function<bool(int, int)>;

// Paints dashes of 12 pixels and gaps of 4 along the centre line y = f(x), whose slope is
// slope(x), without anti-aliasing: the pixels within 6 rows of the line whose foot on it
// (found from the tangent at their column) is less than half the thickness across and in a
// dash along it. Returns whether a pixel is inked.
Inked PaintDashes(CInkCanvas& canvas, const Centre& f, const Centre& slope, double dThickness)
{
    // Arc length from column 0, by the trapezium rule.
    auto along = [slope](double x) {
        const int nSteps = 64;
        double dLength = 0;
        for (int k = 0; k < nSteps; ++k) {
            const double a = x * k / nSteps;
            const double b = x * (k + 1) / nSteps;
            dLength += (b - a) * (std::hypot(1.0, slope(a)) + std::hypot(1.0, slope(b))) / 2;
        }
        return dLength;
    };
    Inked inked = [=](int x, int y) {
        const double m = slope(x);
        const double dOff = y - f(x);
        const double dAcross = dOff / std::hypot(1.0, m);
        const double xFoot = x + dOff * m / (1 + m * m);
        return std::abs(dAcross) < dThickness / 2 && std::fmod(along(xFoot) + 100.0, 16.0) < 12.0;
    };
    for (int x = 0; x < canvas.Width(); ++x) {
        for (int y = static_cast<int>(f(x)) - 6; y <= f(x) + 6 && y < canvas.Height(); ++y) {
            if (y >= 0 && inked(x, y))
                canvas.Set(x, y);
        }
    }
    return inked;
}

class CentreLineTest : public ContinuousCurveTest {
protected:
    // A curve over the canvas that refines its centre line, traced from one genesis point, with
    // the thickness it is drawn with and a row at every column.
    CContinuousCurve& Trace(const CInkCanvas& canvas, const CPoint& genesis, int nThickness,
                            bool bRefined = true, bool bFollowTop = true, int nDashMaxDist = 0)
    {
        if (m_Doc.GetBmpManager()->GetWidth() == 0) {
            EXPECT_TRUE(m_Doc.Load(canvas));
        }
        auto* pCurve = m_pCoordSyst->AddCurve(std::make_unique<CContinuousCurve>(m_pCoordSyst.get()));
        pCurve->SetFollowTop(bFollowTop);
        pCurve->SetCentreRefined(bRefined);
        if (nDashMaxDist > 0) {
            pCurve->SetDashed(true);
            pCurve->SetDashMaxDist(nDashMaxDist);
        }
        pCurve->GetThicknessCorrector()->SetThickness(nThickness);
        pCurve->GetLeftLimit()->SetValue(-1);
        pCurve->GetRightLimit()->SetValue(canvas.Width());
        EXPECT_EQ(pCurve->AddGenesisPoint(genesis), CContinuousCurve::GenesisOutcome::Added);
        pCurve->GetContinuousResults()->SetFirstValue(0);
        pCurve->GetContinuousResults()->SetPeriod(1);
        return *pCurve;
    }

    // Paints the dashes of PaintDashes on the canvas, loads it and traces them as a dashed
    // curve, from the first inked pixel of column x down from three rows above the line.
    CContinuousCurve& TraceDashes(CInkCanvas& canvas, const Centre& line, const Centre& slope,
                                  double dThickness, int x)
    {
        const Inked inked = PaintDashes(canvas, line, slope, dThickness);
        EXPECT_TRUE(m_Doc.Load(canvas));
        int nGenesis = static_cast<int>(std::lround(line(x))) - 3;
        while (!inked(x, nGenesis))
            ++nGenesis;
        return Trace(canvas, CPoint(x, nGenesis), static_cast<int>(dThickness) + 1, true, true, 10);
    }

    // The export rows at the columns from first to last: graph Y is the pixel row.
    static std::vector<double> Rows(CContinuousCurve& curve, int first, int last)
    {
        CContinuousResults* pResults = curve.GetContinuousResults();
        pResults->Compute();
        std::vector<double> rows;
        for (const CLogicPoint& row : pResults->GetRows()) {
            if (row.x >= first && row.x <= last) {
                EXPECT_TRUE(row.IsValid()) << row.x;
                rows.push_back(row.y);
            }
        }
        EXPECT_EQ(rows.size(), static_cast<size_t>(last - first + 1));
        return rows;
    }

    // The largest distance from the rows of columns first to last to the centre line.
    static double WorstError(CContinuousCurve& curve, const Centre& f, int first, int last)
    {
        const std::vector<double> rows = Rows(curve, first, last);
        double dWorst = 0;
        for (size_t i = 0; i < rows.size(); ++i)
            dWorst = std::max(dWorst, std::abs(rows[i] - f(first + static_cast<double>(i))));
        return dWorst;
    }
};

}  // namespace

TEST_F(CentreLineTest, AntiAliasedEdgesPlaceTheCentreBetweenRows)
{
    // A level line a third of a row off the pixel middles and a sloping one: a centre taken
    // from whole ink rows would be a sixth of a row off at least.
    const Centre level = [](double) { return 50.3; };
    const Centre sloping = [](double x) { return 100.0 + 0.37 * x; };
    CInkCanvas canvas(300, 250);
    PaintStroke(canvas, level, 3, true);
    PaintStroke(canvas, sloping, 3, true);

    CContinuousCurve& flat = Trace(canvas, CPoint(150, 50), 3);
    CContinuousCurve& slope = Trace(canvas, CPoint(150, 155), 3);
    EXPECT_LT(WorstError(flat, level, 5, 294), 0.05);
    EXPECT_LT(WorstError(slope, sloping, 5, 294), 0.05);

    // Without the option the rows are those of the whole-pixel points, as they always were.
    flat.SetCentreRefined(false);
    const std::vector<double> plain = Rows(flat, 5, 294);
    for (double y : plain)
        EXPECT_EQ(y, std::round(y));
}

TEST_F(CentreLineTest, ThinLinesWithoutAntiAliasingAreSmoothed)
{
    // Whole pixels only: in each column the run is off the centre by up to half a row, in a
    // staircase that the fit over neighbouring columns cancels. (Where a line stays level
    // within one row for long, as at a flat top, the picture cannot tell more than the row.)
    const Centre bend = [](double x) { return 20.0 + 0.15 * x + 0.0008 * x * x; };
    CInkCanvas canvas(300, 140);
    PaintStroke(canvas, bend, 2, false);
    CContinuousCurve& curve = Trace(canvas, CPoint(150, static_cast<int>(std::lround(bend(150)))), 3);
    EXPECT_LT(WorstError(curve, bend, 5, 294), 0.25);
}

TEST_F(CentreLineTest, ThickStrokesThatSlopeAndBendKeepTheirCentre)
{
    // 8 pixels thick, its slope growing from 0.6 to 1.4: a column cuts the bend below the
    // centre line, by 0.1 to 0.25 of a row here.
    const Centre bend = [](double x) { return 20.0 + 0.025 * x * x; };
    CInkCanvas canvas(80, 200);
    PaintStroke(canvas, bend, 8, true);
    CContinuousCurve& curve = Trace(canvas, CPoint(40, static_cast<int>(std::lround(bend(40)))), 8);
    EXPECT_LT(WorstError(curve, bend, 12, 28), 0.1);
}

TEST_F(CentreLineTest, SteepDashesWithSquareEndsKeepTheirCentre)
{
    // Dashes of 12 pixels and gaps of 4 along a line falling 2.5 rows a column and bending,
    // without anti-aliasing: the square end of each dash cuts the columns beside the gap short
    // on one side, and a dash spans only four or five columns. 2 pixels thick, the gaps empty
    // a column here and there; 3 pixels thick, they cross every column without emptying one.
    const Centre line = [](double x) { return 10.0 + 2.5 * x + 0.01 * x * x; };
    const Centre slope = [](double x) { return 2.5 + 0.02 * x; };
    for (const double dThickness : {2.0, 3.0}) {
        CInkCanvas canvas(80, 280);
        CContinuousCurve& curve = TraceDashes(canvas, line, slope, dThickness, 30);

        EXPECT_LT(WorstError(curve, line, 10, 60), 0.4) << dThickness;
        m_pCoordSyst->RemoveCurve(&curve);
    }
}

TEST_F(CentreLineTest, DashEndsDoNotPullTheCentre)
{
    // The same dashes along a line sloping about half a row a column, 3 and 4 pixels thick:
    // the columns beside a gap cut the square end of a dash short on one side, and their
    // middles lie off the stroke's by up to a row. Taken for the stroke, they pull the centre
    // 0.6 to 1.05 rows off the line. Left out, the last column of a dash has no neighbour on
    // one side within the fit's reach: on its own, its centre is off by up to 0.41 rows; fitted
    // across the gap from the next dash, the centre stays within a third of a row.
    for (const double dOffset : {0.0, 0.3}) {
        const Centre line = [=](double x) { return 20.0 + dOffset + 0.5 * x + 0.001 * x * x; };
        const Centre slope = [](double x) { return 0.5 + 0.002 * x; };
        for (const double dThickness : {3.0, 4.0}) {
            CInkCanvas canvas(200, 180);
            CContinuousCurve& curve = TraceDashes(canvas, line, slope, dThickness, 100);

            EXPECT_LT(WorstError(curve, line, 10, 190), 0.33) << dOffset << " " << dThickness;
            m_pCoordSyst->RemoveCurve(&curve);
        }
    }
}

TEST_F(CentreLineTest, TurnsOfThickLinesWithoutAntiAliasingKeepTheirCentre)
{
    // A 5-pixel line turning over about ten columns, whole pixels only: where it turns the
    // stroke stays on the same rows, whose middle is up to half a row short of the turn.
    for (const double dApex : {60.2, 60.5, 60.7}) {
        const Centre turn = [dApex](double x) {
            const double d = x - 100.3;
            return dApex + 0.02 * d * d + 0.0001 * d * d * d;
        };
        CInkCanvas canvas(200, 140);
        PaintStroke(canvas, turn, 5, false);
        ASSERT_TRUE(m_Doc.Load(canvas));
        CContinuousCurve& curve = Trace(canvas, CPoint(100, static_cast<int>(std::lround(dApex))), 6);
        EXPECT_LT(WorstError(curve, turn, 80, 120), 0.4) << dApex;
        m_pCoordSyst->RemoveCurve(&curve);
    }
}

TEST_F(CentreLineTest, InkTouchingTheStrokeDoesNotPullTheCentre)
{
    // A block of ink sits on the stroke's upper edge over five columns, and a second block a
    // row clear of its lower edge: neither may move the centre line.
    const Centre level = [](double) { return 60.4; };
    CInkCanvas canvas(200, 100);
    PaintStroke(canvas, level, 3, true);
    canvas.Fill(100, 104, 50, 58);
    canvas.Fill(140, 141, 64, 70);
    for (bool bFollowTop : {true, false}) {
        CContinuousCurve& curve = Trace(canvas, CPoint(30, 60), 3, true, bFollowTop);
        EXPECT_LT(WorstError(curve, level, 5, 194), 0.1) << bFollowTop;
        m_pCoordSyst->RemoveCurve(&curve);
    }
}

TEST_F(CentreLineTest, CrossingCurvesOfOneColourKeepTheirOwnLines)
{
    const Centre falling = [](double x) { return 30.0 + 0.4 * x; };
    const Centre rising = [](double x) { return 150.0 - 0.4 * x; };
    CInkCanvas canvas(300, 180);
    PaintStroke(canvas, falling, 3, true);
    PaintStroke(canvas, rising, 3, true);

    // Each follows the edge that is outside at the crossing, so that it comes out on its own
    // line: the lower edge of the line that goes down, the upper edge of the one that rises.
    CContinuousCurve& first = Trace(canvas, CPoint(40, 46), 3, true, false);
    CContinuousCurve& second = Trace(canvas, CPoint(40, 134), 3, true, true);
    // Within a row of its own line everywhere, the crossing included: away from it the other
    // line is much further.
    EXPECT_LT(WorstError(first, falling, 5, 294), 1.0);
    EXPECT_LT(WorstError(second, rising, 5, 294), 1.0);
    // Away from the crossing the centre is as fine as on a lone line.
    const std::vector<double> rows = Rows(first, 5, 120);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_NEAR(rows[i], falling(5.0 + i), 0.05) << 5 + i;
}

TEST_F(CentreLineTest, CornerJoinedLineIsTracedBothWaysFromOneClick)
{
    // x sin(x) over four periods, 1 pixel thick, drawn pixel by pixel.
    const Centre xsinx = [](double x) {
        const double t = x / 400.0 * 8 * std::acos(-1.0);
        return 150.0 - 5.5 * t * std::sin(t);
    };
    CInkCanvas canvas(400, 300);
    PaintPixelLine(canvas, xsinx);
    // In the middle of a rising stretch (rows falling as x grows), where the pixels touch at
    // their corners.
    int x = 200;
    while (!(xsinx(x + 1) < xsinx(x) - 0.5 && xsinx(x + 1) > xsinx(x) - 1))
        ++x;
    const CPoint genesis(x, static_cast<int>(std::lround(xsinx(x))));

    CContinuousCurve& refined = Trace(canvas, genesis, 1);
    ASSERT_FALSE(refined.GetPoints().empty());
    EXPECT_EQ(refined.GetPoints().front().x, 0);
    EXPECT_EQ(refined.GetPoints().back().x, 399);
    for (const CPoint& p : refined.GetPoints())
        EXPECT_TRUE(m_Doc.GetBmpManager()->IsInk(p, refined.GetThreshold())) << p.x << "," << p.y;

    // The edge follower alone stops at the first corner on the way up.
    CContinuousCurve& plain = Trace(canvas, genesis, 1, false);
    ASSERT_FALSE(plain.GetPoints().empty());
    EXPECT_LT(plain.GetPoints().back().x, x + 3);
}

namespace {

std::string Store(const CObject& object)
{
    std::ostringstream out;
    CArchive ar(out);
    ar.WriteObject(&object);
    return out.str();
}

std::unique_ptr<CContinuousCurve> Load(const std::string& bytes)
{
    CArchive ar(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return StaticDowncast<CContinuousCurve>(ar.ReadObject(RUNTIME_CLASS(CContinuousCurve)));
}

}  // namespace

TEST(CentreLineFile, ARefiningCurveIsReadBackAndOlderReadersRefuseIt)
{
    CContinuousCurve plain;
    plain.GetThicknessCorrector()->SetThickness(4);
    const std::string plainBytes = Store(plain);

    CContinuousCurve refined;
    refined.GetThicknessCorrector()->SetThickness(4);
    refined.SetCentreRefined(true);
    const std::string bytes = Store(refined);
    ASSERT_NE(bytes.find("CSubpixelCentreLine"), std::string::npos);
    std::unique_ptr<CContinuousCurve> pRead = Load(bytes);
    ASSERT_NE(pRead, nullptr);
    EXPECT_TRUE(pRead->IsCentreRefined());
    EXPECT_EQ(pRead->GetThicknessCorrector()->GetThickness(), 4);
    EXPECT_EQ(Store(*pRead), bytes);
    EXPECT_TRUE(pRead->Clone()->IsKindOf(RUNTIME_CLASS(CContinuousCurve)));
    EXPECT_TRUE(static_cast<CContinuousCurve*>(pRead->Clone().get())->IsCentreRefined());

    // Turned off again, the curve is written exactly as one that never refined.
    pRead->SetCentreRefined(false);
    EXPECT_EQ(Store(*pRead), plainBytes);
    EXPECT_FALSE(Load(plainBytes)->IsCentreRefined());

    // A reader without the class meets a name it does not know where the corrector stands,
    // and refuses the whole document.
    std::string older = bytes;
    older.replace(older.find("CSubpixelCentreLine"), 19, "CUnknownToOldReader");
    EXPECT_THROW(Load(older), CArchiveException);
    // A later refinement method is refused too.
    std::string later = bytes;
    const size_t method = later.find("CSubpixelCentreLine") + 19;
    later[method] = 2;
    EXPECT_THROW(Load(later), CArchiveException);
}
