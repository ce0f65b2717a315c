#include "Dm/InkCoverage.h"

#include <algorithm>
#include <utility>

#include "Dm/BmpManager.h"

namespace {

// Ink and background closer than this (in colour levels) cannot tell coverage.
constexpr double kMinContrast = 32.0;
// How far a search for the background goes through the ink above and below a point: this
// many times the thickness and kBackgroundSearchSlack rows.
constexpr int kBackgroundSearchThicknesses = 4;
constexpr int kBackgroundSearchSlack = 64;
// Rows between the last ink row and the background sample: past the anti-aliased edge.
constexpr int kBackgroundOffset = 2;

uint32_t Channel(uint32_t color, int k)
{
    return (color >> (16 - 8 * k)) & 0xFF;
}

// The median of channel k (0 red, 1 green, 2 blue) of the colours, counted level by level.
double ChannelMedian(const std::vector<uint32_t>& colors, int k)
{
    std::array<size_t, 256> counts{};
    for (const uint32_t c : colors)
        ++counts[Channel(c, k)];
    size_t nBelow = 0;
    for (size_t v = 0; v < counts.size(); ++v) {
        nBelow += counts[v];
        if (2 * nBelow > colors.size())
            return static_cast<double>(v);
    }
    return 255.0;
}

}  // namespace

CInkCoverage::CInkCoverage(const CBmpManager& bmpManager, uint32_t threshold, int nThickness)
    : m_BmpManager(bmpManager), m_Threshold(threshold), m_nThickness(nThickness)
{
}

size_t CInkCoverage::SampleStride(size_t nPoints)
{
    constexpr size_t kSamples = 1024;
    return nPoints / kSamples + 1;
}

bool CInkCoverage::Learn(const std::vector<CPoint>& points)
{
    const int64_t nWidth = m_BmpManager.GetWidth();
    const int64_t nHeight = m_BmpManager.GetHeight();
    auto inside = [&](int64_t x, int64_t y) { return x >= 0 && y >= 0 && x < nWidth && y < nHeight; };
    auto isInk = [&](int64_t x, int64_t y) {
        return inside(x, y) &&
               m_BmpManager.IsInk(CPoint(static_cast<int32_t>(x), static_cast<int32_t>(y)), m_Threshold);
    };
    std::vector<uint32_t> ink;
    std::vector<uint32_t> background;
    const size_t nStride = SampleStride(points.size());
    const int nMaxInkRows = kBackgroundSearchThicknesses * m_nThickness + kBackgroundSearchSlack;
    for (size_t i = 0; i < points.size(); i += nStride) {
        const CPoint& p = points[i];
        if (!isInk(p.x, p.y))
            continue;
        ink.push_back(m_BmpManager.GetPixelColor(p.x, p.y));
        for (const int d : {-1, 1}) {
            int64_t y = p.y;
            for (int nRows = 0; isInk(p.x, y) && nRows <= nMaxInkRows; ++nRows)
                y += d;
            y += kBackgroundOffset * d;
            if (inside(p.x, y) && !isInk(p.x, y))
                background.push_back(m_BmpManager.GetPixelColor(p.x, static_cast<int>(y)));
        }
    }
    if (ink.empty())
        return false;
    for (int k = 0; k < 3; ++k) {
        m_Ink[k] = ChannelMedian(ink, k);
        if (!background.empty())
            m_Background[k] = ChannelMedian(background, k);
    }
    m_dContrast2 = 0.0;
    for (int k = 0; k < 3; ++k)
        m_dContrast2 += (m_Background[k] - m_Ink[k]) * (m_Background[k] - m_Ink[k]);
    if (m_dContrast2 < kMinContrast * kMinContrast)
        return false;
    // The coverage of a colour is the projection of its distance from the background onto
    // the ink's, summed channel by channel: one table a channel.
    for (int k = 0; k < 3; ++k) {
        for (int v = 0; v < 256; ++v)
            m_Shares[k][static_cast<size_t>(v)] =
                (m_Background[k] - v) * (m_Background[k] - m_Ink[k]) / m_dContrast2;
    }
    for (int k = 0; k < 2; ++k) {
        m_RecentColors[k] = 0xFFFFFFFFu - static_cast<uint32_t>(k);
        m_dRecentCoverages[k] = Of(m_RecentColors[k]);
    }
    return true;
}

double CInkCoverage::At(int64_t x, int64_t y) const
{
    if (x < 0 || y < 0 || x >= m_BmpManager.GetWidth() || y >= m_BmpManager.GetHeight())
        return 0.0;
    return Of(m_BmpManager.GetReader()->GetColor(static_cast<int>(x), static_cast<int>(y)));
}

double CInkCoverage::Of(uint32_t color) const
{
    const double dot =
        m_Shares[0][(color >> 16) & 0xFF] + m_Shares[1][(color >> 8) & 0xFF] + m_Shares[2][color & 0xFF];
    return std::clamp(dot, 0.0, 1.0);
}

void CInkCoverage::ReadColumn(int64_t x, int64_t yFirst, int64_t nRows, std::vector<double>& coverages)
{
    coverages.resize(static_cast<size_t>(nRows));
    const int64_t yBegin = std::max<int64_t>(yFirst, 0);
    const int64_t yEnd = std::min<int64_t>(yFirst + nRows, m_BmpManager.GetHeight());
    if (x < 0 || x >= m_BmpManager.GetWidth() || yBegin >= yEnd) {
        std::fill(coverages.begin(), coverages.end(), 0.0);
        return;
    }
    // Outside the bitmap nothing is covered.
    std::fill(coverages.begin(), coverages.begin() + (yBegin - yFirst), 0.0);
    std::fill(coverages.begin() + (yEnd - yFirst), coverages.end(), 0.0);
    m_Colors.resize(static_cast<size_t>(yEnd - yBegin));
    m_BmpManager.GetReader()->GetColumn(static_cast<int>(x), static_cast<int>(yBegin),
                                        static_cast<int>(yEnd - yBegin), m_Colors.data());
    // Most pixels have the colour of the background or of solid ink: the last two colours
    // met are remembered with their coverage.
    uint32_t c0 = m_RecentColors[0];
    uint32_t c1 = m_RecentColors[1];
    double w0 = m_dRecentCoverages[0];
    double w1 = m_dRecentCoverages[1];
    double* pOut = coverages.data() + (yBegin - yFirst);
    for (const uint32_t c : m_Colors) {
        if (c != c0) {
            std::swap(c0, c1);
            std::swap(w0, w1);
            if (c != c0) {
                c0 = c;
                w0 = Of(c);
            }
        }
        *pOut++ = w0;
    }
    m_RecentColors[0] = c0;
    m_RecentColors[1] = c1;
    m_dRecentCoverages[0] = w0;
    m_dRecentCoverages[1] = w1;
}
