#pragma once

#include <cstdint>

// A straight dark line of a picture, horizontal or vertical within a few degrees, in the
// coordinates along it and across it (x and y for a horizontal line, y and x for a vertical
// one): its middle lies at across = offset + slope * along, from along = start to end (whole
// pixels, both included), and it is thickness pixels thick.
struct CAxisLine {
    bool vertical = false;
    double offset = 0.0;
    double slope = 0.0;
    int32_t start = 0;
    int32_t end = 0;
    double thickness = 1.0;

    double Across(double along) const { return offset + slope * along; }
    int32_t Length() const { return end - start + 1; }
    // A point of the line in picture coordinates.
    double X(double along) const { return vertical ? Across(along) : along; }
    double Y(double along) const { return vertical ? along : Across(along); }
};
