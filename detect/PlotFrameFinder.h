#pragma once

#include <vector>

#include "detect/AxisLine.h"

class CGreyPicture;

// A plot's frame as far as its axes go: the bottom line (the X axis) and the left line (the
// Y axis), which meet at the bottom left corner.
struct CPlotFrame {
    CAxisLine bottom;
    CAxisLine left;
    double cornerX = 0.0;
    double cornerY = 0.0;
};

// Finds the plots of a picture by their frames: a long horizontal line whose left end meets the
// bottom end of a long vertical one, both at least a tenth of the picture long. A frame of
// four sides and left and bottom spines alike have one such corner; corners inside another
// plot's frame (a legend's box) are not plots, and a corner found twice counts once. Plots
// come top to bottom, then left to right.
class CPlotFrameFinder {
public:
    static std::vector<CPlotFrame> Find(const CGreyPicture& picture);
};
