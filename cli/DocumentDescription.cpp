#include "cli/DocumentDescription.h"

#include <ostream>
#include <string>

#include "Dm/BezierNode.h"
#include "Dm/BmpManager.h"
#include "Dm/ColorScale.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "Dm/PartialCurve.h"
#include "Dm/PlotvaneDoc.h"
#include "Dm/SmartThicknessCorrector.h"
#include "Dm/SplineCurve.h"
#include "Dm/SplineResults.h"
#include "Dm/Limit.h"
#include "cli/JobCurveKinds.h"
#include "platform/TextEncoding.h"

using json = nlohmann::ordered_json;

namespace {

json Point(const CPoint& p)
{
    return json::array({p.x, p.y});
}

json Color(uint32_t pixel)
{
    return json::array({CColorScale::Red(pixel), CColorScale::Green(pixel), CColorScale::Blue(pixel)});
}

std::string Utf8(const std::string& strCp1252)
{
    return CTextEncoding::Cp1252ToUtf8(strCp1252);
}

const char* KindName(const CCurve& curve)
{
    const CJobCurveKind* pKind = CJobCurveKinds::Find(curve.GetKind());
    return pKind != nullptr ? pKind->pszKeyword : "unknown";
}

json Limit(const CLimit* pLimit)
{
    return pLimit->IsValued() ? json(pLimit->GetValue()) : json(nullptr);
}

void DescribeContinuous(CContinuousCurve& curve, json& j)
{
    j["left"] = Limit(curve.GetLeftLimit());
    j["right"] = Limit(curve.GetRightLimit());
    json genesis = json::array();
    for (const auto& pElement : curve.GetElements()) {
        if (pElement->IsPartialCurve())
            genesis.push_back(Point(static_cast<const CPartialCurve*>(pElement.get())->GetGenesis()));
    }
    j["genesis"] = genesis;
    j["follow"] = curve.IsFollowTop() ? "top" : "bottom";
    const CAbstractThicknessCorrector* pCorrector = curve.GetThicknessCorrector();
    j["thickness"] = pCorrector->GetThickness();
    const bool bSmart = pCorrector->IsKindOf(RUNTIME_CLASS(CSmartThicknessCorrector));
    j["compensation"] = bSmart ? "smart" : "flat";
    if (bSmart)
        j["range"] = static_cast<const CSmartThicknessCorrector*>(pCorrector)->GetRange();
    j["threshold"] = Color(curve.GetThreshold());
    j["dashed"] = curve.IsDashed();
    j["dash_max_dist"] = curve.GetDashMaxDist();
    j["refine"] = curve.IsCentreRefined() ? "centre" : "none";
    j["hand_modified"] = curve.IsHandModified();
    const CContinuousResults* pResults = curve.GetContinuousResults();
    j["results"] = {{"first", pResults->GetFirstValue()},
                    {"period", pResults->IsPeriodDefined() ? json(pResults->GetPeriod()) : json(nullptr)}};
}

void DescribeDensity(CDensityCurve& curve, json& j)
{
    const CColorScale& scale = curve.GetColorScale();
    j["top_color"] = Color(scale.GetTopColor());
    j["bottom_color"] = Color(scale.GetBottomColor());
    j["top_value"] = scale.GetTopValue();
    j["bottom_value"] = scale.GetBottomValue();
    CResults* pResults = curve.GetResults();
    if (!pResults->IsKindOf(RUNTIME_CLASS(CDensityResults))) {
        j["results"] = nullptr;
        return;
    }
    const auto* pDensity = static_cast<const CDensityResults*>(pResults);
    static const char* const kModes[] = {"x", "y", "both"};
    const int nMode = pDensity->GetDisplayMode();
    const bool bPeriod = pDensity->IsPeriodDefined();
    j["results"] = {{"display", nMode >= 0 && nMode <= 2 ? json(kModes[nMode]) : json(nMode)},
                    {"master", pDensity->IsXMaster() ? "x" : "y"},
                    {"first_x", pDensity->GetFirstX()},
                    {"first_y", pDensity->GetFirstY()},
                    {"x_period", bPeriod ? json(pDensity->GetXPeriod()) : json(nullptr)},
                    {"y_period", bPeriod ? json(pDensity->GetYPeriod()) : json(nullptr)}};
}

// Scalars and arrays of scalars (pixel points) print on their key's line.
bool IsFlat(const json& j)
{
    if (j.is_object())
        return false;
    if (!j.is_array())
        return true;
    for (const json& element : j) {
        if (element.is_object() || (element.is_array() && !IsFlat(element)))
            return false;
    }
    return true;
}

std::string Scalar(const json& j)
{
    return j.is_string() ? j.get<std::string>() : j.dump(-1, ' ', false, json::error_handler_t::replace);
}

void WriteValue(std::ostream& out, const json& j, const std::string& strIndent);

void WriteObject(std::ostream& out, const json& j, const std::string& strIndent,
                 const std::string& strFirstIndent)
{
    bool bFirst = true;
    for (auto it = j.begin(); it != j.end(); ++it) {
        out << (bFirst ? strFirstIndent : strIndent) << it.key() << ":";
        bFirst = false;
        if (IsFlat(it.value())) {
            out << ' ' << Scalar(it.value()) << '\n';
        } else {
            out << '\n';
            WriteValue(out, it.value(), strIndent + "  ");
        }
    }
}

void WriteValue(std::ostream& out, const json& j, const std::string& strIndent)
{
    if (j.is_object()) {
        WriteObject(out, j, strIndent, strIndent);
    } else if (j.is_array()) {
        for (const json& element : j) {
            if (element.is_object())
                WriteObject(out, element, strIndent + "  ", strIndent + "- ");
            else
                out << strIndent << "- " << Scalar(element) << '\n';
        }
    } else {
        out << strIndent << Scalar(j) << '\n';
    }
}

}  // namespace

CDocumentDescription::CDocumentDescription(CPlotvaneDoc& doc, bool bPoints)
{
    const CBmpManager* pBmpManager = doc.GetBmpManager();
    m_Json["image"] = {{"name", Utf8(doc.GetBitmapFileName())},
                       {"width", pBmpManager->GetWidth()},
                       {"height", pBmpManager->GetHeight()}};
    json coordSysts = json::array();
    for (const auto& pCoordSyst : doc.GetCoordSystList()) {
        json cs;
        cs["number"] = pCoordSyst->GetNumber();
        cs["transform_valid"] = pCoordSyst->ComputeTransform();
        cs["x_axis"] = DescribeAxis(pCoordSyst->GetXAxe());
        cs["y_axis"] = DescribeAxis(pCoordSyst->GetYAxe());
        json curves = json::array();
        for (const auto& pCurve : pCoordSyst->GetCurveList())
            curves.push_back(DescribeCurve(*pCurve, bPoints));
        cs["curves"] = curves;
        coordSysts.push_back(cs);
    }
    m_Json["coordinate_systems"] = coordSysts;
}

json CDocumentDescription::DescribeAxis(const CAxe& axe)
{
    json j;
    j["name"] = Utf8(axe.GetName());
    j["logarithmic"] = axe.IsLogarithmic();
    j["line"] =
        axe.HasLine() ? json::array({Point(axe.GetLineStart()), Point(axe.GetLineEnd())}) : json(nullptr);
    auto scalePoint = [](const CScalePoint& p) {
        return json{{"at", p.IsPositioned() ? Point(p.GetPicked()) : json(nullptr)},
                    {"value", p.IsValued() ? json(p.GetValue()) : json(nullptr)}};
    };
    j["point1"] = scalePoint(axe.GetScalePoint1());
    j["point2"] = scalePoint(axe.GetScalePoint2());
    return j;
}

json CDocumentDescription::DescribeCurve(CCurve& curve, bool bPoints)
{
    json j;
    j["kind"] = KindName(curve);
    j["name"] = Utf8(curve.GetName());
    j["number"] = curve.GetNumber();

    json points = json::array();
    if (curve.IsKindOf(RUNTIME_CLASS(CSplineCurve))) {
        for (const auto& pNode : static_cast<CSplineCurve&>(curve).GetNodeList()) {
            json node = {{"anchor", Point(pNode->GetAnchor())}};
            if (pNode->IsKindOf(RUNTIME_CLASS(CBezierNode))) {
                const auto* pBezier = static_cast<const CBezierNode*>(pNode.get());
                node["front"] = Point(pBezier->GetFrontHandle());
                node["back"] = Point(pBezier->GetBackHandle());
                node["smooth"] = pBezier->IsSmooth();
            }
            points.push_back(node);
        }
    } else if (curve.IsKindOf(RUNTIME_CLASS(CDensityCurve))) {
        const auto& density = static_cast<const CDensityCurve&>(curve);
        if (density.HasSegment())
            points = json::array({Point(density.GetStart()), Point(density.GetEnd())});
    } else {
        for (const CPoint& p : curve.GetPoints())
            points.push_back(Point(p));
    }
    j["point_count"] = points.size();
    if (bPoints)
        j["points"] = points;

    if (curve.IsContinuous()) {
        DescribeContinuous(static_cast<CContinuousCurve&>(curve), j);
    } else if (curve.IsKindOf(RUNTIME_CLASS(CDensityCurve))) {
        DescribeDensity(static_cast<CDensityCurve&>(curve), j);
    } else if (curve.IsKindOf(RUNTIME_CLASS(CSplineCurve))) {
        CResults* pResults = curve.GetResults();
        j["results"] =
            pResults->IsKindOf(RUNTIME_CLASS(CSplineResults))
                ? json{{"points_per_segment", static_cast<CSplineResults*>(pResults)->GetPointsPerSegment()}}
                : json(nullptr);
    }
    return j;
}

void CDocumentDescription::WriteText(std::ostream& out) const
{
    WriteValue(out, m_Json, std::string());
}
