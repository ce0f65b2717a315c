#include "Dm/SplineCurve.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

#include "Dm/CoordSyst.h"
#include "Dm/SplineNode.h"
#include "Dm/SplineResults.h"
#include "Dm/SplineSegment.h"
#include "platform/DrawContext.h"

IMPLEMENT_DYNAMIC(CSplineCurve, CCurve)

CSplineCurve::CSplineCurve() = default;

CSplineCurve::CSplineCurve(CCoordSyst* pCoordSyst) : CCurve(pCoordSyst) {}

CSplineCurve::CSplineCurve(const CSplineCurve& other) : CCurve(other) {}

CSplineCurve::~CSplineCurve()
{
    DeleteNodesAndSegments();
}

void CSplineCurve::DeleteNodesAndSegments()
{
    // Segments first: a node goes only once no segment refers to it.
    m_SegmentList.clear();
    m_NodeList.clear();
    m_pActiveNode = nullptr;
    // No nodes, no segments: the lists match.
    m_bSegmentsBuilt = true;
}

void CSplineCurve::Clear()
{
    ReleaseQuickDraw();
    const bool bHadNodes = !m_NodeList.empty();
    DeleteNodesAndSegments();
    if (bHadNodes)
        SetModified(true);
}

void CSplineCurve::AppendLoadedNode(std::unique_ptr<CSplineNode> pNode)
{
    pNode->SetCurve(this);
    m_NodeList.push_back(std::move(pNode));
    m_bSegmentsBuilt = false;
}

CSplineCurve::NodeList::iterator CSplineCurve::FindNode(const CSplineNode* pNode)
{
    return std::find_if(m_NodeList.begin(), m_NodeList.end(),
                        [pNode](const std::unique_ptr<CSplineNode>& p) { return p.get() == pNode; });
}

CSplineCurve::SegmentList::iterator CSplineCurve::FindSegment(const CSplineSegment* pSegment)
{
    return std::find_if(m_SegmentList.begin(), m_SegmentList.end(),
                        [pSegment](const std::unique_ptr<CSplineSegment>& p) { return p.get() == pSegment; });
}

void CSplineCurve::EnsureSegments()
{
    if (m_NodeList.size() < 2)
        return;
    if (!m_bSegmentsBuilt) {
        m_SegmentList.clear();
        for (auto it = m_NodeList.begin(); std::next(it) != m_NodeList.end(); ++it)
            m_SegmentList.push_back(
                NewSegment(CSplineSegment::kResolution, it->get(), std::next(it)->get(), false));
        m_bSegmentsBuilt = true;
    }
    for (const auto& pSegment : m_SegmentList)
        pSegment->ComputePolyline();
}

void CSplineCurve::EnsureSegmentsBuilt()
{
    if (m_bSegmentsBuilt)
        return;
    if (m_NodeList.size() >= 2) {
        EnsureSegments();
        return;
    }
    // No pair of nodes, so no segment: the empty list matches, and segments added from
    // now on keep it matching.
    m_SegmentList.clear();
    m_bSegmentsBuilt = true;
}

bool CSplineCurve::AddBack(const CPoint& point)
{
    if (m_NodeList.size() >= kMaxNodeCount)
        return false;
    EnsureSegmentsBuilt();
    CSplineNode* pLast = m_NodeList.empty() ? nullptr : m_NodeList.back().get();
    m_NodeList.push_back(NewNode(point));
    CSplineNode* pNode = m_NodeList.back().get();
    if (pLast != nullptr) {
        std::unique_ptr<CSplineSegment> pSegment =
            NewSegment(CSplineSegment::kResolution, pLast, pNode, false);
        pSegment->ComputePolyline();
        m_SegmentList.push_back(std::move(pSegment));
    }
    m_pActiveNode = pNode;
    SetModified(true);
    return true;
}

bool CSplineCurve::AddFront(const CPoint& point)
{
    if (m_NodeList.size() >= kMaxNodeCount)
        return false;
    EnsureSegmentsBuilt();
    CSplineNode* pFirst = m_NodeList.empty() ? nullptr : m_NodeList.front().get();
    m_NodeList.push_front(NewNode(point));
    CSplineNode* pNode = m_NodeList.front().get();
    if (pFirst != nullptr) {
        std::unique_ptr<CSplineSegment> pSegment =
            NewSegment(CSplineSegment::kResolution, pNode, pFirst, false);
        pSegment->ComputePolyline();
        m_SegmentList.push_front(std::move(pSegment));
    }
    m_pActiveNode = pNode;
    SetModified(true);
    return true;
}

bool CSplineCurve::InsertNodeAt(const CPoint& point)
{
    EnsureSegmentsBuilt();
    for (const auto& pSegment : m_SegmentList) {
        double t = 0.0;
        if (!pSegment->HitTest(point, &t))
            continue;
        // The split changes the list: leave the loop whatever it answers.
        CSplineNode* pNode = InsertNodeOnSegment(pSegment.get(), t);
        if (pNode == nullptr)
            return false;
        m_pActiveNode = pNode;
        SetModified(true);
        return true;
    }
    return false;
}

bool CSplineCurve::RemoveNodeAt(const CPoint& point)
{
    EnsureSegmentsBuilt();
    CSplineNode* pNode = FindNodeAt(point);
    if (pNode == nullptr)
        return false;
    // The preview and the active node may refer to the node that goes.
    ReleaseQuickDraw();
    if (m_pActiveNode == pNode)
        m_pActiveNode = nullptr;

    const auto nodePos = FindNode(pNode);
    CSplineNode* pPrevious = nodePos != m_NodeList.begin() ? std::prev(nodePos)->get() : nullptr;
    CSplineNode* pNext = std::next(nodePos) != m_NodeList.end() ? std::next(nodePos)->get() : nullptr;

    for (CSplineSegment* pSegment : {pNode->GetBackSegment(), pNode->GetFrontSegment()}) {
        if (pSegment == nullptr)
            continue;
        const auto segmentPos = FindSegment(pSegment);
        if (segmentPos != m_SegmentList.end())
            m_SegmentList.erase(segmentPos);
    }
    m_NodeList.erase(nodePos);

    if (pPrevious != nullptr && pNext != nullptr) {
        std::unique_ptr<CSplineSegment> pJoin =
            NewSegment(CSplineSegment::kResolution, pPrevious, pNext, false);
        pJoin->ComputePolyline();
        // pNext's back segment, if any, is the one that now follows the join.
        m_SegmentList.insert(FindSegment(pNext->GetBackSegment()), std::move(pJoin));
    }
    SetModified(true);
    return true;
}

bool CSplineCurve::MoveActiveNode(const CPoint& point, bool bShift, bool bCtrl)
{
    if (m_pActiveNode == nullptr)
        return false;
    if (!m_pActiveNode->Move(point, bShift, bCtrl))
        return false;
    if (CSplineSegment* pSegment = m_pActiveNode->GetFrontSegment())
        pSegment->ComputePolyline();
    if (CSplineSegment* pSegment = m_pActiveNode->GetBackSegment())
        pSegment->ComputePolyline();
    SetModified(true);
    return true;
}

void CSplineCurve::GetSamplePoints(int nPointsPerSegment, std::vector<CLogicPoint>& points)
{
    if (m_NodeList.size() < 2 || m_pCoordSyst == nullptr ||
        nPointsPerSegment < CSplineResults::kMinPointsPerSegment ||
        nPointsPerSegment > CSplineResults::kMaxPointsPerSegment)
        return;

    points.clear();
    points.reserve(static_cast<size_t>(nPointsPerSegment) * (m_NodeList.size() - 1) + 1);
    std::vector<CPoint> polyline;
    for (auto it = m_NodeList.begin(); std::next(it) != m_NodeList.end(); ++it) {
        const bool bLastPair = std::next(it, 2) == m_NodeList.end();
        std::unique_ptr<CSplineSegment> pSegment =
            NewSegment(nPointsPerSegment, it->get(), std::next(it)->get(), true);
        pSegment->ComputePolyline();
        polyline.clear();
        pSegment->GetPoints(polyline);
        // Each segment's last point is the next segment's first: only the last pair keeps it.
        const size_t nTake =
            std::min(polyline.size(), static_cast<size_t>(nPointsPerSegment) + (bLastPair ? 1 : 0));
        for (size_t i = 0; i < nTake; ++i)
            points.push_back(m_pCoordSyst->PixelToGraph(polyline[i]));
    }
}

CSplineNode* CSplineCurve::FindNodeAt(const CPoint& point) const
{
    for (const auto& pNode : m_NodeList) {
        if (CSplineNode::IsWithinPickRadius(pNode->GetAnchor(), point))
            return pNode.get();
    }
    return nullptr;
}

bool CSplineCurve::HitTest(int x, int y)
{
    EnsureSegmentsBuilt();
    const CPoint point(x, y);
    for (const auto& pNode : m_NodeList) {
        if (pNode->HitTest(point))
            return true;
    }
    for (const auto& pSegment : m_SegmentList) {
        if (pSegment->HitTest(point))
            return true;
    }
    return false;
}

void CSplineCurve::Draw(CDrawContext& dc)
{
    EnsureSegmentsBuilt();
    dc.SetPen(m_Color, m_bSelected ? 2 : 1);
    // Markers and handle circles are outlines: the graph stays visible through them.
    dc.SetBrush(false, 0);
    for (const auto& pSegment : m_SegmentList)
        pSegment->Draw(dc);
    for (const auto& pNode : m_NodeList)
        pNode->Draw(dc);
}
