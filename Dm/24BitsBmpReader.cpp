#include "Dm/24BitsBmpReader.h"

uint32_t C24BitsBmpReader::GetColor(int x, int y) const
{
    return ColorAt(x, y);
}

bool C24BitsBmpReader::IsInk(const CPoint& p, uint32_t threshold) const
{
    return IsInkColor(ColorAt(p.x, p.y), threshold);
}

void C24BitsBmpReader::GetColumn(int x, int yFirst, int nRows, uint32_t* out) const
{
    for (int y = yFirst; y < yFirst + nRows; ++y)
        *out++ = ColorAt(x, y);
}
