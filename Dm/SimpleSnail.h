#pragma once

#include <cstdint>

#include "Dm/SnailAlgorithm.h"

// Follower of a solid line: steps from column to column along the followed edge and stops
// at the first column where the line cannot be reached, or at the border of the bitmap.
// Pixel coordinates as in CSnailAlgorithm. Owns nothing.
class CSimpleSnail : public CSnailAlgorithm {
public:
    CSimpleSnail(const CBmpManager& bmpManager, uint32_t threshold, bool bFollowTop);

    bool Next(CPoint& point) override;
    // When the start pixel is not ink, point is left as it is and Next steps on from it.
    bool Start(CPoint& point, bool bLeftwards) override;

    // The last point produced (or the start point).
    const CPoint& GetCurrent() const { return m_Current; }

protected:
    CPoint m_Current;
};
