#pragma once

#include "main/wizard/CurveSequence.h"

// The wizard of a discrete curve, whose points are picked one by one.
class CDiscreteSequence : public CCurveSequence {
public:
    using CCurveSequence::CCurveSequence;

    // A new curve of the kind, for the window's table of curve kinds.
    static std::unique_ptr<CCurve> MakeCurve(CCoordSyst& coordSyst);
};
