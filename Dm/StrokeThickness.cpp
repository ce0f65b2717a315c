#include "Dm/StrokeThickness.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Dm/InkCoverage.h"

namespace {

// The run of a column is followed no further than this many times the thickness (but at
// least kMinBoundThickness) and kBoundSlack rows, across the stroke: a longer one is not
// sampled.
constexpr int kBoundThicknesses = 4;
constexpr int kMinBoundThickness = 2;
constexpr int kBoundSlack = 3;
// A picture is drawn without anti-aliasing when fewer than one in this many pixels of the
// runs beside the points are partly covered.
constexpr int64_t kQuantisedPartialShare = 10;
// The median thickness needs this many samples; with fewer the corrector's serves.
constexpr size_t kMinSamples = 5;

double Median(std::vector<double>& values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace

void CStrokeThickness::Estimate(const CInkCoverage& coverage, const std::vector<CPoint>& points,
                                const std::vector<double>& slopes, int nThickness)
{
    m_Samples.clear();
    const size_t n = points.size();
    const int64_t nBound = kBoundThicknesses * std::max(nThickness, kMinBoundThickness) + kBoundSlack;
    int64_t nPartial = 0;
    int64_t nPixels = 0;
    for (size_t i = 0; i < n; i += CInkCoverage::SampleStride(n)) {
        const int64_t x = points[i].x;
        const int64_t y0 = points[i].y;
        if (coverage.At(x, y0) < CInkCoverage::kCoreCoverage)
            continue;
        const double m = slopes[i];
        const double dCosine = 1.0 / std::sqrt(1.0 + m * m);
        const int64_t nMaxRows = static_cast<int64_t>(static_cast<double>(nBound) / dCosine + m);
        double dWeight = coverage.At(x, y0);
        int64_t nRows = 1;
        for (const int d : {-1, 1}) {
            for (int64_t y = y0 + d; nRows <= nMaxRows; y += d, ++nRows) {
                const double w = coverage.At(x, y);
                if (w < CInkCoverage::kRunCoverage)
                    break;
                dWeight += w;
                nPartial += w < 1.0 - CInkCoverage::kRunCoverage ? 1 : 0;
                ++nPixels;
            }
        }
        if (nRows <= nMaxRows)
            m_Samples.push_back(dWeight * dCosine);
    }
    m_bQuantised = nPartial * kQuantisedPartialShare < nPixels;
    m_dThickness = m_Samples.size() >= kMinSamples ? Median(m_Samples) : static_cast<double>(nThickness);
}
