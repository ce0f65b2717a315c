#pragma once

#include <memory>

#include "Dm/SplineCurve.h"

class CBezierNode;
class CBezierQuickDraw;

// A spline curve of cubic Bezier segments whose nodes carry two handles (CBezierNode),
// in bitmap pixels (y down). Owns its nodes, segments and, during a drag, the preview of the
// active node drawn in inverted ink (CBezierQuickDraw). Its results are a CSplineResults.
// Stored as the curve base part followed by the nodes, front to back.
class CBezierCurve : public CSplineCurve {
    DECLARE_SERIAL(CBezierCurve)
public:
    CBezierCurve();
    explicit CBezierCurve(CCoordSyst* pCoordSyst);
    ~CBezierCurve() override;

    // A new curve on the same coordinate system with the base part and a clone of every node
    // (idle); its segments are built by EnsureSegments.
    std::unique_ptr<CCurve> Clone() const override;
    CResults* GetResults() override;

    // The new node's back handle follows the mouse while it is being created.
    bool AddBack(const CPoint& point) override;
    // The new node's front handle follows the mouse while it is being created.
    bool AddFront(const CPoint& point) override;
    // Handles first (front, then back, node by node), then anchors. A handle of length 0 lies
    // on its anchor and is not grabbed: a press on the anchor of a sharp node moves the node.
    bool SelectNodeAt(const CPoint& point) override;
    bool SelectHandleOutOfAnchorAt(const CPoint& point) override;
    void EndMove() override;
    void ReleaseQuickDraw() override;
    // Draws the preview of the active node, building it when there is none.
    void QuickDraw(CDrawContext& dc, const CPoint& point) override;
    // A new preview for the active node; nothing without one.
    void BuildQuickDraw() override;
    // De Casteljau subdivision: the new node lies on the curve at t with the handles that keep
    // both halves on the old curve (a handle of length 2 or less collapses to (0, 0)); its
    // anchor follows the mouse next.
    CSplineNode* InsertNodeOnSegment(CSplineSegment* pSegment, double t) override;
    std::unique_ptr<CSplineNode> NewNode(const CPoint& point) override;
    std::unique_ptr<CSplineSegment> NewSegment(int nResolution, CSplineNode* pFrontNode,
                                               CSplineNode* pBackNode, bool bTemporary) override;

    const CBezierQuickDraw* GetQuickDraw() const { return m_pQuickDraw.get(); }

    // Loading refuses a node reference that is null or not a Bezier node (archive exception)
    // and rebuilds the segments once at least two nodes are read.
    void Serialize(CArchive& ar) override;

private:
    CBezierCurve(const CBezierCurve& other);
    CBezierNode* ActiveBezierNode() const;
    // Makes pNode (may be null: false) the active node, nGrab following the mouse in the move
    // mode nMode.
    bool Grab(CBezierNode* pNode, int nGrab, int nMode);

    std::unique_ptr<CBezierQuickDraw> m_pQuickDraw;
};
