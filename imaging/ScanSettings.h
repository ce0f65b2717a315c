#pragma once

#include <string>
#include <vector>

// What a scanner offers to be set before a scan, as its own options describe it: the
// resolutions (a list, or any value in a range), the colour modes (the device's own names,
// "Color", "Gray", "Lineart", ...), the largest scan area in millimetres, and whether it can
// scan a quick preview of its whole bed. A device that has no such option offers nothing of
// it.
struct CScanOffer {
    bool bResolution = false;
    std::vector<double> resolutions;  // empty: any value from dMinResolution to dMaxResolution
    double dMinResolution = 0;
    double dMaxResolution = 0;
    std::vector<std::string> modes;
    bool bArea = false;
    double dAreaWidth = 0;  // mm, from the top left corner of the bed
    double dAreaHeight = 0;
    bool bPreview = false;

    // Whether the device takes dDpi.
    bool OffersResolution(double dDpi) const;
};

// The settings of one scan: resolution (dots per inch), colour mode and the area scanned (in
// millimetres from the top left corner of the bed). A value the device does not offer is
// left as the device has it (0 or empty).
struct CScanSettings {
    double dResolution = 0;
    std::string strMode;
    double dLeft = 0;
    double dTop = 0;
    double dRight = 0;
    double dBottom = 0;

    bool operator==(const CScanSettings& other) const;
    // Within what offer offers: the resolution offered, the mode among its modes, and the
    // area non-empty and within the bed.
    bool IsValidFor(const CScanOffer& offer) const;
};
