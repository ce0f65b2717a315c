#pragma once

#include "main/wizard/CurveSequence.h"

// The wizard of a spline curve, whose nodes are placed and shaped by hand.
class CSplineSequence : public CCurveSequence {
public:
    using CCurveSequence::CCurveSequence;

    // A new curve of the kind, for the window's table of curve kinds.
    static std::unique_ptr<CCurve> MakeCurve(CCoordSyst& coordSyst);
    // The copy of a modified curve gets its segments rebuilt from its nodes.
    bool Start() override;
};
