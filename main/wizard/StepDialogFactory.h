#pragma once

#include "main/wizard/Sequence.h"

class CConstructionDialog;
class CPlotvaneView;

// Makes the dialog of each step of a construction: the axis steps here, the curve steps
// through the window's table of curve kinds (main/wizard/WindowCurveKinds). A step whose dialog the
// program does not have yet gets a stand-in that only lets the user go on, back or cancel.
class CStepDialogFactory {
public:
    // Steps shown as a modeless step dialog (the axes and the curve steps).
    static bool IsDialogStep(STEP step);
    // The dialog of a dialog step, parented to and attached to the view; it deletes itself
    // when it closes.
    static CConstructionDialog* Create(STEP step, CPlotvaneView& view, CSequence& sequence);
};
