#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Point.h"

struct CPixelBufferView;

// A picture made grey (one byte a pixel, row 0 at the top, no padding) with dark ink on a
// light ground: a picture whose ground is dark (light axes on a dark style) is inverted. Knows
// its ground, the commonest grey, and calls ink what is much darker than it: black and dark
// lines, not the light grey of grids. Owns its pixels.
class CGreyPicture {
public:
    explicit CGreyPicture(const CPixelBufferView& picture);

    int32_t GetWidth() const { return m_nWidth; }
    int32_t GetHeight() const { return m_nHeight; }
    const uint8_t* GetBits() const { return m_Pixels.data(); }
    uint8_t At(int32_t x, int32_t y) const { return m_Pixels[static_cast<size_t>(y) * m_nWidth + x]; }
    bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight; }
    // Outside the picture is ground.
    bool IsInk(int32_t x, int32_t y) const { return Contains(x, y) && At(x, y) < m_nInkThreshold; }
    // How much darker than the ground a pixel is, 0 to 1 (0 outside the picture).
    double Darkness(int32_t x, int32_t y) const;
    int GetInkThreshold() const { return m_nInkThreshold; }

    // The grey of one pixel of a picture of 1, 8, 24 or 32 bits (white for other depths).
    static uint8_t GreyAt(const CPixelBufferView& picture, int32_t x, int32_t y);

private:
    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
    int m_nGround = 255;
    int m_nInkThreshold = 128;
    std::vector<uint8_t> m_Pixels;
};
