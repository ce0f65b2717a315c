#pragma once

#include <cstdint>
#include <vector>

#include "platform/Point.h"

struct CPixelBufferView;

// One label's region of a picture made ready for the OCR: grey (one byte a pixel, 0 black),
// dark text on a light ground (a region whose border is dark is inverted: light labels on a
// dark style), stretched to black ink on a white ground, without the ink the region's edge
// cuts through (the region is to be cut with a few pixels of room around the label, so that
// what its edge meets is a neighbour's: a tick, the frame, a curve), enlarged by a whole factor
// when it is too small for the OCR to read, and framed by a margin of the ground.
// Owns its pixels; row 0 at the top, no padding.
class CLabelImage {
public:
    // The region is clipped to the picture; an empty one gives an empty image.
    CLabelImage(const CPixelBufferView& picture, const CRect& region);

    int32_t GetWidth() const { return m_nWidth; }
    int32_t GetHeight() const { return m_nHeight; }
    const uint8_t* GetBits() const { return m_Pixels.data(); }
    bool IsEmpty() const { return m_Pixels.empty(); }
    // How many times larger than the region it is (1 when the region was tall enough).
    int GetScale() const { return m_nScale; }
    // The margin around the enlarged region, in the image's pixels.
    int32_t GetMargin() const { return m_nMargin; }
    // The column halfway between the text on its baseline and the raised characters that end
    // it (the exponent of "10³", "×10⁻⁵"), or -1 when the text ends on its baseline. Raised
    // characters are ones whose ink stops a quarter of the text's height above the lowest ink.
    int32_t FindRaisedSplit() const;

    // Regions lower than this are enlarged until they reach it; text a third to half as
    // high is what the OCR reads best.
    static constexpr int32_t kMinHeight = 48;
    static constexpr int kMaxScale = 8;

private:
    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
    int m_nScale = 1;
    int32_t m_nMargin = 0;
    uint8_t m_Ground = 255;
    std::vector<uint8_t> m_Pixels;
};
