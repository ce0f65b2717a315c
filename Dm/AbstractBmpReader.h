#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Point.h"

class PLBmp;

// Reads pixels of the working bitmap, one class per depth, for the recognition algorithms.
// Colours are pixel words 0xAARRGGBB (blue in the low byte, as 32-bit pixels are stored),
// not drawing colours. A pixel is ink when none of its red, green and blue is brighter than
// the threshold's (the fourth byte is ignored).
// No bounds checks: callers keep 0 <= x < width and 0 <= y < height. The bitmap is not owned
// and must outlive the reader.
class CAbstractBmpReader {
public:
    virtual ~CAbstractBmpReader() = default;
    CAbstractBmpReader(const CAbstractBmpReader&) = delete;
    CAbstractBmpReader& operator=(const CAbstractBmpReader&) = delete;

    virtual uint32_t GetColor(int x, int y) const = 0;
    virtual bool IsInk(const CPoint& p, uint32_t threshold) const = 0;
    // The colours of nRows pixels of column x from row yFirst down, into out.
    virtual void GetColumn(int x, int yFirst, int nRows, uint32_t* out) const = 0;

    // The ink test of the colour readers, on two pixel words.
    static bool IsInkColor(uint32_t color, uint32_t threshold)
    {
        return (color & 0xFF) <= (threshold & 0xFF) && (color & 0xFF00) <= (threshold & 0xFF00) &&
               (color & 0xFF0000) <= (threshold & 0xFF0000);
    }

protected:
    explicit CAbstractBmpReader(PLBmp& bitmap);

    size_t m_nStride = 0;
    uint8_t* m_pBits = nullptr;
    PLBmp* m_pBitmap = nullptr;
    // Row pointers, row 0 at the top.
    uint8_t* const* m_ppLines = nullptr;
};
