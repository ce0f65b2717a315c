#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <vector>

#include "Dm/Curve.h"
#include "Dm/LogicPoint.h"

class CSplineNode;
class CSplineSegment;

// A curve drawn by hand as a chain of segments between anchor nodes, in bitmap pixels (x to
// the right, y down). The nodes run from the front (first) to the back (last); segment i joins
// nodes i and i + 1. The curve owns its nodes and segments; segments are always rebuilt or
// recomputed from the nodes and never stored. The active node is the one being created or
// modified between a mouse press and its release (one of the owned nodes, or null).
//
// This class holds the list handling shared by every spline kind; the kind of node and
// segment, the handles and the drag preview belong to the concrete kind (CBezierCurve).
class CSplineCurve : public CCurve {
    DECLARE_DYNAMIC(CSplineCurve)
public:
    using NodeList = std::list<std::unique_ptr<CSplineNode>>;
    using SegmentList = std::list<std::unique_ptr<CSplineSegment>>;

    // No spline drawn by hand comes near this; it bounds what a document can make the
    // program build and sample.
    static constexpr size_t kMaxNodeCount = 10000;

    ~CSplineCurve() override;

    // A node at point before the first node (AddFront) or after the last one (AddBack), joined
    // to it by a new segment; it becomes the active node. False only when the curve already
    // holds kMaxNodeCount nodes.
    virtual bool AddFront(const CPoint& point);
    virtual bool AddBack(const CPoint& point);
    // Splits the first segment hit at point (InsertNodeOnSegment); the new node becomes
    // active. False when no segment is hit.
    virtual bool InsertNodeAt(const CPoint& point);
    // Removes the first node whose anchor is within the pick radius, joining its neighbours
    // by a new segment when it had two. False when no anchor is there.
    virtual bool RemoveNodeAt(const CPoint& point);
    // Makes the node grabbed at point active for modification.
    virtual bool SelectNodeAt(const CPoint& point) = 0;
    // Makes the node whose anchor is at point active with its front handle grabbed, so that
    // the drag pulls its handles out of the anchor as when the node was made (the back handle
    // mirrors the front one while the node is smooth). False when no anchor is there.
    virtual bool SelectHandleOutOfAnchorAt(const CPoint& point) = 0;
    // Moves the active node's grabbed part and recomputes its two segments; true when
    // anything changed. Nothing without an active node.
    virtual bool MoveActiveNode(const CPoint& point, bool bShift, bool bCtrl);
    // The active node is released.
    virtual void EndMove() = 0;
    // Forgets the drag preview without erasing it.
    virtual void ReleaseQuickDraw() = 0;
    // Draws the drag preview of the active node, erasing its previous drawing.
    virtual void QuickDraw(CDrawContext& dc, const CPoint& point) = 0;
    virtual void BuildQuickDraw() = 0;
    // Replaces points by the curve sampled at nPointsPerSegment points per segment, converted
    // to graph units: nPointsPerSegment * (nodes - 1) + 1 points from the front node to the
    // back node. Nothing happens (points untouched) with fewer than two nodes, without a
    // coordinate system, or with a count outside 1..1000.
    virtual void GetSamplePoints(int nPointsPerSegment, std::vector<CLogicPoint>& points);
    // The first node whose anchor is within the pick radius of point, or null.
    virtual CSplineNode* FindNodeAt(const CPoint& point) const;
    // Splits the segment at t (0 < t < 1) keeping the curve's shape; the new node, or null
    // when the segment or t cannot be split.
    virtual CSplineNode* InsertNodeOnSegment(CSplineSegment* pSegment, double t) = 0;
    // A new node of the curve's kind, not yet in the list.
    virtual std::unique_ptr<CSplineNode> NewNode(const CPoint& point) = 0;
    // A new segment of the curve's kind, not yet in the list, linked into its nodes unless
    // temporary.
    virtual std::unique_ptr<CSplineSegment> NewSegment(int nResolution, CSplineNode* pFrontNode,
                                                       CSplineNode* pBackNode, bool bTemporary) = 0;

    // Any node, in list order, then any segment.
    bool HitTest(int x, int y) override;
    ECurveKind GetKind() const override { return ECurveKind::Spline; }
    // The segments' polylines, then the nodes, with a solid pen of the curve's colour, two
    // pixels wide when selected.
    void Draw(CDrawContext& dc) override;

    size_t GetNodeCount() const { return m_NodeList.size(); }
    const NodeList& GetNodeList() const { return m_NodeList; }
    const SegmentList& GetSegmentList() const { return m_SegmentList; }
    CSplineNode* GetActiveNode() const { return m_pActiveNode; }

    // Deletes every segment and node; no active node, no preview.
    void Clear();
    // Builds the segment list from the nodes when it was not built (after cloning or
    // loading), then recomputes every segment. Nothing with fewer than two nodes.
    void EnsureSegments();

protected:
    CSplineCurve();
    explicit CSplineCurve(CCoordSyst* pCoordSyst);
    // The curve base part only: the concrete kind copies the nodes.
    CSplineCurve(const CSplineCurve& other);

    // Deletes the segments, then the nodes, without marking a change.
    void DeleteNodesAndSegments();
    // The editing operations work on a segment list that matches the nodes.
    void EnsureSegmentsBuilt();
    // A node appended by cloning or loading: the segment list no longer matches.
    void AppendLoadedNode(std::unique_ptr<CSplineNode> pNode);
    // The position of an owned node or segment in its list (end() when not there).
    NodeList::iterator FindNode(const CSplineNode* pNode);
    SegmentList::iterator FindSegment(const CSplineSegment* pSegment);

    NodeList m_NodeList;
    SegmentList m_SegmentList;
    // The segment list matches the nodes (true for an empty curve; false after cloning or
    // loading until EnsureSegments).
    bool m_bSegmentsBuilt = true;
    CSplineNode* m_pActiveNode = nullptr;
};
