#include "main/wizard/CurveSequence.h"

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/view/PlotvaneView.h"
#include "main/wizard/WindowCurveKinds.h"

CCurveSequence::CCurveSequence(const CWindowCurveKind& kind, CPlotvaneView& view, CPlotvaneDoc& doc,
                               CCoordSyst* pCoordSyst, CCurve* pCurve)
    : CSequence(view, doc, pCoordSyst, pCurve), m_Kind(kind)
{
}

bool CCurveSequence::Start()
{
    if (m_pCoordSyst == nullptr)
        return false;
    if (m_pCurve == nullptr) {
        m_pCurve = m_pCoordSyst->AddCurve(m_Kind.makeCurve(*m_pCoordSyst));
        if (m_pCurve == nullptr)
            return false;
        m_bNewCurve = true;
    } else {
        m_pCurveBackup = m_pCurve->Clone();
        m_bNewCurve = false;
    }
    int nIndex = 0;
    SetStep(nIndex++, STEP_NONE);
    for (const CWindowCurveKind::CStep& step : m_Kind.steps)
        SetStep(nIndex++, step.step);
    SetStep(nIndex, STEP_END);
    m_nCurrentStep = 0;
    Move(+1);
    return true;
}

void CCurveSequence::Cancel(CConstructionDialog* /*pDialog*/)
{
    if (m_pCurve != nullptr)
        m_pCoordSyst->RemoveCurve(m_pCurve);
    m_pCurve = nullptr;
    if (m_pCurveBackup != nullptr) {
        CCurve* pRestored = m_pCoordSyst->AddCurve(std::move(m_pCurveBackup));
        pRestored->SetCoordSyst(m_pCoordSyst);
    }
    RestoreModifiedFlag();
    m_View.DetachDialog();
    m_Doc.UpdateAllViews();
    End();
}
