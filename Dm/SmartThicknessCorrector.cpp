#include "Dm/SmartThicknessCorrector.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CSmartThicknessCorrector, CAbstractThicknessCorrector, 1)

namespace {

int32_t Saturate(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

int Sign(int64_t v)
{
    return (v > 0) - (v < 0);
}

// Half away from zero, as RoundHalfAway does; here the values are bounded by half the
// largest thickness, and the call is made twice a point.
int Round(double v)
{
    return static_cast<int>(v > 0 ? v + 0.5 : v - 0.5);
}

}  // namespace

CSmartThicknessCorrector::CSmartThicknessCorrector(const CSmartThicknessCorrector& other)
    : CAbstractThicknessCorrector(other), m_nRange(other.m_nRange)
{
}

void CSmartThicknessCorrector::SetRange(int nRange)
{
    m_nRange = nRange;
    CurveChanged();
}

std::unique_ptr<CAbstractThicknessCorrector> CSmartThicknessCorrector::Clone(CContinuousCurve* pCurve) const
{
    std::unique_ptr<CSmartThicknessCorrector> pClone(new CSmartThicknessCorrector(*this));
    pClone->m_pCurve = pCurve;
    return pClone;
}

CSmartThicknessCorrector::Direction CSmartThicknessCorrector::SlopeAngle(size_t i) const
{
    const std::vector<CPoint>& v = m_Work;
    const size_t n = v.size();
    CPoint a = v[i];
    CPoint b = v[i];
    int64_t dL = 0;
    int64_t dR = 0;
    const bool bHasLeft = i > 0;
    const bool bHasRight = i + 1 < n;
    if (bHasLeft) {
        dL = int64_t{v[i].y} - v[i - 1].y;
        a = v[i - 1];
    }
    if (bHasRight) {
        dR = int64_t{v[i + 1].y} - v[i].y;
        b = v[i + 1];
    }
    // No neighbour, or a strict local extremum of y: a purely vertical move.
    if ((!bHasLeft && !bHasRight) || Sign(dL) * Sign(dR) < 0)
        return Direction();

    int trend = Sign(dL != 0 ? dL : dR);
    bool bLeftOpen = bHasLeft;
    bool bRightOpen = bHasRight;
    for (int64_t k = 2; k <= m_nRange && (bLeftOpen || bRightOpen); ++k) {
        if (bLeftOpen) {
            if (static_cast<int64_t>(i) - k < 0) {
                bLeftOpen = false;
            } else {
                const CPoint& p = v[i - static_cast<size_t>(k)];
                const int d = Sign(int64_t{a.y} - p.y);
                if (trend * d >= 0) {
                    if (trend == 0)
                        trend = d;
                    a = p;
                    bLeftOpen = static_cast<int64_t>(i) - k != 0;
                } else {
                    bLeftOpen = false;
                }
            }
        }
        if (bRightOpen) {
            if (static_cast<int64_t>(i) + k >= static_cast<int64_t>(n)) {
                bRightOpen = false;
            } else {
                const CPoint& p = v[i + static_cast<size_t>(k)];
                const int d = Sign(int64_t{p.y} - b.y);
                if (trend * d >= 0) {
                    if (trend == 0)
                        trend = d;
                    b = p;
                    bRightOpen = static_cast<int64_t>(i) + k < static_cast<int64_t>(n) - 1;
                } else {
                    bRightOpen = false;
                }
            }
        }
    }

    Direction dir;
    const double dx = static_cast<double>(int64_t{b.x} - a.x);
    const double dy = static_cast<double>(int64_t{b.y} - a.y);
    if (dx != 0.0) {
        // theta = arctan(dy / dx), in (-pi/2, pi/2): its cosine is positive. Its sine and
        // cosine come from the chord directly, the same angle without three transcendental
        // calls a point.
        if (dy != 0.0) {
            const double inverse = 1.0 / std::sqrt(dx * dx + dy * dy);
            dir.dSin = (dx > 0 ? dy : -dy) * inverse;
            dir.dCos = std::abs(dx) * inverse;
        }
    } else if (dy != 0.0) {
        // Straight up (-pi/2) or straight down (+pi/2); the cosine of either is 0 once
        // rounded to a pixel.
        dir.dSin = dy < 0 ? -1.0 : 1.0;
        dir.dCos = 0.0;
    }
    return dir;
}

bool CSmartThicknessCorrector::FindInputColumn(int x, CPoint& found) const
{
    const size_t n = m_Work.size();
    size_t k = m_nCurrent;
    if (m_Work[k].x < x) {
        while (k + 1 < n && m_Work[k].x < x)
            ++k;
    } else {
        while (k > 0 && m_Work[k].x > x)
            --k;
    }
    if (m_Work[k].x != x)
        return false;
    found = m_Work[k];
    return true;
}

void CSmartThicknessCorrector::Insert(const CPoint& e, bool bAdjacent)
{
    const int64_t s = m_nSign;
    while (!m_Output.empty() && m_Output.back().x >= e.x && (int64_t{e.y} - m_Output.back().y) * s > 0)
        m_Output.pop_back();
    if (!m_Output.empty() && m_Output.back().x >= e.x)
        return;

    if (!m_Output.empty() && bAdjacent && int64_t{m_Output.back().x} + 1 < e.x) {
        const CPoint p = m_Output.back();
        const double slope =
            static_cast<double>(int64_t{e.y} - p.y) / static_cast<double>(int64_t{e.x} - p.x);
        for (int64_t x = int64_t{p.x} + 1; x < e.x; ++x) {
            int64_t y = p.y + static_cast<int64_t>(std::trunc(static_cast<double>(x - p.x) * slope));
            CPoint o;
            if (FindInputColumn(static_cast<int>(x), o) && (y - o.y) * s < m_nHalf)
                y = o.y + s * m_nHalf;
            m_Output.emplace_back(static_cast<int32_t>(x), Saturate(y));
        }
    }
    m_Output.push_back(e);
}

int CSmartThicknessCorrector::Correct(PointList& points, bool bFollowTop)
{
    const int h = HalfThickness();
    if (h == 0)
        return 0;
    m_nHalf = h;
    m_nSign = bFollowTop ? 1 : -1;
    const int64_t sh = int64_t{m_nSign} * h;

    m_Work.assign(points.begin(), points.end());
    m_Output.clear();
    m_Output.reserve(m_Work.size() + 16);
    const size_t n = m_Work.size();
    for (size_t i = 0; i < n; ++i) {
        const Direction dir = SlopeAngle(i);
        const CPoint& vi = m_Work[i];
        const int dx = Round(-static_cast<double>(sh) * dir.dSin);
        const int dy = Round(static_cast<double>(sh) * dir.dCos);
        CPoint e(Saturate(int64_t{vi.x} + dx), Saturate(int64_t{vi.y} + dy));

        // In its own column the moved point lies at least half a thickness inside the stroke.
        const int64_t j = static_cast<int64_t>(i) + (int64_t{e.x} - vi.x);
        if (j >= 0 && j < static_cast<int64_t>(n) && m_Work[static_cast<size_t>(j)].x == e.x) {
            // (e.y - vj.y) / sh < 1, in integers: exact, and without a division.
            const CPoint& vj = m_Work[static_cast<size_t>(j)];
            const int64_t d = int64_t{e.y} - vj.y;
            if (sh > 0 ? d < sh : d > sh)
                e.y = Saturate(vj.y + sh);
        }

        const bool bAdjacent = i > 0 && int64_t{vi.x} == int64_t{m_Work[i - 1].x} + 1;
        m_nCurrent = i;
        Insert(e, bAdjacent);
    }
    points.assign(m_Output.begin(), m_Output.end());
    return h;
}

void CSmartThicknessCorrector::Serialize(CArchive& ar)
{
    CAbstractThicknessCorrector::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteInt(m_nRange);
    else
        m_nRange = ar.ReadInt();
}
