#include "main/ContinuousSequence.h"

#include "Dm/ContinuousCurve.h"

CContinuousSequence::CContinuousSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst,
                                         CCurve* pCurve)
    : CSequence(view, doc, pCoordSyst, pCurve)
{
}

std::unique_ptr<CCurve> CContinuousSequence::MakeCurve(CCoordSyst& coordSyst)
{
    // With the continuous-curve defaults of the settings.
    return std::make_unique<CContinuousCurve>(&coordSyst);
}

bool CContinuousSequence::IsOfKind(const CCurve& curve)
{
    return dynamic_cast<const CContinuousCurve*>(&curve) != nullptr;
}

bool CContinuousSequence::Start()
{
    return StartCurve(m_pCurve == nullptr && m_pCoordSyst != nullptr ? MakeCurve(*m_pCoordSyst) : nullptr,
                      {STEP_NONE, STEP_LIMITS, STEP_GENESIS, STEP_HAND_MODIFICATION, STEP_END});
}
