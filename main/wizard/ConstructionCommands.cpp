#include "main/wizard/ConstructionCommands.h"

#include <memory>

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/wizard/CompleteSequence.h"
#include "main/wizard/CoordSequence.h"
#include "main/view/PlotvaneView.h"
#include "main/wizard/WindowCurveKinds.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"

void CConstructionCommands::NewCoordSyst()
{
    m_View.StartSequence(std::make_unique<CCoordSequence>(m_View, m_Doc));
}

void CConstructionCommands::NewCurve(ECurveKind kind)
{
    CCoordSyst* pCoordSyst = m_Doc.GetSelectedCoordSyst();
    if (pCoordSyst == nullptr) {
        AfxMessageBox(IDS_SELECT_COORDSYST_FIRST, CMessageService::Icon::Information);
        return;
    }
    const CWindowCurveKind& entry = CWindowCurveKinds::Of(kind);
    m_View.StartSequence(entry.makeSequence(entry, m_View, m_Doc, pCoordSyst, nullptr));
}

void CConstructionCommands::NewCoordSystAndCurve()
{
    m_View.StartSequence(std::make_unique<CCompleteSequence>(m_View, m_Doc));
}

void CConstructionCommands::ModifySelected()
{
    if (CCoordSyst* pCoordSyst = m_Doc.GetSelectedCoordSyst()) {
        m_View.StartSequence(std::make_unique<CCoordSequence>(m_View, m_Doc, pCoordSyst));
    } else if (CCurve* pCurve = m_Doc.GetSelectedCurve()) {
        if (pCurve->GetCoordSyst() != nullptr) {
            const CWindowCurveKind& entry = CWindowCurveKinds::Of(pCurve->GetKind());
            m_View.StartSequence(entry.makeSequence(entry, m_View, m_Doc, pCurve->GetCoordSyst(), pCurve));
        }
    }
}
