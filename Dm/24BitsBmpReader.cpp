#include "Dm/24BitsBmpReader.h"

uint32_t C24BitsBmpReader::GetColor(int x, int y) const
{
    return ColorAt(x, y);
}

bool C24BitsBmpReader::IsInk(const CPoint& p, uint32_t threshold) const
{
    return IsInkColor(ColorAt(p.x, p.y), threshold);
}
