#pragma once

#include "main/wizard/ConstructionDialog.h"
#include "main/wizard/Sequence.h"

// The stand-in for a curve step whose dialog the program does not have yet: it says so and
// offers the wizard buttons, so that the wizard can be gone through to the end.
class CPendingStepDialog : public CConstructionDialog {
    Q_OBJECT
public:
    CPendingStepDialog(STEP step, CPlotvaneView& view, CSequence& sequence);

    // The dialog template of each curve step (0 for other steps).
    static unsigned TemplateOf(STEP step);
};
