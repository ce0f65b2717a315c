#include "Dm/BezierNode.h"

#include <cmath>

#include "Dm/Geometry.h"
#include "platform/Archive.h"
#include "platform/DrawContext.h"

IMPLEMENT_SERIAL(CBezierNode, CSplineNode, 1)

CBezierNode::CBezierNode(CSplineCurve* pCurve, const CPoint& anchor) : CSplineNode(pCurve, anchor) {}

CBezierNode::CBezierNode(CSplineCurve* pCurve, const CPoint& anchor, const CPoint& frontHandle,
                         const CPoint& backHandle)
    : CSplineNode(pCurve, anchor),
      m_FrontHandle(ClampHandle(frontHandle)),
      m_BackHandle(ClampHandle(backHandle))
{
}

CBezierNode::CBezierNode(const CBezierNode& other)
    : CSplineNode(other),
      m_FrontHandle(other.m_FrontHandle),
      m_BackHandle(other.m_BackHandle),
      m_bSmooth(other.m_bSmooth)
{
}

std::unique_ptr<CSplineNode> CBezierNode::Clone() const
{
    return std::unique_ptr<CSplineNode>(new CBezierNode(*this));
}

bool CBezierNode::HitTest(const CPoint& point) const
{
    return IsWithinPickRadius(m_Anchor, point) || IsWithinPickRadius(GetBackHandleEnd(), point) ||
           IsWithinPickRadius(GetFrontHandleEnd(), point);
}

void CBezierNode::Draw(CDrawContext& dc) const
{
    const CPoint backEnd = GetBackHandleEnd();
    const CPoint frontEnd = GetFrontHandleEnd();
    dc.MoveTo(backEnd);
    dc.LineTo(m_Anchor);
    dc.LineTo(frontEnd);
    CSplineNode::Draw(dc);
    dc.Ellipse(MarkerRect(backEnd));
    dc.Ellipse(MarkerRect(frontEnd));
}

bool CBezierNode::Move(const CPoint& point, bool bShift, bool bCtrl)
{
    switch (m_nGrab) {
        case kGrabNone:
            return false;
        case kGrabAnchor: {
            const CPoint anchor = ClampAnchor(point);
            if (anchor == m_Anchor)
                return false;
            m_Anchor = anchor;
            return true;
        }
        case kGrabFrontHandle:
        case kGrabBackHandle:
            return MoveHandle(point, bShift, bCtrl);
        default:
            // A grab value the node never sets by itself: nothing to move.
            return false;
    }
}

bool CBezierNode::MoveHandle(const CPoint& point, bool bShift, bool bCtrl)
{
    if (bCtrl && !bShift)
        m_bSmooth = false;
    else if (bShift && !bCtrl)
        m_bSmooth = true;
    else if (bShift && bCtrl)
        bShift = false;

    CPoint& moved = m_nGrab == kGrabFrontHandle ? m_FrontHandle : m_BackHandle;
    CPoint& opposite = m_nGrab == kGrabFrontHandle ? m_BackHandle : m_FrontHandle;
    const CPoint oldMoved = moved;
    const CPoint oldOpposite = opposite;

    const CPoint target = ClampAnchor(point);
    moved = IsWithinPickRadius(target, m_Anchor) ? CPoint() : ClampHandle(target - m_Anchor);

    if ((m_nMode == kCreating && m_bSmooth) || (m_nMode == kModifying && bShift)) {
        opposite = CPoint(-moved.x, -moved.y);
    } else if (m_bSmooth && moved != CPoint()) {
        // Turn the opposite handle to point straight away from the moved one, keeping its
        // own length.
        const double movedLength = std::hypot(static_cast<double>(moved.x), static_cast<double>(moved.y));
        const double oppositeLength =
            std::hypot(static_cast<double>(opposite.x), static_cast<double>(opposite.y));
        const double scale = oppositeLength / movedLength;
        opposite = ClampHandle(CPoint(-RoundHalfAway(moved.x * scale), -RoundHalfAway(moved.y * scale)));
    }
    return moved != oldMoved || opposite != oldOpposite;
}

void CBezierNode::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WritePoint(m_Anchor);
        ar.WritePoint(m_BackHandle);
        ar.WritePoint(m_FrontHandle);
        ar.WriteDword(m_bSmooth ? 1 : 0);
    } else {
        m_Anchor = ClampAnchor(ar.ReadPoint());
        m_BackHandle = ClampHandle(ar.ReadPoint());
        m_FrontHandle = ClampHandle(ar.ReadPoint());
        m_bSmooth = ar.ReadDword() != 0;
        m_nMode = kIdle;
        m_nGrab = kGrabNone;
    }
}
