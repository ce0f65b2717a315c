#include "imaging/Bmp.h"

#include <algorithm>
#include <new>
#include <utility>

#include "imaging/TextException.h"

void PLBmp::Create(int32_t width, int32_t height, int bitsPerPixel)
{
    if (bitsPerPixel != 1 && bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) {
        throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, "Unsupported bitmap depth.");
    }
    if (width <= 0 || height <= 0) {
        throw PLTextException(PL_ERRBAD_FORMAT, "Bitmap dimensions must be positive.");
    }
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPixels) {
        throw PLTextException(PL_ERRNO_MEMORY, "Out of memory creating bitmap.");
    }
    // Rows are padded to whole 32-bit words, as in a device-independent bitmap.
    const uint64_t stride = (static_cast<uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
    const uint64_t total = stride * static_cast<uint64_t>(height);

    Clear();
    try {
        m_Bits = CLargeBuffer(static_cast<size_t>(total));
        m_Rows.resize(static_cast<size_t>(height));
        if (bitsPerPixel <= 8) {
            m_Palette.assign(static_cast<size_t>(4) << bitsPerPixel, 0);
        }
    } catch (const std::bad_alloc&) {
        Clear();
        throw PLTextException(PL_ERRNO_MEMORY, "Out of memory creating bitmap.");
    }
    m_nWidth = width;
    m_nHeight = height;
    m_nBpp = bitsPerPixel;
    m_nStride = static_cast<size_t>(stride);
    for (int32_t y = 0; y < height; ++y) {
        m_Rows[static_cast<size_t>(y)] = m_Bits.data() + static_cast<size_t>(y) * m_nStride;
    }
}

void PLBmp::Clear()
{
    // Give the memory back rather than keep the capacity of a large picture.
    m_Bits = CLargeBuffer();
    std::vector<uint8_t*>().swap(m_Rows);
    std::vector<uint8_t>().swap(m_Palette);
    m_nWidth = 0;
    m_nHeight = 0;
    m_nBpp = 0;
    m_nStride = 0;
    m_nDpiX = 0;
    m_nDpiY = 0;
}

void PLBmp::SetPaletteEntry(int index, uint8_t red, uint8_t green, uint8_t blue)
{
    if (index < 0 || index >= GetPaletteEntries()) {
        throw PLTextException(PL_ERRINTERNAL, "Palette index out of range.");
    }
    uint8_t* entry = m_Palette.data() + static_cast<size_t>(index) * 4;
    entry[0] = blue;
    entry[1] = green;
    entry[2] = red;
    entry[3] = 0;
}

void PLBmp::SetGrayPalette()
{
    const int entries = GetPaletteEntries();
    if (entries < 2) {
        return;
    }
    // Spread the levels evenly from black to white: 2 entries give black and white.
    for (int i = 0; i < entries; ++i) {
        const auto level = static_cast<uint8_t>(i * 255 / (entries - 1));
        SetPaletteEntry(i, level, level, level);
    }
}

bool PLBmp::IsBlackAndWhite() const
{
    if (m_nBpp != 1) {
        return false;
    }
    const auto colour = [this](int index) {
        const uint8_t* entry = m_Palette.data() + static_cast<size_t>(index) * 4;
        return uint32_t(entry[0]) | uint32_t(entry[1]) << 8 | uint32_t(entry[2]) << 16;
    };
    const uint32_t first = colour(0);
    const uint32_t second = colour(1);
    return (first == 0 && second == 0xFFFFFF) || (first == 0xFFFFFF && second == 0);
}

void PLBmp::ExpandTo8Bits()
{
    if (m_nBpp != 1) {
        return;
    }
    PLBmp wide;
    wide.Create(m_nWidth, m_nHeight, 8);
    std::copy(m_Palette.begin(), m_Palette.end(), wide.m_Palette.begin());
    for (int32_t y = 0; y < m_nHeight; ++y) {
        const uint8_t* in = GetRow(y);
        uint8_t* out = wide.GetRow(y);
        for (int32_t x = 0; x < m_nWidth; ++x) {
            out[x] = (in[x >> 3] >> (7 - (x & 7))) & 1u;
        }
    }
    wide.SetResolution(m_nDpiX, m_nDpiY);
    Swap(wide);
}

void PLBmp::Swap(PLBmp& other) noexcept
{
    std::swap(m_nWidth, other.m_nWidth);
    std::swap(m_nHeight, other.m_nHeight);
    std::swap(m_nBpp, other.m_nBpp);
    std::swap(m_nStride, other.m_nStride);
    std::swap(m_nDpiX, other.m_nDpiX);
    std::swap(m_nDpiY, other.m_nDpiY);
    std::swap(m_Bits, other.m_Bits);
    m_Rows.swap(other.m_Rows);
    m_Palette.swap(other.m_Palette);
}

CPixelBufferView PLBmp::View() const
{
    CPixelBufferView view;
    view.bits = m_Bits.data();
    view.width = m_nWidth;
    view.height = m_nHeight;
    view.stride = m_nStride;
    view.bitsPerPixel = m_nBpp;
    view.palette = m_Palette.empty() ? nullptr : m_Palette.data();
    view.paletteEntries = GetPaletteEntries();
    return view;
}
