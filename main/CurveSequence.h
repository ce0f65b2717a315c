#pragma once

#include <memory>
#include <vector>

#include "main/Sequence.h"

// The common part of the wizards of one curve on a coordinate system: a new curve is added
// to the coordinate system at once; a curve to modify is copied first, and Cancel puts the
// copy back at the end of the coordinate system's curves.
class CCurveSequence : public CSequence {
public:
    // pCurve: the curve of pCoordSyst to modify; null makes a new one.
    CCurveSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, CCurve* pCurve);

    // False without a coordinate system, or when the new curve cannot be made.
    bool Start() override;
    void Cancel(CConstructionDialog* pDialog) override;
    void Finish() override { FinishCurve(); }

protected:
    // A new curve of the sequence's kind on the coordinate system, not yet added to it.
    virtual std::unique_ptr<CCurve> NewCurve(CCoordSyst& coordSyst) const = 0;
    // The steps, from the start marker to the end marker.
    virtual std::vector<STEP> Steps() const = 0;
};
