#include "cli/ContinuousCurveBuilder.h"

#include <climits>
#include <cmath>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "Dm/BmpManager.h"
#include "Dm/ContinuousCurve.h"
#include "Dm/ContinuousResults.h"
#include "Dm/CoordSyst.h"
#include "Dm/FlatThicknessCorrector.h"
#include "Dm/Limit.h"
#include "Dm/SettingsManager.h"
#include "Dm/SmartThicknessCorrector.h"
#include "cli/CliText.h"
#include "cli/JobValue.h"
#include "cli/JobWorkBudget.h"
#include "cli/StderrMessageService.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

// The pen and rubber strokes of one curve may hold this many points in all: each point
// edits the point list of the curve, so the bound keeps a job's edits to seconds.
constexpr size_t kMaxStrokePoints = 100000;
// Rows above which the period dialog asks whether to go on.
constexpr int kRowsAsked = 1000;

}  // namespace

void CContinuousCurveBuilder::Build(const CJobValue& item)
{
    item.CheckObject({"kind", "name", "left", "right", "genesis", "follow", "thickness", "pick_thickness",
                      "compensation", "range", "threshold", "dashed", "dash_max_dist", "refine", "edits",
                      "first", "period", "frequency"});
    CContinuousCurve& curve = *m_CoordSyst.AddCurve(std::make_unique<CContinuousCurve>(&m_CoordSyst));

    ApplyLimits(curve, item);
    ApplyRecognitionSettings(curve, item);
    AddGenesisPoints(curve, item);
    if (const std::optional<CJobValue> at = item.Find("pick_thickness"))
        PickThickness(curve, *at);
    ApplyName(curve, item);
    if (const std::optional<CJobValue> edits = item.Find("edits"))
        ApplyEdits(curve, *edits);
    ApplyResults(curve, item);
}

void CContinuousCurveBuilder::ApplyLimits(CContinuousCurve& curve, const CJobValue& item)
{
    const CJobValue left = item.Get("left");
    const CJobValue right = item.Get("right");
    const double dLeft = left.AsDouble();
    const double dRight = right.AsDouble();
    curve.GetLeftLimit()->SetValue(dLeft);
    curve.GetRightLimit()->SetValue(dRight);

    // The limits dialog's checks, in its order.
    if (m_CoordSyst.GetXAxe().IsLogarithmic() && (dLeft <= 0 || dRight <= 0))
        (dLeft <= 0 ? left : right).Refuse(Text(IDS_LOG_LIMITS_POSITIVE));
    if (m_CoordSyst.IsXReversed()) {
        if (!(dLeft > dRight))
            right.Refuse(Text(IDS_LEFT_LIMIT_GREATER));
    } else if (!(dLeft < dRight)) {
        right.Refuse(Text(IDS_RIGHT_LIMIT_GREATER));
    }
}

void CContinuousCurveBuilder::ApplyRecognitionSettings(CContinuousCurve& curve, const CJobValue& item)
{
    if (const std::optional<CJobValue> follow = item.Find("follow"))
        curve.SetFollowTop(follow->AsChoice({"top", "bottom"}) == 0);
    if (const std::optional<CJobValue> dashed = item.Find("dashed"))
        curve.SetDashed(dashed->AsBool());
    if (const std::optional<CJobValue> dist = item.Find("dash_max_dist"))
        curve.SetDashMaxDist(
            dist->AsInt(CContinuousCurve::kMinDashMaxDist, CContinuousCurve::kMaxDashMaxDist,
                        RangeMessage(CContinuousCurve::kMinDashMaxDist, CContinuousCurve::kMaxDashMaxDist)));
    if (const std::optional<CJobValue> threshold = item.Find("threshold"))
        curve.SetThreshold(PixelColor(*threshold));
    if (const std::optional<CJobValue> refine = item.Find("refine"))
        curve.SetCentreRefined(refine->AsChoice({"none", "centre"}) == 1);

    // The advanced options dialog makes a new corrector whenever its choices are confirmed,
    // handing over the thickness of the present one.
    const std::optional<CJobValue> compensation = item.Find("compensation");
    const std::optional<CJobValue> range = item.Find("range");
    if (compensation || range) {
        const CAbstractThicknessCorrector* pOld = curve.GetThicknessCorrector();
        const bool bWasSmart = pOld->IsKindOf(RUNTIME_CLASS(CSmartThicknessCorrector));
        const bool bSmart = compensation ? compensation->AsChoice({"flat", "smart"}) == 1 : bWasSmart;
        int nRange = CSmartThicknessCorrector::kDefaultRange;
        if (bWasSmart)
            nRange = static_cast<const CSmartThicknessCorrector*>(pOld)->GetRange();
        else if (const CSettingsManager* pSettings = GetSettingsManager())
            nRange = pSettings->GetCurveOptions().m_nSmartAlgoRange;
        if (range) {
            // The dialog checks the range only with the smart compensation.
            const int nGiven = bSmart
                                   ? range->AsInt(CSmartThicknessCorrector::kMinRange,
                                                  CSmartThicknessCorrector::kMaxRange, Text(IDS_RANGE_RANGE))
                                   : range->AsInt(INT_MIN, INT_MAX);
            if (bSmart)
                nRange = nGiven;
        }
        std::unique_ptr<CAbstractThicknessCorrector> pNew;
        if (bSmart)
            pNew = std::make_unique<CSmartThicknessCorrector>(&curve, nRange);
        else
            pNew = std::make_unique<CFlatThicknessCorrector>(&curve);
        pNew->SetThickness(pOld->GetThickness());
        curve.SetThicknessCorrector(std::move(pNew));
    }
    if (const std::optional<CJobValue> thickness = item.Find("thickness"))
        curve.GetThicknessCorrector()->SetThickness(
            thickness->AsInt(CContinuousCurve::kMinThickness, CContinuousCurve::kMaxThickness,
                             RangeMessage(CContinuousCurve::kMinThickness, CContinuousCurve::kMaxThickness)));
}

void CContinuousCurveBuilder::AddGenesisPoints(CContinuousCurve& curve, const CJobValue& item)
{
    const CJobValue genesisList = item.Get("genesis");
    const std::vector<CJobValue> points = genesisList.Elements(1);
    m_Budget.SpendGenesis(genesisList, points.size());
    for (const CJobValue& genesis : points) {
        // Points off the picture are the model's to refuse: "No curve here !".
        const CPoint p = genesis.AsPoint();
        if (curve.AddGenesisPoint(p) != CContinuousCurve::GenesisOutcome::Added)
            RefuseWithShownMessage(genesis, Text(IDS_NO_CURVE_HERE));
        Warn(genesis);
    }
}

void CContinuousCurveBuilder::PickThickness(CContinuousCurve& curve, const CJobValue& at)
{
    if (const unsigned nRefusal = curve.PickThickness(at.AsPoint()))
        at.Refuse(Text(nRefusal));
    Warn(at);
}

void CContinuousCurveBuilder::ApplyEdits(CContinuousCurve& curve, const CJobValue& edits)
{
    const CBmpManager* pBmpManager = curve.GetBmpManager();
    size_t nStrokePoints = 0;
    for (const CJobValue& edit : edits.Elements()) {
        edit.CheckObject({"tool", "stroke"});
        const bool bRubber = edit.Get("tool").AsChoice({"pen", "rubber"}) == 1;
        const CJobValue strokeValue = edit.Get("stroke");
        const std::vector<CPoint> stroke = strokeValue.AsPoints(1);
        nStrokePoints += stroke.size();
        m_Budget.SpendStroke(strokeValue, stroke.size(), pBmpManager->GetWidth());
        if (nStrokePoints > kMaxStrokePoints)
            strokeValue.Refuse(
                CCliText::Format(IDS_CLI_TOO_MANY_STROKE_POINTS, {std::to_string(kMaxStrokePoints)}));

        // The tools of the hand-modification dialog; the view clamps every mouse position to
        // the picture.
        auto apply = [&curve, bRubber](const CPoint& from, const CPoint& to) {
            if (bRubber)
                from.x == to.x ? curve.ErasePoint(to) : curve.EraseRange(from, to);
            else
                from.x == to.x ? curve.SetPoint(to.x, to.y) : curve.DrawSegment(from, to);
        };
        CPoint last = pBmpManager->Clamp(stroke.front().x, stroke.front().y);
        apply(last, last);
        curve.SetHandModified(true);
        for (size_t i = 1; i < stroke.size(); ++i) {
            const CPoint p = pBmpManager->Clamp(stroke[i].x, stroke[i].y);
            if (p == last)
                continue;
            apply(last, p);
            last = p;
        }
        Warn(edit);
    }
    // The dialog's "Finish" stays disabled while the curve has no point.
    if (curve.GetPointCount() == 0)
        edits.Refuse(CCliText::Get(IDS_CLI_NO_POINT_LEFT));
}

void CContinuousCurveBuilder::ApplyResults(CContinuousCurve& curve, const CJobValue& item)
{
    const std::optional<CJobValue> first = item.Find("first");
    const std::optional<CJobValue> period = item.Find("period");
    const std::optional<CJobValue> frequency = item.Find("frequency");
    if (period && frequency)
        frequency->Refuse(CCliText::Get(IDS_CLI_PERIOD_OR_FREQUENCY));
    if (!first && !period && !frequency)
        return;

    CContinuousResults* pResults = curve.GetContinuousResults();
    const bool bLogX = m_CoordSyst.GetXAxe().IsLogarithmic();
    if (first) {
        const double dFirst = first->AsDouble();
        if (bLogX && dFirst <= 0)
            first->Refuse(Text(IDS_LOG_FIRST_VALUE_POSITIVE));
        pResults->SetFirstValue(dFirst);
    }
    if (!period && !frequency)
        return;

    // The period dialog: a frequency f stands for the period 1 / f, an empty period for 0.
    const CJobValue& step = period ? *period : *frequency;
    double dPeriod = step.AsDouble();
    if (frequency)
        dPeriod = dPeriod != 0 ? 1 / dPeriod : 0;
    if (bLogX && pResults->GetFirstValue() <= 0)
        (first ? *first : item).Refuse(Text(IDS_LOG_FIRST_VALUE_POSITIVE));
    if (!(dPeriod > 0) || !std::isfinite(dPeriod))
        step.Refuse(Text(IDS_PERIOD_POSITIVE));
    pResults->SetPeriod(dPeriod);
    const std::string strRefusal = pResults->Validate();
    if (!strRefusal.empty())
        step.Refuse(CCliText::FromModel(strRefusal));

    const int nRows = pResults->GetExpectedRowCount();
    if (nRows > kRowsAsked) {
        AfxMessageBox(FormatWithInt(CStringTable::Get(IDS_CURVE_WILL_CONTAIN), nRows),
                      CMessageService::Icon::Question, CMessageService::Buttons::YesNo);
        Warn(step);
    }
}
