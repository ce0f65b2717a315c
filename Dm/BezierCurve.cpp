#include "Dm/BezierCurve.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "Dm/BezierNode.h"
#include "Dm/BezierQuickDraw.h"
#include "Dm/BezierSegment.h"
#include "Dm/Geometry.h"
#include "Dm/SplineResults.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CBezierCurve, CSplineCurve, 1)

namespace {

// Handles of the pick radius or shorter are not worth keeping: they would only show as a
// circle on the anchor.
CPoint CollapseShortHandle(const CPoint& handle)
{
    return CSplineNode::IsWithinPickRadius(handle, CPoint()) ? CPoint() : handle;
}

CPoint RoundScaled(double dx, double dy, double scale)
{
    return {RoundHalfAway(dx * scale), RoundHalfAway(dy * scale)};
}

// The smallest record of a node reference: a class index WORD and the node's 28 bytes.
constexpr size_t kMinNodeRecordBytes = 2 + 28;

}  // namespace

CBezierCurve::CBezierCurve() = default;

CBezierCurve::CBezierCurve(CCoordSyst* pCoordSyst) : CSplineCurve(pCoordSyst) {}

CBezierCurve::CBezierCurve(const CBezierCurve& other) : CSplineCurve(other)
{
    for (const auto& pNode : other.m_NodeList)
        AppendLoadedNode(pNode->Clone());
}

CBezierCurve::~CBezierCurve()
{
    DeleteNodesAndSegments();
}

std::unique_ptr<CCurve> CBezierCurve::Clone() const
{
    return std::unique_ptr<CCurve>(new CBezierCurve(*this));
}

CResults* CBezierCurve::GetResults()
{
    if (PeekResults() == nullptr)
        SetResults(std::make_unique<CSplineResults>());
    return PeekResults();
}

CBezierNode* CBezierCurve::ActiveBezierNode() const
{
    return dynamic_cast<CBezierNode*>(m_pActiveNode);
}

bool CBezierCurve::AddBack(const CPoint& point)
{
    if (!CSplineCurve::AddBack(point))
        return false;
    if (CBezierNode* pNode = ActiveBezierNode()) {
        pNode->SetGrab(CBezierNode::kGrabBackHandle);
        pNode->SetMode(CBezierNode::kCreating);
    }
    return true;
}

bool CBezierCurve::AddFront(const CPoint& point)
{
    if (!CSplineCurve::AddFront(point))
        return false;
    if (CBezierNode* pNode = ActiveBezierNode()) {
        pNode->SetGrab(CBezierNode::kGrabFrontHandle);
        pNode->SetMode(CBezierNode::kCreating);
    }
    return true;
}

bool CBezierCurve::SelectNodeAt(const CPoint& point)
{
    EnsureSegmentsBuilt();
    m_pActiveNode = nullptr;
    CBezierNode* pFound = nullptr;
    int nGrab = CBezierNode::kGrabNone;
    for (const auto& pSplineNode : m_NodeList) {
        auto* pNode = dynamic_cast<CBezierNode*>(pSplineNode.get());
        if (pNode == nullptr)
            continue;
        // The handle ends are compared as offsets from the anchor; both terms are within the
        // model's coordinate limits, so the difference cannot overflow.
        const CPoint d = CSplineNode::ClampAnchor(point) - pNode->GetAnchor();
        const CPoint front = pNode->GetFrontHandle();
        const CPoint back = pNode->GetBackHandle();
        if (front != CPoint() && CSplineNode::IsWithinPickRadius(d, front))
            nGrab = CBezierNode::kGrabFrontHandle;
        else if (back != CPoint() && CSplineNode::IsWithinPickRadius(d, back))
            nGrab = CBezierNode::kGrabBackHandle;
        if (nGrab != CBezierNode::kGrabNone) {
            pFound = pNode;
            break;
        }
    }
    if (pFound == nullptr) {
        pFound = dynamic_cast<CBezierNode*>(FindNodeAt(point));
        nGrab = CBezierNode::kGrabAnchor;
    }
    return Grab(pFound, nGrab, CBezierNode::kModifying);
}

bool CBezierCurve::SelectHandleOutOfAnchorAt(const CPoint& point)
{
    EnsureSegmentsBuilt();
    m_pActiveNode = nullptr;
    // As when the node was made: the back handle mirrors the front one while the node is smooth.
    return Grab(dynamic_cast<CBezierNode*>(FindNodeAt(point)), CBezierNode::kGrabFrontHandle,
                CBezierNode::kCreating);
}

bool CBezierCurve::Grab(CBezierNode* pNode, int nGrab, int nMode)
{
    if (pNode == nullptr)
        return false;
    pNode->SetGrab(nGrab);
    pNode->SetMode(nMode);
    m_pActiveNode = pNode;
    return true;
}

void CBezierCurve::EndMove()
{
    if (CBezierNode* pNode = ActiveBezierNode()) {
        pNode->SetGrab(CBezierNode::kGrabNone);
        pNode->SetMode(CBezierNode::kIdle);
    }
    m_pActiveNode = nullptr;
}

void CBezierCurve::ReleaseQuickDraw()
{
    m_pQuickDraw.reset();
}

void CBezierCurve::BuildQuickDraw()
{
    CBezierNode* pNode = ActiveBezierNode();
    if (pNode == nullptr)
        return;
    ReleaseQuickDraw();
    m_pQuickDraw = std::make_unique<CBezierQuickDraw>(pNode);
}

void CBezierCurve::QuickDraw(CDrawContext& dc, const CPoint& /*point*/)
{
    CBezierNode* pNode = ActiveBezierNode();
    if (pNode == nullptr)
        return;
    // A preview left over from another node would show (and erase) the wrong piece.
    if (m_pQuickDraw == nullptr || m_pQuickDraw->GetNode() != pNode)
        BuildQuickDraw();
    m_pQuickDraw->Draw(dc, m_Color);
}

CSplineNode* CBezierCurve::InsertNodeOnSegment(CSplineSegment* pSegment, double t)
{
    // Every check comes before the first change, so that a refused split leaves the curve
    // as it was.
    if (!(t >= 0.0 && t <= 1.0))
        return nullptr;
    auto* pBezierSegment = dynamic_cast<CBezierSegment*>(pSegment);
    if (pBezierSegment == nullptr)
        return nullptr;
    auto* pFront = dynamic_cast<CBezierNode*>(pBezierSegment->GetFrontNode());
    auto* pBack = dynamic_cast<CBezierNode*>(pBezierSegment->GetBackNode());
    // An end point of the segment is a node already.
    if (pFront == nullptr || pBack == nullptr || !(t > 0.0 && t < 1.0))
        return nullptr;
    if (m_NodeList.size() >= kMaxNodeCount)
        return nullptr;
    const auto segmentPos = FindSegment(pSegment);
    const auto backNodePos = FindNode(pBack);
    if (segmentPos == m_SegmentList.end() || backNodePos == m_NodeList.end())
        return nullptr;
    if (!pBezierSegment->ComputeCoefficients())
        return nullptr;

    double x = 0.0;
    double y = 0.0;
    pBezierSegment->Evaluate(t, x, y);
    double dx = 0.0;
    double dy = 0.0;
    pBezierSegment->Derivative(t, dx, dy);
    dx /= 3.0;
    dy /= 3.0;
    auto pNewNode = std::make_unique<CBezierNode>(this, CPoint(RoundHalfAway(x), RoundHalfAway(y)),
                                                  CollapseShortHandle(RoundScaled(dx, dy, -t)),
                                                  CollapseShortHandle(RoundScaled(dx, dy, 1.0 - t)));
    CBezierNode* pNode = pNewNode.get();
    pNode->SetGrab(CBezierNode::kGrabAnchor);

    const CPoint outerBack = pFront->GetBackHandle();
    pFront->SetBackHandle(CollapseShortHandle(RoundScaled(outerBack.x, outerBack.y, t)));
    const CPoint outerFront = pBack->GetFrontHandle();
    pBack->SetFrontHandle(CollapseShortHandle(RoundScaled(outerFront.x, outerFront.y, 1.0 - t)));

    std::unique_ptr<CSplineSegment> pFirstHalf =
        NewSegment(CSplineSegment::kResolution, pFront, pNode, false);
    std::unique_ptr<CSplineSegment> pSecondHalf =
        NewSegment(CSplineSegment::kResolution, pNode, pBack, false);
    pFirstHalf->ComputePolyline();
    pSecondHalf->ComputePolyline();

    m_NodeList.insert(backNodePos, std::move(pNewNode));
    m_SegmentList.insert(segmentPos, std::move(pFirstHalf));
    m_SegmentList.insert(segmentPos, std::move(pSecondHalf));
    m_SegmentList.erase(segmentPos);
    return pNode;
}

std::unique_ptr<CSplineNode> CBezierCurve::NewNode(const CPoint& point)
{
    return std::make_unique<CBezierNode>(this, point);
}

std::unique_ptr<CSplineSegment> CBezierCurve::NewSegment(int nResolution, CSplineNode* pFrontNode,
                                                         CSplineNode* pBackNode, bool bTemporary)
{
    return std::make_unique<CBezierSegment>(this, nResolution, pFrontNode, pBackNode, bTemporary);
}

void CBezierCurve::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        SerializeBase(ar);
        ar.WriteDword(static_cast<uint32_t>(m_NodeList.size()));
        for (const auto& pNode : m_NodeList)
            ar.WriteObject(pNode.get());
        return;
    }

    ReleaseQuickDraw();
    DeleteNodesAndSegments();
    SerializeBase(ar);
    const uint32_t nCount = ar.ReadDword();
    ar.CheckCount(nCount, kMinNodeRecordBytes);
    if (nCount > kMaxNodeCount)
        throw CArchiveException(CArchiveException::generic, "A spline curve holds too many anchor points.");
    for (uint32_t i = 0; i < nCount; ++i) {
        // Another class is refused by the archive before it is read.
        std::unique_ptr<CObject> pObject = ar.ReadObject(RUNTIME_CLASS(CSplineNode));
        if (dynamic_cast<CBezierNode*>(pObject.get()) == nullptr) {
            throw CArchiveException(CArchiveException::badClass,
                                    "A spline curve holds something other than an anchor point.");
        }
        AppendLoadedNode(StaticDowncast<CSplineNode>(std::move(pObject)));
    }
    if (m_NodeList.size() >= 2)
        EnsureSegments();
}
