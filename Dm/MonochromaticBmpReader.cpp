#include "Dm/MonochromaticBmpReader.h"

#include "imaging/Bmp.h"

CMonochromaticBmpReader::CMonochromaticBmpReader(PLBmp& bitmap) : CAbstractBmpReader(bitmap)
{
    const uint8_t* palette = bitmap.GetPalette();
    const int entries = bitmap.GetPaletteEntries();
    for (int i = 0; i < 2 && i < entries; ++i) {
        const uint8_t* entry = palette + 4 * i;
        m_bInk[i] = entry[0] == 0 && entry[1] == 0 && entry[2] == 0;
    }
}

uint32_t CMonochromaticBmpReader::GetColor(int x, int y) const
{
    return IsInkAt(x, y) ? 0u : 0x00FFFFFFu;
}

bool CMonochromaticBmpReader::IsInk(const CPoint& p, uint32_t /*threshold*/) const
{
    return IsInkAt(p.x, p.y);
}

void CMonochromaticBmpReader::GetColumn(int x, int yFirst, int nRows, uint32_t* out) const
{
    for (int y = yFirst; y < yFirst + nRows; ++y)
        *out++ = IsInkAt(x, y) ? 0u : 0x00FFFFFFu;
}
