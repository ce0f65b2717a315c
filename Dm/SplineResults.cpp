#include "Dm/SplineResults.h"

#include <algorithm>

#include "Dm/SplineCurve.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CSplineResults, CResults, 1)

void CSplineResults::SetPointsPerSegment(int nCount)
{
    m_PointsPerSegment = std::clamp(nCount, kMinPointsPerSegment, kMaxPointsPerSegment);
}

CSplineCurve* CSplineResults::GetSplineCurve() const
{
    return m_pCurve != nullptr && m_pCurve->IsKindOf(RUNTIME_CLASS(CSplineCurve))
               ? static_cast<CSplineCurve*>(m_pCurve)
               : nullptr;
}

void CSplineResults::Compute()
{
    m_Rows.clear();
    CSplineCurve* pCurve = GetSplineCurve();
    if (pCurve == nullptr || pCurve->GetNodeCount() < 2)
        return;
    pCurve->GetSamplePoints(m_PointsPerSegment, m_Rows);
    if (m_Rows.size() > static_cast<size_t>(kMaxComputedRows))
        m_Rows.resize(static_cast<size_t>(kMaxComputedRows));
}

int CSplineResults::GetExpectedRowCount() const
{
    const CSplineCurve* pCurve = GetSplineCurve();
    if (pCurve == nullptr || pCurve->GetNodeCount() < 2)
        return 0;
    const long long nRows =
        static_cast<long long>(m_PointsPerSegment) * static_cast<long long>(pCurve->GetNodeCount() - 1) + 1;
    return static_cast<int>(std::min<long long>(nRows, kMaxComputedRows));
}

std::string CSplineResults::ValidatePointsPerSegment(long long nCount)
{
    if (nCount >= kMinPointsPerSegment && nCount <= kMaxPointsPerSegment)
        return std::string();
    return "Please enter an integer between " + std::to_string(kMinPointsPerSegment) + " and " +
           std::to_string(kMaxPointsPerSegment) + ".";
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
