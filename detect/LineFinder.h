#pragma once

#include <vector>

#include "detect/AxisLine.h"

class CGreyPicture;

// Finds the long straight lines of ink of a picture that run horizontally, or vertically,
// turned by up to kMaxTurnDegrees: frames, spines, dark grid lines. Ink runs along the
// direction are projected across it at each of a range of turns; the turn that gathers them
// most sharply is the picture's, and each band of ink that holds a long run is one line, its
// middle fitted to a fraction of a pixel over the columns (or rows) it crosses.
class CLineFinder {
public:
    static constexpr double kMaxTurnDegrees = 2.5;

    // Lines at least nMinLength pixels long.
    static std::vector<CAxisLine> Find(const CGreyPicture& picture, bool bVertical, int nMinLength);
};
