#include "Dm/SplineNode.h"

#include <algorithm>

#include "Dm/SplineSegment.h"
#include "platform/DrawContext.h"

IMPLEMENT_DYNAMIC(CSplineNode, CObject)

CSplineNode::CSplineNode(CSplineCurve* pCurve, const CPoint& anchor)
    : m_Anchor(ClampAnchor(anchor)), m_pCurve(pCurve)
{
}

CSplineNode::CSplineNode(const CSplineNode& other)
    : CObject(other), m_Anchor(other.m_Anchor), m_pCurve(other.m_pCurve)
{
}

CSplineNode::~CSplineNode()
{
    // The curve deletes the segments first; should a segment still point here, it must not
    // keep a dangling node.
    if (m_pBackSegment != nullptr)
        m_pBackSegment->DetachNode(this);
    if (m_pFrontSegment != nullptr)
        m_pFrontSegment->DetachNode(this);
}

bool CSplineNode::HitTest(const CPoint& point) const
{
    return IsWithinPickRadius(m_Anchor, point);
}

void CSplineNode::Draw(CDrawContext& dc) const
{
    dc.Rectangle(MarkerRect(m_Anchor));
}

bool CSplineNode::IsWithinPickRadius(const CPoint& a, const CPoint& b)
{
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    return dx * dx + dy * dy <= static_cast<double>(kPickRadius) * kPickRadius;
}

CPoint CSplineNode::ClampAnchor(const CPoint& p)
{
    return {std::clamp(p.x, -kAnchorLimit, kAnchorLimit), std::clamp(p.y, -kAnchorLimit, kAnchorLimit)};
}

CPoint CSplineNode::ClampHandle(const CPoint& p)
{
    return {std::clamp(p.x, -kHandleLimit, kHandleLimit), std::clamp(p.y, -kHandleLimit, kHandleLimit)};
}

CRect CSplineNode::MarkerRect(const CPoint& p)
{
    return {p.x - kPickRadius, p.y - kPickRadius, p.x + kPickRadius + 1, p.y + kPickRadius + 1};
}
