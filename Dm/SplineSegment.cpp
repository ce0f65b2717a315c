#include "Dm/SplineSegment.h"

#include <algorithm>

#include "Dm/Geometry.h"
#include "Dm/SplineNode.h"
#include "platform/DrawContext.h"

CSplineSegment::CSplineSegment(CSplineCurve* pCurve, int nResolution, CSplineNode* pFrontNode,
                               CSplineNode* pBackNode, bool bTemporary)
    : m_nResolution(std::max(nResolution, 1)),
      m_pBackNode(pBackNode),
      m_pFrontNode(pFrontNode),
      m_pCurve(pCurve),
      m_bTemporary(bTemporary)
{
    if (m_bTemporary)
        return;
    if (m_pFrontNode != nullptr)
        m_pFrontNode->SetBackSegment(this);
    if (m_pBackNode != nullptr)
        m_pBackNode->SetFrontSegment(this);
}

CSplineSegment::~CSplineSegment()
{
    // A node may already be linked to a newer segment (after a split): only our own links go.
    if (m_bTemporary)
        return;
    if (m_pFrontNode != nullptr && m_pFrontNode->GetBackSegment() == this)
        m_pFrontNode->SetBackSegment(nullptr);
    if (m_pBackNode != nullptr && m_pBackNode->GetFrontSegment() == this)
        m_pBackNode->SetFrontSegment(nullptr);
}

void CSplineSegment::DetachNode(const CSplineNode* pNode)
{
    if (m_pFrontNode == pNode)
        m_pFrontNode = nullptr;
    if (m_pBackNode == pNode)
        m_pBackNode = nullptr;
}

void CSplineSegment::GetPoints(std::vector<CPoint>& points) const
{
    points.insert(points.end(), m_PointList.begin(), m_PointList.end());
}

bool CSplineSegment::HitTest(const CPoint& point, double* pT)
{
    ComputePolyline();
    if (m_PointList.size() < 2)
        return false;
    // Near either end the node is what the user points at, not the segment.
    if (CSplineNode::IsWithinPickRadius(point, m_PointList.front()) ||
        CSplineNode::IsWithinPickRadius(point, m_PointList.back()))
        return false;

    constexpr double r = CSplineNode::kPickRadius;
    const double px = point.x;
    const double py = point.y;
    bool bFound = false;
    double t = 0.0;
    for (size_t k = 0; k + 1 < m_PointList.size(); ++k) {
        const CPoint& a = m_PointList[k];
        const CPoint& b = m_PointList[k + 1];
        if (a == b)
            continue;
        if (px < std::min<double>(a.x, b.x) - r || px > std::max<double>(a.x, b.x) + r ||
            py < std::min<double>(a.y, b.y) - r || py > std::max<double>(a.y, b.y) + r)
            continue;
        if (!CSplineNode::IsWithinPickRadius(ProjectOnLine(a, b, point), point))
            continue;
        t = (static_cast<double>(k) + LineParameter(a, b, point)) / m_nResolution;
        bFound = true;
        break;
    }
    if (!bFound || !(t > 0.0) || !(t < 1.0))
        return false;
    if (pT != nullptr)
        *pT = t;
    return true;
}

void CSplineSegment::Draw(CDrawContext& dc) const
{
    if (m_PointList.size() < 2)
        return;
    dc.MoveTo(m_PointList.front());
    for (size_t i = 1; i < m_PointList.size(); ++i)
        dc.LineTo(m_PointList[i]);
}
