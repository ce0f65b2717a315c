#include "detect/TickFinder.h"

#include <algorithm>
#include <cmath>

#include "detect/GreyPicture.h"

namespace {

constexpr int kMinLength = 2;

// A point at distance `away` off the line (positive: outside) from along position a, on the
// perpendicular through it.
void OffLine(const CAxisLine& line, double a, double away, int32_t& x, int32_t& y)
{
    // Outside is +across for a horizontal line (down) and -across for a vertical one (left).
    const double across = line.vertical ? -away : away;
    const double along = a - line.slope * across;
    const double c = line.Across(a) + across;
    x = static_cast<int32_t>(std::lround(line.vertical ? c : along));
    y = static_cast<int32_t>(std::lround(line.vertical ? along : c));
}

// How far ink runs from the line's edge on one side (sign +1 outside, -1 inside).
int RunFrom(const CGreyPicture& picture, const CAxisLine& line, int32_t a, int sign, int nMaxLength)
{
    const double edge = line.thickness / 2 + 1;
    int run = 0;
    for (; run <= nMaxLength + 1; ++run) {
        int32_t x = 0, y = 0;
        OffLine(line, a, sign * (edge + run), x, y);
        if (!picture.IsInk(x, y))
            break;
    }
    return run;
}

double WeightedMiddle(const CGreyPicture& picture, const CAxisLine& line, int32_t first, int32_t last,
                      int sign, int length)
{
    const double edge = line.thickness / 2 + 1;
    double sum = 0;
    double moment = 0;
    for (int32_t a = first - 1; a <= last + 1; ++a) {
        for (int k = 0; k < length; ++k) {
            int32_t x = 0, y = 0;
            OffLine(line, a, sign * (edge + k), x, y);
            const double d = picture.Darkness(x, y);
            sum += d;
            moment += d * a;
        }
    }
    return sum > 0 ? moment / sum : (first + last) / 2.0;
}

}  // namespace

std::vector<CTick> CTickFinder::Find(const CGreyPicture& picture, const CAxisLine& line, int nMaxLength)
{
    std::vector<CTick> ticks;
    const int maxWidth = static_cast<int>(std::ceil(2 * line.thickness)) + 3;
    for (int sign : {1, -1}) {
        std::vector<int> runs;
        for (int32_t a = line.start; a <= line.end; ++a)
            runs.push_back(RunFrom(picture, line, a, sign, nMaxLength));
        for (size_t i = 0; i < runs.size();) {
            if (runs[i] < kMinLength) {
                ++i;
                continue;
            }
            size_t j = i;
            int length = 0;
            while (j < runs.size() && runs[j] >= kMinLength)
                length = std::max(length, runs[j++]);
            const auto first = static_cast<int32_t>(line.start + i);
            const auto last = static_cast<int32_t>(line.start + j - 1);
            if (last - first + 1 <= maxWidth && length <= nMaxLength) {
                CTick tick;
                tick.at = WeightedMiddle(picture, line, first, last, sign, length);
                (sign > 0 ? tick.outside : tick.inside) = length;
                ticks.push_back(tick);
            }
            i = j;
        }
    }
    // A tick through the line ("in and out") is one tick.
    std::sort(ticks.begin(), ticks.end(), [](const CTick& a, const CTick& b) { return a.at < b.at; });
    std::vector<CTick> merged;
    for (const CTick& t : ticks) {
        if (!merged.empty() && std::abs(merged.back().at - t.at) < 1.5) {
            CTick& m = merged.back();
            m.at = (m.at + t.at) / 2;
            m.outside = std::max(m.outside, t.outside);
            m.inside = std::max(m.inside, t.inside);
        } else {
            merged.push_back(t);
        }
    }
    return merged;
}
