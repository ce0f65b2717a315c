#pragma once

#include "cli/JobCurveBuilder.h"

class CDensityCurve;

// A densitometry curve of a job: the segment (its two ends on the picture and, as a rule of
// our own, different: the model cannot sample a segment of no length), the scale colours and
// values through the densitometry dialog's validation, the name, the samples, then the
// results parameters through the checks of the density period dialog. Periods and
// frequencies must be positive; a display or first value on a coordinate the segment cannot
// use (it runs parallel to an axis) is refused, as the dialog disables those fields.
class CDensityCurveBuilder : public CJobCurveBuilder {
public:
    using CJobCurveBuilder::CJobCurveBuilder;

    void Build(const CJobValue& item) override;

private:
    void ApplyScale(CDensityCurve& curve, const CJobValue& item);
    void ApplyResults(CDensityCurve& curve, const CJobValue& item);
};
