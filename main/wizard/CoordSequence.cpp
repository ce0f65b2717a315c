#include "main/wizard/CoordSequence.h"

#include <memory>

#include "Dm/CoordSyst.h"
#include "Dm/PlotvaneDoc.h"
#include "main/view/PlotvaneView.h"

CCoordSequence::CCoordSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst)
    : CSequence(view, doc, pCoordSyst, nullptr)
{
}

bool CCoordSequence::Start()
{
    if (m_pCoordSyst == nullptr)
        m_pCoordSyst = m_Doc.AddCoordSyst(std::make_unique<CCoordSyst>(&m_Doc));
    else
        m_pCoordBackup = std::make_unique<CCoordSyst>(*m_pCoordSyst);
    if (m_pCoordSyst == nullptr)
        return false;
    SetSteps({STEP_NONE, STEP_X_AXIS, STEP_Y_AXIS, STEP_END});
    m_nCurrentStep = 0;
    Move(+1);
    return true;
}

void CCoordSequence::Cancel(CConstructionDialog* /*pDialog*/)
{
    m_Doc.DeleteCoordSyst(m_pCoordSyst);
    m_pCoordSyst = nullptr;
    if (m_pCoordBackup != nullptr)
        m_Doc.AddCoordSyst(std::move(m_pCoordBackup));
    RestoreModifiedFlag();
    m_View.DetachDialog();
    m_View.OnDocumentChanged();
    End();
}

void CCoordSequence::Finish()
{
    m_pCoordBackup.reset();
    m_Doc.AdvanceCoordSystCounter();
    m_Doc.ClearSelection();
    m_pCoordSyst->SetSelected(true);
    m_View.OnDocumentChanged();
    End();
}
