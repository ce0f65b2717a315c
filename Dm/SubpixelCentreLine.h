#pragma once

#include <cstdint>

#include "platform/Object.h"

// The document record that marks a continuous curve whose results use the sub-pixel centre
// line (CCentreLineRefiner). A curve that uses it stores this record where its thickness
// corrector's reference stands and the corrector's reference right after it; a curve that
// does not use it stores nothing of it. A reader that does not know the class refuses the
// document ("Unknown class"), rather than reading the curve without its refinement.
// Holds the refinement's method only. Owns nothing.
class CSubpixelCentreLine : public CObject {
    DECLARE_SERIAL(CSubpixelCentreLine)
public:
    // The methods a document may name; the centre of the stroke is the only one.
    static constexpr uint32_t kStrokeCentre = 1;

    CSubpixelCentreLine() = default;

    uint32_t GetMethod() const { return m_nMethod; }

    // DWORD method. Reading another method raises CArchiveException.
    void Serialize(CArchive& ar) override;

private:
    uint32_t m_nMethod = kStrokeCentre;
};
