#pragma once

#include "cli/JobCurveBuilder.h"

// A spline curve of a job, as the spline dialog's "add at the end" tool builds it: for each
// node, front to back, a press at its anchor adds it (AddBack), the drag gives its handles
// and the smooth flag, the release ends the move; then the name and the results' points per
// segment (1 to 1000). The dialog's "Next" needs two nodes.
class CSplineCurveBuilder : public CJobCurveBuilder {
public:
    using CJobCurveBuilder::CJobCurveBuilder;

    void Build(const CJobValue& item) override;
};
