#pragma once

#include <cstddef>
#include <cstdint>

// A plain, non-owning view of a pixel buffer, as the draw context blits it.
// Row 0 is at the top; each row is `stride` bytes long.
// 32-bit pixels are stored blue, green, red, fourth byte; 24-bit ones blue, green, red.
// For 1 and 8 bits per pixel `palette` holds 2 or 256 entries of blue, green, red, reserved.
struct CPixelBufferView {
    const uint8_t* bits = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    size_t stride = 0;
    int bitsPerPixel = 0;
    const uint8_t* palette = nullptr;  // 4 bytes an entry
    int paletteEntries = 0;

    const uint8_t* Row(int32_t y) const { return bits + static_cast<size_t>(y) * stride; }
};
