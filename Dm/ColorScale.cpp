#include "Dm/ColorScale.h"

#include "platform/Archive.h"

IMPLEMENT_SERIAL(CColorScale, CObject, 1)

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

bool SameRgb(uint32_t a, uint32_t b)
{
    return ((a ^ b) & 0x00FFFFFFu) == 0;
}

}  // namespace

CColorScale::CColorScale()
    : m_TopColor(MakePixel(0, 0, 0)),
      m_BottomColor(MakePixel(255, 255, 255)),
      m_TopValue(100.0),
      m_BottomValue(0.0)
{
}

CColorScale::CColorScale(uint32_t topColor, uint32_t bottomColor, double dTopValue, double dBottomValue)
    : m_TopColor(topColor | kOpaque),
      m_BottomColor(bottomColor | kOpaque),
      m_TopValue(dTopValue),
      m_BottomValue(dBottomValue)
{
}

CColorScale::CColorScale(const CColorScale& other)
    : CObject(other),
      m_TopColor(other.m_TopColor),
      m_BottomColor(other.m_BottomColor),
      m_TopValue(other.m_TopValue),
      m_BottomValue(other.m_BottomValue)
{
}

CColorScale& CColorScale::operator=(const CColorScale& other)
{
    m_TopColor = other.m_TopColor;
    m_BottomColor = other.m_BottomColor;
    m_TopValue = other.m_TopValue;
    m_BottomValue = other.m_BottomValue;
    Invalidate();
    return *this;
}

void CColorScale::SetTopColor(uint32_t color)
{
    m_TopColor = color | kOpaque;
    Invalidate();
}

void CColorScale::SetBottomColor(uint32_t color)
{
    m_BottomColor = color | kOpaque;
    Invalidate();
}

void CColorScale::SetTopValue(double dValue)
{
    m_TopValue = dValue;
    Invalidate();
}

void CColorScale::SetBottomValue(double dValue)
{
    m_BottomValue = dValue;
    Invalidate();
}

int CColorScale::Validate() const
{
    if (SameRgb(m_TopColor, m_BottomColor))
        return kSameColors;
    if (m_TopValue == m_BottomValue)
        return kSameValues;
    return kValid;
}

void CColorScale::FillCache() const
{
    m_dR = Red(m_TopColor) - Red(m_BottomColor);
    m_dG = Green(m_TopColor) - Green(m_BottomColor);
    m_dB = Blue(m_TopColor) - Blue(m_BottomColor);
    m_D = static_cast<double>(m_dR * m_dR + m_dG * m_dG + m_dB * m_dB);
    m_V = m_TopValue - m_BottomValue;
    m_bCacheValid = true;
}

double CColorScale::ValueOf(uint32_t pixel) const
{
    if (!m_bCacheValid)
        FillCache();
    if (m_D == 0.0)
        return 0.0;
    // Channel differences are at most 255 each: the dot product fits an int.
    const int n = (Red(pixel) - Red(m_BottomColor)) * m_dR + (Green(pixel) - Green(m_BottomColor)) * m_dG +
                  (Blue(pixel) - Blue(m_BottomColor)) * m_dB;
    return n / m_D * m_V + m_BottomValue;
}

void CColorScale::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDouble(m_TopValue);
        ar.WriteDouble(m_BottomValue);
        ar.WriteByte(static_cast<uint8_t>(Red(m_TopColor)));
        ar.WriteByte(static_cast<uint8_t>(Green(m_TopColor)));
        ar.WriteByte(static_cast<uint8_t>(Blue(m_TopColor)));
        ar.WriteByte(static_cast<uint8_t>(Red(m_BottomColor)));
        ar.WriteByte(static_cast<uint8_t>(Green(m_BottomColor)));
        ar.WriteByte(static_cast<uint8_t>(Blue(m_BottomColor)));
        return;
    }

    m_TopValue = ar.ReadDouble();
    m_BottomValue = ar.ReadDouble();
    uint8_t rgb[6];
    for (uint8_t& byte : rgb)
        byte = ar.ReadByte();
    m_TopColor = MakePixel(rgb[0], rgb[1], rgb[2]);
    m_BottomColor = MakePixel(rgb[3], rgb[4], rgb[5]);
    Invalidate();
}
