#include "detect/LabelImage.h"

#include <algorithm>
#include <cmath>

#include "detect/GreyPicture.h"
#include "detect/InkBlobs.h"
#include "platform/PixelBuffer.h"

namespace {

// Room around the text, in the enlarged image's pixels: the OCR misreads characters that
// touch the image's edge.
constexpr int32_t kMargin = 12;

// What the region's edge cuts through belongs to a neighbour (a tick, a spine, a curve, the
// next label), not to the label, which is cut with room around it: made ground (white), unless
// it is all the ink there is.
void EraseCutInk(std::vector<uint8_t>& grey, int32_t w, int32_t h)
{
    const CInkBlobs blobs(grey.data(), w, h, 128);
    std::vector<bool> cut(blobs.GetBoxes().size(), false);
    for (size_t i = 0; i < cut.size(); ++i) {
        const CRect& b = blobs.GetBoxes()[i];
        cut[i] = b.left == 0 || b.top == 0 || b.right == w || b.bottom == h;
    }
    if (std::find(cut.begin(), cut.end(), false) == cut.end())
        return;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const int32_t blob = blobs.GetBlob(x, y);
            if (blob >= 0 && cut[blob])
                grey[static_cast<size_t>(y) * w + x] = 255;
        }
    }
}

}  // namespace

CLabelImage::CLabelImage(const CPixelBufferView& picture, const CRect& region)
{
    const CRect r(std::max(region.left, 0), std::max(region.top, 0), std::min(region.right, picture.width),
                  std::min(region.bottom, picture.height));
    if (r.IsEmpty() || picture.bits == nullptr)
        return;
    const int32_t w = r.Width();
    const int32_t h = r.Height();
    std::vector<uint8_t> grey(static_cast<size_t>(w) * h);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x)
            grey[static_cast<size_t>(y) * w + x] = CGreyPicture::GreyAt(picture, r.left + x, r.top + y);
    }

    // The ground is what the region's border shows: labels are cut with room around them.
    uint64_t sum = 0;
    uint64_t count = 0;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            if (y == 0 || y == h - 1 || x == 0 || x == w - 1) {
                sum += grey[static_cast<size_t>(y) * w + x];
                ++count;
            }
        }
    }
    uint8_t ground = static_cast<uint8_t>(sum / count);
    if (ground < 128) {
        for (uint8_t& v : grey)
            v = static_cast<uint8_t>(255 - v);
        ground = static_cast<uint8_t>(255 - ground);
    }

    // The ink stretched to black and the ground to white: faint labels on a grey ground, and
    // the thin minus signs of small ones, are read more surely at full contrast.
    const uint8_t darkest = *std::min_element(grey.begin(), grey.end());
    if (ground > darkest) {
        for (uint8_t& v : grey)
            v = static_cast<uint8_t>(std::clamp((v - darkest) * 255 / (ground - darkest), 0, 255));
        ground = 255;
        EraseCutInk(grey, w, h);
    }
    m_Ground = ground;
    m_nScale = h < kMinHeight ? std::min(kMaxScale, (kMinHeight + h - 1) / h) : 1;
    m_nMargin = kMargin;
    const int32_t sw = w * m_nScale;
    const int32_t sh = h * m_nScale;
    m_nWidth = sw + 2 * kMargin;
    m_nHeight = sh + 2 * kMargin;
    m_Pixels.assign(static_cast<size_t>(m_nWidth) * m_nHeight, ground);
    // Bilinear enlargement: each new pixel samples the region at its middle.
    for (int32_t y = 0; y < sh; ++y) {
        const double fy = std::clamp((y + 0.5) / m_nScale - 0.5, 0.0, static_cast<double>(h - 1));
        const auto y0 = static_cast<int32_t>(fy);
        const int32_t y1 = std::min(y0 + 1, h - 1);
        const double ty = fy - y0;
        uint8_t* out = m_Pixels.data() + static_cast<size_t>(y + kMargin) * m_nWidth + kMargin;
        for (int32_t x = 0; x < sw; ++x) {
            const double fx = std::clamp((x + 0.5) / m_nScale - 0.5, 0.0, static_cast<double>(w - 1));
            const auto x0 = static_cast<int32_t>(fx);
            const int32_t x1 = std::min(x0 + 1, w - 1);
            const double tx = fx - x0;
            auto at = [&](int32_t px, int32_t py) { return grey[static_cast<size_t>(py) * w + px]; };
            const double top = at(x0, y0) + tx * (at(x1, y0) - at(x0, y0));
            const double bottom = at(x0, y1) + tx * (at(x1, y1) - at(x0, y1));
            out[x] = static_cast<uint8_t>(std::lround(top + ty * (bottom - top)));
        }
    }
}

int32_t CLabelImage::FindRaisedSplit() const
{
    if (IsEmpty())
        return -1;
    const uint8_t darkest = *std::min_element(m_Pixels.begin(), m_Pixels.end());
    // Less contrast than this is no text, only the ground's noise.
    if (m_Ground - darkest < 60)
        return -1;
    const int threshold = (m_Ground + darkest) / 2;

    // The characters: the bounding boxes of the connected patches of ink.
    std::vector<CRect> blobs = CInkBlobs(m_Pixels.data(), m_nWidth, m_nHeight, threshold).GetBoxes();
    // Specks of a scan are no characters; the smallest character, a point, is kept with them
    // out of the count, which it does not change.
    int32_t tallest = 0;
    for (const CRect& b : blobs)
        tallest = std::max(tallest, b.Height());
    blobs.erase(
        std::remove_if(blobs.begin(), blobs.end(),
                       [tallest](const CRect& b) { return 4 * std::max(b.Width(), b.Height()) < tallest; }),
        blobs.end());
    std::sort(blobs.begin(), blobs.end(), [](const CRect& a, const CRect& b) { return a.left < b.left; });
    int32_t baseline = 0;
    int32_t inkTop = m_nHeight;
    for (const CRect& b : blobs) {
        baseline = std::max(baseline, b.bottom);
        inkTop = std::min(inkTop, b.top);
    }
    const double raisedBottom = baseline - 0.25 * (baseline - inkTop);
    // The raised characters that end the text, then the character on the baseline before them.
    size_t first = blobs.size();
    while (first > 0 && blobs[first - 1].bottom < raisedBottom)
        --first;
    if (first == blobs.size() || first == 0)
        return -1;
    int32_t textRight = 0;
    for (size_t i = 0; i < first; ++i)
        textRight = std::max(textRight, blobs[i].right);
    if (textRight > blobs[first].left)
        return -1;
    return (textRight + blobs[first].left) / 2;
}
