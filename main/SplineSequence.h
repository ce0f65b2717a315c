#pragma once

#include "main/CurveSequence.h"

// The wizard of a spline curve, whose nodes are placed and shaped by hand.
class CSplineSequence : public CCurveSequence {
public:
    using CCurveSequence::CCurveSequence;

    static std::unique_ptr<CCurve> MakeCurve(CCoordSyst& coordSyst);
    static bool IsOfKind(const CCurve& curve);
    // The copy of a modified curve gets its segments rebuilt from its nodes.
    bool Start() override;

protected:
    std::unique_ptr<CCurve> NewCurve(CCoordSyst& coordSyst) const override { return MakeCurve(coordSyst); }
    std::vector<STEP> Steps() const override { return {STEP_NONE, STEP_SPLINE, STEP_END}; }
};
