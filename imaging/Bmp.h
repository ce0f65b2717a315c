#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/LargeBuffer.h"
#include "platform/PixelBuffer.h"

// The image layer's bitmap: what decoders fill and the BMP encoder reads.
// Depths 1, 8, 24 and 32 bits per pixel. Row 0 is the top row; rows are padded to a
// multiple of 4 bytes. 32-bit pixels are stored blue, green, red, fourth byte; the palette
// (1 and 8 bits) holds entries of blue, green, red, reserved.
// Owns its pixel bits and palette.
class PLBmp {
public:
    PLBmp() = default;
    virtual ~PLBmp() = default;
    PLBmp(const PLBmp&) = delete;
    PLBmp& operator=(const PLBmp&) = delete;

    // Allocates a zero-initialised bitmap with a zeroed palette at 1 and 8 bits. Raises
    // PLTextException
    // (PL_ERRNO_MEMORY) for sizes beyond kMaxPixels or that cannot be allocated.
    void Create(int32_t width, int32_t height, int bitsPerPixel);
    void Clear();  // back to empty

    int32_t GetWidth() const { return m_nWidth; }
    int32_t GetHeight() const { return m_nHeight; }
    int GetBitsPerPixel() const { return m_nBpp; }
    size_t GetStride() const { return m_nStride; }
    bool IsEmpty() const { return m_nWidth == 0; }

    uint8_t* GetRow(int32_t y) { return m_Bits.data() + static_cast<size_t>(y) * m_nStride; }
    const uint8_t* GetRow(int32_t y) const { return m_Bits.data() + static_cast<size_t>(y) * m_nStride; }
    // Row pointers, row 0 at the top.
    uint8_t* const* GetLineArray() { return m_Rows.data(); }
    const uint8_t* GetBits() const { return m_Bits.data(); }
    uint8_t* GetBits() { return m_Bits.data(); }

    // 4 bytes an entry (blue, green, red, reserved); 2 entries at 1 bit, 256 at 8 bits.
    int GetPaletteEntries() const { return static_cast<int>(m_Palette.size() / 4); }
    const uint8_t* GetPalette() const { return m_Palette.data(); }
    void SetPaletteEntry(int index, uint8_t red, uint8_t green, uint8_t blue);
    void SetGrayPalette();

    // A 1-bit bitmap whose two palette entries are black and white, in either order.
    bool IsBlackAndWhite() const;
    // Turns a 1-bit bitmap into an 8-bit one of the same pixels: index bytes, the two
    // palette entries kept, the resolution too. Raises PLTextException (PL_ERRNO_MEMORY)
    // when the larger bitmap cannot be had; the bitmap is then unchanged.
    void ExpandTo8Bits();

    // Resolution in dots per inch (0 when unknown).
    int GetResolutionX() const { return m_nDpiX; }
    int GetResolutionY() const { return m_nDpiY; }
    void SetResolution(int dpiX, int dpiY)
    {
        m_nDpiX = dpiX;
        m_nDpiY = dpiY;
    }

    CPixelBufferView View() const;

    // Largest pixel count a decoder may ask for (guards against lying headers).
    static constexpr uint64_t kMaxPixels = uint64_t(1) << 30;

private:
    void Swap(PLBmp& other) noexcept;

    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
    int m_nBpp = 0;
    size_t m_nStride = 0;
    int m_nDpiX = 0;
    int m_nDpiY = 0;
    CLargeBuffer m_Bits;
    std::vector<uint8_t*> m_Rows;
    std::vector<uint8_t> m_Palette;
};
