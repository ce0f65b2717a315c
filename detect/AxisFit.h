#pragma once

#include <string>
#include <vector>

#include "detect/LabelValue.h"

// The scale of one axis fitted to its labelled ticks: the value (or its logarithm to base 10
// on a logarithmic axis) as a straight function of the position along the axis, found by
// consensus (every pair of ticks proposes a scale; the one that most ticks agree with to
// within kTolerance pixels wins, then a least-squares fit over those alone), so that misread
// labels, which disagree with the others, are left out instead of bending the scale.
class CAxisFit {
public:
    struct CLabelledTick {
        double at = 0.0;  // the tick's position along the axis, in pixels
        CLabelValue label;
    };

    struct CResult {
        bool found = false;
        std::string reason;  // why not, when not found
        bool logarithmic = false;
        double intercept = 0.0;  // value (or log10 of it) = intercept + slope * position
        double slope = 0.0;
        std::vector<bool> agrees;       // for each labelled tick, whether the scale keeps it
        std::vector<double> residuals;  // for each labelled tick, its distance to the scale, in pixels
        double confidence = 0.0;        // 0 to 1

        double ValueAt(double at) const;
    };

    // A tick farther than this from the place the scale gives its label disagrees with it.
    static constexpr double kTolerance = 1.5;
    // Fewer ticks than this that agree are no scale.
    static constexpr size_t kMinAgreeing = 3;

    // nFactor and dOffset: the axis's multiplier and offset texts (1 and 0 without), applied to
    // the labels written plainly.
    static CResult Fit(const std::vector<CLabelledTick>& ticks, double dFactor = 1.0, double dOffset = 0.0);
};
