#include "cli/SplineCurveBuilder.h"

#include <memory>
#include <optional>

#include "Dm/BezierCurve.h"
#include "Dm/BezierNode.h"
#include "Dm/CoordSyst.h"
#include "Dm/SplineResults.h"
#include "cli/CliText.h"
#include "cli/JobValue.h"
#include "platform/StringIds.h"

void CSplineCurveBuilder::Build(const CJobValue& item)
{
    item.CheckObject({"kind", "name", "nodes", "points_per_segment"});
    CBezierCurve* pCurve = m_CoordSyst.AddCurve(std::make_unique<CBezierCurve>(&m_CoordSyst));

    const std::vector<CJobValue> nodes = item.Get("nodes").Elements(0, CSplineCurve::kMaxNodeCount + 1);
    if (nodes.size() < 2)
        item.Get("nodes").Refuse(CCliText::Get(IDS_CLI_SPLINE_TWO_NODES));
    for (const CJobValue& node : nodes) {
        node.CheckObject({"anchor", "front", "back", "smooth"});
        const CPoint anchor = PointOnPicture(node.Get("anchor"));
        if (!pCurve->AddBack(anchor))
            node.Refuse(Text(IDS_SPLINE_CANNOT_ADD));
        auto* pNode = static_cast<CBezierNode*>(pCurve->GetActiveNode());
        if (const std::optional<CJobValue> front = node.Find("front"))
            pNode->SetFrontHandle(front->AsPoint());
        if (const std::optional<CJobValue> back = node.Find("back"))
            pNode->SetBackHandle(back->AsPoint());
        if (const std::optional<CJobValue> smooth = node.Find("smooth"))
            pNode->SetSmooth(smooth->AsBool());
        pCurve->EndMove();
        pCurve->ReleaseQuickDraw();
    }
    // The handles were given after each node was joined: its segments follow them now.
    pCurve->EnsureSegments();
    ApplyName(*pCurve, item);

    if (const std::optional<CJobValue> count = item.Find("points_per_segment")) {
        const int nCount = count->AsInt(
            CSplineResults::kMinPointsPerSegment, CSplineResults::kMaxPointsPerSegment,
            RangeMessage(CSplineResults::kMinPointsPerSegment, CSplineResults::kMaxPointsPerSegment));
        static_cast<CSplineResults*>(pCurve->GetResults())->SetPointsPerSegment(nCount);
    }
}
