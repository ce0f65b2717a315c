#pragma once

#include "Dm/AbstractBmpReader.h"

// Reader of 8-bit bitmaps: each byte indexes the palette. The palette is kept as pixel words
// (the palette entry's blue, green, red and reserved bytes) so that a pixel costs one lookup.
class CColor256BmpReader final : public CAbstractBmpReader {
public:
    explicit CColor256BmpReader(PLBmp& bitmap);

    uint32_t GetColor(int x, int y) const override;
    bool IsInk(const CPoint& p, uint32_t threshold) const override;
    void GetColumn(int x, int yFirst, int nRows, uint32_t* out) const override;

private:
    uint32_t m_Palette[256] = {};
};
