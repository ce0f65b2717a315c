#pragma once

#include "cli/JobCurveBuilder.h"

class CContinuousCurve;

// A continuous curve of a job, in the order of its dialogs: the limits with the limits
// dialog's validation; the follow side, dashes, threshold, centre line refinement (it
// changes how lines are followed) and thickness compensation; the genesis points, each
// through AddGenesisPoint (its refusals end the job, a redundant point removed is a warning); the thickness
// measured at a pixel as the "Pick" button does; the name; the pen and rubber strokes; then the results
// parameters through the checks of the period dialog.
class CContinuousCurveBuilder : public CJobCurveBuilder {
public:
    using CJobCurveBuilder::CJobCurveBuilder;

    void Build(const CJobValue& item) override;

private:
    void ApplyLimits(CContinuousCurve& curve, const CJobValue& item);
    void ApplyRecognitionSettings(CContinuousCurve& curve, const CJobValue& item);
    void AddGenesisPoints(CContinuousCurve& curve, const CJobValue& item);
    void PickThickness(CContinuousCurve& curve, const CJobValue& at);
    void ApplyEdits(CContinuousCurve& curve, const CJobValue& edits);
    void ApplyResults(CContinuousCurve& curve, const CJobValue& item);
};
