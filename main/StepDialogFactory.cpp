#include "main/StepDialogFactory.h"

#include "Dm/ContinuousCurve.h"
#include "Dm/CoordSyst.h"
#include "Dm/DiscreteCurve.h"
#include "Dm/SplineCurve.h"
#include "main/AxeDialog.h"
#include "main/DiscreteDialog.h"
#include "main/HandModificationDialog.h"
#include "main/PendingStepDialog.h"
#include "main/SplineDialog.h"

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
        case STEP_DISCRETE_POINTS:
            if (auto* pCurve = dynamic_cast<CDiscreteCurve*>(sequence.GetCurve()))
                return new CDiscreteDialog(view, sequence, *pCurve);
            break;
        case STEP_SPLINE:
            if (auto* pCurve = dynamic_cast<CSplineCurve*>(sequence.GetCurve()))
                return new CSplineDialog(view, sequence, *pCurve);
            break;
        case STEP_HAND_MODIFICATION:
            if (auto* pCurve = dynamic_cast<CContinuousCurve*>(sequence.GetCurve()))
                return new CHandModificationDialog(view, sequence, *pCurve);
            break;
        default:
            break;
    }
    return new CPendingStepDialog(step, view, sequence);
}
