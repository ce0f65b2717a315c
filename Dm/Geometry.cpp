#include "Dm/Geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int32_t SaturateToPixel(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (v <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

}  // namespace

double LineParameter(const CPoint& a, const CPoint& b, const CPoint& p)
{
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    const double px = static_cast<double>(p.x) - a.x;
    const double py = static_cast<double>(p.y) - a.y;
    return (dx * px + dy * py) / (dx * dx + dy * dy);
}

CPoint ProjectOnLine(const CPoint& a, const CPoint& b, const CPoint& p)
{
    const double t = LineParameter(a, b, p);
    // The sum is formed in doubles: a and the offset are both within the 32-bit range, so it
    // is exact, and saturation keeps a damaged document from overflowing.
    const double x = static_cast<double>(a.x) + RoundHalfAway(t * (static_cast<double>(b.x) - a.x));
    const double y = static_cast<double>(a.y) + RoundHalfAway(t * (static_cast<double>(b.y) - a.y));
    return {SaturateToPixel(x), SaturateToPixel(y)};
}

int32_t RoundHalfAway(double v)
{
    return SaturateToPixel(v > 0 ? v + 0.5 : v - 0.5);
}

CPoint RotatePoint(const CPoint& p, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {RoundHalfAway(c * p.x - s * p.y), RoundHalfAway(s * p.x + c * p.y)};
}

double Cross(const CPoint& a, const CPoint& b)
{
    return static_cast<double>(a.x) * b.y - static_cast<double>(a.y) * b.x;
}

CPoint ClampDocumentPoint(const CPoint& p)
{
    return {std::clamp(p.x, -kMaxDocumentCoordinate, kMaxDocumentCoordinate),
            std::clamp(p.y, -kMaxDocumentCoordinate, kMaxDocumentCoordinate)};
}
