#pragma once

#include "Dm/AbstractBmpReader.h"

// Reader of 1-bit bitmaps: bit 7 - x mod 8 of byte x / 8 of a row selects palette entry 0 or
// 1. A pixel is ink exactly when its palette entry is black, whatever the threshold; its
// colour is then 0, else white 0x00FFFFFF.
class CMonochromaticBmpReader final : public CAbstractBmpReader {
public:
    explicit CMonochromaticBmpReader(PLBmp& bitmap);

    uint32_t GetColor(int x, int y) const override;
    bool IsInk(const CPoint& p, uint32_t threshold) const override;
    void GetColumn(int x, int yFirst, int nRows, uint32_t* out) const override;

private:
    bool IsInkAt(int x, int y) const { return m_bInk[(m_ppLines[y][x >> 3] >> (7 - (x & 7))) & 1]; }

    // Whether palette entry 0 and entry 1 are black, decided once.
    bool m_bInk[2] = {false, false};
};
