#pragma once

#include <vector>

#include "platform/Point.h"

class CDrawContext;
class CSplineCurve;
class CSplineNode;

// The piece of a spline curve between two consecutive nodes, kept as a polyline of
// resolution + 1 pixel points computed from the nodes (bitmap pixels, y down). The front node
// is the earlier one in the curve, the back node the later one. The curve owns its segments;
// a segment owns neither its nodes nor its curve. A segment links itself into its nodes (as
// the front node's back segment and the back node's front segment) and unlinks itself when
// deleted, unless it is temporary (made only to sample the curve).
class CSplineSegment {
public:
    // The resolution of every segment of a curve.
    static constexpr int kResolution = 30;

    virtual ~CSplineSegment();
    CSplineSegment(const CSplineSegment&) = delete;
    CSplineSegment& operator=(const CSplineSegment&) = delete;

    // Appends the polyline's points in order.
    virtual void GetPoints(std::vector<CPoint>& points) const;
    // Whether point lies on the segment, away from its two end points; the curve parameter of
    // the hit, strictly between 0 and 1, goes to *pT. Recomputes the polyline first.
    virtual bool HitTest(const CPoint& point, double* pT);
    bool HitTest(const CPoint& point) { return HitTest(point, nullptr); }
    // A polyline through the points with the pen in force, when there are at least two.
    virtual void Draw(CDrawContext& dc) const;
    // Recomputes the polyline from the current nodes; nothing without both nodes.
    virtual void ComputePolyline() = 0;

    int GetResolution() const { return m_nResolution; }
    const std::vector<CPoint>& GetPointList() const { return m_PointList; }
    CSplineNode* GetFrontNode() const { return m_pFrontNode; }
    CSplineNode* GetBackNode() const { return m_pBackNode; }
    CSplineCurve* GetCurve() const { return m_pCurve; }
    bool IsTemporary() const { return m_bTemporary; }

    // Called by a node that goes away while this segment still refers to it.
    void DetachNode(const CSplineNode* pNode);

protected:
    // A resolution below 1 counts as 1.
    CSplineSegment(CSplineCurve* pCurve, int nResolution, CSplineNode* pFrontNode, CSplineNode* pBackNode,
                   bool bTemporary);

    int m_nResolution;
    std::vector<CPoint> m_PointList;
    CSplineNode* m_pBackNode;
    CSplineNode* m_pFrontNode;
    CSplineCurve* m_pCurve;
    bool m_bTemporary;
};
