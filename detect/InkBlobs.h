#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Point.h"

// The connected patches of ink of a grey picture (one byte a pixel, row 0 at the top, no
// padding): pixels darker than a threshold, joined with their eight neighbours. Each patch has
// a number from 0, in the order of its first pixel row by row, and its bounding box. Owns
// the numbers of the pixels.
class CInkBlobs {
public:
    CInkBlobs(const uint8_t* pixels, int32_t width, int32_t height, int threshold);

    const std::vector<CRect>& GetBoxes() const { return m_Boxes; }
    // The patch of pixel (x, y), or -1 for the ground.
    int32_t GetBlob(int32_t x, int32_t y) const { return m_Labels[static_cast<size_t>(y) * m_nWidth + x]; }

private:
    int32_t m_nWidth;
    std::vector<int32_t> m_Labels;
    std::vector<CRect> m_Boxes;
};
