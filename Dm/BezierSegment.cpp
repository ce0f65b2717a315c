#include "Dm/BezierSegment.h"

#include "Dm/BezierNode.h"
#include "Dm/Geometry.h"

CBezierSegment::CBezierSegment(CSplineCurve* pCurve, int nResolution, CSplineNode* pFrontNode,
                               CSplineNode* pBackNode, bool bTemporary)
    : CSplineSegment(pCurve, nResolution, pFrontNode, pBackNode, bTemporary)
{
}

bool CBezierSegment::ComputeCoefficients()
{
    const auto* pFront = dynamic_cast<const CBezierNode*>(m_pFrontNode);
    const auto* pBack = dynamic_cast<const CBezierNode*>(m_pBackNode);
    if (pFront == nullptr || pBack == nullptr)
        return false;

    // Node coordinates are bounded (CSplineNode), so these sums cannot overflow.
    const CPoint p0 = pFront->GetAnchor();
    const CPoint p1 = pFront->GetBackHandleEnd();
    const CPoint p2 = pBack->GetFrontHandleEnd();
    const CPoint p3 = pBack->GetAnchor();
    auto coefficients = [](double v0, double v1, double v2, double v3, double* a) {
        a[3] = -v0 + 3.0 * v1 - 3.0 * v2 + v3;
        a[2] = 3.0 * (v0 - 2.0 * v1 + v2);
        a[1] = 3.0 * (v1 - v0);
        a[0] = v0;
    };
    coefficients(p0.x, p1.x, p2.x, p3.x, m_ax);
    coefficients(p0.y, p1.y, p2.y, p3.y, m_ay);
    return true;
}

void CBezierSegment::Evaluate(double t, double& x, double& y) const
{
    // The power form of the definition: Horner's scheme can differ in the last bit and round
    // a point that falls on a half pixel the other way.
    const double t2 = t * t;
    const double t3 = t2 * t;
    x = m_ax[3] * t3 + m_ax[2] * t2 + m_ax[1] * t + m_ax[0];
    y = m_ay[3] * t3 + m_ay[2] * t2 + m_ay[1] * t + m_ay[0];
}

void CBezierSegment::Derivative(double t, double& dx, double& dy) const
{
    dx = 3.0 * m_ax[3] * t * t + 2.0 * m_ax[2] * t + m_ax[1];
    dy = 3.0 * m_ay[3] * t * t + 2.0 * m_ay[2] * t + m_ay[1];
}

void CBezierSegment::ComputePolyline()
{
    if (!ComputeCoefficients())
        return;
    m_PointList.clear();
    m_PointList.reserve(static_cast<size_t>(m_nResolution) + 1);
    for (int i = 0; i <= m_nResolution; ++i) {
        double x = 0.0;
        double y = 0.0;
        Evaluate(static_cast<double>(i) / m_nResolution, x, y);
        m_PointList.emplace_back(RoundHalfAway(x), RoundHalfAway(y));
    }
}
