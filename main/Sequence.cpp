#include "main/Sequence.h"

#include "Dm/PlotvaneDoc.h"
#include "main/PlotvaneView.h"

CSequence::CSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, CCurve* pCurve)
    : m_pCurve(pCurve), m_pCoordSyst(pCoordSyst), m_Steps(64, STEP_NONE), m_View(view), m_Doc(doc)
{
    const QPoint origin = view.mapToGlobal(QPoint(0, 0));
    m_DialogPos = origin + QPoint(10, 10);
    m_Doc.ClearSelection();
    m_View.OnDocumentChanged();
}

CSequence::~CSequence() = default;

void CSequence::Move(int nDelta)
{
    m_nCurrentStep += nDelta;
}
