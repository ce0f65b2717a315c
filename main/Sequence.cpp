#include "main/Sequence.h"

#include <QWidget>

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "main/ConstructionDialog.h"
#include "main/ExportPromptDlg.h"
#include "main/PlotvaneView.h"
#include "main/StepDialogFactory.h"

CSequence::CSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, CCurve* pCurve)
    : m_pCurve(pCurve), m_pCoordSyst(pCoordSyst), m_Steps(kMaxSteps, STEP_NONE), m_View(view), m_Doc(doc)
{
    // The dialog's frame at the view's corner plus (10, 10); positions are of client areas,
    // and the dialogs get the frame the main window has.
    const QWidget* pWindow = view.window();
    const QPoint frame = pWindow->geometry().topLeft() - pWindow->frameGeometry().topLeft();
    m_DialogPos = view.mapToGlobal(QPoint(0, 0)) + QPoint(10, 10) + frame;
    m_Doc.ClearSelection();
    m_View.OnDocumentChanged();
}

CSequence::~CSequence() = default;

CConstructionDialog* CSequence::GetDialog() const
{
    return m_pDialog.data();
}

STEP CSequence::GetStep(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_Steps.size()) ? m_Steps[nIndex] : STEP_NONE;
}

void CSequence::SetSteps(std::initializer_list<STEP> steps)
{
    int nIndex = 0;
    for (STEP step : steps)
        SetStep(nIndex++, step);
}

void CSequence::SetStep(int nIndex, STEP step)
{
    if (nIndex >= 0 && nIndex < static_cast<int>(m_Steps.size()))
        m_Steps[nIndex] = step;
}

void CSequence::Move(int nDelta)
{
    m_View.DetachDialog();
    m_nCurrentStep += nDelta;
    const STEP step = GetCurrentStep();
    if (CStepDialogFactory::IsDialogStep(step)) {
        CConstructionDialog* pDialog = CStepDialogFactory::Create(step, m_View, *this);
        m_pDialog = pDialog;
        pDialog->SetFirstStep(GetStep(m_nCurrentStep - 1) == STEP_NONE);
        pDialog->SetLastStep(GetStep(m_nCurrentStep + 1) == STEP_END);
        pDialog->UpdateNextButton();
        pDialog->show();
    } else if (step == STEP_CURVE_KIND) {
        m_pDialog = nullptr;
        ChooseCurveKind();
    } else if (step == STEP_END) {
        Finish();
    }
}

void CSequence::End()
{
    m_View.EndSequence();
}

void CSequence::FinishCurve()
{
    m_pCurveBackup.reset();
    if (m_pCurve != nullptr) {
        if (m_bNewCurve)
            m_Doc.AdvanceCurveCounter();
        ProposeExport(*m_pCurve);
    }
    m_Doc.ClearSelection();
    m_pCoordSyst->SetSelected(true);
    m_View.OnDocumentChanged();
    End();
}

void CSequence::ProposeExport(CCurve& curve)
{
    const CSettingsManager* pSettings = GetSettingsManager();
    const bool bAsk = pSettings == nullptr || pSettings->GetExportPrompt();
    if (bAsk && curve.GetModified() && CExportPromptDlg::Ask(&m_View))
        m_Doc.OnExport();
}
