// Recognition of continuous curves on plots drawn by matplotlib without anti-aliasing: a
// solid line, a thick one, a dashed one, two crossing lines and a steep one. The axes fill
// the figure and take pixel coordinates as data coordinates (72 dpi, so a line width in
// points is in pixels), which gives the exact centre line of every stroke in pixels. Each
// curve is traced from one genesis point; every traced point must be ink and, once the
// thickness is compensated, lie within one pixel of the centre line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "PlotScript.h"
#include "ContinuousCurveFixture.h"
#include "Dm/AbstractThicknessCorrector.h"
#include "Dm/PartialCurve.h"
#include "tests/support/RequiredTool.h"

namespace fs = std::filesystem;

namespace {

const char* const kScript = R"PY(
import sys
import math
import matplotlib
matplotlib.use("Agg")
matplotlib.rcParams["lines.scale_dashes"] = False
import matplotlib.pyplot as plt

out = sys.argv[1]
W, H = 400, 300

def draw(name, segments, width, genesis_at, dashes=None):
    fig = plt.figure(figsize=(W / 72, H / 72), dpi=72, facecolor="white")
    ax = fig.add_axes([0, 0, 1, 1])
    ax.set_xlim(0, W)
    ax.set_ylim(H, 0)
    ax.axis("off")
    for (x0, y0, x1, y1) in segments:
        style = dict(color="black", linewidth=width, antialiased=False, snap=False,
                     solid_capstyle="butt", dash_capstyle="butt")
        if dashes:
            style["dashes"] = dashes
        ax.plot([x0, x1], [y0, y1], **style)
    fig.savefig(out + "/" + name + ".png", dpi=72, facecolor="white")
    plt.close(fig)
    # The genesis point: on the first centre line, genesis_at pixels along it from its start.
    x0, y0, x1, y1 = segments[0]
    length = math.hypot(x1 - x0, y1 - y0)
    gx = x0 + (x1 - x0) * genesis_at / length
    gy = y0 + (y1 - y0) * genesis_at / length
    with open(out + "/" + name + ".txt", "w") as f:
        f.write("width %d\n" % width)
        f.write("genesis %.4f %.4f\n" % (gx, gy))
        for s in segments:
            f.write("segment %.4f %.4f %.4f %.4f\n" % s)
        # The mapping the test relies on: data point (100, 50) is the pixel corner (100, 50).
        d = ax.transData.transform([[100, 50]])[0]
        f.write("check %.4f %.4f\n" % (d[0], H - d[1]))

draw("solid", [(10, 200.3, 390, 120.6)], 2, 190)
draw("thick", [(10, 100.2, 390, 180.7)], 6, 190)
# Dashes of 10 pixels with gaps of 6; the genesis point in the middle of the 13th dash.
draw("dashed", [(10, 150.4, 390, 100.1)], 3, 12 * 16 + 5, (10, 6))
draw("crossing", [(10, 50.3, 390, 250.5), (10, 250.2, 390, 50.6)], 3, 90)
draw("steep", [(150.2, 10, 250.6, 290)], 3, 150)
)PY";

struct Segment {
    double x0, y0, x1, y1;
};

struct Plot {
    int width = 0;
    double gx = 0, gy = 0;
    double checkX = 0, checkY = 0;
    std::vector<Segment> segments;
};

bool ReadPlot(const fs::path& path, Plot& plot)
{
    ReadPlotLines(path, [&plot](const std::string& key, std::istringstream& words) {
        if (key == "width") {
            words >> plot.width;
        } else if (key == "genesis") {
            words >> plot.gx >> plot.gy;
        } else if (key == "check") {
            words >> plot.checkX >> plot.checkY;
        } else if (key == "segment") {
            Segment s{};
            words >> s.x0 >> s.y0 >> s.x1 >> s.y1;
            plot.segments.push_back(s);
        }
    });
    return plot.width > 0 && !plot.segments.empty();
}

// Distance from the middle of pixel p (its corner plus half a pixel) to the centre line of
// s, measured perpendicularly to the line.
double DistanceToLine(const Segment& s, const CPoint& p)
{
    const double dx = s.x1 - s.x0;
    const double dy = s.y1 - s.y0;
    return std::abs((p.x + 0.5 - s.x0) * dy - (p.y + 0.5 - s.y0) * dx) / std::hypot(dx, dy);
}

const Segment& NearestSegment(const Plot& plot, const CPoint& p)
{
    const Segment* pNearest = &plot.segments.front();
    for (const Segment& s : plot.segments) {
        if (DistanceToLine(s, p) < DistanceToLine(*pNearest, p))
            pNearest = &s;
    }
    return *pNearest;
}

double DistanceToCentre(const Plot& plot, const CPoint& p)
{
    return DistanceToLine(NearestSegment(plot, p), p);
}

class ContinuousCurvePlotsTest : public ContinuousCurveTest {
protected:
    static void SetUpTestSuite()
    {
        s_dir = fs::path(PLOTVANE_TEST_WORK) / "curve-plots";
        s_bDrawn = DrawPlotsWithMatplotlib(s_dir, kScript);
    }

    void SetUp() override
    {
        if (!s_bDrawn)
            SKIP_WITHOUT_TOOL("matplotlib (Debian's /usr/bin/python3) is not available");
    }

    // Opens the picture, makes a curve over it and traces it from the genesis point alone.
    // The thickness is that of the drawn stroke: the line width plus the pixel that the
    // rasteriser adds when it inks every pixel the stroke touches without anti-aliasing.
    CContinuousCurve& Trace(const std::string& name, bool bFollowTop, bool bDashed = false)
    {
        EXPECT_TRUE(ReadPlot(s_dir / (name + ".txt"), m_Plot)) << name;
        EXPECT_NEAR(m_Plot.checkX, 100, 1e-6);
        EXPECT_NEAR(m_Plot.checkY, 50, 1e-6);
        EXPECT_TRUE(m_Doc.m_pBmpManager->Load((s_dir / (name + ".png")).string())) << name;
        EXPECT_EQ(m_Doc.m_pBmpManager->GetSize(), CPoint(400, 300));

        auto* pCurve = m_pCoordSyst->AddCurve(std::make_unique<CContinuousCurve>(m_pCoordSyst.get()));
        pCurve->SetFollowTop(bFollowTop);
        pCurve->SetDashed(bDashed);
        pCurve->SetDashMaxDist(10);
        pCurve->GetLeftLimit()->SetValue(-1);
        pCurve->GetRightLimit()->SetValue(400);
        const CPoint genesis(static_cast<int>(std::floor(m_Plot.gx)),
                             static_cast<int>(std::floor(m_Plot.gy)));
        EXPECT_EQ(pCurve->AddGenesisPoint(genesis), CContinuousCurve::GenesisOutcome::Added) << name;
        EXPECT_EQ(m_Messages.Count(), 0u) << m_Messages.LastText();
        return *pCurve;
    }

    // The points of the partial curves, before compensation.
    static std::vector<CPoint> Traced(const CContinuousCurve& curve)
    {
        std::vector<CPoint> points;
        for (const auto& pElement : curve.GetElements()) {
            if (pElement->IsPartialCurve()) {
                const auto& part = static_cast<const CPartialCurve*>(pElement.get())->GetPoints();
                points.insert(points.end(), part.begin(), part.end());
            }
        }
        return points;
    }

    bool IsInk(const CPoint& p, const CContinuousCurve& curve) const
    {
        return p.x >= 0 && p.y >= 0 && p.x < 400 && p.y < 300 &&
               m_Doc.m_pBmpManager->IsInk(p, curve.GetThreshold());
    }

    // Every traced point is ink (for a dashed line: ink, or on a bridge across a gap, which
    // lies within the stroke's half width and one pixel of the centre line: it joins the
    // edges of two dash ends, truncating towards the first), one point a column, over the
    // columns from first to last.
    void ExpectTracedOnInk(const CContinuousCurve& curve, int first, int last, bool bDashed = false) const
    {
        const std::vector<CPoint> traced = Traced(curve);
        ASSERT_FALSE(traced.empty());
        EXPECT_LE(traced.front().x, first);
        EXPECT_GE(traced.back().x, last);
        int nBridged = 0;
        for (size_t i = 0; i < traced.size(); ++i) {
            if (i > 0) {
                EXPECT_EQ(traced[i].x, traced[i - 1].x + 1);
            }
            if (IsInk(traced[i], curve))
                continue;
            ++nBridged;
            EXPECT_TRUE(bDashed) << traced[i].x << "," << traced[i].y << " is not ink";
            EXPECT_LE(DistanceToCentre(m_Plot, traced[i]), (m_Plot.width + 1) / 2.0 + 1.0)
                << traced[i].x << "," << traced[i].y;
        }
        if (bDashed) {
            // Gaps are 6 of every 16 pixels along the line.
            EXPECT_GT(nBridged, 0);
            EXPECT_LT(nBridged, static_cast<int>(traced.size()) / 2);
        }
    }

    // Whether the stroke has its full width around pixel p: the centre line is ink for one
    // line width on either side of p's foot on it. Not so at the ends of the stroke and of
    // the dashes, which are cut square to the line so that its top and bottom edges fall
    // away there, nor in the gaps between dashes.
    bool InFullStroke(const CContinuousCurve& curve, const CPoint& p) const
    {
        const Segment& s = NearestSegment(m_Plot, p);
        const double length = std::hypot(s.x1 - s.x0, s.y1 - s.y0);
        const double ux = (s.x1 - s.x0) / length;
        const double uy = (s.y1 - s.y0) / length;
        const double along = (p.x + 0.5 - s.x0) * ux + (p.y + 0.5 - s.y0) * uy;
        for (double t = along - m_Plot.width; t <= along + m_Plot.width; t += 0.5) {
            if (t < 0 || t > length)
                return false;
            const CPoint c(static_cast<int>(std::floor(s.x0 + t * ux)),
                           static_cast<int>(std::floor(s.y0 + t * uy)));
            if (!IsInk(c, curve))
                return false;
        }
        return true;
    }

    // After compensation every point of the curve where the stroke has its full width lies
    // within one pixel of a centre line. The others, at the square ends of the stroke and of
    // the dashes and on the bridges across gaps, stay within maxElsewhere.
    void ExpectCompensatedOnCentre(CContinuousCurve& curve, double maxElsewhere) const
    {
        curve.GetThicknessCorrector()->SetThickness(m_Plot.width + 1);
        ASSERT_TRUE(curve.Assemble());
        ASSERT_FALSE(curve.GetPoints().empty());
        double worstFull = 0;
        double worstElsewhere = 0;
        for (const CPoint& p : curve.GetPoints()) {
            const double d = DistanceToCentre(m_Plot, p);
            if (InFullStroke(curve, p)) {
                worstFull = std::max(worstFull, d);
                EXPECT_LE(d, 1.0) << p.x << "," << p.y;
            } else {
                worstElsewhere = std::max(worstElsewhere, d);
                EXPECT_LE(d, maxElsewhere) << p.x << "," << p.y;
            }
        }
        RecordProperty("worst_full_stroke_distance_x1000", static_cast<int>(worstFull * 1000));
        RecordProperty("worst_elsewhere_distance_x1000", static_cast<int>(worstElsewhere * 1000));
    }

    static fs::path s_dir;
    static bool s_bDrawn;
    Plot m_Plot;
};

fs::path ContinuousCurvePlotsTest::s_dir;
bool ContinuousCurvePlotsTest::s_bDrawn = false;

}  // namespace

TEST_F(ContinuousCurvePlotsTest, SolidLineOnBothEdges)
{
    for (bool bTop : {true, false}) {
        CContinuousCurve& curve = Trace("solid", bTop);
        ExpectTracedOnInk(curve, 11, 389);
        ExpectCompensatedOnCentre(curve, 2.0);
        m_pCoordSyst->RemoveCurve(&curve);
    }
}

TEST_F(ContinuousCurvePlotsTest, ThickLine)
{
    for (bool bTop : {true, false}) {
        CContinuousCurve& curve = Trace("thick", bTop);
        ExpectTracedOnInk(curve, 11, 389);
        ExpectCompensatedOnCentre(curve, 2.0);
        m_pCoordSyst->RemoveCurve(&curve);
    }
}

TEST_F(ContinuousCurvePlotsTest, DashedLine)
{
    CContinuousCurve& curve = Trace("dashed", true, true);
    ExpectTracedOnInk(curve, 11, 389, true);
    ExpectCompensatedOnCentre(curve, 4.0);

    // The solid follower keeps to the clicked dash.
    curve.SetDashed(false);
    curve.Rebuild();
    EXPECT_LT(Traced(curve).size(), 12u);
}

TEST_F(ContinuousCurvePlotsTest, CrossingLines)
{
    CContinuousCurve& curve = Trace("crossing", true);
    ExpectTracedOnInk(curve, 11, 389);
    ExpectCompensatedOnCentre(curve, 2.0);
}

TEST_F(ContinuousCurvePlotsTest, SteepLine)
{
    for (bool bTop : {true, false}) {
        CContinuousCurve& curve = Trace("steep", bTop);
        ExpectTracedOnInk(curve, 152, 249);
        ExpectCompensatedOnCentre(curve, 2.0);
        m_pCoordSyst->RemoveCurve(&curve);
    }
}
