#pragma once

#include "cli/JobCurveBuilder.h"

// A discrete curve of a job, as the points-picking dialog builds it: every point appended in
// order (the view gives only points on the picture), then sorted by X when asked, then the
// name. The dialog's "Finish" needs at least one point.
class CDiscreteCurveBuilder : public CJobCurveBuilder {
public:
    using CJobCurveBuilder::CJobCurveBuilder;

    void Build(const CJobValue& item) override;
};
