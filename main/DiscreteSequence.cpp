#include "main/DiscreteSequence.h"

#include "Dm/DiscreteCurve.h"

CDiscreteSequence::CDiscreteSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst,
                                     CCurve* pCurve)
    : CSequence(view, doc, pCoordSyst, pCurve)
{
}

std::unique_ptr<CCurve> CDiscreteSequence::MakeCurve(CCoordSyst& coordSyst)
{
    return std::make_unique<CDiscreteCurve>(&coordSyst);
}

bool CDiscreteSequence::IsOfKind(const CCurve& curve)
{
    return dynamic_cast<const CDiscreteCurve*>(&curve) != nullptr;
}

bool CDiscreteSequence::Start()
{
    return StartCurve(m_pCurve == nullptr && m_pCoordSyst != nullptr ? MakeCurve(*m_pCoordSyst) : nullptr,
                      {STEP_NONE, STEP_DISCRETE_POINTS, STEP_END});
}
