#include "detect/GreyPicture.h"

#include <algorithm>
#include <array>

#include "platform/PixelBuffer.h"

namespace {

uint8_t Luminance(const uint8_t* bgr)
{
    return static_cast<uint8_t>((114 * bgr[0] + 587 * bgr[1] + 299 * bgr[2] + 500) / 1000);
}

// Ink is this much darker than the ground: a grid's light grey (#b0b0b0 on white) is not.
constexpr int kInkContrast = 100;

}  // namespace

uint8_t CGreyPicture::GreyAt(const CPixelBufferView& picture, int32_t x, int32_t y)
{
    const uint8_t* row = picture.Row(y);
    switch (picture.bitsPerPixel) {
        case 32:
            return Luminance(row + 4 * static_cast<size_t>(x));
        case 24:
            return Luminance(row + 3 * static_cast<size_t>(x));
        case 8:
        case 1: {
            const int index = picture.bitsPerPixel == 8 ? row[x] : (row[x / 8] >> (7 - x % 8)) & 1;
            if (picture.palette == nullptr || index >= picture.paletteEntries)
                return picture.bitsPerPixel == 8 ? static_cast<uint8_t>(index) : (index != 0 ? 255 : 0);
            return Luminance(picture.palette + 4 * index);
        }
        default:
            return 255;
    }
}

CGreyPicture::CGreyPicture(const CPixelBufferView& picture)
{
    if (picture.bits == nullptr || picture.width <= 0 || picture.height <= 0)
        return;
    m_nWidth = picture.width;
    m_nHeight = picture.height;
    m_Pixels.resize(static_cast<size_t>(m_nWidth) * m_nHeight);
    std::array<uint32_t, 256> histogram{};
    for (int32_t y = 0; y < m_nHeight; ++y) {
        for (int32_t x = 0; x < m_nWidth; ++x) {
            const uint8_t g = GreyAt(picture, x, y);
            m_Pixels[static_cast<size_t>(y) * m_nWidth + x] = g;
            ++histogram[g];
        }
    }
    // The ground: the commonest grey, smoothed over its neighbours (noise of a scan or JPEG).
    int ground = 255;
    uint32_t best = 0;
    for (int g = 0; g < 256; ++g) {
        uint32_t around = 0;
        for (int d = std::max(0, g - 4); d <= std::min(255, g + 4); ++d)
            around += histogram[d];
        if (around > best) {
            best = around;
            ground = g;
        }
    }
    if (ground < 128) {
        for (uint8_t& v : m_Pixels)
            v = static_cast<uint8_t>(255 - v);
        ground = 255 - ground;
    }
    m_nGround = ground;
    m_nInkThreshold = std::max(ground - kInkContrast, 1);
}

double CGreyPicture::Darkness(int32_t x, int32_t y) const
{
    if (!Contains(x, y) || m_nGround == 0)
        return 0.0;
    return std::clamp(static_cast<double>(m_nGround - At(x, y)) / m_nGround, 0.0, 1.0);
}
