#pragma once

#include <string>
#include <vector>

#include "detect/TickFinder.h"
#include "platform/Point.h"

// What the axes detector found on a picture (CAxesDetector), in the model's terms, with what it
// was found from.

// A text read beside an axis: a tick label, or a multiplier or offset text.
struct CDetectedLabel {
    CRect box;
    std::string text;       // as read
    bool number = false;    // whether the text is a number
    double value = 0.0;     // the number as written (before a multiplier or offset)
    bool onTick = false;    // whether it stands at a tick
    double at = 0.0;        // that tick's position along the axis
    bool agrees = false;    // whether the fitted scale keeps it
    double residual = 0.0;  // its tick's distance to where the scale puts its value, in pixels
};

struct CDetectedAxis {
    bool found = false;
    std::string reason;  // why not, when not found
    // The line, whole-pixel ends, from the plot's corner to the far end of its side; the two
    // scale points, at its ends, and the values the fitted scale gives there.
    CPoint lineStart;
    CPoint lineEnd;
    CPoint at1;
    CPoint at2;
    double value1 = 0.0;
    double value2 = 0.0;
    bool logarithmic = false;
    double confidence = 0.0;
    double factor = 1.0;  // the multiplier text's, applied to the plain labels
    double offset = 0.0;  // the offset text's
    std::vector<CTick> ticks;
    std::vector<CDetectedLabel> labels;
};

struct CDetectedPlot {
    bool found = false;  // both axes found
    std::string reason;
    CDetectedAxis x;
    CDetectedAxis y;
    double confidence = 0.0;
};

struct CAxesDetection {
    std::vector<CDetectedPlot> plots;  // every frame looked at, found or not
    std::string reason;                // why nothing was found, when nothing was
    // Where the time went, in seconds of the processor.
    double linesSeconds = 0.0;  // finding the lines, ticks and label boxes
    double ocrSeconds = 0.0;    // reading the labels
    double fitSeconds = 0.0;    // fitting the scales

    size_t FoundCount() const
    {
        size_t n = 0;
        for (const CDetectedPlot& p : plots)
            n += p.found ? 1 : 0;
        return n;
    }
};
