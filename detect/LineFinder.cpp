#include "detect/LineFinder.h"

#include <algorithm>
#include <cmath>

#include "detect/GreyPicture.h"

namespace {

// Ink of a line runs on at least this many pixels in its direction (a turn of 2.5 degrees
// still leaves runs of 20 pixels); the strokes of text rarely do.
constexpr int kMinRun = 8;
// Gaps in a line this short are jumped: a JPEG's or a scan's faint pixels, a dash of a grid.
constexpr int kMaxGap = 3;
constexpr double kTurnStep = 0.05;

// The picture seen along a direction: (along, across) is (x, y), or (y, x) for vertical lines.
struct COrientedView {
    const CGreyPicture& picture;
    bool vertical;

    int32_t AlongSize() const { return vertical ? picture.GetHeight() : picture.GetWidth(); }
    int32_t AcrossSize() const { return vertical ? picture.GetWidth() : picture.GetHeight(); }
    bool IsInk(int32_t along, int32_t across) const
    {
        return vertical ? picture.IsInk(across, along) : picture.IsInk(along, across);
    }
    double Darkness(int32_t along, int32_t across) const
    {
        return vertical ? picture.Darkness(across, along) : picture.Darkness(along, across);
    }
};

struct CInkPoint {
    int32_t along;
    int32_t across;
};

// The ink pixels that lie on long runs in the view's direction.
std::vector<CInkPoint> RunPixels(const COrientedView& view)
{
    std::vector<CInkPoint> points;
    for (int32_t c = 0; c < view.AcrossSize(); ++c) {
        int32_t a = 0;
        while (a < view.AlongSize()) {
            if (!view.IsInk(a, c)) {
                ++a;
                continue;
            }
            int32_t e = a;
            while (e < view.AlongSize() && view.IsInk(e, c))
                ++e;
            if (e - a >= kMinRun) {
                for (int32_t i = a; i < e; ++i)
                    points.push_back({i, c});
            }
            a = e;
        }
    }
    return points;
}

std::vector<int32_t> Project(const std::vector<CInkPoint>& points, double slope, int32_t acrossSize,
                             int32_t alongSize, int32_t& shift)
{
    shift = static_cast<int32_t>(std::ceil(std::abs(slope) * alongSize)) + 1;
    std::vector<int32_t> bins(static_cast<size_t>(acrossSize + 2 * shift), 0);
    for (const CInkPoint& p : points) {
        const auto bin = static_cast<int32_t>(std::lround(p.across - slope * p.along)) + shift;
        if (bin >= 0 && bin < static_cast<int32_t>(bins.size()))
            ++bins[bin];
    }
    return bins;
}

// Fits the middle of the line's ink across each along position of [start, end], near
// offset + slope * along; columns crossed by something else (a tick, a curve, a label) stand
// off the fit and are left out of a second one.
bool FitMiddle(const COrientedView& view, CAxisLine& line)
{
    struct CSample {
        double along;
        double middle;
        double weight;
    };
    std::vector<CSample> samples;
    std::vector<double> widths;
    const int32_t reach = static_cast<int32_t>(std::ceil(line.thickness / 2)) + 2;
    for (int32_t a = line.start; a <= line.end; ++a) {
        const auto c0 = static_cast<int32_t>(std::lround(line.Across(a)));
        double sum = 0;
        double moment = 0;
        for (int32_t c = c0 - reach; c <= c0 + reach; ++c) {
            const double d = view.Darkness(a, c);
            sum += d;
            moment += d * c;
        }
        if (sum > 0.3) {
            samples.push_back({static_cast<double>(a), moment / sum, sum});
            widths.push_back(sum);
        }
    }
    if (samples.size() < 10)
        return false;
    std::nth_element(widths.begin(), widths.begin() + widths.size() / 2, widths.end());
    const double width = widths[widths.size() / 2];
    for (int pass = 0; pass < 2; ++pass) {
        double s = 0, sa = 0, sc = 0, saa = 0, sac = 0;
        for (const CSample& sample : samples) {
            // Columns with much more ink than the line's own are crossings.
            if (sample.weight > 1.6 * width + 0.5)
                continue;
            if (pass > 0 && std::abs(sample.middle - line.Across(sample.along)) > 0.6)
                continue;
            s += 1;
            sa += sample.along;
            sc += sample.middle;
            saa += sample.along * sample.along;
            sac += sample.along * sample.middle;
        }
        const double det = s * saa - sa * sa;
        if (s < 10 || det <= 0)
            return pass > 0;
        line.slope = (s * sac - sa * sc) / det;
        line.offset = (sc - line.slope * sa) / s;
    }
    line.thickness = std::max(1.0, width);
    return true;
}

// The runs of ink along one band [lo, hi] across the line (following its slope), jumping
// short gaps, as lines of at least nMinLength.
void CollectRuns(const COrientedView& view, double slope, double lo, double hi, int nMinLength,
                 std::vector<CAxisLine>& lines)
{
    const double middle = (lo + hi) / 2;
    int32_t runStart = -1;
    int32_t lastInk = -1;
    auto close = [&]() {
        if (runStart >= 0 && lastInk - runStart + 1 >= nMinLength) {
            CAxisLine line;
            line.vertical = view.vertical;
            line.slope = slope;
            line.offset = middle;
            line.start = runStart;
            line.end = lastInk;
            line.thickness = hi - lo + 1;
            if (FitMiddle(view, line))
                lines.push_back(line);
        }
        runStart = -1;
    };
    for (int32_t a = 0; a < view.AlongSize(); ++a) {
        bool ink = false;
        const double base = slope * a;
        for (auto c = static_cast<int32_t>(std::floor(lo + base));
             c <= static_cast<int32_t>(std::ceil(hi + base)) && !ink; ++c)
            ink = view.IsInk(a, c);
        if (!ink) {
            if (runStart >= 0 && a - lastInk > kMaxGap)
                close();
            continue;
        }
        if (runStart < 0)
            runStart = a;
        lastInk = a;
    }
    close();
}

}  // namespace

std::vector<CAxisLine> CLineFinder::Find(const CGreyPicture& picture, bool bVertical, int nMinLength)
{
    const COrientedView view{picture, bVertical};
    std::vector<CAxisLine> lines;
    const std::vector<CInkPoint> points = RunPixels(view);
    if (points.empty())
        return lines;

    // The turn: the slope whose projection is sharpest (largest sum of squared bins).
    const double maxSlope = std::tan(kMaxTurnDegrees * M_PI / 180);
    const double step = std::tan(kTurnStep * M_PI / 180);
    double bestSlope = 0;
    double bestScore = -1;
    for (double slope = -maxSlope; slope <= maxSlope + 1e-12; slope += step) {
        int32_t shift = 0;
        const std::vector<int32_t> bins = Project(points, slope, view.AcrossSize(), view.AlongSize(), shift);
        double score = 0;
        for (int32_t b : bins)
            score += static_cast<double>(b) * b;
        if (score > bestScore + 1e-9) {
            bestScore = score;
            bestSlope = slope;
        }
    }

    int32_t shift = 0;
    const std::vector<int32_t> bins = Project(points, bestSlope, view.AcrossSize(), view.AlongSize(), shift);
    // Bands of neighbouring bins, each with enough ink for a line.
    const int32_t enough = std::max(kMinRun, nMinLength / 2);
    for (size_t i = 0; i < bins.size(); ++i) {
        if (bins[i] < enough)
            continue;
        size_t j = i;
        while (j + 1 < bins.size() && bins[j + 1] >= enough / 4)
            ++j;
        const double lo = static_cast<double>(i) - shift - 0.5;
        const double hi = static_cast<double>(j) - shift + 0.5;
        CollectRuns(view, bestSlope, lo, hi, nMinLength, lines);
        i = j;
    }
    return lines;
}
