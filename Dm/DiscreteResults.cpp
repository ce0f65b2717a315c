#include "Dm/DiscreteResults.h"

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"

IMPLEMENT_SERIAL(CDiscreteResults, CResults, 1)

void CDiscreteResults::Compute()
{
    m_Rows.clear();
    const CCoordSyst* pCoordSyst = m_pCurve != nullptr ? m_pCurve->GetCoordSyst() : nullptr;
    if (pCoordSyst == nullptr)
        return;
    m_Rows.reserve(m_pCurve->GetPointCount());
    for (const CPoint& point : m_pCurve->GetPoints()) {
        if (m_Rows.size() >= static_cast<size_t>(kMaxComputedRows))
            break;
        m_Rows.push_back(pCoordSyst->PixelToGraph(point));
    }
}

void CDiscreteResults::Serialize(CArchive& /*ar*/) {}
