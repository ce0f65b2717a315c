#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class PLDataSource;

// One raster image of a Macintosh picture, read from the data of a bits opcode
// (BitsRect, BitsRgn, PackBitsRect, PackBitsRgn, DirectBitsRect, DirectBitsRgn) or of a
// pixel pattern. Coordinates are QuickDraw's: 16-bit, y down; the source rectangle lies
// in the bounds' coordinates, the destination rectangle in the picture's.
// Indexed images (1, 2, 4, 8 bits) keep their indices and colour table; direct images
// (16 and 32 bits) are held as 0x00RRGGBB words. Owns its pixels.
class PLPictPixmap {
public:
    struct Rect {
        int32_t top = 0, left = 0, bottom = 0, right = 0;
        int32_t Width() const { return right - left; }
        int32_t Height() const { return bottom - top; }
        bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
    };

    static Rect ReadRect(PLDataSource& src);

    // Reads the opcode's data, src placed just after the opcode. Raises PLTextException
    // for a record it cannot read.
    void ReadBitsOpcode(PLDataSource& src, uint16_t opcode);
    // Reads the data of a pixel pattern opcode (BkPixPat, PnPixPat, FillPixPat); the
    // pattern itself is dropped.
    static void SkipPixPat(PLDataSource& src);

    bool IsIndexed() const { return m_bIndexed; }
    int GetPixelSize() const { return m_nPixelSize; }
    const Rect& GetBounds() const { return m_Bounds; }
    const Rect& GetSrcRect() const { return m_SrcRect; }
    const Rect& GetDstRect() const { return m_DstRect; }
    int GetResolution() const { return m_nDpi; }
    // 256 entries of 0x00RRGGBB; entries the table does not give are black.
    const std::vector<uint32_t>& GetPalette() const { return m_Palette; }
    int GetColorCount() const { return m_nColors; }

    // Pixel at (x, y) counted from the bounds' top-left corner; callers stay inside them.
    uint8_t IndexAt(int32_t x, int32_t y) const { return m_Indices[Offset(x, y)]; }
    uint32_t ColorAt(int32_t x, int32_t y) const
    {
        return m_bIndexed ? m_Palette[m_Indices[Offset(x, y)]] : m_Colors[Offset(x, y)];
    }

private:
    void ReadHeader(PLDataSource& src, bool direct, bool pattern);
    void ReadColorTable(PLDataSource& src);
    void ReadPixels(PLDataSource& src, bool packed);
    void StoreRow(int32_t y, const std::vector<uint8_t>& row);
    size_t Offset(int32_t x, int32_t y) const
    {
        return static_cast<size_t>(y) * static_cast<size_t>(m_Bounds.Width()) + static_cast<size_t>(x);
    }

    bool m_bIndexed = true;
    int m_nPixelSize = 1;
    int m_nPackType = 0;  // as the file says; ReadPixels replaces it by the packing used
    int m_nComponents = 1;
    int m_nDpi = 0;
    uint32_t m_nRowBytes = 0;
    Rect m_Bounds;
    Rect m_SrcRect;
    Rect m_DstRect;
    std::vector<uint32_t> m_Palette;
    int m_nColors = 0;
    std::vector<uint8_t> m_Indices;
    std::vector<uint32_t> m_Colors;
};
