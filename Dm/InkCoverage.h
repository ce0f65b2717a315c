#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Point.h"

class CBmpManager;

// How much of each pixel a curve's ink covers, from 0 (the background's colour) to 1 (the
// ink's): the projection of the pixel's distance from the background onto the ink's, so that
// the anti-aliased edges of a stroke count for what they cover. The ink and the background
// colours are learnt from a curve's own pixels and from those just beside its stroke.
// The bitmap manager is not owned and must outlive this object.
class CInkCoverage {
public:
    // Levels of coverage that the steps of the refinement share.
    // A pixel at least this much covered can hold the stroke's middle.
    static constexpr double kCoreCoverage = 0.3;
    // Beyond the stroke, the picture must be background up to this coverage (the ringing of
    // a compressed picture stays below it); more means something else touches the stroke.
    static constexpr double kClearCoverage = 0.2;
    // Pixels of a run found without knowing the thickness are covered at least this much.
    static constexpr double kRunCoverage = 0.15;

    CInkCoverage(const CBmpManager& bmpManager, uint32_t threshold, int nThickness);

    // Every how many points the colours and the thickness are sampled: they are the same all
    // along a curve, and a thousand points tell them.
    static size_t SampleStride(size_t nPoints);

    // Learns the ink and the background colours from the pixels of points and from those
    // beside the stroke there. False when they cannot be told apart.
    bool Learn(const std::vector<CPoint>& points);
    // The share of pixel (x, y) covered by ink; 0 outside the bitmap.
    double At(int64_t x, int64_t y) const;
    // The coverages of nRows pixels of column x from row yFirst down, into coverages.
    void ReadColumn(int64_t x, int64_t yFirst, int64_t nRows, std::vector<double>& coverages);

private:
    double Of(uint32_t color) const;

    const CBmpManager& m_BmpManager;
    uint32_t m_Threshold;
    int m_nThickness;
    // The colours as red, green, blue, and the squared length of their difference.
    double m_Ink[3] = {0, 0, 0};
    double m_Background[3] = {255, 255, 255};
    double m_dContrast2 = 0.0;
    // Each channel's share of the coverage, by level.
    std::array<std::array<double, 256>, 3> m_Shares{};
    // The colours of the column ReadColumn reads.
    std::vector<uint32_t> m_Colors;
    // The last two colours ReadColumn met and their coverages.
    uint32_t m_RecentColors[2] = {0, 0};
    double m_dRecentCoverages[2] = {0.0, 0.0};
};
