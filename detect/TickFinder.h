#pragma once

#include <vector>

#include "detect/AxisLine.h"

class CGreyPicture;

// A tick mark on an axis line: where its middle meets the line (along it, to a fraction of a
// pixel), and how far it reaches out of the plot and into it.
struct CTick {
    double at = 0.0;
    int outside = 0;
    int inside = 0;
};

// Finds the tick marks along an axis line: short strokes of ink standing off the line on
// either side, a few pixels wide at most, whose middle is the ink-weighted mean of the
// positions they cover (sampled perpendicular to a turned line). Which side is outside: below
// a horizontal line, left of a vertical one. Marks longer than nMaxLength are not ticks.
class CTickFinder {
public:
    static std::vector<CTick> Find(const CGreyPicture& picture, const CAxisLine& line, int nMaxLength);
};
