#include "detect/PlotFrameFinder.h"

#include <algorithm>
#include <cmath>

#include "detect/GreyPicture.h"
#include "detect/LineFinder.h"

namespace {

// How far a line may run past the corner (an outward tick continues a spine) or stop short
// of it (spines that do not quite meet), in pixels.
constexpr double kPastCorner = 20.0;
constexpr double kShortOfCorner = 4.0;

bool Intersect(const CAxisLine& h, const CAxisLine& v, double& x, double& y)
{
    // y = h.offset + h.slope x, x = v.offset + v.slope y
    const double det = 1.0 - h.slope * v.slope;
    if (std::abs(det) < 1e-9)
        return false;
    y = (h.offset + h.slope * v.offset) / det;
    x = v.offset + v.slope * y;
    return true;
}

bool Inside(const CPlotFrame& frame, double x, double y)
{
    const double right = frame.bottom.end;
    const double top = frame.left.start;
    return x > frame.cornerX + 3 && x < right && y < frame.cornerY - 3 && y > top;
}

}  // namespace

std::vector<CPlotFrame> CPlotFrameFinder::Find(const CGreyPicture& picture)
{
    const int minWidth = std::max(30, picture.GetWidth() / 10);
    const int minHeight = std::max(30, picture.GetHeight() / 10);
    const std::vector<CAxisLine> horizontal = CLineFinder::Find(picture, false, minWidth);
    const std::vector<CAxisLine> vertical = CLineFinder::Find(picture, true, minHeight);
    std::vector<CPlotFrame> frames;
    for (const CAxisLine& h : horizontal) {
        for (const CAxisLine& v : vertical) {
            CPlotFrame frame{h, v, 0, 0};
            if (!Intersect(h, v, frame.cornerX, frame.cornerY))
                continue;
            const double reachH = kShortOfCorner + v.thickness;
            const double reachV = kShortOfCorner + h.thickness;
            if (h.start < frame.cornerX - kPastCorner || h.start > frame.cornerX + reachH)
                continue;
            if (v.end > frame.cornerY + kPastCorner || v.end < frame.cornerY - reachV)
                continue;
            // The axes begin at the corner, whatever ran past it.
            frame.bottom.start = static_cast<int32_t>(std::lround(frame.cornerX));
            frame.left.end = static_cast<int32_t>(std::lround(frame.cornerY));
            if (frame.bottom.Length() < minWidth || frame.left.Length() < minHeight)
                continue;
            frames.push_back(frame);
        }
    }
    // The longest first, so that of a corner found twice the better finding stays.
    std::sort(frames.begin(), frames.end(), [](const CPlotFrame& a, const CPlotFrame& b) {
        return a.bottom.Length() + a.left.Length() > b.bottom.Length() + b.left.Length();
    });
    std::vector<CPlotFrame> plots;
    for (const CPlotFrame& frame : frames) {
        const bool nested = std::any_of(frames.begin(), frames.end(), [&](const CPlotFrame& other) {
            return Inside(other, frame.cornerX, frame.cornerY);
        });
        const bool twice = std::any_of(plots.begin(), plots.end(), [&](const CPlotFrame& other) {
            return std::abs(other.cornerX - frame.cornerX) < 4 && std::abs(other.cornerY - frame.cornerY) < 4;
        });
        if (!nested && !twice)
            plots.push_back(frame);
    }
    std::sort(plots.begin(), plots.end(), [](const CPlotFrame& a, const CPlotFrame& b) {
        if (std::abs(a.cornerY - b.cornerY) > 20)
            return a.cornerY < b.cornerY;
        return a.cornerX < b.cornerX;
    });
    return plots;
}
