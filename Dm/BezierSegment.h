#pragma once

#include "Dm/SplineSegment.h"

// A cubic Bezier segment between two Bezier nodes: its control points are the front node's
// anchor, that anchor plus the front node's back handle, the back node's anchor plus its front
// handle, and the back node's anchor (pixels). B(t) = a3 t^3 + a2 t^2 + a1 t + a0 for t in
// [0, 1]; the polyline samples it at i / resolution, rounded half away from zero.
class CBezierSegment : public CSplineSegment {
public:
    // Both nodes must be CBezierNode objects (or null, when nothing can be computed).
    CBezierSegment(CSplineCurve* pCurve, int nResolution, CSplineNode* pFrontNode, CSplineNode* pBackNode,
                   bool bTemporary);

    void ComputePolyline() override;

    // Recomputes the coefficients from the current nodes; false without both nodes.
    bool ComputeCoefficients();
    // B(t) and B'(t) from the coefficients last computed, in unrounded pixels.
    void Evaluate(double t, double& x, double& y) const;
    void Derivative(double t, double& dx, double& dy) const;

private:
    double m_ax[4] = {0.0, 0.0, 0.0, 0.0};  // x coefficients a0..a3
    double m_ay[4] = {0.0, 0.0, 0.0, 0.0};  // y coefficients a0..a3
};
