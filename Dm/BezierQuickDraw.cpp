#include "Dm/BezierQuickDraw.h"

#include <memory>
#include <utility>

#include "Dm/BezierNode.h"
#include "Dm/SplineSegment.h"
#include "platform/DrawContext.h"

namespace {

const CBezierNode* BezierNodeOf(const CSplineNode* pNode)
{
    return dynamic_cast<const CBezierNode*>(pNode);
}

}  // namespace

CBezierQuickDraw::CBezierQuickDraw(const CBezierNode* pNode) : m_pNode(pNode)
{
    const CBezierNode* pBackNeighbour =
        pNode->GetBackSegment() != nullptr ? BezierNodeOf(pNode->GetBackSegment()->GetBackNode()) : nullptr;
    const CBezierNode* pFrontNeighbour = pNode->GetFrontSegment() != nullptr
                                             ? BezierNodeOf(pNode->GetFrontSegment()->GetFrontNode())
                                             : nullptr;
    m_bBackSegment = pBackNeighbour != nullptr;
    m_bFrontSegment = pFrontNeighbour != nullptr;

    if (m_bBackSegment) {
        m_Points[m_nPointCount++] = pBackNeighbour->GetAnchor();
        m_Points[m_nPointCount++] = pBackNeighbour->GetFrontHandleEnd();
        m_Points[m_nPointCount++] = pNode->GetBackHandleEnd();
    }
    m_Points[m_nPointCount++] = pNode->GetAnchor();
    if (m_bFrontSegment) {
        m_Points[m_nPointCount++] = pNode->GetFrontHandleEnd();
        m_Points[m_nPointCount++] = pFrontNeighbour->GetBackHandleEnd();
        m_Points[m_nPointCount++] = pFrontNeighbour->GetAnchor();
    }
}

CBezierQuickDraw::~CBezierQuickDraw() = default;

void CBezierQuickDraw::Refresh()
{
    const size_t anchorIndex = m_bBackSegment ? 3 : 0;
    m_Points[anchorIndex] = m_pNode->GetAnchor();
    if (m_bBackSegment)
        m_Points[anchorIndex - 1] = m_pNode->GetBackHandleEnd();
    if (m_bFrontSegment)
        m_Points[anchorIndex + 1] = m_pNode->GetFrontHandleEnd();
    m_pNodeClone = StaticDowncast<CBezierNode>(m_pNode->Clone());
}

void CBezierQuickDraw::Draw(CDrawContext& dc, COLORREF color)
{
    // Erasing draws what is on the screen, so the points and the copy of the node are
    // refreshed only afterwards.
    if (m_bOnScreen)
        Paint(dc, color);
    Refresh();
    Paint(dc, color);
    m_bOnScreen = true;
}

void CBezierQuickDraw::Paint(CDrawContext& dc, COLORREF color) const
{
    dc.SetRasterOp(CDrawContext::RasterOp::Invert);
    dc.SetPen(color, 1);
    dc.SetBrush(false, 0);
    if (m_nPointCount > 1)
        dc.PolyBezier(m_Points, m_nPointCount);
    if (m_pNodeClone != nullptr)
        m_pNodeClone->Draw(dc);
    // Model objects draw with the copying operation everywhere else.
    dc.SetRasterOp(CDrawContext::RasterOp::Copy);
}
