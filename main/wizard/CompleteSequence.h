#pragma once

#include "main/wizard/Sequence.h"

struct CWindowCurveKind;

// The wizard "New coordinates system and curve": the X axis, the Y axis, the kind of curve,
// then the steps of that kind of curve. The coordinate system is added to the document at
// once; the curve is made (or remade, when the user comes back and changes the kind) when
// the kind is chosen.
class CCompleteSequence : public CSequence {
public:
    CCompleteSequence(CPlotvaneView& view, CPlotvaneDoc& doc);

    bool Start() override;
    void Cancel(CConstructionDialog* pDialog) override;
    void Finish() override;

protected:
    void ChooseCurveKind() override;

private:
    // Keeps the curve when it is of the kind chosen; otherwise replaces it by a new one.
    void EnsureCurveKind(const CWindowCurveKind& kind);
};
