#pragma once

#include "Dm/AbstractBmpReader.h"

// Reader of 24-bit bitmaps: blue, green, red bytes; the colour's fourth byte is 0xFF.
class C24BitsBmpReader final : public CAbstractBmpReader {
public:
    explicit C24BitsBmpReader(PLBmp& bitmap) : CAbstractBmpReader(bitmap) {}

    uint32_t GetColor(int x, int y) const override;
    bool IsInk(const CPoint& p, uint32_t threshold) const override;
    void GetColumn(int x, int yFirst, int nRows, uint32_t* out) const override;

private:
    uint32_t ColorAt(int x, int y) const
    {
        const uint8_t* p = m_ppLines[y] + static_cast<ptrdiff_t>(x) * 3;
        return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
               (static_cast<uint32_t>(p[2]) << 16) | 0xFF000000u;
    }
};
