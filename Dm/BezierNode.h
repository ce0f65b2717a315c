#pragma once

#include "Dm/SplineNode.h"

// An anchor node of a Bezier spline with its two handles, stored as pixel offsets from the
// anchor: the front handle shapes the segment from the previous node, the back handle the
// segment to the next node. A smooth node keeps both handles on one line through the
// anchor; a corner leaves them independent. While the user drags, the mode tells why the
// node is being moved and the grab which of its parts follows the mouse.
class CBezierNode : public CSplineNode {
    DECLARE_SERIAL(CBezierNode)
public:
    enum Mode { kIdle = 0, kCreating = 1, kModifying = 2 };
    enum Grab { kGrabNone = 0, kGrabAnchor = 1, kGrabFrontHandle = 2, kGrabBackHandle = 3 };

    CBezierNode() = default;
    // Handles (0, 0), smooth, idle, nothing grabbed.
    CBezierNode(CSplineCurve* pCurve, const CPoint& anchor);
    // A node with the given handles (used when a segment is split).
    CBezierNode(CSplineCurve* pCurve, const CPoint& anchor, const CPoint& frontHandle,
                const CPoint& backHandle);

    // The anchor or either handle end is within the pick radius of point.
    bool HitTest(const CPoint& point) const override;
    // A line from the back-handle end through the anchor to the front-handle end, the anchor
    // marker, and a circle in the marker square of each handle end.
    void Draw(CDrawContext& dc) const override;
    // Ctrl alone makes a corner and Shift alone makes the node smooth; with both keys the
    // smooth flag stays and Shift counts as released. A dragged handle within the pick radius
    // of the anchor collapses to (0, 0). The opposite handle mirrors the dragged one exactly
    // while creating a smooth node or with Shift while modifying; otherwise a smooth node
    // turns it to point away from the dragged handle, keeping its length.
    bool Move(const CPoint& point, bool bShift, bool bCtrl) override;
    // Anchor, handles and smooth flag; idle, nothing grabbed, no segment links.
    std::unique_ptr<CSplineNode> Clone() const override;

    const CPoint& GetFrontHandle() const { return m_FrontHandle; }
    const CPoint& GetBackHandle() const { return m_BackHandle; }
    void SetFrontHandle(const CPoint& handle) { m_FrontHandle = ClampHandle(handle); }
    void SetBackHandle(const CPoint& handle) { m_BackHandle = ClampHandle(handle); }
    // The handle ends in bitmap pixels.
    CPoint GetFrontHandleEnd() const { return m_Anchor + m_FrontHandle; }
    CPoint GetBackHandleEnd() const { return m_Anchor + m_BackHandle; }

    bool IsSmooth() const { return m_bSmooth; }
    void SetSmooth(bool bSmooth) { m_bSmooth = bSmooth; }
    int GetMode() const { return m_nMode; }
    void SetMode(int nMode) { m_nMode = nMode; }
    int GetGrab() const { return m_nGrab; }
    void SetGrab(int nGrab) { m_nGrab = nGrab; }

    // Anchor, back handle, front handle, smooth flag. Loaded coordinates are brought within
    // the limits of the model.
    void Serialize(CArchive& ar) override;

private:
    CBezierNode(const CBezierNode& other);
    bool MoveHandle(const CPoint& point, bool bShift, bool bCtrl);

    CPoint m_FrontHandle;
    CPoint m_BackHandle;
    bool m_bSmooth = true;
    int m_nMode = kIdle;
    int m_nGrab = kGrabNone;
};
