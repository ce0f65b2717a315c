#include "main/SplineSequence.h"

#include "Dm/BezierCurve.h"

CSplineSequence::CSplineSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst,
                                 CCurve* pCurve)
    : CSequence(view, doc, pCoordSyst, pCurve)
{
}

std::unique_ptr<CCurve> CSplineSequence::MakeCurve(CCoordSyst& coordSyst)
{
    return std::make_unique<CBezierCurve>(&coordSyst);
}

bool CSplineSequence::IsOfKind(const CCurve& curve)
{
    return dynamic_cast<const CSplineCurve*>(&curve) != nullptr;
}

bool CSplineSequence::Start()
{
    const bool bStarted =
        StartCurve(m_pCurve == nullptr && m_pCoordSyst != nullptr ? MakeCurve(*m_pCoordSyst) : nullptr,
                   {STEP_NONE, STEP_SPLINE, STEP_END});
    // The copy holds the nodes only: its segments are built from them.
    if (auto* pBackup = dynamic_cast<CSplineCurve*>(m_pCurveBackup.get()))
        pBackup->EnsureSegments();
    return bStarted;
}
