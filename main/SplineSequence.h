#pragma once

#include <memory>

#include "main/Sequence.h"

// The wizard of a spline curve: its nodes placed and shaped. Builds a new curve on a coordinate system (added
// to it at once) or modifies one (kept as it was in a backup).
class CSplineSequence : public CSequence {
public:
    // pCurve: the curve of pCoordSyst to modify; null makes a new one.
    CSplineSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst, CCurve* pCurve = nullptr);

    // A new curve of this kind on the coordinate system, not yet added to it.
    static std::unique_ptr<CCurve> MakeCurve(CCoordSyst& coordSyst);
    // Whether the curve is of this kind.
    static bool IsOfKind(const CCurve& curve);

    bool Start() override;
    void Cancel(CConstructionDialog* /*pDialog*/) override { CancelCurve(); }
    void Finish() override { FinishCurve(); }
};
