// Line following on real plots drawn by matplotlib (anti-aliased lines on a white page): a
// solid curve, a thick one, a dashed one, two crossing lines and a steep one. Each picture
// comes with the path of its ideal centre line in pixels, written by the same script; the
// walks from one start point must stay on the drawn line and cover most of its columns.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "PlotScript.h"
#include "Dm/BmpManager.h"
#include "Dm/DashedSnail.h"
#include "Dm/SimpleSnail.h"
#include "SnailTestSupport.h"
#include "tests/doubles/RecordingMessageService.h"
#include "tests/support/RequiredTool.h"

namespace fs = std::filesystem;

namespace {

// Draws every picture into the directory given as the first argument. For each picture a
// text file gives the line width in pixels, for each curve and pixel column the range of the
// ideal centre line's y in that column, and the start point (on the first curve, mid-way).
const char* const kScript = R"PY(
import sys
import numpy as np
import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt

out = sys.argv[1]
W, H = 800, 400

def draw(name, curves, lw, style="-"):
    fig = plt.figure(figsize=(W / 100, H / 100), dpi=100, facecolor="white")
    ax = fig.add_axes([0.05, 0.1, 0.9, 0.8])
    ax.set_xlim(0, 10)
    ax.set_ylim(-1.5, 1.5)
    ax.axis("off")
    for xs, ys in curves:
        ax.plot(xs, ys, style, color="black", linewidth=lw)
    fig.savefig(out + "/" + name + ".png", dpi=100, facecolor="white")
    with open(out + "/" + name + ".txt", "w") as f:
        f.write("linewidth %.3f\n" % (lw * 100 / 72))
        for k, (xs, ys) in enumerate(curves):
            d = ax.transData.transform(np.column_stack([xs, ys]))
            px, py = d[:, 0], H - d[:, 1]
            cols = np.floor(px).astype(int)
            for c in range(cols.min(), cols.max() + 1):
                m = cols == c
                if m.any():
                    f.write("col %d %d %.3f %.3f\n" % (k, c, py[m].min(), py[m].max()))
        xs, ys = curves[0]
        i = len(xs) // 2
        g = ax.transData.transform([[xs[i], ys[i]]])[0]
        f.write("genesis %.3f %.3f\n" % (g[0], H - g[1]))
    plt.close(fig)

x = np.linspace(0.5, 9.5, 40000)
draw("solid", [(x, np.sin(x))], 1.5)
draw("thick", [(x, 0.8 * np.sin(0.7 * x) + 0.2)], 6)
draw("dashed", [(x, 0.5 * np.cos(x))], 2, "--")
draw("crossing", [(x, (x - 5) / 4), (x, -(x - 5) / 4)], 2)
draw("steep", [(x, 1.2 * np.tanh(3 * (x - 5)))], 2)
)PY";

struct Plot {
    double lineWidth = 0;
    // Per curve: column -> (smallest, largest) y of the centre line in that column.
    std::vector<std::map<int, std::pair<double, double>>> curves;
    double gx = 0;
    double gy = 0;
};

// Distance from the middle of pixel p to the boxes that hold the centre line column by
// column: no more than its distance to the centre line itself, so a point of the stroke
// lies within half the line width of them, whatever the slope.
double DistanceToCentre(const std::map<int, std::pair<double, double>>& curve, const CPoint& p)
{
    const double px = p.x + 0.5;
    const double py = p.y + 0.5;
    double best = 1e9;
    for (auto it = curve.lower_bound(p.x - 20); it != curve.end() && it->first <= p.x + 20; ++it) {
        const double dx = std::max({it->first - px, 0.0, px - (it->first + 1)});
        const double dy = std::max({it->second.first - py, 0.0, py - it->second.second});
        best = std::min(best, std::hypot(dx, dy));
    }
    return best;
}

bool ReadPlot(const std::string& path, Plot& plot)
{
    ReadPlotLines(path, [&plot](const std::string& key, std::istringstream& words) {
        if (key == "linewidth") {
            words >> plot.lineWidth;
        } else if (key == "col") {
            size_t k = 0;
            int column = 0;
            double lo = 0;
            double hi = 0;
            words >> k >> column >> lo >> hi;
            if (plot.curves.size() <= k)
                plot.curves.resize(k + 1);
            plot.curves[k][column] = {lo, hi};
        } else if (key == "genesis") {
            words >> plot.gx >> plot.gy;
        }
    });
    return plot.lineWidth > 0 && !plot.curves.empty();
}

class SnailPlotsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = fs::path(PLOTVANE_TEST_WORK) / "snail-plots";
        s_bDrawn = DrawPlotsWithMatplotlib(s_dir, kScript);
    }

    void SetUp() override
    {
        if (!s_bDrawn)
            SKIP_WITHOUT_TOOL("matplotlib (Debian's /usr/bin/python3) is not available");
    }

    // Loads the picture and its centre lines; the start point is the ink pixel nearest to
    // the centre line in the start column.
    void Open(const std::string& name)
    {
        m_bmp = std::make_unique<CBmpManager>();
        ASSERT_TRUE(m_bmp->Load((s_dir / (name + ".png")).string())) << name;
        ASSERT_EQ(m_bmp->GetSize(), CPoint(800, 400));
        ASSERT_TRUE(ReadPlot((s_dir / (name + ".txt")).string(), m_plot)) << name;
        const int gx = static_cast<int>(m_plot.gx);
        const int gy = static_cast<int>(m_plot.gy);
        for (int dy = 0; dy <= 6; ++dy) {
            for (int y : {gy - dy, gy + dy}) {
                if (m_bmp->IsInk(CPoint(gx, y), kSnailThreshold)) {
                    m_genesis = CPoint(gx, y);
                    return;
                }
            }
        }
        FAIL() << name << ": no ink near the start point";
    }

    // Both walks from the start point, joined in ascending x.
    std::vector<CPoint> Follow(CSnailAlgorithm& snail) const
    {
        std::vector<CPoint> left = SnailWalk(snail, m_genesis, true);
        const std::vector<CPoint> right = SnailWalk(snail, m_genesis, false);
        std::reverse(left.begin(), left.end());
        if (!right.empty())
            left.insert(left.end(), right.begin() + 1, right.end());
        return left;
    }

    // Every point lies on the drawn line of some curve (within half the line width and the
    // anti-aliasing of its centre line), one point a column, and is ink except inside bridges no longer than
    // maxGap columns; the walk covers at least 90 % of the first curve's columns.
    void Check(const std::vector<CPoint>& points, int maxGap, const char* what) const
    {
        ASSERT_FALSE(points.empty()) << what;
        const double tolerance = m_plot.lineWidth / 2 + 2.5;
        int gap = 0;
        std::set<int> columns;
        for (size_t i = 0; i < points.size(); ++i) {
            const CPoint& p = points[i];
            if (i > 0) {
                ASSERT_EQ(p.x, points[i - 1].x + 1) << what;
            }
            columns.insert(p.x);
            bool bNear = false;
            for (const auto& curve : m_plot.curves)
                bNear = bNear || DistanceToCentre(curve, p) <= tolerance;
            EXPECT_TRUE(bNear) << what << ": (" << p.x << "," << p.y << ") is off the line";
            gap = m_bmp->IsInk(p, kSnailThreshold) ? 0 : gap + 1;
            ASSERT_LE(gap, maxGap) << what << ": (" << p.x << "," << p.y << ") is not ink";
        }
        const auto& first = m_plot.curves[0];
        size_t covered = 0;
        for (const auto& column : first)
            covered += columns.count(column.first);
        EXPECT_GE(covered, first.size() * 9 / 10) << what << ": " << covered << " of " << first.size();
    }

    static fs::path s_dir;
    static bool s_bDrawn;

    CRecordingMessageService m_messages{true};
    std::unique_ptr<CBmpManager> m_bmp;
    Plot m_plot;
    CPoint m_genesis;
};

fs::path SnailPlotsTest::s_dir;
bool SnailPlotsTest::s_bDrawn = false;

}  // namespace

TEST_F(SnailPlotsTest, SolidThickCrossingAndSteepLinesAreFollowedOnTheirInk)
{
    for (const char* name : {"solid", "thick", "crossing", "steep"}) {
        SCOPED_TRACE(name);
        Open(name);
        for (bool bTop : {true, false}) {
            CSimpleSnail simple(*m_bmp, kSnailThreshold, bTop);
            Check(Follow(simple), 0, bTop ? "simple, top" : "simple, bottom");
            CDashedSnail dashed(*m_bmp, kSnailThreshold, bTop, 20);
            Check(Follow(dashed), 20, bTop ? "dashed, top" : "dashed, bottom");
        }
    }
}

TEST_F(SnailPlotsTest, DashedLineIsFollowedAcrossItsGaps)
{
    Open("dashed");
    for (bool bTop : {true, false}) {
        CDashedSnail dashed(*m_bmp, kSnailThreshold, bTop, 20);
        const std::vector<CPoint> points = Follow(dashed);
        Check(points, 20, bTop ? "top" : "bottom");
        // The solid follower ends at the first gap on either side.
        CSimpleSnail simple(*m_bmp, kSnailThreshold, bTop);
        EXPECT_LT(Follow(simple).size() * 4, points.size());
    }
}
