#pragma once

#include "main/CurveSequence.h"

// The wizard of a discrete curve, whose points are picked one by one.
class CDiscreteSequence : public CCurveSequence {
public:
    using CCurveSequence::CCurveSequence;

    static std::unique_ptr<CCurve> MakeCurve(CCoordSyst& coordSyst);
    static bool IsOfKind(const CCurve& curve);

protected:
    std::unique_ptr<CCurve> NewCurve(CCoordSyst& coordSyst) const override { return MakeCurve(coordSyst); }
    std::vector<STEP> Steps() const override { return {STEP_NONE, STEP_DISCRETE_POINTS, STEP_END}; }
};
