#pragma once

#include "Dm/AbstractBmpReader.h"

// Reader of 32-bit bitmaps: the stored word is the pixel word.
class CRealColorBmpReader final : public CAbstractBmpReader {
public:
    explicit CRealColorBmpReader(PLBmp& bitmap) : CAbstractBmpReader(bitmap) {}

    uint32_t GetColor(int x, int y) const override;
    bool IsInk(const CPoint& p, uint32_t threshold) const override;
    void GetColumn(int x, int yFirst, int nRows, uint32_t* out) const override;

private:
    uint32_t ColorAt(int x, int y) const
    {
        // Assembled from the bytes so that the layout holds on any byte order; compilers
        // turn it into one load on little-endian machines.
        const uint8_t* p = m_ppLines[y] + static_cast<ptrdiff_t>(x) * 4;
        return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
               (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    }
};
