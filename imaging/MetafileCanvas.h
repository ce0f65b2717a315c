#pragma once

#include <cstdint>

// The pixel size at which a metafile is drawn: its natural size (at 96 dots per inch),
// made smaller, keeping the aspect ratio, when it is too large or when the file has so many
// drawing steps (records, and the points of the lines and shapes they draw) that drawing
// each over so many pixels could keep us busy for minutes (a few kilobytes of full-page
// fills, a polygon of tens of thousands of points). Ordinary drawings keep their natural
// size: at most kMaxSide on the longer side, and steps x pixels at most kWorkBudget. A file
// of more than kMaxVertices points is refused.
class PLMetafileCanvas {
public:
    static constexpr double kMaxSide = 4096;
    static constexpr double kWorkBudget = 4294967296.0;  // 2^32 pixel-steps
    static constexpr uint64_t kMaxVertices = 1000000;

    // naturalWidth and naturalHeight in pixels (positive); steps, the drawing records and
    // the points they draw through.
    // Returns the scale to apply to the natural size (at most 1).
    static double Scale(double naturalWidth, double naturalHeight, uint64_t steps);
};
