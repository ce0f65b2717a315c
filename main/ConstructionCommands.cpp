#include "main/ConstructionCommands.h"

#include <memory>

#include "Dm/CoordSyst.h"
#include "Dm/Curve.h"
#include "Dm/PlotvaneDoc.h"
#include "main/CompleteSequence.h"
#include "main/ContinuousSequence.h"
#include "main/CoordSequence.h"
#include "main/DensitoSequence.h"
#include "main/DiscreteSequence.h"
#include "main/PlotvaneView.h"
#include "main/SplineSequence.h"
#include "platform/MessageService.h"
#include "platform/StringIds.h"

namespace {

// The sequence of a curve's kind on pCoordSyst; pCurve: the curve to modify, or null.
std::unique_ptr<CSequence> MakeCurveSequence(CConstructionCommands::CurveKind kind, CPlotvaneView& view,
                                             CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, CCurve* pCurve)
{
    switch (kind) {
        case CConstructionCommands::SPLINE:
            return std::make_unique<CSplineSequence>(view, doc, pCoordSyst, pCurve);
        case CConstructionCommands::DISCRETE:
            return std::make_unique<CDiscreteSequence>(view, doc, pCoordSyst, pCurve);
        case CConstructionCommands::DENSITOMETRY:
            return std::make_unique<CDensitoSequence>(view, doc, pCoordSyst, pCurve);
        case CConstructionCommands::CONTINUOUS:
            break;
    }
    return std::make_unique<CContinuousSequence>(view, doc, pCoordSyst, pCurve);
}

// The kind of an existing curve, tested in the order continuous, discrete, densitometry,
// spline.
CConstructionCommands::CurveKind KindOf(const CCurve& curve)
{
    if (CContinuousSequence::IsOfKind(curve))
        return CConstructionCommands::CONTINUOUS;
    if (CDiscreteSequence::IsOfKind(curve))
        return CConstructionCommands::DISCRETE;
    if (CDensitoSequence::IsOfKind(curve))
        return CConstructionCommands::DENSITOMETRY;
    return CConstructionCommands::SPLINE;
}

}  // namespace

void CConstructionCommands::NewCoordSyst()
{
    m_View.StartSequence(std::make_unique<CCoordSequence>(m_View, m_Doc));
}

void CConstructionCommands::NewCurve(CurveKind kind)
{
    CCoordSyst* pCoordSyst = m_Doc.GetSelectedCoordSyst();
    if (pCoordSyst == nullptr) {
        AfxMessageBox(IDS_SELECT_COORDSYST_FIRST, CMessageService::Icon::Information);
        return;
    }
    m_View.StartSequence(MakeCurveSequence(kind, m_View, m_Doc, pCoordSyst, nullptr));
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
        if (pCurve->GetCoordSyst() != nullptr)
            m_View.StartSequence(
                MakeCurveSequence(KindOf(*pCurve), m_View, m_Doc, pCurve->GetCoordSyst(), pCurve));
    }
}
