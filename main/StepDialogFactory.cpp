#include "main/StepDialogFactory.h"

#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/DensityCurve.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/SplineCurve.h"
#include "main/AxeDialog.h"
#include "main/DensitometryDialog.h"
#include "main/DiscreteDialog.h"
#include "main/GenesisDialog.h"
#include "main/HandModificationDialog.h"
#include "main/LimitDialog.h"
#include "main/PendingStepDialog.h"
#include "main/SplineDialog.h"

namespace {

// The dialog of a curve step, on the sequence's curve when it is of the kind the dialog
// builds (the stand-in otherwise).
template <typename Dialog, typename Curve>
CConstructionDialog* CurveDialog(STEP step, CPlotvaneView& view, CSequence& sequence)
{
    if (auto* pCurve = dynamic_cast<Curve*>(sequence.GetCurve()))
        return new Dialog(view, sequence, *pCurve);
    return new CPendingStepDialog(step, view, sequence);
}

}  // namespace

bool CStepDialogFactory::IsDialogStep(STEP step)
{
    switch (step) {
        case STEP_X_AXIS:
        case STEP_Y_AXIS:
        case STEP_LIMITS:
        case STEP_GENESIS:
        case STEP_HAND_MODIFICATION:
        case STEP_DISCRETE_POINTS:
        case STEP_DENSITOMETRY:
        case STEP_SPLINE:
            return true;
        default:
            return false;
    }
}

CConstructionDialog* CStepDialogFactory::Create(STEP step, CPlotvaneView& view, CSequence& sequence)
{
    CCoordSyst& coordSyst = *sequence.GetCoordSyst();
    switch (step) {
        case STEP_X_AXIS:
            return new CAxeDialog(CAxeDialog::IDD_X_AXIS, view, sequence, coordSyst.GetXAxe(),
                                  coordSyst.GetYAxe());
        case STEP_Y_AXIS:
            return new CAxeDialog(CAxeDialog::IDD_Y_AXIS, view, sequence, coordSyst.GetYAxe(),
                                  coordSyst.GetXAxe());
        case STEP_LIMITS:
            return CurveDialog<CLimitDialog, CContinuousCurve>(step, view, sequence);
        case STEP_GENESIS:
            return CurveDialog<CGenesisDialog, CContinuousCurve>(step, view, sequence);
        case STEP_HAND_MODIFICATION:
            return CurveDialog<CHandModificationDialog, CContinuousCurve>(step, view, sequence);
        case STEP_DENSITOMETRY:
            return CurveDialog<CDensitometryDialog, CDensityCurve>(step, view, sequence);
        case STEP_DISCRETE_POINTS:
            return CurveDialog<CDiscreteDialog, CDiscreteCurve>(step, view, sequence);
        case STEP_SPLINE:
            return CurveDialog<CSplineDialog, CSplineCurve>(step, view, sequence);
        default:
            return new CPendingStepDialog(step, view, sequence);
    }
}
