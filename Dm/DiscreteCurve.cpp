#include "Dm/DiscreteCurve.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "Dm/DiscreteResults.h"
#include "platform/DrawContext.h"

IMPLEMENT_SERIAL(CDiscreteCurve, CCurve, 1)

namespace {

// |a - b| < 2 without overflow for points read from a document.
bool WithinOnePixel(int32_t a, int32_t b)
{
    return std::llabs(static_cast<long long>(a) - b) < 2;
}

// v + d kept inside the pixel range: a cross at the edge of that range is cut, not wrapped.
int32_t Shifted(int32_t v, int d)
{
    const long long shifted = static_cast<long long>(v) + d;
    return shifted > INT32_MAX ? INT32_MAX
                               : (shifted < INT32_MIN ? INT32_MIN : static_cast<int32_t>(shifted));
}

}  // namespace

CResults* CDiscreteCurve::GetResults()
{
    if (PeekResults() == nullptr)
        SetResults(std::make_unique<CDiscreteResults>());
    return PeekResults();
}

bool CDiscreteCurve::HitTest(int x, int y)
{
    for (const CPoint& p : m_CurvePoints) {
        if (WithinOnePixel(x, p.x) && WithinOnePixel(y, p.y))
            return true;
    }
    return false;
}

bool CDiscreteCurve::DrawCrosses(CDrawContext& dc) const
{
    if (m_CurvePoints.empty())
        return false;
    dc.SetPen(m_Color, m_bSelected ? 2 : 1);
    for (const CPoint& p : m_CurvePoints) {
        dc.MoveTo(CPoint(p.x, Shifted(p.y, -kCrossHalfSize)));
        dc.LineTo(CPoint(p.x, Shifted(p.y, kCrossHalfSize)));
        dc.MoveTo(CPoint(Shifted(p.x, -kCrossHalfSize), p.y));
        dc.LineTo(CPoint(Shifted(p.x, kCrossHalfSize), p.y));
    }
    return true;
}

CCurve::PointList::iterator CDiscreteCurve::AppendPoint(int x, int y)
{
    auto it = m_CurvePoints.insert(m_CurvePoints.end(), CPoint(x, y));
    SetModified(true);
    return it;
}

void CDiscreteCurve::RemovePoint(PointList::iterator pos)
{
    if (pos == m_CurvePoints.end())
        return;
    m_CurvePoints.erase(pos);
    SetModified(true);
}
