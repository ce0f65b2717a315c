#pragma once

#include "main/CurveSequence.h"

// The wizard of a densitometry curve: the colour profile along a segment.
class CDensitoSequence : public CCurveSequence {
public:
    using CCurveSequence::CCurveSequence;

    static std::unique_ptr<CCurve> MakeCurve(CCoordSyst& coordSyst);
    static bool IsOfKind(const CCurve& curve);

protected:
    std::unique_ptr<CCurve> NewCurve(CCoordSyst& coordSyst) const override { return MakeCurve(coordSyst); }
    std::vector<STEP> Steps() const override { return {STEP_NONE, STEP_DENSITOMETRY, STEP_END}; }
};
