#include "main/wizard/StepDialogFactory.h"

#include "Dm/CoordSyst.h"
#include "main/steps/axes/AxeDialog.h"
#include "main/wizard/PendingStepDialog.h"
#include "main/wizard/WindowCurveKinds.h"

bool CStepDialogFactory::IsDialogStep(STEP step)
{
    switch (step) {
        case STEP_X_AXIS:
        case STEP_Y_AXIS:
            return true;
        default:
            return CWindowCurveKinds::FindStep(step) != nullptr;
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
        default:
            break;
    }
    if (const CWindowCurveKind::CStep* pCurveStep = CWindowCurveKinds::FindStep(step))
        return pCurveStep->makeDialog(step, view, sequence);
    return new CPendingStepDialog(step, view, sequence);
}
