#pragma once

// The picture the line-following benchmarks walk along: 20,000 x 64 pixels, white, with a
// black line 3 pixels thick that waves slowly up and down, solid or in dashes of 12 columns
// with gaps of 5. It is handed over as a scanner would (a packed bitmap, bottom-up rows), so
// the bitmap manager makes its reader for the depth.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Dm/BmpManager.h"

namespace benchline {

constexpr int32_t kWidth = 20000;
constexpr int32_t kHeight = 64;

// The middle row of the line.
inline int32_t Middle(int32_t x)
{
    return kHeight / 2 + static_cast<int32_t>(std::lround(20.0 * std::sin(x / 400.0)));
}

inline bool InDash(int32_t x) { return x % 17 < 12; }

// bpp is 1 (black on a white palette) or 32.
inline std::unique_ptr<CBmpManager> MakeLinePicture(int bpp, bool bDashed)
{
    const size_t stride = (static_cast<size_t>(kWidth) * bpp + 31) / 32 * 4;
    std::vector<uint8_t> dib(40);
    auto put = [&dib](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            dib[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    put(0, 40);
    put(4, kWidth);
    put(8, kHeight);
    dib[12] = 1;
    dib[14] = static_cast<uint8_t>(bpp);
    if (bpp == 1) {
        const uint8_t palette[8] = {0, 0, 0, 0, 255, 255, 255, 0};
        dib.insert(dib.end(), palette, palette + 8);
    }
    const size_t bitsAt = dib.size();
    dib.resize(bitsAt + stride * kHeight, 0xFF);
    for (int32_t x = 0; x < kWidth; ++x) {
        if (bDashed && !InDash(x))
            continue;
        for (int32_t y = Middle(x) - 1; y <= Middle(x) + 1; ++y) {
            uint8_t* row = dib.data() + bitsAt + static_cast<size_t>(kHeight - 1 - y) * stride;
            if (bpp == 1)
                row[x >> 3] &= static_cast<uint8_t>(~(0x80 >> (x & 7)));
            else
                row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = 0;
        }
    }
    auto manager = std::make_unique<CBmpManager>();
    if (!manager->SetFromScannedDib(dib.data(), dib.size()))
        std::abort();
    return manager;
}

}  // namespace benchline
