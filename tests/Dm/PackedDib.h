#pragma once

#include <cstdint>
#include <vector>

// A packed device-independent bitmap as a scanner hands it over: the 40-byte info header,
// the palette bytes, then the rows as given (bottom-up for a positive height).
inline std::vector<uint8_t> PackedDib(int32_t width, int32_t height, int bpp,
                                      const std::vector<uint8_t>& palette, const std::vector<uint8_t>& bits,
                                      uint32_t imageSize = 0, uint32_t colorsUsed = 0)
{
    std::vector<uint8_t> dib(40);
    auto put = [&dib](size_t at, uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            dib[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    put(0, 40, 4);
    put(4, static_cast<uint32_t>(width), 4);
    put(8, static_cast<uint32_t>(height), 4);
    put(12, 1, 2);
    put(14, static_cast<uint32_t>(bpp), 2);
    put(20, imageSize, 4);
    put(24, 11811, 4);  // 300 dpi
    put(32, colorsUsed, 4);
    dib.insert(dib.end(), palette.begin(), palette.end());
    dib.insert(dib.end(), bits.begin(), bits.end());
    return dib;
}
