#include "cli/DensityCurveBuilder.h"

#include <cmath>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "Dm/ColorScale.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DensityResults.h"
#include "Dm/SettingsManager.h"
#include "cli/CliText.h"
#include "cli/JobValue.h"
#include "cli/StderrMessageService.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

bool InRange(double v, const std::pair<double, double>& range)
{
    return v >= range.first && v <= range.second;
}

}  // namespace

void CDensityCurveBuilder::Build(const CJobValue& item)
{
    item.CheckObject({"kind", "name", "segment", "top_color", "bottom_color", "top_value", "bottom_value",
                      "display", "first_x", "first_y", "x_period", "y_period", "x_frequency", "y_frequency"});
    const CSettingsManager* pSettings = GetSettingsManager();
    CDensityCurve* pCurve = m_CoordSyst.AddCurve(std::make_unique<CDensityCurve>(
        &m_CoordSyst, pSettings != nullptr ? pSettings->MakeColorScale() : nullptr));

    const CJobValue segment = item.Get("segment");
    const std::vector<CJobValue> ends = segment.Elements(2, 2);
    const CPoint start = PointOnPicture(ends[0]);
    const CPoint end = PointOnPicture(ends[1]);
    if (start == end)
        segment.Refuse(CCliText::Get(IDS_CLI_SEGMENT_ENDS_EQUAL));
    pCurve->SetSegment(start, end);

    ApplyScale(*pCurve, item);
    ApplyName(*pCurve, item);
    // What the dialog's commit does when the step is left.
    pCurve->Sample();
    ApplyResults(*pCurve, item);
}

void CDensityCurveBuilder::ApplyScale(CDensityCurve& curve, const CJobValue& item)
{
    CColorScale& scale = curve.GetColorScale();
    const std::optional<CJobValue> topColor = item.Find("top_color");
    const std::optional<CJobValue> bottomColor = item.Find("bottom_color");
    const std::optional<CJobValue> topValue = item.Find("top_value");
    const std::optional<CJobValue> bottomValue = item.Find("bottom_value");
    if (topColor)
        scale.SetTopColor(PixelColor(*topColor));
    if (bottomColor)
        scale.SetBottomColor(PixelColor(*bottomColor));
    if (topValue)
        scale.SetTopValue(topValue->AsDouble());
    if (bottomValue)
        scale.SetBottomValue(bottomValue->AsDouble());

    switch (scale.Validate()) {
        case CColorScale::kSameColors:
            (bottomColor ? *bottomColor
             : topColor  ? *topColor
                         : item)
                .Refuse(CCliText::Get(IDS_CLI_DENSITY_SCALE_COLORS_EQUAL));
        case CColorScale::kSameValues:
            // The dialog puts the focus on the top value.
            (topValue      ? *topValue
             : bottomValue ? *bottomValue
                           : item)
                .Refuse(CCliText::Get(IDS_CLI_DENSITY_SCALE_VALUES_EQUAL));
        default:
            break;
    }
}

void CDensityCurveBuilder::ApplyResults(CDensityCurve& curve, const CJobValue& item)
{
    const std::optional<CJobValue> display = item.Find("display");
    const std::optional<CJobValue> firstX = item.Find("first_x");
    const std::optional<CJobValue> firstY = item.Find("first_y");
    struct Step {
        std::optional<CJobValue> value;
        bool bX;
        bool bFrequency;
    };
    const Step steps[] = {{item.Find("x_period"), true, false},
                          {item.Find("y_period"), false, false},
                          {item.Find("x_frequency"), true, true},
                          {item.Find("y_frequency"), false, true}};
    const Step* pStep = nullptr;
    for (const Step& step : steps) {
        if (!step.value)
            continue;
        if (pStep != nullptr)
            step.value->Refuse(CCliText::Get(IDS_CLI_ONE_DENSITY_STEP));
        pStep = &step;
    }
    if (firstX && firstY)
        firstY->Refuse(CCliText::Get(IDS_CLI_FIRST_X_OR_Y));
    if (!display && !firstX && !firstY && pStep == nullptr)
        return;

    // Made now that the segment is there: the results start from it.
    auto* pResults = static_cast<CDensityResults*>(curve.GetResults());
    if (display) {
        const int nMode = display->AsChoice({"x", "y", "both"});
        if (nMode != CDensityResults::kDisplayY && !pResults->CanUseX())
            display->Refuse(CCliText::Get(IDS_CLI_PARALLEL_TO_Y));
        if (nMode != CDensityResults::kDisplayX && !pResults->CanUseY())
            display->Refuse(CCliText::Get(IDS_CLI_PARALLEL_TO_X));
        pResults->SetDisplayMode(nMode);
    }
    if (firstX) {
        const double x = firstX->AsDouble();
        if (!pResults->CanUseX())
            firstX->Refuse(CCliText::Get(IDS_CLI_PARALLEL_TO_Y));
        if (!InRange(x, pResults->GetXRange()))
            firstX->Refuse(Text(IDS_VALUE_OUTSIDE_RANGE));
        pResults->SetFirstX(x);
    }
    if (firstY) {
        const double y = firstY->AsDouble();
        if (!pResults->CanUseY())
            firstY->Refuse(CCliText::Get(IDS_CLI_PARALLEL_TO_X));
        if (!InRange(y, pResults->GetYRange()))
            firstY->Refuse(Text(IDS_VALUE_OUTSIDE_RANGE));
        pResults->SetFirstY(y);
    }
    if (pStep == nullptr)
        return;

    const CJobValue& value = *pStep->value;
    double dPeriod = value.AsDouble();
    if (pStep->bFrequency)
        dPeriod = dPeriod != 0 ? 1 / dPeriod : 0;
    if (!(dPeriod > 0) || !std::isfinite(dPeriod))
        value.Refuse(Text(IDS_PERIOD_POSITIVE));
    if (pStep->bX && !pResults->CanUseX())
        value.Refuse(CCliText::Get(IDS_CLI_PARALLEL_TO_Y));
    if (!pStep->bX && !pResults->CanUseY())
        value.Refuse(CCliText::Get(IDS_CLI_PARALLEL_TO_X));
    if (pStep->bX)
        pResults->SetXPeriod(dPeriod);
    else
        pResults->SetYPeriod(dPeriod);

    // The period dialog's OK.
    const std::string strRefusal = pResults->Validate();
    if (!strRefusal.empty()) {
        const bool bRange = strRefusal == CStringTable::Get(IDS_VALUE_OUTSIDE_RANGE);
        const std::optional<CJobValue>& first = pResults->IsXMaster() ? firstX : firstY;
        (bRange && first ? *first : value).Refuse(CCliText::FromModel(strRefusal));
    }
}
