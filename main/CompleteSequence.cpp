#include "main/CompleteSequence.h"

#include <vector>

#include <QDialog>

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/ContinuousSequence.h"
#include "main/CurveKindDialog.h"
#include "main/DensitoSequence.h"
#include "main/DiscreteSequence.h"
#include "main/PlotvaneView.h"
#include "main/SplineSequence.h"

namespace {

// The index of the first step of the curve, right after the kind.
constexpr int kFirstCurveStep = 4;

struct CKindSteps {
    bool (*isOfKind)(const CCurve&);
    std::unique_ptr<CCurve> (*make)(CCoordSyst&);
    std::vector<STEP> steps;
};

CKindSteps StepsOf(CCompleteSequence::CurveKind kind)
{
    switch (kind) {
        case CCompleteSequence::KIND_SPLINE:
            return {&CSplineSequence::IsOfKind, &CSplineSequence::MakeCurve, {STEP_SPLINE, STEP_END}};
        case CCompleteSequence::KIND_DISCRETE:
            return {&CDiscreteSequence::IsOfKind,
                    &CDiscreteSequence::MakeCurve,
                    {STEP_DISCRETE_POINTS, STEP_END}};
        case CCompleteSequence::KIND_DENSITOMETRY:
            return {&CDensitoSequence::IsOfKind, &CDensitoSequence::MakeCurve, {STEP_DENSITOMETRY, STEP_END}};
        case CCompleteSequence::KIND_CONTINUOUS:
            break;
    }
    return {&CContinuousSequence::IsOfKind,
            &CContinuousSequence::MakeCurve,
            {STEP_LIMITS, STEP_GENESIS, STEP_HAND_MODIFICATION, STEP_END}};
}

}  // namespace

CCompleteSequence::CCompleteSequence(CPlotvaneView& view, CPlotvaneDoc& doc)
    : CSequence(view, doc, nullptr, nullptr)
{
}

bool CCompleteSequence::Start()
{
    m_pCoordSyst = m_Doc.AddCoordSyst(std::make_unique<CCoordSyst>(&m_Doc));
    if (m_pCoordSyst == nullptr)
        return false;
    SetSteps({STEP_NONE, STEP_X_AXIS, STEP_Y_AXIS, STEP_CURVE_KIND, STEP_END});
    m_nCurrentStep = 0;
    Move(+1);
    return true;
}

void CCompleteSequence::ChooseCurveKind()
{
    const int nKind = GetStep(kFirstCurveStep) == STEP_DISCRETE_POINTS ? KIND_DISCRETE : KIND_CONTINUOUS;
    CCurveKindDialog dialog(*this, nKind, &m_View);
    if (dialog.exec() != QDialog::Accepted) {
        Cancel(nullptr);
        return;
    }
    if (dialog.GetDirection() < 0) {
        Move(-1);
        return;
    }
    EnsureCurveKind(static_cast<CurveKind>(dialog.GetKind()));
    Move(+1);
}

void CCompleteSequence::EnsureCurveKind(CurveKind kind)
{
    const CKindSteps kindSteps = StepsOf(kind);
    if (m_pCurve != nullptr && !kindSteps.isOfKind(*m_pCurve)) {
        m_pCoordSyst->RemoveCurve(m_pCurve);
        m_pCurve = nullptr;
        m_View.OnDocumentChanged();
    }
    if (m_pCurve == nullptr)
        m_pCurve = m_pCoordSyst->AddCurve(kindSteps.make(*m_pCoordSyst));
    m_bNewCurve = true;
    int nIndex = kFirstCurveStep;
    for (STEP step : kindSteps.steps)
        SetStep(nIndex++, step);
}

void CCompleteSequence::Cancel(CConstructionDialog* /*pDialog*/)
{
    if (m_pCurve != nullptr)
        m_pCoordSyst->RemoveCurve(m_pCurve);
    m_pCurve = nullptr;
    m_Doc.DeleteCoordSyst(m_pCoordSyst);
    m_pCoordSyst = nullptr;
    RestoreModifiedFlag();
    m_View.DetachDialog();
    m_View.OnDocumentChanged();
    End();
}

void CCompleteSequence::Finish()
{
    if (m_pCurve != nullptr) {
        m_Doc.AdvanceCurveCounter();
        ProposeExport(*m_pCurve);
    }
    m_Doc.ClearSelection();
    m_pCoordSyst->SetSelected(true);
    m_View.OnDocumentChanged();
    m_Doc.AdvanceCoordSystCounter();
    End();
}
