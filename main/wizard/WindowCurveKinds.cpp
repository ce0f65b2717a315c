#include "main/wizard/WindowCurveKinds.h"

#include <QtGlobal>

#include "Dm/ContinuousCurve.h"
#include "Dm/CurveKindTable.h"
#include "Dm/DensityCurve.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/SplineCurve.h"
#include "main/frame/CommandIds.h"
#include "main/wizard/ContinuousSequence.h"
#include "main/wizard/DensitoSequence.h"
#include "main/steps/densito/DensitometryDialog.h"
#include "main/steps/discrete/DiscreteDialog.h"
#include "main/wizard/DiscreteSequence.h"
#include "main/steps/continuous/GenesisDialog.h"
#include "main/steps/continuous/HandModificationDialog.h"
#include "main/steps/continuous/LimitDialog.h"
#include "main/wizard/PendingStepDialog.h"
#include "main/steps/spline/SplineDialog.h"
#include "main/wizard/SplineSequence.h"

namespace {

// The dialog of a curve step, on the sequence's curve when it is of the class the dialog
// builds (a stand-in that only lets the user go on, back or cancel otherwise).
template <typename Dialog, typename Curve>
CConstructionDialog* CurveDialog(STEP step, CPlotvaneView& view, CSequence& sequence)
{
    if (auto* pCurve = dynamic_cast<Curve*>(sequence.GetCurve()))
        return new Dialog(view, sequence, *pCurve);
    return new CPendingStepDialog(step, view, sequence);
}

template <typename Sequence>
std::unique_ptr<CSequence> MakeSequence(const CWindowCurveKind& kind, CPlotvaneView& view, CPlotvaneDoc& doc,
                                        CCoordSyst* pCoordSyst, CCurve* pCurve)
{
    return std::make_unique<Sequence>(kind, view, doc, pCoordSyst, pCurve);
}

// clang-format off
std::vector<CWindowCurveKind> MakeTable()
{
    return {
        {ECurveKind::Continuous, ID_NEW_CONTINUOUS_CURVE,
         QT_TRANSLATE_NOOP("CMainFrame", "&Continuous curve"), "continuous-curve",
         "continuousRadio", "continuousPicture", ":/pictures/kind-continuous.svg",
         {{STEP_LIMITS, CLimitDialog::IDD_LIMITS, &CurveDialog<CLimitDialog, CContinuousCurve>},
          {STEP_GENESIS, CGenesisDialog::IDD_GENESIS, &CurveDialog<CGenesisDialog, CContinuousCurve>},
          {STEP_HAND_MODIFICATION, CHandModificationDialog::IDD,
           &CurveDialog<CHandModificationDialog, CContinuousCurve>}},
         &MakeSequence<CContinuousSequence>, &CContinuousSequence::MakeCurve},
        {ECurveKind::Spline, ID_NEW_SPLINE_CURVE,
         QT_TRANSLATE_NOOP("CMainFrame", "&Spline curve"), "spline-curve",
         "splineRadio", "splinePicture", ":/pictures/kind-spline.svg",
         {{STEP_SPLINE, CSplineDialog::IDD, &CurveDialog<CSplineDialog, CSplineCurve>}},
         &MakeSequence<CSplineSequence>, &CSplineSequence::MakeCurve},
        {ECurveKind::Discrete, ID_NEW_DISCRETE_CURVE,
         QT_TRANSLATE_NOOP("CMainFrame", "&Discrete curve"), "discrete-curve",
         "discreteRadio", "discretePicture", ":/pictures/kind-discrete.svg",
         {{STEP_DISCRETE_POINTS, CDiscreteDialog::IDD, &CurveDialog<CDiscreteDialog, CDiscreteCurve>}},
         &MakeSequence<CDiscreteSequence>, &CDiscreteSequence::MakeCurve},
        {ECurveKind::Density, ID_NEW_DENSITY_CURVE,
         QT_TRANSLATE_NOOP("CMainFrame", "Den&sitometry curve"), "density-curve",
         "densityRadio", "densityPicture", ":/pictures/kind-density.svg",
         {{STEP_DENSITOMETRY, CDensitometryDialog::IDD_DENSITOMETRY,
           &CurveDialog<CDensitometryDialog, CDensityCurve>}},
         &MakeSequence<CDensitoSequence>, &CDensitoSequence::MakeCurve},
    };
}
// clang-format on

}  // namespace

const std::vector<CWindowCurveKind>& CWindowCurveKinds::All()
{
    static const std::vector<CWindowCurveKind> table = MakeTable();
    return table;
}

const CWindowCurveKind* CWindowCurveKinds::Find(ECurveKind kind)
{
    return FindCurveKind(All(), kind);
}

const CWindowCurveKind& CWindowCurveKinds::Of(ECurveKind kind)
{
    const CWindowCurveKind* pEntry = Find(kind);
    return pEntry != nullptr ? *pEntry : All().front();
}

int CWindowCurveKinds::IndexOf(ECurveKind kind)
{
    return static_cast<int>(&Of(kind) - All().data());
}

const CWindowCurveKind* CWindowCurveKinds::FindByCommand(unsigned nCommandId)
{
    for (const CWindowCurveKind& entry : All())
        if (entry.nCommandId == nCommandId)
            return &entry;
    return nullptr;
}

const CWindowCurveKind::CStep* CWindowCurveKinds::FindStep(STEP step)
{
    for (const CWindowCurveKind& entry : All())
        for (const CWindowCurveKind::CStep& kindStep : entry.steps)
            if (kindStep.step == step)
                return &kindStep;
    return nullptr;
}
