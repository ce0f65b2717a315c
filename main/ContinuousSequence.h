#pragma once

#include "main/CurveSequence.h"

// The wizard of a continuous curve: its limits, its starting points, then the changes made by hand.
class CContinuousSequence : public CCurveSequence {
public:
    using CCurveSequence::CCurveSequence;

    static std::unique_ptr<CCurve> MakeCurve(CCoordSyst& coordSyst);
    static bool IsOfKind(const CCurve& curve);

protected:
    std::unique_ptr<CCurve> NewCurve(CCoordSyst& coordSyst) const override { return MakeCurve(coordSyst); }
    std::vector<STEP> Steps() const override
    {
        return {STEP_NONE, STEP_LIMITS, STEP_GENESIS, STEP_HAND_MODIFICATION, STEP_END};
    }
};
