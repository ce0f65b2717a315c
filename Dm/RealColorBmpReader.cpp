#include "Dm/RealColorBmpReader.h"

uint32_t CRealColorBmpReader::GetColor(int x, int y) const
{
    return ColorAt(x, y);
}

bool CRealColorBmpReader::IsInk(const CPoint& p, uint32_t threshold) const
{
    return IsInkColor(ColorAt(p.x, p.y), threshold);
}

void CRealColorBmpReader::GetColumn(int x, int yFirst, int nRows, uint32_t* out) const
{
    for (int y = yFirst; y < yFirst + nRows; ++y)
        *out++ = ColorAt(x, y);
}
