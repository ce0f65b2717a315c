#pragma once

#include "main/wizard/CurveSequence.h"

// The wizard of a continuous curve: its limits, its starting points, then the changes made by hand.
class CContinuousSequence : public CCurveSequence {
public:
    using CCurveSequence::CCurveSequence;

    // A new curve of the kind, for the window's table of curve kinds.
    static std::unique_ptr<CCurve> MakeCurve(CCoordSyst& coordSyst);
};
