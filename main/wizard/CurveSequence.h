#pragma once

#include "main/wizard/Sequence.h"

struct CWindowCurveKind;

// The common part of the wizards of one curve on a coordinate system: a new curve is added
// to the coordinate system at once; a curve to modify is copied first, and Cancel puts the
// copy back at the end of the coordinate system's curves. The steps and the new curve are
// those of the kind's entry in the window's table of curve kinds (main/wizard/WindowCurveKinds).
class CCurveSequence : public CSequence {
public:
    // kind: the entry of the curve's kind (kept, not owned); pCurve: the curve of
    // pCoordSyst to modify; null makes a new one.
    CCurveSequence(const CWindowCurveKind& kind, CPlotvaneView& view, CPlotvaneDoc& doc,
                   CCoordSyst* pCoordSyst, CCurve* pCurve);

    // False without a coordinate system, or when the new curve cannot be made.
    bool Start() override;
    void Cancel(CConstructionDialog* pDialog) override;
    void Finish() override { FinishCurve(); }

private:
    const CWindowCurveKind& m_Kind;
};
