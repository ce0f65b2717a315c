#pragma once

#include <vector>

#include "detect/AxisLine.h"
#include "platform/Point.h"

class CGreyPicture;

// Finds the boxes of the texts beside an axis line, outside the plot: below a horizontal line
// the first row of text under the ticks (the tick labels), and where a plotting program puts
// an axis's multiplier or offset text, the next row at its right end; left of a vertical line
// the texts nearest it, one a line of text, and the text above its top end. Characters are
// patches of ink; those close together on one line of text make one box.
class CTickLabelFinder {
public:
    struct CBoxes {
        std::vector<CRect> labels;
        std::vector<CRect> extras;  // texts where a multiplier or offset text would stand
    };

    // nClear: how far out of the line its marks reach (outward ticks), left out of the search.
    static CBoxes Find(const CGreyPicture& picture, const CAxisLine& line, int nClear);
};
