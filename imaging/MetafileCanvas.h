#pragma once

#include <cstdint>

// The pixel size at which a metafile is drawn: its natural size (at 96 dots per inch),
// made smaller, keeping the aspect ratio, when it is too large or when the file has so many
// records that drawing each over so many pixels could keep us busy for minutes (a few
// kilobytes of full-page fills). Ordinary drawings keep their natural size: at most
// kMaxSide on the longer side, and records x pixels at most kWorkBudget.
class PLMetafileCanvas {
public:
    static constexpr double kMaxSide = 4096;
    static constexpr double kWorkBudget = 4294967296.0;  // 2^32 pixel-records

    // naturalWidth and naturalHeight in pixels (positive); records, the drawing records.
    // Returns the scale to apply to the natural size (at most 1).
    static double Scale(double naturalWidth, double naturalHeight, uint64_t records);
};
