#include "main/wizard/SplineSequence.h"

#include "Dm/BezierCurve.h"

std::unique_ptr<CCurve> CSplineSequence::MakeCurve(CCoordSyst& coordSyst)
{
    return std::make_unique<CBezierCurve>(&coordSyst);
}

bool CSplineSequence::Start()
{
    if (!CCurveSequence::Start())
        return false;
    if (auto* pBackup = dynamic_cast<CSplineCurve*>(m_pCurveBackup.get()))
        pBackup->EnsureSegments();
    return true;
}
