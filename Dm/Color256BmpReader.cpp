#include "Dm/Color256BmpReader.h"

#include "imaging/Bmp.h"

CColor256BmpReader::CColor256BmpReader(PLBmp& bitmap) : CAbstractBmpReader(bitmap)
{
    const uint8_t* palette = bitmap.GetPalette();
    const int entries = bitmap.GetPaletteEntries();
    for (int i = 0; i < 256 && i < entries; ++i) {
        const uint8_t* entry = palette + 4 * i;
        m_Palette[i] = static_cast<uint32_t>(entry[0]) | (static_cast<uint32_t>(entry[1]) << 8) |
                       (static_cast<uint32_t>(entry[2]) << 16) | (static_cast<uint32_t>(entry[3]) << 24);
    }
}

uint32_t CColor256BmpReader::GetColor(int x, int y) const
{
    return m_Palette[m_ppLines[y][x]];
}

bool CColor256BmpReader::IsInk(const CPoint& p, uint32_t threshold) const
{
    return IsInkColor(m_Palette[m_ppLines[p.y][p.x]], threshold);
}

void CColor256BmpReader::GetColumn(int x, int yFirst, int nRows, uint32_t* out) const
{
    for (int y = yFirst; y < yFirst + nRows; ++y)
        *out++ = m_Palette[m_ppLines[y][x]];
}
