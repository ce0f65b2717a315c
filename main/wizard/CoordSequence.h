#pragma once

#include "main/wizard/Sequence.h"

// The wizard of a coordinate system: its X axis, then its Y axis. Builds a new coordinate
// system (added to the document at once) or modifies one (kept as it was in a backup).
class CCoordSequence : public CSequence {
public:
    // pCoordSyst: the coordinate system to modify; null makes a new one.
    CCoordSequence(CPlotvaneView& view, CPlotvaneDoc& doc, CCoordSyst* pCoordSyst = nullptr);

    bool Start() override;
    void Cancel(CConstructionDialog* /*pDialog*/) override;
    void Finish() override;
};
