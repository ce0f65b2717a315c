#include "main/wizard/Sequence.h"

#include <optional>

#include <QWidget>

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SettingsManager.h"
#include "main/wizard/ConstructionDialog.h"
#include "main/export/ExportPromptDlg.h"
#include "main/view/PlotvaneView.h"
#include "main/wizard/StepDialogFactory.h"
#include "main/wizard/StepDialogPlace.h"

CSequence::CSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, CCurve* pCurve)
    : m_pCurve(pCurve), m_pCoordSyst(pCoordSyst), m_Steps(kMaxSteps, STEP_NONE), m_View(view), m_Doc(doc)
{
    if (const std::optional<QPoint> place = CStepDialogPlace::Remembered()) {
        m_DialogPos = *place;
        m_bDialogPosKnown = true;
    }
    m_bDocWasModified = m_Doc.IsModified();
    m_Doc.ClearSelection();
    m_View.OnDocumentChanged();
}

CSequence::~CSequence() = default;

QPoint CSequence::DialogPosFor(QSize size)
{
    if (!m_bDialogPosKnown) {
        // Positions are of client areas; the dialogs get the frame the main window has.
        const QWidget* pWindow = m_View.window();
        const QRect inner = pWindow->geometry();
        const QRect outer = pWindow->frameGeometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        m_DialogPos =
            CStepDialogPlace::BesidePicture(m_View.PictureOnScreen(), m_View.ClientOnScreen(), size, frame);
        m_bDialogPosKnown = true;
    }
    return CStepDialogPlace::KeptOnScreen(m_DialogPos, size);
}

void CSequence::SetDialogPos(int x, int y)
{
    m_DialogPos = QPoint(x, y);
    m_bDialogPosKnown = true;
    CStepDialogPlace::Remember(m_DialogPos);
}

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

void CSequence::RestoreModifiedFlag()
{
    m_Doc.SetModifiedFlag(m_bDocWasModified);
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
    if (bAsk && curve.GetModified() && CExportPromptDlg::Ask(&m_View)) {
        // Selected, so that "Save Curves" opens with this curve chosen.
        m_Doc.ClearSelection();
        curve.SetSelected(true);
        m_Doc.OnExport();
    }
}
