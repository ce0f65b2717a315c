#pragma once

#include "main/wizard/CurveSequence.h"

// The wizard of a densitometry curve: the colour profile along a segment.
class CDensitoSequence : public CCurveSequence {
public:
    using CCurveSequence::CCurveSequence;

    // A new curve of the kind, for the window's table of curve kinds.
    static std::unique_ptr<CCurve> MakeCurve(CCoordSyst& coordSyst);
};
