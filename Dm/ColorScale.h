#pragma once

#include <cstdint>
#include <memory>

#include "platform/Object.h"

// The two-colour scale of densitometry: a top colour standing for a top value and a bottom
// colour standing for a bottom value. A pixel colour is turned into a value by projecting it,
// in RGB space, onto the segment from the bottom colour to the top colour; the projection is
// not clamped, so colours beyond either end give values beyond the scale.
//
// Colours are pixel words 0xAARRGGBB (blue in the low byte), the layout of the bitmap's
// pixels; only red, green and blue count, the alpha byte is kept at 0xFF. Defaults: top black
// = 100, bottom white = 0.
class CColorScale : public CObject {
    DECLARE_SERIAL(CColorScale)
public:
    // What Validate answers.
    enum { kValid = 0, kSameColors = 1, kSameValues = 2 };

    CColorScale();
    CColorScale(uint32_t topColor, uint32_t bottomColor, double dTopValue, double dBottomValue);
    CColorScale(const CColorScale& other);
    CColorScale& operator=(const CColorScale& other);
    ~CColorScale() override = default;

    std::unique_ptr<CColorScale> Clone() const { return std::make_unique<CColorScale>(*this); }

    static constexpr uint32_t MakePixel(uint8_t red, uint8_t green, uint8_t blue)
    {
        return 0xFF000000u | (static_cast<uint32_t>(red) << 16) | (static_cast<uint32_t>(green) << 8) | blue;
    }
    static constexpr int Red(uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
    static constexpr int Green(uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
    static constexpr int Blue(uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }

    uint32_t GetTopColor() const { return m_TopColor; }
    uint32_t GetBottomColor() const { return m_BottomColor; }
    double GetTopValue() const { return m_TopValue; }
    double GetBottomValue() const { return m_BottomValue; }
    // The alpha byte of a colour given is replaced by 0xFF.
    void SetTopColor(uint32_t color);
    void SetBottomColor(uint32_t color);
    void SetTopValue(double dValue);
    void SetBottomValue(double dValue);

    // kSameColors when the colours are equal in red, green and blue; otherwise kSameValues
    // when the values are equal; otherwise kValid.
    int Validate() const;
    // The value of a pixel colour (its alpha byte plays no part); 0 when the two colours are
    // equal.
    double ValueOf(uint32_t pixel) const;

    // Top value, bottom value, then the bytes top red, green, blue, bottom red, green, blue.
    void Serialize(CArchive& ar) override;

private:
    void Invalidate() { m_bCacheValid = false; }
    void FillCache() const;

    uint32_t m_TopColor;
    uint32_t m_BottomColor;
    double m_TopValue;
    double m_BottomValue;

    // Per-scale quantities of ValueOf, computed on the first conversion after a change.
    mutable bool m_bCacheValid = false;
    mutable int m_dR = 0;
    mutable int m_dG = 0;
    mutable int m_dB = 0;
    mutable double m_D = 0.0;  // dR^2 + dG^2 + dB^2
    mutable double m_V = 0.0;  // top value - bottom value
};
