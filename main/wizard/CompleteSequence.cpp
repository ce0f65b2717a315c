#include "main/wizard/CompleteSequence.h"

#include <QDialog>

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/wizard/CurveKindDialog.h"
#include "main/view/PlotvaneView.h"
#include "main/wizard/WindowCurveKinds.h"

namespace {

// The index of the first step of the curve, right after the kind.
constexpr int kFirstCurveStep = 4;

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
    // The user who chose discrete and came back finds it chosen; any other kind, continuous.
    const int nKind = CWindowCurveKinds::IndexOf(
        GetStep(kFirstCurveStep) == STEP_DISCRETE_POINTS ? ECurveKind::Discrete : ECurveKind::Continuous);
    CCurveKindDialog dialog(*this, nKind, &m_View);
    if (dialog.exec() != QDialog::Accepted) {
        Cancel(nullptr);
        return;
    }
    if (dialog.GetDirection() < 0) {
        Move(-1);
        return;
    }
    EnsureCurveKind(CWindowCurveKinds::All().at(dialog.GetKind()));
    Move(+1);
}

void CCompleteSequence::EnsureCurveKind(const CWindowCurveKind& kind)
{
    if (m_pCurve != nullptr && m_pCurve->GetKind() != kind.kind) {
        m_pCoordSyst->RemoveCurve(m_pCurve);
        m_pCurve = nullptr;
        m_View.OnDocumentChanged();
    }
    if (m_pCurve == nullptr)
        m_pCurve = m_pCoordSyst->AddCurve(kind.makeCurve(*m_pCoordSyst));
    m_bNewCurve = true;
    int nIndex = kFirstCurveStep;
    for (const CWindowCurveKind::CStep& step : kind.steps)
        SetStep(nIndex++, step.step);
    SetStep(nIndex, STEP_END);
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
