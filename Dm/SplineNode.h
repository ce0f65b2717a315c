#pragma once

#include <cstdint>
#include <memory>

#include "platform/Object.h"
#include "platform/Point.h"

class CDrawContext;
class CSplineCurve;
class CSplineSegment;

// An anchor node of a spline curve, in bitmap pixels (x to the right, y down). The curve owns
// its nodes; a node knows its curve and the two segments that meet at it (neither owned):
// the back segment leads to the next node, the front segment comes from the previous one.
// A node is deleted only after both segments have let go of it.
//
// Coordinates are kept within +/-kAnchorLimit (anchors) and +/-kHandleLimit (handle
// offsets), so that an anchor plus a handle, a difference of two anchors or a negated handle
// never leaves the 32-bit range, whatever a document holds.
class CSplineNode : public CObject {
    DECLARE_DYNAMIC(CSplineNode)
public:
    // The pick radius: tolerance of every hit test, the length under which a handle
    // collapses into its anchor, and the half size of the markers.
    static constexpr int kPickRadius = 2;
    static constexpr int32_t kAnchorLimit = 1 << 26;
    static constexpr int32_t kHandleLimit = 1 << 27;

    ~CSplineNode() override;
    CSplineNode& operator=(const CSplineNode&) = delete;

    // The anchor is within the pick radius of point.
    virtual bool HitTest(const CPoint& point) const;
    // The anchor marker: a rectangle from anchor - (2, 2) to anchor + (3, 3), right and bottom
    // exclusive, with the pen and brush in force.
    virtual void Draw(CDrawContext& dc) const;
    // Moves the grabbed part towards point; true when anything changed.
    virtual bool Move(const CPoint& point, bool bShift, bool bCtrl) = 0;
    // A copy without segment links, on the same curve.
    virtual std::unique_ptr<CSplineNode> Clone() const = 0;

    const CPoint& GetAnchor() const { return m_Anchor; }
    CSplineCurve* GetCurve() const { return m_pCurve; }
    void SetCurve(CSplineCurve* pCurve) { m_pCurve = pCurve; }
    CSplineSegment* GetBackSegment() const { return m_pBackSegment; }
    CSplineSegment* GetFrontSegment() const { return m_pFrontSegment; }
    // Segments link and unlink themselves (CSplineSegment).
    void SetBackSegment(CSplineSegment* pSegment) { m_pBackSegment = pSegment; }
    void SetFrontSegment(CSplineSegment* pSegment) { m_pFrontSegment = pSegment; }

    // Distance test of the whole model: |a - b| <= kPickRadius, in doubles.
    static bool IsWithinPickRadius(const CPoint& a, const CPoint& b);
    static CPoint ClampAnchor(const CPoint& p);
    static CPoint ClampHandle(const CPoint& p);
    // The marker square of a point: p - (2, 2) to p + (3, 3).
    static CRect MarkerRect(const CPoint& p);

protected:
    CSplineNode() = default;
    CSplineNode(CSplineCurve* pCurve, const CPoint& anchor);
    // Copies the anchor and the curve, not the segment links.
    CSplineNode(const CSplineNode& other);

    CPoint m_Anchor;
    CSplineCurve* m_pCurve = nullptr;
    CSplineSegment* m_pBackSegment = nullptr;
    CSplineSegment* m_pFrontSegment = nullptr;
};
