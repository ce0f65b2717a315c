#include "Dm/FlatThicknessCorrector.h"

#include <algorithm>
#include <cstdint>
#include <memory>

IMPLEMENT_SERIAL(CFlatThicknessCorrector, CAbstractThicknessCorrector, 1)

std::unique_ptr<CAbstractThicknessCorrector> CFlatThicknessCorrector::Clone(CContinuousCurve* pCurve) const
{
    std::unique_ptr<CFlatThicknessCorrector> pClone(new CFlatThicknessCorrector(*this));
    pClone->m_pCurve = pCurve;
    return pClone;
}

int CFlatThicknessCorrector::Correct(PointList& points, bool bFollowTop)
{
    const int h = HalfThickness();
    if (h == 0)
        return 0;
    const int shift = bFollowTop ? h : -h;
    // Points and thickness may come from a document: saturate rather than overflow.
    for (CPoint& p : points)
        p.y = static_cast<int32_t>(std::clamp<int64_t>(int64_t{p.y} + shift, INT32_MIN, INT32_MAX));
    return shift;
}
