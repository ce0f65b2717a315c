#pragma once

#include <cstdint>

#include "Dm/IntSettingValue.h"

// A colour setting, held and stored as the integer red * 65536 + green * 256 + blue
// (8 bits each), range 0 ... 2^24 - 1. That integer is also the pixel word of the colour
// (0x00RRGGBB, blue in the low byte), the layout of threshold colours; it is not the
// drawing colour layout 0x00BBGGRR.
class CPixelSettingValue : public CIntSettingValue {
public:
    static constexpr int kMaxColor = 0xFFFFFF;

    CPixelSettingValue(CSettingsBackend& backend, const std::string& strSection, const std::string& strKey,
                       uint8_t defaultRed, uint8_t defaultGreen, uint8_t defaultBlue);

    static constexpr int Pack(uint8_t red, uint8_t green, uint8_t blue)
    {
        return (static_cast<int>(red) << 16) | (static_cast<int>(green) << 8) | static_cast<int>(blue);
    }

    uint8_t GetRed() const { return static_cast<uint8_t>(Get() >> 16); }
    uint8_t GetGreen() const { return static_cast<uint8_t>(Get() >> 8); }
    uint8_t GetBlue() const { return static_cast<uint8_t>(Get()); }
    // The colour as a pixel word 0x00RRGGBB.
    uint32_t GetPixelWord() const { return static_cast<uint32_t>(Get()); }

    void SetColor(uint8_t red, uint8_t green, uint8_t blue) { Set(Pack(red, green, blue)); }
    // Takes red, green and blue of a pixel word; its fourth byte plays no part.
    void SetPixelWord(uint32_t pixel) { Set(static_cast<int>(pixel & 0xFFFFFFu)); }
};
