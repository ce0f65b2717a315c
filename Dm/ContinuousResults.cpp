#include "Dm/ContinuousResults.h"

#include <algorithm>

#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/Limit.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CContinuousResults, CResults, 1)

namespace {

double LimitValue(const CLimit* pLimit)
{
    return pLimit != nullptr && pLimit->IsValued() ? pLimit->GetValue() : 0.0;
}

}  // namespace

CContinuousResults::CContinuousResults(CContinuousCurve* pCurve)
{
    m_pCurve = pCurve;
    if (pCurve != nullptr)
        m_FirstValue = std::min(LimitValue(pCurve->GetLeftLimit()), LimitValue(pCurve->GetRightLimit()));
}

CContinuousResults::CContinuousResults(const CContinuousResults& other)
    : CResults(other),
      m_FirstValue(other.m_FirstValue),
      m_bPeriodDefined(other.m_bPeriodDefined),
      m_Period(other.m_Period),
      m_LastValue(other.m_LastValue)
{
}

CResults* CContinuousResults::Clone() const
{
    return new CContinuousResults(*this);
}

CContinuousCurve* CContinuousResults::GetContinuousCurve() const
{
    return m_pCurve != nullptr && m_pCurve->IsKindOf(RUNTIME_CLASS(CContinuousCurve))
               ? static_cast<CContinuousCurve*>(m_pCurve)
               : nullptr;
}

double CContinuousResults::SetFirstValue(double dValue)
{
    const double dPrevious = m_FirstValue;
    m_FirstValue = dValue;
    return dPrevious;
}

void CContinuousResults::SetPeriod(double dPeriod)
{
    m_Period = dPeriod;
    m_bPeriodDefined = true;
}

double CContinuousResults::GetLastValue()
{
    const CContinuousCurve* pCurve = GetContinuousCurve();
    if (pCurve == nullptr)
        return m_LastValue = 0.0;
    m_LastValue = std::max(LimitValue(pCurve->GetLeftLimit()), LimitValue(pCurve->GetRightLimit()));
    const CCoordSyst* pCoordSyst = pCurve->GetCoordSyst();
    const CCurve::PointList& points = pCurve->GetPoints();
    if (pCoordSyst != nullptr && !points.empty()) {
        m_LastValue = std::max(m_LastValue, pCoordSyst->PixelToGraph(points.front()).x);
        m_LastValue = std::max(m_LastValue, pCoordSyst->PixelToGraph(points.back()).x);
    }
    return m_LastValue;
}

void CContinuousResults::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDouble(m_FirstValue);
        ar.WriteDword(m_bPeriodDefined ? 1 : 0);
        ar.WriteDouble(m_Period);
    } else {
        m_FirstValue = ar.ReadDouble();
        m_bPeriodDefined = ar.ReadDword() != 0;
        m_Period = ar.ReadDouble();
    }
}
