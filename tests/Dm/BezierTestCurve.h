#pragma once

#include <memory>
#include <vector>

#include "IdentityCoordSyst.h"
#include "Dm/BezierCurve.h"
#include "Dm/BezierNode.h"
#include "Dm/CoordSyst.h"
#include "Dm/SplineSegment.h"

// Building blocks of the spline tests: a coordinate system whose graph X is the pixel x and
// whose graph Y is 400 - pixel y, and Bezier curves laid out node by node.
namespace beziertest {

using ::BuildIdentity;

struct NodeSpec {
    CPoint anchor;
    CPoint front;
    CPoint back;
    bool smooth = true;
};

inline CBezierNode* NodeAt(const CSplineCurve& curve, size_t index)
{
    auto it = curve.GetNodeList().begin();
    std::advance(it, static_cast<long>(index));
    return dynamic_cast<CBezierNode*>(it->get());
}

inline CSplineSegment* SegmentAt(const CSplineCurve& curve, size_t index)
{
    auto it = curve.GetSegmentList().begin();
    std::advance(it, static_cast<long>(index));
    return it->get();
}

// The nodes added at the back one by one, then given their handles; idle, segments computed.
inline void Lay(CBezierCurve& curve, const std::vector<NodeSpec>& nodes)
{
    for (const NodeSpec& spec : nodes) {
        curve.AddBack(spec.anchor);
        curve.EndMove();
        CBezierNode* pNode = NodeAt(curve, curve.GetNodeCount() - 1);
        pNode->SetFrontHandle(spec.front);
        pNode->SetBackHandle(spec.back);
        pNode->SetSmooth(spec.smooth);
    }
    curve.EnsureSegments();
}

inline std::unique_ptr<CBezierCurve> MakeCurve(CCoordSyst* pCoordSyst, const std::vector<NodeSpec>& nodes)
{
    auto pCurve = std::make_unique<CBezierCurve>(pCoordSyst);
    Lay(*pCurve, nodes);
    return pCurve;
}

// The straight segment of the examples: (0, 0) with back handle (10, 0), (30, 0) with front
// handle (-10, 0).
inline std::vector<NodeSpec> StraightPair()
{
    return {{{0, 0}, {0, 0}, {10, 0}}, {{30, 0}, {-10, 0}, {0, 0}}};
}

}  // namespace beziertest
