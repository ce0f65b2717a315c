#pragma once

#include "detect/AxesDetection.h"

class CLabelReader;
struct CPixelBufferView;

// Finds the coordinate systems of a picture without a click: each plot's frame
// (CPlotFrameFinder), the ticks along its bottom and left sides (CTickFinder), the labels
// beside them (CTickLabelFinder, read by CLabelReader), and the scale of each axis fitted to
// the labels that stand at ticks (CAxisFit). A plot is found only when both of its axes are;
// a refusal says why. The reader's engine is used from one thread at a time.
class CAxesDetector {
public:
    explicit CAxesDetector(CLabelReader& reader) : m_Reader(reader) {}

    CAxesDetection Detect(const CPixelBufferView& picture);

    // An axis needs at least this confidence (CAxisFit) to be found.
    static constexpr double kMinConfidence = 0.3;

private:
    CLabelReader& m_Reader;
};
