#include "Dm/SplineResults.h"

#include <algorithm>

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CSplineResults, CResults, 1)

void CSplineResults::SetPointsPerSegment(int nCount)
{
    m_PointsPerSegment = std::clamp(nCount, kMinPointsPerSegment, kMaxPointsPerSegment);
}

void CSplineResults::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt(m_PointsPerSegment);
        return;
    }
    const int32_t nCount = ar.ReadInt();
    m_PointsPerSegment =
        nCount >= kMinPointsPerSegment && nCount <= kMaxPointsPerSegment ? nCount : kDefaultPointsPerSegment;
}
